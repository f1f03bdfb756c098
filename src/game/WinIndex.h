#pragma once

#include "card/CardKind.h"
#include "game/WinPattern.h"

#include <QStringList>

#include <array>
#include <cstdint>
#include <span>
#include <vector>

class CallBoard;

// A card that has won, numbered from 1, with the call at which it first won.
struct Winner
{
    int card = 0;
    int call = 0;

    friend bool operator==(const Winner &, const Winner &) = default;
};

// Every card's cells by board item, built once per game, and each card's
// called cells. A call touches only the cards that hold its entry, and keeps
// for every pattern the call at which each card first won, so the winners are
// known after every call and a change of pattern needs no replay.
class WinIndex
{
public:
    WinIndex() = default;

    int cardCount() const { return static_cast<int>(m_cards.size()); }
    // The board items the index was built over.
    int itemCount() const { return m_offsets.empty() ? 0 : static_cast<int>(m_offsets.size()) - 1; }
    int side() const { return m_shapes.side(); }
    // Cells in a row of a card: the side of a square card, 9 on a ticket.
    int columns() const { return m_columns; }
    bool freeSpace() const { return m_startMask != 0; }
    const WinShapes &shapes() const { return m_shapes; }
    // Whether the patterns are followed: on square cards only, a ticket's
    // lines being no pattern's.
    bool tracksPatterns() const { return m_patterns; }

    // Marks the item's cells called by call number callNumber (from 1).
    void call(int item, int callNumber);
    // Takes back the latest call, callNumber being its number: the exact
    // inverse of call(), so a card that first won then has not won.
    void uncall(int item, int callNumber);
    // Back to no calls.
    void clear();

    // Bit k is body cell k, row by row; the free centre is always set.
    std::uint64_t calledCells(int card) const { return m_cards[static_cast<std::size_t>(card - 1)].called; }
    // The cells that show an entry of the board: not the free centre, not a
    // ticket's blanks.
    std::uint64_t holdingCells(int card) const { return m_cards[static_cast<std::size_t>(card - 1)].holding; }
    // 0 while the card has not won.
    int firstWinningCall(WinPattern pattern, int card) const
    {
        return static_cast<int>(m_cards[static_cast<std::size_t>(card - 1)].firstWin[patternIndex(pattern)]);
    }
    // In card order.
    std::vector<Winner> winners(WinPattern pattern) const;
    // The cells that show the item, each as its card's index (from 0) << 6 |
    // its cell: what else keeps count of a game's cards follows the calls here.
    std::span<const std::uint32_t> holders(int item) const
    {
        if (m_offsets.empty())
            return {};
        return std::span<const std::uint32_t>(m_postings)
            .subspan(m_offsets[item], m_offsets[item + 1] - m_offsets[item]);
    }

    std::size_t memoryBytes() const;

private:
    friend class WinIndexBuilder;

    // What a call changes of one card, together: a call touches thousands
    // of cards at random, and one cache line each keeps that quick.
    struct CardState
    {
        std::uint64_t called = 0;
        std::uint64_t holding = 0;
        std::array<std::uint32_t, 3> firstWin{};
    };

    // The lines of each pattern through one cell, in one block: a call
    // looks them up for every card it touches.
    struct CellLines
    {
        std::array<std::uint64_t, 6> masks{};
        std::array<std::uint8_t, 4> begin{}; // pattern p's masks are [begin[p], begin[p + 1])
    };

    WinShapes m_shapes;
    std::vector<CellLines> m_cellLines;
    int m_columns = 5;
    bool m_patterns = true;
    std::uint64_t m_startMask = 0;
    std::vector<std::uint32_t> m_offsets;  // per item, into m_postings; one more than the items
    std::vector<std::uint32_t> m_postings; // card index << 6 | cell
    std::vector<CardState> m_cards;
};

// Builds the index from the cards of a game, given in order from card 1,
// each as its CardCells: read row by row, the free centre taking no string.
// A cell past the end of the strings shows a blank and holds no entry, and a
// string that is no entry of the board is never called.
class WinIndexBuilder
{
public:
    WinIndexBuilder(const CallBoard &board, int side, bool freeSpace);
    // Cards of any kind, a ticket's blank cells holding no entry.
    WinIndexBuilder(const CallBoard &board, const CardShape &shape);

    void reserve(int cards);
    void addCard(const QStringList &cardCells);
    // The same card given by the board items of its cells in that order,
    // -1 for a cell that shows no entry.
    void addCardItems(std::span<const int> cellItems);
    WinIndex finish();

private:
    const CallBoard &m_board;
    CardShape m_shape;
    int m_cards = 0;
    std::vector<std::int32_t> m_cellItems; // cards * cells, row by row; -1 for none
};
