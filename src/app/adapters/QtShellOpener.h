#pragma once

#include "docs/ShellOpener.h"

// Opens documents and addresses through QDesktopServices (xdg-open on Linux).
class QtShellOpener : public IShellOpener
{
public:
    void openDocument(const QString &path) override;
    void openAddress(const QString &address) override;
};
