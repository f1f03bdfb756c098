#pragma once

#include <QtGlobal>
#include <vector>

// The positions 0..n-1 of a pool from which entries are taken one at a time:
// take(r) removes and returns the r-th remaining position, exactly as erasing
// from a list would, in O(log n) through a Fenwick tree of remaining counts.
class PickPool
{
public:
    explicit PickPool(qsizetype size);
    qsizetype remaining() const { return m_remaining; }
    qsizetype take(qsizetype r);

private:
    std::vector<qsizetype> m_tree; // 1-based
    qsizetype m_remaining;
    qsizetype m_topBit;
};
