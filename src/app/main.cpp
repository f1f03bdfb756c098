#include "app/AppIcon.h"
#include "app/Translations.h"
#include "app/UnitMain.h"
#include "app/accessibility/Accessibility.h"
#include "app/adapters/CupsPrintService.h"
#include "app/adapters/QtFontCatalogue.h"
#include "app/adapters/QtProgress.h"
#include "app/adapters/QtPrompts.h"
#include "app/adapters/QtShellOpener.h"
#include "app/caller/UnitFrmCaller.h"
#include "app/cli/CommandLine.h"
#include "app/cli/CommandLineMain.h"
#include "app/game/QtCallerWindows.h"
#include "card/RandomSource.h"

#include <QApplication>
#include <QScreen>

#include <csignal>

int main(int argc, char *argv[])
{
    // A write past the file-size limit then fails with EFBIG, which every
    // writer reports as "Disk full" and cleans up after, instead of ending
    // the program with the unsaved list and a half-written file.
    std::signal(SIGXFSZ, SIG_IGN);
    if (const std::optional<int> status = runCommandLine(argc, argv))
        return *status;
    QApplication app(argc, argv);
    installTranslators(app);
    installAccessibleFactory();
    // No display name: Qt's xcb plugin would add " — Morvane" to every
    // window title that does not end with it.
    QApplication::setApplicationName(QStringLiteral("Morvane"));
    QApplication::setDesktopFileName(QStringLiteral("morvane"));
    QApplication::setWindowIcon(applicationIcon());

    QtPrompts prompts;
    ClockRandomSource random;
    QtShellOpener shell;
    QtFontCatalogue fonts;
    CupsPrintService printService;
    QtProgressFactory progress;
    // The caller window shares the program's printer; it makes its own
    // message boxes, progress dialog, voice and secure draws.
    CallerServices callerServices;
    callerServices.printService = &printService;
    QtCallerWindows callers(
        {[&callerServices] { return new TFrmCaller(callerServices); },
         [](QWidget &window, const QString &path) { return static_cast<TFrmCaller &>(window).openGame(path); },
         [](QWidget &window, const QStringList &words, const CardSettings &settings) {
             static_cast<TFrmCaller &>(window).openWordList(words, settings);
         }});

    MainServices services;
    services.prompts = &prompts;
    services.random = &random;
    services.shell = &shell;
    services.fonts = &fonts;
    services.printService = &printService;
    services.progress = &progress;
    services.callers = &callers;

    TFrmMain FrmMain(services);
    prompts.setParent(&FrmMain);
    progress.setParent(&FrmMain);
    if (const QScreen *screen = FrmMain.screen()) {
        const QRect area = screen->availableGeometry();
        FrmMain.move(area.center() - QPoint(FrmMain.width() / 2, FrmMain.height() / 2));
    }
    FrmMain.show();
    FrmMain.openStartupDocuments(documentArguments(QApplication::arguments().mid(1)));
    return app.exec();
}
