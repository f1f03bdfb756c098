// The caller window driven as a user drives it: keys, clicks on the board,
// the questions it asks, the card check, speech and reprinting; and the game
// file after every change, read back as a reopened window would.
#include "../game/GameFixtures.h"
#include "FakePrintService.h"
#include "FakeProgress.h"
#include "FakePrompts.h"
#include "FakeSpeaker.h"
#include "FileHelpers.h"
#include "ModalDriver.h"
#include "SequenceRandom.h"
#include "card/EnglishPlurals.h"

#include "app/caller/BoardView.h"
#include "app/caller/CallDisplay.h"
#include "app/caller/UnitFrmCaller.h"
#include "app/caller/UnitFrmCheckCard.h"
#include "app/caller/UnitFrmPrintCard.h"
#include "game/CallAnnouncer.h"
#include "game/CalledGame.h"
#include "game/GameCards.h"
#include "game/GameFile.h"
#include "game/GameFolder.h"
#include "print/NumberLine.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr std::uint64_t Seed = 0xCA11ED2025ULL;
constexpr int Cards = 20;

// A recorded game of twenty cards of the 75 numbers, and a caller window
// over fakes.
struct Caller
{
    explicit Caller(bool speech = true, bool answers = true) : speaker(speech, answers)
    {
        const GameRecord record = gameRecord(numberEntries(1, 75), 1, true, Seed, Cards);
        path = gameFilePath(dir.path(), record.code);
        writeGameRecord(path, record);
        code = record.code;
    }

    TFrmCaller &open()
    {
        window = std::make_unique<TFrmCaller>(CallerServices{&prompts, &printService, &progress, &speaker, &random});
        window->resize(1280, 800);
        if (!window->openGame(path))
            qFatal("the game did not open");
        window->show();
        if (!QTest::qWaitForWindowActive(window.get()))
            qFatal("the caller window never became active");
        return *window;
    }

    const CallSession &session() const { return window->game()->session(); }
    QString count() const { return window->LblCallCount->text(); }
    // The banner of calls not saved, empty while it is hidden.
    QString banner() const { return window->LblSaveProblem->isVisible() ? window->LblSaveProblem->text() : QString(); }
    QStringList kept() const { return readGameRecord(path).calls; }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window.get(), Qt::Key(key), modifiers);
    }
    // The first of the numbers first..last not called yet.
    QString uncalled(int first, int last) const
    {
        for (int n = first; n <= last; ++n)
            if (!session().isCalled(session().board().itemOf(QString::number(n))))
                return QString::number(n);
        return {};
    }
    void click(const QString &entry)
    {
        const QRectF tile = window->PBBoard->itemRect(session().board().itemOf(entry));
        QTest::mouseClick(window->PBBoard, Qt::LeftButton, {}, tile.center().toPoint());
    }

    QTemporaryDir dir;
    QString path;
    QString code;
    FakePrompts prompts;
    FakePrintService printService;
    FakeProgressFactory progress;
    FakeSpeaker speaker;
    SequenceRandom random;
    std::unique_ptr<TFrmCaller> window;
};

// "B 7": the column letter of the number, from B to O.
bool isNumberCall(const QString &call)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^([BINGO]) (\\d+)$")).match(call);
    const int n = m.captured(2).toInt();
    return m.hasMatch() && n >= 1 && n <= 75 && QStringLiteral("BINGO").at((n - 1) / 15) == m.captured(1).at(0);
}

// Writes past this many bytes fail with "Disk full" while it stands.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = m_saved;
        small.rlim_cur = bytes;
        m_set = ::setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FileSizeLimit() { lift(); }
    bool set() const { return m_set; }
    void lift()
    {
        if (!m_set)
            return;
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
        m_set = false;
    }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
    bool m_set = false;
};

