#pragma once

#include "card/CardSettings.h"
#include "game/WinCheck.h"

#include <QRect>
#include <QStringList>

class QPainter;
class QImage;

// How wide a printed cell of the game is, in inches: on the paper of the
// user's locale, as an export of it lays out its cards per page. The card
// on screen keeps the same ratio of font to cell, so its texts fit and
// break as they did on paper.
double printedCellInches(const CardSettings &settings, int cardsPerPage);

// Draws a card as printed (grid, heading, free space, cells fitted by the
// printed card's rules in its bold card font) as large as fits the area and
// centred in it, every called cell dabbed with a translucent disc and the
// winning lines of the check drawn over it.
void paintCheckedCard(QPainter &painter, const QRect &area, const CardSettings &settings, const QStringList &cells,
                      const CardCheck &check, double cellInches);
