#pragma once

#include "print/PageLayout.h"
#include "print/PrintRequest.h"
#include "render/Canvas.h"

#include <QStringList>

// An entry is shrunk to fit its column down to this size and no further:
// below it the list is refused rather than printed as a smear.
constexpr int LegibleCallListSize = 6;

// The columns of the call list: as many as the entries' total height needs
// over the usable height, sharing the width less the margins equally.
struct CallListLayout
{
    int usableHeight = 0;
    qint64 totalHeight = 0;
    qint64 columns = 0;
    int columnWidth = 0;
};

// Measures the entries in the canvas's current font: one column more for
// every started usable height. Throws the "too small" failure when the page
// leaves no room for even one legible line, and "The call list is too long
// to print on one page: ..." when an entry would have to shrink below
// LegibleCallListSize to fit its column (or does not fit even at a smaller
// starting size), so no entry is ever drawn over another.
CallListLayout layoutCallList(ICanvas &canvas, const QStringList &entries, const PageGeometry &page);

// Draws the entries down the columns of a layout that layoutCallList made;
// an entry too wide for its column is drawn smaller, and the next starts
// again at the size the canvas held. An entry starting above the usable
// height stays in its column unless it would run off the printable area.
void drawCallList(ICanvas &canvas, const QStringList &entries, const PageGeometry &page, const CallListLayout &layout);

// The call list command: every entry of the list on one page.
PrintOutcome printCallList(const PrintRequest &request, const PrintContext &context);
