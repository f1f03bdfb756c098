#pragma once

#include "game/WinPattern.h"

#include <cstdint>
#include <vector>

class WinIndex;

// One card held against the calls so far, for the chosen pattern.
struct CardCheck
{
    int card = 0;
    bool inGame = false;
    int side = 0;                      // cells in a row: 9 on a ticket
    std::uint64_t calledCells = 0;     // bit k is body cell k, row by row; the free centre is set
    std::vector<WinLine> winningLines; // complete lines of the pattern, in the order rows, columns, diagonals
    int cellsShort = 0;                // uncalled cells of the nearest line; 0 once won
    int firstWinningCall = 0;          // 0 while not won

    bool won() const { return !winningLines.empty(); }
    // Row and column count from 1, without the heading row.
    bool isCalled(int row, int column) const { return (calledCells >> ((row - 1) * side + (column - 1))) & 1u; }
};

// A card number outside 1..cards gives a check with inGame false.
CardCheck checkCard(const WinIndex &index, WinPattern pattern, int card);
