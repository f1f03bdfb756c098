#include "FileHelpers.h"
#include "card/Error.h"
#include "docs/CardListDocument.h"
#include "docs/FileErrors.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/time.h>

namespace {

ino_t inodeOf(const QString &path)
{
    struct stat st
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

} // namespace

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
        QTest::newRow("each line its own encoding")
            << QByteArray("caf\xc3\xa9\r\nna\xefve\r\n")
            << QStringList{QStringLiteral("caf\u00e9"), QStringLiteral("na\u00efve")};
        QTest::newRow("byte-order mark before windows-1252")
            << QByteArray("\xef\xbb\xbf\xe9t\xe9\r\n") << QStringList{QStringLiteral("\u00e9t\u00e9")};
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

    // The program's own handling of "ulimit -f": in a child whose file-size
    // signal is at its default action, the write fails instead of killing it.
    void failedWriteLeavesOldDocument()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list.mrv"));
        writeBytes(path, "old\r\n");
        QStringList big;
        for (int i = 0; i < 2000; ++i)
            big.append(QStringLiteral("entry number %1").arg(i));

        const QString message = failureInChild([] { return limitFileSize(1024); }, [&] { WriteCardList(path, big); });

        QCOMPARE(message, QStringLiteral("Disk full"));
        QCOMPARE(readBytes(path), QByteArray("old\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("list.mrv")});
    }

    // One line in another encoding garbles nothing else, and Save writes
    // every line back as UTF-8.
    void mixedEncodingsSurviveOpenAndSave()
    {
        const QString path = file("mixed.mrv");
        writeBytes(path, "caf\xc3\xa9\r\nna\xefve\r\n\xe2\x82\xac 5\r\nbad \xff byte\r\n");
        QStringList entries;
        ReadCardList(path, entries);
        const QStringList expected{QStringLiteral("caf\u00e9"), QStringLiteral("na\u00efve"),
                                   QStringLiteral("\u20ac 5"), QStringLiteral("bad \u00ff byte")};
        QCOMPARE(entries, expected);
        WriteCardList(path, entries);
        QCOMPARE(readBytes(path), QByteArray("caf\xc3\xa9\r\nna\xc3\xafve\r\n\xe2\x82\xac 5\r\nbad \xc3\xbf byte\r\n"));
        QStringList again;
        ReadCardList(path, again);
        QCOMPARE(again, expected);
    }

    void refusesTargetsThatAreNotFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("fifo") << "fifo";
        QTest::newRow("device") << "device";
        QTest::newRow("link to a fifo") << "link";
    }
    void refusesTargetsThatAreNotFiles()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("node.mrv"));
        const QByteArray node = QFile::encodeName(path);
        if (kind == QLatin1String("device")) {
            // Only root may make a device node; anyone else tries the system's own.
            if (::geteuid() != 0)
                path = QStringLiteral("/dev/null");
            else
                QCOMPARE(::mknod(node.constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
        } else {
            QCOMPARE(::mkfifo(node.constData(), 0666), 0);
        }
        if (kind == QLatin1String("link")) {
            path = dir.filePath(QStringLiteral("link.mrv"));
            QVERIFY(QFile::link(QStringLiteral("node.mrv"), path));
        }
        struct stat before
        {
        };
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &before), 0);
        QCOMPARE(failureOf([&] { WriteCardList(path, {QStringLiteral("a")}); }), QStringLiteral("File access denied"));
        struct stat after
        {
        };
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &after), 0);
        QCOMPARE(after.st_mode, before.st_mode);
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(after.st_rdev, before.st_rdev);
    }

    void writesThroughLinkChains_data()
    {
        QTest::addColumn<QStringList>("links"); // each "name->target", made in order
        QTest::addColumn<QString>("written");   // where the bytes must end up
        QTest::newRow("two links") << QStringList{"l2.mrv->real.mrv", "l1.mrv->l2.mrv"} << "real.mrv";
        QTest::newRow("across folders") << QStringList{"sub/l2.mrv->../deep/real.mrv", "l1.mrv->sub/l2.mrv"}
                                        << "deep/real.mrv";
        QTest::newRow("absolute then relative")
            << QStringList{"sub/l2.mrv->real.mrv", "l1.mrv->@/sub/l2.mrv"} << "sub/real.mrv";
        QTest::newRow("dangling end is created") << QStringList{"l1.mrv->new.mrv"} << "new.mrv";
    }
    void writesThroughLinkChains()
    {
        QFETCH(QStringList, links);
        QFETCH(QString, written);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("sub")));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("deep")));
        if (written != QLatin1String("new.mrv"))
            writeBytes(dir.filePath(written), "old\r\n");
        for (const QString &link : links) {
            const QStringList parts = link.split(QStringLiteral("->"));
            QString target = parts[1];
            target.replace(QLatin1Char('@'), dir.path());
            QCOMPARE(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(dir.filePath(parts[0]))), 0);
        }
        WriteCardList(dir.filePath(QStringLiteral("l1.mrv")), {QStringLiteral("new")});
        QCOMPARE(readBytes(dir.filePath(written)), QByteArray("new\r\n"));
        for (const QString &link : links)
            QVERIFY(QFileInfo(dir.filePath(link.split(QStringLiteral("->"))[0])).isSymLink());
    }

    void linkLoopIsAnInvalidName()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::link(QStringLiteral("b.mrv"), dir.filePath(QStringLiteral("a.mrv"))));
        QVERIFY(QFile::link(QStringLiteral("a.mrv"), dir.filePath(QStringLiteral("b.mrv"))));
        QCOMPARE(failureOf([&] { WriteCardList(dir.filePath(QStringLiteral("a.mrv")), {QStringLiteral("x")}); }),
                 QStringLiteral("Invalid filename"));
    }

    // A writable document in a folder that takes no new file is written in
    // place; a full disk there still leaves the old content alone.
    void writesInPlaceWhenTheFolderIsReadOnly_data()
    {
        QTest::addColumn<int>("sizeLimit"); // 0: none
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("saved") << 0 << "<no error>" << QByteArray("new one\r\nnew two\r\n");
        QTest::newRow("disk full") << 12 << "Disk full" << QByteArray("old\r\n");
    }
    void writesInPlaceWhenTheFolderIsReadOnly()
    {
        QFETCH(int, sizeLimit);
        QFETCH(QString, message);
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("locked"));
        const QString path = folder + QStringLiteral("/list.mrv");
        writeBytes(path, "old\r\n");
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                      | QFile::ReadOther | QFile::ExeOther));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
        if (::geteuid() == 0)
            QCOMPARE(::chown(QFile::encodeName(path).constData(), NobodyId, NobodyId), 0);

        const QString failure =
            failureInChild([&] { return becomeNobodyIfRoot() && (sizeLimit == 0 || limitFileSize(rlim_t(sizeLimit))); },
                           [&] {
                               WriteCardList(path, {QStringLiteral("new one"), QStringLiteral("new two")});
                           });
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(failure, message);
        QCOMPARE(readBytes(path), content);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("list.mrv")});
    }

    // Names up to the limit of 255 bytes save, whatever their temporary name.
    void longNamesSave_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("252 bytes") << QString(248, QLatin1Char('n')) + QStringLiteral(".mrv");
        QTest::newRow("255 bytes") << QString(251, QLatin1Char('n')) + QStringLiteral(".mrv");
        QTest::newRow("255 bytes of two-byte letters") << QString(125, QChar(0x00e9)) + QStringLiteral("n.mrv");
    }
    void longNamesSave()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        writeBytes(path, "old\r\n");
        WriteCardList(path, {QStringLiteral("new")});
        QCOMPARE(readBytes(path), QByteArray("new\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
    }

    // What a killed save left is removed by the next save, but only when it
    // is ours, old enough and no running save holds it.
    void staleTemporaries_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("ageSeconds");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<bool>("removed");
        QTest::newRow("ours, old") << ".list.mrv.morvane-a1b2c3" << 60 << false << true;
        QTest::newRow("ours, just made") << ".list.mrv.morvane-a1b2c3" << 0 << false << false;
        QTest::newRow("ours, being written") << ".list.mrv.morvane-a1b2c3" << 60 << true << false;
        QTest::newRow("another document's") << ".other.mrv.morvane-a1b2c3" << 60 << false << false;
        QTest::newRow("longer tail") << ".list.mrv.morvane-a1b2c3d" << 60 << false << false;
        QTest::newRow("the user's own name") << "list.mrv.morvane-a1b2c3" << 60 << false << false;
    }
    void staleTemporaries()
    {
        QFETCH(QString, name);
        QFETCH(int, ageSeconds);
        QFETCH(bool, locked);
        QFETCH(bool, removed);
        QTemporaryDir dir;
        const QString stale = dir.filePath(name);
        writeBytes(stale, "half a list");
        const QByteArray staleName = QFile::encodeName(stale);
        const struct timeval old[2] = {{::time(nullptr) - ageSeconds, 0}, {::time(nullptr) - ageSeconds, 0}};
        QCOMPARE(::utimes(staleName.constData(), old), 0);
        const int holder = ::open(staleName.constData(), O_RDONLY | O_CLOEXEC);
        QVERIFY(holder >= 0);
        if (locked)
            QCOMPARE(::flock(holder, LOCK_EX), 0);
        WriteCardList(dir.filePath(QStringLiteral("list.mrv")), {QStringLiteral("a")});
        ::close(holder);
        QCOMPARE(!QFileInfo::exists(stale), removed);
        QCOMPARE(readBytes(dir.filePath(QStringLiteral("list.mrv"))), QByteArray("a\r\n"));
    }

    // Killed at any moment of a save, the document is the old one or the new
    // one, and nothing else outlives the next save.
    void killedSavesLeaveNothingBehind()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list.mrv"));
        const QStringList first(10000, QStringLiteral("first version"));
        const QStringList second(15000, QStringLiteral("second version"));
        WriteCardList(path, first);
        for (int kill = 0; kill < 5; ++kill) {
            const pid_t pid = ::fork();
            if (pid == 0) {
                for (;;) {
                    WriteCardList(path, second);
                    WriteCardList(path, first);
                }
            }
            // The writer must not outlive a failed check: it would save forever.
            auto reap = qScopeGuard([pid] {
                ::kill(pid, SIGKILL);
                ::waitpid(pid, nullptr, 0);
            });
            // Killed after a different number of completed saves each time;
            // a loaded machine may take seconds over one synced save.
            for (int saves = 0; saves <= kill; ++saves) {
                const ino_t seen = inodeOf(path);
                QTRY_VERIFY_WITH_TIMEOUT(inodeOf(path) != seen, 60000);
            }
            reap.dismiss();
            QCOMPARE(::kill(pid, SIGKILL), 0);
            QCOMPARE(::waitpid(pid, nullptr, 0), pid);
            const QByteArray bytes = readBytes(path);
            QVERIFY(bytes == formatCardList(first) || bytes == formatCardList(second));
        }
        // The only moment a crash can leave a temporary file is between
        // naming it and renaming it; age what there is, as time would.
        for (const QFileInfo &left : QDir(dir.path()).entryInfoList(QDir::Files | QDir::Hidden)) {
            if (left.fileName() == QLatin1String("list.mrv"))
                continue;
            QVERIFY2(left.fileName().startsWith(QLatin1String(".list.mrv.morvane-")), qPrintable(left.fileName()));
            const struct timeval old[2] = {{::time(nullptr) - 60, 0}, {::time(nullptr) - 60, 0}};
            QCOMPARE(::utimes(QFile::encodeName(left.filePath()).constData(), old), 0);
        }
        WriteCardList(path, {QStringLiteral("last")});
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("list.mrv")});
    }

    void entryLimit_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qsizetype>("limit");
        QTest::addColumn<qsizetype>("count");
        QTest::newRow("blank lines do not count")
            << QByteArray("a\r\n\r\n  \r\nb\n\tc") << qsizetype(10) << qsizetype(3);
        QTest::newRow("counting stops at the limit") << QByteArray("a\nb\nc\nd\n") << qsizetype(2) << qsizetype(2);
        QTest::newRow("nothing after ctrl-z") << QByteArray("a\n\x1a b\n") << qsizetype(10) << qsizetype(1);
    }
    void entryLimit()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qsizetype, limit);
        QFETCH(qsizetype, count);
        QCOMPARE(countCardListEntries(bytes, limit), count);
    }

    // Refused before a single entry is built, blank lines not counted.
    void refusesMoreThanAMillionEntries()
    {
        const QString path = file("million.mrv");
        writeBytes(path, QByteArray("\r\n\r\n") + QByteArray("a\r\n").repeated(MaxCardListEntries + 1));
        QStringList entries{QStringLiteral("kept")};
        QCOMPARE(failureOf([&] { ReadCardList(path, entries); }),
                 QStringLiteral("The card list has more than 1,000,000 entries, the most Morvane can open"));
        QCOMPARE(entries, QStringList{QStringLiteral("kept")});
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
