#include "print/PrinterList.h"

PrinterChoice FillPrinterList(IPrintService &service)
{
    PrinterChoice choice;
    const QStringList names = service.printers();
    if (names.isEmpty())
        return choice;
    choice.names = names;
    // Printers without a default are common on CUPS: they are listed all the
    // same, none selected; printing with none selected then says there is
    // no default.
    const int position = service.defaultPrinterPosition();
    if (position >= 0 && position < names.size()) {
        service.selectPrinter(position);
        choice.selected = service.printerIndex();
    }
    return choice;
}
