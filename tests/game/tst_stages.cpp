// Games played in stages: the prizes of a square card, the stages won and
// their winners against a plain replay of the calls, the winners line, the
// call names, and the files that keep stages and drawn patterns.
#include "Fixtures.h"
#include "SequenceRandom.h"
#include "card/ArrangeCard.h"
#include "card/CardSettings.h"
#include "card/KindPrizes.h"
#include "card/TicketDeck.h"
#include "game/CallNames.h"
#include "game/CallSession.h"
#include "game/GameStages.h"
#include "game/SavedPatterns.h"
#include "game/StagesFile.h"
#include "game/WinnersLine.h"
#include "render/CardGeometry.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>

#include <climits>

namespace {

// The call at which each card first holds the prize, from its cells as
// drawn: at call c a shape is complete when each of its cells is free or
// called by c.
int bruteFirstHold(const std::vector<BodyCell> &cells, const Prize &prize, const QHash<QString, int> &callOf, int calls)
{
    for (int c = 1; c <= calls; ++c) {
        int complete = 0;
        for (std::uint64_t shape : prize.shapes) {
            bool all = true;
            for (int k = 0; k < int(cells.size()) && all; ++k) {
                if (shape >> k & 1)
                    all = cells[std::size_t(k)].freeSpace || callOf.value(cells[std::size_t(k)].text, INT_MAX) <= c;
            }
            complete += all ? 1 : 0;
        }
        if (complete >= prize.atLeast)
            return c;
    }
    return 0;
}

// The same for a ticket, read as a player reads one, by the prize's name:
// the numbers of each row, left to right, blanks passed over.
int bruteTicketFirstHold(const QStringList &cells, const QString &prize, const QHash<QString, int> &callOf, int calls)
{
    QList<QStringList> rows(TicketRows);
    for (int k = 0; k < cells.size(); ++k) {
        if (!cells[k].isEmpty())
            rows[k / TicketColumns].append(cells[k]);
    }
    for (int c = 1; c <= calls; ++c) {
        const auto called = [&](const QString &n) { return callOf.value(n, INT_MAX) <= c; };
        const auto full = [&](int row) { return std::all_of(rows[row].begin(), rows[row].end(), called); };
        const int fullRows = int(full(0)) + int(full(1)) + int(full(2));
        int numbers = 0;
        for (const QStringList &row : rows)
            numbers += int(std::count_if(row.begin(), row.end(), called));
        const bool holds = prize == "One Line"      ? fullRows >= 1
                           : prize == "Two Lines"   ? fullRows >= 2
                           : prize == "Full House"  ? fullRows == 3
                           : prize == "Early Five"  ? numbers >= 5
                           : prize == "Top Line"    ? full(0)
                           : prize == "Middle Line" ? full(1)
                           : prize == "Bottom Line" ? full(2)
                           : prize == "Corners"     ? called(rows[0].first()) && called(rows[0].last())
                                                      && called(rows[2].first()) && called(rows[2].last())
                                                : (qFatal("no prize %s", qPrintable(prize)), false);
        if (holds)
            return c;
    }
    return 0;
}

// The stages played out call by call, as a caller in a hall would: after
// each call, while some card holds the prize of the stage being played, that
// stage is won by every such card and the next one comes up.
std::vector<StageResult> bruteStages(const std::vector<std::vector<int>> &firstHold, int calls)
{
    std::vector<StageResult> results(firstHold.size());
    std::size_t stage = 0;
    for (int c = 1; c <= calls; ++c) {
        while (stage < results.size()) {
            std::vector<Winner> winners;
            for (std::size_t k = 0; k < firstHold[stage].size(); ++k) {
                if (firstHold[stage][k] != 0 && firstHold[stage][k] <= c)
                    winners.push_back({int(k) + 1, c});
            }
            if (winners.empty())
                break;
            results[stage] = {int(stage), c, winners};
            ++stage;
        }
    }
    for (std::size_t s = 0; s < results.size(); ++s)
        results[s].stage = int(s);
    return results;
}

std::uint64_t cellsAt(int side, std::initializer_list<std::pair<int, int>> rowColumns)
{
    std::uint64_t cells = 0;
    for (auto [r, c] : rowColumns)
        cells |= std::uint64_t{1} << (r * side + c);
    return cells;
}

} // namespace

