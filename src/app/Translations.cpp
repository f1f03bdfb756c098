#include "app/Translations.h"

#include "card/EnglishPlurals.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// QTranslator drops the desktop's "_DE" and then "_Latn" until a file
// fits, so "de-Latn-DE" finds morvane_de.qm.
bool loadNamed(QTranslator &translator, const QString &prefix, QString language, const QString &folder)
{
    language.replace(QLatin1Char('-'), QLatin1Char('_'));
    return translator.load(prefix + language, folder);
}

} // namespace

QString installTranslators(QCoreApplication &app, const QLocale &locale, const QString &folder)
{
    installEnglishPlurals(app);
    for (const QString &language : locale.uiLanguages()) {
        if (language.startsWith(QLatin1String("en")))
            return {};
        auto *own = new QTranslator(&app);
        if (!loadNamed(*own, QStringLiteral("morvane_"), language, folder)) {
            delete own;
            continue;
        }
        QCoreApplication::installTranslator(own);
        const QString found = own->language();
        auto *qt = new QTranslator(&app);
        if (loadNamed(*qt, QStringLiteral("qtbase_"), found, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return found;
    }
    return {};
}
