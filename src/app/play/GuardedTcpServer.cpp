#include "app/play/GuardedTcpServer.h"

#include <QDateTime>
#include <QTcpSocket>
#include <QTimer>

namespace {

QString peerKey(const QHostAddress &address, quint16 port)
{
    return address.toString() + QLatin1Char(' ') + QString::number(port);
}

const char *const Upgraded = "morvaneUpgraded";
const char *const Received = "morvaneReceived";

} // namespace

GuardedTcpServer::GuardedTcpServer(QObject *parent) : QTcpServer(parent) {}

bool GuardedTcpServer::isLocalNetwork(const QHostAddress &address)
{
    bool v4 = false;
    const QHostAddress plain(address.toIPv4Address(&v4));
    const QHostAddress a = v4 ? plain : address;
    static const QList<QPair<QHostAddress, int>> privateV4{QHostAddress::parseSubnet(QStringLiteral("10.0.0.0/8")),
                                                           QHostAddress::parseSubnet(QStringLiteral("172.16.0.0/12")),
                                                           QHostAddress::parseSubnet(QStringLiteral("192.168.0.0/16"))};
    const bool privateUse =
        std::any_of(privateV4.begin(), privateV4.end(), [&](const auto &subnet) { return a.isInSubnet(subnet); });
    return a.isLoopback() || privateUse || a.isLinkLocal() || a.isUniqueLocalUnicast() || a.isSiteLocal();
}

void GuardedTcpServer::incomingConnection(qintptr descriptor)
{
    auto *socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    const QString address = socket->peerAddress().toString();
    if (!isLocalNetwork(socket->peerAddress()) || !m_connections.allow(address, QDateTime::currentMSecsSinceEpoch())
        || m_httpOpen.value(address) >= MaxHttpPerAddress) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    watch(socket);
    addPendingConnection(socket);
    Q_EMIT newConnection();
}

void GuardedTcpServer::watch(QTcpSocket *socket)
{
    const QString address = socket->peerAddress().toString();
    const QString key = peerKey(socket->peerAddress(), socket->peerPort());
    ++m_httpOpen[address];
    m_byPeer.insert(key, socket);
    socket->setReadBufferSize(MaxHttpBytes + 4096);
    const QPointer<QTcpSocket> guarded(socket);
    const auto release = [this, address, key, guarded] {
        if (m_byPeer.value(key) != guarded)
            return;
        m_byPeer.remove(key);
        if (--m_httpOpen[address] <= 0)
            m_httpOpen.remove(address);
    };
    // Connected before the web server's own handler, so it runs first and
    // can drop the connection before a byte of an oversized request is
    // parsed.
    connect(socket, &QTcpSocket::readyRead, this, [socket] {
        if (socket->property(Upgraded).toBool())
            return;
        const qint64 total = socket->property(Received).toLongLong() + socket->bytesAvailable();
        socket->setProperty(Received, total);
        if (socket->bytesAvailable() > MaxHttpBytes || total > 16 * MaxHttpBytes)
            socket->abort();
    });
    connect(socket, &QObject::destroyed, this, release);
    QTimer::singleShot(HttpLifetimeMs, socket, [guarded, release] {
        if (guarded && !guarded->property(Upgraded).toBool()) {
            release();
            guarded->abort();
        }
    });
}

void GuardedTcpServer::releaseUpgraded(const QHostAddress &peer, quint16 peerPort)
{
    const QString key = peerKey(peer, peerPort);
    QPointer<QTcpSocket> socket = m_byPeer.take(key);
    if (!socket)
        return;
    socket->setProperty(Upgraded, true);
    socket->setReadBufferSize(0);
    const QString address = peer.toString();
    if (--m_httpOpen[address] <= 0)
        m_httpOpen.remove(address);
}
