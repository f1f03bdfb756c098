#include "game/GameFile.h"

#include "card/Error.h"
#include "docs/RawFile.h"
#include "game/GameCode.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStringDecoder>

#include <QCoreApplication>
#include <optional>
#include <utility>
#include <vector>

namespace {

// The messages, each naming the file.
QString quoted(const QString &name)
{
    return QStringLiteral("\"%1\"").arg(name);
}
QString notAGame(const QString &name)
{
    return QCoreApplication::translate("GameFile", "%1 is not a Morvane game.").arg(quoted(name));
}
QString newerVersion(const QString &name)
{
    return QCoreApplication::translate("GameFile",
                                       "%1 was made by a newer version of Morvane and cannot be opened here.")
        .arg(quoted(name));
}
QString incomplete(const QString &name)
{
    return QCoreApplication::translate("GameFile", "%1 is incomplete: the file was cut short.").arg(quoted(name));
}
QString changedByHand(const QString &name)
{
    return QCoreApplication::translate("GameFile",
                                       "%1 was changed outside Morvane: its cards can no longer be made again.")
        .arg(quoted(name));
}
QString tooLarge(const QString &name)
{
    return QCoreApplication::translate("GameFile", "%1 is too large to be a Morvane game.").arg(quoted(name));
}

QString escaped(const QString &text, bool wholeLine)
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

std::optional<QString> unescaped(QStringView text)
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

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

using Keys = std::vector<std::pair<QString, QString>>;

// The keys that decide the cards, in file order; Check covers these and the
// entries.
Keys cardKeys(const GameRecord &r)
{
    const CardSettings &s = r.settings;
    Keys keys{
        {QStringLiteral("Code"), r.code},
        {QStringLiteral("Seed"), QString::number(r.seed)},
        {QStringLiteral("CardSize"), QString::number(s.sizeIndex)},
        {QStringLiteral("ChkFreeSpace"), flag(s.freeSpace)},
        {QStringLiteral("TxtFreeSpace"), s.freeSpaceText},
        {QStringLiteral("ChkHeading"), flag(s.heading)},
        {QStringLiteral("TxtHeading"), s.headingText},
        {QStringLiteral("ChkWordWrap"), flag(s.wordWrap)},
        {QStringLiteral("FontName"), s.fontName},
        {QStringLiteral("FontSize"), QString::number(s.fontSize)},
        {QStringLiteral("CardsPerPage"), QString::number(r.cardsPerPage)},
        {QStringLiteral("Cards"), QString::number(r.cards)},
        {QStringLiteral("Entries"), QString::number(r.entries.size())},
    };
    // A game of word cards writes no kind, and reads as it always did.
    if (s.kind != CardKind::WordCards)
        keys.insert(keys.begin() + 2, {QStringLiteral("Kind"), QString::number(storedCardKind(s.kind))});
    return keys;
}

void appendLine(QString &out, const QString &line)
{
    out += line;
    out += QLatin1Char('\n');
}

void appendKeys(QString &out, const Keys &keys)
{
    for (const auto &[key, value] : keys)
        appendLine(out, key + QLatin1Char('=') + escaped(value, false));
}

void appendSection(QString &out, const char *name, const QStringList &lines)
{
    appendLine(out, QLatin1String(name));
    for (const QString &line : lines)
        appendLine(out, escaped(line, true));
}

QString checkOf(const GameRecord &r)
{
    QString covered;
    appendKeys(covered, cardKeys(r));
    appendSection(covered, "[Entries]", r.entries);
    return QString::fromLatin1(QCryptographicHash::hash(covered.toUtf8(), QCryptographicHash::Sha256).toHex().left(16));
}

QString createdText(const QDateTime &created)
{
    return created.toOffsetFromUtc(created.offsetFromUtc()).toString(Qt::ISODate);
}

struct Sections
{
    QHash<QString, QString> game; // raw, still escaped
    std::optional<QStringList> entries;
    std::optional<QStringList> calls;
};

// Splits the text into its sections; lines of sections it does not know are
// passed over.
Sections splitSections(const QString &text, const QString &name)
{
    Sections out;
    enum class In { Start, Game, Entries, Calls, Other } in = In::Start;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        QStringView line = QStringView(text).mid(start, end - start);
        start = end + 1;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QStringView section = line.mid(1, line.size() - 2).trimmed();
            if (in == In::Start && section != QLatin1String("Game"))
                throw MorvaneError(notAGame(name));
            if (section == QLatin1String("Game")) {
                in = In::Game;
            } else if (section == QLatin1String("Entries")) {
                in = In::Entries;
                out.entries.emplace();
            } else if (section == QLatin1String("Calls")) {
                in = In::Calls;
                out.calls.emplace();
            } else {
                in = In::Other;
            }
            continue;
        }
        switch (in) {
        case In::Start:
            throw MorvaneError(notAGame(name));
        case In::Game: {
            // A line without "=" is a key cut short: its key stays missing.
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            if (eq > 0)
                out.game.insert(line.left(eq).trimmed().toString(), line.mid(eq + 1).toString());
            break;
        }
        case In::Entries:
        case In::Calls: {
            const auto value = unescaped(line);
            if (!value)
                throw MorvaneError(changedByHand(name));
            (in == In::Entries ? *out.entries : *out.calls).append(*value);
            break;
        }
        case In::Other:
            break;
        }
    }
    if (in == In::Start)
        throw MorvaneError(notAGame(name));
    return out;
}

// Reads the [Game] values into a record, or says why it cannot.
class GameValues
{
public:
    GameValues(const QHash<QString, QString> &raw, const QString &name) : m_raw(raw), m_name(name) {}

