#pragma once

#include "card/CardSettings.h"
#include "card/Prize.h"

// The prizes each kind of card is played for, in the one model the game
// plays, its stages keep and its winners name.

// The prizes of a square card of the given side, in the order the caller is
// offered them: "Any Line", "Two Lines", "Four Corners", "X" (both
// diagonals), "Postage Stamp" (a 2 x 2 block in a corner), "Full Card".
PrizeStages squarePrizes(int side);

// A pattern the caller drew: every one of its cells covered.
Prize drawnPrize(const QString &name, std::uint64_t cells);

// The prizes of a 90-ball ticket: "One Line" (any row), "Two Lines", "Full
// House", "Early Five" (any five numbers), "Top Line", "Middle Line",
// "Bottom Line", "Corners" (the first and last number of the top and bottom
// rows). Blank cells count for none of them.
PrizeStages ticketPrizes();

// Prizes played together in one game, offered as one choice.
struct PrizeSet
{
    QString name;
    PrizeStages prizes;
};

// The prizes the caller picks a game's stages from.
PrizeStages offeredPrizes(const CardSettings &settings);
// The sets a kind offers: tickets the lines and full house, and Tambola;
// square cards none.
std::vector<PrizeSet> prizeSets(CardKind kind);
// The stages of a game the caller has not staged: tickets play their first
// set; square cards play none, and win by the Caller's pattern.
PrizeStages startingStages(CardKind kind);
// Whether the kind's cards can also be played by the Caller's patterns and
// drawn patterns, without stages.
bool playsPatterns(CardKind kind);
