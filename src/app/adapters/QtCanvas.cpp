#include "app/adapters/QtCanvas.h"

#include <QGlyphRun>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <array>

namespace {

// Bounds the memo of one font: a long print job of distinct texts must not
// grow it without end.
constexpr qsizetype MaxMemoisedWidths = 20000;
// Texts shaped for textOutAlike are few: one per length of number in a job.
constexpr qsizetype MaxShapedTexts = 64;

quint64 fontKey(int faceId, int points, FontStyle style)
{
    return (quint64(quint32(faceId)) << 33) | (quint64(quint32(points)) << 1) | (style == FontStyle::Bold ? 1U : 0U);
}

} // namespace

// A text shaped once, its glyphs placed from the start of its baseline, with
// the glyph of each of its 0s, in order. Unusable when that cannot be told
// (more than one run, a font without digits, a 0 joined to its neighbour).
struct QtCanvas::Shaped
{
    QGlyphRun run;
    QList<qsizetype> zeros;
    std::array<quint32, 10> digits{};
    bool usable = false;
};

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
    QHash<QString, Shaped> shaped;
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

const QtCanvas::Shaped &QtCanvas::shaped(Metrics &m, const QString &text)
{
    const auto known = m.shaped.constFind(text);
    if (known != m.shaped.cend())
        return *known;
    if (m.shaped.size() >= MaxShapedTexts)
        m.shaped.clear();
    Shaped &s = m.shaped[text];
    QTextLayout layout(text, m.font, m_device);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = line.glyphRuns();
    if (runs.size() != 1)
        return s;
    s.run = runs.first();
    const QList<quint32> digits = s.run.rawFont().glyphIndexesForString(QStringLiteral("0123456789"));
    if (digits.size() != 10 || digits.contains(0U))
        return s;
    std::copy(digits.cbegin(), digits.cend(), s.digits.begin());
    // Glyphs without an outline (spaces) are left out: they draw nothing,
    // and a PDF spends as much on each as on a letter.
    const QRawFont font = s.run.rawFont();
    const QList<quint32> shapedGlyphs = s.run.glyphIndexes();
    const QList<QPointF> shapedPositions = s.run.positions();
    QList<quint32> glyphs;
    QList<QPointF> positions;
    for (qsizetype i = 0; i < shapedGlyphs.size(); ++i) {
        const quint32 glyph = shapedGlyphs[i];
        if (glyph == s.digits[0])
            s.zeros.append(glyphs.size());
        else if (font.pathForGlyph(glyph).isEmpty())
            continue;
        glyphs.append(glyph);
        positions.append(shapedPositions[i] - QPointF(0, line.ascent()));
    }
    if (s.zeros.size() != text.count(QLatin1Char('0')))
        return s;
    s.run.setGlyphIndexes(glyphs);
    s.run.setPositions(positions);
    s.usable = true;
    return s;
}

void QtCanvas::textOutAlike(int x, int y, const QString &text, const QString &alike)
{
    Metrics &m = current();
    const Shaped &s = shaped(m, alike);
    if (!s.usable || text.size() != alike.size())
        return textOut(x, y, text);
    QList<quint32> glyphs = s.run.glyphIndexes();
    qsizetype zero = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t a = alike[i].unicode();
        const char16_t t = text[i].unicode();
        if (a != t && (a != u'0' || t < u'0' || t > u'9'))
            return textOut(x, y, text);
        if (a == u'0')
            glyphs[s.zeros[zero++]] = s.digits[std::size_t(t - u'0')];
    }
    QGlyphRun run = s.run;
    run.setGlyphIndexes(glyphs);
    if (m_painter.pen().color() != m_textColor)
        m_painter.setPen(m_textColor);
    m_painter.drawGlyphRun(QPointF(x, y + m.ascent), run);
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
