// The font dialog command, help, homepage and About.
#include "app/UnitMain.h"

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

void TFrmMain::MnuHelpFileClick()
{
    m_services.shell->openDocument(
        helpFileTarget(QCoreApplication::applicationDirPath(), QStringLiteral(MORVANE_DATA_FROM_BIN)));
}

void TFrmMain::MnuHomepageClick()
{
    m_services.shell->openAddress(productWebPage());
}

void TFrmMain::MnuAboutClick()
{
    TFrmAbout FrmAbout(*m_services.shell, this);
    FrmAbout.exec();
}
