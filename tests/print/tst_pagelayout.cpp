#include "print/EntryCheck.h"
#include "print/PageLayout.h"

#include <QTest>

Q_DECLARE_METATYPE(std::vector<CardSlot>)

namespace {

// 4800 x 6300 printable pixels, physical offsets 150: margins 450.
PageGeometry workedPage()
{
    return pageGeometry({150, 150, 4800, 6300}, 1);
}

} // namespace

class TestPageLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void marginsAreThreeOffsets()
    {
        const PageGeometry g = pageGeometry({150, 90, 4800, 6300}, 2);
        QCOMPARE(g.marginX, 450);
        QCOMPARE(g.marginY, 270);
        QCOMPARE(g.width, 4800);
        QCOMPARE(g.height, 6300);
        QCOMPARE(g.pen, 2);
    }

    void workedExample_data()
    {
        QTest::addColumn<int>("perPage");
        QTest::addColumn<int>("side");
        QTest::addColumn<std::vector<CardSlot>>("slots");
        QTest::newRow("1 per page") << 1 << 779 << std::vector<CardSlot>{{452, 813}};
        QTest::newRow("2 per page") << 2 << 415 << std::vector<CardSlot>{{1362, 450}, {1362, 3359}};
        QTest::newRow("4 per page") << 4 << 354
                                    << std::vector<CardSlot>{{450, 450}, {2579, 450}, {450, 3725}, {2579, 3725}};
    }
    void workedExample()
    {
        QFETCH(int, perPage);
        QFETCH(int, side);
        QFETCH(std::vector<CardSlot>, slots);
        const CardPageLayout layout = layoutCardPage(perPage, workedPage(), 5, 6);
        QCOMPARE(layout.cellSide, side);
        QVERIFY(layout.slots == slots);
    }

    void fourPerPageOuterCardsEndOnePenInsideTheMargins()
    {
        const PageGeometry page = workedPage();
        const CardPageLayout layout = layoutCardPage(4, page, 5, 6);
        const CardSlot bottomRight = layout.slots.back();
        QCOMPARE(bottomRight.x + 5 * layout.cellSide + page.pen, page.width - page.marginX);
        QCOMPARE(bottomRight.y + 6 * layout.cellSide + page.pen, page.height - page.marginY);
    }

    void landscapeOnePerPageReachesIntoBothMarginsAlike()
    {
        // Sized from the height less its margins: the heading row makes the
        // card taller than that.
        const PageGeometry page = pageGeometry({150, 150, 6300, 4800}, 1);
        const CardPageLayout layout = layoutCardPage(1, page, 5, 6);
        QCOMPARE(layout.cellSide, (4800 - 900 - 1) / 5);
        const CardSlot slot = layout.slots.front();
        const int cardHeight = 6 * layout.cellSide;
        QVERIFY(cardHeight > page.height - 2 * page.marginY);
        QVERIFY(slot.y < page.marginY);
        QCOMPARE(slot.y, page.height - (slot.y + cardHeight));
        QCOMPARE(slot.x, (6300 - 5 * layout.cellSide) / 2);
    }

    void twoPerPageIgnoresTheHorizontalMarginForPosition()
    {
        const CardPageLayout a = layoutCardPage(2, pageGeometry({10, 150, 4800, 6300}, 1), 5, 6);
        const CardPageLayout b = layoutCardPage(2, pageGeometry({100, 150, 4800, 6300}, 1), 5, 6);
        QCOMPARE(a.cellSide, b.cellSide);
        QCOMPARE(a.slots.front().x, (4800 - 5 * a.cellSide) / 2);
        QVERIFY(a.slots == b.slots);
    }

    void tooSmallPageGivesNoCellSide_data()
    {
        QTest::addColumn<int>("perPage");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("margins eat the page, 1") << 1 << 900 << 4800 << 6300;
        QTest::newRow("margins eat the page, 2") << 2 << 900 << 4800 << 6300;
        QTest::newRow("margins eat the page, 4") << 4 << 900 << 4800 << 6300;
        QTest::newRow("tiny page, 4") << 4 << 0 << 10 << 10;
        QTest::newRow("empty page, 1") << 1 << 0 << 0 << 0;
    }
    void tooSmallPageGivesNoCellSide()
    {
        QFETCH(int, perPage);
        QFETCH(int, offset);
        QFETCH(int, width);
        QFETCH(int, height);
        const CardPageLayout layout = layoutCardPage(perPage, pageGeometry({offset, offset, width, height}, 1), 5, 6);
        QVERIFY(layout.cellSide <= 0);
    }

    void pages_data()
    {
        QTest::addColumn<int>("cards");
        QTest::addColumn<int>("perPage");
        QTest::addColumn<int>("pages");
        QTest::newRow("1 at 1") << 1 << 1 << 1;
        QTest::newRow("5 at 4") << 5 << 4 << 2;
        QTest::newRow("5 at 2") << 5 << 2 << 3;
        QTest::newRow("3 at 2") << 3 << 2 << 2;
        QTest::newRow("4 at 4") << 4 << 4 << 1;
        QTest::newRow("8 at 4") << 8 << 4 << 2;
        QTest::newRow("99999 at 4") << 99999 << 4 << 25000;
        QTest::newRow("0") << 0 << 4 << 0;
        QTest::newRow("negative") << -5 << 4 << 0;
    }
    void pages()
    {
        QFETCH(int, cards);
        QFETCH(int, perPage);
        QFETCH(int, pages);
        QCOMPARE(pageCount(cards, perPage), pages);
    }

    void cardsPerPageOutsideTheListLayOutFour()
    {
        QCOMPARE(layoutCardsPerPage(1), 1);
        QCOMPARE(layoutCardsPerPage(2), 2);
        QCOMPARE(layoutCardsPerPage(4), 4);
        QCOMPARE(layoutCardsPerPage(0), 4);
        QCOMPARE(layoutCardsPerPage(3), 4);
    }

    void requiredEntries_data()
    {
        QTest::addColumn<int>("sizeIndex");
        QTest::addColumn<bool>("freeSpace");
        QTest::addColumn<int>("required");
        QTest::newRow("3x3") << 0 << false << 9;
        QTest::newRow("3x3 free") << 0 << true << 8;
        QTest::newRow("5x5") << 1 << false << 25;
        QTest::newRow("5x5 free") << 1 << true << 24;
        QTest::newRow("7x7") << 2 << false << 49;
        QTest::newRow("7x7 free") << 2 << true << 48;
        QTest::newRow("no size selected") << -1 << false << 49;
    }
    void requiredEntries()
    {
        QFETCH(int, sizeIndex);
        QFETCH(bool, freeSpace);
        QFETCH(int, required);
        QCOMPARE(RequiredEntryCount(sizeIndex, freeSpace), required);
    }
};

QTEST_APPLESS_MAIN(TestPageLayout)
#include "tst_pagelayout.moc"
