#include "Fixtures.h"
#include "SequenceRandom.h"
#include "game/CallRandom.h"
#include "game/CallSession.h"
#include "game/CallTexts.h"

#include <QSet>
#include <QTest>

namespace {

// Three 3 x 3 cards with a free centre over the letters a to l, written as
// drawn:   card 1  a b c   card 2  i j k   card 3  e f g
//                  d * e           l * a           h * i
//                  f g h           b c d           j k l
CallSession threeCards(WinPattern pattern)
{
    const QStringList entries = letters("abcdefghijkl");
    const CallBoard board(entries, true, QStringLiteral("BINGO"));
    WinIndexBuilder builder(board, 3, true);
    for (const char *card : {"abcdefgh", "ijklabcd", "efghijkl"})
        builder.addCard(letters(card));
    CallSession session(board, builder.finish());
    session.setPattern(pattern);
    return session;
}

// Each step marks (or unmarks) the letter, or undoes the last call for "-".
void play(CallSession &session, const QString &script)
{
    for (QChar step : script) {
        if (step == QLatin1Char('-'))
            session.undoLastCall();
        else
            session.toggleMark(session.board().itemOf(QString(step)));
    }
}

// Passes the draws through and keeps the bound of each.
class BoundsRecorder : public IRandomSource
{
public:
    std::uint32_t below(std::uint32_t m) override
    {
        bounds.push_back(m);
        return inner.below(m);
    }
    SequenceRandom inner{99};
    std::vector<std::uint32_t> bounds;
};

} // namespace

class TestCallSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstWinningCalls_data()
    {
        QTest::addColumn<int>("pattern");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("bingo");
        const int line = patternIndex(WinPattern::AnyLine);
        const int corners = patternIndex(WinPattern::FourCorners);
        const int full = patternIndex(WinPattern::FullCard);
        QTest::newRow("no call") << line << ""
                                 << "";
        QTest::newRow("a row") << line << "abc"
                               << "Bingo: card 1 (call 3)";
        QTest::newRow("the free centre completes a line") << line << "de"
                                                          << "Bingo: card 1 (call 2)";
        QTest::newRow("two cards at one call") << line << "aih"
                                               << "Bingo: card 1 (call 3), card 3 (call 3)";
        QTest::newRow("the first win stays") << line << "dekabc"
                                             << "Bingo: card 1 (call 2), card 2 (call 4)";
        QTest::newRow("undo takes the win back") << line << "abc-"
                                                 << "";
        QTest::newRow("undo leaves an earlier win") << line << "deab-"
                                                    << "Bingo: card 1 (call 2)";
        QTest::newRow("unmark takes the win back") << line << "abcb"
                                                   << "";
        QTest::newRow("unmark moves later wins up") << line << "kabck"
                                                    << "Bingo: card 1 (call 3)";
        QTest::newRow("marked again counts anew") << line << "abaca"
                                                  << "Bingo: card 1 (call 3)";
        QTest::newRow("four corners") << corners << "acfgh"
                                      << "Bingo: card 1 (call 5)";
        QTest::newRow("corners of two cards") << corners << "acfhegjl"
                                              << "Bingo: card 1 (call 4), card 3 (call 8)";
        QTest::newRow("full card") << full << "abcdefgh"
                                   << "Bingo: card 1 (call 8)";
        QTest::newRow("full card after undo") << full << "abcdefghi-j"
                                              << "Bingo: card 1 (call 8)";
    }
    void firstWinningCalls()
    {
        QFETCH(int, pattern);
        QFETCH(QString, script);
        QFETCH(QString, bingo);
        CallSession session = threeCards(static_cast<WinPattern>(pattern));
        play(session, script);
        QCOMPARE(bingoText(session.winners()), bingo);
    }

    void drawsEveryEntryOnceUniformly()
    {
        CallSession session(CallBoard(numberEntries(1, 75), false, QString()));
        BoundsRecorder random;
        QSet<int> drawn;
        while (!session.allCalled())
            drawn.insert(session.callNext(random));
        QCOMPARE(drawn.size(), 75);
        QCOMPARE(session.callNext(random), -1);
        // Each draw is over exactly the entries still in the bag.
        QCOMPARE(random.bounds.size(), std::size_t{75});
        for (std::size_t i = 0; i < random.bounds.size(); ++i)
            QCOMPARE(random.bounds[i], std::uint32_t(75 - i));
        QVERIFY(session.undoLastCall());
        const int again = session.callNext(random);
        QCOMPARE(again, session.lastCall());
        QCOMPARE(session.callCount(), 75);
    }

    void systemRandomSpreadsOverTheRange()
    {
        SystemRandomSource random;
        std::vector<int> seen(6, 0);
        for (int i = 0; i < 600; ++i) {
            const auto r = random.below(6);
            QVERIFY(r < 6);
            ++seen[r];
        }
        for (int count : seen)
            QVERIFY2(count > 50 && count < 160, qPrintable(QString::number(count)));
    }

    void repeatedTextIsOneCall()
    {
        const QStringList entries{"apple", "apple", "b", "c", "d", "e", "f", "g", "h"};
        const CallBoard board(entries, false, QString());
        QCOMPARE(board.size(), 8);
        WinIndexBuilder builder(board, 3, false);
        builder.addCard({"apple", "b", "apple", "c", "d", "e", "f", "g", "h"});
        CallSession session(board, builder.finish());
        session.toggleMark(board.itemOf("apple"));
        QCOMPARE(session.check(1).calledCells, std::uint64_t{0b101});
        session.toggleMark(board.itemOf("b"));
        QCOMPARE(bingoText(session.winners()), QStringLiteral("Bingo: card 1 (call 2)"));
    }

    void restoreAndNewGame()
    {
        CallSession session = threeCards(WinPattern::AnyLine);
        const int passedOver = session.restore({"a", "zebra", "b", "a", "c", "k"});
        QCOMPARE(passedOver, 2);
        QCOMPARE(session.calledTexts(), QStringList({"a", "b", "c", "k"}));
        QCOMPARE(session.callNumberOf(session.board().itemOf("k")), 4);
        QCOMPARE(bingoText(session.winners()), QStringLiteral("Bingo: card 1 (call 3), card 2 (call 4)"));
        session.newGame();
        QCOMPARE(session.callCount(), 0);
        QVERIFY(!session.isCalled(session.board().itemOf("a")));
        QVERIFY(session.winners().empty());
        QCOMPARE(session.check(1).calledCells, std::uint64_t{1} << 4);
    }
};

QTEST_APPLESS_MAIN(TestCallSession)
#include "tst_callsession.moc"
