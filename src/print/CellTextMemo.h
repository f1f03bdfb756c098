#pragma once

#include "render/Canvas.h"
#include "render/TextFit.h"

#include <QHash>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

// Prints cell texts exactly as PrintCellText does, but fits each text only
// once per box size: the fitting depends on the text, the box's width and
// height, word wrap and the canvas font, not on where the box lies, so a
// repeat replays the recorded strings at their sizes and offsets. A long job
// of the same entries measures almost nothing after its first cards, and the
// base size, the same for every box of a card, is found once.
class CellTextMemo
{
public:
    void print(ICanvas &canvas, int x, int y, const QString &text, int w, int h, bool wordWrap,
               StartSize start = StartSize::Base);

private:
    struct Key
    {
        QString text;
        int w;
        int h;
        int size;
        bool wordWrap;
        StartSize start;
        bool operator==(const Key &) const = default;
        friend size_t qHash(const Key &k, size_t seed = 0)
        {
            return qHashMulti(seed, k.text, k.w, k.h, k.size, k.wordWrap, k.start == StartSize::FontSize);
        }
    };
    struct Draw
    {
        int dx;
        int dy;
        int size;
        QString text;
        std::optional<CanvasRect> clip; // relative to the box, when cut
    };

    QHash<Key, std::vector<Draw>> m_fitted;
    qsizetype m_chars = 0;                       // in the recorded strings
    QHash<std::pair<int, int>, int> m_baseSizes; // by box width and starting size
    QString m_face;
    FontStyle m_style = FontStyle::Regular;
};
