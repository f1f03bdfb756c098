#pragma once

#include "print/PrintService.h"
#include "print/RecordedPage.h"

#include <memory>
#include <vector>

// A printing service that keeps its pages as drawing calls instead of
// printing them: the print preview's. The printer, its page and the text
// measurements are the inner service's, so a job lays out and fits its text
// exactly as it would there; nothing drawn ever reaches the inner service,
// and no document is opened on it.
class RecordingPrintService : public IPrintService
{
public:
    explicit RecordingPrintService(IPrintService &inner);
    ~RecordingPrintService() override;

    void findPrinters(std::function<void()> ready) override { m_inner.findPrinters(std::move(ready)); }
    QStringList printers() override { return m_inner.printers(); }
    int defaultPrinterPosition() override { return m_inner.defaultPrinterPosition(); }
    void selectPrinter(int position) override;
    int printerIndex() const override { return m_inner.printerIndex(); }
    PrintableArea printableArea() override;
    PaperSheet paperSheet() override;

    void setTitle(const QString &title) override { m_inner.setTitle(title); }
    ICanvas &canvas() override;

    bool printing() const override { return m_printing; }
    void beginDoc() override;
    void newPage() override;
    void endDoc() override;
    // Drops the recorded pages, and whatever the inner service prepared for
    // measuring.
    void abortDoc() override;

    IPrintService &inner() const { return m_inner; }
    // The pages of the last document ended.
    const std::vector<RecordedPage> &pages() const { return m_pages; }
    // What was drawn since the last page was taken (or the document began),
    // as a page of its own; drawing starts afresh.
    RecordedPage takePage();

private:
    class Canvas;

    IPrintService &m_inner;
    std::unique_ptr<Canvas> m_canvas;
    bool m_printing = false;
    std::vector<RecordedPage> m_pages;
    std::vector<RecordedPage> m_open;
};
