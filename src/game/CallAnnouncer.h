#pragma once

#include "game/Speaker.h"

class CallBoard;

// "Speak Calls": says each new call, a drawn one or a board mark, when the
// user has turned it on and the desktop can speak. Undoing and unmarking
// say nothing.
class CallAnnouncer
{
public:
    explicit CallAnnouncer(ISpeaker &speaker) : m_speaker(speaker) {}

    bool available() const { return m_speaker.available(); }
    // The note beside the disabled menu item where the desktop cannot speak.
    static QString unavailableNote();

    bool enabled() const { return m_enabled && available(); }
    void setEnabled(bool on) { m_enabled = on; }
    // "Show Call Names": the call's traditional name is said after it.
    void setCallNames(bool on) { m_callNames = on; }

    void announce(const CallBoard &board, int item);

private:
    ISpeaker &m_speaker;
    bool m_enabled = false;
    bool m_callNames = false;
};
