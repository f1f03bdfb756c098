#pragma once

#include "render/Canvas.h"

#include <QList>
#include <QString>

// A canvas with exact metrics, so fitting can be checked to the pixel: every
// character is as wide as the point size (times charWidthFactor), and a line
// box is twice the point size high (times lineHeightFactor). Individual
// widths can be overridden per text and size with setWidth(). It records
// every drawing call with the font at the time.
class FakeCanvas : public ICanvas
{
public:
    struct Fill
    {
        CanvasRect rect;
        unsigned color;
    };
    struct Line
    {
        int x0, y0, x1, y1;
    };
    struct Text
    {
        int x, y;
        QString text;
        int size;
        FontStyle style;
        QString face;
        unsigned color;
        // Drawn with textOutClipped: nothing outside clip shows.
        bool clipped = false;
        CanvasRect clip{};
        // Drawn with textOutAlike: the text it is said to draw as.
        QString alike;
    };

    explicit FakeCanvas(int width = 441, int height = 313) : clip{0, 0, width, height} {}

    CanvasRect clip;
    int pen = 1;
    unsigned brushColor = 0xF0F0F0;
    int charWidthFactor = 1;
    int lineHeightFactor = 2;

    QList<Fill> fills;
    QList<Line> lines;
    QList<Text> texts;
    // Every font size ever set, in order.
    QList<int> sizesSet;
    int widthCalls = 0;
    int heightCalls = 0;

    // Makes textWidth(text) at the given size return width instead of the
    // per-character rule.
    void setWidth(const QString &text, int size, int width) { m_overrides.append({text, size, width}); }

    void fillRect(const CanvasRect &rect) override { fills.append({rect, brushColor}); }
    CanvasRect clipRect() const override { return clip; }
    int penWidth() const override { return pen; }
    void moveTo(int x, int y) override
    {
        m_penX = x;
        m_penY = y;
    }
    void lineTo(int x, int y) override
    {
        lines.append({m_penX, m_penY, x, y});
        m_penX = x;
        m_penY = y;
    }
    void textOut(int x, int y, const QString &text) override
    {
        texts.append({x, y, text, m_size, m_style, m_face, m_color, false, {}, {}});
    }
    void textOutClipped(int x, int y, const QString &text, const CanvasRect &clip) override
    {
        texts.append({x, y, text, m_size, m_style, m_face, m_color, true, clip, {}});
    }
    void textOutAlike(int x, int y, const QString &text, const QString &alike) override
    {
        texts.append({x, y, text, m_size, m_style, m_face, m_color, false, {}, alike});
    }
    int textWidth(const QString &text) override
    {
        ++widthCalls;
        for (const auto &o : m_overrides)
            if (o.size == m_size && o.text == text)
                return o.width;
        return static_cast<int>(text.size()) * m_size * charWidthFactor;
    }
    int textHeight(const QString &) override
    {
        ++heightCalls;
        return m_size * lineHeightFactor;
    }
    QString fontName() const override { return m_face; }
    void setFontName(const QString &name) override { m_face = name; }
    int fontSize() const override { return m_size; }
    void setFontSize(int points) override
    {
        m_size = points;
        sizesSet.append(points);
    }
    FontStyle fontStyle() const override { return m_style; }
    void setFontStyle(FontStyle style) override { m_style = style; }
    void setFontColor(unsigned rgb) override { m_color = rgb; }

    // The texts drawn, in order.
    QStringList drawnStrings() const
    {
        QStringList l;
        for (const auto &t : texts)
            l.append(t.text);
        return l;
    }
    void clearRecords()
    {
        fills.clear();
        lines.clear();
        texts.clear();
        sizesSet.clear();
        widthCalls = heightCalls = 0;
    }

private:
    struct Override
    {
        QString text;
        int size;
        int width;
    };
    QList<Override> m_overrides;
    int m_penX = 0;
    int m_penY = 0;
    QString m_face = QStringLiteral("Arial");
    int m_size = 10;
    FontStyle m_style = FontStyle::Regular;
    unsigned m_color = 0x123456;
};
