#pragma once

#include <QStringList>

#include <cstdint>

// How many different faces (the entries in the cells a card shows, heading
// and free space aside) the list can give. Saturates at the largest value
// instead of overflowing.
struct FaceCount
{
    std::uint64_t count = 0;
    // False when the column rule stops short of the shown cells (a list of
    // the 75 numbers with repeats), which then show older strings: count is
    // then a lower bound.
    bool exact = true;
};

FaceCount countFaces(const QStringList &words, int sizeIndex, bool freeSpace);

// Ordered selections of `picks` from n distinct items, saturating.
std::uint64_t orderedSelections(std::uint64_t n, std::uint64_t picks);
