#include "Fixtures.h"
#include "SequenceRandom.h"
#include "card/ArrangeCard.h"
#include "card/PickPool.h"

#include <QSet>
#include <QTest>

namespace {

// The texts a card shows, cell by cell in reading order; the free centre shows "*".
QStringList shownCells(const QStringList &cells, int side, bool freeSpace)
{
    QStringList shown;
    qsizetype next = 0;
    for (int k = 0; k < side * side; ++k) {
        if (freeSpace && k == (side * side) / 2)
            shown.append(QStringLiteral("*"));
        else if (next < cells.size())
            shown.append(cells[next++]);
        else
            shown.append(QStringLiteral(" "));
    }
    return shown;
}

} // namespace

class TestArrangeCard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void standardColumns_data()
    {
        QTest::addColumn<bool>("freeSpace");
        QTest::newRow("free space") << true;
        QTest::newRow("no free space") << false;
    }
    void standardColumns()
    {
        QFETCH(bool, freeSpace);
        const QStringList words = numberEntries(1, 75);
        SequenceRandom random(7);
        QSet<QString> seenCards;
        for (int round = 0; round < 100; ++round) {
            QStringList cells;
            ArrangeCard(words, 1, freeSpace, cells, random);
            QCOMPARE(cells.size(), 75);
            const QStringList shown = shownCells(cells, 5, freeSpace);
            QSet<int> numbers;
            for (int k = 0; k < 25; ++k) {
                if (freeSpace && k == 12) {
                    QCOMPARE(shown[k], QStringLiteral("*"));
                    continue;
                }
                const int value = shown[k].toInt();
                const int column = k % 5;
                QVERIFY2(value >= column * 15 + 1 && value <= column * 15 + 15,
                         qPrintable(QStringLiteral("%1 in column %2").arg(value).arg(column)));
                QVERIFY2(!numbers.contains(value), "a number stands twice on one card");
                numbers.insert(value);
            }
            QCOMPARE(numbers.size(), freeSpace ? 24 : 25);
            seenCards.insert(shown.join(QLatin1Char(',')));
        }
        QVERIFY(seenCards.size() > 95); // arranged afresh every time
    }

    void standardFreeSpaceShiftKeepsLastSlot()
    {
        // Picks in list order make the shift visible: the centre's pick is
        // dropped and the last slot stands twice.
        FirstPickRandom first;
        QStringList plain;
        QStringList shifted;
        ArrangeCard(numberEntries(1, 75), 1, false, plain, first);
        ArrangeCard(numberEntries(1, 75), 1, true, shifted, first);
        QCOMPARE(plain.mid(0, 5), QStringList({"1", "16", "31", "46", "61"}));
        QCOMPARE(shifted.mid(0, 12), plain.mid(0, 12));
        QCOMPARE(shifted.mid(12, 62), plain.mid(13, 62));
        QCOMPARE(shifted[74], plain[74]);
        QCOMPARE(shifted[73], plain[74]);
    }

    void modeChoice_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<bool>("standard");
        QStringList trailingBlank = numberEntries(1, 75);
        trailingBlank[10] = QStringLiteral("11 ");
        QStringList leadingBlank = numberEntries(1, 75);
        leadingBlank[10] = QStringLiteral(" 11");
        QStringList letters = numberEntries(1, 75);
        letters[3] = QStringLiteral("four");
        QStringList zero = numberEntries(1, 75);
        zero[0] = QStringLiteral("0");
        QStringList over = numberEntries(1, 75);
        over[74] = QStringLiteral("76");
        QStringList hex = numberEntries(1, 75);
        hex[9] = QStringLiteral("$A");
        QTest::newRow("1 to 75") << numberEntries(1, 75) << true;
        QTest::newRow("74 numbers") << numberEntries(1, 74) << false;
        QTest::newRow("76 numbers") << numberEntries(1, 76) << false;
        QTest::newRow("trailing blank") << trailingBlank << false;
        QTest::newRow("leading blank counts") << leadingBlank << true;
        QTest::newRow("letters") << letters << false;
        QTest::newRow("zero") << zero << false;
        QTest::newRow("76") << over << false;
        QTest::newRow("hexadecimal counts") << hex << true;
    }
    void modeChoice()
    {
        QFETCH(QStringList, words);
        QFETCH(bool, standard);
        QCOMPARE(isStandardNumberList(words), standard);
        // Always picking the first entry: a shuffle keeps list order, the
        // column rule does not.
        FirstPickRandom first;
        QStringList cells;
        ArrangeCard(words, 1, false, cells, first);
        QCOMPARE(cells == words, !standard);
    }

    void duplicateStopsFillingEarly_data()
    {
        QTest::addColumn<int>("missing");
        QTest::addColumn<int>("written");
        // The pool missing a number holds 14; filling stops at the check after its last pick.
        QTest::newRow("pool 0") << 3 << 66;
        QTest::newRow("pool 1") << 20 << 67;
        QTest::newRow("pool 2") << 40 << 68;
        QTest::newRow("pool 3") << 50 << 69;
        QTest::newRow("pool 4") << 70 << 70;
    }
    void duplicateStopsFillingEarly()
    {
        QFETCH(int, missing);
        QFETCH(int, written);
        QStringList words = numberEntries(1, 75);
        // The missing number's place taken by a number of another range.
        words[missing - 1] = missing <= 15 ? QStringLiteral("30") : QStringLiteral("5");
        QVERIFY(isStandardNumberList(words));
        QStringList cells;
        for (int i = 0; i < 75; ++i)
            cells.append(QStringLiteral("old%1").arg(i));
        SequenceRandom random(3);
        ArrangeCard(words, 1, false, cells, random);
        QCOMPARE(random.picks, written);
        for (int i = 0; i < written; ++i)
            QVERIFY(!cells[i].startsWith(QLatin1String("old")));
        for (int i = written; i < 75; ++i)
            QCOMPARE(cells[i], QStringLiteral("old%1").arg(i));
    }

    void shuffleIsPermutation_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("empty") << 0;
        QTest::newRow("one") << 1;
        QTest::newRow("ten") << 10;
        QTest::newRow("hundred") << 100;
        QTest::newRow("many") << 5000;
    }
    void shuffleIsPermutation()
    {
        QFETCH(int, count);
        QStringList words;
        for (int i = 0; i < count; ++i)
            words.append(QStringLiteral("w%1").arg(i));
        QStringList cells;
        SequenceRandom random(11);
        ArrangeCard(words, 2, true, cells, random);
        QCOMPARE(cells.size(), count);
        QStringList sortedCells = cells;
        QStringList sortedWords = words;
        sortedCells.sort();
        sortedWords.sort();
        QCOMPARE(sortedCells, sortedWords);
        if (count >= 100)
            QVERIFY(cells != words);
    }

    void smallCardFromLargeListVaries()
    {
        QStringList words;
        for (int i = 0; i < 100; ++i)
            words.append(QStringLiteral("w%1").arg(i));
        SequenceRandom random(5);
        QSet<QString> faces;
        for (int round = 0; round < 20; ++round) {
            QStringList cells;
            ArrangeCard(words, 0, false, cells, random);
            const QStringList shown = shownCells(cells, 3, false);
            QCOMPARE(QSet<QString>(shown.begin(), shown.end()).size(), 9);
            faces.insert(shown.join(QLatin1Char(',')));
        }
        QCOMPARE(faces.size(), 20);
    }

    void cellsTakeTheListLength_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("words");
        QTest::newRow("grow from empty") << 0 << 10;
        QTest::newRow("shrink") << 30 << 4;
        QTest::newRow("to empty") << 12 << 0;
    }
    void cellsTakeTheListLength()
    {
        QFETCH(int, before);
        QFETCH(int, words);
        QStringList cells;
        for (int i = 0; i < before; ++i)
            cells.append(QStringLiteral("x"));
        QStringList list;
        for (int i = 0; i < words; ++i)
            list.append(QStringLiteral("e%1").arg(i));
        SequenceRandom random;
        ArrangeCard(list, 1, true, cells, random);
        QCOMPARE(cells.size(), words);
    }

    // The tree must take exactly what erasing from a list would, for any draws.
    void pickPoolMatchesListRemoval()
    {
        SequenceRandom random(99);
        for (int size : {1, 2, 3, 7, 64, 1000}) {
            std::vector<int> list(size);
            for (int i = 0; i < size; ++i)
                list[i] = i;
            PickPool pool(size);
            FewPicks few(size);
            while (!list.empty()) {
                const auto r = random.below(static_cast<std::uint32_t>(list.size()));
                QCOMPARE(pool.remaining(), qsizetype(list.size()));
                QCOMPARE(few.remaining(), qsizetype(list.size()));
                QCOMPARE(pool.take(r), qsizetype(list[r]));
                QCOMPARE(few.take(r), qsizetype(list[r]));
                list.erase(list.begin() + r);
            }
            QCOMPARE(pool.remaining(), qsizetype(0));
        }
    }

    // A print job draws only the shown cells; from the same random state they
    // must be the cells the full arrangement shows, by a prefix of its draws,
    // and completing them must give the full arrangement itself.
    void shownCellsAreTheFullArrangementsFaces_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<int>("sizeIndex");
        QTest::addColumn<bool>("freeSpace");
        QTest::addColumn<int>("draws");
        QStringList many;
        for (int i = 0; i < 100000; ++i)
            many.append(QStringLiteral("w%1").arg(i));
        QStringList repeated = letters("aaaaaaab");
        QTest::newRow("100,000 entries, 5 x 5 free") << many << 1 << true << 24;
        QTest::newRow("100 entries, 3 x 3") << many.mid(0, 100) << 0 << false << 9;
        QTest::newRow("fewer entries than cells") << many.mid(0, 10) << 1 << true << 10;
        QTest::newRow("equal entries, 7 x 7") << (repeated + many.mid(0, 50)) << 2 << true << 48;
        // The column rule is the full arrangement: it stops once the first
        // pool runs dry, after 71 draws.
        QTest::newRow("column rule, free") << numberEntries(1, 75) << 1 << true << 71;
        QTest::newRow("column rule, 7 x 7") << numberEntries(1, 75) << 2 << false << 71;
    }
    void shownCellsAreTheFullArrangementsFaces()
    {
        QFETCH(QStringList, words);
        QFETCH(int, sizeIndex);
        QFETCH(bool, freeSpace);
        QFETCH(int, draws);
        const int side = sizeIndex == 0 ? 3 : sizeIndex == 1 ? 5 : 7;
        for (std::uint64_t seed : {1u, 2u, 3u}) {
            SequenceRandom forFull(seed);
            SequenceRandom forShown(seed);
            QStringList full;
            QStringList shown;
            std::vector<qsizetype> positions;
            ArrangeCard(words, sizeIndex, freeSpace, full, forFull);
            ArrangeShownCells(words, sizeIndex, freeSpace, shown, forShown, &positions);
            QCOMPARE(shownCells(shown, side, freeSpace), shownCells(full, side, freeSpace));
            QCOMPARE(forShown.picks, draws);
            // Completed, they are the whole arrangement, by the same draws.
            CompleteArrangement(words, positions, shown, forShown);
            QCOMPARE(shown, full);
            QCOMPARE(forShown.picks, forFull.picks);
        }
    }

    void clockSourceStaysInRange()
    {
        ClockRandomSource source;
        QSet<std::uint32_t> seen;
        for (int i = 0; i < 2000; ++i) {
            const auto r = source.below(7);
            QVERIFY(r < 7);
            seen.insert(r);
        }
        QCOMPARE(seen.size(), 7);
        QCOMPARE(source.below(1), 0u);
        // Back-to-back picks read the same clock tick but must still differ.
        QSet<std::uint32_t> burst;
        for (int i = 0; i < 64; ++i)
            burst.insert(source.below(1u << 31));
        QVERIFY(burst.size() > 60);
    }
};

QTEST_APPLESS_MAIN(TestArrangeCard)
#include "tst_arrangecard.moc"
