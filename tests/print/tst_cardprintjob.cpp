#include "FakePrintService.h"
#include "FakeProgress.h"
#include "FakePrompts.h"
#include "PrintFixtures.h"
#include "SequenceRandom.h"

#include "card/ArrangeCard.h"
#include "card/CommandGuard.h"
#include "print/CardPrintJob.h"
#include "print/PageLayout.h"
#include "print/PrintCard.h"

#include <QSet>
#include <QTest>

namespace {

struct Job
{
    FakePrintService service;
    FakePrompts prompts;
    SequenceRandom random;
    FakeProgressFactory progress;
    QStringList cardCells;

    PrintContext context() { return {service, prompts, random, &progress}; }
    // Runs the job as the command does: failures go to the error box.
    PrintOutcome run(const PrintRequest &request)
    {
        PrintOutcome outcome = PrintOutcome::Refused;
        runCommand(prompts, [&] { outcome = printCards(request, cardCells, context()); });
        return outcome;
    }
};

QString needsText(int n)
{
    return QStringLiteral("Your bingo card needs %1 words at least, please add more words, then try to print it again.")
        .arg(n);
}

} // namespace

class TestCardPrintJob : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void slotsOfTheWorkedExample_data()
    {
        QTest::addColumn<QString>("perPage");
        QTest::addColumn<int>("side");
        QTest::addColumn<QList<QPoint>>("slots");
        QTest::newRow("1") << "1" << 779 << QList<QPoint>{{452, 813}};
        QTest::newRow("2") << "2" << 415 << QList<QPoint>{{1362, 450}, {1362, 3359}};
        QTest::newRow("4") << "4" << 354 << QList<QPoint>{{450, 450}, {2579, 450}, {450, 3725}, {2579, 3725}};
    }
    void slotsOfTheWorkedExample()
    {
        QFETCH(QString, perPage);
        QFETCH(int, side);
        QFETCH(QList<QPoint>, slots);
        Job job;
        QCOMPARE(job.run(numbersRequest(perPage, perPage)), PrintOutcome::Printed);
        QCOMPARE(job.service.documents.size(), 1);
        const auto cards = cardsOfPage(job.service.lastDocument().at(0), 6, 5);
        QCOMPARE(cards.size(), slots.size());
        for (qsizetype i = 0; i < cards.size(); ++i) {
            QCOMPARE(QPoint(cards[i].x, cards[i].y), slots[i]);
            QCOMPARE(cards[i].width, 5 * side);
            QCOMPARE(cards[i].height, 6 * side);
        }
    }

    void gridIsRuledInOrder()
    {
        Job job;
        job.run(numbersRequest());
        const auto &lines = job.service.lastDocument().at(0).lines;
        QCOMPARE(lines.size(), 2 + 6 + 5);
        const int x = 452, y = 813, s = 779;
        auto same = [](const FakeCanvas::Line &l, int x0, int y0, int x1, int y1) {
            return l.x0 == x0 && l.y0 == y0 && l.x1 == x1 && l.y1 == y1;
        };
        QVERIFY(same(lines[0], x, y, x, y + 6 * s));
        QVERIFY(same(lines[1], x, y, x + 5 * s, y));
        for (int i = 1; i <= 6; ++i)
            QVERIFY2(same(lines[1 + i], x, y + i * s, x + 5 * s, y + i * s), qPrintable(QString::number(i)));
        for (int j = 1; j <= 5; ++j)
            QVERIFY2(same(lines[7 + j], x + j * s, y, x + j * s, y + 6 * s), qPrintable(QString::number(j)));
    }

    void everyPageIsPrintedFull_data()
    {
        QTest::addColumn<QString>("cards");
        QTest::addColumn<QString>("perPage");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("printed");
        QTest::newRow("1 at 1") << "1"
                                << "1" << 1 << 1;
        QTest::newRow("5 at 4") << "5"
                                << "4" << 2 << 8;
        QTest::newRow("5 at 2") << "5"
                                << "2" << 3 << 6;
        QTest::newRow("3 at 2") << "3"
                                << "2" << 2 << 4;
        QTest::newRow("4 at 4") << "4"
                                << "4" << 1 << 4;
        QTest::newRow("spin box text with blanks") << "  7"
                                                   << "1" << 7 << 7;
    }
    void everyPageIsPrintedFull()
    {
        QFETCH(QString, cards);
        QFETCH(QString, perPage);
        QFETCH(int, pages);
        QFETCH(int, printed);
        Job job;
        job.progress.cancelAfterPage = -1;
        QCOMPARE(job.run(numbersRequest(cards, perPage)), PrintOutcome::Printed);
        const auto &doc = job.service.lastDocument();
        QCOMPARE(doc.size(), pages);
        int total = 0;
        for (const auto &page : doc)
            total += int(cardsOfPage(page, 6, 5).size());
        QCOMPARE(total, printed);
        // A new page between pages only.
        QCOMPARE(job.service.callCount(QStringLiteral("newPage")), pages - 1);
        QCOMPARE(job.service.callCount(QStringLiteral("begin")), 1);
        QCOMPARE(job.service.callCount(QStringLiteral("end")), 1);
        QCOMPARE(job.service.strayDrawing, 0);
        QVERIFY(job.prompts.shown.isEmpty());
    }

    void callsComeInTheCommandsOrder()
    {
        Job job;
        job.run(numbersRequest(QStringLiteral("3"), QStringLiteral("2")));
        const QStringList expected{QStringLiteral("select -1"),     QStringLiteral("area"),
                                   QStringLiteral("title Morvane"), QStringLiteral("begin"),
                                   QStringLiteral("newPage"),       QStringLiteral("end")};
        QCOMPARE(job.service.calls, expected);
        QCOMPARE(job.service.title(), QStringLiteral("Morvane"));
    }

    void chosenPrinterIsSelectedByPosition()
    {
        Job job;
        job.service.installed = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
        job.service.defaultPosition = 0;
        PrintRequest r = numbersRequest();
        r.printerPosition = 2;
        job.run(r);
        QCOMPARE(job.service.calls.first(), QStringLiteral("select 2"));
        QCOMPARE(job.service.printerIndex(), 2);
        QCOMPARE(job.service.documents.size(), 1);
    }

    void printFontIsTheCardFontBoldBlack()
    {
        Job job;
        PrintRequest r = numbersRequest();
        r.settings.fontName = QStringLiteral("Some Face");
        r.settings.fontSize = 14;
        job.run(r);
        const auto &texts = job.service.lastDocument().at(0).texts;
        QVERIFY(!texts.isEmpty());
        for (const auto &t : texts) {
            QCOMPARE(t.face, QStringLiteral("Some Face"));
            QCOMPARE(t.style, FontStyle::Bold);
            QCOMPARE(t.color, 0u);
            QVERIFY(t.size <= 14);
        }
        QCOMPARE(job.service.canvasOf.sizesSet.first(), 14);
    }

    void hugeFontSizeIsClamped()
    {
        Job job;
        PrintRequest r = numbersRequest();
        r.settings.fontSize = 2147483647;
        job.run(r);
        QCOMPARE(job.service.canvasOf.sizesSet.first(), MaxCardFontSize);
        QCOMPARE(job.service.documents.size(), 1);
    }

    void tooFewEntriesTouchNoPrinter_data()
    {
        QTest::addColumn<int>("sizeIndex");
        QTest::addColumn<bool>("freeSpace");
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("required");
        QTest::newRow("5x5 free, 23") << 1 << true << 23 << 24;
        QTest::newRow("3x3 free, 7") << 0 << true << 7 << 8;
        QTest::newRow("7x7, 48") << 2 << false << 48 << 49;
        QTest::newRow("empty list") << 1 << false << 0 << 25;
    }
    void tooFewEntriesTouchNoPrinter()
    {
        QFETCH(int, sizeIndex);
        QFETCH(bool, freeSpace);
        QFETCH(int, entries);
        QFETCH(int, required);
        Job job;
        PrintRequest r = numbersRequest();
        r.words = numberEntries(1, entries);
        r.settings.sizeIndex = sizeIndex;
        r.settings.freeSpace = freeSpace;
        QCOMPARE(job.run(r), PrintOutcome::Refused);
        QVERIFY(job.service.calls.isEmpty());
        QCOMPARE(job.prompts.shown.size(), 1);
        QCOMPARE(job.prompts.shown[0].kind, FakePrompts::Kind::Information);
        QCOMPARE(job.prompts.shown[0].text, needsText(required));
    }

    void exactlyEnoughEntriesPrint()
    {
        Job job;
        PrintRequest r = numbersRequest();
        r.words = numberEntries(1, 8);
        r.settings.sizeIndex = 0;
        r.settings.freeSpace = true;
        QCOMPARE(job.run(r), PrintOutcome::Printed);
        const auto cards = cardsOfPage(job.service.lastDocument().at(0), 4, 3);
        QCOMPARE(cards.size(), 1);
        QStringList shown = stringsOf(cards[0]).mid(3); // after the heading letters B, I, N
        QCOMPARE(shown.size(), 9);
        QCOMPARE(shown.at(4), QStringLiteral("Free Space"));
        shown.removeAt(4);
        shown.sort();
        QStringList all = numberEntries(1, 8);
        all.sort();
        QCOMPARE(shown, all);
    }

    void countThatIsNotANumberBeginsNoDocument_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("letters") << "abc";
        QTest::newRow("trailing blank") << "5 ";
    }
    void countThatIsNotANumberBeginsNoDocument()
    {
        QFETCH(QString, text);
        Job job;
        job.run(numbersRequest(text));
        QCOMPARE(job.prompts.shown.size(), 1);
        QCOMPARE(job.prompts.shown[0].kind, FakePrompts::Kind::Error);
        QCOMPARE(job.prompts.shown[0].text, QStringLiteral("'%1' is not a valid integer value.").arg(text));
        QCOMPARE(job.service.callCount(QStringLiteral("begin")), 0);
        QVERIFY(job.service.documents.isEmpty());
    }

    void countOfZeroPrintsOneEmptyPage()
    {
        Job job;
        QCOMPARE(job.run(numbersRequest(QStringLiteral("0"), QStringLiteral("4"))), PrintOutcome::Printed);
        QCOMPARE(job.service.documents.size(), 1);
        QCOMPARE(job.service.lastDocument().size(), 1);
        QVERIFY(job.service.lastDocument().at(0).lines.isEmpty());
        QVERIFY(job.service.lastDocument().at(0).texts.isEmpty());
        QCOMPARE(job.service.callCount(QStringLiteral("newPage")), 0);
        QCOMPARE(job.random.picks, 0);
    }

    void printerRefusalsBeginNoDocument_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("defaultPosition");
        QTest::addColumn<bool>("vanish");
        QTest::addColumn<QString>("message");
        QTest::newRow("no default") << -1 << -1 << false << "There is no default printer currently selected.";
        QTest::newRow("vanished") << 1 << 0 << true << "Printer selected is not valid.";
        QTest::newRow("default vanished") << -1 << 1 << true << "Printer selected is not valid.";
    }
    void printerRefusalsBeginNoDocument()
    {
        QFETCH(int, position);
        QFETCH(int, defaultPosition);
        QFETCH(bool, vanish);
        QFETCH(QString, message);
        Job job;
        job.service.installed = {QStringLiteral("A"), QStringLiteral("B")};
        job.service.defaultPosition = defaultPosition;
        if (vanish)
            job.service.vanished.insert(QStringLiteral("B"));
        PrintRequest r = numbersRequest();
        r.printerPosition = position;
        job.run(r);
        QCOMPARE(job.prompts.texts(), QStringList{message});
        QCOMPARE(job.prompts.shown[0].kind, FakePrompts::Kind::Error);
        QCOMPARE(job.service.callCount(QStringLiteral("begin")), 0);
        QCOMPARE(job.random.picks, 0);
    }

    void noPrinterInstalled()
    {
        Job job;
        job.service.installed.clear();
        job.service.defaultPosition = -1;
        job.run(numbersRequest());
        QCOMPARE(job.prompts.texts(), QStringList{QStringLiteral("There is no default printer currently selected.")});
    }

    void tooSmallPageEndsBeforeTheDocument_data()
    {
        QTest::addColumn<QString>("perPage");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("offset");
        QTest::newRow("1, margins cover it") << "1" << 4800 << 6300 << 800;
        QTest::newRow("2, tiny") << "2" << 10 << 10 << 0;
        QTest::newRow("4, narrow") << "4" << 10 << 6300 << 0;
        QTest::newRow("4, no area at all") << "4" << 0 << 0 << 0;
    }
    void tooSmallPageEndsBeforeTheDocument()
    {
        QFETCH(QString, perPage);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, offset);
        Job job;
        job.service.area = {offset, offset, width, height};
        job.run(numbersRequest(QStringLiteral("4"), perPage));
        QCOMPARE(job.prompts.texts(),
                 QStringList{QStringLiteral("The printable area of this printer is too small for this layout.")});
        QCOMPARE(job.service.callCount(QStringLiteral("begin")), 0);
        QVERIFY(job.service.documents.isEmpty());
        QVERIFY(!job.service.printing());
    }

    void landscapePageOnePerPage()
    {
        Job job;
        job.service.area = {150, 150, 6300, 4800};
        job.run(numbersRequest());
        const auto cards = cardsOfPage(job.service.lastDocument().at(0), 6, 5);
        QCOMPARE(cards.size(), 1);
        const int s = (4800 - 900 - 1) / 5;
        QCOMPARE(cards[0].width, 5 * s);
        QCOMPARE(cards[0].y, (4800 - 6 * s) / 2);
        QCOMPARE(cards[0].y, 4800 - (cards[0].y + cards[0].height));
        QVERIFY(cards[0].y < 450);
    }

    void everyCardHasItsOwnArrangementAndCardCellsHoldsTheLast()
    {
        Job job;
        job.run(numbersRequest(QStringLiteral("8"), QStringLiteral("4")));
        QSet<QString> faces;
        QStringList last;
        for (const auto &page : job.service.lastDocument())
            for (const auto &card : cardsOfPage(page, 6, 5)) {
                last = stringsOf(card);
                faces.insert(last.join(QLatin1Char('|')));
            }
        QCOMPARE(faces.size(), 8);
        // Heading letters, then the entries in reading order around the free space.
        QStringList expected{QStringLiteral("B"), QStringLiteral("I"), QStringLiteral("N"), QStringLiteral("G"),
                             QStringLiteral("O")};
        for (int i = 0; i < 24; ++i) {
            if (i == 12)
                expected.append(QStringLiteral("Free Space"));
            expected.append(job.cardCells.at(i));
        }
        QCOMPARE(last, expected);
        QCOMPARE(job.cardCells.size(), 75);
    }

    void lastCardStaysInFullAndAStoppedJobLeavesTheCellsAlone_data()
    {
        QTest::addColumn<int>("cancelAfter");
        QTest::newRow("printed") << -1;
        QTest::newRow("cancelled") << 2;
    }
    void lastCardStaysInFullAndAStoppedJobLeavesTheCellsAlone()
    {
        QFETCH(int, cancelAfter);
        Job job;
        job.progress.cancelAfterPage = cancelAfter;
        PrintRequest r = numbersRequest(QStringLiteral("20"), QStringLiteral("4"));
        r.words.clear();
        for (int i = 0; i < 1000; ++i)
            r.words.append(QStringLiteral("e%1").arg(i));
        job.cardCells = QStringList{QStringLiteral("before")};
        job.run(r);
        if (cancelAfter >= 0) {
            QCOMPARE(job.cardCells, QStringList{QStringLiteral("before")});
            return;
        }
        QCOMPARE(job.cardCells.size(), 1000);
        const auto last = cardsOfPage(job.service.lastDocument().last(), 6, 5).last();
        QStringList expected = job.cardCells.mid(0, 24);
        expected.insert(12, QStringLiteral("Free Space"));
        QCOMPARE(stringsOf(last).mid(5), expected);
    }

    void standardColumnsOnPaper()
    {
        Job job;
        job.run(numbersRequest(QStringLiteral("4"), QStringLiteral("4")));
        for (const auto &card : cardsOfPage(job.service.lastDocument().at(0), 6, 5)) {
            const int s = card.width / 5;
            for (const auto &t : card.texts) {
                const int column = (t.x - card.x) / s;
                const int row = (t.y - card.y) / s;
                if (row == 0 || t.text == QLatin1String("Free Space"))
                    continue;
                const int v = t.text.toInt();
                QVERIFY2(v >= column * 15 + 1 && v <= column * 15 + 15, qPrintable(t.text));
            }
        }
    }

    void headingAndFreeSpaceCells()
    {
        Job job;
        job.run(numbersRequest());
        const auto card = cardsOfPage(job.service.lastDocument().at(0), 6, 5).at(0);
        const int s = 779;
        auto cellOf = [&](const FakeCanvas::Text &t) { return QPoint((t.x - card.x) / s, (t.y - card.y) / s); };
        for (int j = 0; j < 5; ++j) {
            QCOMPARE(card.texts[j].text, QString(QStringLiteral("BINGO").at(j)));
            QCOMPARE(cellOf(card.texts[j]), QPoint(j, 0));
        }
        const auto freeText = std::find_if(card.texts.cbegin(), card.texts.cend(),
                                           [](const auto &t) { return t.text == QLatin1String("Free Space"); });
        QVERIFY(freeText != card.texts.cend());
        QCOMPARE(cellOf(*freeText), QPoint(2, 3)); // row 4, column 3
    }

    void headingLengths_data()
    {
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QStringList>("letters");
        QTest::newRow("three letters") << "ABC" << QStringList{"A", "B", "C"};
        QTest::newRow("six letters") << "ABCDEF" << QStringList{"A", "B", "C", "D", "E"};
        QTest::newRow("blanks only") << "   " << QStringList{};
        QTest::newRow("padded") << " AB" << QStringList{" ", "A", "B"};
    }
    void headingLengths()
    {
        QFETCH(QString, heading);
        QFETCH(QStringList, letters);
        Job job;
        PrintRequest r = numbersRequest();
        r.settings.headingText = heading;
        job.run(r);
        const auto card = cardsOfPage(job.service.lastDocument().at(0), 6, 5).at(0);
        QStringList top;
        for (const auto &t : card.texts)
            if (t.y < card.y + 779)
                top.append(t.text);
        QCOMPARE(top, letters);
        // Entries still start in the second row: 25 cells below the heading.
        QCOMPARE(card.texts.size() - top.size(), 25);
    }

    void withoutHeadingTheCardIsSquare()
    {
        Job job;
        PrintRequest r = numbersRequest();
        r.settings.heading = false;
        job.run(r);
        const auto cards = cardsOfPage(job.service.lastDocument().at(0), 5, 5);
        QCOMPARE(cards.size(), 1);
        QCOMPARE(cards[0].width, cards[0].height);
        QCOMPARE(cards[0].texts.size(), 25);
    }

    void shortCardCellsPrintBlanks()
    {
        FakeCanvas canvas(4800, 6300);
        CardSettings settings;
        settings.heading = false;
        settings.freeSpace = true;
        const QStringList cells{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
        PrintCard(canvas, settings, cells, 0, 0, 5, 5, 300);
        const QStringList drawn = canvas.drawnStrings();
        QCOMPARE(drawn.size(), 25);
        QCOMPARE(drawn.mid(0, 3), cells);
        QCOMPARE(drawn.at(12), QStringLiteral("Free Space"));
        for (int i = 3; i < 25; ++i)
            if (i != 12)
                QCOMPARE(drawn.at(i), QStringLiteral(" "));
    }

    void cellBoxesAreTheInnerSquares()
    {
        // With "x" one character of the fake's width, placement reveals the box:
        // x = left + (S - P - width) / 2.
        FakeCanvas canvas(4800, 6300);
        CardSettings settings;
        settings.heading = false;
        settings.freeSpace = false;
        settings.fontSize = 10;
        QStringList cells;
        for (int i = 0; i < 9; ++i)
            cells.append(QStringLiteral("x"));
        PrintCard(canvas, settings, cells, 100, 200, 3, 3, 201);
        QCOMPARE(canvas.texts.size(), 9);
        const auto &t = canvas.texts[4]; // row 2, column 2
        const int inner = 200;
        QCOMPARE(t.x, 100 + 201 + 1 + (inner - 10) / 2);
        QCOMPARE(t.y, 200 + 201 + 1 + (inner - 20) / 2);
    }

    void progressOnlyForLongJobs_data()
    {
        QTest::addColumn<QString>("cards");
        QTest::addColumn<int>("dialogs");
        QTest::newRow("3 pages") << "3" << 0;
        QTest::newRow("4 pages") << "4" << 1;
    }
    void progressOnlyForLongJobs()
    {
        QFETCH(QString, cards);
        QFETCH(int, dialogs);
        Job job;
        job.run(numbersRequest(cards));
        QCOMPARE(job.progress.started.size(), dialogs);
        if (dialogs) {
            QCOMPARE(job.progress.started[0].total, 4);
            QCOMPARE(job.progress.started[0].updates, (QList<int>{1, 2, 3, 4}));
        }
    }

    void cancelSubmitsNothing_data()
    {
        QTest::addColumn<int>("cancelAfter");
        QTest::newRow("after the first page") << 1;
        QTest::newRow("after the last page") << 10;
    }
    void cancelSubmitsNothing()
    {
        QFETCH(int, cancelAfter);
        Job job;
        job.progress.cancelAfterPage = cancelAfter;
        QCOMPARE(job.run(numbersRequest(QStringLiteral("10"))), PrintOutcome::Cancelled);
        QVERIFY(job.service.documents.isEmpty());
        QCOMPARE(job.service.callCount(QStringLiteral("end")), 0);
        QCOMPARE(job.service.aborted, 1);
        QVERIFY(!job.service.printing());
        QVERIFY(job.prompts.shown.isEmpty());
        QCOMPARE(job.service.callCount(QStringLiteral("newPage")), cancelAfter - 1);
    }

    void nestedPrintIsRefusedAndTheJobGoesOn()
    {
        Job job;
        QStringList otherCells;
        int nested = 0;
        job.progress.onUpdate = [&](int done) {
            if (done != 2)
                return;
            ++nested;
            runCommand(job.prompts, [&] { printCards(numbersRequest(), otherCells, job.context()); });
        };
        QCOMPARE(job.run(numbersRequest(QStringLiteral("5"))), PrintOutcome::Printed);
        QCOMPARE(nested, 1);
        QCOMPARE(job.prompts.texts(), QStringList{QStringLiteral("Printing in progress.")});
        QCOMPARE(job.prompts.shown[0].kind, FakePrompts::Kind::Error);
        QCOMPARE(job.service.documents.size(), 1);
        QCOMPARE(job.service.lastDocument().size(), 5);
        QCOMPARE(job.service.aborted, 0);
        QVERIFY(otherCells.isEmpty());
    }

    void memoisedFittingPrintsWhatPlainFittingPrints()
    {
        // Long entries that wrap and shrink, so the fitting matters.
        Job job;
        PrintRequest r = numbersRequest(QStringLiteral("8"), QStringLiteral("4"));
        r.words.clear();
        for (int i = 0; i < 30; ++i)
            r.words.append(
                QStringLiteral("entry %1 with several words %2").arg(i).arg(QString(i % 7, QLatin1Char('w'))));
        SequenceRandom replay(job.random);
        job.run(r);
        QCOMPARE(job.service.documents.size(), 1);

        FakeCanvas plain(4800, 6300);
        plain.setFontName(r.settings.fontName);
        plain.setFontSize(r.settings.fontSize);
        plain.setFontStyle(FontStyle::Bold);
        plain.setFontColor(0);
        const CardPageLayout layout = layoutCardPage(4, pageGeometry(job.service.area, 1), 5, 6);
        // The job draws only the shown cells of every card but the last, which
        // it arranges in full: the same draws, the same cards.
        QStringList cells;
        int card = 0;
        for (const auto &page : job.service.lastDocument()) {
            plain.clearRecords();
            for (const CardSlot &slot : layout.slots) {
                if (++card < 8)
                    ArrangeShownCells(r.words, 1, true, cells, replay);
                else
                    ArrangeCard(r.words, 1, true, cells, replay);
                PrintCard(plain, r.settings, cells, slot.x, slot.y, 5, 6, layout.cellSide);
            }
            QCOMPARE(page.texts.size(), plain.texts.size());
            for (qsizetype i = 0; i < plain.texts.size(); ++i) {
                QCOMPARE(page.texts[i].text, plain.texts[i].text);
                QCOMPARE(QPoint(page.texts[i].x, page.texts[i].y), QPoint(plain.texts[i].x, plain.texts[i].y));
                QCOMPARE(page.texts[i].size, plain.texts[i].size);
            }
        }
    }

    void refusedSubmissionIsReported()
    {
        Job job;
        job.service.onEndDoc = [] { throw MorvaneError(QStringLiteral("The printer or class does not exist")); };
        job.run(numbersRequest());
        QCOMPARE(job.prompts.texts(), QStringList{QStringLiteral("The printer or class does not exist.")});
        QVERIFY(job.service.documents.isEmpty());
        QVERIFY(!job.service.printing());
    }
};

QTEST_APPLESS_MAIN(TestCardPrintJob)
#include "tst_cardprintjob.moc"
