// The print preview's pages: the card job drawn page by page on a recording
// service, with the cards a seeded print of the same job makes.
#include "FakePrompts.h"
#include "PrintFixtures.h"
#include "RecordedCalls.h"
#include "SequenceRandom.h"
#include "card/EnglishPlurals.h"

#include "print/CardPrintJob.h"
#include "print/PrintPreview.h"

#include <QCoreApplication>
#include <QTest>

namespace {

// The 75-number list whose fourth column holds only five numbers: its pool
// runs dry at the 26th slot, so the last shown cell keeps what the previous
// card (or, first, the window's card) held there.
QStringList columnRunsDry()
{
    QStringList words = numberEntries(1, 50);
    words.append(numberEntries(61, 65));
    while (words.size() < 75)
        words.append(QStringLiteral("7"));
    return words;
}

} // namespace

class TestPreviewJob : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The counted texts in English, as the program installs them.
    void initTestCase() { installEnglishPlurals(*QCoreApplication::instance()); }

    void pagesAreThePrintedPages_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<int>("sizeIndex");
        QTest::addColumn<QString>("cards");
        QTest::addColumn<QString>("perPage");
        QTest::addColumn<bool>("numbered");

        QTest::newRow("75 numbers, 1 per page") << numberEntries(1, 75) << 1 << "3"
                                                << "1" << false;
        QTest::newRow("75 numbers, 2 per page, numbered") << numberEntries(1, 75) << 1 << "5"
                                                          << "2" << true;
        QTest::newRow("75 numbers, 4 per page") << numberEntries(1, 75) << 1 << "10"
                                                << "4" << false;
        QTest::newRow("words, 4 per page, numbered") << numberEntries(100, 160) << 2 << "9"
                                                     << "4" << true;
        QTest::newRow("a column runs dry") << columnRunsDry() << 1 << "6"
                                           << "2" << false;
        // 8 entries make 40,320 faces: 2,000 cards repeat some faces and are
        // arranged again.
        QTest::newRow("cards arranged again") << numberEntries(1, 8) << 0 << "2000"
                                              << "4" << false;
    }
    void pagesAreThePrintedPages()
    {
        QFETCH(QStringList, words);
        QFETCH(int, sizeIndex);
        QFETCH(QString, cards);
        QFETCH(QString, perPage);
        QFETCH(bool, numbered);
        PrintRequest request = numbersRequest(cards, perPage);
        request.words = words;
        request.settings.sizeIndex = sizeIndex;
        const QStringList windowCard = numberEntries(901, 975);
        const std::uint64_t seed = 0xC0FFEE;
        const CardNumbering numbering{seed, QStringLiteral("K7Q2MX"), {}, {}};
        const CardNumbering *lines = numbered ? &numbering : nullptr;

        FakePrompts prompts;
        prompts.answers.enqueue(true);
        FakePrintService shown;
        const auto preview = PrintPreview::open(request, windowCard, shown, prompts, seed, lines);
        QVERIFY(preview);

        FakePrintService printed;
        SequenceRandom random;
        QStringList cells = windowCard;
        PrintContext context{printed, prompts, random, nullptr, lines};
        context.seed = seed;
        context.repeatsAgreed = true;
        QCOMPARE(printCards(request, cells, context), PrintOutcome::Printed);
        const QList<FakePrintService::Page> &paper = printed.lastDocument();
        QCOMPARE(preview->pageCount(), paper.size());

        // Pages drawn alone, last first: none depends on the pages before.
        for (int p = preview->pageCount() - 1; p >= 0; --p)
            QCOMPARE(callsOf(preview->page(p)), callsOf(paper.at(p)));
        QVERIFY(callsOf(preview->page(preview->pageCount())).isEmpty());
        QCOMPARE(shown.callCount(QStringLiteral("begin")), 0);
    }

    // The seed fixes the cards, and only the seed: another seed, other cards.
    void theSeedMakesTheCards()
    {
        const PrintRequest request = numbersRequest(QStringLiteral("4"), QStringLiteral("4"));
        FakePrompts prompts;
        FakePrintService service;
        const auto first = PrintPreview::open(request, {}, service, prompts, 1);
        const QStringList page = callsOf(first->page(0));
        QCOMPARE(callsOf(PrintPreview::open(request, {}, service, prompts, 1)->page(0)), page);
        QVERIFY(callsOf(PrintPreview::open(request, {}, service, prompts, 2)->page(0)) != page);
    }

    // The print command's checks, in its order, before anything is shown.
    void refusesAsPrintingDoes_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("cards");
        QTest::addColumn<QString>("message");

        QTest::newRow("too few entries") << numberEntries(1, 23) << "1"
                                         << "Your bingo card needs 24 words at least, please add more words, then "
                                            "try to print it again.";
        QTest::newRow("repeats refused") << numberEntries(1, 8) << "50000"
                                         << "These entries make only 40320 different cards. Print anyway, repeating "
                                            "some cards?";
    }
    void refusesAsPrintingDoes()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, cards);
        QFETCH(QString, message);
        PrintRequest request = numbersRequest(cards, QStringLiteral("1"));
        request.words = words;
        request.settings.sizeIndex = words.size() == 8 ? 0 : 1;
        FakePrompts prompts; // answers No
        FakePrintService service;
        QVERIFY(!PrintPreview::open(request, {}, service, prompts, 7));
        QCOMPARE(prompts.texts(), QStringList{message});
    }

    void countThatIsNoNumberFails()
    {
        const PrintRequest request = numbersRequest(QString(), QStringLiteral("1"));
        FakePrompts prompts;
        FakePrintService service;
        QVERIFY_THROWS_EXCEPTION(MorvaneError, PrintPreview::open(request, {}, service, prompts, 7));
    }

    // Another paper lays the same cards out again: same strings, same order.
    void anotherPaperShowsTheSameCards()
    {
        const PrintRequest request = numbersRequest(QStringLiteral("8"), QStringLiteral("4"));
        FakePrompts prompts;
        FakePrintService tall;
        FakePrintService wide;
        wide.area = {100, 100, 6300, 4800};
        const auto preview = PrintPreview::open(request, {}, tall, prompts, 99);
        const auto strings = [&] {
            QStringList all;
            for (int p = 0; p < preview->pageCount(); ++p)
                all += stringsOf(preview->page(p));
            return all;
        };
        const QStringList onTall = strings();
        preview->showOn(wide, 0);
        QCOMPARE(preview->area().width, 6300);
        QCOMPARE(preview->paper().width, 6500);
        QCOMPARE(strings(), onTall);
    }
};

QTEST_GUILESS_MAIN(TestPreviewJob)
#include "tst_previewjob.moc"
