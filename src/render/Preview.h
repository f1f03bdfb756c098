#pragma once

#include "card/CardSettings.h"
#include "render/Canvas.h"

#include <QStringList>

// Paints the whole sample card on the canvas: background, grid, heading,
// free space and the entries of cardCells in reading order. The box size is
// the canvas's clip rectangle. The brush colour of the canvas is the
// background.
void paintPreview(ICanvas &canvas, const CardSettings &settings, const QStringList &cardCells);
