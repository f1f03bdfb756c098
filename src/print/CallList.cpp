#include "print/CallList.h"

#include "card/Error.h"
#include "print/EntryCheck.h"
#include "print/PrintMessages.h"
#include "print/PrintSetup.h"

namespace {

const QString Em = QStringLiteral("M");

// Walks the entries down the columns as they are drawn, at the size each is
// drawn in, and hands every placement to place(x, y, entry). Returns the
// number of columns used.
template <typename Place>
qint64 fillColumns(ICanvas &canvas, const QStringList &entries, const PageGeometry &page, int usableHeight,
                   int columnWidth, Place place)
{
    qint64 column = 0;
    int y = 0;
    for (const QString &entry : entries) {
        const int size = canvas.fontSize();
        while (canvas.fontSize() > 1 && canvas.textWidth(entry) > columnWidth - 2 * canvas.textWidth(Em))
            canvas.setFontSize(canvas.fontSize() - 1);
        const int height = canvas.textHeight(entry);
        // Tested before drawing: an entry that starts above the usable height
        // stays in its column even when it runs into the bottom margin, but
        // not off the printable area, where it would be lost.
        if (y >= usableHeight || (y > 0 && page.marginY + y + height > page.height)) {
            ++column;
            y = 0;
        }
        place(page.marginX + int(column) * columnWidth, page.marginY + y, entry);
        y += height;
        canvas.setFontSize(size);
    }
    return entries.isEmpty() ? 0 : column + 1;
}

int columnWidthFor(const PageGeometry &page, qint64 columns)
{
    const qint64 width = (page.width - 2 * page.marginX) / columns;
    if (width <= 0)
        throw MorvaneError(PrintMessages::areaTooSmall());
    return int(width);
}

} // namespace

CallListLayout layoutCallList(ICanvas &canvas, const QStringList &entries, const PageGeometry &page)
{
    CallListLayout layout;
    layout.usableHeight = page.height - 2 * page.marginY;
    if (layout.usableHeight <= 0)
        throw MorvaneError(PrintMessages::areaTooSmall());
    for (const QString &entry : entries)
        layout.totalHeight += canvas.textHeight(entry);
    const qint64 u = layout.usableHeight;
    layout.columns = layout.totalHeight / u + (layout.totalHeight % u != 0 ? 1 : 0);
    if (layout.columns < 1)
        layout.columns = 1; // nothing to lay out
    layout.columnWidth = columnWidthFor(page, layout.columns);
    // Entries kept off the paper's edge can need more columns than the total
    // height says; narrower columns may shrink entries, so try again.
    while (fillColumns(canvas, entries, page, layout.usableHeight, layout.columnWidth, [](int, int, const QString &) {})
           > layout.columns) {
        ++layout.columns;
        layout.columnWidth = columnWidthFor(page, layout.columns);
    }
    return layout;
}

void drawCallList(ICanvas &canvas, const QStringList &entries, const PageGeometry &page, const CallListLayout &layout)
{
    fillColumns(canvas, entries, page, layout.usableHeight, layout.columnWidth,
                [&canvas](int x, int y, const QString &entry) { canvas.textOut(x, y, entry); });
}

PrintOutcome printCallList(const PrintRequest &request, const PrintContext &context)
{
    if (!checkEntryCount(request.words.size(), request.settings, context.prompts))
        return PrintOutcome::Refused;

    IPrintService &service = context.service;
    service.selectPrinter(request.printerPosition);
    DocumentGuard document(service);
    const PageGeometry page = preparePage(service, request.settings);
    ICanvas &canvas = service.canvas();
    const CallListLayout layout = layoutCallList(canvas, request.words, page);

    service.beginDoc();
    drawCallList(canvas, request.words, page, layout);
    document.endDoc();
    return PrintOutcome::Printed;
}
