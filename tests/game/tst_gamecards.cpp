// Regenerating the cards of a recorded game: pinned cards that no later
// change may alter, and the very cards the print job printed.
#include "FakePrintService.h"
#include "FakePrompts.h"
#include "FileHelpers.h"
#include "GameFixtures.h"
#include "PrintFixtures.h"
#include "SequenceRandom.h"

#include "game/GameCards.h"
#include "game/GameFile.h"
#include "game/NumberedGame.h"
#include "print/CardPrintJob.h"

#include <QTemporaryDir>
#include <QTest>

class TestGameCards : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every recorded game depends on these: a change that fails here would
    // give old games new cards.
    void goldenCards_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("sizeIndex");
        QTest::addColumn<bool>("freeSpace");
        QTest::addColumn<QString>("card1");
        QTest::addColumn<QString>("card2");
        QTest::addColumn<QString>("card1000");
        QTest::newRow("numbers 3 x 3, free space") << numberEntries(1, 75) << 0 << true << "5 22 33 51 7 19 37 56"
                                                   << "7 18 38 56 1 29 36 48"
                                                   << "13 23 36 46 4 29 39 55";
        QTest::newRow("numbers 5 x 5, free space")
            << numberEntries(1, 75) << 1 << true
            << "5 22 33 51 61 7 19 37 56 65 2 21 46 69 13 28 35 60 66 9 25 41 47 62"
            << "7 18 38 56 65 1 29 36 48 70 12 21 58 62 5 22 42 53 67 4 25 33 52 63"
            << "13 23 36 46 64 4 29 39 55 65 10 19 54 68 7 16 38 49 62 11 25 32 53 69";
        QTest::newRow("numbers 7 x 7") << numberEntries(1, 75) << 2 << false
                                       << "5 22 33 51 61 7 19 37 56 65 2 21 40 46 69 13 28 35 60 66 9 25 41 47 62 3 20 "
                                          "32 50 72 10 30 36 53 71 15 29 38 49 64 14 26 39 55 75 12 18 45 54"
                                       << "7 18 38 56 65 1 29 36 48 70 12 21 39 58 62 5 22 42 53 67 4 25 33 52 63 15 "
                                          "20 43 54 71 10 17 40 51 74 14 16 32 57 72 2 28 44 59 75 13 26 45 49"
                                       << "13 23 36 46 64 4 29 39 55 65 10 19 43 54 68 7 16 38 49 62 11 25 32 53 69 12 "
                                          "20 45 59 73 15 17 40 48 71 14 24 31 51 66 2 22 37 60 74 6 18 42 58";
        QTest::newRow("words 3 x 3") << wordEntries(50) << 0 << false << "w14 w24 w08 w19 w03 w21 w13 w25 w37"
                                     << "w24 w08 w28 w35 w15 w03 w47 w19 w11"
                                     << "w43 w25 w17 w04 w12 w11 w46 w30 w31";
        QTest::newRow("words 5 x 5, free space")
            << wordEntries(50) << 1 << true
            << "w14 w24 w08 w19 w03 w21 w13 w25 w37 w12 w05 w23 w33 w04 w31 w44 w43 w18 w50 w16 w30 w35 w34 w01"
            << "w24 w08 w28 w35 w15 w03 w47 w19 w11 w33 w39 w18 w29 w42 w06 w16 w22 w37 w31 w21 w10 w34 w13 w26"
            << "w43 w25 w17 w04 w12 w11 w46 w30 w31 w15 w35 w14 w40 w28 w22 w23 w01 w32 w09 w06 w38 w34 w07 w27";
        QTest::newRow("words 7 x 7, free space")
            << wordEntries(50) << 2 << true
            << "w14 w24 w08 w19 w03 w21 w13 w25 w37 w12 w05 w23 w33 w04 w31 w44 w43 w18 w50 w16 w30 w35 w34 w01 w06 "
               "w10 w27 w11 w20 w40 w32 w48 w22 w29 w39 w49 w47 w17 w07 w09 w46 w42 w28 w36 w45 w41 w15 w38"
            << "w24 w08 w28 w35 w15 w03 w47 w19 w11 w33 w39 w18 w29 w42 w06 w16 w22 w37 w31 w21 w10 w34 w13 w26 w05 "
               "w50 w23 w43 w32 w27 w38 w07 w36 w25 w46 w49 w02 w04 w40 w44 w09 w41 w45 w30 w48 w20 w14 w17"
            << "w43 w25 w17 w04 w12 w11 w46 w30 w31 w15 w35 w14 w40 w28 w22 w23 w01 w32 w09 w06 w38 w34 w07 w27 w21 "
               "w41 w16 w50 w45 w42 w49 w03 w33 w08 w36 w48 w20 w02 w19 w18 w13 w24 w37 w47 w39 w26 w05 w44";
    }
    void goldenCards()
    {
        QFETCH(QStringList, entries);
        QFETCH(int, sizeIndex);
        QFETCH(bool, freeSpace);
        QFETCH(QString, card1);
        QFETCH(QString, card2);
        QFETCH(QString, card1000);
        GameCards cards(gameRecord(entries, sizeIndex, freeSpace, 0x5EEDC0DE2025ULL, 1000));
        QCOMPARE(cards.cells(1).join(' '), card1);
        QCOMPARE(cards.cells(2).join(' '), card2);
        QCOMPARE(cards.cells(1000).join(' '), card1000);
    }

    // Printed through the hook and read back from the record it wrote, the
    // game gives every card the job printed, in print order; also when the
    // unique-card rule had to arrange cards again.
    void sameCardsAsThePrintJob_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("sizeIndex");
        QTest::addColumn<bool>("freeSpace");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("perPage");
        QTest::addColumn<bool>("rearranged");
        QTest::newRow("numbers 5 x 5, free space") << numberEntries(1, 75) << 1 << true << "30"
                                                   << "4" << false;
        QTest::newRow("words 7 x 7") << wordEntries(60) << 2 << false << "5"
                                     << "2" << false;
        // 8 entries on 3 x 3 with the free centre make 40,320 faces: 2,000
        // cards meet about fifty repeats.
        QTest::newRow("8 letters 3 x 3, free space") << letters("abcdefgh") << 0 << true << "2000"
                                                     << "1" << true;
    }
    void sameCardsAsThePrintJob()
    {
        QFETCH(QStringList, entries);
        QFETCH(int, sizeIndex);
        QFETCH(bool, freeSpace);
        QFETCH(QString, count);
        QFETCH(QString, perPage);
        QFETCH(bool, rearranged);
        PrintRequest request = numbersRequest(count, perPage);
        request.words = entries;
        request.settings.sizeIndex = sizeIndex;
        request.settings.freeSpace = freeSpace;
        request.settings.heading = false;
        QTemporaryDir games;
        NumberedGame game(request, games.path(), 0xC0FFEE);
        FakePrintService service;
        FakePrompts prompts;
        SequenceRandom random;
        QStringList cells;
        QCOMPARE(printCards(request, cells, {service, prompts, random, nullptr, &game.numbering()}),
                 PrintOutcome::Printed);

        GameCards cards(readGameRecord(game.path()));
        const int side = request.settings.side();
        std::uint64_t k = 0;
        for (const FakePrintService::Page &page : service.lastDocument()) {
            for (const PrintedCard &printed : cardsOfPage(page, side, side)) {
                QStringList shown = stringsOf(printed);
                if (freeSpace)
                    shown.removeAt(side * side / 2);
                QCOMPARE(cards.cells(++k), shown);
            }
        }
        QCOMPARE(k, cards.count());
        QCOMPARE(cards.rearrangements() > 0, rearranged);
        QVERIFY(cards.cells(cards.count() + 1).isEmpty());
        QVERIFY(cards.cells(0).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestGameCards)
#include "tst_gamecards.moc"
