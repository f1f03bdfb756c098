#pragma once

#include "card/Prize.h"

#include <QString>

// The stages a recorded game is played in, kept beside its game file, so
// the game file and its check stay as they are:
//
//   K7Q2MX.mrvgame     the game and its calls
//   K7Q2MX.stages      "Morvane stages 1", then one prize a line in the
//                      order played (see prizeLine)
//
// Which stage was won at which call, and by which cards, follows from the
// calls and is not kept. A game without the file is played without stages.

QString stagesPathFor(const QString &gamePath);

// No stages when there is no file; lines that are no prize are passed over.
// Throws MorvaneError when the file is there but cannot be read.
PrizeStages readStages(const QString &gamePath);
// No stages remove the file. Throws MorvaneError.
void writeStages(const QString &gamePath, const PrizeStages &stages);
