#include "play/ClaimCheck.h"

#include "game/CalledGame.h"
#include "game/GameStages.h"

#include <QCoreApplication>

#include <algorithm>
#include <bit>

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

// A game in stages wins by its prizes, as the caller's window names the
// winners: a card wins the stages whose winners it is among, the last of
// them naming the win; otherwise it is short of the stage being played.
ClaimCheck stagedCheck(const CallSession &session, int card)
{
    const PrizeStages &prizes = session.prizeWins().prizes();
    const GameStages stages(session.prizeWins());
    const std::uint64_t covered = session.index().calledCells(card);
    const std::uint64_t holding = session.index().holdingCells(card);
    ClaimCheck c;
    c.called = covered;
    int won = -1;
    for (const StageResult &result : stages.results())
        for (const Winner &winner : result.winners)
            if (winner.card == card)
                won = result.stage;
    const int stage = won >= 0 ? won : std::min(stages.current(), int(prizes.size()) - 1);
    const Prize &prize = prizes[std::size_t(stage)];
    c.prize = prize.name;
    if (won >= 0) {
        c.won = true;
        c.wonAtCall = stages.results()[std::size_t(won)].wonAtCall;
        for (const std::uint64_t shape : prize.shapes)
            if (prize.completes(shape, covered, holding))
                c.framed |= prize.needed(shape, holding);
        return c;
    }
    std::vector<std::uint64_t> shapes;
    for (const std::uint64_t shape : prize.shapes)
        if (prize.needed(shape, holding) != 0)
            shapes.push_back(prize.needed(shape, holding));
    const auto missing = [&](std::uint64_t shape) { return std::popcount(shape & ~covered); };
    std::sort(shapes.begin(), shapes.end(), [&](std::uint64_t a, std::uint64_t b) { return missing(a) < missing(b); });
    std::uint64_t nearest = 0;
    for (std::size_t k = 0; k < shapes.size() && k < std::size_t(std::max(1, prize.atLeast)); ++k)
        nearest |= shapes[k];
    c.cellsShort = missing(nearest);
    return c;
}

} // namespace

ClaimCheck checkClaim(CalledGame &game, std::uint64_t card)
{
    if (!game.session().prizeWins().empty() && card >= 1 && card <= std::uint64_t(game.session().cardCount()))
        return stagedCheck(game.session(), int(card));
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