    QString text(const char *key) const
    {
        const auto it = m_raw.constFind(QLatin1String(key));
        if (it == m_raw.cend())
            throw MorvaneError(incomplete(m_name));
        const auto value = unescaped(*it);
        if (!value)
            throw MorvaneError(changedByHand(m_name));
        return *value;
    }
    std::uint64_t number(const char *key, std::uint64_t least, std::uint64_t most) const
    {
        const QString t = text(key);
        bool ok = false;
        const qulonglong v = t.toULongLong(&ok, 10);
        if (!ok || t.isEmpty() || !t.front().isDigit() || v < least || v > most)
            throw MorvaneError(changedByHand(m_name));
        return v;
    }
    bool flag(const char *key) const { return number(key, 0, 1) == 1; }

private:
    const QHash<QString, QString> &m_raw;
    const QString &m_name;
};

GameRecord recordOf(const Sections &sections, const QString &name)
{
    const GameValues values(sections.game, name);
    GameRecord r;
    {
        const auto format = sections.game.constFind(QStringLiteral("Format"));
        if (format == sections.game.cend())
            throw MorvaneError(sections.game.isEmpty() ? notAGame(name) : incomplete(name));
        bool ok = false;
        const int v = format->trimmed().toInt(&ok);
        if (!ok || v < 1)
            throw MorvaneError(notAGame(name));
        if (v > GameRecord::CurrentFormat)
            throw MorvaneError(newerVersion(name));
        r.format = v;
    }
    r.code = values.text("Code");
    r.created = QDateTime::fromString(values.text("Created"), Qt::ISODate);
    r.seed = values.number("Seed", 0, UINT64_MAX);
    CardSettings &s = r.settings;
    {
        // Kinds this version does not know are a newer version's games.
        const auto kind = sections.game.constFind(QStringLiteral("Kind"));
        if (kind != sections.game.cend()) {
            if (kind->trimmed() != QString::number(storedCardKind(CardKind::Tickets90)))
                throw MorvaneError(newerVersion(name));
            s.kind = CardKind::Tickets90;
        }
    }
    const bool tickets = s.kind == CardKind::Tickets90;
    s.sizeIndex = int(values.number("CardSize", 0, 2));
    s.freeSpace = values.flag("ChkFreeSpace");
    s.freeSpaceText = values.text("TxtFreeSpace");
    s.heading = values.flag("ChkHeading");
    s.headingText = values.text("TxtHeading");
    s.wordWrap = values.flag("ChkWordWrap");
    s.fontName = values.text("FontName");
    s.fontSize = int(values.number("FontSize", 1, MaxCardFontSize));
    r.cardsPerPage = int(values.number("CardsPerPage", 1, tickets ? 12 : 4));
    r.cards = values.number("Cards", 1, GameRecord::maxCards(s.kind));
    const std::uint64_t entries = values.number("Entries", 0, UINT32_MAX);
    const QString check = values.text("Check");
    // Written last: without it the file was cut short.
    if (!sections.entries || !sections.calls || std::uint64_t(sections.entries->size()) < entries)
        throw MorvaneError(incomplete(name));
    r.entries = *sections.entries;
    r.calls = *sections.calls;

    const bool layoutKnown = layoutCardsPerPage(s.kind, r.cardsPerPage) == r.cardsPerPage;
    const bool entriesFit = tickets ? r.entries == cardEntries(s.kind, {}) : r.entries.size() >= shownCells(s);
    if (std::uint64_t(r.entries.size()) != entries || !layoutKnown || !r.created.isValid() || r.code != gameCode(r.seed)
        || !entriesFit || check != checkOf(r))
        throw MorvaneError(changedByHand(name));
    const QSet<QString> known(r.entries.cbegin(), r.entries.cend());
    for (const QString &call : std::as_const(r.calls))
        if (!known.contains(call))
            throw MorvaneError(changedByHand(name));
    return r;
}

} // namespace

QByteArray formatGameRecord(const GameRecord &record)
{
    QString out;
    appendLine(out, QStringLiteral("[Game]"));
    appendLine(out, QStringLiteral("Format=%1").arg(record.format));
    appendLine(out, QStringLiteral("Created=") + createdText(record.created));
    appendKeys(out, cardKeys(record));
    appendLine(out, QStringLiteral("Check=") + checkOf(record));
    appendLine(out, QString());
    appendSection(out, "[Entries]", record.entries);
    appendLine(out, QString());
    appendSection(out, "[Calls]", record.calls);
    return out.toUtf8();
}

GameRecord parseGameRecord(QByteArrayView bytes, const QString &name)
{
    if (bytes.size() > MaxGameFileSize)
        throw MorvaneError(tooLarge(name));
    if (bytes.contains('\0'))
        throw MorvaneError(notAGame(name));
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        throw MorvaneError(notAGame(name));
    return recordOf(splitSections(text, name), name);
}

GameRecord readGameRecord(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const QFileInfo info(path);
    if (info.isFile() && info.size() > MaxGameFileSize)
        throw MorvaneError(tooLarge(name));
    QByteArray bytes;
    try {
        readWholeFile(path, bytes);
    } catch (const MorvaneError &e) {
        throw MorvaneError(
            QCoreApplication::translate("GameFile", "The game %1 cannot be read: %2.").arg(quoted(name), e.message()));
    }
    return parseGameRecord(bytes, name);
}

void writeGameRecord(const QString &path, const GameRecord &record)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        throw MorvaneError(
            QCoreApplication::translate("GameFile", "The folder %1 cannot be made.").arg(quoted(folder)));
    writeFileAtomically(path, formatGameRecord(record));
}
