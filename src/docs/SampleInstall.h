#pragma once

#include <QString>
#include <QStringList>

// The sample lists shipped with the program live in a read-only place; the
// user gets a copy of them in the product folder the first time, which Save
// can then write over like any other document.

// Where shipped sample trees may be, best first: the installed
// share/Morvane/SampleLists on the data search path, data/SampleLists beside
// the executable (the build tree), and share/Morvane/SampleLists beside the
// executable's folder (a relocated install).
QStringList shippedSampleSources();

// Creates the folder and its parents when missing; false when it cannot.
bool ensureFolder(const QString &path);

// Copies the first existing source tree to target, unless target already
// exists. The copy is made under a temporary name and renamed into place,
// so an interrupted copy is never taken for the user's samples. True when
// a copy was made.
bool installSampleLists(const QString &target, const QStringList &sources);
