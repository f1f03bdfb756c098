#include "app/QtPrompts.h"
#include "app/UnitMain.h"
#include "card/RandomSource.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Morvane"));

    QtPrompts prompts;
    ClockRandomSource random;

    MainServices services;
    services.prompts = &prompts;
    services.random = &random;

    TFrmMain FrmMain(services);
    prompts.setParent(&FrmMain);
    if (const QScreen *screen = FrmMain.screen()) {
        const QRect area = screen->availableGeometry();
        FrmMain.move(area.center() - QPoint(FrmMain.width() / 2, FrmMain.height() / 2));
    }
    FrmMain.show();
    return app.exec();
}
