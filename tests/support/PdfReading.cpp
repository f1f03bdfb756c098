#include "PdfReading.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

QByteArray runForBytes(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput();
}

QString run(const QString &program, const QStringList &args)
{
    return QString::fromUtf8(runForBytes(program, args));
}

QString unescape(QString s)
{
    s.replace(QLatin1String("&lt;"), QLatin1String("<"));
    s.replace(QLatin1String("&gt;"), QLatin1String(">"));
    s.replace(QLatin1String("&quot;"), QLatin1String("\""));
    s.replace(QLatin1String("&apos;"), QLatin1String("'"));
    s.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return s;
}

} // namespace

QString popplerMissing()
{
    for (const char *tool : {"pdftotext", "pdfinfo", "pdftoppm"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            return QStringLiteral("%1 is not installed (package poppler-utils)").arg(QLatin1String(tool));
    return {};
}

QList<PdfPage> pdfPages(const QString &path)
{
    const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    static const QRegularExpression pageRe(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    static const QRegularExpression wordRe(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<PdfPage> pages;
    qsizetype at = 0;
    while (true) {
        const auto page = pageRe.match(html, at);
        if (!page.hasMatch())
            break;
        const auto next = pageRe.match(html, page.capturedEnd());
        const qsizetype end = next.hasMatch() ? next.capturedStart() : html.size();
        PdfPage p;
        p.size = {page.captured(1).toDouble(), page.captured(2).toDouble()};
        auto words = wordRe.globalMatch(html.mid(page.capturedEnd(), end - page.capturedEnd()));
        while (words.hasNext()) {
            const auto w = words.next();
            const double x0 = w.captured(1).toDouble(), y0 = w.captured(2).toDouble();
            p.words.append({unescape(w.captured(5)),
                            QRectF(QPointF(x0, y0), QPointF(w.captured(3).toDouble(), w.captured(4).toDouble()))});
        }
        pages.append(p);
        at = end;
    }
    return pages;
}

QString pdfTitle(const QString &path)
{
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    static const QRegularExpression titleRe(QStringLiteral(R"(^Title:\s*(.*)$)"), QRegularExpression::MultilineOption);
    const auto m = titleRe.match(info);
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

QImage pdfPageImage(const QString &path, int page, int dpi)
{
    const QString n = QString::number(page);
    const QByteArray pgm =
        runForBytes(QStringLiteral("pdftoppm"), {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(dpi),
                                                 QStringLiteral("-f"), n, QStringLiteral("-l"), n, path});
    return QImage::fromData(pgm, "PGM").convertToFormat(QImage::Format_Grayscale8);
}

QRect inkBounds(const QImage &image)
{
    // Anti-aliasing greys the paper beside a line a little; ink is darker.
    constexpr int Paper = 224;
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        const uchar *row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            if (row[x] < Paper)
                bounds |= QRect(x, y, 1, 1);
    }
    return bounds;
}
