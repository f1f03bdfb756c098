#pragma once

#include <cstdint>

// Where the arrangement takes its picks from.
class IRandomSource
{
public:
    virtual ~IRandomSource() = default;
    // A uniform draw r with 0 <= r < m; m is at least 1.
    virtual std::uint32_t below(std::uint32_t m) = 0;
};

// Takes fresh entropy from the high-resolution clock before every pick, as
// a reseed would, but mixes it into a running state: two picks that read the
// same clock tick still differ. Draws carry no modulo bias.
class ClockRandomSource : public IRandomSource
{
public:
    ClockRandomSource();
    std::uint32_t below(std::uint32_t m) override;

private:
    std::uint64_t next();
    std::uint64_t m_state;
};
