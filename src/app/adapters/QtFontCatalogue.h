#pragma once

#include "docs/FontCatalogue.h"

// The font families of QFontDatabase, by the names a user knows them by.
class QtFontCatalogue : public IFontCatalogue
{
public:
    QStringList families() const override;
    QString arialSubstitute() const override;
};
