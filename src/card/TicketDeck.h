#pragma once

#include "card/SeededRandom.h"
#include "card/TicketStrip.h"

#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// The tickets of one job, strip after strip, no two of them alike: a strip
// holding a ticket the job already dealt is dealt again from the same
// stream. With a seed, strip s draws from the generator reseeded for s, as
// numbered games draw their cards, so the same seed deals the same tickets
// again; asked for an earlier strip, the deck deals again from the first.
// Only a fingerprint per ticket is kept, eight bytes and some room.
class TicketDeck
{
public:
    TicketDeck(IRandomSource &plain, std::optional<std::uint64_t> seed);

    // Strip s (from 1). Without a seed, strips come in order only: asked out
    // of order, it throws std::logic_error.
    const Strip &strip(std::uint64_t s);
    // Ticket k (from 1): ticket (k - 1) % 6 of strip (k - 1) / 6 + 1.
    const Ticket &ticket(std::uint64_t k);

    // How often a strip was dealt again for a repeated ticket.
    std::uint64_t redeals() const { return m_redeals; }

private:
    void restart();
    bool seen(std::uint64_t fingerprint) const;
    void remember(std::uint64_t fingerprint);

    IRandomSource &m_plain;
    std::optional<std::uint64_t> m_seed;
    SeededRandomSource m_seeded;
    Strip m_strip{};
    std::uint64_t m_dealt = 0;
    std::uint64_t m_redeals = 0;
    // Open addressing; 0 marks a free slot.
    std::vector<std::uint64_t> m_table;
    std::size_t m_used = 0;
};

// A ticket as a card's cells: row by row, an empty string in a blank cell.
QStringList ticketCells(const Ticket &ticket);
