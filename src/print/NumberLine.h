#pragma once

#include "card/CardKind.h"
#include "print/PageLayout.h"
#include "render/Canvas.h"

#include <QString>

#include <cstdint>
#include <vector>

// The small line that names a numbered card, and where it goes on the page.

constexpr int NumberLinePoints = 8;

// "Card 17 · Game K7Q2MX"
QString numberLineText(std::uint64_t card, const QString &code);
QString numberLineText(const QString &card, const QString &code);
// "Ticket 17 · Strip 3 · Game K7Q2MX" for tickets, the line above for cards.
QString numberLineText(CardKind kind, std::uint64_t card, const QString &code);
// The same with the digits given, for measuring.
QString numberLineText(CardKind kind, const QString &card, const QString &strip, const QString &code);

// Where a card's number line may go: a box, and the side of it the text
// keeps to.
struct NumberLinePlace
{
    CanvasRect box;
    bool rightAligned = true;
};

// The line's place for every card slot of a page, for a line of the given
// size at most. A line goes beneath its card, right-aligned with it; where
// that would leave the printable area or come near another card or line,
// above the card; failing that beside it, at the bottom of what the area
// shows of the card. Every place keeps a gap of a quarter of the line's
// height (at least a pen width) from every grid and every other line. With
// no place at all (a page too small), beneath.
std::vector<NumberLinePlace> numberLinePlaces(const PageGeometry &page, const CardPageLayout &layout, int columns,
                                              int rows, int lineWidth, int lineHeight);

// The gap numberLinePlaces keeps, for a line of that height.
int numberLineGap(int lineHeight, int pen);
