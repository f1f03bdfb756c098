// A numbered game exported to PDF and read back as a person would see it:
// every card carries its number line, numbered 1 to N in print order, all
// with the game's code, no two cards alike, and each card's cells are the
// game's card of that number made again from the record.
#include "FakePrompts.h"
#include "GameFixtures.h"
#include "PdfReading.h"
#include "PrintFixtures.h"
#include "SequenceRandom.h"

#include "app/adapters/PdfFilePrintService.h"
#include "game/GameCards.h"
#include "game/GameFile.h"
#include "game/NumberedGame.h"
#include "print/CardPrintJob.h"
#include "print/PageLayout.h"

#include <QGuiApplication>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

constexpr double PointsPerPixel = 72.0 / PdfFilePrintService::Resolution;

QRectF toPoints(double left, double top, double width, double height)
{
    const double o = PdfFilePrintService::OffsetPixels;
    return {(o + left) * PointsPerPixel, (o + top) * PointsPerPixel, width * PointsPerPixel, height * PointsPerPixel};
}

// The words whose centres lie in the box, in reading order, as one text.
QString textIn(const QList<PdfWord> &words, const QRectF &box)
{
    QList<PdfWord> in;
    for (const PdfWord &w : words)
        if (box.contains(w.box.center()))
            in.append(w);
    std::sort(in.begin(), in.end(), [](const PdfWord &a, const PdfWord &b) {
        return qRound(a.box.top()) != qRound(b.box.top()) ? a.box.top() < b.box.top() : a.box.left() < b.box.left();
    });
    QStringList texts;
    for (const PdfWord &w : in)
        texts.append(w.text);
    return texts.join(QLatin1Char(' '));
}

} // namespace

class TestGameExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numberedExportReadsBack_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("sizeIndex");
        QTest::addColumn<bool>("heading");
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("perPage");
        QTest::newRow("numbers, 4 per page") << numberEntries(1, 75) << 1 << true << "10" << 4;
        QTest::newRow("numbers, 2 per page") << numberEntries(1, 75) << 1 << true << "3" << 2;
        QTest::newRow("numbers, 1 per page") << numberEntries(1, 75) << 1 << true << "2" << 1;
        QTest::newRow("words 3 x 3, 4 per page") << wordEntries(30) << 0 << false << "8" << 4;
        QTest::newRow("words 7 x 7, 1 per page") << wordEntries(60) << 2 << true << "2" << 1;
    }
    void numberedExportReadsBack()
    {
        const QString why = popplerMissing();
        if (!why.isEmpty())
            QSKIP(qPrintable(why));
        QFETCH(QStringList, entries);
        QFETCH(int, sizeIndex);
        QFETCH(bool, heading);
        QFETCH(QString, count);
        QFETCH(int, perPage);

        PrintRequest request = numbersRequest(count, QString::number(perPage));
        request.words = entries;
        request.settings.sizeIndex = sizeIndex;
        request.settings.heading = heading;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("game.pdf"));
        NumberedGame game(request, dir.filePath(QStringLiteral("Games")), 20250314);
        PdfFilePrintService file(path, QPageSize(QPageSize::A4));
        FakePrompts prompts;
        SequenceRandom random;
        QStringList cells;
        QCOMPARE(printCards(request, cells, {file, prompts, random, nullptr, &game.numbering()}),
                 PrintOutcome::Printed);
        GameCards cards(readGameRecord(game.path()));

        // Where the job put the cards, in points on the paper.
        PdfFilePrintService probe(dir.filePath(QStringLiteral("probe.pdf")), QPageSize(QPageSize::A4));
        probe.selectPrinter(-1);
        const int side = request.settings.side();
        const int rows = side + (heading ? 1 : 0);
        const CardPageLayout layout = layoutCardPage(perPage, pageGeometry(probe.printableArea(), 1), side, rows);
        const int s = layout.cellSide;

        const QList<PdfPage> pages = pdfPages(path);
        QCOMPARE(std::uint64_t(pages.size() * perPage), cards.count());
        QSet<QString> faces;
        std::uint64_t k = 0;
        for (const PdfPage &page : pages) {
            QList<QRectF> grids;
            for (const CardSlot &slot : layout.slots)
                grids.append(toPoints(slot.x, slot.y, side * s + 1, rows * s + 1));
            QList<PdfWord> outside;
            for (const PdfWord &w : page.words)
                if (std::none_of(grids.cbegin(), grids.cend(), [&](const QRectF &g) { return g.intersects(w.box); }))
                    outside.append(w);
            for (qsizetype slot = 0; slot < grids.size(); ++slot) {
                ++k;
                const QRectF grid = grids[slot];
                // The number line just beneath the card, ending where the card ends.
                const QRectF beneath(grid.left(), grid.bottom(), grid.width(), 16);
                QCOMPARE(textIn(outside, beneath), QStringLiteral("Card %1 \u00B7 Game %2").arg(k).arg(game.code()));
                double right = 0;
                for (const PdfWord &w : outside)
                    if (beneath.contains(w.box.center()))
                        right = std::max(right, w.box.right());
                QVERIFY2(std::abs(right - grid.right()) < 1.5, qPrintable(QString::number(right - grid.right())));

                QStringList shown;
                const int free = request.settings.freeSpace ? side * side / 2 : -1;
                for (int cell = 0; cell < side * side; ++cell) {
                    const int row = cell / side + (heading ? 1 : 0);
                    const QRectF box =
                        toPoints(layout.slots[slot].x + (cell % side) * s, layout.slots[slot].y + row * s, s, s);
                    if (cell != free)
                        shown.append(textIn(page.words, box));
                }
                QCOMPARE(shown, cards.cells(k));
                faces.insert(shown.join(QLatin1Char('|')));
            }
        }
        QCOMPARE(k, cards.count());
        QCOMPARE(std::uint64_t(faces.size()), k);
    }
};

QTEST_MAIN(TestGameExport)
#include "tst_gameexport.moc"
