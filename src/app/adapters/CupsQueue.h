#pragma once

#include <QString>
#include <QStringList>

// The few libcups calls Qt does not offer.

// The queue's default resolution in dots per inch, 0 when it names none.
int cupsDefaultResolution(const QString &printer);

// Queues the file on the printer with the title and the media option. Returns
// the job id, or 0 with CUPS's own message in error.
int cupsSubmit(const QString &printer, const QString &file, const QString &title, const QString &media, QString &error);

// The queues CUPS offers, named as Qt names them ("queue" or
// "queue/instance"), in CUPS's order, and the default one's name (empty when
// none is the default). Blocks until the server answers.
struct CupsDestinations
{
    QStringList names;
    QString defaultName;
};
CupsDestinations cupsDestinations();

// Whether the server still has the queue: Gone when it answers that it has
// not, Unreachable (with CUPS's own words in error) when it cannot be asked.
enum class QueueState { Present, Gone, Unreachable };
QueueState cupsQueueState(const QString &printer, QString &error);
