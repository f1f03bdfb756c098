#pragma once

#include <QCollator>
#include <QStringList>

// The card's entries, always sorted case-insensitively by the locale's
// collation (numbers sort as text: "10" before "2"), kept exactly as given.
// An entry equal in order to existing ones goes after them, so a bulk load
// gives the same order as adding the entries one by one.
// The order of every sorted list the user sees: the locale's collation,
// case-insensitive, numbers as text.
QCollator listCollator();

class WordList
{
public:
    WordList();

    qsizetype count() const { return m_items.size(); }
    bool isEmpty() const { return m_items.isEmpty(); }
    const QString &at(qsizetype i) const { return m_items.at(i); }
    const QStringList &items() const { return m_items; }

    // Returns the index the entry took.
    qsizetype insert(const QString &entry);
    // Adds many entries at once, sorting once.
    void insertMany(const QStringList &entries);
    void removeAt(qsizetype i);
    void clear();

    // How many entries equal the text exactly (case and blanks included).
    qsizetype countExact(const QString &text) const;

private:
    QCollator m_collator;
    QStringList m_items;
};
