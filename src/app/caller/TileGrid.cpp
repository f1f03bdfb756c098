#include "app/caller/TileGrid.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

QRectF TileGrid::cell(int row, int column) const
{
    const double w = (area.width() - gap * (columns - 1)) / std::max(columns, 1);
    const double h = (area.height() - gap * (rows - 1)) / std::max(rows, 1);
    return {area.left() + column * (w + gap), area.top() + row * (h + gap), w, h};
}

std::pair<int, int> TileGrid::cellAt(const QPointF &point) const
{
    if (rows <= 0 || columns <= 0 || !area.contains(point))
        return {-1, -1};
    const double w = (area.width() + gap) / columns;
    const double h = (area.height() + gap) / rows;
    const int column = std::min(columns - 1, int((point.x() - area.left()) / w));
    const int row = std::min(rows - 1, int((point.y() - area.top()) / h));
    // A click in the gap between two tiles is on neither.
    if (!cell(row, column).contains(point))
        return {-1, -1};
    return {row, column};
}

int tileColumns(int n, const QSizeF &area, double tileAspect)
{
    if (n <= 0 || area.height() <= 0)
        return 1;
    const double ratio = area.width() / area.height() / tileAspect;
    return std::clamp(int(std::ceil(std::sqrt(n * ratio))), 1, n);
}

int tilePixelSize(const QFont &font, const QStringList &texts, const QSizeF &box, int maxPixels)
{
    constexpr int Smallest = 6;
    const auto fits = [&](int pixels) {
        QFont f(font);
        f.setPixelSize(pixels);
        const QFontMetricsF m(f);
        const QRectF room(0, 0, box.width(), box.height());
        for (const QString &text : texts) {
            const QRectF need = m.boundingRect(room, TileTextFlags, text);
            if (need.width() > box.width() || need.height() > box.height())
                return false;
        }
        return true;
    };
    int low = Smallest;
    int high = std::max(Smallest, maxPixels);
    if (fits(high))
        return high;
    while (high - low > 1) {
        const int mid = (low + high) / 2;
        (fits(mid) ? low : high) = mid;
    }
    return low;
}
