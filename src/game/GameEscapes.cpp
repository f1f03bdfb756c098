#include "game/GameEscapes.h"

QString escapedGameText(const QString &text, bool wholeLine)
{
    if (wholeLine && text.isEmpty())
        return QStringLiteral("\\e");
    QString out;
    out.reserve(text.size());
    if (wholeLine && text.startsWith(QLatin1Char('[')))
        out += QLatin1Char('\\');
    for (QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else
            out += c;
    }
    return out;
}

std::optional<QString> unescapedGameText(QStringView text)
{
    if (text == QLatin1String("\\e"))
        return QString();
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\\')) {
            out += c;
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        const QChar e = text[i];
        if (e == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        else if (e == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (e == QLatin1Char('r'))
            out += QLatin1Char('\r');
        else if (e == QLatin1Char('[') && i == 1)
            out += QLatin1Char('[');
        else
            return std::nullopt;
    }
    return out;
}
