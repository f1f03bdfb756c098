#include "game/CalledGame.h"

#include "game/GameFile.h"

namespace {

CallBoard boardOf(const QStringList &entries, const CardSettings &settings)
{
    return CallBoard(entries, settings.heading, settings.headingText);
}

} // namespace

std::unique_ptr<CalledGame> CalledGame::openRecord(const QString &path)
{
    auto cards = std::make_unique<GameCards>(readGameRecord(path));
    const GameRecord &record = cards->record();
    CallBoard board = boardOf(record.entries, record.settings);
    WinIndexBuilder builder(board, record.settings.side(), record.settings.freeSpace);
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
        for (const std::int32_t i : cards->textIndices(std::uint64_t(k)))
            items.push_back(itemOfText[std::size_t(i)]);
        builder.addCardItems(items);
    }
    CallSession session(std::move(board), builder.finish());
    const QStringList calls = record.calls;
    std::unique_ptr<CalledGame> game(new CalledGame(path, std::move(cards), std::move(session)));
    game->m_passedOver = game->m_session.restore(calls);
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
    GameRecord record = m_cards->record();
    record.calls = m_session.calledTexts();
    writeGameRecord(m_path, record);
}
