#pragma once

#include <QString>

// True for the characters the program trims: codes 0 to 32.
inline bool isBlankOrControl(QChar c)
{
    return c.unicode() <= 32;
}

// Removes leading and trailing characters with codes 0 to 32.
QString trimBlanks(const QString &text);
