#include "docs/CardListDocument.h"

#include "card/Error.h"
#include "docs/RawFile.h"
#include "docs/TextCodec.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

bool isBlankByte(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

// Hands each line that holds an entry to take, trimmed, as bytes; returns
// early when take returns false. Trimming bytes is trimming characters:
// codes 0 to 32 are single bytes in UTF-8 and in Windows-1252 alike.
template <typename Take>
void forEachEntryLine(QByteArrayView bytes, Take &&take)
{
    const qsizetype eof = bytes.indexOf('\x1a');
    if (eof >= 0)
        bytes = bytes.first(eof);
    // The byte-order mark tells the encoding; it is not part of the first entry.
    if (bytes.startsWith("\xef\xbb\xbf"))
        bytes = bytes.sliced(3);
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        qsizetype first = start;
        qsizetype last = end;
        start = end + 1;
        while (first < last && isBlankByte(bytes[first]))
            ++first;
        while (last > first && isBlankByte(bytes[last - 1]))
            --last;
        if (first < last && !take(bytes.sliced(first, last - first)))
            return;
    }
}

} // namespace

QByteArray formatCardList(const QStringList &entries)
{
    QByteArray bytes;
    for (const QString &entry : entries) {
        bytes.append(entry.toUtf8());
        bytes.append("\r\n", 2);
    }
    return bytes;
}

QStringList parseCardList(QByteArrayView bytes)
{
    QStringList entries;
    QByteArray clean;
    forEachEntryLine(bytes, [&](QByteArrayView line) {
        // A CR ahead of LF ends the line with it; any other CR belongs to no
        // line. Either way it is not text.
        if (line.contains('\r')) {
            clean = line.toByteArray();
            clean.replace("\r", "");
            line = clean;
        }
        entries.append(decodeText(line, false));
        return true;
    });
    return entries;
}

qsizetype countCardListEntries(QByteArrayView bytes, qsizetype limit)
{
    qsizetype count = 0;
    forEachEntryLine(bytes, [&](QByteArrayView) { return ++count < limit; });
    return count;
}

void ReadCardList(const QString &path, QStringList &entries)
{
    QByteArray bytes;
    // After a read error nothing is parsed: what was read may be the first
    // 256 MiB of a file that is still growing.
    readWholeFile(path, bytes);
    // Counted before any entry is built: the list of a larger document would
    // not fit in memory.
    if (countCardListEntries(bytes, MaxCardListEntries + 1) > MaxCardListEntries)
        throw MorvaneError(QCoreApplication::translate(
                               "CardListDocument", "The card list has more than %1 entries, the most Morvane can open")
                               .arg(QLocale(QLocale::English).toString(MaxCardListEntries)));
    entries.append(parseCardList(bytes));
}

void WriteCardList(const QString &path, const QStringList &entries)
{
    writeFileAtomically(path, formatCardList(entries));
}
