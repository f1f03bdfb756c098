#pragma once

#include "app/adapters/PdfPrintService.h"

#include <QStringList>

#include <memory>
#include <optional>

class QObject;
class QTemporaryFile;

// The system's printers through CUPS. The list and the default come from
// libcups, asked on a thread of its own at start-up so that a silent server
// cannot hold the window back; the page size and the hardware margins come
// from the printer's own description (not Qt's 10-point default margins),
// the resolution from its queue. The job is drawn to a temporary PDF and
// queued with libcups when it ends: Qt's own CUPS engine can neither abort a
// job nor report a refused submission.
class CupsPrintService : public PdfPrintService
{
public:
    // How often, in pages, a long job asks whether its queue is still there.
    static constexpr int QueueCheckPages = 16;

    CupsPrintService();
    ~CupsPrintService() override;

    void findPrinters(std::function<void()> ready) override;
    QStringList printers() override;
    int defaultPrinterPosition() override;
    void selectPrinter(int position) override;
    int printerIndex() const override { return m_index; }
    PrintableArea printableArea() override;

    // The id CUPS gave the last job it accepted, 0 before any.
    int lastJobId() const { return m_lastJob; }

protected:
    QIODevice &openOutput() override;
    void deliver(const QString &title) override;
    void dropOutput() override;
    void pageWritten() override;

private:
    struct Lookup;
    // Throws unless CUPS still has the current queue.
    void requireQueue();
    // Throws unless everything written so far reached the print file.
    void writeOut();
    // The list found by the lookup, or asked for now when none runs.
    bool printersKnown();

    std::shared_ptr<Lookup> m_lookup;
    std::unique_ptr<QObject> m_answers; // receives the lookup's answer on this thread
    std::function<void()> m_ready;
    bool m_lookupRunning = false;
    std::optional<QStringList> m_names;
    QString m_defaultName;
    QString m_current;
    int m_index = -1;
    QString m_media;
    std::unique_ptr<QTemporaryFile> m_file;
    int m_pagesSinceCheck = 0;
    int m_lastJob = 0;
};
