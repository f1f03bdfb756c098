#include "play/PlayerLinks.h"

namespace {

QString field(QString text)
{
    if (!text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text.front()))
        text.prepend(QLatin1Char('\''));
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\n'))
        || text.contains(QLatin1Char('\r')) || text.startsWith(QLatin1Char('\'')))
        return QLatin1Char('"') + text.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
    return text;
}

} // namespace

QByteArray playerLinksCsv(const QList<PlayerLink> &links)
{
    QString csv = QStringLiteral("card number,name,address\r\n");
    for (const PlayerLink &link : links)
        csv += QString::number(link.card) + QLatin1Char(',') + field(link.name) + QLatin1Char(',') + field(link.address)
               + QStringLiteral("\r\n");
    return csv.toUtf8();
}
