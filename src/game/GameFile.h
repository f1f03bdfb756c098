#pragma once

#include "game/GameRecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The game file, "<code>.mrvgame": UTF-8 text a person can read.
//
//   [Game]                     key=value lines: Format, Code, Created (ISO
//   Format=1                   8601 with offset), Seed (decimal), CardSize,
//   Code=K7Q2MX                ChkFreeSpace, TxtFreeSpace, ChkHeading,
//   ...                        TxtHeading, ChkWordWrap, FontName, FontSize,
//   Check=0123456789abcdef     CardsPerPage, Cards, Entries (their count), and
//   [Entries]                  Check: the first 16 hex digits of SHA-256 over
//   1                          the lines from Code to Entries, "[Entries]"
//   ...                        and the entry lines, each ending in LF.
//   [Calls]                    one called entry per line, in call order;
//   7                          outside Check, so calls may be added freely.
//
// Values and lines are kept exactly, blanks included; a backslash escapes
// itself, a line break (\n, \r), an empty line (\e) and a line that would
// start a section (\[). Blank lines are ignored. Lines may end in CR LF.

// Larger files are no games: a list of 100,000 long entries stays well below.
constexpr qsizetype MaxGameFileSize = qsizetype(64) * 1024 * 1024;

QByteArray formatGameRecord(const GameRecord &record);

// The record in the bytes of the file called name (the name is for the
// messages). A file that is no game, from a newer version, cut short or
// changed by hand so that its cards can no longer be made again throws
// MorvaneError saying which; nothing is returned half read.
GameRecord parseGameRecord(QByteArrayView bytes, const QString &name);

// Reads and checks the file. Throws MorvaneError.
GameRecord readGameRecord(const QString &path);

// Replaces the file atomically: a failed write leaves the earlier file as it
// was, and no file is ever half written. Creates a missing folder. Throws
// MorvaneError.
void writeGameRecord(const QString &path, const GameRecord &record);
