#include "game/WinCheck.h"

#include "game/WinIndex.h"

#include <bit>

CardCheck checkCard(const WinIndex &index, WinPattern pattern, int card)
{
    CardCheck check;
    check.card = card;
    check.side = index.columns();
    check.inGame = card >= 1 && card <= index.cardCount();
    if (!check.inGame)
        return check;
    check.calledCells = index.calledCells(card);
    if (!index.tracksPatterns())
        return check;
    check.firstWinningCall = index.firstWinningCall(pattern, card);
    check.cellsShort = index.shapes().cellCount();
    for (const WinLine &line : index.shapes().lines(pattern)) {
        const int missing = std::popcount(line.cells & ~check.calledCells);
        if (missing == 0)
            check.winningLines.push_back(line);
        check.cellsShort = std::min(check.cellsShort, missing);
    }
    return check;
}
