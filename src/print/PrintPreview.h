#pragma once

#include "card/Prompts.h"
#include "print/CardJob.h"
#include "print/KeptCards.h"
#include "print/PrintRequest.h"
#include "print/RecordedPage.h"
#include "print/RecordingPrintService.h"

#include <cstdint>
#include <memory>

// What "Print" would make now, page by page, without printing it: the card
// job on a recording service, its pages drawn one at a time when asked for.
// The cards are fixed when the preview opens: they come from a seed, card by
// card as numbered games do, so printing with that seed (PrintContext::seed,
// or the numbering's) makes exactly the cards shown, on any paper.
class PrintPreview
{
public:
    // The print command's checks, in its order, with the request's printer
    // selected on the service: too few entries, the printer and its page, a
    // count that is no number, a page too small, and the question about
    // repeated cards. Null when the user was told no or said no; failures
    // throw as they do when printing. startCells is the window's card, as
    // for StreamCards. The numbering, when given, carries the seed and
    // outlives the preview.
    static std::unique_ptr<PrintPreview> open(const PrintRequest &request, const QStringList &startCells,
                                              IPrintService &service, IPrompts &prompts, std::uint64_t seed,
                                              const CardNumbering *numbering = nullptr);
    ~PrintPreview();
    PrintPreview(const PrintPreview &) = delete;
    PrintPreview &operator=(const PrintPreview &) = delete;

    // Shows the same cards on another service's page (the export's paper,
    // say): its printer selected at that position, its page laid out anew.
    void showOn(IPrintService &service, int printerPosition);
    // Reads the page of the service shown again: printing on it drops what
    // was prepared for measuring.
    void refresh();

    // The service whose page is shown.
    IPrintService &service() const { return m_service->inner(); }
    const PrintRequest &request() const { return m_request; }
    std::uint64_t seed() const { return m_seed; }
    int pageCount() const { return m_plan.pages; }
    std::uint64_t cardCount() const { return m_plan.cards; }
    PrintableArea area() const { return m_plan.area; }
    // The sheet around the printable area; a service that cannot tell gets
    // an even border of the physical offsets.
    PaperSheet paper() const { return m_paper; }
    // Page p (from 0); empty outside the job.
    RecordedPage page(int p);

private:
    PrintPreview(const PrintRequest &request, const QStringList &startCells, std::uint64_t seed,
                 const CardNumbering *numbering);
    void layOut(IPrintService &service, int printerPosition);

    PrintRequest m_request;
    QStringList m_startCells;
    std::uint64_t m_seed;
    const CardNumbering *m_numbering;
    std::unique_ptr<RecordingPrintService> m_service;
    int m_printerPosition = -1;
    CardJobPlan m_plan;
    PaperSheet m_paper;
    std::unique_ptr<JobNumbering> m_lines;
    std::unique_ptr<CellTextMemo> m_memo;
    // A seeded deck never draws from it.
    SeededRandomSource m_unseeded;
    std::unique_ptr<ICardSource> m_cards;
};
