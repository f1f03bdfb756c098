#include "FakeCanvas.h"
#include "render/CellText.h"
#include "render/TextFit.h"

#include <QTest>

#include <climits>

// The fake canvas makes every character as wide as the point size and a line
// twice as high, so a size s gives width("M") = s and height("M") = 2s.
namespace {

struct Drawn
{
    int x, y;
    QString text;
    int size;
};

QList<Drawn> drawn(const FakeCanvas &c)
{
    QList<Drawn> l;
    for (const auto &t : c.texts)
        l.append({t.x, t.y, t.text, t.size});
    return l;
}

FakeCanvas canvasAt(int size)
{
    FakeCanvas c;
    c.setFontSize(size);
    c.clearRecords();
    return c;
}

} // namespace

class TestCellText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oneLineWhenItFits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        // width 50 against 88 - 10: one line even with a space and wrap on
        QTest::newRow("with spaces") << "ab cd" << 88 << 51 << 100 + 19 << 200 + 15;
        // exactly W less one M is still one line
        QTest::newRow("inclusive") << "abc def" << 80 << 40 << 100 + 5 << 200 + 10;
        QTest::newRow("single letter") << "B" << 87 << 51 << 100 + 38 << 200 + 15;
        QTest::newRow("empty") << "" << 20 << 20 << 100 + 10 << 200 + 0;
        // no height test on one line: a taller line gets a negative offset
        QTest::newRow("taller than the box") << "ab" << 88 << 5 << 100 + 34 << 200 - 7;
    }
    void oneLineWhenItFits()
    {
        QFETCH(QString, text);
        QFETCH(int, w);
        QFETCH(int, h);
        FakeCanvas c = canvasAt(10);
        DrawCellText(c, 100, 200, text, w, h, true);
        QCOMPARE(c.texts.size(), 1);
        QCOMPARE(c.texts[0].text, text);
        QTEST(c.texts[0].x, "x");
        QTEST(c.texts[0].y, "y");
        QCOMPARE(c.texts[0].size, 10);
        QCOMPARE(c.fontSize(), 10);
    }

    void newYorkCitySplitsBalanced()
    {
        FakeCanvas c = canvasAt(10);
        // 130 wide against 100 - 10; New | York City differ by 60, New York |
        // City by 40, the whole text with an empty line 2 by 130.
        DrawCellText(c, 100, 200, QStringLiteral("New York City"), 100, 51, true);
        QCOMPARE(c.drawnStrings(), (QStringList{"New York", "City"}));
        // Widths fit at 10; 40 high against 51 - 20 shrinks to 8 (32 <= 35).
        const auto d = drawn(c);
        QCOMPARE(d[0].size, 8);
        QCOMPARE(d[1].size, 8);
        QCOMPARE(d[0].x, 100 + (100 - 64) / 2);
        QCOMPARE(d[0].y, 200 + (51 - 32) / 2);
        QCOMPARE(d[1].x, 100 + (100 - 32) / 2);
        QCOMPARE(d[1].y, 200 + (51 - 32) / 2 + 16);
        QCOMPARE(c.fontSize(), 10);
    }

    void tieGoesToTheLaterSplit()
    {
        // Words 30, 60 and 30 wide with a 10-wide space: both cuts differ by 70.
        FakeCanvas c = canvasAt(10);
        const QString text = QStringLiteral("aaa bbbbbb ccc");
        const TwoLines lines = balancedSplit(c, text);
        QCOMPARE(lines.first, QStringLiteral("aaa bbbbbb"));
        QCOMPARE(lines.second, QStringLiteral("ccc"));

        DrawCellText(c, 0, 0, text, 120, 100, true);
        QCOMPARE(c.drawnStrings(), (QStringList{"aaa bbbbbb", "ccc"}));
        const auto d = drawn(c);
        QCOMPARE(d[0].size, 10);
        QCOMPARE(d[0].x, 10);
        QCOMPARE(d[0].y, 30);
        QCOMPARE(d[1].x, 45);
        QCOMPARE(d[1].y, 50);
    }

    void tieDecidedByMeasuredWidths()
    {
        // Widths from the canvas, not from character counts: with "New" as wide
        // as "York City" the first cut is exact and wins over the others.
        FakeCanvas c = canvasAt(10);
        c.setWidth(QStringLiteral("New"), 10, 90);
        const TwoLines lines = balancedSplit(c, QStringLiteral("New York City"));
        QCOMPARE(lines.first, QStringLiteral("New"));
        QCOMPARE(lines.second, QStringLiteral("York City"));
    }

    void emptyWordsStayInTheCut()
    {
        // A, an empty word and B: cuts "A" | "B" (twice, the later wins) and
        // "A  B" | "", all trimmed.
        FakeCanvas c = canvasAt(10);
        const TwoLines lines = balancedSplit(c, QStringLiteral("A  B"));
        QCOMPARE(lines.first, QStringLiteral("A"));
        QCOMPARE(lines.second, QStringLiteral("B"));
        // A leading space gives an empty first word: "" | "abc" and "abc" | ""
        // differ alike, so the later cut wins.
        const TwoLines lead = balancedSplit(c, QStringLiteral(" abc"));
        QCOMPARE(lead.first, QStringLiteral("abc"));
        QCOMPARE(lead.second, QString());
    }

    void trailingSpaceTakesTheTwoLinePath()
    {
        FakeCanvas c = canvasAt(10);
        // 110 wide against 90; line 1 is the entry, line 2 empty.
        DrawCellText(c, 0, 0, QStringLiteral("abcdefghij "), 100, 51, true);
        QCOMPARE(c.drawnStrings(), (QStringList{"abcdefghij", ""}));
        const auto d = drawn(c);
        // Width: 100 > 90 at 10, 90 <= 91 at 9; height: 36 > 33 at 9, 32 <= 35 at 8.
        QCOMPARE(d[0].size, 8);
        QCOMPARE(d[0].x, 10);
        QCOMPARE(d[0].y, 9);
        QCOMPARE(d[1].x, 50);
        QCOMPARE(d[1].y, 25);
        QCOMPARE(c.fontSize(), 10);
    }

    void sixWordsMakeTwoLines()
    {
        FakeCanvas c = canvasAt(10);
        DrawCellText(c, 0, 0, QStringLiteral("aa bb cc dd ee ff"), 100, 51, true);
        QCOMPARE(c.drawnStrings(), (QStringList{"aa bb cc", "dd ee ff"}));
    }

    void noWrapShrinksOneLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("wordWrap");
        QTest::newRow("word wrap off") << "New York City" << false;
        QTest::newRow("no space") << "NewYorkCityXX" << true;
    }
    void noWrapShrinksOneLine()
    {
        QFETCH(QString, text);
        QFETCH(bool, wordWrap);
        FakeCanvas c = canvasAt(10);
        // 13 characters: 13s <= 100 - s first holds at s = 7.
        DrawCellText(c, 0, 0, text, 100, 51, wordWrap);
        QCOMPARE(c.texts.size(), 1);
        QCOMPARE(c.texts[0].text, text);
        QCOMPARE(c.texts[0].size, 7);
        QCOMPARE(c.texts[0].x, (100 - 91) / 2);
        QCOMPARE(c.texts[0].y, (51 - 14) / 2);
        QCOMPARE(c.sizesSet, (QList<int>{9, 8, 7, 10}));

        // The next cell starts again from the size found on entry.
        DrawCellText(c, 0, 0, QStringLiteral("ab"), 100, 51, wordWrap);
        QCOMPARE(c.texts.last().size, 10);
    }

    void widthFitTestsBothLines()
    {
        // Line 2 is the wider one: only it forces the shrinking.
        FakeCanvas c = canvasAt(10);
        DrawCellText(c, 0, 0, QStringLiteral("ab cdefghijklmn"), 100, 200, true);
        QCOMPARE(c.drawnStrings(), (QStringList{"ab", "cdefghijklmn"}));
        // 12s <= 100 - s: s = 7.
        QCOMPARE(c.texts[1].size, 7);
    }

    void floorOfOnePoint()
    {
        FakeCanvas c = canvasAt(10);
        const QString longWord(200, QLatin1Char('x'));
        DrawCellText(c, 0, 0, longWord, 50, 40, true);
        QCOMPARE(c.texts.size(), 1);
        QCOMPARE(c.texts[0].size, MinFitFontSize);
        // Placed by the same centring rule, overflowing both sides.
        QCOMPARE(c.texts[0].x, (50 - 200) / 2);
        QCOMPARE(c.texts[0].y, (40 - 2) / 2);
        QCOMPARE(c.fontSize(), 10);

        // Two lines that never fit the height stop at one point too.
        c.clearRecords();
        DrawCellText(c, 0, 0, QStringLiteral("ab cd ef gh ij kl mn op"), 30, 1, true);
        QCOMPARE(c.texts.size(), 2);
        QCOMPARE(c.texts[0].size, 1);
        QCOMPARE(c.texts[0].y, (1 - 4) / 2);
        for (int s : c.sizesSet)
            QVERIFY(s >= 1);
    }

    // Only a text that does not fit even at the floor is cut, at its own box,
    // on screen and on paper; its placement stays as above.
    void cutAtTheBoxOnlyWhenNothingFits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<bool>("paper");
        QTest::addColumn<bool>("cut");
        QTest::newRow("fits at once") << "ab" << 100 << 51 << false << false;
        QTest::newRow("fits once shrunk") << QString(20, QLatin1Char('x')) << 100 << 51 << false << false;
        QTest::newRow("two lines that fit") << "New York City" << 100 << 51 << false << false;
        QTest::newRow("one line too wide at the floor") << QString(200, QLatin1Char('x')) << 50 << 40 << false << true;
        QTest::newRow("two lines too high at the floor") << "ab cd ef gh ij kl mn op" << 30 << 1 << false << true;
        QTest::newRow("paper, fits") << "abc" << 130 << 130 << true << false;
        QTest::newRow("paper, too wide at the floor") << QString(300, QLatin1Char('x')) << 130 << 130 << true << true;
    }
    void cutAtTheBoxOnlyWhenNothingFits()
    {
        QFETCH(QString, text);
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(bool, paper);
        QFETCH(bool, cut);
        FakeCanvas c = canvasAt(10);
        if (paper)
            PrintCellText(c, 100, 200, text, w, h, true);
        else
            DrawCellText(c, 100, 200, text, w, h, true);
        QVERIFY(!c.texts.isEmpty());
        for (const auto &t : c.texts) {
            QCOMPARE(t.clipped, cut);
            if (cut)
                QCOMPARE(QRect(t.clip.left, t.clip.top, t.clip.width, t.clip.height), QRect(100, 200, w, h));
        }
        QCOMPARE(c.fontSize(), 10);
    }

    // A document of one huge line must not hang the card: the fitting works
    // on the text's first characters, split and shrunk as any other.
    void hugeTextIsFittedByItsHead_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("wordWrap");
        QTest::newRow("spaces only") << QString(200000, QLatin1Char(' ')) << true;
        QTest::newRow("many words") << QStringLiteral("ab ").repeated(100000) << true;
        QTest::newRow("one word") << QString(500000, QLatin1Char('x')) << false;
    }
    void hugeTextIsFittedByItsHead()
    {
        QFETCH(QString, text);
        QFETCH(bool, wordWrap);
        FakeCanvas c = canvasAt(20);
        DrawCellText(c, 0, 0, text, 88, 52, wordWrap);
        QVERIFY(!c.texts.isEmpty());
        for (const auto &t : c.texts)
            QVERIFY(t.text.size() <= MaxFittedTextLength);
        QVERIFY(c.widthCalls < 20000);
        QCOMPARE(c.fontSize(), 20);
    }

    void hugeSizeCountsAsTheCap()
    {
        // A hand-edited size of 2^31 - 1 must not take 2^31 steps.
        FakeCanvas c = canvasAt(INT_MAX);
        DrawCellText(c, 0, 0, QStringLiteral("A"), 100, 100, true);
        QCOMPARE(c.sizesSet.first(), 999);
        QCOMPARE(c.texts[0].size, 50);
        QCOMPARE(c.fontSize(), INT_MAX);

        FakeCanvas p = canvasAt(INT_MAX);
        PrintCellText(p, 0, 0, QStringLiteral("A"), 130, 130, true);
        QCOMPARE(p.sizesSet.first(), 999);
        QCOMPARE(p.texts[0].size, 10);
        QCOMPARE(p.fontSize(), INT_MAX);
    }

    void printUsesTwoMargins()
    {
        // 120 wide: fits 130 less one M on screen, not 130 less two on paper.
        const QString text = QStringLiteral("abcde fghijk");
        FakeCanvas screen = canvasAt(10);
        DrawCellText(screen, 0, 0, text, 130, 130, true);
        QCOMPARE(screen.drawnStrings(), QStringList{text});

        FakeCanvas paper = canvasAt(10);
        PrintCellText(paper, 0, 0, text, 130, 130, true);
        QCOMPARE(paper.drawnStrings(), (QStringList{"abcde", "fghijk"}));
        const auto d = drawn(paper);
        QCOMPARE(d[0].size, 10);
        QCOMPARE(d[0].x, 40);
        QCOMPARE(d[0].y, 45);
        QCOMPARE(d[1].x, 35);
        QCOMPARE(d[1].y, 65);

        // Without word wrap it is shrunk instead: 12 characters and two M,
        // 14s <= 130 first holds at 9.
        FakeCanvas noWrap = canvasAt(10);
        PrintCellText(noWrap, 0, 0, text, 130, 130, false);
        QCOMPARE(noWrap.texts.size(), 1);
        QCOMPARE(noWrap.texts[0].size, 9);
    }

    void printLeavesTwoMHeights()
    {
        // 40 high against 60 - 2 * 20: down to 7, where 28 <= 60 - 28.
        FakeCanvas paper = canvasAt(10);
        PrintCellText(paper, 0, 0, QStringLiteral("abcde fghijk"), 130, 60, true);
        QCOMPARE(paper.texts[0].size, 7);
        QCOMPARE(paper.texts[0].y, (60 - 28) / 2);
        QCOMPARE(paper.fontSize(), 10);
    }

    void printFindsTheBaseSizeInEveryCall()
    {
        // "Free Space!" fits 130 less two M at 10 (13 * 10 <= 130), not above.
        FakeCanvas p = canvasAt(20);
        PrintCellText(p, 0, 0, QStringLiteral("A"), 130, 130, true);
        QCOMPARE(p.texts[0].size, 10);
        QCOMPARE(p.fontSize(), 20);

        // A long text shrinks its own cell only; the next cell is back at the base size.
        PrintCellText(p, 0, 0, QStringLiteral("abcdefghijklmnopqrst"), 130, 130, true);
        QVERIFY(p.texts[1].size < 10);
        QCOMPARE(p.fontSize(), 20);
        PrintCellText(p, 0, 0, QStringLiteral("B"), 130, 130, true);
        QCOMPARE(p.texts[2].size, 10);

        // A job size that already fits is never raised.
        FakeCanvas small = canvasAt(6);
        PrintCellText(small, 0, 0, QStringLiteral("A"), 130, 130, true);
        QCOMPARE(small.texts[0].size, 6);
    }

    void printKeepsTheCanvasStyle()
    {
        FakeCanvas p = canvasAt(10);
        p.setFontStyle(FontStyle::Bold);
        PrintCellText(p, 0, 0, QStringLiteral("B"), 130, 130, true);
        QCOMPARE(p.texts[0].style, FontStyle::Bold);
        QCOMPARE(p.fontStyle(), FontStyle::Bold);
    }

    void printCentresInSquareBox()
    {
        FakeCanvas p = canvasAt(10);
        PrintCellText(p, 1000, 2000, QStringLiteral("B"), 130, 130, true);
        QCOMPARE(p.texts[0].x, 1000 + (130 - 10) / 2);
        QCOMPARE(p.texts[0].y, 2000 + (130 - 20) / 2);
    }
};

QTEST_APPLESS_MAIN(TestCellText)
#include "tst_celltext.moc"
