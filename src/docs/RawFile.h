#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and writes over the system calls, so failures carry the
// system's error number (see FileErrors.h).

// Larger documents are refused: their entries could not be held in memory.
constexpr qsizetype MaxReadableFileSize = qsizetype(256) * 1024 * 1024;

// Reads the whole regular file into bytes; anything else (a folder, a pipe,
// a device) is refused with "File access denied", a file of more than
// maxSize bytes with "File too large". On a failure part way, bytes holds
// what was read and MorvaneError is thrown.
void readWholeFile(const QString &path, QByteArray &bytes, qsizetype maxSize = MaxReadableFileSize);

// Replaces the file with the bytes. They go to a temporary file beside it
// that has no name until it is complete and is then renamed over the file,
// so neither a failure nor a crash leaves a half-written file or a stray
// temporary one. Where no temporary file can be made beside it (a folder the
// user may not write) an existing file is written in place instead.
// A symbolic link is written through to the end of its chain; a file that
// may not be written is refused rather than replaced, and so is anything
// that is not a regular file (a pipe, a device), untouched. A replaced file
// keeps its permissions. Missing folders are not created. A write past the
// process's file-size limit fails with "Disk full" instead of ending the
// program. Throws MorvaneError.
void writeFileAtomically(const QString &path, const QByteArray &bytes);
