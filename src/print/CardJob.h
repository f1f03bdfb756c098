#pragma once

#include "card/CardSettings.h"
#include "card/Prompts.h"
#include "print/CardSource.h"
#include "print/CellTextMemo.h"
#include "print/FaceCount.h"
#include "print/JobNumbering.h"
#include "print/PageLayout.h"
#include "print/PrintRequest.h"

#include <cstdint>

// A card job as the print command works it out once its printer is
// selected: the page, the cards' places on it and how many cards it prints.
// Printing draws its pages one after the other; a preview draws any one of
// them alone, from the same plan and the same cards.
struct CardJobPlan
{
    PrintableArea area;
    PageGeometry page;
    CardPageLayout layout;
    int columns = 0;
    int rows = 0; // the heading row included
    int pages = 0;
    // Every page is printed full.
    std::uint64_t cards = 0;
    FaceCount faces;
};

// Reads the selected printer's page, sets the title and the print font, and
// works the job out from the request. Throws what the print command reports:
// a count that is no number, a page too small for the layout.
CardJobPlan planCardJob(IPrintService &service, const PrintRequest &request);

// Asks before a job prints more cards than the list has faces; true to go on.
bool acceptRepeats(const CardJobPlan &plan, IPrompts &prompts);

// The cards of page `page` (from 0) in their slots, card numbers following on
// from the pages before, each with its number line when the job is numbered.
// The canvas holds the print font, and has it again when this returns.
void drawCardPage(ICanvas &canvas, const CardSettings &settings, const CardJobPlan &plan, int page, ICardSource &cards,
                  JobNumbering &numbering, CellTextMemo *memo);
