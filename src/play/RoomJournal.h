#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

// The room of a game kept beside its game file, "<CODE>.mrvroom": one event
// a line, appended and never rewritten, each line led by the CRC-32 of the
// rest of it. A line cut short by a crash, or changed, is passed over on
// reading, so the events before it stand.
class RoomJournal
{
public:
    // The journal beside a game file: "Games/7KQ2.mrvgame" keeps its room
    // in "Games/7KQ2.mrvroom".
    static QString pathFor(const QString &gamePath);

    explicit RoomJournal(QString path) : m_path(std::move(path)) {}

    const QString &path() const { return m_path; }
    // The events kept, in order; none for a missing file. Throws
    // MorvaneError when the file is there but cannot be read.
    QList<QJsonObject> read() const;
    // Appends one event; with sync, returns only once it is on the disk.
    // Throws MorvaneError when it cannot be written.
    void append(const QJsonObject &event, bool sync);

    // One line of the file, newline included, and the event of a line
    // (an empty object when its check fails).
    static QByteArray formatLine(const QJsonObject &event);
    static QJsonObject parseLine(QByteArrayView line);

private:
    QString m_path;
};
