#include "card/CardKind.h"

#include "card/CardSettings.h"
#include "card/TicketStrip.h"

#include <QCoreApplication>

#include <bit>

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

std::vector<std::vector<KindPrize>> prizeSets(CardKind kind)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("CardKind", text); };
    using R = KindPrize::Rule;
    if (kind == CardKind::Tickets90) {
        return {
            {{tr("One Line"), R::Rows, 1, 0}, {tr("Two Lines"), R::Rows, 2, 0}, {tr("Full House"), R::FullCard, 0, 0}},
            {{tr("Early Five"), R::AnyCells, 5, 0},
             {tr("Top Line"), R::Row, 0, 0},
             {tr("Middle Line"), R::Row, 0, 1},
             {tr("Bottom Line"), R::Row, 0, 2},
             {tr("Corners"), R::EndsOfOuterRows, 0, 0},
             {tr("Full House"), R::FullCard, 0, 0}},
        };
    }
    return {{{tr("Any Line"), R::AnyLine, 0, 0},
             {tr("Four Corners"), R::FourCorners, 0, 0},
             {tr("Full Card"), R::FullCard, 0, 0}}};
}

namespace {

std::uint64_t rowMask(const CardShape &shape, int row)
{
    const std::uint64_t one = (std::uint64_t{1} << shape.columns) - 1;
    return one << (row * shape.columns);
}

std::uint64_t cellBit(const CardShape &shape, int row, int column)
{
    return std::uint64_t{1} << (row * shape.columns + column);
}

// A line is complete when every cell of it that holds an entry is called,
// and it holds one at least.
bool complete(std::uint64_t line, std::uint64_t holding, std::uint64_t called)
{
    const std::uint64_t held = line & holding;
    return held != 0 && (held & ~called) == 0;
}

} // namespace

bool prizeWon(const KindPrize &prize, const CardShape &shape, std::uint64_t holding, std::uint64_t called)
{
    // The free cell counts as called; a blank cell is no part of any line.
    if (shape.freeCell >= 0) {
        holding |= std::uint64_t{1} << shape.freeCell;
        called |= std::uint64_t{1} << shape.freeCell;
    }
    const int rows = shape.bodyRows;
    const int columns = shape.columns;
    int rowsComplete = 0;
    for (int r = 0; r < rows; ++r)
        rowsComplete += complete(rowMask(shape, r), holding, called) ? 1 : 0;
    switch (prize.rule) {
    case KindPrize::Rule::AnyLine: {
        if (rowsComplete > 0)
            return true;
        std::uint64_t diagonal = 0;
        std::uint64_t anti = 0;
        for (int c = 0; c < columns; ++c) {
            std::uint64_t column = 0;
            for (int r = 0; r < rows; ++r)
                column |= cellBit(shape, r, c);
            if (complete(column, holding, called))
                return true;
        }
        if (rows != columns)
            return false;
        for (int i = 0; i < rows; ++i) {
            diagonal |= cellBit(shape, i, i);
            anti |= cellBit(shape, i, columns - 1 - i);
        }
        return complete(diagonal, holding, called) || complete(anti, holding, called);
    }
    case KindPrize::Rule::FourCorners:
        return complete(cellBit(shape, 0, 0) | cellBit(shape, 0, columns - 1) | cellBit(shape, rows - 1, 0)
                            | cellBit(shape, rows - 1, columns - 1),
                        holding, called);
    case KindPrize::Rule::Rows:
        return rowsComplete >= prize.count;
    case KindPrize::Rule::Row:
        return complete(rowMask(shape, prize.row), holding, called);
    case KindPrize::Rule::AnyCells:
        return std::popcount(holding & called) >= prize.count;
    case KindPrize::Rule::EndsOfOuterRows: {
        std::uint64_t ends = 0;
        for (int r : {0, rows - 1}) {
            const std::uint64_t held = rowMask(shape, r) & holding;
            if (held == 0)
                return false;
            ends |= held & (~held + 1);                                // the first
            ends |= std::uint64_t{1} << (63 - std::countl_zero(held)); // the last
        }
        return complete(ends, holding, called);
    }
    case KindPrize::Rule::FullCard:
        return complete(~std::uint64_t{0}, holding, called);
    }
    return false;
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
