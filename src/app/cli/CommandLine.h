#pragma once

#include "card/CardKind.h"

#include <QPageSize>
#include <QString>
#include <QStringList>

#include <optional>

// What the program was asked to do on its command line.
struct CommandLine
{
    enum class Mode { Window, Help, Version, Export, Usage };
    Mode mode = Mode::Window;

    // The export's inputs. The counts stay as typed: the print job reads
    // them as it reads the window's boxes, and refuses them in its words.
    QString output;
    QString list;
    QString cards = QStringLiteral("1");
    QString perPage = QStringLiteral("1");
    std::optional<QPageSize::PageSizeId> paper; // none: the locale's
    // none: the kind chosen in the window
    std::optional<CardKind> kind;
    bool number = false;
    bool force = false;

    // Why a Usage line was refused.
    QString problem;
};

// How the program ends in a command-line mode.
namespace ExitStatus {
constexpr int Done = 0;
constexpr int Refused = 1; // the export was refused or failed; nothing was written
constexpr int BadUsage = 2;
constexpr int Interrupted = 130; // as a shell reports a Ctrl+C
} // namespace ExitStatus

// True when the arguments (the program's name left out) name one of the
// command-line options. Anything else belongs to the window as it always
// did: Qt's own options and the document to open.
bool isCommandLineMode(const QStringList &arguments);

CommandLine parseCommandLine(const QStringList &arguments);

// The lists the window is to open, from the arguments Qt left it: "--" only
// marks where names that start with '-' may follow.
QStringList documentArguments(const QStringList &arguments);

QString helpText(const QString &programName);
QString versionText();
