#include "app/game/QtCallerWindows.h"

#include "card/Error.h"
#include <QCoreApplication>

QtCallerWindows::~QtCallerWindows()
{
    delete m_window;
}

bool QtCallerWindows::isOpen() const
{
    return m_window && m_window->isVisible();
}

void QtCallerWindows::bringForward()
{
    if (!m_window)
        return;
    if (m_window->isMinimized())
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

QWidget &QtCallerWindows::window()
{
    if (m_window && !m_window->isVisible()) {
        // Closed but not yet gone: a fresh window starts from a clean slate.
        m_window->deleteLater();
        m_window.clear();
    }
    if (m_window)
        return *m_window;
    if (!m_factory.create)
        throw MorvaneError(
            QCoreApplication::translate("QtCallerWindows", "The caller window is not part of this build"));
    QWidget *made = m_factory.create();
    // Never modal, and gone when closed so the next command opens it afresh.
    made->setWindowModality(Qt::NonModal);
    made->setAttribute(Qt::WA_DeleteOnClose);
    made->setAttribute(Qt::WA_QuitOnClose, false);
    m_window = made;
    return *made;
}

void QtCallerWindows::openGame(const QString &path)
{
    const bool fresh = !isOpen();
    QWidget &w = window();
    if (m_factory.openGame && !m_factory.openGame(w, path) && fresh) {
        // A window made for a game it could not open would stand empty.
        delete m_window;
        return;
    }
    bringForward();
}

bool QtCallerWindows::close()
{
    return !isOpen() || m_window->close();
}

void QtCallerWindows::openWords(const QStringList &words, const CardSettings &settings)
{
    QWidget &w = window();
    if (m_factory.openWords)
        m_factory.openWords(w, words, settings);
    bringForward();
}
