#include "PlayFixtures.h"

#include "app/play/PlayServer.h"
#include "play/Room.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebSocket>

namespace {

// Sends raw bytes and collects what comes back until the server closes or
// goes quiet.
QByteArray exchange(quint16 port, const QByteArray &request, int quietMs = 700)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    QByteArray reply;
    QEventLoop loop;
    QTimer quiet;
    quiet.setSingleShot(true);
    QObject::connect(&quiet, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QTcpSocket::connected, [&] {
        socket.write(request);
        quiet.start(quietMs);
    });
    QObject::connect(&socket, &QTcpSocket::readyRead, [&] {
        reply += socket.readAll();
        quiet.start(quietMs);
    });
    QObject::connect(&socket, &QTcpSocket::disconnected, &loop, &QEventLoop::quit);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    loop.exec();
    return reply;
}

int statusOf(const QByteArray &reply)
{
    return reply.startsWith("HTTP/1.1 ") ? reply.mid(9, 3).toInt() : 0;
}

QByteArray get(const QByteArray &path)
{
    return "GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n";
}

QByteArray post(const QByteArray &path, const QByteArray &body, const QByteArray &extra = {})
{
    return "POST " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\nContent-Type: application/json\r\n"
           + extra + "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

// A phone's WebSocket with every message it received.
struct PhoneSocket
{
    QWebSocket socket;
    QList<QJsonObject> got;
    bool closed = false;

    explicit PhoneSocket(quint16 port)
    {
        QObject::connect(&socket, &QWebSocket::textMessageReceived,
                         [this](const QString &m) { got.append(QJsonDocument::fromJson(m.toUtf8()).object()); });
        QObject::connect(&socket, &QWebSocket::disconnected, [this] { closed = true; });
        socket.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws").arg(port)));
    }
    bool waitOpen()
    {
        QEventLoop loop;
        QObject::connect(&socket, &QWebSocket::connected, &loop, &QEventLoop::quit);
        QObject::connect(&socket, &QWebSocket::disconnected, &loop, &QEventLoop::quit);
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        if (socket.state() != QAbstractSocket::ConnectedState)
            loop.exec();
        if (socket.state() != QAbstractSocket::ConnectedState)
            qWarning("phone socket: %s", qPrintable(socket.errorString()));
        return socket.state() == QAbstractSocket::ConnectedState;
    }
    void send(const QByteArray &json) { socket.sendTextMessage(QString::fromUtf8(json)); }
    QString lastOf(const QString &type) const
    {
        for (auto it = got.crbegin(); it != got.crend(); ++it)
            if (it->value(QStringLiteral("t")).toString() == type)
                return QString::fromUtf8(QJsonDocument(*it).toJson(QJsonDocument::Compact));
        return {};
    }
};

} // namespace

// Every attack a phone on the room's network could try, against the server
// as the Caller runs it.
class TestPlayServer : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<CalledGame> m_game;
    std::unique_ptr<Room> m_room;
    std::unique_ptr<PlayServer> m_server;
    quint16 m_port = 0;
    QString m_ada; // card 1, a real line called
    QString m_bo;  // card 2

    // What no phone may change.
    struct Desk
    {
        int calls;
        bool open;
        std::size_t pending;
        std::size_t held;
        friend bool operator==(const Desk &, const Desk &) = default;
    };
    Desk desk() const
    {
        return {m_game->session().callCount(), m_room->isOpen(), m_room->pendingClaims().size(),
                m_room->heldCards().size()};
    }

