// Reading the card options at start-up and writing them at close.
#include "app/UnitMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

void TFrmMain::readOptions()
{
    // Applied one by one as read: a check box whose state changes runs its handler.
    const CardSettings defaults;
    CardFontName = defaults.fontName;
    CardFontSize = defaults.fontSize;
    ChkFreeSpace->setChecked(defaults.freeSpace);
    TxtFreeSpace->setText(defaults.freeSpaceText);
    ChkHeading->setChecked(defaults.heading);
    TxtHeading->setText(defaults.headingText);
    CboCardSize->setCurrentIndex(defaults.sizeIndex);
    ChkWordWrap->setChecked(defaults.wordWrap);
}

void TFrmMain::writeOptions()
{
}
