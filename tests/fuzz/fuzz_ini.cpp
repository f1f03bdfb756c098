// The settings reader and writer on arbitrary files: reading must not crash
// and must give values of at most 2047 characters; a value written must read
// back as written, a second key written must leave the first as it was, and
// a fresh accessor must read the file exactly as the writing one sees it.
#include "docs/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

const QStringList Keys{"FountName",  "FontSize",   "ChkFreeSpace", "TxtFreeSpace",
                       "ChkHeading", "TxtHeading", "CardSize",     "ChkWordWrap"};
const QStringList Sections{"Options", "Other", "options"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Options.ini"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    }
    IniFile ini(path);
    const QString section = QStringLiteral("Options");
    for (const QString &key : Keys) {
        if (ini.readString(section, key, QStringLiteral("default")).size() > IniFile::MaxValueLength)
            std::abort();
        ini.readInteger(section, key, 20);
        ini.readBool(section, key, true);
    }
    ini.writeString(section, QStringLiteral("TxtHeading"), QStringLiteral("LOTTO"));
    if (ini.readString(section, QStringLiteral("TxtHeading"), QString()) != QLatin1String("LOTTO"))
        std::abort();
    ini.writeInteger(section, QStringLiteral("CardSize"), 2);
    if (ini.readInteger(section, QStringLiteral("CardSize"), -1) != 2
        || ini.readString(section, QStringLiteral("TxtHeading"), QString()) != QLatin1String("LOTTO"))
        std::abort();
    ini.writeString(QStringLiteral("Other"), QStringLiteral("FountName"), QStringLiteral("a longer value than most"));
    ini.close();
    const IniFile fresh(path);
    for (const QString &s : Sections) {
        for (const QString &key : Keys) {
            if (ini.readString(s, key, QStringLiteral("default"))
                != fresh.readString(s, key, QStringLiteral("default")))
                std::abort();
        }
    }
    return 0;
}
