#include "game/WinnersLine.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

std::vector<ShownWinner> shownWinners(const std::vector<Winner> &winners)
{
    std::vector<ShownWinner> shown;
    shown.reserve(winners.size());
    for (const Winner &w : winners)
        shown.push_back({w.card, w.call, -1});
    return shown;
}

std::vector<ShownWinner> shownWinners(const GameStages &stages)
{
    std::vector<ShownWinner> shown;
    for (const StageResult &result : stages.results()) {
        for (const Winner &w : result.winners)
            shown.push_back({w.card, w.call, result.stage});
    }
    return shown;
}

void orderNewestFirst(std::vector<ShownWinner> &winners, std::size_t first)
{
    const auto newer = [](const ShownWinner &a, const ShownWinner &b) {
        if (a.call != b.call)
            return a.call > b.call;
        if (a.stage != b.stage)
            return a.stage > b.stage;
        return a.card < b.card;
    };
    const auto middle = winners.begin() + std::ptrdiff_t(std::min(first, winners.size()));
    std::partial_sort(winners.begin(), middle, winners.end(), newer);
}

namespace {

QString winnerText(const ShownWinner &w, const PrizeStages &prizes, bool ticket)
{
    if (w.stage < 0 || w.stage >= int(prizes.size()))
        return ticket ? QCoreApplication::translate("CallTexts", "ticket %1 (call %2)").arg(w.card).arg(w.call)
                      : QCoreApplication::translate("CallTexts", "card %1 (call %2)").arg(w.card).arg(w.call);
    const QString &prize = prizes[std::size_t(w.stage)].name;
    return ticket
               ? QCoreApplication::translate("CallTexts", "ticket %1 (%2, call %3)").arg(w.card).arg(prize).arg(w.call)
               : QCoreApplication::translate("CallTexts", "card %1 (%2, call %3)").arg(w.card).arg(prize).arg(w.call);
}

} // namespace

QString winnersLineText(const std::vector<ShownWinner> &winners, int latestCall, int limit, const PrizeStages &prizes,
                        CardKind kind)
{
    const bool ticket = kind == CardKind::Tickets90;
    if (winners.empty())
        return {};
    const std::size_t shown =
        limit < 0 ? winners.size() : std::min(winners.size(), static_cast<std::size_t>(std::max(limit, 1)));
    QStringList cards;
    for (std::size_t i = 0; i < shown; ++i) {
        const ShownWinner &w = winners[i];
        QString text = winnerText(w, prizes, ticket);
        if (latestCall > 0 && w.call == latestCall)
            text.prepend(QStringLiteral("\u2605 "));
        cards.append(text);
    }
    QString text = QCoreApplication::translate("CallTexts", "Bingo: ") + cards.join(QStringLiteral(", "));
    const std::size_t more = winners.size() - shown;
    if (more == 1)
        text += ticket ? QCoreApplication::translate("CallTexts", " and 1 more ticket")
                       : QCoreApplication::translate("CallTexts", " and 1 more card");
    else if (more > 1)
        text += ticket ? QCoreApplication::translate("CallTexts", " and %1 more tickets").arg(more)
                       : QCoreApplication::translate("CallTexts", " and %1 more cards").arg(more);
    return text;
}

QString stageLineText(const GameStages &stages, const PrizeStages &prizes)
{
    const int count = int(prizes.size());
    QString text = stages.finished() ? QCoreApplication::translate("CallTexts", "All stages won")
                                     : QCoreApplication::translate("CallTexts", "Stage %1 of %2: %3")
                                           .arg(stages.current() + 1)
                                           .arg(count)
                                           .arg(prizes[std::size_t(stages.current())].name);
    if (stages.current() > 0) {
        const StageResult &won = stages.results()[std::size_t(stages.current() - 1)];
        text += QStringLiteral(" \u00B7 ")
                + QCoreApplication::translate("CallTexts", "%1 won at call %2")
                      .arg(prizes[std::size_t(won.stage)].name)
                      .arg(won.wonAtCall);
    }
    return text;
}
