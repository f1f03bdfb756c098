#include "TestServices.h"
#include "app/CardPaintBox.h"
#include "app/UnitMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPalette>
#include <QTest>

#include <algorithm>
#include <climits>
#include <memory>

// The sample card as the paint box really draws it, through the Qt canvas.
namespace {

bool isInk(QRgb p, QRgb background)
{
    return p != background;
}

bool isBlack(QRgb p)
{
    return qRed(p) < 64 && qGreen(p) < 64 && qBlue(p) < 64;
}

// Ink inside the box, the grid lines at its top and left left out.
bool hasInk(const QImage &img, QRect box, QRgb background)
{
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (isInk(img.pixel(x, y), background))
                return true;
    return false;
}

} // namespace

class TestPreviewWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestServices> fakes;
    std::unique_ptr<TFrmMain> window;

    QImage render()
    {
        QImage img(window->PB->size(), QImage::Format_RGB32);
        img.fill(Qt::magenta);
        window->PB->render(&img);
        return img;
    }
    // The sample card is a picture of the paper.
    static QRgb background() { return qRgb(255, 255, 255); }

    // The entry box of body cell (row, column) of a 5 x 5 card with heading.
    static QRect entryBox(int row, int column) { return {1 + (column - 1) * 88, 1 + row * 52, 87, 51}; }

