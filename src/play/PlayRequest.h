#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// What the room's web server accepts, decided by plain functions before
// anything touches the room. Every request that arrives from a phone goes
// through these; none of them can reach calling, undoing, confirming claims
// or closing the room, which only the desktop does.

// The longest body or WebSocket message a phone ever needs to send.
constexpr qsizetype MaxPlayBody = 2048;
constexpr qsizetype MaxPlayerName = 40;

enum class PlayRoute {
    Page,   // GET / or GET /c/<token>: the one page, joining or playing
    Join,   // POST /join {"name","phone"}
    Socket, // GET /ws, upgraded to a WebSocket
    NotFound,
    BadMethod,
};

struct RoutedRequest
{
    PlayRoute route = PlayRoute::NotFound;
    QString token; // for a card page, already checked to be token-shaped
};

RoutedRequest routeRequest(QByteArrayView method, QByteArrayView path);

// A card's token: 32 lower-case hex digits (128 bits).
bool isTokenText(QStringView text);
// A phone's own id, made by its page: 16 to 64 of [A-Za-z0-9_-].
bool isPhoneId(QStringView text);
// A name as typed, made safe to keep and show: control characters and
// surrounding space dropped, at most MaxPlayerName characters. Empty when
// nothing is left.
QString cleanPlayerName(const QString &typed);

struct JoinRequest
{
    bool ok = false;
    QString name;
    QString phone;
};
JoinRequest parseJoin(QByteArrayView body);

// A message from a phone's WebSocket.
struct ClientMessage
{
    enum Kind { Invalid, Hello, Dab, Claim };
    Kind kind = Invalid;
    QString token; // Hello
    int cell = -1; // Dab
    bool on = false;
};
ClientMessage parseClientMessage(QByteArrayView message);
