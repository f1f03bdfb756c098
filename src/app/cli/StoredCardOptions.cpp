#include "app/cli/StoredCardOptions.h"

#include "docs/FontChoice.h"
#include "docs/IniFile.h"

CardSettings readStoredCardSettings(const QString &optionsPath)
{
    const QString section = QStringLiteral("Options");
    const CardSettings defaults;
    const IniFile ini(optionsPath);
    CardSettings s;
    s.fontName = ini.readString(section, QStringLiteral("FountName"), defaults.fontName);
    s.fontSize =
        cardFontSizeFrom(ini.readInteger(section, QStringLiteral("FontSize"), defaults.fontSize), defaults.fontSize);
    s.freeSpace = ini.readBool(section, QStringLiteral("ChkFreeSpace"), defaults.freeSpace);
    s.freeSpaceText = ini.readString(section, QStringLiteral("TxtFreeSpace"), startingFreeSpaceText());
    s.heading = ini.readBool(section, QStringLiteral("ChkHeading"), defaults.heading);
    s.headingText = ini.readString(section, QStringLiteral("TxtHeading"), defaults.headingText);
    const int size = ini.readInteger(section, QStringLiteral("CardSize"), defaults.sizeIndex);
    s.sizeIndex = size >= 0 && size <= 2 ? size : -1;
    s.wordWrap = ini.readBool(section, QStringLiteral("ChkWordWrap"), defaults.wordWrap);
    // As the window reads it: only a plain 1 turns it on.
    s.largePrint = ini.readInteger(section, QStringLiteral("LargePrint"), 0) == 1;
    s.kind = cardKindFromStored(ini.readInteger(section, QStringLiteral("CardKind"), 0));
    return s;
}
