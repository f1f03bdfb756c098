#pragma once

#include <QString>

// An accessor for one INI file, with the semantics of the Windows profile
// functions: sections and keys match without regard to case, the first of
// duplicate keys wins, values come back trimmed and cut to 2047 characters.
// Nothing is cached: every read and every write goes to the file.
//
// A write changes or adds exactly one line and leaves every other byte as it
// was; the file is replaced atomically. A missing folder is never created.
// Writes throw MorvaneError("Unable to write to <path>").
class IniFile
{
public:
    static constexpr int MaxValueLength = 2047;

    explicit IniFile(QString path);

    const QString &path() const { return m_path; }

    QString readString(const QString &section, const QString &key, const QString &def) const;
    int readInteger(const QString &section, const QString &key, int def) const;
    bool readBool(const QString &section, const QString &key, bool def) const;

    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);

    // Every write is already on disk; kept so callers release the accessor
    // where they would release a file.
    void close() {}

private:
    QString m_path;
};
