#pragma once

#include "game/GameRecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QSet>
#include <QString>

// The game file, "<code>.mrvgame": UTF-8 text a person can read.
//
//   [Game]                     key=value lines: Format, Code, Created (ISO
//   Format=2                   8601 with offset), Seed (decimal), CardSize,
//   Code=K7Q2MX                ChkFreeSpace, TxtFreeSpace, ChkHeading,
//   ...                        TxtHeading, ChkWordWrap, FontName, FontSize,
//   Check=0123456789abcdef     CardsPerPage, Cards, Entries (their count), and
//   [Entries]                  Check: the first 16 hex digits of SHA-256 over
//   1                          the lines Format, Created, Code to Entries,
//   ...                        "[Entries]" and the entry lines, each ending
//   [Calls]                    in LF. The calls are a journal that only grows
//   1 5c0e27a1 +7              (see GameJournal.h): every line checked and
//   2 d41f8e09 +61             chained to the one before, so that a save can
//                              only ever add lines at the end.
//
// Values and lines are kept exactly, blanks included; a backslash escapes
// itself, a line break (\n, \r), an empty line (\e) and a line that would
// start a section (\[). Blank lines are ignored. Lines may end in CR LF.
//
// Files of format 1 are still read: their Check left out Format and Created,
// and their calls were plain lines, one called entry each. A save writes
// the current format.

// Larger files are no games: a list of 100,000 long entries stays well below.
constexpr qsizetype MaxGameFileSize = qsizetype(64) * 1024 * 1024;

QByteArray formatGameRecord(const GameRecord &record);

// The record in the bytes of the file called name (the name is for the
// messages). A file that is no game, from a newer version, cut short or
// changed by hand so that its cards or its calls can no longer be trusted
// throws MorvaneError saying which; nothing is returned half read. Only a
// damaged end of the calls, what a save cut short leaves, is left out: the
// record then says so in callsNotice.
GameRecord parseGameRecord(QByteArrayView bytes, const QString &name);

// Reads and checks the file. Throws MorvaneError.
GameRecord readGameRecord(const QString &path);

// Keeps the record in the file. When the file holds the same game in the
// current format, only the calls that changed are added to its journal (a
// damaged end left out on reading is cut off first); otherwise the file is
// replaced atomically. Either way a failure or a crash at any moment leaves
// a file that reads as the game, with the calls before or after the save.
// Creates a missing folder. Throws MorvaneError naming the file.
void writeGameRecord(const QString &path, const GameRecord &record);
// The same, its MorvaneError saying only why ("Disk full."), for a message
// that names the file itself.
void saveGameRecord(const QString &path, const GameRecord &record);

// What a save writes before the calls, and what it checks them against.
// While a game is called only its calls change: its caller makes this once
// rather than for every call, which on a list of a million entries costs a
// second a call.
struct GameFileHead
{
    explicit GameFileHead(const GameRecord &record);
    QByteArray check;
    QByteArray head;
    QSet<QString> entries;
};
// saveGameRecord for the game of head, with these calls.
void saveGameCalls(const QString &path, const GameFileHead &head, const QStringList &calls);

// The size of the record's file in the current format once every entry has
// been called: a game larger than MaxGameFileSize could not be read back.
qsizetype calledGameFileSize(const GameRecord &record);
