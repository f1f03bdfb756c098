#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// What a card must cover to win. The free centre always counts as called.
enum class WinPattern { AnyLine, FourCorners, FullCard };

constexpr std::array<WinPattern, 3> AllWinPatterns{WinPattern::AnyLine, WinPattern::FourCorners, WinPattern::FullCard};

inline int patternIndex(WinPattern pattern)
{
    return static_cast<int>(pattern);
}

// A set of body cells that wins when all of them are called. Bit k stands for
// body cell k, read row by row from 0, the way cards are read.
struct WinLine
{
    enum Kind { Row, Column, Diagonal, AntiDiagonal, FourCorners, FullCard };
    Kind kind = Row;
    int number = 0; // 1-based for rows and columns, 0 otherwise
    std::uint64_t cells = 0;

    friend bool operator==(const WinLine &, const WinLine &) = default;
};

// "row 2", "column 3", "diagonal", "four corners", "full card".
QString lineName(const WinLine &line);

// The winning lines of one card size for each pattern, and for each cell the
// lines through it: after a call only those can have become complete.
class WinShapes
{
public:
    explicit WinShapes(int side = 5);

    int side() const { return m_side; }
    int cellCount() const { return m_side * m_side; }
    const std::vector<WinLine> &lines(WinPattern pattern) const { return m_lines[patternIndex(pattern)]; }
    const std::vector<std::uint64_t> &masksThrough(WinPattern pattern, int cell) const
    {
        return m_through[static_cast<std::size_t>(patternIndex(pattern) * cellCount() + cell)];
    }

private:
    int m_side;
    std::array<std::vector<WinLine>, 3> m_lines;
    std::vector<std::vector<std::uint64_t>> m_through;
};
