#include "FileHelpers.h"
#include "TestServices.h"
#include "app/UnitMain.h"
#include "docs/Folders.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>

using Kind = FakePrompts::Kind;

namespace {

const QByteArray DefaultKeys = "[Options]\r\nCardSize=1\r\nChkFreeSpace=1\r\nTxtFreeSpace=Free Space\r\n"
                               "ChkHeading=1\r\nTxtHeading=BINGO\r\nChkWordWrap=1\r\n";

} // namespace

// Each test gets a product folder of its own through XDG_DATA_HOME.
class TestSettings : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> home;
    QByteArray savedDataHome;
    std::unique_ptr<TestServices> fakes;
    std::unique_ptr<TFrmMain> window;

    QString optionsFile() const { return home->filePath(QStringLiteral("Morvane/Options.ini")); }
    FakePrompts &prompts() { return fakes->prompts; }

    void start()
    {
        window.reset();
        fakes = std::make_unique<TestServices>();
        window = std::make_unique<TFrmMain>(fakes->services());
    }

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setApplicationName(QStringLiteral("Morvane"));
        savedDataHome = qgetenv("XDG_DATA_HOME");
    }

    void init()
    {
        home = std::make_unique<QTemporaryDir>();
        QVERIFY(home->isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(home->path()));
        QCOMPARE(OptionsFilePath(), optionsFile());
    }
    void cleanup()
    {
        window.reset();
        fakes.reset();
        home.reset();
        qputenv("XDG_DATA_HOME", savedDataHome);
    }

    void firstStartGivesDefaultsAndCreatesTheProductFolder()
    {
        start();
        QCOMPARE(window->CardFontName, QStringLiteral("Arial"));
        QCOMPARE(window->CardFontSize, 20);
        QCOMPARE(window->CboCardSize->currentIndex(), 1);
        QVERIFY(window->ChkFreeSpace->isChecked());
        QVERIFY(window->TxtFreeSpace->isEnabled());
        QCOMPARE(window->TxtFreeSpace->text(), QStringLiteral("Free Space"));
        QVERIFY(window->ChkHeading->isChecked());
        QCOMPARE(window->TxtHeading->text(), QStringLiteral("BINGO"));
        QVERIFY(window->ChkWordWrap->isChecked());
        QVERIFY(QFileInfo(home->filePath(QStringLiteral("Morvane"))).isDir());
        QVERIFY(!QFile::exists(optionsFile()));
        QVERIFY(prompts().shown.isEmpty());
    }

    void closeWritesTheSixKeysInOrder()
    {
        start();
        QVERIFY(window->close());
        QCOMPARE(readBytes(optionsFile()), DefaultKeys);
        QVERIFY(prompts().shown.isEmpty());
    }

    void storedValuesAreApplied_data()
    {
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<QString>("fontName");
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<int>("sizeIndex");
        QTest::addColumn<bool>("freeSpace");
        QTest::addColumn<bool>("heading");
        QTest::addColumn<bool>("wordWrap");
        QTest::newRow("hex font size") << QByteArray("FontSize=0x18") << "Arial" << 24 << 1 << true << true << true;
        QTest::newRow("letters for font size")
            << QByteArray("FontSize=abc") << "Arial" << 20 << 1 << true << true << true;
        QTest::newRow("empty font size") << QByteArray("FontSize=") << "Arial" << 20 << 1 << true << true << true;
        QTest::newRow("heading 2 is on") << QByteArray("ChkHeading=2") << "Arial" << 20 << 1 << true << true << true;
        QTest::newRow("heading no is the default")
            << QByteArray("ChkHeading=no") << "Arial" << 20 << 1 << true << true << true;
        QTest::newRow("all off") << QByteArray("ChkFreeSpace=0\r\nChkHeading=0\r\nChkWordWrap=0") << "Arial" << 20 << 1
                                 << false << false << false;
        QTest::newRow("font and size") << QByteArray("FountName=Courier New\r\nCardSize=0") << "Courier New" << 20 << 0
                                       << true << true << true;
        QTest::newRow("key case ignored")
            << QByteArray("fountname=Serif\r\nCARDSIZE=2") << "Serif" << 20 << 2 << true << true << true;
        QTest::newRow("card size out of range")
            << QByteArray("CardSize=5") << "Arial" << 20 << -1 << true << true << true;
        QTest::newRow("card size negative") << QByteArray("CardSize=-1") << "Arial" << 20 << -1 << true << true << true;
    }
    void storedValuesAreApplied()
    {
        QFETCH(QByteArray, keys);
        QFETCH(QString, fontName);
        QFETCH(int, fontSize);
        QFETCH(int, sizeIndex);
        QFETCH(bool, freeSpace);
        QFETCH(bool, heading);
        QFETCH(bool, wordWrap);
        writeBytes(optionsFile(), "[Options]\r\n" + keys + "\r\n");
        start();
        QCOMPARE(window->CardFontName, fontName);
        QCOMPARE(window->CardFontSize, fontSize);
        QCOMPARE(window->CboCardSize->currentIndex(), sizeIndex);
        QCOMPARE(window->ChkFreeSpace->isChecked(), freeSpace);
        QCOMPARE(window->TxtFreeSpace->isEnabled(), freeSpace);
        QCOMPARE(window->ChkHeading->isChecked(), heading);
        QCOMPARE(window->TxtHeading->isEnabled(), heading);
        QCOMPARE(window->ChkWordWrap->isChecked(), wordWrap);
        QCOMPARE(window->cardSettings().side(), sizeIndex == 0 ? 3 : sizeIndex == 1 ? 5 : 7);
    }

    // On screen and on paper alike: the print job takes the window's size.
    void fontSizeBelowOnePointCountsAsTwenty_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("size");
        QTest::newRow("zero") << QByteArray("0") << 20;
        QTest::newRow("negative") << QByteArray("-5") << 20;
        QTest::newRow("one point stays") << QByteArray("1") << 1;
    }
    void fontSizeBelowOnePointCountsAsTwenty()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, size);
        writeBytes(optionsFile(), "[Options]\r\nFontSize=" + stored + "\r\nChkFreeSpace=0\r\n");
        start();
        QCOMPARE(window->CardFontSize, size);
        QCOMPARE(window->cardSettings().fontSize, size);
        for (int i = 1; i <= 25; ++i) {
            window->CboCardStr->setEditText(QStringLiteral("w%1").arg(i));
            window->BtnAddClick();
        }
        window->MnuFilePrint->trigger();
        const QList<int> &sizes = fakes->printService.canvasOf.sizesSet;
        QVERIFY(!sizes.isEmpty());
        QCOMPARE(*std::max_element(sizes.begin(), sizes.end()), size);
    }

    void sizeWithoutSelectionIsWrittenBackAsMinusOne()
    {
        writeBytes(optionsFile(), "[Options]\r\nCardSize=7\r\n");
        start();
        QVERIFY(window->close());
        QVERIFY(readBytes(optionsFile()).startsWith("[Options]\r\nCardSize=-1\r\n"));
    }

    void closeLeavesFontKeysAndTheRestOfTheFileAlone()
    {
        const QByteArray before = "; kept\r\n[Other]\r\nCardSize=9\r\n\r\n[Options]\r\nFountName=Courier\r\n"
                                  "FontSize=0x18\r\nCardSize = 2\r\n\r\n[Tail]\r\nX=1\r\n";
        writeBytes(optionsFile(), before);
        start();
        QCOMPARE(window->CardFontSize, 24);
        QVERIFY(window->close());
        QCOMPARE(readBytes(optionsFile()),
                 QByteArray("; kept\r\n[Other]\r\nCardSize=9\r\n\r\n[Options]\r\nFountName=Courier\r\n"
                            "FontSize=0x18\r\nCardSize = 2\r\nChkFreeSpace=1\r\nTxtFreeSpace=Free Space\r\n"
                            "ChkHeading=1\r\nTxtHeading=BINGO\r\nChkWordWrap=1\r\n\r\n[Tail]\r\nX=1\r\n"));
    }

    void changedOptionsComeBackAtTheNextStart()
    {
        start();
        window->CboCardSize->setCurrentIndex(0);
        window->ChkFreeSpace->setChecked(false);
        window->TxtHeading->setText(QStringLiteral("HELLO"));
        window->ChkWordWrap->setChecked(false);
        QVERIFY(window->close());
        QCOMPARE(readBytes(optionsFile()),
                 QByteArray("[Options]\r\nCardSize=0\r\nChkFreeSpace=0\r\nTxtFreeSpace=Free Space\r\n"
                            "ChkHeading=1\r\nTxtHeading=HELLO\r\nChkWordWrap=0\r\n"));
        start();
        QCOMPARE(window->CboCardSize->currentIndex(), 0);
        QVERIFY(!window->ChkFreeSpace->isChecked());
        QVERIFY(!window->TxtFreeSpace->isEnabled());
        QCOMPARE(window->TxtHeading->text(), QStringLiteral("HELLO"));
        QVERIFY(!window->ChkWordWrap->isChecked());
    }

    void longFreeSpaceTextIsStoredWholeAndReadCut()
    {
        start();
        QString text;
        for (int i = 0; i < 300; ++i)
            text += QStringLiteral("%1abcdefghi").arg(i % 10);
        QCOMPARE(text.size(), 3000);
        window->TxtFreeSpace->setText(text);
        QVERIFY(window->close());
        QVERIFY(readBytes(optionsFile()).contains("TxtFreeSpace=" + text.toLatin1() + "\r\n"));
        start();
        QCOMPARE(window->TxtFreeSpace->text(), text.left(2047));
    }

    void unwritableSettingsAreReportedAndTheWindowStillCloses()
    {
        // A regular file where the product folder should be: no write can
        // succeed, even for root.
        QFile::remove(optionsFile());
        QDir(home->filePath(QStringLiteral("Morvane"))).removeRecursively();
        writeBytes(home->filePath(QStringLiteral("Morvane")), "not a folder");
        start();
        QCOMPARE(window->CboCardSize->currentIndex(), 1);
        window->CboCardStr->setEditText(QStringLiteral("word"));
        window->BtnAddClick();
        prompts().clear();
        prompts().answers.enqueue(false);

        QVERIFY(window->close());
        QCOMPARE(prompts().shown.size(), 2);
        QCOMPARE(prompts().shown.at(0).kind, Kind::Error);
        QCOMPARE(prompts().shown.at(0).text, QStringLiteral("Unable to write to ") + optionsFile() + QLatin1Char('.'));
        QCOMPARE(prompts().shown.at(1).kind, Kind::Question);
        QCOMPARE(readBytes(home->filePath(QStringLiteral("Morvane"))), QByteArray("not a folder"));
    }

    void settingsAreWrittenEvenWhenTheCloseStops()
    {
        start();
        window->CboCardStr->setEditText(QStringLiteral("word"));
        window->BtnAddClick();
        window->CboCardSize->setCurrentIndex(2);
        // Yes, then the save dialog is cancelled: the window stays open, and
        // the options were written before the question was asked.
        prompts().clear();
        prompts().answers.enqueue(true);
        QVERIFY(!window->close());
        QCOMPARE(prompts().count(Kind::SaveDialog), 1);
        QVERIFY(readBytes(optionsFile()).contains("CardSize=2\r\n"));
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
