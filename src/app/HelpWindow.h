#pragma once

#include <QWidget>

class IShellOpener;
class IPrompts;
class QPushButton;
class QTextBrowser;
class QUrl;

// The help, read inside the program: it needs no browser and no network.
// Links within the help follow in the window, with Back and Forward; a link
// to a web page or an e-mail address goes to the desktop, and when nothing
// there can open it the address is shown to copy.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    HelpWindow(IShellOpener &shell, IPrompts &prompts, QWidget *parent);

    // Shows the help document; a missing one is said in the window.
    void showDocument(const QString &path);

    QTextBrowser *Browser = nullptr;
    QPushButton *BtnBack = nullptr;
    QPushButton *BtnForward = nullptr;
    QPushButton *BtnHome = nullptr;
    QPushButton *BtnClose = nullptr;

private:
    void followLink(const QUrl &link);

    IShellOpener &m_shell;
    IPrompts &m_prompts;
};

// Hands an address to the desktop; when no program could be started, tells
// the user and shows the address to copy. False then.
bool openAddressOrShow(IShellOpener &shell, IPrompts &prompts, const QString &address);
