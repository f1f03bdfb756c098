#include "card/RandomSource.h"

#include <chrono>

namespace {

std::uint64_t clockTicks()
{
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

std::uint64_t splitmix64(std::uint64_t &state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

ClockRandomSource::ClockRandomSource()
    : m_state(clockTicks() ^ static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()))
{
}

std::uint64_t ClockRandomSource::next()
{
    m_state ^= clockTicks();
    return splitmix64(m_state);
}

std::uint32_t ClockRandomSource::below(std::uint32_t m)
{
    // Lemire's multiply-and-reject: uniform over [0, m) without division bias.
    std::uint64_t x = static_cast<std::uint32_t>(next());
    std::uint64_t product = x * m;
    auto low = static_cast<std::uint32_t>(product);
    if (low < m) {
        const std::uint32_t threshold = static_cast<std::uint32_t>(-m) % m;
        while (low < threshold) {
            x = static_cast<std::uint32_t>(next());
            product = x * m;
            low = static_cast<std::uint32_t>(product);
        }
    }
    return static_cast<std::uint32_t>(product >> 32);
}
