#include "game/StagesFile.h"

#include "card/Error.h"
#include "docs/RawFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace {

const QLatin1String Header("Morvane stages 1");

} // namespace

QString stagesPathFor(const QString &gamePath)
{
    const QFileInfo info(gamePath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".stages"));
}

PrizeStages readStages(const QString &gamePath)
{
    const QString path = stagesPathFor(gamePath);
    if (!QFileInfo::exists(path))
        return {};
    QByteArray bytes;
    readWholeFile(path, bytes, qsizetype(1) << 20);
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    PrizeStages stages;
    if (lines.isEmpty() || lines.front().trimmed() != Header)
        return stages;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (auto prize = parsePrizeLine(line))
            stages.push_back(std::move(*prize));
    }
    return stages;
}

void writeStages(const QString &gamePath, const PrizeStages &stages)
{
    const QString path = stagesPathFor(gamePath);
    if (stages.empty()) {
        if (QFileInfo::exists(path) && !QFile::remove(path))
            throw MorvaneError(QFile(path).errorString());
        return;
    }
    QString text = Header + QLatin1Char('\n');
    for (const Prize &prize : stages)
        text += prizeLine(prize) + QLatin1Char('\n');
    writeFileAtomically(path, text.toUtf8());
}
