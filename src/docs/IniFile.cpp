#include "docs/IniFile.h"

#include "card/Error.h"
#include "card/Trim.h"
#include "card/WholeNumber.h"
#include "docs/RawFile.h"
#include "docs/TextCodec.h"

#include <QFileInfo>

namespace {

// One line of the file, as byte offsets into it.
struct Line
{
    qsizetype start = 0;
    qsizetype end = 0;  // end of the text, without CR LF or LF
    qsizetype next = 0; // start of the following line
    bool terminated = false;
};

enum class Kind { Blank, Comment, Section, Key, Other };

struct Parsed
{
    Kind kind = Kind::Other;
    QString name;          // section or key name, trimmed
    QString value;         // key value, trimmed
    qsizetype equals = -1; // byte offset of "=" in a key line
};

QList<Line> splitLines(const QByteArray &bytes)
{
    QList<Line> lines;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        Line line;
        line.start = pos;
        const qsizetype lf = bytes.indexOf('\n', pos);
        if (lf < 0) {
            line.end = bytes.size();
            line.next = bytes.size();
        } else {
            line.end = lf;
            line.next = lf + 1;
            line.terminated = true;
        }
        if (line.end > line.start && bytes.at(line.end - 1) == '\r')
            --line.end;
        lines.append(line);
        pos = line.next;
    }
    return lines;
}

Parsed parse(const QByteArray &bytes, const Line &line)
{
    const QByteArrayView raw(bytes.constData() + line.start, line.end - line.start);
    const QString text = trimBlanks(decodeText(raw));
    Parsed p;
    if (text.isEmpty()) {
        p.kind = Kind::Blank;
    } else if (text.front() == QLatin1Char(';')) {
        p.kind = Kind::Comment;
    } else if (text.front() == QLatin1Char('[')) {
        p.kind = Kind::Section;
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        p.name = trimBlanks(text.mid(1, close < 0 ? -1 : close - 1));
    } else if (const qsizetype eq = text.indexOf(QLatin1Char('=')); eq >= 0) {
        p.kind = Kind::Key;
        p.name = trimBlanks(text.left(eq));
        p.value = trimBlanks(text.mid(eq + 1));
        p.equals = line.start + raw.indexOf('=');
    }
    return p;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Where a key lives: the first section of that name, and in it the first
// line with that key. Later sections of the same name are not searched.
struct Location
{
    qsizetype sectionLine = -1;
    qsizetype keyLine = -1;
    qsizetype lastContentLine = -1; // last non-blank line of the section
    Parsed key;
};

Location locate(const QByteArray &bytes, const QList<Line> &lines, const QString &section, const QString &key)
{
    Location loc;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Parsed p = parse(bytes, lines.at(i));
        if (loc.sectionLine < 0) {
            if (p.kind == Kind::Section && sameName(p.name, section)) {
                loc.sectionLine = i;
                loc.lastContentLine = i;
            }
            continue;
        }
        if (p.kind == Kind::Section)
            break;
        if (p.kind != Kind::Blank)
            loc.lastContentLine = i;
        if (p.kind == Kind::Key && sameName(p.name, key)) {
            loc.keyLine = i;
            loc.key = p;
            break;
        }
    }
    return loc;
}

QByteArray lineBreakOf(const QByteArray &bytes)
{
    const qsizetype lf = bytes.indexOf('\n');
    if (lf > 0 && bytes.at(lf - 1) == '\r')
        return QByteArrayLiteral("\r\n");
    if (lf >= 0)
        return QByteArrayLiteral("\n");
    return QByteArrayLiteral("\r\n");
}

// A value is one line; a line break in it would turn the rest into keys.
QByteArray encodeValue(const QString &value)
{
    QString v = value;
    v.replace(QLatin1Char('\r'), QLatin1Char(' '));
    v.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return v.toUtf8();
}

QByteArray updated(const QByteArray &bytes, const QString &section, const QString &key, const QString &value)
{
    const QList<Line> lines = splitLines(bytes);
    const Location loc = locate(bytes, lines, section, key);
    const QByteArray nl = lineBreakOf(bytes);
    QByteArray out = bytes;

    if (loc.keyLine >= 0) {
        // Keep the key's spelling and the spacing up to the value.
        const Line &line = lines.at(loc.keyLine);
        qsizetype valueStart = loc.key.equals + 1;
        while (valueStart < line.end && static_cast<unsigned char>(bytes.at(valueStart)) <= 32)
            ++valueStart;
        out.replace(valueStart, line.end - valueStart, encodeValue(value));
        return out;
    }

    const QByteArray keyLine = encodeValue(key) + '=' + encodeValue(value) + nl;
    if (loc.sectionLine >= 0) {
        const Line &last = lines.at(loc.lastContentLine);
        QByteArray insert = keyLine;
        if (!last.terminated)
            insert.prepend(nl);
        out.insert(last.next, insert);
        return out;
    }

    if (!out.isEmpty()) {
        if (!out.endsWith('\n'))
            out.append(nl);
        if (!lines.isEmpty() && parse(bytes, lines.constLast()).kind != Kind::Blank)
            out.append(nl);
    }
    out.append('[' + encodeValue(section) + ']' + nl + keyLine);
    return out;
}

} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const
{
    if (m_path.isEmpty() || !QFileInfo(m_path).isFile())
        return def;
    QByteArray bytes;
    try {
        readWholeFile(m_path, bytes);
    } catch (const MorvaneError &) {
        // An unreadable file reads as a missing one.
        return def;
    }
    const QList<Line> lines = splitLines(bytes);
    const Location loc = locate(bytes, lines, section, key);
    if (loc.keyLine < 0)
        return def;
    QString value = loc.key.value.left(MaxValueLength);
    if (value.size() == MaxValueLength && value.back().isHighSurrogate())
        value.chop(1);
    return value;
}

int IniFile::readInteger(const QString &section, const QString &key, int def) const
{
    return strToIntDef(readString(section, key, QString()), def);
}

bool IniFile::readBool(const QString &section, const QString &key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const QString failure = QStringLiteral("Unable to write to %1").arg(m_path);
    if (m_path.isEmpty())
        throw MorvaneError(failure);
    try {
        QByteArray bytes;
        if (QFileInfo(m_path).exists())
            readWholeFile(m_path, bytes);
        writeFileAtomically(m_path, updated(bytes, section, key, value));
    } catch (const MorvaneError &) {
        throw MorvaneError(failure);
    }
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
