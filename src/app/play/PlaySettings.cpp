#include "app/play/PlaySettings.h"

#include "docs/Folders.h"

#include <QSettings>

QString playSettingsPath()
{
    const QString folder = productFolder();
    return folder.isEmpty() ? QString() : joinPath(folder, QStringLiteral("Play.ini"));
}

PlaySettings readPlaySettings(const QString &path)
{
    PlaySettings s;
    if (path.isEmpty())
        return s;
    QSettings ini(path, QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("Play"));
    s.asked = ini.value(QStringLiteral("Asked"), false).toBool();
    s.port = std::clamp(ini.value(QStringLiteral("Port"), 0).toInt(), 0, 65535);
    s.cardsPerPhone = std::clamp(ini.value(QStringLiteral("CardsPerPhone"), 1).toInt(), 1, 99);
    return s;
}

void writePlaySettings(const QString &path, const PlaySettings &settings)
{
    if (path.isEmpty())
        return;
    QSettings ini(path, QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("Play"));
    ini.setValue(QStringLiteral("Asked"), settings.asked);
    ini.setValue(QStringLiteral("Port"), settings.port);
    ini.setValue(QStringLiteral("CardsPerPhone"), settings.cardsPerPhone);
}
