#include "app/AppIcon.h"
#include "app/CupsPrintService.h"
#include "app/QtFontCatalogue.h"
#include "app/QtProgress.h"
#include "app/QtPrompts.h"
#include "app/QtShellOpener.h"
#include "app/Translations.h"
#include "app/UnitMain.h"
#include "card/RandomSource.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installTranslators(app);
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

    MainServices services;
    services.prompts = &prompts;
    services.random = &random;
    services.shell = &shell;
    services.fonts = &fonts;
    services.printService = &printService;
    services.progress = &progress;

    TFrmMain FrmMain(services);
    prompts.setParent(&FrmMain);
    progress.setParent(&FrmMain);
    if (const QScreen *screen = FrmMain.screen()) {
        const QRect area = screen->availableGeometry();
        FrmMain.move(area.center() - QPoint(FrmMain.width() / 2, FrmMain.height() / 2));
    }
    FrmMain.show();
    FrmMain.openStartupDocuments(QApplication::arguments().mid(1));
    return app.exec();
}
