#include "app/adapters/CupsPrintService.h"

#include "app/adapters/CupsQueue.h"
#include "card/Error.h"
#include "print/PrintMessages.h"

#include <QDir>
#include <QObject>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <thread>
#include <utility>

// What the lookup thread shares with the service. The thread may outlive the
// service (a server that never answers keeps it waiting): it only posts its
// answer to `answers`, and only while the service still has it.
struct CupsPrintService::Lookup
{
    std::mutex mutex;
    QObject *answers = nullptr;
};

CupsPrintService::CupsPrintService() : m_lookup(std::make_shared<Lookup>()), m_answers(std::make_unique<QObject>())
{
    m_lookup->answers = m_answers.get();
}

CupsPrintService::~CupsPrintService()
{
    {
        const std::lock_guard<std::mutex> lock(m_lookup->mutex);
        m_lookup->answers = nullptr;
    }
    discard();
}

void CupsPrintService::findPrinters(std::function<void()> ready)
{
    if (m_names) {
        ready();
        return;
    }
    if (m_ready) {
        // Asked again while the answer is awaited: both hear of it.
        ready = [first = std::move(m_ready), second = std::move(ready)] {
            first();
            second();
        };
    }
    m_ready = std::move(ready);
    if (m_lookupRunning)
        return;
    m_lookupRunning = true;
    std::thread([this, lookup = m_lookup] {
        const CupsDestinations found = cupsDestinations();
        const std::lock_guard<std::mutex> lock(lookup->mutex);
        if (!lookup->answers)
            return;
        // Runs on the service's thread, and not at all once the service
        // (and with it `answers`) is gone.
        QMetaObject::invokeMethod(
            lookup->answers,
            [this, found] {
                m_lookupRunning = false;
                m_names = found.names;
                m_defaultName = found.defaultName;
                if (auto ready = std::exchange(m_ready, {}))
                    ready();
            },
            Qt::QueuedConnection);
    }).detach();
}

bool CupsPrintService::printersKnown()
{
    if (m_names)
        return true;
    if (m_lookupRunning)
        return false;
    const CupsDestinations found = cupsDestinations();
    m_names = found.names;
    m_defaultName = found.defaultName;
    return true;
}

QStringList CupsPrintService::printers()
{
    return printersKnown() ? *m_names : QStringList();
}

int CupsPrintService::defaultPrinterPosition()
{
    if (!printersKnown() || m_defaultName.isEmpty())
        return -1;
    return int(m_names->indexOf(m_defaultName));
}

void CupsPrintService::selectPrinter(int position)
{
    requireIdle();
    discard();
    // Until the server has answered, no printer is known, not even a default.
    if (!printersKnown())
        throw MorvaneError(position < 0 ? PrintMessages::noDefaultPrinter() : PrintMessages::printerNotValid());
    const QStringList &names = *m_names;
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

    QPrinter printer(info, QPrinter::HighResolution);
    // Qt's printer starts on A4 whatever paper the queue takes, with the
    // minimum margins of A4 on that queue: none at all when it has no A4.
    // Set to the queue's own default paper, it brings the imageable area
    // the queue's driver states for that paper.
    const QPageSize paper = info.defaultPageSize();
    if (paper.isValid())
        printer.setPageSize(paper);
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

void CupsPrintService::requireQueue()
{
    QString error;
    switch (cupsQueueState(m_current, error)) {
    case QueueState::Present:
        return;
    case QueueState::Gone:
        throw MorvaneError(PrintMessages::printerNotValid());
    case QueueState::Unreachable:
        throw MorvaneError(PrintMessages::printerRefusedJob(error));
    }
}

QIODevice &CupsPrintService::openOutput()
{
    m_file = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/morvane-XXXXXX.pdf"));
    if (!m_file->open()) {
        const QString reason = m_file->errorString();
        m_file.reset();
        throw MorvaneError(QCoreApplication::translate("PrintService", "Cannot create the print file: %1").arg(reason));
    }
    m_pagesSinceCheck = 0;
    return *m_file;
}

void CupsPrintService::writeOut()
{
    errno = 0;
    if (m_file->flush() && m_file->error() == QFileDevice::NoError)
        return;
    // Qt's own message for a failed flush is often just "Unknown error".
    const QString reason = errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : m_file->errorString();
    throw MorvaneError(QCoreApplication::translate("PrintService", "Cannot write the print file: %1").arg(reason));
}

void CupsPrintService::pageWritten()
{
    // Written out page by page, a full disk shows at the page it struck.
    writeOut();
    // A round trip to the server costs a few milliseconds: ask now and then.
    if (++m_pagesSinceCheck >= QueueCheckPages) {
        m_pagesSinceCheck = 0;
        requireQueue();
    }
}

void CupsPrintService::deliver(const QString &title)
{
    writeOut();
    requireQueue();
    QString error;
    const int job = cupsSubmit(m_current, m_file->fileName(), title, m_media, error);
    if (job == 0)
        throw MorvaneError(PrintMessages::printerRefusedJob(error));
    m_lastJob = job;
}

void CupsPrintService::dropOutput()
{
    m_file.reset();
}
