#include "print/PrintSetup.h"

PageGeometry preparePage(IPrintService &service, const CardSettings &settings)
{
    const PrintableArea area = service.printableArea();
    service.setTitle(QStringLiteral("Morvane"));
    ICanvas &canvas = service.canvas();
    canvas.setFontName(settings.fontName);
    canvas.setFontSize(clampedFontSize(settings.fontSize));
    canvas.setFontStyle(FontStyle::Bold);
    canvas.setFontColor(0x000000);
    return pageGeometry(area, canvas.penWidth());
}
