#include "FakePrintService.h"
#include "FakePrompts.h"
#include "Fixtures.h"
#include "PrintFixtures.h"
#include "SequenceRandom.h"
#include "card/EnglishPlurals.h"

#include "card/ArrangeCard.h"
#include "card/CommandGuard.h"
#include "print/CardPrintJob.h"
#include "print/UniqueCards.h"

#include <QCoreApplication>
#include <QSet>
#include <QTest>

namespace {

// Collects the face of every printed card, page by page, keeping no pages.
// A card's texts come in one run, heading letters first, so the page's texts
// split into runs of the same length.
struct FaceLog
{
    QList<QString> faces;
    int textsPerCard;
    int headingLetters;
    QString freeText;

    void take(const FakePrintService::Page &page)
    {
        for (qsizetype at = 0; at + textsPerCard <= page.texts.size(); at += textsPerCard) {
            QString face;
            for (qsizetype i = at + headingLetters; i < at + textsPerCard; ++i) {
                const QString &t = page.texts[i].text;
                if (t == freeText)
                    continue;
                face += t;
                face += QChar(0x1f);
            }
            faces.append(face);
        }
    }
};

struct Job
{
    FakePrintService service;
    FakePrompts prompts;
    SequenceRandom random;
    QStringList cells;
    FaceLog log;

    Job(int side, int headingLetters)
    {
        log = {{}, headingLetters + side * side, headingLetters, QStringLiteral("Free Space")};
        service.keepPages = false;
        service.onPage = [this](const FakePrintService::Page &p) { log.take(p); };
    }
    PrintOutcome run(const PrintRequest &r)
    {
        PrintOutcome outcome = PrintOutcome::Refused;
        runCommand(prompts, [&] { outcome = printCards(r, cells, {service, prompts, random, nullptr}); });
        return outcome;
    }
};

// Gives the same picks for the first `repeats` arrangements of eight picks
// each, then goes on as a sequence.
class RepeatingRandom : public IRandomSource
{
public:
    explicit RepeatingRandom(int repeats) : m_repeats(repeats) {}
    std::uint32_t below(std::uint32_t m) override
    {
        ++picks;
        if (picks <= 8 * m_repeats)
            return 0;
        return m_inner.below(m);
    }
    int picks = 0;

private:
    int m_repeats;
    SequenceRandom m_inner;
};

} // namespace

