#include "print/RecordingPrintService.h"

#include "card/Error.h"
#include "print/PrintMessages.h"

// Measures and holds the font on the inner service's canvas; keeps the
// drawing calls.
class RecordingPrintService::Canvas : public ICanvas
{
public:
    explicit Canvas(ICanvas &inner) : m_inner(inner) {}

    RecordedPage page;

    void fillRect(const CanvasRect &rect) override { page.calls.emplace_back(RecordedFill{rect}); }
    CanvasRect clipRect() const override { return m_inner.clipRect(); }
    int penWidth() const override { return m_inner.penWidth(); }
    void moveTo(int x, int y) override
    {
        m_x = x;
        m_y = y;
    }
    void lineTo(int x, int y) override
    {
        page.calls.emplace_back(RecordedLine{m_x, m_y, x, y});
        m_x = x;
        m_y = y;
    }
    void textOut(int x, int y, const QString &text) override { record(x, y, text, std::nullopt); }
    void textOutClipped(int x, int y, const QString &text, const CanvasRect &clip) override
    {
        record(x, y, text, clip);
    }
    int textWidth(const QString &text) override { return m_inner.textWidth(text); }
    int textHeight(const QString &text) override { return m_inner.textHeight(text); }
    QString fontName() const override { return m_inner.fontName(); }
    void setFontName(const QString &name) override { m_inner.setFontName(name); }
    int fontSize() const override { return m_inner.fontSize(); }
    void setFontSize(int points) override { m_inner.setFontSize(points); }
    FontStyle fontStyle() const override { return m_inner.fontStyle(); }
    void setFontStyle(FontStyle style) override { m_inner.setFontStyle(style); }
    void setFontColor(unsigned rgb) override
    {
        m_color = rgb;
        m_inner.setFontColor(rgb);
    }

    ICanvas &inner() const { return m_inner; }

private:
    void record(int x, int y, const QString &text, std::optional<CanvasRect> clip)
    {
        page.calls.emplace_back(
            RecordedText{x, y, text, m_inner.fontName(), m_inner.fontSize(), m_inner.fontStyle(), m_color, clip});
    }

    ICanvas &m_inner;
    int m_x = 0;
    int m_y = 0;
    unsigned m_color = 0x000000;
};

RecordingPrintService::RecordingPrintService(IPrintService &inner) : m_inner(inner) {}

RecordingPrintService::~RecordingPrintService() = default;

void RecordingPrintService::selectPrinter(int position)
{
    if (m_printing)
        throw MorvaneError(PrintMessages::printingInProgress());
    m_canvas.reset();
    m_inner.selectPrinter(position);
}

PrintableArea RecordingPrintService::printableArea()
{
    // A fresh page: the inner canvas may be another one now.
    m_canvas.reset();
    return m_inner.printableArea();
}

PaperSheet RecordingPrintService::paperSheet()
{
    return m_inner.paperSheet();
}

ICanvas &RecordingPrintService::canvas()
{
    ICanvas &inner = m_inner.canvas();
    if (!m_canvas || &m_canvas->inner() != &inner)
        m_canvas = std::make_unique<Canvas>(inner);
    return *m_canvas;
}

void RecordingPrintService::beginDoc()
{
    if (m_printing)
        throw MorvaneError(PrintMessages::printingInProgress());
    canvas();
    m_canvas->page = {};
    m_open.clear();
    m_printing = true;
}

void RecordingPrintService::newPage()
{
    if (m_printing)
        m_open.push_back(takePage());
}

void RecordingPrintService::endDoc()
{
    if (!m_printing)
        return;
    m_open.push_back(takePage());
    m_pages = std::move(m_open);
    m_open.clear();
    m_printing = false;
}

void RecordingPrintService::abortDoc()
{
    m_open.clear();
    if (m_canvas)
        m_canvas->page = {};
    m_printing = false;
    m_canvas.reset();
    m_inner.abortDoc();
}

RecordedPage RecordingPrintService::takePage()
{
    if (!m_canvas)
        return {};
    return std::exchange(m_canvas->page, {});
}
