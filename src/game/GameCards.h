#pragma once

#include "card/SeededRandom.h"
#include "card/TicketDeck.h"
#include "game/GameRecord.h"
#include "print/UniqueCards.h"

#include <QHash>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

// The cards of a recorded game, made again exactly as its print job made
// them: card after card in print order, each arranged by the job's own
// unique-card code from the game's generator reseeded for the card's
// number. Whether a card had to be arranged again depends on the cards
// before it, so card k needs cards 1 to k; they are made when first asked
// for and kept as indices into the entries, four bytes a cell, so all the
// cards of the largest game take a few megabytes. Tickets are dealt again
// strip by strip from the game's seed; a blank cell is NoEntry.
class GameCards
{
public:
    static constexpr std::uint32_t NoEntry = UINT32_MAX;

    explicit GameCards(GameRecord record);
    GameCards(const GameCards &) = delete;
    GameCards &operator=(const GameCards &) = delete;

    const GameRecord &record() const { return m_record; }
    std::uint64_t count() const { return m_record.cards; }
    // The cells every card shows: its length of cells() and entryIndices().
    int cellsPerCard() const { return m_shown; }

    // Card k (1 to count()) as its printed card reads its cells: row by row,
    // left to right, heading aside, the free centre taking none. Empty for a
    // number outside the game.
    QStringList cells(std::uint64_t k);
    // The same cells as positions in record().entries (the first of equal
    // entries). Valid until the next call that makes cards.
    std::span<const std::uint32_t> entryIndices(std::uint64_t k);
    // Makes every card now, for a caller that indexes them all.
    void makeAll() { makeUpTo(count()); }

    // How often the unique-card rule arranged a card again so far.
    std::uint64_t rearrangements() const { return m_tickets ? m_tickets->redeals() : m_unique->rearrangements(); }

private:
    void makeUpTo(std::uint64_t k);

    GameRecord m_record;
    int m_shown;
    QHash<QString, std::uint32_t> m_indexOf;
    SeededRandomSource m_random;
    std::unique_ptr<UniqueCards> m_unique;
    std::unique_ptr<TicketDeck> m_tickets;
    QStringList m_cardCells;
    std::uint64_t m_made = 0;
    std::vector<std::uint32_t> m_cells;
};
