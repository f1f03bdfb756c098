#include "app/caller/CheckedCard.h"

#include "app/adapters/PdfFilePrintService.h"
#include "app/adapters/QtCanvas.h"
#include "print/PageLayout.h"
#include "print/PrintCard.h"

#include <QImage>
#include <QPageSize>
#include <QPainter>

#include <algorithm>

namespace {

constexpr double InchesPerMetre = 1.0 / 0.0254;

// A cell's box on screen: body rows count from 1 under the heading row.
QRectF cellBox(const QPointF &origin, int side, int row, int column)
{
    return {origin.x() + (column - 1) * side, origin.y() + (row - 1) * side, double(side), double(side)};
}

} // namespace

double printedCellInches(const CardSettings &settings, int cardsPerPage)
{
    constexpr int dpi = PdfFilePrintService::Resolution;
    constexpr int offset = PdfFilePrintService::OffsetPixels;
    const QSize paper = PdfFilePrintService::localePaper().sizePixels(dpi);
    const PrintableArea area{offset, offset, paper.width() - 2 * offset, paper.height() - 2 * offset};
    const CardShape shape = cardShape(settings);
    const int columns = shape.columns;
    const int rows = shape.rows();
    const CardPageLayout layout =
        settings.kind == CardKind::Tickets90
            ? layoutKindPage(settings.kind, cardsPerPage, pageGeometry(area, 1), columns, rows)
            : layoutCardPage(layoutCardsPerPage(cardsPerPage), pageGeometry(area, 1), columns, rows);
    return layout.cellSide > 0 ? double(layout.cellSide) / dpi : 1.0;
}

void paintCheckedCard(QPainter &painter, const QRect &area, const CardSettings &settings, const QStringList &cells,
                      const CardCheck &check, double cellInches)
{
    const CardShape shape = cardShape(settings);
    const int columns = shape.columns;
    const int headingRows = shape.headingRows;
    const int rows = shape.rows();
    const int side = std::min((area.width() - 1) / columns, (area.height() - 1) / rows);
    if (side < 4)
        return;

    // The printed card's own drawing, on an image whose resolution makes a
    // cell as many inches wide as on paper: the card font's points then
    // stand to the cell as they did on the page.
    QImage card(columns * side + 1, rows * side + 1, QImage::Format_RGB32);
    card.fill(Qt::white);
    const double dpi = side / std::max(cellInches, 0.01);
    card.setDotsPerMeterX(qRound(dpi * InchesPerMetre));
    card.setDotsPerMeterY(qRound(dpi * InchesPerMetre));
    {
        QPainter onCard(&card);
        onCard.setRenderHint(QPainter::TextAntialiasing);
        QtCanvas canvas(onCard, Qt::white);
        canvas.setFontName(settings.fontName);
        canvas.setFontSize(std::max(1, clampedFontSize(settings.fontSize)));
        canvas.setFontStyle(FontStyle::Bold);
        canvas.setFontColor(0x000000);
        PrintCard(canvas, settings, cells, 0, 0, columns, rows, side);
    }
    const QPoint origin(area.left() + (area.width() - card.width()) / 2,
                        area.top() + (area.height() - card.height()) / 2);
    painter.drawImage(origin, card);
    if (!check.inGame)
        return;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF body(origin.x(), origin.y() + headingRows * side);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xDC, 0x26, 0x26, 0x70));
    for (int row = 1; row <= shape.bodyRows; ++row)
        for (int column = 1; column <= columns; ++column)
            if (check.isCalled(row, column)) {
                const QRectF box = cellBox(body, side, row, column);
                const double r = side * 0.4;
                painter.drawEllipse(box.center(), r, r);
            }

    // Winning lines are framed, not struck through, so that their entries
    // stay readable: a row or a column in one frame, any other shape cell by
    // cell.
    const QColor highlight(0x16, 0xA3, 0x4A);
    const double inset = side * 0.05;
    painter.setPen(QPen(highlight, std::max(2.0, side * 0.07), Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    for (const WinLine &line : check.winningLines) {
        QRectF frame;
        for (int cell = 0; cell < shape.bodyCellCount(); ++cell) {
            if (!((line.cells >> cell) & 1u))
                continue;
            const QRectF box = cellBox(body, side, cell / columns + 1, cell % columns + 1);
            if (line.kind == WinLine::Row || line.kind == WinLine::Column)
                frame = frame.isNull() ? box : frame.united(box);
            else
                painter.drawRoundedRect(box.adjusted(inset, inset, -inset, -inset), inset * 2, inset * 2);
        }
        if (!frame.isNull())
            painter.drawRoundedRect(frame.adjusted(inset, inset, -inset, -inset), inset * 2, inset * 2);
    }
    painter.restore();
}
