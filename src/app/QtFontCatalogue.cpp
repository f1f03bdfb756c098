#include "app/QtFontCatalogue.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

QStringList QtFontCatalogue::families() const
{
    return QFontDatabase::families();
}

QString QtFontCatalogue::arialSubstitute() const
{
    return QFontInfo(QFont(QStringLiteral("Arial"))).family();
}
