#pragma once

#include <cstdint>

// 64 bits from the system's secure random source (getrandom), for the seed
// of a numbered game: unlike the clock, two games started in the same
// instant, or on two machines, never share a seed but by chance. Throws
// MorvaneError when the system has none to give.
std::uint64_t secureSeed();
