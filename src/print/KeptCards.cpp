#include "print/KeptCards.h"

#include "card/ArrangeCard.h"
#include "card/PickPool.h"
#include "card/WholeNumber.h"

#include <algorithm>

KeptCards::KeptCards(const QStringList &words, const CardSettings &settings, FaceCount faces, std::uint64_t count,
                     std::uint64_t seed, const QStringList &startCells)
    : m_texts(words),
      m_standard(isStandardNumberList(words)),
      m_side(settings.side()),
      m_freeSpace(settings.freeSpace),
      m_shown(m_side * m_side - (settings.freeSpace ? 1 : 0)),
      m_unique(words, settings, m_random, faces),
      m_seed(seed),
      m_count(count)
{
    m_canonical.resize(std::size_t(words.size()));
    for (qsizetype i = 0; i < words.size(); ++i) {
        // Equal entries are one text: faces compare as their strings do.
        auto found = m_index.constFind(words.at(i));
        if (found == m_index.cend())
            found = m_index.insert(words.at(i), Index(i));
        m_canonical[std::size_t(i)] = *found;
    }
    if (m_standard) {
        for (qsizetype i = 0; i < words.size(); ++i)
            m_columns[std::size_t((*tryStrToInt(words.at(i)) - 1) / 15)].push_back(Index(i));
        // As the window's card would be resized to the list: what it held,
        // then empty slots.
        for (qsizetype i = 0; i < words.size(); ++i)
            m_state.push_back(indexOf(i < startCells.size() ? startCells.at(i) : QString()));
    } else {
        m_shown = int(std::min<qsizetype>(m_shown, words.size()));
    }
}

KeptCards::Index KeptCards::indexOf(const QString &text)
{
    const auto found = m_index.constFind(text);
    if (found != m_index.cend())
        return *found;
    m_texts.append(text);
    return m_index.insert(text, Index(m_texts.size() - 1)).value();
}

void KeptCards::drawShownCells()
{
    if (!m_standard) {
        m_state.resize(std::size_t(m_shown));
        FewPicks pool(m_canonical.size());
        for (Index &slot : m_state)
            slot = m_canonical[std::size_t(pool.take(m_random.below(std::uint32_t(pool.remaining()))))];
        return;
    }
    // The standard column rule: every slot of the list drawn from its
    // column's pool until a pool runs dry; slots beyond keep what they held.
    for (std::size_t c = 0; c < m_pools.size(); ++c)
        m_pools[c].assign(m_columns[c].cbegin(), m_columns[c].cend());
    for (std::size_t slot = 0; slot < m_state.size(); ++slot) {
        if (std::any_of(m_pools.cbegin(), m_pools.cend(), [](const auto &p) { return p.empty(); }))
            break;
        auto &pool = m_pools[slot % 5];
        const auto r = m_random.below(std::uint32_t(pool.size()));
        m_state[slot] = m_canonical[std::size_t(pool[r])];
        pool.erase(pool.begin() + r);
    }
    if (m_freeSpace) {
        const std::size_t centre = std::size_t(m_side * m_side / 2);
        for (std::size_t j = centre; j + 1 < m_state.size(); ++j)
            m_state[j] = m_state[j + 1];
    }
}

UniqueCards::Key KeptCards::face() const
{
    const auto shown = std::min<std::size_t>(std::size_t(m_shown), m_state.size());
    std::uint64_t a = 0x5EED0001;
    std::uint64_t b = 0x5EED0002;
    for (std::size_t i = 0; i < shown; ++i) {
        const auto v = std::uint64_t(std::uint32_t(m_state[i])) + 1;
        a = SeededRandomSource::mix64(a ^ v);
        b = SeededRandomSource::mix64(b + v * 0x100000001B3ULL + i);
    }
    return {a, b ^ shown};
}

void KeptCards::makeUpTo(std::uint64_t k)
{
    if (k <= m_made)
        return;
    m_cells.reserve(std::size_t(k) * std::size_t(m_shown));
    while (m_made < k) {
        ++m_made;
        m_random.reseedForCard(m_seed, m_made);
        m_unique.settle([this] {
            drawShownCells();
            return face();
        });
        for (int i = 0; i < m_shown; ++i)
            m_cells.push_back(m_state[std::size_t(i)]);
    }
}

const QStringList &KeptCards::card(std::uint64_t k)
{
    m_card.clear();
    if (k < 1 || k > m_count)
        return m_card;
    makeUpTo(k);
    const std::size_t first = std::size_t(k - 1) * std::size_t(m_shown);
    for (int i = 0; i < m_shown; ++i)
        m_card.append(m_texts.at(m_cells[first + std::size_t(i)]));
    return m_card;
}
