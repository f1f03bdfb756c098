#include "FakePrintService.h"
#include "FakePrompts.h"
#include "PrintFixtures.h"
#include "SequenceRandom.h"

#include "card/CommandGuard.h"
#include "print/CallList.h"

#include <QTest>

namespace {

struct Job
{
    FakePrintService service;
    FakePrompts prompts;
    SequenceRandom random;

    Job()
    {
        // Lines of 100 pixels at the default 20 points; a character is 20 wide.
        service.canvasOf.lineHeightFactor = 5;
    }
    PrintOutcome run(const PrintRequest &request)
    {
        PrintOutcome outcome = PrintOutcome::Refused;
        runCommand(prompts, [&] { outcome = printCallList(request, {service, prompts, random, nullptr}); });
        return outcome;
    }
    const QList<FakeCanvas::Text> &texts() const { return service.lastDocument().at(0).texts; }
};

} // namespace

class TestCallList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workedExample()
    {
        Job job;
        QCOMPARE(job.run(numbersRequest()), PrintOutcome::Printed);
        QCOMPARE(job.service.documents.size(), 1);
        QCOMPARE(job.service.lastDocument().size(), 1);
        const auto &texts = job.texts();
        QCOMPARE(texts.size(), 75);
        const QStringList words = numbersRequest().words;
        for (int i = 0; i < 75; ++i) {
            QCOMPARE(texts[i].text, words[i]);
            if (i < 54) {
                QCOMPARE(texts[i].x, 450);
                QCOMPARE(texts[i].y, 450 + 100 * i);
            } else {
                QCOMPARE(texts[i].x, 2400);
                QCOMPARE(texts[i].y, 450 + 100 * (i - 54));
            }
            QCOMPARE(texts[i].size, 20);
            QCOMPARE(texts[i].style, FontStyle::Bold);
        }
        QCOMPARE(job.service.callCount(QStringLiteral("newPage")), 0);
        QCOMPARE(job.random.picks, 0);
    }

    void layoutOfTheWorkedExample()
    {
        FakeCanvas canvas;
        canvas.setFontSize(20);
        canvas.lineHeightFactor = 5;
        const CallListLayout layout =
            layoutCallList(canvas, numberEntries(1, 75), pageGeometry({150, 150, 4800, 6300}, 1));
        QCOMPARE(layout.usableHeight, 5400);
        QCOMPARE(layout.totalHeight, qint64(7500));
        QCOMPARE(layout.columns, qint64(2));
        QCOMPARE(layout.columnWidth, 1950);
    }

    void columnsFollowTheTotalHeight_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("width");
        // 54 entries of 100 pixels: 5400, against a usable height of height - 900.
        QTest::newRow("equal to the usable height") << 6300 << 1 << 3900;
        QTest::newRow("one pixel short") << 6299 << 2 << 1950;
    }
    void columnsFollowTheTotalHeight()
    {
        QFETCH(int, height);
        QFETCH(int, columns);
        QFETCH(int, width);
        FakeCanvas canvas;
        canvas.setFontSize(20);
        canvas.lineHeightFactor = 5;
        const CallListLayout layout =
            layoutCallList(canvas, numberEntries(1, 54), pageGeometry({150, 150, 4800, height}, 1));
        QCOMPARE(layout.columns, qint64(columns));
        QCOMPARE(layout.columnWidth, width);
        // The 54th entry starts above the usable height either way, so all
        // stay in the first column.
        drawCallList(canvas, numberEntries(1, 54), pageGeometry({150, 150, 4800, height}, 1), layout);
        QCOMPARE(canvas.texts.last().x, 450);
        QCOMPARE(canvas.texts.last().y, 450 + 53 * 100);
    }

    void overWideEntryShrinksAndTheNextStartsAgain()
    {
        Job job;
        PrintRequest r = numbersRequest();
        // Column width 1950 leaves 1950 - 40 for text: 98 characters fit at 20
        // points; 120 need 15 points (1800 against 1950 - 30).
        r.words[1] = QString(120, QLatin1Char('w'));
        job.run(r);
        const auto &texts = job.texts();
        QCOMPARE(texts[1].size, 15);
        QCOMPARE(texts[2].size, 20);
        QCOMPARE(texts[2].y, texts[1].y + 15 * 5);
    }

    // Shrinking stops at a legible 6 points: an entry that would need less,
    // or a list so long that its columns leave no legible room, is refused
    // before any document begins, and nothing is drawn over anything else.
    void illegibleListIsRefused_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("message"); // empty: printed, the entry at 6 points
        const QStringList numbers = numberEntries(1, 75);
        // Two columns of 1950 less two "M" widths: n characters fit at 6
        // points while 6n <= 1950 - 12.
        QStringList widest = numbers;
        widest[1] = QString(323, QLatin1Char('w'));
        QStringList tooWide = numbers;
        tooWide[1] = QString(324, QLatin1Char('w'));
        QStringList huge = numbers;
        huge[0] = QString(5000, QLatin1Char('w'));
        QStringList calls;
        for (int i = 0; i < 10000; ++i)
            calls.append(QStringLiteral("call %1").arg(i));
        QTest::newRow("just legible") << widest << "";
        QTest::newRow("one step too wide")
            << tooWide
            << "The call list is too long to print on one page: 75 entries need 2 columns, and \"" + QString(39, 'w')
                   + QChar(0x2026) + "\" would print smaller than 6 points.";
        QTest::newRow("absurdly wide entry")
            << huge
            << "The call list is too long to print on one page: 75 entries need 2 columns, and \"" + QString(39, 'w')
                   + QChar(0x2026) + "\" would print smaller than 6 points.";
        QTest::newRow("10,000 entries") << calls
                                        << "The call list is too long to print on one page: 10000 entries need 186 "
                                           "columns, and \"call 0\" would print smaller than 6 points.";
    }
    void illegibleListIsRefused()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, message);
        Job job;
        PrintRequest r = numbersRequest();
        r.words = words;
        const PrintOutcome outcome = job.run(r);
        if (message.isEmpty()) {
            QCOMPARE(outcome, PrintOutcome::Printed);
            QCOMPARE(job.texts().at(1).size, 6);
            return;
        }
        QCOMPARE(job.prompts.texts(), QStringList{message});
        QCOMPARE(job.prompts.shown[0].kind, FakePrompts::Kind::Error);
        QCOMPARE(job.service.callCount(QStringLiteral("begin")), 0);
        QVERIFY(job.service.documents.isEmpty());
        QVERIFY(!job.service.printing());
    }

    void entryStartingAboveTheUsableHeightStaysInItsColumn()
    {
        FakeCanvas canvas;
        canvas.setFontSize(20);
        canvas.lineHeightFactor = 5;
        // Margins of 60: a usable height of 250, and room below it.
        const PageGeometry page = pageGeometry({20, 20, 1120, 370}, 1);
        const QStringList entries{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
        const CallListLayout layout = layoutCallList(canvas, entries, page);
        QCOMPARE(layout.columns, qint64(2));
        drawCallList(canvas, entries, page, layout);
        // The third starts at 200, above 250: it stays and runs into the margin.
        QCOMPARE(canvas.texts[2].x, 60);
        QCOMPARE(canvas.texts[2].y, 60 + 200);
        QCOMPARE(canvas.texts[3].x, 60 + 500);
        QCOMPARE(canvas.texts[3].y, 60);
    }

    void entryThatWouldRunOffThePaperStartsTheNextColumn()
    {
        // No margins: the third entry, starting at 200, would end at 300 on a
        // page 250 high and be lost.
        FakeCanvas canvas;
        canvas.setFontSize(20);
        canvas.lineHeightFactor = 5;
        const PageGeometry page = pageGeometry({0, 0, 1000, 250}, 1);
        const QStringList entries{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
        const CallListLayout layout = layoutCallList(canvas, entries, page);
        QCOMPARE(layout.columns, qint64(2));
        drawCallList(canvas, entries, page, layout);
        QCOMPARE(canvas.texts[2].x, 500);
        QCOMPARE(canvas.texts[2].y, 0);
        QCOMPARE(canvas.texts[3].x, 500);
        QCOMPARE(canvas.texts[3].y, 100);
        for (const auto &t : canvas.texts)
            QVERIFY(t.y + 100 <= 250);
    }

    void keepingEntriesOnThePaperCanNeedAnotherColumn()
    {
        FakeCanvas canvas;
        canvas.setFontSize(20);
        canvas.lineHeightFactor = 5;
        const PageGeometry page = pageGeometry({0, 0, 999, 250}, 1);
        const QStringList entries = numberEntries(1, 5); // 500 high: two columns by height
        const CallListLayout layout = layoutCallList(canvas, entries, page);
        QCOMPARE(layout.columns, qint64(3));
        QCOMPARE(layout.columnWidth, 333);
        drawCallList(canvas, entries, page, layout);
        QCOMPARE(canvas.texts[4].x, 666);
        QCOMPARE(canvas.texts[4].y, 0);
    }

    void largerFontMoreColumns()
    {
        Job job;
        PrintRequest r = numbersRequest();
        r.settings.fontSize = 40; // 200-pixel lines: 15000 high, 3 columns
        job.run(r);
        const auto &texts = job.texts();
        QCOMPARE(texts.last().x, 450 + 2 * 1300);
        QCOMPARE(job.service.lastDocument().size(), 1);
    }

    void tooSmallPageEndsBeforeTheDocument_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("no usable height") << 150 << 4800 << 900;
        QTest::newRow("negative usable height") << 300 << 4800 << 900;
        QTest::newRow("columns narrower than a pixel") << 0 << 1 << 300;
    }
    void tooSmallPageEndsBeforeTheDocument()
    {
        QFETCH(int, offset);
        QFETCH(int, width);
        QFETCH(int, height);
        Job job;
        job.service.area = {offset, offset, width, height};
        job.run(numbersRequest());
        QCOMPARE(job.prompts.texts(),
                 QStringList{QStringLiteral("The printable area of this printer is too small for this layout.")});
        QCOMPARE(job.service.callCount(QStringLiteral("begin")), 0);
        QVERIFY(!job.service.printing());
    }

    void needsAsManyEntriesAsTheCard()
    {
        Job job;
        PrintRequest r = numbersRequest();
        r.words = numberEntries(1, 23);
        QCOMPARE(job.run(r), PrintOutcome::Refused);
        QCOMPARE(job.prompts.texts(),
                 QStringList{QStringLiteral("Your bingo card needs 24 words at least, please add more words, then try "
                                            "to print it again.")});
        QVERIFY(job.service.calls.isEmpty());
    }

    void printerRefusals()
    {
        Job job;
        job.service.defaultPosition = -1;
        job.run(numbersRequest());
        QCOMPARE(job.prompts.texts(), QStringList{QStringLiteral("There is no default printer currently selected.")});
        QCOMPARE(job.service.callCount(QStringLiteral("begin")), 0);
    }
};

QTEST_APPLESS_MAIN(TestCallList)
#include "tst_calllist.moc"
