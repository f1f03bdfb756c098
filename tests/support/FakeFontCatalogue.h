#pragma once

#include "docs/FontCatalogue.h"

// A fixed list of families, in the order given (unsorted, as a platform may
// report them), and a fixed substitute for Arial.
class FakeFontCatalogue : public IFontCatalogue
{
public:
    QStringList list{QStringLiteral("Times New Roman"), QStringLiteral("Arial"), QStringLiteral("Courier New"),
                     QStringLiteral("Comic Sans MS"), QStringLiteral("Verdana")};
    QString substitute = QStringLiteral("Arial");

    QStringList families() const override { return list; }
    QString arialSubstitute() const override { return substitute; }
};
