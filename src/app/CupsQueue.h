#pragma once

#include <QString>

// The few libcups calls Qt does not offer.

// The queue's default resolution in dots per inch, 0 when it names none.
int cupsDefaultResolution(const QString &printer);

// Queues the file on the printer with the title and the media option. Returns
// the job id, or 0 with CUPS's own message in error.
int cupsSubmit(const QString &printer, const QString &file, const QString &title, const QString &media, QString &error);
