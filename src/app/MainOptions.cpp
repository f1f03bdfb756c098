// Reading the card options at start-up and writing them at close.
#include "app/UnitMain.h"

#include "docs/Folders.h"
#include "docs/FontChoice.h"
#include "docs/IniFile.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

const QString Section = QStringLiteral("Options");
const QString NumberCards = QStringLiteral("NumberCards");

} // namespace

void TFrmMain::readOptions()
{
    const CardSettings defaults;
    IniFile ini(OptionsFilePath());
    // Applied one by one as read: a check box whose state changes runs its handler.
    CardFontName = ini.readString(Section, QStringLiteral("FountName"), defaults.fontName);
    CardFontSize =
        cardFontSizeFrom(ini.readInteger(Section, QStringLiteral("FontSize"), defaults.fontSize), defaults.fontSize);
    ChkFreeSpace->setChecked(ini.readBool(Section, QStringLiteral("ChkFreeSpace"), defaults.freeSpace));
    TxtFreeSpace->setText(ini.readString(Section, QStringLiteral("TxtFreeSpace"), startingFreeSpaceText()));
    ChkHeading->setChecked(ini.readBool(Section, QStringLiteral("ChkHeading"), defaults.heading));
    TxtHeading->setText(ini.readString(Section, QStringLiteral("TxtHeading"), defaults.headingText));
    const int size = ini.readInteger(Section, QStringLiteral("CardSize"), defaults.sizeIndex);
    // A size the list does not have selects nothing; the card then counts as 7 x 7.
    CboCardSize->setCurrentIndex(size >= 0 && size < CboCardSize->count() ? size : -1);
    ChkWordWrap->setChecked(ini.readBool(Section, QStringLiteral("ChkWordWrap"), defaults.wordWrap));
    // Numbering changes what is printed, so only a plain 1 turns it on.
    MnuNumberCards->setChecked(ini.readInteger(Section, NumberCards, 0) == 1);
    m_numberCardsStored = MnuNumberCards->isChecked();
    readPrintOptions(ini);
    readCardKind(ini);
    ini.close();
}

void TFrmMain::writeOptions()
{
    IniFile ini(OptionsFilePath());
    ini.writeInteger(Section, QStringLiteral("CardSize"), CboCardSize->currentIndex());
    ini.writeBool(Section, QStringLiteral("ChkFreeSpace"), ChkFreeSpace->isChecked());
    ini.writeString(Section, QStringLiteral("TxtFreeSpace"), TxtFreeSpace->text());
    ini.writeBool(Section, QStringLiteral("ChkHeading"), ChkHeading->isChecked());
    ini.writeString(Section, QStringLiteral("TxtHeading"), TxtHeading->text());
    ini.writeBool(Section, QStringLiteral("ChkWordWrap"), ChkWordWrap->isChecked());
    // Left out while numbering was never on, so the file of a user who does
    // not number cards stays as it always was.
    if (MnuNumberCards->isChecked() || m_numberCardsStored)
        ini.writeBool(Section, NumberCards, MnuNumberCards->isChecked());
    writePrintOptions(ini);
    writeCardKind(ini);
    ini.close();
}
