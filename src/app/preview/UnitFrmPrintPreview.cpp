#include "app/preview/UnitFrmPrintPreview.h"

#include "app/adapters/PdfFilePrintService.h"
#include "app/preview/PageCards.h"
#include "app/preview/PreviewPageView.h"
#include "card/CardKind.h"
#include "card/CommandGuard.h"
#include "print/PrintPreview.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

enum Zoom { WholePage, PageWidth, ActualSize };
enum Target { OnPrinter, OnExport };

template <typename W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = named(new QPushButton(caption, parent), name);
    // Enter in the page box must not press a button: none is the default.
    b->setAutoDefault(false);
    return b;
}

QLabel *label(QWidget *parent, const char *name, const QString &caption, QWidget *buddy)
{
    auto *l = named(new QLabel(caption, parent), name);
    l->setBuddy(buddy);
    return l;
}

QString millimetres(int pixels, int dpi)
{
    return QLocale().toString(std::lround(pixels * 25.4 / dpi));
}

} // namespace

TFrmPrintPreview::TFrmPrintPreview(std::unique_ptr<PrintPreview> preview, IPrintService *printer,
                                   const QString &printerName, std::unique_ptr<PdfFilePrintService> exportService,
                                   ExportPaper &exportPaper, IPrompts &prompts, PreviewCommands commands,
                                   QWidget *parent)
    : QDialog(parent),
      m_printer(printer),
      m_printerName(printerName),
      m_exportPaper(exportPaper),
      m_prompts(prompts),
      m_commands(std::move(commands)),
      m_exportService(std::move(exportService)),
      m_preview(std::move(preview))
{
    setObjectName(QStringLiteral("FrmPrintPreview"));
    setWindowTitle(QCoreApplication::translate("TFrmPrintPreview", "Print Preview"));
    buildControls();
    connectControls();
    updatePaperLabel();
    updateNavigation();
    showPage(0);

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    resize(std::min(900, screen.width() * 9 / 10), std::min(760, screen.height() * 9 / 10));
}

TFrmPrintPreview::~TFrmPrintPreview() = default;

