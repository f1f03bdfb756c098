#include "render/Preview.h"

#include "render/CardGeometry.h"
#include "render/CellText.h"
#include "render/TextFit.h"

#include <algorithm>

namespace {

void ruleGrid(ICanvas &canvas, const PreviewGrid &g)
{
    canvas.moveTo(0, 0);
    canvas.lineTo(0, g.height());
    canvas.moveTo(0, 0);
    canvas.lineTo(g.width(), 0);
    for (int i = 1; i <= g.rows; ++i) {
        canvas.moveTo(0, i * g.rowHeight);
        canvas.lineTo(g.width(), i * g.rowHeight);
    }
    for (int j = 1; j <= g.side; ++j) {
        canvas.moveTo(j * g.columnWidth, 0);
        canvas.lineTo(j * g.columnWidth, g.height());
    }
}

void drawIn(ICanvas &canvas, const CanvasRect &box, const QString &text, bool wordWrap,
            const CanvasRect *within = nullptr)
{
    DrawCellText(canvas, box.left, box.top, text, box.width, box.height, wordWrap, within);
}

} // namespace

namespace {

// A ticket keeps square cells, as on paper: as wide as the box allows and
// centred in its height.
void paintTicket(ICanvas &canvas, const CardSettings &settings, const QStringList &cardCells, const CanvasRect &area)
{
    const CardShape shape = cardShape(settings);
    PreviewGrid grid = previewGrid(shape.columns, false, area.width, area.height, canvas.penWidth());
    grid.rows = shape.bodyRows;
    grid.rowHeight = std::min(grid.columnWidth, (area.height - grid.pen) / shape.bodyRows);
    const int top = (area.height - grid.height()) / 2;
    const auto rule = [&] {
        for (int i = 0; i <= grid.rows; ++i) {
            canvas.moveTo(0, top + i * grid.rowHeight);
            canvas.lineTo(grid.width(), top + i * grid.rowHeight);
        }
        for (int j = 0; j <= grid.side; ++j) {
            canvas.moveTo(j * grid.columnWidth, top);
            canvas.lineTo(j * grid.columnWidth, top + grid.height());
        }
    };
    if (!settings.largePrint)
        rule();
    for (qsizetype k = 0; k < cardCells.size() && k < shape.bodyCellCount(); ++k) {
        if (cardCells.at(k).isEmpty())
            continue;
        CanvasRect box = entryBox(grid, int(k) / shape.columns + 1, int(k) % shape.columns + 1);
        box.top += top;
        drawIn(canvas, box, cardCells.at(k), false);
    }
    if (settings.largePrint)
        rule();
}

} // namespace

void paintPreview(ICanvas &canvas, const CardSettings &settings, const QStringList &cardCells)
{
    const CanvasRect area = canvas.clipRect();
    canvas.fillRect(area);

    // A size of 0 or below from a hand-edited settings file means nothing as
    // a font; it is drawn as the smallest size instead.
    canvas.setFontSize(std::max(MinFitFontSize, clampedFontSize(settings.fontSize)));
    canvas.setFontStyle(FontStyle::Regular);
    canvas.setFontName(settings.fontName);
    canvas.setFontColor(0x000000);

    if (settings.kind == CardKind::Tickets90) {
        paintTicket(canvas, settings, cardCells, area);
        return;
    }
    const PreviewGrid grid = previewGrid(settings.side(), settings.heading, area.width, area.height, canvas.penWidth());
    if (startSizeFor(settings.largePrint) == StartSize::Base)
        lowerToBaseSize(canvas, grid.columnWidth, ScreenMargins);

    // In large print a line may stand taller than its cell, and its
    // background would hide the grid: the grid is ruled over the texts.
    if (!settings.largePrint)
        ruleGrid(canvas, grid);

    if (settings.heading) {
        const QStringList letters = headingLetters(settings.headingText, grid.side);
        for (int i = 0; i < letters.size(); ++i)
            drawIn(canvas, headingBox(grid, i + 1), letters.at(i), settings.wordWrap);
    }

    const int headingRows = settings.heading ? 1 : 0;
    for (const BodyCell &cell : bodyCells(cardCells, grid.side, settings.freeSpace, settings.freeSpaceText)) {
        const int row = cell.row + headingRows;
        const CanvasRect inner = entryBox(grid, row, cell.column);
        if (cell.freeSpace) {
            // The free space is placed in its whole cell, but a text too long
            // for it is cut inside the grid lines, like any other cell's.
            drawIn(canvas, freeSpaceBox(grid, row, cell.column), cell.text, settings.wordWrap, &inner);
        } else {
            drawIn(canvas, inner, cell.text, settings.wordWrap);
        }
    }
    if (settings.largePrint)
        ruleGrid(canvas, grid);
}
