#pragma once

#include <QColor>

// The caller's colours: dark on light with one strong colour for what is
// called and another for the latest call, told apart from the back of a
// hall and on a washed-out projector.
namespace CallerPalette {

inline QColor panel()
{
    return QColor(0xFF, 0xFF, 0xFF);
}
inline QColor ink()
{
    return QColor(0x11, 0x18, 0x27);
}
inline QColor faint()
{
    return QColor(0x6B, 0x72, 0x80);
}
inline QColor open()
{
    return QColor(0xE5, 0xE7, 0xEB);
}
inline QColor called()
{
    return QColor(0x1D, 0x4E, 0xD8);
}
inline QColor calledInk()
{
    return QColor(0xFF, 0xFF, 0xFF);
}
inline QColor latest()
{
    return QColor(0xF5, 0x9E, 0x0B);
}

} // namespace CallerPalette
