#pragma once

#include "app/adapters/QtCanvas.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <memory>

class QIODevice;

// A PDF document drawn through QtCanvas on pages of the given layout and
// resolution. The painter's origin is the top-left of the layout's paint
// rectangle (the page less its margins), and points map through the
// resolution. The painter opens at construction.
class PdfPages
{
public:
    // The device must be open for writing and outlive the pages.
    PdfPages(QIODevice &device, const QPageLayout &layout, int resolution, const QString &title);
    ~PdfPages();
    PdfPages(const PdfPages &) = delete;
    PdfPages &operator=(const PdfPages &) = delete;

    ICanvas &canvas() { return *m_canvas; }
    void setTitle(const QString &title) { m_writer.setTitle(title); }
    void newPage();
    // Writes the rest of the document; false when the engine failed.
    bool finish();

private:
    QPdfWriter m_writer;
    QPainter m_painter;
    std::unique_ptr<QtCanvas> m_canvas;
};
