#pragma once

#include <QString>
#include <QStringList>

// What the font dialog offers and which entries it picks on opening.

// The sizes offered for the scalable "Arial", as text, smallest first. The
// list is the same whichever family is picked.
QStringList fontSizeEntries();

// Every family once, sorted alphabetically without regard to case (names
// that differ only in case keep a fixed order among themselves).
QStringList fontNameEntries(const QStringList &families);

// The index of the last entry equal to text, letter case counting; -1 when
// none is.
int lastExactMatch(const QStringList &entries, const QString &text);

// The name entry selected on opening: the stored name, else "Arial", else the
// family the system draws for Arial. -1 when none of them is listed.
int initialFontNameIndex(const QStringList &entries, const QString &storedName, const QString &arialSubstitute);

// The card font size a stored size stands for. A size below one point means
// nothing as a font (hand-edited files hold 0 or -5), so it counts as the
// default, on screen and on paper alike.
int cardFontSizeFrom(int stored, int defaultSize);
