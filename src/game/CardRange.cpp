#include "game/CardRange.h"

#include "card/Error.h"

#include <QRegularExpression>

#include <QCoreApplication>
#include <algorithm>

namespace {

std::uint64_t cardNumber(const QString &digits, std::uint64_t cardCount)
{
    bool ok = false;
    const std::uint64_t n = digits.toULongLong(&ok);
    if (!ok || n < 1 || n > cardCount)
        throw MorvaneError(QCoreApplication::translate(
                               "CardRange", "There is no card %1 in this game: its cards are numbered 1 to %2.")
                               .arg(digits)
                               .arg(cardCount));
    return n;
}

} // namespace

std::vector<std::uint64_t> parseCardNumbers(const QString &text, std::uint64_t cardCount)
{
    // Blanks around a dash belong to the range, not between two parts; an en
    // dash is what a word processor makes of a typed one.
    static const QRegularExpression dash(QStringLiteral("\\s*[-\\x{2013}]\\s*"));
    static const QRegularExpression separators(QStringLiteral("[,;\\s]+"));
    static const QRegularExpression part(QStringLiteral("^(\\d+)(?:-(\\d+))?$"));

    QString normalised = text;
    normalised.replace(dash, QStringLiteral("-"));
    const QStringList parts = normalised.split(separators, Qt::SkipEmptyParts);
    if (parts.isEmpty())
        throw MorvaneError(
            QCoreApplication::translate("CardRange", "Type the numbers of the cards, for example 17, 20-25."));

    std::vector<std::uint64_t> cards;
    for (const QString &p : parts) {
        const QRegularExpressionMatch m = part.match(p);
        if (!m.hasMatch())
            throw MorvaneError(
                QCoreApplication::translate("CardRange",
                                            "\"%1\" is not a card number: type numbers and ranges such as 17, 20-25.")
                    .arg(p));
        std::uint64_t first = cardNumber(m.captured(1), cardCount);
        std::uint64_t last = m.hasCaptured(2) ? cardNumber(m.captured(2), cardCount) : first;
        if (last < first)
            std::swap(first, last);
        for (std::uint64_t k = first; k <= last; ++k)
            cards.push_back(k);
    }
    std::sort(cards.begin(), cards.end());
    cards.erase(std::unique(cards.begin(), cards.end()), cards.end());
    return cards;
}
