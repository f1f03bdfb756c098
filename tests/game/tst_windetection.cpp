#include "Fixtures.h"
#include "SequenceRandom.h"
#include "card/ArrangeCard.h"
#include "card/CardSettings.h"
#include "game/CallSession.h"
#include "render/CardGeometry.h"

#include <QHash>
#include <QTest>

#include <climits>

namespace {

// The win of one card worked out from its cells as drawn, without the index:
// a line is complete at the latest call among its cells, and the card first
// wins at the earliest complete line.
struct BruteVerdict
{
    int firstWin = 0; // 0: not won
    QStringList lines;
    int cellsShort = INT_MAX;
};

BruteVerdict bruteCheck(const std::vector<BodyCell> &cells, int side, WinPattern pattern,
                        const QHash<QString, int> &callOf)
{
    auto when = [&](int row, int column) {
        const BodyCell &cell = cells[static_cast<std::size_t>(row * side + column)];
        if (cell.freeSpace)
            return 0;
        return callOf.value(cell.text, INT_MAX);
    };
    std::vector<std::pair<QString, std::vector<std::pair<int, int>>>> lines;
    auto add = [&](const QString &name) { lines.push_back({name, {}}); };
    if (pattern == WinPattern::AnyLine) {
        for (int r = 0; r < side; ++r) {
            add(QStringLiteral("row %1").arg(r + 1));
            for (int c = 0; c < side; ++c)
                lines.back().second.push_back({r, c});
        }
        for (int c = 0; c < side; ++c) {
            add(QStringLiteral("column %1").arg(c + 1));
            for (int r = 0; r < side; ++r)
                lines.back().second.push_back({r, c});
        }
        add(QStringLiteral("diagonal"));
        for (int i = 0; i < side; ++i)
            lines.back().second.push_back({i, i});
        add(QStringLiteral("diagonal"));
        for (int i = 0; i < side; ++i)
            lines.back().second.push_back({i, side - 1 - i});
    } else if (pattern == WinPattern::FourCorners) {
        add(QStringLiteral("four corners"));
        lines.back().second = {{0, 0}, {0, side - 1}, {side - 1, 0}, {side - 1, side - 1}};
    } else {
        add(QStringLiteral("full card"));
        for (int r = 0; r < side; ++r) {
            for (int c = 0; c < side; ++c)
                lines.back().second.push_back({r, c});
        }
    }
    BruteVerdict verdict;
    int first = INT_MAX;
    for (const auto &[name, line] : lines) {
        int complete = 0;
        int missing = 0;
        for (auto [r, c] : line) {
            complete = std::max(complete, when(r, c));
            missing += when(r, c) == INT_MAX ? 1 : 0;
        }
        first = std::min(first, complete);
        verdict.cellsShort = std::min(verdict.cellsShort, missing);
        if (missing == 0)
            verdict.lines.append(name);
    }
    verdict.firstWin = first == INT_MAX ? 0 : first;
    return verdict;
}

QStringList wordsWithRepeats(int count)
{
    QStringList words;
    for (int i = 0; i < count; ++i)
        words.append(QStringLiteral("word %1").arg(i));
    // The same text twice is one call that covers both cells.
    words.append(QStringLiteral("word 3"));
    words.append(QStringLiteral("word 3"));
    return words;
}

} // namespace

class TestWinDetection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matchesBruteForce_data()
    {
        QTest::addColumn<int>("sizeIndex");
        QTest::addColumn<bool>("freeSpace");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("3x3 free, words") << 0 << true << wordsWithRepeats(14);
        QTest::newRow("3x3, 75 numbers") << 0 << false << numberEntries(1, 75);
        QTest::newRow("5x5 free, 75 numbers") << 1 << true << numberEntries(1, 75);
        QTest::newRow("5x5, words") << 1 << false << wordsWithRepeats(40);
        QTest::newRow("7x7 free, words") << 2 << true << wordsWithRepeats(60);
        QTest::newRow("7x7, 75 numbers") << 2 << false << numberEntries(1, 75);
    }
    // Random games with draws, undos, marks and unmarks: after every step the
    // winners of every pattern, each with its first winning call, and every
    // card's check agree with the cards as drawn.
    void matchesBruteForce()
    {
        QFETCH(int, sizeIndex);
        QFETCH(bool, freeSpace);
        QFETCH(QStringList, entries);
        const int side = cardSide(sizeIndex);
        SequenceRandom random(sizeIndex * 2 + freeSpace + 1);

        const CallBoard board(entries, true, QStringLiteral("BINGO"));
        WinIndexBuilder builder(board, side, freeSpace);
        std::vector<std::vector<BodyCell>> cards;
        QStringList cells;
        for (int k = 0; k < 60; ++k) {
            ArrangeCard(entries, sizeIndex, freeSpace, cells, random);
            builder.addCard(cells);
            cards.push_back(bodyCells(cells, side, freeSpace, QStringLiteral("Free")));
        }
        CallSession session(board, builder.finish());

        int undos = 0;
        int marks = 0;
        int wins = 0;
        while (!session.allCalled()) {
            const auto roll = random.below(10);
            if (roll < 2) {
                undos += session.undoLastCall() ? 1 : 0;
            } else if (roll < 4) {
                session.toggleMark(static_cast<int>(random.below(static_cast<std::uint32_t>(board.size()))));
                ++marks;
            } else {
                QVERIFY(session.callNext(random) >= 0);
            }

            QHash<QString, int> callOf;
            const QStringList called = session.calledTexts();
            for (int i = 0; i < called.size(); ++i)
                callOf.insert(called[i], i + 1);
            for (WinPattern pattern : AllWinPatterns) {
                session.setPattern(pattern);
                std::vector<Winner> expected;
                for (int k = 0; k < 60; ++k) {
                    const BruteVerdict brute = bruteCheck(cards[k], side, pattern, callOf);
                    if (brute.firstWin)
                        expected.push_back({k + 1, brute.firstWin});
                    const CardCheck check = session.check(k + 1);
                    QStringList names;
                    for (const WinLine &line : check.winningLines)
                        names.append(lineName(line));
                    QCOMPARE(names, brute.lines);
                    QCOMPARE(check.cellsShort, brute.cellsShort);
                    QCOMPARE(check.firstWinningCall, brute.firstWin);
                }
                QCOMPARE(session.winners(), expected);
                wins += static_cast<int>(expected.size());
            }
        }
        QVERIFY(undos > 0 && marks > 0);
        QVERIFY(wins > 0);
        // Every card covers a full card once everything is called.
        session.setPattern(WinPattern::FullCard);
        QCOMPARE(static_cast<int>(session.winners().size()), 60);
    }
};

QTEST_APPLESS_MAIN(TestWinDetection)
#include "tst_windetection.moc"
