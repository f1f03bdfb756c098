#pragma once

#include "card/CardKind.h"

#include <QString>

#include <cstdint>
#include <functional>

// What makes a card print job a numbered game: every card is arranged from
// the game's own generator, reseeded for the card's number (1, 2, ... in
// print order), and carries its number line. Leave it out and the job is
// the plain one.
struct CardNumbering
{
    std::uint64_t seed = 0;
    QString code;
    // Runs once every page is drawn, just before the document is handed
    // over, with the number of cards it holds; never after a cancel. A throw
    // ends the job with nothing handed over, so no card carries a code that
    // was not kept.
    std::function<void(std::uint64_t cards)> documentEnding;
    // Runs when handing the document over failed after documentEnding.
    std::function<void()> documentFailed;
    // Tickets name their strip too.
    CardKind kind = CardKind::WordCards;
};
