#include "app/adapters/QtCanvas.h"
#include "render/CardGeometry.h"
#include "render/CellText.h"
#include "render/Preview.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <climits>
#include <cstdlib>

// The Qt canvas: its measurements are Qt's own for the device, memoised or
// not, and it writes text with the top-left of the line box at the point.
class TestPreviewCanvas : public QObject
{
    Q_OBJECT

    static QFont fontOf(const QString &face, int points, bool bold)
    {
        QFont f(face);
        f.setPointSize(points);
        f.setBold(bold);
        return f;
    }

private Q_SLOTS:
    void measuresAsQtDoesForTheDevice_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::newRow("screen") << 96;
        QTest::newRow("printer") << 600;
    }
    void measuresAsQtDoesForTheDevice()
    {
        QFETCH(int, dpi);
        QImage img(200, 100, QImage::Format_RGB32);
        img.setDotsPerMeterX(qRound(dpi / 0.0254));
        img.setDotsPerMeterY(qRound(dpi / 0.0254));
        QPainter painter(&img);
        QtCanvas canvas(painter, Qt::white);
        const QStringList texts{"M", "Free Space!", "New York City", "New York", "", " "};
        canvas.setFontName(QStringLiteral("Arial"));
        // Twice round, through sizes, styles and faces, so the second pass
        // answers from the memo and must still give Qt's figures.
        for (int pass = 0; pass < 2; ++pass) {
            for (const QString &face : {QStringLiteral("Arial"), QStringLiteral("DejaVu Serif")}) {
                canvas.setFontName(face);
                for (int size : {20, 19, 8, 1}) {
                    for (bool bold : {false, true}) {
                        canvas.setFontSize(size);
                        canvas.setFontStyle(bold ? FontStyle::Bold : FontStyle::Regular);
                        const QFontMetrics fm(fontOf(face, size, bold), &img);
                        for (const QString &t : texts) {
                            QCOMPARE(canvas.textWidth(t), fm.horizontalAdvance(t));
                            QCOMPARE(canvas.textHeight(t), fm.height());
                        }
                    }
                }
            }
        }
        QCOMPARE(canvas.fontName(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(canvas.fontSize(), 1);
        QCOMPARE(canvas.fontStyle(), FontStyle::Bold);
    }

    void pointsFollowTheDeviceResolution()
    {
        QImage screen(10, 10, QImage::Format_RGB32);
        screen.setDotsPerMeterY(qRound(96 / 0.0254));
        screen.setDotsPerMeterX(qRound(96 / 0.0254));
        QImage paper(10, 10, QImage::Format_RGB32);
        paper.setDotsPerMeterY(qRound(600 / 0.0254));
        paper.setDotsPerMeterX(qRound(600 / 0.0254));
        QPainter ps(&screen);
        QPainter pp(&paper);
        QtCanvas s(ps, Qt::white);
        QtCanvas p(pp, Qt::white);
        for (ICanvas *c : {static_cast<ICanvas *>(&s), static_cast<ICanvas *>(&p)}) {
            c->setFontName(QStringLiteral("Arial"));
            c->setFontSize(20);
        }
        const double ratio = double(p.textHeight(QStringLiteral("M"))) / s.textHeight(QStringLiteral("M"));
        QVERIFY2(ratio > 5.5 && ratio < 7.0, qPrintable(QString::number(ratio)));
    }

    void sizeBelowOnePointDrawsAsOnePoint()
    {
        QImage img(50, 50, QImage::Format_RGB32);
        QPainter painter(&img);
        QtCanvas canvas(painter, Qt::white);
        canvas.setFontName(QStringLiteral("Arial"));
        canvas.setFontSize(1);
        const int one = canvas.textHeight(QStringLiteral("M"));
        canvas.setFontSize(0);
        QCOMPARE(canvas.fontSize(), 0);
        QCOMPARE(canvas.textHeight(QStringLiteral("M")), one);
    }

    void writesTheLineBoxAtThePointOnTheBrushColour()
    {
        QImage img(300, 120, QImage::Format_RGB32);
        img.fill(Qt::red);
        {
            QPainter painter(&img);
            QtCanvas canvas(painter, Qt::white);
            canvas.setFontName(QStringLiteral("Arial"));
            canvas.setFontSize(30);
            canvas.setFontColor(0x000000);
            const int w = canvas.textWidth(QStringLiteral("Mg"));
            const int h = canvas.textHeight(QStringLiteral("Mg"));
            canvas.textOut(20, 10, QStringLiteral("Mg"));

            int top = INT_MAX, bottom = -1, left = INT_MAX, right = -1;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    if (qRed(img.pixel(x, y)) < 128) {
                        top = std::min(top, y);
                        bottom = std::max(bottom, y);
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
            // The ink lies inside the line box and reaches near its top.
            QVERIFY(top >= 10 && top < 10 + h / 3);
            QVERIFY(bottom < 10 + h);
            QVERIFY(left >= 20 && right < 20 + w);
            // The line box is filled opaque in the brush colour.
            QCOMPARE(img.pixel(20, 10), qRgb(255, 255, 255));
            QCOMPARE(img.pixel(20 + w - 1, 10 + h - 1), qRgb(255, 255, 255));
            QCOMPARE(img.pixel(20 + w + 2, 10 + h / 2), qRgb(255, 0, 0));
        }
    }

    // A text written alike puts its ink exactly where textOut puts it, and
    // leaves the page around it bare when its alike could be shaped.
    void textWrittenAlikeInksAsTextOut_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("alike");
        QTest::addColumn<bool>("bare");
        QTest::newRow("sans") << "Liberation Sans"
                              << "Card 12345 \u00B7 Game K7Q2MX"
                              << "Card 00000 \u00B7 Game K7Q2MX" << true;
        QTest::newRow("serif, 0s in the code") << "DejaVu Serif"
                                               << "Card 907 \u00B7 Game 0X0Y2Z"
                                               << "Card 000 \u00B7 Game 0X0Y2Z" << true;
        QTest::newRow("a digit kept") << "Liberation Serif"
                                      << "Karte 1190 \u00B7 Spiel K7Q2MX"
                                      << "Karte 1100 \u00B7 Spiel K7Q2MX" << true;
        QTest::newRow("not alike") << "Liberation Sans"
                                   << "Card 12 \u00B7 Game K7Q2MX"
                                   << "Card 0A \u00B7 Game K7Q2MX" << false;
    }
    void textWrittenAlikeInksAsTextOut()
    {
        QFETCH(QString, face);
        QFETCH(QString, text);
        QFETCH(QString, alike);
        QFETCH(bool, bare);
        const auto paint = [&](bool asAlike, QColor page) {
            QImage img(1200, 120, QImage::Format_RGB32);
            img.setDotsPerMeterX(qRound(600 / 0.0254));
            img.setDotsPerMeterY(qRound(600 / 0.0254));
            img.fill(page);
            QPainter painter(&img);
            QtCanvas canvas(painter, Qt::white);
            canvas.setFontName(face);
            canvas.setFontSize(8);
            if (asAlike)
                canvas.textOutAlike(15, 20, text, alike);
            else
                canvas.textOut(15, 20, text);
            return img;
        };
        const QImage expected = paint(false, Qt::white);
        QCOMPARE(paint(true, Qt::white), expected);
        int inked = 0;
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                inked += qRed(expected.pixel(x, y)) < 128 ? 1 : 0;
        QVERIFY(inked > 100);
        QCOMPARE(paint(true, Qt::red).pixel(15, 20) == qRgb(255, 0, 0), bare);
    }

    void linesUseTheDefaultPenAndRectsTheBrush()
    {
        QImage img(20, 20, QImage::Format_RGB32);
        img.fill(Qt::red);
        {
            QPainter painter(&img);
            QtCanvas canvas(painter, QColor(10, 20, 30));
            QCOMPARE(canvas.clipRect().width, 20);
            QCOMPARE(canvas.clipRect().height, 20);
            QCOMPARE(canvas.penWidth(), 1);
            canvas.fillRect({0, 0, 10, 20});
            canvas.setFontColor(0x00FF00);
            canvas.setFontName(QStringLiteral("Arial"));
            canvas.setFontSize(8);
            canvas.textOut(0, 0, QStringLiteral(" "));
            canvas.moveTo(15, 2);
            canvas.lineTo(15, 17);
        }
        QCOMPARE(img.pixel(5, 15), qRgb(10, 20, 30));
        QCOMPARE(img.pixel(12, 5), qRgb(255, 0, 0));
        // Black whatever the text colour.
        QCOMPARE(img.pixel(15, 10), qRgb(0, 0, 0));
        QCOMPARE(img.pixel(16, 10), qRgb(255, 0, 0));
    }

    void restoresThePainter()
    {
        QImage img(20, 20, QImage::Format_RGB32);
        QPainter painter(&img);
        const QFont before = painter.font();
        {
            QtCanvas canvas(painter, Qt::white);
            canvas.setFontName(QStringLiteral("Arial"));
            canvas.setFontSize(40);
            canvas.textOut(0, 0, QStringLiteral("x"));
        }
        QCOMPARE(painter.font(), before);
        QCOMPARE(painter.backgroundMode(), Qt::TransparentMode);
    }

    void printCellTextCentresOnTheRealCanvas()
    {
        // A heading letter at 600 dpi in a square box: the ink is centred
        // within a few device pixels either way.
        QImage img(600, 600, QImage::Format_RGB32);
        img.setDotsPerMeterX(qRound(600 / 0.0254));
        img.setDotsPerMeterY(qRound(600 / 0.0254));
        img.fill(Qt::white);
        {
            QPainter painter(&img);
            QtCanvas canvas(painter, Qt::white);
            canvas.setFontName(QStringLiteral("Arial"));
            canvas.setFontStyle(FontStyle::Bold);
            canvas.setFontSize(20);
            PrintCellText(canvas, 50, 50, QStringLiteral("I"), 500, 500, true);
            QCOMPARE(canvas.fontSize(), 20);
        }
        int left = INT_MAX, right = -1;
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 600; ++x)
                if (qRed(img.pixel(x, y)) < 128) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        QVERIFY(right > left);
        QVERIFY2(std::abs((left + right) / 2 - 300) <= 6, qPrintable(QStringLiteral("%1..%2").arg(left).arg(right)));
    }

    // A text that does not fit even at one point is cut at its cell: the
    // grid and every other cell look exactly as with the cell left empty.
    void textTooLongAtTheFloorStaysInItsCell_data()
    {
        QTest::addColumn<bool>("inFreeSpace");
        QTest::newRow("entry") << false;
        QTest::newRow("free space") << true;
    }
    void textTooLongAtTheFloorStaysInItsCell()
    {
        QFETCH(bool, inFreeSpace);
        const QString tooLong(100, QLatin1Char('W'));
        CardSettings settings;
        settings.sizeIndex = 2;
        settings.wordWrap = false;
        QStringList cells;
        for (int i = 1; i <= 48; ++i)
            cells.append(QString::number(i));
        const auto paint = [&](const QString &text) {
            CardSettings s = settings;
            QStringList c = cells;
            (inFreeSpace ? s.freeSpaceText : c[0]) = text;
            QImage img(441, 313, QImage::Format_RGB32);
            QPainter painter(&img);
            QtCanvas canvas(painter, Qt::white);
            paintPreview(canvas, s, c);
            return img;
        };
        const QImage with = paint(tooLong);
        const QImage without = paint(QString());
        const PreviewGrid grid = previewGrid(7, true, 441, 313, 1);
        const CanvasRect cell = inFreeSpace ? entryBox(grid, 5, 4) : entryBox(grid, 2, 1);
        const QRect inside(cell.left, cell.top, cell.width, cell.height);
        int inked = 0;
        for (int y = 0; y < 313; ++y)
            for (int x = 0; x < 441; ++x) {
                if (inside.contains(x, y))
                    inked += with.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
                else
                    QVERIFY2(with.pixel(x, y) == without.pixel(x, y),
                             qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        QVERIFY(inked > 0);
        for (int j = 0; j <= 7; ++j)
            QCOMPARE(with.pixel(j * grid.columnWidth, grid.height() / 2), qRgb(0, 0, 0));
    }
};

QTEST_MAIN(TestPreviewCanvas)
#include "tst_previewcanvas.moc"
