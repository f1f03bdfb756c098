#include "print/PrintCard.h"

#include "render/CardGeometry.h"
#include "render/CellText.h"

void PrintCard(ICanvas &canvas, const CardSettings &settings, const QStringList &cardCells, int x, int y, int columns,
               int rows, int cellSide, CellTextMemo *memo)
{
    // A ticket's numbers start from the card font: there is no free-space
    // text whose fit would size them.
    const StartSize start =
        settings.kind == CardKind::Tickets90 ? StartSize::FontSize : startSizeFor(settings.largePrint);
    const auto cellText = [&](int left, int top, const QString &text, int side) {
        if (memo)
            memo->print(canvas, left, top, text, side, side, settings.wordWrap, start);
        else
            PrintCellText(canvas, left, top, text, side, side, settings.wordWrap, start);
    };
    const int s = cellSide;
    const int p = canvas.penWidth();

    const auto ruleGrid = [&] {
        canvas.moveTo(x, y);
        canvas.lineTo(x, y + rows * s);
        canvas.moveTo(x, y);
        canvas.lineTo(x + columns * s, y);
        for (int i = 1; i <= rows; ++i) {
            canvas.moveTo(x, y + i * s);
            canvas.lineTo(x + columns * s, y + i * s);
        }
        for (int j = 1; j <= columns; ++j) {
            canvas.moveTo(x + j * s, y);
            canvas.lineTo(x + j * s, y + rows * s);
        }
    };
    // In large print a line may stand taller than its cell, and its
    // background would hide the grid: the grid is ruled over the texts.
    if (!settings.largePrint)
        ruleGrid();

    const int inner = s - p;
    const CardShape shape = cardShape(settings);
    if (shape.blankCells) {
        // Cell by cell; a blank is left white.
        for (qsizetype k = 0; k < cardCells.size() && k < shape.bodyCellCount(); ++k) {
            if (!cardCells.at(k).isEmpty())
                cellText(x + int(k) % columns * s + p, y + int(k) / columns * s + p, cardCells.at(k), inner);
        }
    } else {
        int headingRows = 0;
        if (shape.headingRows > 0) {
            headingRows = 1;
            const QStringList letters = headingLetters(settings.headingText, columns);
            for (qsizetype j = 0; j < letters.size(); ++j)
                cellText(x + int(j) * s + p, y + p, letters.at(j), inner);
        }
        for (const BodyCell &cell : bodyCells(cardCells, columns, settings.freeSpace, settings.freeSpaceText)) {
            const int row = cell.row + headingRows;
            cellText(x + (cell.column - 1) * s + p, y + (row - 1) * s + p, cell.text, inner);
        }
    }
    if (settings.largePrint)
        ruleGrid();
}
