// The game file reader on arbitrary bytes: it either refuses the file with a
// message or gives a record whose cards can be made; such a record written
// again reads back the same.
#include "card/Error.h"
#include "game/GameCards.h"
#include "game/GameCode.h"
#include "game/GameFile.h"

#include <QSet>

#include <cstdint>
#include <cstdlib>

namespace {

bool same(const GameRecord &a, const GameRecord &b)
{
    const CardSettings &s = a.settings;
    const CardSettings &t = b.settings;
    return a.format == b.format && a.code == b.code && a.created == b.created && a.entries == b.entries
           && s.sizeIndex == t.sizeIndex && s.freeSpace == t.freeSpace && s.freeSpaceText == t.freeSpaceText
           && s.heading == t.heading && s.headingText == t.headingText && s.wordWrap == t.wordWrap
           && s.fontName == t.fontName && s.fontSize == t.fontSize && a.cardsPerPage == b.cardsPerPage
           && a.cards == b.cards && a.seed == b.seed && a.calls == b.calls;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    GameRecord record;
    try {
        record = parseGameRecord(bytes, QStringLiteral("fuzz.mrvgame"));
    } catch (const MorvaneError &e) {
        if (e.message().isEmpty())
            std::abort();
        return 0;
    }
    if (!isGameCode(record.code) || record.code != gameCode(record.seed) || record.cards < 1
        || record.cards > GameRecord::MaxCards || record.entries.size() < shownCells(record.settings))
        std::abort();
    const QSet<QString> entries(record.entries.cbegin(), record.entries.cend());
    for (const QString &call : record.calls)
        if (!entries.contains(call))
            std::abort();
    if (!same(parseGameRecord(formatGameRecord(record), QStringLiteral("again.mrvgame")), record))
        std::abort();
    GameCards cards(record);
    if (cards.cells(1).size() != shownCells(record.settings))
        std::abort();
    return 0;
}
