// File > Export PDF: the print job written to a PDF file.
#include "PdfReading.h"
#include "PrintFixtures.h"
#include "TestServices.h"

#include "app/UnitMain.h"
#include "app/adapters/PdfFilePrintService.h"
#include "app/adapters/QtProgress.h"
#include "card/EnglishPlurals.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>

#include <sys/resource.h>

class TestExportPdf : public QObject
{
    Q_OBJECT

    // A page of one card takes a few kilobytes: the limit strikes within the
    // first hundred or so pages, and the job must stop right there.
    static constexpr rlim_t LimitBytes = 256 * 1024;
    static constexpr int MaxPagesBeforeFull = 400;

    std::unique_ptr<TestServices> fakes;
    std::unique_ptr<TFrmMain> window;
    std::unique_ptr<QTemporaryDir> dir;

    void addNumbers(int last)
    {
        for (const QString &n : numberEntries(1, last)) {
            window->CboCardStr->setEditText(n);
            window->BtnAddClick();
        }
        fakes->prompts.clear();
    }
    QString exportTo(const QString &name, int cards, int perPageIndex)
    {
        const QString path = dir->filePath(name);
        window->EdtCardNum->setValue(cards);
        window->CboCardsPerPage->setCurrentIndex(perPageIndex);
        fakes->prompts.files.enqueue(path);
        window->MnuFileExportPdf->trigger();
        return path;
    }
    void skipWithoutPoppler()
    {
        const QString why = popplerMissing();
        if (!why.isEmpty())
            QSKIP(qPrintable(why));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setApplicationName(QStringLiteral("Morvane"));
        // The counted texts in English, as the program installs them.
        installEnglishPlurals(*qApp);
    }
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        fakes = std::make_unique<TestServices>();
        // No printer at all: the export needs none.
        fakes->printService.installed.clear();
        fakes->printService.defaultPosition = -1;
        window = std::make_unique<TFrmMain>(fakes->services());
    }
    void cleanup()
    {
        window.reset();
        fakes.reset();
        dir.reset();
    }

    void menuEntryFollowsTheCallList()
    {
        const QList<QAction *> actions = window->File1->actions();
        const qsizetype at = actions.indexOf(window->MnuFilePrintList);
        QVERIFY(at >= 0);
        QCOMPARE(actions.at(at + 1), window->MnuFileExportPdf);
        QCOMPARE(window->MnuFileExportPdf->objectName(), QStringLiteral("MnuFileExportPdf"));
        QCOMPARE(window->MnuFileExportPdf->text(), QStringLiteral("&Export PDF..."));
        QCOMPARE(window->MnuFileExportPdf->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+P")));
    }

    void pagesForCardsPerPage_data()
    {
        QTest::addColumn<int>("perPageIndex");
        QTest::addColumn<int>("pages");
        QTest::newRow("1 per page") << 0 << 5;
        QTest::newRow("2 per page") << 1 << 3;
        QTest::newRow("4 per page") << 2 << 2;
    }
    void pagesForCardsPerPage()
    {
        skipWithoutPoppler();
        QFETCH(int, perPageIndex);
        QFETCH(int, pages);
        addNumbers(75);
        const QString path = exportTo(QStringLiteral("cards.pdf"), 5, perPageIndex);
        QVERIFY2(fakes->prompts.count(FakePrompts::Kind::Error) == 0, qPrintable(fakes->prompts.texts().join('|')));
        QCOMPARE(fakes->prompts.count(FakePrompts::Kind::SaveDialog), 1);
        const FileDialogSpec setup = fakes->prompts.shown[0].dialog;
        QCOMPARE(setup.title, QStringLiteral("Export Bingo Cards"));
        QCOMPARE(setup.filter, QStringLiteral("PDF File (*.pdf)"));
        QCOMPARE(setup.defaultSuffix, QStringLiteral("pdf"));
        QVERIFY(QFile::exists(path));
        const QList<PdfPage> read = pdfPages(path);
        QCOMPARE(read.size(), pages);
        QCOMPARE(pdfTitle(path), QStringLiteral("Morvane"));
        // The C locale measures in metres: A4.
        QCOMPARE(qRound(read[0].size.width()), 595);
        QCOMPARE(qRound(read[0].size.height()), 842);
        // Nothing but the finished file is left beside it.
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("cards.pdf")});
        // More than three pages show the progress, which says what it does.
        QCOMPARE(fakes->progress.started.size(), pages > 3 ? 1 : 0);
        if (pages > 3)
            QCOMPARE(fakes->progress.started[0].kind, JobKind::Export);
    }

    void everyCardsEntriesAreInTheFile()
    {
        skipWithoutPoppler();
        addNumbers(75);
        const QString path = exportTo(QStringLiteral("four.pdf"), 4, 2);
        const QList<PdfPage> read = pdfPages(path);
        QCOMPARE(read.size(), 1);
        const PdfPage &page = read[0];
        QList<QStringList> quadrants(4);
        for (const PdfWord &w : page.words) {
            const QPointF c = w.box.center();
            const int q = (c.x() > page.size.width() / 2 ? 1 : 0) + (c.y() > page.size.height() / 2 ? 2 : 0);
            quadrants[q].append(w.text);
        }
        for (const QStringList &words : quadrants) {
            QCOMPARE(words.mid(0, 5), (QStringList{"B", "I", "N", "G", "O"}));
            QCOMPARE(words.count(QStringLiteral("Free")), 1);
            QSet<QString> numbers;
            for (const QString &w : words)
                if (w.toInt() > 0)
                    numbers.insert(w);
            QCOMPARE(numbers.size(), 24);
        }
        // The last card printed is the one the window holds.
        QSet<QString> last;
        for (const QString &w : quadrants[3])
            if (w.toInt() > 0)
                last.insert(w);
        const QStringList held = window->CardCells.mid(0, 24);
        QCOMPARE(last, QSet<QString>(held.cbegin(), held.cend()));
    }

    void unwritablePathGivesTheErrorBoxAndNoFile_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::newRow("missing folder") << "no/such/folder/cards.pdf";
        QTest::newRow("under a file") << "plain.txt/cards.pdf";
    }
    void unwritablePathGivesTheErrorBoxAndNoFile()
    {
        QFETCH(QString, relative);
        QFile plain(dir->filePath(QStringLiteral("plain.txt")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        addNumbers(75);
        const QString path = exportTo(relative, 1, 0);
        QCOMPARE(fakes->prompts.count(FakePrompts::Kind::Error), 1);
        QCOMPARE(fakes->prompts.shown.last().text, QStringLiteral("Invalid filename."));
        QVERIFY(!QFile::exists(path));
    }

    void entryCheckRefusesAsPrintDoes()
    {
        addNumbers(23);
        exportTo(QStringLiteral("none.pdf"), 1, 0);
        QCOMPARE(fakes->prompts.texts(),
                 QStringList{QStringLiteral("Your bingo card needs 24 words at least, please add more words, then try "
                                            "to print it again.")});
        QCOMPARE(fakes->prompts.count(FakePrompts::Kind::SaveDialog), 0);
        QVERIFY(!QFile::exists(dir->filePath(QStringLiteral("none.pdf"))));
    }

    void countThatIsNotANumberFailsBeforeTheDialog()
    {
        addNumbers(75);
        window->EdtCardNum->findChild<QLineEdit *>()->clear();
        window->MnuFileExportPdf->trigger();
        QCOMPARE(fakes->prompts.texts(), QStringList{QStringLiteral("'' is not a valid integer value.")});
        QCOMPARE(fakes->prompts.count(FakePrompts::Kind::SaveDialog), 0);
    }

    void progressSaysWhatTheJobDoes_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("label");
        QTest::newRow("print") << int(JobKind::Print) << "Printing: 0 of 5 pages";
        QTest::newRow("export") << int(JobKind::Export) << "Exporting: 0 of 5 pages";
    }
    void progressSaysWhatTheJobDoes()
    {
        QFETCH(int, kind);
        QFETCH(QString, label);
        QtProgressFactory factory(window.get());
        const auto progress = factory.start(5, JobKind(kind));
        const auto *dialog = window->findChild<QProgressDialog *>(QStringLiteral("PrintProgress"));
        QVERIFY(dialog);
        QCOMPARE(dialog->labelText(), label);
    }

    // A full disk ends the export at the page it struck, not after the whole
    // job; nothing is left behind. A file-size limit fails the writes as a
    // full disk would, whoever runs the test.
    void fullDiskEndsTheExportWithinAFewPages()
    {
        addNumbers(75);
        struct rlimit saved
        {
        };
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &saved) == 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = saved;
        small.rlim_cur = LimitBytes;
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
        exportTo(QStringLiteral("full.pdf"), 4000, 0);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QCOMPARE(fakes->prompts.count(FakePrompts::Kind::Error), 1);
        QCOMPARE(fakes->prompts.shown.last().text, QStringLiteral("Disk full."));
        QCOMPARE(fakes->progress.started.size(), 1);
        const int drawn = fakes->progress.started[0].updates.isEmpty() ? 0 : fakes->progress.started[0].updates.last();
        qInfo("stopped after %d of 4000 pages", drawn);
        QVERIFY(drawn < MaxPagesBeforeFull);
        QVERIFY(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    void cancelledDialogWritesNothing()
    {
        addNumbers(75);
        window->MnuFileExportPdf->trigger(); // no file queued: the dialog is cancelled
        QCOMPARE(fakes->prompts.count(FakePrompts::Kind::SaveDialog), 1);
        QVERIFY(QDir(dir->path()).entryList(QDir::Files).isEmpty());
    }

    void cancelledJobLeavesAnEarlierFileAlone()
    {
        addNumbers(75);
        const QString path = dir->filePath(QStringLiteral("kept.pdf"));
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
        earlier.close();
        fakes->progress.cancelAfterPage = 2;
        exportTo(QStringLiteral("kept.pdf"), 20, 0);
        QVERIFY(fakes->prompts.shown.size() == 1); // the save dialog only
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("earlier"));
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.pdf")});
    }

    void answeringNoToRepeatsWritesNothing()
    {
        // 8 entries on a 3 x 3 card with free space: 40320 faces.
        for (const char *w : {"a", "b", "c", "d", "e", "f", "g", "h"}) {
            window->CboCardStr->setEditText(QLatin1String(w));
            window->BtnAddClick();
        }
        window->CboCardSize->setCurrentIndex(0);
        window->CboCardSizeSelect();
        fakes->prompts.clear();
        fakes->prompts.answers.enqueue(false);
        const QString path = exportTo(QStringLiteral("repeats.pdf"), 50000, 2);
        QCOMPARE(fakes->prompts.count(FakePrompts::Kind::Question), 1);
        QCOMPARE(fakes->prompts.shown.last().text,
                 QStringLiteral("These entries make only 40320 different cards. Print anyway, repeating some cards?"));
        QVERIFY(!QFile::exists(path));
    }

    void pageOfTheLocalesPaperLessSixthInchOffsets_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("paperWidth");
        QTest::addColumn<int>("paperHeight");
        QTest::newRow("A4") << "de_DE" << 9921 << 14031;
        QTest::newRow("Letter") << "en_US" << 10200 << 13200;
    }
    void pageOfTheLocalesPaperLessSixthInchOffsets()
    {
        QFETCH(QString, locale);
        QFETCH(int, paperWidth);
        QFETCH(int, paperHeight);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        const QPageSize paper = PdfFilePrintService::localePaper();
        QLocale::setDefault(before);
        PdfFilePrintService service(dir->filePath(QStringLiteral("x.pdf")), paper);
        service.selectPrinter(-1);
        const PrintableArea area = service.printableArea();
        QCOMPARE(area.offsetX, 200);
        QCOMPARE(area.offsetY, 200);
        // Qt holds paper in whole points; at 1200 dpi that is within a few pixels.
        QVERIFY(std::abs(area.width - (paperWidth - 400)) <= 10);
        QVERIFY(std::abs(area.height - (paperHeight - 400)) <= 10);
        service.abortDoc();
        QVERIFY(!QFile::exists(dir->filePath(QStringLiteral("x.pdf"))));
    }
};

QTEST_MAIN(TestExportPdf)
#include "tst_exportpdf.moc"
