#include "app/CupsQueue.h"

#include <QFile>

#include <cups/cups.h>

int cupsDefaultResolution(const QString &printer)
{
    const QByteArray name = printer.toUtf8();
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (!dest)
        return 0;
    int dpi = 0;
    if (cups_dinfo_t *info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
        if (ipp_attribute_t *a = cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "printer-resolution")) {
            int y = 0;
            ipp_res_t units = IPP_RES_PER_INCH;
            const int x = ippGetResolution(a, 0, &y, &units);
            dpi = units == IPP_RES_PER_CM ? (y * 254 + 50) / 100 : y;
            if (x <= 0)
                dpi = 0;
        }
        cupsFreeDestInfo(info);
    }
    cupsFreeDests(1, dest);
    return dpi;
}

int cupsSubmit(const QString &printer, const QString &file, const QString &title, const QString &media, QString &error)
{
    cups_option_t *options = nullptr;
    int count = 0;
    if (!media.isEmpty())
        count = cupsAddOption("media", media.toUtf8().constData(), count, &options);
    const int job = cupsPrintFile(printer.toUtf8().constData(), QFile::encodeName(file).constData(),
                                  title.toUtf8().constData(), count, options);
    cupsFreeOptions(count, options);
    if (job == 0)
        error = QString::fromUtf8(cupsLastErrorString());
    return job;
}
