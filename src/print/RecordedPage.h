#pragma once

#include "render/Canvas.h"

#include <QString>

#include <optional>
#include <variant>
#include <vector>

// One page as drawing calls, in the order they were made, each with the font
// it was drawn in: enough to draw the page again at any scale.
struct RecordedLine
{
    int x0, y0, x1, y1;
    bool operator==(const RecordedLine &) const = default;
};

struct RecordedText
{
    int x, y;
    QString text;
    QString face;
    int size; // points at the page's resolution
    FontStyle style;
    unsigned color;
    std::optional<CanvasRect> clip;
};

struct RecordedFill
{
    CanvasRect rect;
};

using RecordedCall = std::variant<RecordedLine, RecordedText, RecordedFill>;

struct RecordedPage
{
    std::vector<RecordedCall> calls;
};
