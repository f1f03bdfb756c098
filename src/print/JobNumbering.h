#pragma once

#include "card/CardSettings.h"
#include "print/CardNumbering.h"
#include "print/NumberLine.h"
#include "print/PageLayout.h"
#include "render/Canvas.h"

#include <cstdint>
#include <vector>

// A card print job's side of numbering: the number lines and the end of the
// document. Without a CardNumbering every call does nothing, so the plain job
// draws exactly what it always drew. The cards themselves come from the
// numbering's seed (see StreamCards).
class JobNumbering
{
public:
    explicit JobNumbering(const CardNumbering *numbering) : m_numbering(numbering) {}

    // Works out the number lines' places, once the page is laid out. Leaves
    // the canvas font as it found it.
    void layOut(ICanvas &canvas, const PageGeometry &page, const CardPageLayout &layout, int columns, int rows,
                std::uint64_t cards);
    // After card `card` (1, 2, ... in print order) is drawn: its number line,
    // in the card font at 8 points, regular; the canvas font is put back.
    void endCard(ICanvas &canvas, std::uint64_t card);
    // After the document of that many cards was handed over.
    void documentEnded(std::uint64_t cards);

private:
    const CardNumbering *m_numbering;
    std::vector<NumberLinePlace> m_places;
};
