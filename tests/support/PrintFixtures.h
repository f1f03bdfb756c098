#pragma once

#include "FakeCanvas.h"
#include "FakePrintService.h"
#include "Fixtures.h"

#include "print/PrintRequest.h"

#include <QStringList>

// A request for 5 x 5 cards with heading and free space from the numbers 1 to
// 75, one card on the default printer.
inline PrintRequest numbersRequest(const QString &cards = QStringLiteral("1"),
                                   const QString &perPage = QStringLiteral("1"))
{
    PrintRequest r;
    r.words = numberEntries(1, 75);
    r.settings.sizeIndex = 1;
    r.settings.freeSpace = true;
    r.settings.heading = true;
    r.cardCountText = cards;
    r.cardsPerPageText = perPage;
    r.printerPosition = -1;
    return r;
}

// One card of a printed page: its grid lines and the texts inside its grid.
struct PrintedCard
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    QList<FakeCanvas::Line> lines;
    QList<FakeCanvas::Text> texts;

    bool contains(int px, int py) const { return px >= x && px < x + width && py >= y && py < y + height; }
};

// Splits a page drawn by PrintCard into cards: every card owns 2 + rows +
// columns lines, the first its left border drawn down from its top-left
// corner, the second its top border; a text belongs to the card whose grid
// holds its top-left corner.
inline QList<PrintedCard> cardsOfPage(const FakePrintService::Page &page, int rows, int columns)
{
    QList<PrintedCard> cards;
    const int linesPerCard = 2 + rows + columns;
    for (qsizetype i = 0; i + linesPerCard <= page.lines.size(); i += linesPerCard) {
        PrintedCard c;
        c.lines = page.lines.mid(i, linesPerCard);
        c.x = c.lines.at(0).x0;
        c.y = c.lines.at(0).y0;
        c.height = c.lines.at(0).y1 - c.y;
        c.width = c.lines.at(1).x1 - c.x;
        cards.append(c);
    }
    for (const auto &t : page.texts)
        for (auto &c : cards)
            if (c.contains(t.x, t.y)) {
                c.texts.append(t);
                break;
            }
    return cards;
}

// The strings a card shows, in drawing order.
inline QStringList stringsOf(const PrintedCard &card)
{
    QStringList l;
    for (const auto &t : card.texts)
        l.append(t.text);
    return l;
}
