#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

// Where the program's own catalogues live: compiled into the program, so
// the build tree and the installed package find the same ones.
inline QString translationsFolder()
{
    return QStringLiteral(":/i18n");
}

// Installs on the application the catalogues for the user's interface
// languages, in their order of preference, and Qt's own where the system
// has them. English is the language the texts are written in, so a
// preference for English ends the search. Returns the language loaded, or an
// empty string when the program stays in English.
QString installTranslators(QCoreApplication &app, const QLocale &locale = QLocale::system(),
                           const QString &folder = translationsFolder());
