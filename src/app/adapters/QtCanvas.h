#pragma once

#include "render/Canvas.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <unordered_map>

class QPainter;
class QPaintDevice;

// The canvas over a QPainter, for the screen and the printer alike. Font
// sizes in points go through the painter's device resolution. Measurements
// are memoised per face, size, style and text: the fitting loops ask the same
// questions over and over, and a printed job asks them for every card.
class QtCanvas : public ICanvas
{
public:
    // background is the brush colour: what fillRect paints and what text is
    // written on. The painter's state is saved here and restored when the
    // canvas goes, so let the canvas go before ending the painter.
    QtCanvas(QPainter &painter, const QColor &background);
    ~QtCanvas() override;

    QtCanvas(const QtCanvas &) = delete;
    QtCanvas &operator=(const QtCanvas &) = delete;

    void fillRect(const CanvasRect &rect) override;
    CanvasRect clipRect() const override;

    int penWidth() const override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;

    void textOut(int x, int y, const QString &text) override;
    void textOutClipped(int x, int y, const QString &text, const CanvasRect &clip) override;
    void textOutAlike(int x, int y, const QString &text, const QString &alike) override;
    int textWidth(const QString &text) override;
    int textHeight(const QString &text) override;

    QString fontName() const override;
    void setFontName(const QString &name) override;
    int fontSize() const override;
    void setFontSize(int points) override;
    FontStyle fontStyle() const override;
    void setFontStyle(FontStyle style) override;
    void setFontColor(unsigned rgb) override;

private:
    struct Metrics;
    struct Shaped;
    Metrics &current();
    const Shaped &shaped(Metrics &m, const QString &text);

    QPainter &m_painter;
    QPaintDevice *m_device;
    QColor m_background;
    int m_penX = 0;
    int m_penY = 0;

    QStringList m_faces; // index = face id in the memo key
    int m_faceId = 0;
    int m_size = 12;
    FontStyle m_style = FontStyle::Regular;
    QColor m_textColor = Qt::black;

    std::unordered_map<quint64, std::unique_ptr<Metrics>> m_metrics;
    Metrics *m_current = nullptr;         // the metrics of the font set now, built on demand
    const Metrics *m_onPainter = nullptr; // the font the painter holds
};
