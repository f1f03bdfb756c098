#include "play/ClaimCheck.h"

#include "card/CardKind.h"
#include "game/CalledGame.h"

#include <QCoreApplication>

#include <algorithm>
#include <bit>
#include <limits>

namespace {

ClaimCheck wordCardCheck(const CallSession &session, int card)
{
    static const char *const patterns[] = {QT_TRANSLATE_NOOP("TFrmCaller", "Any Line"),
                                           QT_TRANSLATE_NOOP("TFrmCaller", "Four Corners"),
                                           QT_TRANSLATE_NOOP("TFrmCaller", "Full Card")};
    const CardCheck check = session.check(card);
    ClaimCheck c;
    c.won = check.won();
    c.prize = QCoreApplication::translate("TFrmCaller", patterns[patternIndex(session.pattern())]);
    c.wonAtCall = check.firstWinningCall;
    c.cellsShort = check.cellsShort;
    c.called = check.calledCells;
    if (c.won)
        c.framed = check.winningLines.front().cells;
    return c;
}

std::uint64_t rowBits(const CardShape &shape, int row)
{
    return ((std::uint64_t{1} << shape.columns) - 1) << (row * shape.columns);
}

ClaimCheck ticketCheck(CalledGame &game, std::uint64_t card)
{
    const CallSession &session = game.session();
    const CardShape shape = cardShape(game.record().settings);
    const QStringList cells = game.cards()->cells(card);
    std::uint64_t holding = 0;
    std::vector<std::pair<int, int>> calledAt; // call number, cell
    for (int k = 0; k < int(cells.size()) && k < 64; ++k) {
        if (cells.at(k).isEmpty())
            continue;
        holding |= std::uint64_t{1} << k;
        const int item = session.board().itemOf(cells.at(k));
        if (item >= 0 && session.isCalled(item))
            calledAt.emplace_back(session.callNumberOf(item), k);
    }
    std::sort(calledAt.begin(), calledAt.end());

    ClaimCheck c;
    for (const auto &[call, cell] : calledAt)
        c.called |= std::uint64_t{1} << cell;
    // The kind's first set is the game every ticket plays: a line, two lines,
    // a full house, each larger than the one before.
    const std::vector<KindPrize> prizes = prizeSets(CardKind::Tickets90).front();
    for (const KindPrize &prize : prizes) {
        if (!prizeWon(prize, shape, holding, c.called))
            continue;
        c.won = true;
        c.prize = prize.name;
        std::uint64_t calledThen = 0;
        for (const auto &[call, cell] : calledAt) {
            calledThen |= std::uint64_t{1} << cell;
            if (prizeWon(prize, shape, holding, calledThen)) {
                c.wonAtCall = call;
                break;
            }
        }
    }
    int fewest = std::numeric_limits<int>::max();
    for (int row = 0; row < shape.bodyRows; ++row) {
        const std::uint64_t held = rowBits(shape, row) & holding;
        const int missing = std::popcount(held & ~c.called);
        fewest = std::min(fewest, missing);
        if (c.won && missing == 0)
            c.framed |= held;
    }
    c.cellsShort = c.won ? 0 : fewest;
    return c;
}

} // namespace

ClaimCheck checkClaim(CalledGame &game, std::uint64_t card)
{
    if (game.record().settings.kind == CardKind::Tickets90 && game.cards())
        return ticketCheck(game, card);
    return wordCardCheck(game.session(), int(card));
}

QJsonObject claimCheckJson(const ClaimCheck &check)
{
    // Masks as hexadecimal text: a JSON number keeps only 53 bits.
    return {{QStringLiteral("won"), check.won},
            {QStringLiteral("prize"), check.prize},
            {QStringLiteral("at"), check.wonAtCall},
            {QStringLiteral("short"), check.cellsShort},
            {QStringLiteral("called"), QString::number(check.called, 16)},
            {QStringLiteral("framed"), QString::number(check.framed, 16)}};
}

ClaimCheck claimCheckFromJson(const QJsonObject &o)
{
    ClaimCheck c;
    c.won = o.value(QLatin1String("won")).toBool();
    c.prize = o.value(QLatin1String("prize")).toString();
    c.wonAtCall = std::max(0, o.value(QLatin1String("at")).toInt());
    c.cellsShort = std::max(0, o.value(QLatin1String("short")).toInt());
    c.called = o.value(QLatin1String("called")).toString().toULongLong(nullptr, 16);
    c.framed = o.value(QLatin1String("framed")).toString().toULongLong(nullptr, 16);
    return c;
}
