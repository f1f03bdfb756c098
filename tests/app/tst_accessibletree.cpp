#include "../game/GameFixtures.h"
#include "FakePrintService.h"
#include "FakeProgress.h"
#include "FakePrompts.h"
#include "FakeSpeaker.h"
#include "ModalDriver.h"
#include "SequenceRandom.h"
#include "TestServices.h"
#include "app/CardPaintBox.h"
#include "app/UnitMain.h"
#include "app/accessibility/Accessibility.h"
#include "app/caller/BoardView.h"
#include "app/caller/CallDisplay.h"
#include "app/caller/CallHistoryView.h"
#include "app/caller/UnitFrmCaller.h"
#include "app/caller/UnitFrmCheckCard.h"
#include "app/preview/PageCards.h"
#include "app/preview/PreviewPageView.h"
#include "app/preview/UnitFrmPrintPreview.h"
#include "card/CardKind.h"
#include "game/CalledGame.h"
#include "game/GameCards.h"
#include "game/GameFile.h"
#include "game/GameFolder.h"
#include "print/PrintCard.h"
#include "print/RecordingPrintService.h"
#include "render/CardTextTable.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QSet>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

// What a screen reader is told, read through the accessibility interfaces.
namespace {

QAccessibleInterface *face(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// Every name in the tree under the interface that ends in a space.
void namesEndingInASpace(QAccessibleInterface *node, QStringList &found, int depth = 0)
{
    if (!node || depth > 12)
        return;
    const QString name = node->text(QAccessible::Name);
    if (!name.isEmpty() && name.back().isSpace())
        found.append(QLatin1Char('"') + name + QLatin1Char('"'));
    for (int i = 0; i < node->childCount(); ++i)
        namesEndingInASpace(node->child(i), found, depth + 1);
}

// A table's cells, row by row, as "text" or "text*" when checked.
QStringList cellTexts(QAccessibleInterface *table)
{
    QAccessibleTableInterface *t = table->tableInterface();
    QStringList texts;
    for (int row = 0; row < t->rowCount(); ++row)
        for (int column = 0; column < t->columnCount(); ++column) {
            QAccessibleInterface *cell = t->cellAt(row, column);
            texts.append(cell->text(QAccessible::Name) + (cell->state().checked ? QStringLiteral("*") : QString()));
        }
    return texts;
}

QStringList headerTexts(QAccessibleInterface *table)
{
    QAccessibleTableInterface *t = table->tableInterface();
    QStringList texts;
    for (int column = 0; column < t->columnCount(); ++column) {
        const auto headers = t->cellAt(0, column)->tableCellInterface()->columnHeaderCells();
        texts.append(headers.isEmpty() ? QStringLiteral("-") : headers.front()->text(QAccessible::Name));
    }
    return texts;
}

struct Game
{
    Game()
    {
        const GameRecord record = gameRecord(numberEntries(1, 75), 1, true, 0xACCE55ULL, 8);
        path = gameFilePath(dir.path(), record.code);
        writeGameRecord(path, record);
    }
    QTemporaryDir dir;
    QString path;
};

} // namespace

class TestAccessibleTree : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestServices> fakes;
    std::unique_ptr<TFrmMain> window;

