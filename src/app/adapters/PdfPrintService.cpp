#include "app/adapters/PdfPrintService.h"

#include "app/adapters/PdfPages.h"
#include "card/Error.h"
#include "print/PrintMessages.h"
#include <QCoreApplication>

PdfPrintService::PdfPrintService() = default;

PdfPrintService::~PdfPrintService()
{
    // Subclasses have dropped their output already; only the pages remain.
    m_pages.reset();
}

PaperSheet PdfPrintService::paperSheet()
{
    if (m_resolution <= 0)
        return {};
    const QRect sheet = m_layout.fullRectPixels(m_resolution);
    return {sheet.width(), sheet.height(), m_resolution};
}

void PdfPrintService::setTitle(const QString &title)
{
    m_title = title;
    if (m_pages)
        m_pages->setTitle(title);
}

void PdfPrintService::setPage(const QPageLayout &layout, int resolution)
{
    discard();
    m_layout = layout;
    m_resolution = resolution;
}

ICanvas &PdfPrintService::canvas()
{
    if (!m_pages) {
        if (m_resolution <= 0)
            throw MorvaneError(PrintMessages::printerNotValid());
        QIODevice &output = openOutput();
        try {
            m_pages = std::make_unique<PdfPages>(output, m_layout, m_resolution, m_title);
        } catch (...) {
            dropOutput();
            throw;
        }
    }
    return m_pages->canvas();
}

void PdfPrintService::requireIdle() const
{
    if (m_printing)
        throw MorvaneError(PrintMessages::printingInProgress());
}

void PdfPrintService::beginDoc()
{
    requireIdle();
    canvas();
    m_printing = true;
}

void PdfPrintService::newPage()
{
    if (!m_printing)
        return;
    m_pages->newPage();
    pageWritten();
}

void PdfPrintService::endDoc()
{
    if (!m_printing)
        return;
    const bool written = m_pages->finish();
    m_pages.reset();
    m_printing = false;
    try {
        if (!written)
            throw MorvaneError(QCoreApplication::translate("PrintService", "Cannot write the print document"));
        deliver(m_title);
    } catch (...) {
        dropOutput();
        throw;
    }
    dropOutput();
}

void PdfPrintService::abortDoc()
{
    discard();
}

void PdfPrintService::discard()
{
    m_pages.reset();
    m_printing = false;
    dropOutput();
}
