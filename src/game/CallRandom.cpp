#include "game/CallRandom.h"

#include "card/Error.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <sys/random.h>

namespace {

std::uint32_t secureWord()
{
    std::uint32_t word = 0;
    for (;;) {
        const ssize_t got = getrandom(&word, sizeof word, 0);
        if (got == static_cast<ssize_t>(sizeof word))
            return word;
        if (got < 0 && errno != EINTR)
            break;
    }
    // Kernels before 3.17 have no getrandom; the device gives the same pool.
    std::FILE *device = std::fopen("/dev/urandom", "rb");
    const bool read = device && std::fread(&word, sizeof word, 1, device) == 1;
    if (device)
        std::fclose(device);
    if (!read)
        throw MorvaneError(QCoreApplication::translate("CallRandom", "The system's random source cannot be read"));
    return word;
}

} // namespace

std::uint32_t SystemRandomSource::below(std::uint32_t m)
{
    // Lemire's multiply-and-reject, as the clock source does: no modulo bias.
    std::uint64_t product = std::uint64_t{secureWord()} * m;
    auto low = static_cast<std::uint32_t>(product);
    if (low < m) {
        const std::uint32_t threshold = static_cast<std::uint32_t>(-m) % m;
        while (low < threshold) {
            product = std::uint64_t{secureWord()} * m;
            low = static_cast<std::uint32_t>(product);
        }
    }
    return static_cast<std::uint32_t>(product >> 32);
}
