#include "card/WordList.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

QLocale collationLocale()
{
    // The C locale's collator compares case-insensitively but builds
    // case-sensitive sort keys; English root collation keeps the two in step.
    const QLocale system;
    return system.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : system;
}

} // namespace

QCollator listCollator()
{
    QCollator collator(collationLocale());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    return collator;
}

WordList::WordList() : m_collator(listCollator()) {}

qsizetype WordList::insert(const QString &entry)
{
    const auto pos =
        std::upper_bound(m_items.begin(), m_items.end(), entry,
                         [this](const QString &a, const QString &b) { return m_collator.compare(a, b) < 0; });
    const qsizetype index = pos - m_items.begin();
    m_items.insert(index, entry);
    return index;
}

void WordList::insertMany(const QStringList &entries)
{
    if (entries.isEmpty())
        return;
    // Sort keys make the one big sort cheap; sorting positions rather than
    // strings moves only numbers. A stable sort followed by a stable merge
    // keeps equal entries in arrival order, as one-by-one adds do.
    const auto keysOf = [this](const QStringList &list) {
        std::vector<QCollatorSortKey> keys;
        keys.reserve(size_t(list.size()));
        for (const QString &s : list)
            keys.push_back(m_collator.sortKey(s));
        return keys;
    };
    const std::vector<QCollatorSortKey> incoming = keysOf(entries);
    std::vector<qsizetype> order(incoming.size());
    std::iota(order.begin(), order.end(), 0);
    const auto less = [&](qsizetype a, qsizetype b) { return incoming[size_t(a)].compare(incoming[size_t(b)]) < 0; };
    // A document this program saved is in order already.
    if (!std::is_sorted(order.begin(), order.end(), less))
        std::stable_sort(order.begin(), order.end(), less);

    const std::vector<QCollatorSortKey> existing = keysOf(m_items);
    QStringList merged;
    merged.reserve(m_items.size() + entries.size());
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < existing.size() || j < order.size()) {
        if (j == order.size() || (i < existing.size() && incoming[size_t(order[j])].compare(existing[i]) >= 0))
            merged.append(m_items.at(qsizetype(i++)));
        else
            merged.append(entries.at(order[j++]));
    }
    m_items = std::move(merged);
}

void WordList::removeAt(qsizetype i)
{
    m_items.removeAt(i);
}

void WordList::clear()
{
    m_items.clear();
}

qsizetype WordList::countExact(const QString &text) const
{
    return std::count(m_items.begin(), m_items.end(), text);
}
