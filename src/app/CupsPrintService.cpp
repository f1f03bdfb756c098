#include "app/CupsPrintService.h"

#include "app/CupsQueue.h"
#include "card/Error.h"
#include "print/PrintMessages.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <algorithm>

CupsPrintService::CupsPrintService() = default;

CupsPrintService::~CupsPrintService()
{
    discard();
}

QStringList CupsPrintService::printers()
{
    if (!m_names)
        m_names = QPrinterInfo::availablePrinterNames();
    return *m_names;
}

void CupsPrintService::selectPrinter(int position)
{
    requireIdle();
    discard();
    const QStringList names = printers();
    if (position < 0) {
        const QString name = QPrinterInfo::defaultPrinterName();
        if (name.isEmpty())
            throw MorvaneError(PrintMessages::noDefaultPrinter());
        m_current = name;
        m_index = int(names.indexOf(name));
        return;
    }
    if (position >= names.size())
        throw MorvaneError(PrintMessages::printerNotValid());
    m_current = names.at(position);
    m_index = position;
}

PrintableArea CupsPrintService::printableArea()
{
    requireIdle();
    discard();
    // Qt's printer takes any name and keeps the previous printer for an unknown
    // one, so a queue deleted since the list was taken is caught here.
    if (m_current.isEmpty() || !QPrinterInfo::availablePrinterNames().contains(m_current))
        throw MorvaneError(PrintMessages::printerNotValid());
    const QPrinterInfo info = QPrinterInfo::printerInfo(m_current);
    if (info.isNull())
        throw MorvaneError(PrintMessages::printerNotValid());

    const QPrinter printer(info, QPrinter::HighResolution);
    QPageLayout layout = printer.pageLayout();
    layout.setMargins(layout.minimumMargins());

    int dpi = cupsDefaultResolution(m_current);
    if (dpi <= 0) {
        const QList<int> offered = info.supportedResolutions();
        dpi = offered.isEmpty() ? printer.resolution() : *std::max_element(offered.cbegin(), offered.cend());
    }
    m_media = layout.pageSize().key();
    setPage(layout, dpi);

    const QRect r = layout.paintRectPixels(dpi);
    return {r.left(), r.top(), r.width(), r.height()};
}

QIODevice &CupsPrintService::openOutput()
{
    m_file = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/morvane-XXXXXX.pdf"));
    if (!m_file->open()) {
        const QString reason = m_file->errorString();
        m_file.reset();
        throw MorvaneError(QStringLiteral("Cannot create the print file: %1").arg(reason));
    }
    return *m_file;
}

void CupsPrintService::deliver(const QString &title)
{
    if (!m_file->flush())
        throw MorvaneError(QStringLiteral("Cannot write the print file: %1").arg(m_file->errorString()));
    QString error;
    const int job = cupsSubmit(m_current, m_file->fileName(), title, m_media, error);
    if (job == 0)
        throw MorvaneError(error);
    m_lastJob = job;
}

void CupsPrintService::dropOutput()
{
    m_file.reset();
}
