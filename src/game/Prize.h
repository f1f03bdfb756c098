#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// A prize of a game: a name, and what a card must cover to take it. A card
// takes the prize once at least atLeast of the shapes are complete, each
// shape a set of body cells (bit k is cell k, row by row, as WinIndex reads
// them). "Two Lines" is any two of the lines, "Four Corners" its one shape;
// a kind of card that counts its lines in its own way brings its own shapes.
struct Prize
{
    QString name;
    std::vector<std::uint64_t> shapes;
    int atLeast = 1;

    int completeShapes(std::uint64_t covered) const;
    bool wonBy(std::uint64_t covered) const { return completeShapes(covered) >= atLeast; }

    friend bool operator==(const Prize &, const Prize &) = default;
};

// The prizes of a game in the order they are played.
using PrizeStages = std::vector<Prize>;

// One prize on one line, "2 1f,3e0 Two Lines": the least count, the shapes
// in hexadecimal and the name, so a record names its prizes exactly even
// when the caller's saved patterns change later.
QString prizeLine(const Prize &prize);
// Nothing for a line that is no prize.
std::optional<Prize> parsePrizeLine(const QString &line);
