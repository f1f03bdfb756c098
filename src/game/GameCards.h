#pragma once

#include "card/SeededRandom.h"
#include "card/TicketDeck.h"
#include "game/GameRecord.h"

#include <QStringList>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class KeptCards;

// The cards of a recorded game, made again exactly as its print job made
// them: card after card in print order, each drawn from the game's generator
// reseeded for the card's number under the job's unique-card rule. Whether a
// card had to be arranged again depends on the cards before it, so card k
// needs cards 1 to k; they are made when first asked for and kept as
// positions in the entries, four bytes a cell, so all the cards of the
// largest game take a few megabytes.
class GameCards
{
public:
    explicit GameCards(GameRecord record);
    ~GameCards();
    GameCards(const GameCards &) = delete;
    GameCards &operator=(const GameCards &) = delete;

    const GameRecord &record() const { return m_record; }
    std::uint64_t count() const { return m_record.cards; }
    // The cells every card shows: the length of cells() and textIndices().
    int cellsPerCard() const;

    // Card k (1 to count()) as its printed card reads its cells: row by row,
    // left to right, heading aside, the free centre taking none. Empty for a
    // number outside the game.
    QStringList cells(std::uint64_t k);
    // The same cells as positions in texts(). Valid until the next call
    // that makes cards.
    std::span<const std::int32_t> textIndices(std::uint64_t k);
    // The entries (equal ones at the first position), then any other text a
    // cell may show.
    const QStringList &texts() const;
    // Makes every card now, for a caller that indexes them all.
    void makeAll() { textIndices(count()); }

    // How often the unique-card rule arranged a card again so far.
    std::uint64_t rearrangements() const;

private:
    void dealTicketsUpTo(std::uint64_t k);

    GameRecord m_record;
    std::unique_ptr<KeptCards> m_kept;
    // Tickets are dealt again strip by strip from the game's seed; a blank
    // cell is position -1.
    SeededRandomSource m_random;
    std::unique_ptr<TicketDeck> m_tickets;
    std::vector<std::int32_t> m_ticketCells;
    std::uint64_t m_ticketsMade = 0;
};
