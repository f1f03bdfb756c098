#include "FakeCanvas.h"

#include "print/CellTextMemo.h"
#include "render/CellText.h"

#include <QTest>

namespace {

struct Drawn
{
    int x, y, size;
    QString text;
    QRect clip; // null when not cut
    bool operator==(const Drawn &) const = default;
};

QList<Drawn> drawnOf(const FakeCanvas &c)
{
    QList<Drawn> l;
    for (const auto &t : c.texts)
        l.append({t.x, t.y, t.size, t.text,
                  t.clipped ? QRect(t.clip.left, t.clip.top, t.clip.width, t.clip.height) : QRect()});
    return l;
}

} // namespace

class TestCellTextMemo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replaysExactlyWhatFittingDraws_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("side");
        QTest::addColumn<bool>("wordWrap");
        QTest::newRow("number") << "42" << 300 << true;
        QTest::newRow("letter") << "B" << 300 << true;
        QTest::newRow("blank") << " " << 300 << true;
        QTest::newRow("empty") << "" << 300 << true;
        QTest::newRow("two lines") << "rather long entry text" << 300 << true;
        QTest::newRow("shrunk, no wrap") << "rather long entry text" << 300 << false;
        QTest::newRow("shrunk, no space") << "averyveryverylongentry" << 200 << true;
        QTest::newRow("tiny box") << "Free Space" << 12 << true;
        QTest::newRow("too long even at the floor, cut") << QString(400, QLatin1Char('W')) << 200 << false;
    }
    void replaysExactlyWhatFittingDraws()
    {
        QFETCH(QString, text);
        QFETCH(int, side);
        QFETCH(bool, wordWrap);
        FakeCanvas direct(5000, 5000);
        FakeCanvas memoised(5000, 5000);
        for (FakeCanvas *c : {&direct, &memoised}) {
            c->setFontName(QStringLiteral("Arial"));
            c->setFontStyle(FontStyle::Bold);
            c->setFontSize(20);
        }
        CellTextMemo memo;
        const QList<QPoint> boxes{{10, 10}, {400, 37}, {1234, 999}};
        for (const QPoint &b : boxes) {
            PrintCellText(direct, b.x(), b.y(), text, side, side, wordWrap);
            memo.print(memoised, b.x(), b.y(), text, side, side, wordWrap);
            QCOMPARE(memoised.fontSize(), 20);
        }
        QCOMPARE(drawnOf(memoised), drawnOf(direct));
    }

    void repeatsMeasureNothing()
    {
        FakeCanvas canvas(5000, 5000);
        canvas.setFontSize(20);
        CellTextMemo memo;
        memo.print(canvas, 0, 0, QStringLiteral("rather long entry"), 300, 300, true);
        const int calls = canvas.widthCalls + canvas.heightCalls;
        QVERIFY(calls > 0);
        memo.print(canvas, 500, 500, QStringLiteral("rather long entry"), 300, 300, true);
        QCOMPARE(canvas.widthCalls + canvas.heightCalls, calls);
        // Another box size is fitted afresh.
        memo.print(canvas, 500, 500, QStringLiteral("rather long entry"), 301, 301, true);
        QVERIFY(canvas.widthCalls + canvas.heightCalls > calls);
    }

    void otherStartSizeOrWrapIsFittedAfresh()
    {
        FakeCanvas canvas(5000, 5000);
        FakeCanvas direct(5000, 5000);
        CellTextMemo memo;
        const QString text = QStringLiteral("rather long entry text");
        for (int size : {20, 12}) {
            for (bool wrap : {true, false}) {
                canvas.setFontSize(size);
                direct.setFontSize(size);
                memo.print(canvas, 5, 5, text, 300, 300, wrap);
                PrintCellText(direct, 5, 5, text, 300, 300, wrap);
            }
        }
        QCOMPARE(drawnOf(canvas), drawnOf(direct));
    }

    void anotherFaceForgetsTheFits()
    {
        // A different face has other metrics: here twice as wide.
        FakeCanvas canvas(5000, 5000);
        FakeCanvas direct(5000, 5000);
        CellTextMemo memo;
        for (FakeCanvas *c : {&canvas, &direct})
            c->setFontSize(20);
        memo.print(canvas, 0, 0, QStringLiteral("Free Space"), 400, 400, true);
        PrintCellText(direct, 0, 0, QStringLiteral("Free Space"), 400, 400, true);
        for (FakeCanvas *c : {&canvas, &direct}) {
            c->setFontName(QStringLiteral("Wide"));
            c->charWidthFactor = 2;
        }
        memo.print(canvas, 0, 0, QStringLiteral("Free Space"), 400, 400, true);
        PrintCellText(direct, 0, 0, QStringLiteral("Free Space"), 400, 400, true);
        QCOMPARE(drawnOf(canvas), drawnOf(direct));
        QVERIFY(canvas.texts[0].size != canvas.texts.last().size);
    }
};

QTEST_APPLESS_MAIN(TestCellTextMemo)
#include "tst_celltextmemo.moc"
