#pragma once

#include "FakeCanvas.h"
#include "card/Error.h"
#include "print/PrintMessages.h"
#include "print/PrintService.h"

#include <QList>
#include <QSet>
#include <QStringList>

#include <functional>
#include <utility>

// A printing service with chosen printers and printable areas. It keeps what
// every page received, logs every call in order, and enforces the service's
// rules: one open document, drawing only inside it.
class FakePrintService : public IPrintService
{
public:
    struct Page
    {
        QList<FakeCanvas::Line> lines;
        QList<FakeCanvas::Text> texts;
    };

    FakePrintService() { canvasOf.clip = {0, 0, 0, 0}; }

    // The service's printers and the default's position (-1: none).
    QStringList installed{QStringLiteral("Fake Printer")};
    int defaultPosition = 0;
    // Printers that vanished after the list was taken.
    QSet<QString> vanished;
    PrintableArea area{150, 150, 4800, 6300};

    // While set, findPrinters keeps its callback in waitingForPrinters, as a
    // print server that has not answered yet; until it is called, the
    // service knows no printer.
    bool holdPrinters = false;
    std::function<void()> waitingForPrinters;

    // The calls received, in order: "printers", "select <n>", "area",
    // "title <t>", "begin", "newPage", "end", "abort".
    QStringList calls;
    // Documents handed to the printer, each as its pages.
    QList<QList<Page>> documents;
    int aborted = 0;
    // Drawing outside an open document; a correct job leaves it at 0.
    int strayDrawing = 0;
    // Called from endDoc before it succeeds; may throw to refuse the job.
    std::function<void()> onEndDoc;
    // Sees every finished page; with keepPages off, pages are not kept (long
    // jobs), and only their count is.
    std::function<void(const Page &)> onPage;
    bool keepPages = true;
    // The pages of each document handed to the printer.
    QList<int> pageCounts;

    FakeCanvas canvasOf;

    void findPrinters(std::function<void()> ready) override
    {
        if (holdPrinters)
            waitingForPrinters = std::move(ready);
        else
            ready();
    }
    // Answers as the server would: the printers become known, ready is called.
    void answerPrinters()
    {
        holdPrinters = false;
        if (auto ready = std::exchange(waitingForPrinters, {}))
            ready();
    }
    QStringList printers() override
    {
        calls.append(QStringLiteral("printers"));
        return holdPrinters ? QStringList() : installed;
    }
    int defaultPrinterPosition() override
    {
        return !holdPrinters && defaultPosition < installed.size() ? defaultPosition : -1;
    }
    void selectPrinter(int position) override
    {
        calls.append(QStringLiteral("select %1").arg(position));
        if (m_printing)
            throw MorvaneError(PrintMessages::printingInProgress());
        if (position < 0) {
            if (defaultPrinterPosition() < 0)
                throw MorvaneError(PrintMessages::noDefaultPrinter());
            position = defaultPosition;
        }
        if (holdPrinters || position >= installed.size())
            throw MorvaneError(PrintMessages::printerNotValid());
        m_current = position;
        m_areaRead = false;
    }
    int printerIndex() const override { return m_current; }
    PrintableArea printableArea() override
    {
        calls.append(QStringLiteral("area"));
        if (m_current < 0 || vanished.contains(installed.at(m_current)))
            throw MorvaneError(PrintMessages::printerNotValid());
        m_areaRead = true;
        canvasOf.clip = {0, 0, area.width, area.height};
        return area;
    }
    void setTitle(const QString &title) override
    {
        calls.append(QStringLiteral("title ") + title);
        m_title = title;
    }
    QString title() const { return m_title; }
    ICanvas &canvas() override
    {
        if (!m_areaRead)
            ++strayDrawing; // asked for before the printer's area was read
        return canvasOf;
    }
    bool printing() const override { return m_printing; }
    void beginDoc() override
    {
        calls.append(QStringLiteral("begin"));
        if (m_printing)
            throw MorvaneError(PrintMessages::printingInProgress());
        strayDrawing += int(canvasOf.lines.size() + canvasOf.texts.size());
        canvasOf.lines.clear();
        canvasOf.texts.clear();
        m_pages.clear();
        m_pageCount = 0;
        m_printing = true;
    }
    void newPage() override
    {
        calls.append(QStringLiteral("newPage"));
        requireOpen();
        takePage();
    }
    void endDoc() override
    {
        calls.append(QStringLiteral("end"));
        requireOpen();
        takePage();
        m_printing = false;
        if (onEndDoc)
            onEndDoc();
        documents.append(m_pages);
        pageCounts.append(m_pageCount);
        m_pages.clear();
    }
    void abortDoc() override
    {
        calls.append(QStringLiteral("abort"));
        if (m_printing)
            ++aborted;
        m_printing = false;
        m_pages.clear();
        canvasOf.lines.clear();
        canvasOf.texts.clear();
    }

    // How often the call was received.
    int callCount(const QString &call) const { return int(calls.count(call)); }
    const QList<Page> &lastDocument() const { return documents.constLast(); }

private:
    void requireOpen()
    {
        if (!m_printing)
            ++strayDrawing;
    }
    void takePage()
    {
        const Page page{canvasOf.lines, canvasOf.texts};
        ++m_pageCount;
        if (onPage)
            onPage(page);
        if (keepPages)
            m_pages.append(page);
        canvasOf.lines.clear();
        canvasOf.texts.clear();
    }

    int m_current = -1;
    bool m_areaRead = false;
    bool m_printing = false;
    QString m_title;
    QList<Page> m_pages;
    int m_pageCount = 0;
};
