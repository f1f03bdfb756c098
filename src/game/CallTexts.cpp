#include "game/CallTexts.h"

#include "card/Error.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QStringList>

QString callCountText(int calls, int entries)
{
    const QLocale locale;
    return QCoreApplication::translate("CallTexts", "Call %1 of %2")
        .arg(locale.toString(calls), locale.toString(entries));
}

QString unsavedCallsText(const QString &path, const QString &reason, int unsavedCalls, int callCount, int takeBacks)
{
    const QString file = QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(path));
    const QString why = errorBoxText(reason);
    const QLocale locale;
    if (unsavedCalls == 1)
        return QCoreApplication::translate("CallTexts", "Call %1 was not saved in %2: %3")
            .arg(locale.toString(callCount), file, why);
    if (unsavedCalls > 1)
        return QCoreApplication::translate("CallTexts", "Calls %1 to %2 (%3 calls) were not saved in %4: %5")
            .arg(locale.toString(callCount - unsavedCalls + 1), locale.toString(callCount),
                 locale.toString(unsavedCalls), file, why);
    if (takeBacks == 1)
        return QCoreApplication::translate("CallTexts", "The call taken back was not saved, and is still in %1: %2")
            .arg(file, why);
    return QCoreApplication::translate("CallTexts", "The %1 calls taken back were not saved, and are still in %2: %3")
        .arg(locale.toString(takeBacks), file, why);
}

QString bingoText(const std::vector<Winner> &winners, int limit)
{
    if (winners.empty())
        return {};
    const std::size_t shown =
        limit < 0 ? winners.size() : std::min(winners.size(), static_cast<std::size_t>(std::max(limit, 1)));
    QStringList cards;
    for (std::size_t i = 0; i < shown; ++i)
        cards.append(
            QCoreApplication::translate("CallTexts", "card %1 (call %2)").arg(winners[i].card).arg(winners[i].call));
    QString text = QCoreApplication::translate("CallTexts", "Bingo: ") + cards.join(QStringLiteral(", "));
    const std::size_t more = winners.size() - shown;
    if (more > 0)
        text += QCoreApplication::translate("CallTexts", " and %Ln more card(s)", nullptr, int(more));
    return text;
}

namespace {

// "row 2", "row 2 and column 3", "row 1, column 1 and both diagonals".
QString joinedLineNames(const std::vector<WinLine> &lines)
{
    QStringList names;
    bool diagonal = false;
    bool anti = false;
    for (const WinLine &line : lines) {
        diagonal = diagonal || line.kind == WinLine::Diagonal;
        anti = anti || line.kind == WinLine::AntiDiagonal;
        if (line.kind != WinLine::Diagonal && line.kind != WinLine::AntiDiagonal)
            names.append(lineName(line));
    }
    if (diagonal && anti)
        names.append(QCoreApplication::translate("CallTexts", "both diagonals"));
    else if (diagonal || anti)
        names.append(QCoreApplication::translate("CallTexts", "diagonal"));
    if (names.size() == 1)
        return names.front();
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QCoreApplication::translate("CallTexts", " and ") + last;
}

QString shortOf(WinPattern pattern)
{
    switch (pattern) {
    case WinPattern::AnyLine:
        return QCoreApplication::translate("CallTexts", "the nearest line");
    case WinPattern::FourCorners:
        return QCoreApplication::translate("CallTexts", "four corners");
    case WinPattern::FullCard:
        return QCoreApplication::translate("CallTexts", "a full card");
    }
    return {};
}

} // namespace

QString verdictText(const CardCheck &check, WinPattern pattern, int cardCount)
{
    if (!check.inGame) {
        if (cardCount <= 0)
            return QCoreApplication::translate("CallTexts", "This game has no cards to check.");
        return QCoreApplication::translate("CallTexts",
                                           "There is no card %1 in this game: its cards are numbered 1 to %2.")
            .arg(check.card)
            .arg(cardCount);
    }
    if (check.won())
        return QCoreApplication::translate("CallTexts", "Card %1: bingo on %2")
            .arg(check.card)
            .arg(joinedLineNames(check.winningLines));
    return QCoreApplication::translate("CallTexts", "Card %1: no bingo yet, %n cell(s) short of %2", nullptr,
                                       check.cellsShort)
        .arg(check.card)
        .arg(shortOf(pattern));
}
