#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// How a game file keeps a text on one line: a backslash escapes itself, a
// line break (\n, \r), and, for a text that stands as a whole line, an empty
// text (\e) and a leading "[" that would start a section (\[).
QString escapedGameText(const QString &text, bool wholeLine);

// The text back, or nothing for an escape the file never writes.
std::optional<QString> unescapedGameText(QStringView text);
