// The sample card's paint handler.
#include "app/UnitMain.h"

#include "app/CardPaintBox.h"
#include "app/QtCanvas.h"
#include "render/Preview.h"

#include <QPainter>

void TFrmMain::PBPaint(QPainter &painter)
{
    QtCanvas canvas(painter, PB->palette().window().color());
    paintPreview(canvas, cardSettings(), CardCells);
}
