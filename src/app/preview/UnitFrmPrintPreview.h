#pragma once

#include "app/preview/ExportPaper.h"

#include <QDialog>

#include <functional>
#include <memory>

class IPrintService;
class IPrompts;
class PdfFilePrintService;
class PreviewPageView;
class PrintPreview;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;

// What the preview's buttons do with the cards shown; each returns true once
// the cards were printed or written, and reports its own failures.
struct PreviewCommands
{
    std::function<bool()> print;
    std::function<bool(const ExportPaper &paper)> exportPdf;
};

// The Print Preview window: the pages "Print" would make, one at a time, on
// the printer's paper or on the export's, with Print and Export PDF... for
// exactly the cards shown.
class TFrmPrintPreview : public QDialog
{
    Q_OBJECT

public:
    // printer is the service the window's printer list belongs to, which the
    // preview shows; null when there is no printer, and the preview shows the
    // export's paper on exportService. The paper chosen here is written to
    // exportPaper.
    TFrmPrintPreview(std::unique_ptr<PrintPreview> preview, IPrintService *printer, const QString &printerName,
                     std::unique_ptr<PdfFilePrintService> exportService, ExportPaper &exportPaper, IPrompts &prompts,
                     PreviewCommands commands, QWidget *parent);
    ~TFrmPrintPreview() override;

    PrintPreview &preview() const { return *m_preview; }
    // The page shown, from 0.
    int currentPage() const { return m_page; }
    void showPage(int page);
    bool showsPrinter() const;

    void BtnPrintClick();
    void BtnExportPdfClick();

    QPushButton *BtnFirst = nullptr;
    QPushButton *BtnPrevious = nullptr;
    QSpinBox *EdtPage = nullptr;
    QPushButton *BtnNext = nullptr;
    QPushButton *BtnLast = nullptr;
    QLabel *LblZoom = nullptr;
    QComboBox *CboZoom = nullptr;
    QLabel *LblTarget = nullptr;
    QComboBox *CboTarget = nullptr;
    QLabel *LblExportPaper = nullptr;
    QComboBox *CboExportPaper = nullptr;
    QLabel *LblExportOrientation = nullptr;
    QComboBox *CboExportOrientation = nullptr;
    QLabel *LblPaper = nullptr;
    QScrollArea *ScrollPage = nullptr;
    PreviewPageView *PageView = nullptr;
    QPushButton *BtnPrint = nullptr;
    QPushButton *BtnExportPdf = nullptr;
    QPushButton *BtnClose = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void connectControls();
    // Lays the pages out on the printer's or the export's paper.
    void showTarget();
    void exportPaperChosen();
    void applyZoom();
    void updatePaperLabel();
    void updateNavigation();

    IPrintService *m_printer;
    QString m_printerName;
    ExportPaper &m_exportPaper;
    IPrompts &m_prompts;
    PreviewCommands m_commands;
    // Goes after the preview, which may still measure on it.
    std::unique_ptr<PdfFilePrintService> m_exportService;
    std::unique_ptr<PrintPreview> m_preview;
    int m_page = 0;
};
