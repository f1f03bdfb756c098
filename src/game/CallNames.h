#pragma once

#include <QString>

// The traditional English bingo call name of a number from 1 to 90 ("Legs
// eleven"); empty for any other text. A call whose label is no plain number
// has none.
QString callName(const QString &label);
