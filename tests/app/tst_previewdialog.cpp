// File > Print Preview...: the pages of the job as Print would make them,
// printing and exporting exactly the cards shown; the export's paper, and
// Options > Large Print, with their settings.
#include "FileHelpers.h"
#include "ModalDriver.h"
#include "PdfReading.h"
#include "PrintFixtures.h"
#include "RecordedCalls.h"
#include "TestServices.h"

#include "app/UnitMain.h"
#include "app/preview/PreviewPageView.h"
#include "app/preview/UnitFrmPrintPreview.h"
#include "docs/Folders.h"
#include "print/PrintPreview.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

using Kind = FakePrompts::Kind;

namespace {

// The words of the page's texts, in order of their strings, as a PDF reader
// finds them.
QStringList sortedWords(const QStringList &strings)
{
    QStringList words;
    for (const QString &s : strings)
        words += s.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::sort(words.begin(), words.end());
    return words;
}

QStringList sortedWords(const PdfPage &page)
{
    QStringList words;
    for (const PdfWord &w : page.words)
        words.append(w.text);
    std::sort(words.begin(), words.end());
    return words;
}

} // namespace

class TestPreviewDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> home;
    QByteArray savedDataHome;
    std::unique_ptr<TestServices> fakes;
    std::unique_ptr<TFrmMain> window;

    QString optionsFile() const { return home->filePath(QStringLiteral("Morvane/Options.ini")); }

    void start(const QByteArray &options = {}, bool printer = true)
    {
        window.reset();
        if (!options.isEmpty())
            writeBytes(optionsFile(), "[Options]\r\n" + options);
        fakes = std::make_unique<TestServices>();
        if (!printer) {
            fakes->printService.installed.clear();
            fakes->printService.defaultPosition = -1;
        }
        window = std::make_unique<TFrmMain>(fakes->services());
    }
    void addNumbers(int last)
    {
        for (const QString &n : numberEntries(1, last)) {
            window->CboCardStr->setEditText(n);
            window->BtnAddClick();
        }
        fakes->prompts.clear();
    }
    void setJob(int cards, const QString &perPage)
    {
        window->EdtCardNum->setValue(cards);
        window->CboCardsPerPage->setCurrentText(perPage);
    }
    // Opens File > Print Preview... and runs the action in the window; the
    // window is closed after unless the action closed it.
    bool inPreview(const std::function<void(TFrmPrintPreview &)> &action)
    {
        ModalDriver<TFrmPrintPreview> driver([&](TFrmPrintPreview &preview) {
            action(preview);
            if (preview.isVisible())
                preview.reject();
        });
        window->MnuFilePrintPreview->trigger();
        return driver.found();
    }
    static QList<QStringList> pagesShown(TFrmPrintPreview &preview)
    {
        QList<QStringList> pages;
        for (int p = 0; p < preview.preview().pageCount(); ++p) {
            preview.showPage(p);
            pages.append(callsOf(preview.PageView->page()));
        }
        return pages;
    }
    static void choose(QComboBox *box, const QString &item)
    {
        box->setCurrentText(item);
        Q_EMIT box->activated(box->currentIndex());
    }

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setApplicationName(QStringLiteral("Morvane"));
        savedDataHome = qgetenv("XDG_DATA_HOME");
    }
    void init()
    {
        home = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", QFile::encodeName(home->path()));
    }
    void cleanup()
    {
        window.reset();
        fakes.reset();
        home.reset();
        qputenv("XDG_DATA_HOME", savedDataHome);
    }

    void commandsInTheirPlaces()
    {
        start();
        const QList<QAction *> file = window->File1->actions();
        QCOMPARE(file.at(file.indexOf(window->MnuFilePrint) + 1), window->MnuFilePrintPreview);
        QCOMPARE(window->MnuFilePrintPreview->text(), QStringLiteral("Print Pre&view..."));
        QVERIFY(window->MnuLargePrint->isCheckable());
        QCOMPARE(window->MnuLargePrint->text(), QStringLiteral("&Large Print"));
        QVERIFY(window->MnuOptions->actions().contains(window->MnuLargePrint));
    }

    void printFromThePreviewPrintsTheCardsShown_data()
    {
        QTest::addColumn<QString>("perPage");
        QTest::addColumn<QString>("pageText");
        QTest::newRow("1 per page") << "1"
                                    << "Page 1 of 10";
        QTest::newRow("2 per page") << "2"
                                    << "Page 1 of 5";
        QTest::newRow("4 per page") << "4"
                                    << "Page 1 of 3";
    }
    void printFromThePreviewPrintsTheCardsShown()
    {
        QFETCH(QString, perPage);
        QFETCH(QString, pageText);
        start();
        addNumbers(75);
        setJob(10, perPage);
        QList<QStringList> shown;
        QVERIFY(inPreview([&](TFrmPrintPreview &preview) {
            QCOMPARE(preview.windowTitle(), QStringLiteral("Print Preview"));
            QCOMPARE(preview.EdtPage->text(), pageText);
            shown = pagesShown(preview);
            // Showing prints nothing.
            QVERIFY(fakes->printService.documents.isEmpty());
            preview.BtnPrint->click();
            QVERIFY(!preview.isVisible());
        }));
        QVERIFY2(fakes->prompts.shown.isEmpty(), qPrintable(fakes->prompts.texts().join(QLatin1Char('|'))));
        QCOMPARE(fakes->printService.documents.size(), 1);
        QList<QStringList> printed;
        for (const auto &page : fakes->printService.lastDocument())
            printed.append(callsOf(page));
        QCOMPARE(printed, shown);
    }

    // A printer that refuses the job leaves the preview open on the same
    // cards, and a second try prints them.
    void refusedPrintKeepsThePreview()
    {
        start();
        addNumbers(75);
        setJob(3, QStringLiteral("2"));
        int refusals = 1;
        fakes->printService.onEndDoc = [&] {
            if (refusals-- > 0)
                throw MorvaneError(QStringLiteral("The printer could not take the job: offline"));
        };
        QList<QStringList> shown;
        QVERIFY(inPreview([&](TFrmPrintPreview &preview) {
            shown = pagesShown(preview);
            preview.BtnPrint->click();
            QVERIFY(preview.isVisible());
            QCOMPARE(pagesShown(preview), shown);
            preview.BtnPrint->click();
            QVERIFY(!preview.isVisible());
        }));
        QCOMPARE(fakes->prompts.texts(), QStringList{QStringLiteral("The printer could not take the job: offline.")});
        QList<QStringList> printed;
        for (const auto &page : fakes->printService.lastDocument())
            printed.append(callsOf(page));
        QCOMPARE(printed, shown);
    }

    // The print command's checks come before the window.
    void refusedBeforeTheWindowOpens()
    {
        start();
        addNumbers(20);
        QVERIFY(!inPreview([](TFrmPrintPreview &) {}));
        QCOMPARE(fakes->prompts.texts(), QStringList{QStringLiteral("Your bingo card needs 24 words at least, please "
                                                                    "add more words, then try to print it again.")});
    }

    // With no printer the export's paper is shown; choosing Letter landscape
    // shows it, and Export PDF... writes the cards shown on it, and keeps it.
    void exportFromThePreviewWritesTheCardsShown()
    {
        if (!popplerMissing().isEmpty())
            QSKIP(qPrintable(popplerMissing()));
        start({}, false);
        addNumbers(75);
        setJob(6, QStringLiteral("4"));
        const QString path = home->filePath(QStringLiteral("cards.pdf"));
        fakes->prompts.files.enqueue(path);
        QList<QStringList> shown;
        const bool opened = inPreview([&](TFrmPrintPreview &preview) {
            QVERIFY(!preview.BtnPrint->isEnabled());
            QCOMPARE(preview.CboTarget->currentText(), QStringLiteral("PDF export"));
            choose(preview.CboExportPaper, QStringLiteral("Letter"));
            choose(preview.CboExportOrientation, QStringLiteral("Landscape"));
            QCOMPARE(preview.preview().paper().width, 11 * 1200);
            QCOMPARE(preview.preview().paper().height, 8500 * 12 / 10);
            for (int p = 0; p < preview.preview().pageCount(); ++p) {
                preview.showPage(p);
                shown.append(sortedWords(stringsOf(preview.PageView->page())));
            }
            preview.BtnExportPdf->click();
            QVERIFY(!preview.isVisible());
        });
        QVERIFY2(opened, qPrintable(fakes->prompts.texts().join(QLatin1Char('|'))));
        QVERIFY2(fakes->prompts.count(Kind::Error) == 0, qPrintable(fakes->prompts.texts().join(QLatin1Char('|'))));
        const QList<PdfPage> pages = pdfPages(path);
        QCOMPARE(pages.size(), shown.size());
        for (qsizetype p = 0; p < pages.size(); ++p) {
            QCOMPARE(qRound(pages[p].size.width()), 792);
            QCOMPARE(qRound(pages[p].size.height()), 612);
            QCOMPARE(sortedWords(pages[p]), shown[p]);
        }
        QCOMPARE(window->exportPaper().paperName(), QStringLiteral("Letter"));
        QCOMPARE(window->exportPaper().orientation, QPageLayout::Landscape);
    }

    void exportPaperInThePageBox_data()
    {
        QTest::addColumn<QByteArray>("options");
        QTest::addColumn<QSize>("points");
        QTest::newRow("no key: the locale's, A4") << QByteArray() << QSize(595, 842);
        QTest::newRow("A4") << QByteArray("ExportPaper=A4\r\n") << QSize(595, 842);
        QTest::newRow("Letter") << QByteArray("ExportPaper=Letter\r\n") << QSize(612, 792);
        QTest::newRow("Legal") << QByteArray("ExportPaper=Legal\r\n") << QSize(612, 1008);
        QTest::newRow("A5") << QByteArray("ExportPaper=A5\r\n") << QSize(420, 595);
        QTest::newRow("A3") << QByteArray("ExportPaper=A3\r\n") << QSize(842, 1191);
        QTest::newRow("A4 landscape") << QByteArray("ExportPaper=A4\r\nExportOrientation=Landscape\r\n")
                                      << QSize(842, 595);
        QTest::newRow("Legal landscape") << QByteArray("ExportPaper=Legal\r\nExportOrientation=Landscape\r\n")
                                         << QSize(1008, 612);
        QTest::newRow("A3 landscape") << QByteArray("ExportPaper=A3\r\nExportOrientation=Landscape\r\n")
                                      << QSize(1191, 842);
    }
    void exportPaperInThePageBox()
    {
        if (!popplerMissing().isEmpty())
            QSKIP(qPrintable(popplerMissing()));
        QFETCH(QByteArray, options);
        QFETCH(QSize, points);
        start(options);
        addNumbers(75);
        setJob(1, QStringLiteral("1"));
        const QString path = home->filePath(QStringLiteral("paper.pdf"));
        fakes->prompts.files.enqueue(path);
        window->MnuFileExportPdf->trigger();
        const QList<PdfPage> pages = pdfPages(path);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(QSize(qRound(pages[0].size.width()), qRound(pages[0].size.height())), points);
    }

    void settingsReadBack_data()
    {
        QTest::addColumn<QByteArray>("options");
        QTest::addColumn<QString>("paper");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<bool>("largePrint");

        QTest::newRow("none") << QByteArray() << "A4" << false << false;
        QTest::newRow("as written") << QByteArray(
            "ExportPaper=Legal\r\nExportOrientation=Landscape\r\nLargePrint=1\r\n")
                                    << "Legal" << true << true;
        QTest::newRow("other case, blanks")
            << QByteArray("exportpaper=  letter \r\nEXPORTORIENTATION=LANDSCAPE\r\n") << "Letter" << true << false;
        QTest::newRow("unknown paper") << QByteArray("ExportPaper=B5\r\n") << "A4" << false << false;
        QTest::newRow("two papers") << QByteArray("ExportPaper=A4;Letter\r\n") << "A4" << false << false;
        QTest::newRow("orientation as a number") << QByteArray("ExportOrientation=1\r\n") << "A4" << false << false;
        QTest::newRow("orientation misspelt") << QByteArray("ExportOrientation=Landscap\r\n") << "A4" << false << false;
        QTest::newRow("large print in hex") << QByteArray("LargePrint=0x1\r\n") << "A4" << false << true;
        QTest::newRow("large print 2") << QByteArray("LargePrint=2\r\n") << "A4" << false << false;
        QTest::newRow("large print -1") << QByteArray("LargePrint=-1\r\n") << "A4" << false << false;
        QTest::newRow("large print yes") << QByteArray("LargePrint=yes\r\n") << "A4" << false << false;
        QTest::newRow("large print empty") << QByteArray("LargePrint=\r\n") << "A4" << false << false;
        QTest::newRow("value too long") << QByteArray("ExportPaper=" + QByteArray(5000, 'A') + "\r\n") << "A4" << false
                                        << false;
    }
    void settingsReadBack()
    {
        QFETCH(QByteArray, options);
        QFETCH(QString, paper);
        QFETCH(bool, landscape);
        QFETCH(bool, largePrint);
        start(options);
        QCOMPARE(window->exportPaper().paperName(), paper);
        QCOMPARE(window->exportPaper().orientation == QPageLayout::Landscape, landscape);
        QCOMPARE(window->MnuLargePrint->isChecked(), largePrint);
        QCOMPARE(window->cardSettings().largePrint, largePrint);
        QVERIFY(fakes->prompts.shown.isEmpty());
    }

    // A user who never touched the new options keeps the file as it was;
    // once used, they are written back at close.
    void closeWritesWhatWasUsed()
    {
        start();
        QVERIFY(window->close());
        const QByteArray untouched = readBytes(optionsFile());
        QVERIFY(!untouched.contains("LargePrint") && !untouched.contains("Export"));

        start();
        addNumbers(75);
        window->MnuLargePrint->trigger();
        QVERIFY(inPreview([](TFrmPrintPreview &preview) {
            choose(preview.CboExportPaper, QStringLiteral("A5"));
            choose(preview.CboExportOrientation, QStringLiteral("Landscape"));
        }));
        QVERIFY(window->close());
        const QByteArray written = readBytes(optionsFile());
        QVERIFY(written.startsWith(untouched));
        QCOMPARE(written.mid(untouched.size()),
                 QByteArray("LargePrint=1\r\nExportPaper=A5\r\nExportOrientation=Landscape\r\n"));

        // Turned off again, it is written as off.
        start();
        window->MnuLargePrint->trigger();
        QVERIFY(window->close());
        QVERIFY(readBytes(optionsFile()).contains("LargePrint=0\r\n"));
    }

    // On paper: 99 points on a 778-pixel box. Off, every text starts where
    // "Free Space!" fits (59); on, at 99, each shrinking only itself: two
    // digits stay at 99, "Free Space" goes onto two lines that fit at 97.
    void largePrintOnPaper_data()
    {
        QTest::addColumn<bool>("largePrint");
        QTest::addColumn<int>("entrySize");
        QTest::addColumn<int>("freeSpaceSize");
        QTest::newRow("off") << false << 59 << 59;
        QTest::newRow("on") << true << 99 << 97;
    }
    void largePrintOnPaper()
    {
        QFETCH(bool, largePrint);
        QFETCH(int, entrySize);
        QFETCH(int, freeSpaceSize);
        start("FontSize=99\r\n");
        addNumbers(75);
        const int repaints = window->repaintRequests();
        if (largePrint)
            window->MnuLargePrint->trigger();
        QCOMPARE(window->repaintRequests(), repaints + (largePrint ? 1 : 0));
        window->MnuFilePrint->trigger();
        QCOMPARE(fakes->printService.documents.size(), 1);
        QSet<int> entries;
        QSet<int> freeSpace;
        for (const FakeCanvas::Text &t : fakes->printService.lastDocument().at(0).texts) {
            if (t.text.toInt() > 0)
                entries.insert(t.size);
            else if (t.text == QLatin1String("Free") || t.text == QLatin1String("Free Space"))
                freeSpace.insert(t.size);
        }
        QCOMPARE(entries, QSet<int>{entrySize});
        QCOMPARE(freeSpace, QSet<int>{freeSpaceSize});
    }
};

QTEST_MAIN(TestPreviewDialog)
#include "tst_previewdialog.moc"
