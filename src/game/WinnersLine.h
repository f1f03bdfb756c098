#pragma once

#include "game/GameStages.h"
#include "game/WinIndex.h"

#include <QString>

#include <vector>

// A winner as the winners line shows it: with the prize when the game is
// played in stages.
struct ShownWinner
{
    int card = 0;
    int call = 0;
    int stage = -1; // -1 without stages
    QString prize;

    friend bool operator==(const ShownWinner &, const ShownWinner &) = default;
};

// The winners of a pattern, or of every stage won so far.
std::vector<ShownWinner> shownWinners(const std::vector<Winner> &winners);
std::vector<ShownWinner> shownWinners(const GameStages &stages, const PrizeStages &prizes);

// "Bingo: ★ card 40 (call 31), card 17 (call 5) and 3 more cards": the
// newest winners first (the latest call, a later stage before an earlier
// one, then card order), a star before each winner of latestCall, so the
// card that has just won is never among those summed up. With stages each
// winner names its prize: "card 40 (Two Lines, call 31)". Empty for none.
QString winnersLineText(std::vector<ShownWinner> winners, int latestCall, int limit = -1);

// The stage being played, and the last one won: "Stage 2 of 4: Two Lines ·
// Any Line won at call 12", or "All stages won · Full Card won at call 52".
QString stageLineText(const GameStages &stages, const PrizeStages &prizes);
