// The font dialog command, help, homepage and About.
#include "app/UnitMain.h"

#include "app/HelpWindow.h"
#include "app/UnitFrmAbout.h"
#include "app/UnitFrmFont.h"
#include "card/CardSettings.h"
#include "docs/Folders.h"
#include "docs/FontChoice.h"
#include "docs/HelpFile.h"
#include "docs/IniFile.h"
#include "docs/ProductLinks.h"
#include "docs/ShellOpener.h"

#include <QCoreApplication>

// MORVANE_DATA_FROM_BIN, set by data/CMakeLists.txt, leads from the
// installed executable's folder to the installed help.

void TFrmMain::MnuFontClick()
{
    {
        TFrmFonts FrmFonts(*m_services.prompts, *m_services.fonts, this);
        FrmFonts.exec();
    }
    // Whatever way the dialog was left, the file says which font the card has.
    guarded([this] {
        const CardSettings defaults;
        const IniFile ini(OptionsFilePath());
        CardFontName = ini.readString(QStringLiteral("Options"), QStringLiteral("FountName"), defaults.fontName);
        CardFontSize =
            cardFontSizeFrom(ini.readInteger(QStringLiteral("Options"), QStringLiteral("FontSize"), defaults.fontSize),
                             defaults.fontSize);
    });
    repaintCard();
}

// The help opens in a window of the program's own, so that it reads the
// same on a desktop without a browser or a network; a second F1 brings the
// same window forward.
void TFrmMain::MnuHelpFileClick()
{
    if (!m_help) {
        m_help = new HelpWindow(*m_services.shell, *m_services.prompts, this);
        m_help->showDocument(
            helpFileTarget(QCoreApplication::applicationDirPath(), QStringLiteral(MORVANE_DATA_FROM_BIN)));
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

HelpWindow *TFrmMain::helpWindow() const
{
    return m_help;
}

void TFrmMain::MnuHomepageClick()
{
    openAddressOrShow(*m_services.shell, *m_services.prompts, productWebPage());
}

void TFrmMain::MnuAboutClick()
{
    TFrmAbout FrmAbout(*m_services.shell, this);
    FrmAbout.exec();
}
