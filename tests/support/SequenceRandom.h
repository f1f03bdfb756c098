#pragma once

#include "card/RandomSource.h"

#include <cstdint>

// A repeatable random source that counts its picks, so a test can see
// whether an arrangement ran.
class SequenceRandom : public IRandomSource
{
public:
    explicit SequenceRandom(std::uint64_t seed = 12345) : m_state(seed) {}
    // Starts the sequence of that seed again, as a numbered game does per card.
    void reseed(std::uint64_t seed) { m_state = seed; }
    std::uint32_t below(std::uint32_t m) override
    {
        ++picks;
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>((m_state >> 33) % m);
    }
    int picks = 0;

private:
    std::uint64_t m_state;
};

// Always picks the first remaining entry: arrangements come out in list order.
class FirstPickRandom : public IRandomSource
{
public:
    std::uint32_t below(std::uint32_t) override
    {
        ++picks;
        return 0;
    }
    int picks = 0;
};
