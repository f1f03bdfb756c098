#include "card/ArrangeCard.h"

#include "card/CardSettings.h"
#include "card/PickPool.h"
#include "card/WholeNumber.h"

#include <algorithm>
#include <array>
#include <vector>

bool isStandardNumberList(const QStringList &words)
{
    if (words.size() != 75)
        return false;
    for (const QString &w : words) {
        const auto v = tryStrToInt(w);
        if (!v || *v < 1 || *v > 75)
            return false;
    }
    return true;
}

namespace {

void arrangeStandard(const QStringList &words, int sizeIndex, bool freeSpace, QStringList &cells, IRandomSource &random)
{
    std::array<std::vector<QString>, 5> pools;
    for (const QString &w : words)
        pools[(*tryStrToInt(w) - 1) / 15].push_back(w);

    for (qsizetype slot = 0; slot < cells.size(); ++slot) {
        bool anyEmpty = false;
        for (const auto &p : pools)
            anyEmpty = anyEmpty || p.empty();
        if (anyEmpty)
            break;
        auto &pool = pools[slot % 5];
        const auto r = random.below(static_cast<std::uint32_t>(pool.size()));
        cells[slot] = pool[r];
        pool.erase(pool.begin() + r);
    }

    if (freeSpace) {
        const int side = cardSide(sizeIndex);
        const qsizetype centre = (side * side) / 2;
        // The centre's pick is dropped so every later number keeps its column;
        // the last slot keeps its string.
        for (qsizetype j = centre; j + 1 < cells.size(); ++j)
            cells[j] = cells[j + 1];
    }
}

// A string's shared header sits just before its characters.
void prefetchHeader(const QString &s)
{
    __builtin_prefetch(reinterpret_cast<const char *>(s.constData()) - 16, 1);
}

void arrangeShuffled(const QStringList &words, QStringList &cells, IRandomSource &random)
{
    PickPool pool(words.size());
    std::vector<qsizetype> order(static_cast<std::size_t>(cells.size()));
    for (auto &index : order)
        index = pool.take(random.below(static_cast<std::uint32_t>(pool.remaining())));
    // Copying a string touches its shared header, and the slot's old string
    // is released too: in shuffled order both miss the cache, so fetch ahead.
    constexpr qsizetype Ahead = 16;
    const qsizetype n = cells.size();
    for (qsizetype slot = 0; slot < n; ++slot) {
        if (slot + Ahead < n) {
            prefetchHeader(words[order[slot + Ahead]]);
            prefetchHeader(cells[slot + Ahead]);
        }
        cells[slot] = words[order[slot]];
    }
}

} // namespace

void ArrangeCard(const QStringList &words, int sizeIndex, bool freeSpace, QStringList &cardCells, IRandomSource &random)
{
    cardCells.resize(words.size());
    if (isStandardNumberList(words))
        arrangeStandard(words, sizeIndex, freeSpace, cardCells, random);
    else
        arrangeShuffled(words, cardCells, random);
}

void ArrangeShownCells(const QStringList &words, int sizeIndex, bool freeSpace, QStringList &cardCells,
                       IRandomSource &random, std::vector<qsizetype> *positions)
{
    if (isStandardNumberList(words)) {
        ArrangeCard(words, sizeIndex, freeSpace, cardCells, random);
        return;
    }
    const int side = cardSide(sizeIndex);
    const qsizetype shown = std::min(words.size(), qsizetype(side) * side - (freeSpace ? 1 : 0));
    cardCells.resize(shown);
    if (positions)
        positions->clear();
    FewPicks pool(words.size());
    for (qsizetype slot = 0; slot < shown; ++slot) {
        const qsizetype at = pool.take(random.below(static_cast<std::uint32_t>(pool.remaining())));
        cardCells[slot] = words[at];
        if (positions)
            positions->push_back(at);
    }
}

void CompleteArrangement(const QStringList &words, const std::vector<qsizetype> &positions, QStringList &cardCells,
                         IRandomSource &random)
{
    if (isStandardNumberList(words) || qsizetype(positions.size()) >= words.size())
        return;
    // The pool as ArrangeCard's stands after the shown slots' picks.
    PickPool pool(words.size());
    for (qsizetype at : positions)
        pool.takePosition(at);
    const qsizetype n = words.size();
    cardCells.resize(n);
    for (auto slot = qsizetype(positions.size()); slot < n; ++slot)
        cardCells[slot] = words[pool.take(random.below(static_cast<std::uint32_t>(pool.remaining())))];
}
