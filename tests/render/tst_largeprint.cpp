// Large print: every text of the card starts at the card font size, on
// screen and on paper, and shrinks only itself by the fitting rules.
#include "FakeCanvas.h"
#include "render/CellText.h"
#include "render/Preview.h"

#include <QTest>

// The fake canvas makes every character as wide as the point size and a line
// twice as high: width("M") = s, height("M") = 2s at size s.
namespace {

// The size each text was drawn at; "Free Space" by its first line.
QMap<QString, int> sizesOf(const FakeCanvas &canvas)
{
    QMap<QString, int> sizes;
    for (const FakeCanvas::Text &t : canvas.texts)
        sizes.insert(t.text == QLatin1String("Free") ? QStringLiteral("Free Space") : t.text, t.size);
    return sizes;
}

} // namespace

class TestLargePrint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A 36-point card font. On screen (5 x 5 with heading on the 441 x 313
    // box: columns 88 wide, rows 52 high, one "M" of margin) the base size
    // is where 11 characters fit 88 less one "M": 7. On paper (a 120-pixel
    // box, two "M"s) it is where they fit 120 less two: 9. In large print
    // "B" and "7" keep 36; "75" shrinks to fit its box alone (29 on screen,
    // where 3s <= 87; 30 on paper, where 4s <= 120); "Free Space" takes two
    // lines, shrunk by height (8 on screen, where 4s <= 52 - 2s; 15 on
    // paper, where 4s <= 120 - 4s).
    void sizes_data()
    {
        QTest::addColumn<bool>("paper");
        QTest::addColumn<bool>("largePrint");
        QTest::addColumn<int>("letter");
        QTest::addColumn<int>("oneDigit");
        QTest::addColumn<int>("twoDigits");
        QTest::addColumn<int>("freeSpace");

        QTest::newRow("screen, off") << false << false << 7 << 7 << 7 << 7;
        QTest::newRow("screen, on") << false << true << 36 << 36 << 29 << 8;
        QTest::newRow("paper, off") << true << false << 9 << 9 << 9 << 9;
        QTest::newRow("paper, on") << true << true << 36 << 36 << 30 << 15;
    }
    void sizes()
    {
        QFETCH(bool, paper);
        QFETCH(bool, largePrint);
        QFETCH(int, letter);
        QFETCH(int, oneDigit);
        QFETCH(int, twoDigits);
        QFETCH(int, freeSpace);
        CardSettings settings;
        settings.fontSize = 36;
        settings.largePrint = largePrint;
        FakeCanvas canvas;
        if (paper) {
            canvas.setFontSize(settings.fontSize);
            for (const QString &text :
                 {QStringLiteral("B"), QStringLiteral("7"), QStringLiteral("75"), QStringLiteral("Free Space")})
                PrintCellText(canvas, 0, 0, text, 120, 120, true, startSizeFor(largePrint));
            QCOMPARE(canvas.fontSize(), 36);
        } else {
            paintPreview(canvas, settings, {QStringLiteral("7"), QStringLiteral("75")});
        }
        const QMap<QString, int> sizes = sizesOf(canvas);
        QCOMPARE(sizes.value(QStringLiteral("B")), letter);
        QCOMPARE(sizes.value(QStringLiteral("7")), oneDigit);
        QCOMPARE(sizes.value(QStringLiteral("75")), twoDigits);
        QCOMPARE(sizes.value(QStringLiteral("Free Space")), freeSpace);
    }
};

QTEST_APPLESS_MAIN(TestLargePrint)
#include "tst_largeprint.moc"
