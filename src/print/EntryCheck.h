#pragma once

#include "card/CardSettings.h"
#include "card/Prompts.h"

#include <QtGlobal>

// The least number of entries a print command accepts: the card side
// squared, one less with a free space. The heading row does not count.
int RequiredEntryCount(int sizeIndex, bool freeSpace);

// Shows "Your bingo card needs N words at least, ..." and returns false when
// the list is too short for the card.
bool checkEntryCount(qsizetype entries, const CardSettings &settings, IPrompts &prompts);
