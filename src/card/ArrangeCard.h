#pragma once

#include "card/RandomSource.h"

#include <QStringList>

// True when the list is exactly 75 whole numbers from 1 to 75, which puts the
// card into the standard column rule (1-15, 16-30, 31-45, 46-60, 61-75).
bool isStandardNumberList(const QStringList &words);

// Fills cardCells afresh from the words, in their list order. Its length
// becomes the number of words; consumers read it as a sequence, row by row,
// the free centre taking no slot.
void ArrangeCard(const QStringList &words, int sizeIndex, bool freeSpace, QStringList &cardCells,
                 IRandomSource &random);
