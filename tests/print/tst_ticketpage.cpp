#include "print/NumberLine.h"
#include "print/PageLayout.h"

#include <QTest>

class TestTicketPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stripsFitThePage_data()
    {
        QTest::addColumn<int>("perPage");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("offset");
        QTest::newRow("one strip, A4 portrait at 600 dpi") << 6 << 4760 << 6814 << 50;
        QTest::newRow("two strips, A4 portrait") << 12 << 4760 << 6814 << 50;
        QTest::newRow("one strip, letter landscape") << 6 << 6400 << 4900 << 75;
        QTest::newRow("two strips, letter landscape") << 12 << 6400 << 4900 << 75;
        QTest::newRow("two strips, a narrow page") << 12 << 2000 << 9000 << 0;
    }
    // Every ticket inside the margins, none touching another, a strip down
    // each column in ticket order, and room beneath each for its number line.
    void stripsFitThePage()
    {
        QFETCH(int, perPage);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, offset);
        const PageGeometry page = pageGeometry({offset, offset, width, height}, 4);
        const CardPageLayout layout = layoutKindPage(CardKind::Tickets90, perPage, page, 9, 3);
        QCOMPARE(int(layout.slots.size()), perPage);
        const int s = layout.cellSide;
        QVERIFY(s > 0);
        for (std::size_t i = 0; i < layout.slots.size(); ++i) {
            const CardSlot &t = layout.slots[i];
            QVERIFY(t.x >= page.marginX && t.x + 9 * s + page.pen <= width - page.marginX);
            QVERIFY(t.y >= page.marginY && t.y + 3 * s + page.pen <= height - page.marginY);
            if (i % 6 != 0) {
                const CardSlot &above = layout.slots[i - 1];
                QCOMPARE(t.x, above.x);
                QVERIFY(t.y - (above.y + 3 * s) >= 3 * s / 4);
            }
        }
        if (perPage == 12)
            QVERIFY(layout.slots[6].x >= layout.slots[0].x + 10 * s);

        // An 8-point line at 600 dpi, as wide as a third of a ticket.
        const int lineHeight = 8 * 600 / 72 * 115 / 100;
        const auto places = numberLinePlaces(page, layout, 9, 3, 3 * s, lineHeight);
        const bool roomBetween = 3 * s / 4 >= lineHeight + 2 * numberLineGap(lineHeight, page.pen);
        for (std::size_t i = 0; i < places.size(); ++i)
            if (roomBetween && i % 6 != 5)
                QVERIFY2(places[i].box.top > layout.slots[i].y + 3 * s, qPrintable(QString::number(i)));
    }

    void wordCardPagesAreAsBefore_data()
    {
        QTest::addColumn<int>("perPage");
        QTest::newRow("1") << 1;
        QTest::newRow("2") << 2;
        QTest::newRow("4") << 4;
        QTest::newRow("3 is 4") << 3;
    }
    void wordCardPagesAreAsBefore()
    {
        QFETCH(int, perPage);
        const PageGeometry page = pageGeometry({50, 50, 4760, 6814}, 4);
        const CardPageLayout before = layoutCardPage(perPage, page, 5, 6);
        const CardPageLayout now = layoutKindPage(CardKind::WordCards, perPage, page, 5, 6);
        QCOMPARE(now.cellSide, before.cellSide);
        QVERIFY(now.slots == before.slots);
    }
};

QTEST_APPLESS_MAIN(TestTicketPage)
#include "tst_ticketpage.moc"
