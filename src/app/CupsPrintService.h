#pragma once

#include "app/PdfPrintService.h"

#include <QStringList>

#include <memory>
#include <optional>

class QTemporaryFile;

// The system's printers through CUPS. Printers and the default come from
// QPrinterInfo, the page size and the hardware margins from the printer's
// own description (not Qt's 10-point default margins), the resolution from
// its queue. The job is drawn to a temporary PDF and queued with libcups when
// it ends: Qt's own CUPS engine can neither abort a job nor report a refused
// submission.
class CupsPrintService : public PdfPrintService
{
public:
    CupsPrintService();
    ~CupsPrintService() override;

    QStringList printers() override;
    void selectPrinter(int position) override;
    int printerIndex() const override { return m_index; }
    PrintableArea printableArea() override;

    // The id CUPS gave the last job it accepted, 0 before any.
    int lastJobId() const { return m_lastJob; }

protected:
    QIODevice &openOutput() override;
    void deliver(const QString &title) override;
    void dropOutput() override;

private:
    std::optional<QStringList> m_names;
    QString m_current;
    int m_index = -1;
    QString m_media;
    std::unique_ptr<QTemporaryFile> m_file;
    int m_lastJob = 0;
};
