#include "play/RoomJournal.h"

#include "card/Error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

#include <array>
#include <unistd.h>

namespace {

std::uint32_t crc32(QByteArrayView bytes)
{
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (char ch : bytes)
        c = table[(c ^ std::uint8_t(ch)) & 0xFFu] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

// Far beyond any room: 100,000 cards handed out with their claims.
constexpr qint64 MaxJournalSize = qint64(256) * 1024 * 1024;

} // namespace

QString RoomJournal::pathFor(const QString &gamePath)
{
    const QFileInfo info(gamePath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".mrvroom"));
}

QByteArray RoomJournal::formatLine(const QJsonObject &event)
{
    const QByteArray json = QJsonDocument(event).toJson(QJsonDocument::Compact);
    return QByteArray::number(crc32(json), 16).rightJustified(8, '0') + ' ' + json + '\n';
}

QJsonObject RoomJournal::parseLine(QByteArrayView line)
{
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.size() < 10 || line[8] != ' ')
        return {};
    bool ok = false;
    const std::uint32_t check = line.first(8).toByteArray().toUInt(&ok, 16);
    const QByteArrayView json = line.sliced(9);
    if (!ok || check != crc32(json))
        return {};
    const QJsonDocument doc = QJsonDocument::fromJson(json.toByteArray());
    return doc.isObject() ? doc.object() : QJsonObject();
}

QList<QJsonObject> RoomJournal::read() const
{
    QFile file(m_path);
    if (!file.exists())
        return {};
    const auto fail = [&] {
        throw MorvaneError(QCoreApplication::translate("RoomJournal", "Cannot read the room file %1: %2")
                               .arg(m_path, file.errorString()));
    };
    if (!file.open(QIODevice::ReadOnly))
        fail();
    if (file.size() > MaxJournalSize)
        throw MorvaneError(QCoreApplication::translate("RoomJournal", "The room file %1 is too large.").arg(m_path));
    const QByteArray bytes = file.readAll();
    QList<QJsonObject> events;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype end = bytes.indexOf('\n', start);
        // A last line with no newline was cut short while being written.
        if (end < 0)
            break;
        const QJsonObject event = parseLine(QByteArrayView(bytes).sliced(start, end - start));
        if (!event.isEmpty())
            events.append(event);
        start = end + 1;
    }
    return events;
}

void RoomJournal::append(const QJsonObject &event, bool sync)
{
    QFile file(m_path);
    const auto fail = [&] {
        throw MorvaneError(QCoreApplication::translate("RoomJournal", "Cannot write the room file %1: %2")
                               .arg(m_path, file.errorString()));
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        fail();
    // A line torn by an earlier crash must not swallow this one.
    QByteArray line = formatLine(event);
    if (file.size() > 0) {
        QFile tail(m_path);
        if (tail.open(QIODevice::ReadOnly) && tail.seek(file.size() - 1) && tail.read(1) != "\n")
            line.prepend('\n');
    }
    if (file.write(line) != line.size() || !file.flush())
        fail();
    if (sync && ::fsync(file.handle()) != 0)
        fail();
}
