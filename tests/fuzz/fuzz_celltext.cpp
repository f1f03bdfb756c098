// Cell-text fitting on the fake canvas with arbitrary text, box and starting
// size: it must end, and must leave the font size as it found it.
#include "FakeCanvas.h"
#include "render/CellText.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

template <typename T>
T take(const std::uint8_t *&data, std::size_t &size)
{
    T value{};
    const std::size_t n = size < sizeof(T) ? size : sizeof(T);
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto width = take<std::int16_t>(data, size);
    const auto height = take<std::int16_t>(data, size);
    const auto startSize = take<std::int32_t>(data, size);
    const auto flags = take<std::uint8_t>(data, size);
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    FakeCanvas canvas;
    canvas.setFontSize(startSize);
    const bool wordWrap = flags & 1;
    if (flags & 2)
        PrintCellText(canvas, 3, 5, text, width, height, wordWrap);
    else
        DrawCellText(canvas, 3, 5, text, width, height, wordWrap);
    if (canvas.fontSize() != startSize)
        std::abort();
    return 0;
}
