#include "FileHelpers.h"
#include "card/Error.h"
#include "docs/Folders.h"
#include "docs/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

const QString S = QStringLiteral("Options");

} // namespace

class TestIniFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString file(const char *name) const { return m_dir.filePath(QLatin1String(name)); }

private Q_SLOTS:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(QStringLiteral("Morvane"));
        QVERIFY(m_dir.isValid());
    }

    void missingFileGivesDefaults()
    {
        const IniFile ini(file("none.ini"));
        QCOMPARE(ini.readString(S, QStringLiteral("FountName"), QStringLiteral("Arial")), QStringLiteral("Arial"));
        QCOMPARE(ini.readInteger(S, QStringLiteral("FontSize"), 20), 20);
        QCOMPARE(ini.readBool(S, QStringLiteral("ChkHeading"), true), true);
        QCOMPARE(ini.readBool(S, QStringLiteral("ChkHeading"), false), false);
        QVERIFY(!QFile::exists(file("none.ini")));
    }

    void emptyPathReadsDefaultsAndRefusesWrites()
    {
        IniFile ini{QString()};
        QCOMPARE(ini.readInteger(S, QStringLiteral("CardSize"), 1), 1);
        QCOMPARE(failureOf([&] { ini.writeInteger(S, QStringLiteral("CardSize"), 1); }),
                 QStringLiteral("Unable to write to "));
    }

    void integers_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("value");
        QTest::newRow("hex 0x18") << QByteArray("0x18") << 24;
        QTest::newRow("dollar hex") << QByteArray("$10") << 16;
        QTest::newRow("letters") << QByteArray("abc") << 20;
        QTest::newRow("empty") << QByteArray("") << 20;
        QTest::newRow("negative") << QByteArray("-3") << -3;
        QTest::newRow("blanks around") << QByteArray("  12  ") << 12;
        QTest::newRow("trailing letter") << QByteArray("12pt") << 20;
        QTest::newRow("out of range") << QByteArray("2147483648") << 20;
        QTest::newRow("decimal point") << QByteArray("1.5") << 20;
    }
    void integers()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, value);
        writeBytes(file("int.ini"), "[Options]\r\nFontSize=" + stored + "\r\n");
        QCOMPARE(IniFile(file("int.ini")).readInteger(S, QStringLiteral("FontSize"), 20), value);
    }

    void booleans_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("def");
        QTest::addColumn<bool>("value");
        QTest::newRow("2 is true") << QByteArray("2") << false << true;
        QTest::newRow("no gives default true") << QByteArray("no") << true << true;
        QTest::newRow("no gives default false") << QByteArray("no") << false << false;
        QTest::newRow("0 is false") << QByteArray("0") << true << false;
        QTest::newRow("1 is true") << QByteArray("1") << false << true;
        QTest::newRow("-1 is true") << QByteArray("-1") << false << true;
        QTest::newRow("hex zero is false") << QByteArray("0x0") << true << false;
        QTest::newRow("empty gives default") << QByteArray("") << true << true;
        QTest::newRow("true is not a number") << QByteArray("true") << false << false;
    }
    void booleans()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, def);
        QFETCH(bool, value);
        writeBytes(file("bool.ini"), "[Options]\r\nChkHeading=" + stored + "\r\n");
        QCOMPARE(IniFile(file("bool.ini")).readBool(S, QStringLiteral("ChkHeading"), def), value);
    }

    void lookupRules_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("value");
        QTest::newRow("case of section and key") << QByteArray("[OPTIONS]\nfountname=Times\n") << "Times";
        QTest::newRow("first duplicate wins") << QByteArray("[Options]\nFountName=A\nFountName=B\n") << "A";
        QTest::newRow("first section wins") << QByteArray("[Options]\nOther=1\n[Options]\nFountName=Late\n") << "Arial";
        QTest::newRow("trimmed") << QByteArray("[Options]\n  FountName \t=  Courier New  \r\n") << "Courier New";
        QTest::newRow("key of another section")
            << QByteArray("[Other]\nFountName=X\n[Options]\nFontSize=2\n") << "Arial";
        QTest::newRow("key before any section") << QByteArray("FountName=X\n[Options]\n") << "Arial";
        QTest::newRow("commented out") << QByteArray("[Options]\n;FountName=X\n") << "Arial";
        QTest::newRow("no equals sign") << QByteArray("[Options]\nFountName\n") << "Arial";
        QTest::newRow("equals in value") << QByteArray("[Options]\nFountName=a=b\n") << "a=b";
        QTest::newRow("empty value") << QByteArray("[Options]\nFountName=\n") << "";
        QTest::newRow("blanks around header") << QByteArray("  [ Options ]  \nFountName=Y\n") << "Y";
        QTest::newRow("no final line break") << QByteArray("[Options]\nFountName=Z") << "Z";
        QTest::newRow("windows-1252 value") << QByteArray("[Options]\nFountName=Caf\xe9\n") << "Caf\u00e9";
        QTest::newRow("utf-8 value") << QByteArray("[Options]\nFountName=Caf\xc3\xa9\n") << "Caf\u00e9";
    }
    void lookupRules()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, value);
        writeBytes(file("lookup.ini"), content);
        QCOMPARE(IniFile(file("lookup.ini")).readString(S, QStringLiteral("FountName"), QStringLiteral("Arial")),
                 value);
    }

    void longValueStoredWholeAndReadCut()
    {
        const QString path = file("long.ini");
        const QString text(3000, QLatin1Char('x'));
        IniFile ini(path);
        ini.writeString(S, QStringLiteral("TxtFreeSpace"), text);
        ini.close();
        QCOMPARE(readBytes(path), "[Options]\r\nTxtFreeSpace=" + text.toLatin1() + "\r\n");
        const QString back = IniFile(path).readString(S, QStringLiteral("TxtFreeSpace"), QString());
        QCOMPARE(back.size(), 2047);
        QCOMPARE(back, text.left(2047));
    }

    void writeChangesOneLine_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("new file") << QByteArray() << "CardSize"
                                  << "2" << QByteArray("[Options]\r\nCardSize=2\r\n");
        QTest::newRow("change keeps spacing and key spelling")
            << QByteArray("; mine\r\n[options]\r\n  cardsize = 1\r\nOther=x\r\n\r\n[Next]\r\nA=1\r\n") << "CardSize"
            << "0" << QByteArray("; mine\r\n[options]\r\n  cardsize = 0\r\nOther=x\r\n\r\n[Next]\r\nA=1\r\n");
        QTest::newRow("change first of duplicates") << QByteArray("[Options]\nCardSize=1\nCardSize=2\n") << "CardSize"
                                                    << "0" << QByteArray("[Options]\nCardSize=0\nCardSize=2\n");
        QTest::newRow("add to section before blank line")
            << QByteArray("[Options]\r\nA=1\r\n; note\r\n\r\n[Next]\r\nB=2\r\n") << "CardSize"
            << "1" << QByteArray("[Options]\r\nA=1\r\n; note\r\nCardSize=1\r\n\r\n[Next]\r\nB=2\r\n");
        QTest::newRow("add to last section without final break") << QByteArray("[Options]\nA=1") << "CardSize"
                                                                 << "1" << QByteArray("[Options]\nA=1\nCardSize=1\n");
        QTest::newRow("new section after others")
            << QByteArray("[Other]\r\nX=1\r\n") << "CardSize"
            << "1" << QByteArray("[Other]\r\nX=1\r\n\r\n[Options]\r\nCardSize=1\r\n");
        QTest::newRow("new section after trailing blank line")
            << QByteArray("[Other]\nX=1\n\n") << "CardSize"
            << "1" << QByteArray("[Other]\nX=1\n\n[Options]\nCardSize=1\n");
        QTest::newRow("new section, no final break") << QByteArray("# x") << "CardSize"
                                                     << "1" << QByteArray("# x\r\n\r\n[Options]\r\nCardSize=1\r\n");
        QTest::newRow("windows-1252 elsewhere kept")
            << QByteArray("[Other]\r\nN=Caf\xe9\r\n[Options]\r\nCardSize=1\r\n") << "CardSize"
            << "2" << QByteArray("[Other]\r\nN=Caf\xe9\r\n[Options]\r\nCardSize=2\r\n");
        QTest::newRow("line break in value becomes blank")
            << QByteArray() << "TxtHeading"
            << "A\nB=1" << QByteArray("[Options]\r\nTxtHeading=A B=1\r\n");
        QTest::newRow("empty value") << QByteArray("[Options]\r\nTxtHeading=BINGO\r\n") << "TxtHeading"
                                     << "" << QByteArray("[Options]\r\nTxtHeading=\r\n");
    }
    void writeChangesOneLine()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        const QString path = file("write.ini");
        QFile::remove(path);
        if (!before.isEmpty())
            writeBytes(path, before);
        IniFile ini(path);
        ini.writeString(S, key, value);
        QCOMPARE(readBytes(path), after);
    }

    void numbersAndBooleansAsText()
    {
        const QString path = file("kinds.ini");
        QFile::remove(path);
        IniFile ini(path);
        ini.writeInteger(S, QStringLiteral("CardSize"), -1);
        ini.writeBool(S, QStringLiteral("ChkFreeSpace"), true);
        ini.writeBool(S, QStringLiteral("ChkHeading"), false);
        QCOMPARE(readBytes(path), QByteArray("[Options]\r\nCardSize=-1\r\nChkFreeSpace=1\r\nChkHeading=0\r\n"));
        QCOMPARE(ini.readInteger(S, QStringLiteral("CardSize"), 1), -1);
        QCOMPARE(ini.readBool(S, QStringLiteral("ChkHeading"), true), false);
    }

    void missingFolderIsNotCreated()
    {
        const QString path = file("no-such-folder/Options.ini");
        IniFile ini(path);
        QCOMPARE(failureOf([&] { ini.writeBool(S, QStringLiteral("ChkWordWrap"), true); }),
                 QStringLiteral("Unable to write to ") + path);
        QVERIFY(!QDir(file("no-such-folder")).exists());
    }

    void parentIsARegularFile()
    {
        writeBytes(file("plain"), "x");
        const QString path = file("plain/Options.ini");
        IniFile ini(path);
        QCOMPARE(failureOf([&] { ini.writeString(S, QStringLiteral("TxtHeading"), QStringLiteral("B")); }),
                 QStringLiteral("Unable to write to ") + path);
        QCOMPARE(readBytes(file("plain")), QByteArray("x"));
    }

    void pathIsAFolder()
    {
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder.ini")));
        IniFile ini(file("folder.ini"));
        QCOMPARE(ini.readString(S, QStringLiteral("A"), QStringLiteral("d")), QStringLiteral("d"));
        QCOMPARE(failureOf([&] { ini.writeString(S, QStringLiteral("A"), QStringLiteral("B")); }),
                 QStringLiteral("Unable to write to ") + file("folder.ini"));
    }

    void readOnlyFileIsNotReplaced()
    {
        if (::geteuid() == 0)
            QSKIP("permissions do not bind root");
        const QString path = file("readonly.ini");
        writeBytes(path, "[Options]\r\nCardSize=1\r\n");
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser));
        IniFile ini(path);
        QCOMPARE(failureOf([&] { ini.writeInteger(S, QStringLiteral("CardSize"), 2); }),
                 QStringLiteral("Unable to write to ") + path);
        QCOMPARE(readBytes(path), QByteArray("[Options]\r\nCardSize=1\r\n"));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }

    void writeKeepsPermissionsAndLeavesNoTemporaryFiles()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Options.ini"));
        writeBytes(path, "[Options]\r\n");
        const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(path, mode));
        IniFile ini(path);
        for (int i = 0; i < 5; ++i)
            ini.writeInteger(S, QStringLiteral("CardSize"), i);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Options.ini")});
        QCOMPARE(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser), mode);
    }

    void writeGoesThroughSymbolicLink()
    {
        QTemporaryDir dir;
        const QString real = dir.filePath(QStringLiteral("real.ini"));
        const QString link = dir.filePath(QStringLiteral("link.ini"));
        writeBytes(real, "[Options]\n");
        QVERIFY(QFile::link(real, link));
        IniFile(link).writeInteger(S, QStringLiteral("CardSize"), 0);
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readBytes(real), QByteArray("[Options]\nCardSize=0\n"));
    }

    // Parsed once per accessor, so size alone decides the cost; a file past
    // 1 MiB is no settings file of ours and is left alone.
    void largeFiles_data()
    {
        QTest::addColumn<qsizetype>("padding");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("failure");
        const qsizetype keys = QByteArray("[Options]\nTxtHeading=LOTTO\n").size();
        QTest::newRow("1 MiB of blank lines") << IniFile::MaxFileSize - keys << "LOTTO"
                                              << "<no error>";
        QTest::newRow("one byte more") << IniFile::MaxFileSize - keys + 1 << "BINGO"
                                       << "Unable to write to ";
    }
    void largeFiles()
    {
        QFETCH(qsizetype, padding);
        QFETCH(QString, heading);
        QFETCH(QString, failure);
        const QString path = file("large.ini");
        const QByteArray bytes = QByteArray(padding, '\n') + "[Options]\nTxtHeading=LOTTO\n";
        writeBytes(path, bytes);
        IniFile ini(path);
        QCOMPARE(ini.readString(S, QStringLiteral("TxtHeading"), QStringLiteral("BINGO")), heading);
        QCOMPARE(failureOf([&] { ini.writeInteger(S, QStringLiteral("CardSize"), 2); }),
                 failure.startsWith(QLatin1Char('<')) ? failure : failure + path);
        if (failure.startsWith(QLatin1Char('<')))
            QCOMPARE(readBytes(path), bytes + "CardSize=2\n");
        else
            QCOMPARE(readBytes(path), bytes);
    }

    // Writes after writes and reads after writes see the accessor's own
    // changes; another accessor reading the file afterwards sees the same.
    void writesBuildOnEachOther()
    {
        const QString path = file("sequence.ini");
        writeBytes(path, "[Other]\nA=1\n[Options]\nTxtHeading=X\n\n[Last]\nB=2");
        IniFile ini(path);
        ini.writeString(S, QStringLiteral("TxtHeading"), QStringLiteral("a much longer heading"));
        ini.writeInteger(S, QStringLiteral("CardSize"), 0);
        ini.writeString(QStringLiteral("Last"), QStringLiteral("C"), QStringLiteral("3"));
        ini.writeString(QStringLiteral("New"), QStringLiteral("D"), QStringLiteral("4"));
        ini.writeString(S, QStringLiteral("TxtHeading"), QStringLiteral("H"));
        const QByteArray expected(
            "[Other]\nA=1\n[Options]\nTxtHeading=H\nCardSize=0\n\n[Last]\nB=2\nC=3\n\n[New]\nD=4\n");
        QCOMPARE(readBytes(path), expected);
        ini.close();
        const IniFile fresh(path);
        for (const IniFile *reader : {static_cast<const IniFile *>(&ini), &fresh}) {
            QCOMPARE(reader->readString(S, QStringLiteral("TxtHeading"), QString()), QStringLiteral("H"));
            QCOMPARE(reader->readInteger(S, QStringLiteral("CardSize"), 1), 0);
            QCOMPARE(reader->readInteger(QStringLiteral("Other"), QStringLiteral("A"), 0), 1);
            QCOMPARE(reader->readInteger(QStringLiteral("Last"), QStringLiteral("B"), 0), 2);
            QCOMPARE(reader->readInteger(QStringLiteral("Last"), QStringLiteral("C"), 0), 3);
            QCOMPARE(reader->readInteger(QStringLiteral("New"), QStringLiteral("D"), 0), 4);
        }
    }

    // Two copies closing at once: the writes of one accessor are one unit,
    // and an accessor opened earlier keeps what the other wrote meanwhile.
    void accessorsWriteOneAtATime()
    {
        const QString path = file("shared.ini");
        writeBytes(path, "[Options]\nCardSize=1\n");
        IniFile second(path);
        QCOMPARE(second.readInteger(S, QStringLiteral("CardSize"), -1), 1);
        {
            IniFile first(path);
            first.writeInteger(S, QStringLiteral("CardSize"), 2);
            QCOMPARE(failureOf([&] { second.writeString(S, QStringLiteral("TxtHeading"), QStringLiteral("LOTTO")); }),
                     QStringLiteral("Unable to write to ") + path);
            first.writeBool(S, QStringLiteral("ChkHeading"), false);
        }
        second.writeString(S, QStringLiteral("TxtHeading"), QStringLiteral("LOTTO"));
        second.close();
        QCOMPARE(readBytes(path), QByteArray("[Options]\nCardSize=2\nChkHeading=0\nTxtHeading=LOTTO\n"));
    }

    // A writable Options.ini in a product folder that takes no new file.
    void writesInPlaceInAReadOnlyFolder()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("Morvane"));
        const QString path = folder + QStringLiteral("/Options.ini");
        writeBytes(path, "[Options]\r\nCardSize=1\r\n");
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                      | QFile::ReadOther | QFile::ExeOther));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
        if (::geteuid() == 0)
            QCOMPARE(::chown(QFile::encodeName(path).constData(), NobodyId, NobodyId), 0);
        const QString failure = failureInChild(becomeNobodyIfRoot, [&] {
            IniFile ini(path);
            ini.writeInteger(S, QStringLiteral("CardSize"), 2);
            ini.writeBool(S, QStringLiteral("ChkWordWrap"), false);
        });
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(failure, QStringLiteral("<no error>"));
        QCOMPARE(readBytes(path), QByteArray("[Options]\r\nCardSize=2\r\nChkWordWrap=0\r\n"));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Options.ini")});
    }

    void joinPath_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("joined");
        QTest::newRow("no separator") << "/home/u/.local/share/Morvane"
                                      << "Options.ini"
                                      << "/home/u/.local/share/Morvane/Options.ini";
        QTest::newRow("trailing separator") << "/data/"
                                            << "Morvane"
                                            << "/data/Morvane";
        QTest::newRow("both sides") << "/data//"
                                    << "/Morvane"
                                    << "/data/Morvane";
        QTest::newRow("backslash") << "C:\\Users\\u\\AppData\\"
                                   << "Morvane"
                                   << "C:\\Users\\u\\AppData/Morvane";
        QTest::newRow("root") << "/"
                              << "x"
                              << "/x";
        QTest::newRow("empty folder") << ""
                                      << "Options.ini"
                                      << "Options.ini";
        QTest::newRow("trailing part kept") << "/a"
                                            << "SampleLists/"
                                            << "/a/SampleLists/";
    }
    void joinPath()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QString, joined);
        QCOMPARE(::joinPath(folder, name), joined);
    }

    void productPathsFollowXdgDataHome_data()
    {
        QTest::addColumn<QString>("dataHome"); // "@": this test's folder
        QTest::addColumn<QString>("folder");   // "~": the home folder
        QTest::newRow("absolute, trailing separator") << "@/xdg/"
                                                      << "@/xdg/Morvane";
        QTest::newRow("relative is ignored") << "xdg"
                                             << "~/.local/share/Morvane";
        QTest::newRow("dot-relative is ignored") << "./xdg"
                                                 << "~/.local/share/Morvane";
        QTest::newRow("unset") << ""
                               << "~/.local/share/Morvane";
    }
    void productPathsFollowXdgDataHome()
    {
        QFETCH(QString, dataHome);
        QFETCH(QString, folder);
        dataHome.replace(QLatin1Char('@'), m_dir.path());
        folder.replace(QLatin1Char('@'), m_dir.path());
        folder.replace(QLatin1Char('~'), QDir::homePath());
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
        const QString product = productFolder();
        const QString options = OptionsFilePath();
        const QString samples = SampleListsPath();
        qputenv("XDG_DATA_HOME", saved);
        QCOMPARE(product, folder);
        QCOMPARE(options, folder + QStringLiteral("/Options.ini"));
        QCOMPARE(samples, folder + QStringLiteral("/SampleLists/"));
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
