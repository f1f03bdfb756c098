#include "game/CallAnnouncer.h"

#include "game/CallBoard.h"
#include "game/CallNames.h"
#include <QCoreApplication>

CallAnnouncer::CallAnnouncer(ISpeaker &speaker, int answerTimeMs) : m_speaker(speaker)
{
    m_answer.setSingleShot(true);
    m_answer.setInterval(answerTimeMs);
    QObject::connect(&m_answer, &QTimer::timeout, [this] { notAnswering(); });
}

QString CallAnnouncer::unavailableNote()
{
    return QCoreApplication::translate("CallAnnouncer",
                                       "Speech is not available: no speech service was found on this desktop.");
}

QString CallAnnouncer::notAnsweringMessage()
{
    return QCoreApplication::translate("CallAnnouncer",
                                       "The speech service does not answer, so Speak Calls has been turned off. "
                                       "The calls go on without speech.");
}

void CallAnnouncer::start(std::function<void()> changed)
{
    m_changed = std::move(changed);
    m_speaker.start([this](bool canSpeak) {
        m_available = canSpeak;
        if (!canSpeak)
            m_answer.stop();
        if (m_changed)
            m_changed();
    });
}

void CallAnnouncer::announce(const CallBoard &board, int item)
{
    if (!enabled() || item < 0 || item >= board.size())
        return;
    m_stoppedAnswering = false;
    // The clock runs from the oldest text not yet taken: a service that
    // takes none of a quick run of calls is found out all the same.
    if (m_waiting++ == 0)
        m_answer.start();
    const QString name = m_callNames ? callName(board.label(item)) : QString();
    const QString text = name.isEmpty() ? board.spokenText(item) : board.spokenText(item) + QStringLiteral(". ") + name;
    m_speaker.say(text, [this] {
        if (m_waiting > 0 && --m_waiting == 0)
            m_answer.stop();
    });
}

void CallAnnouncer::notAnswering()
{
    m_waiting = 0;
    if (!m_enabled)
        return;
    m_enabled = false;
    m_stoppedAnswering = true;
    if (m_changed)
        m_changed();
}