void TFrmPrintPreview::buildControls()
{
    auto *layout = new QVBoxLayout(this);

    auto *navigation = new QHBoxLayout;
    BtnFirst = button(this, "BtnFirst", QCoreApplication::translate("TFrmPrintPreview", "&First"));
    BtnPrevious = button(this, "BtnPrevious", QCoreApplication::translate("TFrmPrintPreview", "Pre&vious"));
    EdtPage = named(new QSpinBox(this), "EdtPage");
    EdtPage->setAccessibleName(QCoreApplication::translate("TFrmPrintPreview", "Page"));
    EdtPage->setPrefix(QCoreApplication::translate("TFrmPrintPreview", "Page "));
    // The page changes once the number is typed in, not at every digit.
    EdtPage->setKeyboardTracking(false);
    EdtPage->setButtonSymbols(QAbstractSpinBox::NoButtons);
    // Written as the page count beside it is: "Page 3 of 25,000".
    EdtPage->setGroupSeparatorShown(true);
    EdtPage->setAlignment(Qt::AlignCenter);
    // Room for the largest job's page numbers.
    EdtPage->setMinimumWidth(
        EdtPage->fontMetrics().horizontalAdvance(
            EdtPage->prefix() + QStringLiteral("00,000")
            + QCoreApplication::translate("TFrmPrintPreview", " of %1").arg(QStringLiteral("00,000")))
        + 16);
    BtnNext = button(this, "BtnNext", QCoreApplication::translate("TFrmPrintPreview", "&Next"));
    BtnLast = button(this, "BtnLast", QCoreApplication::translate("TFrmPrintPreview", "&Last"));
    CboZoom = named(new QComboBox(this), "CboZoom");
    CboZoom->addItems({QCoreApplication::translate("TFrmPrintPreview", "Whole Page"),
                       QCoreApplication::translate("TFrmPrintPreview", "Page Width"), QStringLiteral("100 %")});
    LblZoom = label(this, "LblZoom", QCoreApplication::translate("TFrmPrintPreview", "&Zoom:"), CboZoom);
    for (QWidget *w :
         {static_cast<QWidget *>(BtnFirst), static_cast<QWidget *>(BtnPrevious), static_cast<QWidget *>(EdtPage),
          static_cast<QWidget *>(BtnNext), static_cast<QWidget *>(BtnLast)})
        navigation->addWidget(w);
    navigation->addSpacing(16);
    navigation->addWidget(LblZoom);
    navigation->addWidget(CboZoom);
    navigation->addStretch();
    layout->addLayout(navigation);

    ScrollPage = named(new QScrollArea(this), "ScrollPage");
    ScrollPage->setAlignment(Qt::AlignCenter);
    ScrollPage->setBackgroundRole(QPalette::Dark);
    ScrollPage->setFocusPolicy(Qt::StrongFocus);
    ScrollPage->setAccessibleName(QCoreApplication::translate("TFrmPrintPreview", "Page"));
    PageView = named(new PreviewPageView, "PageView");
    ScrollPage->setWidget(PageView);
    ScrollPage->viewport()->installEventFilter(this);
    layout->addWidget(ScrollPage, 1);

    auto *paper = new QHBoxLayout;
    CboTarget = named(new QComboBox(this), "CboTarget");
    if (m_printer)
        CboTarget->addItem(QCoreApplication::translate("TFrmPrintPreview", "Printer: %1").arg(m_printerName));
    CboTarget->addItem(QCoreApplication::translate("TFrmPrintPreview", "PDF export"));
    LblTarget = label(this, "LblTarget", QCoreApplication::translate("TFrmPrintPreview", "Pa&ges for:"), CboTarget);
    CboExportPaper = named(new QComboBox(this), "CboExportPaper");
    CboExportPaper->addItems(exportPaperNames());
    CboExportPaper->setCurrentText(m_exportPaper.paperName());
    LblExportPaper = label(this, "LblExportPaper", QCoreApplication::translate("TFrmPrintPreview", "Export p&aper:"),
                           CboExportPaper);
    CboExportOrientation = named(new QComboBox(this), "CboExportOrientation");
    CboExportOrientation->addItems({QCoreApplication::translate("TFrmPrintPreview", "Portrait"),
                                    QCoreApplication::translate("TFrmPrintPreview", "Landscape")});
    CboExportOrientation->setCurrentIndex(m_exportPaper.orientation == QPageLayout::Landscape ? 1 : 0);
    LblExportOrientation =
        label(this, "LblExportOrientation", QCoreApplication::translate("TFrmPrintPreview", "&Orientation:"),
              CboExportOrientation);
    LblPaper = named(new QLabel(this), "LblPaper");
    for (QWidget *w :
         {static_cast<QWidget *>(LblTarget), static_cast<QWidget *>(CboTarget), static_cast<QWidget *>(LblExportPaper),
          static_cast<QWidget *>(CboExportPaper), static_cast<QWidget *>(LblExportOrientation),
          static_cast<QWidget *>(CboExportOrientation), static_cast<QWidget *>(LblPaper)})
        paper->addWidget(w);
    paper->addStretch();
    layout->addLayout(paper);

    auto *buttons = new QHBoxLayout;
    BtnPrint = button(this, "BtnPrint", QCoreApplication::translate("TFrmPrintPreview", "&Print"));
    BtnPrint->setEnabled(m_printer != nullptr);
    BtnExportPdf = button(this, "BtnExportPdf", QCoreApplication::translate("TFrmPrintPreview", "&Export PDF..."));
    BtnClose = button(this, "BtnClose", QCoreApplication::translate("TFrmPrintPreview", "Close"));
    buttons->addStretch();
    buttons->addWidget(BtnPrint);
    buttons->addWidget(BtnExportPdf);
    buttons->addWidget(BtnClose);
    layout->addLayout(buttons);

    setTabOrder(BtnFirst, BtnPrevious);
    setTabOrder(BtnPrevious, EdtPage);
    setTabOrder(EdtPage, BtnNext);
    setTabOrder(BtnNext, BtnLast);
    setTabOrder(BtnLast, CboZoom);
    setTabOrder(CboZoom, ScrollPage);
    setTabOrder(ScrollPage, CboTarget);
    setTabOrder(CboTarget, CboExportPaper);
    setTabOrder(CboExportPaper, CboExportOrientation);
    setTabOrder(CboExportOrientation, BtnPrint);
    setTabOrder(BtnPrint, BtnExportPdf);
    setTabOrder(BtnExportPdf, BtnClose);
}