// Draws as SequenceRandom does, slowly: a call takes a while to make.
class SlowRandom : public IRandomSource
{
public:
    std::uint32_t below(std::uint32_t m) override
    {
        QTest::qSleep(80);
        return inner.below(m);
    }
    SequenceRandom inner;
};

// A key pressed at a moment of the window system's clock, as a real
// keyboard's keys are: first offered to the shortcuts, then to the focus.
void keyAt(QWidget *window, int key, ulong time)
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    if (qt_sendShortcutOverrideEvent(target, time, key, Qt::NoModifier, QStringLiteral(" ")))
        return;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QStringLiteral(" "));
    press.setTimestamp(time);
    QApplication::sendEvent(target, &press);
}

} // namespace

class TestCaller : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The counted texts in English, as the program installs them.
    void initTestCase() { installEnglishPlurals(*QCoreApplication::instance()); }

    void callKeysCallAndKeepEachCall_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
    }
    void callKeysCallAndKeepEachCall()
    {
        QFETCH(int, key);
        Caller c;
        TFrmCaller &w = c.open();
        QCOMPARE(w.windowTitle(), QStringLiteral("Caller"));
        QCOMPARE(w.LblCallCount->text(), QStringLiteral("Call 0 of 75"));
        QStringList calls;
        for (int i = 1; i <= 3; ++i) {
            c.key(key);
            const QString call = w.PBCall->call();
            QVERIFY2(isNumberCall(call), qPrintable(call));
            const QString entry = call.section(QLatin1Char(' '), 1);
            QVERIFY(!calls.contains(entry));
            calls.append(entry);
            QCOMPARE(w.LblCallCount->text(), QStringLiteral("Call %1 of 75").arg(i));
            QCOMPARE(c.kept(), calls);
        }
    }

    void undoTakesBackTheLastCall()
    {
        Caller c;
        TFrmCaller &w = c.open();
        for (int i = 0; i < 3; ++i)
            c.key(Qt::Key_Space);
        const QStringList before = c.kept();
        c.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(c.kept(), before.mid(0, 2));
        QCOMPARE(w.PBCall->call().section(QLatin1Char(' '), 1), before.at(1));
        QCOMPARE(w.LblCallCount->text(), QStringLiteral("Call 2 of 75"));
        for (int i = 0; i < 3; ++i)
            c.key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(c.kept().isEmpty());
        QVERIFY(w.PBCall->call().isEmpty());
        QVERIFY(c.prompts.shown.isEmpty());
    }

    // A click on the latest call takes it back as Ctrl+Z does; one on an
    // earlier call asks first, naming it, since every later call moves up.
    void clickOnTheBoardMarksAndUnmarks_data()
    {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QStringList>("kept");
        const QString asked = QStringLiteral(
            "Take back call 1, B 7? The 2 calls after it move up one place, and the winners are worked out again.");
        QTest::newRow("the latest call, no question") << "33" << QList<Answer>{} << QString() << QStringList{"7", "64"};
        QTest::newRow("an earlier call, yes") << "7" << QList<Answer>{Answer::Yes} << asked << QStringList{"64", "33"};
        QTest::newRow("an earlier call, no")
            << "7" << QList<Answer>{Answer::No} << asked << QStringList{"7", "64", "33"};
        QTest::newRow("an earlier call, Escape")
            << "7" << QList<Answer>{Answer::Cancel} << asked << QStringList{"7", "64", "33"};
    }
    void clickOnTheBoardMarksAndUnmarks()
    {
        QFETCH(QString, clicked);
        QFETCH(QList<Answer>, answers);
        QFETCH(QString, question);
        QFETCH(QStringList, kept);
        Caller c;
        TFrmCaller &w = c.open();
        c.click(QStringLiteral("7"));
        QCOMPARE(w.PBCall->call(), QStringLiteral("B 7"));
        c.click(QStringLiteral("64"));
        QCOMPARE(w.PBCall->call(), QStringLiteral("O 64"));
        c.click(QStringLiteral("33"));
        QCOMPARE(c.kept(), QStringList({"7", "64", "33"}));
        for (Answer a : answers)
            c.prompts.answers.enqueue(a);
        c.click(clicked);
        QCOMPARE(c.prompts.texts(), question.isEmpty() ? QStringList() : QStringList{question});
        if (!question.isEmpty())
            QCOMPARE(c.prompts.shown.at(0).defaultButton, DefaultButton::No);
        QCOMPARE(c.kept(), kept);
        QCOMPARE(c.session().calledTexts(), kept);
        QCOMPARE(w.LblCallCount->text(), QStringLiteral("Call %1 of 75").arg(kept.size()));
    }

    void newGameAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes clears the calls") << true;
        QTest::newRow("no keeps them") << false;
    }
    void newGameAsksFirst()
    {
        QFETCH(bool, yes);
        Caller c;
        TFrmCaller &w = c.open();
        c.key(Qt::Key_Space);
        c.key(Qt::Key_Space);
        c.prompts.answers.enqueue(yes);
        c.key(Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(c.prompts.shown.size(), 1);
        QCOMPARE(c.prompts.shown.at(0).kind, FakePrompts::Kind::Question);
        QCOMPARE(c.prompts.shown.at(0).text,
                 QStringLiteral("Start a new game? The calls made so far will be cleared."));
        QCOMPARE(c.prompts.shown.at(0).defaultButton, DefaultButton::No);
        QCOMPARE(c.kept().size(), yes ? 0 : 2);
        QCOMPARE(w.LblCallCount->text(), QStringLiteral("Call %1 of 75").arg(yes ? 0 : 2));
    }

    // A window that ends without closing, as after a crash, leaves the game
    // to the next one, which goes on from the last call kept.
    void reopenedGameGoesOn()
    {
        Caller c;
        c.open();
        for (int i = 0; i < 4; ++i)
            c.key(Qt::Key_Space);
        const QString mark = c.uncalled(61, 75);
        c.click(mark);
        const QStringList calls = c.session().calledTexts();
        QCOMPARE(c.kept(), calls);
        c.window.reset();

        TFrmCaller again(CallerServices{&c.prompts, &c.printService, &c.progress, &c.speaker, &c.random});
        QVERIFY(again.openGame(c.path));
        QCOMPARE(again.game()->session().calledTexts(), calls);
        QCOMPARE(again.PBCall->call(), QStringLiteral("O ") + mark);
        QCOMPARE(again.LblCallCount->text(), QStringLiteral("Call 5 of 75"));
        again.MnuCallNext->trigger();
        QCOMPARE(c.kept().mid(0, 5), calls);
        QCOMPARE(c.kept().size(), 6);
        QVERIFY(!calls.contains(c.kept().constLast()));
        QVERIFY(c.prompts.shown.isEmpty());
    }

    // A game whose last calls were lost to a save cut short says how many
    // calls it kept, once, whichever way it is opened, and goes on from them.
    void damagedEndIsSaidOnceOnOpening()
    {
        Caller c;
        c.open();
        for (int i = 0; i < 3; ++i)
            c.key(Qt::Key_Space);
        const QStringList calls = c.session().calledTexts();
        c.window.reset();
        writeBytes(c.path, readBytes(c.path) + "4 0123abcd +1");
        c.open();
        QCOMPARE(c.prompts.texts(), QStringList{readGameRecord(c.path).callsNotice});
        QVERIFY(c.prompts.shown[0].text.contains(QLatin1String("the first 3 calls were kept")));
        QCOMPARE(c.session().calledTexts(), calls);
        QVERIFY(c.window->openGame(c.path));
        QCOMPARE(c.prompts.shown.size(), 1);
    }

    // One window calls a game at a time: a second one is refused, saying
    // where the game is called, until the first lets it go.
    void gameIsCalledByOneWindowAtATime()
    {
        Caller c;
        c.open();
        c.key(Qt::Key_Space);
        FakePrompts second;
        TFrmCaller other(CallerServices{&second, &c.printService, &c.progress, &c.speaker, &c.random});
        QVERIFY(!other.openGame(c.path));
        QVERIFY(!other.game());
        QCOMPARE(second.texts(),
                 QStringList{QStringLiteral("The game \"%1.mrvgame\" is being called in another Caller window (Morvane "
                                            "process %2 on %3), so it cannot be called here at the same time.")
                                 .arg(c.code)
                                 .arg(::getpid())
                                 .arg(QSysInfo::machineHostName())});
        QCOMPARE(second.count(FakePrompts::Kind::Error), 1);
        // The window calling it opens it again as its own.
        QVERIFY(c.window->openGame(c.path));
        c.window.reset();
        QVERIFY(other.openGame(c.path));
        QCOMPARE(other.game()->session().callCount(), 1);
    }

    // A write that fails leaves the call on screen and a banner that stays:
    // no further call until the calls are saved, each call key trying again.
    void callsNotSavedStopTheCalling_data()
    {
        QTest::addColumn<QString>("then");
        QTest::addColumn<int>("calls");
        QTest::addColumn<int>("keptCalls");
        QTest::addColumn<bool>("bannerStays");
        QTest::addColumn<bool>("autoCall");
        QTest::newRow("room made, a call key saves") << "free" << 3 << 3 << false << false;
        QTest::newRow("the unsaved call taken back") << "undo" << 2 << 2 << false << false;
        QTest::newRow("a mark waits too") << "mark" << 3 << 2 << true << false;
        QTest::newRow("Auto Call stops") << "free" << 3 << 3 << false << true;
    }
    void callsNotSavedStopTheCalling()
    {
        QFETCH(QString, then);
        QFETCH(int, calls);
        QFETCH(int, keptCalls);
        QFETCH(bool, bannerStays);
        QFETCH(bool, autoCall);
        Caller c;
        TFrmCaller &w = c.open();
        c.key(Qt::Key_Space);
        c.key(Qt::Key_Space);
        QVERIFY(c.banner().isEmpty());
        FileSizeLimit limit(rlim_t(QFileInfo(c.path).size()));
        QVERIFY(limit.set());
        if (autoCall)
            w.MnuAutoCallClick();
        for (int i = 0; i < 4; ++i) {
            if (autoCall)
                w.TmrAutoCallTimer();
            else
                c.key(Qt::Key_Space);
        }
        QVERIFY(!w.autoCalling());
        QCOMPARE(c.count(), QStringLiteral("Call 3 of 75"));
        QCOMPARE(c.kept().size(), 2);
        const QString banner =
            QStringLiteral(
                "Call 3 was not saved in \"%1\": Disk full. No further call is made until it is saved: press "
                "Space to try again.")
                .arg(QDir::toNativeSeparators(c.path));
        QCOMPARE(c.banner(), banner);
        QCOMPARE(w.LblSaveProblem->objectName(), QStringLiteral("LblSaveProblem"));
        QVERIFY(c.prompts.shown.isEmpty());

        if (then == QLatin1String("free")) {
            limit.lift();
            c.key(Qt::Key_Space);
        } else if (then == QLatin1String("undo")) {
            c.key(Qt::Key_Z, Qt::ControlModifier);
        } else {
            c.click(c.uncalled(1, 15));
        }
        QCOMPARE(c.session().callCount(), calls);
        QCOMPARE(c.kept().size(), keptCalls);
        QCOMPARE(c.banner(), bannerStays ? banner : QString());
        QVERIFY(c.prompts.shown.isEmpty());
    }

    void closingWithCallsNotSavedAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes closes") << true;
        QTest::newRow("no stays") << false;
    }
    void closingWithCallsNotSavedAsksFirst()
    {
        QFETCH(bool, yes);
        Caller c;
        TFrmCaller &w = c.open();
        c.key(Qt::Key_Space);
        FileSizeLimit limit(rlim_t(QFileInfo(c.path).size()));
        c.key(Qt::Key_Space);
        c.prompts.answers.enqueue(yes);
        QCOMPARE(w.close(), yes);
        QCOMPARE(c.prompts.texts(),
                 QStringList{QStringLiteral("Call 2 was not saved in \"%1\": Disk full. Close the Caller without "
                                            "saving?")
                                 .arg(QDir::toNativeSeparators(c.path))});
        QCOMPARE(c.prompts.shown.at(0).defaultButton, DefaultButton::No);
        QCOMPARE(w.isVisible(), !yes);
        QCOMPARE(c.kept().size(), 1);
    }

    // A game file deleted under the window is made again only when the user
    // says so; until then the calls are not saved.
    void deletedGameFileIsMadeAgainOnlyWhenAsked_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes makes it again") << true;
        QTest::newRow("no leaves it gone") << false;
    }
    void deletedGameFileIsMadeAgainOnlyWhenAsked()
    {
        QFETCH(bool, yes);
        Caller c;
        c.open();
        c.key(Qt::Key_Space);
        QVERIFY(QFile::remove(c.path));
        c.prompts.answers.enqueue(yes);
        c.key(Qt::Key_Space);
        QCOMPARE(c.prompts.texts(),
                 QStringList{QStringLiteral("The game file \"%1\" was deleted while the Caller was open. Make it again "
                                            "with the calls so far?")
                                 .arg(QDir::toNativeSeparators(c.path))});
        QCOMPARE(c.prompts.shown.at(0).defaultButton, DefaultButton::No);
        QCOMPARE(QFileInfo::exists(c.path), yes);
        QCOMPARE(c.count(), QStringLiteral("Call 2 of 75"));
        if (yes) {
            QCOMPARE(c.kept(), c.session().calledTexts());
            QVERIFY(c.banner().isEmpty());
            return;
        }
        const QString start = QStringLiteral("Call 2 was not saved in \"%1\": The file was deleted.")
                                  .arg(QDir::toNativeSeparators(c.path));
        QVERIFY2(c.banner().startsWith(start), qPrintable(c.banner()));
        // The next call key asks again, and makes no call.
        c.key(Qt::Key_Space);
        QCOMPARE(c.prompts.count(FakePrompts::Kind::Question), 2);
        QCOMPARE(c.count(), QStringLiteral("Call 2 of 75"));
        QVERIFY(!QFileInfo::exists(c.path));
    }

    void unreadableGameLeavesTheWindowAsItWas()
    {
        Caller c;
        TFrmCaller &w = c.open();
        c.key(Qt::Key_Space);
        const QString bad = c.dir.filePath(QStringLiteral("BAD.mrvgame"));
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Game]\nFormat=1\n");
        file.close();
        QVERIFY(!w.openGame(bad));
        QCOMPARE(c.prompts.count(FakePrompts::Kind::Error), 1);
        QCOMPARE(w.gamePath(), c.path);
        QCOMPARE(w.LblCallCount->text(), QStringLiteral("Call 1 of 75"));
    }

    // Card 17's first row is marked on the board; the pattern is chosen by
    // its key; Ctrl+K checks the typed card.
    void winnersAndCheckCard_data()
    {
        QTest::addColumn<int>("pattern");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("winners");
        QTest::addColumn<QString>("verdict");
        const QString outside = QStringLiteral("There is no card 600 in this game: its cards are numbered 1 to 20.");
        QTest::newRow("any line") << 0 << "17"
                                  << "card 17 (call 5)"
                                  << "Card 17: bingo on row 1";
        QTest::newRow("four corners") << 1 << "17"
                                      << "No bingo yet."
                                      << "Card 17: no bingo yet, 2 cells short of four corners";
        QTest::newRow("full card") << 2 << "17"
                                   << "No bingo yet."
                                   << "Card 17: no bingo yet, 19 cells short of a full card";
        QTest::newRow("no such card") << 0 << "600"
                                      << "card 17 (call 5)" << outside;
    }
    void winnersAndCheckCard()
    {
        QFETCH(int, pattern);
        QFETCH(QString, typed);
        QFETCH(QString, winners);
        QFETCH(QString, verdict);
        Caller c;
        TFrmCaller &w = c.open();
        const QStringList card17 = GameCards(readGameRecord(c.path)).cells(17);
        c.key(Qt::Key_1 + pattern, Qt::ControlModifier);
        QCOMPARE(w.CboPattern->currentIndex(), pattern);
        QCOMPARE(w.LblWinners->text(), QStringLiteral("No bingo yet."));
        for (int i = 0; i < 5; ++i)
            c.click(card17.at(i));
        QVERIFY2(w.LblWinners->text().contains(winners), qPrintable(w.LblWinners->text()));

        QString shown;
        ModalDriver<TFrmCheckCard> driver([&](TFrmCheckCard &dialog) {
            QTest::keyClicks(dialog.EdtCardNumber, typed);
            QTest::keyClick(dialog.EdtCardNumber, Qt::Key_Return);
            shown = dialog.LblVerdict->text();
            dialog.accept();
        });
        c.key(Qt::Key_K, Qt::ControlModifier);
        QVERIFY(driver.found());
        QCOMPARE(shown, verdict);
    }

    void speechSaysNewCallsWhenAsked()
    {
        Caller c;
        TFrmCaller &w = c.open();
        QVERIFY(w.MnuSpeakCalls->isEnabled());
        QVERIFY(!w.MnuSpeakCalls->isChecked());
        QVERIFY(!w.MnuSpeechNote->isVisible());
        c.key(Qt::Key_Space);
        QVERIFY(c.speaker.said.isEmpty());

        w.MnuSpeakCalls->trigger();
        c.key(Qt::Key_Space);
        QCOMPARE(c.speaker.said.size(), 1);
        QCOMPARE(c.speaker.said.at(0), QString(w.PBCall->call()).replace(QLatin1Char(' '), QStringLiteral(", ")));
        const QString mark = c.uncalled(31, 45);
        c.click(mark);
        QCOMPARE(c.speaker.said.constLast(), QStringLiteral("N, ") + mark);
        c.key(Qt::Key_Z, Qt::ControlModifier);
        c.click(c.session().board().text(c.session().lastCall()));
        QCOMPARE(c.speaker.said.size(), 2);
    }

    // A speech service that takes no text holds up neither the call nor its
    // save; after the answer time it is said once, and speech turned off.
    void speechThatDoesNotAnswerIsTurnedOff()
    {
        Caller c(true, false);
        TFrmCaller &w = c.open();
        w.MnuSpeakCalls->trigger();
        QVERIFY(w.MnuSpeakCalls->isChecked());
        c.key(Qt::Key_Space);
        c.key(Qt::Key_Space);
        QCOMPARE(c.count(), QStringLiteral("Call 2 of 75"));
        QCOMPARE(c.kept().size(), 2);
        QCOMPARE(c.speaker.said.size(), 2);
        QVERIFY(c.prompts.shown.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!w.MnuSpeakCalls->isChecked(), CallAnnouncer::AnswerTimeMs + 2000);
        QCOMPARE(c.prompts.texts(), QStringList{CallAnnouncer::notAnsweringMessage()});
        QCOMPARE(c.prompts.count(FakePrompts::Kind::Information), 1);
        QVERIFY(w.MnuSpeakCalls->isEnabled());
        c.key(Qt::Key_Space);
        QCOMPARE(c.speaker.said.size(), 2);
        QCOMPARE(c.prompts.shown.size(), 1);
    }

    // Once every entry is called, a call key does nothing: it does not open
    // the pattern list that has the focus.
    void callKeyAfterTheLastCallDoesNothing()
    {
        Caller c;
        TFrmCaller w(CallerServices{&c.prompts, &c.printService, &c.progress, &c.speaker, &c.random});
        CardSettings settings;
        w.openWordList({"cat", "dog", "emu"}, settings);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.CboPattern->setFocus();
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(w.CboPattern, Qt::Key_Space);
        QCOMPARE(w.LblCallCount->text(), QStringLiteral("Call 3 of 3"));
        QVERIFY(!w.CboPattern->view()->isVisible());
        QCOMPARE(w.CboPattern->currentIndex(), 0);
    }

    // A call key pressed while a slow call is still being made is dropped,
    // not kept for later: a held key stops calling once let go.
    void callKeyDuringACallIsDropped()
    {
        Caller c;
        SlowRandom slow;
        c.window =
            std::make_unique<TFrmCaller>(CallerServices{&c.prompts, &c.printService, &c.progress, &c.speaker, &slow});
        c.window->resize(1280, 800);
        QVERIFY(c.window->openGame(c.path));
        c.window->show();
        QVERIFY(QTest::qWaitForWindowActive(c.window.get()));
        keyAt(c.window.get(), Qt::Key_Space, 100000);
        QCOMPARE(c.session().callCount(), 1);
        keyAt(c.window.get(), Qt::Key_Space, 100040); // pressed during the first call
        QCOMPARE(c.session().callCount(), 1);
        keyAt(c.window.get(), Qt::Key_Space, 110000);
        QCOMPARE(c.session().callCount(), 2);
        QCOMPARE(c.kept().size(), 2);
    }

    // What Check Card cannot read as a card number is refused in words, and
    // the card checked before does not stand under it.
    void checkCardRefusesWhatIsNoNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("a blank inside") << "1 7"
                                        << "\"1 7\" is not a card number: type its digits alone, such as 17.";
        QTest::newRow("a letter after") << "17a"
                                        << "\"17a\" is not a card number: type its digits alone, such as 17.";
        QTest::newRow("a sign") << "-3"
                                << "\"-3\" is not a card number: type its digits alone, such as 17.";
        QTest::newRow("nothing") << ""
                                 << "Type the number of a card, then press Check.";
        QTest::newRow("blanks around") << " 17 "
                                       << "Card 17: no bingo yet, 3 cells short of the nearest line";
    }
    void checkCardRefusesWhatIsNoNumber()
    {
        QFETCH(QString, typed);
        QFETCH(QString, verdict);
        Caller c;
        c.open();
        c.click(GameCards(readGameRecord(c.path)).cells(17).at(0));
        QString before;
        QString after;
        int card = -1;
        ModalDriver<TFrmCheckCard> driver([&](TFrmCheckCard &dialog) {
            QTest::keyClicks(dialog.EdtCardNumber, QStringLiteral("5"));
            QTest::keyClick(dialog.EdtCardNumber, Qt::Key_Return);
            before = dialog.LblVerdict->text();
            dialog.EdtCardNumber->clear();
            QTest::keyClicks(dialog.EdtCardNumber, typed);
            QTest::keyClick(dialog.EdtCardNumber, Qt::Key_Return);
            after = dialog.LblVerdict->text();
            card = dialog.card();
            dialog.accept();
        });
        c.key(Qt::Key_K, Qt::ControlModifier);
        QVERIFY(driver.found());
        QVERIFY2(before.startsWith(QStringLiteral("Card 5:")), qPrintable(before));
        QCOMPARE(after, verdict);
        QCOMPARE(card, verdict.startsWith(QStringLiteral("Card 17")) ? 17 : 0);
    }

    void noSpeechServiceGreysTheItemWithANote()
    {
        Caller c(false);
        TFrmCaller &w = c.open();
        QVERIFY(!w.MnuSpeakCalls->isEnabled());
        QVERIFY(w.MnuSpeechNote->isVisible());
        QVERIFY(!w.MnuSpeechNote->isEnabled());
        QCOMPARE(w.MnuSpeechNote->text(), CallAnnouncer::unavailableNote());
        w.MnuSpeakCalls->trigger();
        c.key(Qt::Key_Space);
        QVERIFY(c.speaker.said.isEmpty());
        QVERIFY(c.prompts.shown.isEmpty());
    }

    void wordListIsCalledWithoutCards()
    {
        Caller c;
        TFrmCaller w(CallerServices{&c.prompts, &c.printService, &c.progress, &c.speaker, &c.random});
        CardSettings settings;
        settings.heading = false;
        const QStringList words{"cat", "dog", "emu"};
        w.openWordList(words, settings);
        QVERIFY(!w.MnuCheckCard->isEnabled());
        QVERIFY(!w.MnuPrintCard->isEnabled());
        QStringList called;
        for (int i = 0; i < 3; ++i) {
            w.MnuCallNext->trigger();
            called.append(w.PBCall->call());
        }
        called.sort();
        QCOMPARE(called, words);
        QVERIFY(!w.MnuCallNext->isEnabled());
        QCOMPARE(w.LblCallCount->text(), QStringLiteral("Call 3 of 3"));
        QCOMPARE(w.LblWinners->text(), QStringLiteral("No cards in this game: winners are not checked."));
        QVERIFY(w.gamePath().isEmpty());
    }

    void printCardPrintsTheTypedCardsAgain_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("printed");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("a card and a range") << "2, 5-6" << QList<int>{2, 5, 6} << QString();
        QTest::newRow("past the last card")
            << "19-21" << QList<int>{} << "There is no card 21 in this game: its cards are numbered 1 to 20.";
    }
    void printCardPrintsTheTypedCardsAgain()
    {
        QFETCH(QString, typed);
        QFETCH(QList<int>, printed);
        QFETCH(QString, refusal);
        Caller c;
        c.open();
        ModalDriver<TFrmPrintCard> driver([&](TFrmPrintCard &dialog) {
            dialog.EdtCards->setText(typed);
            QTest::mouseClick(dialog.BtnPrint, Qt::LeftButton);
            if (dialog.isVisible())
                dialog.reject();
        });
        c.key(Qt::Key_P, Qt::ControlModifier);
        QVERIFY(driver.found());
        QStringList lines;
        for (const auto &document : c.printService.documents)
            for (const auto &page : document)
                for (const auto &text : page.texts)
                    if (text.text.startsWith(QStringLiteral("Card ")))
                        lines.append(text.text);
        QStringList expected;
        for (int k : printed)
            expected.append(numberLineText(std::uint64_t(k), c.code));
        QCOMPARE(lines, expected);
        QCOMPARE(c.prompts.texts(), refusal.isEmpty() ? QStringList() : QStringList{refusal});
    }

    // The board fills the window at any size, its tiles side by side and
    // larger on a larger screen.
    void boardScalesWithTheWindow()
    {
        Caller c;
        TFrmCaller &w = c.open();
        double previous = 0;
        for (const QSize size : {QSize(1024, 768), QSize(1920, 1080)}) {
            w.resize(size);
            QTRY_COMPARE(w.size(), size);
            QTRY_VERIFY(w.PBBoard->width() > size.width() / 2);
            const QRectF board = w.PBBoard->rect();
            QRectF left = w.PBBoard->itemRect(0);
            for (int n = 1; n <= 15; ++n) {
                const QRectF tile = w.PBBoard->itemRect(c.session().board().itemOf(QString::number(n)));
                QVERIFY(board.contains(tile));
                QVERIFY(n == 1 || tile.left() >= left.right());
                left = tile;
            }
            QVERIFY(left.height() > previous);
            previous = left.height();
        }
    }
};

QTEST_MAIN(TestCaller)
#include "tst_caller.moc"
