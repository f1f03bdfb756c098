#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The sample folder as the Samples menu shows it. In every folder the
// sub-folders come first, then the lists, each in the file system's order.
struct SampleNode
{
    bool isFolder = false;
    QString caption; // folder name, or list name without ".mrv"
    QString path;    // full path of the folder or the list
    std::vector<SampleNode> children;
};

// The sub-folders (whose names contain no ".") and "*.mrv" entries of the
// folder, recursively. A missing or empty folder gives nothing. A folder
// reached again through a link is not entered twice.
std::vector<SampleNode> scanSampleFolder(const QString &folder);

// A list's caption: its file name less the last four characters (".mrv").
QString sampleCaption(const QString &fileName);

// True for a folder name the menu lists: not empty, no "." in it.
bool isListedFolderName(const QString &name);
