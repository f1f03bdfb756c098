#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

// A flash over a widget: the latest call's colour pulses over it a few
// times and fades, so a repeated call is seen as well as heard. It lies on
// top of the widget it flashes and lets every click through.
class CallFlash : public QWidget
{
    Q_OBJECT

public:
    explicit CallFlash(QWidget *flashed);

    void flash();
    bool flashing() const { return m_timer.isActive(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
};