class TestStages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Which prizes of a 5 x 5 card a set of covered cells takes.
    void squarePrizesOfCoveredCells_data()
    {
        QTest::addColumn<std::uint64_t>("covered");
        QTest::addColumn<QStringList>("won");
        const std::uint64_t row1 = cellsAt(5, {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}});
        const std::uint64_t column3 = cellsAt(5, {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}});
        const std::uint64_t corners = cellsAt(5, {{0, 0}, {0, 4}, {4, 0}, {4, 4}});
        const std::uint64_t diagonals =
            cellsAt(5, {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {0, 4}, {1, 3}, {3, 1}, {4, 0}});
        QTest::newRow("nothing") << std::uint64_t(0) << QStringList{};
        QTest::newRow("one row") << row1 << QStringList{"Any Line"};
        QTest::newRow("row and column") << (row1 | column3) << QStringList{"Any Line", "Two Lines"};
        QTest::newRow("corners only") << corners << QStringList{"Four Corners"};
        QTest::newRow("both diagonals") << diagonals << QStringList{"Any Line", "Two Lines", "Four Corners", "X"};
        QTest::newRow("one diagonal") << cellsAt(5, {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}})
                                      << QStringList{"Any Line"};
        QTest::newRow("stamp bottom right")
            << cellsAt(5, {{3, 3}, {3, 4}, {4, 3}, {4, 4}}) << QStringList{"Postage Stamp"};
        QTest::newRow("2x2 in the middle") << cellsAt(5, {{1, 1}, {1, 2}, {2, 1}, {2, 2}}) << QStringList{};
        QTest::newRow("all") << ((std::uint64_t{1} << 25) - 1)
                             << QStringList{"Any Line", "Two Lines", "Four Corners", "X", "Postage Stamp", "Full Card"};
    }
    void squarePrizesOfCoveredCells()
    {
        QFETCH(std::uint64_t, covered);
        QFETCH(QStringList, won);
        QStringList names;
        for (const Prize &prize : squarePrizes(5)) {
            if (prize.wonBy(covered))
                names.append(prize.name);
        }
        QCOMPARE(names, won);
    }

    void matchesBruteForce_data()
    {
        QTest::addColumn<CardKind>("kind");
        QTest::addColumn<int>("sizeIndex");
        QTest::addColumn<bool>("freeSpace");
        QTest::addColumn<QStringList>("entries");
        const CardKind words = CardKind::WordCards;
        QTest::newRow("3x3 free, 30 numbers") << words << 0 << true << numberEntries(1, 30);
        QTest::newRow("5x5 free, 75 numbers") << words << 1 << true << numberEntries(1, 75);
        QTest::newRow("5x5, 40 numbers") << words << 1 << false << numberEntries(1, 40);
        QTest::newRow("7x7, 75 numbers") << words << 2 << false << numberEntries(1, 75);
        QTest::newRow("90-ball tickets") << CardKind::Tickets90 << 1 << false << numberEntries(1, 90);
    }
    // Random games of random stages (the prizes of the kind shuffled, on
    // square cards a drawn pattern among them) with draws, undos, marks and unmarks, and stages set part
    // way: after every step each stage's winning call and winners agree with
    // the calls replayed in order.
    void matchesBruteForce()
    {
        QFETCH(CardKind, kind);
        QFETCH(int, sizeIndex);
        QFETCH(bool, freeSpace);
        QFETCH(QStringList, entries);
        const bool tickets = kind == CardKind::Tickets90;
        const int side = cardSide(sizeIndex);
        constexpr int Cards = 80;
        SequenceRandom random(std::uint64_t(sizeIndex * 7 + freeSpace + 3 + int(kind)));
        CardSettings settings;
        settings.kind = kind;
        settings.sizeIndex = sizeIndex;
        settings.freeSpace = freeSpace;
        const CallBoard board(entries, true, QStringLiteral("BINGO"), kind);
        WinIndexBuilder builder(board, cardShape(settings));
        std::vector<std::vector<BodyCell>> cards;
        std::vector<QStringList> ticketsDealt;
        TicketDeck deck(random, std::uint64_t(99));
        QStringList cells;
        for (int k = 0; k < Cards; ++k) {
            if (tickets) {
                cells = ticketCells(deck.ticket(std::uint64_t(k + 1)));
                ticketsDealt.push_back(cells);
            } else {
                ArrangeCard(entries, sizeIndex, freeSpace, cells, random);
                cards.push_back(bodyCells(cells, side, freeSpace, QStringLiteral("Free")));
            }
            builder.addCard(cells);
        }
        CallSession session(board, builder.finish());

        PrizeStages prizes = offeredPrizes(settings);
        if (!tickets)
            prizes.push_back(drawnPrize(QStringLiteral("Top and bottom"), cellsAt(side, {{0, 1}, {side - 1, 1}})));
        for (std::size_t i = prizes.size() - 1; i > 0; --i)
            std::swap(prizes[i], prizes[random.below(std::uint32_t(i + 1))]);
        for (int i = 0; i < 6; ++i)
            session.callNext(random);
        session.setPrizes(prizes);

        int stagesWon = 0;
        while (!session.allCalled()) {
            const auto roll = random.below(10);
            if (roll < 2)
                session.undoLastCall();
            else if (roll < 3)
                session.toggleMark(int(random.below(std::uint32_t(board.size()))));
            else
                session.callNext(random);

            QHash<QString, int> callOf;
            const QStringList called = session.calledTexts();
            for (int i = 0; i < called.size(); ++i)
                callOf.insert(called[i], i + 1);
            std::vector<std::vector<int>> firstHold;
            for (const Prize &prize : prizes) {
                firstHold.emplace_back();
                for (const auto &card : cards)
                    firstHold.back().push_back(bruteFirstHold(card, prize, callOf, session.callCount()));
                for (const QStringList &ticket : ticketsDealt)
                    firstHold.back().push_back(bruteTicketFirstHold(ticket, prize.name, callOf, session.callCount()));
            }
            const std::vector<StageResult> expected = bruteStages(firstHold, session.callCount());
            const GameStages stages(session.prizeWins());
            QCOMPARE(stages.results().size(), expected.size());
            int current = int(expected.size());
            for (std::size_t s = 0; s < expected.size(); ++s) {
                QCOMPARE(stages.results()[s].wonAtCall, expected[s].wonAtCall);
                QCOMPARE(stages.results()[s].winners, expected[s].winners);
                if (expected[s].wonAtCall == 0 && current == int(expected.size()))
                    current = int(s);
            }
            QCOMPARE(stages.current(), current);
            stagesWon = std::max(stagesWon, current);
        }
        // Once everything is called every card holds every prize.
        QVERIFY(GameStages(session.prizeWins()).finished());
        for (int p = 0; p < int(prizes.size()); ++p) {
            for (int k = 1; k <= Cards; ++k)
                QVERIFY(session.prizeWins().firstWin(p, k) > 0);
        }
        QCOMPARE(stagesWon, int(prizes.size()));
    }

    void winnersLine_data()
    {
        QTest::addColumn<int>("latest");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("text");
        QTest::newRow("newest first, latest marked")
            << 23 << -1
            << QString::fromUtf8("Bingo: \u2605 card 4 (call 23), \u2605 card 9 (call 23), card 2 (call 9), "
                                 "card 1 (call 5)");
        QTest::newRow("the latest winners stay in sight")
            << 23 << 2 << QString::fromUtf8("Bingo: \u2605 card 4 (call 23), \u2605 card 9 (call 23) and 2 more cards");
        QTest::newRow("no call made them") << 24 << 3
                                           << "Bingo: card 4 (call 23), card 9 (call 23), card 2 (call 9) "
                                              "and 1 more card";
    }
    void winnersLine()
    {
        QFETCH(int, latest);
        QFETCH(int, limit);
        QFETCH(QString, text);
        const std::vector<Winner> inCardOrder{{1, 5}, {2, 9}, {4, 23}, {9, 23}};
        std::vector<ShownWinner> winners = shownWinners(inCardOrder);
        orderNewestFirst(winners, limit < 0 ? SIZE_MAX : std::size_t(limit));
        QCOMPARE(winnersLineText(winners, latest, limit), text);
    }

    void winnersLineNamesThePrizes()
    {
        const PrizeStages prizes = squarePrizes(5);
        std::vector<ShownWinner> winners{{3, 12, 0}, {3, 31, 1}, {8, 31, 2}};
        orderNewestFirst(winners);
        QCOMPARE(winnersLineText(winners, 31, -1, prizes),
                 QString::fromUtf8("Bingo: \u2605 card 8 (Four Corners, call 31), \u2605 card 3 (Two Lines, call 31), "
                                   "card 3 (Any Line, call 12)"));
    }

    void callNames_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("name");
        QTest::newRow("1") << "1"
                           << "Kelly's eye";
        QTest::newRow("2") << "2"
                           << "One little duck";
        QTest::newRow("11") << "11"
                            << "Legs eleven";
        QTest::newRow("22") << "22"
                            << "Two little ducks";
        QTest::newRow("88") << "88"
                            << "Two fat ladies";
        QTest::newRow("90") << "90"
                            << "Top of the shop";
        QTest::newRow("0") << "0" << QString();
        QTest::newRow("91") << "91" << QString();
        QTest::newRow("07") << "07" << QString();
        QTest::newRow("word") << "cat" << QString();
    }
    void callNames()
    {
        QFETCH(QString, label);
        QFETCH(QString, name);
        QCOMPARE(callName(label), name);
    }

    void everyNumberHasItsOwnName()
    {
        QSet<QString> names;
        for (int n = 1; n <= 90; ++n)
            names.insert(callName(QString::number(n)));
        QCOMPARE(names.size(), 90);
        QVERIFY(!names.contains(QString()));
    }

    // Stages kept beside a game file come back as they were, in order; no
    // stages remove the file.
    void stagesFileRoundTrip()
    {
        QTemporaryDir dir;
        const QString game = dir.filePath(QStringLiteral("K7Q2MX.mrvgame"));
        PrizeStages stages = squarePrizes(5);
        stages.insert(stages.begin() + 1, drawnPrize(QStringLiteral("My big T, 2"), 0x421fULL));
        writeStages(game, stages);
        QCOMPARE(stagesPathFor(game), dir.filePath(QStringLiteral("K7Q2MX.stages")));
        QCOMPARE(readStages(game), stages);
        writeStages(game, {});
        QVERIFY(!QFile::exists(stagesPathFor(game)));
        QVERIFY(readStages(game).empty());
    }

    void savedPatternsKeepOnePerNameAndSize()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Morvane/Patterns.txt"));
        std::vector<SavedPattern> patterns;
        keepPattern(patterns, {QStringLiteral("Big T"), 5, 0x421fULL});
        keepPattern(patterns, {QStringLiteral("Big T"), 3, 0x97ULL});
        keepPattern(patterns, {QStringLiteral("Big T"), 5, 0x4213ULL});
        QCOMPARE(patterns.size(), std::size_t(2));
        writeSavedPatterns(path, patterns);
        QCOMPARE(readSavedPatterns(path), patterns);
        QCOMPARE(readSavedPatterns(path).front().cells, 0x4213ULL);
    }
};

QTEST_GUILESS_MAIN(TestStages)
#include "tst_stages.moc"
