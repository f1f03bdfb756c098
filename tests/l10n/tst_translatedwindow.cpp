#include "TestServices.h"
#include "app/Translations.h"
#include "app/UnitFrmFont.h"
#include "app/UnitMain.h"
#include "docs/FileErrors.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTest>
#include <QTranslator>
#include <cerrno>
#include <memory>

// The main window in the desktop's language, from the catalogues compiled
// into the program.
class TestTranslatedWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

    void followsTheDesktopLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("loaded");
        QTest::addColumn<QString>("fileMenu");
        QTest::addColumn<QString>("fileNotFound");
        QTest::addColumn<QString>("freeSpace");
        QTest::newRow("German") << "de_DE"
                                << "de"
                                << "&Datei"
                                << "Datei nicht gefunden"
                                << "Freifeld";
        QTest::newRow("Spanish") << "es_ES"
                                 << "es"
                                 << "&Archivo"
                                 << "No se encontró el archivo"
                                 << "Casilla libre";
        QTest::newRow("English") << "en_US"
                                 << ""
                                 << "&File"
                                 << "File not found"
                                 << "Free Space";
        QTest::newRow("no catalogue") << "ja_JP"
                                      << ""
                                      << "&File"
                                      << "File not found"
                                      << "Free Space";
    }

    void followsTheDesktopLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, loaded);
        QFETCH(QString, fileMenu);
        QFETCH(QString, fileNotFound);
        QFETCH(QString, freeSpace);

        QCOMPARE(installTranslators(*qApp, QLocale(locale)), loaded);
        TestServices fakes;
        TFrmMain window(fakes.services());
        const auto *file = window.findChild<QMenu *>(QStringLiteral("File1"));
        QVERIFY(file);
        QCOMPARE(file->title(), fileMenu);
        QCOMPARE(fileErrorMessage(ENOENT), fileNotFound);
        // No settings file yet: the card's free space starts in the user's language.
        QCOMPARE(window.TxtFreeSpace->text(), freeSpace);
    }

    // The program itself, started as the desktop starts it: the command
    // line's refusal and its hint come in the language the environment asks
    // for, the way QLocale::system() reads it.
    void commandLineFollowsTheEnvironment_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("err");
        QTest::newRow("LANGUAGE") << QStringList{"LANGUAGE=de"}
                                  << "morvane: '3' Karten pro Seite können nicht gedruckt werden: Verwenden Sie 1, 2 "
                                     "oder 4.\nWeitere Informationen mit 'morvane --help'.\n";
        QTest::newRow("LC_MESSAGES") << QStringList{"LANGUAGE=", "LC_ALL=", "LANG=en_US.UTF-8",
                                                    "LC_MESSAGES=es_ES.UTF-8"}
                                     << "morvane: No se pueden imprimir '3' tarjetas por página: use 1, 2 o 4.\n"
                                        "Pruebe 'morvane --help' para más información.\n";
        QTest::newRow("English first") << QStringList{"LANGUAGE=en:de"}
                                       << "morvane: '3' cards per page cannot be printed: use 1, 2 or 4.\n"
                                          "Try 'morvane --help' for more information.\n";
    }

    void commandLineFollowsTheEnvironment()
    {
        QFETCH(QStringList, environment);
        QFETCH(QString, err);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString &setting : environment) {
            const qsizetype equals = setting.indexOf(QLatin1Char('='));
            if (equals == setting.size() - 1)
                env.remove(setting.left(equals));
            else
                env.insert(setting.left(equals), setting.mid(equals + 1));
        }
        QProcess morvane;
        morvane.setProcessEnvironment(env);
        morvane.start(QStringLiteral(MORVANE_EXECUTABLE),
                      {QStringLiteral("--export"), QStringLiteral("x.pdf"), QStringLiteral("--per-page"),
                       QStringLiteral("3"), QStringLiteral("list.mrv")});
        QVERIFY(morvane.waitForFinished(60000));
        QCOMPARE(QString::fromUtf8(morvane.readAllStandardError()), err);
        QCOMPARE(morvane.exitCode(), 2);
    }

    // Alt and a letter reaches one item only: the menu bar's titles and each
    // menu's items keep their access keys apart in every language.
    void accessKeysStayApart_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("German") << "de_DE";
        QTest::newRow("Spanish") << "es_ES";
        QTest::newRow("English") << "en_US";
    }

    void accessKeysStayApart()
    {
        QFETCH(QString, locale);
        installTranslators(*qApp, QLocale(locale));
        TestServices fakes;
        TFrmMain window(fakes.services());
        const auto *bar = window.findChild<QMenuBar *>(QStringLiteral("MainMenu"));
        QVERIFY(bar);
        QList<QList<QAction *>> groups{bar->actions()};
        for (const QAction *title : bar->actions())
            groups.append(title->menu()->actions());
        for (const QList<QAction *> &group : groups) {
            QHash<QKeySequence, QString> taken;
            for (const QAction *action : group) {
                const QKeySequence key = QKeySequence::mnemonic(action->text());
                if (key.isEmpty())
                    continue;
                QVERIFY2(!taken.contains(key), qPrintable(taken.value(key) + QStringLiteral(" / ") + action->text()));
                taken.insert(key, action->text());
            }
        }
    }

    // Every caption of the main window and of Font Options shows whole in
    // each language: no label runs past its box or into its control.
    void captionsFitInEveryLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("window");
        for (const char *locale : {"de_DE", "es_ES", "en_US"})
            for (const char *window : {"main", "Font Options"})
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(locale), QLatin1String(window))))
                    << QString::fromLatin1(locale) << QString::fromLatin1(window);
    }
    void captionsFitInEveryLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, window);
        installTranslators(*qApp, QLocale(locale));
        TestServices fakes;
        TFrmMain main(fakes.services());
        std::unique_ptr<TFrmFonts> fonts;
        QWidget *shown = &main;
        if (window == QLatin1String("Font Options")) {
            fonts = std::make_unique<TFrmFonts>(fakes.prompts, fakes.fonts, &main);
            shown = fonts.get();
        }
        for (const QLabel *l : shown->findChildren<QLabel *>()) {
            if (l->wordWrap() || l->text().isEmpty() || l == main.Label1 || (fonts && l == fonts->LblFont))
                continue;
            const QString caption = l->text().remove(QLatin1Char('&')).trimmed();
            const int width = QFontMetrics(l->font()).horizontalAdvance(caption);
            QVERIFY2(width <= l->width(), qPrintable(caption));
            if (l->buddy() && l->buddy()->x() > l->x() && l->buddy()->parentWidget() == l->parentWidget())
                QVERIFY2(l->x() + width < l->buddy()->x(), qPrintable(caption));
        }
        // A check box needs room for its box too; a push button for its frame.
        for (const QAbstractButton *b : shown->findChildren<QAbstractButton *>()) {
            const QString caption = b->text().remove(QLatin1Char('&'));
            if (caption.isEmpty())
                continue;
            const int needed = qobject_cast<const QCheckBox *>(b)
                                   ? b->sizeHint().width()
                                   : QFontMetrics(b->font()).horizontalAdvance(caption) + 8;
            QVERIFY2(needed <= b->width(), qPrintable(caption));
        }
    }
};

QTEST_MAIN(TestTranslatedWindow)
#include "tst_translatedwindow.moc"
