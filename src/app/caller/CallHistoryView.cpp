#include "app/caller/CallHistoryView.h"

#include "app/caller/CallerPalette.h"
#include "game/CallSession.h"

#include <QPainter>

#include <algorithm>

namespace {

// Wider than high: "B 75" and short words read on one line.
constexpr double TileAspect = 2.4;

} // namespace

CallHistoryView::CallHistoryView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 40);
}

void CallHistoryView::setSession(const CallSession *session)
{
    m_session = session;
    layOut();
    update();
}

void CallHistoryView::resizeEvent(QResizeEvent *)
{
    layOut();
}

void CallHistoryView::layOut()
{
    m_grid = {};
    if (!m_session || m_session->board().size() == 0)
        return;
    const CallBoard &board = m_session->board();
    const int n = board.size();
    m_grid.area = QRectF(rect()).adjusted(4, 4, -4, -4);
    m_grid.columns = tileColumns(n, m_grid.area.size(), TileAspect);
    m_grid.rows = (n + m_grid.columns - 1) / m_grid.columns;
    m_grid.gap = std::max(2.0, m_grid.area.width() / m_grid.columns / 20);

    QStringList texts;
    for (int item = 0; item < n; ++item)
        texts.append(board.callText(item));
    QFont bold = font();
    bold.setBold(true);
    const QSizeF tile = m_grid.cell(0, 0).size();
    m_pixels = tilePixelSize(bold, texts, QSizeF(tile.width() * 0.9, tile.height() * 0.9), int(tile.height() * 0.6));
}

void CallHistoryView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), CallerPalette::panel());
    if (!m_session || m_grid.columns <= 0)
        return;
    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(m_pixels);
    painter.setFont(bold);
    const double radius = m_grid.gap * 1.5;
    const std::vector<int> &calls = m_session->calls();
    for (std::size_t i = 0; i < calls.size(); ++i) {
        const int at = int(i);
        const QRectF tile = m_grid.cell(at / m_grid.columns, at % m_grid.columns);
        const bool latest = i + 1 == calls.size();
        painter.setPen(Qt::NoPen);
        painter.setBrush(latest ? CallerPalette::latest() : CallerPalette::called());
        painter.drawRoundedRect(tile, radius, radius);
        painter.setPen(latest ? CallerPalette::ink() : CallerPalette::calledInk());
        painter.drawText(tile, TileTextFlags, m_session->board().callText(calls[i]));
    }
}
