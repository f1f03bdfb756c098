#include "render/CardTextTable.h"

#include <QTest>

// A card as the rows of text a screen reader reads.
class TestCardTextTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cellsInReadingOrder_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("freeSpace");
        QTest::addColumn<QString>("heading"); // empty: no heading row
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<QStringList>("rows"); // each row's cells joined by "|"
        QTest::newRow("3 x 3, full") << 0 << false << "" << QStringList{"a", "b", "c", "d", "e", "f", "g", "h", "i"}
                                     << QStringList{} << QStringList{"a|b|c", "d|e|f", "g|h|i"};
        QTest::newRow("3 x 3, free centre passed over")
            << 0 << true << "" << QStringList{"a", "b", "c", "d", "e", "f", "g", "h"} << QStringList{}
            << QStringList{"a|b|c", "d|Free Space|e", "f|g|h"};
        QTest::newRow("entries run out") << 0 << false << "" << QStringList{"a", "b"} << QStringList{}
                                         << QStringList{"a|b|", "||", "||"};
        QTest::newRow("heading shorter than the card")
            << 0 << false << "AB" << QStringList{"a", "b", "c", "d", "e", "f", "g", "h", "i"}
            << QStringList{"A", "B", ""} << QStringList{"a|b|c", "d|e|f", "g|h|i"};
        QTest::newRow("spaces around an entry") << 0 << false << "XYZ" << QStringList{" a ", "b"}
                                                << QStringList{"X", "Y", "Z"} << QStringList{"a|b|", "||", "||"};
        QTest::newRow("5 x 5 heading") << 1 << true << "BINGO" << QStringList{} << QStringList{"B", "I", "N", "G", "O"}
                                       << QStringList{"||||", "||||", "||Free Space||", "||||", "||||"};
    }
    void cellsInReadingOrder()
    {
        QFETCH(int, size);
        QFETCH(bool, freeSpace);
        QFETCH(QString, heading);
        QFETCH(QStringList, cells);
        QFETCH(QStringList, headers);
        QFETCH(QStringList, rows);
        CardSettings settings;
        settings.sizeIndex = size;
        settings.freeSpace = freeSpace;
        settings.heading = !heading.isEmpty();
        settings.headingText = heading;
        const CardTextTable table = cardTextTable(settings, cells);
        QCOMPARE(table.columnHeaders, headers);
        QStringList read;
        for (const QStringList &row : table.rows)
            read.append(row.join(QLatin1Char('|')));
        QCOMPARE(read, rows);
        QCOMPARE(table.columnCount(), settings.side());
        QVERIFY(!table.isCalled(0, 0));
    }

    void calledCellsAreKeptRowByRow()
    {
        CardSettings settings;
        settings.sizeIndex = 0;
        settings.freeSpace = false;
        CardTextTable table = cardTextTable(settings, {"a", "b", "c", "d", "e", "f", "g", "h", "i"});
        table.called = {false, true, false, false, false, false, false, false, true};
        QVERIFY(table.isCalled(0, 1));
        QVERIFY(table.isCalled(2, 2));
        QVERIFY(!table.isCalled(1, 1));
        QVERIFY(!table.isCalled(3, 0));
        QCOMPARE(table.text(5, 0), QString());
    }
};

QTEST_GUILESS_MAIN(TestCardTextTable)
#include "tst_cardtexttable.moc"
