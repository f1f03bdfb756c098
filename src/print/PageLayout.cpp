#include "print/PageLayout.h"

#include "card/TicketStrip.h"

#include <algorithm>

PageGeometry pageGeometry(const PrintableArea &area, int pen)
{
    return {area.width, area.height, 3 * area.offsetX, 3 * area.offsetY, pen};
}

int layoutCardsPerPage(int cardsPerPage)
{
    return cardsPerPage == 1 || cardsPerPage == 2 ? cardsPerPage : 4;
}

CardPageLayout layoutCardPage(int cardsPerPage, const PageGeometry &page, int columns, int rows)
{
    const int w = page.width;
    const int h = page.height;
    const int mx = page.marginX;
    const int my = page.marginY;
    const int p = page.pen;
    CardPageLayout layout;
    int &s = layout.cellSide;
    switch (layoutCardsPerPage(cardsPerPage)) {
    case 1:
        // Sized by columns only, so a card with a heading row is one cell
        // taller than wide; it is centred on the whole area.
        s = (std::min(w - 2 * mx, h - 2 * my) - p) / columns;
        layout.slots = {{(w - columns * s) / 2, (h - rows * s) / 2}};
        break;
    case 2:
        s = std::min((h - 2 * my - 2 * p) / (2 * rows + 1), (w - 2 * mx - 2 * p) / columns);
        layout.slots = {{(w - columns * s) / 2, my}, {(w - columns * s) / 2, h - my - rows * s - p}};
        break;
    default: {
        s = std::min((h - 2 * my - 2 * p) / (2 * rows + 1), (w - 2 * mx - 2 * p) / (2 * columns + 1));
        const int right = w - mx - columns * s - p;
        const int bottom = h - my - rows * s - p;
        layout.slots = {{mx, my}, {right, my}, {mx, bottom}, {right, bottom}};
        break;
    }
    }
    return layout;
}

CardPageLayout layoutTicketPage(int ticketsPerPage, const PageGeometry &page, int columns, int rows)
{
    const int strips = ticketsPerPage / TicketsPerStrip;
    const int w = page.width - 2 * page.marginX - page.pen;
    const int h = page.height - 2 * page.marginY - page.pen;
    // Down the page, in quarter cells: six tickets and five gaps of three
    // quarters; across: the strips and a cell between them.
    const int tall = 4 * TicketsPerStrip * rows + 3 * (TicketsPerStrip - 1);
    const int wide = strips * columns + (strips - 1);
    CardPageLayout layout;
    const int s = std::min(4 * h / tall, w / wide);
    layout.cellSide = s;
    const int left = (page.width - wide * s - page.pen) / 2;
    const int top = page.marginY;
    for (int strip = 0; strip < strips; ++strip)
        for (int t = 0; t < TicketsPerStrip; ++t)
            layout.slots.push_back({left + strip * (columns + 1) * s, top + t * (rows * s + 3 * s / 4)});
    return layout;
}

CardPageLayout layoutKindPage(CardKind kind, int cardsPerPage, const PageGeometry &page, int columns, int rows)
{
    const int perPage = layoutCardsPerPage(kind, cardsPerPage);
    if (kind == CardKind::Tickets90)
        return layoutTicketPage(perPage, page, columns, rows);
    return layoutCardPage(perPage, page, columns, rows);
}

int pageCount(int cards, int cardsPerPage)
{
    if (cards < 1)
        return 0;
    return cards / cardsPerPage + (cards % cardsPerPage != 0 ? 1 : 0);
}
