#pragma once

#include "docs/ShellOpener.h"

#include <QList>
#include <QString>

// Records what it was asked to open, in order; opens nothing, and answers
// as a desktop with or without a program for it would.
class FakeShellOpener : public IShellOpener
{
public:
    enum class Kind { Document, Address };
    struct Opened
    {
        Kind kind;
        QString target;
        bool operator==(const Opened &o) const { return kind == o.kind && target == o.target; }
    };

    QList<Opened> opened;
    bool canOpen = true;

    bool openDocument(const QString &path) override
    {
        opened.append({Kind::Document, path});
        return canOpen;
    }
    bool openAddress(const QString &address) override
    {
        opened.append({Kind::Address, address});
        return canOpen;
    }
};
