// Number Cards and the Game menu as the main window wires them.
#include "FileHelpers.h"
#include "ModalDriver.h"
#include "TestServices.h"

#include "app/ShortTextComboBox.h"
#include "app/UnitMain.h"
#include "app/game/GameListDialog.h"
#include "app/game/QtCallerWindows.h"
#include "docs/Folders.h"
#include "game/GameCode.h"
#include "game/GameFile.h"
#include "game/GameFolder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QTreeWidget>

#include <functional>
#include <memory>

using Kind = FakePrompts::Kind;
using Edit = std::function<void(const QString &path)>;
Q_DECLARE_METATYPE(Edit)

namespace {

QByteArray replaced(QByteArray bytes, const QByteArray &from, const QByteArray &to)
{
    return bytes.replace(from, to);
}

} // namespace

// Each test gets a product folder of its own through XDG_DATA_HOME.
class TestGameMenu : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> home;
    QByteArray savedDataHome;
    std::unique_ptr<TestServices> fakes;
    std::unique_ptr<TFrmMain> window;

    QString optionsFile() const { return home->filePath(QStringLiteral("Morvane/Options.ini")); }
    FakeCallerWindows &callers() { return fakes->callers; }

    void start()
    {
        window.reset();
        fakes = std::make_unique<TestServices>();
        window = std::make_unique<TFrmMain>(fakes->services());
    }
    void addNumbers(int last)
    {
        for (int n = 1; n <= last; ++n) {
            window->CboCardStr->setEditText(QString::number(n));
            window->BtnAddClick();
        }
        fakes->prompts.clear();
    }
    // Records a game made at the given hour of one day; returns its path.
    QString recordGame(std::uint64_t seed, int hour, int entries = 30)
    {
        GameRecord r;
        r.seed = seed;
        r.code = gameCode(seed);
        r.created = QDateTime(QDate(2025, 3, 14), QTime(hour, 0), QTimeZone(3600));
        for (int i = 1; i <= entries; ++i)
            r.entries.append(QString::number(i));
        r.cards = 8;
        r.cardsPerPage = 4;
        const QString path = gameFilePath(GamesPath(), r.code);
        writeGameRecord(path, r);
        return path;
    }
    // The caller's calls with each game path shown as its code.
    QStringList callsByCode() const
    {
        QStringList out;
        for (QString c : fakes->callers.calls) {
            if (c.startsWith(QStringLiteral("game ")))
                c = QStringLiteral("game ") + QFileInfo(c.mid(5)).completeBaseName();
            out.append(c);
        }
        return out;
    }
    // Arms a driver that picks row `row` of the games list and presses its
    // button, first running `before` on the chosen file.
    std::unique_ptr<ModalDriver<GameListDialog>> pickRow(int row, QStringList *shownCodes = nullptr, Edit before = {})
    {
        return std::make_unique<ModalDriver<GameListDialog>>([=](GameListDialog &d) {
            if (shownCodes) {
                for (int i = 0; i < d.LstGames->topLevelItemCount(); ++i)
                    shownCodes->append(d.LstGames->topLevelItem(i)->text(0));
            }
            d.LstGames->setCurrentItem(d.LstGames->topLevelItem(row));
            if (before)
                before(*d.chosenPath());
            d.Buttons->button(QDialogButtonBox::Ok)->click();
        });
    }
    QStringList recordedGames() const
    {
        return QDir(GamesPath()).entryList({QStringLiteral("*.mrvgame")}, QDir::Files);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setApplicationName(QStringLiteral("Morvane"));
        savedDataHome = qgetenv("XDG_DATA_HOME");
    }
    void init()
    {
        home = std::make_unique<QTemporaryDir>();
        QVERIFY(home->isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(home->path()));
        start();
    }
    void cleanup()
    {
        window.reset();
        fakes.reset();
        home.reset();
        qputenv("XDG_DATA_HOME", savedDataHome);
    }

    void menusStandInOrder()
    {
        QStringList bar;
        for (const QAction *a : window->MainMenu->actions())
            bar.append(a->text());
        QCOMPARE(bar, (QStringList{"&File", "&Options", "&Samples", "&Game", "&Help"}));
        QCOMPARE(window->MnuGame->objectName(), QStringLiteral("MnuGame"));

        QCOMPARE(window->MnuOptions->actions(),
                 (QList<QAction *>{window->MnuFont, window->MnuNumberCards, window->MnuLargePrint,
                                   window->MnuCardKind->menuAction()}));
        QCOMPARE(window->MnuCardKind->actions(), (QList<QAction *>{window->MnuWordCards, window->MnuTickets}));
        QCOMPARE(window->MnuCardKind->title(), QStringLiteral("Card &Kind"));
        QVERIFY(window->MnuWordCards->isChecked());
        QCOMPARE(window->MnuNumberCards->text(), QStringLiteral("&Number Cards"));
        QVERIFY(window->MnuNumberCards->isCheckable());
        QVERIFY(!window->MnuNumberCards->isChecked());

        QCOMPARE(window->MnuGame->actions(), (QList<QAction *>{window->MnuGameOpen, window->MnuGameCall}));
        QCOMPARE(window->MnuGameOpen->text(), QStringLiteral("&Open Game..."));
        QCOMPARE(window->MnuGameCall->text(), QStringLiteral("&Call Game..."));
        QCOMPARE(window->MnuGameCall->shortcut(), QKeySequence(Qt::Key_F5));
    }

    // stored: the NumberCards line at start ("" for none); tick: toggled
    // before closing; after: the line the file holds after close.
    void numberCardsIsReadAndWritten_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("on");
        QTest::addColumn<bool>("toggle");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("absent stays absent") << QByteArray() << false << false << QByteArray();
        QTest::newRow("ticked is written") << QByteArray() << false << true << QByteArray("NumberCards=1");
        QTest::newRow("1 is on") << QByteArray("NumberCards=1") << true << false << QByteArray("NumberCards=1");
        QTest::newRow("unticked is written")
            << QByteArray("NumberCards=1") << true << true << QByteArray("NumberCards=0");
        QTest::newRow("0 is off") << QByteArray("NumberCards=0") << false << false << QByteArray("NumberCards=0");
        QTest::newRow("2 is off") << QByteArray("NumberCards=2") << false << false << QByteArray("NumberCards=2");
        QTest::newRow("-1 is off") << QByteArray("NumberCards=-1") << false << false << QByteArray("NumberCards=-1");
        QTest::newRow("text is off") << QByteArray("NumberCards=yes") << false << false
                                     << QByteArray("NumberCards=yes");
        QTest::newRow("empty is off") << QByteArray("NumberCards=") << false << false << QByteArray("NumberCards=");
        QTest::newRow("huge is off") << QByteArray("NumberCards=99999999999") << false << true
                                     << QByteArray("NumberCards=1");
        QTest::newRow("binary is off") << QByteArray("NumberCards=\x01\xff\xfe") << false << false
                                       << QByteArray("NumberCards=\x01\xff\xfe");
    }
    void numberCardsIsReadAndWritten()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, on);
        QFETCH(bool, toggle);
        QFETCH(QByteArray, after);
        writeBytes(optionsFile(), "[Options]\r\nChkHeading=0\r\n" + stored + "\r\n");
        start();
        QCOMPARE(window->MnuNumberCards->isChecked(), on);
        if (toggle)
            window->MnuNumberCards->trigger();
        QVERIFY(window->close());
        const QByteArray bytes = readBytes(optionsFile());
        if (after.isEmpty())
            QVERIFY2(!bytes.contains("NumberCards"), bytes.constData());
        else
            QVERIFY2(bytes.contains(after + "\r\n"), bytes.constData());
        QVERIFY(fakes->prompts.shown.isEmpty());
        start();
        QCOMPARE(window->MnuNumberCards->isChecked(), on != toggle);
    }

    // As Number Cards: the line is written once the kind was changed, and
    // only a plain 1 reads as tickets.
    void cardKindIsReadAndWritten_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("tickets");
        QTest::addColumn<bool>("choose");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("absent stays absent") << QByteArray() << false << false << QByteArray();
        QTest::newRow("tickets chosen is written") << QByteArray() << false << true << QByteArray("CardKind=1");
        QTest::newRow("1 is tickets") << QByteArray("CardKind=1") << true << false << QByteArray("CardKind=1");
        QTest::newRow("word cards chosen is written")
            << QByteArray("CardKind=1") << true << true << QByteArray("CardKind=0");
        QTest::newRow("0 is word cards") << QByteArray("CardKind=0") << false << false << QByteArray("CardKind=0");
        QTest::newRow("7 is word cards") << QByteArray("CardKind=7") << false << false << QByteArray("CardKind=7");
        QTest::newRow("text is word cards") << QByteArray("CardKind=x") << false << false << QByteArray("CardKind=x");
    }
    void cardKindIsReadAndWritten()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, tickets);
        QFETCH(bool, choose);
        QFETCH(QByteArray, after);
        writeBytes(optionsFile(), "[Options]\r\nChkHeading=0\r\n" + stored + "\r\n");
        start();
        QCOMPARE(window->MnuTickets->isChecked(), tickets);
        QCOMPARE(window->MnuWordCards->isChecked(), !tickets);
        if (choose)
            (tickets ? window->MnuWordCards : window->MnuTickets)->trigger();
        QVERIFY(window->close());
        const QByteArray bytes = readBytes(optionsFile());
        if (after.isEmpty())
            QVERIFY2(!bytes.contains("CardKind"), bytes.constData());
        else
            QVERIFY2(bytes.contains(after + "\r\n"), bytes.constData());
        start();
        QCOMPARE(window->MnuTickets->isChecked(), tickets != choose);
    }

    // Tickets grey what only square cards have, count strips per page and
    // show a ticket; word cards get it all back as it was.
    void ticketsGreyTheSquareOptions()
    {
        start();
        window->CboCardsPerPage->setCurrentIndex(2);
        const QList<QWidget *> square{window->CboCardSize, window->ChkFreeSpace, window->TxtFreeSpace,
                                      window->ChkHeading,  window->TxtHeading,   window->ChkWordWrap};
        window->MnuTickets->trigger();
        for (QWidget *w : square)
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        QStringList perPage;
        for (int i = 0; i < window->CboCardsPerPage->count(); ++i)
            perPage.append(window->CboCardsPerPage->itemText(i));
        QCOMPARE(perPage, (QStringList{"1 strip (6 tickets)", "2 strips (12 tickets)"}));
        // The closed box is as narrow as for cards: it shows the tickets.
        QCOMPARE(window->CboCardsPerPage->itemData(1, ShortTextComboBox::ShortTextRole).toString(), "12");
        QCOMPARE(window->CardCells.size(), 27);
        QCOMPARE(window->CardCells.count(QString()), 12);
        QCOMPARE(window->cardSettings().kind, CardKind::Tickets90);

        window->MnuWordCards->trigger();
        for (QWidget *w : square)
            QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
        QCOMPARE(window->CboCardsPerPage->currentText(), QStringLiteral("4"));
        QVERIFY(window->CardCells.isEmpty()); // the empty list arranges nothing
    }

    void numberedJobRecordsOneGame_data()
    {
        QTest::addColumn<bool>("numbered");
        QTest::addColumn<bool>("exportPdf");
        QTest::addColumn<bool>("cancelDialog");
        QTest::addColumn<int>("records");
        QTest::newRow("print") << false << false << false << 0;
        QTest::newRow("numbered print") << true << false << false << 1;
        QTest::newRow("export") << false << true << false << 0;
        QTest::newRow("numbered export") << true << true << false << 1;
        QTest::newRow("numbered export cancelled") << true << true << true << 0;
    }
    void numberedJobRecordsOneGame()
    {
        QFETCH(bool, numbered);
        QFETCH(bool, exportPdf);
        QFETCH(bool, cancelDialog);
        QFETCH(int, records);
        addNumbers(75);
        window->MnuNumberCards->setChecked(numbered);
        window->EdtCardNum->setValue(5);
        window->CboCardsPerPage->setCurrentIndex(2);
        const QString pdf = home->filePath(QStringLiteral("cards.pdf"));
        if (!cancelDialog)
            fakes->prompts.files.enqueue(pdf);
        (exportPdf ? window->MnuFileExportPdf : window->MnuFilePrint)->trigger();
        QCOMPARE(fakes->prompts.count(Kind::Error), 0);
        QCOMPARE(fakes->prompts.count(Kind::Information), 0);
        QCOMPARE(QFileInfo::exists(pdf), exportPdf && !cancelDialog);

        const QList<GameSummary> games = listGames(GamesPath());
        QCOMPARE(games.size(), records);
        QCOMPARE(recordedGames().size(), records);
        if (records) {
            QCOMPARE(games[0].problem, QString());
            QCOMPARE(games[0].cards, std::uint64_t(8)); // two full pages
            QCOMPARE(games[0].entries, 75);
        }
        if (exportPdf)
            return;
        // On the fake printer: one number line per card, with the game's code.
        QStringList lines;
        for (const auto &page : fakes->printService.lastDocument()) {
            for (const auto &text : page.texts) {
                if (text.text.startsWith(QStringLiteral("Card ")))
                    lines.append(text.text);
            }
        }
        if (numbered) {
            QCOMPARE(lines.size(), 8);
            QCOMPARE(lines[7], QStringLiteral("Card 8 \u00B7 Game ") + games[0].code);
        } else {
            QVERIFY(lines.isEmpty());
        }
    }

    void openGameListsNewestFirstAndOpensTheChosen()
    {
        const QString noon = recordGame(11, 12);
        const QString evening = recordGame(22, 20);
        const QString morning = recordGame(33, 9);
        writeBytes(gameFilePath(GamesPath(), QStringLiteral("00BAD0")), "[Game]\nFormat=9\n");

        QStringList shown;
        auto driver = pickRow(1, &shown);
        window->MnuGameOpen->trigger();
        QVERIFY(driver->found());
        QCOMPARE(shown.mid(0, 3), (QStringList{gameCode(22), gameCode(11), gameCode(33)}));
        // The broken file lists last with the reader's own message.
        QCOMPARE(shown.size(), 4);
        QVERIFY2(shown[3].startsWith(QStringLiteral("\"00BAD0.mrvgame\" was made by a newer")), qPrintable(shown[3]));
        QCOMPARE(callsByCode(), QStringList{QStringLiteral("game ") + gameCode(11)});
        QCOMPARE(fakes->callers.calls[0], QStringLiteral("game ") + noon);

        // A second Open Game loads into the same caller window.
        driver = pickRow(0);
        window->MnuGameOpen->trigger();
        QVERIFY(driver->found());
        QCOMPARE(callsByCode().last(), QStringLiteral("game ") + gameCode(22));
        QVERIFY(fakes->prompts.shown.isEmpty());
        Q_UNUSED(evening)
        Q_UNUSED(morning)
    }

    void brokenRowCannotBeChosen()
    {
        writeBytes(gameFilePath(GamesPath(), QStringLiteral("00BAD0")), "not a game");
        auto driver = std::make_unique<ModalDriver<GameListDialog>>([](GameListDialog &d) {
            QCOMPARE(d.LstGames->topLevelItemCount(), 1);
            QCOMPARE(d.LstGames->topLevelItem(0)->flags(), Qt::NoItemFlags);
            QVERIFY(!d.chosenPath());
            QVERIFY(!d.Buttons->button(QDialogButtonBox::Ok)->isEnabled());
            d.reject();
        });
        window->MnuGameOpen->trigger();
        QVERIFY(driver->found());
        QVERIFY(callers().calls.isEmpty());
    }

    // The main window closes only once the caller window has: one with
    // calls not saved may ask to stay, and the main window stays with it.
    void mainWindowClosesWithTheCaller_data()
    {
        QTest::addColumn<bool>("callerCloses");
        QTest::newRow("the caller closes") << true;
        QTest::newRow("the caller stays") << false;
    }
    void mainWindowClosesWithTheCaller()
    {
        QFETCH(bool, callerCloses);
        window->show();
        callers().open = true;
        callers().closes = callerCloses;
        QCOMPARE(window->close(), callerCloses);
        QCOMPARE(callers().calls, QStringList{QStringLiteral("close")});
        QCOMPARE(window->isVisible(), !callerCloses);
    }

    // A games folder that is no folder says so, rather than that no game
    // was recorded.
    void gamesFolderThatIsAFileSaysSo()
    {
        const QString games = QDir::cleanPath(GamesPath());
        QDir().mkpath(QFileInfo(games).absolutePath());
        writeBytes(games, "not a folder");
        window->MnuGameOpen->trigger();
        QCOMPARE(fakes->prompts.texts(),
                 QStringList{QStringLiteral("The games folder \"%1\" is not a folder, so no game can be listed.")
                                 .arg(QDir::toNativeSeparators(games))});
        QCOMPARE(fakes->prompts.count(Kind::Error), 1);
        QVERIFY(callers().calls.isEmpty());
    }

    void openGameWithNoGamesSaysSo()
    {
        window->MnuGameOpen->trigger();
        QCOMPARE(fakes->prompts.count(Kind::Information), 1);
        QVERIFY(fakes->prompts.shown[0].text.startsWith(QStringLiteral("No numbered games are recorded yet.")));
        QVERIFY(callers().calls.isEmpty());
    }

    // What a file that went bad after it was listed gives: the reader's own
    // message, and no caller.
    void badGameFileChangesNothing_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::newRow("missing") << Edit([](const QString &p) { QFile::remove(p); });
        QTest::newRow("unreadable") << Edit([](const QString &p) {
            QFile::remove(p);
            QDir().mkpath(p); // a folder where the file was
        });
        QTest::newRow("newer version") << Edit(
            [](const QString &p) { writeBytes(p, replaced(readBytes(p), "Format=2", "Format=3")); });
        QTest::newRow("entry edited") << Edit(
            [](const QString &p) { writeBytes(p, replaced(readBytes(p), "\n17\n", "\n71\n")); });
        QTest::newRow("cut short") << Edit([](const QString &p) { writeBytes(p, readBytes(p).left(120)); });
        QTest::newRow("binary") << Edit([](const QString &p) { writeBytes(p, QByteArray("\x00\xff\xfe\x01", 4)); });
    }
    void badGameFileChangesNothing()
    {
        QFETCH(Edit, edit);
        const QString first = recordGame(11, 12);
        const QString second = recordGame(22, 20);
        QString message;
        // Open Game: the file goes bad between the list and the choice.
        auto driver = pickRow(0, nullptr, [&](const QString &path) {
            edit(path);
            try {
                readGameRecord(path);
            } catch (const MorvaneError &e) {
                message = errorBoxText(e.message());
            }
        });
        window->MnuGameOpen->trigger();
        QVERIFY(driver->found());
        QVERIFY(!message.isEmpty());
        QCOMPARE(fakes->prompts.texts(), QStringList{message});
        QCOMPARE(fakes->prompts.shown[0].kind, Kind::Error);
        QVERIFY(callers().calls.isEmpty());

        // Call Game: the game opened last went bad since.
        driver = pickRow(0);
        window->MnuGameOpen->trigger();
        QVERIFY(driver->found());
        callers().open = false;
        callers().calls.clear();
        fakes->prompts.clear();
        edit(first);
        window->MnuGameCall->trigger();
        QCOMPARE(fakes->prompts.count(Kind::Error), 1);
        QVERIFY(callers().calls.isEmpty());
        Q_UNUSED(second)
    }

    // A game whose last calls were lost to a save cut short is called with
    // the calls before them; the Caller says so, not the menu as well.
    void aDamagedEndOpensTheGame()
    {
        const QString path = recordGame(11, 12);
        GameRecord r = readGameRecord(path);
        r.calls = QStringList{QStringLiteral("7"), QStringLiteral("12")};
        writeGameRecord(path, r);
        writeBytes(path, readBytes(path) + "3 0123abcd +1");
        auto driver = pickRow(0);
        window->MnuGameOpen->trigger();
        QVERIFY(driver->found());
        QVERIFY(readGameRecord(path).callsNotice.contains(QLatin1String("the first 2 calls were kept")));
        QVERIFY(fakes->prompts.shown.isEmpty());
        QCOMPARE(callers().calls, QStringList{QStringLiteral("game ") + path});
    }

    // games: recorded games; opened: a game opened before; open: the caller
    // window already open; words: entries in the list.
    void callGame_data()
    {
        QTest::addColumn<int>("games");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<bool>("open");
        QTest::addColumn<int>("words");
        QTest::addColumn<bool>("listShown");
        QTest::addColumn<QStringList>("calls");
        const QString newest = QStringLiteral("game ") + gameCode(22);
        const QString oldest = QStringLiteral("game ") + gameCode(11);
        QTest::newRow("the game opened last") << 2 << true << false << 30 << false << QStringList{oldest};
        QTest::newRow("none opened: the chosen one") << 2 << false << false << 30 << true << QStringList{newest};
        QTest::newRow("no games: the word list")
            << 0 << false << false << 30 << false << QStringList{QStringLiteral("words 30")};
        QTest::newRow("no games, no words") << 0 << false << false << 0 << false << QStringList{};
        QTest::newRow("caller open: brought forward")
            << 2 << true << true << 30 << false << QStringList{QStringLiteral("forward")};
    }
    void callGame()
    {
        QFETCH(int, games);
        QFETCH(bool, opened);
        QFETCH(bool, open);
        QFETCH(int, words);
        QFETCH(bool, listShown);
        QFETCH(QStringList, calls);
        if (games) {
            recordGame(11, 9);
            recordGame(22, 20);
        }
        addNumbers(words);
        if (opened) {
            auto opener = pickRow(1);
            window->MnuGameOpen->trigger();
            QVERIFY(opener->found());
            callers().calls.clear();
        }
        callers().open = open;
        auto driver = pickRow(0);
        window->MnuGameCall->trigger();
        QCOMPARE(driver->found(), listShown);
        QCOMPARE(callsByCode(), calls);
        if (words && !games)
            QCOMPARE(callers().words, window->words().items());
        QCOMPARE(fakes->prompts.count(Kind::Information), words ? 0 : 1);
        QCOMPARE(fakes->prompts.count(Kind::Error), 0);
    }

    // The real caller windows over plain widgets: one window at a time,
    // never modal, made afresh once closed.
    void callerWindowIsOneAtATime()
    {
        int made = 0;
        QStringList fed;
        QtCallerWindows windows(
            {[&] {
                 ++made;
                 return new QWidget;
             },
             [&](QWidget &, const QString &path) {
                 fed.append(path);
                 return true;
             },
             [&](QWidget &, const QStringList &w, const CardSettings &) { fed.append(QString::number(w.size())); }});
        QVERIFY(!windows.isOpen());
        windows.openGame(QStringLiteral("a.mrvgame"));
        windows.openGame(QStringLiteral("b.mrvgame"));
        QCOMPARE(made, 1);
        QVERIFY(windows.isOpen());
        QWidget *shown = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            shown = w->isVisible() && w != window.get() ? w : shown;
        QVERIFY(shown);
        QCOMPARE(shown->windowModality(), Qt::NonModal);
        QVERIFY(!shown->testAttribute(Qt::WA_QuitOnClose));
        QVERIFY(shown->isVisible());
        QVERIFY(shown->close());
        QVERIFY(!windows.isOpen());
        windows.openWords({QStringLiteral("x"), QStringLiteral("y")}, CardSettings());
        QCOMPARE(made, 2);
        QCOMPARE(fed, (QStringList{"a.mrvgame", "b.mrvgame", "2"}));

        // A game the window could not open leaves no empty window behind.
        QPointer<QWidget> refused;
        QtCallerWindows refusing(
            {[&] { return refused = new QWidget; }, [](QWidget &, const QString &) { return false; }, {}});
        refusing.openGame(QStringLiteral("a.mrvgame"));
        QVERIFY(!refusing.isOpen());
        QVERIFY(refused.isNull());

        QtCallerWindows missing({});
        QVERIFY_THROWS_EXCEPTION(MorvaneError, missing.openGame(QStringLiteral("a.mrvgame")));
    }
};

QTEST_MAIN(TestGameMenu)
#include "tst_gamemenu.moc"
