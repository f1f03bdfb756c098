#include "app/HelpWindow.h"

#include "app/accessibility/Accessibility.h"
#include "card/Prompts.h"
#include "docs/ShellOpener.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <utility>

bool openAddressOrShow(IShellOpener &shell, IPrompts &prompts, const QString &address)
{
    if (shell.openAddress(address))
        return true;
    prompts.information(HelpWindow::tr("No program could be started to open this address. "
                                       "You can copy it from here into a browser or a mail program:\n\n%1")
                            .arg(address));
    return false;
}

HelpWindow::HelpWindow(IShellOpener &shell, IPrompts &prompts, QWidget *parent)
    : QWidget(parent, Qt::Window),
      m_shell(shell),
      m_prompts(prompts)
{
    setObjectName(QStringLiteral("FrmHelp"));
    setWindowTitle(tr("Morvane Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAccessibleRole(this, QAccessible::Window);

    BtnBack = new QPushButton(tr("&Back"), this);
    BtnBack->setObjectName(QStringLiteral("BtnBack"));
    BtnForward = new QPushButton(tr("&Forward"), this);
    BtnForward->setObjectName(QStringLiteral("BtnForward"));
    BtnHome = new QPushButton(tr("&Contents"), this);
    BtnHome->setObjectName(QStringLiteral("BtnHome"));
    BtnClose = new QPushButton(tr("Close"), this);
    BtnClose->setObjectName(QStringLiteral("BtnClose"));
    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("Browser"));
    Browser->setAccessibleName(tr("Help text"));
    Browser->setOpenLinks(false);
    BtnBack->setEnabled(false);
    BtnForward->setEnabled(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BtnBack);
    buttons->addWidget(BtnForward);
    buttons->addWidget(BtnHome);
    buttons->addStretch(1);
    buttons->addWidget(BtnClose);
    auto *root = new QVBoxLayout(this);
    root->addLayout(buttons);
    root->addWidget(Browser, 1);

    connect(BtnBack, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(BtnForward, &QPushButton::clicked, Browser, &QTextBrowser::forward);
    connect(BtnHome, &QPushButton::clicked, Browser, &QTextBrowser::home);
    connect(BtnClose, &QPushButton::clicked, this, &QWidget::close);
    connect(Browser, &QTextBrowser::backwardAvailable, BtnBack, &QWidget::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, BtnForward, &QWidget::setEnabled);
    connect(Browser, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    // The keys of a browser for going back and forth.
    for (const auto &[keys, go] : {std::pair{QKeySequence::Back, &QTextBrowser::backward},
                                   std::pair{QKeySequence::Forward, &QTextBrowser::forward}}) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, Browser, go);
    }
    auto *closeKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(closeKey, &QShortcut::activated, this, &QWidget::close);
    resize(720, 600);
    Browser->setFocus();
}

void HelpWindow::showDocument(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        Browser->setPlainText(tr("The help file %1 is missing. Please re-install the software.").arg(path));
        return;
    }
    Browser->setSource(QUrl::fromLocalFile(path));
}

void HelpWindow::followLink(const QUrl &link)
{
    const QUrl target = Browser->source().resolved(link);
    if (target.isLocalFile() || target.scheme().isEmpty())
        Browser->setSource(target);
    else
        openAddressOrShow(m_shell, m_prompts, target.toString());
}
