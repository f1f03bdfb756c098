#pragma once

#include "card/CardKind.h"

#include <QCoreApplication>
#include <QString>

// Cells per side for a card-size index: 0 gives 3, 1 gives 5, anything else
// (2, or no selection at all) gives 7.
inline int cardSide(int sizeIndex)
{
    return sizeIndex == 0 ? 3 : sizeIndex == 1 ? 5 : 7;
}

// A size above this counts as this: a hand-edited settings file could hold
// 2147483647, and the fitting loops step down one point at a time.
constexpr int MaxCardFontSize = 999;

inline int clampedFontSize(int points)
{
    return points > MaxCardFontSize ? MaxCardFontSize : points;
}

// The card options, read from the main window's controls when needed.
struct CardSettings
{
    int sizeIndex = 1;
    bool freeSpace = true;
    QString freeSpaceText = QStringLiteral("Free Space");
    bool heading = true;
    QString headingText = QStringLiteral("BINGO");
    bool wordWrap = true;
    QString fontName = QStringLiteral("Arial");
    int fontSize = 20;
    // Every text of the card starts from fontSize, not from the size where
    // "Free Space!" fits a cell.
    bool largePrint = false;
    // Tickets leave the size, free space, heading and word wrap aside.
    CardKind kind = CardKind::WordCards;

    int side() const { return cardSide(sizeIndex); }
};

// The free-space text of a user who never typed one, in the desktop's
// language: a German player's card says "Freifeld". What the user types, and
// what the settings file holds, is kept as it is.
inline QString startingFreeSpaceText()
{
    return QCoreApplication::translate("CardSettings", "Free Space");
}
