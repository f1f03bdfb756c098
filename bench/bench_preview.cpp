// Times the sample card's paint (7 x 7, 48 long multi-word entries, word
// wrap on) and PrintCellText at printer resolution. Run by hand:
//   bench_preview [paints] [print calls]
#include "app/adapters/QtCanvas.h"
#include "card/CardSettings.h"
#include "render/CellText.h"
#include "render/Preview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

QStringList longEntries(int count)
{
    static const char *const words[] = {"Grandmother", "wears",  "a",    "bright", "purple", "hat",      "at",
                                        "the",         "county", "fair", "every",  "summer", "afternoon"};
    QStringList l;
    for (int i = 0; i < count; ++i) {
        QString e;
        const int n = 4 + i % 5;
        for (int j = 0; j < n; ++j) {
            if (j)
                e += QLatin1Char(' ');
            e += QLatin1String(words[(i * 3 + j * 7) % 13]);
        }
        l.append(e);
    }
    return l;
}

double medianMs(std::vector<qint64> ns)
{
    std::sort(ns.begin(), ns.end());
    return ns[ns.size() / 2] / 1e6;
}

void benchPreview(int paints)
{
    CardSettings s;
    s.sizeIndex = 2;
    s.heading = true;
    s.freeSpace = true;
    s.wordWrap = true;
    const QStringList cells = longEntries(48);

    QImage box(441, 313, QImage::Format_ARGB32_Premultiplied);
    const QColor background(239, 239, 239);
    auto paintOnce = [&] {
        QPainter painter(&box);
        QtCanvas canvas(painter, background);
        paintPreview(canvas, s, cells);
    };

    QElapsedTimer t;
    t.start();
    paintOnce();
    const double firstMs = t.nsecsElapsed() / 1e6;

    std::vector<qint64> times;
    times.reserve(paints);
    for (int i = 0; i < paints; ++i) {
        t.restart();
        paintOnce();
        times.push_back(t.nsecsElapsed());
    }
    std::printf("preview 7x7, 48 long entries, word wrap: first paint %.2f ms, median of %d repaints %.3f ms "
                "(min %.3f, max %.3f)\n",
                firstMs, paints, medianMs(times), *std::min_element(times.begin(), times.end()) / 1e6,
                *std::max_element(times.begin(), times.end()) / 1e6);
}

void benchPrint(int calls)
{
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(600);
    printer.setOutputFileName(dir.filePath(QStringLiteral("bench.pdf")));

    QStringList texts = longEntries(20);
    for (int i = 1; i <= 75; ++i)
        texts.append(QString::number(i));
    texts << QStringLiteral("B") << QStringLiteral("I") << QStringLiteral("N") << QStringLiteral("G")
          << QStringLiteral("O") << QStringLiteral("Free Space") << QStringLiteral(" ");

    QPainter painter(&printer);
    double seconds = 0;
    {
        QtCanvas canvas(painter, Qt::white);
        canvas.setFontName(QStringLiteral("Arial"));
        canvas.setFontSize(20);
        canvas.setFontStyle(FontStyle::Bold);
        canvas.setFontColor(0);

        // Cells of a 5 x 5 card one to a page on A4 at 600 dpi: about 880 pixels.
        const int side = 880;
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < calls; ++i) {
            const int slot = i % 25;
            if (i > 0 && i % 100 == 0) // four cards to a page
                printer.newPage();
            PrintCellText(canvas, (slot % 5) * side, (slot / 5) * side, texts.at(i % texts.size()), side - 1, side - 1,
                          true);
        }
        seconds = t.nsecsElapsed() / 1e9;
    }
    painter.end();
    std::printf("PrintCellText at 600 dpi: %d calls in %.3f s, %.0f calls per second\n", calls, seconds,
                calls / seconds);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int paints = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
    const int calls = argc > 2 ? std::max(1, atoi(argv[2])) : 10000;
    benchPreview(paints);
    benchPrint(calls);
    return 0;
}
