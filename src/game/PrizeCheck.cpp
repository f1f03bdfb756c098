#include "game/PrizeCheck.h"

#include "game/CallSession.h"
#include "game/GameStages.h"

#include <QCoreApplication>
#include <QStringList>

std::vector<HeldPrize> heldPrizes(const CallSession &session, int card)
{
    std::vector<HeldPrize> held;
    const PrizeWins &wins = session.prizeWins();
    if (card < 1 || card > wins.cardCount())
        return held;
    const GameStages stages(wins);
    const std::uint64_t covered = session.index().calledCells(card);
    const std::uint64_t holding = session.index().holdingCells(card);
    for (int s = 0; s < int(wins.prizes().size()); ++s) {
        const int first = wins.firstWin(s, card);
        if (first == 0)
            continue;
        const Prize &prize = wins.prizes()[std::size_t(s)];
        const int wonAt = stages.results()[std::size_t(s)].wonAtCall;
        HeldPrize h{s, first, wonAt != 0 && first <= wonAt, {}};
        for (std::uint64_t shape : prize.shapes) {
            if (prize.completes(shape, covered, holding))
                h.shapes.push_back(prize.needed(shape, holding));
        }
        held.push_back(h);
    }
    return held;
}

QString heldPrizesText(const std::vector<HeldPrize> &held, const PrizeStages &prizes, int card, int cardCount,
                       CardKind kind)
{
    const bool ticket = kind == CardKind::Tickets90;
    if (card < 1 || card > cardCount) {
        if (ticket)
            return QCoreApplication::translate("CallTexts",
                                               "There is no ticket %1 in this game: its tickets are numbered 1 to %2.")
                .arg(card)
                .arg(cardCount);
        return QCoreApplication::translate("CallTexts",
                                           "There is no card %1 in this game: its cards are numbered 1 to %2.")
            .arg(card)
            .arg(cardCount);
    }
    if (held.empty())
        return ticket ? QCoreApplication::translate("CallTexts", "Ticket %1 holds no prize yet").arg(card)
                      : QCoreApplication::translate("CallTexts", "Card %1 holds no prize yet").arg(card);
    QStringList names;
    for (const HeldPrize &h : held) {
        const QString &name = prizes[std::size_t(h.stage)].name;
        names.append(h.won ? QCoreApplication::translate("CallTexts", "%1 (won at call %2)").arg(name).arg(h.call)
                           : QCoreApplication::translate("CallTexts", "%1 (since call %2)").arg(name).arg(h.call));
    }
    const QString list = names.join(QStringLiteral(", "));
    return ticket ? QCoreApplication::translate("CallTexts", "Ticket %1 holds %2").arg(card).arg(list)
                  : QCoreApplication::translate("CallTexts", "Card %1 holds %2").arg(card).arg(list);
}
