#include "print/JobNumbering.h"

#include <algorithm>

namespace {

// Sets the number line's font and puts the previous one back when done.
class LineFont
{
public:
    explicit LineFont(ICanvas &canvas) : m_canvas(canvas), m_size(canvas.fontSize()), m_style(canvas.fontStyle())
    {
        canvas.setFontSize(NumberLinePoints);
        canvas.setFontStyle(FontStyle::Regular);
    }
    ~LineFont()
    {
        m_canvas.setFontSize(m_size);
        m_canvas.setFontStyle(m_style);
    }
    LineFont(const LineFont &) = delete;
    LineFont &operator=(const LineFont &) = delete;

private:
    ICanvas &m_canvas;
    int m_size;
    FontStyle m_style;
};

} // namespace

IRandomSource &JobNumbering::random()
{
    if (m_numbering)
        return m_random;
    return m_plain;
}

void JobNumbering::layOut(ICanvas &canvas, const PageGeometry &page, const CardPageLayout &layout, int columns,
                          int rows, std::uint64_t cards)
{
    if (!m_numbering)
        return;
    const LineFont font(canvas);
    // Room for the widest line of the job: as many digits as its last card,
    // each the widest digit.
    const qsizetype digits = QString::number(cards).size();
    int width = 0;
    int height = 0;
    for (char d = '0'; d <= '9'; ++d) {
        const QString digit(digits, QLatin1Char(d));
        const QString line = numberLineText(m_numbering->kind, digit, digit, m_numbering->code);
        width = std::max(width, canvas.textWidth(line));
        height = std::max(height, canvas.textHeight(line));
    }
    m_places = numberLinePlaces(page, layout, columns, rows, width, height);
}

void JobNumbering::beginCard()
{
    if (!m_numbering)
        return;
    ++m_card;
    m_random.reseedForCard(m_numbering->seed, m_card);
}

void JobNumbering::beginCard(std::uint64_t card)
{
    m_card = card - 1;
    beginCard();
}

void JobNumbering::endCard(ICanvas &canvas)
{
    endCard(canvas, m_card);
}

void JobNumbering::endCard(ICanvas &canvas, std::uint64_t card)
{
    if (!m_numbering || m_places.empty())
        return;
    const NumberLinePlace &place = m_places[std::size_t((card - 1) % m_places.size())];
    const LineFont font(canvas);
    const QString line = numberLineText(m_numbering->kind, card, m_numbering->code);
    int x = place.box.left;
    if (place.rightAligned)
        x += place.box.width - canvas.textWidth(line);
    canvas.textOut(x, place.box.top, line);
}

void JobNumbering::documentEnding()
{
    documentEnding(m_card);
}

void JobNumbering::documentEnding(std::uint64_t cards)
{
    if (m_numbering && m_numbering->documentEnding)
        m_numbering->documentEnding(cards);
}

void JobNumbering::documentFailed()
{
    if (m_numbering && m_numbering->documentFailed)
        m_numbering->documentFailed();
}
