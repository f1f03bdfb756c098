#pragma once

#include "render/Canvas.h"
#include "render/TextFit.h"

#include <QString>

// Draws text fitted into the box (x, y, w, h) in the canvas's current font:
// one line when it fits across the box less one "M", else two balanced lines
// when it has a space and word wrap is on, else one line shrunk to fit. The
// font size is lowered a point at a time while fitting and is restored before
// returning. A text that does not fit even at the smallest size is cut at the
// box, or at `within` when given (a box that includes grid lines).
void DrawCellText(ICanvas &canvas, int x, int y, const QString &text, int w, int h, bool wordWrap,
                  const CanvasRect *within = nullptr);

// The paper twin: two "M" margins instead of one, and the base size ("Free
// Space!" fitting the box) is found inside every call from the size the
// canvas holds, which is also the size restored on return. In large print
// the text starts from the size the canvas holds.
void PrintCellText(ICanvas &canvas, int x, int y, const QString &text, int w, int h, bool wordWrap,
                   StartSize start = StartSize::Base);
