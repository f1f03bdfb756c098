#pragma once

#include "game/CallSession.h"
#include "game/GameCards.h"
#include "game/GameRecord.h"

#include <QString>

#include <memory>
#include <vector>

class GameLock;
struct GameFileHead;

// A game on the caller's screen: its board and calls and, for a recorded
// game, every card indexed for the winners and the file its calls are kept
// in. A word list called without cards has a record of its entries and
// settings only, and no file.
class CalledGame
{
public:
    // Takes the game's lock, reads the game file, makes and indexes every
    // card, and replays the calls it keeps. Throws MorvaneError when the file
    // cannot be opened or another caller window is calling the game.
    static std::unique_ptr<CalledGame> openRecord(const QString &path);
    // The entries of a list, called without cards.
    CalledGame(const QStringList &entries, const CardSettings &settings);
    ~CalledGame();

    bool hasCards() const { return m_cards != nullptr; }
    const QString &path() const { return m_path; }
    const GameRecord &record() const { return m_cards ? m_cards->record() : m_listRecord; }
    CallSession &session() { return m_session; }
    const CallSession &session() const { return m_session; }
    // Null for a list without cards.
    GameCards *cards() { return m_cards.get(); }
    // Calls of the file that named no entry, or one called before: a file
    // changed by hand. They were left out.
    int passedOver() const { return m_passedOver; }

    // Writes the calls as they stand into the game file; a list without
    // cards keeps nothing. Throws MorvaneError saying why, without naming
    // the file, the file then holding the calls of the last write that
    // succeeded.
    void keepCalls();
    // True when the game has a file and it is no longer there.
    bool fileGone() const;
    // The calls on screen that the file does not hold, from the first place
    // where the two differ.
    int unsavedCalls() const;
    // The calls the file holds past that place: calls taken back on screen
    // but not in the file.
    int unsavedTakeBacks() const;
    bool callsKept() const { return unsavedCalls() == 0 && unsavedTakeBacks() == 0; }

private:
    CalledGame(const QString &path, std::unique_ptr<GameCards> cards, CallSession session);
    std::size_t keptPrefix() const;

    QString m_path;
    std::unique_ptr<GameLock> m_lock;
    std::unique_ptr<GameCards> m_cards;
    // Made at the first save.
    std::unique_ptr<GameFileHead> m_head;
    GameRecord m_listRecord;
    CallSession m_session;
    int m_passedOver = 0;
    // The board items the file holds, in call order, as last written or read.
    std::vector<int> m_kept;
};