class TestUniqueCards : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The counted texts in English, as the program installs them.
    void initTestCase() { installEnglishPlurals(*QCoreApplication::instance()); }

    void allCardsOfTheLargestJobDiffer()
    {
        Job job(5, 5);
        QCOMPARE(job.run(numbersRequest(QStringLiteral("99999"), QStringLiteral("4"))), PrintOutcome::Printed);
        QVERIFY(job.prompts.shown.isEmpty());
        QCOMPARE(job.service.pageCounts, QList<int>{25000});
        QCOMPARE(job.log.faces.size(), 100000);
        QCOMPARE(QSet<QString>(job.log.faces.cbegin(), job.log.faces.cend()).size(), 100000);
    }

    void exhaustibleListAsksFirst_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("no") << false;
        QTest::newRow("yes") << true;
    }
    void exhaustibleListAsksFirst()
    {
        QFETCH(bool, answer);
        Job job(3, 3);
        PrintRequest r = numbersRequest(QStringLiteral("50000"), QStringLiteral("4"));
        r.words = letters("abcdefgh");
        r.settings.sizeIndex = 0;
        job.prompts.answers.enqueue(answer);
        const PrintOutcome outcome = job.run(r);
        QCOMPARE(job.prompts.shown.size(), 1);
        QCOMPARE(job.prompts.shown[0].kind, FakePrompts::Kind::Question);
        QCOMPARE(job.prompts.shown[0].text,
                 QStringLiteral("These entries make only 40320 different cards. Print anyway, repeating some cards?"));
        if (!answer) {
            QCOMPARE(outcome, PrintOutcome::Refused);
            QCOMPARE(job.service.callCount(QStringLiteral("begin")), 0);
            QVERIFY(job.service.documents.isEmpty());
            QCOMPARE(job.random.picks, 0);
            return;
        }
        QCOMPARE(outcome, PrintOutcome::Printed);
        QCOMPARE(job.log.faces.size(), 50000);
        const QList<QString> first = job.log.faces.mid(0, 40320);
        QCOMPARE(QSet<QString>(first.cbegin(), first.cend()).size(), 40320);
        // After that every card repeats one of them.
        QCOMPARE(QSet<QString>(job.log.faces.cbegin(), job.log.faces.cend()).size(), 40320);
    }

    void jobWithinTheFacesIsNotAsked()
    {
        Job job(3, 3);
        PrintRequest r = numbersRequest(QStringLiteral("40320"), QStringLiteral("4"));
        r.words = letters("abcdefgh");
        r.settings.sizeIndex = 0;
        QCOMPARE(job.run(r), PrintOutcome::Printed);
        QVERIFY(job.prompts.shown.isEmpty());
        QCOMPARE(QSet<QString>(job.log.faces.cbegin(), job.log.faces.cend()).size(), 40320);
    }

    void equalEntriesAreCountedExactlyInTheQuestion()
    {
        // Seven "a" and one "b" on 3 x 3 with free space: eight faces, one
        // for each cell the "b" can take.
        Job job(3, 3);
        PrintRequest r = numbersRequest(QStringLiteral("9"), QStringLiteral("1"));
        r.words = letters("aaaaaaab");
        r.settings.sizeIndex = 0;
        job.prompts.answers.enqueue(false);
        job.run(r);
        QCOMPARE(job.prompts.texts(),
                 QStringList{
                     QStringLiteral("These entries make only 8 different cards. Print anyway, repeating some cards?")});
    }

    // Once every face is made the job repeats at once, instead of trying a
    // thousand arrangements for every further card.
    void usedUpFacesRepeatAtOnce()
    {
        const QStringList words = letters("aaaaaaab");
        CardSettings settings;
        settings.sizeIndex = 0;
        settings.freeSpace = true;
        SequenceRandom random;
        UniqueCards unique(words, settings, random, countFaces(words, 0, true));
        QStringList cells;
        QSet<QString> faces;
        for (int card = 0; card < 4000; ++card) {
            unique.arrange(cells, UniqueCards::Arrangement::ShownCells);
            faces.insert(cells.join(QLatin1Char(',')));
        }
        QCOMPARE(faces.size(), 8);
        QCOMPARE(unique.repeatsAllowed(), std::uint64_t(4000 - 8));
        QVERIFY2(unique.rearrangements() < UniqueCards::MinAttempts,
                 qPrintable(QString::number(unique.rearrangements())));
    }

    void lowerBoundJobWithinItIsNotAsked()
    {
        Job job(3, 3);
        PrintRequest r = numbersRequest(QStringLiteral("2000"), QStringLiteral("4"));
        r.words = letters("aabcdefgh");
        r.settings.sizeIndex = 0;
        QCOMPARE(job.run(r), PrintOutcome::Printed);
        QVERIFY(job.prompts.shown.isEmpty());
        QCOMPARE(QSet<QString>(job.log.faces.cbegin(), job.log.faces.cend()).size(), 2000);
    }

    void repeatedFaceIsArrangedAgain()
    {
        const QStringList words = letters("abcdefgh");
        CardSettings settings;
        settings.sizeIndex = 0;
        settings.freeSpace = true;
        RepeatingRandom random(3); // three arrangements alike
        UniqueCards unique(words, settings, random, countFaces(words, 0, true));
        QStringList first;
        QStringList second;
        unique.arrange(first);
        unique.arrange(second);
        QVERIFY(first != second);
        QCOMPARE(unique.rearrangements(), std::uint64_t(2));
        QCOMPARE(unique.repeatsAllowed(), std::uint64_t(0));
    }

    void repeatAllowedWhenNoNewFaceTurnsUp()
    {
        // One face only: the second card must repeat it, at once.
        const QStringList words = letters("abcdefgh");
        CardSettings settings;
        settings.sizeIndex = 0;
        settings.freeSpace = true;
        FirstPickRandom random;
        UniqueCards unique(words, settings, random, {1, true});
        QStringList cells;
        unique.arrange(cells);
        unique.arrange(cells);
        QCOMPARE(unique.repeatsAllowed(), std::uint64_t(1));
        QCOMPARE(unique.rearrangements(), std::uint64_t(0));

        // A count that is only a lower bound keeps trying, within the bound.
        FirstPickRandom again;
        UniqueCards bounded(words, settings, again, {1, false});
        bounded.arrange(cells);
        bounded.arrange(cells);
        QCOMPARE(bounded.repeatsAllowed(), std::uint64_t(1));
        QCOMPARE(bounded.rearrangements(), UniqueCards::MinAttempts);
    }

    // A card kept whole shows the face a card only printed would show from
    // the same draws, tries for a new face included: with the source seeded
    // afresh for every card, a job can be told again card by card.
    void keptCardShowsTheFaceOfItsShownCells()
    {
        // Nine faces: the "b" in one of the eight cells, or left out.
        const QStringList words = letters("aaaaaaaab");
        CardSettings settings;
        settings.sizeIndex = 0;
        settings.freeSpace = true;
        const FaceCount possible = countFaces(words, 0, true);
        QCOMPARE(possible.count, std::uint64_t(9));
        SequenceRandom forJob;
        SequenceRandom forReplay;
        UniqueCards job(words, settings, forJob, possible);
        UniqueCards replay(words, settings, forReplay, possible);
        QStringList kept;
        QStringList shown;
        for (int card = 0; card < 9; ++card) {
            forJob.reseed(1000 + card);
            forReplay.reseed(1000 + card);
            job.arrange(kept, UniqueCards::Arrangement::Full);
            replay.arrange(shown, UniqueCards::Arrangement::ShownCells);
            QCOMPARE(kept.size(), words.size());
            QCOMPARE(kept.mid(0, 8), shown);
            // The kept card's further draws come after its face: one pick
            // for the one entry left.
            QCOMPARE(forJob.picks, forReplay.picks + card + 1);
        }
        QVERIFY(job.rearrangements() > 0);
    }

    void cardCellsStillHoldTheLastCard()
    {
        Job job(5, 5);
        job.service.keepPages = true;
        job.run(numbersRequest(QStringLiteral("8"), QStringLiteral("4")));
        QCOMPARE(job.log.faces.size(), 8);
        QString expected;
        for (const QString &t : job.cells.mid(0, 24))
            expected += t + QChar(0x1f);
        QCOMPARE(job.log.faces.last(), expected);
    }
};

// An application, for the English catalogue of the counted texts.
QTEST_GUILESS_MAIN(TestUniqueCards)
#include "tst_uniquecards.moc"
