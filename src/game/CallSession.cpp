#include "game/CallSession.h"

namespace {

WinIndex emptyIndex(const CallBoard &board)
{
    return WinIndexBuilder(board, 5, false).finish();
}

} // namespace

CallSession::CallSession(CallBoard board) : CallSession(board, emptyIndex(board)) {}

CallSession::CallSession(CallBoard board, WinIndex index)
    : m_board(std::move(board)),
      m_index(std::move(index)),
      m_callNumber(static_cast<std::size_t>(m_board.size()), 0)
{
    Q_ASSERT(m_index.itemCount() == m_board.size());
}

QStringList CallSession::calledTexts() const
{
    QStringList texts;
    texts.reserve(callCount());
    for (int item : m_calls)
        texts.append(m_board.text(item));
    return texts;
}

void CallSession::call(int item)
{
    m_calls.push_back(item);
    m_callNumber[static_cast<std::size_t>(item)] = callCount();
    m_index.call(item, callCount());
    m_prizes.called(m_index, item, callCount());
}

void CallSession::undo()
{
    const int item = m_calls.back();
    m_index.uncall(item, callCount());
    m_prizes.uncalled(m_index, item, callCount());
    m_callNumber[static_cast<std::size_t>(item)] = 0;
    m_calls.pop_back();
}

int CallSession::callNext(IRandomSource &random)
{
    if (allCalled())
        return -1;
    auto r = random.below(static_cast<std::uint32_t>(m_board.size() - callCount()));
    for (int item = 0; item < m_board.size(); ++item) {
        if (isCalled(item))
            continue;
        if (r == 0) {
            call(item);
            return item;
        }
        --r;
    }
    return -1;
}

bool CallSession::undoLastCall()
{
    if (m_calls.empty())
        return false;
    undo();
    return true;
}

void CallSession::toggleMark(int item)
{
    const int number = callNumberOf(item);
    if (number == 0) {
        call(item);
        return;
    }
    // Undoing back to the mark and calling the later ones again renumbers
    // them, and every first-winning call after the mark with them.
    const std::vector<int> later(m_calls.begin() + number, m_calls.end());
    while (callCount() >= number)
        undo();
    for (int again : later)
        call(again);
}

void CallSession::newGame()
{
    for (int item : m_calls)
        m_callNumber[static_cast<std::size_t>(item)] = 0;
    m_calls.clear();
    m_index.clear();
    m_prizes.clear();
}

void CallSession::setPrizes(PrizeStages prizes)
{
    // The first wins of the new prizes need the calls made again in order.
    const std::vector<int> calls = m_calls;
    newGame();
    m_prizes = PrizeWins(std::move(prizes), m_index);
    for (int item : calls)
        call(item);
}

int CallSession::restore(const QStringList &calledTexts)
{
    newGame();
    int passedOver = 0;
    for (const QString &text : calledTexts) {
        const int item = m_board.itemOf(text);
        if (item < 0 || isCalled(item))
            ++passedOver;
        else
            call(item);
    }
    return passedOver;
}
