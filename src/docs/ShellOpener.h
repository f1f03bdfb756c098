#pragma once

#include <QString>

// Hands a document or an address to whatever program the desktop has
// registered for it. Each call says whether a program could be started;
// what that program then does is the desktop's business.
class IShellOpener
{
public:
    virtual ~IShellOpener() = default;
    // A local file, by its full path.
    virtual bool openDocument(const QString &path) = 0;
    // A web page or a mailto address.
    virtual bool openAddress(const QString &address) = 0;
};
