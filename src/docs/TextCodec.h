#pragma once

#include <QByteArrayView>
#include <QString>

// Lists and settings written by this program are UTF-8; files made on
// Windows are in its ANSI code page. Bytes that are valid UTF-8 are read as
// UTF-8 (an initial byte-order mark is skipped), anything else as
// Windows-1252.
QString decodeText(QByteArrayView bytes);

QString decodeWindows1252(QByteArrayView bytes);

// True when the bytes are well-formed UTF-8.
bool isValidUtf8(QByteArrayView bytes);
