#include "render/TextFit.h"

#include "card/CardSettings.h"
#include "card/Trim.h"

#include <cstdlib>

namespace {

const QString Em = QStringLiteral("M");

template <typename TooBig>
void shrinkWhile(ICanvas &canvas, TooBig tooBig)
{
    while (canvas.fontSize() > MinFitFontSize && tooBig())
        canvas.setFontSize(canvas.fontSize() - 1);
}

// Above the floor a shrinking loop only stops once the text fits; at the
// floor it may not.
bool atFloor(const ICanvas &canvas)
{
    return canvas.fontSize() <= MinFitFontSize;
}

void capSize(ICanvas &canvas)
{
    if (canvas.fontSize() > MaxCardFontSize)
        canvas.setFontSize(MaxCardFontSize);
}

int roomAcross(ICanvas &canvas, int width, int margins)
{
    return width - margins * canvas.textWidth(Em);
}

// Writes a cell's strings; cut at the clip when the text does not fit even
// at the smallest size, so it cannot spill over the grid or its neighbours.
struct CellWriter
{
    ICanvas &canvas;
    const CanvasRect &clip;
    bool cut = false;

    void out(int x, int y, const QString &text)
    {
        if (cut)
            canvas.textOutClipped(x, y, text, clip);
        else
            canvas.textOut(x, y, text);
    }
};

void oneLine(CellWriter &writer, const CanvasRect &box, const QString &text)
{
    ICanvas &canvas = writer.canvas;
    writer.out(box.left + (box.width - canvas.textWidth(text)) / 2,
               box.top + (box.height - canvas.textHeight(text)) / 2, text);
}

void twoLines(CellWriter &writer, const CanvasRect &box, const QString &text, int margins)
{
    ICanvas &canvas = writer.canvas;
    const TwoLines lines = balancedSplit(canvas, text);
    const auto tooWide = [&] {
        const int room = roomAcross(canvas, box.width, margins);
        return canvas.textWidth(lines.first) > room || canvas.textWidth(lines.second) > room;
    };
    shrinkWhile(canvas, tooWide);
    const auto both = [&] { return canvas.textHeight(lines.first) + canvas.textHeight(lines.second); };
    const auto tooHigh = [&] { return both() > box.height - margins * canvas.textHeight(Em); };
    shrinkWhile(canvas, tooHigh);
    writer.cut = atFloor(canvas) && (tooWide() || tooHigh());

    const int top = (box.height - both()) / 2;
    writer.out(box.left + (box.width - canvas.textWidth(lines.first)) / 2, box.top + top, lines.first);
    writer.out(box.left + (box.width - canvas.textWidth(lines.second)) / 2,
               box.top + top + canvas.textHeight(lines.first), lines.second);
}

} // namespace

void lowerToBaseSize(ICanvas &canvas, int width, int margins)
{
    static const QString Probe = QStringLiteral("Free Space!");
    capSize(canvas);
    shrinkWhile(canvas, [&] { return canvas.textWidth(Probe) > roomAcross(canvas, width, margins); });
}

TwoLines balancedSplit(ICanvas &canvas, const QString &text)
{
    // Line A holds the words up to a cut, line B the rest, each trimmed.
    // Joining the words cut at every space with one space each gives back
    // the text itself, so both lines are pieces of the text: no rebuilding.
    TwoLines chosen;
    int best = canvas.textWidth(text);
    qsizetype cut = text.indexOf(QLatin1Char(' '));
    for (;;) {
        const bool last = cut < 0;
        QString a = trimBlanks(last ? text : text.left(cut));
        QString b = last ? QString() : trimBlanks(text.mid(cut + 1));
        const int d = std::abs(canvas.textWidth(a) - canvas.textWidth(b));
        if (d <= best) {
            best = d;
            chosen = {std::move(a), std::move(b)};
        }
        if (last)
            break;
        cut = text.indexOf(QLatin1Char(' '), cut + 1);
    }
    return chosen;
}

void fitCellText(ICanvas &canvas, const CanvasRect &box, const QString &fullText, bool wordWrap, int margins,
                 const CanvasRect &within)
{
    // Every fitting step measures the whole text: an absurdly long entry (a
    // document of one huge line) would take minutes. Far less than this
    // already ends at the smallest size, cut at its box.
    QString text = fullText;
    if (text.size() > MaxFittedTextLength) {
        text.truncate(MaxFittedTextLength);
        if (text.back().isHighSurrogate())
            text.chop(1);
    }
    const int entrySize = canvas.fontSize();
    capSize(canvas);
    CellWriter writer{canvas, within};
    const auto tooWide = [&] { return canvas.textWidth(text) > roomAcross(canvas, box.width, margins); };
    if (!tooWide()) {
        oneLine(writer, box, text);
    } else if (wordWrap && text.contains(QLatin1Char(' '))) {
        twoLines(writer, box, text, margins);
    } else {
        shrinkWhile(canvas, tooWide);
        writer.cut = atFloor(canvas) && tooWide();
        oneLine(writer, box, text);
    }
    canvas.setFontSize(entrySize);
}
