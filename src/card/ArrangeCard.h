#pragma once

#include "card/RandomSource.h"

#include <QStringList>

#include <vector>

// True when the list is exactly 75 whole numbers from 1 to 75, which puts the
// card into the standard column rule (1-15, 16-30, 31-45, 46-60, 61-75).
bool isStandardNumberList(const QStringList &words);

// Fills cardCells afresh from the words, in their list order. Its length
// becomes the number of words; consumers read it as a sequence, row by row,
// the free centre taking no slot.
void ArrangeCard(const QStringList &words, int sizeIndex, bool freeSpace, QStringList &cardCells,
                 IRandomSource &random);

// The cells a card shows, exactly as ArrangeCard would fill them from the
// same random state: the same draws in the same order, stopping once the
// shown slots are drawn. In the shuffle mode those are the first side x side
// slots, one fewer with a free space, and cardCells holds only them; the
// standard number mode draws little more than that and is ArrangeCard itself,
// slots it leaves alone included. For print jobs, where only the face counts.
// positions, when given, receives where each shown cell's entry stands in
// words (shuffle mode only), for CompleteArrangement.
void ArrangeShownCells(const QStringList &words, int sizeIndex, bool freeSpace, QStringList &cardCells,
                       IRandomSource &random, std::vector<qsizetype> *positions = nullptr);

// Completes the shown cells ArrangeShownCells drew (at positions) into the
// whole arrangement, drawing the rest of the list as ArrangeCard goes on to
// draw it: from the same random state, the two calls make ArrangeCard's very
// draws and cells. Nothing to do in the standard number mode.
void CompleteArrangement(const QStringList &words, const std::vector<qsizetype> &positions, QStringList &cardCells,
                         IRandomSource &random);
