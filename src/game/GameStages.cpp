#include "game/GameStages.h"

#include <algorithm>

GameStages::GameStages(const PrizeWins &wins)
{
    const int stages = int(wins.prizes().size());
    m_current = stages;
    int from = 0;
    for (int s = 0; s < stages; ++s) {
        StageResult result;
        result.stage = s;
        const int earliest = m_current == stages ? wins.earliestWin(s) : 0;
        if (earliest != 0) {
            result.wonAtCall = std::max(from, earliest);
            from = result.wonAtCall;
            const std::vector<int> &cards = wins.holdersBy(s, result.wonAtCall);
            result.winners.reserve(cards.size());
            for (int card : cards)
                result.winners.push_back({card, result.wonAtCall});
        } else if (m_current == stages) {
            m_current = s;
        }
        m_results.push_back(std::move(result));
    }
}

std::vector<int> GameStages::wonAt(int call) const
{
    std::vector<int> stages;
    for (const StageResult &result : m_results) {
        if (call > 0 && result.wonAtCall == call)
            stages.push_back(result.stage);
    }
    return stages;
}
