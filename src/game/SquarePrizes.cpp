#include "game/SquarePrizes.h"

#include "game/WinPattern.h"

#include <QCoreApplication>

namespace {

std::uint64_t cellBit(int side, int row, int column)
{
    return std::uint64_t{1} << (row * side + column);
}

std::uint64_t block(int side, int row, int column)
{
    return cellBit(side, row, column) | cellBit(side, row, column + 1) | cellBit(side, row + 1, column)
           | cellBit(side, row + 1, column + 1);
}

} // namespace

PrizeStages squarePrizes(int side)
{
    const WinShapes shapes(side);
    std::vector<std::uint64_t> lines;
    std::uint64_t diagonals = 0;
    for (const WinLine &line : shapes.lines(WinPattern::AnyLine)) {
        lines.push_back(line.cells);
        if (line.kind == WinLine::Diagonal || line.kind == WinLine::AntiDiagonal)
            diagonals |= line.cells;
    }
    const int far = side - 2;
    return {
        {QCoreApplication::translate("SquarePrizes", "Any Line"), lines, 1},
        {QCoreApplication::translate("SquarePrizes", "Two Lines"), lines, 2},
        {QCoreApplication::translate("SquarePrizes", "Four Corners"),
         {shapes.lines(WinPattern::FourCorners).front().cells},
         1},
        {QCoreApplication::translate("SquarePrizes", "X"), {diagonals}, 1},
        {QCoreApplication::translate("SquarePrizes", "Postage Stamp"),
         {block(side, 0, 0), block(side, 0, far), block(side, far, 0), block(side, far, far)},
         1},
        {QCoreApplication::translate("SquarePrizes", "Full Card"),
         {shapes.lines(WinPattern::FullCard).front().cells},
         1},
    };
}

Prize drawnPrize(const QString &name, std::uint64_t cells)
{
    return {name, {cells}, 1};
}
