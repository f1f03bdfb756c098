// The sample card's paint handler.
#include "app/UnitMain.h"

#include "app/CardPaintBox.h"

#include <QPainter>

void TFrmMain::PBPaint()
{
    QPainter painter(PB);
    painter.fillRect(PB->rect(), PB->palette().window());
}
