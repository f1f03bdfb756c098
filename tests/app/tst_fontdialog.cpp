#include "ModalDriver.h"
#include "TestServices.h"
#include "app/Translations.h"
#include "app/UnitFrmFont.h"
#include "app/UnitMain.h"
#include "app/adapters/QtFontCatalogue.h"
#include "docs/Folders.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <memory>

using Kind = FakePrompts::Kind;

class TestFontDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestServices> fakes;

    static void writeSettings(const QByteArray &text)
    {
        QFile f(OptionsFilePath());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(text), text.size());
    }
    static QByteArray settingsBytes()
    {
        QFile f(OptionsFilePath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no file>");
    }
    // The file's non-empty lines, without line ends.
    static QStringList settingsLines()
    {
        QStringList lines;
        for (const QByteArray &line : settingsBytes().split('\n'))
            if (!line.trimmed().isEmpty())
                lines.append(QString::fromUtf8(line.trimmed()));
        return lines;
    }

    std::unique_ptr<TFrmFonts> openDialog()
    {
        return std::make_unique<TFrmFonts>(fakes->prompts, fakes->fonts, nullptr);
    }

    // Picks an entry the way a user does, so the list's change handler runs.
    static void pick(QComboBox *box, const QString &text)
    {
        const int index = box->findText(text, Qt::MatchExactly);
        QVERIFY2(index >= 0, qPrintable(text));
        box->setCurrentIndex(index);
        Q_EMIT box->activated(index);
    }

    static QRegularExpression foundryTag() { return QRegularExpression(QStringLiteral(" \\[[^\\]]*\\]$")); }

    QStringList errors() const
    {
        QStringList e;
        for (const auto &s : fakes->prompts.shown)
            if (s.kind == Kind::Error)
                e.append(s.text);
        return e;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setApplicationName(QStringLiteral("Morvane"));
        QVERIFY(!OptionsFilePath().isEmpty());
        QVERIFY(QDir().mkpath(productFolder()));
    }

    void init() { fakes = std::make_unique<TestServices>(); }
    void cleanup()
    {
        fakes.reset();
        QFile::remove(OptionsFilePath());
        QDir(OptionsFilePath()).removeRecursively();
    }

    void firstRunSelectsArialAndTwenty()
    {
        QVERIFY(!QFile::exists(OptionsFilePath()));
        auto dlg = openDialog();
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Font Options"));
        QCOMPARE(dlg->size(), QSize(226, 181));
        QCOMPARE(dlg->GroupBoxFonts->title(), QStringLiteral("Fonts"));
        QCOMPARE(dlg->CboFontName->currentText(), QStringLiteral("Arial"));
        QCOMPARE(dlg->CboFontSize->currentText(), QStringLiteral("20"));
        QCOMPARE(dlg->LblFont->text(), QStringLiteral("Font Test"));
        QCOMPARE(dlg->LblFont->size(), QSize(185, 28));
        QCOMPARE(dlg->LblFont->font().family(), QStringLiteral("Arial"));
        QCOMPARE(dlg->LblFont->font().pointSize(), 20);
        QVERIFY(fakes->prompts.shown.isEmpty());
        QVERIFY(!QFile::exists(OptionsFilePath()));
    }

    void listsHoldEveryFamilyOnceSortedAndTheSixteenSizes()
    {
        fakes->fonts.list.append(QStringLiteral("Verdana"));
        auto dlg = openDialog();
        QStringList names;
        for (int i = 0; i < dlg->CboFontName->count(); ++i)
            names.append(dlg->CboFontName->itemText(i));
        QCOMPARE(names, (QStringList{"Arial", "Comic Sans MS", "Courier New", "Times New Roman", "Verdana"}));
        QStringList sizes;
        for (int i = 0; i < dlg->CboFontSize->count(); ++i)
            sizes.append(dlg->CboFontSize->itemText(i));
        QCOMPARE(sizes, (QStringList{"8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24", "26", "28", "36",
                                     "48", "72"}));
        QVERIFY(!dlg->CboFontName->isEditable());
        QVERIFY(!dlg->CboFontSize->isEditable());
    }

    void storedName_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("selected");
        QTest::newRow("installed") << QByteArray("Courier New") << "Courier New";
        QTest::newRow("not installed") << QByteArray("Old Gothic") << "Arial";
        QTest::newRow("differs in case") << QByteArray("courier new") << "Arial";
        QTest::newRow("empty") << QByteArray("") << "Arial";
    }
    void storedName()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, selected);
        writeSettings("[Options]\nFountName=" + stored + "\nFontSize=12\n");
        auto dlg = openDialog();
        QCOMPARE(dlg->CboFontName->currentText(), selected);
        QCOMPARE(dlg->LblFont->font().family(), selected);
        QCOMPARE(dlg->CboFontSize->currentText(), QStringLiteral("12"));
        QCOMPARE(dlg->LblFont->font().pointSize(), 12);
        QVERIFY(fakes->prompts.shown.isEmpty());
    }

    void noArialInstalledSelectsItsSubstitute()
    {
        fakes->fonts.list = QStringList{"Nimbus Sans", "Liberation Sans", "DejaVu Sans"};
        fakes->fonts.substitute = QStringLiteral("Liberation Sans");
        auto dlg = openDialog();
        QCOMPARE(dlg->CboFontName->currentText(), QStringLiteral("Liberation Sans"));
        QCOMPARE(dlg->CboFontSize->count(), 16);
        QCOMPARE(dlg->CboFontSize->currentText(), QStringLiteral("20"));
        dlg->BtnOK->click();
        QCOMPARE(settingsLines(), (QStringList{"[Options]", "FountName=Liberation Sans", "FontSize=20"}));
    }

    void storedSize_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("sampleSize");
        QTest::addColumn<QString>("error");
        QTest::newRow("listed") << QByteArray("36") << "36" << 36 << "";
        QTest::newRow("smallest") << QByteArray("8") << "8" << 8 << "";
        QTest::newRow("not listed") << QByteArray("13") << "" << 13 << "";
        QTest::newRow("hex converts but is not listed") << QByteArray("0x18") << "" << 24 << "";
        QTest::newRow("not a number") << QByteArray("abc") << "" << 20 << "'abc' is not a valid integer value.";
        QTest::newRow("trailing text") << QByteArray("12pt") << "" << 20 << "'12pt' is not a valid integer value.";
        QTest::newRow("empty") << QByteArray("") << "" << 20 << "'' is not a valid integer value.";
    }
    void storedSize()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, selected);
        QFETCH(int, sampleSize);
        QFETCH(QString, error);
        writeSettings("[Options]\nFountName=Courier New\nFontSize=" + stored + "\n");
        auto dlg = openDialog();
        QCOMPARE(errors(), error.isEmpty() ? QStringList{} : QStringList{error});
        // The selections stand even when the size fails to convert.
        QCOMPARE(dlg->CboFontName->currentText(), QStringLiteral("Courier New"));
        QCOMPARE(dlg->LblFont->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(dlg->CboFontSize->currentText(), selected);
        QCOMPARE(dlg->LblFont->font().pointSize(), sampleSize);
    }

    void hugeStoredSizeIsCappedInTheSample()
    {
        writeSettings("[Options]\nFontSize=2147483647\n");
        auto dlg = openDialog();
        QVERIFY(errors().isEmpty());
        QCOMPARE(dlg->CboFontSize->currentIndex(), -1);
        QCOMPARE(dlg->LblFont->font().pointSize(), 999);
    }

    // The sample shows its whole text at every size offered: drawn smaller
    // where it would not fit its box, and the dialog says so.
    void sampleShowsTheWholeTextAtAnySize_data()
    {
        QTest::addColumn<QString>("size");
        for (const char *size : {"8", "20", "28", "36", "48", "72"})
            QTest::newRow(size) << QString::fromLatin1(size);
    }
    void sampleShowsTheWholeTextAtAnySize()
    {
        QFETCH(QString, size);
        auto dlg = openDialog();
        pick(dlg->CboFontSize, size);
        QCOMPARE(dlg->LblFont->font().pointSize(), size.toInt());
        const double scale = dlg->LblFont->scale();
        QVERIFY(scale > 0 && scale <= 1);
        QFont drawn = dlg->LblFont->font();
        drawn.setPointSizeF(drawn.pointSizeF() * scale);
        const QFontMetricsF metrics(drawn);
        QVERIFY(metrics.horizontalAdvance(dlg->LblFont->text()) <= dlg->LblFont->width() + 1);
        QVERIFY(metrics.height() <= dlg->LblFont->height() + 1);
        const QFontMetricsF full(dlg->LblFont->font());
        const bool fits = full.boundingRect(dlg->LblFont->text()).width() <= dlg->LblFont->width()
                          && full.height() <= dlg->LblFont->height();
        QCOMPARE(scale == 1.0, fits);
        QCOMPARE(dlg->LblSampleNote->text().isEmpty(), fits);
    }

    // Every caption fits its box and every box its parent in each language,
    // and the dialog leaves the window manager room for the whole title:
    // under openbox the icon, the buttons and the gaps took 109 pixels.
    void everyTextFitsInEachLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char *locale : {"en_US", "de_DE", "es_ES"})
            QTest::newRow(locale) << QString::fromLatin1(locale);
    }
    void everyTextFitsInEachLanguage()
    {
        QFETCH(QString, locale);
        installTranslators(*qApp, QLocale(locale));
        const auto removeTranslators = qScopeGuard([] {
            for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
                QCoreApplication::removeTranslator(translator);
                delete translator;
            }
        });
        auto dlg = openDialog();
        pick(dlg->CboFontSize, QStringLiteral("72"));
        QVERIFY(!dlg->LblSampleNote->text().isEmpty());

        QFont bold = QApplication::font();
        bold.setBold(true);
        QVERIFY2(QFontMetrics(bold).horizontalAdvance(dlg->windowTitle()) + 109 < dlg->width(),
                 qPrintable(dlg->windowTitle()));
        QStringList cut;
        for (QWidget *w : dlg->findChildren<QWidget *>()) {
            const QRect inParent(QPoint(0, 0), w->parentWidget()->size());
            if (!w->isHidden() && !inParent.contains(w->geometry()))
                cut.append(w->objectName() + QStringLiteral(" outside its parent"));
        }
        for (QLabel *label : dlg->findChildren<QLabel *>())
            if (label != dlg->LblFont && label->sizeHint().width() > label->width())
                cut.append(label->text());
        for (QPushButton *button : dlg->findChildren<QPushButton *>())
            if (button->sizeHint().width() > button->width())
                cut.append(button->text());
        const QFontMetrics groupMetrics(dlg->GroupBoxFonts->font());
        if (groupMetrics.horizontalAdvance(dlg->GroupBoxFonts->title()) > dlg->GroupBoxFonts->width())
            cut.append(dlg->GroupBoxFonts->title());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
    }

    void pickingAnotherFontKeepsTheSizes()
    {
        writeSettings("[Options]\nFontSize=24\n");
        auto dlg = openDialog();
        pick(dlg->CboFontName, QStringLiteral("Times New Roman"));
        QCOMPARE(dlg->CboFontSize->count(), 16);
        QCOMPARE(dlg->CboFontSize->currentText(), QStringLiteral("24"));
        QCOMPARE(dlg->LblFont->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(dlg->LblFont->font().pointSize(), 24);
        pick(dlg->CboFontSize, QStringLiteral("72"));
        QCOMPARE(dlg->LblFont->font().pointSize(), 72);
        QCOMPARE(dlg->LblFont->font().family(), QStringLiteral("Times New Roman"));
        QVERIFY(fakes->prompts.shown.isEmpty());
    }

    void pickingByKeyboardUpdatesTheSample()
    {
        auto dlg = openDialog();
        dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
        dlg->CboFontSize->setFocus();
        QTest::keyClick(dlg->CboFontSize, Qt::Key_Down);
        QCOMPARE(dlg->CboFontSize->currentText(), QStringLiteral("22"));
        QCOMPARE(dlg->LblFont->font().pointSize(), 22);
    }

    void noSizeSelectedThenChangingTheNameReports()
    {
        writeSettings("[Options]\nFontSize=13\n");
        auto dlg = openDialog();
        QVERIFY(fakes->prompts.shown.isEmpty());
        pick(dlg->CboFontName, QStringLiteral("Verdana"));
        QCOMPARE(errors(), QStringList{"'' is not a valid integer value."});
        // The name was taken before the size failed.
        QCOMPARE(dlg->LblFont->font().family(), QStringLiteral("Verdana"));
        QCOMPARE(dlg->LblFont->font().pointSize(), 13);
    }

    void okWritesNameThenSize()
    {
        auto dlg = openDialog();
        pick(dlg->CboFontName, QStringLiteral("Comic Sans MS"));
        pick(dlg->CboFontSize, QStringLiteral("36"));
        dlg->BtnOK->click();
        QCOMPARE(dlg->result(), int(QDialog::Accepted));
        // A new file holds the keys in the order they were written.
        QCOMPARE(settingsLines(), (QStringList{"[Options]", "FountName=Comic Sans MS", "FontSize=36"}));
        QVERIFY(fakes->prompts.shown.isEmpty());
    }

    void okKeepsTheOtherKeys()
    {
        writeSettings("[Options]\nCardSize=2\nFountName=Verdana\nChkHeading=0\nFontSize=8\n[Other]\nFontSize=99\n");
        auto dlg = openDialog();
        pick(dlg->CboFontSize, QStringLiteral("14"));
        dlg->BtnOK->click();
        QCOMPARE(settingsLines(), (QStringList{"[Options]", "CardSize=2", "FountName=Verdana", "ChkHeading=0",
                                               "FontSize=14", "[Other]", "FontSize=99"}));
    }

    void okWithNoSizeWritesAnEmptySize()
    {
        writeSettings("[Options]\nFountName=Verdana\nFontSize=13\n");
        auto dlg = openDialog();
        dlg->BtnOK->click();
        QCOMPARE(settingsLines(), (QStringList{"[Options]", "FountName=Verdana", "FontSize="}));
    }

    void cancelWritesNothing()
    {
        const QByteArray before("[Options]\nFountName=Verdana\nFontSize=12\n");
        writeSettings(before);
        auto dlg = openDialog();
        pick(dlg->CboFontName, QStringLiteral("Arial"));
        pick(dlg->CboFontSize, QStringLiteral("48"));
        dlg->BtnCancel->click();
        QCOMPARE(dlg->result(), int(QDialog::Rejected));
        QCOMPARE(settingsBytes(), before);
    }

    void failedWriteKeepsTheDialogOpen()
    {
        // A folder where the file should be: no write can succeed, even as root.
        QVERIFY(QDir().mkpath(OptionsFilePath()));
        auto dlg = openDialog();
        dlg->show();
        dlg->BtnOK->click();
        QCOMPARE(errors(), QStringList{QStringLiteral("Unable to write to %1.").arg(OptionsFilePath())});
        QVERIFY(dlg->isVisible());
        QCOMPARE(dlg->result(), int(QDialog::Rejected));
    }

    // The real font database, as the installed program sees it. Qt names a
    // family that several foundries supply once per foundry ("Nimbus Sans
    // [urw]") and lists fontconfig's generic families as fonts of their own.
    void realFontListNamesEachFamilyOnceByItsPlainName()
    {
        QtFontCatalogue real;
        TFrmFonts dlg(fakes->prompts, real, nullptr);
        QStringList names;
        for (int i = 0; i < dlg.CboFontName->count(); ++i)
            names.append(dlg.CboFontName->itemText(i));
        QVERIFY(!names.isEmpty());
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        for (const QString &name : names) {
            QVERIFY2(!foundryTag().match(name).hasMatch(), qPrintable(name));
            QVERIFY2(!QStringList({"Sans Serif", "Serif", "Monospace"}).contains(name), qPrintable(name));
            // Picking the name draws that very family.
            QCOMPARE(QFontInfo(QFont(name)).family().remove(foundryTag()), name);
        }
    }

    void realFamilyFromSeveralFoundriesIsFoundAndKept()
    {
        QString plain;
        for (const QString &family : QFontDatabase::families()) {
            if (foundryTag().match(family).hasMatch()) {
                plain = QString(family).remove(foundryTag());
                break;
            }
        }
        if (plain.isEmpty())
            QSKIP("no installed family comes from several foundries");
        writeSettings("[Options]\nFountName=" + plain.toUtf8() + "\nFontSize=20\n");
        QtFontCatalogue real;
        TFrmFonts dlg(fakes->prompts, real, nullptr);
        QCOMPARE(dlg.CboFontName->currentText(), plain);
        dlg.BtnOK->click();
        QCOMPARE(settingsLines(), (QStringList{"[Options]", "FountName=" + plain, "FontSize=20"}));
    }

    // The main window's side: it re-reads the file however the dialog closed.

    void mainWindowTakesTheFontAfterOk()
    {
        TFrmMain window(fakes->services());
        const int repaints = window.repaintRequests();
        const int picks = fakes->random.picks;
        ModalDriver<TFrmFonts> driver([this](TFrmFonts &dlg) {
            QVERIFY(dlg.parentWidget() != nullptr);
            pick(dlg.CboFontName, QStringLiteral("Courier New"));
            pick(dlg.CboFontSize, QStringLiteral("28"));
            dlg.BtnOK->click();
        });
        window.MnuFont->trigger();
        QVERIFY2(driver.found(), "the font dialog never showed");
        QCOMPARE(window.CardFontName, QStringLiteral("Courier New"));
        QCOMPARE(window.CardFontSize, 28);
        QCOMPARE(window.cardSettings().fontName, QStringLiteral("Courier New"));
        QCOMPARE(window.cardSettings().fontSize, 28);
        QCOMPARE(window.repaintRequests(), repaints + 1);
        QCOMPARE(fakes->random.picks, picks); // repainted, not re-arranged
        QVERIFY(window.findChildren<TFrmFonts *>().isEmpty());
    }

    void mainWindowReReadsAfterCancelAndTitleBar_data()
    {
        QTest::addColumn<bool>("titleBar");
        QTest::newRow("cancel") << false;
        QTest::newRow("title bar") << true;
    }
    void mainWindowReReadsAfterCancelAndTitleBar()
    {
        QFETCH(bool, titleBar);
        TFrmMain window(fakes->services());
        // Changed behind the window's back: only a re-read can see it.
        const QByteArray stored("[Options]\nFountName=Times New Roman\nFontSize=16\n");
        writeSettings(stored);
        const int repaints = window.repaintRequests();
        ModalDriver<TFrmFonts> driver([this, titleBar](TFrmFonts &dlg) {
            pick(dlg.CboFontName, QStringLiteral("Verdana"));
            pick(dlg.CboFontSize, QStringLiteral("72"));
            if (titleBar)
                dlg.close();
            else
                dlg.BtnCancel->click();
        });
        window.MnuFont->trigger();
        QVERIFY2(driver.found(), "the font dialog never showed");
        QCOMPARE(settingsBytes(), stored);
        QCOMPARE(window.CardFontName, QStringLiteral("Times New Roman"));
        QCOMPARE(window.CardFontSize, 16);
        QCOMPARE(window.repaintRequests(), repaints + 1);
    }

    void mainWindowReadsAnEmptySizeAsTwenty()
    {
        TFrmMain window(fakes->services());
        writeSettings("[Options]\nFountName=Verdana\nFontSize=13\n");
        ModalDriver<TFrmFonts> driver([](TFrmFonts &dlg) { dlg.BtnOK->click(); });
        window.MnuFont->trigger();
        QVERIFY(driver.found());
        QCOMPARE(settingsLines(), (QStringList{"[Options]", "FountName=Verdana", "FontSize="}));
        QCOMPARE(window.CardFontName, QStringLiteral("Verdana"));
        QCOMPARE(window.CardFontSize, 20);
    }
};

QTEST_MAIN(TestFontDialog)
#include "tst_fontdialog.moc"
