// The game file: what it holds and how it reads back, hostile files, the
// games folder, and when a numbered job records its game.
#include "FakePrintService.h"
#include "FakeProgress.h"
#include "FakePrompts.h"
#include "FileHelpers.h"
#include "GameFixtures.h"
#include "PrintFixtures.h"
#include "SequenceRandom.h"

#include "card/CommandGuard.h"
#include "game/GameCode.h"
#include "game/GameFile.h"
#include "game/GameFolder.h"
#include "game/NumberedGame.h"
#include "print/CardPrintJob.h"

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <sys/stat.h>

namespace {

using Edit = std::function<QByteArray(QByteArray)>;

QByteArray replaced(QByteArray bytes, const char *from, const char *to)
{
    return bytes.replace(from, to);
}

// The tests' game: the numbers 1 to 75, two calls.
GameRecord sampleGame()
{
    GameRecord r = gameRecord(numberEntries(1, 75), 1, true, 1234567, 200);
    r.calls = QStringList{QStringLiteral("7"), QStringLiteral("61")};
    return r;
}

void compareRecords(const GameRecord &a, const GameRecord &b)
{
    QCOMPARE(a.format, b.format);
    QCOMPARE(a.code, b.code);
    QCOMPARE(a.created, b.created);
    QCOMPARE(a.entries, b.entries);
    QCOMPARE(a.settings.sizeIndex, b.settings.sizeIndex);
    QCOMPARE(a.settings.freeSpace, b.settings.freeSpace);
    QCOMPARE(a.settings.freeSpaceText, b.settings.freeSpaceText);
    QCOMPARE(a.settings.heading, b.settings.heading);
    QCOMPARE(a.settings.headingText, b.settings.headingText);
    QCOMPARE(a.settings.wordWrap, b.settings.wordWrap);
    QCOMPARE(a.settings.fontName, b.settings.fontName);
    QCOMPARE(a.settings.fontSize, b.settings.fontSize);
    QCOMPARE(a.cardsPerPage, b.cardsPerPage);
    QCOMPARE(a.cards, b.cards);
    QCOMPARE(a.seed, b.seed);
    QCOMPARE(a.calls, b.calls);
}

} // namespace

class TestGameRecord : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;

