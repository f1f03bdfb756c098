#include "app/preview/PreviewPageView.h"

#include "app/CardPaintBox.h"
#include "app/preview/PagePainter.h"

#include <QCoreApplication>
#include <QLocale>
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
    placeCards();
}

void PreviewPageView::setCards(QList<PageCard> cards, std::uint64_t firstNumber, bool tickets)
{
    m_cards = std::move(cards);
    while (m_boxes.size() > m_cards.size())
        delete m_boxes.takeLast();
    while (m_boxes.size() < m_cards.size()) {
        auto *box = new CardPaintBox(this);
        box->setObjectName(QStringLiteral("PageCard"));
        // The page is painted under it; the scroll area takes the mouse.
        box->setAttribute(Qt::WA_OpaquePaintEvent, false);
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        const qsizetype at = m_boxes.size();
        box->setTextHandler([this, at] { return m_cards.value(at).cells; });
        box->show();
        m_boxes.append(box);
    }
    for (qsizetype i = 0; i < m_boxes.size(); ++i) {
        const QString number = QLocale().toString(qulonglong(firstNumber + std::uint64_t(i)));
        m_boxes[i]->setAccessibleName(tickets ? QCoreApplication::translate("PreviewPageView", "Ticket %1").arg(number)
                                              : QCoreApplication::translate("PreviewPageView", "Card %1").arg(number));
        m_boxes[i]->setAccessibleDescription(m_cards[i].note);
        m_boxes[i]->cardChanged();
    }
    placeCards();
}

void PreviewPageView::placeCards()
{
    for (qsizetype i = 0; i < m_boxes.size(); ++i) {
        const CanvasRect &g = m_cards[i].grid;
        m_boxes[i]->setGeometry(QRectF(Border + (m_area.offsetX + g.left) * m_scale,
                                       Border + (m_area.offsetY + g.top) * m_scale, g.width * m_scale,
                                       g.height * m_scale)
                                    .toAlignedRect());
    }
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
