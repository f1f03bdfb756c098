#pragma once

#include "card/CardSettings.h"
#include "card/KindPrizes.h"
#include "game/SavedPatterns.h"

#include <QDialog>

class IPrompts;
class QComboBox;
class QDialogButtonBox;
class QListWidget;
class QPushButton;

// "Prize Stages": the prizes of the game in the order they are played,
// picked from the prizes of the card's kind (and the patterns drawn and kept
// before), or drawn afresh, or a set of prizes the kind plays together. No
// stages play a square card by the Pattern box; a ticket always has some.
class TFrmStages : public QDialog
{
    Q_OBJECT

public:
    // The drawn patterns are kept in the patterns file.
    TFrmStages(const CardSettings &settings, const PrizeStages &stages, const QString &patternsFile, IPrompts &prompts,
               QWidget *parent = nullptr);

    const PrizeStages &stages() const { return m_stages; }

    void BtnAddStageClick();
    void BtnRemoveStageClick();
    void BtnMoveStageClick(int by);
    void BtnDrawPatternClick();
    void BtnApplySetClick();

    QListWidget *LstPrizes = nullptr;
    QListWidget *LstStages = nullptr;
    QPushButton *BtnAddStage = nullptr;
    QPushButton *BtnDrawPattern = nullptr;
    QPushButton *BtnRemoveStage = nullptr;
    QPushButton *BtnStageUp = nullptr;
    QPushButton *BtnStageDown = nullptr;
    // The kind's sets of prizes; hidden for a kind that has none.
    QComboBox *CboPrizeSet = nullptr;
    QPushButton *BtnApplySet = nullptr;
    QDialogButtonBox *BtnsStages = nullptr;

private:
    void fillPrizes();
    void fillStages(int select);

    CardSettings m_settings;
    int m_side;
    std::vector<PrizeSet> m_sets;
    QString m_patternsFile;
    IPrompts &m_prompts;
    PrizeStages m_offered;
    PrizeStages m_stages;
};
