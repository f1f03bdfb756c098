#include "app/caller/CallDisplay.h"

#include "app/accessibility/Accessibility.h"
#include "app/adapters/QtCanvas.h"
#include "app/caller/CallerPalette.h"
#include "render/TextFit.h"

#include <QPainter>

#include <algorithm>

CallDisplay::CallDisplay(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(120, 80);
}

void CallDisplay::setCall(const QString &call, const QString &fontName, bool wrap)
{
    m_call = call;
    m_fontName = fontName;
    m_wrap = wrap;
    update();
    announceNameChange(this);
}

void CallDisplay::setHint(const QString &hint)
{
    m_hint = hint;
    update();
    announceNameChange(this);
}

void CallDisplay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(rect(), CallerPalette::panel());
    if (m_call.isEmpty()) {
        QFont font = this->font();
        font.setPixelSize(std::max(12, height() / 12));
        painter.setFont(font);
        painter.setPen(CallerPalette::faint());
        painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, m_hint);
        return;
    }
    QtCanvas canvas(painter, CallerPalette::panel());
    canvas.setFontName(m_fontName);
    canvas.setFontStyle(FontStyle::Bold);
    canvas.setFontColor(CallerPalette::ink().rgb() & 0xFFFFFFU);
    // A line box is about 1.2 of the pixel size, so three quarters of the
    // height starts one line at the full height; the fitting only shrinks.
    const int dpi = std::max(1, logicalDpiY());
    canvas.setFontSize(std::max(MinFitFontSize, height() * 3 / 4 * 72 / dpi));
    const CanvasRect whole{0, 0, width(), height()};
    fitCellText(canvas, whole, m_call, m_wrap, ScreenMargins, whole);
}
