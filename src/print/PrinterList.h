#pragma once

#include "print/PrintService.h"

#include <QStringList>

// What the printer list shows: every printer, the default one selected.
struct PrinterChoice
{
    QStringList names;
    int selected = -1;
};

// Empty when no printer is installed. Selects the default printer as the
// current one, so with printers but no default it throws the service's
// "There is no default printer currently selected" and nothing is listed.
PrinterChoice FillPrinterList(IPrintService &service);
