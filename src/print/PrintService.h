#pragma once

#include "render/Canvas.h"

#include <QString>
#include <QStringList>

#include <functional>

// Where the printable area lies on the paper, in device pixels: the physical
// offsets from the paper's top-left edge, and the area's size. The drawing
// origin is the area's top-left corner.
struct PrintableArea
{
    int offsetX = 0;
    int offsetY = 0;
    int width = 0;
    int height = 0;
};

// The sheet the printable area lies on: its size in device pixels and the
// device's resolution in dots per inch.
struct PaperSheet
{
    int width = 0;
    int height = 0;
    int dpi = 0;
};

// The printing service the print commands work through: one current printer
// for the process and at most one open document.
class IPrintService
{
public:
    virtual ~IPrintService() = default;

    // Starts finding the installed printers and the default without holding
    // the caller up, and calls ready on the caller's thread once printers()
    // and defaultPrinterPosition() tell them. A service that must ask a print
    // server calls it later, from the event loop, and never while the server
    // keeps silent; until then it knows no printer. One that knows at once
    // calls ready before returning.
    virtual void findPrinters(std::function<void()> ready) { ready(); }
    // The installed printers by name, in the service's order. The list is
    // taken once and kept, so positions stay those the printer list shows.
    virtual QStringList printers() = 0;
    // The system's default printer's position in printers(), -1 when there
    // is none.
    virtual int defaultPrinterPosition() = 0;
    // Makes the printer at that position of printers() current; -1 selects
    // the system's default printer. Throws "There is no default printer
    // currently selected" when there is none, and "Printing in progress"
    // while a document is open.
    virtual void selectPrinter(int position) = 0;
    // The current printer's position in printers(), -1 when none is current.
    virtual int printerIndex() const = 0;
    // Of the current printer; throws "Printer selected is not valid" when it
    // can no longer be opened.
    virtual PrintableArea printableArea() = 0;
    // The current printer's sheet once printableArea() has been read; zeros
    // where the service cannot tell.
    virtual PaperSheet paperSheet() { return {}; }

    virtual void setTitle(const QString &title) = 0;

    // The current printer's canvas, with points mapped through its
    // resolution. Valid once printableArea() has been read: measuring (and
    // setting the font) may come before the document begins, drawing not.
    virtual ICanvas &canvas() = 0;

    virtual bool printing() const = 0;
    // Opens the document and its first page; "Printing in progress" when one
    // is open already.
    virtual void beginDoc() = 0;
    // Closes the page and opens the next. A service that finds its output or
    // its printer failing says so here, within a page or a few, rather than
    // after the whole job is drawn.
    virtual void newPage() = 0;
    // Closes the last page and hands the document to the printer; a refusal
    // throws with the service's own message.
    virtual void endDoc() = 0;
    // Drops whatever was drawn or prepared since the printer was selected;
    // nothing reaches the printer. Harmless when nothing is open.
    virtual void abortDoc() = 0;
};
