#include "game/GameFile.h"
#include "docs/FileDescriptor.h"

#include "card/Error.h"
#include "docs/FileErrors.h"
#include "docs/RawFile.h"
#include "game/GameCode.h"
#include "game/GameEscapes.h"
#include "game/GameJournal.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QSet>

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
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
QString callsChanged(const QString &name)
{
    return QCoreApplication::translate("GameFile",
                                       "%1 was changed outside Morvane: its calls are no longer the calls made.")
        .arg(quoted(name));
}
QString callsCut(const QString &name, qsizetype kept)
{
    return QCoreApplication::translate("GameFile",
                                       "The end of %1 was damaged, most likely by a save that was cut short: the "
                                       "damaged end was left out, and the first %2 calls were kept.")
        .arg(quoted(name), QLocale().toString(kept));
}
QString tooLarge(const QString &name)
{
    return QCoreApplication::translate("GameFile", "%1 is too large to be a Morvane game.").arg(quoted(name));
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
        appendLine(out, key + QLatin1Char('=') + escapedGameText(value, false));
}

void appendSection(QString &out, const char *name, const QStringList &lines)
{
    appendLine(out, QLatin1String(name));
    for (const QString &line : lines)
        appendLine(out, escapedGameText(line, true));
}

QString createdText(const QDateTime &created)
{
    return created.toOffsetFromUtc(created.offsetFromUtc()).toString(Qt::ISODate);
}

