#include "app/adapters/QtShellOpener.h"

#include <QDesktopServices>
#include <QUrl>

void QtShellOpener::openDocument(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void QtShellOpener::openAddress(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
}
