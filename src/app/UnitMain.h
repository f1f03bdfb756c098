#pragma once

#include "app/MainServices.h"
#include "app/preview/ExportPaper.h"
#include "card/CardSettings.h"
#include "card/WordList.h"
#include "print/Progress.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPainter;
class QPushButton;
class QSpinBox;
class QToolButton;
class CardPaintBox;
class EntryListModel;
class IPrintService;
struct PrintRequest;
struct GameSummary;
class IniFile;
class HelpWindow;

// The main window. Its controls hold the word list and the card options, as
// the user sees them; the handlers are thin and hand the work to the lower
// layers. Handler and control names follow the product's own naming.
class TFrmMain : public QWidget
{
    Q_OBJECT

public:
    explicit TFrmMain(const MainServices &services, QWidget *parent = nullptr);
    ~TFrmMain() override;

    // Program-wide state of the main window.
    QStringList CardCells;
    QString CardFontName = QStringLiteral("Arial");
    int CardFontSize = 20;
    QString CurrentFileName;
    bool ListModified = false;

    const WordList &words() const { return m_words; }
    CardSettings cardSettings() const;
    // How many times the sample card was asked to repaint.
    int repaintRequests() const { return m_repaintRequests; }

    // Word list and option handlers.
    void BtnAddClick();
    bool CboCardStrKeyPress(QKeyEvent *event); // true when the key was swallowed
    void BtnDeleteClick();
    void CboCardSizeSelect();
    void ChkFreeSpaceClick();
    void TxtFreeSpaceChange();
    void ChkHeadingClick();
    void TxtHeadingChange();
    void ChkWordWrapClick();

    // Documents and samples.
    void MnuFileNewClick();
    void MnuFileOpenClick();
    void MnuFileSaveClick();
    // Opens the first document named on the command line as Open does after its dialog.
    void openStartupDocuments(const QStringList &paths);

    // Printing.
    void MnuFilePrintClick();
    void ToolButtonPrintClick();
    void MnuFilePrintListClick();
    void MnuFileExportPdfClick();
    void MnuFilePrintPreviewClick();
    void FillPrinterList();
    // The paper exports are made on.
    const ExportPaper &exportPaper() const { return m_exportPaper; }

    // Options, games, help.
    void MnuFontClick();
    // Lists the recorded games and opens the chosen one in the caller window.
    void MnuGameOpenClick();
    // Calls the game opened last, else a chosen one, else the word list alone.
    void MnuGameCallClick();
    void MnuLargePrintClick();
    // Either item of Options > Card Kind.
    void MnuCardKindClick();
    CardKind cardKind() const;
    void MnuHelpFileClick();
    void MnuHomepageClick();
    void MnuAboutClick();

    void MnuFileExitClick();
    // Paints the sample card; PB's paint event hands in its painter.
    void PBPaint(QPainter &painter);

Q_SIGNALS:
    void repaintRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void buildToolbar();
    void connectHandlers();
    void FormCreate();
    // The close procedure; false keeps the window open.
    bool FormCloseQuery();

    void readOptions();
    void writeOptions();
    // Large Print and the export's paper.
    void readPrintOptions(const IniFile &ini);
    void writePrintOptions(IniFile &ini);
    void readCardKind(const IniFile &ini);
    void writeCardKind(IniFile &ini);
    // Greys the options tickets leave aside and offers the kind's choices of
    // cards per page.
    void showCardKind();
    void buildSamplesMenu();

    // What the print commands read from the window.
    PrintRequest printRequest() const;
    // The card print job on a service: a numbered game when Number Cards is on.
    void printCardsOn(IPrintService &service, const PrintRequest &request, JobKind kind);
    // The recorded game chosen in the games list; nothing when there is none
    // or the user cancelled.
    std::optional<QString> chooseGame(const QList<GameSummary> &games, const QString &title, const QString &action);
    // Opens a recorded game in the caller window once it reads as a whole.
    void callRecordedGame(const QString &path);

    // The save question; false when the user escaped it or cancelled the
    // save dialog, which ends the calling command. A failed write throws.
    bool OfferSaveCardList();
    // Empties the list, the entry box and the card, and forgets the document.
    void clearCardList();
    // Reads a document into the emptied list and shows it; on a read error
    // the entries read so far stay in the list and the error goes on.
    void loadCardList(const QString &path);
    void BuildSamplesMenu(const QString &folder, QMenu *parent);
    void LoadSample(const QString &path);

