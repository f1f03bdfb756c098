#include "game/GameFolder.h"

#include "card/Error.h"
#include "card/SecureSeed.h"
#include "docs/Folders.h"
#include "game/GameCode.h"
#include "game/GameFile.h"

#include <QDir>
#include <QFileInfo>

#include <QCoreApplication>
#include <algorithm>

namespace {

const QString Suffix = QStringLiteral(".mrvgame");

} // namespace

QString gameFilePath(const QString &gamesFolder, const QString &code)
{
    return joinPath(gamesFolder, code + Suffix);
}

QList<GameSummary> listGames(const QString &gamesFolder)
{
    QList<GameSummary> games;
    if (gamesFolder.isEmpty())
        return games;
    // Without its closing slash: "Games/" that is a file reads as missing.
    const QFileInfo folder(QDir::cleanPath(gamesFolder));
    const QString quoted = QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(folder.filePath()));
    if (!folder.exists() && !folder.isSymLink())
        return games;
    if (!folder.isDir())
        throw MorvaneError(
            QCoreApplication::translate("GameFolder", "The games folder %1 is not a folder, so no game can be listed")
                .arg(quoted));
    const QDir dir(gamesFolder);
    if (!folder.isReadable() || !folder.isExecutable() || !dir.isReadable())
        throw MorvaneError(
            QCoreApplication::translate("GameFolder", "The games folder %1 cannot be read, so no game can be listed")
                .arg(quoted));
    const QStringList names = dir.entryList({QLatin1Char('*') + Suffix}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        GameSummary g;
        g.path = dir.filePath(name);
        try {
            const GameRecord r = readGameRecord(g.path);
            g.code = r.code;
            g.created = r.created;
            g.entries = r.entries.size();
            g.cards = r.cards;
            g.sizeIndex = r.settings.sizeIndex;
            g.kind = r.settings.kind;
        } catch (const MorvaneError &e) {
            g.problem = e.message();
        }
        games.append(g);
    }
    // Stable: equal times keep the order of their names.
    std::stable_sort(games.begin(), games.end(), [](const GameSummary &a, const GameSummary &b) {
        if (a.problem.isEmpty() != b.problem.isEmpty())
            return a.problem.isEmpty();
        return a.problem.isEmpty() && a.created > b.created;
    });
    return games;
}

namespace {

// A code is taken by its game and by what a game keeps beside it (its
// stages, its players): a game whose record was deleted must not hand its
// stages or its players' links to a new game of the same code.
bool codeTaken(const QString &gamesFolder, const QString &code)
{
    return !QDir(gamesFolder).entryList({code + QStringLiteral(".*")}, QDir::AllEntries | QDir::Hidden).isEmpty();
}

} // namespace

std::uint64_t newGameSeed(const QString &gamesFolder, const std::function<std::uint64_t()> &draw)
{
    // Of a billion codes, a thousand recorded games take one in a million:
    // a few tries are plenty.
    for (int attempt = 0; attempt < 64; ++attempt) {
        const std::uint64_t seed = draw();
        if (gamesFolder.isEmpty() || !codeTaken(gamesFolder, gameCode(seed)))
            return seed;
    }
    throw MorvaneError(QCoreApplication::translate("GameFolder", "No new game code is free"));
}

std::uint64_t newGameSeed(const QString &gamesFolder)
{
    return newGameSeed(gamesFolder, secureSeed);
}