private Q_SLOTS:
    void init() { dir = std::make_unique<QTemporaryDir>(); }

    // As the first format wrote it, which is still read.
    void fileIsPlainText()
    {
        GameRecord r = gameRecord(letters("abcdefghi"), 0, false, 99, 12);
        r.format = 1;
        r.calls = QStringList{QStringLiteral("e")};
        QCOMPARE(formatGameRecord(r), QByteArray("[Game]\n"
                                                 "Format=1\n"
                                                 "Created=2025-03-14T20:15:03+01:00\n"
                                                 "Code=Y5HTCD\n"
                                                 "Seed=99\n"
                                                 "CardSize=0\n"
                                                 "ChkFreeSpace=0\n"
                                                 "TxtFreeSpace=Free Space\n"
                                                 "ChkHeading=1\n"
                                                 "TxtHeading=BINGO\n"
                                                 "ChkWordWrap=1\n"
                                                 "FontName=Arial\n"
                                                 "FontSize=20\n"
                                                 "CardsPerPage=4\n"
                                                 "Cards=12\n"
                                                 "Entries=9\n"
                                                 "Check=0ba41bf9b15f9217\n"
                                                 "\n"
                                                 "[Entries]\n"
                                                 "a\nb\nc\nd\ne\nf\ng\nh\ni\n"
                                                 "\n"
                                                 "[Calls]\n"
                                                 "e\n"));
    }

    // Each call line: its number, the first 8 hex digits of SHA-256 over the
    // check before it, a line feed and the line without its check, then the
    // call. The head's Check now covers Format and Created too.
    void callsAreAChainedJournal()
    {
        GameRecord r = gameRecord(letters("abcdefghi"), 0, false, 99, 12);
        r.calls = QStringList{QStringLiteral("e"), QStringLiteral("a\\b")};
        r.entries[0] = QStringLiteral("a\\b");
        const QByteArray bytes = formatGameRecord(r);
        const qsizetype calls = bytes.indexOf("[Calls]\n") + 8;
        const QByteArray head = bytes.left(calls);
        QVERIFY(head.startsWith("[Game]\nFormat=2\nCreated=2025-03-14T20:15:03+01:00\nCode=Y5HTCD\n"));
        const qsizetype at = head.indexOf("Check=") + 6;
        const QByteArray gameCheck = head.mid(at, 16);
        const QByteArray covered =
            head.mid(7, head.indexOf("Check=") - 7) + "[Entries]\na\\\\b\nb\nc\nd\ne\nf\ng\nh\ni\n";
        QCOMPARE(gameCheck, QCryptographicHash::hash(covered, QCryptographicHash::Sha256).toHex().left(16));
        const auto check = [](const QByteArray &before, const QByteArray &line) {
            return QCryptographicHash::hash(before + '\n' + line, QCryptographicHash::Sha256).toHex().left(8);
        };
        const QByteArray first = check(gameCheck, "1 +e");
        const QByteArray second = check(first, "2 +a\\\\b");
        QCOMPARE(bytes.mid(calls), "1 " + first + " +e\n2 " + second + " +a\\\\b\n");
    }

    void readsBackWhatWasWritten_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("freeSpaceText");
        QTest::addColumn<QString>("headingText");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("numbers") << numberEntries(1, 75) << "Free Space"
                                 << "BINGO" << QStringList{"75", "1"};
        QTest::newRow("texts kept exactly")
            << QStringList{" 5",         "tail ", "a\\b",       "[Calls]",    "\\e",   "x=y",   "line\nbreak",
                           "carriage\r", "",      "\u00C4rger", "\U0001F3B2", ";note", "#hash", "[Game"}
                   + wordEntries(10)
            << " \\ free [x] "
            << "" << QStringList{"[Calls]", "", " 5"};
        QTest::newRow("no calls") << wordEntries(24) << ""
                                  << " B I N G O " << QStringList{};
    }
    void readsBackWhatWasWritten()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, freeSpaceText);
        QFETCH(QString, headingText);
        QFETCH(QStringList, calls);
        GameRecord r = gameRecord(entries, 1, true, 0xFFFFFFFFFFFFFFFFULL, GameRecord::MaxCards);
        r.settings.freeSpaceText = freeSpaceText;
        r.settings.headingText = headingText;
        r.settings.heading = false;
        r.settings.wordWrap = false;
        r.settings.fontName = QStringLiteral("DejaVu Sans");
        r.settings.fontSize = 31;
        r.cardsPerPage = 2;
        r.calls = calls;
        const QString path = gameFilePath(dir->path(), r.code);
        writeGameRecord(path, r);
        compareRecords(readGameRecord(path), r);
    }

    // Each gives its message, and reading changes nothing.
    void hostileFilesAreRefused_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("message");
        const QString name = QStringLiteral("\"%1.mrvgame\" ").arg(gameCode(1234567));
        const QString notAGame = name + QStringLiteral("is not a Morvane game.");
        const QString newer =
            name + QStringLiteral("was made by a newer version of Morvane and cannot be opened here.");
        const QString cut = name + QStringLiteral("is incomplete: the file was cut short.");
        const QString changed =
            name + QStringLiteral("was changed outside Morvane: its cards can no longer be made again.");
        const auto cutAt = [](const char *before) {
            return Edit([before](QByteArray b) { return b.left(b.indexOf(before)); });
        };
        for (int format : {1, 2}) {
            const QByteArray line = "Format=" + QByteArray::number(format);
            const auto row = [format](const char *what) {
                return &(QTest::addRow("%s, format %d", what, format) << format);
            };
            *row("empty") << Edit([](QByteArray) { return QByteArray(); }) << notAGame;
            *row("binary") << Edit([](QByteArray) { return QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16); })
                           << notAGame;
            *row("a NUL inside") << Edit([](QByteArray b) { return b.insert(40, '\0'); }) << notAGame;
            *row("not UTF-8") << Edit([](QByteArray b) { return replaced(b, "BINGO", "B\xC9NGO"); }) << notAGame;
            *row("a card list") << Edit([](QByteArray) { return QByteArray("1\r\n2\r\n3\r\n"); }) << notAGame;
            *row("no format") << Edit([line](QByteArray b) { return b.replace(line + '\n', ""); }) << cut;
            *row("format 0") << Edit([line](QByteArray b) { return b.replace(line, "Format=0"); }) << notAGame;
            *row("newer format") << Edit([line](QByteArray b) { return b.replace(line, "Format=3"); }) << newer;
            *row("newer format past every int")
                << Edit([line](QByteArray b) { return b.replace(line, "Format=99999999999999999999"); }) << newer;
            *row("cut in the game section") << cutAt("CardsPerPage") << cut;
            *row("cut in a key") << cutAt("=4\nCards=") << cut;
            *row("cut in the entries") << cutAt("\n40\n") << cut;
            *row("cut before the calls") << cutAt("[Calls]") << cut;
            *row("entry changed") << Edit([](QByteArray b) { return replaced(b, "\n40\n", "\n400\n"); }) << changed;
            *row("entry added") << Edit([](QByteArray b) { return replaced(b, "\n40\n", "\n40\n41\n"); }) << changed;
            *row("entry removed, count kept") << Edit([](QByteArray b) { return replaced(b, "\n40\n", "\n"); }) << cut;
            *row("entry removed, count mended")
                << Edit([](QByteArray b) { return replaced(replaced(b, "\n40\n", "\n"), "Entries=75", "Entries=74"); })
                << changed;
            *row("seed changed") << Edit([](QByteArray b) { return replaced(b, "Seed=1234567", "Seed=1234568"); })
                                 << changed;
            *row("seed not a number") << Edit([](QByteArray b) { return replaced(b, "Seed=1234567", "Seed=-1"); })
                                      << changed;
            *row("size out of range") << Edit([](QByteArray b) { return replaced(b, "CardSize=1", "CardSize=3"); })
                                      << changed;
            *row("free space switched off")
                << Edit([](QByteArray b) { return replaced(b, "ChkFreeSpace=1", "ChkFreeSpace=0"); }) << changed;
            *row("more cards") << Edit([](QByteArray b) { return replaced(b, "Cards=200", "Cards=201"); }) << changed;
            *row("a broken escape") << Edit([](QByteArray b) { return replaced(b, "\n40\n", "\n4\\0\n"); }) << changed;
        }
        QTest::newRow("a call that is no entry, format 1")
            << 1 << Edit([](QByteArray b) { return replaced(b, "[Calls]\n7\n", "[Calls]\n7\n76\n"); }) << changed;
        QTest::newRow("created changed, format 2")
            << 2 << Edit([](QByteArray b) { return replaced(b, "T20:15:03", "T20:15:04"); }) << changed;
    }
    void hostileFilesAreRefused()
    {
        QFETCH(int, format);
        QFETCH(Edit, edit);
        QFETCH(QString, message);
        GameRecord r = sampleGame();
        r.format = format;
        const QString path = gameFilePath(dir->path(), r.code);
        const QByteArray bytes = edit(formatGameRecord(r));
        writeBytes(path, bytes);
        QCOMPARE(failureOf([&] { readGameRecord(path); }), message);
        QCOMPARE(readBytes(path), bytes);
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{QFileInfo(path).fileName()});
    }

    // A damaged end of the calls, what a save cut short leaves, is left out
    // and said; a damaged middle refuses the file.
    void damagedCallsAreFound_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("message");
        const QString name = QStringLiteral("\"%1.mrvgame\"").arg(gameCode(1234567));
        const auto kept = [name](int calls) {
            return QStringLiteral("The end of %1 was damaged, most likely by a save that was cut short: the damaged "
                                  "end was left out, and the first %2 calls were kept.")
                .arg(name)
                .arg(calls);
        };
        const QString changed =
            name + QStringLiteral(" was changed outside Morvane: its calls are no longer the calls made.");
        const QStringList all{"7", "61", "42", "75"};
        const QStringList three{"7", "61", "42"};
        // The n-th call line (from 1) as the edit finds it.
        const auto lineOf = [](const QByteArray &b, int n) {
            qsizetype at = b.indexOf("[Calls]\n") + 8;
            for (int i = 1; i < n; ++i)
                at = b.indexOf('\n', at) + 1;
            return std::pair<qsizetype, qsizetype>(at, b.indexOf('\n', at) + 1 - at);
        };
        QTest::newRow("cut in the last call") << Edit([](QByteArray b) { return b.chopped(2); }) << three << kept(3);
        QTest::newRow("cut in the last check") << Edit([](QByteArray b) { return b.chopped(8); }) << three << kept(3);
        QTest::newRow("cut before the last line feed")
            << Edit([](QByteArray b) { return b.chopped(1); }) << all << QString();
        QTest::newRow("zeros after the calls")
            << Edit([](QByteArray b) { return b + QByteArray(4096, '\0'); }) << all << kept(4);
        QTest::newRow("the last line zeroed") << Edit([lineOf](QByteArray b) {
            const auto [at, size] = lineOf(b, 4);
            return b.replace(at, size, QByteArray(size, '\0'));
        }) << three << kept(3);
        QTest::newRow("the last call changed")
            << Edit([](QByteArray b) { return b.chopped(3) + "74\n"; }) << three << kept(3);
        QTest::newRow("a call added by hand")
            << Edit([](QByteArray b) { return b + "5 00000000 +1\n"; }) << all << kept(4);
        QTest::newRow("a middle call changed")
            << Edit([](QByteArray b) { return replaced(b, " +61\n", " +62\n"); }) << QStringList() << changed;
        QTest::newRow("a middle line left out") << Edit([lineOf](QByteArray b) {
            const auto [at, size] = lineOf(b, 2);
            return b.remove(at, size);
        }) << QStringList() << changed;
        QTest::newRow("two lines swapped") << Edit([lineOf](QByteArray b) {
            const auto [at, size] = lineOf(b, 2);
            const QByteArray second = b.mid(at, size);
            b.remove(at, size);
            const auto [after, length] = lineOf(b, 2);
            return b.insert(after + length, second);
        }) << QStringList() << changed;
        QTest::newRow("a middle line torn") << Edit([lineOf](QByteArray b) {
            const auto [at, size] = lineOf(b, 2);
            return b.remove(at + size - 3, 2);
        }) << QStringList() << changed;
    }
    void damagedCallsAreFound()
    {
        QFETCH(Edit, edit);
        QFETCH(QStringList, calls);
        QFETCH(QString, message);
        GameRecord r = sampleGame();
        r.calls = QStringList{"7", "61", "42", "75"};
        const QString path = gameFilePath(dir->path(), r.code);
        writeBytes(path, edit(formatGameRecord(r)));
        if (calls.isEmpty()) {
            QCOMPARE(failureOf([&] { readGameRecord(path); }), message);
            return;
        }
        const GameRecord read = readGameRecord(path);
        QCOMPARE(read.calls, calls);
        QCOMPARE(read.callsNotice, message);
        QCOMPARE(read.entries, r.entries);
    }

    // No change of a single byte anywhere reads as other calls: it is
    // refused, left out at the end with a notice, or changes nothing read.
    void noChangedByteGivesOtherCalls()
    {
        GameRecord r = sampleGame();
        r.calls = QStringList{"7", "61", "42", "75", "1"};
        const QByteArray bytes = formatGameRecord(r);
        const qsizetype calls = bytes.indexOf("[Calls]\n") + 8;
        int refused = 0;
        int cut = 0;
        for (qsizetype at = 0; at < bytes.size(); ++at) {
            for (const char flip : {'\x01', '\x04', '\x20'}) {
                QByteArray changed = bytes;
                changed[at] = char(changed[at] ^ flip);
                GameRecord read;
                try {
                    read = parseGameRecord(changed, QStringLiteral("g.mrvgame"));
                } catch (const MorvaneError &) {
                    ++refused;
                    continue;
                }
                const QByteArray where = "byte " + QByteArray::number(at) + " ^ " + QByteArray::number(int(flip));
                QVERIFY2(read.entries == r.entries && read.seed == r.seed && read.created == r.created, where);
                QVERIFY2(read.calls == r.calls.mid(0, read.calls.size()), where);
                if (at >= calls) {
                    // Every byte of the calls counts.
                    QVERIFY2(read.calls.size() < r.calls.size() && !read.callsNotice.isEmpty(), where);
                    ++cut;
                } else {
                    QVERIFY2(read.calls == r.calls && read.callsNotice.isEmpty(), where);
                }
            }
        }
        QVERIFY(refused > 0);
        QVERIFY(cut > 0);
    }

    // A save adds lines after what the file holds and changes none of it.
    // Cut at any byte while it writes, or with zeros where its lines were to
    // go, the file reads as the calls before or after one of its lines.
    void savesOnlyAddLines_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("lines");
        QTest::newRow("a call") << QStringList{"7", "61"} << QStringList{"7", "61", "42"} << 1;
        QTest::newRow("the first call") << QStringList() << QStringList{"7"} << 1;
        QTest::newRow("the last call undone") << QStringList{"7", "61", "42"} << QStringList{"7", "61"} << 1;
        QTest::newRow("a middle call unmarked") << QStringList{"7", "61", "42"} << QStringList{"7", "42"} << 1;
        QTest::newRow("unmarked and called again")
            << QStringList{"7", "61", "42"} << QStringList{"7", "42", "61", "75"} << 3;
        QTest::newRow("a new game") << QStringList{"7", "61", "42"} << QStringList() << 3;
        QTest::newRow("nothing changed") << QStringList{"7", "61"} << QStringList{"7", "61"} << 0;
    }
    void savesOnlyAddLines()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(int, lines);
        GameRecord r = sampleGame();
        r.calls = before;
        const QString path = gameFilePath(dir->path(), r.code);
        writeGameRecord(path, r);
        const QByteArray old = readBytes(path);
        const auto inodeOf = [](const QString &file) {
            struct stat st
            {
            };
            return ::stat(QFile::encodeName(file).constData(), &st) == 0 ? st.st_ino : ino_t(0);
        };
        const ino_t inode = inodeOf(path);
        r.calls = after;
        writeGameRecord(path, r);
        const QByteArray saved = readBytes(path);
        // The same file, so a folder that takes no new file takes the save.
        QCOMPARE(inodeOf(path), inode);
        QVERIFY(saved.startsWith(old));
        QCOMPARE(saved.mid(old.size()).count('\n'), lines);
        QCOMPARE(readGameRecord(path).calls, after);

        // Every moment of the save: the lines so far, and the calls they leave.
        QList<QStringList> states{before};
        for (qsizetype end = old.size(); (end = saved.indexOf('\n', end) + 1) > 0;)
            states.append(parseGameRecord(saved.left(end), path).calls);
        QCOMPARE(states.constLast(), after);
        for (qsizetype size = old.size(); size <= saved.size(); ++size) {
            for (const QByteArray &bytes :
                 {saved.left(size), saved.left(size) + QByteArray(saved.size() - size, '\0')}) {
                const GameRecord read = parseGameRecord(bytes, path);
                QVERIFY2(states.contains(read.calls), qPrintable(QStringLiteral("cut at %1").arg(size)));
            }
        }
    }

    // A file read with a damaged end is mended by the next save: the damage
    // is cut off and the calls follow the sound lines.
    void aSaveCutsADamagedEndOff()
    {
        GameRecord r = sampleGame();
        const QString path = gameFilePath(dir->path(), r.code);
        writeGameRecord(path, r);
        const QByteArray sound = readBytes(path);
        writeBytes(path, sound + "3 1f2e3d4c +4");
        const GameRecord read = readGameRecord(path);
        QCOMPARE(read.calls, r.calls);
        QVERIFY(!read.callsNotice.isEmpty());
        r.calls.append(QStringLiteral("42"));
        writeGameRecord(path, r);
        const QByteArray saved = readBytes(path);
        QVERIFY(saved.startsWith(sound));
        const GameRecord again = readGameRecord(path);
        QCOMPARE(again.calls, r.calls);
        QCOMPARE(again.callsNotice, QString());
    }

    // A game read from the first format is kept in the current one, the
    // same game with the same calls.
    void oldFilesAreSavedInTheCurrentFormat()
    {
        GameRecord r = sampleGame();
        r.format = 1;
        const QString path = gameFilePath(dir->path(), r.code);
        writeBytes(path, formatGameRecord(r));
        GameRecord read = readGameRecord(path);
        QCOMPARE(read.format, 1);
        read.calls.append(QStringLiteral("42"));
        writeGameRecord(path, read);
        const GameRecord again = readGameRecord(path);
        QCOMPARE(again.format, GameRecord::CurrentFormat);
        QCOMPARE(again.calls, read.calls);
        QCOMPARE(again.created, r.created);
        QCOMPARE(again.seed, r.seed);
    }

    // The size a numbered game is checked against before its cards are made
    // is the size of its file once every entry has been called.
    void calledSizeIsTheFullFile_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("the 75 numbers") << numberEntries(1, 75);
        QTest::newRow("texts to escape") << (QStringList{"a\\b", "line\nbreak", "[x", "", "\u00C4rger"}
                                             + wordEntries(30));
        QTest::newRow("a thousand") << wordEntries(1000);
    }
    void calledSizeIsTheFullFile()
    {
        QFETCH(QStringList, entries);
        GameRecord r = gameRecord(entries, 1, true, 77, GameRecord::MaxCards);
        r.calls = entries;
        QCOMPARE(calledGameFileSize(r), formatGameRecord(r).size());
    }

    void unreadableFilesAreRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "missing"
                                 << "The game \"G.mrvgame\" cannot be read: File not found.";
        QTest::newRow("a folder") << "folder"
                                  << "The game \"G.mrvgame\" cannot be read: File access denied.";
        QTest::newRow("huge") << "huge"
                              << "\"G.mrvgame\" is too large to be a Morvane game.";
    }
    void unreadableFilesAreRefused()
    {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        const QString path = dir->filePath(QStringLiteral("G.mrvgame"));
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));
        if (kind == QLatin1String("huge")) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(MaxGameFileSize + 1)); // sparse: nothing is written
        }
        QCOMPARE(failureOf([&] { readGameRecord(path); }), message);
    }

    // What a person may do to the file without changing its cards.
    void harmlessEditsStillRead_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<Edit>("edit");
        for (int format : {1, 2}) {
            const QByteArray line = "Format=" + QByteArray::number(format);
            const auto row = [format](const char *what) {
                return &(QTest::addRow("%s, format %d", what, format) << format);
            };
            *row("CR LF") << Edit([](QByteArray b) { return replaced(b, "\n", "\r\n"); });
            *row("byte order mark") << Edit([](QByteArray b) { return b.prepend("\xEF\xBB\xBF"); });
            *row("blank lines") << Edit([](QByteArray b) { return replaced(b, "\n", "\n\n"); });
            *row("keys reordered") << Edit(
                [line](QByteArray b) { return b.replace(line + '\n', "").replace("Check=", line + "\nCheck="); });
            *row("a note section") << Edit([](QByteArray b) { return b.append("[Notes]\nRoom 2\n"); });
        }
        QTest::newRow("calls added, format 1") << 1 << Edit([](QByteArray b) { return b.append("75\n"); });
    }
    void harmlessEditsStillRead()
    {
        QFETCH(int, format);
        QFETCH(Edit, edit);
        GameRecord r = sampleGame();
        r.format = format;
        const QString path = gameFilePath(dir->path(), r.code);
        writeBytes(path, edit(formatGameRecord(r)));
        const GameRecord read = readGameRecord(path);
        QCOMPARE(read.entries, r.entries);
        QCOMPARE(read.seed, r.seed);
        QCOMPARE(read.calls.mid(0, r.calls.size()), r.calls);
        QCOMPARE(read.callsNotice, QString());
    }

    void gameCodes_data()
    {
        QTest::addColumn<quint64>("seed");
        QTest::addColumn<QString>("code");
        QTest::newRow("0") << Q_UINT64_C(0) << "CQT0H8";
        QTest::newRow("1234567") << Q_UINT64_C(1234567) << "Z581TW";
        QTest::newRow("2^64-1") << Q_UINT64_C(18446744073709551615) << "Y53QFV";
    }
    void gameCodes()
    {
        QFETCH(quint64, seed);
        QFETCH(QString, code);
        QCOMPARE(gameCode(seed), code);
        QVERIFY(isGameCode(code));
    }

    void codesUseTheWholeAlphabet()
    {
        QSet<QChar> seen;
        for (std::uint64_t seed = 0; seed < 2000; ++seed) {
            const QString code = gameCode(seed);
            QVERIFY(isGameCode(code));
            for (QChar c : code)
                seen.insert(c);
        }
        QCOMPARE(seen.size(), 32);
        for (const char *bad : {"K7Q2M", "K7Q2MXX", "K7Q2MI", "K7Q2ML", "K7Q2MO", "K7Q2MU", "k7q2mx"})
            QVERIFY2(!isGameCode(QLatin1String(bad)), bad);
    }

    void listsNewestFirstAndTheBrokenLast()
    {
        const QString folder = dir->filePath(QStringLiteral("Games"));
        QCOMPARE(listGames(folder).size(), 0); // no folder yet
        QList<GameRecord> games;
        for (int day : {3, 9, 5}) {
            GameRecord r = gameRecord(wordEntries(30 + day), 1, true, std::uint64_t(day), std::uint64_t(day * 10));
            r.created = r.created.addDays(day);
            writeGameRecord(gameFilePath(folder, r.code), r);
            games.append(r);
        }
        writeBytes(gameFilePath(folder, QStringLiteral("00BAD0")), "[Game]\nFormat=9\n");
        writeBytes(QDir(folder).filePath(QStringLiteral("notes.txt")), "not a game");

        const QList<GameSummary> listed = listGames(folder);
        QCOMPARE(listed.size(), 4);
        for (int i = 0; i < 3; ++i) {
            const GameRecord &r = games[QList<int>{1, 2, 0}[i]];
            QCOMPARE(listed[i].code, r.code);
            QCOMPARE(listed[i].created, r.created);
            QCOMPARE(listed[i].entries, r.entries.size());
            QCOMPARE(listed[i].cards, r.cards);
            QCOMPARE(listed[i].sizeIndex, 1);
            QCOMPARE(listed[i].path, gameFilePath(folder, r.code));
            QVERIFY(listed[i].problem.isEmpty());
        }
        QCOMPARE(listed[3].path, gameFilePath(folder, QStringLiteral("00BAD0")));
        QCOMPARE(
            listed[3].problem,
            QStringLiteral("\"00BAD0.mrvgame\" was made by a newer version of Morvane and cannot be opened here."));
    }

    void failedWriteKeepsTheEarlierRecord()
    {
        const GameRecord r = sampleGame();
        const QString path = gameFilePath(dir->path(), r.code);
        writeGameRecord(path, r);
        const QByteArray before = readBytes(path);
        GameRecord longer = r;
        longer.calls.append(QStringLiteral("9"));
        // A file where the folder should be.
        const QString blocked = dir->filePath(QStringLiteral("file/Games/X.mrvgame"));
        writeBytes(dir->filePath(QStringLiteral("file")), "x");
        QVERIFY(failureOf([&] { writeGameRecord(blocked, longer); }) != QLatin1String("<no error>"));
        QCOMPARE(readBytes(path), before);
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), (QStringList{"file", QFileInfo(path).fileName()}));
    }

    void newSeedsAvoidTakenCodes()
    {
        writeGameRecord(gameFilePath(dir->path(), gameCode(1)), gameRecord(numberEntries(1, 75), 1, true, 1, 4));
        // What a deleted game left beside it takes its code too.
        writeBytes(dir->filePath(gameCode(2) + QStringLiteral(".stages")), "1 1 Any Line\n");
        QList<std::uint64_t> draws{1, 1, 2, 3};
        QCOMPARE(newGameSeed(dir->path(), [&] { return draws.takeFirst(); }), std::uint64_t(3));
        QCOMPARE(failureOf([&] { newGameSeed(dir->path(), [] { return std::uint64_t(1); }); }),
                 QStringLiteral("No new game code is free"));
        QVERIFY(newGameSeed(dir->path()) != newGameSeed(dir->path()));
    }

    // The game is kept when the document was handed over, and only then.
    void recordedOnlyWhenTheDocumentEnded_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("cancelAfterPage");
        QTest::addColumn<bool>("printerRefuses");
        QTest::addColumn<bool>("recorded");
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<int>("recordedFontSize");
        QTest::addColumn<bool>("folderIsAFile");
        QTest::newRow("finished") << "7" << 75 << -1 << false << true << 20 << 20 << false;
        QTest::newRow("finished, a huge font") << "7" << 75 << -1 << false << true << 5000 << MaxCardFontSize << false;
        QTest::newRow("finished, a font of 0 points") << "7" << 75 << -1 << false << true << 0 << 1 << false;
        QTest::newRow("cancelled") << "7" << 75 << 1 << false << false << 20 << 0 << false;
        QTest::newRow("cancelled after the last page") << "7" << 75 << 4 << false << false << 20 << 0 << false;
        QTest::newRow("refused by the printer") << "7" << 75 << -1 << true << false << 20 << 0 << false;
        QTest::newRow("too few entries") << "7" << 23 << -1 << false << false << 20 << 0 << false;
        QTest::newRow("a count of 0") << "0" << 75 << -1 << false << false << 20 << 0 << false;
        // Then no card goes out with a code that was never kept.
        QTest::newRow("the games folder is a file") << "7" << 75 << -1 << false << false << 20 << 0 << true;
    }
    void recordedOnlyWhenTheDocumentEnded()
    {
        QFETCH(QString, count);
        QFETCH(int, entries);
        QFETCH(int, cancelAfterPage);
        QFETCH(bool, printerRefuses);
        QFETCH(bool, recorded);
        QFETCH(int, fontSize);
        QFETCH(int, recordedFontSize);
        QFETCH(bool, folderIsAFile);
        PrintRequest request = numbersRequest(count, QStringLiteral("2"));
        request.words = numberEntries(1, entries);
        request.settings.fontSize = fontSize;
        const QString folder = dir->filePath(QStringLiteral("Games"));
        if (folderIsAFile)
            writeBytes(folder, "not a folder");
        NumberedGame game(request, folder, 4242);
        FakePrintService service;
        if (printerRefuses)
            service.onEndDoc = [] { throw MorvaneError(QStringLiteral("Refused")); };
        FakePrompts prompts;
        SequenceRandom random;
        FakeProgressFactory progress;
        progress.cancelAfterPage = cancelAfterPage;
        QStringList cells;
        const QDateTime before = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch());
        runCommand(prompts, [&] {
            printCards(request, cells, {service, prompts, random, &progress, &game.numbering()});
        });
        QCOMPARE(game.recorded(), recorded);
        QCOMPARE(QFileInfo::exists(game.path()), recorded);
        // A count of 0 hands over an empty document, and no game.
        QCOMPARE(service.documents.size(), recorded || count == QLatin1String("0") ? 1 : 0);
        if (!recorded) {
            QCOMPARE(QFileInfo(folder).isFile(), folderIsAFile);
            QVERIFY(folderIsAFile || !QFileInfo::exists(folder));
            return;
        }
        QCOMPARE(game.path(), gameFilePath(folder, gameCode(4242)));
        const GameRecord read = readGameRecord(game.path());
        QCOMPARE(read.code, gameCode(4242));
        QCOMPARE(read.seed, std::uint64_t(4242));
        QCOMPARE(read.cards, std::uint64_t(8)); // 7 cards two to a page print 8
        QCOMPARE(read.cardsPerPage, 2);
        QCOMPARE(read.entries, request.words);
        QCOMPARE(read.settings.fontSize, recordedFontSize); // as the job printed it
        QVERIFY(read.created >= before && read.created <= QDateTime::currentDateTime());
        QVERIFY(read.calls.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestGameRecord)
#include "tst_gamerecord.moc"
