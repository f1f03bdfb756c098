#pragma once

#include "game/SavedPatterns.h"

#include <QDialog>
#include <QList>

class QDialogButtonBox;
class QLineEdit;
class QPushButton;

// "Draw a Pattern": the cells of a card, clicked (or reached with Tab and
// pressed with Space) to say which must be covered, and a name to keep the
// pattern by. OK is enabled once a name is typed and a cell is chosen.
class TFrmDrawPattern : public QDialog
{
    Q_OBJECT

public:
    explicit TFrmDrawPattern(int side, QWidget *parent = nullptr);

    SavedPattern pattern() const;

    QLineEdit *EdtPatternName = nullptr;
    QList<QPushButton *> BtnCells; // row by row
    QDialogButtonBox *BtnsPattern = nullptr;

private:
    void updateOk();

    int m_side;
};
