#pragma once

#include "docs/FontCatalogue.h"

// The font families of QFontDatabase.
class QtFontCatalogue : public IFontCatalogue
{
public:
    QStringList families() const override;
    QString arialSubstitute() const override;
};
