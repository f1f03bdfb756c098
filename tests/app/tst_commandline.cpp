// The program run from a shell without a display: help, version, the
// headless export and every way it is refused.
#include "FileHelpers.h"
#include "Fixtures.h"
#include "PdfReading.h"

#include "docs/CardListDocument.h"
#include "docs/Folders.h"
#include "game/GameCode.h"
#include "game/GameFile.h"
#include "game/GameFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

const QString TryHelp = QStringLiteral("Try 'morvane --help' for more information.\n");

// The words of each card of a page, cards in the order the job prints them.
QList<QStringList> cardsOf(const PdfPage &page, int perPage)
{
    QList<QStringList> cards(perPage);
    for (const PdfWord &w : page.words) {
        const QPointF c = w.box.center();
        const bool right = c.x() > page.size.width() / 2;
        const bool lower = c.y() > page.size.height() / 2;
        const int card = perPage == 1 ? 0 : perPage == 2 ? int(lower) : int(right) + 2 * int(lower);
        cards[card].append(w.text);
    }
    return cards;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;

    // The real program, with no display to reach and Qt asked for X11: it
    // must not need either.
    Run morvane(const QStringList &arguments)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        QProcess p;
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir->path());
        p.start(QStringLiteral(MORVANE_EXECUTABLE), arguments);
        Run run;
        if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
            return run;
        run.exitCode = p.exitCode();
        run.out = QString::fromUtf8(p.readAllStandardOutput());
        run.err = QString::fromUtf8(p.readAllStandardError());
        return run;
    }
    QString listOf(const QStringList &entries)
    {
        const QString path = dir->filePath(QStringLiteral("list.mrv"));
        writeBytes(path, formatCardList(entries));
        return path;
    }
    static QStringList recordedGames() { return QDir(GamesPath()).entryList(QDir::Files); }
    static void skipWithoutPoppler()
    {
        const QString why = popplerMissing();
        if (!why.isEmpty())
            QSKIP(qPrintable(why));
    }

