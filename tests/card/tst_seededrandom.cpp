// The numbered games' generator: its output is part of every recorded game,
// so it is pinned to the published algorithms, and its draws must be fair.
#include "card/SecureSeed.h"
#include "card/SeededRandom.h"

#include <QTest>

#include <cmath>
#include <vector>

class TestSeededRandom : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mixIsSplitMix64()
    {
        // SplitMix64's published first outputs from the state 1234567.
        const std::uint64_t expected[] = {6457827717110365317ULL, 3203168211198807973ULL, 9817491932198370423ULL,
                                          4593380528125082431ULL, 16408922859458223821ULL};
        std::uint64_t state = 1234567;
        for (std::uint64_t e : expected) {
            state += 0x9E3779B97F4A7C15ULL;
            QCOMPARE(SeededRandomSource::mix64(state), e);
        }
    }

    void streamIsXoshiro256StarStarFromThoseFourWords()
    {
        // xoshiro256** from the state {6457827717110365317, 3203168211198807973,
        // 9817491932198370423, 4593380528125082431}, by the reference algorithm.
        SeededRandomSource random(1234567);
        QCOMPARE(random.next(), 3504822795582309479ULL);
        QCOMPARE(random.next(), 1819558768956484042ULL);
        QCOMPARE(random.next(), 1250851346055027673ULL);
    }

    void cardStreamsAreTheirOwn()
    {
        SeededRandomSource a;
        SeededRandomSource b;
        a.reseedForCard(42, 7);
        b.reseedForCard(42, 7);
        const std::uint64_t first = a.next();
        QCOMPARE(b.next(), first);
        b.reseedForCard(42, 8);
        QVERIFY(b.next() != first);
        b.reseedForCard(43, 7);
        QVERIFY(b.next() != first);
    }

    void belowIsUniform_data()
    {
        QTest::addColumn<quint32>("m");
        QTest::newRow("1") << 1U;
        QTest::newRow("2") << 2U;
        QTest::newRow("15") << 15U;
        QTest::newRow("75") << 75U;
        // Two thirds of the range: multiply-shift without its rejection step
        // would give every even result twice the odd ones' chance.
        QTest::newRow("2^32*2/3") << 2863311531U;
    }
    void belowIsUniform()
    {
        QFETCH(quint32, m);
        SeededRandomSource random(2024);
        constexpr int Draws = 300000;
        // Small ranges: every value; the large one: even and odd results.
        const bool small = m <= 75;
        const std::uint32_t buckets = small ? m : 2;
        std::vector<double> counts(buckets, 0);
        for (int i = 0; i < Draws; ++i) {
            const std::uint32_t r = random.below(m);
            QVERIFY(r < m);
            counts[small ? r : r % 2] += 1;
        }
        double chi2 = 0;
        const double expected = double(Draws) / buckets;
        for (double c : counts)
            chi2 += (c - expected) * (c - expected) / expected;
        // Far beyond the 99.9th percentile for these degrees of freedom.
        QVERIFY2(chi2 < 3 * buckets + 30, qPrintable(QString::number(chi2)));
    }

    void secureSeedsDiffer() { QVERIFY(secureSeed() != secureSeed()); }
};

QTEST_APPLESS_MAIN(TestSeededRandom)
#include "tst_seededrandom.moc"
