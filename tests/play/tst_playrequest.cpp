#include "play/CardFace.h"
#include "play/PlayRequest.h"
#include "play/PlayerLinks.h"
#include "play/RoomJournal.h"

#include <QJsonArray>
#include <QTest>

Q_DECLARE_METATYPE(PlayRoute)
Q_DECLARE_METATYPE(ClientMessage::Kind)

// What arrives from a phone, taken apart before it reaches the room.
class TestPlayRequest : public QObject
{
    Q_OBJECT

    static QByteArray token() { return QByteArray("0123456789abcdef0123456789abcdef"); }

private Q_SLOTS:
    void routes_data()
    {
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<PlayRoute>("route");
        QTest::addColumn<bool>("hasToken");
        QTest::newRow("room") << QByteArray("GET") << QByteArray("/") << PlayRoute::Page << false;
        QTest::newRow("room, query") << QByteArray("GET") << QByteArray("/?x=1") << PlayRoute::Page << false;
        QTest::newRow("card") << QByteArray("GET") << "/c/" + token() << PlayRoute::Page << true;
        QTest::newRow("card, upper case")
            << QByteArray("GET") << "/c/" + token().toUpper() << PlayRoute::NotFound << false;
        QTest::newRow("card, short") << QByteArray("GET") << "/c/" + token().chopped(1) << PlayRoute::NotFound << false;
        QTest::newRow("card, traversal") << QByteArray("GET") << QByteArray("/c/../../etc/passwd")
                                         << PlayRoute::NotFound << false;
        QTest::newRow("card by number") << QByteArray("GET") << QByteArray("/c/17") << PlayRoute::NotFound << false;
        QTest::newRow("join") << QByteArray("POST") << QByteArray("/join") << PlayRoute::Join << false;
        QTest::newRow("join by GET") << QByteArray("GET") << QByteArray("/join") << PlayRoute::BadMethod << false;
        QTest::newRow("socket") << QByteArray("GET") << QByteArray("/ws") << PlayRoute::Socket << false;
        QTest::newRow("page by DELETE") << QByteArray("DELETE") << QByteArray("/") << PlayRoute::BadMethod << false;
        for (const char *desk : {"/call", "/undo", "/confirm", "/close", "/admin", "/claim/1"})
            QTest::newRow(desk) << QByteArray("POST") << QByteArray(desk) << PlayRoute::NotFound << false;
        QTest::newRow("empty") << QByteArray() << QByteArray() << PlayRoute::NotFound << false;
    }
    void routes()
    {
        QFETCH(QByteArray, method);
        QFETCH(QByteArray, path);
        QFETCH(PlayRoute, route);
        QFETCH(bool, hasToken);
        const RoutedRequest routed = routeRequest(method, path);
        QCOMPARE(routed.route, route);
        QCOMPARE(routed.token, hasToken ? QString::fromLatin1(token()) : QString());
    }

