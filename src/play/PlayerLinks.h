#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

// One card handed out as an address to send.
struct PlayerLink
{
    std::uint64_t card = 0;
    QString name;
    QString address;
};

// "card number,name,address" with a header line, CR LF lines, fields quoted
// where they need it. A name that a spreadsheet would take for a formula
// (=, +, -, @ first) is kept as text with a leading apostrophe.
QByteArray playerLinksCsv(const QList<PlayerLink> &links);
