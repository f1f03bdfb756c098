#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What sort of card the program makes. Every layer that would otherwise
// assume a square card asks here: its shape, how its entries are dealt, what
// it can win (KindPrizes.h). Word cards are the square cards of the word list; tickets are
// 90-ball tickets dealt in strips (TicketStrip.h).
enum class CardKind { WordCards = 0, Tickets90 = 1 };

// The settings file's value: 1 is tickets, anything else word cards.
CardKind cardKindFromStored(int stored);
int storedCardKind(CardKind kind);

// A card's grid. Cells count row by row from 0 over the body, the heading
// row aside.
struct CardShape
{
    int columns = 0;
    int bodyRows = 0;
    int headingRows = 0;
    // The body cell that never holds an entry (the free centre); -1 for none.
    int freeCell = -1;
    // Whether some cells of a card stay blank, and which is the deal's: a
    // ticket's cells list holds an empty string for each.
    bool blankCells = false;

    int rows() const { return bodyRows + headingRows; }
    int bodyCellCount() const { return columns * bodyRows; }
};

struct CardSettings;

// The grid of a card with these settings: side x side under an optional
// heading row, or a ticket's 3 x 9.
CardShape cardShape(const CardSettings &settings);

// How a kind's cards are dealt: that many at a time from one draw of the
// entries (a strip of six tickets shares the numbers 1-90), every card of a
// job different from the others.
int cardsPerDeal(CardKind kind);

// The choices of cards per page the window offers, in the list's order.
QList<int> cardsPerPageChoices(CardKind kind);
// A count of cards per page as the layout uses it: one of the choices.
int layoutCardsPerPage(CardKind kind, int cardsPerPage);

// The entries a kind's cards are made from: the list itself, or, for
// tickets, the numbers 1 to 90 whatever the list holds.
QStringList cardEntries(CardKind kind, const QStringList &words);
