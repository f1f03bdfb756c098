#include "app/UnitMain.h"
#include "render/CardTextTable.h"

#include "app/game/CallerWindows.h"

#include "app/CardPaintBox.h"
#include "app/EntryListModel.h"
#include "card/ArrangeCard.h"
#include "card/TicketDeck.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

namespace {

const char *const TipText = QT_TRANSLATE_NOOP(
    "TFrmMain", "Tip: To make your own card list, please type words in the text box, then press Enter or Add button. "
                "If you want to delete a word, please select it from the dropdown list and click Delete button. "
                "When all words are added, please click Print button in the toolbar to print it.");

} // namespace

TFrmMain::TFrmMain(const MainServices &services, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_services(services)
{
    setObjectName(QStringLiteral("FrmMain"));
    setFixedSize(681, 471);
    buildControls();
    PB->setPaintHandler([this](QPainter &painter) { PBPaint(painter); });
    PB->setTextHandler([this] { return cardTextTable(cardSettings(), CardCells); });
    connectHandlers();
    FormCreate();
}

TFrmMain::~TFrmMain()
{
    // The entry box's model reads the word list, which goes before the
    // window's child widgets would.
    delete CboCardStr;
}

void TFrmMain::connectHandlers()
{
    connect(BtnAdd, &QPushButton::clicked, this, [this] { BtnAddClick(); });
    connect(BtnDelete, &QPushButton::clicked, this, [this] { BtnDeleteClick(); });
    // Enter comes through a key filter on the line edit: its returnPressed
    // was seen firing twice per key, and one Enter must add exactly once.
    // Every text field gets the filter too, so that Ctrl+E exits from it.
    CboCardStr->installEventFilter(this);
    for (QLineEdit *edit : findChildren<QLineEdit *>())
        edit->installEventFilter(this);
    EdtCardNum->installEventFilter(this);
    connect(CboCardSize, &QComboBox::activated, this, [this] { CboCardSizeSelect(); });
    connect(ChkFreeSpace, &QCheckBox::toggled, this, [this] { ChkFreeSpaceClick(); });
    connect(TxtFreeSpace, &QLineEdit::textChanged, this, [this] { TxtFreeSpaceChange(); });
    connect(ChkHeading, &QCheckBox::toggled, this, [this] { ChkHeadingClick(); });
    connect(TxtHeading, &QLineEdit::textChanged, this, [this] { TxtHeadingChange(); });
    connect(ChkWordWrap, &QCheckBox::toggled, this, [this] { ChkWordWrapClick(); });

    connect(MnuFileNew, &QAction::triggered, this, [this] { MnuFileNewClick(); });
    connect(MnuFileOpen, &QAction::triggered, this, [this] { MnuFileOpenClick(); });
    connect(MnuFileSave, &QAction::triggered, this, [this] { MnuFileSaveClick(); });
    connect(MnuFilePrint, &QAction::triggered, this, [this] { MnuFilePrintClick(); });
    connect(MnuFilePrintList, &QAction::triggered, this, [this] { MnuFilePrintListClick(); });
    connect(MnuFileExportPdf, &QAction::triggered, this, [this] { MnuFileExportPdfClick(); });
    connect(MnuFilePrintPreview, &QAction::triggered, this, [this] { MnuFilePrintPreviewClick(); });
    connect(MnuFileExit, &QAction::triggered, this, [this] { MnuFileExitClick(); });
    connect(MnuFont, &QAction::triggered, this, [this] { MnuFontClick(); });
    connect(MnuGameOpen, &QAction::triggered, this, [this] { MnuGameOpenClick(); });
    connect(MnuGameCall, &QAction::triggered, this, [this] { MnuGameCallClick(); });
    connect(MnuLargePrint, &QAction::triggered, this, [this] { MnuLargePrintClick(); });
    connect(MnuWordCards, &QAction::triggered, this, [this] { MnuCardKindClick(); });
    connect(MnuTickets, &QAction::triggered, this, [this] { MnuCardKindClick(); });
    connect(MnuHelpFile, &QAction::triggered, this, [this] { MnuHelpFileClick(); });
    connect(MnuHomepage, &QAction::triggered, this, [this] { MnuHomepageClick(); });
    connect(MnuAbout, &QAction::triggered, this, [this] { MnuAboutClick(); });

    connect(ToolButtonNew, &QToolButton::clicked, this, [this] { MnuFileNewClick(); });
    connect(ToolButtonOpen, &QToolButton::clicked, this, [this] { MnuFileOpenClick(); });
    connect(ToolButtonSave, &QToolButton::clicked, this, [this] { MnuFileSaveClick(); });
    connect(ToolButtonPrint, &QToolButton::clicked, this, [this] { ToolButtonPrintClick(); });
}

void TFrmMain::FormCreate()
{
    Label1->setText(QCoreApplication::translate("TFrmMain", TipText));
    setWindowTitle(QStringLiteral("Morvane"));
    readOptions();
    CardCells.clear();
    // A ticket is dealt from no list: the sample shows one from the start.
    if (cardKind() == CardKind::Tickets90)
        arrange();
    ListModified = false;
    CurrentFileName.clear();
    buildSamplesMenu();
    FillPrinterList();
}

CardSettings TFrmMain::cardSettings() const
{
    CardSettings s;
    s.sizeIndex = CboCardSize->currentIndex();
    s.freeSpace = ChkFreeSpace->isChecked();
    s.freeSpaceText = TxtFreeSpace->text();
    s.heading = ChkHeading->isChecked();
    s.headingText = TxtHeading->text();
    s.wordWrap = ChkWordWrap->isChecked();
    s.fontName = CardFontName;
    s.fontSize = CardFontSize;
    s.largePrint = MnuLargePrint->isChecked();
    s.kind = cardKind();
    return s;
}

void TFrmMain::arrange()
{
    if (cardKind() == CardKind::Tickets90) {
        // The sample shows the first ticket of a strip.
        Strip strip;
        dealStrip(*m_services.random, strip);
        CardCells = ticketCells(strip[0]);
        return;
    }
    ArrangeCard(m_words.items(), CboCardSize->currentIndex(), ChkFreeSpace->isChecked(), CardCells, *m_services.random);
}

void TFrmMain::repaintCard()
{
    ++m_repaintRequests;
    PB->cardChanged();
    Q_EMIT repaintRequested();
}

QString TFrmMain::documentFolder() const
{
    return CurrentFileName.isEmpty() ? QString() : QFileInfo(CurrentFileName).absolutePath();
}

bool TFrmMain::isExitKey(const QEvent *event) const
{
    const auto *key = static_cast<const QKeyEvent *>(event);
    return QKeySequence(key->keyCombination()) == MnuFileExit->shortcut();
}

bool TFrmMain::eventFilter(QObject *watched, QEvent *event)
{
    // Text fields claim Ctrl+E (end of line on X11); Exit comes first here.
    // Spin and combo boxes hand the key to their line edit by a direct call
    // that passes no filter, so they are watched themselves as well.
    if (event->type() == QEvent::ShortcutOverride && isExitKey(event)) {
        event->ignore();
        return true;
    }
    // Keys typed with the combo focused arrive through the combo, keys sent
    // to its line edit itself through the line edit.
    if (event->type() == QEvent::KeyPress && (watched == CboCardStr || watched == CboCardStr->lineEdit()))
        return CboCardStrKeyPress(static_cast<QKeyEvent *>(event));
    return QWidget::eventFilter(watched, event);
}

void TFrmMain::closeEvent(QCloseEvent *event)
{
    // A caller window with calls not saved asks first, and may stay.
    if (m_services.callers && !m_services.callers->close()) {
        event->ignore();
        return;
    }
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

void TFrmMain::MnuFileExitClick()
{
    close();
}
