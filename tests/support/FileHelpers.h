#pragma once

#include "card/Error.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTest>
#include <functional>

// The file's bytes, or "<missing>" when it cannot be read.
inline QByteArray readBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return f.readAll();
}

// Writes the bytes as the file's whole content, making its folder if need
// be; fails the test when it cannot.
inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

// The message the command failed with, or "<no error>".
inline QString failureOf(const std::function<void()> &command)
{
    try {
        command();
    } catch (const MorvaneError &e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}
