#pragma once

#include <QString>

#include <functional>

// The desktop's speech service, as the caller uses it. Nothing here waits for
// the service: a service that does not answer must not hold up the calls.
// The answers come back on the thread that asked, later or at once.
class ISpeaker
{
public:
    virtual ~ISpeaker() = default;
    // Starts looking for the service and its voices; found says whether the
    // desktop can speak: false where it has no speech service or no voice.
    virtual void start(std::function<void(bool canSpeak)> found) = 0;
    // Hands the text over and returns; answered once the service has taken
    // it. A new text cuts the last one short.
    virtual void say(const QString &text, std::function<void()> answered) = 0;
};
