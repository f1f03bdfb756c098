#include "game/GameCards.h"

#include "card/ArrangeCard.h"
#include "card/WholeNumber.h"
#include "print/FaceCount.h"

#include <algorithm>

GameCards::GameCards(GameRecord record)
    : m_record(std::move(record)),
      // Only a record made by hand can hold fewer entries than a card shows.
      m_shown(int(std::min<qsizetype>(shownCells(m_record.settings), m_record.entries.size())))
{
    for (qsizetype i = m_record.entries.size() - 1; i >= 0; --i)
        m_indexOf.insert(m_record.entries.at(i), std::uint32_t(i));
    m_firstOf.reserve(std::size_t(m_record.entries.size()));
    for (const QString &entry : std::as_const(m_record.entries))
        m_firstOf.push_back(m_indexOf.value(entry));
    if (isStandardNumberList(m_record.entries)) {
        std::array<std::uint32_t, 5> sizes{};
        m_standard = true;
        for (qsizetype i = 0; i < m_record.entries.size() && m_standard; ++i) {
            const auto column = std::size_t((*tryStrToInt(m_record.entries.at(i)) - 1) / 15);
            m_standard = sizes[column] < 15;
            if (m_standard)
                m_columns[column][sizes[column]++] = std::uint32_t(i);
        }
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
        m_random.reseedForCard(m_record.seed, m_made);
        if (m_standard) {
            makeStandardCard();
            continue;
        }
        m_unique->arrange(m_cardCells, UniqueCards::Arrangement::ShownCells);
        for (int i = 0; i < m_shown; ++i)
            m_cells.push_back(m_indexOf.value(m_cardCells.at(i)));
    }
}

void GameCards::makeStandardCard()
{
    // The draws of the column rule, slot by slot, from the same source.
    constexpr int Slots = 75;
    std::array<std::uint32_t, Slots> slots{};
    const int side = m_record.settings.side();
    const int centre = side * side / 2;
    const bool freeSpace = m_record.settings.freeSpace;
    m_unique->settle([&] {
        auto pools = m_columns;
        std::array<std::uint32_t, 5> sizes{15, 15, 15, 15, 15};
        for (int slot = 0; slot < Slots; ++slot) {
            auto &pool = pools[std::size_t(slot % 5)];
            std::uint32_t &size = sizes[std::size_t(slot % 5)];
            const std::uint32_t r = m_random.below(size);
            slots[std::size_t(slot)] = pool[r];
            std::copy(pool.begin() + r + 1, pool.begin() + size, pool.begin() + r);
            --size;
        }
        // The centre's pick is dropped, every later one moving up a slot.
        if (freeSpace)
            for (int j = centre; j + 1 < Slots; ++j)
                slots[std::size_t(j)] = slots[std::size_t(j + 1)];
        return m_unique->faceOfPositions(slots.data(), Slots);
    });
    for (int i = 0; i < m_shown; ++i)
        m_cells.push_back(m_firstOf[slots[std::size_t(i)]]);
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
        out.append(m_record.entries.at(i));
    return out;
}
