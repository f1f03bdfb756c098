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

private:
    std::vector<std::uint64_t> m_bits;
    std::vector<std::uint8_t> m_wordCount;
    std::vector<std::uint32_t> m_groupCount;
    qsizetype m_remaining;
};
