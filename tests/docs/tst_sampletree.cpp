#include "docs/SampleInstall.h"
#include "docs/SampleTree.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

void touch(const QString &path, const QByteArray &bytes = "a\r\n")
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QStringList captions(const std::vector<SampleNode> &nodes)
{
    QStringList c;
    for (const auto &n : nodes)
        c.append(n.caption);
    return c;
}

const SampleNode *child(const std::vector<SampleNode> &nodes, const QString &caption)
{
    for (const auto &n : nodes) {
        if (n.caption == caption)
            return &n;
    }
    return nullptr;
}

} // namespace

class TestSampleTree : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void missingOrEmptyFolderGivesNothing()
    {
        QTemporaryDir dir;
        QVERIFY(scanSampleFolder(dir.filePath(QStringLiteral("none"))).empty());
        QVERIFY(scanSampleFolder(dir.path()).empty());
        QVERIFY(scanSampleFolder(QString()).empty());
    }

    void foldersFirstThenLists()
    {
        QTemporaryDir dir;
        const QString root = dir.path() + QLatin1Char('/');
        touch(root + "Animals/Farm Animals.mrv");
        touch(root + "Animals/Pets.mrv");
        touch(root + "Food/Fish & Chips.mrv");
        touch(root + "Food/Fruit.MRV");
        touch(root + "Food/readme.txt");
        touch(root + "Old.Lists/Hidden.mrv");
        touch(root + "Deep/Inner/Nested.mrv");
        touch(root + "Loose.mrv");
        QVERIFY(QDir(root).mkpath(QStringLiteral("Empty")));

        const auto nodes = scanSampleFolder(root);
        QCOMPARE(captions(nodes), (QStringList{"Animals", "Deep", "Empty", "Food", "Loose"}));
        QVERIFY(!nodes.back().isFolder);
        QCOMPARE(nodes.back().path, root + "Loose.mrv");

        const SampleNode *animals = child(nodes, QStringLiteral("Animals"));
        QVERIFY(animals && animals->isFolder);
        QCOMPARE(animals->path, root + "Animals");
        QCOMPARE(captions(animals->children), (QStringList{"Farm Animals", "Pets"}));
        const SampleNode *farm = child(animals->children, QStringLiteral("Farm Animals"));
        QVERIFY(farm && !farm->isFolder);
        QCOMPARE(farm->path, root + "Animals/Farm Animals.mrv");

        const SampleNode *food = child(nodes, QStringLiteral("Food"));
        QVERIFY(food);
        QCOMPARE(captions(food->children), (QStringList{"Fish & Chips", "Fruit"}));

        const SampleNode *deep = child(nodes, QStringLiteral("Deep"));
        QVERIFY(deep);
        QCOMPARE(captions(deep->children), QStringList{QStringLiteral("Inner")});
        QCOMPARE(deep->children.front().children.front().path, root + "Deep/Inner/Nested.mrv");

        const SampleNode *empty = child(nodes, QStringLiteral("Empty"));
        QVERIFY(empty && empty->isFolder && empty->children.empty());
    }

    void folderLinkLoopIsNotFollowed()
    {
        QTemporaryDir dir;
        touch(dir.filePath(QStringLiteral("Theme/List.mrv")));
        QVERIFY(QFile::link(dir.path(), dir.filePath(QStringLiteral("Theme/Back"))));
        const auto nodes = scanSampleFolder(dir.path());
        QCOMPARE(nodes.size(), std::size_t(1));
        const auto &theme = nodes.front().children;
        QCOMPARE(captions(theme), (QStringList{"Back", "List"}));
        QVERIFY(child(theme, QStringLiteral("Back"))->children.empty());
    }

    // By name, in the locale's order: case does not lead, accented letters
    // stand with their base letter, a shorter name before its extensions.
    void sortedByName()
    {
        QTemporaryDir dir;
        for (const char *name : {"zebra", "Ecoles", "b", "apple2", "Apple", "\xc3\x89t\xc3\xa9"}) {
            touch(dir.filePath(QString::fromUtf8(name) + QStringLiteral(".mrv")));
            QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Theme ") + QString::fromUtf8(name)));
        }
        touch(dir.filePath(QStringLiteral("Pets 2.mrv")));
        touch(dir.filePath(QStringLiteral("Pets.mrv")));
        const QStringList lists{"Apple", "apple2", "b", "Ecoles", "\u00c9t\u00e9", "Pets", "Pets 2", "zebra"};
        QStringList themes;
        for (const QString &l : lists) {
            if (!l.startsWith(QLatin1String("Pets")))
                themes.append(QStringLiteral("Theme ") + l);
        }
        QCOMPARE(captions(scanSampleFolder(dir.path())), themes + lists);
    }

    // Links that lead out of the sample folder are passed over; links
    // inside it are followed.
    void linksStayInside()
    {
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("SampleLists"));
        touch(root + "/Theme/List.mrv");
        touch(dir.filePath(QStringLiteral("Outside/Secret.mrv")));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("Outside")), root + "/Out"));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("Outside/Secret.mrv")), root + "/Secret.mrv"));
        QVERIFY(QFile::link(QStringLiteral("/"), root + "/Root"));
        QVERIFY(QFile::link(root + "/Theme", root + "/Again"));
        QVERIFY(QFile::link(root + "/Theme/List.mrv", root + "/Alias.mrv"));
        QVERIFY(QFile::link(root + "/nowhere.mrv", root + "/Dangling.mrv"));
        const auto nodes = scanSampleFolder(root);
        QCOMPARE(captions(nodes), (QStringList{"Again", "Theme", "Alias"}));
        QCOMPARE(captions(nodes.front().children), QStringList{QStringLiteral("List")});
    }

    void depthAndItemsAreBounded_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("lists");
        QTest::addColumn<int>("levels");
        QTest::addColumn<int>("items");
        QTest::newRow("20 folders deep") << 20 << 1 << MaxSampleDepth << 2 * MaxSampleDepth;
        QTest::newRow("one item past the bound") << 1 << MaxSampleItems << 1 << MaxSampleItems;
    }
    void depthAndItemsAreBounded()
    {
        QFETCH(int, depth);
        QFETCH(int, lists);
        QFETCH(int, levels);
        QFETCH(int, items);
        QTemporaryDir dir;
        QString folder = dir.path();
        for (int level = 0; level < depth; ++level) {
            folder += QStringLiteral("/d");
            QVERIFY(QDir().mkpath(folder));
            for (int i = 0; i < lists; ++i)
                QVERIFY(QFile(folder + QStringLiteral("/List %1.mrv").arg(i)).open(QIODevice::WriteOnly));
        }
        int deepest = 0;
        int count = 0;
        std::function<void(const std::vector<SampleNode> &, int)> walk = [&](const auto &nodes, int level) {
            for (const SampleNode &n : nodes) {
                ++count;
                if (n.isFolder) {
                    deepest = std::max(deepest, level);
                    walk(n.children, level + 1);
                }
            }
        };
        walk(scanSampleFolder(dir.path()), 1);
        QCOMPARE(deepest, levels);
        QCOMPARE(count, items);
    }

    void captionsOfFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("caption");
        QTest::newRow("plain") << "Farm Animals.mrv"
                               << "Farm Animals";
        QTest::newRow("upper case") << "X.MRV"
                                    << "X";
        QTest::newRow("dots inside") << "v1.2 list.mrv"
                                     << "v1.2 list";
    }
    void captionsOfFiles()
    {
        QFETCH(QString, file);
        QFETCH(QString, caption);
        QCOMPARE(sampleCaption(file), caption);
    }

    void copiesShippedTreeWhenMissing()
    {
        QTemporaryDir dir;
        const QString shipped = dir.filePath(QStringLiteral("share/SampleLists"));
        touch(shipped + "/Animals/Pets.mrv", "cat\r\ndog\r\n");
        touch(shipped + "/Numbers/1 to 75.mrv");
        QVERIFY(QFile::setPermissions(shipped + "/Animals/Pets.mrv", QFile::ReadOwner | QFile::ReadUser));
        const QString target = dir.filePath(QStringLiteral("home/Morvane/SampleLists/"));

        QVERIFY(installSampleLists(target, {dir.filePath(QStringLiteral("absent")), shipped}));
        QFile pets(target + "Animals/Pets.mrv");
        QVERIFY(pets.open(QIODevice::ReadOnly));
        QCOMPARE(pets.readAll(), QByteArray("cat\r\ndog\r\n"));
        QVERIFY(QFile::permissions(pets.fileName()) & QFile::WriteOwner);
        QVERIFY(QFile::exists(target + "Numbers/1 to 75.mrv"));
        // Nothing of the staging copy is left beside it.
        QCOMPARE(QDir(dir.filePath(QStringLiteral("home/Morvane"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("SampleLists")});
    }

    void neverCopiesOverExistingFolder()
    {
        QTemporaryDir dir;
        const QString shipped = dir.filePath(QStringLiteral("shipped"));
        touch(shipped + "/Animals/Pets.mrv", "cat\r\n");
        const QString target = dir.filePath(QStringLiteral("SampleLists"));
        touch(target + "/Animals/Pets.mrv", "my edit\r\n");

        QVERIFY(!installSampleLists(target, {shipped}));
        QFile pets(target + "/Animals/Pets.mrv");
        QVERIFY(pets.open(QIODevice::ReadOnly));
        QCOMPARE(pets.readAll(), QByteArray("my edit\r\n"));

        // A list deleted after it was copied is the user's choice too.
        QVERIFY(QFile::remove(target + "/Animals/Pets.mrv"));
        QVERIFY(!installSampleLists(target, {shipped}));
        QVERIFY(!QFileInfo::exists(target + "/Animals/Pets.mrv"));
    }

    // Every shipped list the user never had is copied; the record tells a
    // list deleted on purpose from one the user never had.
    void copiesWhatTheUserNeverHad_data()
    {
        QTest::addColumn<QStringList>("before"); // the user's lists
        QTest::addColumn<QByteArray>("record");  // "-": none
        QTest::addColumn<QStringList>("copied");
        const QStringList all{"Animals/Pets.mrv", "New/Fresh.mrv", "Numbers/1 to 75.mrv"};
        QTest::newRow("first start") << QStringList{} << QByteArray("-") << all;
        QTest::newRow("a list of a later release")
            << QStringList{"Animals/Pets.mrv"} << QByteArray("Animals/Pets.mrv\nNumbers/1 to 75.mrv\n")
            << QStringList{"New/Fresh.mrv"};
        QTest::newRow("record deleted to get lists back") << QStringList{"Animals/Pets.mrv"} << QByteArray("-")
                                                          << QStringList{"New/Fresh.mrv", "Numbers/1 to 75.mrv"};
        QTest::newRow("all had") << QStringList{}
                                 << QByteArray("Animals/Pets.mrv\r\nNew/Fresh.mrv\r\nNumbers/1 to 75.mrv")
                                 << QStringList{};
    }
    void copiesWhatTheUserNeverHad()
    {
        QFETCH(QStringList, before);
        QFETCH(QByteArray, record);
        QFETCH(QStringList, copied);
        QTemporaryDir dir;
        const QString shipped = dir.filePath(QStringLiteral("shipped"));
        for (const char *list : {"Animals/Pets.mrv", "Numbers/1 to 75.mrv", "New/Fresh.mrv"})
            touch(shipped + QLatin1Char('/') + QLatin1String(list), "shipped\r\n");
        touch(shipped + "/New/readme.txt");
        const QString target = dir.filePath(QStringLiteral("SampleLists"));
        for (const QString &list : before)
            touch(target + QLatin1Char('/') + list, "mine\r\n");
        if (record != "-")
            touch(target + QLatin1Char('/') + CopiedListsRecord, record);

        QCOMPARE(installSampleLists(target, {shipped}), int(copied.size()));
        QStringList present;
        QDirIterator it(target, {QStringLiteral("*.mrv")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            present.append(QDir(target).relativeFilePath(it.next()));
        present.sort();
        QStringList expected = before + copied;
        expected.sort();
        QCOMPARE(present, expected);
        for (const QString &list : before) {
            QFile f(target + QLatin1Char('/') + list);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), QByteArray("mine\r\n"));
        }
        // Nothing is copied twice, whatever the user deletes afterwards.
        for (const QString &list : present)
            QVERIFY(QFile::remove(target + QLatin1Char('/') + list));
        QCOMPARE(installSampleLists(target, {shipped}), 0);
    }

    // Copies land in the sample folder itself: not through a sample folder
    // that is a link, a linked theme folder or a linked record.
    void neverCopiesThroughLinks_data()
    {
        QTest::addColumn<QString>("link");   // made in the sample folder's parent
        QTest::addColumn<QString>("target"); // relative to the outside folder
        QTest::newRow("sample folder") << "SampleLists"
                                       << ".";
        QTest::newRow("theme folder") << "SampleLists/Animals"
                                      << ".";
        QTest::newRow("record") << "SampleLists/.copied-lists"
                                << "precious.txt";
    }
    void neverCopiesThroughLinks()
    {
        QFETCH(QString, link);
        QFETCH(QString, target);
        QTemporaryDir dir;
        const QString shipped = dir.filePath(QStringLiteral("shipped"));
        touch(shipped + "/Animals/Pets.mrv");
        const QString outside = dir.filePath(QStringLiteral("outside"));
        touch(outside + "/precious.txt", "keep\r\n");
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("SampleLists"))));
        QDir(dir.path()).rmdir(link);
        QVERIFY(QFile::link(QDir::cleanPath(outside + QLatin1Char('/') + target), dir.filePath(link)));

        installSampleLists(dir.filePath(QStringLiteral("SampleLists")), {shipped});
        QCOMPARE(QDir(outside).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("precious.txt")});
        QFile precious(outside + "/precious.txt");
        QVERIFY(precious.open(QIODevice::ReadOnly));
        QCOMPARE(precious.readAll(), QByteArray("keep\r\n"));
    }

    void noSourceCopiesNothing()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("Morvane/SampleLists"));
        QVERIFY(!installSampleLists(target, {dir.filePath(QStringLiteral("nowhere"))}));
        QVERIFY(!QFileInfo::exists(target));
    }
};

QTEST_GUILESS_MAIN(TestSampleTree)
#include "tst_sampletree.moc"
