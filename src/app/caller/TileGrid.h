#pragma once

#include <QFont>
#include <QRectF>
#include <QStringList>

// The tiles of a board or a list of calls: a grid of equal cells over an
// area, with a gap between them, and one font size for every tile's text so
// that the grid reads evenly.
struct TileGrid
{
    QRectF area;
    int rows = 0;
    int columns = 0;
    double gap = 0;

    QRectF cell(int row, int column) const;
    // -1, -1 outside every cell.
    std::pair<int, int> cellAt(const QPointF &point) const;
};

// How many columns give n tiles of about the given width-to-height ratio
// over an area of this size.
int tileColumns(int n, const QSizeF &area, double tileAspect);

// Text flags of a tile: centred, broken between words.
constexpr int TileTextFlags = Qt::AlignCenter | Qt::TextWordWrap;

// The largest pixel size, from 6 to maxPixels, at which every text fits a
// box of this size with the tile flags.
int tilePixelSize(const QFont &font, const QStringList &texts, const QSizeF &box, int maxPixels);
