#include "docs/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace {

bool isSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

} // namespace

QString joinPath(const QString &folder, const QString &name)
{
    if (folder.isEmpty())
        return name;
    qsizetype end = folder.size();
    // A bare root ("/") keeps its one separator.
    while (end > 1 && isSeparator(folder.at(end - 1)))
        --end;
    qsizetype start = 0;
    while (start < name.size() && isSeparator(name.at(start)))
        ++start;
    QString head = folder.left(end);
    if (!head.isEmpty() && isSeparator(head.back()))
        head.chop(1);
    return head + QLatin1Char('/') + name.mid(start);
}

QString productFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // A relative XDG_DATA_HOME is invalid by the XDG rules and is to be
    // ignored; Qt would take it relative to wherever the program started.
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (!dataHome.isEmpty() && QDir::isRelativePath(dataHome)) {
        const QString generic = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        const QString tail = folder.startsWith(generic) ? folder.mid(generic.size())
                                                        : QLatin1Char('/') + QCoreApplication::applicationName();
        folder = QDir::homePath() + QStringLiteral("/.local/share") + tail;
    }
    // XDG_DATA_HOME may end with a separator, which Qt passes on doubled.
    return folder.isEmpty() ? folder : QDir::cleanPath(folder);
}

QString OptionsFilePath()
{
    const QString folder = productFolder();
    return folder.isEmpty() ? QString() : joinPath(folder, QStringLiteral("Options.ini"));
}

QString SampleListsPath()
{
    const QString folder = productFolder();
    return folder.isEmpty() ? QString() : joinPath(folder, QStringLiteral("SampleLists/"));
}

QString GamesPath()
{
    const QString folder = productFolder();
    return folder.isEmpty() ? QString() : joinPath(folder, QStringLiteral("Games/"));
}
