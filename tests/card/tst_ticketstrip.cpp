#include "card/CardKind.h"
#include "card/SeededRandom.h"
#include "card/TicketDeck.h"
#include "card/TicketStrip.h"

#include <QTest>

#include <array>
#include <set>
#include <vector>

namespace {

// Checks a strip against the ticket rules from first principles, as a player
// would: the rules are written out here again, not taken from the dealer.
QString stripProblem(const Strip &strip)
{
    std::array<int, 91> seen{};
    for (std::size_t t = 0; t < strip.size(); ++t) {
        const Ticket &ticket = strip[t];
        int numbers = 0;
        for (int r = 0; r < 3; ++r) {
            int inRow = 0;
            for (int c = 0; c < 9; ++c)
                inRow += ticket.at(r, c) != 0 ? 1 : 0;
            if (inRow != 5)
                return QStringLiteral("ticket %1 row %2 holds %3").arg(t).arg(r).arg(inRow);
            numbers += inRow;
        }
        if (numbers != 15)
            return QStringLiteral("ticket %1 holds %2").arg(t).arg(numbers);
        for (int c = 0; c < 9; ++c) {
            const int low = c == 0 ? 1 : 10 * c;
            const int high = c == 8 ? 90 : 10 * c + 9;
            int inColumn = 0;
            int previous = 0;
            for (int r = 0; r < 3; ++r) {
                const int n = ticket.at(r, c);
                if (n == 0)
                    continue;
                if (n < low || n > high)
                    return QStringLiteral("%1 in column %2").arg(n).arg(c);
                if (n <= previous)
                    return QStringLiteral("column %1 of ticket %2 not ascending").arg(c).arg(t);
                previous = n;
                ++inColumn;
                ++seen[std::size_t(n)];
            }
            if (inColumn < 1 || inColumn > 3)
                return QStringLiteral("column %1 of ticket %2 holds %3").arg(c).arg(t).arg(inColumn);
        }
    }
    for (int n = 1; n <= 90; ++n)
        if (seen[std::size_t(n)] != 1)
            return QStringLiteral("%1 stands %2 times in the strip").arg(n).arg(seen[std::size_t(n)]);
    return {};
}

// Replays the draws of the first strip once at the start of the second, so
// the second deal makes the first strip again.
class ReplayingRandom : public IRandomSource
{
public:
    std::uint32_t below(std::uint32_t m) override
    {
        if (replaying && next < draws.size())
            return draws[next++].second;
        const std::uint32_t r = fresh.below(m);
        if (!replaying)
            draws.emplace_back(m, r);
        return r;
    }
    SeededRandomSource fresh{7};
    std::vector<std::pair<std::uint32_t, std::uint32_t>> draws;
    std::size_t next = 0;
    bool replaying = false;
};

} // namespace

class TestTicketStrip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A million tickets, every one checked; and the shapes a shortcut would
    // leave out (a column of three, the last column of three, a ticket with
    // three such columns) do turn up.
    void millionTicketsAreValid()
    {
        SeededRandomSource random(20261209);
        Strip strip;
        int columnsOfThree = 0;
        int lastColumnsOfThree = 0;
        int ticketsOfThreeThrees = 0;
        const int strips = 1000000 / 6 + 1;
        for (int s = 0; s < strips; ++s) {
            dealStrip(random, strip);
            const QString problem = stripProblem(strip);
            if (!problem.isEmpty())
                QFAIL(qPrintable(QStringLiteral("strip %1: %2").arg(s).arg(problem)));
            for (const Ticket &t : strip) {
                int threes = 0;
                for (int c = 0; c < 9; ++c) {
                    const bool full = t.at(0, c) && t.at(1, c) && t.at(2, c);
                    threes += full ? 1 : 0;
                    lastColumnsOfThree += full && c == 8 ? 1 : 0;
                }
                columnsOfThree += threes;
                ticketsOfThreeThrees += threes == 3 ? 1 : 0;
            }
        }
        QVERIFY(columnsOfThree > 0);
        QVERIFY(lastColumnsOfThree > 0);
        QVERIFY(ticketsOfThreeThrees > 0);
    }

    void validatorCatchesBrokenStrips_data()
    {
        QTest::addColumn<int>("breakage");
        QTest::newRow("number moved to another row") << 0;
        QTest::newRow("two numbers swapped in a column") << 1;
        QTest::newRow("number replaced by a repeat") << 2;
    }
    // The validator above would pass anything if it were wrong; it is shown
    // strips broken on purpose.
    void validatorCatchesBrokenStrips()
    {
        QFETCH(int, breakage);
        SeededRandomSource random(3);
        Strip strip;
        dealStrip(random, strip);
        QVERIFY(stripProblem(strip).isEmpty());
        Ticket &t = strip[0];
        // A column with a top number, and a middle one for all but the first breakage.
        int c = 0;
        while (c < 8 && !(t.at(0, c) && (t.at(1, c) != 0) == (breakage != 0)))
            ++c;
        auto &top = t.cells[std::size_t(c)];
        auto &middle = t.cells[std::size_t(9 + c)];
        if (breakage == 2)
            middle = top;
        else
            std::swap(top, middle);
        QVERIFY(!stripProblem(strip).isEmpty());
    }

    void seedDealsTheSameStripsAgain()
    {
        SeededRandomSource unused;
        TicketDeck deck(unused, 99);
        std::vector<Ticket> first;
        for (std::uint64_t k = 1; k <= 60; ++k)
            first.push_back(deck.ticket(k));
        TicketDeck again(unused, 99);
        QCOMPARE(again.ticket(37), first[36]);
        QCOMPARE(again.ticket(2), first[1]); // dealt again from the first strip
        TicketDeck other(unused, 100);
        QVERIFY(!(other.ticket(1) == first[0]));
    }

    // A strip that repeats a ticket of the job is dealt again.
    void repeatedTicketIsDealtAgain()
    {
        ReplayingRandom random;
        TicketDeck deck(random, std::nullopt);
        const Strip first = deck.strip(1);
        random.replaying = true;
        const Strip second = deck.strip(2);
        QCOMPARE(random.next, random.draws.size()); // the first deal of strip 2 was strip 1 again
        QCOMPARE(deck.redeals(), std::uint64_t(1));
        std::set<std::array<std::uint8_t, 27>> tickets;
        for (const Ticket &t : first)
            tickets.insert(t.cells);
        for (const Ticket &t : second)
            tickets.insert(t.cells);
        QCOMPARE(tickets.size(), std::size_t(12));
        QVERIFY(stripProblem(second).isEmpty());
    }

    void ticketCellsLeaveBlanksEmpty()
    {
        Ticket t;
        t.cells[0] = 7;
        t.cells[26] = 90;
        const QStringList cells = ticketCells(t);
        QCOMPARE(cells.size(), 27);
        QCOMPARE(cells.first(), QStringLiteral("7"));
        QCOMPARE(cells.last(), QStringLiteral("90"));
        QCOMPARE(cells.count(QString()), 25);
    }
};

QTEST_APPLESS_MAIN(TestTicketStrip)
#include "tst_ticketstrip.moc"
