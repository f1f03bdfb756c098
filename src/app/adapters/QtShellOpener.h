#pragma once

#include "docs/ShellOpener.h"

// Opens documents and addresses through QDesktopServices (xdg-open on Linux).
class QtShellOpener : public IShellOpener
{
public:
    bool openDocument(const QString &path) override;
    bool openAddress(const QString &address) override;
};
