#pragma once

#include <QCoreApplication>
#include <QString>

// The failures of the printing service, word for word, shared by every
// implementation of it.
namespace PrintMessages {

inline QString noDefaultPrinter()
{
    return QCoreApplication::translate("PrintMessages", "There is no default printer currently selected");
}

inline QString printerNotValid()
{
    return QCoreApplication::translate("PrintMessages", "Printer selected is not valid");
}

inline QString printingInProgress()
{
    return QCoreApplication::translate("PrintMessages", "Printing in progress");
}

// A job the printer's server would not take, or could not be asked to
// take, with the server's own words.
inline QString printerRefusedJob(const QString &reason)
{
    return QCoreApplication::translate("PrintMessages", "The printer could not take the job: %1").arg(reason);
}

inline QString areaTooSmall()
{
    return QCoreApplication::translate("PrintMessages",
                                       "The printable area of this printer is too small for this layout.");
}

} // namespace PrintMessages
