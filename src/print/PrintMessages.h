#pragma once

#include <QString>

// The failures of the printing service, word for word, shared by every
// implementation of it.
namespace PrintMessages {

inline QString noDefaultPrinter()
{
    return QStringLiteral("There is no default printer currently selected");
}

inline QString printerNotValid()
{
    return QStringLiteral("Printer selected is not valid");
}

inline QString printingInProgress()
{
    return QStringLiteral("Printing in progress");
}

inline QString areaTooSmall()
{
    return QStringLiteral("The printable area of this printer is too small for this layout.");
}

} // namespace PrintMessages
