#pragma once

#include "print/PrintService.h"

#include <QPageLayout>

#include <memory>

class PdfPages;
class QIODevice;

// The drawing half of a printing service whose documents are PDF files: the
// job is drawn on a PDF of the current printer's page, resolution and
// margins, then handed on by the subclass. The painter opens at the first
// use of the canvas, which may come before the document begins (the call
// list measures first); nothing is handed on unless the document ends.
class PdfPrintService : public IPrintService
{
public:
    PdfPrintService();
    ~PdfPrintService() override;

    PaperSheet paperSheet() override;
    void setTitle(const QString &title) override;
    ICanvas &canvas() override;
    bool printing() const override { return m_printing; }
    void beginDoc() override;
    void newPage() override;
    void endDoc() override;
    void abortDoc() override;

protected:
    // The page of the current printer, set when its area is read.
    void setPage(const QPageLayout &layout, int resolution);
    // Throws "Printing in progress" while a document is open.
    void requireIdle() const;
    // Drops the pages and the output; a new printer or page starts afresh.
    void discard();

    // An empty output open for writing; throws when it cannot be made.
    virtual QIODevice &openOutput() = 0;
    // The finished PDF is in the output: hand it on, or throw.
    virtual void deliver(const QString &title) = 0;
    // Forgets the output, whatever state it is in.
    virtual void dropOutput() = 0;
    // A page went to the output: throws when the output or the printer has
    // failed, so a full disk or a vanished printer ends the job at once.
    virtual void pageWritten() = 0;

private:
    QString m_title;
    QPageLayout m_layout;
    int m_resolution = 0;
    std::unique_ptr<PdfPages> m_pages;
    bool m_printing = false;
};
