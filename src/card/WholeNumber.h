#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// The one string-to-whole-number conversion of the program: optional leading
// blanks, an optional sign, decimal digits or hexadecimal digits after "$",
// "x", "X", "0x" or "0X", nothing after them, within the signed 32-bit range.
std::optional<std::int32_t> tryStrToInt(const QString &text);

// As tryStrToInt, but a text that does not convert throws MorvaneError with
// "'<text>' is not a valid integer value".
std::int32_t strToInt(const QString &text);

// The key's default when the text does not convert.
std::int32_t strToIntDef(const QString &text, std::int32_t fallback);
