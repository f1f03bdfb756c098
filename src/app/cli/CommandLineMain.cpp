#include "app/cli/CommandLineMain.h"

#include "app/Translations.h"
#include "app/cli/CommandLine.h"
#include "app/cli/CommandLineText.h"
#include "app/cli/ConsolePrompts.h"
#include "app/cli/HeadlessExport.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <unistd.h>

std::optional<int> runCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine::Mode mode = parseCommandLine(arguments).mode;
    if (mode == CommandLine::Mode::Window)
        return std::nullopt;

    // The settings and games folders are named after the application.
    QCoreApplication::setApplicationName(QStringLiteral("Morvane"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString program = argc > 0 ? QFileInfo(QString::fromLocal8Bit(argv[0])).fileName() : QString();

    if (mode == CommandLine::Mode::Export) {
        // Drawing text needs a GUI application, but never a display: the
        // export runs the same from a terminal, a cron job or an SSH session.
        int guiArgc = 3;
        char platformOption[] = "-platform";
        char platform[] = "offscreen";
        char *guiArgv[] = {argv[0], platformOption, platform, nullptr};
        QGuiApplication app(guiArgc, guiArgv);
        installTranslators(app);
        return exportCards(parseCommandLine(arguments), out, err, isatty(fileno(stderr)) != 0);
    }

    QCoreApplication app(argc, argv);
    // Parsed again: its texts come in the desktop's language only once an
    // application holds the translators.
    installTranslators(app);
    const CommandLine line = parseCommandLine(arguments);
    switch (line.mode) {
    case CommandLine::Mode::Help:
        out << helpText(program);
        return ExitStatus::Done;
    case CommandLine::Mode::Version:
        out << versionText();
        return ExitStatus::Done;
    default:
        writeMessage(err, line.problem);
        err << CommandLineText::tr("Try '%1 --help' for more information.").arg(program) << '\n';
        return ExitStatus::BadUsage;
    }
}
