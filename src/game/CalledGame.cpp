#include "game/CalledGame.h"

#include "game/GameFile.h"
#include "game/GameLock.h"

#include <QFileInfo>

namespace {

CallBoard boardOf(const QStringList &entries, const CardSettings &settings)
{
    return CallBoard(entries, settings.heading, settings.headingText, settings.kind);
}

} // namespace

std::unique_ptr<CalledGame> CalledGame::openRecord(const QString &path)
{
    std::unique_ptr<GameLock> lock = GameLock::take(path);
    auto cards = std::make_unique<GameCards>(readGameRecord(path));
    const GameRecord &record = cards->record();
    CallBoard board = boardOf(record.entries, record.settings);
    WinIndexBuilder builder(board, cardShape(record.settings));
    const int count = int(cards->count());
    builder.reserve(count);
    cards->makeAll();
    // Each text a card can show looked up on the board once, not once a cell.
    std::vector<int> itemOfText;
    itemOfText.reserve(std::size_t(cards->texts().size()));
    for (const QString &text : cards->texts())
        itemOfText.push_back(board.itemOf(text));
    std::vector<int> items;
    for (int k = 1; k <= count; ++k) {
        items.clear();
        // A ticket's blank cell is position -1: it shows no entry.
        for (const std::int32_t i : cards->textIndices(std::uint64_t(k)))
            items.push_back(i < 0 ? -1 : itemOfText[std::size_t(i)]);
        builder.addCardItems(items);
    }
    CallSession session(std::move(board), builder.finish());
    const QStringList calls = record.calls;
    std::unique_ptr<CalledGame> game(new CalledGame(path, std::move(cards), std::move(session)));
    game->m_passedOver = game->m_session.restore(calls);
    game->m_lock = std::move(lock);
    // The file's calls as items; one the board does not know (a file changed
    // by hand) keeps the file apart from the screen until the next write.
    for (const QString &call : calls)
        game->m_kept.push_back(game->m_session.board().itemOf(call));
    return game;
}

CalledGame::CalledGame(const QStringList &entries, const CardSettings &settings) : m_session(boardOf(entries, settings))
{
    m_listRecord.entries = entries;
    m_listRecord.settings = settings;
}

CalledGame::CalledGame(const QString &path, std::unique_ptr<GameCards> cards, CallSession session)
    : m_path(path),
      m_cards(std::move(cards)),
      m_session(std::move(session))
{
}

void CalledGame::keepCalls()
{
    if (!m_cards)
        return;
    if (!m_head)
        m_head = std::make_unique<GameFileHead>(m_cards->record());
    saveGameCalls(m_path, *m_head, m_session.calledTexts());
    m_kept = m_session.calls();
}

CalledGame::~CalledGame() = default;

bool CalledGame::fileGone() const
{
    return m_cards && !QFileInfo::exists(m_path);
}

std::size_t CalledGame::keptPrefix() const
{
    const std::vector<int> &calls = m_session.calls();
    std::size_t same = 0;
    while (same < calls.size() && same < m_kept.size() && calls[same] == m_kept[same])
        ++same;
    return same;
}

int CalledGame::unsavedCalls() const
{
    return m_cards ? int(m_session.calls().size() - keptPrefix()) : 0;
}

int CalledGame::unsavedTakeBacks() const
{
    return m_cards ? int(m_kept.size() - keptPrefix()) : 0;
}