    void addWords(int count)
    {
        for (const QString &w : wordEntries(count)) {
            window->CboCardStr->setEditText(w);
            window->BtnAddClick();
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setApplicationName(QStringLiteral("Morvane"));
        installAccessibleFactory();
    }
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

    void windowsAndGroupsAreNamedByWhatTheyAre_data()
    {
        QTest::addColumn<QString>("object");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::newRow("main window") << "" << int(QAccessible::Window) << "Morvane";
        QTest::newRow("toolbar") << "ToolBar1" << int(QAccessible::ToolBar) << "Toolbar";
        QTest::newRow("print group") << "GroupBoxPrint" << int(QAccessible::Grouping) << "Print";
        QTest::newRow("options group") << "GroupBoxOptions" << int(QAccessible::Grouping) << "Options";
        QTest::newRow("sample card") << "PB" << int(QAccessible::Table) << "Sample card";
        QTest::newRow("free space box") << "ChkFreeSpace" << int(QAccessible::CheckBox) << "Use Free Space";
        QTest::newRow("card size caption") << "Label3" << int(QAccessible::StaticText) << "Card Size:";
    }
    void windowsAndGroupsAreNamedByWhatTheyAre()
    {
        QFETCH(QString, object);
        QFETCH(int, role);
        QFETCH(QString, name);
        window->setWindowTitle(QStringLiteral("Morvane"));
        QObject *o = object.isEmpty() ? window.get() : window->findChild<QObject *>(object);
        QVERIFY(o);
        QAccessibleInterface *f = face(o);
        QVERIFY(f);
        QCOMPARE(int(f->role()), role);
        QCOMPARE(f->text(QAccessible::Name), name);
    }

    void noNameEndsInASpace()
    {
        QStringList found;
        namesEndingInASpace(face(window.get()), found);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral(", "))));
    }

    // The sample card reads as a table of what its cells show, under the
    // heading letters.
    void sampleCardIsATableOfItsCells_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("freeSpace");
        QTest::addColumn<bool>("heading");
        QTest::addColumn<int>("words");
        QTest::addColumn<QStringList>("headers");
        QTest::newRow("5 x 5, free space, heading") << 1 << true << true << 30 << QStringList{"B", "I", "N", "G", "O"};
        QTest::newRow("5 x 5, no heading") << 1 << true << false << 30 << QStringList{"-", "-", "-", "-", "-"};
        QTest::newRow("3 x 3, no free space") << 0 << false << true << 9 << QStringList{"B", "I", "N"};
        QTest::newRow("7 x 7, short list") << 2 << true << true << 10 << QStringList{"B", "I", "N", "G", "O", "", ""};
    }
    void sampleCardIsATableOfItsCells()
    {
        QFETCH(int, size);
        QFETCH(bool, freeSpace);
        QFETCH(bool, heading);
        QFETCH(int, words);
        QFETCH(QStringList, headers);
        window->CboCardSize->setCurrentIndex(size);
        window->CboCardSizeSelect();
        window->ChkFreeSpace->setChecked(freeSpace);
        window->ChkHeading->setChecked(heading);
        addWords(words);

        QAccessibleInterface *card = face(window->PB);
        QVERIFY(card && card->tableInterface());
        const int side = 3 + 2 * size;
        QCOMPARE(card->tableInterface()->rowCount(), side);
        QCOMPARE(card->tableInterface()->columnCount(), side);
        QCOMPARE(headerTexts(card), headers);
        QCOMPARE(card->childCount(), side * side + (heading ? side : 0));

        // Entries in reading order, the free centre in between, empty cells
        // once the entries run out.
        QStringList expected;
        int next = 0;
        for (int cell = 0; cell < side * side; ++cell) {
            if (freeSpace && cell == side * side / 2)
                expected.append(QStringLiteral("Free Space"));
            else
                expected.append(next < window->CardCells.size() ? window->CardCells.at(next++) : QString());
        }
        QCOMPARE(cellTexts(card), expected);
    }

    // The preview page reads as the cards it shows, each a table of its
    // cells named by its number, on every page and in every layout.
    void printPreviewPageReadsAsItsCards_data()
    {
        QTest::addColumn<int>("perPageIndex");
        QTest::addColumn<bool>("largePrint");
        QTest::newRow("one a page") << 0 << false;
        QTest::newRow("two a page") << 1 << false;
        QTest::newRow("four a page, large print") << 2 << true;
    }
    void printPreviewPageReadsAsItsCards()
    {
        QFETCH(int, perPageIndex);
        QFETCH(bool, largePrint);
        addWords(30);
        window->EdtCardNum->setValue(8);
        window->CboCardsPerPage->setCurrentIndex(perPageIndex);
        if (largePrint)
            window->MnuLargePrint->trigger();
        const int perPage = window->CboCardsPerPage->currentText().toInt();
        const QStringList words = wordEntries(30);
        QStringList found;
        ModalDriver<TFrmPrintPreview> driver([&](TFrmPrintPreview &preview) {
            for (int page : {0, 1}) {
                preview.showPage(page);
                QAccessibleInterface *face = QAccessible::queryAccessibleInterface(preview.PageView);
                found.append(QStringLiteral("%1 %2 %3")
                                 .arg(int(face->role()))
                                 .arg(face->text(QAccessible::Name))
                                 .arg(face->childCount()));
                for (int c = 0; c < face->childCount(); ++c) {
                    QAccessibleInterface *card = face->child(c);
                    const QStringList cells = cellTexts(card);
                    QStringList entries = cells;
                    entries.removeAt(12);
                    const bool fromTheList = std::all_of(entries.begin(), entries.end(),
                                                         [&](const QString &e) { return words.contains(e); });
                    found.append(
                        QStringLiteral("%1 %2 %3 %4 %5 %6")
                            .arg(int(card->role()))
                            .arg(card->text(QAccessible::Name), headerTexts(card).join(QString()), cells.value(12))
                            .arg(QSet<QString>(entries.begin(), entries.end()).size())
                            .arg(fromTheList));
                }
            }
            preview.reject();
        });
        window->MnuFilePrintPreview->trigger();
        QVERIFY(driver.found());

        QStringList expected;
        const int pages = (8 + perPage - 1) / perPage;
        for (int page : {0, 1}) {
            expected.append(QStringLiteral("%1 Page %2 of %3 %4")
                                .arg(int(QAccessible::Document))
                                .arg(page + 1)
                                .arg(pages)
                                .arg(perPage));
            for (int c = 0; c < perPage; ++c)
                expected.append(QStringLiteral("%1 Card %2 BINGO Free Space 24 1")
                                    .arg(int(QAccessible::Table))
                                    .arg(page * perPage + c + 1));
        }
        QCOMPARE(found, expected);
    }

    // What a page shows is read back from its drawing: two cards side by
    // side, each with a line printed after it, come back cell for cell as
    // the sample card shows them, whether the grid was ruled before the
    // texts or over them.
    void pageCardsAreReadBackFromTheDrawing_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("heading");
        QTest::addColumn<bool>("largePrint");
        QTest::addColumn<bool>("tickets");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("lineHeight");
        QTest::newRow("5 x 5, heading") << 1 << true << false << false << 600 << 2;
        QTest::newRow("5 x 5, large print") << 1 << true << true << false << 600 << 2;
        QTest::newRow("3 x 3, no heading") << 0 << false << false << false << 600 << 2;
        QTest::newRow("7 x 7, large print, no heading") << 2 << false << true << false << 600 << 2;
        QTest::newRow("tickets") << 1 << false << false << true << 600 << 2;
        // Lines taller than their cells start above them.
        QTest::newRow("large print, tall lines") << 1 << true << true << false << 100 << 8;
    }
    void pageCardsAreReadBackFromTheDrawing()
    {
        QFETCH(int, size);
        QFETCH(bool, heading);
        QFETCH(bool, largePrint);
        QFETCH(bool, tickets);
        QFETCH(int, side);
        QFETCH(int, lineHeight);
        CardSettings settings;
        settings.sizeIndex = size;
        settings.heading = heading;
        settings.largePrint = largePrint;
        if (tickets)
            settings.kind = CardKind::Tickets90;
        const CardShape shape = cardShape(settings);
        FakePrintService inner;
        inner.canvasOf.lineHeightFactor = lineHeight;
        RecordingPrintService recording(inner);
        ICanvas &canvas = recording.canvas();
        canvas.setFontName(QStringLiteral("Arial"));
        canvas.setFontSize(20);

        QList<PageCard> expected;
        for (int card = 0; card < 2; ++card) {
            QStringList cells;
            for (int i = 0; i < shape.bodyCellCount(); ++i)
                cells.append(tickets && i % 3 == 1 ? QString() : QStringLiteral("%1-%2").arg(card + 1).arg(i));
            // Too wide for one line: printed as two.
            cells[0] = QStringLiteral("Hermit Crab Shell Collection Deluxe");
            const int x = 100 + card * (shape.columns * side + 300);
            PrintCard(canvas, settings, cells, x, 200, shape.columns, shape.rows(), side);
            canvas.textOut(x, 250 + shape.rows() * side, QStringLiteral("No. %1").arg(card + 1));

            PageCard printed{
                {x, 200, shape.columns * side, shape.rows() * side}, {}, QStringLiteral("No. %1").arg(card + 1)};
            if (tickets) {
                for (int row = 0; row < shape.bodyRows; ++row)
                    printed.cells.rows.append(cells.mid(row * shape.columns, shape.columns));
            } else {
                printed.cells = cardTextTable(settings, cells);
            }
            expected.append(printed);
        }
        // At this resolution an em is the fake canvas's line.
        const QList<PageCard> found = cardsOnPage(recording.takePage(), shape.headingRows > 0, 72 * lineHeight);
        QCOMPARE(found.size(), expected.size());
        for (qsizetype c = 0; c < found.size(); ++c) {
            const CanvasRect &g = found[c].grid;
            const CanvasRect &e = expected[c].grid;
            QCOMPARE(QRect(g.left, g.top, g.width, g.height), QRect(e.left, e.top, e.width, e.height));
            QCOMPARE(found[c].cells.columnHeaders, expected[c].cells.columnHeaders);
            QCOMPARE(found[c].cells.rows, expected[c].cells.rows);
            QCOMPARE(found[c].note, expected[c].note);
        }
    }

    // The current call is text (its change is announced only where a
    // screen reader listens, not offscreen); the board and the calls in
    // order are lists.
    void callerReadsTheCallTheBoardAndTheCalls()
    {
        Game game;
        FakePrompts prompts;
        FakePrintService printService;
        FakeProgressFactory progress;
        FakeSpeaker speaker;
        SequenceRandom random;
        TFrmCaller caller(CallerServices{&prompts, &printService, &progress, &speaker, &random});
        QVERIFY(caller.openGame(game.path));
        QCOMPARE(int(face(&caller)->role()), int(QAccessible::Window));
        QAccessibleInterface *call = face(caller.PBCall);
        QCOMPARE(int(call->role()), int(QAccessible::StaticText));
        QCOMPARE(call->text(QAccessible::Name), QStringLiteral("Press Space to make the first call"));

        for (int i = 0; i < 3; ++i)
            caller.MnuCallNextClick();
        const CallSession &session = caller.game()->session();
        const QString last = session.board().callText(session.lastCall());
        QCOMPARE(call->text(QAccessible::Name), last);

        QAccessibleInterface *board = face(caller.PBBoard);
        QCOMPARE(int(board->role()), int(QAccessible::List));
        QCOMPARE(board->text(QAccessible::Name), QStringLiteral("Board"));
        QCOMPARE(board->childCount(), 75);
        QStringList checked;
        for (int i = 0; i < board->childCount(); ++i)
            if (board->child(i)->state().checked)
                checked.append(board->child(i)->text(QAccessible::Name));
        QCOMPARE(checked.size(), 3);
        QVERIFY(checked.contains(last));

        QAccessibleInterface *calls = face(caller.PBCalls);
        QCOMPARE(int(calls->role()), int(QAccessible::List));
        QCOMPARE(calls->text(QAccessible::Name), QStringLiteral("Calls in order"));
        QStringList inOrder;
        for (int i = 0; i < calls->childCount(); ++i)
            inOrder.append(calls->child(i)->text(QAccessible::Name));
        QStringList expected;
        for (int item : session.calls())
            expected.append(session.board().callText(item));
        QCOMPARE(inOrder, expected);
        QVERIFY(calls->child(2)->state().focused);
    }

    // Check Card reads the card as printed, called cells checked.
    void checkCardReadsTheCardAndItsCalls()
    {
        Game game;
        std::unique_ptr<CalledGame> called = CalledGame::openRecord(game.path);
        SequenceRandom random;
        called->session().callNext(random);
        called->session().callNext(random);
        TFrmCheckCard check(*called);
        check.showCard(3);
        QAccessibleInterface *card = face(check.PBCard);
        QCOMPARE(int(card->role()), int(QAccessible::Table));
        QCOMPARE(headerTexts(card), (QStringList{"B", "I", "N", "G", "O"}));
        const QStringList cells = called->cards()->cells(3);
        QStringList expected;
        for (int i = 0, next = 0; i < 25; ++i) {
            const QString text = i == 12 ? QStringLiteral("Free Space") : cells.at(next++);
            const bool isCalled = i == 12 || called->session().isCalled(called->session().board().itemOf(text));
            expected.append(text + (isCalled ? QStringLiteral("*") : QString()));
        }
        QCOMPARE(cellTexts(card), expected);

        // Another card number, another table.
        check.showCard(99);
        QCOMPARE(card->tableInterface()->rowCount(), 0);
    }
};

QTEST_MAIN(TestAccessibleTree)
#include "tst_accessibletree.moc"
