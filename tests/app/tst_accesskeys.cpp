#include "../game/GameFixtures.h"
#include "FakePrintService.h"
#include "FakeProgress.h"
#include "FakePrompts.h"
#include "FakeSpeaker.h"
#include "ModalDriver.h"
#include "SequenceRandom.h"
#include "TestServices.h"
#include "app/HelpWindow.h"
#include "app/Translations.h"
#include "app/UnitFrmAbout.h"
#include "app/UnitFrmFont.h"
#include "app/UnitMain.h"
#include "app/accessibility/AccessKeys.h"
#include "app/caller/UnitFrmCaller.h"
#include "app/caller/UnitFrmCheckCard.h"
#include "app/caller/UnitFrmPrintCard.h"
#include "app/game/GameListDialog.h"
#include "app/preview/UnitFrmPrintPreview.h"
#include "game/CalledGame.h"
#include "game/GameFile.h"
#include "game/GameFolder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <functional>
#include <memory>

namespace {

// A recorded game of the 75 numbers with a few cards, opened for calling.
struct Game
{
    Game()
    {
        const GameRecord record = gameRecord(numberEntries(1, 75), 1, true, 0x5EEDULL, 12);
        path = gameFilePath(dir.path(), record.code);
        writeGameRecord(path, record);
        called = CalledGame::openRecord(path);
    }
    QTemporaryDir dir;
    QString path;
    std::unique_ptr<CalledGame> called;
};

const QStringList Languages{QStringLiteral("en_US"), QStringLiteral("de_DE"), QStringLiteral("es_ES")};

} // namespace

class TestAccessKeys : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestServices> fakes;
    std::unique_ptr<TFrmMain> main;

    void inLanguage(const QString &locale)
    {
        installTranslators(*qApp, QLocale(locale));
        fakes = std::make_unique<TestServices>();
        main = std::make_unique<TFrmMain>(fakes->services());
    }

    // The clashes of one window, built in the language installed.
    QStringList clashesOf(const QString &name)
    {
        if (name == QLatin1String("main"))
            return accessKeyClashes(*main);
        if (name == QLatin1String("Font Options"))
            return accessKeyClashes(TFrmFonts(fakes->prompts, fakes->fonts, main.get()));
        if (name == QLatin1String("About"))
            return accessKeyClashes(TFrmAbout(fakes->shell, main.get()));
        if (name == QLatin1String("game list"))
            return accessKeyClashes(
                GameListDialog({}, QStringLiteral("Open Game"), QStringLiteral("Open"), main.get()));
        if (name == QLatin1String("help"))
            return accessKeyClashes(HelpWindow(fakes->shell, fakes->prompts, main.get()));
        Game game;
        FakeSpeaker speaker;
        SequenceRandom random;
        if (name == QLatin1String("Caller"))
            return accessKeyClashes(
                TFrmCaller(CallerServices{&fakes->prompts, &fakes->printService, &fakes->progress, &speaker, &random}));
        if (name == QLatin1String("Check Card"))
            return accessKeyClashes(TFrmCheckCard(*game.called, main.get()));
        if (name == QLatin1String("Print Card"))
            return accessKeyClashes(TFrmPrintCard(
                *game.called->cards(), {fakes->printService, fakes->prompts, &fakes->progress, fakes->random},
                QString(), main.get()));
        if (name == QLatin1String("Print Preview")) {
            for (const QString &n : numberEntries(1, 30)) {
                main->CboCardStr->setEditText(n);
                main->BtnAddClick();
            }
            QStringList clashes{QStringLiteral("the preview never opened")};
            ModalDriver<TFrmPrintPreview> driver([&clashes](TFrmPrintPreview &preview) {
                clashes = accessKeyClashes(preview);
                preview.reject();
            });
            main->MnuFilePrintPreview->trigger();
            return clashes;
        }
        return {QStringLiteral("no such window: ") + name};
    }

