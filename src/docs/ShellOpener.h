#pragma once

#include <QString>

// Hands a document or an address to whatever program the desktop has
// registered for it. Nothing is reported back: a missing viewer, browser or
// mail program is the desktop's business, not ours.
class IShellOpener
{
public:
    virtual ~IShellOpener() = default;
    // A local file, by its full path.
    virtual void openDocument(const QString &path) = 0;
    // A web page or a mailto address.
    virtual void openAddress(const QString &address) = 0;
};