void TFrmPrintPreview::connectControls()
{
    const auto guarded = [this](auto command) { return [this, command] { runCommand(m_prompts, command); }; };
    connect(BtnFirst, &QPushButton::clicked, this, guarded([this] { showPage(0); }));
    connect(BtnPrevious, &QPushButton::clicked, this, guarded([this] { showPage(m_page - 1); }));
    connect(BtnNext, &QPushButton::clicked, this, guarded([this] { showPage(m_page + 1); }));
    connect(BtnLast, &QPushButton::clicked, this, guarded([this] { showPage(m_preview->pageCount() - 1); }));
    connect(EdtPage, &QSpinBox::valueChanged, this, [this](int value) {
        if (value - 1 != m_page)
            runCommand(m_prompts, [this, value] { showPage(value - 1); });
    });
    connect(CboZoom, &QComboBox::currentIndexChanged, this, [this] { applyZoom(); });
    connect(CboTarget, &QComboBox::activated, this, guarded([this] { showTarget(); }));
    connect(CboExportPaper, &QComboBox::activated, this, guarded([this] { exportPaperChosen(); }));
    connect(CboExportOrientation, &QComboBox::activated, this, guarded([this] { exportPaperChosen(); }));
    connect(BtnPrint, &QPushButton::clicked, this, [this] { BtnPrintClick(); });
    connect(BtnExportPdf, &QPushButton::clicked, this, [this] { BtnExportPdfClick(); });
    connect(BtnClose, &QPushButton::clicked, this, &QDialog::reject);

    // The keys of other programs' previews: Page Up and Down turn the pages,
    // Ctrl+Home and Ctrl+End go to the first and the last, Ctrl+G to the
    // page box.
    const auto key = [this](const QKeySequence &keys, const char *name, auto action) {
        auto *shortcut = new QShortcut(keys, this);
        shortcut->setObjectName(QLatin1String(name));
        connect(shortcut, &QShortcut::activated, this, [this, action] { runCommand(m_prompts, action); });
    };
    key(QKeySequence(Qt::Key_PageUp), "KeyPrevious", [this] { showPage(m_page - 1); });
    key(QKeySequence(Qt::Key_PageDown), "KeyNext", [this] { showPage(m_page + 1); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Home), "KeyFirst", [this] { showPage(0); });
    key(QKeySequence(Qt::CTRL | Qt::Key_End), "KeyLast", [this] { showPage(m_preview->pageCount() - 1); });
    key(QKeySequence(Qt::CTRL | Qt::Key_G), "KeyPage", [this] {
        EdtPage->setFocus(Qt::ShortcutFocusReason);
        EdtPage->selectAll();
    });
    key(QKeySequence(Qt::CTRL | Qt::Key_P), "KeyPrint", [this] {
        if (BtnPrint->isEnabled())
            BtnPrint->click();
    });
}

bool TFrmPrintPreview::showsPrinter() const
{
    return m_printer && CboTarget->currentIndex() == OnPrinter;
}

void TFrmPrintPreview::showTarget()
{
    if (showsPrinter()) {
        m_preview->showOn(*m_printer, m_preview->request().printerPosition);
        m_exportService.reset();
    } else {
        auto service =
            std::make_unique<PdfFilePrintService>(QString(), m_exportPaper.pageSize(), m_exportPaper.orientation);
        m_preview->showOn(*service, -1);
        // The page shown is laid out on the new service before the old goes.
        m_exportService = std::move(service);
    }
    updatePaperLabel();
    showPage(m_page);
}

void TFrmPrintPreview::exportPaperChosen()
{
    m_exportPaper.size = exportPaperNamed(CboExportPaper->currentText());
    m_exportPaper.orientation =
        CboExportOrientation->currentIndex() == 1 ? QPageLayout::Landscape : QPageLayout::Portrait;
    m_exportPaper.chosen = true;
    // Choosing the export's paper shows the export's pages.
    CboTarget->setCurrentIndex(CboTarget->count() - 1);
    showTarget();
}

