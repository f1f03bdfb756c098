#include "print/CardPrintJob.h"

#include "print/CardJob.h"
#include "print/CardSource.h"
#include "print/EntryCheck.h"
#include "print/JobNumbering.h"
#include "print/PrintSetup.h"

#include <optional>

PrintOutcome printCards(const PrintRequest &request, QStringList &cardCells, const PrintContext &context)
{
    const CardSettings &settings = request.settings;
    if (!checkEntryCount(request.words.size(), settings, context.prompts))
        return PrintOutcome::Refused;

    IPrintService &service = context.service;
    service.selectPrinter(request.printerPosition);
    DocumentGuard document(service);
    const CardJobPlan plan = planCardJob(service, request);
    if (!context.repeatsAgreed && !acceptRepeats(plan, context.prompts))
        return PrintOutcome::Refused;

    service.beginDoc();
    std::unique_ptr<IProgress> progress;
    if (plan.pages > ProgressAfterPages && context.progress)
        progress = context.progress->start(plan.pages, context.kind);
    ICanvas &canvas = service.canvas();
    CellTextMemo memo;
    JobNumbering numbering(context.numbering);
    numbering.layOut(canvas, plan.page, plan.layout, plan.columns, plan.rows, plan.cards);
    const std::optional<std::uint64_t> seed = context.numbering ? context.numbering->seed : context.seed;
    // The cards are arranged here; cardCells takes the last one, arranged in
    // full, once it is printed. Slots a standard-number card does not reach
    // keep the previous card's strings, as they would in cardCells itself.
    std::optional<StreamCards> words;
    std::optional<TicketCards> tickets;
    ICardSource *source = nullptr;
    if (settings.kind == CardKind::Tickets90)
        source = &tickets.emplace(context.random, seed);
    else
        source = &words.emplace(request.words, settings, plan.faces, plan.cards, context.random, seed, cardCells);
    ICardSource &cards = *source;
    for (int p = 0; p < plan.pages; ++p) {
        if (p > 0)
            service.newPage();
        drawCardPage(canvas, settings, plan, p, cards, numbering, &memo);
        if (progress) {
            progress->setPagesDone(p + 1);
            if (progress->cancelled())
                return PrintOutcome::Cancelled; // the guard drops the document
        }
    }
    if (plan.cards > 0)
        cardCells = std::move(tickets ? tickets->cells() : words->cells());
    numbering.documentEnding(plan.cards);
    try {
        document.endDoc();
    } catch (...) {
        numbering.documentFailed();
        throw;
    }
    return PrintOutcome::Printed;
}
