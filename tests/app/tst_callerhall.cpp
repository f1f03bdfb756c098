// The caller window in a hall: prize stages chosen and drawn, won one after
// the other and kept beside the game; calls made by themselves until a stage
// is won; a call repeated, named and shown on the room display.
#include "../game/GameFixtures.h"
#include "FakePrintService.h"
#include "FakeProgress.h"
#include "FakePrompts.h"
#include "FakeSpeaker.h"
#include "ModalDriver.h"
#include "SequenceRandom.h"

#include "app/caller/BoardView.h"
#include "app/caller/CallDisplay.h"
#include "app/caller/CallFlash.h"
#include "app/caller/RoomDisplay.h"
#include "app/caller/UnitFrmCaller.h"
#include "app/caller/UnitFrmCheckCard.h"
#include "app/caller/UnitFrmDrawPattern.h"
#include "app/caller/UnitFrmStages.h"
#include "docs/Folders.h"
#include "docs/IniFile.h"
#include "game/CalledGame.h"
#include "game/GameCards.h"
#include "game/GameFile.h"
#include "game/GameFolder.h"
#include "game/GameStages.h"
#include "game/SavedPatterns.h"
#include "game/StagesFile.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

struct Hall
{
    explicit Hall(CardKind kind = CardKind::WordCards)
    {
        GameRecord record = gameRecord(numberEntries(1, 75), 1, true, 0xCA11ED2025ULL, 20);
        if (kind == CardKind::Tickets90) {
            record.settings.kind = kind;
            record.entries = cardEntries(kind, {});
            record.cards = 12;
            record.cardsPerPage = 12;
        }
        path = gameFilePath(dir.path(), record.code);
        writeGameRecord(path, record);
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
    void key(int key) { QTest::keyClick(window.get(), Qt::Key(key)); }
    void click(const QString &entry)
    {
        const QRectF tile = window->PBBoard->itemRect(window->game()->session().board().itemOf(entry));
        QTest::mouseClick(window->PBBoard, Qt::LeftButton, {}, tile.center().toPoint());
    }

    QTemporaryDir dir;
    QString path;
    FakePrompts prompts;
    FakePrintService printService;
    FakeProgressFactory progress;
    FakeSpeaker speaker;
    SequenceRandom random;
    std::unique_ptr<TFrmCaller> window;
};

// Picks the offered prizes by row; -1 draws the pattern of the cells instead.
void chooseStages(TFrmCaller &w, const QList<int> &rows, const QString &drawnName, const QList<int> &drawnCells)
{
    ModalDriver<TFrmStages> driver([&](TFrmStages &dialog) {
        for (int row : rows) {
            if (row >= 0) {
                dialog.LstPrizes->setCurrentRow(row);
                QTest::mouseClick(dialog.BtnAddStage, Qt::LeftButton);
                continue;
            }
            ModalDriver<TFrmDrawPattern> draw([&](TFrmDrawPattern &pattern) {
                QTest::keyClicks(pattern.EdtPatternName, drawnName);
                for (int cell : drawnCells)
                    QTest::mouseClick(pattern.BtnCells.at(cell), Qt::LeftButton);
                QTest::mouseClick(pattern.BtnsPattern->button(QDialogButtonBox::Ok), Qt::LeftButton);
            });
            QTest::mouseClick(dialog.BtnDrawPattern, Qt::LeftButton);
            if (!draw.found())
                dialog.reject();
        }
        QTest::mouseClick(dialog.BtnsStages->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    w.MnuStages->trigger();
    QVERIFY(driver.found());
}

} // namespace

class TestCallerHall : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("Morvane")); }

