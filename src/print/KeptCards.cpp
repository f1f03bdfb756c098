#include "print/KeptCards.h"

#include "card/ArrangeCard.h"
#include "card/PickPool.h"
#include "card/WholeNumber.h"

#include <algorithm>
#include <bit>

namespace {

// The entries of one column still to draw (a column holds at most 75).
struct ColumnPool
{
    std::array<std::uint64_t, 2> bits{};
    int left = 0;

    void reset(int size)
    {
        left = size;
        bits[0] = size >= 64 ? ~std::uint64_t(0) : (std::uint64_t(1) << size) - 1;
        bits[1] = size <= 64 ? 0 : (std::uint64_t(1) << (size - 64)) - 1;
    }
    // Takes the r-th entry left and returns its place in the column.
    int take(int r)
    {
        std::size_t word = 0;
        if (bits[1] != 0) {
            const int low = std::popcount(bits[0]);
            if (r >= low) {
                r -= low;
                word = 1;
            }
        }
        std::uint64_t x = bits[word];
        for (; r > 0; --r)
            x &= x - 1;
        const int bit = std::countr_zero(x);
        bits[word] &= ~(std::uint64_t(1) << bit);
        --left;
        return int(word) * 64 + bit;
    }
};

} // namespace

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
        std::array<std::vector<Index>, 5> columns;
        for (qsizetype i = 0; i < words.size(); ++i)
            columns[std::size_t((*tryStrToInt(words.at(i)) - 1) / 15)].push_back(m_canonical[std::size_t(i)]);
        for (std::size_t c = 0; c < columns.size(); ++c) {
            m_columnStart[c] = int(m_columns.size());
            m_columns.insert(m_columns.end(), columns[c].cbegin(), columns[c].cend());
        }
        m_columnStart[5] = int(m_columns.size());
        // The cells shown, and the one the free centre moves into them.
        const auto needed = std::min<qsizetype>(m_shown + (m_freeSpace ? 1 : 0), words.size());
        // Slot s draws from column s mod 5, and the draws stop at the slot
        // after a column's last entry: the same slot on every card. Slots
        // from there keep what they held and move into the shown ones with
        // the free centre; when none of them can, the draws past the shown
        // slots matter only as draws.
        qsizetype stops = words.size();
        for (qsizetype c = 0; c < 5; ++c) {
            const qsizetype count = m_columnStart[std::size_t(c) + 1] - m_columnStart[std::size_t(c)];
            stops = std::min(stops, count == 0 ? 0 : c + 5 * (count - 1) + 1);
        }
        m_tailUnseen = stops >= needed;
        m_shownSlots = std::size_t(needed);
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
    // A draw picks by place among the entries left, in list order: the
    // pools are bit sets, the r-th entry left the r-th bit still set.
    std::array<ColumnPool, 5> pools{};
    int dry = 0;
    for (std::size_t c = 0; c < pools.size(); ++c) {
        pools[c].reset(m_columnStart[c + 1] - m_columnStart[c]);
        dry += pools[c].left == 0 ? 1 : 0;
    }
    std::size_t slot = 0;
    for (; slot < m_state.size() && dry == 0; ++slot) {
        const std::size_t c = slot % 5;
        ColumnPool &pool = pools[c];
        const int at = pool.take(int(m_random.below(std::uint32_t(pool.left))));
        m_state[slot] = m_columns[std::size_t(m_columnStart[c] + at)];
        if (pool.left == 0)
            ++dry;
        if (slot + 1 == m_shownSlots && m_tailUnseen) {
            for (++slot; slot < m_state.size() && dry == 0; ++slot) {
                int &left = pools[slot % 5].left;
                m_random.below(std::uint32_t(left));
                if (--left == 0)
                    ++dry;
            }
            break;
        }
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
    if (m_made == 0) {
        // Pages are asked for in any order: room for every card at once.
        m_cells.reserve(std::size_t(m_count) * std::size_t(m_shown));
        m_unique.reserve(m_count);
    }
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

std::span<const std::int32_t> KeptCards::cardIndices(std::uint64_t k)
{
    if (k < 1 || k > m_count)
        return {};
    makeUpTo(k);
    return {m_cells.data() + std::size_t(k - 1) * std::size_t(m_shown), std::size_t(m_shown)};
}

const QStringList &KeptCards::card(std::uint64_t k)
{
    m_card.clear();
    for (const Index i : cardIndices(k))
        m_card.append(m_texts.at(i));
    return m_card;
}
