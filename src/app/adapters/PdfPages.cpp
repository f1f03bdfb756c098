#include "app/adapters/PdfPages.h"

#include "card/Error.h"

#include <QCoreApplication>
#include <QIODevice>

PdfPages::PdfPages(QIODevice &device, const QPageLayout &layout, int resolution, const QString &title)
    : m_writer(&device)
{
    m_writer.setCreator(QStringLiteral("Morvane"));
    m_writer.setTitle(title);
    m_writer.setResolution(resolution);
    m_writer.setPageLayout(layout);
    if (!m_painter.begin(&m_writer))
        throw MorvaneError(QCoreApplication::translate("PrintService", "Cannot start the print document"));
    // The PDF engine hears of the pen only when it changes; without this the
    // first page's lines, drawn before any text, came out as hairline fills.
    m_painter.setPen(Qt::NoPen);
    m_canvas = std::make_unique<QtCanvas>(m_painter, Qt::white);
}

PdfPages::~PdfPages()
{
    m_canvas.reset();
    if (m_painter.isActive())
        m_painter.end();
}

void PdfPages::newPage()
{
    m_writer.newPage();
}

bool PdfPages::finish()
{
    m_canvas.reset();
    return m_painter.end();
}
