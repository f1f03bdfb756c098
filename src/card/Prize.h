#pragma once

#include <QString>

#include <bit>
#include <cstdint>
#include <optional>
#include <vector>

// A prize of a game: a name, and what a card must cover to take it. A card
// takes the prize once at least atLeast of the shapes are complete, each
// shape a set of body cells (bit k is cell k, row by row, as WinIndex reads
// them). "Two Lines" is any two of the lines, "Four Corners" its one shape.
// Which cells of a shape must be covered is the cover's say: on a square
// card every cell of it; on a ticket, whose blank cells hold nothing, the
// numbers within it, or only the first and last of them.
struct Prize
{
    enum class Cover {
        Cells,   // every cell of the shape
        Entries, // every cell of the shape that holds an entry, and it holds one
        Ends,    // the first and the last cell of the shape that hold an entry
    };

    QString name;
    std::vector<std::uint64_t> shapes;
    int atLeast = 1;
    Cover cover = Cover::Cells;

    // The cells of the shape a card must cover, its entries standing in the
    // cells of holding; 0 when the shape asks for nothing and is never complete.
    std::uint64_t needed(std::uint64_t shape, std::uint64_t holding) const
    {
        if (cover == Cover::Cells)
            return shape;
        const std::uint64_t held = shape & holding;
        if (cover == Cover::Entries || held == 0)
            return held;
        return (held & (~held + 1)) | (std::uint64_t{1} << (63 - std::countl_zero(held)));
    }
    bool completes(std::uint64_t shape, std::uint64_t covered, std::uint64_t holding) const
    {
        const std::uint64_t cells = needed(shape, holding);
        return cells != 0 && (covered & cells) == cells;
    }
    int completeShapes(std::uint64_t covered, std::uint64_t holding = ~std::uint64_t{0}) const;
    bool wonBy(std::uint64_t covered, std::uint64_t holding = ~std::uint64_t{0}) const
    {
        return completeShapes(covered, holding) >= atLeast;
    }

    friend bool operator==(const Prize &, const Prize &) = default;
};

// The prizes of a game in the order they are played.
using PrizeStages = std::vector<Prize>;

// One prize on one line, "2 1f,3e0 Two Lines": the least count, the shapes
// in hexadecimal and the name, so a record names its prizes exactly even
// when the caller's saved patterns change later. A cover other than every
// cell goes first, "entries 2 1ff,3fe00,7fc0000 Two Lines" or "ends 2 ...":
// a version that knows no such word passes the line over.
QString prizeLine(const Prize &prize);
// Nothing for a line that is no prize.
std::optional<Prize> parsePrizeLine(const QString &line);
