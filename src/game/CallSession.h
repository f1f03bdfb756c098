#pragma once

#include "card/RandomSource.h"
#include "game/CallBoard.h"
#include "game/PrizeWins.h"
#include "game/WinCheck.h"
#include "game/WinIndex.h"

#include <QStringList>

#include <vector>

// One game being called: the calls in order, and the winners after each.
// Calling by draw and marking on the board are the same act: a mark is a
// call, and unmarking takes that call back wherever it stands in the order.
class CallSession
{
public:
    // Calls the entries of a list that has no cards.
    explicit CallSession(CallBoard board);
    // The index must have been built over this board.
    CallSession(CallBoard board, WinIndex index);

    const CallBoard &board() const { return m_board; }
    const WinIndex &index() const { return m_index; }
    int cardCount() const { return m_index.cardCount(); }

    WinPattern pattern() const { return m_pattern; }
    void setPattern(WinPattern pattern) { m_pattern = pattern; }

    // Board items in call order.
    const std::vector<int> &calls() const { return m_calls; }
    // The called entries' texts in call order, as a game record keeps them.
    QStringList calledTexts() const;
    int callCount() const { return static_cast<int>(m_calls.size()); }
    bool allCalled() const { return callCount() == m_board.size(); }
    // 1-based position of the item in the calls, 0 when it is not called.
    int callNumberOf(int item) const { return m_callNumber[static_cast<std::size_t>(item)]; }
    bool isCalled(int item) const { return callNumberOf(item) != 0; }
    // The latest call, -1 before the first.
    int lastCall() const { return m_calls.empty() ? -1 : m_calls.back(); }

    // Draws one entry not yet called, each equally likely. Returns the item,
    // or -1 when every entry has been called.
    int callNext(IRandomSource &random);
    // False when there was no call to undo.
    bool undoLastCall();
    // Calls an uncalled item, or takes an earlier call of it back; the calls
    // after it move up by one and the winners are worked out again.
    void toggleMark(int item);
    void newGame();
    // Replays the calls of a game record. Texts that are no entry, or that
    // repeat an earlier call, are passed over; returns how many were.
    int restore(const QStringList &calledTexts);

    // The cards that have won with the chosen pattern, in card order.
    std::vector<Winner> winners() const { return m_index.winners(m_pattern); }
    CardCheck check(int card) const { return checkCard(m_index, m_pattern, card); }

    // Prizes followed beside the patterns, for a game played in stages; none
    // by default. The calls made so far count for them at once.
    void setPrizes(PrizeStages prizes);
    const PrizeWins &prizeWins() const { return m_prizes; }

private:
    void call(int item);
    void undo();

    CallBoard m_board;
    WinIndex m_index;
    WinPattern m_pattern = WinPattern::AnyLine;
    PrizeWins m_prizes;
    std::vector<int> m_calls;
    std::vector<int> m_callNumber;
};
