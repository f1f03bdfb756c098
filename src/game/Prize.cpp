#include "game/Prize.h"

#include <QStringList>

int Prize::completeShapes(std::uint64_t covered) const
{
    int complete = 0;
    for (std::uint64_t shape : shapes)
        complete += (covered & shape) == shape ? 1 : 0;
    return complete;
}

QString prizeLine(const Prize &prize)
{
    QStringList shapes;
    for (std::uint64_t shape : prize.shapes)
        shapes.append(QString::number(shape, 16));
    return QStringLiteral("%1 %2 %3").arg(prize.atLeast).arg(shapes.join(QLatin1Char(',')), prize.name);
}

std::optional<Prize> parsePrizeLine(const QString &line)
{
    const qsizetype first = line.indexOf(QLatin1Char(' '));
    const qsizetype second = first < 0 ? -1 : line.indexOf(QLatin1Char(' '), first + 1);
    if (second < 0)
        return std::nullopt;
    Prize prize;
    bool ok = false;
    prize.atLeast = line.left(first).toInt(&ok);
    if (!ok || prize.atLeast < 1)
        return std::nullopt;
    for (const QString &hex : line.mid(first + 1, second - first - 1).split(QLatin1Char(','))) {
        const std::uint64_t shape = hex.toULongLong(&ok, 16);
        if (!ok || shape == 0)
            return std::nullopt;
        prize.shapes.push_back(shape);
    }
    prize.name = line.mid(second + 1);
    if (prize.name.trimmed().isEmpty() || prize.atLeast > int(prize.shapes.size()))
        return std::nullopt;
    return prize;
}
