// The sample card's paint handler.
#include "app/UnitMain.h"

#include "app/CardPaintBox.h"
#include "app/adapters/QtCanvas.h"
#include "render/Preview.h"

#include <QPainter>

void TFrmMain::PBPaint(QPainter &painter)
{
    // A picture of the paper: white, whatever the desktop's colours.
    QtCanvas canvas(painter, Qt::white);
    paintPreview(canvas, cardSettings(), CardCells);
}
