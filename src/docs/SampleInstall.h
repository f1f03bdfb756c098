#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The sample lists shipped with the program live in a read-only place; the
// user gets copies of them in the product folder, which Save can then write
// over like any other document.

// Where shipped sample trees may be, best first: the installed
// share/Morvane/SampleLists on the data search path, data/SampleLists beside
// the executable (the build tree), and share/Morvane/SampleLists beside the
// executable's folder (a relocated install). A user whose desktop language
// has lists of its own (SampleLists-de beside SampleLists) gets those trees
// first, best first in the same way.
QStringList shippedSampleSources(const QLocale &locale = QLocale::system());

// The language of the shipped lists for a desktop language: the first of the
// user's languages that has a tree in one of the places, by its two-letter
// code; empty for English or when none has one.
QString sampleListLanguage(const QLocale &locale, const QStringList &places);

// Creates the folder and its parents when missing; false when it cannot.
bool ensureFolder(const QString &path);

// The file in the user's sample folder that records, one path a line
// relative to the folder, every shipped list the user has had.
extern const QString CopiedListsRecord;

// Copies into target every list of the first existing source tree that the
// user never had: one that is neither in target nor in the record. Every
// list copied or found there is added to the record, so a list the user
// deleted stays deleted, and a list shipped by a later release still
// arrives. Without the record (a first start, or the record deleted to get
// lists back) every missing list is copied. Each copy is made whole or not
// at all; one that fails is tried again at the next start. Returns how many
// lists were copied.
int installSampleLists(const QString &target, const QStringList &sources);
