// Numbered games at their largest: 99,999 cards of the numbers 1 to 75.
//
//   open:   reading the game's record and making card 99,999 again (which
//           makes every card before it, as the unique-card rule needs);
//           target < 1 s.
//   calls:  a game of 1,000,000 entries on 4 cards opened in the caller,
//           then each call kept in its file, as the caller keeps it.
//   export: the same 99,999-card job, four to a page, exported to PDF plain
//           and numbered, each in a child process of its own, alternately
//           twice; the numbered job's best CPU time against the plain one's,
//           target <= 1.05.
//
//   bench_game [cards] [--keep folder] [--open-only] [--calls-only]
//       --keep leaves the PDFs and the records in the folder
#include "BenchUtil.h"

#include "app/adapters/PdfFilePrintService.h"
#include "card/Prompts.h"
#include "card/RandomSource.h"
#include "game/CalledGame.h"
#include "game/GameCards.h"
#include "game/GameFile.h"
#include "game/GameFolder.h"
#include "game/NumberedGame.h"
#include "print/CardPrintJob.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

PrintRequest numbersRequest(int cards, const QString &perPage)
{
    PrintRequest r;
    for (int i = 1; i <= 75; ++i)
        r.words.append(QString::number(i));
    r.settings.sizeIndex = 1;
    r.settings.freeSpace = true;
    r.settings.heading = true;
    r.cardCountText = QString::number(cards);
    r.cardsPerPageText = perPage;
    return r;
}

// One export in this process: prints "wall-ms cpu-ms".
int runExport(bool numbered, int cards, const QString &folder)
{
    const PrintRequest request = numbersRequest(cards, QStringLiteral("4"));
    const QString pdf = QDir(folder).filePath(numbered ? QStringLiteral("numbered.pdf") : QStringLiteral("plain.pdf"));
    PdfFilePrintService service(pdf, QPageSize(QPageSize::A4));
    NoPrompts prompts;
    ClockRandomSource random;
    NumberedGame game(request, QDir(folder).filePath(QStringLiteral("Games")), 0x5EED);
    QStringList cells;
    QElapsedTimer timer;
    timer.start();
    const qint64 cpu0 = cpuMs();
    const PrintOutcome outcome =
        printCards(request, cells, {service, prompts, random, nullptr, numbered ? &game.numbering() : nullptr});
    const qint64 ms = timer.elapsed();
    const qint64 cpu = cpuMs() - cpu0;
    if (outcome != PrintOutcome::Printed || game.recorded() != numbered)
        return 1;
    std::printf("%lld %lld\n", ms, cpu);
    return 0;
}

struct Run
{
    double wall = 0;
    double cpu = 0;
    bool ok = false;
};

Run child(bool numbered, int cards, const QString &folder)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QCoreApplication::applicationFilePath(),
            {numbered ? QStringLiteral("--numbered") : QStringLiteral("--plain"), QString::number(cards), folder});
    Run r;
    if (!p.waitForFinished(-1) || p.exitCode() != 0)
        return r;
    const QStringList parts = QString::fromLatin1(p.readAllStandardOutput()).split(QLatin1Char(' '));
    if (parts.size() < 2)
        return r;
    r.wall = parts[0].toDouble() / 1000.0;
    r.cpu = parts[1].toDouble() / 1000.0;
    r.ok = true;
    return r;
}

void benchOpen(int cards, const QString &folder)
{
    // The record a finished 99,999-card job, one to a page, leaves behind.
    const PrintRequest request = numbersRequest(cards, QStringLiteral("1"));
    NumberedGame game(request, QDir(folder).filePath(QStringLiteral("Games")), 0xB16B00B5ULL);
    game.numbering().documentEnding(std::uint64_t(cards));
    QStringList last;
    const qint64 cpu0 = cpuMs();
    constexpr int Runs = 5;
    const double ms = medianMs(Runs, [&] {
        GameCards made(readGameRecord(game.path()));
        last = made.cells(made.count());
    });
    std::printf("open a %d-card game of the 75 numbers and make card %d: median wall %.0f ms, mean cpu %.0f ms "
                "(target < 1000 ms)\n",
                cards, cards, ms, double(cpuMs() - cpu0) / Runs);
    std::printf("  card %d: %s\n", cards, qPrintable(last.join(QLatin1Char(' '))));
}

void benchCalls(const QString &folder)
{
    constexpr int Entries = 1000000;
    PrintRequest request = numbersRequest(4, QStringLiteral("4"));
    request.words.clear();
    for (int i = 1; i <= Entries; ++i)
        request.words.append(QStringLiteral("Entry %1").arg(i, 7, 10, QLatin1Char('0')));
    NumberedGame game(request, QDir(folder).filePath(QStringLiteral("Games")), 0xCA11);
    game.numbering().documentEnding(4);
    QElapsedTimer timer;
    timer.start();
    const std::unique_ptr<CalledGame> called = CalledGame::openRecord(game.path());
    const qint64 open = timer.elapsed();
    ClockRandomSource random;
    timer.restart();
    called->session().callNext(random);
    called->keepCalls();
    const qint64 first = timer.elapsed();
    constexpr int Runs = 20;
    const double ms = medianMs(Runs, [&] {
        called->session().callNext(random);
        called->keepCalls();
    });
    std::printf("a game of %d entries: opened in %lld ms; first call kept in %lld ms, then median %.1f ms a call\n",
                Entries, open, first, ms);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && (args[1] == QLatin1String("--plain") || args[1] == QLatin1String("--numbered")))
        return runExport(args[1] == QLatin1String("--numbered"), args[2].toInt(), args[3]);

    int cards = 99999;
    QString keep;
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--keep") && i + 1 < args.size())
            keep = args[++i];
        else if (args[i].startsWith(QLatin1String("--")))
            continue;
        else
            cards = args[i].toInt();
    }
    QTemporaryDir temporary;
    const QString folder = keep.isEmpty() ? temporary.path() : keep;
    QDir().mkpath(folder);

    if (args.contains(QLatin1String("--calls-only"))) {
        benchCalls(folder);
        return 0;
    }
    benchOpen(cards, folder);
    benchCalls(folder);
    if (args.contains(QLatin1String("--open-only")))
        return 0;

    Run plain{1e9, 1e9, true};
    Run numbered{1e9, 1e9, true};
    for (int round = 0; round < 2; ++round) {
        const Run p = child(false, cards, folder);
        const Run n = child(true, cards, folder);
        if (!p.ok || !n.ok) {
            std::fprintf(stderr, "bench_game: an export failed\n");
            return 1;
        }
        std::printf("  round %d: plain wall %6.2f s cpu %6.2f s | numbered wall %6.2f s cpu %6.2f s\n", round + 1,
                    p.wall, p.cpu, n.wall, n.cpu);
        plain = {std::min(plain.wall, p.wall), std::min(plain.cpu, p.cpu), true};
        numbered = {std::min(numbered.wall, n.wall), std::min(numbered.cpu, n.cpu), true};
    }
    std::printf("export %d cards four to a page to PDF, best of two: plain cpu %.2f s, numbered cpu %.2f s\n", cards,
                plain.cpu, numbered.cpu);
    std::printf("  ratio numbered / plain: cpu %.3f, wall %.3f (target <= 1.05)\n", numbered.cpu / plain.cpu,
                numbered.wall / plain.wall);
    return 0;
}
