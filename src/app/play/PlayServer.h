#pragma once

#include "play/RateLimit.h"

#include <QAbstractHttpServer>
#include <QHash>
#include <QUrl>

#include <memory>

class GuardedTcpServer;
class QWebSocket;
class Room;
struct RoomClaim;

// The web server of a room: it serves the one phone page, hands out cards
// to newcomers and keeps every phone's WebSocket up to date with the calls.
// What a phone sends is routed and checked by the plain functions of
// src/play and can only join, dab and claim; the desktop's own actions are
// the public functions here, reachable by no request.
class PlayServer : public QAbstractHttpServer
{
    Q_OBJECT

public:
    static constexpr int MaxPhones = 2000;

    explicit PlayServer(Room &room, QObject *parent = nullptr);
    ~PlayServer() override;

    // Listens on every IPv4 address of the machine (connections from outside
    // the local network are refused). Port 0 takes a free one. Returns the
    // port, 0 when it cannot listen.
    quint16 start(quint16 port);
    quint16 port() const { return m_port; }
    // The room's address on the local network.
    QUrl roomUrl() const;
    QUrl cardUrl(const QString &token) const;
    int phones() const { return int(m_phones.size()); }

    // The desktop's side.
    void callsChanged(bool oneNewCall);
    bool decide(int claimId, bool confirm);

    // The machine's address the phones should use: a private IPv4 address
    // of an interface that is up, else loopback.
    static QString localAddress();

Q_SIGNALS:
    void phonesChanged(int phones);
    void claimsChanged();

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    struct Phone;
    void takeWebSockets();
    void received(QWebSocket *socket, const QString &message);
    void sendState(Phone &phone);
    void sendClaim(const QString &token, const RoomClaim *claim, int waitSeconds = 0);
    QByteArray page() const;

    Room &m_room;
    GuardedTcpServer *m_tcp = nullptr;
    quint16 m_port = 0;
    QString m_host;
    RateLimit m_requests{30, 90};
    RateLimit m_messages{20, 60};
    QHash<QWebSocket *, std::shared_ptr<Phone>> m_phones;
    mutable QByteArray m_page;
};
