#include "app/preview/PagePainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <type_traits>

namespace {

QRectF rectOf(const CanvasRect &r)
{
    return QRectF(r.left, r.top, r.width, r.height);
}

} // namespace

void paintRecordedPage(QPainter &painter, const RecordedPage &page, const PaperSheet &sheet, const PrintableArea &area)
{
    painter.save();
    painter.translate(area.offsetX, area.offsetY);
    // Text is written on white, as the print canvas writes it.
    painter.setBackground(Qt::white);
    painter.setBackgroundMode(Qt::OpaqueMode);
    // One device pixel is far below a screen pixel: the grid keeps a line
    // of its own at any zoom.
    QPen pen(Qt::black);
    pen.setCosmetic(true);
    pen.setWidth(1);
    // Points at the sheet's resolution, expressed for the painter's device.
    const qreal deviceDpi = painter.device() ? painter.device()->logicalDpiY() : 96;
    const qreal toPoints = sheet.dpi / deviceDpi;

    for (const RecordedCall &call : page.calls) {
        std::visit(
            [&](const auto &c) {
                using T = std::decay_t<decltype(c)>;
                if constexpr (std::is_same_v<T, RecordedLine>) {
                    painter.setPen(pen);
                    painter.drawLine(QPointF(c.x0, c.y0), QPointF(c.x1, c.y1));
                } else if constexpr (std::is_same_v<T, RecordedFill>) {
                    painter.fillRect(rectOf(c.rect), Qt::white);
                } else {
                    QFont font(c.face);
                    font.setPointSizeF(std::max(1, c.size) * toPoints);
                    font.setBold(c.style == FontStyle::Bold);
                    painter.setFont(font);
                    painter.setPen(QColor::fromRgb(QRgb(0xFF000000U | (c.color & 0xFFFFFFU))));
                    if (c.clip)
                        painter.setClipRect(rectOf(*c.clip));
                    painter.drawText(QPointF(c.x, c.y + QFontMetricsF(font, painter.device()).ascent()), c.text);
                    if (c.clip)
                        painter.setClipping(false);
                }
            },
            call);
    }
    painter.restore();
}
