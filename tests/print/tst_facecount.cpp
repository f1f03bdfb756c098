#include "Fixtures.h"
#include "SequenceRandom.h"

#include "card/ArrangeCard.h"
#include "card/CardSettings.h"
#include "print/FaceCount.h"

#include <QSet>
#include <QTest>

#include <limits>
#include <vector>

namespace {

constexpr std::uint64_t Saturated = std::numeric_limits<std::uint64_t>::max();

// Walks every sequence of picks an arrangement can make, like an odometer.
class EnumeratingRandom : public IRandomSource
{
public:
    std::uint32_t below(std::uint32_t m) override
    {
        if (m_depth == m_choice.size()) {
            m_choice.push_back(0);
            m_range.push_back(m);
        }
        return m_choice[m_depth++];
    }
    // Moves to the next sequence; false when all are done.
    bool next()
    {
        m_choice.resize(m_depth);
        m_range.resize(m_depth);
        m_depth = 0;
        while (!m_choice.empty()) {
            if (++m_choice.back() < m_range.back())
                return true;
            m_choice.pop_back();
            m_range.pop_back();
        }
        return false;
    }

private:
    std::vector<std::uint32_t> m_choice;
    std::vector<std::uint32_t> m_range;
    std::size_t m_depth = 0;
};

QString shownFace(const QStringList &cells, int sizeIndex, bool freeSpace)
{
    const int side = cardSide(sizeIndex);
    const qsizetype shown = std::min<qsizetype>(side * side - (freeSpace ? 1 : 0), cells.size());
    return cells.mid(0, shown).join(QChar(0x1f));
}

std::uint64_t bruteForce(const QStringList &words, int sizeIndex, bool freeSpace)
{
    EnumeratingRandom random;
    QSet<QString> faces;
    QStringList cells;
    do {
        ArrangeCard(words, sizeIndex, freeSpace, cells, random);
        faces.insert(shownFace(cells, sizeIndex, freeSpace));
    } while (random.next());
    return std::uint64_t(faces.size());
}

} // namespace

