#include "FakePrompts.h"
#include "FakeSpeaker.h"
#include "PlayFixtures.h"

#include "app/caller/UnitFrmCaller.h"
#include "app/play/PlayPanel.h"
#include "app/play/PlayServer.h"
#include "app/play/PlaySettings.h"
#include "app/play/QrCode.h"
#include "play/Room.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool listening(quint16 port)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    return socket.waitForConnected(2000);
}

// The 7 x 7 finder pattern of a QR code with its corner at (x, y).
bool finderAt(const QrMatrix &m, int x, int y)
{
    for (int dy = 0; dy < 7; ++dy)
        for (int dx = 0; dx < 7; ++dx) {
            const int ring = std::max(std::abs(dx - 3), std::abs(dy - 3));
            if (m.at(x + dx, y + dy) != (ring != 2))
                return false;
        }
    return true;
}

} // namespace

// "Play on Phones" in the Caller window: off until asked for, a question
// the first time, the room's address and code while on, nothing listening
// once it is off or the window has closed.
class TestPlayPanel : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;
    // No speech service is started: these tests are about the room.
    FakeSpeaker m_speaker;

private Q_SLOTS:
    void initTestCase() { m_path = openedGame(m_dir.path(), 8)->path(); }
    void init()
    {
        QFile::remove(playSettingsPath());
        QFile::remove(RoomJournal::pathFor(m_path));
    }

    void firstStartAsks_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("agreed") << true;
        QTest::newRow("declined") << false;
    }
    void firstStartAsks()
    {
        QFETCH(bool, yes);
        FakePrompts prompts;
        prompts.answers.enqueue(yes);
        CallerServices services;
        services.prompts = &prompts;
        services.speaker = &m_speaker;
        TFrmCaller caller(services);
        QVERIFY(caller.openGame(m_path));
        QVERIFY(caller.MnuPlayOnPhones->isEnabled());
        QVERIFY(!caller.MnuPlayOnPhones->isChecked());
        QVERIFY(!caller.MnuPlayerLinks->isEnabled());
        caller.MnuPlayOnPhones->trigger();
        QCOMPARE(prompts.shown.size(), 1);
        QCOMPARE(prompts.shown.front().kind, FakePrompts::Kind::Question);
        QVERIFY(prompts.shown.front().text.contains(QStringLiteral("local network")));
        QCOMPARE(caller.PnlPlay != nullptr, yes);
        QCOMPARE(caller.MnuPlayOnPhones->isChecked(), yes);
        QCOMPARE(caller.MnuPlayerLinks->isEnabled(), yes);
        QCOMPARE(readPlaySettings(playSettingsPath()).asked, yes);
        if (!yes)
            return;
        PlayPanel *panel = caller.PnlPlay;
        const quint16 port = panel->server().port();
        QVERIFY(listening(port));
        QCOMPARE(panel->LblRoomAddress->text(), panel->server().roomUrl().toString());
        QVERIFY(panel->LblRoomAddress->text().endsWith(QStringLiteral(":%1/").arg(port)));
        QVERIFY(panel->PBRoomCode->matrix().width >= 21);

        caller.MnuPlayOnPhones->trigger();
        QVERIFY(!caller.PnlPlay);
        QVERIFY(!caller.MnuPlayOnPhones->isChecked());
        QVERIFY(!listening(port));
        // Asked once only.
        caller.MnuPlayOnPhones->trigger();
        QCOMPARE(prompts.shown.size(), 1);
        QVERIFY(caller.PnlPlay);
    }

    void closingTheCallerStopsTheRoom()
    {
        writePlaySettings(playSettingsPath(), {true, 0, 1});
        FakePrompts prompts;
        CallerServices services;
        services.prompts = &prompts;
        services.speaker = &m_speaker;
        QPointer<TFrmCaller> caller = new TFrmCaller(services);
        caller->setAttribute(Qt::WA_DeleteOnClose);
        QVERIFY(caller->openGame(m_path));
        caller->show();
        caller->MnuPlayOnPhones->trigger();
        QVERIFY(prompts.shown.isEmpty());
        QVERIFY(caller->PnlPlay);
        const quint16 port = caller->PnlPlay->server().port();
        QVERIFY(listening(port));
        caller->close();
        QTRY_VERIFY(caller.isNull());
        QVERIFY(!listening(port));
    }

    void theChosenPortIsUsedAndKept()
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::AnyIPv4, 0));
        const quint16 port = probe.serverPort();
        probe.close();
        writePlaySettings(playSettingsPath(), {true, port, 1});
        FakePrompts prompts;
        CallerServices services;
        services.prompts = &prompts;
        services.speaker = &m_speaker;
        TFrmCaller caller(services);
        QVERIFY(caller.openGame(m_path));
        caller.MnuPlayOnPhones->trigger();
        QVERIFY(caller.PnlPlay);
        QCOMPARE(caller.PnlPlay->server().port(), port);
        QCOMPARE(caller.PnlPlay->SpnPort->value(), int(port));
        caller.PnlPlay->SpnPort->setValue(0);
        QCOMPARE(readPlaySettings(playSettingsPath()).port, 0);
    }

    void wordListsHaveNoRoom()
    {
        FakePrompts prompts;
        CallerServices services;
        services.prompts = &prompts;
        services.speaker = &m_speaker;
        TFrmCaller caller(services);
        caller.openWordList(numberEntries(1, 75), CardSettings());
        QVERIFY(!caller.MnuPlayOnPhones->isEnabled());
    }

    void handingOutFollowsTheCheckBox()
    {
        writePlaySettings(playSettingsPath(), {true, 0, 2});
        FakePrompts prompts;
        CallerServices services;
        services.prompts = &prompts;
        services.speaker = &m_speaker;
        TFrmCaller caller(services);
        QVERIFY(caller.openGame(m_path));
        caller.MnuPlayOnPhones->trigger();
        PlayPanel *panel = caller.PnlPlay;
        QVERIFY(panel);
        QCOMPARE(panel->room().cardsPerPhone(), 2);
        QVERIFY(panel->ChkHandOutCards->isChecked());
        panel->ChkHandOutCards->setChecked(false);
        QCOMPARE(panel->room().join(QStringLiteral("Ada"), QStringLiteral("aaaaaaaaaaaaaaaa")).status,
                 Room::JoinStatus::Closed);
        panel->ChkHandOutCards->setChecked(true);
        const QString token =
            panel->room().join(QStringLiteral("<b>Ada</b>"), QStringLiteral("aaaaaaaaaaaaaaaa")).token;
        QVERIFY(!token.isEmpty());
        panel->room().claim(token);
        QMetaObject::invokeMethod(&panel->server(), "claimsChanged");
        const auto names = panel->PnlClaims->findChildren<QLabel *>(QStringLiteral("LblClaimName"));
        QCOMPARE(names.size(), 1);
        QCOMPARE(names.front()->textFormat(), Qt::PlainText);
        QVERIFY(names.front()->text().startsWith(QStringLiteral("<b>Ada</b>")));
        // A card sent as a link without a name is named by its number.
        panel->room().claim(panel->room().linkCard(5));
        QMetaObject::invokeMethod(&panel->server(), "claimsChanged");
        QCOMPARE(panel->PnlClaims->findChildren<QLabel *>(QStringLiteral("LblClaimName")).back()->text(),
                 QStringLiteral("card 5"));
    }

    void qrCodesHaveTheirFinders_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("room") << QStringLiteral("http://192.168.1.20:41234/");
        QTest::newRow("card") << QStringLiteral("http://10.0.0.7:5000/c/0123456789abcdef0123456789abcdef");
    }
    void qrCodesHaveTheirFinders()
    {
        QFETCH(QString, text);
        const QrMatrix m = encodeQr(text);
        QVERIFY(m.width >= 21);
        QCOMPARE((m.width - 17) % 4, 0);
        QVERIFY(finderAt(m, 0, 0));
        QVERIFY(finderAt(m, m.width - 7, 0));
        QVERIFY(finderAt(m, 0, m.width - 7));
        QVERIFY(!finderAt(m, m.width - 7, m.width - 7));
    }
};

QTEST_MAIN(TestPlayPanel)
#include "tst_playpanel.moc"
