#include "docs/SampleInstall.h"

#include "card/Error.h"
#include "docs/Folders.h"
#include "docs/RawFile.h"
#include "docs/SampleTree.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

const QString CopiedListsRecord = QStringLiteral(".copied-lists");

namespace {

// The lists of the shipped tree, as paths relative to it, within the same
// bounds as the menu.
QStringList shippedLists(const QString &source)
{
    QStringList lists;
    const QDir root(source);
    QDirIterator it(source, {QStringLiteral("*.mrv")}, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext() && lists.size() < MaxSampleItems) {
        it.next();
        const QString relative = root.relativeFilePath(it.filePath());
        if (relative.count(QLatin1Char('/')) <= MaxSampleDepth)
            lists.append(relative);
    }
    lists.sort();
    return lists;
}

QStringList readRecord(const QString &path)
{
    QByteArray bytes;
    try {
        readWholeFile(path, bytes, qsizetype(1024) * 1024);
    } catch (const MorvaneError &) {
        return {};
    }
    QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

bool isInside(const QString &path, const QString &folder)
{
    return !path.isEmpty() && (path == folder || path.startsWith(folder + QLatin1Char('/')));
}

// The copy goes into the sample folder itself, never through a linked theme
// folder to somewhere else.
bool copyList(const QString &from, const QString &to, const QString &realTarget)
{
    try {
        QByteArray bytes;
        readWholeFile(from, bytes);
        const QString folder = QFileInfo(to).absolutePath();
        if (!ensureFolder(folder) || !isInside(QFileInfo(folder).canonicalFilePath(), realTarget))
            return false;
        writeFileAtomically(to, bytes);
    } catch (const MorvaneError &) {
        return false;
    }
    return true;
}

} // namespace

QString sampleListLanguage(const QLocale &locale, const QStringList &places)
{
    for (const QString &language : locale.uiLanguages()) {
        const QString code = language.left(2).toLower();
        if (code == QLatin1String("en"))
            return {};
        for (const QString &place : places)
            if (QFileInfo(place + QLatin1Char('-') + code).isDir())
                return code;
    }
    return {};
}

QStringList shippedSampleSources(const QLocale &locale)
{
    QStringList sources;
    // The user's own copy is on the same search path; it is the target, not
    // a source. A relative entry of the path is ignored, as the XDG rules say.
    const QString own = QFileInfo(joinPath(productFolder(), QStringLiteral("SampleLists"))).absoluteFilePath();
    for (const QString &folder : QStandardPaths::standardLocations(QStandardPaths::AppDataLocation)) {
        const QString installed = joinPath(folder, QStringLiteral("SampleLists"));
        if (QDir::isAbsolutePath(folder) && QFileInfo(installed).absoluteFilePath() != own
            && QFileInfo(installed).isDir()) {
            sources.append(installed);
            break;
        }
    }
    const QString exeDir = QCoreApplication::applicationDirPath();
    if (!exeDir.isEmpty()) {
        sources.append(joinPath(exeDir, QStringLiteral("data/SampleLists")));
        sources.append(QDir::cleanPath(joinPath(exeDir, QStringLiteral("../share/Morvane/SampleLists"))));
    }
    const QString language = sampleListLanguage(locale, sources);
    if (language.isEmpty())
        return sources;
    QStringList translated;
    for (const QString &source : std::as_const(sources))
        translated.append(source + QLatin1Char('-') + language);
    return translated + sources;
}

bool ensureFolder(const QString &path)
{
    return !path.isEmpty() && QDir().mkpath(path);
}

int installSampleLists(const QString &target, const QStringList &sources)
{
    if (target.isEmpty())
        return 0;
    QString source;
    for (const QString &candidate : sources) {
        if (QFileInfo(candidate).isDir()) {
            source = candidate;
            break;
        }
    }
    // A sample folder that is a link leads where the user keeps lists of
    // their own; nothing is copied into it.
    const QFileInfo targetInfo(QDir::cleanPath(target));
    if (source.isEmpty() || targetInfo.isSymLink() || (targetInfo.exists() && !targetInfo.isDir()))
        return 0;

    QString realTarget;
    const QString recordPath = joinPath(target, CopiedListsRecord);
    QStringList record = readRecord(recordPath);
    const QSet<QString> had(record.cbegin(), record.cend());
    const qsizetype recorded = record.size();
    int copied = 0;
    for (const QString &list : shippedLists(source)) {
        if (had.contains(list))
            continue;
        const QString to = joinPath(target, list);
        const QFileInfo existing(to);
        if (existing.exists() || existing.isSymLink()) {
            record.append(list);
            continue;
        }
        if (realTarget.isEmpty()) {
            if (!ensureFolder(target))
                break;
            realTarget = QFileInfo(target).canonicalFilePath();
        }
        if (copyList(joinPath(source, list), to, realTarget)) {
            record.append(list);
            ++copied;
        }
    }
    if (record.size() > recorded && !QFileInfo(recordPath).isSymLink()) {
        try {
            writeFileAtomically(recordPath, record.join(QLatin1Char('\n')).toUtf8() + '\n');
        } catch (const MorvaneError &) {
            // Without the record the lists are only found again next time.
        }
    }
    return copied;
}
