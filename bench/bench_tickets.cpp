// 90-ball strips: how many the dealer makes a second on one core, and how
// its tickets compare with those of a plain rejection sampler, which draws
// five tickets' patterns at random (five random columns in each row, again
// while a column is empty), gives the sixth what the strip's columns still
// need (9, 10, ..., 10, 11) with the share of patterns those counts have,
// and keeps the strip with the weight of the ways the numbers can be dealt
// into it: every valid strip equally likely, by plain counting. The comparison is of the shapes only; the numbers
// follow from them the same way in both.
//
//   bench_tickets [strips] [seconds for the rejection sampler]
#include "card/SeededRandom.h"
#include "card/TicketDeck.h"
#include "card/TicketStrip.h"

#include "BenchUtil.h"

#include <QElapsedTimer>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

// CPU time of this process: steadier than the wall clock on a shared machine.
// Cell fill counts, columns of three per ticket, and columns of three by column.
struct Shapes
{
    std::array<std::array<double, 9>, 3> filled{};
    std::array<double, 4> ticketsWithThrees{};
    std::array<double, 9> threesByColumn{};
    double tickets = 0;

    void add(const std::array<std::uint32_t, 9> &rowsOf)
    {
        int threes = 0;
        for (int c = 0; c < 9; ++c) {
            for (int r = 0; r < 3; ++r)
                filled[std::size_t(r)][std::size_t(c)] += (rowsOf[std::size_t(c)] >> r) & 1;
            const bool three = rowsOf[std::size_t(c)] == 7;
            threes += three ? 1 : 0;
            threesByColumn[std::size_t(c)] += three ? 1 : 0;
        }
        ticketsWithThrees[std::size_t(threes)] += 1;
        tickets += 1;
    }
};

std::array<std::uint32_t, 9> rowsOf(const Ticket &t)
{
    std::array<std::uint32_t, 9> bits{};
    for (int c = 0; c < 9; ++c)
        for (int r = 0; r < 3; ++r)
            bits[std::size_t(c)] |= (t.at(r, c) != 0 ? 1u : 0u) << r;
    return bits;
}

// Patterns of 3 x 9 with five in every row, counted by their column counts
// (as a base-4 number): every such pattern looked at once.
std::vector<std::uint32_t> patternsByCounts()
{
    std::vector<int> rows;
    for (int bits = 0; bits < 512; ++bits)
        if (std::popcount(unsigned(bits)) == 5)
            rows.push_back(bits);
    std::vector<std::uint32_t> table(1u << 18, 0);
    for (int a : rows)
        for (int b : rows)
            for (int c : rows) {
                std::uint32_t key = 0;
                for (int col = 0; col < 9; ++col)
                    key |= std::uint32_t(((a >> col) & 1) + ((b >> col) & 1) + ((c >> col) & 1)) << (2 * col);
                ++table[key];
            }
    return table;
}

// One strip of the plain rejection sampler, as patterns: five tickets drawn
// as random patterns with no empty column; the sixth takes what the columns
// still need, kept with the share of patterns those counts have, and is
// drawn among them; the strip is then kept with the weight of the ways the
// numbers go into it.
bool rejectionStrip(SeededRandomSource &random, const std::vector<std::uint32_t> &patterns, std::uint32_t most,
                    std::array<std::array<std::uint32_t, 9>, 6> &strip)
{
    static constexpr std::array<int, 9> sizes{9, 10, 10, 10, 10, 10, 10, 10, 11};
    std::array<int, 9> totals{};
    for (int t = 0; t < 5; ++t) {
        auto &ticket = strip[std::size_t(t)];
        for (;;) {
            ticket.fill(0);
            for (int r = 0; r < 3; ++r) {
                std::array<int, 9> columns{0, 1, 2, 3, 4, 5, 6, 7, 8};
                for (int i = 0; i < 5; ++i) {
                    const int j = i + int(random.below(std::uint32_t(9 - i)));
                    std::swap(columns[std::size_t(i)], columns[std::size_t(j)]);
                    ticket[std::size_t(columns[std::size_t(i)])] |= 1u << r;
                }
            }
            bool none = false;
            for (auto bits : ticket)
                none = none || bits == 0;
            if (!none)
                break;
        }
        for (int c = 0; c < 9; ++c)
            totals[std::size_t(c)] += std::popcount(ticket[std::size_t(c)]);
    }
    std::uint32_t key = 0;
    std::array<int, 9> last{};
    for (int c = 0; c < 9; ++c) {
        last[std::size_t(c)] = sizes[std::size_t(c)] - totals[std::size_t(c)];
        if (last[std::size_t(c)] < 1 || last[std::size_t(c)] > 3)
            return false;
        key |= std::uint32_t(last[std::size_t(c)]) << (2 * c);
    }
    if (random.below(most) >= patterns[key])
        return false;
    auto &sixth = strip[5];
    for (;;) {
        std::array<int, 3> perRow{};
        for (int c = 0; c < 9; ++c) {
            const int n = last[std::size_t(c)];
            const std::uint32_t r = random.below(3);
            sixth[std::size_t(c)] = n == 3 ? 7u : n == 2 ? (7u & ~(1u << r)) : (1u << r);
            for (int k = 0; k < 3; ++k)
                perRow[std::size_t(k)] += int((sixth[std::size_t(c)] >> k) & 1);
        }
        if (perRow == std::array<int, 3>{5, 5, 5})
            break;
    }
    double factorials = 1;
    for (const auto &ticket : strip)
        for (auto bits : ticket)
            factorials *= std::popcount(bits) == 3 ? 6 : std::popcount(bits) == 2 ? 2 : 1;
    // The numbers go into these patterns in prod size! / prod n! ways; the
    // fewest factorials a valid strip can have is 2^36.
    const double keep = std::ldexp(1.0, 36) / factorials;
    return double(random.next() >> 11) * 0x1.0p-53 < keep;
}

