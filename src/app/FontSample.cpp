#include "app/FontSample.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

FontSample::FontSample(const QString &text, QWidget *parent) : QLabel(text, parent) {}

double FontSample::scale() const
{
    const QFontMetricsF metrics(font());
    const QRectF needed = metrics.boundingRect(text());
    const double across = needed.width() > 0 ? contentsRect().width() / needed.width() : 1.0;
    const double down = metrics.height() > 0 ? contentsRect().height() / metrics.height() : 1.0;
    return std::min({1.0, across, down});
}

void FontSample::paintEvent(QPaintEvent *event)
{
    const double factor = scale();
    if (factor >= 1.0) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QFont smaller = font();
    smaller.setPointSizeF(std::max(1.0, font().pointSizeF() * factor));
    painter.setFont(smaller);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(contentsRect(), Qt::AlignCenter, text());
}

void FontSample::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        Q_EMIT scaleChanged();
}
