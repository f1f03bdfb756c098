#include "docs/SampleInstall.h"
#include "docs/SampleTree.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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

QStringList sorted(QStringList l)
{
    l.sort();
    return l;
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
        QCOMPARE(sorted(captions(nodes)), (QStringList{"Animals", "Deep", "Empty", "Food", "Loose"}));
        QCOMPARE(nodes.back().caption, QStringLiteral("Loose"));
        QVERIFY(!nodes.back().isFolder);
        QCOMPARE(nodes.back().path, root + "Loose.mrv");

        const SampleNode *animals = child(nodes, QStringLiteral("Animals"));
        QVERIFY(animals && animals->isFolder);
        QCOMPARE(animals->path, root + "Animals");
        QCOMPARE(sorted(captions(animals->children)), (QStringList{"Farm Animals", "Pets"}));
        const SampleNode *farm = child(animals->children, QStringLiteral("Farm Animals"));
        QVERIFY(farm && !farm->isFolder);
        QCOMPARE(farm->path, root + "Animals/Farm Animals.mrv");

        const SampleNode *food = child(nodes, QStringLiteral("Food"));
        QVERIFY(food);
        QCOMPARE(sorted(captions(food->children)), (QStringList{"Fish & Chips", "Fruit"}));

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
        QCOMPARE(sorted(captions(theme)), (QStringList{"Back", "List"}));
        QVERIFY(child(theme, QStringLiteral("Back"))->children.empty());
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

        // An emptied folder is the user's choice too.
        QVERIFY(QDir(target).removeRecursively());
        QVERIFY(QDir().mkpath(target));
        QVERIFY(!installSampleLists(target, {shipped}));
        QVERIFY(QDir(target).isEmpty());
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
