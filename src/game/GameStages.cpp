#include "game/GameStages.h"

#include <algorithm>

GameStages::GameStages(const PrizeWins &wins)
{
    const int stages = int(wins.prizes().size());
    m_current = stages;
    int from = 0;
    std::vector<int> won; // the stages won, in order
    for (int s = 0; s < stages; ++s) {
        StageResult result;
        result.stage = s;
        const int earliest = m_current == stages ? wins.earliestWin(s) : 0;
        if (earliest != 0) {
            result.wonAtCall = std::max(from, earliest);
            from = result.wonAtCall;
            result.winners.reserve(std::size_t(wins.holdersBy(s, result.wonAtCall)));
            won.push_back(s);
        } else if (m_current == stages) {
            m_current = s;
        }
        m_results.push_back(std::move(result));
    }
    // One pass over the cards for all the stages won: a card's prizes lie
    // side by side.
    for (int card = 1; card <= wins.cardCount() && !won.empty(); ++card) {
        for (int s : won) {
            StageResult &result = m_results[std::size_t(s)];
            const int first = wins.firstWin(s, card);
            if (first != 0 && first <= result.wonAtCall)
                result.winners.push_back({card, result.wonAtCall});
        }
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
