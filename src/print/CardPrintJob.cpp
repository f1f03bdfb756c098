#include "print/CardPrintJob.h"

#include "card/ArrangeCard.h"
#include "card/Error.h"
#include "card/WholeNumber.h"
#include "print/EntryCheck.h"
#include "print/PageLayout.h"
#include "print/PrintCard.h"
#include "print/PrintMessages.h"
#include "print/PrintSetup.h"

PrintOutcome printCards(const PrintRequest &request, QStringList &cardCells, const PrintContext &context)
{
    const CardSettings &settings = request.settings;
    if (!checkEntryCount(request.words.size(), settings, context.prompts))
        return PrintOutcome::Refused;

    IPrintService &service = context.service;
    service.selectPrinter(request.printerPosition);
    DocumentGuard document(service);
    const PageGeometry page = preparePage(service, settings);

    const int cards = strToInt(request.cardCountText);
    const int perPage = layoutCardsPerPage(strToInt(request.cardsPerPageText));
    const int pages = pageCount(cards, perPage);
    const int columns = settings.side();
    const int rows = columns + (settings.heading ? 1 : 0);
    const CardPageLayout layout = layoutCardPage(perPage, page, columns, rows);
    if (layout.cellSide <= 0)
        throw MorvaneError(PrintMessages::areaTooSmall());

    service.beginDoc();
    std::unique_ptr<IProgress> progress;
    if (pages > ProgressAfterPages && context.progress)
        progress = context.progress->start(pages);
    ICanvas &canvas = service.canvas();
    CellTextMemo memo;
    for (int p = 0; p < pages; ++p) {
        if (p > 0)
            service.newPage();
        for (const CardSlot &slot : layout.slots) {
            ArrangeCard(request.words, settings.sizeIndex, settings.freeSpace, cardCells, context.random);
            PrintCard(canvas, settings, cardCells, slot.x, slot.y, columns, rows, layout.cellSide, &memo);
        }
        if (progress) {
            progress->setPagesDone(p + 1);
            if (progress->cancelled())
                return PrintOutcome::Cancelled; // the guard drops the document
        }
    }
    document.endDoc();
    return PrintOutcome::Printed;
}
