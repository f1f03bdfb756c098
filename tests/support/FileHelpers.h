#pragma once

#include "card/Error.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTest>
#include <functional>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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

// Runs the command in a child process and returns what it failed with, as
// failureOf() does, or "<killed by signal N>". prepare runs first in the
// child (to lower a limit or give up rights there); when it returns false
// the result is "<not prepared>". The child leaves at once, without running
// the test's destructors.
inline QString failureInChild(const std::function<bool()> &prepare, const std::function<void()> &command)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return QStringLiteral("<no pipe>");
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        const QByteArray message = prepare() ? failureOf(command).toUtf8() : QByteArrayLiteral("<not prepared>");
        [[maybe_unused]] const ssize_t n = ::write(fds[1], message.constData(), size_t(message.size()));
        ::_exit(0);
    }
    ::close(fds[1]);
    QByteArray message;
    char buffer[256];
    ssize_t n = 0;
    while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0)
        message.append(buffer, qsizetype(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFSIGNALED(status))
        return QStringLiteral("<killed by signal %1>").arg(WTERMSIG(status));
    return QString::fromUtf8(message);
}

// For failureInChild: writes past limit bytes fail, with the file-size
// signal at its default action, as a shell's "ulimit -f" leaves it.
inline bool limitFileSize(rlim_t limit)
{
    std::signal(SIGXFSZ, SIG_DFL);
    struct rlimit small
    {
    };
    if (::getrlimit(RLIMIT_FSIZE, &small) != 0)
        return false;
    small.rlim_cur = limit;
    return ::setrlimit(RLIMIT_FSIZE, &small) == 0;
}

// For failureInChild: folders that only their owner may write bind the
// child too, even when the test runs as root (the child becomes "nobody",
// who must own the files it is meant to write).
constexpr uid_t NobodyId = 65534;
inline bool becomeNobodyIfRoot()
{
    if (::geteuid() != 0)
        return true;
    return ::setgid(NobodyId) == 0 && ::setuid(NobodyId) == 0;
}
