#include "FileHelpers.h"
#include "TestServices.h"
#include "app/UnitMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

using Kind = FakePrompts::Kind;

namespace {

const QString SaveQuestion = QStringLiteral("Do you want to save current bingo card?");

QList<Kind> kinds(const FakePrompts &prompts)
{
    QList<Kind> k;
    for (const auto &s : prompts.shown)
        k.append(s.kind);
    return k;
}

} // namespace

class TestDocuments : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TestServices> fakes;
    std::unique_ptr<TFrmMain> window;

    QString path(const char *name) const { return dir->filePath(QLatin1String(name)); }
    FakePrompts &prompts() { return fakes->prompts; }

    void addEntry(const QString &text)
    {
        window->CboCardStr->setEditText(text);
        window->BtnAddClick();
    }
    void addEntries(const QStringList &entries)
    {
        for (const QString &e : entries)
            addEntry(e);
        prompts().clear();
    }
    QStringList entryBoxItems() const
    {
        QStringList items;
        for (int i = 0; i < window->CboCardStr->count(); ++i)
            items.append(window->CboCardStr->itemText(i));
        return items;
    }
    void verifyEmptyList()
    {
        QVERIFY(window->words().isEmpty());
        QCOMPARE(window->CboCardStr->count(), 0);
        QVERIFY(window->CboCardStr->currentText().isEmpty());
        QVERIFY(window->CardCells.isEmpty());
    }

