#include "app/adapters/CupsQueue.h"

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

namespace {

QString destinationName(const cups_dest_t &dest)
{
    QString name = QString::fromLocal8Bit(dest.name);
    if (dest.instance)
        name += QLatin1Char('/') + QString::fromLocal8Bit(dest.instance);
    return name;
}

} // namespace

CupsDestinations cupsDestinations()
{
    CupsDestinations found;
    cups_dest_t *dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    for (int i = 0; i < count; ++i) {
        found.names.append(destinationName(dests[i]));
        if (dests[i].is_default)
            found.defaultName = found.names.constLast();
    }
    cupsFreeDests(count, dests);
    return found;
}

namespace {

// Asks the server for one attribute of the queue at that path ("printers" or
// "classes"); the answer's status tells whether it is there.
ipp_status_t askForQueue(const char *kind, const QByteArray &queue)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/%s/%s", kind,
                     queue.constData());
    ipp_t *request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "printer-state");
    ippDelete(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
    return cupsLastError();
}

} // namespace

QueueState cupsQueueState(const QString &printer, QString &error)
{
    // An instance is the client's own variant of its queue.
    const QByteArray queue = printer.left(printer.indexOf(QLatin1Char('/'))).toUtf8();
    // cupsGetNamedDest would be shorter, but it reports an unreachable server
    // as a missing queue.
    ipp_status_t status = askForQueue("printers", queue);
    if (status == IPP_STATUS_ERROR_NOT_FOUND)
        status = askForQueue("classes", queue);
    if (status <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return QueueState::Present;
    if (status == IPP_STATUS_ERROR_NOT_FOUND)
        return QueueState::Gone;
    error = QString::fromUtf8(cupsLastErrorString());
    return QueueState::Unreachable;
}
