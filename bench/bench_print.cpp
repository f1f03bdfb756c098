// The card print job at its largest: 99,999 cards (5 x 5, heading, free
// space, the numbers 1 to 75) four to a page, through the job code and the
// Qt PDF adapter into a file. It is timed against a floor: the same device
// drawing the same 52 lines and 120 texts per page at the same positions and
// sizes, with no fitting or arranging. Beside it, the same job from a list of
// 100,000 entries ("1" to "100000"), where every card is drawn from the whole
// list, and from 100,000 entries that are "1" to "75" over and over, which
// leaves only the arranging different from the 75 numbers' job (no column
// rule aside). Each run is a child process of its own, so each peak memory is
// its own.
//
//   bench_print [cards]        all four runs, then the ratios
//   bench_print --job-n CARDS FILE ENTRIES
//                              one job from the numbers 1 to ENTRIES, alone
#include "BenchUtil.h"
#include "app/adapters/PdfFilePrintService.h"
#include "card/ArrangeCard.h"
#include "card/Prompts.h"
#include "card/RandomSource.h"
#include "print/CardPrintJob.h"
#include "print/PrintCard.h"
#include "print/PrintSetup.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>
#include <variant>
#include <vector>

namespace {

constexpr int LargeList = 100000;

// The numbers 1 to entries; with cycle, 1 to cycle over and over.
PrintRequest benchRequest(int cards, int entries = 75, int cycle = 0)
{
    PrintRequest r;
    for (int i = 0; i < entries; ++i)
        r.words.append(QString::number(cycle > 0 ? i % cycle + 1 : i + 1));
    r.settings.sizeIndex = 1;
    r.settings.freeSpace = true;
    r.settings.heading = true;
    r.cardCountText = QString::number(cards);
    r.cardsPerPageText = QStringLiteral("4");
    return r;
}

// What one page drew: its lines and its texts with their sizes.
struct Line
{
    int x0, y0, x1, y1;
};
struct Text
{
    int x, y, size;
    QString text;
};
using Op = std::variant<Line, Text>;

// Passes everything through and keeps the drawing calls.
class RecordingCanvas : public ICanvas
{
public:
    explicit RecordingCanvas(ICanvas &inner) : m_inner(inner) {}
    std::vector<Op> ops;

