#include "docs/FontChoice.h"

#include <algorithm>

QStringList fontSizeEntries()
{
    static const int sizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
    QStringList entries;
    for (int size : sizes)
        entries.append(QString::number(size));
    return entries;
}

QStringList fontNameEntries(const QStringList &families)
{
    QStringList entries = families;
    std::sort(entries.begin(), entries.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
    return entries;
}

int lastExactMatch(const QStringList &entries, const QString &text)
{
    return static_cast<int>(entries.lastIndexOf(text));
}

int initialFontNameIndex(const QStringList &entries, const QString &storedName, const QString &arialSubstitute)
{
    int index = lastExactMatch(entries, storedName);
    if (index < 0)
        index = lastExactMatch(entries, QStringLiteral("Arial"));
    if (index < 0 && !arialSubstitute.isEmpty())
        index = lastExactMatch(entries, arialSubstitute);
    return index;
}

int cardFontSizeFrom(int stored, int defaultSize)
{
    return stored >= 1 ? stored : defaultSize;
}
