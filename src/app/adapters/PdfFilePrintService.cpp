#include "app/adapters/PdfFilePrintService.h"

#include "card/Error.h"
#include "docs/FileErrors.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QRect>
#include <QSaveFile>

#include <cerrno>
#include <sys/stat.h>

PdfFilePrintService::PdfFilePrintService(QString path, const QPageSize &paper, QPageLayout::Orientation orientation)
    : m_path(std::move(path)),
      m_paper(paper),
      m_orientation(orientation)
{
}

PdfFilePrintService::~PdfFilePrintService()
{
    discard();
}

QPageSize PdfFilePrintService::localePaper()
{
    const QLocale::MeasurementSystem system = QLocale().measurementSystem();
    return QPageSize(system == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

void PdfFilePrintService::selectPrinter(int)
{
    requireIdle();
    discard();
}

PrintableArea PdfFilePrintService::printableArea()
{
    requireIdle();
    const qreal offset = 72.0 / 6; // points
    const QPageLayout layout(m_paper, m_orientation, QMarginsF(offset, offset, offset, offset), QPageLayout::Point);
    setPage(layout, Resolution);
    const QRect r = layout.paintRectPixels(Resolution);
    return {r.left(), r.top(), r.width(), r.height()};
}

QIODevice &PdfFilePrintService::openOutput()
{
    if (m_path.isEmpty()) {
        // Measuring writes next to nothing: the document never gets a page.
        m_measuring = std::make_unique<QBuffer>();
        m_measuring->open(QIODevice::WriteOnly);
        return *m_measuring;
    }
    // The finished file is renamed over the name: a device, a pipe or a
    // folder there would be replaced by it.
    struct stat st
    {
    };
    if (::stat(QFile::encodeName(m_path).constData(), &st) == 0 && !S_ISREG(st.st_mode))
        throw MorvaneError(QCoreApplication::translate("PdfFilePrintService",
                                                       "\"%1\" is not a regular file: the cards can only be written "
                                                       "to a new file or over an earlier file.")
                               .arg(m_path));
    m_file = std::make_unique<QSaveFile>(m_path);
    errno = 0;
    if (!m_file->open(QIODevice::WriteOnly)) {
        const int error = errno != 0 ? errno : EACCES;
        m_file.reset();
        throwFileError(error, true);
    }
    return *m_file;
}

void PdfFilePrintService::deliver(const QString &)
{
    if (!m_file)
        throw MorvaneError(
            QCoreApplication::translate("PdfFilePrintService", "There is no file to write the cards to"));
    errno = 0;
    if (!m_file->commit()) {
        const int error = errno != 0 ? errno : EIO;
        m_file.reset();
        throwFileError(error, true);
    }
    m_file.reset();
}

void PdfFilePrintService::pageWritten()
{
    if (!m_file)
        return;
    errno = 0;
    if (!m_file->flush() || m_file->error() != QFileDevice::NoError) {
        const int error = errno != 0 ? errno : EIO;
        throwFileError(error, true);
    }
}

void PdfFilePrintService::dropOutput()
{
    if (m_file)
        m_file->cancelWriting();
    m_file.reset();
    m_measuring.reset();
}
