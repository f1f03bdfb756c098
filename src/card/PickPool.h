#pragma once

#include <QtGlobal>
#include <cstdint>
#include <vector>

// The positions 0..n-1 of a pool from which entries are taken one at a time:
// take(r) removes and returns the r-th remaining position, exactly as erasing
// from a list would. A bit per position with counts per 64-bit word and per
// group of 64 words makes a take a few short, predictable scans, so a pool of
// 100,000 entries empties in a few milliseconds instead of seconds.
class PickPool
{
public:
    explicit PickPool(qsizetype size);
    qsizetype remaining() const { return m_remaining; }
    qsizetype take(qsizetype r);
    // Takes the entry at that position (still in the pool) by its position.
    void takePosition(qsizetype position);

private:
    std::vector<std::uint64_t> m_bits;
    std::vector<std::uint8_t> m_wordCount;
    std::vector<std::uint32_t> m_groupCount;
    qsizetype m_remaining;
};

// The same pool when only a few positions are ever taken: take(r) costs a
// pass over the positions taken so far, nothing over the pool's size, so
// the shown cells of a card come from a pool of 100,000 at once.
class FewPicks
{
public:
    explicit FewPicks(qsizetype size) : m_remaining(size) {}
    qsizetype remaining() const { return m_remaining; }
    qsizetype take(qsizetype r);

private:
    std::vector<qsizetype> m_taken; // ascending
    qsizetype m_remaining;
};
