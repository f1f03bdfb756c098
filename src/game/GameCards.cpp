#include "game/GameCards.h"

#include "print/FaceCount.h"

#include <algorithm>

GameCards::GameCards(GameRecord record)
    : m_record(std::move(record)),
      // Only a record made by hand can hold fewer entries than a card shows.
      m_shown(int(std::min<qsizetype>(shownCells(m_record.settings), m_record.entries.size())))
{
    for (qsizetype i = m_record.entries.size() - 1; i >= 0; --i)
        m_indexOf.insert(m_record.entries.at(i), std::uint32_t(i));
    if (m_record.settings.kind == CardKind::Tickets90) {
        m_tickets = std::make_unique<TicketDeck>(m_random, m_record.seed);
        return;
    }
    // As the print job does, from the same list and settings.
    const FaceCount faces = countFaces(m_record.entries, m_record.settings.sizeIndex, m_record.settings.freeSpace);
    m_unique = std::make_unique<UniqueCards>(m_record.entries, m_record.settings, m_random, faces);
}

void GameCards::makeUpTo(std::uint64_t k)
{
    if (k <= m_made)
        return;
    m_cells.reserve(std::size_t(k) * std::size_t(m_shown));
    while (m_made < k) {
        ++m_made;
        if (m_tickets) {
            for (std::uint8_t n : m_tickets->ticket(m_made).cells)
                m_cells.push_back(n == 0 ? NoEntry : m_indexOf.value(QString::number(n), NoEntry));
            continue;
        }
        m_random.reseedForCard(m_record.seed, m_made);
        m_unique->arrange(m_cardCells, UniqueCards::Arrangement::ShownCells);
        for (int i = 0; i < m_shown; ++i)
            m_cells.push_back(m_indexOf.value(m_cardCells.at(i)));
    }
}

std::span<const std::uint32_t> GameCards::entryIndices(std::uint64_t k)
{
    if (k < 1 || k > count())
        return {};
    makeUpTo(k);
    return {m_cells.data() + std::size_t(k - 1) * std::size_t(m_shown), std::size_t(m_shown)};
}

QStringList GameCards::cells(std::uint64_t k)
{
    QStringList out;
    for (std::uint32_t i : entryIndices(k))
        out.append(i == NoEntry ? QString() : m_record.entries.at(i));
    return out;
}
