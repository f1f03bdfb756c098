#pragma once

#include <QDialog>

class IShellOpener;
class LinkLabel;
class QLabel;
class QPushButton;

// The About box: the emblem, the version, the two links and the licence.
class TFrmAbout : public QDialog
{
    Q_OBJECT

public:
    TFrmAbout(IShellOpener &shell, QWidget *parent);

    void LblWebsiteClick();
    void LblEmailClick();
    void BtnOkClick();

    QLabel *Image1 = nullptr;
    QLabel *LblTitle = nullptr;
    LinkLabel *LblWebsite = nullptr;
    LinkLabel *LblEmail = nullptr;
    QLabel *LblLicence = nullptr;
    QPushButton *BtnOk = nullptr;

private:
    IShellOpener &m_shell;
};
