// The print commands and the printer list.
#include "app/UnitMain.h"

void TFrmMain::MnuFilePrintClick()
{
}

void TFrmMain::ToolButtonPrintClick()
{
    MnuFilePrintClick();
}

void TFrmMain::MnuFilePrintListClick()
{
}

void TFrmMain::FillPrinterList()
{
}
