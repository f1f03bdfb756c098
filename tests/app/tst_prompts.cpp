// The real message boxes and file dialogs, driven by a zero-delay timer.
#include "FileHelpers.h"
#include "ModalDriver.h"
#include "TestServices.h"
#include "app/UnitMain.h"
#include "app/adapters/QtPrompts.h"
#include "docs/Folders.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

const QString SaveQuestion = QStringLiteral("Do you want to save current bingo card?");

QString boxText(const QMessageBox &box)
{
    const auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    return label ? label->text() : QString();
}

} // namespace

class TestPrompts : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TestServices> fakes;
    std::unique_ptr<QtPrompts> prompts;
    std::unique_ptr<TFrmMain> window;

    void addEntry(const QString &text)
    {
        window->CboCardStr->setEditText(text);
        window->BtnAddClick();
    }
    // Leaves the next message box by Escape or by its close button.
    static void leave(QMessageBox &box, bool byEscape)
    {
        if (byEscape)
            QTest::keyClick(&box, Qt::Key_Escape);
        else
            box.close();
    }

private Q_SLOTS:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("Morvane")); }

    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        fakes = std::make_unique<TestServices>();
        prompts = std::make_unique<QtPrompts>();
        MainServices services = fakes->services();
        services.prompts = prompts.get();
        window = std::make_unique<TFrmMain>(services);
        prompts->setParent(window.get());
    }
    void cleanup()
    {
        window.reset();
        prompts.reset();
        fakes.reset();
        dir.reset();
    }

    // Escape or the close button on the save question takes the user back
    // to the list as it was, whatever command asked.
    void escapingTheSaveQuestionCancelsTheCommand_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("byEscape");
        for (const char *command : {"New", "Open", "sample", "close"}) {
            QTest::addRow("%s, Escape", command) << QString::fromLatin1(command) << true;
            QTest::addRow("%s, close button", command) << QString::fromLatin1(command) << false;
        }
    }
    void escapingTheSaveQuestionCancelsTheCommand()
    {
        QFETCH(QString, command);
        QFETCH(bool, byEscape);
        const QString document = dir->filePath(QStringLiteral("kept.mrv"));
        writeBytes(document, "apple\r\n");
        const QString sample = SampleListsPath() + QStringLiteral("Theme/Sample.mrv");
        writeBytes(sample, "cow\r\n");
        window.reset();
        MainServices services = fakes->services();
        services.prompts = prompts.get();
        window = std::make_unique<TFrmMain>(services); // finds the sample
        prompts->setParent(window.get());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));

        // A named document with an unsaved entry.
        {
            ModalDriver<QFileDialog> open([&](QFileDialog &d) {
                d.selectFile(document);
                static_cast<QDialog &>(d).accept(); // the file dialog's own accept is protected
            });
            window->MnuFileOpen->trigger();
            QVERIFY(open.found());
        }
        addEntry(QStringLiteral("pear"));

        QString asked;
        ModalDriver<QMessageBox> driver([&](QMessageBox &box) {
            asked = boxText(box);
            leave(box, byEscape);
        });
        // Nothing may follow the question: no dialog, no message.
        ModalDriver<QFileDialog> noDialog([](QFileDialog &d) { d.reject(); });
        if (command == QLatin1String("New")) {
            window->MnuFileNew->trigger();
        } else if (command == QLatin1String("Open")) {
            window->MnuFileOpen->trigger();
        } else if (command == QLatin1String("sample")) {
            QAction *item = window->MnuSample->actions().value(0);
            QVERIFY(item && item->menu());
            item->menu()->actions().value(0)->trigger();
        } else {
            QVERIFY(!window->close());
            QVERIFY(window->isVisible());
        }
        QVERIFY(driver.found());
        QCOMPARE(asked, SaveQuestion);
        QVERIFY(!noDialog.found());
        QCOMPARE(window->words().items(), (QStringList{"apple", "pear"}));
        QCOMPARE(window->CurrentFileName, document);
        QVERIFY(window->ListModified);
        QCOMPARE(readBytes(document), QByteArray("apple\r\n"));
    }

    void escapeOnAnyOtherQuestionIsNo()
    {
        addEntry(QStringLiteral("cat"));
        window->CboCardStr->setEditText(QStringLiteral("cat"));
        ModalDriver<QMessageBox> driver([](QMessageBox &box) { QTest::keyClick(&box, Qt::Key_Escape); });
        window->BtnAddClick();
        QVERIFY(driver.found());
        QCOMPARE(window->words().items(), QStringList{QStringLiteral("cat")});
        QCOMPARE(window->CboCardStr->currentText(), QString()); // No clears the box
    }

    void messageBoxesShowPlainText_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("information") << "information";
        QTest::newRow("question") << "question";
        QTest::newRow("save question") << "save question";
        QTest::newRow("error") << "error";
    }
    void messageBoxesShowPlainText()
    {
        QFETCH(QString, kind);
        const QString text = QStringLiteral("The word '<b>big</b>' & <i>more</i>");
        QString shown;
        Qt::TextFormat format = Qt::AutoText;
        ModalDriver<QMessageBox> driver([&](QMessageBox &box) {
            shown = boxText(box);
            format = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->textFormat();
            box.close();
        });
        if (kind == QLatin1String("information"))
            prompts->information(text);
        else if (kind == QLatin1String("question"))
            prompts->question(text, DefaultButton::No);
        else if (kind == QLatin1String("save question"))
            prompts->questionWithCancel(text, DefaultButton::Yes);
        else
            prompts->error(text);
        QVERIFY(driver.found());
        QCOMPARE(shown, text);
        QCOMPARE(format, Qt::PlainText);
    }

    // The document's folder, else the folder last chosen in this run, else Documents.
    void fileDialogsStartWhereTheUserWorks_data()
    {
        QTest::addColumn<bool>("withDocumentFolder");
        QTest::addColumn<bool>("afterAChoice");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first dialog") << false << false << "documents";
        QTest::newRow("after a choice elsewhere") << false << true << "chosen";
        QTest::newRow("document open") << true << true << "document";
    }
    void fileDialogsStartWhereTheUserWorks()
    {
        QFETCH(bool, withDocumentFolder);
        QFETCH(bool, afterAChoice);
        QFETCH(QString, expected);
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(QDir().mkpath(documents));
        const QString chosen = dir->filePath(QStringLiteral("chosen"));
        const QString document = dir->filePath(QStringLiteral("document"));
        QVERIFY(QDir().mkpath(chosen) && QDir().mkpath(document));
        const FileDialogSpec open{QStringLiteral("Select Bingo Card"), QStringLiteral("All Files (*)"), QString(),
                                  withDocumentFolder ? document : QString()};
        if (afterAChoice) {
            ModalDriver<QFileDialog> choose([&](QFileDialog &d) {
                d.selectFile(chosen + QStringLiteral("/list.mrv"));
                static_cast<QDialog &>(d).accept(); // the file dialog's own accept is protected
            });
            const auto path = prompts->saveFileName(
                {QStringLiteral("Save Bingo Card"), QStringLiteral("All Files (*)"), QStringLiteral("mrv")});
            QVERIFY(choose.found() && path);
            QCOMPARE(*path, chosen + QStringLiteral("/list.mrv"));
        }
        QString startedIn;
        ModalDriver<QFileDialog> look([&](QFileDialog &d) {
            startedIn = d.directory().absolutePath();
            d.reject();
        });
        QVERIFY(!prompts->openFileName(open));
        QVERIFY(look.found());
        const QString want = expected == QLatin1String("documents") ? documents
                             : expected == QLatin1String("chosen")  ? chosen
                                                                    : document;
        QCOMPARE(startedIn, QDir(want).absolutePath());
    }
};

QTEST_MAIN(TestPrompts)
#include "tst_prompts.moc"
