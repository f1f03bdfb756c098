#pragma once

#include "game/Prize.h"

#include <cstdint>
#include <vector>

class WinIndex;

// For every prize of a game and every card, the call at which the card first
// held the prize. It follows the calls of a WinIndex: after the index has
// covered a call's cells, called() looks only at the cards that show the
// called item, and only at the shapes through the cells just covered.
class PrizeWins
{
public:
    PrizeWins() = default;
    PrizeWins(PrizeStages prizes, int cards);

    const PrizeStages &prizes() const { return m_prizes; }
    bool empty() const { return m_prizes.empty(); }
    int cardCount() const { return m_cards; }

    // After index.call(item, callNumber).
    void called(const WinIndex &index, int item, int callNumber);
    // Before or after index.uncall(item, callNumber): its exact inverse.
    void uncalled(const WinIndex &index, int item, int callNumber);
    void clear();

    // 0 while the card (from 1) does not hold the prize.
    int firstWin(int prize, int card) const
    {
        return int(m_firstWin[std::size_t(prize) * std::size_t(m_cards) + std::size_t(card - 1)]);
    }
    // The earliest call at which any card held the prize, 0 while none has.
    int earliestWin(int prize) const;

private:
    PrizeStages m_prizes;
    int m_cards = 0;
    // Per prize and cell, the prize's shapes through the cell.
    std::vector<std::vector<std::uint64_t>> m_through;
    std::vector<std::uint32_t> m_firstWin; // prize * cards + card index
};
