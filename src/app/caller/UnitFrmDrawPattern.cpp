#include "app/caller/UnitFrmDrawPattern.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFrmDrawPattern::TFrmDrawPattern(int side, QWidget *parent) : QDialog(parent), m_side(side)
{
    setObjectName(QStringLiteral("FrmDrawPattern"));
    setWindowTitle(QCoreApplication::translate("TFrmDrawPattern", "Draw a Pattern"));
    auto *hint = new QLabel(
        QCoreApplication::translate("TFrmDrawPattern", "Click the cells a card must cover to win this prize."), this);
    auto *grid = new QGridLayout;
    grid->setSpacing(4);
    for (int r = 0; r < side; ++r) {
        for (int c = 0; c < side; ++c) {
            auto *cell = new QPushButton(this);
            cell->setObjectName(QStringLiteral("BtnCell%1_%2").arg(r + 1).arg(c + 1));
            cell->setCheckable(true);
            // Space toggles a cell; Return is the dialog's OK.
            cell->setAutoDefault(false);
            cell->setFixedSize(44, 44);
            cell->setAccessibleName(
                QCoreApplication::translate("TFrmDrawPattern", "Row %1, column %2").arg(r + 1).arg(c + 1));
            cell->setStyleSheet(QStringLiteral("QPushButton:checked { background: #1d4ed8; color: white; }"));
            connect(cell, &QPushButton::toggled, this, [this, cell](bool on) {
                cell->setText(on ? QStringLiteral("\u25CF") : QString());
                updateOk();
            });
            grid->addWidget(cell, r, c);
            BtnCells.append(cell);
        }
    }
    EdtPatternName = new QLineEdit(this);
    EdtPatternName->setObjectName(QStringLiteral("EdtPatternName"));
    auto *form = new QFormLayout;
    form->addRow(QCoreApplication::translate("TFrmDrawPattern", "&Name:"), EdtPatternName);
    BtnsPattern = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    BtnsPattern->setObjectName(QStringLiteral("BtnsPattern"));
    connect(BtnsPattern, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(BtnsPattern, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(EdtPatternName, &QLineEdit::textChanged, this, &TFrmDrawPattern::updateOk);

    auto *root = new QVBoxLayout(this);
    root->addWidget(hint);
    root->addLayout(grid);
    root->addLayout(form);
    root->addWidget(BtnsPattern);
    EdtPatternName->setFocus();
    updateOk();
}

SavedPattern TFrmDrawPattern::pattern() const
{
    SavedPattern pattern;
    pattern.name = EdtPatternName->text().trimmed();
    pattern.side = m_side;
    for (int k = 0; k < BtnCells.size(); ++k) {
        if (BtnCells.at(k)->isChecked())
            pattern.cells |= std::uint64_t{1} << k;
    }
    return pattern;
}

void TFrmDrawPattern::updateOk()
{
    const SavedPattern p = pattern();
    BtnsPattern->button(QDialogButtonBox::Ok)->setEnabled(!p.name.isEmpty() && p.cells != 0);
}
