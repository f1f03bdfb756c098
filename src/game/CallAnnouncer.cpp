#include "game/CallAnnouncer.h"

#include "game/CallBoard.h"
#include "game/CallNames.h"
#include <QCoreApplication>

QString CallAnnouncer::unavailableNote()
{
    return QCoreApplication::translate("CallAnnouncer",
                                       "Speech is not available: no speech service was found on this desktop.");
}

void CallAnnouncer::announce(const CallBoard &board, int item)
{
    if (!enabled() || item < 0 || item >= board.size())
        return;
    const QString name = m_callNames ? callName(board.label(item)) : QString();
    m_speaker.say(name.isEmpty() ? board.spokenText(item) : board.spokenText(item) + QStringLiteral(". ") + name);
}
