#include "app/adapters/QtFontCatalogue.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

namespace {

// Qt names a family that several foundries supply once per foundry, as
// "Nimbus Sans [urw]"; a user knows it, and fontconfig finds it, as "Nimbus Sans".
QString withoutFoundry(const QString &family)
{
    if (!family.endsWith(QLatin1Char(']')))
        return family;
    const qsizetype open = family.lastIndexOf(QLatin1String(" ["));
    return open > 0 ? family.left(open) : family;
}

// Qt's fontconfig database lists fontconfig's generic families as if they
// were installed fonts; they stand for whatever the system maps them to.
bool isGenericAlias(const QString &family)
{
    return family == QLatin1String("Sans Serif") || family == QLatin1String("Serif")
           || family == QLatin1String("Monospace");
}

} // namespace

QStringList QtFontCatalogue::families() const
{
    QStringList plain;
    for (const QString &family : QFontDatabase::families()) {
        if (isGenericAlias(family) || QFontDatabase::isPrivateFamily(family))
            continue;
        const QString name = withoutFoundry(family);
        if (plain.isEmpty() || plain.constLast() != name)
            plain.append(name);
    }
    return plain;
}

QString QtFontCatalogue::arialSubstitute() const
{
    return withoutFoundry(QFontInfo(QFont(QStringLiteral("Arial"))).family());
}
