#pragma once

#include "Fixtures.h"

#include "card/CardKind.h"
#include "game/CalledGame.h"
#include "game/GameCode.h"
#include "game/GameFile.h"
#include "game/GameRecord.h"

#include <QDir>
#include <QTimeZone>

#include <memory>

// A game of the 75 numbers on 5 x 5 cards with a free centre, or of 90-ball
// tickets, recorded in folder and opened as the caller opens it.
inline std::unique_ptr<CalledGame> openedGame(const QString &folder, std::uint64_t cards, std::uint64_t seed = 4242,
                                              CardKind kind = CardKind::WordCards)
{
    GameRecord r;
    r.code = gameCode(seed);
    r.seed = seed;
    r.created = QDateTime(QDate(2025, 3, 14), QTime(20, 15, 3), QTimeZone(3600));
    r.entries = numberEntries(1, 75);
    r.settings.sizeIndex = 1;
    r.settings.freeSpace = true;
    r.cardsPerPage = 1;
    if (kind == CardKind::Tickets90) {
        r.entries = cardEntries(kind, {});
        r.settings.kind = kind;
        r.settings.freeSpace = false;
        r.cardsPerPage = 6;
    }
    r.cards = cards;
    const QString path = QDir(folder).filePath(r.code + QStringLiteral(".mrvgame"));
    writeGameRecord(path, r);
    return CalledGame::openRecord(path);
}

// The cells of card k that hold an entry: a ticket's numbers, blanks aside.
inline std::vector<int> heldCells(CalledGame &game, std::uint64_t card)
{
    std::vector<int> held;
    const QStringList cells = game.cards()->cells(card);
    for (int k = 0; k < cells.size(); ++k)
        if (!cells.at(k).isEmpty())
            held.push_back(k);
    return held;
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
