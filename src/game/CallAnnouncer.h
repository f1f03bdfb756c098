#pragma once

#include "game/Speaker.h"

#include <QTimer>

#include <functional>

class CallBoard;

// "Speak Calls": says each new call, a drawn one or a board mark, when the
// user has turned it on and the desktop can speak. Undoing and unmarking
// say nothing. A speech service that has not taken a text within the
// answer time is taken for one that does not answer: speech turns itself
// off and says so once, through the handler.
class CallAnnouncer
{
public:
    static constexpr int AnswerTimeMs = 2000;

    explicit CallAnnouncer(ISpeaker &speaker, int answerTimeMs = AnswerTimeMs);

    // Starts looking for the speech service; changed() runs whenever what
    // available() or enabled() say has changed without being asked.
    void start(std::function<void()> changed);

    // True until the service was found missing: a service still being looked
    // for may yet answer.
    bool available() const { return m_available; }
    // The note beside the disabled menu item where the desktop cannot speak.
    static QString unavailableNote();
    // What the user is told when the service stops answering.
    static QString notAnsweringMessage();

    bool enabled() const { return m_enabled && m_available; }
    void setEnabled(bool on) { m_enabled = on; }
    // Set once speech was turned off for a service that did not answer,
    // until the user turns it on again.
    bool stoppedAnswering() const { return m_stoppedAnswering; }
    // "Show Call Names": the call's traditional name is said after it.
    void setCallNames(bool on) { m_callNames = on; }

    void announce(const CallBoard &board, int item);

private:
    void notAnswering();

    ISpeaker &m_speaker;
    std::function<void()> m_changed;
    QTimer m_answer;
    bool m_available = true;
    bool m_enabled = false;
    bool m_stoppedAnswering = false;
    int m_waiting = 0; // texts handed over and not yet taken
    bool m_callNames = false;
};
