// Tickets as a numbered game: printed strips, the record of their kind, the
// tickets made again from it and printed again in their places.
#include "FakePrompts.h"
#include "FileHelpers.h"
#include "GameFixtures.h"
#include "PrintFixtures.h"
#include "SequenceRandom.h"

#include "card/TicketStrip.h"
#include "game/CardReprint.h"
#include "game/GameCards.h"
#include "game/GameFile.h"
#include "game/NumberedGame.h"
#include "print/CardPrintJob.h"
#include "print/NumberLine.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

PrintRequest ticketRequest(const QString &tickets, int perPage)
{
    PrintRequest r = numbersRequest(tickets, QString::number(perPage));
    r.settings.kind = CardKind::Tickets90;
    r.words = cardEntries(CardKind::Tickets90, {});
    return r;
}

// The numbers of each ticket of a page, in drawing order, and the page's
// number lines.
struct PrintedPage
{
    QList<QStringList> tickets;
    QStringList lines;
};

PrintedPage readPage(const FakePrintService::Page &page)
{
    PrintedPage p;
    for (const PrintedCard &card : cardsOfPage(page, TicketRows, TicketColumns))
        p.tickets.append(stringsOf(card));
    for (const FakeCanvas::Text &t : page.texts)
        if (t.text.startsWith(QStringLiteral("Ticket ")))
            p.lines.append(t.text);
    return p;
}

QStringList filled(const QStringList &cells)
{
    QStringList out;
    for (const QString &c : cells)
        if (!c.isEmpty())
            out.append(c);
    return out;
}

} // namespace

class TestTicketGame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void printedStripsAreMadeAgain_data()
    {
        QTest::addColumn<int>("perPage");
        QTest::addColumn<QString>("tickets");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("reprinted");
        QTest::newRow("one strip a page") << 6 << "8" << 2 << 9;
        QTest::newRow("two strips a page") << 12 << "13" << 2 << 14;
    }
    // Every ticket printed is the game's ticket of that number, with its
    // line; every strip holds 1-90 once; a ticket printed again from the
    // record is the same, in the same place.
    void printedStripsAreMadeAgain()
    {
        QFETCH(int, perPage);
        QFETCH(QString, tickets);
        QFETCH(int, pages);
        QFETCH(int, reprinted);
        const PrintRequest request = ticketRequest(tickets, perPage);
        QTemporaryDir folder;
        NumberedGame game(request, folder.path(), 0x71C7E75);
        FakePrintService printer;
        FakePrompts prompts;
        SequenceRandom random;
        QStringList cells;
        QCOMPARE(printCards(request, cells, {printer, prompts, random, nullptr, &game.numbering()}),
                 PrintOutcome::Printed);
        QCOMPARE(printer.lastDocument().size(), pages);

        const GameRecord record = readGameRecord(game.path());
        QCOMPARE(record.settings.kind, CardKind::Tickets90);
        QCOMPARE(record.cards, std::uint64_t(pages * perPage));
        GameCards made(record);
        QSet<QString> strip;
        std::uint64_t k = 0;
        for (const FakePrintService::Page &page : printer.lastDocument()) {
            const PrintedPage printed = readPage(page);
            QCOMPARE(printed.tickets.size(), perPage);
            for (const QStringList &ticket : printed.tickets) {
                ++k;
                QCOMPARE(ticket, filled(made.cells(k)));
                QCOMPARE(ticket.size(), TicketNumbers);
                QVERIFY(printed.lines.contains(numberLineText(CardKind::Tickets90, k, game.code())));
                for (const QString &n : ticket)
                    strip.insert(n);
                if (k % TicketsPerStrip == 0) {
                    QCOMPARE(strip.size(), StripNumbers);
                    strip.clear();
                }
            }
        }
        QCOMPARE(cells, made.cells(k)); // the window keeps the last ticket

        FakePrintService again;
        QCOMPARE(reprintCards(made, {std::uint64_t(reprinted)}, -1, {again, prompts, random, nullptr, nullptr}),
                 PrintOutcome::Printed);
        const auto original = cardsOfPage(printer.lastDocument().at(1), TicketRows, TicketColumns);
        const auto copy = cardsOfPage(again.lastDocument().at(0), TicketRows, TicketColumns);
        QCOMPARE(copy.size(), 1);
        const PrintedCard &before = original.at((reprinted - 1) % perPage);
        QCOMPARE(copy.at(0).x, before.x);
        QCOMPARE(copy.at(0).y, before.y);
        QCOMPARE(stringsOf(copy.at(0)), stringsOf(before));
        QVERIFY(readPage(again.lastDocument().at(0))
                    .lines.contains(QStringLiteral("Ticket %1 · Strip %2 · Game %3")
                                        .arg(reprinted)
                                        .arg((reprinted - 1) / 6 + 1)
                                        .arg(game.code())));
    }

    void ticketRecordRefusals_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QString>("message");
        const QString newer = QStringLiteral("was made by a newer version of Morvane");
        const QString changed = QStringLiteral("was changed outside Morvane");
        QTest::newRow("a kind this version does not know") << QByteArray("Kind=1\n") << QByteArray("Kind=7\n") << newer;
        QTest::newRow("kind left out") << QByteArray("Kind=1\n") << QByteArray() << changed;
        QTest::newRow("a number changed") << QByteArray("\n90\n") << QByteArray("\n91\n") << changed;
        QTest::newRow("cards per page of word cards")
            << QByteArray("CardsPerPage=6\n") << QByteArray("CardsPerPage=4\n") << changed;
        QTest::newRow("untouched") << QByteArray() << QByteArray() << QString();
    }
    void ticketRecordRefusals()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, message);
        GameRecord r = gameRecord(cardEntries(CardKind::Tickets90, {}), 1, true, 77, 12);
        r.settings.kind = CardKind::Tickets90;
        r.cardsPerPage = 6;
        QByteArray bytes = formatGameRecord(r);
        QVERIFY(bytes.contains("\nKind=1\n"));
        if (!from.isEmpty()) {
            QVERIFY(bytes.contains(from));
            bytes.replace(from, to);
        }
        const QString failure = failureOf([&] { parseGameRecord(bytes, QStringLiteral("T.mrvgame")); });
        if (message.isEmpty())
            QCOMPARE(failure, QStringLiteral("<no error>"));
        else
            QVERIFY2(failure.contains(message), qPrintable(failure));
    }
};

QTEST_GUILESS_MAIN(TestTicketGame)
#include "tst_ticketgame.moc"
