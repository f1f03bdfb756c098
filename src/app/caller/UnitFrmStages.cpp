#include "app/caller/UnitFrmStages.h"

#include "app/caller/UnitFrmDrawPattern.h"
#include "card/CommandGuard.h"
#include "card/KindPrizes.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

QPushButton *button(const QString &caption, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

TFrmStages::TFrmStages(const CardSettings &settings, const PrizeStages &stages, const QString &patternsFile,
                       IPrompts &prompts, QWidget *parent)
    : QDialog(parent),
      m_settings(settings),
      m_side(settings.side()),
      m_sets(prizeSets(settings.kind)),
      m_patternsFile(patternsFile),
      m_prompts(prompts),
      m_stages(stages)
{
    setObjectName(QStringLiteral("FrmStages"));
    setWindowTitle(QCoreApplication::translate("TFrmStages", "Prize Stages"));
    LstPrizes = new QListWidget(this);
    LstPrizes->setObjectName(QStringLiteral("LstPrizes"));
    LstStages = new QListWidget(this);
    LstStages->setObjectName(QStringLiteral("LstStages"));
    auto *lblPrizes = new QLabel(QCoreApplication::translate("TFrmStages", "P&rizes:"), this);
    lblPrizes->setBuddy(LstPrizes);
    auto *lblStages = new QLabel(QCoreApplication::translate("TFrmStages", "&Stages, in the order played:"), this);
    lblStages->setBuddy(LstStages);
    BtnAddStage = button(QCoreApplication::translate("TFrmStages", "&Add"), "BtnAddStage", this);
    BtnDrawPattern = button(QCoreApplication::translate("TFrmStages", "&Draw a Pattern..."), "BtnDrawPattern", this);
    BtnRemoveStage = button(QCoreApplication::translate("TFrmStages", "R&emove"), "BtnRemoveStage", this);
    BtnStageUp = button(QCoreApplication::translate("TFrmStages", "Move &Up"), "BtnStageUp", this);
    BtnStageDown = button(QCoreApplication::translate("TFrmStages", "Move Do&wn"), "BtnStageDown", this);
    BtnsStages = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    BtnsStages->setObjectName(QStringLiteral("BtnsStages"));
    CboPrizeSet = new QComboBox(this);
    CboPrizeSet->setObjectName(QStringLiteral("CboPrizeSet"));
    for (const PrizeSet &set : m_sets) {
        QStringList names;
        for (const Prize &prize : set.prizes)
            names.append(prize.name);
        CboPrizeSet->addItem(QStringLiteral("%1: %2").arg(set.name, names.join(QStringLiteral(", "))));
    }
    auto *lblSet = new QLabel(QCoreApplication::translate("TFrmStages", "Prize se&t:"), this);
    lblSet->setBuddy(CboPrizeSet);
    BtnApplySet = button(QCoreApplication::translate("TFrmStages", "App&ly Set"), "BtnApplySet", this);
    lblSet->setVisible(!m_sets.empty());
    CboPrizeSet->setVisible(!m_sets.empty());
    BtnApplySet->setVisible(!m_sets.empty());
    // A drawn pattern is a square card's: a ticket's cells hold its numbers
    // in different places on every ticket.
    BtnDrawPattern->setVisible(playsPatterns(settings.kind));

    auto *grid = new QGridLayout(this);
    grid->addWidget(lblPrizes, 0, 0);
    grid->addWidget(lblStages, 0, 2);
    grid->addWidget(LstPrizes, 1, 0, 5, 1);
    grid->addWidget(BtnAddStage, 1, 1);
    grid->addWidget(BtnDrawPattern, 2, 1);
    grid->addWidget(LstStages, 1, 2, 5, 1);
    grid->addWidget(BtnRemoveStage, 1, 3);
    grid->addWidget(BtnStageUp, 2, 3);
    grid->addWidget(BtnStageDown, 3, 3);
    grid->addWidget(lblSet, 6, 0);
    grid->addWidget(CboPrizeSet, 7, 0, 1, 3);
    grid->addWidget(BtnApplySet, 7, 3);
    grid->addWidget(BtnsStages, 8, 0, 1, 4);

    connect(BtnAddStage, &QPushButton::clicked, this, &TFrmStages::BtnAddStageClick);
    // A double-click adds; Return stays the dialog's OK, as everywhere.
    connect(LstPrizes, &QListWidget::itemDoubleClicked, this, &TFrmStages::BtnAddStageClick);
    connect(BtnDrawPattern, &QPushButton::clicked, this, &TFrmStages::BtnDrawPatternClick);
    connect(BtnRemoveStage, &QPushButton::clicked, this, &TFrmStages::BtnRemoveStageClick);
    connect(BtnStageUp, &QPushButton::clicked, this, [this] { BtnMoveStageClick(-1); });
    connect(BtnStageDown, &QPushButton::clicked, this, [this] { BtnMoveStageClick(1); });
    connect(BtnApplySet, &QPushButton::clicked, this, &TFrmStages::BtnApplySetClick);
    connect(BtnsStages, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(BtnsStages, &QDialogButtonBox::rejected, this, &QDialog::reject);
    fillPrizes();
    fillStages(0);
    LstPrizes->setFocus();
}

void TFrmStages::fillPrizes()
{
    m_offered = offeredPrizes(m_settings);
    if (!playsPatterns(m_settings.kind)) {
        LstPrizes->clear();
        for (const Prize &prize : m_offered)
            LstPrizes->addItem(prize.name);
        LstPrizes->setCurrentRow(0);
        return;
    }
    std::vector<SavedPattern> saved;
    runCommand(m_prompts, [&] { saved = readSavedPatterns(m_patternsFile); });
    for (const SavedPattern &pattern : saved) {
        if (pattern.side == m_side)
            m_offered.push_back(drawnPrize(pattern.name, pattern.cells));
    }
    const int row = std::max(0, LstPrizes->currentRow());
    LstPrizes->clear();
    for (const Prize &prize : m_offered)
        LstPrizes->addItem(prize.name);
    LstPrizes->setCurrentRow(std::min(row, LstPrizes->count() - 1));
}

void TFrmStages::fillStages(int select)
{
    LstStages->clear();
    for (std::size_t i = 0; i < m_stages.size(); ++i)
        LstStages->addItem(QStringLiteral("%1. %2").arg(i + 1).arg(m_stages[i].name));
    if (LstStages->count() > 0)
        LstStages->setCurrentRow(std::clamp(select, 0, LstStages->count() - 1));
    BtnRemoveStage->setEnabled(!m_stages.empty());
    BtnStageUp->setEnabled(m_stages.size() > 1);
    BtnStageDown->setEnabled(m_stages.size() > 1);
    // Without a pattern to fall back on, a game needs one stage at least.
    BtnsStages->button(QDialogButtonBox::Ok)->setEnabled(!m_stages.empty() || playsPatterns(m_settings.kind));
}

void TFrmStages::BtnApplySetClick()
{
    const int set = CboPrizeSet->currentIndex();
    if (set < 0 || set >= int(m_sets.size()))
        return;
    m_stages = m_sets[std::size_t(set)].prizes;
    fillStages(0);
}

void TFrmStages::BtnAddStageClick()
{
    const int row = LstPrizes->currentRow();
    if (row < 0 || row >= int(m_offered.size()))
        return;
    m_stages.push_back(m_offered[std::size_t(row)]);
    fillStages(int(m_stages.size()) - 1);
}

void TFrmStages::BtnRemoveStageClick()
{
    const int row = LstStages->currentRow();
    if (row < 0 || row >= int(m_stages.size()))
        return;
    m_stages.erase(m_stages.begin() + row);
    fillStages(row);
}

void TFrmStages::BtnMoveStageClick(int by)
{
    const int row = LstStages->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= int(m_stages.size()))
        return;
    std::swap(m_stages[std::size_t(row)], m_stages[std::size_t(to)]);
    fillStages(to);
}

void TFrmStages::BtnDrawPatternClick()
{
    TFrmDrawPattern draw(m_side, this);
    if (draw.exec() != QDialog::Accepted)
        return;
    const SavedPattern pattern = draw.pattern();
    // A pattern that cannot be kept is still played in this game.
    runCommand(m_prompts, [&] {
        std::vector<SavedPattern> saved = readSavedPatterns(m_patternsFile);
        keepPattern(saved, pattern);
        writeSavedPatterns(m_patternsFile, saved);
    });
    fillPrizes();
    m_stages.push_back(drawnPrize(pattern.name, pattern.cells));
    fillStages(int(m_stages.size()) - 1);
}
