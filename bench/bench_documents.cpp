// Documents, settings and samples under load. Run by hand, one scenario per
// process so that the peak memory is the scenario's own:
//   bench_documents [open] [entries]     open a document of that many entries
//                                        (default 100,000), then add to it
//   bench_documents huge <MiB>           a document of one-letter lines
//   bench_documents options <MiB>        start-up and close with an Options.ini
//                                        of that many MiB of blank lines
//   bench_documents nested <folders>     a sample folder nested that deep
//   bench_documents wide <lists>         a sample theme of that many lists
//   bench_documents rootlink             a sample folder that links to "/"
// Targets: 1,000,000 entries open within 5 s and 1 GiB; start-up and close
// within 1 s whatever Options.ini holds; the sample scan within 1 s.
#include "BenchUtil.h"
#include "app/CardPaintBox.h"
#include "app/UnitMain.h"
#include "app/adapters/CupsPrintService.h"
#include "card/Prompts.h"
#include "card/RandomSource.h"
#include "card/WordList.h"
#include "docs/CardListDocument.h"
#include "docs/Folders.h"
#include "docs/SampleTree.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <ctime>
#include <functional>

namespace {

// Answers every question No and every open dialog with one path.
class FixedPrompts : public IPrompts
{
public:
    explicit FixedPrompts(QString path) : m_path(std::move(path)) {}
    void information(const QString &) override {}
    bool question(const QString &, DefaultButton) override { return false; }
    void error(const QString &text) override { std::printf("error box: %s\n", qPrintable(text)); }
    std::optional<QString> saveFileName(const FileDialogSpec &) override { return std::nullopt; }
    std::optional<QString> openFileName(const FileDialogSpec &) override { return m_path; }

private:
    QString m_path;
};

struct Window
{
    explicit Window(const QString &path) : prompts(path)
    {
        services.prompts = &prompts;
        services.random = &random;
        services.printService = &printService;
    }
    FixedPrompts prompts;
    ClockRandomSource random;
    CupsPrintService printService;
    MainServices services;
};

double onceMs(const std::function<void()> &body)
{
    QElapsedTimer timer;
    timer.start();
    body();
    return double(timer.nsecsElapsed()) / 1e6;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

int openDocument(const QString &dir, int count)
{
    const QString path = joinPath(dir, QStringLiteral("big.mrv"));
    QStringList entries;
    entries.reserve(count);
    for (int i = 0; i < count; ++i)
        entries.append(QStringLiteral("entry number %1").arg(QRandomGenerator::global()->generate() % 1000000));
    WriteCardList(path, entries);
    entries.clear();
    std::printf("document: %d entries, %lld bytes\n", count, static_cast<long long>(QFile(path).size()));

    const int runs = count > 200000 ? 1 : 7;
    const double readMs = medianMs(runs, [&] {
        QStringList read;
        ReadCardList(path, read);
    });
    std::printf("ReadCardList:               median %8.1f ms\n", readMs);
    {
        QStringList read;
        ReadCardList(path, read);
        const double sortMs = medianMs(runs, [&] {
            WordList words;
            words.insertMany(read);
        });
        std::printf("WordList::insertMany:       median %8.1f ms\n", sortMs);
    }

    Window services(path);
    TFrmMain window(services.services);
    window.show();
    const int openRuns = runs > 1 ? 5 : 1;
    const std::clock_t cpuStart = std::clock();
    const double openMs = medianMs(openRuns, [&] {
        window.MnuFileOpenClick();
        window.PB->repaint();
    });
    // CPU time as well: on a shared machine the wall time says more about the neighbours.
    const double openCpuMs = double(std::clock() - cpuStart) * 1000.0 / CLOCKS_PER_SEC / openRuns;
    std::printf("Open + arrange + repaint:   median %8.1f ms, CPU %.1f ms (target < %d ms); %lld entries listed; "
                "peak %.0f MiB\n",
                openMs, openCpuMs, count > 200000 ? 5000 : 1000, static_cast<long long>(window.words().count()),
                peakRssMiB());

    int next = 0;
    const double addMs = medianMs(21, [&] {
        window.CboCardStr->setEditText(QStringLiteral("added entry %1").arg(next++));
        window.BtnAddClick();
        window.PB->repaint();
    });
    std::printf("Add to %lld entries + arrange + repaint: median %6.1f ms (target < 50 ms)\n",
                static_cast<long long>(window.words().count()), addMs);
    return 0;
}

int openHuge(const QString &dir, int mib)
{
    const QString path = joinPath(dir, QStringLiteral("huge.mrv"));
    writeFile(path, QByteArray("a\n").repeated(mib * 1024 * 1024 / 2));
    std::printf("document: %d MiB of one-letter lines\n", mib);
    Window services(path);
    TFrmMain window(services.services);
    window.show();
    const double ms = onceMs([&] { window.MnuFileOpenClick(); });
    std::printf("Open: %.1f ms, %lld entries listed, peak %.0f MiB\n", ms,
                static_cast<long long>(window.words().count()), peakRssMiB());
    return 0;
}

int bigOptions(int mib)
{
    const QByteArray keys("[Options]\nCardSize=2\nTxtHeading=LOTTO\n");
    const QByteArray ini = QByteArray("\n").repeated(mib * 1024 * 1024 - keys.size()) + keys;
    writeFile(OptionsFilePath(), ini);
    std::printf("Options.ini: %lld bytes\n", static_cast<long long>(ini.size()));
    Window services(QString{});
    std::unique_ptr<TFrmMain> window;
    const double startMs = onceMs([&] { window = std::make_unique<TFrmMain>(services.services); });
    std::printf("start-up: %.1f ms (target < 1000 ms)\n", startMs);
    window->show();
    const double closeMs = onceMs([&] { window->close(); });
    std::printf("close:    %.1f ms (target < 1000 ms); peak %.0f MiB\n", closeMs, peakRssMiB());
    return 0;
}

void scanSamples(const QString &folder)
{
    std::size_t nodes = 0;
    std::function<void(const std::vector<SampleNode> &)> count = [&](const std::vector<SampleNode> &level) {
        for (const SampleNode &n : level) {
            ++nodes;
            count(n.children);
        }
    };
    const double ms = onceMs([&] { count(scanSampleFolder(folder)); });
    std::printf("sample scan: %.1f ms, %zu menu items (target < 1000 ms); peak %.0f MiB\n", ms, nodes, peakRssMiB());
}

int nestedSamples(const QString &dir, int depth)
{
    const QString root = joinPath(dir, QStringLiteral("SampleLists"));
    QString folder = root;
    for (int i = 0; i < depth; ++i) {
        folder = joinPath(folder, QStringLiteral("d"));
        writeFile(joinPath(folder, QStringLiteral("List.mrv")), "a\r\n");
    }
    std::printf("sample folder: %d nested folders\n", depth);
    scanSamples(root + QLatin1Char('/'));
    return 0;
}

int wideSamples(const QString &dir, int count)
{
    const QString root = joinPath(dir, QStringLiteral("SampleLists"));
    for (int i = 0; i < count; ++i)
        writeFile(joinPath(root, QStringLiteral("Theme/List %1.mrv").arg(i)), "a\r\n");
    std::printf("sample folder: %d lists in one theme\n", count);
    scanSamples(root + QLatin1Char('/'));
    return 0;
}

int rootLink(const QString &dir)
{
    const QString root = joinPath(dir, QStringLiteral("SampleLists"));
    QFile::link(QStringLiteral("/"), root);
    std::printf("sample folder: a link to /\n");
    scanSamples(root + QLatin1Char('/'));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The window makes a product folder: keep it away from the user's own.
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("data"))));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvane"));
    QDir().mkpath(productFolder());

    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const int number = argc > 2 ? std::atoi(argv[2]) : 0;
    if (mode == QLatin1String("huge"))
        return openHuge(dir.path(), number > 0 ? number : 20);
    if (mode == QLatin1String("options"))
        return bigOptions(number > 0 ? number : 10);
    if (mode == QLatin1String("nested"))
        return nestedSamples(dir.path(), number > 0 ? number : 1900);
    if (mode == QLatin1String("wide"))
        return wideSamples(dir.path(), number > 0 ? number : 20000);
    if (mode == QLatin1String("rootlink"))
        return rootLink(dir.path());
    if (mode == QLatin1String("open"))
        return openDocument(dir.path(), number > 0 ? number : 100000);
    return openDocument(dir.path(), mode.toInt() > 0 ? mode.toInt() : 100000);
}
