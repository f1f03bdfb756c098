// The Game menu of the main window: recorded games into the caller window.
#include "app/UnitMain.h"

#include "app/game/CallerWindows.h"
#include "app/game/GameListDialog.h"
#include "card/Prompts.h"
#include "docs/Folders.h"
#include "game/GameFile.h"
#include "game/GameFolder.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

bool anyOpenable(const QList<GameSummary> &games)
{
    return std::any_of(games.begin(), games.end(), [](const GameSummary &g) { return g.problem.isEmpty(); });
}

} // namespace

std::optional<QString> TFrmMain::chooseGame(const QList<GameSummary> &games, const QString &title,
                                            const QString &action)
{
    return GameListDialog::choose(games, title, action, this);
}

void TFrmMain::callRecordedGame(const QString &path)
{
    // The reader's own message for a file gone, cut short, from a newer
    // version or edited by hand; the caller window is left as it was. Calls
    // lost to a save cut short are the Caller's to say.
    readGameRecord(path);
    m_services.callers->openGame(path);
    m_lastGame = path;
}

void TFrmMain::MnuGameOpenClick()
{
    guarded([this] {
        const QList<GameSummary> games = listGames(GamesPath());
        if (games.isEmpty()) {
            m_services.prompts->information(QCoreApplication::translate(
                "TFrmMain", "No numbered games are recorded yet. Tick Options, Number Cards, then "
                            "print or export the cards of a game."));
            return;
        }
        if (const auto path = chooseGame(games, QCoreApplication::translate("TFrmMain", "Open Game"),
                                         QCoreApplication::translate("TFrmMain", "Open")))
            callRecordedGame(*path);
    });
}

void TFrmMain::MnuGameCallClick()
{
    guarded([this] {
        ICallerWindows &callers = *m_services.callers;
        if (callers.isOpen()) {
            callers.bringForward();
            return;
        }
        if (!m_lastGame.isEmpty()) {
            callRecordedGame(m_lastGame);
            return;
        }
        const QList<GameSummary> games = listGames(GamesPath());
        if (anyOpenable(games)) {
            if (const auto path = chooseGame(games, QCoreApplication::translate("TFrmMain", "Call Game"),
                                             QCoreApplication::translate("TFrmMain", "Call")))
                callRecordedGame(*path);
            return;
        }
        // No game to call: the list is called alone, without cards to check.
        if (m_words.items().isEmpty()) {
            m_services.prompts->information(QCoreApplication::translate(
                "TFrmMain", "There is nothing to call yet, please add words to the list, then try again."));
            return;
        }
        callers.openWords(m_words.items(), cardSettings());
    });
}
