#include "docs/RawFile.h"
#include "docs/FileDescriptor.h"

#include "docs/FileErrors.h"

#include "card/Error.h"

#include <QFile>
#include <QRandomGenerator>

#include <QCoreApplication>
#include <cerrno>
#include <climits>
#include <csignal>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray nativePath(const QString &path)
{
    return QFile::encodeName(path);
}

void writeAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throwFileError(errno);
        }
        data += n;
        size -= n;
    }
}

// A write past the file-size limit raises SIGXFSZ, whose default action ends
// the program and takes the unsaved list with it; ignored, the write fails
// with EFBIG like any full disk. A handler installed by someone else stays.
void ignoreFileSizeSignal()
{
    struct sigaction current
    {
    };
    if (::sigaction(SIGXFSZ, nullptr, &current) != 0 || (current.sa_flags & SA_SIGINFO)
        || current.sa_handler != SIG_DFL)
        return;
    struct sigaction ignore
    {
    };
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGXFSZ, &ignore, nullptr);
}

// The file the path finally names: every symbolic link of a chain is
// followed, so that the links stay links and the file at the end gets the
// bytes. The end may not exist yet.
QByteArray finalTarget(QByteArray path)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st
        {
        };
        if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(path.constData(), buffer, sizeof buffer);
        if (n < 0)
            return path;
        if (size_t(n) == sizeof buffer)
            throwFileError(ENAMETOOLONG);
        QByteArray target(buffer, qsizetype(n));
        if (!target.startsWith('/'))
            target.prepend(path.left(path.lastIndexOf('/') + 1));
        path = target;
    }
    throwFileError(ELOOP);
}

struct Place
{
    QByteArray folder;
    QByteArray name;
};

Place placeOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return {QByteArrayLiteral("."), path};
    return {slash == 0 ? QByteArrayLiteral("/") : path.left(slash), path.mid(slash + 1)};
}

constexpr qsizetype NameMax = 255;
constexpr qsizetype RandomLength = 6;
const QByteArray TempMark = QByteArrayLiteral(".morvane-");

// Our temporary files are hidden and named after the file, cut so that the
// whole name stays within the 255 bytes a name may have; a random tail
// follows the prefix.
QByteArray tempPrefix(const QByteArray &name)
{
    const qsizetype keep = NameMax - 1 - TempMark.size() - RandomLength;
    qsizetype cut = name.size();
    if (cut > keep) {
        cut = keep;
        // A character of several bytes is not cut in two.
        while (cut > 0 && (static_cast<unsigned char>(name.at(cut)) & 0xC0) == 0x80)
            --cut;
    }
    return '.' + name.left(cut) + TempMark;
}

QByteArray tempName(const Place &place, const QByteArray &prefix)
{
    static const char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name = place.folder + '/' + prefix;
    for (qsizetype i = 0; i < RandomLength; ++i)
        name.append(Letters[QRandomGenerator::global()->bounded(int(sizeof Letters - 1))]);
    return name;
}

// Temporary files that a killed save left behind: ours by name and owner,
// old enough not to be half-way through being made, and locked by no save
// still running.
void removeStaleTemporaries(const Place &place, const QByteArray &prefix)
{
    constexpr time_t StaleAfterSeconds = 10;
    DIR *dir = ::opendir(place.folder.constData());
    if (!dir)
        return;
    const time_t now = ::time(nullptr);
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArrayView name(entry->d_name);
        if (name.size() != prefix.size() + RandomLength || !name.startsWith(prefix))
            continue;
        const QByteArray path = place.folder + '/' + name.toByteArray();
        struct stat st
        {
        };
        if (::lstat(path.constData(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()
            || now - st.st_mtime < StaleAfterSeconds)
            continue;
        FileDescriptor fd(::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat opened
        {
        };
        if (fd.get() < 0 || ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0 || ::fstat(fd.get(), &opened) != 0
            || opened.st_ino != st.st_ino || opened.st_dev != st.st_dev)
            continue;
        ::unlink(path.constData());
    }
    ::closedir(dir);
}

// A named temporary file, for file systems that cannot make unnamed ones.
// It is locked from the start, so no other save takes it for a stale one.
int createNamedTemp(const Place &place, const QByteArray &prefix, QByteArray &name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = tempName(place, prefix);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::flock(fd, LOCK_EX);
            return fd;
        }
        if (errno != EEXIST) {
            const int error = errno;
            name.clear();
            errno = error;
            return -1;
        }
    }
    name.clear();
    errno = EEXIST;
    return -1;
}

