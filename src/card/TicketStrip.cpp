#include "card/TicketStrip.h"

#include <algorithm>
#include <vector>

namespace {

// A uniform draw from [0, 1) in steps of 2^-32: finer than any weight here
// needs, in one draw.
double uniform(IRandomSource &random)
{
    return double(random.below(0xFFFFFFFFu)) * 0x1.0p-32;
}

// The layouts of one ticket (3 x 9, 5 in every row) whose columns hold given
// counts depend only on how many columns hold three: g columns of three
// leave 6 - 2g of two and 3 + g of one. Say m[r] columns of two leave row r
// out and h[r] columns of one stand in row r: row r then holds
// g + (6 - 2g - m[r]) + h[r] = 5 numbers, so h[r] = m[r] + g - 1, and each
// split m of the columns of two comes with multinomial(twos; m) x
// multinomial(ones; h) layouts.
struct LayoutSplits
{
    std::vector<std::array<int, TicketRows>> missing; // m, for each split
    std::vector<double> cumulative;
    double total = 0;
};

double multinomial(const std::array<int, TicketRows> &parts)
{
    double ways = 1;
    int n = 0;
    for (int k : parts)
        for (int i = 1; i <= k; ++i)
            ways = ways * ++n / i;
    return ways;
}

LayoutSplits splitsFor(int threes)
{
    LayoutSplits splits;
    const int twos = 6 - 2 * threes;
    for (int m0 = 0; m0 <= twos; ++m0) {
        for (int m1 = 0; m0 + m1 <= twos; ++m1) {
            const std::array<int, TicketRows> m{m0, m1, twos - m0 - m1};
            const std::array<int, TicketRows> h{m[0] + threes - 1, m[1] + threes - 1, m[2] + threes - 1};
            if (h[0] < 0 || h[1] < 0 || h[2] < 0)
                continue;
            splits.missing.push_back(m);
            splits.total += multinomial(m) * multinomial(h);
            splits.cumulative.push_back(splits.total);
        }
    }
    return splits;
}

// How the numbers a column gives a strip spread over its six tickets. Once
// the numbers are dealt and the tickets laid out, a strip with the counts x
// can be made in prod(1 / x!) x prod(layouts of each ticket) ways, up to a
// constant: the spreads are drawn with the first factor, and with the
// second as far as it goes column by column. The layouts of a ticket fall
// almost exactly by a factor Tilt for every column of three it has, so a
// three weighs Tilt / 3! here; what is left of the layout count is made up
// once the counts are known.
constexpr double Tilt = 639.0 / 1710.0;

double entryWeight(int x)
{
    return x == 1 ? 1.0 : x == 2 ? 0.5 : Tilt / 6;
}

struct ColumnSpreads
{
    std::vector<std::array<std::uint8_t, TicketsPerStrip>> spreads;
    std::vector<double> cumulative;
    double total = 0;
    // Where to start looking for a draw in each of Guides equal slices of
    // the total: seven draws a try make a binary search the dealer's
    // largest cost.
    static constexpr int Guides = 512;
    std::vector<std::uint32_t> guide;