void print(const char *title, const Shapes &s)
{
    std::printf("%s (%.0f tickets)\n  cell fill, rows by columns:\n", title, s.tickets);
    for (int r = 0; r < 3; ++r) {
        std::printf("   ");
        for (int c = 0; c < 9; ++c)
            std::printf(" %.4f", s.filled[std::size_t(r)][std::size_t(c)] / s.tickets);
        std::printf("\n");
    }
    std::printf("  columns of three by column:");
    for (int c = 0; c < 9; ++c)
        std::printf(" %.4f", s.threesByColumn[std::size_t(c)] / s.tickets);
    std::printf("\n  tickets with 0..3 columns of three:");
    for (double n : s.ticketsWithThrees)
        std::printf(" %.4f", n / s.tickets);
    std::printf("\n");
}

} // namespace

int main(int argc, char **argv)
{
    const long strips = argc > 1 ? std::atol(argv[1]) : 1000000;
    const double seconds = argc > 2 ? std::atof(argv[2]) : 60;

    SeededRandomSource random(1);
    Strip strip;
    Shapes dealt;
    QElapsedTimer timer;
    timer.start();
    double cpu = cpuMs();
    for (long i = 0; i < strips; ++i)
        dealStrip(random, strip);
    const double dealMs = cpuMs() - cpu;
    std::printf("dealStrip: %ld strips in %.0f ms of cpu (%.0f wall), %.0f strips a cpu second\n", strips, dealMs,
                double(timer.nsecsElapsed()) / 1e6, double(strips) / dealMs * 1000);

    // The deck adds the no-repeat rule and a reseed per strip, as a job's.
    SeededRandomSource unused;
    TicketDeck deck(unused, 42);
    cpu = cpuMs();
    for (long s = 1; s <= strips; ++s)
        deck.strip(std::uint64_t(s));
    const double deckMs = cpuMs() - cpu;
    std::printf("TicketDeck: %ld strips in %.0f ms of cpu, %.0f strips a cpu second, %llu dealt again, peak %.1f MiB\n",
                strips, deckMs, double(strips) / deckMs * 1000, static_cast<unsigned long long>(deck.redeals()),
                peakRssMiB());

    for (long i = 0; i < strips; ++i) {
        dealStrip(random, strip);
        for (const Ticket &t : strip)
            dealt.add(rowsOf(t));
    }

    Shapes sampled;
    const std::vector<std::uint32_t> counted = patternsByCounts();
    const std::uint32_t most = *std::max_element(counted.begin(), counted.end());
    std::array<std::array<std::uint32_t, 9>, 6> patterns;
    long tries = 0;
    long kept = 0;
    timer.restart();
    while (double(timer.elapsed()) < seconds * 1000) {
        for (int i = 0; i < 10000; ++i) {
            ++tries;
            if (!rejectionStrip(random, counted, most, patterns))
                continue;
            ++kept;
            for (const auto &p : patterns)
                sampled.add(p);
        }
    }
    std::printf("rejection sampler: %ld strips kept of %ld tries in %.0f s\n\n", kept, tries, seconds);
    print("dealer", dealt);
    print("rejection sampler", sampled);
    // The largest difference in any figure, against the sampler's standard error.
    double worst = 0;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 9; ++c) {
            const double p = sampled.filled[std::size_t(r)][std::size_t(c)] / sampled.tickets;
            const double d = std::abs(dealt.filled[std::size_t(r)][std::size_t(c)] / dealt.tickets - p);
            worst = std::max(worst, d / std::sqrt(p * (1 - p) / sampled.tickets));
        }
    for (int n = 0; n < 4; ++n) {
        const double p = sampled.ticketsWithThrees[std::size_t(n)] / sampled.tickets;
        const double d = std::abs(dealt.ticketsWithThrees[std::size_t(n)] / dealt.tickets - p);
        if (p > 0)
            worst = std::max(worst, d / std::sqrt(p * (1 - p) / sampled.tickets));
    }
    std::printf("\nlargest difference: %.2f standard errors of the sampler's figure\n", worst);
    return 0;
}
