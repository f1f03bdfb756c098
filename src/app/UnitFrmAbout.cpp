#include "app/UnitFrmAbout.h"

#include "app/AppIcon.h"
#include "app/LinkLabel.h"
#include "docs/ProductLinks.h"
#include "docs/ShellOpener.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

TFrmAbout::TFrmAbout(IShellOpener &shell, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint),
      m_shell(shell)
{
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(QCoreApplication::translate("TFrmAbout", "About Morvane"));
    setFixedSize(290, 228);
    setFont(QFont(QStringLiteral("Sans Serif"), 10));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(applicationIcon().pixmap(48, 48));
    Image1->setGeometry(16, 16, 48, 48);

    LblTitle = new QLabel(QStringLiteral("Morvane V3.71"), this);
    LblTitle->setObjectName(QStringLiteral("LblTitle"));
    QFont titleFont = font();
    titleFont.setBold(true);
    LblTitle->setFont(titleFont);
    LblTitle->setAlignment(Qt::AlignCenter);
    LblTitle->setGeometry(72, 16, 202, 48);

    LblWebsite = new LinkLabel(QCoreApplication::translate("TFrmAbout", "Website: ") + productWebPage(), this);
    LblWebsite->setObjectName(QStringLiteral("LblWebsite"));
    LblWebsite->setAlignment(Qt::AlignCenter);
    LblWebsite->setWordWrap(true);
    LblWebsite->setGeometry(4, 68, 282, 34);

    LblEmail = new LinkLabel(QCoreApplication::translate("TFrmAbout", "Support Email: ") + supportEmailAddress(), this);
    LblEmail->setObjectName(QStringLiteral("LblEmail"));
    LblEmail->setAlignment(Qt::AlignCenter);
    // At 10 points the address line is wider than the box; it breaks after the caption.
    LblEmail->setWordWrap(true);
    LblEmail->setGeometry(4, 104, 282, 36);

    LblLicence = new QLabel(QCoreApplication::translate(
                                "TFrmAbout", "Free software under the GNU General Public License, version 3 or later."),
                            this);
    LblLicence->setObjectName(QStringLiteral("LblLicence"));
    LblLicence->setAlignment(Qt::AlignCenter);
    LblLicence->setWordWrap(true);
    LblLicence->setGeometry(4, 142, 282, 36);

    BtnOk = new QPushButton(QCoreApplication::translate("TFrmAbout", "OK"), this);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setDefault(true);
    BtnOk->setGeometry(107, 188, 75, 27);

    // OK has the focus first, so Enter closes the box; Tab reaches the links.
    setTabOrder(BtnOk, LblWebsite);
    setTabOrder(LblWebsite, LblEmail);
    BtnOk->setFocus();

    connect(LblWebsite, &LinkLabel::clicked, this, [this] { LblWebsiteClick(); });
    connect(LblEmail, &LinkLabel::clicked, this, [this] { LblEmailClick(); });
    connect(BtnOk, &QPushButton::clicked, this, [this] { BtnOkClick(); });
}

void TFrmAbout::LblWebsiteClick()
{
    m_shell.openAddress(productWebPage());
}

void TFrmAbout::LblEmailClick()
{
    m_shell.openAddress(supportMailto());
}

void TFrmAbout::BtnOkClick()
{
    accept();
}
