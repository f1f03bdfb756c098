#include "play/CardFace.h"

#include "card/CardKind.h"

#include <QJsonArray>

CardFace wordCardFace(const CardSettings &settings, const QStringList &shownCells)
{
    CardFace face;
    const int side = settings.side();
    face.rows = side;
    face.columns = side;
    face.fontName = settings.fontName;
    if (settings.heading) {
        for (int c = 0; c < side; ++c)
            face.heading.append(c < settings.headingText.size() ? settings.headingText.mid(c, 1) : QString());
    }
    const int centre = settings.freeSpace ? (side * side) / 2 : -1;
    face.free.assign(std::size_t(side * side), false);
    qsizetype next = 0;
    for (int cell = 0; cell < side * side; ++cell) {
        if (cell == centre) {
            face.free[std::size_t(cell)] = true;
            face.cells.append(settings.freeSpaceText);
            continue;
        }
        // A short card shows a blank where its strings ran out.
        face.cells.append(next < shownCells.size() ? shownCells.at(next) : QString());
        ++next;
    }
    return face;
}

CardFace cardFace(const CardSettings &settings, const QStringList &shownCells)
{
    if (settings.kind != CardKind::Tickets90)
        return wordCardFace(settings, shownCells);
    const CardShape shape = cardShape(settings);
    CardFace face;
    face.rows = shape.bodyRows;
    face.columns = shape.columns;
    face.fontName = settings.fontName;
    face.free.assign(std::size_t(face.cellCount()), false);
    for (int cell = 0; cell < face.cellCount(); ++cell)
        face.cells.append(shownCells.value(cell));
    return face;
}

std::vector<int> maskCells(std::uint64_t mask, int cellCount)
{
    std::vector<int> cells;
    for (int k = 0; k < cellCount && k < 64; ++k)
        if ((mask >> k) & 1u)
            cells.push_back(k);
    return cells;
}

QJsonObject faceJson(const CardFace &face)
{
    QJsonArray free;
    for (bool f : face.free)
        free.append(f);
    return QJsonObject{{QStringLiteral("rows"), face.rows},
                       {QStringLiteral("columns"), face.columns},
                       {QStringLiteral("heading"), QJsonArray::fromStringList(face.heading)},
                       {QStringLiteral("cells"), QJsonArray::fromStringList(face.cells)},
                       {QStringLiteral("free"), free},
                       {QStringLiteral("font"), face.fontName}};
}
