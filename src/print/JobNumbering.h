#pragma once

#include "card/CardSettings.h"
#include "card/SeededRandom.h"
#include "print/CardNumbering.h"
#include "print/NumberLine.h"
#include "print/PageLayout.h"
#include "render/Canvas.h"

#include <QHash>

#include <array>
#include <cstdint>
#include <vector>

// A card print job's side of numbering. Without a CardNumbering every call
// does nothing and random() is the job's own source, so the plain job draws
// exactly what it always drew.
class JobNumbering
{
public:
    JobNumbering(const CardNumbering *numbering, IRandomSource &plain) : m_numbering(numbering), m_plain(plain) {}
    // For a job whose cards come from elsewhere (StreamCards, KeptCards):
    // only its number lines and the end of its document.
    explicit JobNumbering(const CardNumbering *numbering) : m_numbering(numbering), m_plain(m_random) {}

    // The source the job arranges its cards from.
    IRandomSource &random();
    // Works out the number lines' places, once the page is laid out. Leaves
    // the canvas font as it found it.
    void layOut(ICanvas &canvas, const PageGeometry &page, const CardPageLayout &layout, int columns, int rows,
                std::uint64_t cards);
    // Before the next card is arranged: its number, and its own stream.
    void beginCard();
    // The same for a card printed out of its turn: a card of a recorded game
    // printed again carries its own number.
    void beginCard(std::uint64_t card);
    // After the card is drawn: its number line, in the card font at 8 points,
    // regular; the canvas font is put back.
    void endCard(ICanvas &canvas);
    // The number line of card `card` (1, 2, ... in print order), whichever
    // card came before.
    void endCard(ICanvas &canvas, std::uint64_t card);
    // Before the document is handed over (see CardNumbering).
    void documentEnding();
    // The same for a document of that many cards.
    void documentEnding(std::uint64_t cards);
    // After handing it over failed.
    void documentFailed();

private:
    void learnLineWidths(ICanvas &canvas, int digits);
    // A line drawn as card's is, with every plain digit of its number a 0.
    struct Alike
    {
        QString line;
        int width;
    };
    const Alike &alikeLine(ICanvas &canvas, std::uint64_t card);

    const CardNumbering *m_numbering;
    IRandomSource &m_plain;
    SeededRandomSource m_random;
    std::vector<NumberLinePlace> m_places;
    // Digits the card font draws as wide as a 0 and kerns with no digit nor
    // with the text around them; none when each line is measured.
    std::array<bool, 10> m_likeZero{};
    bool m_plainDigits = false;
    // Lines by the number with every such digit made a 0, and its count of
    // digits.
    QHash<std::uint64_t, Alike> m_alike;
    std::uint64_t m_card = 0;
};
