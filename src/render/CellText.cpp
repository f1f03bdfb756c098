#include "render/CellText.h"

#include "render/TextFit.h"

void DrawCellText(ICanvas &canvas, int x, int y, const QString &text, int w, int h, bool wordWrap,
                  const CanvasRect *within)
{
    const CanvasRect box{x, y, w, h};
    fitCellText(canvas, box, text, wordWrap, ScreenMargins, within ? *within : box);
}

void PrintCellText(ICanvas &canvas, int x, int y, const QString &text, int w, int h, bool wordWrap, StartSize start)
{
    const int jobSize = canvas.fontSize();
    if (start == StartSize::Base)
        lowerToBaseSize(canvas, w, PaperMargins);
    const CanvasRect box{x, y, w, h};
    fitCellText(canvas, box, text, wordWrap, PaperMargins, box);
    canvas.setFontSize(jobSize);
}
