#include "game/GameRecord.h"

#include "card/TicketStrip.h"

int shownCells(const CardSettings &settings)
{
    if (settings.kind == CardKind::Tickets90)
        return TicketCells;
    const int side = settings.side();
    return side * side - (settings.freeSpace ? 1 : 0);
}
