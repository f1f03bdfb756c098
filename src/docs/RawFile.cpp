#include "docs/RawFile.h"

#include "docs/FileErrors.h"

#include "card/Error.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    // Closes now and reports the close's own failure (a late write error on
    // some file systems).
    int closeNow()
    {
        const int rc = ::close(m_fd);
        m_fd = -1;
        return rc;
    }

private:
    int m_fd;
};

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

// Where the bytes really go: through a symbolic link to its target, so the
// link survives the rename.
QString resolvedTarget(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.symLinkTarget();
        if (!target.isEmpty())
            return target;
    }
    return path;
}

} // namespace

void readWholeFile(const QString &path, QByteArray &bytes)
{
    bytes.clear();
    if (path.isEmpty())
        throwFileError(ENOENT);
    // Non-blocking open: a FIFO chosen as a document must not wait for a writer.
    Descriptor fd(::open(nativePath(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
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
    if (st.st_size > MaxReadableFileSize)
        throw MorvaneError(QStringLiteral("File too large"));
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
        if (bytes.size() + n > MaxReadableFileSize)
            throw MorvaneError(QStringLiteral("File too large"));
        bytes.append(buffer, qsizetype(n));
    }
}

void writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        throwFileError(ENOENT, true);
    const QString target = resolvedTarget(path);
    const QByteArray targetName = nativePath(target);

    // The rename needs only the folder to be writable; a read-only file must
    // still refuse the write, as it would be refused in place.
    mode_t mode = 0666;
    bool existed = false;
    {
        Descriptor probe(::open(targetName.constData(), O_WRONLY | O_CLOEXEC));
        if (probe.get() >= 0) {
            struct stat st
            {
            };
            if (::fstat(probe.get(), &st) == 0) {
                mode = st.st_mode & 07777;
                existed = true;
            }
        } else if (errno != ENOENT) {
            throwFileError(errno);
        }
    }

    QByteArray tempName;
    int tempFd = -1;
    for (int attempt = 0; attempt < 100 && tempFd < 0; ++attempt) {
        tempName = targetName + ".tmp" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        // Mode 0666 lets the umask decide a new file's permissions.
        tempFd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (tempFd < 0 && errno != EEXIST)
            throwFileError(errno, true);
    }
    if (tempFd < 0)
        throwFileError(EEXIST, true);

    Descriptor fd(tempFd);
    try {
        writeAll(fd.get(), bytes.constData(), bytes.size());
        if (existed && ::fchmod(fd.get(), mode) != 0)
            throwFileError(errno);
        if (::fsync(fd.get()) != 0 && errno != EINVAL)
            throwFileError(errno);
        if (fd.closeNow() != 0)
            throwFileError(errno);
        if (::rename(tempName.constData(), targetName.constData()) != 0)
            throwFileError(errno, true);
    } catch (...) {
        ::unlink(tempName.constData());
        throw;
    }
}
