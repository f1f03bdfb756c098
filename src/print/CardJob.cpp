#include "print/CardJob.h"

#include "card/Error.h"
#include "card/WholeNumber.h"
#include "print/PrintCard.h"
#include "print/PrintMessages.h"
#include "print/PrintSetup.h"

#include <QCoreApplication>

CardJobPlan planCardJob(IPrintService &service, const PrintRequest &request)
{
    const CardSettings &settings = request.settings;
    CardJobPlan plan;
    plan.page = preparePage(service, settings, &plan.area);
    const int cards = strToInt(request.cardCountText);
    const int perPage = layoutCardsPerPage(settings.kind, strToInt(request.cardsPerPageText));
    plan.pages = pageCount(cards, perPage);
    const CardShape shape = cardShape(settings);
    plan.columns = shape.columns;
    plan.rows = shape.rows();
    plan.layout = layoutKindPage(settings.kind, perPage, plan.page, plan.columns, plan.rows);
    if (plan.layout.cellSide <= 0)
        throw MorvaneError(PrintMessages::areaTooSmall());
    // Tickets are never too few: a job deals far fewer than there are.
    plan.faces = settings.kind == CardKind::Tickets90
                     ? FaceCount{UINT64_MAX, false}
                     : countFaces(request.words, settings.sizeIndex, settings.freeSpace);
    plan.cards = std::uint64_t(plan.pages) * std::uint64_t(perPage);
    return plan;
}

bool acceptRepeats(const CardJobPlan &plan, IPrompts &prompts)
{
    return plan.faces.count >= plan.cards
           || prompts.question(QCoreApplication::translate("CardPrintJob",
                                                           "These entries make only %n different card(s). "
                                                           "Print anyway, repeating some cards?",
                                                           nullptr, int(plan.faces.count)),
                               DefaultButton::No);
}

void drawCardPage(ICanvas &canvas, const CardSettings &settings, const CardJobPlan &plan, int page, ICardSource &cards,
                  JobNumbering &numbering, CellTextMemo *memo)
{
    std::uint64_t card = std::uint64_t(page) * plan.layout.slots.size();
    for (const CardSlot &slot : plan.layout.slots) {
        ++card;
        const QStringList &cells = cards.card(card);
        PrintCard(canvas, settings, cells, slot.x, slot.y, plan.columns, plan.rows, plan.layout.cellSide, memo);
        numbering.endCard(canvas, card);
    }
}
