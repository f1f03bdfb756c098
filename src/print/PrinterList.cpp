#include "print/PrinterList.h"

PrinterChoice FillPrinterList(IPrintService &service)
{
    PrinterChoice choice;
    const QStringList names = service.printers();
    if (names.isEmpty())
        return choice;
    service.selectPrinter(-1);
    choice.names = names;
    choice.selected = service.printerIndex();
    return choice;
}
