#pragma once

#include "card/CardSettings.h"

#include <QList>
#include <QStringList>

#include <vector>

// A card as text, for a screen reader: what each cell shows, row by row,
// under the heading letters. Cells whose entries ran out are empty.
struct CardTextTable
{
    QStringList columnHeaders; // one per column on a card with a heading row, else none
    QList<QStringList> rows;   // the body rows, each as wide as the card
    std::vector<bool> called;  // row by row, on a card checked against the calls; else empty

    int rowCount() const { return int(rows.size()); }
    int columnCount() const { return rows.isEmpty() ? 0 : int(rows.constFirst().size()); }
    QString text(int row, int column) const;
    bool isCalled(int row, int column) const;
};

// The cells as the card shows them: entries in reading order, the free
// centre taking its own text.
CardTextTable cardTextTable(const CardSettings &settings, const QStringList &cardCells);
