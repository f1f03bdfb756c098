#include "game/GameLock.h"

#include "card/Error.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray lockPathOf(const QString &gamePath)
{
    const QFileInfo info(gamePath);
    return QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".lock"));
}

QString holderOf(int fd)
{
    char buffer[256];
    const ssize_t n = ::pread(fd, buffer, sizeof buffer - 1, 0);
    return n > 0 ? QString::fromUtf8(buffer, n).trimmed() : QString();
}

[[noreturn]] void refuse(const QString &gamePath, const QString &holder)
{
    const QString game = QStringLiteral("\"%1\"").arg(QFileInfo(gamePath).fileName());
    const qsizetype space = holder.indexOf(QLatin1Char(' '));
    if (space <= 0)
        throw MorvaneError(QCoreApplication::translate("GameLock",
                                                       "The game %1 is being called in another Caller window, so "
                                                       "it cannot be called here at the same time")
                               .arg(game));
    throw MorvaneError(QCoreApplication::translate("GameLock",
                                                   "The game %1 is being called in another Caller window (Morvane "
                                                   "process %2 on %3), so it cannot be called here at the same time")
                           .arg(game, holder.left(space), holder.mid(space + 1)));
}

} // namespace

std::unique_ptr<GameLock> GameLock::take(const QString &gamePath)
{
    const QByteArray lockPath = lockPathOf(gamePath);
    // A holder removes the file as it lets go: a lock taken on a file that
    // is no longer the one at the path is taken again on the new one.
    for (int attempt = 0; attempt < 10; ++attempt) {
        const int fd = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0)
            return nullptr;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            if (error != EWOULDBLOCK) {
                ::close(fd);
                return nullptr;
            }
            const QString holder = holderOf(fd);
            ::close(fd);
            refuse(gamePath, holder);
        }
        struct stat opened
        {
        };
        struct stat named
        {
        };
        if (::fstat(fd, &opened) != 0 || ::stat(lockPath.constData(), &named) != 0 || opened.st_ino != named.st_ino
            || opened.st_dev != named.st_dev) {
            ::close(fd);
            continue;
        }
        const QByteArray holder =
            QByteArray::number(qint64(::getpid())) + ' ' + QSysInfo::machineHostName().toUtf8() + '\n';
        // Without the note the lock still holds; a refusal then names no program.
        const bool noted =
            ::ftruncate(fd, 0) == 0 && ::pwrite(fd, holder.constData(), std::size_t(holder.size()), 0) == holder.size();
        Q_UNUSED(noted);
        return std::unique_ptr<GameLock>(new GameLock(fd, lockPath));
    }
    return nullptr;
}

GameLock::~GameLock()
{
    // Removed while still held, so nobody takes a lock on a file on its way out.
    ::unlink(m_lockPath.constData());
    ::close(m_fd);
}
