// The print commands and the printer list as the main window wires them.
#include "PrintFixtures.h"
#include "TestServices.h"

#include "app/UnitMain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

class TestPrintWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestServices> fakes;
    std::unique_ptr<TFrmMain> window;

    void open() { window = std::make_unique<TFrmMain>(fakes->services()); }
    void addNumbers(int last)
    {
        for (const QString &n : numberEntries(1, last)) {
            window->CboCardStr->setEditText(n);
            window->BtnAddClick();
        }
        fakes->prompts.clear();
    }
    FakePrintService &service() { return fakes->printService; }

private Q_SLOTS:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("Morvane")); }
    void init() { fakes = std::make_unique<TestServices>(); }
    void cleanup()
    {
        window.reset();
        fakes.reset();
    }

    void printerListShowsEveryPrinterWithTheDefaultSelected()
    {
        service().installed = {QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma")};
        service().defaultPosition = 1;
        open();
        QCOMPARE(window->CboPrinters->count(), 3);
        QCOMPARE(window->CboPrinters->itemText(0), QStringLiteral("Alpha"));
        QCOMPARE(window->CboPrinters->itemText(2), QStringLiteral("Gamma"));
        QCOMPARE(window->CboPrinters->currentIndex(), 1);
        QVERIFY(!window->CboPrinters->isEditable());
        QVERIFY(fakes->prompts.shown.isEmpty());
    }

    void noPrinterInstalledLeavesTheListEmptyAndQuiet()
    {
        service().installed.clear();
        service().defaultPosition = -1;
        open();
        QCOMPARE(window->CboPrinters->count(), 0);
        QCOMPARE(window->CboPrinters->currentIndex(), -1);
        QVERIFY(fakes->prompts.shown.isEmpty());

        addNumbers(24);
        window->MnuFilePrint->trigger();
        QCOMPARE(fakes->prompts.texts(),
                 QStringList{QStringLiteral("There is no default printer currently selected.")});
    }

    // Common on CUPS: printers, but none is the default. They are listed,
    // none selected, quietly; printing with none selected says so, and
    // printing on a picked one works.
    void printersWithoutDefaultAreListedNoneSelected()
    {
        service().installed = {QStringLiteral("Alpha"), QStringLiteral("Beta")};
        service().defaultPosition = -1;
        open();
        QCOMPARE(window->CboPrinters->count(), 2);
        QCOMPARE(window->CboPrinters->currentIndex(), -1);
        QVERIFY(fakes->prompts.shown.isEmpty());

        addNumbers(24);
        window->MnuFilePrint->trigger();
        QCOMPARE(fakes->prompts.texts(),
                 QStringList{QStringLiteral("There is no default printer currently selected.")});
        QVERIFY(service().documents.isEmpty());

        fakes->prompts.clear();
        window->CboPrinters->setCurrentIndex(1);
        window->MnuFilePrint->trigger();
        QVERIFY(fakes->prompts.shown.isEmpty());
        QCOMPARE(service().printerIndex(), 1);
        QCOMPARE(service().documents.size(), 1);
    }

    // The window does not wait for the print server: it is built with the
    // list empty, and the list fills when the server answers.
    void printerListFillsWhenTheServerAnswers()
    {
        service().installed = {QStringLiteral("Alpha"), QStringLiteral("Beta")};
        service().defaultPosition = 1;
        service().holdPrinters = true;
        open();
        QCOMPARE(window->CboPrinters->count(), 0);
        QVERIFY(service().waitingForPrinters);
        addNumbers(24);
        window->MnuFilePrint->trigger();
        QCOMPARE(fakes->prompts.texts(),
                 QStringList{QStringLiteral("There is no default printer currently selected.")});

        fakes->prompts.clear();
        service().answerPrinters();
        QCOMPARE(window->CboPrinters->count(), 2);
        QCOMPARE(window->CboPrinters->currentIndex(), 1);
        QVERIFY(fakes->prompts.shown.isEmpty());
    }

    void lateAnswerAfterTheWindowIsGoneIsHarmless()
    {
        service().holdPrinters = true;
        open();
        window.reset();
        service().answerPrinters();
        QVERIFY(fakes->prompts.shown.isEmpty());
    }

    // After a job the sample card shows the last card printed, without
    // waiting for some other repaint.
    void sampleCardRepaintsWhenAJobEnds_data()
    {
        QTest::addColumn<bool>("exporting");
        QTest::newRow("print") << false;
        QTest::newRow("export") << true;
    }
    void sampleCardRepaintsWhenAJobEnds()
    {
        QFETCH(bool, exporting);
        open();
        addNumbers(75);
        const QStringList before = window->CardCells;
        const int repaints = window->repaintRequests();
        QTemporaryDir dir;
        if (exporting) {
            fakes->prompts.files.enqueue(dir.filePath(QStringLiteral("cards.pdf")));
            window->MnuFileExportPdf->trigger();
        } else {
            window->MnuFilePrint->trigger();
        }
        QCOMPARE(fakes->prompts.count(FakePrompts::Kind::Error), 0);
        QVERIFY(window->CardCells != before);
        QCOMPARE(window->repaintRequests(), repaints + 1);
    }

    void printMenuAndToolbarPrintTheCards_data()
    {
        QTest::addColumn<bool>("toolbar");
        QTest::newRow("menu") << false;
        QTest::newRow("toolbar") << true;
    }
    void printMenuAndToolbarPrintTheCards()
    {
        QFETCH(bool, toolbar);
        open();
        addNumbers(75);
        window->EdtCardNum->setValue(5);
        window->CboCardsPerPage->setCurrentIndex(2); // "4"
        if (toolbar)
            window->ToolButtonPrint->click();
        else
            window->MnuFilePrint->trigger();
        QVERIFY(fakes->prompts.shown.isEmpty());
        QCOMPARE(service().documents.size(), 1);
        QCOMPARE(service().lastDocument().size(), 2);
        // The last card printed is the one the preview shows next.
        const auto cards = cardsOfPage(service().lastDocument().at(1), 6, 5);
        QCOMPARE(cards.size(), 4);
        QCOMPARE(stringsOf(cards.last()).mid(5, 12), window->CardCells.mid(0, 12));
    }

    void printShortcutIsCtrlP()
    {
        open();
        QCOMPARE(window->MnuFilePrint->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
        QCOMPARE(window->MnuFilePrintList->text(), QStringLiteral("Print &Call List"));
    }

    void chosenPrinterIsUsed()
    {
        service().installed = {QStringLiteral("Alpha"), QStringLiteral("Beta")};
        service().defaultPosition = 0;
        open();
        addNumbers(75);
        window->CboPrinters->setCurrentIndex(1);
        service().calls.clear();
        window->MnuFilePrintClick();
        QCOMPARE(service().calls.first(), QStringLiteral("select 1"));
        QCOMPARE(service().documents.size(), 1);
    }

    void tooFewEntries()
    {
        open();
        addNumbers(23);
        window->MnuFilePrintClick();
        QCOMPARE(fakes->prompts.texts(),
                 QStringList{QStringLiteral("Your bingo card needs 24 words at least, please add more words, then try "
                                            "to print it again.")});
        QCOMPARE(fakes->prompts.shown[0].kind, FakePrompts::Kind::Information);
        QVERIFY(service().documents.isEmpty());
    }

    void emptiedCardCountIsNotANumber()
    {
        open();
        addNumbers(75);
        window->EdtCardNum->findChild<QLineEdit *>()->clear();
        window->MnuFilePrintClick();
        QCOMPARE(fakes->prompts.texts(), QStringList{QStringLiteral("'' is not a valid integer value.")});
        QCOMPARE(service().callCount(QStringLiteral("begin")), 0);
    }

    void callListPrintsEveryEntryOnOnePage()
    {
        open();
        addNumbers(75);
        window->MnuFilePrintList->trigger();
        QCOMPARE(service().documents.size(), 1);
        QCOMPARE(service().lastDocument().size(), 1);
        QCOMPARE(service().lastDocument().at(0).texts.size(), 75);
        // In the list's own order: sorted as text.
        QCOMPARE(service().lastDocument().at(0).texts.at(1).text, QStringLiteral("10"));
    }

    void longJobShowsProgressAndANestedPrintIsRefused()
    {
        open();
        addNumbers(75);
        window->EdtCardNum->setValue(12);
        int nested = 0;
        fakes->progress.onUpdate = [&](int done) {
            if (done == 3) {
                ++nested;
                window->MnuFilePrintListClick();
                window->MnuFilePrintClick();
            }
        };
        window->MnuFilePrintClick();
        QCOMPARE(nested, 1);
        QCOMPARE(fakes->progress.started.size(), 1);
        QCOMPARE(fakes->progress.started[0].total, 12);
        QCOMPARE(fakes->prompts.texts(),
                 (QStringList{QStringLiteral("Printing in progress."), QStringLiteral("Printing in progress.")}));
        QCOMPARE(service().documents.size(), 1);
        QCOMPARE(service().lastDocument().size(), 12);
    }

    void cancelledJobPrintsNothingAndSaysNothing()
    {
        open();
        addNumbers(75);
        window->EdtCardNum->setValue(20);
        fakes->progress.cancelAfterPage = 5;
        window->MnuFilePrintClick();
        QVERIFY(service().documents.isEmpty());
        QCOMPARE(service().aborted, 1);
        QVERIFY(fakes->prompts.shown.isEmpty());
        // Printing works again afterwards.
        fakes->progress.cancelAfterPage = -1;
        window->MnuFilePrintClick();
        QCOMPARE(service().documents.size(), 1);
    }
};

QTEST_MAIN(TestPrintWindow)
#include "tst_printwindow.moc"
