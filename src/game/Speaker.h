#pragma once

#include <QString>

// The desktop's speech service, as the caller uses it.
class ISpeaker
{
public:
    virtual ~ISpeaker() = default;
    // False where the desktop has no speech service or no voice.
    virtual bool available() const = 0;
    // Starts saying the text and returns; a new text cuts the last one short.
    virtual void say(const QString &text) = 0;
};
