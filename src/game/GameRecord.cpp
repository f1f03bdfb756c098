#include "game/GameRecord.h"

int shownCells(const CardSettings &settings)
{
    const int side = settings.side();
    return side * side - (settings.freeSpace ? 1 : 0);
}
