#include "print/CallList.h"

#include "card/Error.h"
#include "print/EntryCheck.h"
#include "print/PrintMessages.h"
#include "print/PrintSetup.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

const QString Em = QStringLiteral("M");

// Where the entries went: the columns used, and the first entry that would
// not fit its column without shrinking below the legible size (-1: none).
struct Filled
{
    qint64 columns = 0;
    qsizetype illegible = -1;
};

// Walks the entries down the columns as they are drawn, at the size each is
// drawn in, and hands every placement to place(x, y, entry). Stops at the
// first entry that cannot be made legible in its column.
template <typename Place>
Filled fillColumns(ICanvas &canvas, const QStringList &entries, const PageGeometry &page, int usableHeight,
                   int columnWidth, Place place)
{
    Filled filled;
    qint64 column = 0;
    int y = 0;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString &entry = entries.at(i);
        const int size = canvas.fontSize();
        const auto tooWide = [&] { return canvas.textWidth(entry) > columnWidth - 2 * canvas.textWidth(Em); };
        while (canvas.fontSize() > LegibleCallListSize && tooWide())
            canvas.setFontSize(canvas.fontSize() - 1);
        if (tooWide()) {
            canvas.setFontSize(size);
            filled.illegible = i;
            return filled;
        }
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
    filled.columns = entries.isEmpty() ? 0 : column + 1;
    return filled;
}

// The page is the printer's fault, not the list's, when not even one line
// of legible type fits it.
bool roomForALine(ICanvas &canvas, const PageGeometry &page, int usableHeight)
{
    const int size = canvas.fontSize();
    canvas.setFontSize(std::min(size, LegibleCallListSize));
    const bool room =
        usableHeight >= canvas.textHeight(Em) && page.width - 2 * page.marginX >= 3 * canvas.textWidth(Em);
    canvas.setFontSize(size);
    return room;
}

QString tooLong(const QStringList &entries, qint64 columns, qsizetype illegible)
{
    constexpr qsizetype Shown = 40;
    QString entry = entries.at(illegible);
    if (entry.size() > Shown)
        entry = entry.left(Shown - 1) + QChar(0x2026);
    return QCoreApplication::translate(
               "CallList", "The call list is too long to print on one page: %1 entries need %2 columns, and \"%3\" "
                           "would print smaller than %4 points")
        .arg(entries.size())
        .arg(columns)
        .arg(entry)
        .arg(LegibleCallListSize);
}

} // namespace

CallListLayout layoutCallList(ICanvas &canvas, const QStringList &entries, const PageGeometry &page)
{
    CallListLayout layout;
    layout.usableHeight = page.height - 2 * page.marginY;
    if (layout.usableHeight <= 0 || !roomForALine(canvas, page, layout.usableHeight))
        throw MorvaneError(PrintMessages::areaTooSmall());
    for (const QString &entry : entries)
        layout.totalHeight += canvas.textHeight(entry);
    const qint64 u = layout.usableHeight;
    layout.columns = std::max<qint64>(1, layout.totalHeight / u + (layout.totalHeight % u != 0 ? 1 : 0));
    // Entries kept off the paper's edge can need more columns than the total
    // height says; narrower columns may shrink entries, so try again. More
    // columns never make an entry legible again.
    for (;;) {
        layout.columnWidth = int(std::max<qint64>(0, (page.width - 2 * page.marginX) / layout.columns));
        const Filled filled = fillColumns(canvas, entries, page, layout.usableHeight, layout.columnWidth,
                                          [](int, int, const QString &) {});
        if (filled.illegible >= 0)
            throw MorvaneError(tooLong(entries, layout.columns, filled.illegible));
        if (filled.columns <= layout.columns)
            return layout;
        ++layout.columns;
    }
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