    void arrange();
    void repaintCard();
    // Runs a command through the general error box; false when it failed.
    template <typename F>
    bool guarded(F &&command);

    // The entry box shows the word list through a model of its own and knows
    // an entry as picked only when the user took it from the list.
    void setUpEntryBox();
    // Keeps the text of the entry box but forgets the picked entry.
    void dropEntryPick();
    // Empties the entry box and forgets the picked entry.
    void clearEntryBox();
    // The folder of the open document; empty when there is none.
    QString documentFolder() const;
    bool isExitKey(const QEvent *event) const;

    MainServices m_services;
    WordList m_words;
    EntryListModel *m_entries = nullptr;
    int m_pickBeforeEditingFinished = -1;
    int m_repaintRequests = 0;
    // Whether the settings file had Number Cards on at start.
    bool m_numberCardsStored = false;
    // The game last opened in the caller window in this run.
    QString m_lastGame;
    ExportPaper m_exportPaper;
    bool m_largePrintStored = false;
    QPointer<HelpWindow> m_help;
    bool m_cardKindStored = false;
    // The cards-per-page choice of the other kind, kept for switching back.
    int m_otherKindPerPage = 0;

public:
    // Controls, named as the product names them (also their objectName).
    QMenuBar *MainMenu = nullptr;
    QMenu *File1 = nullptr;
    QMenu *MnuOptions = nullptr;
    QMenu *MnuSample = nullptr;
    QMenu *MnuGame = nullptr;
    QMenu *MnuHelp = nullptr;
    QAction *MnuFileNew = nullptr;
    QAction *MnuFileOpen = nullptr;
    QAction *MnuFileSave = nullptr;
    QAction *MnuFilePrint = nullptr;
    QAction *MnuFilePrintPreview = nullptr;
    QAction *MnuFilePrintList = nullptr;
    QAction *MnuFileExportPdf = nullptr;
    QAction *MnuFileExit = nullptr;
    QAction *MnuFont = nullptr;
    QAction *MnuNumberCards = nullptr;
    QAction *MnuGameOpen = nullptr;
    QAction *MnuGameCall = nullptr;
    QAction *MnuLargePrint = nullptr;
    QMenu *MnuCardKind = nullptr;
    QAction *MnuWordCards = nullptr;
    QAction *MnuTickets = nullptr;
    QAction *MnuHelpFile = nullptr;
    QAction *MnuHomepage = nullptr;
    QAction *MnuAbout = nullptr;
    // The help window while it is open.
    HelpWindow *helpWindow() const;

    QWidget *ToolBar1 = nullptr;
    QToolButton *ToolButtonNew = nullptr;
    QToolButton *ToolButtonOpen = nullptr;
    QToolButton *ToolButtonSave = nullptr;
    QToolButton *ToolButtonPrint = nullptr;

    QComboBox *CboCardStr = nullptr;
    QPushButton *BtnAdd = nullptr;
    QPushButton *BtnDelete = nullptr;
    QLabel *Label2 = nullptr;
    CardPaintBox *PB = nullptr;
    QGroupBox *GroupBoxOptions = nullptr;
    QLabel *Label3 = nullptr;
    QComboBox *CboCardSize = nullptr;
    QCheckBox *ChkFreeSpace = nullptr;
    QLabel *Label5 = nullptr;
    QLineEdit *TxtFreeSpace = nullptr;
    QCheckBox *ChkHeading = nullptr;
    QLabel *Label6 = nullptr;
    QLineEdit *TxtHeading = nullptr;
    QCheckBox *ChkWordWrap = nullptr;
    QGroupBox *GroupBoxPrint = nullptr;
    QLabel *Label7 = nullptr;
    QComboBox *CboPrinters = nullptr;
    QLabel *Label8 = nullptr;
    QSpinBox *EdtCardNum = nullptr;
    QLabel *Label9 = nullptr;
    QComboBox *CboCardsPerPage = nullptr;
    QLabel *Label1 = nullptr;
};

#include "card/CommandGuard.h"

template <typename F>
bool TFrmMain::guarded(F &&command)
{
    return runCommand(*m_services.prompts, std::forward<F>(command));
}
