#pragma once

#include <QString>

enum class FontStyle { Regular, Bold };

struct CanvasRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The drawing surface of the sample card and of a printed page. Lengths are
// whole device pixels, font sizes whole points at the device's resolution.
class ICanvas
{
public:
    virtual ~ICanvas() = default;

    // Fills with the current brush colour (solid).
    virtual void fillRect(const CanvasRect &rect) = 0;
    virtual CanvasRect clipRect() const = 0;

    // The default pen: black, solid, penWidth() pixels.
    virtual int penWidth() const = 0;
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;

    // Writes the string with the top-left of its line box at (x, y), on an
    // opaque background in the brush colour.
    virtual void textOut(int x, int y, const QString &text) = 0;
    // The same, but nothing of it, background included, lands outside clip.
    virtual void textOutClipped(int x, int y, const QString &text, const CanvasRect &clip) = 0;
    // Writes text as textOut does, where the caller vouches that it is drawn
    // exactly as `alike` is but for digits standing in some of alike's 0s,
    // each as wide as a 0 and kerned with nothing. A canvas that shapes text
    // may then shape alike once for all such texts, and may leave out the
    // background: the caller writes it only where the page is bare.
    virtual void textOutAlike(int x, int y, const QString &text, const QString & /*alike*/) { textOut(x, y, text); }
    virtual int textWidth(const QString &text) = 0;
    // The height of the string's line box: the font's line height.
    virtual int textHeight(const QString &text) = 0;

    virtual QString fontName() const = 0;
    virtual void setFontName(const QString &name) = 0;
    virtual int fontSize() const = 0;
    virtual void setFontSize(int points) = 0;
    virtual FontStyle fontStyle() const = 0;
    virtual void setFontStyle(FontStyle style) = 0;
    // 0xRRGGBB
    virtual void setFontColor(unsigned rgb) = 0;
};
