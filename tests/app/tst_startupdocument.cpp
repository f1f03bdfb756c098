#include "FileHelpers.h"
#include "TestServices.h"
#include "app/UnitMain.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using Kind = FakePrompts::Kind;

class TestStartupDocument : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TestServices> fakes;
    std::unique_ptr<TFrmMain> window;

    QString path(const char *name) const { return dir->filePath(QLatin1String(name)); }

private Q_SLOTS:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("Morvane")); }

    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        writeBytes(path("fruit.mrv"), "cherry\r\napple\r\nBanana\r\n");
        writeBytes(path("other.mrv"), "zebra\r\n");
        fakes = std::make_unique<TestServices>();
        window = std::make_unique<TFrmMain>(fakes->services());
        window->show();
        fakes->prompts.clear();
    }
    void cleanup()
    {
        window.reset();
        fakes.reset();
        dir.reset();
    }

    void noArgumentChangesNothing()
    {
        const int repaints = window->repaintRequests();
        window->openStartupDocuments({});
        QVERIFY(fakes->prompts.shown.isEmpty());
        QVERIFY(window->words().isEmpty());
        QVERIFY(window->CurrentFileName.isEmpty());
        QCOMPARE(window->repaintRequests(), repaints);
    }

    void opensTheListAsOpenDoes()
    {
        // A relative path names the document in the folder the program was started from.
        const QString startFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir->path()));
        window->openStartupDocuments({QStringLiteral("fruit.mrv")});
        QDir::setCurrent(startFolder);

        QVERIFY(fakes->prompts.shown.isEmpty());
        const QStringList expected{QStringLiteral("apple"), QStringLiteral("Banana"), QStringLiteral("cherry")};
        QCOMPARE(window->words().items(), expected);
        QCOMPARE(window->CboCardStr->count(), 3);
        QCOMPARE(window->CardCells.size(), 3);
        QCOMPARE(window->CurrentFileName, QFileInfo(path("fruit.mrv")).absoluteFilePath());
        QVERIFY(!window->ListModified);
    }

    void unreadablePathIsReportedAndTheWindowStays_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QStringLiteral("gone.mrv") << QStringLiteral("File not found.");
        QTest::newRow("folder") << QStringLiteral("folder.mrv") << QStringLiteral("File access denied.");
    }
    void unreadablePathIsReportedAndTheWindowStays()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("folder.mrv")));
        window->openStartupDocuments({dir->filePath(name)});

        QCOMPARE(fakes->prompts.shown.size(), 1);
        QCOMPARE(fakes->prompts.shown.first().kind, Kind::Error);
        QCOMPARE(fakes->prompts.shown.first().text, message);
        QVERIFY(window->isVisible());
        QVERIFY(window->words().isEmpty());
        QVERIFY(window->CurrentFileName.isEmpty());
    }

    void secondArgumentIsIgnoredWithANote()
    {
        QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("Morvane opens one card list at a time; ignored: ")
                                                      + path("other.mrv")));
        window->openStartupDocuments({path("fruit.mrv"), path("other.mrv")});
        QVERIFY(fakes->prompts.shown.isEmpty());
        QCOMPARE(window->words().count(), 3);
        QVERIFY(!window->words().items().contains(QStringLiteral("zebra")));
        QCOMPARE(window->CurrentFileName, path("fruit.mrv"));
    }
};

QTEST_MAIN(TestStartupDocument)
#include "tst_startupdocument.moc"
