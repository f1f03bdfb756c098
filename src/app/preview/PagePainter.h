#pragma once

#include "print/PrintService.h"
#include "print/RecordedPage.h"

class QPainter;

// Draws a recorded page on the painter as the printer would put it on paper:
// the painter's coordinates are the paper's device pixels (the origin at the
// sheet's top-left corner), fonts are sized at the sheet's resolution, and
// the calls land in the printable area as the job placed them.
void paintRecordedPage(QPainter &painter, const RecordedPage &page, const PaperSheet &sheet, const PrintableArea &area);
