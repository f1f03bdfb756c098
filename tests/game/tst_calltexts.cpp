#include "FakeSpeaker.h"
#include "Fixtures.h"
#include "card/EnglishPlurals.h"
#include "game/CallAnnouncer.h"
#include "game/CallSession.h"
#include "game/CallTexts.h"

#include <QCoreApplication>
#include <QTest>

class TestCallTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The counted texts in English, as the program installs them.
    void initTestCase() { installEnglishPlurals(*QCoreApplication::instance()); }

    void callText_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("heading");
        QTest::addColumn<QString>("headingText");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("spoken");
        const QStringList numbers = numberEntries(1, 75);
        QTest::newRow("first column") << numbers << true << "BINGO"
                                      << "7"
                                      << "B 7"
                                      << "B, 7";
        QTest::newRow("last column") << numbers << true << "BINGO"
                                     << "75"
                                     << "O 75"
                                     << "O, 75";
        QTest::newRow("heading of its own") << numbers << true << "LOTTO"
                                            << "40"
                                            << "T 40"
                                            << "T, 40";
        QTest::newRow("heading off") << numbers << false << "LOTTO"
                                     << "16"
                                     << "I 16"
                                     << "I, 16";
        QTest::newRow("short heading") << numbers << true << "XYZ"
                                       << "50"
                                       << "G 50"
                                       << "G, 50";
        QTest::newRow("blank heading") << numbers << true << "   "
                                       << "31"
                                       << "N 31"
                                       << "N, 31";
        QStringList spaced = numbers;
        spaced[6] = QStringLiteral(" 7");
        QTest::newRow("number as a number") << spaced << true << "BINGO"
                                            << " 7"
                                            << "B 7"
                                            << "B, 7";
        QTest::newRow("74 numbers") << numberEntries(1, 74) << true << "BINGO"
                                    << "7"
                                    << "7"
                                    << "7";
        QTest::newRow("words") << QStringList{"cat", "dog"} << true << "BINGO"
                               << "dog"
                               << "dog"
                               << "dog";
    }
    void callText()
    {
        QFETCH(QStringList, entries);
        QFETCH(bool, heading);
        QFETCH(QString, headingText);
        QFETCH(QString, entry);
        QFETCH(QString, shown);
        QFETCH(QString, spoken);
        const CallBoard board(entries, heading, headingText);
        const int item = board.itemOf(entry);
        QVERIFY(item >= 0);
        QCOMPARE(board.callText(item), shown);
        QCOMPARE(board.spokenText(item), spoken);
    }

    void classicBoard()
    {
        const CallBoard board(numberEntries(1, 75), true, QStringLiteral("BINGO"));
        const BoardLayout layout = board.layout();
        QCOMPARE(layout.rows, 5);
        QCOMPARE(layout.columns, 15);
        QCOMPARE(layout.rowLabels, QStringList({"B", "I", "N", "G", "O"}));
        QCOMPARE(board.label(layout.itemAt(0, 6)), QStringLiteral("7"));
        QCOMPARE(board.label(layout.itemAt(4, 14)), QStringLiteral("75"));
        QCOMPARE(board.label(layout.itemAt(2, 0)), QStringLiteral("31"));

        // "07" in place of 8 leaves no place for 8: the entries go in list order.
        QStringList twice = numberEntries(1, 75);
        twice[7] = QStringLiteral("07");
        const BoardLayout list = CallBoard(twice, true, QStringLiteral("BINGO")).layout();
        QVERIFY(list.rowLabels.isEmpty());
        QCOMPARE(list.itemAt(0, 7), 7);
    }

    void listBoard_data()
    {
        QTest::addColumn<int>("entries");
        QTest::addColumn<double>("aspect");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::newRow("wide") << 75 << 16.0 / 9.0 << 7 << 12;
        QTest::newRow("square") << 30 << 1.0 << 5 << 6;
        QTest::newRow("one entry") << 1 << 16.0 / 9.0 << 1 << 1;
        QTest::newRow("none") << 0 << 1.0 << 0 << 0;
    }
    void listBoard()
    {
        QFETCH(int, entries);
        QFETCH(double, aspect);
        QFETCH(int, rows);
        QFETCH(int, columns);
        QStringList words;
        for (int i = 0; i < entries; ++i)
            words.append(QStringLiteral("w%1").arg(i, 3, 10, QLatin1Char('0')));
        const BoardLayout layout = CallBoard(words, true, QStringLiteral("BINGO")).layout(aspect);
        QCOMPARE(layout.rows, rows);
        QCOMPARE(layout.columns, columns);
        QVERIFY(layout.rowLabels.isEmpty());
        // List order, row by row, empty places only at the end.
        for (int i = 0; i < rows * columns; ++i)
            QCOMPARE(layout.itemAt(i / columns, i % columns), i < entries ? i : -1);
    }

    void verdict_data()
    {
        QTest::addColumn<int>("pattern");
        QTest::addColumn<QString>("calls");
        QTest::addColumn<int>("card");
        QTest::addColumn<QString>("verdict");
        const int line = patternIndex(WinPattern::AnyLine);
        const int corners = patternIndex(WinPattern::FourCorners);
        const int full = patternIndex(WinPattern::FullCard);
        QTest::newRow("row") << line << "fgh" << 1 << "Card 1: bingo on row 3";
        QTest::newRow("column") << line << "adf" << 1 << "Card 1: bingo on column 1";
        QTest::newRow("diagonal") << line << "ah" << 1 << "Card 1: bingo on diagonal";
        QTest::newRow("three lines") << line << "adfgh" << 1 << "Card 1: bingo on row 3, column 1 and diagonal";
        QTest::newRow("both diagonals") << line << "acfh" << 1 << "Card 1: bingo on both diagonals";
        QTest::newRow("short") << line << "a" << 1 << "Card 1: no bingo yet, 1 cell short of the nearest line";
        QTest::newRow("no call") << line << "" << 2 << "Card 2: no bingo yet, 2 cells short of the nearest line";
        QTest::newRow("four corners") << corners << "acfh" << 1 << "Card 1: bingo on four corners";
        QTest::newRow("corners short") << corners << "ab" << 1 << "Card 1: no bingo yet, 3 cells short of four corners";
        QTest::newRow("full card") << full << "abcdefgh" << 1 << "Card 1: bingo on full card";
        QTest::newRow("full short") << full << "abcdefg" << 1 << "Card 1: no bingo yet, 1 cell short of a full card";
        QTest::newRow("card 0") << line << "" << 0 << "There is no card 0 in this game: its cards are numbered 1 to 2.";
        QTest::newRow("past the last") << line << "" << 3
                                       << "There is no card 3 in this game: its cards are numbered 1 to 2.";
    }
    // Card 1:  a b c    card 2:  h g f
    //          d * e             e * d
    //          f g h             c b a
    void verdict()
    {
        QFETCH(int, pattern);
        QFETCH(QString, calls);
        QFETCH(int, card);
        QFETCH(QString, verdict);
        const CallBoard board(letters("abcdefgh"), true, QStringLiteral("BINGO"));
        WinIndexBuilder builder(board, 3, true);
        builder.addCard(letters("abcdefgh"));
        builder.addCard(letters("hgfedcba"));
        CallSession session(board, builder.finish());
        session.setPattern(static_cast<WinPattern>(pattern));
        for (QChar c : calls)
            session.toggleMark(board.itemOf(QString(c)));
        QCOMPARE(verdictText(session.check(card), session.pattern(), session.cardCount()), verdict);
    }

    void gameWithoutCards()
    {
        CallSession session(CallBoard(letters("abc"), false, QString()));
        session.toggleMark(1);
        QCOMPARE(callCountText(session.callCount(), session.board().size()), QStringLiteral("Call 1 of 3"));
        QVERIFY(session.winners().empty());
        QCOMPARE(verdictText(session.check(1), session.pattern(), session.cardCount()),
                 QStringLiteral("This game has no cards to check."));
    }

    void bingoTextLimit()
    {
        const std::vector<Winner> winners{{3, 9}, {17, 23}, {204, 23}, {300, 30}};
        QCOMPARE(bingoText(winners, 2), QStringLiteral("Bingo: card 3 (call 9), card 17 (call 23) and 2 more cards"));
        QCOMPARE(bingoText(winners, 3),
                 QStringLiteral("Bingo: card 3 (call 9), card 17 (call 23), card 204 (call 23) and 1 more card"));
        QCOMPARE(bingoText(winners, 4), bingoText(winners));
    }

    // Counts are grouped as the user's language groups them.
    void countsInTheUsersLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("calls");
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("text");
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        const QLocale german(QLocale::German, QLocale::Germany);
        QTest::newRow("small") << english << 12 << 75 << "Call 12 of 75";
        QTest::newRow("four digits") << english << 9999 << 9999 << "Call 9,999 of 9,999";
        QTest::newRow("a million") << english << 10000 << 1000000 << "Call 10,000 of 1,000,000";
        QTest::newRow("German grouping") << german << 12345 << 1000000 << "Call 12.345 of 1.000.000";
    }
    void countsInTheUsersLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(int, calls);
        QFETCH(int, entries);
        QFETCH(QString, text);
        const QLocale before;
        QLocale::setDefault(locale);
        const QString made = callCountText(calls, entries);
        const QString more = bingoText({{1, 1}, {2, 1}}, 1);
        QLocale::setDefault(before);
        QCOMPARE(made, text);
        QCOMPARE(more, QStringLiteral("Bingo: card 1 (call 1) and 1 more card"));
    }

    // The banner of calls not saved names the calls, the file and the reason.
    void unsavedCalls_data()
    {
        QTest::addColumn<int>("unsaved");
        QTest::addColumn<int>("callCount");
        QTest::addColumn<int>("takeBacks");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("text");
        QTest::newRow("one call") << 1 << 46 << 0 << "Disk full"
                                  << "Call 46 was not saved in \"/g/K.mrvgame\": Disk full.";
        QTest::newRow("calls renumbered") << 3 << 45 << 4 << "File access denied"
                                          << "Calls 43 to 45 (3 calls) were not saved in \"/g/K.mrvgame\": File "
                                             "access denied.";
        QTest::newRow("one taken back") << 0 << 44 << 1 << "Disk full."
                                        << "The call taken back was not saved, and is still in \"/g/K.mrvgame\": "
                                           "Disk full.";
        QTest::newRow("many taken back") << 0 << 0 << 12000 << "Disk full"
                                         << "The 12,000 calls taken back were not saved, and are still in "
                                            "\"/g/K.mrvgame\": Disk full.";
    }
    void unsavedCalls()
    {
        QFETCH(int, unsaved);
        QFETCH(int, callCount);
        QFETCH(int, takeBacks);
        QFETCH(QString, reason);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(unsavedCallsText(QStringLiteral("/g/K.mrvgame"), reason, unsaved, callCount, takeBacks), text);
    }

    void speaksCallsWhenOn_data()
    {
        QTest::addColumn<bool>("available");
        QTest::addColumn<bool>("on");
        QTest::addColumn<QStringList>("said");
        QTest::newRow("off by default") << true << false << QStringList();
        QTest::newRow("on") << true << true << QStringList{"B, 7", "O, 75"};
        QTest::newRow("no speech service") << false << true << QStringList();
    }
    void speaksCallsWhenOn()
    {
        QFETCH(bool, available);
        QFETCH(bool, on);
        QFETCH(QStringList, said);
        FakeSpeaker speaker(available);
        CallAnnouncer announcer(speaker);
        announcer.start({});
        if (on)
            announcer.setEnabled(true);
        const CallBoard board(numberEntries(1, 75), true, QStringLiteral("BINGO"));
        announcer.announce(board, board.itemOf("7"));
        announcer.announce(board, board.itemOf("75"));
        QCOMPARE(speaker.said, said);
        QCOMPARE(announcer.enabled(), on && available);
    }
};

// An application, for the English catalogue of the counted texts.
QTEST_GUILESS_MAIN(TestCallTexts)
#include "tst_calltexts.moc"
