#pragma once

#include "app/caller/TileGrid.h"

#include <QWidget>

class CallSession;

// The calls in order, in reading order, the latest standing out. There is
// a place for every entry from the start, so the list never moves or
// shrinks while the game goes on.
class CallHistoryView : public QWidget
{
    Q_OBJECT

public:
    explicit CallHistoryView(QWidget *parent = nullptr);

    void setSession(const CallSession *session);
    const CallSession *session() const { return m_session; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void layOut();

    const CallSession *m_session = nullptr;
    TileGrid m_grid;
    int m_pixels = 12;
};