private Q_SLOTS:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("Morvane")); }

    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        fakes = std::make_unique<TestServices>();
        window = std::make_unique<TFrmMain>(fakes->services());
        prompts().clear();
    }
    void cleanup()
    {
        window.reset();
        fakes.reset();
        dir.reset();
    }

    void commandsHaveTheirShortcutsAndButtons()
    {
        QCOMPARE(window->MnuFileNew->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
        QCOMPARE(window->MnuFileOpen->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(window->MnuFileSave->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QTest::mouseClick(window->ToolButtonOpen, Qt::LeftButton);
        QTest::mouseClick(window->ToolButtonSave, Qt::LeftButton);
        QCOMPARE(kinds(prompts()), (QList<Kind>{Kind::OpenDialog, Kind::SaveDialog}));
        addEntry(QStringLiteral("x"));
        prompts().clear();
        QTest::mouseClick(window->ToolButtonNew, Qt::LeftButton);
        QCOMPARE(prompts().texts(), QStringList{SaveQuestion});
        verifyEmptyList();
    }

    void saveWithoutNameAsksForOneAndWritesTheList()
    {
        addEntries({QStringLiteral("cherry"), QStringLiteral("apple"), QStringLiteral("Banana")});
        QVERIFY(window->ListModified);
        const QString file = path("three.mrv");
        prompts().files.enqueue(file);
        window->MnuFileSave->trigger();

        QCOMPARE(prompts().shown.size(), 1);
        const auto &shown = prompts().shown.first();
        QCOMPARE(shown.kind, Kind::SaveDialog);
        QCOMPARE(shown.dialog.title, QStringLiteral("Save Bingo Card"));
        QCOMPARE(shown.dialog.filter, QStringLiteral("Morvane File (*.mrv);;All Files (*)"));
        QCOMPARE(shown.dialog.defaultSuffix, QStringLiteral("mrv"));
        QCOMPARE(readBytes(file), QByteArray("apple\r\nBanana\r\ncherry\r\n"));
        QCOMPARE(window->CurrentFileName, file);
        QVERIFY(!window->ListModified);

        // Once named, Save writes without asking.
        prompts().clear();
        addEntries({QStringLiteral("date")});
        window->MnuFileSave->trigger();
        QVERIFY(prompts().shown.isEmpty());
        QCOMPARE(readBytes(file), QByteArray("apple\r\nBanana\r\ncherry\r\ndate\r\n"));
        QVERIFY(!window->ListModified);
    }

    void saveOfEmptyListWritesEmptyFile()
    {
        const QString file = path("empty.mrv");
        writeBytes(file, "old\r\n");
        prompts().files.enqueue(file);
        window->MnuFileSave->trigger();
        QCOMPARE(readBytes(file), QByteArray());
        QCOMPARE(window->CurrentFileName, file);
    }

    void saveCancelledKeepsTheListUnsaved()
    {
        addEntries({QStringLiteral("apple")});
        window->MnuFileSave->trigger();
        QCOMPARE(kinds(prompts()), QList<Kind>{Kind::SaveDialog});
        QVERIFY(window->ListModified);
        QVERIFY(window->CurrentFileName.isEmpty());

        // The next New still asks, so the list cannot be lost unnoticed.
        prompts().clear();
        window->MnuFileNew->trigger();
        QCOMPARE(prompts().texts(), QStringList{SaveQuestion});
    }

    void failedSaveKeepsNameAndModifiedFlag()
    {
        writeBytes(path("plain"), "x");
        const QString bad = path("plain/list.mrv");
        addEntries({QStringLiteral("apple")});
        prompts().files.enqueue(bad);
        window->MnuFileSave->trigger();
        QCOMPARE(kinds(prompts()), (QList<Kind>{Kind::SaveDialog, Kind::Error}));
        QCOMPARE(prompts().shown.last().text, QStringLiteral("Invalid filename."));
        QVERIFY(window->CurrentFileName.isEmpty());
        QVERIFY(window->ListModified);
    }

    void failedSaveOverNamedDocumentKeepsIt()
    {
        const QString file = path("named.mrv");
        writeBytes(file, "old\r\n");
        prompts().files.enqueue(file);
        addEntries({QStringLiteral("apple")});
        window->MnuFileSave->trigger();
        // A folder now stands where the document was: the write fails.
        QVERIFY(QFile::remove(file));
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("named.mrv")));
        addEntries({QStringLiteral("berry")});
        prompts().clear();
        window->MnuFileSave->trigger();
        QCOMPARE(prompts().texts(), QStringList{QStringLiteral("File access denied.")});
        QCOMPARE(window->CurrentFileName, file);
        QVERIFY(window->ListModified);
    }

    void newOnUnchangedListAsksNothing()
    {
        const QString file = path("doc.mrv");
        writeBytes(file, "a\r\nb\r\n");
        prompts().files.enqueue(file);
        window->MnuFileOpen->trigger();
        window->CboCardSize->setCurrentIndex(0);
        const int repaints = window->repaintRequests();
        prompts().clear();

        window->MnuFileNew->trigger();
        QVERIFY(prompts().shown.isEmpty());
        verifyEmptyList();
        QVERIFY(window->CurrentFileName.isEmpty());
        QVERIFY(!window->ListModified);
        QVERIFY(window->repaintRequests() > repaints);
        QCOMPARE(window->CboCardSize->currentIndex(), 0);
        QCOMPARE(readBytes(file), QByteArray("a\r\nb\r\n"));
    }

    void newOnChangedList_data()
    {
        QTest::addColumn<bool>("named");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("confirmDialog");
        QTest::addColumn<QList<Kind>>("shown");
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<bool>("emptied");
        const QList<Kind> q{Kind::Question};
        const QList<Kind> qs{Kind::Question, Kind::SaveDialog};
        QTest::newRow("no") << false << false << false << q << QByteArray("<missing>") << true;
        QTest::newRow("yes, named") << true << true << false << q << QByteArray("new\r\nold\r\n") << true;
        QTest::newRow("yes, dialog confirmed") << false << true << true << qs << QByteArray("new\r\n") << true;
        QTest::newRow("yes, dialog cancelled") << false << true << false << qs << QByteArray("<missing>") << false;
    }
    void newOnChangedList()
    {
        QFETCH(bool, named);
        QFETCH(bool, yes);
        QFETCH(bool, confirmDialog);
        QFETCH(QList<Kind>, shown);
        QFETCH(QByteArray, written);
        QFETCH(bool, emptied);
        const QString file = path("target.mrv");
        if (named) {
            writeBytes(file, "old\r\n");
            prompts().files.enqueue(file);
            window->MnuFileOpen->trigger();
        }
        addEntries({QStringLiteral("new")});
        prompts().answers.enqueue(yes);
        if (confirmDialog)
            prompts().files.enqueue(file);

        window->MnuFileNew->trigger();
        QCOMPARE(kinds(prompts()), shown);
        QCOMPARE(prompts().shown.first().text, SaveQuestion);
        QCOMPARE(prompts().shown.first().defaultButton, DefaultButton::Yes);
        QCOMPARE(readBytes(file), written);
        if (emptied) {
            verifyEmptyList();
            QVERIFY(window->CurrentFileName.isEmpty());
            QVERIFY(!window->ListModified);
        } else {
            QCOMPARE(window->words().items(), QStringList{QStringLiteral("new")});
            QVERIFY(window->ListModified);
        }
    }

    void newStopsWhenTheOfferedSaveFails()
    {
        writeBytes(path("plain"), "x");
        addEntries({QStringLiteral("keep")});
        prompts().answers.enqueue(true);
        prompts().files.enqueue(path("plain/x.mrv"));
        window->MnuFileNew->trigger();
        QCOMPARE(kinds(prompts()), (QList<Kind>{Kind::Question, Kind::SaveDialog, Kind::Error}));
        QCOMPARE(window->words().items(), QStringList{QStringLiteral("keep")});
        QVERIFY(window->ListModified);
    }

    void openReadsTheDocument()
    {
        const QString file = path("mixed.mrv");
        writeBytes(file, "pear\n\n   \n\t\n  fig  \napple\r\napple\r\ncaf\xe9\r\n");
        const int picks = fakes->random.picks;
        prompts().files.enqueue(file);
        window->MnuFileOpen->trigger();

        QCOMPARE(prompts().shown.size(), 1);
        const auto &shown = prompts().shown.first();
        QCOMPARE(shown.kind, Kind::OpenDialog);
        QCOMPARE(shown.dialog.title, QStringLiteral("Select Bingo Card"));
        QCOMPARE(shown.dialog.filter, QStringLiteral("Morvane File(*.mrv);;All Files (*)"));
        QVERIFY(shown.dialog.defaultSuffix.isEmpty());
        const QStringList expected{"apple", "apple", QStringLiteral("caf\u00e9"), "fig", "pear"};
        QCOMPARE(window->words().items(), expected);
        QCOMPARE(entryBoxItems(), expected);
        QCOMPARE(window->CardCells.size(), 5);
        QVERIFY(fakes->random.picks > picks);
        QCOMPARE(window->CurrentFileName, file);
        QVERIFY(!window->ListModified);
    }

    void openReplacesTheList()
    {
        addEntries({QStringLiteral("old")});
        const QString file = path("new.mrv");
        writeBytes(file, "new\r\n");
        prompts().answers.enqueue(false);
        prompts().files.enqueue(file);
        window->MnuFileOpen->trigger();
        QCOMPARE(kinds(prompts()), (QList<Kind>{Kind::Question, Kind::OpenDialog}));
        QCOMPARE(window->words().items(), QStringList{QStringLiteral("new")});
    }

    void openCancelledLeavesEverything()
    {
        const QString file = path("first.mrv");
        writeBytes(file, "a\r\n");
        prompts().files.enqueue(file);
        window->MnuFileOpen->trigger();
        addEntries({QStringLiteral("b")});
        prompts().answers.enqueue(false);
        window->MnuFileOpen->trigger();
        QCOMPARE(kinds(prompts()), (QList<Kind>{Kind::Question, Kind::OpenDialog}));
        QCOMPARE(window->words().items(), (QStringList{"a", "b"}));
        QCOMPARE(window->CurrentFileName, file);
        QVERIFY(window->ListModified);
    }

    void offeredSaveIsNotRemembered()
    {
        addEntries({QStringLiteral("a")});
        const QString file = path("offered.mrv");
        prompts().answers.enqueue(true);
        prompts().files.enqueue(file);
        window->MnuFileOpen->trigger(); // then the open dialog is cancelled
        QCOMPARE(kinds(prompts()), (QList<Kind>{Kind::Question, Kind::SaveDialog, Kind::OpenDialog}));
        QCOMPARE(readBytes(file), QByteArray("a\r\n"));
        QVERIFY(window->CurrentFileName.isEmpty());
        prompts().clear();
        window->MnuFileSave->trigger();
        QCOMPARE(kinds(prompts()), QList<Kind>{Kind::SaveDialog});
    }

    void openedDocumentThatVanished()
    {
        addEntries({QStringLiteral("a")});
        window->MnuFileSave->trigger(); // cancelled: stays modified
        prompts().clear();
        prompts().answers.enqueue(false);
        prompts().files.enqueue(path("gone.mrv"));
        const int picks = fakes->random.picks;
        window->MnuFileOpen->trigger();
        QCOMPARE(kinds(prompts()), (QList<Kind>{Kind::Question, Kind::OpenDialog, Kind::Error}));
        QCOMPARE(prompts().shown.last().text, QStringLiteral("File not found."));
        verifyEmptyList();
        QCOMPARE(fakes->random.picks, picks);
        QVERIFY(window->CurrentFileName.isEmpty());
        QVERIFY(!window->ListModified);
    }

    void openFolderReportsAccessDenied()
    {
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("folder.mrv")));
        prompts().files.enqueue(path("folder.mrv"));
        window->MnuFileOpen->trigger();
        QCOMPARE(prompts().shown.last().text, QStringLiteral("File access denied."));
        verifyEmptyList();
        QVERIFY(window->CurrentFileName.isEmpty());
    }

    void leadingBlankSavedAndReadBackTrimmed()
    {
        addEntries({QStringLiteral(" cat")});
        QCOMPARE(window->words().items(), QStringList{QStringLiteral(" cat")});
        const QString file = path("blank.mrv");
        prompts().files.enqueue(file);
        window->MnuFileSave->trigger();
        QCOMPARE(readBytes(file), QByteArray(" cat\r\n"));
        prompts().files.enqueue(file);
        window->MnuFileOpen->trigger();
        QCOMPARE(window->words().items(), QStringList{QStringLiteral("cat")});
    }

    // The dialogs open in the folder of the document in hand; with none, the
    // dialog itself chooses (the folder last used, else Documents).
    void dialogsStartInTheDocumentFolder()
    {
        QByteArray entries;
        for (int i = 1; i <= 25; ++i)
            entries += "w" + QByteArray::number(i) + "\r\n";
        const QString file = path("lists/doc.mrv");
        writeBytes(file, entries);
        prompts().files.enqueue(file);
        window->MnuFileOpen->trigger();
        window->MnuFileOpen->trigger();
        window->MnuFileExportPdf->trigger();
        window->MnuFileNew->trigger();
        window->MnuFileSave->trigger();
        QStringList folders;
        for (const auto &shown : prompts().shown)
            folders.append(shown.dialog.folder);
        QCOMPARE(kinds(prompts()),
                 (QList<Kind>{Kind::OpenDialog, Kind::OpenDialog, Kind::SaveDialog, Kind::SaveDialog}));
        QCOMPARE(folders, (QStringList{QString(), path("lists"), path("lists"), QString()}));
    }

    void closeWithUnchangedListAsksNothing()
    {
        QVERIFY(window->close());
        QVERIFY(prompts().shown.isEmpty());
    }

    void closeWithChangedList_data()
    {
        QTest::addColumn<bool>("named");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("confirmDialog");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("no") << false << false << false << true << QByteArray("<missing>");
        QTest::newRow("yes, named") << true << true << false << true << QByteArray("a\r\nb\r\n");
        QTest::newRow("yes, dialog confirmed") << false << true << true << true << QByteArray("b\r\n");
        QTest::newRow("yes, dialog cancelled") << false << true << false << false << QByteArray("<missing>");
    }
    void closeWithChangedList()
    {
        QFETCH(bool, named);
        QFETCH(bool, yes);
        QFETCH(bool, confirmDialog);
        QFETCH(bool, closes);
        QFETCH(QByteArray, written);
        const QString file = path("close.mrv");
        if (named) {
            writeBytes(file, "a\r\n");
            prompts().files.enqueue(file);
            window->MnuFileOpen->trigger();
        }
        addEntries({QStringLiteral("b")});
        prompts().answers.enqueue(yes);
        if (confirmDialog)
            prompts().files.enqueue(file);
        QCOMPARE(window->close(), closes);
        QCOMPARE(prompts().shown.first().kind, Kind::Question);
        QCOMPARE(prompts().count(Kind::Question), 1);
        QCOMPARE(prompts().count(Kind::Error), 0);
        QCOMPARE(readBytes(file), written);
        QCOMPARE(window->ListModified, !closes);
    }

    void closeStaysOpenWhenTheSaveFailsAndAsksAgain()
    {
        writeBytes(path("plain"), "x");
        addEntries({QStringLiteral("b")});
        prompts().answers.enqueue(true);
        prompts().files.enqueue(path("plain/x.mrv"));
        QVERIFY(!window->close());
        QCOMPARE(kinds(prompts()), (QList<Kind>{Kind::Question, Kind::SaveDialog, Kind::Error}));
        QVERIFY(window->ListModified);

        prompts().clear();
        prompts().answers.enqueue(false);
        QVERIFY(window->close());
        QCOMPARE(prompts().texts(), QStringList{SaveQuestion});
        QVERIFY(!window->ListModified);
    }

    void exitRunsTheSameCloseProcedure()
    {
        addEntries({QStringLiteral("b")});
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        prompts().answers.enqueue(false);
        window->MnuFileExit->trigger();
        QCOMPARE(prompts().texts(), QStringList{SaveQuestion});
        QVERIFY(!window->isVisible());
    }
};

QTEST_MAIN(TestDocuments)
#include "tst_documents.moc"
