// The number line of a numbered card on the page, in every layout: inside
// the printable area, clear of every grid and of the other lines, with its
// own card, and cards numbered in print order.
#include "FakePrintService.h"
#include "FakePrompts.h"
#include "PrintFixtures.h"
#include "SequenceRandom.h"

#include "print/CardPrintJob.h"
#include "print/NumberLine.h"

#include <QRegularExpression>
#include <QTest>

namespace {

struct Box
{
    int left, top, right, bottom; // right and bottom exclusive

    bool overlaps(const Box &o) const { return left < o.right && o.left < right && top < o.bottom && o.top < bottom; }
    Box grown(int by) const { return {left - by, top - by, right + by, bottom + by}; }
    // The gap between the boxes along the axis they are apart on; 0 when they touch.
    int distance(const Box &o) const
    {
        return std::max({o.left - right, left - o.right, o.top - bottom, top - o.bottom, 0});
    }
};

// Where a test expects the lines: beneath their cards; anywhere clear of the
// cards; or beneath, where the page leaves no room at all.
enum class Where { Beneath, Anywhere, NoRoom };

Where where(int perPage, int sizeIndex, bool heading, const PrintableArea &area)
{
    // A printer's margins leave room beneath every card of a portrait page.
    if (area.offsetX > 0 && area.height > area.width)
        return Where::Beneath;
    // A 3 x 3 card with its heading row, alone on a page without margins, is
    // as wide as the page and higher than it.
    if (perPage == 1 && sizeIndex == 0 && heading && area.offsetX == 0 && area.height > area.width)
        return Where::NoRoom;
    return Where::Anywhere;
}

} // namespace

class TestNumberLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void linesInEveryLayout_data()
    {
        QTest::addColumn<int>("perPage");
        QTest::addColumn<int>("sizeIndex");
        QTest::addColumn<bool>("heading");
        QTest::addColumn<PrintableArea>("area");
        QTest::addColumn<Where>("where");
        for (int perPage : {1, 2, 4})
            for (int sizeIndex : {0, 1, 2})
                for (bool heading : {false, true})
                    for (const auto &[name, area] :
                         {std::pair{"portrait", PrintableArea{150, 150, 4800, 6300}},
                          std::pair{"landscape", PrintableArea{150, 150, 6300, 4800}},
                          std::pair{"borderless portrait", PrintableArea{0, 0, 4800, 6300}},
                          std::pair{"borderless landscape", PrintableArea{0, 0, 6300, 4800}}})
                        QTest::addRow("%d per page, size %d, %s, %s", perPage, sizeIndex,
                                      heading ? "heading" : "no heading", name)
                            << perPage << sizeIndex << heading << area << where(perPage, sizeIndex, heading, area);
    }
    void linesInEveryLayout()
    {
        QFETCH(int, perPage);
        QFETCH(int, sizeIndex);
        QFETCH(bool, heading);
        QFETCH(PrintableArea, area);
        QFETCH(Where, where);

        PrintRequest request = numbersRequest(QString::number(perPage + 1), QString::number(perPage));
        request.settings.sizeIndex = sizeIndex;
        request.settings.heading = heading;
        request.settings.fontName = QStringLiteral("Card Face");
        FakePrintService service;
        service.area = area;
        FakePrompts prompts;
        SequenceRandom random;
        std::uint64_t ended = 0;
        CardNumbering numbering{77, QStringLiteral("K7Q2MX"), [&](std::uint64_t cards) { ended = cards; }, {}};
        QStringList cells;
        QCOMPARE(printCards(request, cells, {service, prompts, random, nullptr, &numbering}), PrintOutcome::Printed);

        const int side = request.settings.side();
        const int rows = side + (heading ? 1 : 0);
        int number = 0;
        for (const FakePrintService::Page &page : service.lastDocument()) {
            const QList<PrintedCard> cards = cardsOfPage(page, rows, side);
            QCOMPARE(cards.size(), perPage);
            QList<FakeCanvas::Text> lines;
            for (const FakeCanvas::Text &t : page.texts) {
                if (t.style == FontStyle::Regular)
                    lines.append(t);
                else
                    QCOMPARE(t.face, QStringLiteral("Card Face")); // the cells' bold font came back
            }
            QCOMPARE(lines.size(), perPage);
            QList<Box> boxes;
            for (int i = 0; i < perPage; ++i) {
                const FakeCanvas::Text &t = lines[i];
                QCOMPARE(t.text, QStringLiteral("Card %1 \u00B7 Game K7Q2MX").arg(++number));
                QCOMPARE(t.size, NumberLinePoints);
                QCOMPARE(t.face, QStringLiteral("Card Face"));
                QCOMPARE(t.color, 0x000000U);
                // The fake canvas: as wide as its characters times the size, twice the size high.
                boxes.append({t.x, t.y, t.x + int(t.text.size()) * t.size, t.y + 2 * t.size});
            }
            for (int i = 0; i < perPage; ++i) {
                const Box &line = boxes[i];
                const bool inside =
                    line.left >= 0 && line.top >= 0 && line.right <= area.width && line.bottom <= area.height;
                QVERIFY2(inside == (where != Where::NoRoom), "the line leaves the printable area");
                const Box own{cards[i].x, cards[i].y, cards[i].x + cards[i].width + 1,
                              cards[i].y + cards[i].height + 1};
                const int gap = numberLineGap(2 * NumberLinePoints, 1);
                QCOMPARE(line.distance(own), gap);
                if (where != Where::Anywhere) {
                    QCOMPARE(line.top, own.bottom + gap);
                    QCOMPARE(line.right, own.right);
                }
                for (int j = 0; j < perPage; ++j) {
                    const Box other{cards[j].x, cards[j].y, cards[j].x + cards[j].width + 1,
                                    cards[j].y + cards[j].height + 1};
                    QVERIFY2(!line.overlaps(other.grown(1)), "the line touches a grid");
                    if (j != i)
                        QVERIFY2(!line.overlaps(boxes[j].grown(1)), "two lines touch");
                }
            }
        }
        QCOMPARE(number, 2 * perPage);
        QCOMPARE(ended, std::uint64_t(2 * perPage));
        QCOMPARE(random.picks, 0); // the game's own generator arranged the cards
    }

    // A line keeps to the right edge of its card by its own width, whatever
    // the font does to some of its digits.
    void linesKeepToTheRightByTheirOwnWidth_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("width");
        QTest::newRow("every digit as wide") << QString() << 0;
        QTest::newRow("a pair of ones kerned") << QStringLiteral("Card 11 \u00B7 Game K7Q2MX") << 150;
        QTest::newRow("one and seven kerned") << QStringLiteral("Card 17 \u00B7 Game K7Q2MX") << 151;
        QTest::newRow("a wider one") << QStringLiteral("Card 1 \u00B7 Game K7Q2MX") << 170;
    }
    void linesKeepToTheRightByTheirOwnWidth()
    {
        QFETCH(QString, line);
        QFETCH(int, width);
        FakePrintService service;
        service.area = PrintableArea{150, 150, 4800, 6300};
        if (!line.isEmpty())
            service.canvasOf.setWidth(line, NumberLinePoints, width);
        FakePrompts prompts;
        SequenceRandom random;
        CardNumbering numbering{77, QStringLiteral("K7Q2MX"), {}, {}};
        QStringList cells;
        QCOMPARE(printCards(numbersRequest(QStringLiteral("20"), QStringLiteral("4")), cells,
                            {service, prompts, random, nullptr, &numbering}),
                 PrintOutcome::Printed);
        service.canvasOf.setFontSize(NumberLinePoints);
        int number = 0;
        for (const FakePrintService::Page &page : service.lastDocument()) {
            const QList<PrintedCard> cards = cardsOfPage(page, 6, 5);
            int i = 0;
            for (const FakeCanvas::Text &t : page.texts) {
                if (t.style != FontStyle::Regular)
                    continue;
                QCOMPARE(t.text, QStringLiteral("Card %1 \u00B7 Game K7Q2MX").arg(++number));
                const int own = t.text == line ? width : int(t.text.size()) * NumberLinePoints;
                QCOMPARE(t.x + own, cards[i].x + cards[i].width + 1);
                // Written alike to a line of the same width with some of its
                // digits made 0s: the odd digits stay.
                const QRegularExpression digit(QStringLiteral("[1-9]"));
                QCOMPARE(service.canvasOf.textWidth(t.alike), own);
                QCOMPARE(QString(t.alike).replace(digit, QStringLiteral("0")),
                         QString(t.text).replace(digit, QStringLiteral("0")));
                ++i;
            }
            QCOMPARE(i, 4);
        }
        QCOMPARE(number, 20);
    }

    void withoutNumberingThePlainJobRuns()
    {
        FakePrintService service;
        FakePrompts prompts;
        SequenceRandom random;
        QStringList cells;
        QCOMPARE(printCards(numbersRequest(QStringLiteral("8"), QStringLiteral("4")), cells,
                            {service, prompts, random, nullptr}),
                 PrintOutcome::Printed);
        QVERIFY(random.picks > 0);
        QVERIFY(!service.canvasOf.sizesSet.contains(NumberLinePoints));
        for (const FakePrintService::Page &page : service.lastDocument())
            for (const FakeCanvas::Text &t : page.texts)
                QCOMPARE(t.style, FontStyle::Bold);
    }
};

QTEST_APPLESS_MAIN(TestNumberLine)
#include "tst_numberline.moc"
