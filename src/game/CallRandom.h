#pragma once

#include "card/RandomSource.h"

// The system's secure random source (getrandom), for the caller's draws:
// nobody in the hall can foresee the next call from the time it was made.
class SystemRandomSource : public IRandomSource
{
public:
    std::uint32_t below(std::uint32_t m) override;
};
