#pragma once

#include "card/Prize.h"
#include "game/SavedPatterns.h"

#include <QDialog>

class IPrompts;
class QDialogButtonBox;
class QListWidget;
class QPushButton;

// "Prize Stages": the prizes of the game in the order they are played,
// picked from the prizes of the card (and the patterns drawn and kept
// before), or drawn afresh. No stages play the game by the Pattern box.
class TFrmStages : public QDialog
{
    Q_OBJECT

public:
    // The drawn patterns are kept in the patterns file.
    TFrmStages(int side, const PrizeStages &stages, const QString &patternsFile, IPrompts &prompts,
               QWidget *parent = nullptr);

    const PrizeStages &stages() const { return m_stages; }

    void BtnAddStageClick();
    void BtnRemoveStageClick();
    void BtnMoveStageClick(int by);
    void BtnDrawPatternClick();

    QListWidget *LstPrizes = nullptr;
    QListWidget *LstStages = nullptr;
    QPushButton *BtnAddStage = nullptr;
    QPushButton *BtnDrawPattern = nullptr;
    QPushButton *BtnRemoveStage = nullptr;
    QPushButton *BtnStageUp = nullptr;
    QPushButton *BtnStageDown = nullptr;
    QDialogButtonBox *BtnsStages = nullptr;

private:
    void fillPrizes();
    void fillStages(int select);

    int m_side;
    QString m_patternsFile;
    IPrompts &m_prompts;
    PrizeStages m_offered;
    PrizeStages m_stages;
};
