// 99,999 tickets exported against 99,999 5 x 5 cards of the numbers 1 to 75
// (heading, free space, four to a page), through the same job and the Qt PDF
// adapter, on A4. The runs take turns, each a child process of its own so
// each peak memory is its own; then tickets again at a tenth of the count,
// for how memory grows with the tickets.
//
//   bench_ticket_export [count] [rounds]
//   bench_ticket_export --job cards|tickets COUNT FILE
#include "BenchUtil.h"
#include "app/adapters/PdfFilePrintService.h"
#include "card/CardKind.h"
#include "card/Prompts.h"
#include "card/RandomSource.h"
#include "print/CardPrintJob.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

namespace {

int runJob(bool tickets, int count, const QString &path)
{
    PrintRequest r;
    r.settings.sizeIndex = 1;
    r.settings.freeSpace = true;
    r.settings.heading = true;
    r.settings.kind = tickets ? CardKind::Tickets90 : CardKind::WordCards;
    QStringList numbers;
    for (int i = 1; i <= 75; ++i)
        numbers.append(QString::number(i));
    r.words = cardEntries(r.settings.kind, numbers);
    r.cardCountText = QString::number(count);
    r.cardsPerPageText = tickets ? QStringLiteral("6") : QStringLiteral("4");
    PdfFilePrintService service(path, QPageSize(QPageSize::A4));
    NoPrompts prompts;
    ClockRandomSource random;
    QStringList cells;
    QElapsedTimer timer;
    timer.start();
    const qint64 cpu0 = cpuMs();
    if (printCards(r, cells, {service, prompts, random, nullptr}) != PrintOutcome::Printed)
        return 1;
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    std::printf("%lld %lld %ld %lld\n", static_cast<long long>(timer.elapsed()), static_cast<long long>(cpuMs() - cpu0),
                u.ru_maxrss, static_cast<long long>(QFileInfo(path).size()));
    return 0;
}

struct Result
{
    double wallMs = 0, cpuMs = 0, peakMiB = 0, fileMiB = 0;
};

Result child(const QString &kind, int count, const QString &path)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--job"), kind, QString::number(count), path});
    p.waitForFinished(-1);
    const QList<QByteArray> f = p.readAllStandardOutput().trimmed().split(' ');
    if (f.size() < 4)
        return {};
    return {f[0].toDouble(), f[1].toDouble(), f[2].toDouble() / 1024, f[3].toDouble() / 1048576};
}

void show(const char *what, int count, const Result &r)
{
    std::printf("%-8s %6d: %8.0f ms wall %8.0f ms cpu, peak %6.1f MiB, file %6.1f MiB\n", what, count, r.wallMs,
                r.cpuMs, r.peakMiB, r.fileMiB);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == QStringLiteral("--job"))
        return runJob(args[2] == QStringLiteral("tickets"), args[3].toInt(), args[4]);

    const int count = args.size() > 1 ? args[1].toInt() : 99999;
    const int rounds = args.size() > 2 ? args[2].toInt() : 2;
    QTemporaryDir dir;
    double cardsCpu = 0;
    double ticketsCpu = 0;
    for (int round = 0; round < rounds; ++round) {
        const Result cards = child(QStringLiteral("cards"), count, dir.filePath(QStringLiteral("cards.pdf")));
        show("cards", count, cards);
        const Result tickets = child(QStringLiteral("tickets"), count, dir.filePath(QStringLiteral("tickets.pdf")));
        show("tickets", count, tickets);
        cardsCpu += cards.cpuMs;
        ticketsCpu += tickets.cpuMs;
    }
    std::printf("tickets / cards, cpu: %.2f\n", ticketsCpu / cardsCpu);
    const Result tenth = child(QStringLiteral("tickets"), count / 10, dir.filePath(QStringLiteral("tenth.pdf")));
    show("tickets", count / 10, tenth);
    return 0;
}
