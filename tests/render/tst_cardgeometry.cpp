#include "card/CardSettings.h"
#include "render/CardGeometry.h"

#include <QTest>

namespace {

QStringList texts(const std::vector<BodyCell> &cells)
{
    QStringList l;
    for (const auto &c : cells)
        l.append(c.text);
    return l;
}

QStringList entries(int count)
{
    QStringList l;
    for (int i = 0; i < count; ++i)
        l.append(QStringLiteral("e%1").arg(i));
    return l;
}

} // namespace

class TestCardGeometry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void gridOfThePaintBox_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<bool>("heading");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("rowHeight");
        QTest::addColumn<int>("columnWidth");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("3x3") << 3 << false << 3 << 104 << 146 << 438 << 312;
        QTest::newRow("3x3 heading") << 3 << true << 4 << 78 << 146 << 438 << 312;
        QTest::newRow("5x5") << 5 << false << 5 << 62 << 88 << 440 << 310;
        QTest::newRow("5x5 heading") << 5 << true << 6 << 52 << 88 << 440 << 312;
        QTest::newRow("7x7") << 7 << false << 7 << 44 << 62 << 434 << 308;
        QTest::newRow("7x7 heading") << 7 << true << 8 << 39 << 62 << 434 << 312;
    }
    void gridOfThePaintBox()
    {
        QFETCH(int, side);
        QFETCH(bool, heading);
        const PreviewGrid g = previewGrid(side, heading, 441, 313, 1);
        QTEST(g.rows, "rows");
        QTEST(g.rowHeight, "rowHeight");
        QTEST(g.columnWidth, "columnWidth");
        QTEST(g.width(), "width");
        QTEST(g.height(), "height");
    }

    void sizeIndexGivesSide_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("side");
        QTest::newRow("0") << 0 << 3;
        QTest::newRow("1") << 1 << 5;
        QTest::newRow("2") << 2 << 7;
        QTest::newRow("no selection") << -1 << 7;
    }
    void sizeIndexGivesSide()
    {
        QFETCH(int, index);
        QTEST(cardSide(index), "side");
    }

    void boxesLeaveOutTheirGridLines()
    {
        const PreviewGrid g = previewGrid(5, true, 441, 313, 1);
        const CanvasRect h = headingBox(g, 2);
        QCOMPARE(h.left, 89);
        QCOMPARE(h.top, 1);
        QCOMPARE(h.width, 87);
        QCOMPARE(h.height, 51);
        // The free space of a 5 x 5 card with heading: fourth grid row, third column.
        const CanvasRect f = freeSpaceBox(g, 4, 3);
        QCOMPARE(f.left, 176);
        QCOMPARE(f.top, 156);
        QCOMPARE(f.width, 88);
        QCOMPARE(f.height, 52);
        const CanvasRect e = entryBox(g, 4, 3);
        QCOMPARE(e.left, f.left + 1);
        QCOMPARE(e.top, f.top + 1);
        QCOMPARE(e.width, f.width - 1);
        QCOMPARE(e.height, f.height - 1);
    }

    void freeSpaceIsTheCentre_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("cell");
        QTest::newRow("3") << 3 << 5;
        QTest::newRow("5") << 5 << 13;
        QTest::newRow("7") << 7 << 25;
    }
    void freeSpaceIsTheCentre()
    {
        QFETCH(int, side);
        QFETCH(int, cell);
        QCOMPARE(freeSpaceCellNumber(side), cell);
        const auto cells = bodyCells(entries(side * side), side, true, QStringLiteral("FS"));
        QVERIFY(cells[cell - 1].freeSpace);
        QCOMPARE(cells[cell - 1].row, (side + 1) / 2);
        QCOMPARE(cells[cell - 1].column, (side + 1) / 2);
    }

    void cellsRunRowByRow()
    {
        const auto cells = bodyCells(entries(9), 3, false, QString());
        QCOMPARE(cells.size(), size_t(9));
        const int rows[] = {1, 1, 1, 2, 2, 2, 3, 3, 3};
        const int columns[] = {1, 2, 3, 1, 2, 3, 1, 2, 3};
        for (int k = 0; k < 9; ++k) {
            QCOMPARE(cells[k].row, rows[k]);
            QCOMPARE(cells[k].column, columns[k]);
            QVERIFY(!cells[k].freeSpace);
        }
    }

    void entriesPassOverTheFreeSpace()
    {
        const auto cells = bodyCells(entries(24), 5, true, QStringLiteral("Free Space"));
        QStringList expected = entries(12);
        expected << QStringLiteral("Free Space") << entries(24).mid(12);
        QCOMPARE(texts(cells), expected);
    }

    void freeSpaceOffTakesAnEntry()
    {
        const auto cells = bodyCells(entries(25), 5, false, QStringLiteral("Free Space"));
        QCOMPARE(texts(cells), entries(25));
    }

    void blanksAfterTheLastEntry_data()
    {
        QTest::addColumn<bool>("freeSpace");
        QTest::addColumn<QStringList>("expected");
        const QString b = QStringLiteral(" ");
        QTest::newRow("no free space") << false << QStringList{"e0", "e1", "e2", b, b, b, b, b, b};
        QTest::newRow("free space drawn all the same") << true << QStringList{"e0", "e1", "e2", b, "FS", b, b, b, b};
    }
    void blanksAfterTheLastEntry()
    {
        QFETCH(bool, freeSpace);
        QTEST(texts(bodyCells(entries(3), 3, freeSpace, QStringLiteral("FS"))), "expected");
    }

    void emptyCardCellsGivesOnlyBlanks()
    {
        const auto cells = bodyCells({}, 3, true, QString());
        QCOMPARE(texts(cells), (QStringList{" ", " ", " ", " ", "", " ", " ", " ", " "}));
    }

    void moreEntriesThanCellsStopAtTheLastCell()
    {
        QCOMPARE(texts(bodyCells(entries(40), 3, false, QString())), entries(9));
    }

    void headingLettersPerColumn_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QStringList>("letters");
        QTest::newRow("BINGO on 5") << "BINGO" << 5 << QStringList{"B", "I", "N", "G", "O"};
        QTest::newRow("BINGO on 3") << "BINGO" << 3 << QStringList{"B", "I", "N"};
        QTest::newRow("BINGO on 7") << "BINGO" << 7 << QStringList{"B", "I", "N", "G", "O"};
        QTest::newRow("leading space") << " AB" << 3 << QStringList{" ", "A", "B"};
        QTest::newRow("empty") << "" << 5 << QStringList{};
        QTest::newRow("blanks only") << "   " << 5 << QStringList{};
        QTest::newRow("control only") << "\t" << 5 << QStringList{};
        QTest::newRow("inner blank") << "A B" << 5 << QStringList{"A", " ", "B"};
        QTest::newRow("surrogate pair kept whole")
            << QString::fromUtf8("\xF0\x9F\x8E\xB2X") << 5 << QStringList{QString::fromUtf8("\xF0\x9F\x8E\xB2"), "X"};
        QTest::newRow("combining mark stays with its letter") << QString::fromUtf8("e\xCC\x81"
                                                                                   "A")
                                                              << 5 << QStringList{QString::fromUtf8("e\xCC\x81"), "A"};
        QTest::newRow("marked last letter kept whole at the cut")
            << QString::fromUtf8("ABe\xCC\x81\xCC\xA3Z") << 3
            << QStringList{"A", "B", QString::fromUtf8("e\xCC\x81\xCC\xA3")};
    }
    void headingLettersPerColumn()
    {
        QFETCH(QString, text);
        QFETCH(int, columns);
        QTEST(headingLetters(text, columns), "letters");
    }
};

QTEST_APPLESS_MAIN(TestCardGeometry)
#include "tst_cardgeometry.moc"
