#include "ModalDriver.h"
#include "TestServices.h"
#include "app/CardPaintBox.h"
#include "app/UnitFrmAbout.h"
#include "app/UnitMain.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <memory>

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestServices> fakes;
    std::unique_ptr<TFrmMain> window;

    void addEntry(const QString &text)
    {
        window->CboCardStr->setEditText(text);
        window->BtnAddClick();
    }
    void showActive()
    {
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
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

    void startsWithDefaults()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Morvane"));
        QVERIFY(window->Label1->text().startsWith(QLatin1String("Tip: To make your own card list")));
        QCOMPARE(window->CboCardSize->currentIndex(), 1);
        QVERIFY(window->ChkFreeSpace->isChecked());
        QVERIFY(window->TxtFreeSpace->isEnabled());
        QCOMPARE(window->TxtFreeSpace->text(), QStringLiteral("Free Space"));
        QVERIFY(window->ChkHeading->isChecked());
        QVERIFY(window->TxtHeading->isEnabled());
        QCOMPARE(window->TxtHeading->text(), QStringLiteral("BINGO"));
        QVERIFY(window->ChkWordWrap->isChecked());
        QCOMPARE(window->CardFontName, QStringLiteral("Arial"));
        QCOMPARE(window->CardFontSize, 20);
        QCOMPARE(window->EdtCardNum->value(), 1);
        QCOMPARE(window->CboCardsPerPage->currentText(), QStringLiteral("1"));
        QCOMPARE(window->CboCardStr->count(), 0);
        QVERIFY(window->CardCells.isEmpty());
        QVERIFY(!window->ListModified);
        QVERIFY(window->CurrentFileName.isEmpty());
        QCOMPARE(window->size(), QSize(681, 471));
        QVERIFY(fakes->prompts.shown.isEmpty());
    }

    void controlsStandWhereExpected_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("toolbar") << "ToolBar1" << QRect(0, 24, 681, 29);
        QTest::newRow("entry box") << "CboCardStr" << QRect(8, 61, 193, 21);
        QTest::newRow("add") << "BtnAdd" << QRect(216, 59, 80, 27);
        QTest::newRow("delete") << "BtnDelete" << QRect(305, 59, 80, 27);
        QTest::newRow("paint box") << "PB" << QRect(8, 112, 441, 313);
        QTest::newRow("options") << "GroupBoxOptions" << QRect(456, 104, 217, 321);
        QTest::newRow("card size") << "CboCardSize" << QRect(64, 21, 108, 21);
        QTest::newRow("free space") << "ChkFreeSpace" << QRect(8, 48, 160, 21);
        QTest::newRow("heading text") << "TxtHeading" << QRect(61, 118, 121, 19);
        QTest::newRow("print group") << "GroupBoxPrint" << QRect(8, 184, 201, 121);
        QTest::newRow("printers") << "CboPrinters" << QRect(8, 31, 177, 21);
        QTest::newRow("card count") << "EdtCardNum" << QRect(136, 64, 57, 19);
        QTest::newRow("per page") << "CboCardsPerPage" << QRect(136, 93, 57, 21);
        QTest::newRow("tip") << "Label1" << QRect(8, 432, 665, 41);
    }
    void controlsStandWhereExpected()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        auto *w = window->findChild<QWidget *>(name);
        QVERIFY2(w, qPrintable(name));
        QCOMPARE(w->geometry(), geometry);
    }

    void menusAsListed_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("shortcuts");
        // Each caption carries its mnemonic; without the mark it reads as before.
        QTest::newRow("File")
            << "File1"
            << QStringList{"&New",           "&Open", "&Save", "&Print", "Print Pre&view...", "Print &Call List",
                           "&Export PDF...", "E&xit"}
            << QStringList{"Ctrl+N", "Ctrl+O", "Ctrl+S", "Ctrl+P", "", "Ctrl+C", "Ctrl+Shift+P", "Ctrl+E"};
        QTest::newRow("Options") << "MnuOptions" << QStringList{"&Font"} << QStringList{""};
        QTest::newRow("Help") << "MnuHelp" << QStringList{"&Contents", "&Homepage", "&About"}
                              << QStringList{"F1", "", ""};
    }
    void menusAsListed()
    {
        QFETCH(QString, menu);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, shortcuts);
        auto *m = window->findChild<QMenu *>(menu);
        QVERIFY(m);
        QStringList gotCaptions;
        QStringList gotShortcuts;
        for (QAction *a : m->actions()) {
            QVERIFY2(!a->isSeparator(), "menus have no separators");
            QVERIFY(a->isEnabled());
            gotCaptions.append(a->text());
            gotShortcuts.append(a->shortcut().toString());
        }
        // Later commands may follow the listed ones; the listed order must hold.
        QCOMPARE(gotCaptions.mid(0, captions.size()).join('|'), captions.join('|'));
        for (int i = 0; i < captions.size(); ++i) {
            if (captions[i] == QLatin1String("Print &Call List") && gotCaptions.size() > captions.size())
                continue;
            const int at = gotCaptions.indexOf(captions[i]);
            QCOMPARE(gotShortcuts[at], shortcuts[i]);
        }
    }

    void menuBarOrder()
    {
        QStringList titles;
        for (QAction *a : window->MainMenu->actions())
            titles.append(a->text());
        QCOMPARE(titles, QStringList({"&File", "&Options", "&Samples", "&Game", "&Help"}));
    }

    void addKeepsSortedAndArranges()
    {
        const int picksBefore = fakes->random.picks;
        const int repaintsBefore = window->repaintRequests();
        addEntry(QStringLiteral("2"));
        addEntry(QStringLiteral("10"));
        QCOMPARE(window->words().items(), QStringList({"10", "2"}));
        QCOMPARE(window->CboCardStr->itemText(0), QStringLiteral("10"));
        QCOMPARE(window->CboCardStr->itemText(1), QStringLiteral("2"));
        QCOMPARE(window->CboCardStr->currentText(), QString());
        QCOMPARE(window->CardCells.size(), 2);
        QVERIFY(fakes->random.picks > picksBefore);
        QCOMPARE(window->repaintRequests(), repaintsBefore + 2);
        QVERIFY(window->ListModified);
    }

    void emptyEntryIsRefused()
    {
        addEntry(QStringLiteral("   "));
        QCOMPARE(fakes->prompts.texts(), QStringList({"Please don't add an empty string."}));
        QCOMPARE(fakes->prompts.shown[0].kind, FakePrompts::Kind::Information);
        QCOMPARE(window->CboCardStr->currentText(), QStringLiteral("   "));
        QCOMPARE(window->words().count(), 0);
        QVERIFY(!window->ListModified);
    }

    void duplicateQuestions_data()
    {
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<int>("catsAfter");
        QTest::addColumn<int>("questions");
        QTest::newRow("yes, yes") << QList<bool>{true, true} << 3 << 2;
        QTest::newRow("yes, no") << QList<bool>{true, false} << 2 << 2;
        QTest::newRow("no") << QList<bool>{false} << 2 << 1;
    }
    void duplicateQuestions()
    {
        QFETCH(QList<bool>, answers);
        QFETCH(int, catsAfter);
        QFETCH(int, questions);
        addEntry(QStringLiteral("cat"));
        fakes->prompts.answers.enqueue(true);
        addEntry(QStringLiteral("cat"));
        fakes->prompts.clear();
        for (bool a : answers)
            fakes->prompts.answers.enqueue(a);
        addEntry(QStringLiteral("cat"));
        QCOMPARE(fakes->prompts.count(FakePrompts::Kind::Question), questions);
        QCOMPARE(window->words().countExact(QStringLiteral("cat")), qsizetype(catsAfter));
        QCOMPARE(window->CboCardStr->count(), catsAfter);
        QCOMPARE(window->CboCardStr->currentText(), QString()); // No clears the box too
    }

    void enterAddsOnce()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QLineEdit *edit = window->CboCardStr->lineEdit();
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("apple"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(window->words().items(), QStringList({"apple"}));
        QTest::keyClick(edit, Qt::Key_Enter);
        QCOMPARE(fakes->prompts.texts(), QStringList({"Please don't add an empty string."}));
        QCOMPARE(window->words().count(), 1);
        // A real keyboard reaches the combo box first, which forwards to its line edit.
        QTest::keyClicks(window->CboCardStr, QStringLiteral("pear"));
        QTest::keyClick(window->CboCardStr, Qt::Key_Return);
        QCOMPARE(window->words().items(), QStringList({"apple", "pear"}));
    }

    void ctrlEExitsFromEveryControl_data()
    {
        QTest::addColumn<QString>("control");
        for (const char *name :
             {"CboCardStr", "BtnAdd", "BtnDelete", "CboCardSize", "ChkFreeSpace", "TxtFreeSpace", "ChkHeading",
              "TxtHeading", "ChkWordWrap", "CboPrinters", "EdtCardNum", "CboCardsPerPage"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void ctrlEExitsFromEveryControl()
    {
        QFETCH(QString, control);
        showActive();
        auto *w = window->findChild<QWidget *>(control);
        QVERIFY(w);
        w->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), w);
        QSignalSpy exits(window->MnuFileExit, &QAction::triggered);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(exits.count(), 1);
    }

    void focusStartsInTheEntryBoxAndTabsThroughTheControls()
    {
        showActive();
        QTRY_COMPARE(QApplication::focusWidget(), window->CboCardStr);
        // Typing straight away goes into the box.
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("hello"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(window->words().items(), QStringList{QStringLiteral("hello")});

        // The sample card is a stop too, for a screen reader to read it.
        const QStringList order{"BtnAdd",       "BtnDelete",       "PB",         "CboCardSize", "ChkFreeSpace",
                                "TxtFreeSpace", "ChkHeading",      "TxtHeading", "ChkWordWrap", "CboPrinters",
                                "EdtCardNum",   "CboCardsPerPage", "CboCardStr"};
        QStringList visited;
        for (qsizetype i = 0; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(visited, order);
    }

    // A pick counts only when the entry was taken from the drop-down since
    // the box was last cleared or typed in.
    void deleteActsOnlyOnAPickedEntry_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("deletes");
        QTest::newRow("picked from the drop-down") << "pick" << true;
        QTest::newRow("listed entry typed") << "type" << false;
        QTest::newRow("picked, then added again and refused") << "pick, refuse" << false;
        QTest::newRow("picked, then typed over") << "pick, type" << false;
    }
    void deleteActsOnlyOnAPickedEntry()
    {
        QFETCH(QString, how);
        QFETCH(bool, deletes);
        addEntry(QStringLiteral("apple"));
        addEntry(QStringLiteral("banana"));
        addEntry(QStringLiteral("pear"));
        showActive();
        QWidget *box = window->CboCardStr;
        box->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), box);

        if (how.startsWith(QLatin1String("pick"))) {
            // The second entry of the open drop-down, then Enter.
            window->CboCardStr->showPopup();
            QAbstractItemView *list = window->CboCardStr->view();
            QTRY_VERIFY(list->isVisible());
            QTest::keyClick(list, Qt::Key_Home);
            QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Return);
            QTRY_VERIFY(!list->isVisible());
            QCOMPARE(window->CboCardStr->currentText(), QStringLiteral("banana"));
        }
        if (how == QLatin1String("type"))
            QTest::keyClicks(box, QStringLiteral("pear"));
        if (how == QLatin1String("pick, type"))
            QTest::keyClicks(box, QStringLiteral("s"));
        if (how == QLatin1String("pick, refuse")) {
            fakes->prompts.answers.enqueue(false);
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(window->CboCardStr->currentText(), QString());
        }
        fakes->prompts.clear();
        // Leaving the box for the button is what made Qt pick a typed entry.
        QTest::mouseClick(window->BtnDelete, Qt::LeftButton);

        QCOMPARE(window->words().count(), deletes ? 2 : 3);
        QCOMPARE(window->CboCardStr->count(), deletes ? 2 : 3);
        if (deletes) {
            QVERIFY(!window->words().items().contains(QStringLiteral("banana")));
            QVERIFY(fakes->prompts.shown.isEmpty());
        } else {
            QCOMPARE(fakes->prompts.texts(),
                     QStringList{QStringLiteral("Please select the string you want to delete firstly.")});
        }
    }

    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("Add, Return") << "BtnAdd" << int(Qt::Key_Return) << QStringList{"apple", "kiwi", "pear"};
        QTest::newRow("Add, keypad Enter") << "BtnAdd" << int(Qt::Key_Enter) << QStringList{"apple", "kiwi", "pear"};
        QTest::newRow("Delete, Return") << "BtnDelete" << int(Qt::Key_Return) << QStringList{"pear"};
    }
    void enterPressesTheFocusedButton()
    {
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(QStringList, after);
        addEntry(QStringLiteral("apple"));
        addEntry(QStringLiteral("pear"));
        showActive();
        if (button == QLatin1String("BtnAdd"))
            window->CboCardStr->setEditText(QStringLiteral("kiwi"));
        else
            window->CboCardStr->setCurrentIndex(0);
        auto *b = window->findChild<QPushButton *>(button);
        b->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), b);
        QTest::keyClick(b, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(window->words().items(), after);
    }

    void menusOpenFromTheKeyboard_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("menu");
        QTest::newRow("Alt+F") << int(Qt::Key_F) << int(Qt::AltModifier) << "File1";
        QTest::newRow("Alt+O") << int(Qt::Key_O) << int(Qt::AltModifier) << "MnuOptions";
        QTest::newRow("Alt+H") << int(Qt::Key_H) << int(Qt::AltModifier) << "MnuHelp";
        QTest::newRow("F10") << int(Qt::Key_F10) << int(Qt::NoModifier) << "File1";
    }
    void menusOpenFromTheKeyboard()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, menu);
        showActive();
        QTRY_COMPARE(QApplication::focusWidget(), window->CboCardStr);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        auto *m = window->findChild<QMenu *>(menu);
        QTRY_VERIFY(m->isVisible());
        QCOMPARE(window->CboCardStr->currentText(), QString()); // nothing was typed
        QTest::keyClick(m, Qt::Key_Escape);
    }

    void menuItemMnemonicRunsItsCommand()
    {
        showActive();
        QTRY_COMPARE(QApplication::focusWidget(), window->CboCardStr);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(window->MnuHelp->isVisible());
        ModalDriver<TFrmAbout> about([](TFrmAbout &box) { box.reject(); });
        QTest::keyClick(window->MnuHelp, Qt::Key_A);
        QTRY_VERIFY(about.found());
    }

    void everyControlHasAnAccessibleName_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("new") << "ToolButtonNew"
                             << "New";
        QTest::newRow("open") << "ToolButtonOpen"
                              << "Open";
        QTest::newRow("save") << "ToolButtonSave"
                              << "Save";
        QTest::newRow("print") << "ToolButtonPrint"
                               << "Print";
        QTest::newRow("paint box") << "PB"
                                   << "Sample card";
        QTest::newRow("entry box") << "CboCardStr"
                                   << "Entry";
        QTest::newRow("add") << "BtnAdd"
                             << "Add";
        QTest::newRow("delete") << "BtnDelete"
                                << "Delete";
        QTest::newRow("card size") << "CboCardSize"
                                   << "Card Size";
        QTest::newRow("free space") << "ChkFreeSpace"
                                    << "Use Free Space";
        QTest::newRow("free space text") << "TxtFreeSpace"
                                         << "Free space text";
        QTest::newRow("heading") << "ChkHeading"
                                 << "Use Column Heading";
        QTest::newRow("heading text") << "TxtHeading"
                                      << "Column heading text";
        QTest::newRow("word wrap") << "ChkWordWrap"
                                   << "Word Wrap";
        QTest::newRow("printers") << "CboPrinters"
                                  << "Printer To Use";
        QTest::newRow("card count") << "EdtCardNum"
                                    << "Number of Bingo Card";
        QTest::newRow("per page") << "CboCardsPerPage"
                                  << "Bingo Cards Per Page";
    }
    void everyControlHasAnAccessibleName()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        auto *w = window->findChild<QWidget *>(control);
        QVERIFY(w);
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w);
        QVERIFY(face);
        // On Linux a drop-down list's own name is its current item; a screen
        // reader names it by the label it is labelled by.
        QStringList heard{face->text(QAccessible::Name)};
        for (const auto &relation : face->relations(QAccessible::Label))
            heard.append(relation.first->text(QAccessible::Name).remove(QRegularExpression(QStringLiteral(":\\s*$"))));
        QVERIFY2(heard.contains(name), qPrintable(heard.join(QLatin1Char('|'))));
        QVERIFY(w->toolTip().isEmpty());
    }

    // Without the narrow face the system falls back to DejaVu Sans, which is
    // wider; no caption may be cut or run into the control beside it.
    void captionsFitWithEitherControlFont_data()
    {
        QTest::addColumn<QString>("family");
        QTest::newRow("Liberation Sans") << "Liberation Sans";
        QTest::newRow("DejaVu Sans") << "DejaVu Sans";
    }
    void captionsFitWithEitherControlFont()
    {
        QFETCH(QString, family);
        if (QFontInfo(QFont(family)).family() != family)
            QSKIP("font not installed");
        window->setFont(QFont(family, 8));
        for (QLabel *l : window->findChildren<QLabel *>()) {
            if (l == window->Label1) {
                // Its box runs past the window's bottom edge; the text must not.
                QVERIFY(l->heightForWidth(l->width()) <= l->height());
                QVERIFY(l->y() + l->heightForWidth(l->width()) <= window->height());
                continue;
            }
            // The access key's mark is not drawn.
            const int textWidth =
                QFontMetrics(l->font()).horizontalAdvance(l->text().remove(QLatin1Char('&')).trimmed());
            QVERIFY2(textWidth <= l->width(), qPrintable(l->objectName()));
            if (l->buddy() && l->buddy()->x() > l->x())
                QVERIFY2(l->x() + textWidth < l->buddy()->x(), qPrintable(l->objectName()));
        }
        for (QAbstractButton *b : window->findChildren<QAbstractButton *>()) {
            if (!b->text().isEmpty())
                QVERIFY2(b->sizeHint().width() <= b->width(), qPrintable(b->objectName()));
        }
    }

    void deleteNeedsAPick()
    {
        addEntry(QStringLiteral("apple"));
        addEntry(QStringLiteral("pear"));
        fakes->prompts.clear();
        window->BtnDeleteClick();
        QCOMPARE(fakes->prompts.texts(), QStringList({"Please select the string you want to delete firstly."}));
        QCOMPARE(window->words().count(), 2);

        window->ListModified = false;
        window->CboCardStr->setCurrentIndex(1);
        const int picks = fakes->random.picks;
        window->BtnDeleteClick();
        QCOMPARE(window->words().items(), QStringList({"apple"}));
        QCOMPARE(window->CboCardStr->count(), 1);
        QCOMPARE(window->CardCells.size(), 1);
        QVERIFY(fakes->random.picks > picks);
        QVERIFY(window->ListModified);
    }

    void typingDropsThePick()
    {
        addEntry(QStringLiteral("apple"));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->CboCardStr->setCurrentIndex(0);
        QTest::keyClicks(window->CboCardStr->lineEdit(), QStringLiteral("s"));
        QCOMPARE(window->CboCardStr->currentIndex(), -1);
        QCOMPARE(window->CboCardStr->currentText(), QStringLiteral("apples"));
        fakes->prompts.clear();
        window->BtnDeleteClick();
        QCOMPARE(fakes->prompts.count(FakePrompts::Kind::Information), 1);
        QCOMPARE(window->words().count(), 1);
    }

    // Which changes arrange afresh and which only repaint.
    void optionHandlers_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("arranges");
        QTest::newRow("card size picked") << "size" << true;
        QTest::newRow("free space toggled") << "free" << true;
        QTest::newRow("heading toggled") << "heading" << true;
        QTest::newRow("word wrap toggled") << "wrap" << true;
        QTest::newRow("free space text") << "freetext" << false;
        QTest::newRow("heading text") << "headtext" << false;
        QTest::newRow("size set by program") << "sizeprogram" << false;
    }
    void optionHandlers()
    {
        QFETCH(QString, change);
        QFETCH(bool, arranges);
        for (int i = 0; i < 30; ++i)
            addEntry(QStringLiteral("entry %1").arg(i));
        window->ListModified = false;
        const QStringList cellsBefore = window->CardCells;
        const int picks = fakes->random.picks;
        QSignalSpy repaints(window.get(), &TFrmMain::repaintRequested);

        if (change == QLatin1String("size")) {
            window->CboCardSize->setCurrentIndex(0);
            Q_EMIT window->CboCardSize->activated(0);
        } else if (change == QLatin1String("sizeprogram")) {
            window->CboCardSize->setCurrentIndex(2);
        } else if (change == QLatin1String("free")) {
            window->ChkFreeSpace->setChecked(false);
            QVERIFY(!window->TxtFreeSpace->isEnabled());
        } else if (change == QLatin1String("heading")) {
            window->ChkHeading->setChecked(false);
            QVERIFY(!window->TxtHeading->isEnabled());
        } else if (change == QLatin1String("wrap")) {
            window->ChkWordWrap->setChecked(false);
        } else if (change == QLatin1String("freetext")) {
            window->TxtFreeSpace->setText(QStringLiteral("FREE"));
        } else if (change == QLatin1String("headtext")) {
            window->TxtHeading->setText(QStringLiteral("LOTTO"));
        }

        QCOMPARE(fakes->random.picks > picks, arranges);
        if (!arranges)
            QCOMPARE(window->CardCells, cellsBefore);
        QCOMPARE(repaints.count(), change == QLatin1String("sizeprogram") ? 0 : 1);
        QVERIFY(!window->ListModified);
    }

    void textBoxesFollowTheirChecks()
    {
        window->ChkFreeSpace->setChecked(false);
        window->ChkHeading->setChecked(false);
        QVERIFY(!window->TxtFreeSpace->isEnabled());
        QVERIFY(!window->TxtHeading->isEnabled());
        window->ChkFreeSpace->setChecked(true);
        QVERIFY(window->TxtFreeSpace->isEnabled());
        QVERIFY(!window->TxtHeading->isEnabled());
    }

    void standardNumbersThroughTheWindow()
    {
        for (int i = 1; i <= 75; ++i)
            addEntry(QString::number(i));
        QCOMPARE(window->CardCells.size(), 75);
        // Free space on, 5 x 5: slot i draws from the column i mod 5 until the centre.
        for (int slot = 0; slot < 12; ++slot) {
            const int v = window->CardCells[slot].toInt();
            QVERIFY(v >= (slot % 5) * 15 + 1 && v <= (slot % 5) * 15 + 15);
        }
    }

    void toolbarHasFourButtons()
    {
        for (const char *name : {"ToolButtonNew", "ToolButtonOpen", "ToolButtonSave", "ToolButtonPrint"}) {
            auto *b = window->findChild<QToolButton *>(QLatin1String(name));
            QVERIFY2(b, name);
            QCOMPARE(b->size(), QSize(33, 25));
            QVERIFY(!b->icon().isNull());
            QVERIFY(b->toolTip().isEmpty());
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
