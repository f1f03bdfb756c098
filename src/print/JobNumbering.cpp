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

// The line of a number of that many digits: a, b, a, b...
QString alternating(const QString &code, int digits, char a, char b)
{
    QString number(digits, QLatin1Char(a));
    for (int i = 1; i < digits; i += 2)
        number[i] = QLatin1Char(b);
    return numberLineText(number, code);
}

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
    learnLineWidths(canvas, int(digits));
}

// Measuring each card's line costs a large job a good part of the time its
// numbers take. Card fonts draw the digits equally wide and kern few pairs of
// them, if any (the default font's "11"): a line is as wide as the line of its
// number with every digit that takes part in no kerning made a 0, which is
// measured once; and it is drawn as that line is with its digits put back, so
// a canvas shapes it once too. A digit takes part when a line of it
// alternating with any digit, as long as the job's numbers, is not as wide as
// the same line with a 0 in its place: from three digits on, two kerned pairs
// or more in such a line show even a kerning below half a dot. Tickets' lines
// carry two numbers and are measured one by one.
void JobNumbering::learnLineWidths(ICanvas &canvas, int digits)
{
    m_likeZero.fill(false);
    m_plainDigits = false;
    m_alike.clear();
    if (m_numbering->kind == CardKind::Tickets90)
        return;
    const QString &code = m_numbering->code;
    for (char d = '0'; d <= '9'; ++d) {
        bool like = true;
        for (int n = 1; n <= digits && like; ++n)
            for (char b = '0'; b <= '9' && like; ++b)
                like =
                    canvas.textWidth(alternating(code, n, d, b)) == canvas.textWidth(alternating(code, n, '0', b))
                    && canvas.textWidth(alternating(code, n, b, d)) == canvas.textWidth(alternating(code, n, b, '0'));
        m_likeZero[std::size_t(d - '0')] = like;
        m_plainDigits = m_plainDigits || (like && d != '0');
    }
}

const JobNumbering::Alike &JobNumbering::alikeLine(ICanvas &canvas, std::uint64_t card)
{
    // The number with its plain digits made 0s, kept apart by its length.
    QString number = QString::number(card);
    std::uint64_t key = std::uint64_t(number.size());
    for (QChar &c : number) {
        if (m_likeZero[std::size_t(c.unicode() - '0')])
            c = QLatin1Char('0');
        key = key * 10 + std::uint64_t(c.unicode() - '0');
    }
    const auto known = m_alike.constFind(key);
    if (known != m_alike.cend())
        return *known;
    const QString line = numberLineText(number, m_numbering->code);
    return *m_alike.insert(key, {line, canvas.textWidth(line)});
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
    const Alike *alike = m_plainDigits ? &alikeLine(canvas, card) : nullptr;
    int x = place.box.left;
    if (place.rightAligned)
        x += place.box.width - (alike ? alike->width : canvas.textWidth(line));
    if (alike)
        canvas.textOutAlike(x, place.box.top, line, alike->line);
    else
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
