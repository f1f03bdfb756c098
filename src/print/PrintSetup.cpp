#include "print/PrintSetup.h"

PageGeometry preparePage(IPrintService &service, const CardSettings &settings, PrintableArea *areaRead)
{
    const PrintableArea area = service.printableArea();
    if (areaRead)
        *areaRead = area;
    service.setTitle(QStringLiteral("Morvane"));
    ICanvas &canvas = service.canvas();
    canvas.setFontName(settings.fontName);
    canvas.setFontSize(clampedFontSize(settings.fontSize));
    canvas.setFontStyle(FontStyle::Bold);
    canvas.setFontColor(0x000000);
    return pageGeometry(area, canvas.penWidth());
}