    void fillRect(const CanvasRect &r) override { m_inner.fillRect(r); }
    CanvasRect clipRect() const override { return m_inner.clipRect(); }
    int penWidth() const override { return m_inner.penWidth(); }
    void moveTo(int x, int y) override
    {
        m_x = x;
        m_y = y;
        m_inner.moveTo(x, y);
    }
    void lineTo(int x, int y) override
    {
        ops.push_back(Line{m_x, m_y, x, y});
        m_x = x;
        m_y = y;
        m_inner.lineTo(x, y);
    }
    void textOut(int x, int y, const QString &text) override
    {
        ops.push_back(Text{x, y, m_inner.fontSize(), text});
        m_inner.textOut(x, y, text);
    }
    void textOutClipped(int x, int y, const QString &text, const CanvasRect &clip) override
    {
        ops.push_back(Text{x, y, m_inner.fontSize(), text});
        m_inner.textOutClipped(x, y, text, clip);
    }
    int textWidth(const QString &t) override { return m_inner.textWidth(t); }
    int textHeight(const QString &t) override { return m_inner.textHeight(t); }
    QString fontName() const override { return m_inner.fontName(); }
    void setFontName(const QString &n) override { m_inner.setFontName(n); }
    int fontSize() const override { return m_inner.fontSize(); }
    void setFontSize(int p) override { m_inner.setFontSize(p); }
    FontStyle fontStyle() const override { return m_inner.fontStyle(); }
    void setFontStyle(FontStyle s) override { m_inner.setFontStyle(s); }
    void setFontColor(unsigned rgb) override { m_inner.setFontColor(rgb); }

private:
    ICanvas &m_inner;
    int m_x = 0;
    int m_y = 0;
};

long peakKiB()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// User and system time: steadier than the wall clock on a shared machine.
// The real job.
int runJob(int cards, const QString &path, int entries, int cycle = 0)
{
    PdfFilePrintService service(path, QPageSize(QPageSize::A4));
    NoPrompts prompts;
    ClockRandomSource random;
    QStringList cells;
    QElapsedTimer timer;
    timer.start();
    const qint64 cpu0 = cpuMs();
    const PrintOutcome outcome =
        printCards(benchRequest(cards, entries, cycle), cells, {service, prompts, random, nullptr});
    const qint64 ms = timer.elapsed();
    const qint64 cpu = cpuMs() - cpu0;
    if (outcome != PrintOutcome::Printed)
        return 1;
    std::printf("%lld %ld %lld %lld\n", ms, peakKiB(), QFileInfo(path).size(), cpu);
    return 0;
}

// The floor: the first page drawn by the job code is recorded, and every
// page replays those calls.
int runFloor(int cards, const QString &path)
{
    const PrintRequest request = benchRequest(cards);
    PdfFilePrintService service(path, QPageSize(QPageSize::A4));
    service.selectPrinter(-1);
    const PageGeometry page = preparePage(service, request.settings);
    const CardPageLayout layout = layoutCardPage(4, page, 5, 6);
    const int pages = pageCount(cards, 4);

    ICanvas &canvas = service.canvas();
    service.beginDoc();
    RecordingCanvas recorder(canvas);
    ClockRandomSource random;
    QStringList cells;
    for (const CardSlot &slot : layout.slots) {
        ArrangeCard(request.words, 1, true, cells, random);
        PrintCard(recorder, request.settings, cells, slot.x, slot.y, 5, 6, layout.cellSide);
    }
    QElapsedTimer timer;
    timer.start();
    const qint64 cpu0 = cpuMs();
    for (int p = 1; p < pages; ++p) {
        service.newPage();
        for (const Op &op : recorder.ops) {
            if (const Line *l = std::get_if<Line>(&op)) {
                canvas.moveTo(l->x0, l->y0);
                canvas.lineTo(l->x1, l->y1);
            } else {
                const Text &t = std::get<Text>(op);
                canvas.setFontSize(t.size);
                canvas.textOut(t.x, t.y, t.text);
            }
        }
    }
    service.endDoc();
    const qint64 ms = timer.elapsed();
    const qint64 cpu = cpuMs() - cpu0;
    std::printf("%lld %ld %lld %lld %zu\n", ms, peakKiB(), QFileInfo(path).size(), cpu, recorder.ops.size());
    return 0;
}

struct Figures
{
    double seconds = 0;
    double mib = 0;
    double fileMiB = 0;
    double cpuSeconds = 0;
    int callsPerPage = 0;
    bool ok = false;
};

Figures child(const QString &mode, int cards, const QString &path)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QCoreApplication::applicationFilePath(), {mode, QString::number(cards), path});
    Figures f;
    if (!p.waitForFinished(-1) || p.exitCode() != 0)
        return f;
    const QStringList parts = QString::fromLatin1(p.readAllStandardOutput()).split(QLatin1Char(' '));
    if (parts.size() < 4)
        return f;
    f.cpuSeconds = parts[3].toDouble() / 1000.0;
    if (parts.size() > 4)
        f.callsPerPage = parts[4].toInt();
    f.seconds = parts[0].toDouble() / 1000.0;
    f.mib = parts[1].toDouble() / 1024.0;
    f.fileMiB = parts[2].toDouble() / (1024.0 * 1024.0);
    f.ok = true;
    return f;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == QLatin1String("--job"))
        return runJob(args[2].toInt(), args[3], 75);
    if (args.size() == 4 && args[1] == QLatin1String("--job-large"))
        return runJob(args[2].toInt(), args[3], LargeList);
    if (args.size() == 4 && args[1] == QLatin1String("--job-large-75"))
        return runJob(args[2].toInt(), args[3], LargeList, 75);
    if (args.size() == 5 && args[1] == QLatin1String("--job-n"))
        return runJob(args[2].toInt(), args[3], args[4].toInt());
    if (args.size() == 4 && args[1] == QLatin1String("--floor"))
        return runFloor(args[2].toInt(), args[3]);

    const int cards = args.size() > 1 ? args[1].toInt() : 99999;
    const int pages = pageCount(cards, 4);
    QTemporaryDir dir;
    const Figures floor = child(QStringLiteral("--floor"), cards, dir.filePath(QStringLiteral("floor.pdf")));
    const Figures job = child(QStringLiteral("--job"), cards, dir.filePath(QStringLiteral("job.pdf")));
    const Figures large = child(QStringLiteral("--job-large"), cards, dir.filePath(QStringLiteral("large.pdf")));
    const Figures cycled = child(QStringLiteral("--job-large-75"), cards, dir.filePath(QStringLiteral("cycled.pdf")));
    if (!floor.ok || !job.ok || !large.ok || !cycled.ok) {
        std::fprintf(stderr, "bench_print: a run failed\n");
        return 1;
    }
    std::printf("print job, %d cards, %d pages, 4 per page, A4 at 1200 dpi (floor page: %d drawing calls)\n", cards,
                pages, floor.callsPerPage);
    std::printf("  floor (replayed page):  wall %6.2f s  cpu %6.2f s  %6.0f pages/s  peak %5.1f MiB  file %5.1f MiB\n",
                floor.seconds, floor.cpuSeconds, pages / floor.seconds, floor.mib, floor.fileMiB);
    std::printf("  job (fit and arrange):  wall %6.2f s  cpu %6.2f s  %6.0f pages/s  peak %5.1f MiB  file %5.1f MiB\n",
                job.seconds, job.cpuSeconds, pages / job.seconds, job.mib, job.fileMiB);
    std::printf("  job, 100,000 entries:   wall %6.2f s  cpu %6.2f s  %6.0f pages/s  peak %5.1f MiB  file %5.1f MiB\n",
                large.seconds, large.cpuSeconds, pages / large.seconds, large.mib, large.fileMiB);
    std::printf("  100,000 entries, 1-75:  wall %6.2f s  cpu %6.2f s  %6.0f pages/s  peak %5.1f MiB  file %5.1f MiB\n",
                cycled.seconds, cycled.cpuSeconds, pages / cycled.seconds, cycled.mib, cycled.fileMiB);
    std::printf("  ratio job / floor: wall %.2f, cpu %.2f (target <= 1.30); peak target < 100 MiB\n",
                job.seconds / floor.seconds, job.cpuSeconds / floor.cpuSeconds);
    std::printf("  ratio 100,000 entries / 75 numbers: wall %.2f, cpu %.2f (target <= 1.20); the same texts as the "
                "75 numbers: wall %.2f, cpu %.2f\n",
                large.seconds / job.seconds, large.cpuSeconds / job.cpuSeconds, cycled.seconds / job.seconds,
                cycled.cpuSeconds / job.cpuSeconds);
    return 0;
}
