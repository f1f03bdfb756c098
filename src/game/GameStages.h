#pragma once

#include "game/PrizeWins.h"
#include "game/WinIndex.h"

#include <vector>

// One stage of a game played in stages, as the calls stand.
struct StageResult
{
    int stage = 0;     // from 0, in the order of the prizes
    int wonAtCall = 0; // 0 while the stage is being played or not reached
    // The cards that held the prize at that call, in card order, each with
    // the stage's winning call.
    std::vector<Winner> winners;
};

// The stages are played in order. A stage is won at the first call, made
// while it is played, at which some card holds its prize; the next stage is
// played from that same call on, so one call can win two stages (a call
// that makes two lines at once wins "Any Line" and "Two Lines"). Every card
// holding the prize at the winning call wins the stage, also a card that
// held it before the stage came up. Taking calls back takes the wins back.
class GameStages
{
public:
    explicit GameStages(const PrizeWins &wins);

    const std::vector<StageResult> &results() const { return m_results; }
    // The stage being played; the number of stages once all are won.
    int current() const { return m_current; }
    bool finished() const { return m_current >= int(m_results.size()); }
    // The stages won at this call, in order; none for call 0.
    std::vector<int> wonAt(int call) const;

private:
    std::vector<StageResult> m_results;
    int m_current = 0;
};
