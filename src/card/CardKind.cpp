#include "card/CardKind.h"

#include "card/CardSettings.h"
#include "card/TicketStrip.h"

CardKind cardKindFromStored(int stored)
{
    return stored == 1 ? CardKind::Tickets90 : CardKind::WordCards;
}

int storedCardKind(CardKind kind)
{
    return kind == CardKind::Tickets90 ? 1 : 0;
}

CardShape cardShape(const CardSettings &settings)
{
    CardShape shape;
    if (settings.kind == CardKind::Tickets90) {
        shape.columns = TicketColumns;
        shape.bodyRows = TicketRows;
        shape.blankCells = true;
        return shape;
    }
    const int side = settings.side();
    shape.columns = side;
    shape.bodyRows = side;
    shape.headingRows = settings.heading ? 1 : 0;
    shape.freeCell = settings.freeSpace ? side * side / 2 : -1;
    return shape;
}

int cardsPerDeal(CardKind kind)
{
    return kind == CardKind::Tickets90 ? TicketsPerStrip : 1;
}

QList<int> cardsPerPageChoices(CardKind kind)
{
    if (kind == CardKind::Tickets90)
        return {TicketsPerStrip, 2 * TicketsPerStrip};
    return {1, 2, 4};
}

int layoutCardsPerPage(CardKind kind, int cardsPerPage)
{
    const QList<int> choices = cardsPerPageChoices(kind);
    if (kind == CardKind::Tickets90)
        return cardsPerPage == choices.last() ? cardsPerPage : choices.first();
    // Any value the list does not offer is laid out as the most.
    return choices.contains(cardsPerPage) ? cardsPerPage : choices.last();
}

QStringList cardEntries(CardKind kind, const QStringList &words)
{
    if (kind != CardKind::Tickets90)
        return words;
    QStringList numbers;
    numbers.reserve(StripNumbers);
    for (int n = 1; n <= StripNumbers; ++n)
        numbers.append(QString::number(n));
    return numbers;
}
