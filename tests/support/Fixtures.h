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
