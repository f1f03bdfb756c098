#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// An accessor for one INI file, with the semantics of the Windows profile
// functions: sections and keys match without regard to case, the first of
// duplicate keys wins, values come back trimmed and cut to 2047 characters.
// The file is read and parsed once, at the first access; a file of more
// than 1 MiB, or one that cannot be read, reads as defaults and is never
// written.
//
// A write changes or adds exactly one line and leaves every other byte as it
// was; the file is replaced atomically at once. A missing folder is never
// created. Writes throw MorvaneError("Unable to write to <path>").
//
// The first write takes an advisory lock on the file's folder and reads the
// file afresh under it; the lock is held until close(). So the writes of two
// copies of the program never mix: the last one to close wins whole.
class IniFile
{
public:
    static constexpr int MaxValueLength = 2047;
    static constexpr qsizetype MaxFileSize = 1024 * 1024;

    explicit IniFile(QString path);
    ~IniFile();
    IniFile(const IniFile &) = delete;
    IniFile &operator=(const IniFile &) = delete;

    const QString &path() const { return m_path; }

    QString readString(const QString &section, const QString &key, const QString &def) const;
    int readInteger(const QString &section, const QString &key, int def) const;
    bool readBool(const QString &section, const QString &key, bool def) const;

    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);

    // Every write is already on disk; releases the lock the writes took.
    void close();

    struct Line; // a line of the file that is not blank, parsed

private:
    enum class State { NotRead, Missing, Read, Unreadable };

    void load() const;
    void lockForWriting();
    void update(const QString &section, const QString &key, const QString &value);

    QString m_path;
    mutable State m_state = State::NotRead;
    mutable QByteArray m_bytes;
    mutable std::vector<Line> m_lines;
    int m_lockFd = -1;
};
