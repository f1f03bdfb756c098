#include "print/CardSource.h"

#include <stdexcept>

StreamCards::StreamCards(const QStringList &words, const CardSettings &settings, FaceCount faces, std::uint64_t count,
                         IRandomSource &plain, std::optional<std::uint64_t> seed, QStringList startCells)
    : m_seed(seed),
      m_unique(words, settings, seed ? static_cast<IRandomSource &>(m_seeded) : plain, faces),
      m_count(count),
      m_cells(std::move(startCells))
{
}

const QStringList &StreamCards::card(std::uint64_t k)
{
    if (k != m_made + 1)
        throw std::logic_error("cards of a printed job come in order");
    m_made = k;
    if (m_seed)
        m_seeded.reseedForCard(*m_seed, k);
    m_unique.arrange(m_cells, k == m_count ? UniqueCards::Arrangement::Full : UniqueCards::Arrangement::ShownCells);
    return m_cells;
}

const QStringList &TicketCards::card(std::uint64_t k)
{
    m_cells = ticketCells(m_deck.ticket(k));
    return m_cells;
}
