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
        const QByteArray covered = head.mid(7, head.indexOf("Check=") - 7) + "[Entries]\na\\\\b\nb\nc\nd\ne\nf\ng\nh\ni\n";
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
            *row("cut in the game section") << cutAt("CardsPerPage") << cut;
            *row("cut in a key") << cutAt("=4\nCards=") << cut;
            *row("cut in the entries") << cutAt("\n40\n") << cut;
            *row("cut before the calls") << cutAt("[Calls]") << cut;
            *row("entry changed") << Edit([](QByteArray b) { return replaced(b, "\n40\n", "\n400\n"); }) << changed;
            *row("entry added") << Edit([](QByteArray b) { return replaced(b, "\n40\n", "\n40\n41\n"); }) << changed;
            *row("entry removed, count kept") << Edit([](QByteArray b) { return replaced(b, "\n40\n", "\n"); }) << cut;
            *row("entry removed, count mended") << Edit([](QByteArray b) {
                return replaced(replaced(b, "\n40\n", "\n"), "Entries=75", "Entries=74");
            }) << changed;
            *row("seed changed") << Edit([](QByteArray b) { return replaced(b, "Seed=1234567", "Seed=1234568"); })
                                 << changed;
            *row("seed not a number") << Edit([](QByteArray b) { return replaced(b, "Seed=1234567", "Seed=-1"); })
                                      << changed;
            *row("size out of range") << Edit([](QByteArray b) { return replaced(b, "CardSize=1", "CardSize=3"); })
                                      << changed;
            *row("free space switched off")
                << Edit([](QByteArray b) { return replaced(b, "ChkFreeSpace=1", "ChkFreeSpace=0"); }) << changed;
            *row("more cards") << Edit([](QByteArray b) { return replaced(b, "Cards=200", "Cards=201"); }) << changed;
            *row("a broken escape") << Edit([](QByteArray b) { return replaced(b, "\n40\n", "\n4\\0\n"); })
                                    << changed;
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
        QList<std::uint64_t> draws{1, 1, 2};
        QCOMPARE(newGameSeed(dir->path(), [&] { return draws.takeFirst(); }), std::uint64_t(2));
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
        QTest::newRow("finished") << "7" << 75 << -1 << false << true << 20 << 20;
        QTest::newRow("finished, a huge font") << "7" << 75 << -1 << false << true << 5000 << MaxCardFontSize;
        QTest::newRow("finished, a font of 0 points") << "7" << 75 << -1 << false << true << 0 << 1;
        QTest::newRow("cancelled") << "7" << 75 << 1 << false << false << 20 << 0;
        QTest::newRow("cancelled after the last page") << "7" << 75 << 4 << false << false << 20 << 0;
        QTest::newRow("refused by the printer") << "7" << 75 << -1 << true << false << 20 << 0;
        QTest::newRow("too few entries") << "7" << 23 << -1 << false << false << 20 << 0;
        QTest::newRow("a count of 0") << "0" << 75 << -1 << false << false << 20 << 0;
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
        PrintRequest request = numbersRequest(count, QStringLiteral("2"));
        request.words = numberEntries(1, entries);
        request.settings.fontSize = fontSize;
        const QString folder = dir->filePath(QStringLiteral("Games"));
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
        if (!recorded) {
            QVERIFY(!QFileInfo::exists(folder));
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
