#include "app/play/PlayServer.h"

#include "app/play/GuardedTcpServer.h"
#include "card/Error.h"
#include "game/CalledGame.h"
#include "play/PlayRequest.h"
#include "play/Room.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkInterface>
#include <QTcpSocket>
#include <QTimer>
#include <QWebSocket>

struct PlayServer::Phone
{
    std::unique_ptr<QWebSocket> socket;
    QString token; // empty until its hello named a card of the room
    QString key;   // for the message limit
};

namespace {

using Status = QHttpServerResponder::StatusCode;

qint64 nowMs()
{
    return QDateTime::currentMSecsSinceEpoch();
}

QByteArray compact(const QJsonObject &o)
{
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

// Everything the page may do: its own script and style, a WebSocket back
// here, nothing from anywhere else. The card's address holds its token, so
// it is never passed on as a referrer.
const QHttpServerResponder::HeaderList &pageHeaders()
{
    static const QHttpServerResponder::HeaderList headers{
        {"Content-Type", "text/html; charset=utf-8"},
        {"Cache-Control", "no-store"},
        {"Referrer-Policy", "no-referrer"},
        {"X-Content-Type-Options", "nosniff"},
        {"X-Frame-Options", "DENY"},
        {"Content-Security-Policy", "default-src 'none'; script-src 'unsafe-inline'; style-src 'unsafe-inline'; "
                                    "connect-src 'self'; img-src data:; base-uri 'none'; form-action 'none'; "
                                    "frame-ancestors 'none'"}};
    return headers;
}

void plain(QHttpServerResponder &responder, Status status, const QByteArray &text)
{
    responder.write(text + '\n', {{"Content-Type", "text/plain; charset=utf-8"}, {"Cache-Control", "no-store"}},
                    status);
}

QJsonObject callJson(const CallSession &session, int item)
{
    return {{QStringLiteral("e"), session.board().text(item)}, {QStringLiteral("x"), session.board().callText(item)}};
}

QJsonArray callsJson(const CallSession &session)
{
    QJsonArray calls;
    for (int item : session.calls())
        calls.append(callJson(session, item));
    return calls;
}

} // namespace

PlayServer::PlayServer(Room &room, QObject *parent) : QAbstractHttpServer(parent), m_room(room)
{
    connect(this, &QAbstractHttpServer::newWebSocketConnection, this, &PlayServer::takeWebSockets);
}

PlayServer::~PlayServer()
{
    for (const auto &phone : std::as_const(m_phones))
        phone->socket->disconnect(this);
}

QString PlayServer::localAddress()
{
    QString fallback;
    for (const QNetworkInterface &i : QNetworkInterface::allInterfaces()) {
        if (!(i.flags() & QNetworkInterface::IsUp) || !(i.flags() & QNetworkInterface::IsRunning)
            || (i.flags() & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry &e : i.addressEntries()) {
            const QHostAddress a = e.ip();
            if (a.protocol() != QAbstractSocket::IPv4Protocol)
                continue;
            if (GuardedTcpServer::isLocalNetwork(a) && !a.isLinkLocal())
                return a.toString();
            if (fallback.isEmpty() && GuardedTcpServer::isLocalNetwork(a))
                fallback = a.toString();
        }
    }
    return fallback.isEmpty() ? QStringLiteral("127.0.0.1") : fallback;
}

quint16 PlayServer::start(quint16 port)
{
    m_tcp = new GuardedTcpServer(this);
    if (!m_tcp->listen(QHostAddress::AnyIPv4, port)) {
        delete m_tcp;
        m_tcp = nullptr;
        return 0;
    }
    bind(m_tcp);
    m_port = m_tcp->serverPort();
    m_host = localAddress();
    return m_port;
}

QUrl PlayServer::roomUrl() const
{
    return QUrl(QStringLiteral("http://%1:%2/").arg(m_host).arg(m_port));
}

QUrl PlayServer::cardUrl(const QString &token) const
{
    return QUrl(QStringLiteral("http://%1:%2/c/%3").arg(m_host).arg(m_port).arg(token));
}

QByteArray PlayServer::page() const
{
    if (m_page.isEmpty()) {
        QFile file(QStringLiteral(":/play/room.html"));
        if (file.open(QIODevice::ReadOnly))
            m_page = file.readAll();
    }
    return m_page;
}

bool PlayServer::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    const QByteArray method = QVariant::fromValue(request.method()).toString().toUpper().toLatin1();
    const RoutedRequest routed = routeRequest(method, request.url().path(QUrl::FullyEncoded).toLatin1());
    const bool upgrade = request.value("Upgrade").compare("websocket", Qt::CaseInsensitive) == 0;
    // Qt's server upgrades a request to a WebSocket once we call it handled
    // without writing an answer.
    if (routed.route == PlayRoute::Socket && upgrade)
        return true;
    QHttpServerResponder responder = makeResponder(request, socket);
    if (!m_requests.allow(request.remoteAddress().toString(), nowMs())) {
        plain(responder, Status::TooManyRequests, "Too many requests.");
        return true;
    }
    switch (routed.route) {
    case PlayRoute::Page:
        if (!routed.token.isEmpty() && !m_room.held(routed.token)) {
            plain(responder, Status::NotFound, "There is no such card in this room.");
            return true;
        }
        responder.write(page(), pageHeaders(), Status::Ok);
        return true;
    case PlayRoute::Join: {
        // A page of another site cannot take cards from the room.
        const QByteArray origin = request.value("Origin");
        if (!origin.isEmpty() && origin != "http://" + request.value("Host")) {
            plain(responder, Status::Forbidden, "Forbidden.");
            return true;
        }
        const JoinRequest join = parseJoin(request.body());
        if (!join.ok) {
            plain(responder, Status::BadRequest, "Type your name.");
            return true;
        }
        Room::Joined joined;
        try {
            joined = m_room.join(join.name, join.phone);
        } catch (const MorvaneError &) {
            plain(responder, Status::ServiceUnavailable, "The room cannot keep cards now.");
            return true;
        }
        switch (joined.status) {
        case Room::JoinStatus::Ok:
            responder.write(QJsonDocument(QJsonObject{{QStringLiteral("token"), joined.token}}),
                            {{"Cache-Control", "no-store"}}, Status::Ok);
            Q_EMIT claimsChanged();
            break;
        case Room::JoinStatus::Closed:
            plain(responder, Status::Forbidden, "The room is closed to newcomers.");
            break;
        case Room::JoinStatus::PhoneFull:
            plain(responder, Status::Conflict, "This phone holds all the cards it may.");
            break;
        case Room::JoinStatus::NoCardsLeft:
            plain(responder, Status::Gone, "Every card of this game is taken.");
            break;
        }
        return true;
    }
    case PlayRoute::Socket:
        plain(responder, Status::BadRequest, "Bad request.");
        return true;
    case PlayRoute::BadMethod:
        plain(responder, Status::MethodNotAllowed, "Method not allowed.");
        return true;
    case PlayRoute::NotFound:
        break;
    }
    plain(responder, Status::NotFound, "Not found.");
    return true;
}

void PlayServer::missingHandler(const QHttpServerRequest &request, QTcpSocket *socket)
{
    QHttpServerResponder responder = makeResponder(request, socket);
    plain(responder, Status::NotFound, "Not found.");
}

void PlayServer::takeWebSockets()
{
    while (hasPendingWebSocketConnections()) {
        std::unique_ptr<QWebSocket> socket = nextPendingWebSocketConnection();
        if (!socket)
            continue;
        if (m_tcp)
            m_tcp->releaseUpgraded(socket->peerAddress(), socket->peerPort());
        if (m_phones.size() >= MaxPhones) {
            socket->abort();
            continue;
        }
        socket->setMaxAllowedIncomingMessageSize(MaxPlayBody);
        socket->setMaxAllowedIncomingFrameSize(MaxPlayBody);
        auto phone = std::make_shared<Phone>();
        QWebSocket *ws = socket.get();
        phone->key = QString::number(quintptr(ws), 16);
        phone->socket = std::move(socket);
        m_phones.insert(ws, phone);
        connect(ws, &QWebSocket::textMessageReceived, this, [this, ws](const QString &m) { received(ws, m); });
        connect(ws, &QWebSocket::binaryMessageReceived, ws,
                [ws] { ws->close(QWebSocketProtocol::CloseCodeDatatypeNotSupported); });
        connect(ws, &QWebSocket::disconnected, this, [this, ws] {
            if (const auto phone = m_phones.take(ws)) {
                phone->socket.release()->deleteLater();
                Q_EMIT phonesChanged(phones());
            }
        });
        // A socket that never says which card it holds is let go.
        QTimer::singleShot(10000, ws, [this, ws] {
            if (const auto phone = m_phones.value(ws); phone && phone->token.isEmpty())
                ws->abort();
        });
        Q_EMIT phonesChanged(phones());
    }
}

void PlayServer::received(QWebSocket *ws, const QString &text)
{
    const auto phone = m_phones.value(ws);
    if (!phone)
        return;
    if (!m_messages.allow(phone->key, nowMs()))
        return;
    const ClientMessage m = parseClientMessage(text.toUtf8());
    switch (m.kind) {
    case ClientMessage::Hello:
        if (!m_room.held(m.token)) {
            ws->sendTextMessage(
                QString::fromUtf8(compact({{QStringLiteral("t"), QStringLiteral("error")},
                                           {QStringLiteral("text"), tr("This card is not in the room.")}})));
            ws->close(QWebSocketProtocol::CloseCodePolicyViolated);
            return;
        }
        phone->token = m.token;
        sendState(*phone);
        return;
    case ClientMessage::Dab:
        if (!phone->token.isEmpty()) {
            try {
                m_room.dab(phone->token, m.cell, m.on);
            } catch (const MorvaneError &) {
                // The dab stands for this session; the page shows it anyway.
            }
        }
        return;
    case ClientMessage::Claim: {
        if (phone->token.isEmpty())
            return;
        const Room::ClaimAnswer answer = m_room.claim(phone->token);
        const HeldCard *held = m_room.held(phone->token);
        if (answer.status == Room::ClaimStatus::Wait)
            sendClaim(phone->token, nullptr, answer.waitSeconds);
        else if (held)
            sendClaim(phone->token, m_room.latestClaim(held->card));
        if (answer.status == Room::ClaimStatus::Queued)
            Q_EMIT claimsChanged();
        return;
    }
    case ClientMessage::Invalid:
        return;
    }
}

void PlayServer::sendState(Phone &phone)
{
    const HeldCard *held = m_room.held(phone.token);
    if (!held)
        return;
    QJsonArray dabs;
    for (std::size_t i = 0; i < held->dabs.size(); ++i)
        if (held->dabs[i])
            dabs.append(int(i));
    const CallSession &session = const_cast<CalledGame &>(m_room.game()).session();
    QJsonObject state{{QStringLiteral("t"), QStringLiteral("state")},
                      {QStringLiteral("card"), double(held->card)},
                      {QStringLiteral("name"), held->name},
                      {QStringLiteral("face"), faceJson(m_room.face(*held))},
                      {QStringLiteral("dabs"), dabs},
                      {QStringLiteral("calls"), callsJson(session)}};
    phone.socket->sendTextMessage(QString::fromUtf8(compact(state)));
    if (const RoomClaim *claim = m_room.latestClaim(held->card))
        sendClaim(phone.token, claim);
}

void PlayServer::sendClaim(const QString &token, const RoomClaim *claim, int waitSeconds)
{
    QJsonObject o{{QStringLiteral("t"), QStringLiteral("claim")}};
    if (!claim) {
        o.insert(QStringLiteral("state"), QStringLiteral("wait"));
        o.insert(QStringLiteral("text"), tr("Wait %n seconds before you claim again.", nullptr, waitSeconds));
    } else if (claim->state == RoomClaim::Pending) {
        o.insert(QStringLiteral("state"), QStringLiteral("pending"));
        o.insert(QStringLiteral("text"), tr("Claim sent: the caller is checking your card."));
    } else if (claim->state == RoomClaim::Confirmed) {
        o.insert(QStringLiteral("state"), QStringLiteral("confirmed"));
        o.insert(QStringLiteral("text"), tr("Bingo! The caller confirmed your win."));
    } else {
        o.insert(QStringLiteral("state"), QStringLiteral("rejected"));
        o.insert(QStringLiteral("text"), tr("Not a bingo yet: the caller turned the claim down."));
    }
    const QString message = QString::fromUtf8(compact(o));
    for (const auto &phone : std::as_const(m_phones))
        if (phone->token == token)
            phone->socket->sendTextMessage(message);
}

void PlayServer::callsChanged(bool oneNewCall)
{
    const CallSession &session = const_cast<CalledGame &>(m_room.game()).session();
    QJsonObject o;
    if (oneNewCall && session.lastCall() >= 0)
        o = {{QStringLiteral("t"), QStringLiteral("call")},
             {QStringLiteral("call"), callJson(session, session.lastCall())},
             {QStringLiteral("count"), session.callCount()}};
    else
        o = {{QStringLiteral("t"), QStringLiteral("calls")}, {QStringLiteral("calls"), callsJson(session)}};
    const QString message = QString::fromUtf8(compact(o));
    for (const auto &phone : std::as_const(m_phones))
        if (!phone->token.isEmpty())
            phone->socket->sendTextMessage(message);
}

bool PlayServer::decide(int claimId, bool confirm)
{
    std::uint64_t card = 0;
    for (const RoomClaim *c : m_room.pendingClaims())
        if (c->id == claimId)
            card = c->card;
    if (card == 0 || !m_room.decide(claimId, confirm))
        return false;
    const RoomClaim *claim = m_room.latestClaim(card);
    sendClaim(claim->token, claim);
    Q_EMIT claimsChanged();
    return true;
}
