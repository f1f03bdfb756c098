#include "render/CardGeometry.h"

#include "card/Trim.h"

#include <QTextBoundaryFinder>

PreviewGrid previewGrid(int side, bool heading, int boxWidth, int boxHeight, int pen)
{
    PreviewGrid g;
    g.side = side;
    g.heading = heading;
    g.rows = side + (heading ? 1 : 0);
    g.pen = pen;
    g.rowHeight = (boxHeight - pen) / g.rows;
    g.columnWidth = (boxWidth - pen) / side;
    return g;
}

CanvasRect headingBox(const PreviewGrid &grid, int column)
{
    return entryBox(grid, 1, column);
}

CanvasRect entryBox(const PreviewGrid &grid, int row, int column)
{
    return {grid.pen + (column - 1) * grid.columnWidth, grid.pen + (row - 1) * grid.rowHeight,
            grid.columnWidth - grid.pen, grid.rowHeight - grid.pen};
}

CanvasRect freeSpaceBox(const PreviewGrid &grid, int row, int column)
{
    return {(column - 1) * grid.columnWidth, (row - 1) * grid.rowHeight, grid.columnWidth, grid.rowHeight};
}

std::vector<BodyCell> bodyCells(const QStringList &cardCells, int side, bool useFreeSpace, const QString &freeSpaceText)
{
    std::vector<BodyCell> cells;
    const int count = side * side;
    cells.reserve(count);
    const int freeCell = freeSpaceCellNumber(side);
    qsizetype next = 0;
    for (int k = 1; k <= count; ++k) {
        BodyCell cell;
        cell.row = (k + side - 1) / side;
        cell.column = (k - 1) % side + 1;
        if (useFreeSpace && k == freeCell) {
            cell.text = freeSpaceText;
            cell.freeSpace = true;
        } else if (next >= cardCells.size()) {
            cell.text = QStringLiteral(" ");
        } else {
            cell.text = cardCells.at(next++);
        }
        cells.push_back(std::move(cell));
    }
    return cells;
}

QStringList headingLetters(const QString &headingText, int columns)
{
    QStringList letters;
    if (trimBlanks(headingText).isEmpty())
        return letters;
    // A letter is what the reader sees as one: a base letter with its
    // combining marks, or a surrogate pair, stays in one column.
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, headingText);
    qsizetype start = 0;
    while (letters.size() < columns) {
        const qsizetype end = clusters.toNextBoundary();
        if (end < 0)
            break;
        letters.append(headingText.mid(start, end - start));
        start = end;
    }
    return letters;
}
