#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>
#include <functional>

// Drives a modal dialog that a command is about to exec(): armed before the
// command runs, it waits for the dialog of type T to become the active modal
// widget and then runs the action on it. If the dialog never shows up, any
// other modal widget is rejected so the test cannot hang, and found() stays
// false for the test to fail on.
template <typename T>
class ModalDriver : public QObject
{
public:
    explicit ModalDriver(std::function<void(T &)> action) : m_action(std::move(action))
    {
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start();
    }

    bool found() const { return m_found; }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<T *>(modal)) {
            m_timer.stop();
            m_found = true;
            m_action(*dialog);
            return;
        }
        if (++m_polls < MaxPolls)
            return;
        m_timer.stop();
        if (auto *other = qobject_cast<QDialog *>(modal))
            other->reject();
    }

    static constexpr int MaxPolls = 500;
    std::function<void(T &)> m_action;
    QTimer m_timer;
    bool m_found = false;
    int m_polls = 0;
};
