#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// The cards a user asks for by number, typed as "17, 20-25": numbers and
// ranges parted by commas, semicolons or blanks, a range either way round.
// Returns them in card order, each once. Throws MorvaneError on the first
// part that is no card of a game of cardCount cards, or on an empty text.
std::vector<std::uint64_t> parseCardNumbers(const QString &text, std::uint64_t cardCount);
