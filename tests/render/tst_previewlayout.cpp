#include "FakeCanvas.h"
#include "render/Preview.h"

#include <QTest>

#include <algorithm>
#include <climits>

// With the fake canvas's metrics (character width = size, line = 2 * size)
// "Free Space!" fits a column less one M when 12 * size <= column width:
// base size 12 on 3 x 3 (146), 7 on 5 x 5 (88), 5 on 7 x 7 (62).
namespace {

struct LineSeg
{
    int x0, y0, x1, y1;
    bool operator==(const LineSeg &o) const = default;
};

QList<LineSeg> segments(const FakeCanvas &c)
{
    QList<LineSeg> l;
    for (const auto &s : c.lines)
        l.append({s.x0, s.y0, s.x1, s.y1});
    return l;
}

QStringList entries(int count)
{
    QStringList l;
    for (int i = 0; i < count; ++i)
        l.append(QStringLiteral("e%1").arg(i));
    return l;
}

CardSettings settingsFor(int sizeIndex, bool heading, bool freeSpace)
{
    CardSettings s;
    s.sizeIndex = sizeIndex;
    s.heading = heading;
    s.freeSpace = freeSpace;
    return s;
}

QStringList blanks(int n)
{
    return QStringList(n, QStringLiteral(" "));
}

} // namespace

class TestPreviewLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fillsThePaintBoxAndSetsTheFont()
    {
        FakeCanvas c;
        c.setFontStyle(FontStyle::Bold);
        c.setFontColor(0xFF0000);
        CardSettings s = settingsFor(1, true, true);
        s.fontName = QStringLiteral("Liberation Serif");
        paintPreview(c, s, entries(24));
        QCOMPARE(c.fills.size(), 1);
        QCOMPARE(c.fills[0].rect.left, 0);
        QCOMPARE(c.fills[0].rect.top, 0);
        QCOMPARE(c.fills[0].rect.width, 441);
        QCOMPARE(c.fills[0].rect.height, 313);
        QCOMPARE(c.texts.size(), 5 + 25);
        for (const auto &t : c.texts) {
            QCOMPARE(t.face, QStringLiteral("Liberation Serif"));
            QCOMPARE(t.style, FontStyle::Regular);
            QCOMPARE(t.color, 0u);
        }
    }

    void gridLines_data()
    {
        QTest::addColumn<int>("sizeIndex");
        QTest::addColumn<bool>("heading");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("rowHeight");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("columnWidth");
        QTest::newRow("3x3") << 0 << false << 3 << 104 << 3 << 146;
        QTest::newRow("3x3 heading") << 0 << true << 4 << 78 << 3 << 146;
        QTest::newRow("5x5") << 1 << false << 5 << 62 << 5 << 88;
        QTest::newRow("5x5 heading") << 1 << true << 6 << 52 << 5 << 88;
        QTest::newRow("7x7") << 2 << false << 7 << 44 << 7 << 62;
        QTest::newRow("7x7 heading") << 2 << true << 8 << 39 << 7 << 62;
    }
    void gridLines()
    {
        QFETCH(int, sizeIndex);
        QFETCH(bool, heading);
        QFETCH(int, rows);
        QFETCH(int, rowHeight);
        QFETCH(int, columns);
        QFETCH(int, columnWidth);
        FakeCanvas c;
        paintPreview(c, settingsFor(sizeIndex, heading, true), {});
        const int w = columns * columnWidth;
        const int h = rows * rowHeight;
        QList<LineSeg> expected{{0, 0, 0, h}, {0, 0, w, 0}};
        for (int i = 1; i <= rows; ++i)
            expected.append({0, i * rowHeight, w, i * rowHeight});
        for (int j = 1; j <= columns; ++j)
            expected.append({j * columnWidth, 0, j * columnWidth, h});
        QCOMPARE(segments(c), expected);
    }

    void fiveByFiveWithoutHeadingLeavesTheBottomBlank()
    {
        FakeCanvas c;
        paintPreview(c, settingsFor(1, false, false), {});
        QList<int> xs, ys;
        for (const auto &l : c.lines) {
            if (l.x0 == l.x1)
                xs.append(l.x0);
            else
                ys.append(l.y0);
            QVERIFY(l.y0 <= 310 && l.y1 <= 310);
        }
        QCOMPARE(xs, (QList<int>{0, 88, 176, 264, 352, 440}));
        QCOMPARE(ys, (QList<int>{0, 62, 124, 186, 248, 310}));
    }

    void penWidthComesFromTheCanvas()
    {
        FakeCanvas c;
        c.pen = 2;
        paintPreview(c, settingsFor(1, false, false), {});
        // (441 - 2) / 5 = 87 wide, (313 - 2) / 5 = 62 high
        QCOMPARE(c.lines.last().x0, 5 * 87);
        QCOMPARE(c.lines.last().y1, 5 * 62);
        // The first entry box starts after the two-pixel line.
        QCOMPARE(c.texts[0].x, 2 + (85 - 7) / 2);
    }

    void headingLetters_data()
    {
        QTest::addColumn<int>("sizeIndex");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QStringList>("letters");
        QTest::newRow("BINGO on 5x5") << 1 << "BINGO" << QStringList{"B", "I", "N", "G", "O"};
        QTest::newRow("BINGO on 3x3") << 0 << "BINGO" << QStringList{"B", "I", "N"};
        QTest::newRow("BINGO on 7x7") << 2 << "BINGO" << QStringList{"B", "I", "N", "G", "O"};
        QTest::newRow("leading blank") << 0 << " AB" << QStringList{" ", "A", "B"};
        QTest::newRow("blank text") << 0 << "   " << QStringList{};
        QTest::newRow("empty text") << 1 << "" << QStringList{};
    }
    void headingLetters()
    {
        QFETCH(int, sizeIndex);
        QFETCH(QString, heading);
        QFETCH(QStringList, letters);
        FakeCanvas c;
        CardSettings s = settingsFor(sizeIndex, true, false);
        s.headingText = heading;
        paintPreview(c, s, {});
        const int side = s.side();
        QCOMPARE(c.drawnStrings(), letters + blanks(side * side));
        // Each letter sits in its own column's heading box.
        const int columnWidth = (441 - 1) / side;
        const int rowHeight = (313 - 1) / (side + 1);
        for (int i = 0; i < letters.size(); ++i) {
            const auto &t = c.texts[i];
            QCOMPARE(t.x, 1 + i * columnWidth + (columnWidth - 1 - t.size) / 2);
            QCOMPARE(t.y, 1 + (rowHeight - 1 - 2 * t.size) / 2);
        }
    }

    void blankHeadingStillMovesTheBodyDown()
    {
        FakeCanvas with;
        CardSettings s = settingsFor(0, true, false);
        s.headingText = QString();
        paintPreview(with, s, {QStringLiteral("a")});
        // Row 2 of four: box top 1 + 78, height 77; "a" is 24 high at size 12.
        QCOMPARE(with.texts[0].text, QStringLiteral("a"));
        QCOMPARE(with.texts[0].y, 79 + (77 - 24) / 2);
        QCOMPARE(with.lines.size(), 2 + 4 + 3);

        FakeCanvas without;
        paintPreview(without, settingsFor(0, false, false), {QStringLiteral("a")});
        QCOMPARE(without.texts[0].y, 1 + (103 - 24) / 2);
    }

    void freeSpaceTakesTheWholeCell()
    {
        FakeCanvas c;
        paintPreview(c, settingsFor(1, true, true), entries(24));
        // Heading letters, then e0..e11, the free space, e12..e23.
        const int free = 5 + 12;
        QCOMPARE(c.texts[free].text, QStringLiteral("Free Space"));
        QCOMPARE(c.texts[free].size, 7);
        // Box (176, 156, 88, 52): "Free Space" is 70 x 14 at size 7.
        QCOMPARE(c.texts[free].x, 176 + (88 - 70) / 2);
        QCOMPARE(c.texts[free].y, 156 + (52 - 14) / 2);
        // Its neighbours in the same row use entry boxes (89, 157, 87, 51)
        // and (265, 157, 87, 51); "e11" and "e12" are 21 x 14.
        QCOMPARE(c.texts[free - 1].text, QStringLiteral("e11"));
        QCOMPARE(c.texts[free - 1].x, 89 + (87 - 21) / 2);
        QCOMPARE(c.texts[free - 1].y, 157 + (51 - 14) / 2);
        QCOMPARE(c.texts[free + 1].text, QStringLiteral("e12"));
        QCOMPARE(c.texts[free + 1].x, 265 + (87 - 21) / 2);
    }

    void readingOrder_data()
    {
        QTest::addColumn<int>("sizeIndex");
        QTest::addColumn<bool>("freeSpace");
        QTest::addColumn<int>("entryCount");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("5x5 free space") << 1 << true << 24
                                        << (entries(12) << QStringLiteral("Free Space") << entries(24).mid(12));
        QTest::newRow("5x5 no free space") << 1 << false << 25 << entries(25);
        QTest::newRow("3x3 fewer entries")
            << 0 << true << 3 << (entries(3) << QStringLiteral(" ") << QStringLiteral("Free Space") << blanks(4));
        QTest::newRow("7x7 empty cells") << 2 << true << 0
                                         << (blanks(24) << QStringLiteral("Free Space") << blanks(24));
        QTest::newRow("more entries than cells") << 0 << false << 30 << entries(9);
    }
    void readingOrder()
    {
        QFETCH(int, sizeIndex);
        QFETCH(bool, freeSpace);
        QFETCH(int, entryCount);
        FakeCanvas c;
        paintPreview(c, settingsFor(sizeIndex, false, freeSpace), entries(entryCount));
        QTEST(c.drawnStrings(), "expected");
    }

    void rawFreeSpaceText()
    {
        FakeCanvas c;
        CardSettings s = settingsFor(0, false, true);
        s.freeSpaceText = QStringLiteral(" FS ");
        paintPreview(c, s, entries(8));
        QCOMPARE(c.texts[4].text, QStringLiteral(" FS "));
    }

    void baseSize_data()
    {
        QTest::addColumn<int>("sizeIndex");
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<bool>("freeSpace");
        QTest::addColumn<int>("base");
        QTest::newRow("3x3") << 0 << 20 << true << 12;
        QTest::newRow("5x5") << 1 << 20 << true << 7;
        QTest::newRow("7x7") << 2 << 20 << true << 5;
        QTest::newRow("free space off") << 1 << 20 << false << 7;
        QTest::newRow("small size never raised") << 1 << 5 << true << 5;
        QTest::newRow("exactly fitting") << 1 << 7 << true << 7;
        QTest::newRow("huge size") << 1 << INT_MAX << true << 7;
        QTest::newRow("zero size") << 1 << 0 << true << 1;
        QTest::newRow("negative size") << 1 << -5 << true << 1;
    }
    void baseSize()
    {
        QFETCH(int, sizeIndex);
        QFETCH(int, fontSize);
        QFETCH(bool, freeSpace);
        QFETCH(int, base);
        FakeCanvas c;
        CardSettings s = settingsFor(sizeIndex, true, freeSpace);
        s.fontSize = fontSize;
        // The free-space text plays no part in the base size.
        s.freeSpaceText = QStringLiteral("X");
        paintPreview(c, s, {QStringLiteral("a")});
        QCOMPARE(c.sizesSet.first(), std::clamp(fontSize, 1, 999));
        for (const auto &t : c.texts)
            QCOMPARE(t.size, base);
        QCOMPARE(c.fontSize(), base);
    }

    void cellShrinkingDoesNotCarryOver()
    {
        FakeCanvas c;
        CardSettings s = settingsFor(1, false, false);
        s.wordWrap = false;
        paintPreview(c, s, {QStringLiteral("abcdefghijklmnopqrstuvwxyz"), QStringLiteral("b")});
        QVERIFY(c.texts[0].size < 7);
        QCOMPARE(c.texts[1].size, 7);
    }

    void wordWrapSettingReachesTheCells_data()
    {
        QTest::addColumn<bool>("wordWrap");
        QTest::addColumn<QStringList>("firstCell");
        QTest::newRow("on") << true << QStringList{"New York", "City"};
        QTest::newRow("off") << false << QStringList{"New York City"};
    }
    void wordWrapSettingReachesTheCells()
    {
        QFETCH(bool, wordWrap);
        QFETCH(QStringList, firstCell);
        FakeCanvas c;
        CardSettings s = settingsFor(1, false, false);
        s.wordWrap = wordWrap;
        paintPreview(c, s, {QStringLiteral("New York City")});
        QCOMPARE(c.drawnStrings().mid(0, firstCell.size()), firstCell);
        QCOMPARE(c.drawnStrings().at(firstCell.size()), QStringLiteral(" "));
    }
};

QTEST_APPLESS_MAIN(TestPreviewLayout)
#include "tst_previewlayout.moc"
