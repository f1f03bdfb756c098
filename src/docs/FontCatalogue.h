#pragma once

#include <QStringList>

// The font families installed for the screen.
class IFontCatalogue
{
public:
    virtual ~IFontCatalogue() = default;
    virtual QStringList families() const = 0;
    // The family the system draws when "Arial" is asked for. Fontconfig lists
    // no Arial of its own but serves a metric clone for it.
    virtual QString arialSubstitute() const = 0;
};