class TestFaceCount : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matchesBruteForce_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<int>("sizeIndex");
        QTest::addColumn<bool>("freeSpace");
        // Equal entries are counted exactly too: a job must know when it
        // has made every face.
        for (int size = 0; size < 3; ++size)
            for (bool free : {false, true}) {
                const QByteArray tag = QByteArray::number(size) + (free ? " free" : "");
                QTest::newRow("5 distinct, size " + tag) << letters("abcde") << size << free;
                QTest::newRow("7 distinct, size " + tag) << letters("abcdefg") << size << free;
                QTest::newRow("6 with equals, size " + tag) << letters("xxxyyz") << size << free;
            }
        QTest::newRow("8 distinct on 3x3 free") << letters("abcdefgh") << 0 << true;
        QTest::newRow("8 distinct on 3x3") << letters("abcdefgh") << 0 << false;
        QTest::newRow("9 distinct on 3x3 free") << letters("abcdefghi") << 0 << true;
        QTest::newRow("8 with a pair on 3x3") << letters("aabcdefg") << 0 << false;
        QTest::newRow("9 with a pair on 3x3 free") << letters("aabcdefgh") << 0 << true;
        QTest::newRow("8 of three kinds on 3x3") << letters("aaabbbcc") << 0 << false;
        QTest::newRow("seven alike and one other on 3x3 free") << letters("aaaaaaab") << 0 << true;
    }
    void matchesBruteForce()
    {
        QFETCH(QStringList, words);
        QFETCH(int, sizeIndex);
        QFETCH(bool, freeSpace);
        const FaceCount counted = countFaces(words, sizeIndex, freeSpace);
        QVERIFY(counted.exact);
        QCOMPARE(counted.count, bruteForce(words, sizeIndex, freeSpace));
    }

    void eightDistinctOnThreeByThreeWithFreeSpace()
    {
        const FaceCount f = countFaces(letters("abcdefgh"), 0, true);
        QCOMPARE(f.count, std::uint64_t(40320));
        QVERIFY(f.exact);
    }

    void standardNumbers_data()
    {
        QTest::addColumn<int>("sizeIndex");
        QTest::addColumn<bool>("freeSpace");
        QTest::addColumn<quint64>("count");
        // Slot i draws from pool i mod 5; 15 numbers a pool; P(15, 2) = 210.
        QTest::newRow("3x3") << 0 << false << quint64(210ULL * 210 * 210 * 210 * 15);
        QTest::newRow("3x3 free") << 0 << true << quint64(210ULL * 210 * 210 * 210);
        QTest::newRow("5x5 free saturates") << 1 << true << quint64(Saturated);
        QTest::newRow("7x7 saturates") << 2 << false << quint64(Saturated);
    }
    void standardNumbers()
    {
        QFETCH(int, sizeIndex);
        QFETCH(bool, freeSpace);
        QFETCH(quint64, count);
        const FaceCount f = countFaces(numberEntries(1, 75), sizeIndex, freeSpace);
        QCOMPARE(quint64(f.count), count);
        QVERIFY(f.exact);
    }

    void standardCellsDrawFromTheCountedPools_data()
    {
        QTest::addColumn<int>("sizeIndex");
        QTest::addColumn<bool>("freeSpace");
        for (int size = 0; size < 3; ++size)
            for (bool free : {false, true})
                QTest::newRow(QByteArray::number(size) + (free ? " free" : "")) << size << free;
    }
    void standardCellsDrawFromTheCountedPools()
    {
        // The count assumes shown cell j holds the pick of slot j, or j + 1
        // past the centre when the free space drops the centre's pick.
        QFETCH(int, sizeIndex);
        QFETCH(bool, freeSpace);
        const int side = cardSide(sizeIndex);
        const int centre = side * side / 2;
        const int shown = side * side - (freeSpace ? 1 : 0);
        SequenceRandom random;
        QStringList cells;
        for (int n = 0; n < 200; ++n) {
            ArrangeCard(numberEntries(1, 75), sizeIndex, freeSpace, cells, random);
            QSet<QString> seen;
            for (int j = 0; j < shown; ++j) {
                const int slot = freeSpace && j >= centre ? j + 1 : j;
                const int pool = (cells[j].toInt() - 1) / 15;
                QCOMPARE(pool, slot % 5);
                QVERIFY(!seen.contains(cells[j]));
                seen.insert(cells[j]);
            }
        }
    }

    void standardListWithAnEqualPair()
    {
        // "1" twice and no 75: the first pool gives two of sixteen, the pair
        // itself once; the last pool has fourteen, so filling stops at slot
        // 70, past every shown cell.
        QStringList words = numberEntries(1, 75);
        words[74] = QStringLiteral("1");
        QVERIFY(isStandardNumberList(words));
        const FaceCount f = countFaces(words, 0, true);
        QVERIFY(f.exact);
        QCOMPARE(f.count, std::uint64_t((15ULL * 14 + 1) * 210 * 210 * 210));
    }

    void standardListStoppingShortIsALowerBound()
    {
        // No number from 61 to 75: filling stops before the first slot, and
        // the card shows whatever its cells held.
        QStringList words = numberEntries(1, 60) + numberEntries(1, 15);
        QVERIFY(isStandardNumberList(words));
        QVERIFY(!countFaces(words, 1, true).exact);
    }

    void saturatesInsteadOfOverflowing()
    {
        QCOMPARE(orderedSelections(100, 49), Saturated);
        QCOMPARE(orderedSelections(20, 20), std::uint64_t(2432902008176640000ULL));
        QCOMPARE(orderedSelections(21, 21), Saturated);
        QCOMPARE(orderedSelections(3, 4), std::uint64_t(0));
        QCOMPARE(orderedSelections(5, 0), std::uint64_t(1));
        QStringList many;
        for (int i = 0; i < 500; ++i)
            many.append(QStringLiteral("w%1").arg(i));
        QCOMPARE(countFaces(many, 2, false).count, Saturated);
        many[1] = many[0];
        QCOMPARE(countFaces(many, 2, false).count, Saturated);
    }

    void emptyListHasOneFace() { QCOMPARE(countFaces({}, 1, true).count, std::uint64_t(1)); }
};

QTEST_APPLESS_MAIN(TestFaceCount)
#include "tst_facecount.moc"
