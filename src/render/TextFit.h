#pragma once

#include "render/Canvas.h"

#include <QString>
#include <QStringList>

// The fitting rules shared by the sample card and the printed card. They
// differ only in the margin count (how many "M" widths, and for two lines
// "M" heights, a text leaves free across its box) and in where the base size
// is found.

// The smallest size the shrinking loops go down to. A text that does not fit
// even then is placed at this size like any other, but cut at its box.
constexpr int MinFitFontSize = 1;

// Longer texts are fitted by their first this many characters.
constexpr qsizetype MaxFittedTextLength = 1000;

// "M" widths (and heights) a text leaves free: one on screen, two on paper.
constexpr int ScreenMargins = 1;
constexpr int PaperMargins = 2;

// Where every text of a card starts fitting: at the base size, where "Free
// Space!" fits a cell, or, in large print, at the card font size itself.
enum class StartSize { Base, FontSize };

inline StartSize startSizeFor(bool largePrint)
{
    return largePrint ? StartSize::FontSize : StartSize::Base;
}

// Lowers the canvas font one point at a time while "Free Space!" is wider
// than width less `margins` "M" widths. A size above MaxCardFontSize starts
// from MaxCardFontSize.
void lowerToBaseSize(ICanvas &canvas, int width, int margins);

// Fits and draws text into box at the canvas's current font size, and
// restores that size. A text that does not fit even at MinFitFontSize shows
// only within `within`.
void fitCellText(ICanvas &canvas, const CanvasRect &box, const QString &text, bool wordWrap, int margins,
                 const CanvasRect &within);

// The two lines of the balanced split: of all cuts between words, the one
// whose lines differ least in width, ties going to the later cut.
struct TwoLines
{
    QString first;
    QString second;
};
TwoLines balancedSplit(ICanvas &canvas, const QString &text);
