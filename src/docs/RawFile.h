#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and writes over the system calls, so failures carry the
// system's error number (see FileErrors.h).

// Larger files are refused: their entries could not be held in memory.
constexpr qsizetype MaxReadableFileSize = qsizetype(256) * 1024 * 1024;

// Reads the whole regular file into bytes; anything else (a folder, a pipe,
// a device) is refused with "File access denied". On a failure part way, bytes holds what
// was read and MorvaneError is thrown.
void readWholeFile(const QString &path, QByteArray &bytes);

// Replaces the file with the bytes: they go to a temporary file beside it,
// which is then renamed over it, so a failure never leaves a half-written
// file. A file that may not be written is refused rather than replaced; a
// replaced file keeps its permissions; a symbolic link is written through.
// Missing folders are not created. Throws MorvaneError.
void writeFileAtomically(const QString &path, const QByteArray &bytes);
