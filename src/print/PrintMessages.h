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

// A job the printer's server would not take, or could not be asked to
// take, with the server's own words.
inline QString printerRefusedJob(const QString &reason)
{
    return QStringLiteral("The printer could not take the job: %1").arg(reason);
}

inline QString areaTooSmall()
{
    return QStringLiteral("The printable area of this printer is too small for this layout.");
}

} // namespace PrintMessages
