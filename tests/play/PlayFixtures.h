#pragma once

#include "Fixtures.h"

#include "game/CalledGame.h"
#include "game/GameCode.h"
#include "game/GameFile.h"
#include "game/GameRecord.h"

#include <QDir>
#include <QTimeZone>

#include <memory>

// A game of the 75 numbers on 5 x 5 cards with a free centre, recorded in
// folder and opened as the caller opens it.
inline std::unique_ptr<CalledGame> openedGame(const QString &folder, std::uint64_t cards, std::uint64_t seed = 4242)
{
    GameRecord r;
    r.code = gameCode(seed);
    r.seed = seed;
    r.created = QDateTime(QDate(2025, 3, 14), QTime(20, 15, 3), QTimeZone(3600));
    r.entries = numberEntries(1, 75);
    r.settings.sizeIndex = 1;
    r.settings.freeSpace = true;
    r.cardsPerPage = 1;
    r.cards = cards;
    const QString path = QDir(folder).filePath(r.code + QStringLiteral(".mrvgame"));
    writeGameRecord(path, r);
    return CalledGame::openRecord(path);
}

// Calls (marks) every entry of the given cells of card k, so that they win.
inline void callCells(CalledGame &game, std::uint64_t card, const std::vector<int> &shownCells)
{
    const QStringList cells = game.cards()->cells(card);
    for (int k : shownCells) {
        const int item = game.session().board().itemOf(cells.at(k));
        if (item >= 0 && !game.session().isCalled(item))
            game.session().toggleMark(item);
    }
}
