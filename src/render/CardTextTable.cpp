#include "render/CardTextTable.h"

#include "render/CardGeometry.h"

QString CardTextTable::text(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return {};
    return rows.at(row).at(column);
}

bool CardTextTable::isCalled(int row, int column) const
{
    const std::size_t at = std::size_t(row * columnCount() + column);
    return row >= 0 && column >= 0 && column < columnCount() && at < called.size() && called[at];
}

CardTextTable cardTextTable(const CardSettings &settings, const QStringList &cardCells)
{
    const int side = settings.side();
    CardTextTable table;
    if (settings.heading) {
        table.columnHeaders = headingLetters(settings.headingText, side);
        while (table.columnHeaders.size() < side)
            table.columnHeaders.append(QString());
    }
    for (int row = 0; row < side; ++row)
        table.rows.append(QStringList(side, QString()));
    for (const BodyCell &cell : bodyCells(cardCells, side, settings.freeSpace, settings.freeSpaceText))
        table.rows[cell.row - 1][cell.column - 1] = cell.text.trimmed();
    return table;
}
