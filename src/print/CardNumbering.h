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
    // Runs once the document has been handed over, with the number of cards
    // it holds; never after a cancel or a failure.
    std::function<void(std::uint64_t cards)> documentEnded;
    // Tickets name their strip too.
    CardKind kind = CardKind::WordCards;
};
