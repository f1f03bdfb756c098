// The caller on the largest game: 99,999 cards of the 75 numbers. Opening
// regenerates every card and indexes it (timed with and without arranging);
// then whole games are called, each call followed by finding every winner,
// and the median over all calls is taken. A 7 x 7 game follows for its size.
//
//   bench_caller [cards]
#include "BenchUtil.h"
#include "card/ArrangeCard.h"
#include "card/CardSettings.h"
#include "game/CallSession.h"

#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

// A seeded source, so every run arranges the same cards.
class SeededRandom : public IRandomSource
{
public:
    explicit SeededRandom(std::uint64_t seed) : m_state(seed) {}
    std::uint32_t below(std::uint32_t m) override
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return static_cast<std::uint32_t>(((z ^ (z >> 31)) >> 32) * m >> 32);
    }

private:
    std::uint64_t m_state;
};

// Processor time of this process: on a busy machine it shows what the work
// costs when the wall clock also counts other programs' turns.
double rssMiB()
{
    std::FILE *f = std::fopen("/proc/self/status", "r");
    if (!f)
        return 0;
    char line[256];
    double kib = 0;
    while (std::fgets(line, sizeof line, f)) {
        if (std::sscanf(line, "VmRSS: %lf kB", &kib) == 1)
            break;
    }
    std::fclose(f);
    return kib / 1024.0;
}

void run(int cards, int sizeIndex, bool freeSpace)
{
    const int side = cardSide(sizeIndex);
    QStringList entries;
    for (int i = 1; i <= 75; ++i)
        entries.append(QString::number(i));
    const double rssBefore = rssMiB();

    const double cpuBefore = cpuMs();
    QElapsedTimer timer;
    timer.start();
    CallBoard board(entries, true, QStringLiteral("BINGO"));
    WinIndexBuilder builder(board, side, freeSpace);
    builder.reserve(cards);
    SeededRandom arrange(20240501);
    QStringList cells;
    qint64 arrangeNs = 0;
    qint64 addNs = 0;
    QElapsedTimer step;
    for (int k = 0; k < cards; ++k) {
        step.start();
        ArrangeCard(entries, sizeIndex, freeSpace, cells, arrange);
        arrangeNs += step.nsecsElapsed();
        step.start();
        builder.addCard(cells);
        addNs += step.nsecsElapsed();
    }
    step.start();
    CallSession session(std::move(board), builder.finish());
    const double finishMs = double(step.nsecsElapsed()) / 1e6;
    const double openMs = double(timer.nsecsElapsed()) / 1e6;
    const double openCpuMs = cpuMs() - cpuBefore;
    const double rssAfter = rssMiB();

    std::printf("%d cards, %d x %d%s, the 75 numbers\n", cards, side, side, freeSpace ? " free space" : "");
    std::printf("  open: arrange and index every card %.0f ms wall, %.0f ms CPU (target < 1500): arranging %.0f ms, "
                "reading cards into the index %.0f ms, sorting the index %.0f ms\n",
                openMs, openCpuMs, double(arrangeNs) / 1e6, double(addNs) / 1e6, finishMs);
    std::printf("  memory: index %.1f MiB, resident growth %.1f MiB, peak resident %.1f MiB (target < 150)\n",
                double(session.index().memoryBytes()) / (1024.0 * 1024.0), rssAfter - rssBefore, peakRssMiB());

    SeededRandom draws(7);
    for (WinPattern pattern : AllWinPatterns) {
        session.setPattern(pattern);
        std::vector<double> times;
        std::size_t lastWinners = 0;
        int firstWinCall = 0;
        for (int game = 0; game < 4; ++game) {
            session.newGame();
            while (!session.allCalled()) {
                QElapsedTimer t;
                t.start();
                session.callNext(draws);
                const std::vector<Winner> winners = session.winners();
                times.push_back(double(t.nsecsElapsed()) / 1e6);
                lastWinners = winners.size();
                if (firstWinCall == 0 && !winners.empty())
                    firstWinCall = session.callCount();
            }
        }
        std::sort(times.begin(), times.end());
        const char *name = pattern == WinPattern::AnyLine       ? "any line"
                           : pattern == WinPattern::FourCorners ? "four corners"
                                                                : "full card";
        std::printf("  call and find every winner (%s): median %.3f ms, max %.3f ms over %zu calls (target < 5); "
                    "first winner at call %d, %zu winners at the end\n",
                    name, times[times.size() / 2], times.back(), times.size(), firstWinCall, lastWinners);
    }

    // Unmarking the first call replays every later one: the dearest board click.
    session.setPattern(WinPattern::AnyLine);
    session.newGame();
    for (int i = 0; i < 40; ++i)
        session.callNext(draws);
    const double unmarkMs = medianMs(21, [&] {
        const int first = session.calls().front();
        session.toggleMark(first);
        session.toggleMark(first);
    });
    std::printf("  unmark the first of 40 calls and mark it again: median %.2f ms\n", unmarkMs);
}

} // namespace

int main(int argc, char **argv)
{
    const int cards = argc > 1 ? std::atoi(argv[1]) : 99999;
    run(cards, 1, true);
    run(cards, 2, false);
    return 0;
}
