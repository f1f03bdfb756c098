#include "card/WordList.h"

#include <algorithm>

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
    // Sort keys make the one big sort cheap; a stable sort followed by a
    // stable merge keeps equal entries in arrival order, as one-by-one adds do.
    struct Keyed
    {
        QCollatorSortKey key;
        QString text;
    };
    auto keyed = [this](const QString &s) { return Keyed{m_collator.sortKey(s), s}; };
    std::vector<Keyed> incoming;
    incoming.reserve(entries.size());
    for (const QString &s : entries)
        incoming.push_back(keyed(s));
    auto less = [](const Keyed &a, const Keyed &b) { return a.key.compare(b.key) < 0; };
    std::stable_sort(incoming.begin(), incoming.end(), less);

    std::vector<Keyed> existing;
    existing.reserve(m_items.size());
    for (const QString &s : m_items)
        existing.push_back(keyed(s));

    QStringList merged;
    merged.reserve(existing.size() + incoming.size());
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < existing.size() || j < incoming.size()) {
        if (j == incoming.size() || (i < existing.size() && !less(incoming[j], existing[i])))
            merged.append(existing[i++].text);
        else
            merged.append(incoming[j++].text);
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