    // Card 17's cells are marked in the order given; the stages move on by
    // themselves, and a reopened window goes on with the same stages.
    void stagesAdvanceByThemselves_data()
    {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QList<int>>("marks");
        QTest::addColumn<QString>("stage");
        QTest::addColumn<QString>("winner");
        QTest::newRow("no call yet") << QList<int>{0, 2} << QList<int>{} << "Stage 1 of 2: Any Line" << QString();
        QTest::newRow("a line, then four corners") << QList<int>{0, 2} << QList<int>{0, 1, 2, 3, 4}
                                                   << "Stage 2 of 2: Four Corners \u00B7 Any Line won at call 5"
                                                   << "\u2605 card 17 (Any Line, call 5)";
        QTest::newRow("one call wins two stages") << QList<int>{2, 0, 5} << QList<int>{0, 4, 20, 21, 22, 23, 24}
                                                  << "Stage 3 of 3: Full Card \u00B7 Any Line won at call 7"
                                                  << "\u2605 card 17 (Any Line, call 7)";
        QTest::newRow("a drawn pattern") << QList<int>{-1} << QList<int>{4, 0}
                                         << "All stages won \u00B7 Top corners won at call 2"
                                         << "\u2605 card 17 (Top corners, call 2)";
    }
    void stagesAdvanceByThemselves()
    {
        QFETCH(QList<int>, rows);
        QFETCH(QList<int>, marks);
        QFETCH(QString, stage);
        QFETCH(QString, winner);
        Hall h;
        TFrmCaller &w = h.open();
        QVERIFY(!w.LblStage->isVisible());
        chooseStages(w, rows, QStringLiteral("Top corners"), {0, 4});
        QVERIFY(w.LblStage->isVisible());
        QVERIFY(!w.CboPattern->isEnabled());
        const QStringList card17 = GameCards(readGameRecord(h.path)).cells(17);
        for (int cell : marks)
            h.click(card17.at(cell > 12 ? cell - 1 : cell)); // the free centre takes no entry
        QCOMPARE(w.LblStage->text(), stage);
        if (winner.isEmpty())
            QCOMPARE(w.LblWinners->text(), QStringLiteral("No bingo yet."));
        else
            QVERIFY2(w.LblWinners->text().startsWith(QStringLiteral("Bingo: ") + winner),
                     qPrintable(w.LblWinners->text()));

        const PrizeStages kept = readStages(h.path);
        QCOMPARE(int(kept.size()), int(rows.size()));
        h.window.reset(); // one window calls a game at a time
        TFrmCaller again(CallerServices{&h.prompts, &h.printService, &h.progress, &h.speaker, &h.random});
        QVERIFY(again.openGame(h.path));
        QCOMPARE(again.game()->session().prizeWins().prizes(), kept);
        QCOMPARE(again.LblStage->text(), stage);
        if (rows.contains(-1)) {
            const std::vector<SavedPattern> saved = readSavedPatterns(patternsFilePath());
            QCOMPARE(saved.size(), std::size_t(1));
            QCOMPARE(saved.front(), (SavedPattern{QStringLiteral("Top corners"), 5, 0x11}));
        }
        QVERIFY(h.prompts.shown.isEmpty());
    }

    // Auto Call calls on each tick until a stage is won; Space pauses it.
    void autoCallStopsAtAWonStage()
    {
        Hall h;
        TFrmCaller &w = h.open();
        chooseStages(w, {0}, {}, {});
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        h.key(Qt::Key_A);
        QVERIFY(w.autoCalling());
        QCOMPARE(w.TmrAutoCall->interval(), 10000);
        h.key(Qt::Key_Space);
        QVERIFY(!w.autoCalling());
        QCOMPARE(w.game()->session().callCount(), 0);
        h.key(Qt::Key_A);
        int ticks = 0;
        while (w.autoCalling() && ticks < 75) {
            w.TmrAutoCallTimer();
            ++ticks;
        }
        const int calls = w.game()->session().callCount();
        QCOMPARE(calls, ticks);
        QCOMPARE(GameStages(w.game()->session().prizeWins()).results().front().wonAtCall, calls);
        QVERIFY(!w.MnuAutoCall->isChecked());
        w.setAutoCallSeconds(90);
        QCOMPARE(w.TmrAutoCall->interval(), 60000);
    }

    // A ticket game: 1 to 90 on nine rows of ten, played for one line, two
    // lines and full house; the top row of ticket 5 wins it the first, Check
    // Card reads the ticket, and the Tambola set, once applied, is kept.
    void ticketGame()
    {
        Hall h(CardKind::Tickets90);
        TFrmCaller &w = h.open();
        QCOMPARE(w.LblGame->text().section(QStringLiteral(" \u00B7 "), 1), QStringLiteral("90-ball tickets: 12"));
        QCOMPARE(w.LblCallCount->text(), QStringLiteral("Call 0 of 90"));
        QVERIFY(!w.CboPattern->isVisible());
        const auto at = [&](int n) { return w.PBBoard->itemRect(n - 1).center(); };
        QCOMPARE(at(10).y(), at(1).y());
        QVERIFY(at(11).y() > at(10).y() && at(11).x() == at(1).x() && at(90).y() > at(81).y() - 1);
        QCOMPARE(w.LblStage->text(), QStringLiteral("Stage 1 of 3: One Line"));

        const QStringList ticket5 = GameCards(readGameRecord(h.path)).cells(5);
        for (const QString &n : ticket5.mid(0, 9))
            if (!n.isEmpty())
                h.click(n);
        QCOMPARE(w.LblCallCount->text(), QStringLiteral("Call 5 of 90"));
        QCOMPARE(w.LblStage->text(), QStringLiteral("Stage 2 of 3: Two Lines \u00B7 One Line won at call 5"));
        QVERIFY2(w.LblWinners->text().startsWith(QStringLiteral("Bingo: \u2605 ticket 5 (One Line, call 5)")),
                 qPrintable(w.LblWinners->text()));

        QString label, verdict;
        ModalDriver<TFrmCheckCard> check([&](TFrmCheckCard &dialog) {
            label = dialog.findChild<QLabel *>()->text();
            QTest::keyClicks(dialog.EdtCardNumber, QStringLiteral("5"));
            QTest::keyClick(dialog.EdtCardNumber, Qt::Key_Return);
            verdict = dialog.LblVerdict->text();
            dialog.accept();
        });
        QTest::keyClick(&w, Qt::Key_K, Qt::ControlModifier);
        QVERIFY(check.found());
        QCOMPARE(label, QStringLiteral("&Ticket number:"));
        QCOMPARE(verdict, QStringLiteral("Ticket 5 holds One Line (won at call 5)"));

        ModalDriver<TFrmStages> stages([&](TFrmStages &dialog) {
            QVERIFY(!dialog.BtnDrawPattern->isVisible());
            QCOMPARE(dialog.LstStages->count(), 3);
            dialog.CboPrizeSet->setCurrentIndex(1);
            QTest::mouseClick(dialog.BtnApplySet, Qt::LeftButton);
            QTest::mouseClick(dialog.BtnsStages->button(QDialogButtonBox::Ok), Qt::LeftButton);
        });
        w.MnuStages->trigger();
        QVERIFY(stages.found());
        // Its five calls won Early Five and, from the same call, Top Line.
        QCOMPARE(w.LblStage->text(), QStringLiteral("Stage 3 of 6: Middle Line \u00B7 Top Line won at call 5"));
        QStringList names;
        for (const Prize &prize : readStages(h.path))
            names.append(prize.name);
        QCOMPARE(names, (QStringList{"Early Five", "Top Line", "Middle Line", "Bottom Line", "Corners", "Full House"}));
        QVERIFY(h.prompts.shown.isEmpty());
    }

