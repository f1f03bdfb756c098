#include "app/caller/BoardView.h"

#include "app/caller/CallerPalette.h"
#include "game/CallSession.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

BoardView::BoardView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 100);
    setCursor(Qt::PointingHandCursor);
}

void BoardView::setSession(const CallSession *session)
{
    m_session = session;
    layOut();
    update();
}

void BoardView::resizeEvent(QResizeEvent *)
{
    layOut();
}

void BoardView::layOut()
{
    m_layout = {};
    m_grid = {};
    if (!m_session || m_session->board().size() == 0)
        return;
    const CallBoard &board = m_session->board();
    const QRectF area = QRectF(rect()).adjusted(4, 4, -4, -4);
    m_layout = board.layout(area.height() > 0 ? area.width() / area.height() : 1.0);
    m_labelColumns = m_layout.rowLabels.isEmpty() ? 0 : 1;
    m_grid.area = area;
    m_grid.rows = m_layout.rows;
    m_grid.columns = m_layout.columns + m_labelColumns;
    m_grid.gap = std::max(2.0, std::min(area.width() / m_grid.columns, area.height() / m_grid.rows) / 14);

    QStringList labels;
    for (int item = 0; item < board.size(); ++item)
        labels.append(board.label(item));
    labels += m_layout.rowLabels;
    QFont bold = font();
    bold.setBold(true);
    const QSizeF tile = m_grid.cell(0, 0).size();
    const QSizeF room(tile.width() * 0.86, tile.height() * 0.9);
    m_pixels = tilePixelSize(bold, labels, room, int(tile.height() * 0.62));
}

int BoardView::itemAt(const QPointF &point) const
{
    const auto [row, column] = m_grid.cellAt(point);
    if (row < 0 || column < m_labelColumns)
        return -1;
    return m_layout.itemAt(row, column - m_labelColumns);
}

QRectF BoardView::itemRect(int item) const
{
    for (int row = 0; row < m_layout.rows; ++row)
        for (int column = 0; column < m_layout.columns; ++column)
            if (m_layout.itemAt(row, column) == item)
                return m_grid.cell(row, column + m_labelColumns);
    return {};
}

void BoardView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int item = itemAt(event->position());
    if (item >= 0)
        Q_EMIT itemClicked(item);
}

void BoardView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), CallerPalette::panel());
    if (!m_session)
        return;
    const CallBoard &board = m_session->board();
    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(m_pixels);
    painter.setFont(bold);
    const double radius = m_grid.gap * 1.5;
    // A board of a great many entries leaves its tiles no room: a tile is
    // painted only where it has some, and its text only where a letter fits,
    // so that a call on such a board is not held up by a million tiles
    // nobody can see.
    const QRectF dirty = event->rect();
    const auto shown = [&dirty](const QRectF &tile) {
        return tile.width() >= 1 && tile.height() >= 1 && tile.intersects(dirty);
    };
    const auto readable = [this](const QRectF &tile) { return tile.width() >= m_pixels && tile.height() >= m_pixels; };
    for (int row = 0; row < m_layout.rows; ++row) {
        const QRectF first = m_grid.cell(row, 0);
        if (first.bottom() < dirty.top() || first.top() > dirty.bottom())
            continue;
        if (m_labelColumns > 0 && shown(first) && readable(first)) {
            painter.setPen(CallerPalette::ink());
            painter.drawText(first, TileTextFlags, m_layout.rowLabels.at(row));
        }
        for (int column = 0; column < m_layout.columns; ++column) {
            const int item = m_layout.itemAt(row, column);
            const QRectF tile = m_grid.cell(row, column + m_labelColumns);
            if (item < 0 || !shown(tile))
                continue;
            QColor fill = CallerPalette::open();
            QColor ink = CallerPalette::faint();
            if (item == m_session->lastCall()) {
                fill = CallerPalette::latest();
                ink = CallerPalette::ink();
            } else if (m_session->isCalled(item)) {
                fill = CallerPalette::called();
                ink = CallerPalette::calledInk();
            }
            painter.setPen(Qt::NoPen);
            painter.setBrush(fill);
            painter.drawRoundedRect(tile, radius, radius);
            if (readable(tile)) {
                painter.setPen(ink);
                painter.drawText(tile, TileTextFlags, board.label(item));
            }
        }
    }
}
