#include "game/CallBoard.h"

#include "card/ArrangeCard.h"
#include "card/WholeNumber.h"
#include "render/CardGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int NumberColumns = 5;
constexpr int NumbersPerColumn = 15;
constexpr int TicketBoardRows = 9;
constexpr int TicketBoardColumns = 10;

// The printed heading gives the letters when it has one for every column of
// the numbers; a short, blank or hidden heading falls back to the classic
// letters rather than mixing the two.
QStringList callLetters(bool heading, const QString &headingText)
{
    if (heading) {
        const QStringList own = headingLetters(headingText, NumberColumns);
        if (own.size() == NumberColumns)
            return own;
    }
    return {QStringLiteral("B"), QStringLiteral("I"), QStringLiteral("N"), QStringLiteral("G"), QStringLiteral("O")};
}

} // namespace

CallBoard::CallBoard(const QStringList &entries, bool heading, const QString &headingText, CardKind kind)
    : m_tickets(kind == CardKind::Tickets90)
{
    for (const QString &entry : entries) {
        if (m_index.contains(entry))
            continue;
        m_index.insert(entry, static_cast<int>(m_items.size()));
        m_items.append(entry);
    }
    if (isStandardNumberList(entries)) {
        m_letters = callLetters(heading, headingText);
        for (const QString &item : std::as_const(m_items))
            m_numbers.push_back(*tryStrToInt(item));
    }
}

QString CallBoard::callText(int item) const
{
    if (!numbered())
        return text(item);
    const int value = number(item);
    return m_letters.at((value - 1) / NumbersPerColumn) + QLatin1Char(' ') + QString::number(value);
}

QString CallBoard::spokenText(int item) const
{
    if (!numbered())
        return text(item);
    // The comma makes the voice pause between the letter and the number.
    const int value = number(item);
    return m_letters.at((value - 1) / NumbersPerColumn) + QStringLiteral(", ") + QString::number(value);
}

QString CallBoard::label(int item) const
{
    return numbered() ? QString::number(number(item)) : text(item);
}

BoardLayout CallBoard::layout(double aspect) const
{
    BoardLayout board;
    // The classic board needs each number exactly once ("7" and "07" are two
    // entries of one number); otherwise the list is shown as any other.
    if (numbered() && size() == NumberColumns * NumbersPerColumn) {
        std::vector<int> places(static_cast<std::size_t>(size()), -1);
        bool distinct = true;
        for (int item = 0; item < size() && distinct; ++item) {
            int &place = places[static_cast<std::size_t>(number(item) - 1)];
            distinct = place < 0;
            place = item;
        }
        if (distinct) {
            board.rows = NumberColumns;
            board.columns = NumbersPerColumn;
            board.rowLabels = m_letters;
            board.items = std::move(places);
            return board;
        }
    }
    // A ticket game's entries are 1 to 90 in order, ten to a row.
    if (m_tickets && size() == TicketBoardRows * TicketBoardColumns) {
        board.rows = TicketBoardRows;
        board.columns = TicketBoardColumns;
        for (int item = 0; item < size(); ++item)
            board.items.push_back(item);
        return board;
    }
    if (size() == 0)
        return board;
    const double wide = aspect > 0 ? aspect : 1.0;
    board.columns = std::clamp(static_cast<int>(std::ceil(std::sqrt(size() * wide))), 1, size());
    board.rows = (size() + board.columns - 1) / board.columns;
    board.items.assign(static_cast<std::size_t>(board.rows * board.columns), -1);
    for (int item = 0; item < size(); ++item)
        board.items[static_cast<std::size_t>(item)] = item;
    return board;
}
