#pragma once

#include "FakePrintService.h"

#include "print/RecordedPage.h"

#include <QStringList>

#include <optional>
#include <type_traits>
#include <variant>

// A page's drawing calls as lines of text, lines first and then texts, as
// the fake printing service keeps them: a recorded page and a printed one
// compare call for call, font included.
namespace RecordedCalls {

inline QString line(int x0, int y0, int x1, int y1)
{
    return QStringLiteral("line %1,%2 %3,%4").arg(x0).arg(y0).arg(x1).arg(y1);
}

inline QString text(int x, int y, const QString &text, int size, FontStyle style, const QString &face, unsigned color,
                    std::optional<CanvasRect> clip)
{
    QString s = QStringLiteral("text %1,%2 '%3' %4pt %5 %6 #%7")
                    .arg(x)
                    .arg(y)
                    .arg(text)
                    .arg(size)
                    .arg(style == FontStyle::Bold ? QStringLiteral("bold") : QStringLiteral("regular"), face)
                    .arg(color, 6, 16, QLatin1Char('0'));
    if (clip)
        s += QStringLiteral(" clip %1,%2 %3x%4").arg(clip->left).arg(clip->top).arg(clip->width).arg(clip->height);
    return s;
}

} // namespace RecordedCalls

inline QStringList callsOf(const FakePrintService::Page &page)
{
    QStringList out;
    for (const auto &l : page.lines)
        out.append(RecordedCalls::line(l.x0, l.y0, l.x1, l.y1));
    for (const auto &t : page.texts)
        out.append(RecordedCalls::text(t.x, t.y, t.text, t.size, t.style, t.face, t.color,
                                       t.clipped ? std::optional<CanvasRect>(t.clip) : std::nullopt));
    return out;
}

inline QStringList callsOf(const RecordedPage &page)
{
    QStringList lines;
    QStringList texts;
    for (const RecordedCall &call : page.calls)
        std::visit(
            [&](const auto &c) {
                using T = std::decay_t<decltype(c)>;
                if constexpr (std::is_same_v<T, RecordedLine>)
                    lines.append(RecordedCalls::line(c.x0, c.y0, c.x1, c.y1));
                else if constexpr (std::is_same_v<T, RecordedText>)
                    texts.append(RecordedCalls::text(c.x, c.y, c.text, c.size, c.style, c.face, c.color, c.clip));
                else
                    texts.append(QStringLiteral("fill"));
            },
            call);
    return lines + texts;
}

// The strings a recorded page shows, in drawing order.
inline QStringList stringsOf(const RecordedPage &page)
{
    QStringList out;
    for (const RecordedCall &call : page.calls)
        if (const auto *t = std::get_if<RecordedText>(&call))
            out.append(t->text);
    return out;
}
