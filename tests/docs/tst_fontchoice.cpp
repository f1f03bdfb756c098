#include "docs/FontChoice.h"

#include <QTest>

class TestFontChoice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sizesAreTheSixteenForArial()
    {
        QCOMPARE(fontSizeEntries(), (QStringList{"8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24", "26",
                                                 "28", "36", "48", "72"}));
    }

    void namesSortedEachOnce_data()
    {
        QTest::addColumn<QStringList>("families");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("empty") << QStringList{} << QStringList{};
        QTest::newRow("unsorted") << QStringList{"Verdana", "Arial", "Courier New"}
                                  << QStringList{"Arial", "Courier New", "Verdana"};
        QTest::newRow("duplicates dropped")
            << QStringList{"Sans", "Arial", "Sans", "Arial"} << QStringList{"Arial", "Sans"};
        QTest::newRow("case ignored for order")
            << QStringList{"bitstream", "Arial", "Cantarell"} << QStringList{"Arial", "bitstream", "Cantarell"};
        QTest::newRow("case variants both kept") << QStringList{"arial", "Arial"} << QStringList{"Arial", "arial"};
        QTest::newRow("prefix first") << QStringList{"DejaVu Sans Mono", "DejaVu Sans"}
                                      << QStringList{"DejaVu Sans", "DejaVu Sans Mono"};
    }
    void namesSortedEachOnce()
    {
        QFETCH(QStringList, families);
        QFETCH(QStringList, entries);
        QCOMPARE(fontNameEntries(families), entries);
    }

    void exactMatchOnly_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("index");
        QTest::newRow("found") << QStringList{"8", "9", "10"} << "9" << 1;
        QTest::newRow("last of equals") << QStringList{"a", "b", "a"} << "a" << 2;
        QTest::newRow("case counts") << QStringList{"Arial"} << "arial" << -1;
        QTest::newRow("blanks count") << QStringList{"20"} << " 20" << -1;
        QTest::newRow("hex is not the size") << QStringList{"24"} << "0x18" << -1;
        QTest::newRow("empty text") << QStringList{"8"} << "" << -1;
    }
    void exactMatchOnly()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, text);
        QFETCH(int, index);
        QCOMPARE(lastExactMatch(entries, text), index);
    }

    void nameOnOpening_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("substitute");
        QTest::addColumn<QString>("selected");
        const QStringList withArial{"Arial", "Courier New", "Liberation Sans", "Verdana"};
        const QStringList withoutArial{"DejaVu Sans", "Liberation Sans", "Nimbus Sans"};
        QTest::newRow("stored installed") << withArial << "Verdana"
                                          << "Liberation Sans"
                                          << "Verdana";
        QTest::newRow("stored missing") << withArial << "Gone Font"
                                        << "Liberation Sans"
                                        << "Arial";
        QTest::newRow("case differs") << withArial << "verdana"
                                      << "Liberation Sans"
                                      << "Arial";
        QTest::newRow("stored empty") << withArial << ""
                                      << "Liberation Sans"
                                      << "Arial";
        QTest::newRow("no Arial: substitute") << withoutArial << "Gone Font"
                                              << "Liberation Sans"
                                              << "Liberation Sans";
        QTest::newRow("no Arial: stored Arial") << withoutArial << "Arial"
                                                << "Liberation Sans"
                                                << "Liberation Sans";
        QTest::newRow("no Arial: stored wins") << withoutArial << "Nimbus Sans"
                                               << "Liberation Sans"
                                               << "Nimbus Sans";
        QTest::newRow("substitute not listed") << withoutArial << "Gone Font"
                                               << "Helvetica"
                                               << "";
        QTest::newRow("no fonts") << QStringList{} << "Arial"
                                  << "Liberation Sans"
                                  << "";
    }
    void nameOnOpening()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, stored);
        QFETCH(QString, substitute);
        QFETCH(QString, selected);
        const int index = initialFontNameIndex(entries, stored, substitute);
        QCOMPARE(index < 0 ? QString() : entries.at(index), selected);
    }
};

QTEST_APPLESS_MAIN(TestFontChoice)
#include "tst_fontchoice.moc"
