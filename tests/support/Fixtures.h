#pragma once

#include <QStringList>

// "1" .. "n" as entries.
inline QStringList numberEntries(int first, int last)
{
    QStringList l;
    for (int i = first; i <= last; ++i)
        l.append(QString::number(i));
    return l;
}

// One entry per character: "abc" gives "a", "b", "c".
inline QStringList letters(const char *chars)
{
    QStringList l;
    for (const char *c = chars; *c; ++c)
        l.append(QString(QLatin1Char(*c)));
    return l;
}
