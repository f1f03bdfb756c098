#pragma once

#include <QDateTime>
#include <QString>

// The private CUPS server that scripts/with-test-printer starts for the
// tests (scripts/test-print-server). Tests print to it only, never to the
// machine's own printers.
namespace TestPrinter {

// Empty when the server is there to print to, else why not.
QString unavailable();

// The server's own folder, and the outputs of its file: queues.
QString serverDir();
QString marginsOutput();
QString letterOutput();
// Where clients reach it ("127.0.0.1:port"); empty when it has no port.
QString serverAddress();

// Waits until CUPS reports the job completed; false on timeout.
bool waitForJob(const QString &queue, int jobId);

// The PDF cups-pdf wrote for the job, in the printing user's passwd home
// (not $HOME, which the tests isolate); empty when none turned up in time.
// Job ids start again with every new server, so a file older than the job
// is not it.
QString cupsPdfFile(int jobId, const QDateTime &submitted);

// The media the server's page log names for the finished job ("-" when the
// job named none), empty when the log has no line for it.
QString pageLogMedia(const QString &queue, int jobId);

// Runs lpadmin (or another CUPS tool) against the private server.
bool cupsTool(const QString &program, const QStringList &args);

} // namespace TestPrinter
