#pragma once

#include "game/Speaker.h"

#include <memory>

class QObject;
class QThread;

// The desktop's speech service through Qt TextToSpeech (speech-dispatcher on
// Linux). The engine lives on a thread of its own and is made there the
// first time it is needed: making it, asking for its voices and handing it
// a text are round trips to the service, which may be starting, stopped or
// hung, and none of them may hold up the window. A build without Qt
// TextToSpeech, a desktop without an engine, or an engine without a voice
// cannot speak.
class QtSpeaker : public ISpeaker
{
public:
    QtSpeaker();
    ~QtSpeaker() override;
    QtSpeaker(const QtSpeaker &) = delete;
    QtSpeaker &operator=(const QtSpeaker &) = delete;

    void start(std::function<void(bool canSpeak)> found) override;
    void say(const QString &text, std::function<void()> answered) override;

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
    QThread *m_thread = nullptr;
    QObject *m_worker = nullptr;  // lives on m_thread
    QObject *m_replies = nullptr; // lives on this thread
};
