// The print commands and the printer list.
#include "app/UnitMain.h"

#include "app/adapters/PdfFilePrintService.h"
#include "card/Error.h"
#include "card/WholeNumber.h"
#include "docs/Folders.h"
#include "game/GameFolder.h"
#include "game/NumberedGame.h"
#include "print/CallList.h"
#include "print/CardPrintJob.h"
#include "print/EntryCheck.h"
#include "print/PrinterList.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QPointer>
#include <QSpinBox>

PrintRequest TFrmMain::printRequest() const
{
    PrintRequest r;
    r.settings = cardSettings();
    r.words = cardEntries(r.settings.kind, words().items());
    r.printerPosition = CboPrinters->currentIndex();
    // The spin box's text, not its value: an emptied box must fail as typed.
    r.cardCountText = EdtCardNum->text();
    r.cardsPerPageText = CboCardsPerPage->currentText();
    // The tickets' choices are worded; the job reads the tickets they hold.
    const QList<int> choices = cardsPerPageChoices(r.settings.kind);
    if (r.settings.kind != CardKind::WordCards && CboCardsPerPage->currentIndex() >= 0)
        r.cardsPerPageText = QString::number(choices.value(CboCardsPerPage->currentIndex(), choices.first()));
    return r;
}

void TFrmMain::printCardsOn(IPrintService &service, const PrintRequest &request, JobKind kind)
{
    if (!MnuNumberCards->isChecked()) {
        PrintContext context{service, *m_services.prompts, *m_services.random, m_services.progress};
        context.kind = kind;
        printCards(request, CardCells, context);
        return;
    }
    // A game that could not be recorded could never be checked: not printed.
    const QString folder = GamesPath();
    if (folder.isEmpty())
        throw MorvaneError(QCoreApplication::translate("TFrmMain", "There is no folder to record numbered games in"));
    NumberedGame game(request, folder, newGameSeed(folder));
    PrintContext context{service, *m_services.prompts, *m_services.random, m_services.progress, &game.numbering()};
    context.kind = kind;
    printCards(request, CardCells, context);
}

void TFrmMain::MnuFilePrintClick()
{
    guarded([this] { printCardsOn(*m_services.printService, printRequest(), JobKind::Print); });
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
        printCallList(printRequest(), context);
    });
}

void TFrmMain::MnuFileExportPdfClick()
{
    guarded([this] {
        const PrintRequest request = printRequest();
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
        PdfFilePrintService file(*path, m_exportPaper.pageSize(), m_exportPaper.orientation);
        printCardsOn(file, request, JobKind::Export);
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
