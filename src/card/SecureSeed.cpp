#include "card/SecureSeed.h"

#include "card/Error.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <sys/random.h>

std::uint64_t secureSeed()
{
    std::uint64_t seed = 0;
    auto *bytes = reinterpret_cast<unsigned char *>(&seed);
    std::size_t got = 0;
    while (got < sizeof seed) {
        const ssize_t n = ::getrandom(bytes + got, sizeof seed - got, 0);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw MorvaneError(QCoreApplication::translate("SecureSeed", "The system gave no random numbers (%1)")
                                   .arg(QString::fromLocal8Bit(std::strerror(errno))));
        }
        got += std::size_t(n);
    }
    return seed;
}
