#include "game/CallAnnouncer.h"

#include "game/CallBoard.h"

QString CallAnnouncer::unavailableNote()
{
    return QStringLiteral("Speech is not available: no speech service was found on this desktop.");
}

void CallAnnouncer::announce(const CallBoard &board, int item)
{
    if (enabled() && item >= 0 && item < board.size())
        m_speaker.say(board.spokenText(item));
}
