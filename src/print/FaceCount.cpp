#include "print/FaceCount.h"

#include "card/ArrangeCard.h"
#include "card/CardSettings.h"
#include "card/WholeNumber.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

namespace {

constexpr std::uint64_t Saturated = std::numeric_limits<std::uint64_t>::max();

std::uint64_t times(std::uint64_t a, std::uint64_t b)
{
    std::uint64_t r = 0;
    return __builtin_mul_overflow(a, b, &r) ? Saturated : r;
}

// C(n, k), saturating.
std::uint64_t binomial(std::uint64_t n, std::uint64_t k)
{
    k = std::min(k, n - k);
    unsigned __int128 r = 1;
    for (std::uint64_t i = 1; i <= k; ++i) {
        // Exact at every step: r * (n - k + i) / i is C(n - k + i, i).
        r = r * (n - k + i) / i;
        if (r > Saturated)
            return Saturated;
    }
    return static_cast<std::uint64_t>(r);
}

// Different sequences of `picks` texts drawn without putting back from a pool
// whose texts occur `multiplicities` times each. Exact for distinct texts;
// with equal texts a lower bound: the sequences of distinct texts, or, when
// there are too few distinct texts, the arrangements of one evenly spread
// choice of counts.
struct Selections
{
    std::uint64_t count;
    bool exact;
};

Selections selections(std::vector<qsizetype> multiplicities, qsizetype picks)
{
    qsizetype total = 0;
    bool distinct = true;
    for (qsizetype m : multiplicities) {
        total += m;
        distinct = distinct && m == 1;
    }
    picks = std::min(picks, total);
    const auto kinds = static_cast<qsizetype>(multiplicities.size());
    if (distinct || kinds >= picks)
        return {orderedSelections(std::uint64_t(kinds), std::uint64_t(picks)), distinct};

    // Counts as even as the multiplicities allow, added one at a time.
    std::vector<qsizetype> counts(multiplicities.size(), 0);
    for (qsizetype placed = 0; placed < picks;) {
        for (std::size_t i = 0; i < counts.size() && placed < picks; ++i) {
            if (counts[i] < multiplicities[i]) {
                ++counts[i];
                ++placed;
            }
        }
    }
    std::uint64_t ways = 1;
    std::uint64_t left = std::uint64_t(picks);
    for (qsizetype c : counts) {
        ways = times(ways, binomial(left, std::uint64_t(c)));
        left -= std::uint64_t(c);
    }
    return {ways, false};
}

std::vector<qsizetype> multiplicitiesOf(const QStringList &texts)
{
    QHash<QString, qsizetype> seen;
    for (const QString &t : texts)
        ++seen[t];
    std::vector<qsizetype> m;
    m.reserve(seen.size());
    for (auto it = seen.cbegin(); it != seen.cend(); ++it)
        m.push_back(it.value());
    return m;
}

FaceCount standardFaces(const QStringList &words, int side, bool freeSpace)
{
    std::array<QStringList, 5> pools;
    for (const QString &w : words)
        pools[std::size_t((*tryStrToInt(w) - 1) / 15)].append(w);

    // Filling stops at the first slot that finds a pool empty: pool p gives
    // its last entry at slot p + 5 (size - 1).
    qsizetype filled = std::numeric_limits<qsizetype>::max();
    for (std::size_t p = 0; p < 5; ++p)
        filled = std::min(filled, pools[p].isEmpty() ? 0 : qsizetype(p) + 5 * (pools[p].size() - 1) + 1);

    // The shown cells are slots 0 .. side^2 - 1, less the centre whose pick
    // the free space drops. Slots never filled keep older strings; they are
    // not counted, so the count is then a lower bound.
    const qsizetype cells = qsizetype(side) * side;
    const qsizetype centre = cells / 2;
    std::array<qsizetype, 5> shown{};
    bool exact = filled >= cells && words.size() >= cells;
    for (qsizetype slot = 0; slot < cells && slot < filled && slot < words.size(); ++slot)
        if (!(freeSpace && slot == centre))
            ++shown[std::size_t(slot % 5)];

    std::uint64_t count = 1;
    for (std::size_t p = 0; p < 5; ++p) {
        const Selections s = selections(multiplicitiesOf(pools[p]), shown[p]);
        count = times(count, s.count);
        exact = exact && s.exact;
    }
    return {count, exact};
}

} // namespace

std::uint64_t orderedSelections(std::uint64_t n, std::uint64_t picks)
{
    if (picks > n)
        return 0;
    std::uint64_t r = 1;
    for (std::uint64_t i = 0; i < picks && r != Saturated; ++i)
        r = times(r, n - i);
    return r;
}

FaceCount countFaces(const QStringList &words, int sizeIndex, bool freeSpace)
{
    const int side = cardSide(sizeIndex);
    if (isStandardNumberList(words))
        return standardFaces(words, side, freeSpace);
    const qsizetype shownCells = qsizetype(side) * side - (freeSpace ? 1 : 0);
    const Selections s = selections(multiplicitiesOf(words), shownCells);
    return {s.count, s.exact};
}