private Q_SLOTS:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("Morvane")); }

    void cleanup()
    {
        main.reset();
        fakes.reset();
        for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

    // No two controls of one window, and no control and a menu title, share
    // an access key; nor do two items of one menu.
    void noWindowHasTwoControlsOnOneKey_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("window");
        for (const QString &locale : Languages)
            for (const char *window : {"main", "Font Options", "About", "Print Preview", "Caller", "Check Card",
                                       "Print Card", "game list", "help"})
                QTest::newRow(qPrintable(locale + QLatin1Char(' ') + QLatin1String(window)))
                    << locale << QString::fromLatin1(window);
    }
    void noWindowHasTwoControlsOnOneKey()
    {
        QFETCH(QString, locale);
        QFETCH(QString, window);
        inLanguage(locale);
        const QStringList clashes = clashesOf(window);
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral("; "))));
    }

    void everyControlOfTheMainWindowHasAKey_data()
    {
        QTest::addColumn<QString>("locale");
        for (const QString &locale : Languages)
            QTest::newRow(qPrintable(locale)) << locale;
    }
    void everyControlOfTheMainWindowHasAKey()
    {
        QFETCH(QString, locale);
        inLanguage(locale);
        const QStringList missing = controlsWithoutAccessKey(*main);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
    }

    // Alt and the letter put the focus on the control, or press the button,
    // in each language; the letter is not typed into the entry box.
    void altAndTheLetterReachTheControl_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("keys");
        const QStringList controls{"CboCardStr",   "BtnAdd",       "BtnDelete",      "PB",         "CboCardSize",
                                   "ChkFreeSpace", "TxtFreeSpace", "TxtHeading",     "ChkHeading", "ChkWordWrap",
                                   "CboPrinters",  "EdtCardNum",   "CboCardsPerPage"};
        const auto row = [&controls](const char *name, const char *locale, const QString &letters) {
            QStringList keys;
            for (int i = 0; i < controls.size(); ++i)
                keys.append(letters.at(i) + QLatin1Char('=') + controls.at(i));
            QTest::newRow(name) << QString::fromLatin1(locale) << keys;
        };
        row("English", "en_US", QStringLiteral("EADCZRTXLWPNI"));
        row("German", "de_DE", QStringLiteral("EZLKGFTXPURAI"));
        row("Spanish", "es_ES", QStringLiteral("DIBUMCXTZJSNR"));
    }
    void altAndTheLetterReachTheControl()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, keys);
        for (const QString &key : keys) {
            inLanguage(locale);
            main->show();
            QVERIFY(QTest::qWaitForWindowActive(main.get()));
            auto *control = main->findChild<QWidget *>(key.mid(2));
            QVERIFY2(control, qPrintable(key));
            main->CboCardStr->setEditText(QStringLiteral("Kiwi"));
            auto *button = qobject_cast<QPushButton *>(control);
            QSignalSpy clicked(button ? button : new QPushButton(main.get()), &QPushButton::clicked);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key.at(0).unicode()), Qt::AltModifier);
            // A button is pressed as by a click, a moment after the key.
            const auto reached = [&] {
                QWidget *focus = QApplication::focusWidget();
                return button ? clicked.count() == 1 : focus == control || control->isAncestorOf(focus);
            };
            QTRY_VERIFY2(reached(), qPrintable(key));
            QVERIFY(main->CboCardStr->currentText() == QLatin1String("Kiwi") || main->words().count() == 1);
            main.reset();
        }
    }

    // Tab reaches the caller's buttons after the pattern box; F10 opens its
    // first menu.
    void callerIsReachedByTabAndF10()
    {
        Game game;
        FakePrompts prompts;
        FakePrintService printService;
        FakeProgressFactory progress;
        FakeSpeaker speaker;
        SequenceRandom random;
        game.called.reset(); // one window calls a game at a time
        TFrmCaller caller(CallerServices{&prompts, &printService, &progress, &speaker, &random});
        QVERIFY(caller.openGame(game.path));
        caller.show();
        QVERIFY(QTest::qWaitForWindowActive(&caller));
        // Undo Last Call waits for a call.
        caller.MnuCallNextClick();
        caller.CboPattern->setFocus();
        QStringList order;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(order, (QStringList{"BtnCallNext", "BtnUndoCall", "BtnCheckCard", "CboPattern"}));

        // Space on a focused button presses that button, not Call Next.
        caller.BtnCallNext->setFocus(Qt::TabFocusReason);
        QTest::keyClick(caller.BtnCallNext, Qt::Key_Space);
        QTest::keyClick(caller.BtnCallNext, Qt::Key_Space);
        QCOMPARE(caller.game()->session().callCount(), 3);
        caller.BtnUndoCall->setFocus(Qt::TabFocusReason);
        QTest::keyClick(caller.BtnUndoCall, Qt::Key_Space);
        QCOMPARE(caller.game()->session().callCount(), 2);

        QTest::keyClick(&caller, Qt::Key_F10);
        QTRY_COMPARE(caller.CallerMenu->activeAction(), caller.MnuGame->menuAction());
    }
};

QTEST_MAIN(TestAccessKeys)
#include "tst_accesskeys.moc"
