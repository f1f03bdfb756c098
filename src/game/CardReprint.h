#pragma once

#include "print/PrintRequest.h"

#include <cstdint>
#include <vector>

class GameCards;

// Prints cards of a recorded game again, as its job printed them: the same
// card font, page layout and number line, each card in the slot of the page
// it first stood on, so that a reprint matches the lost card and can be cut
// out the same way. Cards that shared a page share one again; pages with no
// card asked for are left out. numbers are card numbers of the game in
// order (parseCardNumbers); printerPosition as the printer list gives it.
// Failures throw MorvaneError; a cancel in the progress dialog drops the
// document.
PrintOutcome reprintCards(GameCards &cards, const std::vector<std::uint64_t> &numbers, int printerPosition,
                          const PrintContext &context);
