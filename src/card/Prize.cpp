#include "card/Prize.h"

#include <QStringList>

namespace {

const QLatin1String EntriesWord("entries");
const QLatin1String EndsWord("ends");

} // namespace

int Prize::completeShapes(std::uint64_t covered, std::uint64_t holding) const
{
    int complete = 0;
    for (std::uint64_t shape : shapes)
        complete += completes(shape, covered, holding) ? 1 : 0;
    return complete;
}

QString prizeLine(const Prize &prize)
{
    QStringList shapes;
    for (std::uint64_t shape : prize.shapes)
        shapes.append(QString::number(shape, 16));
    const QString line = QStringLiteral("%1 %2 %3").arg(prize.atLeast).arg(shapes.join(QLatin1Char(',')), prize.name);
    switch (prize.cover) {
    case Prize::Cover::Cells:
        break;
    case Prize::Cover::Entries:
        return EntriesWord + QLatin1Char(' ') + line;
    case Prize::Cover::Ends:
        return EndsWord + QLatin1Char(' ') + line;
    }
    return line;
}

std::optional<Prize> parsePrizeLine(const QString &line)
{
    Prize prize;
    qsizetype start = 0;
    for (const auto &[word, cover] : {std::pair{EntriesWord, Prize::Cover::Entries}, {EndsWord, Prize::Cover::Ends}}) {
        if (line.startsWith(word + QLatin1Char(' '))) {
            prize.cover = cover;
            start = word.size() + 1;
        }
    }
    const qsizetype first = line.indexOf(QLatin1Char(' '), start);
    const qsizetype second = first < 0 ? -1 : line.indexOf(QLatin1Char(' '), first + 1);
    if (second < 0)
        return std::nullopt;
    bool ok = false;
    prize.atLeast = line.mid(start, first - start).toInt(&ok);
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
