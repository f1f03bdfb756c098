#include "app/play/ClaimCardView.h"

#include <QPainter>

ClaimCardView::ClaimCardView(CardFace face, const ClaimCheck &check, QWidget *parent)
    : QWidget(parent),
      m_face(std::move(face)),
      m_called(check.called),
      m_line(check.framed)
{
    // A ticket is three times as wide as it is high.
    setMinimumSize(160, m_face.columns > m_face.rows + 2 ? 80 : 160);
}

QSize ClaimCardView::sizeHint() const
{
    const int rows = m_face.rows + (m_face.heading.isEmpty() ? 0 : 1);
    const int cell = m_face.columns > 0 ? std::min(44, 220 / m_face.columns) : 44;
    return {std::max(220, cell * m_face.columns), std::max(80, cell * rows)};
}

void ClaimCardView::paintEvent(QPaintEvent *)
{
    if (m_face.cellCount() == 0)
        return;
    QPainter painter(this);
    const int rows = m_face.rows + (m_face.heading.isEmpty() ? 0 : 1);
    const int cell = std::max(4, std::min((width() - 8) / m_face.columns, (height() - 8) / rows));
    const QPoint origin((width() - cell * m_face.columns) / 2, (height() - cell * rows) / 2);
    QFont font(m_face.fontName);
    font.setPixelSize(std::max(6, cell / 4));
    painter.setFont(font);
    const auto box = [&](int row, int column) {
        return QRect(origin.x() + column * cell, origin.y() + row * cell, cell, cell);
    };
    int row0 = 0;
    if (!m_face.heading.isEmpty()) {
        for (int c = 0; c < m_face.columns; ++c) {
            painter.fillRect(box(0, c), QColor(0x1c, 0x19, 0x17));
            painter.setPen(Qt::white);
            painter.drawText(box(0, c), Qt::AlignCenter, m_face.heading.value(c));
        }
        row0 = 1;
    }
    for (int k = 0; k < m_face.cellCount(); ++k) {
        const QRect r = box(row0 + k / m_face.columns, k % m_face.columns);
        const bool called = k < 64 && ((m_called >> k) & 1u);
        painter.fillRect(r, called ? QColor(0xfd, 0xe6, 0x8a) : QColor(Qt::white));
        painter.setPen(QColor(0x57, 0x53, 0x4e));
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        painter.setPen(Qt::black);
        painter.drawText(r.adjusted(2, 2, -2, -2), Qt::AlignCenter | Qt::TextWordWrap, m_face.cells.at(k));
    }
    painter.setPen(QPen(QColor(0xdc, 0x26, 0x26), std::max(2, cell / 12)));
    painter.setBrush(Qt::NoBrush);
    for (int k : maskCells(m_line, m_face.cellCount()))
        painter.drawRect(box(row0 + k / m_face.columns, k % m_face.columns).adjusted(2, 2, -2, -2));
}
