#pragma once

#include "card/CardKind.h"
#include "print/PrintService.h"

#include <vector>

// A page as the layouts see it, in device pixels: the printable area's size,
// the margins (three physical offsets each) and the pen width.
struct PageGeometry
{
    int width = 0;
    int height = 0;
    int marginX = 0;
    int marginY = 0;
    int pen = 1;
};

PageGeometry pageGeometry(const PrintableArea &area, int pen);

struct CardSlot
{
    int x = 0;
    int y = 0;
    bool operator==(const CardSlot &) const = default;
};

// The cell side and the top-left corners of the cards of one page, in
// drawing order. A cell side of 0 or less means the page has no room.
struct CardPageLayout
{
    int cellSide = 0;
    std::vector<CardSlot> slots;
};

// The list offers 1, 2 and 4 cards per page; any other value is laid out as 4.
int layoutCardsPerPage(int cardsPerPage);

// The cards of a page for 1, 2 or 4 per page, each columns x rows cells (rows
// include the heading row).
CardPageLayout layoutCardPage(int cardsPerPage, const PageGeometry &page, int columns, int rows);

// The tickets of a page: one strip of six stacked down the page, or two
// strips side by side, each ticket columns x rows cells, three quarters of
// a cell apart so that a number line fits between them.
CardPageLayout layoutTicketPage(int ticketsPerPage, const PageGeometry &page, int columns, int rows);

// The page of a job of that kind.
CardPageLayout layoutKindPage(CardKind kind, int cardsPerPage, const PageGeometry &page, int columns, int rows);

// Pages for the cards, every page printed full; none for a count below 1.
int pageCount(int cards, int cardsPerPage);
