#pragma once

#include "game/Speaker.h"

#include <QStringList>

// Keeps what it was asked to say instead of saying it.
class FakeSpeaker : public ISpeaker
{
public:
    explicit FakeSpeaker(bool available = true) : m_available(available) {}
    bool available() const override { return m_available; }
    void say(const QString &text) override { said.append(text); }
    QStringList said;

private:
    bool m_available;
};
