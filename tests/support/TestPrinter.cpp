#include "TestPrinter.h"

#include "PdfReading.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <pwd.h>
#include <unistd.h>

namespace TestPrinter {

QString serverDir()
{
    return qEnvironmentVariable("MORVANE_TEST_CUPS");
}

QString marginsOutput()
{
    return serverDir() + QStringLiteral("/out/margins.pdf");
}

QString letterOutput()
{
    return serverDir() + QStringLiteral("/out/letter.pdf");
}

QString serverAddress()
{
    QFile port(serverDir() + QStringLiteral("/port"));
    if (!port.open(QIODevice::ReadOnly))
        return {};
    const QByteArray number = port.readAll().trimmed();
    return number.isEmpty() ? QString() : QStringLiteral("127.0.0.1:") + QString::fromLatin1(number);
}

QString unavailable()
{
    if (qEnvironmentVariableIsSet("MORVANE_TEST_CUPS_SKIP"))
        return QStringLiteral("no test print server: ") + qEnvironmentVariable("MORVANE_TEST_CUPS_SKIP");
    const QString dir = serverDir();
    if (dir.isEmpty())
        return QStringLiteral("no test print server: run the tests through scripts/with-test-printer (make test)");
    // Never the machine's own server.
    const QString address = serverAddress();
    if (address.isEmpty() || qEnvironmentVariable("CUPS_SERVER") != address)
        return QStringLiteral("CUPS_SERVER does not point at the test print server in ") + dir;
    if (!QFileInfo::exists(dir + QStringLiteral("/cups.sock")))
        return QStringLiteral("the test print server in %1 is not running").arg(dir);
    const QString poppler = popplerMissing();
    if (!poppler.isEmpty())
        return poppler;
    return {};
}

bool cupsTool(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool waitForJob(const QString &queue, int jobId)
{
    const QString id = QStringLiteral("%1-%2 ").arg(queue).arg(jobId);
    QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        QProcess p;
        p.start(QStringLiteral("lpstat"),
                {QStringLiteral("-W"), QStringLiteral("completed"), QStringLiteral("-o"), queue});
        if (p.waitForFinished(10000) && QString::fromUtf8(p.readAllStandardOutput()).contains(id))
            return true;
        QThread::msleep(100);
    }
    return false;
}

QString pageLogMedia(const QString &queue, int jobId)
{
    QFile log(serverDir() + QStringLiteral("/log/page_log"));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    // "queue user job [time] total pages billing host title media sides":
    // the title may hold spaces, the last two fields not.
    while (!log.atEnd()) {
        const QStringList fields = QString::fromUtf8(log.readLine()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (fields.size() >= 4 && fields[0] == queue && fields[2] == QString::number(jobId))
            return fields.at(fields.size() - 2);
    }
    return {};
}

QString cupsPdfFile(int jobId, const QDateTime &submitted)
{
    const passwd *user = getpwuid(getuid());
    if (!user)
        return {};
    const QDir dir(QString::fromLocal8Bit(user->pw_dir) + QStringLiteral("/PDF"));
    // The title part of the name is unreliable; the job id is not.
    const QString pattern = QStringLiteral("*-job_%1.pdf").arg(jobId);
    QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired()) {
        for (const QFileInfo &f : dir.entryInfoList({pattern}, QDir::Files))
            if (f.lastModified() >= submitted.addSecs(-2))
                return f.filePath();
        QThread::msleep(100);
    }
    return {};
}

} // namespace TestPrinter