    void names_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("plain") << QStringLiteral("  Ada  Lovelace ") << QStringLiteral("Ada Lovelace");
        QTest::newRow("markup stays text") << QStringLiteral("<b>Bo</b>") << QStringLiteral("<b>Bo</b>");
        QTest::newRow("line breaks") << QStringLiteral("Cy\nDe\r\tEv") << QStringLiteral("Cy De Ev");
        QTest::newRow("bidi override") << QStringLiteral("Fa\u202Ety") << QStringLiteral("Faty");
        QTest::newRow("only controls") << QStringLiteral("\x01\x02") << QString();
        QTest::newRow("long") << QStringLiteral("x").repeated(100) << QStringLiteral("x").repeated(40);
        QTest::newRow("cut between a surrogate pair")
            << QStringLiteral("x").repeated(39) + QStringLiteral("\U0001F600") << QStringLiteral("x").repeated(39);
    }
    void names()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QCOMPARE(cleanPlayerName(typed), kept);
    }

    void joins_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("name");
        QTest::newRow("good") << QByteArray("{\"name\":\"Ada\",\"phone\":\"0123456789abcdef\"}") << true
                              << QStringLiteral("Ada");
        QTest::newRow("no phone") << QByteArray("{\"name\":\"Ada\"}") << false << QStringLiteral("Ada");
        QTest::newRow("short phone") << QByteArray("{\"name\":\"Ada\",\"phone\":\"abc\"}") << false
                                     << QStringLiteral("Ada");
        QTest::newRow("phone with a slash")
            << QByteArray("{\"name\":\"Ada\",\"phone\":\"0123456789abcde/\"}") << false << QStringLiteral("Ada");
        QTest::newRow("name a number") << QByteArray("{\"name\":5,\"phone\":\"0123456789abcdef\"}") << false
                                       << QString();
        QTest::newRow("blank name") << QByteArray("{\"name\":\" \",\"phone\":\"0123456789abcdef\"}") << false
                                    << QString();
        QTest::newRow("array") << QByteArray("[1,2]") << false << QString();
        QTest::newRow("not JSON") << QByteArray("name=Ada") << false << QString();
        QTest::newRow("too long") << QByteArray("{\"name\":\"") + QByteArray(3000, 'a')
                                         + "\",\"phone\":\"0123456789abcdef\"}"
                                  << false << QString();
    }
    void joins()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, ok);
        QFETCH(QString, name);
        const JoinRequest join = parseJoin(body);
        QCOMPARE(join.ok, ok);
        if (ok)
            QCOMPARE(join.name, name);
    }

    void messages_data()
    {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<ClientMessage::Kind>("kind");
        QTest::addColumn<int>("cell");
        QTest::newRow("hello") << "{\"t\":\"hello\",\"token\":\"" + token() + "\"}" << ClientMessage::Hello << -1;
        QTest::newRow("hello, bad token")
            << QByteArray("{\"t\":\"hello\",\"token\":\"17\"}") << ClientMessage::Invalid << -1;
        QTest::newRow("dab") << QByteArray("{\"t\":\"dab\",\"cell\":7,\"on\":true}") << ClientMessage::Dab << 7;
        QTest::newRow("dab, fraction") << QByteArray("{\"t\":\"dab\",\"cell\":7.5,\"on\":true}")
                                       << ClientMessage::Invalid << -1;
        QTest::newRow("dab, huge") << QByteArray("{\"t\":\"dab\",\"cell\":1e300,\"on\":true}") << ClientMessage::Invalid
                                   << -1;
        QTest::newRow("dab, text cell") << QByteArray("{\"t\":\"dab\",\"cell\":\"7\",\"on\":true}")
                                        << ClientMessage::Invalid << -1;
        QTest::newRow("claim") << QByteArray("{\"t\":\"claim\"}") << ClientMessage::Claim << -1;
        for (const char *desk : {"call", "undo", "confirm", "reject", "close", "open"})
            QTest::newRow(desk) << QByteArray("{\"t\":\"") + desk + "\",\"id\":1}" << ClientMessage::Invalid << -1;
        QTest::newRow("garbage") << QByteArray("\xff\xfe{") << ClientMessage::Invalid << -1;
    }
    void messages()
    {
        QFETCH(QByteArray, message);
        QFETCH(ClientMessage::Kind, kind);
        QFETCH(int, cell);
        const ClientMessage m = parseClientMessage(message);
        QCOMPARE(m.kind, kind);
        QCOMPARE(m.cell, cell);
    }

    void journalLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("read");
        const QByteArray good = RoomJournal::formatLine({{QStringLiteral("e"), QStringLiteral("room")}});
        QTest::newRow("as written") << good << true;
        QTest::newRow("without its newline") << good.chopped(1) << true;
        QTest::newRow("torn") << good.left(good.size() - 4) << false;
        QByteArray changed = good;
        changed[12] = changed[12] == 'o' ? 'x' : 'o';
        QTest::newRow("changed") << changed << false;
        QTest::newRow("no check") << QByteArray("{\"e\":\"room\"}") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void journalLines()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, read);
        QCOMPARE(!RoomJournal::parseLine(line).isEmpty(), read);
    }

    void cardFaces_data()
    {
        QTest::addColumn<int>("sizeIndex");
        QTest::addColumn<bool>("freeSpace");
        QTest::addColumn<bool>("heading");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("freeCell");  // -1: none
        QTest::addColumn<int>("blankFrom"); // first blank cell, or the cell count
        QTest::newRow("5 x 5 free") << 1 << true << true << 24 << 12 << 25;
        QTest::newRow("3 x 3") << 0 << false << false << 9 << -1 << 9;
        QTest::newRow("7 x 7 free, short list") << 2 << true << true << 40 << 24 << 41;
    }
    void cardFaces()
    {
        QFETCH(int, sizeIndex);
        QFETCH(bool, freeSpace);
        QFETCH(bool, heading);
        QFETCH(int, shown);
        QFETCH(int, freeCell);
        QFETCH(int, blankFrom);
        CardSettings settings;
        settings.sizeIndex = sizeIndex;
        settings.freeSpace = freeSpace;
        settings.heading = heading;
        QStringList cells;
        for (int i = 0; i < shown; ++i)
            cells.append(QStringLiteral("e%1").arg(i));
        const CardFace face = wordCardFace(settings, cells);
        QCOMPARE(face.rows, settings.side());
        QCOMPARE(face.columns, settings.side());
        QCOMPARE(face.heading.size(), heading ? settings.side() : 0);
        for (int k = 0; k < face.cellCount(); ++k) {
            QCOMPARE(bool(face.free[std::size_t(k)]), k == freeCell);
            QCOMPARE(face.dabbable(k), k != freeCell && k < blankFrom);
        }
        QCOMPARE(face.cells.at(freeCell < 0 ? 1 : freeCell + 1),
                 QStringLiteral("e%1").arg(freeCell < 0 ? 1 : freeCell));
        QCOMPARE(faceJson(face).value(QStringLiteral("cells")).toArray().size(), face.cellCount());
    }

    void linksCsv_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("plain") << QStringLiteral("Ada") << QByteArray("3,Ada,http://h/c/t\r\n");
        QTest::newRow("comma") << QStringLiteral("Lovelace, Ada") << QByteArray("3,\"Lovelace, Ada\",http://h/c/t\r\n");
        QTest::newRow("quote") << QStringLiteral("A\"da") << QByteArray("3,\"A\"\"da\",http://h/c/t\r\n");
        QTest::newRow("formula") << QStringLiteral("=HYPERLINK(1)")
                                 << QByteArray("3,\"'=HYPERLINK(1)\",http://h/c/t\r\n");
    }
    void linksCsv()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, line);
        QCOMPARE(playerLinksCsv({{3, name, QStringLiteral("http://h/c/t")}}),
                 QByteArray("card number,name,address\r\n") + line);
    }
};

QTEST_GUILESS_MAIN(TestPlayRequest)
#include "tst_playrequest.moc"
