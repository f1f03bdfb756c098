#include "docs/SampleInstall.h"

#include "docs/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

bool copyTree(const QString &from, const QString &to, int depth)
{
    // Deep enough for any theme tree; stops a link loop.
    if (depth > 16)
        return true;
    const QDir source(from);
    if (!QDir().mkpath(to))
        return false;
    const QFileInfoList entries =
        source.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo &entry : entries) {
        const QString target = joinPath(to, entry.fileName());
        if (entry.isDir()) {
            if (!copyTree(entry.filePath(), target, depth + 1))
                return false;
        } else if (!QFile::copy(entry.filePath(), target)) {
            return false;
        } else {
            // Installed files are read-only; the user's copies must not be.
            QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner | QFile::ReadOwner);
        }
    }
    return true;
}

} // namespace

QStringList shippedSampleSources()
{
    QStringList sources;
    const QString installed = QStandardPaths::locate(QStandardPaths::AppDataLocation, QStringLiteral("SampleLists"),
                                                     QStandardPaths::LocateDirectory);
    // The user's own copy is on the same search path; it is the target, not a source.
    const QString own = joinPath(productFolder(), QStringLiteral("SampleLists"));
    if (!installed.isEmpty() && QFileInfo(installed).absoluteFilePath() != QFileInfo(own).absoluteFilePath())
        sources.append(installed);
    const QString exeDir = QCoreApplication::applicationDirPath();
    if (!exeDir.isEmpty()) {
        sources.append(joinPath(exeDir, QStringLiteral("data/SampleLists")));
        sources.append(QDir::cleanPath(joinPath(exeDir, QStringLiteral("../share/Morvane/SampleLists"))));
    }
    return sources;
}

bool ensureFolder(const QString &path)
{
    return !path.isEmpty() && QDir().mkpath(path);
}

bool installSampleLists(const QString &target, const QStringList &sources)
{
    if (target.isEmpty())
        return false;
    const QFileInfo targetInfo(QDir::cleanPath(target));
    if (targetInfo.exists() || targetInfo.isSymLink())
        return false;
    QString source;
    for (const QString &candidate : sources) {
        if (QFileInfo(candidate).isDir()) {
            source = candidate;
            break;
        }
    }
    if (source.isEmpty())
        return false;

    const QString parent = targetInfo.absolutePath();
    if (!ensureFolder(parent))
        return false;
    QTemporaryDir staging(joinPath(parent, targetInfo.fileName() + QStringLiteral("-XXXXXX")));
    if (!staging.isValid())
        return false;
    if (!copyTree(source, staging.path(), 0))
        return false;
    if (!QDir().rename(staging.path(), targetInfo.absoluteFilePath()))
        return false;
    staging.setAutoRemove(false);
    return true;
}