    void makeGuide()
    {
        guide.resize(Guides);
        std::size_t i = 0;
        for (int b = 0; b < Guides; ++b) {
            const double from = total * b / Guides;
            while (i + 1 < cumulative.size() && cumulative[i] <= from)
                ++i;
            guide[std::size_t(b)] = std::uint32_t(i);
        }
    }
};

ColumnSpreads spreadsSumming(int sum)
{
    ColumnSpreads table;
    std::array<std::uint8_t, TicketsPerStrip> v{};
    for (int code = 0; code < 729; ++code) { // 3^6
        int c = code;
        int s = 0;
        double w = 1;
        for (auto &x : v) {
            x = std::uint8_t(c % 3 + 1);
            c /= 3;
            s += x;
            w *= entryWeight(x);
        }
        if (s != sum)
            continue;
        table.spreads.push_back(v);
        table.total += w;
        table.cumulative.push_back(table.total);
    }
    table.makeGuide();
    return table;
}

constexpr int MostTaken = 3 * TicketsPerStrip;
using Completions = std::array<std::array<double, MostTaken + 1>, TicketsPerStrip + 1>;

// after[k][s]: the weight of tickets k.. together taking s numbers of the
// column before the last, each ticket's two last counts making what it needs.
void weighCompletions(const std::array<int, TicketsPerStrip> &need, Completions &after)
{
    after = {};
    after[TicketsPerStrip][0] = 1;
    for (int k = TicketsPerStrip - 1; k >= 0; --k) {
        const int n = need[std::size_t(k)];
        for (int x = std::max(1, n - 3); x <= std::min(3, n - 1); ++x) {
            const double w = entryWeight(x) * entryWeight(n - x);
            for (int s = 0; s + x <= MostTaken; ++s)
                after[std::size_t(k)][std::size_t(s + x)] += w * after[std::size_t(k) + 1][std::size_t(s)];
        }
    }
}

struct Tables
{
    std::array<ColumnSpreads, 2> spreads{spreadsSumming(9), spreadsSumming(10)};
    std::array<LayoutSplits, 4> splits{splitsFor(0), splitsFor(1), splitsFor(2), splitsFor(3)};
    // Layouts by columns of three, against the tilt's estimate.
    std::array<double, 4> layoutShare{};
    // The most the last two columns can weigh, over every need they can meet.
    double mostCompletions = 0;
    Tables()
    {
        std::array<int, TicketsPerStrip> need{};
        Completions after;
        for (int code = 0; code < 15625; ++code) { // 5^6: needs of 2 to 6
            int c = code;
            int sum = 0;
            for (int &n : need) {
                n = 2 + c % 5;
                c /= 5;
                sum += n;
            }
            if (sum != columnSize(TicketColumns - 2) + columnSize(TicketColumns - 1))
                continue;
            weighCompletions(need, after);
            mostCompletions = std::max(mostCompletions, after[0][std::size_t(columnSize(TicketColumns - 2))]);
        }
        double most = 0;
        for (int g = 0; g < 4; ++g) {
            double tilted = 1;
            for (int i = 0; i < g; ++i)
                tilted *= Tilt;
            layoutShare[std::size_t(g)] = splits[std::size_t(g)].total / tilted;
            most = std::max(most, layoutShare[std::size_t(g)]);
        }
        for (double &share : layoutShare)
            share /= most;
    }
};

const Tables &tables()
{
    static const Tables t;
    return t;
}

template <typename Table>
std::size_t drawIndex(IRandomSource &random, const Table &table)
{
    const double r = uniform(random) * table.total;
    const auto at = std::upper_bound(table.cumulative.begin(), table.cumulative.end(), r);
    return std::min(std::size_t(at - table.cumulative.begin()), table.cumulative.size() - 1);
}

// The same index as above, the first whose running total passes the draw,
// found from the slice's guide: the guide only says where to start, so
// rounding at a slice's edge cannot change the answer.
std::size_t drawIndex(IRandomSource &random, const ColumnSpreads &table)
{
    const double r = uniform(random) * table.total;
    const int slice = std::min(int(r / table.total * ColumnSpreads::Guides), ColumnSpreads::Guides - 1);
    std::size_t i = table.guide[std::size_t(slice)];
    while (i > 0 && table.cumulative[i - 1] > r)
        --i;
    const std::size_t last = table.cumulative.size() - 1;
    while (i < last && table.cumulative[i] <= r)
        ++i;
    return i;
}

using Counts = std::array<std::array<std::uint8_t, TicketColumns>, TicketsPerStrip>;

// The numbers every ticket takes from every column. The first seven columns
// are drawn one by one from the weights above and thrown away as soon as a
// ticket can no longer reach 15 with the columns left, then kept with the
// weight of the ways the last two can complete them; the last two are drawn
// together, exactly by their weights among the splits that make every ticket
// 15 and give the columns 10 and 11. Then each ticket is kept with what is
// left of its layout count.
void drawCounts(IRandomSource &random, Counts &counts)
{
    const Tables &t = tables();
    constexpr int Drawn = TicketColumns - 2;
    constexpr int Before = TicketColumns - 2; // the column of 70-79
    constexpr int Last = TicketColumns - 1;
    for (;;) {
        std::array<int, TicketsPerStrip> need{};
        need.fill(TicketNumbers);
        bool fits = true;
        for (int c = 0; c < Drawn && fits; ++c) {
            const ColumnSpreads &table = t.spreads[c == 0 ? 0 : 1];
            const auto &spread = table.spreads[drawIndex(random, table)];
            const int left = TicketColumns - 1 - c;
            for (int k = 0; k < TicketsPerStrip; ++k) {
                counts[std::size_t(k)][std::size_t(c)] = spread[std::size_t(k)];
                need[std::size_t(k)] -= spread[std::size_t(k)];
                fits = fits && need[std::size_t(k)] >= left && need[std::size_t(k)] <= 3 * left;
            }
        }
        if (!fits)
            continue;
        Completions after;
        weighCompletions(need, after);
        // Kept as often as the first seven columns leave room for the last
        // two, so that every count comes out with its whole weight.
        int taken = columnSize(Before);
        if (uniform(random) * t.mostCompletions >= after[0][std::size_t(taken)])
            continue;
        for (int k = 0; k < TicketsPerStrip; ++k) {
            const int n = need[std::size_t(k)];
            double r = uniform(random) * after[std::size_t(k)][std::size_t(taken)];
            // The last split with any weight takes what rounding leaves over.
            int x = 0;
            for (int y = std::max(1, n - 3); y <= std::min({3, n - 1, taken}); ++y) {
                const double w =
                    entryWeight(y) * entryWeight(n - y) * after[std::size_t(k) + 1][std::size_t(taken - y)];
                if (w <= 0)
                    continue;
                x = y;
                r -= w;
                if (r < 0)
                    break;
            }
            counts[std::size_t(k)][Before] = std::uint8_t(x);
            counts[std::size_t(k)][Last] = std::uint8_t(n - x);
            taken -= x;
        }
        bool kept = true;
        for (int k = 0; k < TicketsPerStrip && kept; ++k) {
            int threes = 0;
            for (auto x : counts[std::size_t(k)])
                threes += x == 3 ? 1 : 0;
            kept = uniform(random) < t.layoutShare[std::size_t(threes)];
        }
        if (kept)
            return;
    }
}

// Shuffles the first n columns of the list.
void shuffle(IRandomSource &random, std::array<std::uint8_t, TicketColumns> &columns, int n)
{
    for (int i = n - 1; i > 0; --i)
        std::swap(columns[std::size_t(i)], columns[random.below(std::uint32_t(i + 1))]);
}

// Which rows of each column the ticket's numbers stand in, as bits 0-2, every
// layout with these counts and 5 numbers to a row equally likely: a split
// drawn by its number of layouts, then the columns of one and of two shared
// out over the rows in random order.
void drawLayout(IRandomSource &random, const std::array<std::uint8_t, TicketColumns> &counts,
                std::array<std::uint8_t, TicketColumns> &rowsOf)
{
    std::array<std::uint8_t, TicketColumns> ones{};
    std::array<std::uint8_t, TicketColumns> twos{};
    int a = 0;
    int b = 0;
    for (int c = 0; c < TicketColumns; ++c) {
        rowsOf[std::size_t(c)] = 0b111;
        if (counts[std::size_t(c)] == 1)
            ones[std::size_t(a++)] = std::uint8_t(c);
        else if (counts[std::size_t(c)] == 2)
            twos[std::size_t(b++)] = std::uint8_t(c);
    }
    const int threes = TicketColumns - a - b;
    const LayoutSplits &splits = tables().splits[std::size_t(threes)];
    const auto &missing = splits.missing[drawIndex(random, splits)];
    shuffle(random, ones, a);
    shuffle(random, twos, b);
    int nextOne = 0;
    int nextTwo = 0;
    for (int r = 0; r < TicketRows; ++r) {
        for (int i = 0; i < missing[std::size_t(r)]; ++i)
            rowsOf[twos[std::size_t(nextTwo++)]] = std::uint8_t(0b111 & ~(1u << r));
        for (int i = 0; i < missing[std::size_t(r)] + threes - 1; ++i)
            rowsOf[ones[std::size_t(nextOne++)]] = std::uint8_t(1u << r);
    }
}

} // namespace

