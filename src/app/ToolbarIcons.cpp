#include "app/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {

QIcon drawn(const std::function<void(QPainter &)> &draw)
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(2.0, 2.0); // drawn on a 16 x 16 grid
    draw(p);
    p.end();
    return QIcon(pm);
}

const QColor Ink(40, 48, 64);

} // namespace

QIcon newIcon()
{
    return drawn([](QPainter &p) {
        QPainterPath page;
        page.moveTo(3.5, 1.5);
        page.lineTo(9.5, 1.5);
        page.lineTo(12.5, 4.5);
        page.lineTo(12.5, 14.5);
        page.lineTo(3.5, 14.5);
        page.closeSubpath();
        p.setPen(QPen(Ink, 1));
        p.setBrush(Qt::white);
        p.drawPath(page);
        p.drawPolyline(QPolygonF({QPointF(9.5, 1.5), QPointF(9.5, 4.5), QPointF(12.5, 4.5)}));
    });
}

QIcon openIcon()
{
    return drawn([](QPainter &p) {
        p.setPen(QPen(Ink, 1));
        p.setBrush(QColor(240, 200, 90));
        p.drawPolygon(QPolygonF({QPointF(1.5, 3.5), QPointF(6, 3.5), QPointF(7.5, 5), QPointF(13.5, 5),
                                 QPointF(13.5, 13.5), QPointF(1.5, 13.5)}));
        p.setBrush(QColor(250, 222, 130));
        p.drawPolygon(QPolygonF({QPointF(3.5, 7.5), QPointF(15.5, 7.5), QPointF(13.5, 13.5), QPointF(1.5, 13.5)}));
    });
}

QIcon saveIcon()
{
    return drawn([](QPainter &p) {
        p.setPen(QPen(Ink, 1));
        p.setBrush(QColor(70, 110, 190));
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(220, 225, 235));
        p.drawRect(QRectF(3.5, 9.5, 9, 5));
    });
}

QIcon printIcon()
{
    return drawn([](QPainter &p) {
        p.setPen(QPen(Ink, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(150, 155, 165));
        p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 10.5, 7, 4.5));
        p.setPen(QPen(QColor(60, 170, 80), 1));
        p.drawPoint(QPointF(12.5, 8.5));
    });
}
