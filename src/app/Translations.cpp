#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Tries "de_DE" and then "de", as the desktop names a language.
QString loadFirst(QTranslator &translator, const QString &prefix, const QString &language, const QString &folder)
{
    QString name = language;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    while (!name.isEmpty()) {
        if (translator.load(prefix + name, folder))
            return name;
        const qsizetype cut = name.lastIndexOf(QLatin1Char('_'));
        name = cut < 0 ? QString() : name.left(cut);
    }
    return {};
}

} // namespace

QString installTranslators(QCoreApplication &app, const QLocale &locale, const QString &folder)
{
    for (const QString &language : locale.uiLanguages()) {
        if (language.startsWith(QLatin1String("en")))
            return {};
        auto *own = new QTranslator(&app);
        const QString found = loadFirst(*own, QStringLiteral("morvane_"), language, folder);
        if (found.isEmpty()) {
            delete own;
            continue;
        }
        QCoreApplication::installTranslator(own);
        auto *qt = new QTranslator(&app);
        if (!loadFirst(*qt, QStringLiteral("qtbase_"), found, QLibraryInfo::path(QLibraryInfo::TranslationsPath))
                 .isEmpty())
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return found;
    }
    return {};
}
