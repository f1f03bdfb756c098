#pragma once

#include <QByteArrayView>
#include <QString>

// Lists and settings written by this program are UTF-8; files made on
// Windows are in its ANSI code page. Bytes that are valid UTF-8 are read as
// UTF-8, anything else as Windows-1252. An initial byte-order mark is
// skipped unless the caller keeps it (a line inside a file, where it is
// text).
QString decodeText(QByteArrayView bytes, bool skipByteOrderMark = true);

QString decodeWindows1252(QByteArrayView bytes);

// True when the bytes are well-formed UTF-8.
bool isValidUtf8(QByteArrayView bytes);
