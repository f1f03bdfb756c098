#pragma once

#include "game/Speaker.h"

#include <memory>

class QTextToSpeech;

// The desktop's speech service through Qt TextToSpeech (speech-dispatcher on
// Linux). The engine is started the first time it is needed, since starting
// it may start the speech service itself. A build without Qt TextToSpeech,
// a desktop without an engine, or an engine without a voice cannot speak.
class QtSpeaker : public ISpeaker
{
public:
    QtSpeaker();
    ~QtSpeaker() override;
    QtSpeaker(const QtSpeaker &) = delete;
    QtSpeaker &operator=(const QtSpeaker &) = delete;

    bool available() const override;
    void say(const QString &text) override;

private:
    QTextToSpeech *engine() const;

    mutable std::unique_ptr<QTextToSpeech> m_engine;
    mutable bool m_started = false;
    // Asking the service for its voices is a round trip: once is enough.
    mutable bool m_available = false;
};
