#include "app/caller/CallFlash.h"

#include "app/caller/CallerPalette.h"

#include <QEvent>
#include <QPainter>

#include <cmath>

namespace {

constexpr int Pulses = 3;
constexpr int PulseMs = 350;

} // namespace

CallFlash::CallFlash(QWidget *flashed) : QWidget(flashed)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
    flashed->installEventFilter(this);
    m_timer.setInterval(30);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (m_clock.elapsed() >= Pulses * PulseMs) {
            m_timer.stop();
            hide();
        }
        update();
    });
}

void CallFlash::flash()
{
    setGeometry(parentWidget()->rect());
    raise();
    show();
    m_clock.start();
    m_timer.start();
}

bool CallFlash::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void CallFlash::paintEvent(QPaintEvent *)
{
    const double t = double(m_clock.elapsed() % PulseMs) / PulseMs;
    QColor colour = CallerPalette::latest();
    colour.setAlphaF(0.55 * std::sin(t * M_PI));
    QPainter(this).fillRect(rect(), colour);
}
