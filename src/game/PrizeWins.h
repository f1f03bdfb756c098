#pragma once

#include "card/Prize.h"

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
    // The index the calls are followed in: its cards, and the entries they show.
    PrizeWins(PrizeStages prizes, const WinIndex &index);

    const PrizeStages &prizes() const { return m_prizes; }
    bool empty() const { return m_prizes.empty(); }
    int cardCount() const { return m_cards; }

    // After index.call(item, callNumber).
    void called(const WinIndex &index, int item, int callNumber);
    // Before or after index.uncall(item, callNumber): its exact inverse.
    void uncalled(const WinIndex &index, int item, int callNumber);
    void clear();

    // 0 while the card (from 1) does not hold the prize.
    int firstWin(int prize, int card) const { return int(m_firstWin[slot(prize, card - 1)]); }
    // The earliest call at which any card held the prize, 0 while none has.
    int earliestWin(int prize) const;
    // The cards (from 1, in order) that held the prize by that call. Kept
    // until a call at or before it is made or taken back: the winners of a
    // stage won long ago are not looked for again after every call.
    const std::vector<int> &holdersBy(int prize, int call) const;

private:
    std::size_t slot(int prize, int cardIndex) const
    {
        return std::size_t(cardIndex) * m_prizes.size() + std::size_t(prize);
    }
    std::uint32_t &countAt(std::size_t prize, std::uint32_t call) { return m_firstWins[prize * m_calls + call]; }
    // A first win of the prize was set or cleared at that call.
    void changed(std::size_t prize, std::uint32_t call);

    struct Holders
    {
        int call = -1; // -1 while not known
        std::vector<int> cards;
    };

    PrizeStages m_prizes;
    int m_cards = 0;
    std::size_t m_calls = 0; // the most calls a game has, and one more
    // Per prize and cell, the prize's shapes through the cell: those of
    // prize p and cell k are m_through[m_throughBegin[p * 64 + k]] on, up to
    // where the next begin.
    std::vector<std::uint64_t> m_through;
    std::vector<std::uint32_t> m_throughBegin;
    // Per prize, the cells of a prize whose shapes are single cells ("Early
    // Five"), counted at once; 0 for any other prize.
    std::vector<std::uint64_t> m_singleCells;
    // Card by card, each card's prizes side by side: a call looks at all
    // the prizes of every card it touches.
    std::vector<std::uint32_t> m_firstWin;
    // Per prize and call, the cards that first held the prize at that call:
    // the earliest win without a look at every card.
    std::vector<std::uint32_t> m_firstWins;
    mutable std::vector<Holders> m_holders; // per prize
};
