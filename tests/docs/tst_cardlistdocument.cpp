#include "FileHelpers.h"
#include "card/Error.h"
#include "docs/CardListDocument.h"
#include "docs/FileErrors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>

class TestCardListDocument : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString file(const char *name) const { return m_dir.filePath(QLatin1String(name)); }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void formats_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("three words") << QStringList{"apple", "Banana", "cherry"}
                                     << QByteArray("apple\r\nBanana\r\ncherry\r\n");
        QTest::newRow("empty list") << QStringList{} << QByteArray();
        QTest::newRow("blanks kept") << QStringList{" lead", "trail\t"} << QByteArray(" lead\r\ntrail\t\r\n");
        QTest::newRow("order kept") << QStringList{"b", "a", "b"} << QByteArray("b\r\na\r\nb\r\n");
        QTest::newRow("utf-8") << QStringList{QStringLiteral("caf\u00e9 \u20ac")}
                               << QByteArray("caf\xc3\xa9 \xe2\x82\xac\r\n");
    }
    void formats()
    {
        QFETCH(QStringList, entries);
        QFETCH(QByteArray, bytes);
        QCOMPARE(formatCardList(entries), bytes);
        const QString path = file("format.mrv");
        WriteCardList(path, entries);
        QCOMPARE(readBytes(path), bytes);
    }

    void parses_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("empty") << QByteArray() << QStringList{};
        QTest::newRow("crlf") << QByteArray("apple\r\nBanana\r\n") << QStringList{"apple", "Banana"};
        QTest::newRow("lf, blank and tab lines, blanks around")
            << QByteArray("one\n\n   \n\t\t\n  two  \n\tthree\t\n") << QStringList{"one", "two", "three"};
        QTest::newRow("last line unterminated") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("duplicates kept") << QByteArray("cat\r\ncat\r\n") << QStringList{"cat", "cat"};
        QTest::newRow("lone cr dropped") << QByteArray("ab\rcd\r\n\r\r\nx\r") << QStringList{"abcd", "x"};
        QTest::newRow("ctrl-z ends") << QByteArray("a\r\nb\x1a\r\nc\r\n") << QStringList{"a", "b"};
        QTest::newRow("ctrl-z first") << QByteArray("\x1a"
                                                    "a\r\n")
                                      << QStringList{};
        QTest::newRow("controls trimmed") << QByteArray("\x01\x02word\x1f\r\n", 9) << QStringList{"word"};
        QTest::newRow("nul trimmed") << QByteArray("\0x\0\n", 4) << QStringList{"x"};
        QTest::newRow("inner blanks kept") << QByteArray(" a  b \n") << QStringList{"a  b"};
        QTest::newRow("windows-1252") << QByteArray("caf\xe9\r\n\x80 5\r\n\x93quoted\x94\r\n")
                                      << QStringList{QStringLiteral("caf\u00e9"), QStringLiteral("\u20ac 5"),
                                                     QStringLiteral("\u201cquoted\u201d")};
        QTest::newRow("utf-8") << QByteArray("caf\xc3\xa9\r\n") << QStringList{QStringLiteral("caf\u00e9")};
        QTest::newRow("utf-8 byte order mark") << QByteArray("\xef\xbb\xbfsun\r\n") << QStringList{"sun"};
        QTest::newRow("non-breaking space kept") << QByteArray("\xc2\xa0x\n") << QStringList{QStringLiteral("\u00a0x")};
    }
    void parses()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, entries);
        QCOMPARE(parseCardList(bytes), entries);
        const QString path = file("parse.mrv");
        writeBytes(path, bytes);
        QStringList read;
        ReadCardList(path, read);
        QCOMPARE(read, entries);
    }

    void readAppendsToWhatIsThere()
    {
        const QString path = file("append.mrv");
        writeBytes(path, "b\r\n");
        QStringList entries{QStringLiteral("a")};
        ReadCardList(path, entries);
        QCOMPARE(entries, (QStringList{"a", "b"}));
    }

    void leadingBlankWrittenThenReadTrimmed()
    {
        const QString path = file("blank.mrv");
        WriteCardList(path, {QStringLiteral(" cat")});
        QCOMPARE(readBytes(path), QByteArray(" cat\r\n"));
        QStringList entries;
        ReadCardList(path, entries);
        QCOMPARE(entries, QStringList{QStringLiteral("cat")});
    }

    void readFailures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file") << "gone.mrv"
                                      << "File not found";
        QTest::newRow("missing folder") << "nofolder/x.mrv"
                                        << "File not found";
        QTest::newRow("parent is a file") << "regular/x.mrv"
                                          << "Invalid filename";
        QTest::newRow("a folder") << "adir.mrv"
                                  << "File access denied";
    }
    void readFailures()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        writeBytes(file("regular"), "x");
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("adir.mrv")));
        QStringList entries{QStringLiteral("kept")};
        QCOMPARE(failureOf([&] { ReadCardList(m_dir.filePath(name), entries); }), message);
        QCOMPARE(entries, QStringList{QStringLiteral("kept")});
    }

    void writeFailures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing folder") << "nofolder/x.mrv"
                                        << "Invalid filename";
        QTest::newRow("parent is a file") << "regular/x.mrv"
                                          << "Invalid filename";
        QTest::newRow("a folder") << "adir.mrv"
                                  << "File access denied";
        QTest::newRow("empty path") << ""
                                    << "Invalid filename";
    }
    void writeFailures()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        writeBytes(file("regular"), "x");
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("adir.mrv")));
        const QString path = name.isEmpty() ? QString() : m_dir.filePath(name);
        QCOMPARE(failureOf([&] { WriteCardList(path, {QStringLiteral("a")}); }), message);
        QVERIFY(!QDir(m_dir.filePath(QStringLiteral("nofolder"))).exists());
        QCOMPARE(readBytes(file("regular")), QByteArray("x"));
    }

    void failedWriteLeavesOldDocument()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list.mrv"));
        writeBytes(path, "old\r\n");
        QStringList big;
        for (int i = 0; i < 2000; ++i)
            big.append(QStringLiteral("entry number %1").arg(i));

        // A file-size limit makes the write fail part way, as a full disk
        // would, whoever runs the test.
        struct rlimit saved
        {
        };
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &saved) == 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = saved;
        small.rlim_cur = 1024;
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
        const QString message = failureOf([&] { WriteCardList(path, big); });
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QCOMPARE(message, QStringLiteral("Disk full"));
        QCOMPARE(readBytes(path), QByteArray("old\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("list.mrv")});
    }

    void overwriteKeepsPermissions()
    {
        const QString path = file("perm.mrv");
        writeBytes(path, "x\r\n");
        const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadOther;
        QVERIFY(QFile::setPermissions(path, mode));
        WriteCardList(path, {QStringLiteral("y")});
        QCOMPARE(QFile::permissions(path), mode);
        QCOMPARE(readBytes(path), QByteArray("y\r\n"));
    }

    void errorMessages_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("creating");
        QTest::addColumn<QString>("message");
        QTest::newRow("not found") << ENOENT << false << "File not found";
        QTest::newRow("no folder to create in") << ENOENT << true << "Invalid filename";
        QTest::newRow("not a folder") << ENOTDIR << false << "Invalid filename";
        QTest::newRow("name too long") << ENAMETOOLONG << false << "Invalid filename";
        QTest::newRow("too many files") << EMFILE << false << "Too many open files";
        QTest::newRow("access") << EACCES << false << "File access denied";
        QTest::newRow("read-only file system") << EROFS << true << "File access denied";
        QTest::newRow("disk full") << ENOSPC << false << "Disk full";
        QTest::newRow("quota") << EDQUOT << false << "Disk full";
        QTest::newRow("other") << EIO << false << QStringLiteral("I/O error %1").arg(EIO);
    }
    void errorMessages()
    {
        QFETCH(int, error);
        QFETCH(bool, creating);
        QFETCH(QString, message);
        QCOMPARE(fileErrorMessage(error, creating), message);
    }
};

QTEST_GUILESS_MAIN(TestCardListDocument)
#include "tst_cardlistdocument.moc"
