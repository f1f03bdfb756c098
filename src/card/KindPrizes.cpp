#include "card/KindPrizes.h"

#include "card/TicketStrip.h"

#include <QCoreApplication>

namespace {

std::uint64_t cellBit(int columns, int row, int column)
{
    return std::uint64_t{1} << (row * columns + column);
}

std::uint64_t block(int side, int row, int column)
{
    return cellBit(side, row, column) | cellBit(side, row, column + 1) | cellBit(side, row + 1, column)
           | cellBit(side, row + 1, column + 1);
}

std::uint64_t ticketRow(int row)
{
    return ((std::uint64_t{1} << TicketColumns) - 1) << (row * TicketColumns);
}

} // namespace

PrizeStages squarePrizes(int side)
{
    // Rows, columns, then both diagonals: the order a saved stage lists them.
    std::vector<std::uint64_t> lines;
    for (int r = 0; r < side; ++r) {
        std::uint64_t row = 0;
        for (int c = 0; c < side; ++c)
            row |= cellBit(side, r, c);
        lines.push_back(row);
    }
    for (int c = 0; c < side; ++c) {
        std::uint64_t column = 0;
        for (int r = 0; r < side; ++r)
            column |= cellBit(side, r, c);
        lines.push_back(column);
    }
    std::uint64_t diagonal = 0;
    std::uint64_t anti = 0;
    for (int i = 0; i < side; ++i) {
        diagonal |= cellBit(side, i, i);
        anti |= cellBit(side, i, side - 1 - i);
    }
    lines.push_back(diagonal);
    lines.push_back(anti);
    const std::uint64_t corners = cellBit(side, 0, 0) | cellBit(side, 0, side - 1) | cellBit(side, side - 1, 0)
                                  | cellBit(side, side - 1, side - 1);
    const std::uint64_t full = (std::uint64_t{1} << (side * side)) - 1;
    const int far = side - 2;
    return {
        {QCoreApplication::translate("SquarePrizes", "Any Line"), lines, 1},
        {QCoreApplication::translate("SquarePrizes", "Two Lines"), lines, 2},
        {QCoreApplication::translate("SquarePrizes", "Four Corners"), {corners}, 1},
        {QCoreApplication::translate("SquarePrizes", "X"), {diagonal | anti}, 1},
        {QCoreApplication::translate("SquarePrizes", "Postage Stamp"),
         {block(side, 0, 0), block(side, 0, far), block(side, far, 0), block(side, far, far)},
         1},
        {QCoreApplication::translate("SquarePrizes", "Full Card"), {full}, 1},
    };
}

Prize drawnPrize(const QString &name, std::uint64_t cells)
{
    return {name, {cells}, 1};
}

PrizeStages ticketPrizes()
{
    using C = Prize::Cover;
    const std::vector<std::uint64_t> rows{ticketRow(0), ticketRow(1), ticketRow(2)};
    // Five of any numbers: each cell a shape of its own, a blank one never
    // complete.
    std::vector<std::uint64_t> cells;
    for (int k = 0; k < TicketCells; ++k)
        cells.push_back(std::uint64_t{1} << k);
    const std::uint64_t all = (std::uint64_t{1} << TicketCells) - 1;
    return {
        {QCoreApplication::translate("CardKind", "One Line"), rows, 1, C::Entries},
        {QCoreApplication::translate("CardKind", "Two Lines"), rows, 2, C::Entries},
        {QCoreApplication::translate("CardKind", "Full House"), {all}, 1, C::Entries},
        {QCoreApplication::translate("CardKind", "Early Five"), cells, 5, C::Entries},
        {QCoreApplication::translate("CardKind", "Top Line"), {rows[0]}, 1, C::Entries},
        {QCoreApplication::translate("CardKind", "Middle Line"), {rows[1]}, 1, C::Entries},
        {QCoreApplication::translate("CardKind", "Bottom Line"), {rows[2]}, 1, C::Entries},
        // The ends of the top row and of the bottom row, not the grid's
        // corner cells, which may be blank.
        {QCoreApplication::translate("CardKind", "Corners"), {rows[0], rows[2]}, 2, C::Ends},
    };
}

PrizeStages offeredPrizes(const CardSettings &settings)
{
    if (settings.kind == CardKind::Tickets90)
        return ticketPrizes();
    return squarePrizes(settings.side());
}

std::vector<PrizeSet> prizeSets(CardKind kind)
{
    if (kind != CardKind::Tickets90)
        return {};
    const PrizeStages prizes = ticketPrizes();
    const auto set = [&](const QString &name, std::initializer_list<std::size_t> picked) {
        PrizeSet s{name, {}};
        for (std::size_t i : picked)
            s.prizes.push_back(prizes[i]);
        return s;
    };
    // In the order of ticketPrizes().
    return {
        set(QCoreApplication::translate("CardKind", "Lines and Full House"), {0, 1, 2}),
        set(QCoreApplication::translate("CardKind", "Tambola"), {3, 4, 5, 6, 7, 2}),
    };
}

PrizeStages startingStages(CardKind kind)
{
    const std::vector<PrizeSet> sets = prizeSets(kind);
    return sets.empty() ? PrizeStages() : sets.front().prizes;
}

bool playsPatterns(CardKind kind)
{
    return kind != CardKind::Tickets90;
}
