#include "print/PrintPreview.h"

#include "print/EntryCheck.h"

namespace {

// Without a word from the service, the sheet is the printable area with its
// offsets on every side, and a resolution common among printers.
constexpr int AssumedDpi = 600;

PaperSheet sheetAround(const PrintableArea &area, PaperSheet sheet)
{
    if (sheet.width <= 0 || sheet.height <= 0 || sheet.dpi <= 0)
        sheet = {area.width + 2 * area.offsetX, area.height + 2 * area.offsetY, AssumedDpi};
    return sheet;
}

} // namespace

PrintPreview::PrintPreview(const PrintRequest &request, const QStringList &startCells, std::uint64_t seed,
                           const CardNumbering *numbering)
    : m_request(request),
      m_startCells(startCells),
      m_seed(seed),
      m_numbering(numbering)
{
}

PrintPreview::~PrintPreview()
{
    if (m_service)
        m_service->abortDoc();
}

std::unique_ptr<PrintPreview> PrintPreview::open(const PrintRequest &request, const QStringList &startCells,
                                                 IPrintService &service, IPrompts &prompts, std::uint64_t seed,
                                                 const CardNumbering *numbering)
{
    if (!checkEntryCount(request.words.size(), request.settings, prompts))
        return nullptr;
    std::unique_ptr<PrintPreview> preview(new PrintPreview(request, startCells, seed, numbering));
    preview->layOut(service, request.printerPosition);
    if (!acceptRepeats(preview->m_plan, prompts))
        return nullptr;
    return preview;
}

void PrintPreview::layOut(IPrintService &service, int printerPosition)
{
    // Laid out on the side: a page that fails leaves the one shown as it was.
    auto recording = std::make_unique<RecordingPrintService>(service);
    recording->selectPrinter(printerPosition);
    CardJobPlan plan = planCardJob(*recording, m_request);
    const PaperSheet paper = sheetAround(plan.area, recording->paperSheet());
    auto lines = std::make_unique<JobNumbering>(m_numbering);
    lines->layOut(recording->canvas(), plan.page, plan.layout, plan.columns, plan.rows, plan.cards);

    // Another service's measuring is of no more use; the same service's is
    // the one just prepared.
    if (m_service && &m_service->inner() != &service)
        m_service->abortDoc();
    m_service = std::move(recording);
    m_printerPosition = printerPosition;
    m_plan = std::move(plan);
    m_paper = paper;
    m_lines = std::move(lines);
    m_memo = std::make_unique<CellTextMemo>();
    // The cards stay those first made: the count and the list are the
    // request's, whatever the paper.
    if (!m_cards) {
        const std::uint64_t seed = m_numbering ? m_numbering->seed : m_seed;
        if (m_request.settings.kind == CardKind::Tickets90)
            m_cards = std::make_unique<TicketCards>(m_unseeded, seed);
        else
            m_cards = std::make_unique<KeptCards>(m_request.words, m_request.settings, m_plan.faces, m_plan.cards, seed,
                                                  m_startCells);
    }
}

void PrintPreview::showOn(IPrintService &service, int printerPosition)
{
    layOut(service, printerPosition);
}

void PrintPreview::refresh()
{
    layOut(m_service->inner(), m_printerPosition);
}

RecordedPage PrintPreview::page(int p)
{
    if (p < 0 || p >= m_plan.pages)
        return {};
    ICanvas &canvas = m_service->canvas();
    m_service->takePage();
    drawCardPage(canvas, m_request.settings, m_plan, p, *m_cards, *m_lines, m_memo.get());
    return m_service->takePage();
}