// Gives the finished unnamed file a name beside the target; the rename that
// follows at once is the only moment a crash could leave it behind.
QByteArray linkIn(int fd, const Place &place, const QByteArray &prefix)
{
    ::flock(fd, LOCK_EX);
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = tempName(place, prefix);
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0)
            return name;
        if (errno != EEXIST)
            throwFileError(errno, true);
    }
    throwFileError(EEXIST, true);
}

// The last resort, when the folder takes no new file: not atomic. The room is
// claimed without changing the size, so a full disk (or the file-size limit)
// still leaves the old content alone, and the file only grows as the new
// bytes land: no moment shows a tail of zeros where they were to go.
void writeInPlace(int fd, off_t oldSize, const QByteArray &bytes)
{
    const off_t newSize = bytes.size();
    struct rlimit limit
    {
    };
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY && rlim_t(newSize) > limit.rlim_cur)
        throwFileError(EFBIG);
    if (newSize > oldSize && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, oldSize, newSize - oldSize) != 0
        && errno != EOPNOTSUPP && errno != ENOSYS)
        throwFileError(errno);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), off_t(done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throwFileError(errno);
        }
        done += n;
    }
    if (::fsync(fd) != 0 && errno != EINVAL)
        throwFileError(errno);
    if (newSize < oldSize && ::ftruncate(fd, newSize) != 0)
        throwFileError(errno);
    if (::fsync(fd) != 0 && errno != EINVAL)
        throwFileError(errno);
}

} // namespace

void readWholeFile(const QString &path, QByteArray &bytes, qsizetype maxSize)
{
    bytes.clear();
    if (path.isEmpty())
        throwFileError(ENOENT);
    // Non-blocking open: a FIFO chosen as a document must not wait for a writer.
    FileDescriptor fd(::open(nativePath(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0)
        throwFileError(errno);
    struct stat st
    {
    };
    if (::fstat(fd.get(), &st) != 0)
        throwFileError(errno);
    if (S_ISDIR(st.st_mode))
        throwFileError(EISDIR);
    // Pipes, sockets and devices never end or never start: only files are documents.
    if (!S_ISREG(st.st_mode))
        throwFileError(EACCES);
    if (st.st_size > maxSize)
        throw MorvaneError(QCoreApplication::translate("RawFile", "File too large"));
    ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
    if (st.st_size > 0)
        bytes.reserve(qsizetype(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throwFileError(errno);
        }
        if (bytes.size() + n > maxSize)
            throw MorvaneError(QCoreApplication::translate("RawFile", "File too large"));
        bytes.append(buffer, qsizetype(n));
    }
}

void writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        throwFileError(ENOENT, true);
    ignoreFileSizeSignal();
    const QByteArray target = finalTarget(nativePath(path));
    const Place place = placeOf(target);
    if (place.name.isEmpty())
        throwFileError(EISDIR);

    // Only a regular file that we may write is replaced. Probing it neither
    // blocks nor truncates, so a pipe or a device is left exactly as it was.
    int existingFd = -1;
    struct stat st
    {
    };
    if (::stat(target.constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            throwFileError(EISDIR);
        if (!S_ISREG(st.st_mode))
            throwFileError(EACCES);
        existingFd = ::open(target.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC);
        if (existingFd < 0)
            throwFileError(errno);
    } else if (errno != ENOENT) {
        throwFileError(errno, true);
    }
    FileDescriptor existing(existingFd);
    if (existing.get() >= 0 && (::fstat(existing.get(), &st) != 0 || !S_ISREG(st.st_mode)))
        throwFileError(EACCES);

    const QByteArray prefix = tempPrefix(place.name);
    removeStaleTemporaries(place, prefix);

    QByteArray named; // empty while the temporary file has no name
    int tempFd = ::open(place.folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (tempFd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL))
        tempFd = createNamedTemp(place, prefix, named);
    if (tempFd < 0) {
        const int error = errno;
        if (existing.get() < 0)
            throwFileError(error, true);
        writeInPlace(existing.get(), st.st_size, bytes);
        return;
    }

    FileDescriptor temp(tempFd);
    try {
        writeAll(temp.get(), bytes.constData(), bytes.size());
        if (existing.get() >= 0 && ::fchmod(temp.get(), st.st_mode & 07777) != 0)
            throwFileError(errno);
        if (::fsync(temp.get()) != 0 && errno != EINVAL)
            throwFileError(errno);
        if (named.isEmpty())
            named = linkIn(temp.get(), place, prefix);
        if (::rename(named.constData(), target.constData()) != 0)
            throwFileError(errno, true);
    } catch (...) {
        if (!named.isEmpty())
            ::unlink(named.constData());
        throw;
    }
}
