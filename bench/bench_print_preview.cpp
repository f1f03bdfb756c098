// The print preview of the largest job: 99,999 cards of the 75 numbers, four
// to a page (25,000 pages), on the export's A4 paper, in the Print Preview
// window itself (offscreen).
//
//   first page:   opening the preview (the print command's checks, the page
//                 laid out) and the window showing page 1; target < 0.5 s.
//   typed page:   page 25,000 typed in right after, which makes every card
//                 before it; then page 12,345; target < 0.2 s.
//   memory:       the process's peak resident size; target < 200 MiB.
//
//   bench_print_preview [cards] [entries]   entries > 75: that many words
#include "BenchUtil.h"

#include "app/adapters/PdfFilePrintService.h"
#include "app/preview/PreviewPageView.h"
#include "app/preview/UnitFrmPrintPreview.h"
#include "card/Prompts.h"
#include "print/PrintPreview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSpinBox>

#include <cstdio>
#include <memory>

namespace {

struct Timing
{
    double wall = 0;
    double cpu = 0;
};

template <typename F>
Timing timed(F &&body)
{
    QElapsedTimer timer;
    timer.start();
    const double cpu0 = cpuMs();
    body();
    return {double(timer.nsecsElapsed()) / 1e6, cpuMs() - cpu0};
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int cards = argc > 1 ? std::atoi(argv[1]) : 99999;
    const int entries = argc > 2 ? std::atoi(argv[2]) : 75;

    PrintRequest request;
    for (int i = 1; i <= entries; ++i)
        request.words.append(QString::number(i));
    request.settings.sizeIndex = 1;
    request.cardCountText = QString::number(cards);
    request.cardsPerPageText = QStringLiteral("4");
    NoPrompts prompts;
    ExportPaper paper;
    paper.size = QPageSize::A4;

    constexpr int Runs = 5;
    std::vector<double> firstWall, firstCpu, typedWall, typedCpu, againWall;
    int pages = 0;
    for (int run = 0; run < Runs; ++run) {
        std::unique_ptr<TFrmPrintPreview> window;
        const Timing first = timed([&] {
            auto service = std::make_unique<PdfFilePrintService>(QString(), paper.pageSize(), paper.orientation);
            auto preview = PrintPreview::open(request, {}, *service, prompts, 0x5EED + run);
            window = std::make_unique<TFrmPrintPreview>(std::move(preview), nullptr, QString(), std::move(service),
                                                        paper, prompts, PreviewCommands{}, nullptr);
            window->PageView->grab();
        });
        pages = window->preview().pageCount();
        const Timing typed = timed([&] {
            window->EdtPage->setValue(25000);
            window->PageView->grab();
        });
        const Timing again = timed([&] {
            window->EdtPage->setValue(12345);
            window->PageView->grab();
        });
        if (window->currentPage() != std::min(12345, pages) - 1) {
            std::fprintf(stderr, "bench_print_preview: the page typed in is not shown\n");
            return 1;
        }
        firstWall.push_back(first.wall);
        firstCpu.push_back(first.cpu);
        typedWall.push_back(typed.wall);
        typedCpu.push_back(typed.cpu);
        againWall.push_back(again.wall);
    }
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::printf("print preview of %d cards of %d entries, 4 to a page (%d pages), A4, median of %d:\n", cards, entries,
                pages, Runs);
    std::printf("  first page shown:        wall %6.1f ms, cpu %6.1f ms (target < 500 ms)\n", median(firstWall),
                median(firstCpu));
    std::printf("  page 25,000 typed in:    wall %6.1f ms, cpu %6.1f ms (target < 200 ms)\n", median(typedWall),
                median(typedCpu));
    std::printf("  then page 12,345:        wall %6.1f ms\n", median(againWall));
    std::printf("  peak resident memory:    %.0f MiB (target < 200 MiB)\n", peakRssMiB());
    return 0;
}
