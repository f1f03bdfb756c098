#pragma once

#include "game/WinCheck.h"
#include "game/WinIndex.h"

#include <QString>

// "Call 12 of 75".
QString callCountText(int calls, int entries);

// "Bingo: card 17 (call 23), card 204 (call 23)", the winners in the order
// given; empty when there is none. With a limit, the cards past it are
// summed up: "..., card 90 (call 41) and 312 more cards".
QString bingoText(const std::vector<Winner> &winners, int limit = -1);

// The verdict of Check Card: "Card 17: bingo on row 2", "Card 17: no bingo
// yet, 2 cells short of the nearest line", or, for a number outside the game,
// "There is no card 600 in this game: its cards are numbered 1 to 500."
QString verdictText(const CardCheck &check, WinPattern pattern, int cardCount);
