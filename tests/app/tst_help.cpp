#include "FileHelpers.h"
#include "ModalDriver.h"
#include "TestServices.h"
#include "app/HelpWindow.h"
#include "app/LinkLabel.h"
#include "app/UnitFrmAbout.h"
#include "app/UnitMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <memory>

using Kind = FakeShellOpener::Kind;

class TestHelp : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestServices> fakes;
    std::unique_ptr<TFrmMain> window;

    // Runs About from the menu and hands the box to the action.
    void withAboutBox(const std::function<void(TFrmAbout &)> &action)
    {
        ModalDriver<TFrmAbout> driver(action);
        window->MnuAbout->trigger();
        QVERIFY2(driver.found(), "the About box never showed");
        QVERIFY(window->findChildren<TFrmAbout *>().isEmpty());
    }

private Q_SLOTS:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("Morvane")); }

    void init()
    {
        fakes = std::make_unique<TestServices>();
        window = std::make_unique<TFrmMain>(fakes->services());
    }
    void cleanup()
    {
        window.reset();
        fakes.reset();
    }

    // The help opens in the program's own window, whatever the desktop
    // has for opening documents.
    void contentsShowsTheHelpInItsOwnWindow()
    {
        fakes->shell.canOpen = false;
        window->MnuHelpFile->trigger();
        HelpWindow *help = window->helpWindow();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QVERIFY(fakes->shell.opened.isEmpty());
        // No help.html beside the test program, nor an installed one: the
        // window says which file is missing.
        const QString target = QCoreApplication::applicationDirPath() + QStringLiteral("/help.html");
        QVERIFY2(help->Browser->toPlainText().contains(target), qPrintable(help->Browser->toPlainText()));
        QVERIFY(fakes->prompts.shown.isEmpty());
        // A second F1 brings the same window forward.
        window->MnuHelpFile->trigger();
        QCOMPARE(window->findChildren<HelpWindow *>().size(), 1);
    }

    void helpFollowsItsLinksBackAndForth()
    {
        QTemporaryDir dir;
        writeBytes(dir.filePath(QStringLiteral("help.html")),
                   "<html><body><h1>Contents</h1><a href=\"keys.html\">Keys</a>"
                   "<a href=\"https://morvane.example.org/\">Web</a></body></html>");
        writeBytes(dir.filePath(QStringLiteral("keys.html")), "<html><body><h1>Keys</h1></body></html>");
        HelpWindow help(fakes->shell, fakes->prompts, window.get());
        help.showDocument(dir.filePath(QStringLiteral("help.html")));
        QVERIFY(!help.BtnBack->isEnabled());
        Q_EMIT help.Browser->anchorClicked(QUrl(QStringLiteral("keys.html")));
        QCOMPARE(help.Browser->source().fileName(), QStringLiteral("keys.html"));
        QVERIFY(help.BtnBack->isEnabled());
        help.BtnBack->click();
        QCOMPARE(help.Browser->source().fileName(), QStringLiteral("help.html"));
        QVERIFY(help.BtnForward->isEnabled());
        help.BtnForward->click();
        QCOMPARE(help.Browser->source().fileName(), QStringLiteral("keys.html"));
        help.BtnBack->click();

        // A web link leaves the help to the desktop, and stays in the window.
        Q_EMIT help.Browser->anchorClicked(QUrl(QStringLiteral("https://morvane.example.org/")));
        QCOMPARE(fakes->shell.opened,
                 (QList<FakeShellOpener::Opened>{{Kind::Address, QStringLiteral("https://morvane.example.org/")}}));
        QCOMPARE(help.Browser->source().fileName(), QStringLiteral("help.html"));
    }

    void contentsIsF1_data()
    {
        QTest::addColumn<QString>("control");
        for (const char *name :
             {"CboCardStr", "BtnAdd", "BtnDelete", "CboCardSize", "ChkFreeSpace", "TxtFreeSpace", "ChkHeading",
              "TxtHeading", "ChkWordWrap", "CboPrinters", "EdtCardNum", "CboCardsPerPage", "ToolButtonPrint", "PB"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void contentsIsF1()
    {
        QFETCH(QString, control);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto *widget = window->findChild<QWidget *>(control);
        QVERIFY(widget);
        widget->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(QApplication::focusWidget() != nullptr);
        QVERIFY(QApplication::focusWidget() == widget || widget->isAncestorOf(QApplication::focusWidget()));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QVERIFY(window->helpWindow());
        QVERIFY(window->helpWindow()->isVisible());
    }

    // Where the desktop cannot start a browser, the user is told the
    // address to copy.
    void homepageOpensTheWebPage_data()
    {
        QTest::addColumn<bool>("browser");
        QTest::addColumn<int>("messages");
        QTest::newRow("browser") << true << 0;
        QTest::newRow("no browser") << false << 1;
    }
    void homepageOpensTheWebPage()
    {
        QFETCH(bool, browser);
        QFETCH(int, messages);
        fakes->shell.canOpen = browser;
        window->MnuHomepage->trigger();
        QCOMPARE(fakes->shell.opened,
                 (QList<FakeShellOpener::Opened>{{Kind::Address, QStringLiteral("https://morvane.example.org/")}}));
        QCOMPARE(fakes->prompts.shown.size(), messages);
        if (messages > 0) {
            QCOMPARE(fakes->prompts.shown[0].kind, FakePrompts::Kind::Information);
            QVERIFY(fakes->prompts.shown[0].text.endsWith(QLatin1String("\n\nhttps://morvane.example.org/")));
        }
    }

    void aboutBoxLooksAsDesigned()
    {
        withAboutBox([](TFrmAbout &box) {
            QCOMPARE(box.windowTitle(), QStringLiteral("About Morvane"));
            QCOMPARE(box.size(), QSize(290, 228));
            QCOMPARE(box.font().pointSize(), 10);
            QCOMPARE(box.LblTitle->text(), QStringLiteral("Morvane V3.71"));
            QCOMPARE(box.LblWebsite->text(), QStringLiteral("Website: https://morvane.example.org/"));
            QCOMPARE(box.LblEmail->text(), QStringLiteral("Support Email: support@morvane.example.org"));
            QCOMPARE(box.LblWebsite->cursor().shape(), Qt::PointingHandCursor);
            QCOMPARE(box.LblEmail->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY(!box.Image1->pixmap().isNull());
            QCOMPARE(box.Image1->size(), QSize(48, 48));
            QCOMPARE(box.Image1->pos(), QPoint(16, 16));
            QCOMPARE(box.BtnOk->text(), QStringLiteral("OK"));
            QCOMPARE(box.LblLicence->text(),
                     QStringLiteral("Free software under the GNU General Public License, version 3 or later."));
            // Every line of text shows whole, with no box over another.
            QLabel *const texts[]{box.LblWebsite, box.LblEmail, box.LblLicence};
            for (QLabel *label : texts) {
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->text()));
                QVERIFY(label->geometry().bottom() < box.BtnOk->geometry().top());
            }
            QVERIFY(box.LblWebsite->geometry().bottom() < box.LblEmail->geometry().top());
            QVERIFY(box.LblEmail->geometry().bottom() < box.LblLicence->geometry().top());
            // Centred beside the picture, not over it.
            QVERIFY(box.LblTitle->geometry().left() >= box.Image1->geometry().right());
            QVERIFY(box.parentWidget() != nullptr);
            box.BtnOk->click();
        });
        QVERIFY(fakes->shell.opened.isEmpty());
    }

    void aboutLinksOpenPageAndMail()
    {
        withAboutBox([](TFrmAbout &box) {
            QTest::mouseClick(box.LblWebsite, Qt::LeftButton);
            QTest::mouseClick(box.LblEmail, Qt::LeftButton);
            // A right click is no click.
            QTest::mouseClick(box.LblEmail, Qt::RightButton);
            box.BtnOk->click();
        });
        const QList<FakeShellOpener::Opened> expected{
            {Kind::Address, QStringLiteral("https://morvane.example.org/")},
            {Kind::Address, QStringLiteral("mailto:support@morvane.example.org")}};
        QCOMPARE(fakes->shell.opened, expected);
        const QUrl mail(fakes->shell.opened[1].target, QUrl::StrictMode);
        QVERIFY(mail.isValid());
        QCOMPARE(mail.scheme(), QStringLiteral("mailto"));
        QCOMPARE(mail.path(), QStringLiteral("support@morvane.example.org"));
    }

    // OK has the focus first; Tab reaches each link, and Enter or Space opens it.
    void aboutLinksOpenFromTheKeyboard()
    {
        QStringList focusOrder;
        withAboutBox([&focusOrder](TFrmAbout &box) {
            auto press = [&box](Qt::Key key) { QTest::keyClick(box.focusWidget(), key); };
            focusOrder.append(box.focusWidget()->objectName());
            press(Qt::Key_Tab);
            focusOrder.append(box.focusWidget()->objectName());
            press(Qt::Key_Return);
            press(Qt::Key_Tab);
            focusOrder.append(box.focusWidget()->objectName());
            press(Qt::Key_Space);
            press(Qt::Key_Tab);
            focusOrder.append(box.focusWidget()->objectName());
            QVERIFY(box.isVisible()); // Enter on a link opens it, it does not close the box
            press(Qt::Key_Return);
            QVERIFY(!box.isVisible());
        });
        QCOMPARE(focusOrder, (QStringList{"BtnOk", "LblWebsite", "LblEmail", "BtnOk"}));
        const QList<FakeShellOpener::Opened> expected{
            {Kind::Address, QStringLiteral("https://morvane.example.org/")},
            {Kind::Address, QStringLiteral("mailto:support@morvane.example.org")}};
        QCOMPARE(fakes->shell.opened, expected);
    }

    void aboutClosedByTitleBarIsLikeOk()
    {
        bool wasVisible = false;
        withAboutBox([&wasVisible](TFrmAbout &box) {
            wasVisible = box.isVisible();
            box.close();
        });
        QVERIFY(wasVisible);
        QVERIFY(fakes->shell.opened.isEmpty());
        QVERIFY(fakes->prompts.shown.isEmpty());
    }

    void aboutChangesNothingOnTheCard()
    {
        const int repaints = window->repaintRequests();
        const int picks = fakes->random.picks;
        withAboutBox([](TFrmAbout &box) { box.BtnOk->click(); });
        QCOMPARE(window->repaintRequests(), repaints);
        QCOMPARE(fakes->random.picks, picks);
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
