#include "game/GameJournal.h"

#include "game/GameEscapes.h"

#include <QCryptographicHash>

namespace {

constexpr qsizetype CheckLength = 8;

QByteArray lineCheck(const QByteArray &previous, QByteArrayView unchecked)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(previous);
    hash.addData(QByteArrayView("\n"));
    hash.addData(unchecked);
    return hash.result().toHex().left(CheckLength);
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The parts of a line that looks like a journal line, whether or not its
// check holds.
struct LineParts
{
    QByteArrayView number;
    QByteArrayView check;
    char op = 0;
    QByteArrayView text;
};

bool splitLine(QByteArrayView line, LineParts &parts)
{
    qsizetype i = 0;
    while (i < line.size() && isDigit(line[i]))
        ++i;
    if (i == 0 || i > 20 || i + 1 + CheckLength + 2 > line.size() || line[i] != ' ')
        return false;
    parts.number = line.first(i);
    const qsizetype c = i + 1;
    for (qsizetype k = c; k < c + CheckLength; ++k)
        if (!isHexDigit(line[k]))
            return false;
    parts.check = line.sliced(c, CheckLength);
    const qsizetype o = c + CheckLength;
    if (line[o] != ' ' || (line[o + 1] != '+' && line[o + 1] != '-'))
        return false;
    parts.op = line[o + 1];
    parts.text = line.sliced(o + 2);
    return true;
}

bool isSectionLine(QByteArrayView line)
{
    return line.startsWith('[') && line.endsWith(']');
}

class Reader
{
public:
    Reader(JournalState &state, const QSet<QString> &entries) : m_state(state), m_entries(entries)
    {
        for (const QString &call : std::as_const(m_state.calls))
            m_called.insert(call);
    }

    // Takes the line when it is sound.
    bool take(QByteArrayView line)
    {
        LineParts parts;
        if (!splitLine(line, parts) || parts.number != QByteArray::number(m_state.lines + 1))
            return false;
        QByteArray unchecked;
        unchecked.reserve(line.size());
        unchecked.append(parts.number).append(' ').append(parts.op).append(parts.text);
        const QByteArray check = lineCheck(m_state.lastCheck, unchecked);
        if (parts.check != check || !parts.text.isValidUtf8())
            return false;
        const std::optional<QString> text = unescapedGameText(QString::fromUtf8(parts.text));
        if (!text)
            return false;
        if (parts.op == '+') {
            if (!m_entries.contains(*text) || m_called.contains(*text))
                return false;
            m_state.calls.append(*text);
            m_called.insert(*text);
        } else {
            if (!m_called.remove(*text))
                return false;
            m_state.calls.removeOne(*text);
        }
        m_state.lastCheck = check;
        ++m_state.lines;
        return true;
    }

private:
    JournalState &m_state;
    const QSet<QString> &m_entries;
    QSet<QString> m_called;
};

void appendLine(QByteArray &out, JournalState &state, char op, const QString &text)
{
    QByteArray unchecked = QByteArray::number(state.lines + 1);
    const qsizetype numberLength = unchecked.size();
    unchecked.append(' ').append(op).append(escapedGameText(text, false).toUtf8());
    state.lastCheck = lineCheck(state.lastCheck, unchecked);
    ++state.lines;
    out.append(QByteArrayView(unchecked).first(numberLength));
    out.append(' ').append(state.lastCheck).append(QByteArrayView(unchecked).sliced(numberLength));
    out.append('\n');
}

} // namespace

JournalRead readJournal(QByteArrayView bytes, qsizetype start, const QByteArray &gameCheck,
                        const QSet<QString> &entries)
{
    JournalRead out;
    out.state.lastCheck = gameCheck;
    out.soundEnd = start;
    out.soundEndsLine = start == 0 || bytes[start - 1] == '\n';
    Reader reader(out.state, entries);
    bool damaged = false;
    qsizetype pos = start;
    while (pos < bytes.size()) {
        const qsizetype feed = bytes.indexOf('\n', pos);
        const qsizetype end = feed < 0 ? bytes.size() : feed;
        QByteArrayView line = bytes.sliced(pos, end - pos);
        pos = feed < 0 ? bytes.size() : feed + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        if (isSectionLine(line)) {
            out.sectionFollows = true;
            if (damaged)
                out.damage = JournalRead::Damage::Middle;
            break;
        }
        if (damaged) {
            LineParts parts;
            if (splitLine(line, parts))
                out.damage = JournalRead::Damage::Middle;
            continue;
        }
        if (line.isEmpty() || reader.take(line)) {
            out.soundEnd = pos;
            out.soundEndsLine = feed >= 0;
            continue;
        }
        damaged = true;
        out.damage = JournalRead::Damage::Tail;
    }
    return out;
}

void appendJournalLines(QByteArray &out, JournalState &state, const QStringList &calls, const QSet<QString> &entries)
{
    QStringList wanted;
    QSet<QString> seen;
    for (const QString &call : calls)
        if (entries.contains(call) && !seen.contains(call)) {
            wanted.append(call);
            seen.insert(call);
        }
    // Taking back the first call that differs, again and again, leaves the
    // calls in effect a beginning of the wanted ones.
    qsizetype same = 0;
    for (;;) {
        while (same < state.calls.size() && same < wanted.size() && state.calls.at(same) == wanted.at(same))
            ++same;
        if (same == state.calls.size())
            break;
        appendLine(out, state, '-', state.calls.at(same));
        state.calls.removeAt(same);
    }
    for (qsizetype i = state.calls.size(); i < wanted.size(); ++i) {
        appendLine(out, state, '+', wanted.at(i));
        state.calls.append(wanted.at(i));
    }
}
