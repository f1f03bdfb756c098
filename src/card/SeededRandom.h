#pragma once

#include "card/RandomSource.h"

#include <array>
#include <cstdint>

// The generator of numbered games: xoshiro256** (Blackman and Vigna, 2018),
// its 256-bit state filled from a SplitMix64 stream. Every card of a game
// draws from a stream of its own, started from the game's seed and the card's
// number, so a recorded game can be made again card by card on any machine:
// nothing here depends on the platform, the clock or the library's version.
// Changing any step changes every recorded game's cards.
class SeededRandomSource : public IRandomSource
{
public:
    explicit SeededRandomSource(std::uint64_t seed = 0) { reseed(seed); }

    // The state becomes the next four outputs of SplitMix64 started at seed.
    void reseed(std::uint64_t seed);
    // The stream of card `card` (1, 2, ...) of the game with that seed: the
    // SplitMix64 start is mix64(gameSeed ^ mix64(card)), mix64 being
    // SplitMix64's output function. mix64 is a bijection, so for one game
    // every card number gives a different start.
    void reseedForCard(std::uint64_t gameSeed, std::uint64_t card);

    std::uint64_t next();
    // A uniform draw from [0, m): the high 32 bits of next(), mapped by
    // Lemire's multiply-shift, drawing again when the product falls into the
    // short range that would make some results more likely than others.
    std::uint32_t below(std::uint32_t m) override;

    // SplitMix64's output function (Steele, Lea and Flood, 2014).
    static std::uint64_t mix64(std::uint64_t z);

private:
    std::array<std::uint64_t, 4> m_s{};
};
