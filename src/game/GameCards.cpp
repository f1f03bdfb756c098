#include "game/GameCards.h"

#include "print/FaceCount.h"
#include "print/KeptCards.h"

#include <algorithm>

GameCards::GameCards(GameRecord record) : m_record(std::move(record))
{
    if (m_record.settings.kind == CardKind::Tickets90) {
        m_tickets = std::make_unique<TicketDeck>(m_random, m_record.seed);
        return;
    }
    // As the print job does, from the same list and settings. The job's
    // window card matters only to slots a standard-number card never shows.
    const FaceCount faces = countFaces(m_record.entries, m_record.settings.sizeIndex, m_record.settings.freeSpace);
    m_kept = std::make_unique<KeptCards>(m_record.entries, m_record.settings, faces, m_record.cards, m_record.seed,
                                         QStringList());
}

GameCards::~GameCards() = default;

int GameCards::cellsPerCard() const
{
    if (m_tickets)
        return TicketCells;
    // Only a record made by hand can hold fewer entries than a card shows.
    return int(std::min<qsizetype>(shownCells(m_record.settings), m_record.entries.size()));
}

void GameCards::dealTicketsUpTo(std::uint64_t k)
{
    m_ticketCells.reserve(std::size_t(k) * TicketCells);
    while (m_ticketsMade < k) {
        ++m_ticketsMade;
        for (const QString &cell : ticketCells(m_tickets->ticket(m_ticketsMade)))
            m_ticketCells.push_back(cell.isEmpty() ? -1 : std::int32_t(m_record.entries.indexOf(cell)));
    }
}

std::span<const std::int32_t> GameCards::textIndices(std::uint64_t k)
{
    if (!m_tickets)
        return m_kept->cardIndices(k);
    if (k < 1 || k > count())
        return {};
    dealTicketsUpTo(k);
    return std::span<const std::int32_t>(m_ticketCells).subspan(std::size_t(k - 1) * TicketCells, TicketCells);
}

const QStringList &GameCards::texts() const
{
    return m_tickets ? m_record.entries : m_kept->texts();
}

QStringList GameCards::cells(std::uint64_t k)
{
    if (!m_tickets)
        return m_kept->card(k);
    QStringList out;
    for (std::int32_t i : textIndices(k))
        out.append(i < 0 ? QString() : m_record.entries.at(i));
    return out;
}

std::uint64_t GameCards::rearrangements() const
{
    return m_tickets ? m_tickets->redeals() : m_kept->rearrangements();
}
