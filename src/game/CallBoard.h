#pragma once

#include "card/CardKind.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// Where each entry stands on the caller's board. For the 75 numbers the
// classic board: five rows of fifteen, one row per letter, the numbers in
// order; for a game of tickets nine rows of ten, 1 to 90; for any other list
// the entries in list order, filled row by row.
struct BoardLayout
{
    int rows = 0;
    int columns = 0;
    QStringList rowLabels;  // one per row on the classic board, else none
    std::vector<int> items; // rows * columns, row by row; -1 where no entry stands

    int itemAt(int row, int column) const { return items[static_cast<std::size_t>(row * columns + column)]; }
};

// The entries of a game as the caller sees them. Entries equal in text are
// one board item: a list may hold a text twice, but calling it covers every
// cell that shows it, so it is called once and counted once. Items keep the
// list order of their first occurrence.
class CallBoard
{
public:
    CallBoard() = default;
    // The heading decides the letters of the numbered calls ("B 7").
    CallBoard(const QStringList &entries, bool heading, const QString &headingText,
              CardKind kind = CardKind::WordCards);

    int size() const { return static_cast<int>(m_items.size()); }
    const QString &text(int item) const { return m_items.at(item); }
    const QStringList &texts() const { return m_items; }
    // -1 when no entry has exactly this text.
    int itemOf(const QString &text) const { return m_index.value(text, -1); }

    // True when the game is the 75 numbers, called with a column letter.
    bool numbered() const { return !m_letters.isEmpty(); }
    // The five column letters of the numbered calls, B to O unless the
    // game's heading spells five letters of its own.
    const QStringList &letters() const { return m_letters; }

    // "B 7" for the 75 numbers, else the entry's own text.
    QString callText(int item) const;
    // What the speech service says for a call: "B, 7", or the entry's text.
    QString spokenText(int item) const;
    // The short label of an item on the board: the number, or the text.
    QString label(int item) const;

    // aspect is the width over the height of the board's area; a list other
    // than the 75 numbers gets as many columns as make its cells nearly square.
    BoardLayout layout(double aspect = 16.0 / 9.0) const;

private:
    int number(int item) const { return m_numbers[static_cast<std::size_t>(item)]; }

    QStringList m_items;
    QHash<QString, int> m_index;
    QStringList m_letters;
    std::vector<int> m_numbers; // the value of each item in a numbered game
    bool m_tickets = false;
};
