#pragma once

#include "card/CardSettings.h"

#include <QString>
#include <QStringList>

// The caller window as the main window reaches it: one at a time, beside the
// main window, which stays usable. main() passes the real one; tests a fake.
class ICallerWindows
{
public:
    virtual ~ICallerWindows() = default;

    // True while a caller window is open.
    virtual bool isOpen() const = 0;
    // Brings the open caller window to the front.
    virtual void bringForward() = 0;
    // Opens the caller window on the recorded game at path, or loads the game
    // into the one already open; either way it comes to the front.
    virtual void openGame(const QString &path) = 0;
    // Opens the caller window on entries that have no cards: calls without
    // winners. The settings give the heading letters of the calls.
    virtual void openWords(const QStringList &words, const CardSettings &settings) = 0;
    // Closes the caller window, which may ask first (calls not saved); false
    // when it stays open.
    virtual bool close() = 0;
};
