#include "card/SeededRandom.h"

#include <bit>

namespace {

constexpr std::uint64_t Golden = 0x9E3779B97F4A7C15ULL;

} // namespace

std::uint64_t SeededRandomSource::mix64(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

void SeededRandomSource::reseed(std::uint64_t seed)
{
    // Four distinct SplitMix64 states give four outputs of which at most one
    // is zero, so the state is never the all-zero one xoshiro cannot leave.
    for (auto &word : m_s) {
        seed += Golden;
        word = mix64(seed);
    }
}

void SeededRandomSource::reseedForCard(std::uint64_t gameSeed, std::uint64_t card)
{
    reseed(mix64(gameSeed ^ mix64(card)));
}

std::uint64_t SeededRandomSource::next()
{
    const std::uint64_t result = std::rotl(m_s[1] * 5, 7) * 9;
    const std::uint64_t t = m_s[1] << 17;
    m_s[2] ^= m_s[0];
    m_s[3] ^= m_s[1];
    m_s[1] ^= m_s[2];
    m_s[0] ^= m_s[3];
    m_s[2] ^= t;
    m_s[3] = std::rotl(m_s[3], 45);
    return result;
}

std::uint32_t SeededRandomSource::below(std::uint32_t m)
{
    std::uint64_t product = (next() >> 32) * m;
    auto low = static_cast<std::uint32_t>(product);
    if (low < m) {
        const std::uint32_t threshold = static_cast<std::uint32_t>(-m) % m;
        while (low < threshold) {
            product = (next() >> 32) * m;
            low = static_cast<std::uint32_t>(product);
        }
    }
    return static_cast<std::uint32_t>(product >> 32);
}
