#pragma once

#include "app/game/CallerWindows.h"

#include <QStringList>

// Stands in for the caller window: records what it was asked to open, in
// order, as "game <path>", "words <count>" or "forward".
class FakeCallerWindows : public ICallerWindows
{
public:
    QStringList calls;
    QStringList words;
    CardSettings settings;
    bool open = false;
    bool closes = true; // the answer of the window asked to close

    bool close() override
    {
        calls.append(QStringLiteral("close"));
        open = open && !closes;
        return closes;
    }

    bool isOpen() const override { return open; }
    void bringForward() override { calls.append(QStringLiteral("forward")); }
    void openGame(const QString &path) override
    {
        calls.append(QStringLiteral("game ") + path);
        open = true;
    }
    void openWords(const QStringList &w, const CardSettings &s) override
    {
        calls.append(QStringLiteral("words %1").arg(w.size()));
        words = w;
        settings = s;
        open = true;
    }
};
