#pragma once

#include "app/adapters/PdfPrintService.h"

#include <QPageSize>
#include <QString>

#include <memory>

class QBuffer;
class QSaveFile;

// A PDF file standing in for a printer: the paper less physical offsets of
// 1/6 inch (a common laser printer's) on every side, at 1200 dpi. The file is
// written beside its final name and only takes it when the document ends, so
// a cancelled or failed job leaves no file and an existing one untouched. It
// is written out page by page: a full disk ends the job at the page it
// struck. With no path it only lays pages out and measures text on them, for
// a preview of an export; such a document cannot end.
class PdfFilePrintService : public PdfPrintService
{
public:
    static constexpr int Resolution = 1200;
    static constexpr int OffsetPixels = Resolution / 6;

    PdfFilePrintService(QString path, const QPageSize &paper,
                        QPageLayout::Orientation orientation = QPageLayout::Portrait);
    ~PdfFilePrintService() override;

    // The paper of the user's locale: Letter where it measures in inches, else A4.
    static QPageSize localePaper();

    // One stand-in printer, always the default.
    QStringList printers() override { return {}; }
    int defaultPrinterPosition() override { return -1; }
    void selectPrinter(int position) override;
    int printerIndex() const override { return -1; }
    PrintableArea printableArea() override;

protected:
    QIODevice &openOutput() override;
    void deliver(const QString &title) override;
    void dropOutput() override;
    void pageWritten() override;

private:
    QString m_path;
    QPageSize m_paper;
    QPageLayout::Orientation m_orientation;
    std::unique_ptr<QSaveFile> m_file;
    std::unique_ptr<QBuffer> m_measuring;
};
