#include "app/preview/PreviewPageView.h"

#include "app/preview/PagePainter.h"

#include <QPainter>

#include <cmath>

PreviewPageView::PreviewPageView(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(false);
}

void PreviewPageView::setPage(RecordedPage page, const PaperSheet &sheet, const PrintableArea &area)
{
    m_page = std::move(page);
    m_sheet = sheet;
    m_area = area;
    fitSize();
    update();
}

void PreviewPageView::setScale(qreal scale)
{
    m_scale = scale;
    fitSize();
    update();
}

void PreviewPageView::fitSize()
{
    const int w = int(std::ceil(m_sheet.width * m_scale)) + 2 * Border;
    const int h = int(std::ceil(m_sheet.height * m_scale)) + 2 * Border;
    setFixedSize(std::max(w, 1), std::max(h, 1));
}

void PreviewPageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    if (m_sheet.width <= 0 || m_sheet.height <= 0)
        return;
    const QRectF paper(Border, Border, m_sheet.width * m_scale, m_sheet.height * m_scale);
    painter.fillRect(paper.translated(3, 3), QColor(0, 0, 0, 60));
    painter.fillRect(paper, Qt::white);

    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(Border, Border);
    painter.scale(m_scale, m_scale);

    QPen edge(QColor(160, 160, 160), 1, Qt::DotLine);
    edge.setCosmetic(true);
    painter.setPen(edge);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(m_area.offsetX, m_area.offsetY, m_area.width, m_area.height));

    paintRecordedPage(painter, m_page, m_sheet, m_area);
}
