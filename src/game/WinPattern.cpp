#include "game/WinPattern.h"
#include <QCoreApplication>

QString lineName(const WinLine &line)
{
    switch (line.kind) {
    case WinLine::Row:
        return QCoreApplication::translate("WinPattern", "row %1").arg(line.number);
    case WinLine::Column:
        return QCoreApplication::translate("WinPattern", "column %1").arg(line.number);
    case WinLine::Diagonal:
    case WinLine::AntiDiagonal:
        return QCoreApplication::translate("WinPattern", "diagonal");
    case WinLine::FourCorners:
        return QCoreApplication::translate("WinPattern", "four corners");
    case WinLine::FullCard:
        return QCoreApplication::translate("WinPattern", "full card");
    }
    return {};
}

namespace {

std::uint64_t bit(int side, int row, int column)
{
    return std::uint64_t{1} << (row * side + column);
}

} // namespace

WinShapes::WinShapes(int side) : m_side(side)
{
    auto &anyLine = m_lines[patternIndex(WinPattern::AnyLine)];
    for (int r = 0; r < side; ++r) {
        WinLine row{WinLine::Row, r + 1, 0};
        for (int c = 0; c < side; ++c)
            row.cells |= bit(side, r, c);
        anyLine.push_back(row);
    }
    for (int c = 0; c < side; ++c) {
        WinLine column{WinLine::Column, c + 1, 0};
        for (int r = 0; r < side; ++r)
            column.cells |= bit(side, r, c);
        anyLine.push_back(column);
    }
    WinLine diagonal{WinLine::Diagonal, 0, 0};
    WinLine anti{WinLine::AntiDiagonal, 0, 0};
    for (int i = 0; i < side; ++i) {
        diagonal.cells |= bit(side, i, i);
        anti.cells |= bit(side, i, side - 1 - i);
    }
    anyLine.push_back(diagonal);
    anyLine.push_back(anti);

    const std::uint64_t corners =
        bit(side, 0, 0) | bit(side, 0, side - 1) | bit(side, side - 1, 0) | bit(side, side - 1, side - 1);
    m_lines[patternIndex(WinPattern::FourCorners)].push_back({WinLine::FourCorners, 0, corners});
    const std::uint64_t full = side * side == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << (side * side)) - 1;
    m_lines[patternIndex(WinPattern::FullCard)].push_back({WinLine::FullCard, 0, full});

    m_through.resize(static_cast<std::size_t>(3 * cellCount()));
    for (WinPattern pattern : AllWinPatterns) {
        for (int cell = 0; cell < cellCount(); ++cell) {
            auto &through = m_through[static_cast<std::size_t>(patternIndex(pattern) * cellCount() + cell)];
            for (const WinLine &line : lines(pattern)) {
                if (line.cells & (std::uint64_t{1} << cell))
                    through.push_back(line.cells);
            }
        }
    }
}
