#include "card/CardKind.h"
#include "card/CardSettings.h"
#include "card/KindPrizes.h"

#include <QTest>

namespace {

// A ticket's cells from three rows drawn as text: '#' holds a called number,
// 'o' an uncalled one, '.' a blank.
struct Marks
{
    std::uint64_t holding = 0;
    std::uint64_t called = 0;
};

Marks marksOf(const QStringList &rows)
{
    Marks m;
    int k = 0;
    for (const QString &row : rows)
        for (QChar c : row) {
            if (c != QLatin1Char('.'))
                m.holding |= std::uint64_t{1} << k;
            if (c == QLatin1Char('#'))
                m.called |= std::uint64_t{1} << k;
            ++k;
        }
    return m;
}

Prize prizeNamed(const PrizeStages &prizes, const QString &name)
{
    for (const Prize &p : prizes)
        if (p.name == name)
            return p;
    qFatal("no prize %s", qPrintable(name));
}

} // namespace

class TestCardKind : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void storedKind_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<CardKind>("kind");
        QTest::newRow("0") << 0 << CardKind::WordCards;
        QTest::newRow("1") << 1 << CardKind::Tickets90;
        QTest::newRow("2, from a newer hand") << 2 << CardKind::WordCards;
        QTest::newRow("-1") << -1 << CardKind::WordCards;
    }
    void storedKind()
    {
        QFETCH(int, stored);
        QFETCH(CardKind, kind);
        QCOMPARE(cardKindFromStored(stored), kind);
        QCOMPARE(cardKindFromStored(storedCardKind(kind)), kind);
    }

    void shapes_data()
    {
        QTest::addColumn<CardKind>("kind");
        QTest::addColumn<int>("sizeIndex");
        QTest::addColumn<bool>("freeSpace");
        QTest::addColumn<bool>("heading");
        QTest::addColumn<QList<int>>("expected"); // columns, body rows, heading rows, free cell, blank cells
        QTest::newRow("5 x 5, free space, heading")
            << CardKind::WordCards << 1 << true << true << QList<int>{5, 5, 1, 12, 0};
        QTest::newRow("3 x 3 bare") << CardKind::WordCards << 0 << false << false << QList<int>{3, 3, 0, -1, 0};
        QTest::newRow("7 x 7 free") << CardKind::WordCards << 2 << true << false << QList<int>{7, 7, 0, 24, 0};
        QTest::newRow("ticket, whatever the options")
            << CardKind::Tickets90 << 2 << true << true << QList<int>{9, 3, 0, -1, 1};
    }
    void shapes()
    {
        QFETCH(CardKind, kind);
        QFETCH(int, sizeIndex);
        QFETCH(bool, freeSpace);
        QFETCH(bool, heading);
        QFETCH(QList<int>, expected);
        CardSettings s;
        s.kind = kind;
        s.sizeIndex = sizeIndex;
        s.freeSpace = freeSpace;
        s.heading = heading;
        const CardShape shape = cardShape(s);
        QCOMPARE((QList<int>{shape.columns, shape.bodyRows, shape.headingRows, shape.freeCell, int(shape.blankCells)}),
                 expected);
    }

    void cardsPerPage_data()
    {
        QTest::addColumn<CardKind>("kind");
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("laidOut");
        QTest::newRow("cards 1") << CardKind::WordCards << 1 << 1;
        QTest::newRow("cards 2") << CardKind::WordCards << 2 << 2;
        QTest::newRow("cards 3") << CardKind::WordCards << 3 << 4;
        QTest::newRow("cards 6") << CardKind::WordCards << 6 << 4;
        QTest::newRow("tickets 6") << CardKind::Tickets90 << 6 << 6;
        QTest::newRow("tickets 12") << CardKind::Tickets90 << 12 << 12;
        QTest::newRow("tickets 1") << CardKind::Tickets90 << 1 << 6;
    }
    void cardsPerPage()
    {
        QFETCH(CardKind, kind);
        QFETCH(int, asked);
        QFETCH(int, laidOut);
        QCOMPARE(layoutCardsPerPage(kind, asked), laidOut);
    }

    void ticketEntriesIgnoreTheList()
    {
        const QStringList list{QStringLiteral("cat"), QStringLiteral("dog")};
        QCOMPARE(cardEntries(CardKind::WordCards, list), list);
        const QStringList numbers = cardEntries(CardKind::Tickets90, list);
        QCOMPARE(numbers.size(), 90);
        QCOMPARE(numbers.first(), QStringLiteral("1"));
        QCOMPARE(numbers.last(), QStringLiteral("90"));
    }

    void ticketPrizes_data()
    {
        QTest::addColumn<QString>("prize");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<bool>("won");
        const QStringList oneRow{"#.#.#.##.", "o.o.o..oo", ".oo.oo.o."};
        const QStringList twoRows{"#.#.#.##.", "#.#.#..##", ".oo.oo.o."};
        const QStringList full{"#.#.#.##.", "#.#.#..##", ".##.##.#."};
        const QStringList five{"#.o.#.o#.", "o.o.#..o#", ".oo.o#.o."};
        const QStringList corners{"#.o.o.o#.", "o.o.o..oo", ".#o.oo.#."};
        const QStringList cornersShort{"#.o.o.o#.", "o.o.o..oo", ".#o.oo.o."};
        QTest::newRow("one line") << "One Line" << oneRow << true;
        QTest::newRow("one line, not yet") << "One Line" << five << false;
        QTest::newRow("two lines, one only") << "Two Lines" << oneRow << false;
        QTest::newRow("two lines") << "Two Lines" << twoRows << true;
        QTest::newRow("full house, not yet") << "Full House" << twoRows << false;
        QTest::newRow("full house") << "Full House" << full << true;
        QTest::newRow("early five") << "Early Five" << five << true;
        QTest::newRow("early five, four") << "Early Five" << cornersShort << false;
        QTest::newRow("top line") << "Top Line" << oneRow << true;
        QTest::newRow("middle line, not yet") << "Middle Line" << oneRow << false;
        QTest::newRow("middle line") << "Middle Line" << twoRows << true;
        QTest::newRow("bottom line") << "Bottom Line" << full << true;
        QTest::newRow("corners") << "Corners" << corners << true;
        QTest::newRow("corners, last of the bottom row uncalled") << "Corners" << cornersShort << false;
    }
    void ticketPrizes()
    {
        QFETCH(QString, prize);
        QFETCH(QStringList, rows);
        QFETCH(bool, won);
        const Marks m = marksOf(rows);
        QCOMPARE(prizeNamed(::ticketPrizes(), prize).wonBy(m.called, m.holding), won);
        // A stage kept in a file plays the same prize.
        const std::optional<Prize> kept = parsePrizeLine(prizeLine(prizeNamed(::ticketPrizes(), prize)));
        QVERIFY(kept);
        QCOMPARE(kept->wonBy(m.called, m.holding), won);
    }

    void cardPrizes_data()
    {
        QTest::addColumn<QString>("prize");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<bool>("won");
        QTest::newRow("a column") << "Any Line" << QStringList{"o#ooo", "o#ooo", "o#ooo", "o#ooo", "o#ooo"} << true;
        QTest::newRow("a diagonal through the free centre")
            << "Any Line" << QStringList{"#oooo", "o#ooo", "oo.oo", "ooo#o", "oooo#"} << true;
        QTest::newRow("no line") << "Any Line" << QStringList{"#ooo#", "o#ooo", "oo.oo", "ooo#o", "#oooo"} << false;
        QTest::newRow("four corners") << "Four Corners" << QStringList{"#ooo#", "ooooo", "oo.oo", "ooooo", "#ooo#"}
                                      << true;
        QTest::newRow("full card, one short")
            << "Full Card" << QStringList{"#####", "#####", "##.##", "#####", "####o"} << false;
    }
    // Square cards, 5 x 5 with the free centre: '.' marks it here.
    void cardPrizes()
    {
        QFETCH(QString, prize);
        QFETCH(QStringList, rows);
        QFETCH(bool, won);
        CardSettings s;
        const Marks m = marksOf(rows);
        const std::uint64_t freeCentre = std::uint64_t{1} << cardShape(s).freeCell;
        QCOMPARE(prizeNamed(squarePrizes(5), prize).wonBy(m.called | freeCentre), won);
    }
};

QTEST_GUILESS_MAIN(TestCardKind)
#include "tst_cardkind.moc"
