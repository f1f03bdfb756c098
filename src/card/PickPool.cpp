#include "card/PickPool.h"

PickPool::PickPool(qsizetype size)
    : m_tree(static_cast<std::size_t>(size) + 1, 0), m_remaining(size), m_topBit(1)
{
    // Every position starts present; build the tree in linear time.
    for (qsizetype i = 1; i <= size; ++i) {
        m_tree[i] += 1;
        const qsizetype parent = i + (i & -i);
        if (parent <= size)
            m_tree[parent] += m_tree[i];
    }
    while (m_topBit * 2 <= size)
        m_topBit *= 2;
}

qsizetype PickPool::take(qsizetype r)
{
    // Descend to the largest prefix holding r present positions; the next one is ours.
    qsizetype pos = 0;
    qsizetype left = r;
    const auto n = static_cast<qsizetype>(m_tree.size()) - 1;
    for (qsizetype bit = m_topBit; bit > 0; bit /= 2) {
        const qsizetype next = pos + bit;
        if (next <= n && m_tree[next] <= left) {
            pos = next;
            left -= m_tree[next];
        }
    }
    const qsizetype found = pos + 1;
    for (qsizetype i = found; i <= n; i += i & -i)
        m_tree[i] -= 1;
    --m_remaining;
    return found - 1;
}
