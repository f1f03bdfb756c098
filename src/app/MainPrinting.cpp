// The print commands and the printer list.
#include "app/UnitMain.h"

#include "app/PdfFilePrintService.h"
#include "card/WholeNumber.h"
#include "print/CallList.h"
#include "print/CardPrintJob.h"
#include "print/EntryCheck.h"
#include "print/PrinterList.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QPointer>
#include <QSpinBox>

namespace {

PrintRequest requestFrom(const TFrmMain &window)
{
    PrintRequest r;
    r.words = window.words().items();
    r.settings = window.cardSettings();
    r.printerPosition = window.CboPrinters->currentIndex();
    // The spin box's text, not its value: an emptied box must fail as typed.
    r.cardCountText = window.EdtCardNum->text();
    r.cardsPerPageText = window.CboCardsPerPage->currentText();
    return r;
}

} // namespace

void TFrmMain::MnuFilePrintClick()
{
    guarded([this] {
        const PrintContext context{*m_services.printService, *m_services.prompts, *m_services.random,
                                   m_services.progress};
        printCards(requestFrom(*this), CardCells, context);
    });
    // The last card printed is the sample card now: show it at once.
    repaintCard();
}

void TFrmMain::ToolButtonPrintClick()
{
    MnuFilePrintClick();
}

void TFrmMain::MnuFilePrintListClick()
{
    guarded([this] {
        const PrintContext context{*m_services.printService, *m_services.prompts, *m_services.random,
                                   m_services.progress};
        printCallList(requestFrom(*this), context);
    });
}

void TFrmMain::MnuFileExportPdfClick()
{
    guarded([this] {
        const PrintRequest request = requestFrom(*this);
        if (!checkEntryCount(request.words.size(), request.settings, *m_services.prompts))
            return;
        // A count that is not a number fails before a file is asked for.
        strToInt(request.cardCountText);
        const auto path = m_services.prompts->saveFileName(
            {QCoreApplication::translate("TFrmMain", "Export Bingo Cards"),
             QCoreApplication::translate("TFrmMain", "PDF File (*.pdf)"), QStringLiteral("pdf"), documentFolder()});
        if (!path)
            return;
        // The same job as printing, on a PDF file standing in for the printer.
        PdfFilePrintService file(*path, PdfFilePrintService::localePaper());
        PrintContext context{file, *m_services.prompts, *m_services.random, m_services.progress};
        context.kind = JobKind::Export;
        printCards(request, CardCells, context);
    });
    repaintCard();
}

void TFrmMain::FillPrinterList()
{
    // A print server can take its time, or never answer: the window does not
    // wait for it, and the list fills when the answer comes.
    const QPointer<TFrmMain> window(this);
    m_services.printService->findPrinters([window] {
        if (!window)
            return;
        window->guarded([&window] {
            const PrinterChoice choice = ::FillPrinterList(*window->m_services.printService);
            window->CboPrinters->addItems(choice.names);
            window->CboPrinters->setCurrentIndex(choice.selected);
        });
    });
}