// The first files covered what decides the cards; since the calls are
// checked too, the check covers the whole head, so that no call can be
// carried over from another game.
QByteArray checkOf(const GameRecord &r)
{
    QString covered;
    if (r.format >= 2) {
        appendLine(covered, QStringLiteral("Format=%1").arg(r.format));
        appendLine(covered, QStringLiteral("Created=") + createdText(r.created));
    }
    appendKeys(covered, cardKeys(r));
    appendSection(covered, "[Entries]", r.entries);
    return QCryptographicHash::hash(covered.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
}

// Everything before the calls, "[Calls]" included.
QByteArray formatHead(const GameRecord &record, const QByteArray &check)
{
    QString out;
    appendLine(out, QStringLiteral("[Game]"));
    appendLine(out, QStringLiteral("Format=%1").arg(record.format));
    appendLine(out, QStringLiteral("Created=") + createdText(record.created));
    appendKeys(out, cardKeys(record));
    appendLine(out, QStringLiteral("Check=") + QString::fromLatin1(check));
    appendLine(out, QString());
    appendSection(out, "[Entries]", record.entries);
    appendLine(out, QString());
    appendLine(out, QStringLiteral("[Calls]"));
    return out.toUtf8();
}

QSet<QString> entrySet(const QStringList &entries)
{
    return QSet<QString>(entries.cbegin(), entries.cend());
}

QByteArray journalOf(const QStringList &calls, const QByteArray &check, const QSet<QString> &entries)
{
    QByteArray out;
    JournalState state;
    state.lastCheck = check;
    appendJournalLines(out, state, calls, entries);
    return out;
}

QByteArray formatCalls(const GameRecord &record, const QByteArray &check, const QSet<QString> &entries)
{
    if (record.format >= 2)
        return journalOf(record.calls, check, entries);
    QByteArray out;
    for (const QString &call : record.calls)
        out += escapedGameText(call, true).toUtf8() + '\n';
    return out;
}

struct Sections
{
    QHash<QString, QString> game; // raw, still escaped
    std::optional<QStringList> entries;
    // The lines of the calls, line ends taken off, and where they begin.
    std::optional<std::vector<QByteArrayView>> calls;
    qsizetype callsStart = 0;
};

bool isText(QByteArrayView line)
{
    return !line.contains('\0') && line.isValidUtf8();
}

// Splits the bytes into their sections; lines of sections it does not know
// are passed over. Everything but the calls must be text; the calls are
// judged once the format is known.
Sections splitSections(QByteArrayView bytes, const QString &name)
{
    Sections out;
    enum class In { Start, Game, Entries, Calls, Other } in = In::Start;
    qsizetype start = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QByteArrayView line = bytes.sliced(start, end - start);
        start = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        if (line.startsWith('[') && line.endsWith(']')) {
            const QByteArrayView section = line.sliced(1, line.size() - 2).trimmed();
            if (in == In::Start && section != "Game")
                throw MorvaneError(notAGame(name));
            if (section == "Game") {
                in = In::Game;
            } else if (section == "Entries") {
                in = In::Entries;
                out.entries.emplace();
            } else if (section == "Calls") {
                in = In::Calls;
                out.calls.emplace();
                out.callsStart = std::min(start, bytes.size());
            } else {
                in = In::Other;
            }
            continue;
        }
        if (in == In::Calls) {
            out.calls->push_back(line);
            continue;
        }
        if (in == In::Start || !isText(line))
            throw MorvaneError(notAGame(name));
        const QString text = QString::fromUtf8(line);
        if (in == In::Game) {
            // A line without "=" is a key cut short: its key stays missing.
            const qsizetype eq = text.indexOf(QLatin1Char('='));
            if (eq > 0)
                out.game.insert(text.left(eq).trimmed(), text.mid(eq + 1));
        } else if (in == In::Entries) {
            const auto value = unescapedGameText(text);
            if (!value)
                throw MorvaneError(changedByHand(name));
            out.entries->append(*value);
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
        const auto value = unescapedGameText(*it);
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

// The calls of a first-format file: plain lines, unchecked.
QStringList plainCalls(const std::vector<QByteArrayView> &lines, const QSet<QString> &known, const QString &name)
{
    QStringList calls;
    for (QByteArrayView line : lines) {
        if (!isText(line))
            throw MorvaneError(notAGame(name));
        const auto call = unescapedGameText(QString::fromUtf8(line));
        if (!call)
            throw MorvaneError(changedByHand(name));
        if (!known.contains(*call))
            throw MorvaneError(changedByHand(name));
        calls.append(*call);
    }
    return calls;
}

GameRecord recordOf(const Sections &sections, QByteArrayView bytes, const QString &name)
{
    const GameValues values(sections.game, name);
    GameRecord r;
    {
        const auto format = sections.game.constFind(QStringLiteral("Format"));
        if (format == sections.game.cend())
            throw MorvaneError(sections.game.isEmpty() ? notAGame(name) : incomplete(name));
        bool ok = false;
        const QString text = format->trimmed();
        const int v = text.toInt(&ok);
        // A number too large to read is still a format number, of a
        // version far newer than this one.
        const bool digits =
            !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        if (!ok && digits)
            throw MorvaneError(newerVersion(name));
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

    const QByteArray expected = checkOf(r);
    const bool layoutKnown = layoutCardsPerPage(s.kind, r.cardsPerPage) == r.cardsPerPage;
    const bool entriesFit = tickets ? r.entries == cardEntries(s.kind, {}) : r.entries.size() >= shownCells(s);
    if (std::uint64_t(r.entries.size()) != entries || !layoutKnown || !r.created.isValid() || r.code != gameCode(r.seed)
        || !entriesFit || check != QLatin1String(expected))
        throw MorvaneError(changedByHand(name));
    const QSet<QString> known = entrySet(r.entries);
    if (r.format < 2) {
        r.calls = plainCalls(*sections.calls, known, name);
        return r;
    }
    const JournalRead journal = readJournal(bytes, sections.callsStart, expected, known);
    if (journal.damage == JournalRead::Damage::Middle)
        throw MorvaneError(callsChanged(name));
    r.calls = journal.state.calls;
    if (journal.damage == JournalRead::Damage::Tail)
        r.callsNotice = callsCut(name, r.calls.size());
    return r;
}

bool readAt(int fd, QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pread(fd, bytes.data() + done, size_t(bytes.size() - done), off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

void writeAt(int fd, const QByteArray &bytes, off_t at)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), at + off_t(done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            // A torn line would read as a damaged end: the file goes back to
            // what it held.
            [[maybe_unused]] const int ignored = ::ftruncate(fd, at);
            throwFileError(error);
        }
        done += n;
    }
}

// Adds the calls that changed to the journal of the file at path, when the
// file holds this very game in this form: the bytes already there never
// change, so no moment of the save leaves the file unreadable; a damaged end
// is cut off first. False when the file is to be written whole instead.
bool appendCalls(const QString &path, const GameFileHead &kept, const QStringList &calls)
{
    const QByteArray &head = kept.head;
    const FileDescriptor fd(::open(QFile::encodeName(path).constData(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st
    {
    };
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > MaxGameFileSize
        || st.st_size < head.size())
        return false;
    QByteArray bytes(qsizetype(st.st_size), Qt::Uninitialized);
    if (!readAt(fd.get(), bytes) || !bytes.startsWith(head))
        return false;
    JournalRead journal = readJournal(bytes, head.size(), kept.check, kept.entries);
    if (journal.damage == JournalRead::Damage::Middle || journal.sectionFollows)
        return false;
    const std::uint64_t linesBefore = journal.state.lines;
    QByteArray lines = journal.soundEndsLine ? QByteArray() : QByteArray("\n");
    appendJournalLines(lines, journal.state, calls, kept.entries);
    if (journal.state.lines == linesBefore && journal.damage == JournalRead::Damage::None)
        return true;
    if (journal.soundEnd + lines.size() > MaxGameFileSize)
        return false;
    if (journal.soundEnd < bytes.size() && ::ftruncate(fd.get(), off_t(journal.soundEnd)) != 0)
        throwFileError(errno);
    writeAt(fd.get(), lines, off_t(journal.soundEnd));
    if (::fsync(fd.get()) != 0 && errno != EINVAL)
        throwFileError(errno);
    return true;
}

void makeFolderOf(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        throw MorvaneError(
            QCoreApplication::translate("GameFile", "The folder %1 cannot be made.").arg(quoted(folder)));
}

// Throws MorvaneError saying only why.
void keepRecord(const QString &path, const GameFileHead &kept, const QStringList &calls)
{
    if (!appendCalls(path, kept, calls))
        writeFileAtomically(path, kept.head + journalOf(calls, kept.check, kept.entries));
}

} // namespace

QByteArray formatGameRecord(const GameRecord &record)
{
    const QByteArray check = checkOf(record);
    return formatHead(record, check) + formatCalls(record, check, entrySet(record.entries));
}

qsizetype calledGameFileSize(const GameRecord &record)
{
    GameRecord r = record;
    r.format = GameRecord::CurrentFormat;
    r.calls.clear();
    qsizetype size = formatHead(r, checkOf(r)).size();
    // "<number> <check> +<text>" and its line feed, for every entry.
    qsizetype number = 0;
    for (const QString &entry : std::as_const(r.entries))
        size += QByteArray::number(++number).size() + 12 + escapedGameText(entry, false).toUtf8().size();
    return size;
}

GameRecord parseGameRecord(QByteArrayView bytes, const QString &name)
{
    if (bytes.size() > MaxGameFileSize)
        throw MorvaneError(tooLarge(name));
    return recordOf(splitSections(bytes, name), bytes, name);
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

GameFileHead::GameFileHead(const GameRecord &record)
{
    // Whatever form the game was read in, it is kept in the current one.
    GameRecord current = record;
    current.format = GameRecord::CurrentFormat;
    check = checkOf(current);
    head = formatHead(current, check);
    entries = entrySet(current.entries);
}

void saveGameRecord(const QString &path, const GameRecord &record)
{
    saveGameCalls(path, GameFileHead(record), record.calls);
}

void saveGameCalls(const QString &path, const GameFileHead &head, const QStringList &calls)
{
    makeFolderOf(path);
    keepRecord(path, head, calls);
}

void writeGameRecord(const QString &path, const GameRecord &record)
{
    makeFolderOf(path);
    try {
        keepRecord(path, GameFileHead(record), record.calls);
    } catch (const MorvaneError &e) {
        throw MorvaneError(QCoreApplication::translate("GameFile", "The game %1 cannot be saved: %2.")
                               .arg(quoted(QFileInfo(path).fileName()), e.message()));
    }
}
