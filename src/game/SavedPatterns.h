#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// A pattern the caller drew, kept by name for later games of its card size.
struct SavedPattern
{
    QString name;
    int side = 5;
    std::uint64_t cells = 0; // bit k is body cell k, row by row

    friend bool operator==(const SavedPattern &, const SavedPattern &) = default;
};

// "Patterns.txt" in the product folder: "Morvane patterns 1", then one
// pattern a line, "5 1f Top Row" (side, cells in hexadecimal, name). Empty
// when there is no product folder.
QString patternsFilePath();

// None when there is no file; lines that are no pattern are passed over.
// Throws MorvaneError when the file is there but cannot be read.
std::vector<SavedPattern> readSavedPatterns(const QString &path);
// Creates the folder when missing. Throws MorvaneError.
void writeSavedPatterns(const QString &path, const std::vector<SavedPattern> &patterns);
// Replaces a pattern of the same name and side, or adds it at the end.
void keepPattern(std::vector<SavedPattern> &patterns, const SavedPattern &pattern);
