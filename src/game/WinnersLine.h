#pragma once

#include "card/CardKind.h"
#include "game/GameStages.h"
#include "game/WinIndex.h"

#include <QString>

#include <vector>

// A winner as the winners line shows it: with its stage when the game is
// played in stages.
struct ShownWinner
{
    int card = 0;
    int call = 0;
    int stage = -1; // -1 without stages

    friend bool operator==(const ShownWinner &, const ShownWinner &) = default;
};

// The winners of a pattern, or of every stage won so far.
std::vector<ShownWinner> shownWinners(const std::vector<Winner> &winners);
std::vector<ShownWinner> shownWinners(const GameStages &stages);

// Puts the newest winners first: the latest call, a later stage before an
// earlier one, then card order. Only the first `first` are put in order, the
// rest follow in no order: all a line that shows that many needs.
void orderNewestFirst(std::vector<ShownWinner> &winners, std::size_t first = SIZE_MAX);

// "Bingo: ★ card 40 (call 31), card 17 (call 5) and 3 more cards": the
// winners in the order given (newest first, see orderNewestFirst), a star
// before each winner of latestCall, so the card that has just won is never
// among those summed up. With stages each winner names its prize: "card 40
// (Two Lines, call 31)". Tickets are named so: "ticket 40 (One Line, call
// 31)". Empty for none.
QString winnersLineText(const std::vector<ShownWinner> &winners, int latestCall, int limit = -1,
                        const PrizeStages &prizes = {}, CardKind kind = CardKind::WordCards);

// The stage being played, and the last one won: "Stage 2 of 4: Two Lines ·
// Any Line won at call 12", or "All stages won · Full Card won at call 52".
QString stageLineText(const GameStages &stages, const PrizeStages &prizes);
