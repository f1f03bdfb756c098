#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The sample folder as the Samples menu shows it. In every folder the
// sub-folders come first, then the lists, each sorted by name in the order
// of the user's locale.
struct SampleNode
{
    bool isFolder = false;
    QString caption; // folder name, or list name without ".mrv"
    QString path;    // full path of the folder or the list
    std::vector<SampleNode> children;
};

// Bounds of the scan, so that no sample folder can hold up the start: how
// many folder levels below the sample folder are shown, how many menu items
// at most, and how many folder entries are looked at in all.
constexpr int MaxSampleDepth = 8;
constexpr int MaxSampleItems = 10000;
constexpr int MaxSampleEntriesLooked = 100000;

// The sub-folders (whose names contain no ".") and "*.mrv" entries of the
// folder, recursively, within the bounds above. A missing or empty folder
// gives nothing. A link that leads out of the folder is passed over; a
// folder reached again through a link inside it is listed empty.
std::vector<SampleNode> scanSampleFolder(const QString &folder);

// A list's caption: its file name less the last four characters (".mrv").
QString sampleCaption(const QString &fileName);

// True for a folder name the menu lists: not empty, no "." in it.
bool isListedFolderName(const QString &name);