void dealStrip(IRandomSource &random, Strip &strip)
{
    Counts counts;
    drawCounts(random, counts);
    std::array<std::array<std::uint8_t, TicketColumns>, TicketsPerStrip> rowsOf;
    for (int k = 0; k < TicketsPerStrip; ++k)
        drawLayout(random, counts[std::size_t(k)], rowsOf[std::size_t(k)]);

    for (Ticket &t : strip)
        t.cells.fill(0);
    std::array<std::uint8_t, 11> numbers;
    for (int c = 0; c < TicketColumns; ++c) {
        const int size = columnSize(c);
        for (int i = 0; i < size; ++i)
            numbers[std::size_t(i)] = std::uint8_t(columnFirstNumber(c) + i);
        // A uniform shuffle dealt out in turn gives every ticket a uniform
        // share of the column.
        for (int i = size - 1; i > 0; --i)
            std::swap(numbers[std::size_t(i)], numbers[random.below(std::uint32_t(i + 1))]);
        int next = 0;
        for (int k = 0; k < TicketsPerStrip; ++k) {
            const int take = counts[std::size_t(k)][std::size_t(c)];
            auto *share = numbers.data() + next;
            std::sort(share, share + take);
            next += take;
            const std::uint8_t bits = rowsOf[std::size_t(k)][std::size_t(c)];
            for (int r = 0; r < TicketRows; ++r)
                if ((bits >> r) & 1)
                    strip[std::size_t(k)].cells[std::size_t(r * TicketColumns + c)] = *share++;
        }
    }
}

std::uint64_t ticketFingerprint(const Ticket &ticket)
{
    // A ticket is its numbers and their cells; 27 cells of 7 bits do not fit
    // in 64, so they are mixed in as they come.
    std::uint64_t h = 0x7157CE7;
    for (std::size_t i = 0; i < ticket.cells.size(); i += 8) {
        std::uint64_t chunk = 0;
        for (std::size_t j = i; j < std::min(ticket.cells.size(), i + 8); ++j)
            chunk = chunk << 8 | ticket.cells[j];
        h ^= chunk + 0x9E3779B97F4A7C15ULL + (h << 6) + (h >> 2);
        h *= 0xBF58476D1CE4E5B9ULL;
        h ^= h >> 31;
    }
    return h;
}
