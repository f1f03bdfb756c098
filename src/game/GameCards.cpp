#include "game/GameCards.h"

#include "print/FaceCount.h"
#include "print/KeptCards.h"

#include <algorithm>

GameCards::GameCards(GameRecord record) : m_record(std::move(record))
{
    // As the print job does, from the same list and settings. The job's
    // window card matters only to slots a standard-number card never shows.
    const FaceCount faces = countFaces(m_record.entries, m_record.settings.sizeIndex, m_record.settings.freeSpace);
    m_kept = std::make_unique<KeptCards>(m_record.entries, m_record.settings, faces, m_record.cards, m_record.seed,
                                         QStringList());
}

GameCards::~GameCards() = default;

int GameCards::cellsPerCard() const
{
    // Only a record made by hand can hold fewer entries than a card shows.
    return int(std::min<qsizetype>(shownCells(m_record.settings), m_record.entries.size()));
}

std::span<const std::int32_t> GameCards::textIndices(std::uint64_t k)
{
    return m_kept->cardIndices(k);
}

const QStringList &GameCards::texts() const
{
    return m_kept->texts();
}

QStringList GameCards::cells(std::uint64_t k)
{
    return m_kept->card(k);
}

std::uint64_t GameCards::rearrangements() const
{
    return m_kept->rearrangements();
}
