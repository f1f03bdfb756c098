// New, Open, Save, the save question, the Samples menu and the close procedure.
#include "app/UnitMain.h"

void TFrmMain::MnuFileNewClick()
{
}

void TFrmMain::MnuFileOpenClick()
{
}

void TFrmMain::MnuFileSaveClick()
{
}

void TFrmMain::buildSamplesMenu()
{
}

bool TFrmMain::FormCloseQuery()
{
    return true;
}
