// Opening a 100,000-entry document: the reader alone, and the whole Open
// command with its arrangement and the sample card's repaint (target < 1 s).
// Run by hand: bench_documents [entries]
#include "BenchUtil.h"
#include "app/CardPaintBox.h"
#include "app/CupsPrintService.h"
#include "app/UnitMain.h"
#include "card/Prompts.h"
#include "card/RandomSource.h"
#include "docs/CardListDocument.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

// Answers every question No and every open dialog with one path.
class FixedPrompts : public IPrompts
{
public:
    explicit FixedPrompts(QString path) : m_path(std::move(path)) {}
    void information(const QString &) override {}
    bool question(const QString &, DefaultButton) override { return false; }
    void error(const QString &text) override { std::fprintf(stderr, "error: %s\n", qPrintable(text)); }
    std::optional<QString> saveFileName(const FileDialogSpec &) override { return std::nullopt; }
    std::optional<QString> openFileName(const FileDialogSpec &) override { return m_path; }

private:
    QString m_path;
};

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
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;

    const QString path = dir.filePath(QStringLiteral("big.mrv"));
    QStringList entries;
    entries.reserve(count);
    for (int i = 0; i < count; ++i)
        entries.append(QStringLiteral("entry number %1").arg(QRandomGenerator::global()->generate() % 1000000));
    WriteCardList(path, entries);
    std::printf("document: %d entries, %lld bytes\n", count, static_cast<long long>(QFile(path).size()));

    const double readMs = medianMs(7, [&] {
        QStringList read;
        ReadCardList(path, read);
    });
    std::printf("ReadCardList:               median %8.1f ms\n", readMs);

    FixedPrompts prompts(path);
    ClockRandomSource random;
    CupsPrintService printService;
    MainServices services;
    services.prompts = &prompts;
    services.random = &random;
    services.printService = &printService;
    TFrmMain window(services);
    window.show();
    const double openMs = medianMs(5, [&] {
        window.MnuFileOpenClick();
        window.PB->repaint();
    });
    std::printf("Open + arrange + repaint:   median %8.1f ms (target < 1000 ms); %lld entries listed\n", openMs,
                static_cast<long long>(window.words().count()));

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
