#include "docs/FileErrors.h"

#include "card/Error.h"

#include <QCoreApplication>
#include <cerrno>

QString fileErrorMessage(int errorNumber, bool creating)
{
    switch (errorNumber) {
    case ENOENT:
        return creating ? QCoreApplication::translate("FileErrors", "Invalid filename")
                        : QCoreApplication::translate("FileErrors", "File not found");
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP:
        return QCoreApplication::translate("FileErrors", "Invalid filename");
    case EMFILE:
    case ENFILE:
        return QCoreApplication::translate("FileErrors", "Too many open files");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return QCoreApplication::translate("FileErrors", "File access denied");
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return QCoreApplication::translate("FileErrors", "Disk full");
    default:
        return QCoreApplication::translate("FileErrors", "I/O error %1").arg(errorNumber);
    }
}

void throwFileError(int errorNumber, bool creating)
{
    throw MorvaneError(fileErrorMessage(errorNumber, creating));
}
