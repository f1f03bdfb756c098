#include "game/SavedPatterns.h"

#include "card/Error.h"
#include "docs/Folders.h"
#include "docs/RawFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

const QLatin1String Header("Morvane patterns 1");

} // namespace

QString patternsFilePath()
{
    const QString folder = productFolder();
    return folder.isEmpty() ? QString() : joinPath(folder, QStringLiteral("Patterns.txt"));
}

std::vector<SavedPattern> readSavedPatterns(const QString &path)
{
    std::vector<SavedPattern> patterns;
    if (path.isEmpty() || !QFileInfo::exists(path))
        return patterns;
    QByteArray bytes;
    readWholeFile(path, bytes, qsizetype(1) << 20);
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    if (lines.front().trimmed() != Header)
        return patterns;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString line = lines[i].endsWith(QLatin1Char('\r')) ? lines[i].chopped(1) : lines[i];
        const QStringList parts = line.split(QLatin1Char(' '));
        if (parts.size() < 3)
            continue;
        bool sideOk = false;
        bool cellsOk = false;
        SavedPattern pattern;
        pattern.side = parts[0].toInt(&sideOk);
        pattern.cells = parts[1].toULongLong(&cellsOk, 16);
        pattern.name = line.section(QLatin1Char(' '), 2);
        const bool fits = sideOk && pattern.side >= 2 && pattern.side <= 8
                          && (pattern.side == 8 || pattern.cells >> (pattern.side * pattern.side) == 0);
        if (cellsOk && fits && pattern.cells != 0 && !pattern.name.trimmed().isEmpty())
            keepPattern(patterns, pattern);
    }
    return patterns;
}

void writeSavedPatterns(const QString &path, const std::vector<SavedPattern> &patterns)
{
    if (path.isEmpty())
        throw MorvaneError(QCoreApplication::translate("SavedPatterns", "There is no folder to keep patterns in."));
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        throw MorvaneError(
            QCoreApplication::translate("SavedPatterns", "The folder \"%1\" cannot be made.").arg(folder));
    QString text = Header + QLatin1Char('\n');
    for (const SavedPattern &p : patterns)
        text += QStringLiteral("%1 %2 %3\n").arg(p.side).arg(QString::number(p.cells, 16), p.name);
    writeFileAtomically(path, text.toUtf8());
}

void keepPattern(std::vector<SavedPattern> &patterns, const SavedPattern &pattern)
{
    for (SavedPattern &p : patterns) {
        if (p.name == pattern.name && p.side == pattern.side) {
            p = pattern;
            return;
        }
    }
    patterns.push_back(pattern);
}
