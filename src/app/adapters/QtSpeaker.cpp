#include "app/adapters/QtSpeaker.h"

#ifdef MORVANE_HAVE_SPEECH
#include <QTextToSpeech>
#include <QVoice>
#else
class QTextToSpeech
{
};
#endif

QtSpeaker::QtSpeaker() = default;
QtSpeaker::~QtSpeaker() = default;

QTextToSpeech *QtSpeaker::engine() const
{
#ifdef MORVANE_HAVE_SPEECH
    if (!m_started) {
        m_started = true;
        if (!QTextToSpeech::availableEngines().isEmpty())
            m_engine = std::make_unique<QTextToSpeech>();
        // speech-dispatcher without an output module reports no voice: it
        // would accept every text and say nothing.
        m_available = m_engine && m_engine->state() != QTextToSpeech::Error && !m_engine->availableVoices().isEmpty();
    }
#endif
    return m_engine.get();
}

bool QtSpeaker::available() const
{
#ifdef MORVANE_HAVE_SPEECH
    engine();
    return m_available;
#else
    return false;
#endif
}

void QtSpeaker::say(const QString &text)
{
#ifdef MORVANE_HAVE_SPEECH
    if (!available())
        return;
    m_engine->stop();
    m_engine->say(text);
#else
    Q_UNUSED(text);
#endif
}
