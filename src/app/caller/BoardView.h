#pragma once

#include "app/caller/TileGrid.h"
#include "game/CallBoard.h"

#include <QWidget>

class CallSession;

// The board of every entry, the called ones marked and the latest call
// standing out. For the 75 numbers the classic board, a letter before each
// row of fifteen; otherwise the entries in list order. A click on an entry
// asks to mark or unmark it.
class BoardView : public QWidget
{
    Q_OBJECT

public:
    explicit BoardView(QWidget *parent = nullptr);

    // The session must outlive the view or be replaced first; null shows nothing.
    void setSession(const CallSession *session);
    const CallSession *session() const { return m_session; }
    // The entry drawn at the point, -1 for none.
    int itemAt(const QPointF &point) const;
    // Where the entry is drawn; empty when it is not on the board.
    QRectF itemRect(int item) const;

Q_SIGNALS:
    void itemClicked(int item);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void layOut();

    const CallSession *m_session = nullptr;
    BoardLayout m_layout;
    TileGrid m_grid;
    int m_labelColumns = 0; // the letter column of the classic board
    int m_pixels = 12;
};
