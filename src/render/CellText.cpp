#include "render/CellText.h"

#include "render/TextFit.h"

void DrawCellText(ICanvas &canvas, int x, int y, const QString &text, int w, int h, bool wordWrap)
{
    fitCellText(canvas, {x, y, w, h}, text, wordWrap, ScreenMargins);
}

void PrintCellText(ICanvas &canvas, int x, int y, const QString &text, int w, int h, bool wordWrap)
{
    const int jobSize = canvas.fontSize();
    lowerToBaseSize(canvas, w, PaperMargins);
    fitCellText(canvas, {x, y, w, h}, text, wordWrap, PaperMargins);
    canvas.setFontSize(jobSize);
}
