#pragma once

#include "play/RateLimit.h"

#include <QHash>
#include <QPointer>
#include <QTcpServer>

class QTcpSocket;

// The listening socket of a room, guarding the web server behind it: it
// takes connections only from the local network, so many a second from one
// address, and drops a plain HTTP connection that sends too much or lingers
// (a slow client that never finishes its request). A connection that has
// become a WebSocket is the room's to look after.
class GuardedTcpServer : public QTcpServer
{
    Q_OBJECT

public:
    static constexpr qint64 MaxHttpBytes = 64 * 1024;
    static constexpr int HttpLifetimeMs = 15000;
    static constexpr int MaxHttpPerAddress = 32;

    explicit GuardedTcpServer(QObject *parent = nullptr);

    // Leaves the connection from this peer to the WebSocket that took it.
    void releaseUpgraded(const QHostAddress &peer, quint16 peerPort);

    // Loopback, private, link-local and unique-local addresses.
    static bool isLocalNetwork(const QHostAddress &address);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void watch(QTcpSocket *socket);

    RateLimit m_connections{40, 120};
    QHash<QString, int> m_httpOpen;
    QHash<QString, QPointer<QTcpSocket>> m_byPeer; // "address port"
};
