#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSet>
#include <QString>
#include <QStringList>

#include <cstdint>

// The calls of a game file, kept as a journal that only ever grows: one line
// for each call made ("+") or taken back ("-"), numbered from 1 and carrying
// a check of its own,
//
//   <number> <check> <+ or -><text>
//
// where the check is the first 8 hex digits of SHA-256 over the check before
// it (the game's Check for line 1), a line feed, and the line without its
// check ("<number> <+ or -><text>"). A line torn by a save cut short, or
// altered by hand, no longer matches its check, and no line can be moved,
// left out or taken from another game unnoticed. The text is escaped as the
// game file's values are.

// Where the lines stand after the last one: the calls in effect, in order.
struct JournalState
{
    QStringList calls;
    QByteArray lastCheck;
    std::uint64_t lines = 0;
};

struct JournalRead
{
    enum class Damage {
        None,
        // The lines from the first bad one on are no lines at all, or only
        // the last line is bad: what a save cut short leaves.
        Tail,
        // A bad line with a sound-looking line after it.
        Middle
    };
    JournalState state;
    Damage damage = Damage::None;
    // Just after the last sound line (its line feed included when it has one).
    qsizetype soundEnd = 0;
    // The last sound line ends in a line feed (or there is none).
    bool soundEndsLine = true;
    // Another section starts after the calls.
    bool sectionFollows = false;
};

// Reads the lines from start (the line after "[Calls]") to the end of the
// bytes or to the next section. gameCheck is the game's Check; a call must
// name one of the entries and not be in effect already, a taking back one
// that is.
JournalRead readJournal(QByteArrayView bytes, qsizetype start, const QByteArray &gameCheck,
                        const QSet<QString> &entries);

// Appends to out the lines that turn state.calls into calls: the calls that
// differ are taken back, the rest called. Calls that name no entry, or
// repeat an earlier one, are left out. state follows the lines.
void appendJournalLines(QByteArray &out, JournalState &state, const QStringList &calls, const QSet<QString> &entries);
