#include "docs/IniFile.h"

#include "card/Error.h"
#include "card/Trim.h"
#include "card/WholeNumber.h"
#include "docs/RawFile.h"
#include "docs/TextCodec.h"

#include <QFile>
#include <QFileInfo>

#include <QCoreApplication>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

enum class Kind { Blank, Comment, Section, Key, Other };

// Offsets are bytes into the file.
struct IniFile::Line
{
    qsizetype start = 0;
    qsizetype end = 0;  // end of the text, without CR LF or LF
    qsizetype next = 0; // start of the following line
    bool terminated = false;
    Kind kind = Kind::Other;
    QString name;          // section or key name, trimmed
    QString value;         // key value, trimmed
    qsizetype equals = -1; // offset of "=" in a key line
};

namespace {

using Line = IniFile::Line;

bool isBlankByte(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

// Fills in what the line holds; its offsets are set.
void parse(const QByteArray &bytes, Line &line)
{
    const QByteArrayView raw(bytes.constData() + line.start, line.end - line.start);
    const QString text = trimBlanks(decodeText(raw));
    line.kind = Kind::Other;
    line.name.clear();
    line.value.clear();
    line.equals = -1;
    if (text.isEmpty()) {
        line.kind = Kind::Blank;
    } else if (text.front() == QLatin1Char(';')) {
        line.kind = Kind::Comment;
    } else if (text.front() == QLatin1Char('[')) {
        line.kind = Kind::Section;
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        line.name = trimBlanks(text.mid(1, close < 0 ? -1 : close - 1));
    } else if (const qsizetype eq = text.indexOf(QLatin1Char('=')); eq >= 0) {
        line.kind = Kind::Key;
        line.name = trimBlanks(text.left(eq));
        line.value = trimBlanks(text.mid(eq + 1));
        line.equals = line.start + raw.indexOf('=');
    }
}

// The lines that are not blank. A blank line is found from its bytes alone,
// so a file of a million empty lines costs no decoding.
std::vector<Line> parseLines(const QByteArray &bytes)
{
    std::vector<Line> lines;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        Line line;
        line.start = pos;
        const qsizetype lf = bytes.indexOf('\n', pos);
        line.end = lf < 0 ? bytes.size() : lf;
        line.next = lf < 0 ? bytes.size() : lf + 1;
        line.terminated = lf >= 0;
        if (line.end > line.start && bytes.at(line.end - 1) == '\r')
            --line.end;
        pos = line.next;
        bool blank = true;
        for (qsizetype i = line.start; i < line.end && blank; ++i)
            blank = isBlankByte(bytes.at(i));
        if (blank)
            continue;
        parse(bytes, line);
        if (line.kind != Kind::Blank)
            lines.push_back(std::move(line));
    }
    return lines;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Where a key lives: the first section of that name, and in it the first
// line with that key. Later sections of the same name are not searched.
struct Location
{
    qsizetype section = -1;
    qsizetype key = -1;
    qsizetype lastContent = -1; // last line of the section that is not blank
};

Location locate(const std::vector<Line> &lines, const QString &section, const QString &key)
{
    Location loc;
    for (qsizetype i = 0; i < qsizetype(lines.size()); ++i) {
        const Line &line = lines[size_t(i)];
        if (loc.section < 0) {
            if (line.kind == Kind::Section && sameName(line.name, section)) {
                loc.section = i;
                loc.lastContent = i;
            }
            continue;
        }
        if (line.kind == Kind::Section)
            break;
        loc.lastContent = i;
        if (line.kind == Kind::Key && sameName(line.name, key)) {
            loc.key = i;
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

void shift(std::vector<Line> &lines, qsizetype from, qsizetype delta)
{
    for (auto it = lines.begin() + from; it != lines.end(); ++it) {
        it->start += delta;
        it->end += delta;
        it->next += delta;
        if (it->equals >= 0)
            it->equals += delta;
    }
}

// Appends the lines of text (which ends with a line break) at the end of
// the file, parsed.
void appendLines(QByteArray &bytes, std::vector<Line> &lines, const QByteArray &text)
{
    const qsizetype at = bytes.size();
    bytes.append(text);
    for (Line &line : parseLines(bytes.sliced(at))) {
        line.start += at;
        line.end += at;
        line.next += at;
        if (line.equals >= 0)
            line.equals += at;
        lines.push_back(std::move(line));
    }
}

} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

IniFile::~IniFile()
{
    close();
}

void IniFile::close()
{
    if (m_lockFd >= 0)
        ::close(m_lockFd);
    m_lockFd = -1;
}

void IniFile::load() const
{
    if (m_state != State::NotRead)
        return;
    m_bytes.clear();
    m_lines.clear();
    m_state = State::Missing;
    if (m_path.isEmpty() || !QFileInfo::exists(m_path))
        return;
    try {
        readWholeFile(m_path, m_bytes, MaxFileSize);
    } catch (const MorvaneError &) {
        // An unreadable file reads as a missing one, but is not written over.
        m_bytes.clear();
        m_state = State::Unreadable;
        return;
    }
    m_state = State::Read;
    m_lines = parseLines(m_bytes);
}

void IniFile::lockForWriting()
{
    if (m_lockFd >= 0)
        return;
    // The folder is locked, not the file: the file is replaced by every write.
    const int fd =
        ::open(QFile::encodeName(QFileInfo(m_path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return; // no folder: the write fails on its own
    // Another copy holds it only while it writes its keys; one that hangs
    // must not keep this one from closing.
    for (int waitedMs = 0; ::flock(fd, LOCK_EX | LOCK_NB) != 0; waitedMs += 10) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            break; // a file system without locks
        if (waitedMs >= 1000) {
            ::close(fd);
            throw MorvaneError(QCoreApplication::translate("IniFile", "locked"));
        }
        ::usleep(10000);
    }
    m_lockFd = fd;
    // What another copy wrote while this accessor was open is kept.
    m_state = State::NotRead;
}

void IniFile::update(const QString &section, const QString &key, const QString &value)
{
    const Location loc = locate(m_lines, section, key);
    const QByteArray encoded = encodeValue(value);

    if (loc.key >= 0) {
        // Keep the key's spelling and the spacing up to the value.
        Line &line = m_lines[size_t(loc.key)];
        qsizetype valueStart = line.equals + 1;
        while (valueStart < line.end && isBlankByte(m_bytes.at(valueStart)))
            ++valueStart;
        const qsizetype delta = encoded.size() - (line.end - valueStart);
        m_bytes.replace(valueStart, line.end - valueStart, encoded);
        line.end += delta;
        line.next += delta;
        parse(m_bytes, line);
        shift(m_lines, loc.key + 1, delta);
        return;
    }

    const QByteArray nl = lineBreakOf(m_bytes);
    const QByteArray keyLine = encodeValue(key) + '=' + encoded + nl;
    if (loc.section >= 0) {
        Line &last = m_lines[size_t(loc.lastContent)];
        if (!last.terminated) {
            // Only the file's last line can lack a line break.
            m_bytes.append(nl);
            last.next += nl.size();
            last.terminated = true;
        }
        Line line;
        line.start = last.next;
        line.end = line.start + keyLine.size() - nl.size();
        line.next = line.start + keyLine.size();
        line.terminated = true;
        m_bytes.insert(line.start, keyLine);
        parse(m_bytes, line);
        shift(m_lines, loc.lastContent + 1, keyLine.size());
        m_lines.insert(m_lines.begin() + loc.lastContent + 1, std::move(line));
        return;
    }

    QByteArray text;
    if (!m_bytes.isEmpty()) {
        // The file's last line is blank unless it is the last line parsed.
        const bool lastLineBlank = m_lines.empty() || m_lines.back().next != m_bytes.size();
        if (!m_bytes.endsWith('\n'))
            text.append(nl);
        if (!lastLineBlank)
            text.append(nl);
    }
    text.append('[' + encodeValue(section) + ']' + nl + keyLine);
    appendLines(m_bytes, m_lines, text);
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const
{
    load();
    const Location loc = locate(m_lines, section, key);
    if (loc.key < 0)
        return def;
    QString value = m_lines[size_t(loc.key)].value.left(MaxValueLength);
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
    const QString failure = QCoreApplication::translate("IniFile", "Unable to write to %1").arg(m_path);
    if (m_path.isEmpty())
        throw MorvaneError(failure);
    try {
        lockForWriting();
        load();
        if (m_state == State::Unreadable)
            throw MorvaneError(failure);
        update(section, key, value);
        writeFileAtomically(m_path, m_bytes);
        m_state = State::Read;
    } catch (const MorvaneError &) {
        // What is in memory may now differ from the file: read it afresh.
        m_state = State::NotRead;
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
