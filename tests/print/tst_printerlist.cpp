#include "FakePrintService.h"

#include "print/PrinterList.h"

#include <QTest>

class TestPrinterList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listsInTheServicesOrderWithTheDefaultSelected_data()
    {
        QTest::addColumn<int>("defaultPosition");
        QTest::newRow("first") << 0;
        QTest::newRow("last") << 2;
    }
    void listsInTheServicesOrderWithTheDefaultSelected()
    {
        QFETCH(int, defaultPosition);
        FakePrintService service;
        service.installed = {QStringLiteral("Zeta"), QStringLiteral("Alpha"), QStringLiteral("Mid")};
        service.defaultPosition = defaultPosition;
        const PrinterChoice choice = FillPrinterList(service);
        QCOMPARE(choice.names, service.installed);
        QCOMPARE(choice.selected, defaultPosition);
        QCOMPARE(service.printerIndex(), defaultPosition);
    }

    void noPrinterLeavesTheListEmpty()
    {
        FakePrintService service;
        service.installed.clear();
        service.defaultPosition = -1;
        const PrinterChoice choice = FillPrinterList(service);
        QVERIFY(choice.names.isEmpty());
        QCOMPARE(choice.selected, -1);
        QVERIFY(!service.calls.contains(QStringLiteral("select -1")));
    }

    void printersWithoutDefaultAreListedNoneSelected()
    {
        FakePrintService service;
        service.installed = {QStringLiteral("A"), QStringLiteral("B")};
        service.defaultPosition = -1;
        const PrinterChoice choice = FillPrinterList(service);
        QCOMPARE(choice.names, service.installed);
        QCOMPARE(choice.selected, -1);
    }
};

QTEST_APPLESS_MAIN(TestPrinterList)
#include "tst_printerlist.moc"
