#include "app/preview/PageCards.h"

#include <algorithm>
#include <optional>

namespace {

struct Grid
{
    CanvasRect rect;
    int rows = 0;
    int columns = 0;
    std::size_t firstCall = 0;
};

bool isVertical(const RecordedLine &l)
{
    return l.x0 == l.x1 && l.y1 > l.y0;
}

bool isHorizontal(const RecordedLine &l)
{
    return l.y0 == l.y1 && l.x1 > l.x0;
}

// A card's grid is ruled as its left edge, its top edge from the same
// corner, then a line under every row and one right of every column. A
// vertical line followed by a horizontal one from its start is never
// ruled inside a grid, so it always starts the next.
std::vector<Grid> gridsOf(const std::vector<RecordedCall> &calls)
{
    std::vector<Grid> grids;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        const auto *line = std::get_if<RecordedLine>(&calls[i]);
        if (!line)
            continue;
        const auto *next = i + 1 < calls.size() ? std::get_if<RecordedLine>(&calls[i + 1]) : nullptr;
        if (next && isVertical(*line) && isHorizontal(*next) && next->x0 == line->x0 && next->y0 == line->y0) {
            grids.push_back({{line->x0, line->y0, next->x1 - next->x0, line->y1 - line->y0}, 0, 0, i});
            ++i;
            continue;
        }
        if (grids.empty())
            continue;
        Grid &g = grids.back();
        const CanvasRect &r = g.rect;
        if (isHorizontal(*line) && line->x0 == r.left && line->x1 == r.left + r.width && line->y0 > r.top
            && line->y0 <= r.top + r.height)
            ++g.rows;
        else if (isVertical(*line) && line->y0 == r.top && line->y1 == r.top + r.height && line->x0 > r.left
                 && line->x0 <= r.left + r.width)
            ++g.columns;
    }
    std::erase_if(grids, [](const Grid &g) { return g.rows == 0 || g.columns == 0; });
    return grids;
}

bool contains(const CanvasRect &r, int x, int y)
{
    return x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height;
}

// Where a text stands: a cut text's box is its cell's; any other starts
// inside its cell across, and is centred in it from top to bottom, so its
// middle is taken half an em below its top (a line is about an em high).
std::pair<int, int> middleOf(const RecordedText &text, int dpi)
{
    if (text.clip)
        return {text.clip->left + text.clip->width / 2, text.clip->top + text.clip->height / 2};
    return {text.x, text.y + text.size * dpi / 144};
}

} // namespace

QList<PageCard> cardsOnPage(const RecordedPage &page, bool headingRow, int dpi)
{
    const std::vector<Grid> grids = gridsOf(page.calls);
    std::vector<QList<QStringList>> rows;
    QList<PageCard> cards;
    for (const Grid &g : grids) {
        rows.emplace_back(g.rows, QStringList(g.columns, QString()));
        cards.append({g.rect, {}, {}});
    }
    for (std::size_t i = 0; i < page.calls.size() && !grids.empty(); ++i) {
        const auto *text = std::get_if<RecordedText>(&page.calls[i]);
        if (!text || text->text.trimmed().isEmpty())
            continue;
        const auto [x, y] = middleOf(*text, dpi);
        const auto in = std::find_if(grids.begin(), grids.end(), [&](const Grid &g) { return contains(g.rect, x, y); });
        if (in == grids.end()) {
            // Printed after the grid it follows: the last one begun before it.
            const auto before =
                std::find_if(grids.rbegin(), grids.rend(), [i](const Grid &g) { return g.firstCall < i; });
            QString &note = cards[before == grids.rend() ? 0 : int(grids.rend() - before) - 1].note;
            note = note.isEmpty() ? text->text.trimmed() : note + QLatin1Char(' ') + text->text.trimmed();
            continue;
        }
        const std::size_t card = std::size_t(in - grids.begin());
        const CanvasRect &r = in->rect;
        const int row = std::clamp((y - r.top) * in->rows / r.height, 0, in->rows - 1);
        const int column = std::clamp((x - r.left) * in->columns / r.width, 0, in->columns - 1);
        QString &cell = rows[card][row][column];
        cell = cell.isEmpty() ? text->text.trimmed() : cell + QLatin1Char(' ') + text->text.trimmed();
    }
    for (qsizetype c = 0; c < cards.size(); ++c) {
        QList<QStringList> &body = rows[std::size_t(c)];
        if (headingRow && body.size() > 1)
            cards[c].cells.columnHeaders = body.takeFirst();
        cards[c].cells.rows = std::move(body);
    }
    return cards;
}