private Q_SLOTS:
    void init()
    {
        m_server.reset();
        m_room.reset();
        m_game.reset(); // its lock goes before the same game is opened again
        m_game = openedGame(m_dir.path(), 20);
        QFile::remove(RoomJournal::pathFor(m_game->path()));
        m_room = std::make_unique<Room>(*m_game, std::make_unique<RoomJournal>(RoomJournal::pathFor(m_game->path())),
                                        Room::Services{});
        m_ada = m_room->linkCard(1, QStringLiteral("Ada"));
        m_bo = m_room->linkCard(2, QStringLiteral("<b>Bo</b>"));
        callCells(*m_game, 1, {0, 1, 2, 3, 4});
        m_server = std::make_unique<PlayServer>(*m_room);
        m_port = m_server->start(0);
        QVERIFY(m_port != 0);
    }
    void cleanup()
    {
        m_server.reset();
        m_room.reset();
    }

    void requests_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("status");
        const QByteArray unknown = QByteArray("0123456789abcdef").repeated(2);
        QTest::newRow("room page") << get("/") << 200;
        QTest::newRow("own card") << QByteArray() << 200; // filled in with Ada's token
        QTest::newRow("guessed token") << get("/c/" + unknown) << 404;
        QTest::newRow("card by number") << get("/c/1") << 404;
        QTest::newRow("card by game code") << QByteArray("code") << 404;
        QTest::newRow("traversal") << get("/c/../../etc/passwd") << 404;
        QTest::newRow("socket without upgrade") << get("/ws") << 400;
        for (const char *desk : {"/call", "/undo", "/confirm", "/reject", "/close", "/open", "/claims"})
            QTest::newRow(desk) << post(desk, "{\"id\":1}") << 404;
        QTest::newRow("DELETE") << QByteArray("DELETE / HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n") << 405;
        QTest::newRow("join from another site")
            << post("/join", "{\"name\":\"Eve\",\"phone\":\"eeeeeeeeeeeeeeee\"}", "Origin: http://evil.example\r\n")
            << 403;
        QTest::newRow("join without a name") << post("/join", "{\"phone\":\"eeeeeeeeeeeeeeee\"}") << 400;
        QTest::newRow("join, not JSON") << post("/join", "name=Eve") << 400;
        QTest::newRow("garbage") << QByteArray("\x16\x03\x01\x02\x00\x01\x00\x01\xfc\x03\x03", 11) << 0;
    }
    void requests()
    {
        QFETCH(QByteArray, request);
        QFETCH(int, status);
        if (request.isEmpty())
            request = get("/c/" + m_ada.toLatin1());
        else if (request == "code")
            request = get("/c/" + m_game->record().code.toLatin1());
        const Desk before = desk();
        const QByteArray reply = exchange(m_port, request);
        QCOMPARE(statusOf(reply), status);
        QVERIFY(desk() == before);
        if (status == 200)
            QVERIFY(reply.contains("Content-Security-Policy: default-src 'none'"));
        // The server still answers.
        QCOMPARE(statusOf(exchange(m_port, get("/"))), 200);
    }

    void joinGivesTheNextFreeCardOnce()
    {
        const QByteArray body = "{\"name\":\"Cy <i>\",\"phone\":\"cccccccccccccccc\"}";
        const QByteArray first = exchange(m_port, post("/join", body));
        QCOMPARE(statusOf(first), 200);
        const QString token =
            QJsonDocument::fromJson(first.mid(first.indexOf("\r\n\r\n") + 4)).object().value("token").toString();
        QCOMPARE(m_room->held(token)->card, 3u);
        QCOMPARE(m_room->held(token)->name, QStringLiteral("Cy <i>"));
        QCOMPARE(statusOf(exchange(m_port, post("/join", body))), 409);
        m_room->setOpen(false);
        QCOMPARE(statusOf(exchange(m_port, post("/join", "{\"name\":\"Di\",\"phone\":\"dddddddddddddddd\"}"))), 403);
    }

    void socketMessagesReachOnlyTheirOwnCard_data()
    {
        QTest::addColumn<QByteArrayList>("messages");
        QTest::addColumn<bool>("dropped"); // the phone's socket is closed for it
        QTest::newRow("desk commands") << QByteArrayList{"{\"t\":\"call\"}",
                                                         "{\"t\":\"undo\"}",
                                                         "{\"t\":\"confirm\",\"id\":1}",
                                                         "{\"t\":\"reject\",\"id\":1}",
                                                         "{\"t\":\"close\"}",
                                                         "{\"t\":\"hand\",\"card\":5}"}
                                       << false;
        QTest::newRow("another card's token, changed")
            << QByteArrayList{"{\"t\":\"hello\",\"token\":\"BO\"}", "{\"t\":\"dab\",\"cell\":1,\"on\":true}"} << false;
        QTest::newRow("malformed") << QByteArrayList{"{", "[]", "null", "{\"t\":\"dab\",\"cell\":-5,\"on\":true}",
                                                     "{\"t\":\"dab\",\"cell\":99999,\"on\":true}"}
                                   << false;
        QTest::newRow("too large") << QByteArrayList{"{\"t\":\"claim\",\"x\":\"" + QByteArray(5000, 'x') + "\"}"}
                                   << true;
    }
    void socketMessagesReachOnlyTheirOwnCard()
    {
        QFETCH(QByteArrayList, messages);
        QFETCH(bool, dropped);
        // Ada's claim is waiting; nothing Bo's phone sends may touch it.
        PhoneSocket ada(m_port);
        QVERIFY(ada.waitOpen());
        ada.send("{\"t\":\"hello\",\"token\":\"" + m_ada.toLatin1() + "\"}");
        QTRY_VERIFY(!ada.lastOf(QStringLiteral("state")).isEmpty());
        ada.send("{\"t\":\"claim\"}");
        QTRY_COMPARE(m_room->pendingClaims().size(), 1u);

        PhoneSocket eve(m_port);
        QVERIFY(eve.waitOpen());
        eve.send("{\"t\":\"hello\",\"token\":\"" + QByteArray("f").repeated(32) + "\"}");
        QTRY_VERIFY(eve.closed);
        QVERIFY(eve.lastOf(QStringLiteral("state")).isEmpty());

        PhoneSocket bo(m_port);
        QVERIFY(bo.waitOpen());
        bo.send("{\"t\":\"hello\",\"token\":\"" + m_bo.toLatin1() + "\"}");
        QTRY_VERIFY(!bo.lastOf(QStringLiteral("state")).isEmpty());
        const Desk before = desk();
        for (QByteArray m : messages)
            bo.send(m.replace("BO", m_ada.toUpper().toLatin1()));
        if (dropped) {
            QTRY_VERIFY(bo.closed);
        } else {
            bo.send("{\"t\":\"dab\",\"cell\":0,\"on\":true}");
            QTRY_VERIFY(m_room->held(m_bo)->dabs[0]);
        }
        QCOMPARE(m_room->pendingClaims().front()->card, 1u);
        QCOMPARE(m_room->held(m_ada)->dabs, std::vector<bool>(25, false));
        // Bo's page knows Bo's card alone, and his name as a plain string.
        const QString state = bo.lastOf(QStringLiteral("state"));
        QVERIFY(!state.contains(m_ada));
        QVERIFY(state.contains(QStringLiteral("\"name\":\"<b>Bo</b>\"")));
        QVERIFY(desk() == before);
    }

    void claimsAreCheckedAndAnswered()
    {
        PhoneSocket ada(m_port), bo(m_port);
        QVERIFY(ada.waitOpen());
        QVERIFY(bo.waitOpen());
        ada.send("{\"t\":\"hello\",\"token\":\"" + m_ada.toLatin1() + "\"}");
        bo.send("{\"t\":\"hello\",\"token\":\"" + m_bo.toLatin1() + "\"}");
        QTRY_VERIFY(!bo.lastOf(QStringLiteral("state")).isEmpty());
        QTRY_VERIFY(!ada.lastOf(QStringLiteral("state")).isEmpty());
        bo.send("{\"t\":\"claim\"}");
        QTRY_VERIFY(bo.lastOf(QStringLiteral("claim")).contains(QStringLiteral("pending")));
        const RoomClaim *false_ = m_room->pendingClaims().front();
        QVERIFY(m_room->verdictText(*false_).startsWith(QStringLiteral("not yet: ")));
        QVERIFY(m_server->decide(false_->id, false));
        QTRY_VERIFY(bo.lastOf(QStringLiteral("claim")).contains(QStringLiteral("rejected")));
        bo.send("{\"t\":\"claim\"}");
        QTRY_VERIFY(bo.lastOf(QStringLiteral("claim")).contains(QStringLiteral("wait")));
        QVERIFY(m_room->pendingClaims().empty());

        ada.send("{\"t\":\"claim\"}");
        QTRY_COMPARE(m_room->pendingClaims().size(), 1u);
        QCOMPARE(m_room->verdictText(*m_room->pendingClaims().front()), QStringLiteral("wins Any Line at call 5"));
        QVERIFY(m_server->decide(m_room->pendingClaims().front()->id, true));
        QTRY_VERIFY(ada.lastOf(QStringLiteral("claim")).contains(QStringLiteral("confirmed")));
        QVERIFY(!bo.lastOf(QStringLiteral("claim")).contains(QStringLiteral("confirmed")));
    }

    void hugeBodiesAreDropped()
    {
        const Desk before = desk();
        QByteArray request = "POST /join HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 50000000\r\n\r\n";
        request += QByteArray(400 * 1024, 'a');
        const QByteArray reply = exchange(m_port, request, 3000);
        QVERIFY(statusOf(reply) == 0 || statusOf(reply) >= 400);
        QVERIFY(desk() == before);
        QCOMPARE(statusOf(exchange(m_port, get("/"))), 200);
    }

    void floodsAreSlowedDown()
    {
        QByteArray many;
        for (int i = 0; i < 300; ++i)
            many += "GET / HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
        const QByteArray replies = exchange(m_port, many, 1500);
        QVERIFY(replies.count("HTTP/1.1 429") > 0);
        QVERIFY(replies.count("HTTP/1.1 200") > 0);
        QTest::qWait(3000);
        QCOMPARE(statusOf(exchange(m_port, get("/"))), 200);
    }

    void slowClientsAreLetGo()
    {
        QTcpSocket slow;
        slow.connectToHost(QHostAddress::LocalHost, m_port);
        QVERIFY(slow.waitForConnected(3000));
        slow.write("GET / HTTP/1.1\r\nHost: 127.0.0.1\r\nX-Slow: ");
        QSignalSpy gone(&slow, &QTcpSocket::disconnected);
        QVERIFY(gone.wait(20000));
        QCOMPARE(statusOf(exchange(m_port, get("/"))), 200);
    }
};

QTEST_GUILESS_MAIN(TestPlayServer)
#include "tst_playserver.moc"
