#include "print/CellTextMemo.h"

#include "render/TextFit.h"

#include <optional>

namespace {

// Bounds the memo on lists of many distinct entries: room for every entry of
// a list of 100,000, each fitted once in a long job, but not for a list of
// long texts to fill memory. Texts drawn whole share the list's strings; the
// character count is what a cut or split text copies at worst.
constexpr qsizetype MaxFitted = 200000;
constexpr qsizetype MaxFittedChars = 4000000;

// Forwards everything and notes each string drawn, relative to the box.
class Recorder : public ICanvas
{
public:
    struct Draw
    {
        int dx, dy, size;
        QString text;
        std::optional<CanvasRect> clip;
    };
    Recorder(ICanvas &inner, int x, int y) : m_inner(inner), m_x(x), m_y(y) {}
    std::vector<Draw> draws;

    void fillRect(const CanvasRect &r) override { m_inner.fillRect(r); }
    CanvasRect clipRect() const override { return m_inner.clipRect(); }
    int penWidth() const override { return m_inner.penWidth(); }
    void moveTo(int x, int y) override { m_inner.moveTo(x, y); }
    void lineTo(int x, int y) override { m_inner.lineTo(x, y); }
    void textOut(int x, int y, const QString &text) override
    {
        draws.push_back({x - m_x, y - m_y, m_inner.fontSize(), text, std::nullopt});
        m_inner.textOut(x, y, text);
    }
    void textOutClipped(int x, int y, const QString &text, const CanvasRect &clip) override
    {
        const CanvasRect relative{clip.left - m_x, clip.top - m_y, clip.width, clip.height};
        draws.push_back({x - m_x, y - m_y, m_inner.fontSize(), text, relative});
        m_inner.textOutClipped(x, y, text, clip);
    }
    int textWidth(const QString &text) override { return m_inner.textWidth(text); }
    int textHeight(const QString &text) override { return m_inner.textHeight(text); }
    QString fontName() const override { return m_inner.fontName(); }
    void setFontName(const QString &name) override { m_inner.setFontName(name); }
    int fontSize() const override { return m_inner.fontSize(); }
    void setFontSize(int points) override { m_inner.setFontSize(points); }
    FontStyle fontStyle() const override { return m_inner.fontStyle(); }
    void setFontStyle(FontStyle style) override { m_inner.setFontStyle(style); }
    void setFontColor(unsigned rgb) override { m_inner.setFontColor(rgb); }

private:
    ICanvas &m_inner;
    int m_x;
    int m_y;
};

} // namespace

void CellTextMemo::print(ICanvas &canvas, int x, int y, const QString &text, int w, int h, bool wordWrap,
                         StartSize start)
{
    const QString face = canvas.fontName();
    if (face != m_face || canvas.fontStyle() != m_style) {
        m_fitted.clear();
        m_baseSizes.clear();
        m_chars = 0;
        m_face = face;
        m_style = canvas.fontStyle();
    }
    const int size = canvas.fontSize();
    const Key key{text, w, h, size, wordWrap, start};
    const auto found = m_fitted.constFind(key);
    if (found != m_fitted.cend()) {
        for (const Draw &d : *found) {
            canvas.setFontSize(d.size);
            if (d.clip)
                canvas.textOutClipped(x + d.dx, y + d.dy, d.text,
                                      {x + d.clip->left, y + d.clip->top, d.clip->width, d.clip->height});
            else
                canvas.textOut(x + d.dx, y + d.dy, d.text);
        }
        canvas.setFontSize(size);
        return;
    }

    // PrintCellText's own steps, with the base size, which depends only on
    // the box width and the starting size, found once. Large print starts
    // every text from the size itself.
    Recorder recorder(canvas, x, y);
    if (start == StartSize::Base) {
        auto base = m_baseSizes.find({w, size});
        if (base == m_baseSizes.end()) {
            lowerToBaseSize(canvas, w, PaperMargins);
            base = m_baseSizes.insert({w, size}, canvas.fontSize());
        }
        canvas.setFontSize(*base);
    }
    const CanvasRect box{x, y, w, h};
    fitCellText(recorder, box, text, wordWrap, PaperMargins, box);
    canvas.setFontSize(size);
    if (m_fitted.size() >= MaxFitted || m_chars >= MaxFittedChars) {
        m_fitted.clear();
        m_chars = 0;
    }
    std::vector<Draw> draws;
    draws.reserve(recorder.draws.size());
    for (auto &d : recorder.draws) {
        m_chars += d.text.size();
        draws.push_back({d.dx, d.dy, d.size, std::move(d.text), d.clip});
    }
    m_fitted.insert(key, std::move(draws));
}
