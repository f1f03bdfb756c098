#pragma once

#include "card/RandomSource.h"

#include <array>
#include <cstdint>

// 90-ball tickets: 3 rows of 9 columns, 15 numbers, 5 in every row. Column 1
// holds 1-9, columns 2 to 8 hold 10-19 ... 70-79, column 9 holds 80-90; every
// column of a ticket holds one to three numbers, ascending downwards. A strip
// of six tickets holds each of 1-90 once.
constexpr int TicketRows = 3;
constexpr int TicketColumns = 9;
constexpr int TicketCells = TicketRows * TicketColumns;
constexpr int TicketNumbers = 15;
constexpr int TicketsPerStrip = 6;
constexpr int StripNumbers = 90;

// The column (from 0) a number 1-90 stands in.
constexpr int ticketColumnOf(int number)
{
    return number >= 80 ? 8 : number / 10;
}
// The lowest number of a column, and how many numbers it has (9, 10 ... 10, 11).
constexpr int columnFirstNumber(int column)
{
    return column == 0 ? 1 : column * 10;
}
constexpr int columnSize(int column)
{
    return column == 0 ? 9 : column == 8 ? 11 : 10;
}

// Cells row by row; 0 is a blank cell.
struct Ticket
{
    std::array<std::uint8_t, TicketCells> cells{};

    int at(int row, int column) const { return cells[std::size_t(row * TicketColumns + column)]; }
    bool operator==(const Ticket &) const = default;
};

using Strip = std::array<Ticket, TicketsPerStrip>;

// Deals one strip, every valid strip equally likely: the numbers each ticket
// takes from each column, then where each ticket puts them, then which
// numbers. Each step draws from exact weights and throws away what breaks a
// rule, so no valid strip is ever ruled out. The same draws make the same
// strip on any machine.
void dealStrip(IRandomSource &random, Strip &strip);

// What tells two tickets apart, as 64 bits: equal tickets always give the
// same value; different tickets almost never do.
std::uint64_t ticketFingerprint(const Ticket &ticket);
