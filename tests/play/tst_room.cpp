#include "PlayFixtures.h"

#include "FileHelpers.h"
#include "card/KindPrizes.h"
#include "play/Room.h"

#include <QTemporaryDir>
#include <QTest>

#include <bit>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

// The room's rules: who gets which card, what a claim is told, and what
// survives in the room file.
class TestRoom : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<CalledGame> m_game;
    qint64 m_now = 1000;
    int m_tokens = 0;

    Room::Services services()
    {
        return {[this] { return m_now; },
                [this] { return QStringLiteral("%1").arg(++m_tokens, 32, 16, QLatin1Char('a')); }};
    }
    std::unique_ptr<Room> room(bool journal = true)
    {
        return std::make_unique<Room>(
            *m_game, journal ? std::make_unique<RoomJournal>(RoomJournal::pathFor(m_game->path())) : nullptr,
            services());
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_game.reset(); // its lock goes before the same game is opened again
        m_game = openedGame(m_dir.path(), 6);
        QFile::remove(RoomJournal::pathFor(m_game->path()));
        m_now = 1000;
    }

    void joinHandsOutCards_data()
    {
        QTest::addColumn<int>("perPhone");
        QTest::addColumn<QStringList>("phones");
        QTest::addColumn<QList<int>>("cards"); // 0: refused
        const QString a = QStringLiteral("aaaaaaaaaaaaaaaa");
        const QString b = QStringLiteral("bbbbbbbbbbbbbbbb");
        QTest::newRow("one a phone") << 1 << QStringList{a, a, b} << QList<int>{1, 0, 2};
        QTest::newRow("two a phone") << 2 << QStringList{a, a, a, b} << QList<int>{1, 2, 0, 3};
        QTest::newRow("until none is left")
            << 1 << QStringList{a, b, a + "1", a + "2", a + "3", a + "4", a + "5"} << QList<int>{1, 2, 3, 4, 5, 6, 0};
    }
    void joinHandsOutCards()
    {
        QFETCH(int, perPhone);
        QFETCH(QStringList, phones);
        QFETCH(QList<int>, cards);
        auto r = room();
        r->setCardsPerPhone(perPhone);
        for (int i = 0; i < phones.size(); ++i) {
            const Room::Joined joined = r->join(QStringLiteral("P%1").arg(i), phones.at(i));
            if (cards.at(i) == 0) {
                QVERIFY(joined.status != Room::JoinStatus::Ok);
                QVERIFY(joined.token.isEmpty());
            } else {
                QCOMPARE(joined.status, Room::JoinStatus::Ok);
                QCOMPARE(r->held(joined.token)->card, std::uint64_t(cards.at(i)));
            }
        }
    }

    void linkedCardsAreSkippedAndClosedRoomRefuses()
    {
        auto r = room();
        const QString linked = r->linkCard(1, QStringLiteral("Ada"));
        QCOMPARE(r->linkCard(1), linked);
        QVERIFY(r->linkCard(7).isEmpty());
        QCOMPARE(r->held(r->join(QStringLiteral("Bo"), QStringLiteral("bbbbbbbbbbbbbbbb")).token)->card, 2u);
        r->setOpen(false);
        QCOMPARE(r->join(QStringLiteral("Cy"), QStringLiteral("cccccccccccccccc")).status, Room::JoinStatus::Closed);
    }

    void claimVerdicts_data()
    {
        QTest::addColumn<bool>("tickets");
        QTest::addColumn<QStringList>("stages");     // of the square prizes; none plays the pattern
        QTest::addColumn<QList<int>>("calledCells"); // of card 1: shown cells, or a ticket's numbers in order
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<int>("framed");
        const QStringList none;
        const QStringList lines{QStringLiteral("Any Line"), QStringLiteral("Two Lines")};
        QTest::newRow("first row") << false << none << QList<int>{0, 1, 2, 3, 4}
                                   << QStringLiteral("wins Any Line at call 5") << 5;
        QTest::newRow("centre row, free space")
            << false << none << QList<int>{10, 11, 12, 13} << QStringLiteral("wins Any Line at call 4") << 5;
        QTest::newRow("two short") << false << none << QList<int>{0, 1, 2}
                                   << QStringLiteral("not yet: 2 numbers missing") << 0;
        QTest::newRow("nothing called") << false << none << QList<int>{} << QStringLiteral("not yet: 4 numbers missing")
                                        << 0;
        // A ticket row holds five numbers.
        QTest::newRow("ticket, middle row")
            << true << none << QList<int>{5, 6, 7, 8, 9} << QStringLiteral("wins One Line at call 5") << 5;
        QTest::newRow("ticket, two rows, the second done first")
            << true << none << QList<int>{10, 11, 12, 13, 14, 0, 1, 2, 3, 4}
            << QStringLiteral("wins Two Lines at call 10") << 10;
        QTest::newRow("ticket, full house")
            << true << none << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}
            << QStringLiteral("wins Full House at call 15") << 15;
        QTest::newRow("ticket, a number on each row")
            << true << none << QList<int>{0, 1, 2, 5, 10, 11} << QStringLiteral("not yet: 2 numbers missing") << 0;
        QTest::newRow("stages, one line of two")
            << false << QStringList{QStringLiteral("Two Lines")} << QList<int>{0, 1, 2, 3, 4}
            << QStringLiteral("not yet: 3 numbers missing") << 0; // the diagonal through the corner and the centre
        QTest::newRow("stages, both won") << false << lines << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}
                                          << QStringLiteral("wins Two Lines at call 10") << 10;
    }
    void claimVerdicts()
    {
        QFETCH(bool, tickets);
        QFETCH(QStringList, stages);
        QFETCH(QList<int>, calledCells);
        QFETCH(QString, verdict);
        QFETCH(int, framed);
        if (tickets) {
            m_game.reset();
            m_game = openedGame(m_dir.path(), 12, 4242, CardKind::Tickets90);
        }
        const std::vector<int> held = heldCells(*m_game, 1);
        std::vector<int> cells;
        for (int k : calledCells)
            cells.push_back(tickets ? held.at(std::size_t(k)) : k);
        // A ticket game is always played for prizes, as the Caller starts it.
        PrizeStages prizes = tickets ? startingStages(CardKind::Tickets90) : PrizeStages();
        for (const Prize &prize : squarePrizes(5))
            if (stages.contains(prize.name))
                prizes.push_back(prize);
        m_game->session().setPrizes(prizes);
        auto r = room();
        const QString token = r->linkCard(1);
        callCells(*m_game, 1, cells);
        // What the phone says it dabbed plays no part.
        for (int cell = 0; cell < 27; ++cell)
            r->dab(token, cell, true);
        QCOMPARE(r->claim(token).status, Room::ClaimStatus::Queued);
        QCOMPARE(r->pendingClaims().size(), 1u);
        const RoomClaim &claim = *r->pendingClaims().front();
        QCOMPARE(r->verdictText(claim), verdict);
        QCOMPARE(std::popcount(claim.check.framed), framed);
        // What is framed is called and on the card.
        QCOMPARE(claim.check.framed & ~claim.check.called, 0u);
    }

    void ticketFaceShowsBlanksNoOneCanDab()
    {
        m_game.reset();
        m_game = openedGame(m_dir.path(), 6, 99, CardKind::Tickets90);
        auto r = room();
        const QString token = r->linkCard(6);
        const CardFace face = r->face(*r->held(token));
        QCOMPARE(face.rows, 3);
        QCOMPARE(face.columns, 9);
        QVERIFY(face.heading.isEmpty());
        QCOMPARE(face.cells, m_game->cards()->cells(6));
        int blanks = 0;
        for (int cell = 0; cell < 27; ++cell) {
            const bool blank = face.cells.at(cell).isEmpty();
            blanks += blank ? 1 : 0;
            QCOMPARE(r->dab(token, cell, true), !blank);
        }
        QCOMPARE(blanks, 12);
    }

    void falseClaimWaitCountsFromTheClaim_data()
    {
        QTest::addColumn<int>("answeredAfterMs");
        QTest::newRow("answered at once") << 0;
        QTest::newRow("answered after 4 s") << 4000;
        QTest::newRow("answered after 12 s") << 12000;
    }
    void falseClaimWaitCountsFromTheClaim()
    {
        QFETCH(int, answeredAfterMs);
        auto r = room();
        const QString token = r->linkCard(2);
        QCOMPARE(r->claim(QStringLiteral("0").repeated(32)).status, Room::ClaimStatus::Unknown);
        const qint64 claimedAt = m_now;
        const Room::ClaimAnswer first = r->claim(token);
        QCOMPARE(first.status, Room::ClaimStatus::Queued);
        QCOMPARE(r->claim(token).status, Room::ClaimStatus::Pending);
        QCOMPARE(r->pendingClaims().size(), 1u);
        m_now += answeredAfterMs;
        QVERIFY(r->decide(first.claimId, false));
        QVERIFY(!r->decide(first.claimId, true));
        if (m_now < claimedAt + 9000) {
            m_now = claimedAt + 9000;
            const Room::ClaimAnswer soon = r->claim(token);
            QCOMPARE(soon.status, Room::ClaimStatus::Wait);
            QCOMPARE(soon.waitSeconds, 1);
            m_now = claimedAt + Room::FalseClaimWaitMs;
        }
        QCOMPARE(r->claim(token).status, Room::ClaimStatus::Queued);
    }

    void dabsOnlyOnCellsThatHoldSomething_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<bool>("taken");
        QTest::newRow("corner") << 0 << true;
        QTest::newRow("last") << 24 << true;
        QTest::newRow("free centre") << 12 << false;
        QTest::newRow("past the card") << 25 << false;
        QTest::newRow("negative") << -1 << false;
    }
    void dabsOnlyOnCellsThatHoldSomething()
    {
        QFETCH(int, cell);
        QFETCH(bool, taken);
        auto r = room();
        const QString token = r->linkCard(3);
        QCOMPARE(r->dab(token, cell, true), taken);
        QVERIFY(!r->dab(QStringLiteral("f").repeated(32), 0, true));
    }

    void roomFileKeepsTokensDabsAndDecisions()
    {
        QString ada, bo, pendingVerdict;
        int confirmed = 0, pending = 0;
        {
            auto r = room();
            ada = r->linkCard(1, QStringLiteral("Ada"));
            bo = r->join(QStringLiteral("Bo"), QStringLiteral("bbbbbbbbbbbbbbbb")).token;
            r->dab(bo, 3, true);
            r->dab(bo, 4, true);
            r->dab(bo, 4, false);
            callCells(*m_game, 1, {0, 1, 2, 3, 4});
            confirmed = r->claim(ada).claimId;
            QVERIFY(r->decide(confirmed, true));
            pending = r->claim(bo).claimId; // still waiting when the program ends
            pendingVerdict = r->verdictText(*r->pendingClaims().front());
            r->setOpen(false);
        }
        // A crash in the middle of the next line.
        QFile file(RoomJournal::pathFor(m_game->path()));
        QVERIFY(file.open(QIODevice::Append));
        file.write("1234abcd {\"e\":\"card\",\"card\":5,\"tok");
        file.close();

        auto again = room();
        QCOMPARE(again->held(ada)->card, 1u);
        QCOMPARE(again->held(ada)->name, QStringLiteral("Ada"));
        QCOMPARE(again->held(bo)->card, 2u);
        QCOMPARE(again->held(bo)->dabs, [] {
            std::vector<bool> d(25, false);
            d[3] = true;
            return d;
        }());
        QCOMPARE(again->heldCards().size(), 2u);
        QVERIFY(!again->isOpen());
        QCOMPARE(again->latestClaim(1)->state, RoomClaim::Confirmed);
        QCOMPARE(again->latestClaim(1)->id, confirmed);
        // The claim still waiting is in the queue again, with the verdict it
        // had when it came, and can be decided now.
        callCells(*m_game, 2, {0, 1, 2, 3, 4});
        QCOMPARE(again->pendingClaims().size(), 1u);
        QCOMPARE(again->pendingClaims().front()->id, pending);
        QCOMPARE(again->verdictText(*again->pendingClaims().front()), pendingVerdict);
        QCOMPARE(again->claim(bo).status, Room::ClaimStatus::Pending);
        QVERIFY(again->decide(pending, false));
        // Written after the torn line, a new event still reads back.
        again->setOpen(true);
        QVERIFY(room()->isOpen());
    }

    void killedRightAfterAConfirmLosesNothing()
    {
        const pid_t pid = ::fork();
        if (pid == 0) {
            auto r = room();
            const QString ada = r->linkCard(4, QStringLiteral("Ada"));
            callCells(*m_game, 4, {0, 5, 10, 14, 19});
            r->decide(r->claim(ada).claimId, true);
            r->claim(r->linkCard(5, QStringLiteral("Bo")));
            ::kill(::getpid(), SIGKILL);
        }
        int status = 0;
        QCOMPARE(::waitpid(pid, &status, 0), pid);
        QVERIFY(WIFSIGNALED(status));
        auto again = room();
        QCOMPARE(again->heldCards().size(), 2u);
        QCOMPARE(again->heldCards().front()->name, QStringLiteral("Ada"));
        QVERIFY(again->latestClaim(4));
        QCOMPARE(again->latestClaim(4)->state, RoomClaim::Confirmed);
        QCOMPARE(again->pendingClaims().size(), 1u);
        QCOMPARE(again->pendingClaims().front()->name, QStringLiteral("Bo"));
    }

    void tokensAreRandomAndLong()
    {
        Room r(*m_game, nullptr, {[] { return qint64(0); }, nullptr});
        QSet<QString> seen;
        for (std::uint64_t card = 1; card <= 6; ++card) {
            const QString token = r.linkCard(card);
            QCOMPARE(token.size(), 32);
            QVERIFY(!token.contains(m_game->record().code, Qt::CaseInsensitive));
            seen.insert(token);
        }
        QCOMPARE(seen.size(), 6);
    }
};

QTEST_GUILESS_MAIN(TestRoom)
#include "tst_room.moc"
