#pragma once

#include <QWidget>

class BoardView;
class CallDisplay;
class CallFlash;
class CalledGame;
class QLabel;

// "Room Display": a second window for a projector or a second screen. Only
// the current call (with its call name when they are shown), the board and
// the count, in large type: no winners, no buttons, no menus. Dragged to a
// screen, F11 or a double-click fills that screen, and again (or Escape)
// makes it a window once more. The caller's window drives it.
class TFrmRoomDisplay : public QWidget
{
    Q_OBJECT

public:
    explicit TFrmRoomDisplay(QWidget *parent = nullptr);

    // Shows the game as it stands; null shows an empty room display. The
    // game must outlive the display or be replaced first.
    void showGame(const CalledGame *game, bool callNames);
    void flashCall();
    void toggleFullScreen();

    CallDisplay *PBRoomCall = nullptr;
    QLabel *LblRoomCallName = nullptr;
    QLabel *LblRoomCount = nullptr;
    BoardView *PBRoomBoard = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    CallFlash *m_flash = nullptr;
    const CalledGame *m_game = nullptr;
};
