#pragma once

#include <QJsonObject>
#include <QString>

#include <cstdint>

class CalledGame;

// A claimed card held against the calls made when the claim came. It is
// kept with the claim, so a claim still waiting after a restart shows the
// verdict it had, whatever was called since. Cells are the face's cells
// (bit k is cell k, row by row, the heading aside).
struct ClaimCheck
{
    bool won = false;
    QString prize; // what the card wins, as the caller's window names it
    int wonAtCall = 0;
    int cellsShort = 0; // uncalled cells of the nearest win; 0 once won
    std::uint64_t called = 0;
    std::uint64_t framed = 0; // the cells that win

    friend bool operator==(const ClaimCheck &, const ClaimCheck &) = default;
};

// A game played in stages, as every ticket game is, is checked against its
// stages; a word card without stages against the game's pattern.
ClaimCheck checkClaim(CalledGame &game, std::uint64_t card);

QJsonObject claimCheckJson(const ClaimCheck &check);
ClaimCheck claimCheckFromJson(const QJsonObject &o);
