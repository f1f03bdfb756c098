#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

// Reads a PDF back with poppler's command-line tools.

struct PdfWord
{
    QString text;
    QRectF box; // in points from the page's top-left
};

struct PdfPage
{
    QSizeF size; // in points
    QList<PdfWord> words;
};

// Empty when poppler's tools are there, else why not.
QString popplerMissing();

// Every page with its words (pdftotext -bbox); empty when the file does not read.
QList<PdfPage> pdfPages(const QString &path);

// The document title from pdfinfo.
QString pdfTitle(const QString &path);

// Page `page` (from 1) drawn in grey at `dpi`; null when it does not draw.
QImage pdfPageImage(const QString &path, int page, int dpi);

// The smallest rectangle holding every pixel of ink on the grey image; empty
// on a blank page.
QRect inkBounds(const QImage &image);
