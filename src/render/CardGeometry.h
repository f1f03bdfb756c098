#pragma once

#include "render/Canvas.h"

#include <QString>
#include <QStringList>

#include <vector>

// The sample card's grid, stretched over the paint box: rows and columns are
// sized independently, so its cells are not square.
struct PreviewGrid
{
    int side = 0; // N: columns, and rows of the body
    int rows = 0; // N, plus the heading row when there is one
    bool heading = false;
    int rowHeight = 0;
    int columnWidth = 0;
    int pen = 1;

    int width() const { return columnWidth * side; }
    int height() const { return rowHeight * rows; }
};

PreviewGrid previewGrid(int side, bool heading, int boxWidth, int boxHeight, int pen);

// The box of a heading letter in column 1..N, and of an entry at grid row
// 1..rows (the heading row, when present, is row 1), column 1..N: both leave
// out the grid line at their top and left.
CanvasRect headingBox(const PreviewGrid &grid, int column);
CanvasRect entryBox(const PreviewGrid &grid, int row, int column);
// The free-space box is the whole cell, grid lines included.
CanvasRect freeSpaceBox(const PreviewGrid &grid, int row, int column);

// The body cell numbered 1..N*N that holds the free space: the exact centre.
inline int freeSpaceCellNumber(int side)
{
    return side * side / 2 + 1;
}

// One body cell with the text it shows. Row and column count from 1 within
// the body, without the heading row.
struct BodyCell
{
    int row = 0;
    int column = 0;
    QString text;
    bool freeSpace = false;
};

// The body cells in reading order. Entries fill them one by one and pass over
// the free-space cell; once cardCells runs out every later cell shows " ".
std::vector<BodyCell> bodyCells(const QStringList &cardCells, int side, bool useFreeSpace,
                                const QString &freeSpaceText);

// The heading letter of each column 1..columns, as many as the raw text has
// (a heading shorter than the card leaves the later columns without a
// letter); none when the text trims to nothing. A letter is one
// user-perceived character: a grapheme cluster, so a base letter keeps its
// combining marks and a surrogate pair stays whole.
QStringList headingLetters(const QString &headingText, int columns);
