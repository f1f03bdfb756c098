#pragma once

#include "card/CardKind.h"
#include "card/Prize.h"

#include <QString>

#include <cstdint>
#include <vector>

class CallSession;

// A prize of the game's stages that one card holds, as Check Card shows it.
struct HeldPrize
{
    int stage = 0;
    int call = 0;                      // the call at which the card first held it
    bool won = false;                  // among the stage's winners
    std::vector<std::uint64_t> shapes; // the cells of each complete shape, for framing

    friend bool operator==(const HeldPrize &, const HeldPrize &) = default;
};

// In the order of the stages; none for a card outside the game.
std::vector<HeldPrize> heldPrizes(const CallSession &session, int card);

// "Ticket 17 holds One Line (won at call 23), Two Lines (since call 41)",
// "Card 17 holds no prize yet", or, for a number outside the game, "There is
// no ticket 600 in this game: its tickets are numbered 1 to 500."
QString heldPrizesText(const std::vector<HeldPrize> &held, const PrizeStages &prizes, int card, int cardCount,
                       CardKind kind);
