#include "app/adapters/QtCanvas.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

// Bounds the memo of one font: a long print job of distinct texts must not
// grow it without end.
constexpr qsizetype MaxMemoisedWidths = 20000;

quint64 fontKey(int faceId, int points, FontStyle style)
{
    return (quint64(quint32(faceId)) << 33) | (quint64(quint32(points)) << 1) | (style == FontStyle::Bold ? 1U : 0U);
}

} // namespace

struct QtCanvas::Metrics
{
    Metrics(const QFont &f, QPaintDevice *device)
        : font(f),
          metrics(f, device),
          ascent(metrics.ascent()),
          height(metrics.height())
    {
    }

    QFont font;
    QFontMetrics metrics;
    int ascent;
    int height;
    QHash<QString, int> widths;
};

QtCanvas::QtCanvas(QPainter &painter, const QColor &background)
    : m_painter(painter),
      m_device(painter.device()),
      m_background(background)
{
    m_faces.append(QString());
    m_painter.save();
    // Qt's PDF engine only hears of a pen that changes: a fresh painter's
    // default pen would never reach it, and the first lines came out wrong.
    m_painter.setPen(Qt::NoPen);
    m_painter.setPen(QPen());
    m_painter.setBrush(m_background);
    m_painter.setBackground(m_background);
    m_painter.setBackgroundMode(Qt::OpaqueMode);
}

QtCanvas::~QtCanvas()
{
    // A print job may end its painter before the canvas goes; there is then
    // nothing left to restore.
    if (m_painter.isActive())
        m_painter.restore();
}

QtCanvas::Metrics &QtCanvas::current()
{
    if (m_current)
        return *m_current;
    // Qt refuses sizes below one point; such a size draws as one point.
    const int points = std::max(1, m_size);
    auto &slot = m_metrics[fontKey(m_faceId, points, m_style)];
    if (!slot) {
        QFont font(m_faces.at(m_faceId));
        font.setPointSize(points);
        font.setBold(m_style == FontStyle::Bold);
        slot = std::make_unique<Metrics>(font, m_device);
    }
    m_current = slot.get();
    return *m_current;
}

void QtCanvas::fillRect(const CanvasRect &rect)
{
    m_painter.fillRect(rect.left, rect.top, rect.width, rect.height, m_background);
}

CanvasRect QtCanvas::clipRect() const
{
    return {0, 0, m_device->width(), m_device->height()};
}

int QtCanvas::penWidth() const
{
    return 1;
}

void QtCanvas::moveTo(int x, int y)
{
    m_penX = x;
    m_penY = y;
}

void QtCanvas::lineTo(int x, int y)
{
    if (m_painter.pen().color() != Qt::black)
        m_painter.setPen(QPen());
    m_painter.drawLine(m_penX, m_penY, x, y);
    m_penX = x;
    m_penY = y;
}

void QtCanvas::textOut(int x, int y, const QString &text)
{
    Metrics &m = current();
    if (m_onPainter != &m) {
        m_painter.setFont(m.font);
        m_onPainter = &m;
    }
    if (m_painter.pen().color() != m_textColor)
        m_painter.setPen(m_textColor);
    m_painter.drawText(x, y + m.ascent, text);
}

void QtCanvas::textOutClipped(int x, int y, const QString &text, const CanvasRect &clip)
{
    m_painter.setClipRect(clip.left, clip.top, clip.width, clip.height);
    textOut(x, y, text);
    m_painter.setClipping(false);
}

int QtCanvas::textWidth(const QString &text)
{
    Metrics &m = current();
    const auto it = m.widths.constFind(text);
    if (it != m.widths.cend())
        return *it;
    if (m.widths.size() >= MaxMemoisedWidths)
        m.widths.clear();
    const int w = m.metrics.horizontalAdvance(text);
    m.widths.insert(text, w);
    return w;
}

int QtCanvas::textHeight(const QString &)
{
    return current().height;
}

QString QtCanvas::fontName() const
{
    return m_faces.at(m_faceId);
}

void QtCanvas::setFontName(const QString &name)
{
    if (name == m_faces.at(m_faceId))
        return;
    auto id = m_faces.indexOf(name);
    if (id < 0) {
        id = m_faces.size();
        m_faces.append(name);
    }
    m_faceId = static_cast<int>(id);
    m_current = nullptr;
}

int QtCanvas::fontSize() const
{
    return m_size;
}

void QtCanvas::setFontSize(int points)
{
    if (points == m_size)
        return;
    m_size = points;
    m_current = nullptr;
}

FontStyle QtCanvas::fontStyle() const
{
    return m_style;
}

void QtCanvas::setFontStyle(FontStyle style)
{
    if (style == m_style)
        return;
    m_style = style;
    m_current = nullptr;
}

void QtCanvas::setFontColor(unsigned rgb)
{
    m_textColor = QColor::fromRgb(QRgb(0xFF000000U | (rgb & 0xFFFFFFU)));
}
