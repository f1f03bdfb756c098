// The font dialog command, help, homepage and About.
#include "app/UnitMain.h"

void TFrmMain::MnuFontClick()
{
}

void TFrmMain::MnuHelpFileClick()
{
}

void TFrmMain::MnuHomepageClick()
{
}

void TFrmMain::MnuAboutClick()
{
}
