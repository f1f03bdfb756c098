#pragma once

#include "game/WinCheck.h"
#include "render/CardTextTable.h"

#include <QDialog>
#include <QStringList>

class CalledGame;
class QLabel;
class QLineEdit;
class QPushButton;

// "Check Card": a card typed by its number, drawn as printed with its
// called cells dabbed and its winning lines, and the verdict in words.
// Stays open for the next card until closed.
class TFrmCheckCard : public QDialog
{
    Q_OBJECT

public:
    TFrmCheckCard(CalledGame &game, QWidget *parent = nullptr);

    // Shows the card of that number, or says that the game has none.
    void showCard(int card);
    // The card shown, 0 for none.
    int card() const { return m_check.inGame ? m_check.card : 0; }

    void BtnCheckClick();

    QLineEdit *EdtCardNumber = nullptr;
    QPushButton *BtnCheck = nullptr;
    QWidget *PBCard = nullptr;
    QLabel *LblVerdict = nullptr;
    QPushButton *BtnClose = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void paintCard(QPainter &painter);
    CardTextTable cardText() const;

    CalledGame &m_game;
    CardCheck m_check;
    QStringList m_cells;
    double m_cellInches;
};
