#include "app/adapters/QtShellOpener.h"

#include <QDesktopServices>
#include <QUrl>

bool QtShellOpener::openDocument(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtShellOpener::openAddress(const QString &address)
{
    return QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
}
