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

std::uint64_t plus(std::uint64_t a, std::uint64_t b)
{
    std::uint64_t r = 0;
    return __builtin_add_overflow(a, b, &r) ? Saturated : r;
}

// Different sequences of `picks` texts drawn without putting back from a pool
// whose texts occur `multiplicities` times each.
std::uint64_t selections(const std::vector<qsizetype> &multiplicities, qsizetype picks)
{
    qsizetype total = 0;
    bool distinct = true;
    for (qsizetype m : multiplicities) {
        total += m;
        distinct = distinct && m == 1;
    }
    picks = std::min(picks, total);
    if (distinct)
        return orderedSelections(std::uint64_t(multiplicities.size()), std::uint64_t(picks));

    // ways[t]: sequences of length t from the texts taken so far. A text of
    // multiplicity m adds j = 0..m copies of itself to a shorter sequence, at
    // any C(t, j) of its places. Saturated sums and products stay at the
    // largest value, the true count being at least that; once the full
    // length saturates, more texts cannot lower it.
    const auto n = std::size_t(picks);
    std::vector<std::vector<std::uint64_t>> choose(n + 1);
    for (std::size_t t = 0; t <= n; ++t) {
        choose[t].assign(t + 1, 1);
        for (std::size_t j = 1; j < t; ++j)
            choose[t][j] = plus(choose[t - 1][j - 1], choose[t - 1][j]);
    }
    std::vector<std::uint64_t> ways(n + 1, 0);
    ways[0] = 1;
    for (qsizetype m : multiplicities) {
        if (ways[n] == Saturated)
            break;
        for (std::size_t t = n; t >= 1; --t) {
            std::uint64_t sum = ways[t];
            for (std::size_t j = 1; j <= std::min(std::size_t(m), t); ++j)
                sum = plus(sum, times(ways[t - j], choose[t][j]));
            ways[t] = sum;
        }
    }
    return ways[n];
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
    for (std::size_t p = 0; p < 5; ++p)
        count = times(count, selections(multiplicitiesOf(pools[p]), shown[p]));
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
    return {selections(multiplicitiesOf(words), shownCells), true};
}
