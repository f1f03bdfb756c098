#include "docs/FileErrors.h"

#include "card/Error.h"

#include <cerrno>

QString fileErrorMessage(int errorNumber, bool creating)
{
    switch (errorNumber) {
    case ENOENT:
        return creating ? QStringLiteral("Invalid filename") : QStringLiteral("File not found");
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP:
        return QStringLiteral("Invalid filename");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Too many open files");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return QStringLiteral("File access denied");
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return QStringLiteral("Disk full");
    default:
        return QStringLiteral("I/O error %1").arg(errorNumber);
    }
}

void throwFileError(int errorNumber, bool creating)
{
    throw MorvaneError(fileErrorMessage(errorNumber, creating));
}
