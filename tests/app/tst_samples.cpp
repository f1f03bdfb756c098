#include "TestServices.h"
#include "app/UnitMain.h"
#include "docs/Folders.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using Kind = FakePrompts::Kind;

namespace {

const QString Missing =
    QStringLiteral("The sample bingo card doesn't exist, please re-install the software and try it again.");

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return f.readAll();
}

QStringList captions(const QMenu *menu)
{
    QStringList c;
    for (const QAction *a : menu->actions())
        c.append(a->text());
    return c;
}

// Follows captions down the menu tree; the last one names a sample item.
QAction *item(QMenu *root, const QStringList &captionPath)
{
    QMenu *menu = root;
    for (qsizetype i = 0; i < captionPath.size(); ++i) {
        QAction *found = nullptr;
        for (QAction *a : menu->actions()) {
            if (a->text() == captionPath.at(i))
                found = a;
        }
        if (!found)
            return nullptr;
        if (i == captionPath.size() - 1)
            return found;
        menu = found->menu();
        if (!menu)
            return nullptr;
    }
    return nullptr;
}

} // namespace

class TestSamples : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> root;
    QByteArray savedDataHome;
    QByteArray savedDataDirs;
    std::unique_ptr<TestServices> fakes;
    std::unique_ptr<TFrmMain> window;

    QString samples() const { return root->filePath(QStringLiteral("home/Morvane/SampleLists")); }
    QString shipped() const { return root->filePath(QStringLiteral("system/Morvane/SampleLists")); }
    FakePrompts &prompts() { return fakes->prompts; }

    void start()
    {
        window.reset();
        fakes = std::make_unique<TestServices>();
        window = std::make_unique<TFrmMain>(fakes->services());
        prompts().clear();
    }
    void sample(const QString &relative, const QByteArray &bytes = "one\r\ntwo\r\n")
    {
        writeBytes(samples() + QLatin1Char('/') + relative, bytes);
    }
    void twoThemes()
    {
        sample(QStringLiteral("Animals/Farm Animals.mrv"), "cow\r\npig\r\nhen\r\n");
        sample(QStringLiteral("Animals/Pets.mrv"), "cat\r\ndog\r\n");
        sample(QStringLiteral("Food/Fish & Chips.mrv"), "cod\r\nchips\r\n");
        sample(QStringLiteral("Food/Fruit.mrv"), "apple\r\n");
        sample(QStringLiteral("Old.Lists/Hidden.mrv"));
        sample(QStringLiteral("Old.Lists/Inner/Deeper.mrv"));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setApplicationName(QStringLiteral("Morvane"));
        savedDataHome = qgetenv("XDG_DATA_HOME");
        savedDataDirs = qgetenv("XDG_DATA_DIRS");
    }

    void init()
    {
        root = std::make_unique<QTemporaryDir>();
        QVERIFY(root->isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(root->filePath(QStringLiteral("home"))));
        // Only this test's "installed" samples may be found.
        qputenv("XDG_DATA_DIRS", QFile::encodeName(root->filePath(QStringLiteral("system"))));
        QCOMPARE(SampleListsPath(), samples() + QLatin1Char('/'));
    }
    void cleanup()
    {
        window.reset();
        fakes.reset();
        root.reset();
        qputenv("XDG_DATA_HOME", savedDataHome);
        qputenv("XDG_DATA_DIRS", savedDataDirs);
    }

    void themesBecomeSubMenusOfTheirLists()
    {
        twoThemes();
        start();
        // Themes and lists sorted by name, whatever order the disk gives.
        QCOMPARE(captions(window->MnuSample), (QStringList{"Animals", "Food"}));
        for (QAction *theme : window->MnuSample->actions())
            QVERIFY(theme->menu());
        QCOMPARE(captions(item(window->MnuSample, {"Animals"})->menu()), (QStringList{"Farm Animals", "Pets"}));
        QCOMPARE(captions(item(window->MnuSample, {"Food"})->menu()), (QStringList{"Fish && Chips", "Fruit"}));
        QVERIFY(prompts().shown.isEmpty());
    }

    void subMenusComeFirstAtEveryLevel()
    {
        sample(QStringLiteral("Loose.mrv"));
        sample(QStringLiteral("Theme/Top.mrv"));
        sample(QStringLiteral("Theme/Nested/Deep.mrv"));
        sample(QStringLiteral("Theme/notes.txt"));
        start();
        QCOMPARE(captions(window->MnuSample), (QStringList{"Theme", "Loose"}));
        QCOMPARE(captions(item(window->MnuSample, {"Theme"})->menu()), (QStringList{"Nested", "Top"}));
        QCOMPARE(captions(item(window->MnuSample, {"Theme", "Nested"})->menu()), QStringList{"Deep"});
        QVERIFY(!item(window->MnuSample, {"Loose"})->menu());
    }

    void choosingASampleLoadsIt()
    {
        twoThemes();
        start();
        const int repaints = window->repaintRequests();
        item(window->MnuSample, {"Animals", "Farm Animals"})->trigger();
        QVERIFY(prompts().shown.isEmpty());
        QCOMPARE(window->words().items(), (QStringList{"cow", "hen", "pig"}));
        QCOMPARE(window->CboCardStr->count(), 3);
        QCOMPARE(window->CardCells.size(), 3);
        QVERIFY(window->repaintRequests() > repaints);
        QCOMPARE(window->CurrentFileName, samples() + QStringLiteral("/Animals/Farm Animals.mrv"));
        QVERIFY(!window->ListModified);
    }

    void ampersandInANameStillLoads()
    {
        twoThemes();
        start();
        QAction *fish = item(window->MnuSample, {"Food", "Fish && Chips"});
        QVERIFY(fish);
        fish->trigger();
        QCOMPARE(window->words().items(), (QStringList{"chips", "cod"}));
        QCOMPARE(window->CurrentFileName, samples() + QStringLiteral("/Food/Fish & Chips.mrv"));
    }

    void everyDepthLoads()
    {
        sample(QStringLiteral("Loose.mrv"), "top\r\n");
        sample(QStringLiteral("Theme/Nested/Deep.mrv"), "deep\r\n");
        start();
        item(window->MnuSample, {"Loose"})->trigger();
        QCOMPARE(window->words().items(), QStringList{QStringLiteral("top")});
        item(window->MnuSample, {"Theme", "Nested", "Deep"})->trigger();
        QCOMPARE(window->words().items(), QStringList{QStringLiteral("deep")});
        QCOMPARE(window->CurrentFileName, samples() + QStringLiteral("/Theme/Nested/Deep.mrv"));
        QVERIFY(prompts().shown.isEmpty());
    }

    void equalNamesLoadTheOneChosen()
    {
        sample(QStringLiteral("Home/Pets.mrv"), "cat\r\n");
        sample(QStringLiteral("Zoo/Pets.mrv"), "lion\r\n");
        start();
        item(window->MnuSample, {"Zoo", "Pets"})->trigger();
        QCOMPARE(window->words().items(), QStringList{QStringLiteral("lion")});
        QCOMPARE(window->CurrentFileName, samples() + QStringLiteral("/Zoo/Pets.mrv"));
        item(window->MnuSample, {"Home", "Pets"})->trigger();
        QCOMPARE(window->words().items(), QStringList{QStringLiteral("cat")});
    }

    void removedSampleEmptiesTheListAndSaysSo()
    {
        twoThemes();
        start();
        item(window->MnuSample, {"Animals", "Pets"})->trigger();
        QVERIFY(QFile::remove(samples() + QStringLiteral("/Food/Fruit.mrv")));
        item(window->MnuSample, {"Food", "Fruit"})->trigger();
        QCOMPARE(kinds(), QList<Kind>{Kind::Information});
        QCOMPARE(prompts().shown.first().text, Missing);
        QVERIFY(window->words().isEmpty());
        QCOMPARE(window->CboCardStr->count(), 0);
        QVERIFY(window->CardCells.isEmpty());
        QVERIFY(window->CurrentFileName.isEmpty());
    }

    void changedListIsOfferedForSavingFirst()
    {
        twoThemes();
        start();
        window->CboCardStr->setEditText(QStringLiteral("mine"));
        window->BtnAddClick();
        prompts().answers.enqueue(false);
        item(window->MnuSample, {"Animals", "Pets"})->trigger();
        QCOMPARE(prompts().texts(), QStringList{QStringLiteral("Do you want to save current bingo card?")});
        QCOMPARE(window->words().items(), (QStringList{"cat", "dog"}));
        QVERIFY(!window->ListModified);
    }

    void cancelledSaveKeepsTheList()
    {
        twoThemes();
        start();
        window->CboCardStr->setEditText(QStringLiteral("mine"));
        window->BtnAddClick();
        prompts().answers.enqueue(true);
        item(window->MnuSample, {"Animals", "Pets"})->trigger();
        QCOMPARE(kinds(), (QList<Kind>{Kind::Question, Kind::SaveDialog}));
        QCOMPARE(window->words().items(), QStringList{QStringLiteral("mine")});
        QVERIFY(window->ListModified);
        QVERIFY(window->CurrentFileName.isEmpty());
    }

    void saveAfterASampleWritesTheUsersCopy()
    {
        writeBytes(shipped() + QStringLiteral("/Animals/Pets.mrv"), "cat\r\ndog\r\n");
        start();
        item(window->MnuSample, {"Animals", "Pets"})->trigger();
        QCOMPARE(window->CurrentFileName, samples() + QStringLiteral("/Animals/Pets.mrv"));
        window->CboCardStr->setEditText(QStringLiteral("fish"));
        window->BtnAddClick();
        window->MnuFileSave->trigger();
        QCOMPARE(readBytes(samples() + QStringLiteral("/Animals/Pets.mrv")), QByteArray("cat\r\ndog\r\nfish\r\n"));
        QCOMPARE(readBytes(shipped() + QStringLiteral("/Animals/Pets.mrv")), QByteArray("cat\r\ndog\r\n"));
    }

    void firstStartCopiesTheShippedSamples()
    {
        writeBytes(shipped() + QStringLiteral("/Animals/Pets.mrv"), "cat\r\n");
        writeBytes(shipped() + QStringLiteral("/Numbers/1 to 75.mrv"), "1\r\n");
        QVERIFY(!QFileInfo::exists(root->filePath(QStringLiteral("home/Morvane"))));
        start();
        QVERIFY(QFileInfo(samples() + QStringLiteral("/Animals/Pets.mrv")).isFile());
        QVERIFY(QFileInfo(samples() + QStringLiteral("/Numbers/1 to 75.mrv")).isFile());
        QCOMPARE(captions(window->MnuSample), (QStringList{"Animals", "Numbers"}));
    }

    // The user's samples are never overwritten; the shipped lists they
    // lack arrive.
    void existingSamplesAreNeverOverwritten()
    {
        sample(QStringLiteral("Animals/Pets.mrv"), "my own\r\n");
        writeBytes(shipped() + QStringLiteral("/Animals/Pets.mrv"), "cat\r\n");
        writeBytes(shipped() + QStringLiteral("/Numbers/1 to 75.mrv"), "1\r\n");
        start();
        QCOMPARE(readBytes(samples() + QStringLiteral("/Animals/Pets.mrv")), QByteArray("my own\r\n"));
        QCOMPARE(readBytes(samples() + QStringLiteral("/Numbers/1 to 75.mrv")), QByteArray("1\r\n"));
        QCOMPARE(captions(window->MnuSample), (QStringList{"Animals", "Numbers"}));
    }

    // At the next start a list of a later release appears; a list the user
    // deleted does not come back.
    void laterStartsBringNewListsNotDeletedOnes()
    {
        writeBytes(shipped() + QStringLiteral("/Animals/Pets.mrv"), "cat\r\n");
        writeBytes(shipped() + QStringLiteral("/Animals/Zoo.mrv"), "lion\r\n");
        start();
        QCOMPARE(captions(item(window->MnuSample, {"Animals"})->menu()), (QStringList{"Pets", "Zoo"}));
        QVERIFY(QFile::remove(samples() + QStringLiteral("/Animals/Pets.mrv")));
        writeBytes(shipped() + QStringLiteral("/Animals/Farm.mrv"), "cow\r\n");
        start();
        QCOMPARE(captions(item(window->MnuSample, {"Animals"})->menu()), (QStringList{"Farm", "Zoo"}));
    }

    // A German or Spanish desktop starts with lists in its language; any
    // other desktop gets the English ones.
    void firstStartTakesTheListsOfTheDesktopLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("theme");
        QTest::newRow("German") << "de_DE"
                                << "Tiere";
        QTest::newRow("Austrian German") << "de_AT"
                                         << "Tiere";
        QTest::newRow("Spanish") << "es_ES"
                                 << "Animales";
        QTest::newRow("Mexican Spanish") << "es_MX"
                                         << "Animales";
        QTest::newRow("English") << "en_GB"
                                 << "Animals";
        QTest::newRow("French, no lists of its own") << "fr_FR"
                                                     << "Animals";
    }
    void firstStartTakesTheListsOfTheDesktopLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, theme);
        writeBytes(shipped() + QStringLiteral("/Animals/Pets.mrv"), "cat\r\n");
        writeBytes(shipped() + QStringLiteral("-de/Tiere/Haustiere.mrv"), "Katze\r\n");
        writeBytes(shipped() + QStringLiteral("-es/Animales/Mascotas.mrv"), "Gato\r\n");
        const QLocale saved;
        QLocale::setDefault(QLocale(locale));
        start();
        QLocale::setDefault(saved);
        QCOMPARE(captions(window->MnuSample), QStringList{theme});
    }

    void noSamplesAnywhereGivesAnEmptyMenu()
    {
        start();
        QVERIFY(window->MnuSample->actions().isEmpty());
        QVERIFY(QFileInfo(root->filePath(QStringLiteral("home/Morvane"))).isDir());
        QVERIFY(prompts().shown.isEmpty());
    }

private:
    QList<Kind> kinds() const
    {
        QList<Kind> k;
        for (const auto &s : fakes->prompts.shown)
            k.append(s.kind);
        return k;
    }
};

QTEST_MAIN(TestSamples)
#include "tst_samples.moc"
