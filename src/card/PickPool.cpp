#include "card/PickPool.h"

#include <bit>

namespace {

constexpr qsizetype WordsPerGroup = 64;

// The position of the r-th set bit of x (r counted from 0).
int selectBit(std::uint64_t x, int r)
{
    int base = 0;
    for (;;) {
        const int inByte = std::popcount(static_cast<unsigned>(x & 0xFF));
        if (r < inByte)
            break;
        r -= inByte;
        x >>= 8;
        base += 8;
    }
    for (; r > 0; --r)
        x &= x - 1;
    return base + std::countr_zero(x);
}

} // namespace

PickPool::PickPool(qsizetype size) : m_remaining(size)
{
    const qsizetype words = (size + 63) / 64;
    m_bits.assign(static_cast<std::size_t>(words), ~std::uint64_t(0));
    m_wordCount.assign(static_cast<std::size_t>(words), 64);
    if (size % 64 != 0) {
        m_bits.back() = (std::uint64_t(1) << (size % 64)) - 1;
        m_wordCount.back() = static_cast<std::uint8_t>(size % 64);
    }
    m_groupCount.assign(static_cast<std::size_t>((words + WordsPerGroup - 1) / WordsPerGroup), 0);
    for (qsizetype w = 0; w < words; ++w)
        m_groupCount[w / WordsPerGroup] += m_wordCount[w];
}

qsizetype PickPool::take(qsizetype r)
{
    std::size_t g = 0;
    while (r >= qsizetype(m_groupCount[g]))
        r -= m_groupCount[g++];
    std::size_t w = g * WordsPerGroup;
    while (r >= qsizetype(m_wordCount[w]))
        r -= m_wordCount[w++];
    const int bit = selectBit(m_bits[w], int(r));
    m_bits[w] &= ~(std::uint64_t(1) << bit);
    --m_wordCount[w];
    --m_groupCount[g];
    --m_remaining;
    return qsizetype(w) * 64 + bit;
}

void PickPool::takePosition(qsizetype position)
{
    const auto w = std::size_t(position / 64);
    m_bits[w] &= ~(std::uint64_t(1) << (position % 64));
    --m_wordCount[w];
    --m_groupCount[w / WordsPerGroup];
    --m_remaining;
}

qsizetype FewPicks::take(qsizetype r)
{
    // The r-th remaining position lies r places on, plus one for every
    // position taken at or before it.
    auto it = m_taken.begin();
    for (; it != m_taken.end() && *it <= r; ++it)
        ++r;
    m_taken.insert(it, r);
    --m_remaining;
    return r;
}
