#include "docs/HelpFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestHelpFile : public QObject
{
    Q_OBJECT

    static void touch(const QString &path)
    {
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }

private Q_SLOTS:
    void oneSeparatorBeforeTheName_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("path");
        QTest::newRow("without separator") << "/opt/morvane/bin"
                                           << "/opt/morvane/bin/help.html";
        QTest::newRow("with separator") << "/opt/morvane/bin/"
                                        << "/opt/morvane/bin/help.html";
        QTest::newRow("root") << "/"
                              << "/help.html";
        QTest::newRow("blank in folder") << "/home/a b/Morvane"
                                         << "/home/a b/Morvane/help.html";
    }
    void oneSeparatorBeforeTheName()
    {
        QFETCH(QString, folder);
        QFETCH(QString, path);
        QCOMPARE(helpFileBeside(folder), path);
    }

    void besideTheExecutableFirst()
    {
        QTemporaryDir root;
        const QString bin = root.filePath(QStringLiteral("bin"));
        touch(bin + QStringLiteral("/help.html"));
        touch(root.filePath(QStringLiteral("share/Morvane/help.html")));
        QCOMPARE(helpFileTarget(bin, QStringLiteral("../share/Morvane")), bin + QStringLiteral("/help.html"));
        QCOMPARE(helpFileTarget(bin + QLatin1Char('/'), QStringLiteral("../share/Morvane")),
                 bin + QStringLiteral("/help.html"));
    }

    void installedCopyWhenNoneBeside()
    {
        QTemporaryDir root;
        const QString bin = root.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(bin));
        const QString installed = root.filePath(QStringLiteral("share/Morvane/help.html"));
        touch(installed);
        QCOMPARE(helpFileTarget(bin, QStringLiteral("../share/Morvane")), installed);
        QCOMPARE(helpFileTarget(bin + QLatin1Char('/'), QStringLiteral("../share/Morvane/")), installed);
        QCOMPARE(helpFileTarget(bin, root.filePath(QStringLiteral("share/Morvane"))), installed);
    }

    void besideEvenWhenMissingEverywhere()
    {
        QTemporaryDir root;
        const QString bin = root.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(bin));
        QCOMPARE(helpFileTarget(bin, QStringLiteral("../share/Morvane")), bin + QStringLiteral("/help.html"));
        QCOMPARE(helpFileTarget(bin, QString()), bin + QStringLiteral("/help.html"));
    }

    void aFolderNamedLikeTheHelpIsNotIt()
    {
        QTemporaryDir root;
        const QString bin = root.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(bin + QStringLiteral("/help.html")));
        const QString installed = root.filePath(QStringLiteral("share/Morvane/help.html"));
        touch(installed);
        QCOMPARE(helpFileTarget(bin, QStringLiteral("../share/Morvane")), installed);
    }
};

QTEST_APPLESS_MAIN(TestHelpFile)
#include "tst_helpfile.moc"