private Q_SLOTS:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("Morvane")); }
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        // A settings and games folder of each test's own, for this process and the program alike.
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir->filePath(QStringLiteral("data"))));
    }

    void helpAndVersionPrintAndExit_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("outPattern");
        QTest::newRow("--help") << QStringList{"--help"}
                                << "^Usage: morvane \\[LIST\\.mrv\\]\n.*--export OUT\\.pdf.*--cards N.*"
                                   "--per-page 1\\|2\\|4.*--paper SIZE.*--number.*--force.*Exit status:";
        QTest::newRow("-h beside a list") << QStringList{"list.mrv", "-h"} << "^Usage: morvane ";
        QTest::newRow("--help wins over an export") << QStringList{"--export", "x.pdf", "--help"} << "^Usage: ";
        QTest::newRow("--version") << QStringList{"--version"} << "^Morvane \\d+\\.\\d+\n$";
        QTest::newRow("-v") << QStringList{"-v"} << "^Morvane \\d+\\.\\d+\n$";
        QTest::newRow("after Qt's own option") << QStringList{"-platform", "offscreen", "-v"} << "^Morvane \\d";
    }
    void helpAndVersionPrintAndExit()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, outPattern);
        const Run run = morvane(arguments);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        const QRegularExpression pattern(outPattern, QRegularExpression::DotMatchesEverythingOption);
        QVERIFY2(pattern.match(run.out).hasMatch(), qPrintable(run.out));
        QVERIFY(!QFile::exists(dir->filePath(QStringLiteral("x.pdf"))));
    }

    void commandLinesNotUnderstood_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("problem");
        QTest::newRow("no export") << QStringList{"--cards", "5", "list.mrv"} << "--cards goes with --export.";
        QTest::newRow("no file name") << QStringList{"list.mrv", "--export"} << "Missing value after '--export'.";
        QTest::newRow("empty file name") << QStringList{"--export", "", "list.mrv"}
                                         << "--export needs the name of the PDF file to write.";
        QTest::newRow("no list") << QStringList{"--export", "x.pdf"}
                                 << "Name the card list to export after the options.";
        QTest::newRow("two lists") << QStringList{"--export", "x.pdf", "a.mrv", "b.mrv"}
                                   << "Only one card list can be exported at a time.";
        QTest::newRow("3 per page") << QStringList{"--export", "x.pdf", "--per-page", "3", "list.mrv"}
                                    << "'3' cards per page cannot be printed: use 1, 2 or 4.";
        QTest::newRow("unknown paper") << QStringList{"--export", "x.pdf", "--paper=B5", "list.mrv"}
                                       << "'B5' is not a paper Morvane knows: use A4, Letter, Legal, A5 or A3.";
        QTest::newRow("unknown kind") << QStringList{"--export", "x.pdf", "--kind", "bingo", "list.mrv"}
                                      << "'bingo' is no kind Morvane makes: use cards or tickets.";
        QTest::newRow("unknown option") << QStringList{"--export", "x.pdf", "--copies", "2", "list.mrv"}
                                        << "Unknown option --copies";
        QTest::newRow("unknown option alone") << QStringList{"--frobnicate"} << "Unknown option --frobnicate";
        QTest::newRow("unknown option with a value")
            << QStringList{"list.mrv", "--frobnicate=3"} << "Unknown option --frobnicate";
        QTest::newRow("a list named like an option") << QStringList{"-x.mrv"} << "Unknown option -x.mrv";
        QTest::newRow("after Qt's own option") << QStringList{"-style", "fusion", "-q"} << "Unknown option -q";
    }
    void commandLinesNotUnderstood()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, problem);
        const Run run = morvane(arguments);
        QCOMPARE(run.err, QStringLiteral("morvane: %1\n").arg(problem) + TryHelp);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!QFile::exists(dir->filePath(QStringLiteral("x.pdf"))));
    }

    // Each refusal in the window's words, with nothing written: no PDF, no
    // half-made file beside it, no game.
    void refusalsSayWhatTheWindowSays_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QByteArray>("options");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("messages");
        const QStringList numbers = numberEntries(1, 75);
        const QStringList eight = letters("abcdefgh");
        const QByteArray threeByThree("[Options]\r\nCardSize=0\r\n");
        const QString onlyFaces =
            QStringLiteral("These entries make only 40320 different cards. Print anyway, repeating some cards?");
        QTest::newRow("too few entries")
            << numberEntries(1, 23) << QByteArray() << QStringList{"x.pdf"}
            << "Your bingo card needs 24 words at least, please add more words, then try to print it again.";
        QTest::newRow("no free space in Options.ini needs 25")
            << numberEntries(1, 24) << QByteArray("[Options]\nChkFreeSpace=0\n") << QStringList{"x.pdf"}
            << "Your bingo card needs 25 words at least, please add more words, then try to print it again.";
        QTest::newRow("not a number") << numbers << QByteArray() << QStringList{"x.pdf", "--cards", "x"}
                                      << "'x' is not a valid integer value.";
        QTest::newRow("no cards") << numbers << QByteArray() << QStringList{"x.pdf", "--cards", "0"}
                                  << "The number of cards must be from 1 to 99999.";
        QTest::newRow("too many cards") << numbers << QByteArray() << QStringList{"x.pdf", "--cards", "100000"}
                                        << "The number of cards must be from 1 to 99999.";
        QTest::newRow("missing folder") << numbers << QByteArray() << QStringList{"no/such/folder/x.pdf"}
                                        << "Invalid filename.";
        QTest::newRow("unreadable list") << QStringList() << QByteArray() << QStringList{"x.pdf"}
                                         << "Cannot read the list \"%1\": File not found.";
        QTest::newRow("tickets, 4 strips a page")
            << eight << QByteArray() << QStringList{"x.pdf", "--kind", "tickets", "--per-page", "4"}
            << "'4' strips per page cannot be printed: use 1 or 2.";
        QTest::newRow("repeated cards") << eight << threeByThree << QStringList{"x.pdf", "--cards", "40321"}
                                        << onlyFaces + " No: --force answers Yes.";
    }
    void refusalsSayWhatTheWindowSays()
    {
        QFETCH(QStringList, entries);
        QFETCH(QByteArray, options);
        QFETCH(QStringList, arguments);
        QFETCH(QString, messages);
        const QString list = entries.isEmpty() ? dir->filePath(QStringLiteral("none.mrv")) : listOf(entries);
        if (!options.isEmpty())
            writeBytes(OptionsFilePath(), options);
        const Run run = morvane(QStringList{"--number", "--export"} + arguments + QStringList{list});
        QCOMPARE(run.err, QStringLiteral("morvane: %1\n").arg(messages.replace(QStringLiteral("%1"), list)));
        QCOMPARE(run.out, QString());
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), entries.isEmpty() ? QStringList() : QStringList{"list.mrv"});
        QCOMPARE(recordedGames(), QStringList());
    }

    // The same pages as File > Export PDF... makes: every page full, every
    // card with its heading, its free space and its own entries.
    void exportReadsBackAsTheWindowsDoes_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("perPage");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QSize>("paper");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("progress");
        const QSize a4(595, 842);
        QTest::newRow("defaults: 1 card") << QStringList() << QByteArray() << 1 << 1 << a4 << "BINGO"
                                          << "";
        QTest::newRow("5 at 1 per page")
            << QStringList{"--cards", "5"} << QByteArray() << 1 << 5 << a4 << "BINGO"
            << "Printing: 0 of 5 pages\nPrinting: 1 of 5 pages\nPrinting: 2 of 5 pages\nPrinting: 3 of 5 pages\n"
               "Printing: 4 of 5 pages\nPrinting: 5 of 5 pages\n";
        QTest::newRow("5 at 2 per page") << QStringList{"--cards", "5", "--per-page", "2"} << QByteArray() << 2 << 3
                                         << a4 << "BINGO"
                                         << "";
        QTest::newRow("5 at 4 per page, Letter") << QStringList{"--cards", "5", "--per-page=4", "--paper", "letter"}
                                                 << QByteArray() << 4 << 2 << QSize(612, 792) << "BINGO"
                                                 << "";
        QTest::newRow("paper from Options.ini")
            << QStringList{"--cards", "1"} << QByteArray("[Options]\nExportPaper=Legal\nExportOrientation=Landscape\n")
            << 1 << 1 << QSize(1008, 612) << "BINGO"
            << "";
        QTest::newRow("--paper over Options.ini, its orientation kept")
            << QStringList{"--cards", "1", "--paper", "A5"}
            << QByteArray("[Options]\nExportPaper=Legal\nExportOrientation=Landscape\n") << 1 << 1 << QSize(595, 420)
            << "BINGO"
            << "";
        QTest::newRow("heading from Options.ini")
            << QStringList{"--cards", "3", "--per-page", "4"} << QByteArray("[Options]\nTxtHeading=LOTTO\n") << 4 << 1
            << a4 << "LOTTO"
            << "";
    }
    void exportReadsBackAsTheWindowsDoes()
    {
        skipWithoutPoppler();
        QFETCH(QStringList, options);
        QFETCH(QByteArray, ini);
        QFETCH(int, perPage);
        QFETCH(int, pages);
        QFETCH(QSize, paper);
        QFETCH(QString, heading);
        QFETCH(QString, progress);
        if (!ini.isEmpty())
            writeBytes(OptionsFilePath(), ini);
        const Run run =
            morvane(QStringList{"--export", "cards.pdf"} + options + QStringList{listOf(numberEntries(1, 75))});
        QCOMPARE(run.err, progress);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.exitCode, 0);
        const QString pdf = dir->filePath(QStringLiteral("cards.pdf"));
        QCOMPARE(pdfTitle(pdf), QStringLiteral("Morvane"));
        const QList<PdfPage> read = pdfPages(pdf);
        QCOMPARE(read.size(), pages);
        for (const PdfPage &page : read) {
            QCOMPARE(page.size.toSize(), paper);
            for (const QStringList &card : cardsOf(page, perPage)) {
                QCOMPARE(card.mid(0, 5).join(QString()), heading);
                QCOMPARE(card.count(QStringLiteral("Free")), 1);
                QSet<int> numbers;
                for (const QString &w : card)
                    if (w.toInt() >= 1 && w.toInt() <= 75)
                        numbers.insert(w.toInt());
                QCOMPARE(numbers.size(), 24);
            }
        }
        QCOMPARE(recordedGames(), QStringList());
    }

    // Tickets from a list of two words: the numbers 1 to 90 in strips of
    // six, whole strips on every page, the kind chosen in Options.ini or on
    // the command line, the game recorded with its kind.
    void ticketsExportFromAnyList_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("pages");
        QTest::newRow("--kind tickets, 1 strip a page") << QByteArray() << QStringList{"--kind", "tickets"} << 2;
        QTest::newRow("chosen in the window, 2 strips a page")
            << QByteArray("[Options]\nCardKind=1\n") << QStringList{"--per-page", "2"} << 1;
    }
    void ticketsExportFromAnyList()
    {
        skipWithoutPoppler();
        QFETCH(QByteArray, ini);
        QFETCH(QStringList, options);
        QFETCH(int, pages);
        if (!ini.isEmpty())
            writeBytes(OptionsFilePath(), ini);
        const Run run = morvane(QStringList{"--export", "t.pdf", "--number", "--cards", "7"} + options
                                + QStringList{listOf(letters("ab"))});
        QCOMPARE(run.exitCode, 0);
        const QList<PdfPage> read = pdfPages(dir->filePath(QStringLiteral("t.pdf")));
        QCOMPARE(read.size(), pages);
        QList<int> numbers;
        QStringList words;
        for (const PdfPage &page : read)
            for (const PdfWord &w : page.words) {
                words.append(w.text);
                if (w.text.toInt() >= 1 && w.text.toInt() <= 90 && w.text == QString::number(w.text.toInt()))
                    numbers.append(w.text.toInt());
            }
        const QString code = run.out.trimmed();
        QCOMPARE(recordedGames(), QStringList{code + QStringLiteral(".mrvgame")});
        QCOMPARE(readGameRecord(QDir(GamesPath()).filePath(code + QStringLiteral(".mrvgame"))).settings.kind,
                 CardKind::Tickets90);
        QVERIFY(words.join(QLatin1Char(' ')).contains(QStringLiteral("Ticket 12 · Strip 2 · Game ") + code));
        // Two strips: every number twice, among the ticket and strip numbers.
        for (int n = 1; n <= 90; ++n)
            QVERIFY2(numbers.count(n) >= 2, qPrintable(QString::number(n)));
    }

    void forceAnswersTheRepeatQuestionYes()
    {
        skipWithoutPoppler();
        // Eight equal entries on a 3 x 3 card make a single face.
        writeBytes(OptionsFilePath(), "[Options]\nCardSize=0\n");
        const Run run = morvane(
            {"--export", "same.pdf", "--cards", "2", "--force", listOf(QStringList(8, QStringLiteral("same")))});
        QCOMPARE(run.err, QStringLiteral("morvane: These entries make only 1 different card. Print anyway, repeating "
                                         "some cards? Yes (--force).\n"));
        QCOMPARE(run.exitCode, 0);
        const QList<PdfPage> read = pdfPages(dir->filePath(QStringLiteral("same.pdf")));
        QCOMPARE(read.size(), 2);
        for (const PdfPage &page : read)
            QCOMPARE(page.words.count(), 3 + 2 + 8); // B I N, "Free Space", the entries
    }

    // The cards replace only a regular file, and never the list itself,
    // whatever name or link leads to it; what stood there is left alone.
    void exportTargetsThatAreRefused_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("message");
        QTest::newRow("a pipe") << "pipe"
                                << "\"%1\" is not a regular file: the cards can only be written to a new "
                                   "file or over an earlier file.";
        QTest::newRow("a folder") << "folder"
                                  << "\"%1\" is not a regular file: the cards can only be written to a new file or "
                                     "over an earlier file.";
        QTest::newRow("a link to a pipe") << "link to pipe"
                                          << "\"%1\" is not a regular file: the cards can only be written to a new "
                                             "file or over an earlier file.";
        QTest::newRow("the list") << "list.mrv"
                                  << "\"%1\" is the card list being exported: the cards cannot be written over it.";
        QTest::newRow("a link to the list")
            << "link to list"
            << "\"%1\" is the card list being exported: the cards cannot be written over it.";
    }
    void exportTargetsThatAreRefused()
    {
        QFETCH(QString, target);
        QFETCH(QString, message);
        const QString list = listOf(numberEntries(1, 75));
        const QByteArray listBytes = readBytes(list);
        QVERIFY(::mkfifo(QFile::encodeName(dir->filePath(QStringLiteral("pipe"))).constData(), 0600) == 0);
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("folder")));
        QVERIFY(QFile::link(dir->filePath(QStringLiteral("pipe")), dir->filePath(QStringLiteral("link to pipe"))));
        QVERIFY(QFile::link(list, dir->filePath(QStringLiteral("link to list"))));
        const QStringList before = QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
        for (const bool numbered : {false, true}) {
            const Run run = morvane(QStringList{"--export", target}
                                    + (numbered ? QStringList{"--number"} : QStringList()) + QStringList{list});
            QCOMPARE(run.err, QStringLiteral("morvane: %1\n").arg(message.arg(target)));
            QCOMPARE(run.exitCode, 1);
            QCOMPARE(readBytes(list), listBytes);
            QVERIFY(QFileInfo(dir->filePath(QStringLiteral("pipe"))).isSymLink() == false);
            QCOMPARE(QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System), before);
            QCOMPARE(recordedGames(), QStringList());
        }
        struct stat st
        {
        };
        QVERIFY(::stat(QFile::encodeName(dir->filePath(QStringLiteral("pipe"))).constData(), &st) == 0);
        QVERIFY(S_ISFIFO(st.st_mode));
    }

    // Past the file-size limit the export fails as on a full disk, leaving
    // nothing behind, instead of being killed.
    void aFileSizeLimitFailsAsAFullDisk()
    {
        const QString list = listOf(numberEntries(1, 75));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        QProcess p;
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir->path());
        p.setChildProcessModifier([] {
            const rlimit limit{16 * 1024, 16 * 1024};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        });
        p.start(QStringLiteral(MORVANE_EXECUTABLE), {"--export", "cards.pdf", "--cards", "400", list});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 1);
        QVERIFY2(QString::fromUtf8(p.readAllStandardError()).endsWith(QLatin1String("morvane: Disk full.\n")),
                 "the message");
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"list.mrv"});
    }

    // A numbered export whose game cannot be kept writes no cards: no card
    // may carry a code that was never recorded.
    void numberedExportWithoutItsRecordWritesNothing()
    {
        writeBytes(GamesPath().chopped(1), "a file where the games folder should be");
        const Run run = morvane({"--export", "game.pdf", "--number", listOf(numberEntries(1, 75))});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.startsWith(QLatin1String("morvane: The ")), qPrintable(run.err));
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"list.mrv"});
    }

    void numberedExportRecordsItsGameAndPrintsItsCode()
    {
        skipWithoutPoppler();
        const Run run = morvane(
            {"--export", "game.pdf", "--number", "--cards", "3", "--per-page", "2", listOf(numberEntries(1, 75))});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.endsWith(QLatin1Char('\n')) && isGameCode(run.out.chopped(1)), qPrintable(run.out));
        const QString code = run.out.chopped(1);
        QCOMPARE(recordedGames(), QStringList{code + QStringLiteral(".mrvgame")});
        const GameRecord record = readGameRecord(gameFilePath(GamesPath(), code));
        QCOMPARE(record.cards, std::uint64_t(4));
        QCOMPARE(record.cardsPerPage, 2);
        QCOMPARE(record.entries.size(), 75);
        int numbered = 0;
        for (const PdfPage &page : pdfPages(dir->filePath(QStringLiteral("game.pdf"))))
            for (const PdfWord &w : page.words)
                numbered += w.text == code ? 1 : 0;
        QCOMPARE(numbered, 4);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
