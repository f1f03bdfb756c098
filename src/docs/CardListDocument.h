#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// The card-list document: one entry per line, every line ending in CR LF,
// nothing else. Written as UTF-8; read as UTF-8 when valid, else as
// Windows-1252.

// The document's bytes for the entries, in the order given, unchanged.
QByteArray formatCardList(const QStringList &entries);

// The entries of a document's bytes: lines end at LF or CR LF, a lone CR is
// dropped, byte 26 ends the document, every line is trimmed of codes 0 to 32
// and empty lines are skipped. Duplicates stay.
QStringList parseCardList(QByteArrayView bytes);

// Appends the document's entries to entries. On a file error the entries
// of the whole lines read before it are appended, then MorvaneError is
// thrown with the file layer's message.
void ReadCardList(const QString &path, QStringList &entries);

// Replaces the document at path with the entries, atomically: a failed
// write leaves the previous document as it was. Throws MorvaneError.
void WriteCardList(const QString &path, const QStringList &entries);
