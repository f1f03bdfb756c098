#include "TestServices.h"
#include "app/Translations.h"
#include "app/UnitMain.h"
#include "docs/FileErrors.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTranslator>
#include <cerrno>

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
        QTest::newRow("German") << "de_DE"
                                << "de"
                                << "&Datei"
                                << "Datei nicht gefunden";
        QTest::newRow("Spanish") << "es_ES"
                                 << "es"
                                 << "&Archivo"
                                 << "No se encontró el archivo";
        QTest::newRow("English") << "en_US"
                                 << ""
                                 << "&File"
                                 << "File not found";
        QTest::newRow("no catalogue") << "ja_JP"
                                      << ""
                                      << "&File"
                                      << "File not found";
    }

    void followsTheDesktopLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, loaded);
        QFETCH(QString, fileMenu);
        QFETCH(QString, fileNotFound);

        QCOMPARE(installTranslators(*qApp, QLocale(locale)), loaded);
        TestServices fakes;
        TFrmMain window(fakes.services());
        const auto *file = window.findChild<QMenu *>(QStringLiteral("File1"));
        QVERIFY(file);
        QCOMPARE(file->title(), fileMenu);
        QCOMPARE(fileErrorMessage(ENOENT), fileNotFound);
    }
};

QTEST_MAIN(TestTranslatedWindow)
#include "tst_translatedwindow.moc"
