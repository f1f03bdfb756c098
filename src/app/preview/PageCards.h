#pragma once

#include "print/RecordedPage.h"
#include "render/CardTextTable.h"

#include <QList>

// A card as a preview page shows it: where its grid stands (device pixels
// from the printable area's corner, the heading row included) and what its
// cells say.
struct PageCard
{
    CanvasRect grid;
    CardTextTable cells;
    // What is printed outside the grid after it: a numbered card's line.
    QString note;
};

// The cards on a recorded page, read back from what was drawn: each grid
// from its ruled lines, each text in the cell its middle falls in (the two
// lines of a wrapped entry joined again). With headingRow the first row of
// every grid gives the column headers. dpi is the page's resolution, which
// sizes the texts' lines.
QList<PageCard> cardsOnPage(const RecordedPage &page, bool headingRow, int dpi);
