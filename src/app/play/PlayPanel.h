#pragma once

#include <QWidget>

#include <memory>

class CalledGame;
class PlayServer;
class QCheckBox;
class QLabel;
class QSpinBox;
class QVBoxLayout;
class QrCodeView;
class Room;

// The room of the game on the caller's screen, "Play on Phones": its address
// and a QR code of it for the hall, the phones connected, whether newcomers
// get cards, and the queue of claims to confirm or reject.
class PlayPanel : public QWidget
{
    Q_OBJECT

public:
    // Opens the room kept beside the game file and listens on port (0 for
    // a free one). Throws MorvaneError when the room file cannot be read or
    // the port cannot be listened on.
    PlayPanel(CalledGame &game, int port, int cardsPerPhone, QWidget *parent = nullptr);
    ~PlayPanel() override;

    Room &room() { return *m_room; }
    PlayServer &server() { return *m_server; }
    // After a change of the calls on the desktop.
    void callsChanged(bool oneNewCall);
    // After cards were handed out on the desktop (Player Links).
    void cardsChanged();

    QLabel *LblRoomAddress = nullptr;
    QrCodeView *PBRoomCode = nullptr;
    QLabel *LblPhones = nullptr;
    QCheckBox *ChkHandOutCards = nullptr;
    QSpinBox *SpnCardsPerPhone = nullptr;
    // The port of the next start; 0 for a free one.
    QSpinBox *SpnPort = nullptr;
    QLabel *LblClaims = nullptr;
    QWidget *PnlClaims = nullptr;

private:
    void showPhones(int phones);
    void showClaims();
    void decideLater(int claimId, bool confirm);

    std::unique_ptr<Room> m_room;
    std::unique_ptr<PlayServer> m_server;
    QVBoxLayout *m_claims = nullptr;
};