private Q_SLOTS:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("Morvane")); }

    void init()
    {
        fakes = std::make_unique<TestServices>();
        window = std::make_unique<TFrmMain>(fakes->services());
    }
    void cleanup()
    {
        window.reset();
        fakes.reset();
    }

    void defaultCardGrid()
    {
        QCOMPARE(window->PB->size(), QSize(441, 313));
        QCOMPARE(window->CboCardSize->currentIndex(), 1);
        QVERIFY(window->ChkHeading->isChecked());
        const QImage img = render();
        const QRgb bg = background();
        for (int x = 0; x <= 440; x += 88)
            for (int y = 0; y <= 312; ++y)
                QVERIFY2(isBlack(img.pixel(x, y)), qPrintable(QStringLiteral("x %1 y %2").arg(x).arg(y)));
        for (int y = 0; y <= 312; y += 52)
            for (int x = 0; x <= 440; ++x)
                QVERIFY2(isBlack(img.pixel(x, y)), qPrintable(QStringLiteral("x %1 y %2").arg(x).arg(y)));
        // Only the lines: the pixels beside them inside a blank cell are background.
        QCOMPARE(img.pixel(1, 53), bg);
        QCOMPARE(img.pixel(87, 103), bg);
        QCOMPARE(img.pixel(89, 53), bg);
        // Nothing paints the magenta left from before.
        for (int y = 0; y < 313; ++y)
            for (int x = 0; x < 441; ++x)
                QVERIFY(img.pixel(x, y) != qRgb(255, 0, 255));
    }

    void entriesHoldInkAndEmptyCellsNone()
    {
        for (int i = 0; i < 10; ++i)
            window->CardCells.append(QStringLiteral("Word %1").arg(i));
        const QImage img = render();
        const QRgb bg = background();
        for (int column = 1; column <= 5; ++column)
            QVERIFY2(hasInk(img, QRect(1 + (column - 1) * 88, 1, 87, 51), bg), "heading letter");
        for (int k = 1; k <= 25; ++k) {
            const int row = (k - 1) / 5 + 1;
            const int column = (k - 1) % 5 + 1;
            const bool inked = hasInk(img, entryBox(row, column), bg);
            const QString where = QStringLiteral("cell %1").arg(k);
            if (k <= 10 || k == 13)
                QVERIFY2(inked, qPrintable(where));
            else
                QVERIFY2(!inked, qPrintable(where));
        }
    }

    void emptyCardShowsHeadingAndFreeSpaceOnly()
    {
        window->CardCells.clear();
        const QImage img = render();
        const QRgb bg = background();
        for (int k = 1; k <= 25; ++k) {
            const int row = (k - 1) / 5 + 1;
            const int column = (k - 1) % 5 + 1;
            QCOMPARE(hasInk(img, entryBox(row, column), bg), k == 13);
        }
    }

    void sizesAndHeadingDrawTheirGrid_data()
    {
        QTest::addColumn<int>("sizeIndex");
        QTest::addColumn<bool>("heading");
        QTest::addColumn<int>("rowHeight");
        QTest::addColumn<int>("columnWidth");
        QTest::addColumn<int>("rows");
        QTest::newRow("3x3") << 0 << false << 104 << 146 << 3;
        QTest::newRow("3x3 heading") << 0 << true << 78 << 146 << 4;
        QTest::newRow("5x5") << 1 << false << 62 << 88 << 5;
        QTest::newRow("7x7") << 2 << false << 44 << 62 << 7;
        QTest::newRow("7x7 heading") << 2 << true << 39 << 62 << 8;
    }
    void sizesAndHeadingDrawTheirGrid()
    {
        QFETCH(int, sizeIndex);
        QFETCH(bool, heading);
        QFETCH(int, rowHeight);
        QFETCH(int, columnWidth);
        QFETCH(int, rows);
        window->CboCardSize->setCurrentIndex(sizeIndex);
        window->ChkHeading->setChecked(heading);
        const QImage img = render();
        const QRgb bg = background();
        const int side = sizeIndex == 0 ? 3 : sizeIndex == 1 ? 5 : 7;
        const int w = side * columnWidth;
        const int h = rows * rowHeight;
        for (int j = 0; j <= side; ++j)
            QVERIFY(isBlack(img.pixel(j * columnWidth, h / 2 + 3)));
        for (int i = 0; i <= rows; ++i)
            QVERIFY(isBlack(img.pixel(w / 2 + 3, i * rowHeight)));
        // Right of and below the grid: background only.
        for (int y = 0; y < 313; ++y)
            for (int x = w + 1; x < 441; ++x)
                QCOMPARE(img.pixel(x, y), bg);
        for (int y = h + 1; y < 313; ++y)
            for (int x = 0; x < 441; ++x)
                QCOMPARE(img.pixel(x, y), bg);
    }

    void editingTheHeadingRedrawsWithoutReshuffling()
    {
        for (int i = 1; i <= 30; ++i)
            window->CardCells.append(QString::number(i));
        const QStringList before = window->CardCells;
        const QImage first = render();
        window->TxtHeading->setText(QStringLiteral("XYZ"));
        QCOMPARE(window->CardCells, before);
        const QImage second = render();
        // The body is pixel for pixel the same; the heading row changed.
        QCOMPARE(second.copy(0, 53, 441, 260), first.copy(0, 53, 441, 260));
        QVERIFY(second.copy(0, 0, 441, 52) != first.copy(0, 0, 441, 52));
        // Columns 4 and 5 now have no letter.
        QVERIFY(!hasInk(second, QRect(1 + 3 * 88, 1, 87, 51), background()));
        QVERIFY(!hasInk(second, QRect(1 + 4 * 88, 1, 87, 51), background()));
    }

    void cardIsWhitePaperWithBlackInkWhateverTheTheme_data()
    {
        QTest::addColumn<QColor>("window");
        QTest::addColumn<QColor>("text");
        QTest::newRow("light theme") << QColor(239, 239, 239) << QColor(Qt::black);
        QTest::newRow("dark theme") << QColor(30, 30, 30) << QColor(Qt::white);
    }
    void cardIsWhitePaperWithBlackInkWhateverTheTheme()
    {
        QFETCH(QColor, window);
        QFETCH(QColor, text);
        QPalette theme = this->window->palette();
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            theme.setColor(role, window);
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            theme.setColor(role, text);
        this->window->setPalette(theme);
        this->window->CardCells = {QStringLiteral("Word")};
        const QImage img = render();
        QCOMPARE(img.pixel(1, 53), background());
        QVERIFY(isBlack(img.pixel(0, 30)));
        // The entry is written in black.
        int darkest = 255;
        const QRect cell = entryBox(1, 1);
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                darkest = std::min(darkest, qGray(img.pixel(x, y)));
        QVERIFY(darkest < 64);
    }

    void hugeFontSizeStillPaints()
    {
        // A hand-edited settings file can hold any whole number.
        window->CardFontSize = INT_MAX;
        window->CardCells = {QStringLiteral("a"), QStringLiteral("b")};
        const QImage img = render();
        QVERIFY(hasInk(img, entryBox(1, 1), background()));
        QVERIFY(!hasInk(img, entryBox(1, 3), background()));
    }
};

QTEST_MAIN(TestPreviewWindow)
#include "tst_previewwindow.moc"
