#pragma once

#include "app/game/CallerWindows.h"

#include <QPointer>
#include <QWidget>

#include <functional>

// The caller window kept one at a time. It is a window of its own, not
// kept above the main window (it may fill a projector's screen), and it
// does not keep the program running once the main window has closed.
class QtCallerWindows : public ICallerWindows
{
public:
    // How a caller window is made and fed; main() connects these to the
    // caller window's class.
    struct Factory
    {
        std::function<QWidget *()> create;
        // False when the game could not be opened, the window having said why.
        std::function<bool(QWidget &window, const QString &path)> openGame;
        std::function<void(QWidget &window, const QStringList &words, const CardSettings &settings)> openWords;
    };

    explicit QtCallerWindows(Factory factory) : m_factory(std::move(factory)) {}
    ~QtCallerWindows() override;
    QtCallerWindows(const QtCallerWindows &) = delete;
    QtCallerWindows &operator=(const QtCallerWindows &) = delete;

    bool isOpen() const override;
    void bringForward() override;
    void openGame(const QString &path) override;
    void openWords(const QStringList &words, const CardSettings &settings) override;
    bool close() override;

private:
    // The open window, or a new one. Throws MorvaneError when this build has
    // no caller window.
    QWidget &window();

    Factory m_factory;
    QPointer<QWidget> m_window;
};
