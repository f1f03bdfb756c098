#pragma once

#include "card/CardSettings.h"

#include <QJsonObject>
#include <QStringList>

#include <cstdint>
#include <vector>

// A card as a phone draws it: rows and columns of cell texts, row by row.
// A free cell counts as dabbed from the start; a blank cell (an empty text
// that is not free) holds nothing and can never be dabbed. Any card Morvane
// prints fits: a word card of any size, or a ticket of three rows of nine.
struct CardFace
{
    int rows = 0;
    int columns = 0;
    QStringList heading; // one text per column; empty for no heading row
    QStringList cells;   // rows * columns
    std::vector<bool> free;
    QString fontName;

    int cellCount() const { return rows * columns; }
    bool dabbable(int cell) const
    {
        return cell >= 0 && cell < cellCount() && !free[std::size_t(cell)] && !cells.at(cell).isEmpty();
    }
};

// A word card from its shown cells (the free centre taking none), laid out
// the way the printed card reads them.
CardFace wordCardFace(const CardSettings &settings, const QStringList &shownCells);
// Any kind of card: a word card as above, or a ticket from its cells, an
// empty text for each blank.
CardFace cardFace(const CardSettings &settings, const QStringList &shownCells);

// The cells of a set of face cells given as a bit mask (bit k is cell k).
std::vector<int> maskCells(std::uint64_t mask, int cellCount);

// What the page gets: {"rows","columns","heading","cells","free","font"}.
QJsonObject faceJson(const CardFace &face);
