#include "game/CardReprint.h"

#include "card/Error.h"
#include "game/GameCards.h"
#include "print/CardPrintJob.h"
#include "print/JobNumbering.h"
#include "print/PageLayout.h"
#include "print/PrintCard.h"
#include "print/PrintMessages.h"
#include "print/PrintSetup.h"

#include <map>

PrintOutcome reprintCards(GameCards &cards, const std::vector<std::uint64_t> &numbers, int printerPosition,
                          const PrintContext &context)
{
    const GameRecord &record = cards.record();
    const CardSettings &settings = record.settings;
    const int perPage = layoutCardsPerPage(settings.kind, record.cardsPerPage);

    // The original page of each card, with the slots it fills again.
    std::map<std::uint64_t, std::vector<std::uint64_t>> pagesOf;
    for (std::uint64_t k : numbers)
        if (k >= 1 && k <= cards.count())
            pagesOf[(k - 1) / std::uint64_t(perPage)].push_back(k);
    if (pagesOf.empty())
        return PrintOutcome::Refused;

    IPrintService &service = context.service;
    service.selectPrinter(printerPosition);
    DocumentGuard document(service);
    const PageGeometry page = preparePage(service, settings);
    const CardShape shape = cardShape(settings);
    const int columns = shape.columns;
    const int rows = shape.rows();
    const CardPageLayout layout = layoutKindPage(settings.kind, perPage, page, columns, rows);
    if (layout.cellSide <= 0)
        throw MorvaneError(PrintMessages::areaTooSmall());

    // The number lines are laid out for the whole game, as its job did, so
    // each stands where it stood.
    const CardNumbering game{record.seed, record.code, {}, {}, settings.kind};
    service.beginDoc();
    ICanvas &canvas = service.canvas();
    JobNumbering numbering(&game, context.random);
    numbering.layOut(canvas, page, layout, columns, rows, cards.count());
    const int pages = int(pagesOf.size());
    std::unique_ptr<IProgress> progress;
    if (pages > ProgressAfterPages && context.progress)
        progress = context.progress->start(pages, context.kind);
    CellTextMemo memo;
    int done = 0;
    for (const auto &[original, onPage] : pagesOf) {
        if (done > 0)
            service.newPage();
        for (std::uint64_t k : onPage) {
            const CardSlot &slot = layout.slots[std::size_t((k - 1) % std::uint64_t(perPage))];
            numbering.beginCard(k);
            PrintCard(canvas, settings, cards.cells(k), slot.x, slot.y, columns, rows, layout.cellSide, &memo);
            numbering.endCard(canvas);
        }
        ++done;
        if (progress) {
            progress->setPagesDone(done);
            if (progress->cancelled())
                return PrintOutcome::Cancelled;
        }
    }
    document.endDoc();
    return PrintOutcome::Printed;
}
