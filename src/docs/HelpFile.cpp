#include "docs/HelpFile.h"

#include "docs/Folders.h"

#include <QDir>
#include <QFileInfo>

QString helpFileBeside(const QString &executableFolder)
{
    return joinPath(executableFolder, QLatin1String(HelpFileName));
}

QString helpFileTarget(const QString &executableFolder, const QString &installedDataFolder)
{
    const QString beside = helpFileBeside(executableFolder);
    if (QFileInfo(beside).isFile())
        return beside;
    if (!installedDataFolder.isEmpty()) {
        const QString folder = QDir::isAbsolutePath(installedDataFolder)
                                   ? installedDataFolder
                                   : joinPath(executableFolder, installedDataFolder);
        const QString installed = QDir::cleanPath(joinPath(folder, QLatin1String(HelpFileName)));
        if (QFileInfo(installed).isFile())
            return installed;
    }
    return beside;
}
