#pragma once

#include "game/Prize.h"

// The prizes of a square card of the given side, in the order the caller is
// offered them: "Any Line", "Two Lines", "Four Corners", "X" (both
// diagonals), "Postage Stamp" (a 2 x 2 block in a corner), "Full Card".
PrizeStages squarePrizes(int side);

// A pattern the caller drew: every one of its cells covered.
Prize drawnPrize(const QString &name, std::uint64_t cells);
