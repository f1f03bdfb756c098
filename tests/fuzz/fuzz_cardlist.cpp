// The document reader on arbitrary bytes: it must not crash, every entry it
// gives must be a trimmed, non-empty line, the entry count must agree with
// the entries, and writing the entries and reading them back must give the
// same entries.
#include "card/Trim.h"
#include "docs/CardListDocument.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QStringList entries = parseCardList(bytes);
    for (const QString &e : entries) {
        if (e.isEmpty() || trimBlanks(e) != e || e.contains(QLatin1Char('\n')))
            std::abort();
    }
    if (countCardListEntries(bytes, MaxCardListEntries) != entries.size())
        std::abort();
    // A written list whose first entry begins with U+FEFF starts with the
    // bytes of a byte-order mark, which the reader takes for one.
    while (!entries.isEmpty() && entries.front().startsWith(QChar(0xFEFF)))
        entries.removeFirst();
    if (parseCardList(formatCardList(entries)) != entries)
        std::abort();
    return 0;
}
