#include "game/CallAnnouncer.h"

#include "game/CallBoard.h"
#include <QCoreApplication>

QString CallAnnouncer::unavailableNote()
{
    return QCoreApplication::translate("CallAnnouncer",
                                       "Speech is not available: no speech service was found on this desktop.");
}

void CallAnnouncer::announce(const CallBoard &board, int item)
{
    if (enabled() && item >= 0 && item < board.size())
        m_speaker.say(board.spokenText(item));
}
