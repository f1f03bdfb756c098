// The caller window driven as a user drives it: keys, clicks on the board,
// the questions it asks, the card check, speech and reprinting; and the game
// file after every change, read back as a reopened window would.
#include "../game/GameFixtures.h"
#include "FakePrintService.h"
#include "FakeProgress.h"
#include "FakePrompts.h"
#include "FakeSpeaker.h"
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

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr std::uint64_t Seed = 0xCA11ED2025ULL;
constexpr int Cards = 20;

// A recorded game of twenty cards of the 75 numbers, and a caller window
// over fakes.
struct Caller
{
    explicit Caller(bool speech = true) : speaker(speech)
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

    void clickOnTheBoardMarksAndUnmarks()
    {
        Caller c;
        TFrmCaller &w = c.open();
        c.click(QStringLiteral("7"));
        QCOMPARE(w.PBCall->call(), QStringLiteral("B 7"));
        c.click(QStringLiteral("64"));
        QCOMPARE(w.PBCall->call(), QStringLiteral("O 64"));
        QCOMPARE(c.kept(), QStringList({"7", "64"}));
        c.click(QStringLiteral("7"));
        QCOMPARE(c.kept(), QStringList({"64"}));
        QCOMPARE(w.LblCallCount->text(), QStringLiteral("Call 1 of 75"));
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

    // Nothing waits for the window to close: a second window opened on the
    // file while the first still runs, as after a crash, goes on from there.
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

        TFrmCaller again(CallerServices{&c.prompts, &c.printService, &c.progress, &c.speaker, &c.random});
        QVERIFY(again.openGame(c.path));
        QCOMPARE(again.game()->session().calledTexts(), calls);
        QCOMPARE(again.PBCall->call(), QStringLiteral("O ") + mark);
        QCOMPARE(again.LblCallCount->text(), QStringLiteral("Call 5 of 75"));
        again.MnuCallNext->trigger();
        QCOMPARE(c.kept().mid(0, 5), calls);
        QCOMPARE(c.kept().size(), 6);
        QVERIFY(!calls.contains(c.kept().constLast()));
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
