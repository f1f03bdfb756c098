#pragma once

#include "app/game/CallerWindows.h"

#include <QPointer>
#include <QWidget>

#include <functional>

// The caller window kept one at a time. It is a window of its own, owned by
// the main window, so closing the main window ends the program with it.
class QtCallerWindows : public ICallerWindows
{
public:
    // How a caller window is made and fed; main() connects these to the
    // caller window's class.
    struct Factory
    {
        std::function<QWidget *(QWidget *owner)> create;
        std::function<void(QWidget &window, const QString &path)> openGame;
        std::function<void(QWidget &window, const QStringList &words, const CardSettings &settings)> openWords;
    };

    explicit QtCallerWindows(Factory factory) : m_factory(std::move(factory)) {}

    // The main window, set once it exists.
    void setOwner(QWidget *owner) { m_owner = owner; }

    bool isOpen() const override;
    void bringForward() override;
    void openGame(const QString &path) override;
    void openWords(const QStringList &words, const CardSettings &settings) override;

private:
    // The open window, or a new one. Throws MorvaneError when this build has
    // no caller window.
    QWidget &window();

    Factory m_factory;
    QPointer<QWidget> m_owner;
    QPointer<QWidget> m_window;
};