    // The interval of Auto Call is the caller's choice until changed again.
    void autoCallIntervalIsKept()
    {
        Hall h;
        TFrmCaller &w = h.open();
        QFile before(OptionsFilePath());
        QVERIFY(!before.open(QIODevice::ReadOnly) || !before.readAll().contains("AutoCallSeconds"));
        ModalDriver<QInputDialog> ask([&](QInputDialog &dialog) {
            dialog.setIntValue(25);
            dialog.accept();
        });
        w.MnuAutoInterval->trigger();
        QVERIFY(ask.found());
        QCOMPARE(w.TmrAutoCall->interval(), 25000);
        QCOMPARE(IniFile(OptionsFilePath()).readInteger(QStringLiteral("Caller"), QStringLiteral("AutoCallSeconds"), 0),
                 25);
        TFrmCaller again(CallerServices{&h.prompts, &h.printService, &h.progress, &h.speaker, &h.random});
        QCOMPARE(again.autoCallSeconds(), 25);
        QVERIFY(h.prompts.shown.isEmpty());
    }

    void repeatCallNamesAndRoomDisplay()
    {
        Hall h;
        TFrmCaller &w = h.open();
        w.MnuSpeakCalls->trigger();
        w.MnuCallNames->trigger();
        h.click(QStringLiteral("11"));
        QCOMPARE(w.LblCallName->text(), QStringLiteral("Legs eleven"));
        QCOMPARE(h.speaker.said, QStringList{"B, 11. Legs eleven"});
        h.key(Qt::Key_R);
        QCOMPARE(h.speaker.said, QStringList({"B, 11. Legs eleven", "B, 11. Legs eleven"}));
        QVERIFY(w.PBCall->findChild<CallFlash *>()->flashing());
        QCOMPARE(w.game()->session().callCount(), 1);

        w.MnuRoomDisplay->trigger();
        TFrmRoomDisplay *room = w.roomDisplay();
        QVERIFY(room && room->isVisible() && room->isWindow());
        QCOMPARE(room->PBRoomCall->call(), QStringLiteral("B 11"));
        QCOMPARE(room->LblRoomCallName->text(), QStringLiteral("Legs eleven"));
        QCOMPARE(room->LblRoomCount->text(), QStringLiteral("Call 1 of 75"));
        QVERIFY(room->findChildren<QPushButton *>().isEmpty() && room->findChildren<QMenuBar *>().isEmpty());
        h.click(QStringLiteral("64"));
        QCOMPARE(room->PBRoomCall->call(), QStringLiteral("O 64"));
        QCOMPARE(room->LblRoomCallName->text(), QStringLiteral("Red raw"));
        QCOMPARE(room->LblRoomCount->text(), QStringLiteral("Call 2 of 75"));
        // A double-click fills its screen, and another gives the window back.
        QTest::mouseDClick(room->PBRoomCall, Qt::LeftButton);
        QTRY_VERIFY(room->isFullScreen());
        QVERIFY(!w.isFullScreen());
        QCOMPARE(w.game()->session().callCount(), 2);
        QTest::mouseDClick(room->PBRoomCall, Qt::LeftButton);
        QTRY_VERIFY(!room->isFullScreen());
    }
};

QTEST_MAIN(TestCallerHall)
#include "tst_callerhall.moc"
