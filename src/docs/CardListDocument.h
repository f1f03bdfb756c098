#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// The card-list document: one entry per line, every line ending in CR LF,
// nothing else. Written as UTF-8; each line is read as UTF-8 when it is
// valid UTF-8, else as Windows-1252, so a file edited in two encodings
// reads as it was written.

// The most entries a document may bring: more could not be held in memory.
constexpr qsizetype MaxCardListEntries = 1000000;

// The document's bytes for the entries, in the order given, unchanged.
QByteArray formatCardList(const QStringList &entries);

// The entries of a document's bytes: lines end at LF or CR LF, a lone CR is
// dropped, byte 26 ends the document, every line is trimmed of codes 0 to 32
// and empty lines are skipped. Duplicates stay.
QStringList parseCardList(QByteArrayView bytes);

// How many entries the bytes hold, counting no further than limit.
qsizetype countCardListEntries(QByteArrayView bytes, qsizetype limit);

// Appends the document's entries to entries. A file error, or a document of
// more than MaxCardListEntries entries, appends nothing and throws
// MorvaneError with the file layer's message or one naming the limit.
void ReadCardList(const QString &path, QStringList &entries);

// Replaces the document at path with the entries, atomically: a failed
// write leaves the previous document as it was. Throws MorvaneError.
void WriteCardList(const QString &path, const QStringList &entries);
