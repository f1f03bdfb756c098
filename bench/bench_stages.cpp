// Prize stages on the largest games: 99,999 cards of the 75 numbers, and
// 99,999 90-ball tickets. For every prize alone, and for all of them as the
// stages of one game, whole games are called; each call is timed with
// finding the stages won and every winner after it, and the median and the
// worst call are taken. Target: < 5 ms a call for every prize.
//
//   bench_stages [cards]
#include "card/ArrangeCard.h"
#include "card/CardSettings.h"
#include "card/KindPrizes.h"
#include "card/SeededRandom.h"
#include "card/TicketDeck.h"
#include "game/CallSession.h"
#include "game/GameStages.h"
#include "game/WinnersLine.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

// Processor time of this thread: on a busy machine the wall clock also
// counts other programs' turns.
double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

struct Times
{
    double median = 0;
    double worst = 0;
    double cpuMedian = 0;
    double cpuWorst = 0;
    std::size_t calls = 0;
    int firstWon = 0;
    int worstCall = 0; // the call (from 1 in its game) that took the most processor time
};

Times callGames(CallSession &session, IRandomSource &draws, int games)
{
    std::vector<double> times;
    std::vector<double> cpu;
    Times t;
    for (int game = 0; game < games; ++game) {
        session.newGame();
        while (!session.allCalled()) {
            QElapsedTimer timer;
            timer.start();
            const double cpu0 = threadCpuMs();
            session.callNext(draws);
            const GameStages stages(session.prizeWins());
            const std::vector<ShownWinner> winners = shownWinners(stages);
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
            cpu.push_back(threadCpuMs() - cpu0);
            if (cpu.back() >= *std::max_element(cpu.begin(), cpu.end()))
                t.worstCall = session.callCount();
            if (t.firstWon == 0 && !winners.empty())
                t.firstWon = session.callCount();
        }
    }
    std::sort(times.begin(), times.end());
    std::sort(cpu.begin(), cpu.end());
    t.cpuMedian = cpu[cpu.size() / 2];
    t.cpuWorst = cpu.back();
    t.median = times[times.size() / 2];
    t.worst = times.back();
    t.calls = times.size();
    return t;
}

void run(int cards, int sizeIndex, bool freeSpace)
{
    const int side = cardSide(sizeIndex);
    QStringList entries;
    for (int i = 1; i <= 75; ++i)
        entries.append(QString::number(i));
    CallBoard board(entries, true, QStringLiteral("BINGO"));
    WinIndexBuilder builder(board, side, freeSpace);
    builder.reserve(cards);
    SeededRandomSource arrange(20240501);
    QStringList cells;
    for (int k = 0; k < cards; ++k) {
        ArrangeCard(entries, sizeIndex, freeSpace, cells, arrange);
        builder.addCard(cells);
    }
    CallSession session(std::move(board), builder.finish());
    std::printf("%d cards, %d x %d%s, the 75 numbers\n", cards, side, side, freeSpace ? " free space" : "");

    PrizeStages all = squarePrizes(side);
    // A drawn pattern: the middle row's ends and the top corners.
    all.push_back(
        drawnPrize(QStringLiteral("Drawn (4 cells)"), (std::uint64_t{1} << 0) | (std::uint64_t{1} << (side - 1))
                                                          | (std::uint64_t{1} << (side * (side / 2)))
                                                          | (std::uint64_t{1} << (side * (side / 2) + side - 1))));
    SeededRandomSource draws(7);
    for (const Prize &prize : all) {
        session.setPrizes({prize});
        const Times t = callGames(session, draws, 2);
        std::printf("  %-16s call, stages and every winner: wall median %.3f ms, worst %.3f ms; CPU median %.3f ms, "
                    "worst %.3f ms; over %zu calls (target < 5); first won at call %d\n",
                    qPrintable(prize.name), t.median, t.worst, t.cpuMedian, t.cpuWorst, t.calls, t.firstWon);
    }
    session.setPrizes(all);
    const Times t = callGames(session, draws, 2);
    std::printf("  all %zu as stages  call, stages and every winner: wall median %.3f ms, worst %.3f ms; CPU median "
                "%.3f ms, worst %.3f ms (call %d); over %zu calls\n",
                all.size(), t.median, t.worst, t.cpuMedian, t.cpuWorst, t.worstCall, t.calls);
    QElapsedTimer timer;
    timer.start();
    session.newGame();
    for (int i = 0; i < 40; ++i)
        session.callNext(draws);
    timer.restart();
    session.setPrizes(all);
    std::printf("  choosing the stages after 40 calls (the calls made again): %.1f ms\n",
                double(timer.nsecsElapsed()) / 1e6);
}

void runTickets(int tickets)
{
    CardSettings settings;
    settings.kind = CardKind::Tickets90;
    CallBoard board(cardEntries(settings.kind, {}), false, QString(), settings.kind);
    WinIndexBuilder builder(board, cardShape(settings));
    builder.reserve(tickets);
    SeededRandomSource plain(1);
    TicketDeck deck(plain, std::uint64_t(20240501));
    std::vector<int> items(TicketCells);
    for (int k = 1; k <= tickets; ++k) {
        const Ticket &ticket = deck.ticket(std::uint64_t(k));
        for (int cell = 0; cell < TicketCells; ++cell)
            items[std::size_t(cell)] = ticket.cells[std::size_t(cell)] - 1; // item n - 1 is number n; blank -1
        builder.addCardItems(items);
    }
    CallSession session(std::move(board), builder.finish());
    std::printf("%d 90-ball tickets\n", tickets);
    SeededRandomSource draws(7);
    for (const Prize &prize : ticketPrizes()) {
        session.setPrizes({prize});
        const Times t = callGames(session, draws, 2);
        std::printf("  %-16s call, stages and every winner: wall median %.3f ms, worst %.3f ms; CPU median %.3f ms, "
                    "worst %.3f ms; over %zu calls (target < 5); first won at call %d\n",
                    qPrintable(prize.name), t.median, t.worst, t.cpuMedian, t.cpuWorst, t.calls, t.firstWon);
    }
    for (const PrizeSet &set : prizeSets(settings.kind)) {
        session.setPrizes(set.prizes);
        const Times t = callGames(session, draws, 2);
        std::printf("  %s as stages: wall median %.3f ms, worst %.3f ms; CPU median %.3f ms, worst %.3f ms (call %d); "
                    "over %zu calls\n",
                    qPrintable(set.name), t.median, t.worst, t.cpuMedian, t.cpuWorst, t.worstCall, t.calls);
    }
}

} // namespace

int main(int argc, char **argv)
{
    const int cards = argc > 1 ? std::atoi(argv[1]) : 99999;
    run(cards, 1, true);
    run(cards, 2, false);
    runTickets(cards);
    return 0;
}