void TFrmPrintPreview::showPage(int page)
{
    const int last = m_preview->pageCount() - 1;
    m_page = std::clamp(page, 0, std::max(0, last));
    RecordedPage shown = m_preview->page(m_page);
    const CardSettings &settings = m_preview->request().settings;
    QList<PageCard> cards = cardsOnPage(shown, cardShape(settings).headingRows > 0, m_preview->paper().dpi);
    // Every page is printed full.
    const std::uint64_t perPage = m_preview->pageCount() > 0 ? m_preview->cardCount() / m_preview->pageCount() : 0;
    PageView->setPage(std::move(shown), m_preview->paper(), m_preview->area());
    PageView->setCards(std::move(cards), std::uint64_t(m_page) * perPage + 1, settings.kind == CardKind::Tickets90);
    applyZoom();
    updateNavigation();
    PageView->setAccessibleName(EdtPage->text());
}

void TFrmPrintPreview::updateNavigation()
{
    const int pages = m_preview->pageCount();
    const QSignalBlocker quiet(EdtPage);
    EdtPage->setRange(std::min(1, pages), std::max(1, pages));
    EdtPage->setSuffix(QCoreApplication::translate("TFrmPrintPreview", " of %1").arg(QLocale().toString(pages)));
    EdtPage->setValue(m_page + 1);
    BtnFirst->setEnabled(m_page > 0);
    BtnPrevious->setEnabled(m_page > 0);
    BtnNext->setEnabled(m_page + 1 < pages);
    BtnLast->setEnabled(m_page + 1 < pages);
}

void TFrmPrintPreview::updatePaperLabel()
{
    const PaperSheet sheet = m_preview->paper();
    const PrintableArea area = m_preview->area();
    LblPaper->setText(QCoreApplication::translate("TFrmPrintPreview", "%1 x %2 mm, printable %3 x %4 mm, %5 dpi")
                          .arg(millimetres(sheet.width, sheet.dpi), millimetres(sheet.height, sheet.dpi),
                               millimetres(area.width, sheet.dpi), millimetres(area.height, sheet.dpi))
                          .arg(sheet.dpi));
}

void TFrmPrintPreview::applyZoom()
{
    const PaperSheet sheet = m_preview->paper();
    if (sheet.width <= 0 || sheet.height <= 0)
        return;
    const QSize room = ScrollPage->maximumViewportSize() - QSize(2, 2) * PreviewPageView::Border;
    const int scrollBar = ScrollPage->verticalScrollBar()->sizeHint().width();
    qreal scale = 1;
    switch (CboZoom->currentIndex()) {
    case WholePage:
        scale = std::min(qreal(room.width()) / sheet.width, qreal(room.height()) / sheet.height);
        break;
    case PageWidth:
        // The page is taller than wide at this scale: leave room for the
        // scroll bar it brings.
        scale = qreal(room.width() - scrollBar) / sheet.width;
        break;
    default:
        scale = qreal(logicalDpiX()) / sheet.dpi;
        break;
    }
    PageView->setScale(std::max(scale, 0.01));
}

bool TFrmPrintPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ScrollPage->viewport() && event->type() == QEvent::Resize && CboZoom->currentIndex() != ActualSize)
        QMetaObject::invokeMethod(
            this, [this] { applyZoom(); }, Qt::QueuedConnection);
    return QDialog::eventFilter(watched, event);
}

void TFrmPrintPreview::BtnPrintClick()
{
    if (!m_printer)
        return;
    const bool printed = m_commands.print();
    if (printed) {
        accept();
        return;
    }
    // Printing on the printer dropped what was prepared for the page shown.
    if (showsPrinter())
        runCommand(m_prompts, [this] {
            m_preview->refresh();
            showPage(m_page);
        });
}

void TFrmPrintPreview::BtnExportPdfClick()
{
    if (m_commands.exportPdf(m_exportPaper))
        accept();
}
