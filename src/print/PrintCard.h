#pragma once

#include "card/CardSettings.h"
#include "print/CellTextMemo.h"
#include "render/Canvas.h"

#include <QStringList>

// Draws one arranged card with the top-left corner of its grid at (x, y):
// the grid in the canvas pen, the heading letters, the free space and the
// entries of cardCells in reading order, each fitted into its square inner
// box. Rows include the heading row. The caller arranges the card first.
// With a memo, texts already fitted into a box of the same size are not
// fitted again; the page comes out the same.
void PrintCard(ICanvas &canvas, const CardSettings &settings, const QStringList &cardCells, int x, int y, int columns,
               int rows, int cellSide, CellTextMemo *memo = nullptr);
