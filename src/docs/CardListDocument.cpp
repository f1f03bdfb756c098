#include "docs/CardListDocument.h"

#include "card/Error.h"
#include "card/Trim.h"
#include "docs/RawFile.h"
#include "docs/TextCodec.h"

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
    const qsizetype eof = bytes.indexOf('\x1a');
    if (eof >= 0)
        bytes = bytes.first(eof);
    // A CR ahead of LF ends the line with it; any other CR belongs to no
    // line. Either way it is not text.
    QByteArray clean;
    clean.reserve(bytes.size());
    for (const char c : bytes) {
        if (c != '\r')
            clean.append(c);
    }
    QStringList entries;
    const QString text = decodeText(clean);
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        const QString entry = trimBlanks(QStringView(text).sliced(start, end - start).toString());
        if (!entry.isEmpty())
            entries.append(entry);
        start = end + 1;
    }
    return entries;
}

void ReadCardList(const QString &path, QStringList &entries)
{
    QByteArray bytes;
    try {
        readWholeFile(path, bytes);
    } catch (const MorvaneError &) {
        const qsizetype lastLineEnd = bytes.lastIndexOf('\n');
        if (lastLineEnd >= 0)
            entries.append(parseCardList(QByteArrayView(bytes).first(lastLineEnd + 1)));
        throw;
    }
    entries.append(parseCardList(bytes));
}

void WriteCardList(const QString &path, const QStringList &entries)
{
    writeFileAtomically(path, formatCardList(entries));
}
