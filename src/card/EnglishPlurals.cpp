#include "card/EnglishPlurals.h"

#include <QCoreApplication>
#include <QTranslator>

bool installEnglishPlurals(QCoreApplication &app)
{
    auto *english = new QTranslator(&app);
    if (!english->load(QStringLiteral("morvane_en"), QStringLiteral(":/i18n"))) {
        delete english;
        return false;
    }
    return QCoreApplication::installTranslator(english);
}
