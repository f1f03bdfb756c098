#pragma once

#include "game/WinCheck.h"
#include "game/WinIndex.h"

#include <QString>

// "Call 12 of 75", the counts grouped as the user's language groups them:
// "Call 1,234 of 100,000".
QString callCountText(int calls, int entries);

// The calls the game file at path does not hold after a write failed for
// the reason given: "Call 46 was not saved in "/…/K7Q2MX.mrvgame": Disk
// full." The calls on screen past the file's are unsavedCalls, the last of
// them call callCount; takeBacks are calls the file still holds that were
// taken back on screen.
QString unsavedCallsText(const QString &path, const QString &reason, int unsavedCalls, int callCount, int takeBacks);

// "Bingo: card 17 (call 23), card 204 (call 23)", the winners in the order
// given; empty when there is none. With a limit, the cards past it are
// summed up: "..., card 90 (call 41) and 312 more cards".
QString bingoText(const std::vector<Winner> &winners, int limit = -1);

// The verdict of Check Card: "Card 17: bingo on row 2", "Card 17: no bingo
// yet, 2 cells short of the nearest line", or, for a number outside the game,
// "There is no card 600 in this game: its cards are numbered 1 to 500."
QString verdictText(const CardCheck &check, WinPattern pattern, int cardCount);
