#pragma once

#include "print/PrintService.h"

#include <QStringList>

// What the printer list shows: every printer, the default one selected.
struct PrinterChoice
{
    QStringList names;
    int selected = -1;
};

// Empty when no printer is installed. Makes the default printer the current
// one; with printers but no default, every printer is listed and none is
// selected.
PrinterChoice FillPrinterList(IPrintService &service);
