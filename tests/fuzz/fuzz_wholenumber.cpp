// The whole-number routine on arbitrary strings: it must never crash, and
// whatever it accepts must print back to the same value.
#include "card/WholeNumber.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const auto value = tryStrToInt(text);
    if (value) {
        // Accepted text is blanks, a sign, an optional prefix and digits only.
        const QString decimal = QString::number(*value);
        const auto again = tryStrToInt(decimal);
        if (!again || *again != *value)
            std::abort();
    }
    return 0;
}
