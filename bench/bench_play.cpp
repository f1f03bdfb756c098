// Play on phones under load: 500 phones hold a WebSocket each while the
// caller calls. This program is both sides: run without arguments it opens a
// room of a 600-card game, links 500 cards and starts itself again as the
// client (a second process opening the 500 WebSockets), then makes 40 calls
// a third of a second apart. It prints how long each call takes on the
// desktop (the call and its broadcast) and how long until the last phone
// has it, and whether every phone got every call.
//
//   bench_play [phones] [calls]
#include "BenchUtil.h"
#include "app/play/PlayServer.h"
#include "game/CallRandom.h"
#include "game/CalledGame.h"
#include "game/GameCode.h"
#include "game/GameFile.h"
#include "play/Room.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebSocket>

#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

qint64 monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// The phones: one process, one WebSocket each, reporting on standard output.
int runClients(quint16 port, const QString &tokensPath, int calls)
{
    QFile file(tokensPath);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const QList<QByteArray> tokens = file.readAll().split('\n');
    struct Phone
    {
        std::unique_ptr<QWebSocket> socket;
        QByteArray token;
        bool ready = false;
        int got = 0;
    };
    std::vector<Phone> phones;
    for (const QByteArray &t : tokens)
        if (!t.isEmpty())
            phones.push_back({std::make_unique<QWebSocket>(), t});
    std::fprintf(stderr, "client: %zu phones to port %u\n", phones.size(), unsigned(port));
    int ready = 0;
    std::vector<int> gotCall(std::size_t(calls) + 1, 0);
    std::vector<qint64> lastAt(std::size_t(calls) + 1, 0);
    const QUrl url(QStringLiteral("ws://127.0.0.1:%1/ws").arg(port));
    std::function<void(std::size_t)> open;
    open = [&](std::size_t i) { phones[i].socket->open(url); };
    for (std::size_t i = 0; i < phones.size(); ++i) {
        QWebSocket *s = phones[i].socket.get();
        QObject::connect(s, &QWebSocket::connected, [&, i, s] {
            s->sendTextMessage(
                QStringLiteral("{\"t\":\"hello\",\"token\":\"%1\"}").arg(QString::fromLatin1(phones[i].token)));
        });
        QObject::connect(s, qOverload<QAbstractSocket::SocketError>(&QWebSocket::error),
                         [s] { std::fprintf(stderr, "phone: %s\n", qPrintable(s->errorString())); });
        QObject::connect(s, &QWebSocket::disconnected, [&, i] {
            if (!phones[i].ready)
                QTimer::singleShot(300, [&, i] { open(i); });
            else
                std::printf("LOST %zu\n", i);
        });
        QObject::connect(s, &QWebSocket::textMessageReceived, [&, i](const QString &m) {
            Phone &p = phones[i];
            if (!p.ready && m.contains(QLatin1String("\"t\":\"state\""))) {
                p.ready = true;
                if (++ready == int(phones.size())) {
                    std::printf("READY\n");
                    std::fflush(stdout);
                }
                return;
            }
            const qsizetype at = m.indexOf(QLatin1String("\"count\":"));
            if (at < 0)
                return;
            int n = 0;
            for (qsizetype k = at + 8; k < m.size() && m.at(k).isDigit(); ++k)
                n = n * 10 + m.at(k).digitValue();
            if (n < 1 || n > calls)
                return;
            ++p.got;
            lastAt[std::size_t(n)] = monotonicNs();
            if (++gotCall[std::size_t(n)] == int(phones.size())) {
                std::printf("GOT %d %lld\n", n, static_cast<long long>(lastAt[std::size_t(n)]));
                std::fflush(stdout);
                if (n == calls) {
                    int short_ = 0;
                    for (const Phone &q : phones)
                        short_ += q.got != calls;
                    std::printf("DONE %d\n", short_);
                    std::fflush(stdout);
                    QCoreApplication::quit();
                }
            }
        });
        // Not all at once: the room takes so many new connections a second
        // from one address.
        QTimer::singleShot(int(i) * 15, [&, i] { open(i); });
    }
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.value(1) == QLatin1String("--clients"))
        return runClients(quint16(args.value(2).toUInt()), args.value(3), args.value(4).toInt());
    const int phones = args.size() > 1 ? args.at(1).toInt() : 500;
    const int calls = args.size() > 2 ? args.at(2).toInt() : 40;

    QTemporaryDir dir;
    GameRecord r;
    r.seed = 99;
    r.code = gameCode(r.seed);
    r.created = QDateTime::currentDateTimeUtc();
    for (int n = 1; n <= 75; ++n)
        r.entries.append(QString::number(n));
    r.cards = std::uint64_t(phones) + 100;
    const QString path = QDir(dir.path()).filePath(r.code + QStringLiteral(".mrvgame"));
    writeGameRecord(path, r);
    auto game = CalledGame::openRecord(path);
    Room room(*game, std::make_unique<RoomJournal>(RoomJournal::pathFor(path)), {});
    QElapsedTimer linking;
    linking.start();
    QByteArray tokens;
    for (int k = 1; k <= phones; ++k)
        tokens += room.linkCard(std::uint64_t(k)).toLatin1() + '\n';
    std::printf("linked %d cards, each kept and synced: %.1f ms\n", phones, double(linking.nsecsElapsed()) / 1e6);
    std::fflush(stdout);
    const QString tokensPath = QDir(dir.path()).filePath(QStringLiteral("tokens"));
    QFile out(tokensPath);
    if (!out.open(QIODevice::WriteOnly) || out.write(tokens) != tokens.size())
        return 1;
    out.close();

    PlayServer server(room);
    const quint16 port = server.start(0);
    if (port == 0)
        return 1;
    QProcess clients;
    clients.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    std::vector<double> deskMs, deliveryMs;
    std::vector<qint64> sentAt(std::size_t(calls) + 1, 0);
    SystemRandomSource random;
    QElapsedTimer connecting;
    int lost = 0;
    int callsMade = 0;
    std::function<void()> callOne = [&] {
        const qint64 start = monotonicNs();
        game->session().callNext(random);
        server.callsChanged(true);
        deskMs.push_back(double(monotonicNs() - start) / 1e6);
        sentAt[std::size_t(++callsMade)] = start;
        if (callsMade < calls)
            QTimer::singleShot(333, callOne);
    };
    QObject::connect(&clients, &QProcess::readyReadStandardOutput, [&] {
        while (clients.canReadLine()) {
            const QList<QByteArray> w = clients.readLine().trimmed().split(' ');
            if (w.value(0) == "READY") {
                std::printf("%d phones connected in %.1f s (the room takes 40 new connections a second from one "
                            "address); %d connected on the server\n",
                            phones, double(connecting.elapsed()) / 1000.0, server.phones());
                std::fflush(stdout);
                QTimer::singleShot(500, callOne);
            } else if (w.value(0) == "GOT") {
                const int n = w.value(1).toInt();
                deliveryMs.push_back(double(w.value(2).toLongLong() - sentAt[std::size_t(n)]) / 1e6);
            } else if (w.value(0) == "LOST") {
                ++lost;
            } else if (w.value(0) == "DONE") {
                std::printf("calls: %d; desktop time of a call and its broadcast: median %.2f ms, max %.2f ms\n", calls,
                            median(deskMs), *std::max_element(deskMs.begin(), deskMs.end()));
                std::printf("until the last of %d phones has the call: median %.1f ms, max %.1f ms\n", phones,
                            median(deliveryMs), *std::max_element(deliveryMs.begin(), deliveryMs.end()));
                std::printf("phones that missed a call: %s; connections lost: %d\n", w.value(1).constData(), lost);
                std::printf("peak memory of the desktop side: %.1f MiB\n", peakRssMiB());
                app.quit();
            }
        }
    });
    connecting.start();
    clients.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--clients"), QString::number(port), tokensPath, QString::number(calls)});
    QTimer::singleShot(180000, &app, [&] {
        std::printf("timed out\n");
        app.exit(1);
    });
    const int rc = app.exec();
    clients.kill();
    clients.waitForFinished();
    return rc;
}
