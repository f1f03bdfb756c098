#pragma once

#include "game/GameRecord.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <cstdint>
#include <functional>

// The games folder: one "<code>.mrvgame" file per recorded game.

QString gameFilePath(const QString &gamesFolder, const QString &code);

// One recorded game as a list of games shows it.
struct GameSummary
{
    QString path;
    QString code;
    QDateTime created;
    qsizetype entries = 0;
    std::uint64_t cards = 0;
    int sizeIndex = 1;
    CardKind kind = CardKind::WordCards;
    // Why the game cannot be opened; empty when it can. Such games list
    // after the others, by file name, with only their path filled in.
    QString problem;
};

// Every game file of the folder, newest first. A missing folder lists none;
// a folder that cannot be listed, or a file in its place, throws
// MorvaneError saying which.
QList<GameSummary> listGames(const QString &gamesFolder);

// A seed for a new game, from draw (by default the system's secure source),
// whose code no recorded game uses yet. Throws MorvaneError when draw
// throws, or when it keeps giving codes that are taken.
std::uint64_t newGameSeed(const QString &gamesFolder, const std::function<std::uint64_t()> &draw);
std::uint64_t newGameSeed(const QString &gamesFolder);
