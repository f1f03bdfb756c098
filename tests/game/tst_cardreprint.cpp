// Printing cards of a recorded game again: the typed numbers and ranges,
// and the reprinted pages against the pages the game's own job printed.
#include "FakePrompts.h"
#include "GameFixtures.h"
#include "PrintFixtures.h"
#include "SequenceRandom.h"

#include "card/Error.h"
#include "game/CardRange.h"
#include "game/CardReprint.h"
#include "game/GameCards.h"
#include "game/GameFile.h"
#include "game/NumberedGame.h"
#include "print/CardPrintJob.h"
#include "print/NumberLine.h"

#include <QTemporaryDir>
#include <QTest>

#include <numeric>

using Cards = std::vector<std::uint64_t>;
Q_DECLARE_METATYPE(Cards)

namespace {

Cards span(std::uint64_t first, std::uint64_t last)
{
    Cards c(last - first + 1);
    std::iota(c.begin(), c.end(), first);
    return c;
}

QString describe(const FakeCanvas::Text &t)
{
    return QStringLiteral("%1,%2 %3 %4pt %5 %6")
        .arg(t.x)
        .arg(t.y)
        .arg(t.text)
        .arg(t.size)
        .arg(int(t.style))
        .arg(t.face);
}

QString describe(const FakeCanvas::Line &l)
{
    return QStringLiteral("%1,%2-%3,%4").arg(l.x0).arg(l.y0).arg(l.x1).arg(l.y1);
}

// A page as the cards drawn on it, in drawing order: each card's grid lines
// and its texts, its number line last.
QList<QStringList> cardsDrawn(const FakePrintService::Page &page, int rows, int columns)
{
    QList<QStringList> cards;
    const int linesPerCard = 2 + rows + columns;
    for (qsizetype i = 0; i + linesPerCard <= page.lines.size(); i += linesPerCard) {
        QStringList card;
        for (qsizetype j = i; j < i + linesPerCard; ++j)
            card.append(describe(page.lines.at(j)));
        cards.append(card);
    }
    qsizetype card = 0;
    for (const FakeCanvas::Text &t : page.texts) {
        if (card < cards.size())
            cards[card].append(describe(t));
        if (t.text.startsWith(QStringLiteral("Card ")))
            ++card;
    }
    return cards;
}

} // namespace

class TestCardReprint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typedNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Cards>("cards");
        QTest::addColumn<QString>("error");
        const QString none = QStringLiteral("There is no card %1 in this game: its cards are numbered 1 to 500.");
        const QString notNumber =
            QStringLiteral("\"%1\" is not a card number: type numbers and ranges such as 17, 20-25.");
        Cards some = span(20, 25);
        some.insert(some.begin(), 17);
        QTest::newRow("one") << "17" << Cards{17} << QString();
        QTest::newRow("number and range") << "17, 20-25" << some << QString();
        QTest::newRow("range backwards") << "25-20" << span(20, 25) << QString();
        QTest::newRow("blanks and semicolons, repeats once") << " 3 1;2, 2 " << Cards{1, 2, 3} << QString();
        QTest::newRow("blanks around the dash") << "4 - 6" << span(4, 6) << QString();
        QTest::newRow("en dash") << "4\u20136" << span(4, 6) << QString();
        QTest::newRow("overlapping ranges") << "1-3, 2-4" << span(1, 4) << QString();
        QTest::newRow("whole game") << "1-500" << span(1, 500) << QString();
        QTest::newRow("empty") << "  , " << Cards{} << "Type the numbers of the cards, for example 17, 20-25.";
        QTest::newRow("word") << "17, card" << Cards{} << notNumber.arg("card");
        QTest::newRow("open range") << "20-" << Cards{} << notNumber.arg("20-");
        QTest::newRow("zero") << "0" << Cards{} << none.arg("0");
        QTest::newRow("past the last card") << "17, 20-501" << Cards{} << none.arg("501");
        QTest::newRow("too long for a number")
            << "123456789012345678901234" << Cards{} << none.arg("123456789012345678901234");
    }
    void typedNumbers()
    {
        QFETCH(QString, text);
        QFETCH(Cards, cards);
        QFETCH(QString, error);
        try {
            QCOMPARE(::parseCardNumbers(text, 500), cards);
            QVERIFY2(error.isEmpty(), "no error was thrown");
        } catch (const MorvaneError &e) {
            QCOMPARE(e.message(), error);
        }
    }

    // A reprint puts each card where the game printed it, with its number
    // line, drawn exactly as on the original page; the pages without a
    // chosen card are left out.
    void reprintMatchesOriginal_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("sizeIndex");
        QTest::addColumn<bool>("heading");
        QTest::addColumn<QString>("perPage");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("pages");
        QTest::newRow("numbers, 4 per page, a whole page") << numberEntries(1, 75) << 1 << true << "4"
                                                           << "5-8" << 1;
        QTest::newRow("numbers, 4 per page, scattered") << numberEntries(1, 75) << 1 << true << "4"
                                                        << "2, 7-8, 12" << 3;
        QTest::newRow("numbers, 2 per page") << numberEntries(1, 75) << 1 << false << "2"
                                             << "3, 6" << 2;
        QTest::newRow("words 3 x 3, 1 per page") << wordEntries(30) << 0 << true << "1"
                                                 << "9, 1" << 2;
        QTest::newRow("words 7 x 7, 4 per page") << wordEntries(60) << 2 << true << "4"
                                                 << "12" << 1;
    }
    void reprintMatchesOriginal()
    {
        QFETCH(QStringList, entries);
        QFETCH(int, sizeIndex);
        QFETCH(bool, heading);
        QFETCH(QString, perPage);
        QFETCH(QString, chosen);
        QFETCH(int, pages);
        PrintRequest request = numbersRequest(QStringLiteral("12"), perPage);
        request.words = entries;
        request.settings.sizeIndex = sizeIndex;
        request.settings.heading = heading;
        QTemporaryDir games;
        NumberedGame game(request, games.path(), 0x5EED2025);
        FakePrintService original;
        FakePrompts prompts;
        SequenceRandom random;
        QStringList cells;
        QCOMPARE(printCards(request, cells, {original, prompts, random, nullptr, &game.numbering()}),
                 PrintOutcome::Printed);

        GameCards cards(readGameRecord(game.path()));
        const Cards numbers = ::parseCardNumbers(chosen, cards.count());
        FakePrintService again;
        QCOMPARE(reprintCards(cards, numbers, -1, {again, prompts, random, nullptr, nullptr}), PrintOutcome::Printed);

        const int columns = request.settings.side();
        const int rows = columns + (heading ? 1 : 0);
        const std::uint64_t slots = std::uint64_t(perPage.toInt());
        QList<QStringList> expected;
        for (std::uint64_t k : numbers) {
            const auto &page = original.lastDocument().at(qsizetype((k - 1) / slots));
            expected.append(cardsDrawn(page, rows, columns).at(qsizetype((k - 1) % slots)));
            QVERIFY(expected.constLast().constLast().contains(numberLineText(k, game.code())));
        }
        QCOMPARE(again.lastDocument().size(), pages);
        QList<QStringList> reprinted;
        for (const FakePrintService::Page &page : again.lastDocument())
            reprinted += cardsDrawn(page, rows, columns);
        QCOMPARE(reprinted, expected);
        QCOMPARE(again.strayDrawing, 0);
    }
};

QTEST_GUILESS_MAIN(TestCardReprint)
#include "tst_cardreprint.moc"
