#pragma once

#include "Fixtures.h"

#include "game/GameCode.h"
#include "game/GameRecord.h"

#include <QTimeZone>

// "w01" .. "wNN" as entries.
inline QStringList wordEntries(int count)
{
    QStringList l;
    for (int i = 1; i <= count; ++i)
        l.append(QStringLiteral("w%1").arg(i, 2, 10, QLatin1Char('0')));
    return l;
}

// A game as a finished job records it.
inline GameRecord gameRecord(const QStringList &entries, int sizeIndex, bool freeSpace, std::uint64_t seed,
                             std::uint64_t cards)
{
    GameRecord r;
    r.code = gameCode(seed);
    r.seed = seed;
    r.created = QDateTime(QDate(2025, 3, 14), QTime(20, 15, 3), QTimeZone(3600));
    r.entries = entries;
    r.settings.sizeIndex = sizeIndex;
    r.settings.freeSpace = freeSpace;
    r.cardsPerPage = 4;
    r.cards = cards;
    return r;
}
