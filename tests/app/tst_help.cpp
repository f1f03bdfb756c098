#include "ModalDriver.h"
#include "TestServices.h"
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
#include <QTest>
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

    void contentsOpensTheHelpBesideTheExecutable()
    {
        window->MnuHelpFile->trigger();
        QCOMPARE(fakes->shell.opened.size(), 1);
        QCOMPARE(fakes->shell.opened[0].kind, Kind::Document);
        // No help.html beside the test program, nor an installed one: the
        // path beside the executable goes to the desktop all the same.
        const QString target = fakes->shell.opened[0].target;
        QCOMPARE(target, QCoreApplication::applicationDirPath() + QStringLiteral("/help.html"));
        QVERIFY(!target.contains(QLatin1String("//")));
        QVERIFY(fakes->prompts.shown.isEmpty());
    }

    void contentsIsF1_data()
    {
        QTest::addColumn<QString>("control");
        for (const char *name :
             {"CboCardStr", "BtnAdd", "BtnDelete", "CboCardSize", "ChkFreeSpace", "TxtFreeSpace", "ChkHeading",
              "TxtHeading", "ChkWordWrap", "CboPrinters", "EdtCardNum", "CboCardsPerPage", "ToolButtonPrint"})
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
        QCOMPARE(fakes->shell.opened.size(), 1);
        QCOMPARE(fakes->shell.opened[0].kind, Kind::Document);
        QVERIFY(fakes->shell.opened[0].target.endsWith(QLatin1String("/help.html")));
    }

    void homepageOpensTheWebPage()
    {
        window->MnuHomepage->trigger();
        QCOMPARE(fakes->shell.opened,
                 (QList<FakeShellOpener::Opened>{{Kind::Address, QStringLiteral("https://morvane.example.org/")}}));
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
