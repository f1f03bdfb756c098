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

void capSize(ICanvas &canvas)
{
    if (canvas.fontSize() > MaxCardFontSize)
        canvas.setFontSize(MaxCardFontSize);
}

int roomAcross(ICanvas &canvas, int width, int margins)
{
    return width - margins * canvas.textWidth(Em);
}

// Line A gets words 0..i, line B the rest, each built as " word" per word and
// trimmed, so empty words from doubled spaces only leave inner spaces.
QString joinWords(const QStringList &words, qsizetype from, qsizetype to)
{
    QString s;
    for (qsizetype i = from; i < to; ++i) {
        s += QLatin1Char(' ');
        s += words.at(i);
    }
    return trimBlanks(s);
}

void oneLine(ICanvas &canvas, const CanvasRect &box, const QString &text)
{
    canvas.textOut(box.left + (box.width - canvas.textWidth(text)) / 2,
                   box.top + (box.height - canvas.textHeight(text)) / 2, text);
}

void twoLines(ICanvas &canvas, const CanvasRect &box, const QString &text, int margins)
{
    const TwoLines lines = balancedSplit(canvas, text);
    shrinkWhile(canvas, [&] {
        const int room = roomAcross(canvas, box.width, margins);
        return canvas.textWidth(lines.first) > room || canvas.textWidth(lines.second) > room;
    });
    const auto both = [&] { return canvas.textHeight(lines.first) + canvas.textHeight(lines.second); };
    shrinkWhile(canvas, [&] { return both() > box.height - margins * canvas.textHeight(Em); });

    const int top = (box.height - both()) / 2;
    canvas.textOut(box.left + (box.width - canvas.textWidth(lines.first)) / 2, box.top + top, lines.first);
    canvas.textOut(box.left + (box.width - canvas.textWidth(lines.second)) / 2,
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
    const QStringList words = text.split(QLatin1Char(' '));
    TwoLines chosen;
    int best = canvas.textWidth(text);
    for (qsizetype i = 0; i < words.size(); ++i) {
        QString a = joinWords(words, 0, i + 1);
        QString b = joinWords(words, i + 1, words.size());
        const int d = std::abs(canvas.textWidth(a) - canvas.textWidth(b));
        if (d <= best) {
            best = d;
            chosen = {std::move(a), std::move(b)};
        }
    }
    return chosen;
}

void fitCellText(ICanvas &canvas, const CanvasRect &box, const QString &text, bool wordWrap, int margins)
{
    const int entrySize = canvas.fontSize();
    capSize(canvas);
    if (canvas.textWidth(text) <= roomAcross(canvas, box.width, margins)) {
        oneLine(canvas, box, text);
    } else if (wordWrap && text.contains(QLatin1Char(' '))) {
        twoLines(canvas, box, text, margins);
    } else {
        shrinkWhile(canvas, [&] { return canvas.textWidth(text) > roomAcross(canvas, box.width, margins); });
        oneLine(canvas, box, text);
    }
    canvas.setFontSize(entrySize);
}
