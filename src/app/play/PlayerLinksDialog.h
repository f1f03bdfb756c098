#pragma once

#include "play/PlayerLinks.h"

#include <QDialog>

class PlayServer;
class QPushButton;
class QSpinBox;
class QTableWidget;
class Room;

// "Player Links": the address of every card handed out, to copy or save as
// a CSV file and send to the players. Making links for cards marks them as
// held, so the room hands them to no newcomer.
class TFrmPlayerLinks : public QDialog
{
    Q_OBJECT

public:
    TFrmPlayerLinks(Room &room, PlayServer &server, QWidget *parent = nullptr);

    QList<PlayerLink> links() const;
    void BtnMakeLinksClick();
    void BtnCopyClick();
    void BtnSaveClick();

    QSpinBox *SpnFirstCard = nullptr;
    QSpinBox *SpnLastCard = nullptr;
    QPushButton *BtnMakeLinks = nullptr;
    QTableWidget *GrdLinks = nullptr;
    QPushButton *BtnCopy = nullptr;
    QPushButton *BtnSave = nullptr;

private:
    void fill();

    Room &m_room;
    PlayServer &m_server;
};
