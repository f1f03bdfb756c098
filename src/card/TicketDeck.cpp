#include "card/TicketDeck.h"

#include <stdexcept>

TicketDeck::TicketDeck(IRandomSource &plain, std::optional<std::uint64_t> seed) : m_plain(plain), m_seed(seed)
{
    restart();
}

void TicketDeck::restart()
{
    m_dealt = 0;
    m_redeals = 0;
    m_table.assign(1024, 0);
    m_used = 0;
}

bool TicketDeck::seen(std::uint64_t fingerprint) const
{
    const std::size_t mask = m_table.size() - 1;
    for (std::size_t i = std::size_t(fingerprint) & mask;; i = (i + 1) & mask) {
        if (m_table[i] == fingerprint)
            return true;
        if (m_table[i] == 0)
            return false;
    }
}

void TicketDeck::remember(std::uint64_t fingerprint)
{
    if (2 * (m_used + 1) > m_table.size()) {
        std::vector<std::uint64_t> old(m_table.size() * 2, 0);
        old.swap(m_table);
        m_used = 0;
        for (std::uint64_t f : old)
            if (f != 0)
                remember(f);
    }
    const std::size_t mask = m_table.size() - 1;
    std::size_t i = std::size_t(fingerprint) & mask;
    while (m_table[i] != 0 && m_table[i] != fingerprint)
        i = (i + 1) & mask;
    if (m_table[i] == 0) {
        m_table[i] = fingerprint;
        ++m_used;
    }
}

const Strip &TicketDeck::strip(std::uint64_t s)
{
    if (s == m_dealt && s > 0)
        return m_strip;
    if (s < m_dealt || s == 0) {
        if (!m_seed)
            throw std::logic_error("strips of an unseeded job come in order");
        restart();
    }
    while (m_dealt < s) {
        ++m_dealt;
        IRandomSource &random = m_seed ? static_cast<IRandomSource &>(m_seeded) : m_plain;
        if (m_seed)
            m_seeded.reseedForCard(*m_seed, m_dealt);
        std::array<std::uint64_t, TicketsPerStrip> prints{};
        for (;;) {
            dealStrip(random, m_strip);
            bool repeated = false;
            for (std::size_t k = 0; k < prints.size(); ++k) {
                // 0 marks a free slot in the table.
                prints[k] = ticketFingerprint(m_strip[k]) | 1;
                repeated = repeated || seen(prints[k]);
            }
            // Tickets of one strip share no number, so they never match
            // each other; a fingerprint that matches by chance only costs
            // another deal.
            if (!repeated)
                break;
            ++m_redeals;
        }
        for (std::uint64_t f : prints)
            remember(f);
    }
    return m_strip;
}

const Ticket &TicketDeck::ticket(std::uint64_t k)
{
    if (k == 0)
        throw std::logic_error("tickets count from 1");
    return strip((k - 1) / TicketsPerStrip + 1)[std::size_t((k - 1) % TicketsPerStrip)];
}

QStringList ticketCells(const Ticket &ticket)
{
    QStringList cells;
    cells.reserve(TicketCells);
    for (std::uint8_t n : ticket.cells)
        cells.append(n == 0 ? QString() : QString::number(n));
    return cells;
}
