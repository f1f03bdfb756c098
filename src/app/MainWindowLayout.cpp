// Builds the main window's controls at their fixed positions. The window
// manager draws the title bar, so top-level controls sit 24 pixels higher
// than on a skinned window whose title band is part of the client area.
#include "app/UnitMain.h"

#include "app/CardPaintBox.h"
#include "app/ShortTextComboBox.h"
#include "app/ToolbarIcons.h"
#include "app/accessibility/AccessKeys.h"
#include "app/accessibility/Accessibility.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QToolButton>

namespace {

constexpr int TitleBand = 24;

template <typename W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A label reaches across to the control it names, not just to the end of its
// text: the room is the same whatever face the system gives for the controls.
QLabel *label(QWidget *parent, const char *name, const QString &text, int left, int top, int width, bool bold = false)
{
    auto *l = named(new QLabel(text, parent), name);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    l->adjustSize();
    l->setGeometry(left, top, width, l->height());
    return l;
}

// Captions are shown without their mnemonic mark.
QAction *menuAction(QObject *owner, QMenu *menu, const char *name, const QString &caption, const QKeySequence &keys)
{
    auto *a = named(new QAction(caption, owner), name);
    if (!keys.isEmpty())
        a->setShortcut(keys);
    a->setShortcutContext(Qt::WindowShortcut);
    menu->addAction(a);
    return a;
}

} // namespace

void TFrmMain::buildControls()
{
    // A narrow sans serif keeps the captions inside their fixed boxes; where
    // it is missing the system's sans serif (DejaVu Sans, wider) still fits.
    QFont controlsFont(QStringLiteral("Liberation Sans"), 8);
    controlsFont.setStyleHint(QFont::SansSerif);
    setFont(controlsFont);

    buildMenus();
    buildToolbar();

    CboCardStr = named(new QComboBox(this), "CboCardStr");
    setUpEntryBox();
    CboCardStr->setGeometry(8, 85 - TitleBand, 193, 21);
    CboCardStr->setAccessibleName(QCoreApplication::translate("TFrmMain", "Entry"));
    // The entry box has no caption to underline; its access key is the
    // first letter of its name where no other control takes that letter.
    new FocusShortcut(QKeySequence(QCoreApplication::translate("TFrmMain", "Alt+E", "access key of the entry box")),
                      CboCardStr);

    // Enter presses a focused button, as Space does.
    BtnAdd = named(new QPushButton(QCoreApplication::translate("TFrmMain", "&Add"), this), "BtnAdd");
    BtnAdd->setGeometry(216, 83 - TitleBand, 80, 27);
    BtnAdd->setAutoDefault(true);
    BtnDelete = named(new QPushButton(QCoreApplication::translate("TFrmMain", "&Delete"), this), "BtnDelete");
    BtnDelete->setGeometry(305, 83 - TitleBand, 80, 27);
    BtnDelete->setAutoDefault(true);

    Label2 =
        label(this, "Label2", QCoreApplication::translate("TFrmMain", "Sample &Card:"), 8, 113 - TitleBand, 200, true);

    PB = named(new CardPaintBox(this), "PB");
    PB->setGeometry(8, 136 - TitleBand, 441, 313);
    PB->setAccessibleName(QCoreApplication::translate("TFrmMain", "Sample card"));
    // The card takes the focus so that a screen reader can walk its cells.
    PB->setFocusPolicy(Qt::TabFocus);
    Label2->setBuddy(PB);

    GroupBoxOptions = named(new QGroupBox(QCoreApplication::translate("TFrmMain", "Options"), this), "GroupBoxOptions");
    GroupBoxOptions->setGeometry(456, 128 - TitleBand, 217, 321);
    QWidget *g = GroupBoxOptions;

    Label3 = label(g, "Label3", QCoreApplication::translate("TFrmMain", "Card Si&ze: "), 8, 24, 56);
    CboCardSize = named(new QComboBox(g), "CboCardSize");
    CboCardSize->addItems({QStringLiteral("3 x 3"), QStringLiteral("5 x 5"), QStringLiteral("7 x 7")});
    CboCardSize->setCurrentIndex(1);
    CboCardSize->setGeometry(64, 21, 108, 21);
    CboCardSize->setAccessibleName(QCoreApplication::translate("TFrmMain", "Card Size"));
    Label3->setBuddy(CboCardSize);

    // The check boxes are wider than their captions need in a narrow face.
    ChkFreeSpace = named(new QCheckBox(QCoreApplication::translate("TFrmMain", "Use F&ree Space "), g), "ChkFreeSpace");
    ChkFreeSpace->setGeometry(8, 48, 160, 21);
    Label5 = label(g, "Label5", QCoreApplication::translate("TFrmMain", "&Text: "), 30, 72, 31);
    TxtFreeSpace = named(new QLineEdit(QStringLiteral("Free Space"), g), "TxtFreeSpace");
    TxtFreeSpace->setGeometry(61, 70, 121, 19);
    TxtFreeSpace->setEnabled(false); // follows ChkFreeSpace, unchecked here
    TxtFreeSpace->setAccessibleName(QCoreApplication::translate("TFrmMain", "Free space text"));
    Label5->setBuddy(TxtFreeSpace);

    ChkHeading = named(new QCheckBox(QCoreApplication::translate("TFrmMain", "Use Co&lumn Heading"), g), "ChkHeading");
    ChkHeading->setGeometry(8, 96, 160, 21);
    Label6 = label(g, "Label6", QCoreApplication::translate("TFrmMain", "Te&xt: "), 30, 120, 31);
    TxtHeading = named(new QLineEdit(QStringLiteral("BINGO"), g), "TxtHeading");
    TxtHeading->setGeometry(61, 118, 121, 19);
    TxtHeading->setEnabled(false);
    TxtHeading->setAccessibleName(QCoreApplication::translate("TFrmMain", "Column heading text"));
    Label6->setBuddy(TxtHeading);

    ChkWordWrap = named(new QCheckBox(QCoreApplication::translate("TFrmMain", "&Word Wrap"), g), "ChkWordWrap");
    ChkWordWrap->setGeometry(8, 144, 160, 21);
    ChkWordWrap->setChecked(true);

    // The two number fields stand a little right of 128, where the captions
    // before them end in DejaVu Sans.
    GroupBoxPrint = named(new QGroupBox(QCoreApplication::translate("TFrmMain", "Print"), g), "GroupBoxPrint");
    GroupBoxPrint->setGeometry(8, 184, 201, 121);
    QWidget *p = GroupBoxPrint;
    Label7 = label(p, "Label7", QCoreApplication::translate("TFrmMain", "&Printer To Use: "), 8, 16, 177);
    CboPrinters = named(new QComboBox(p), "CboPrinters");
    CboPrinters->setGeometry(8, 31, 177, 21);
    CboPrinters->setAccessibleName(QCoreApplication::translate("TFrmMain", "Printer To Use"));
    Label7->setBuddy(CboPrinters);
    Label8 = label(p, "Label8", QCoreApplication::translate("TFrmMain", "&Number of Bingo Card: "), 8, 67, 128);
    EdtCardNum = named(new QSpinBox(p), "EdtCardNum");
    EdtCardNum->setRange(1, 99999);
    EdtCardNum->setValue(1);
    EdtCardNum->setGeometry(136, 64, 57, 19);
    EdtCardNum->setAccessibleName(QCoreApplication::translate("TFrmMain", "Number of Bingo Card"));
    Label8->setBuddy(EdtCardNum);
    Label9 = label(p, "Label9", QCoreApplication::translate("TFrmMain", "B&ingo Cards Per Page: "), 8, 96, 128);
    CboCardsPerPage = named(new ShortTextComboBox(p), "CboCardsPerPage");
    CboCardsPerPage->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4")});
    CboCardsPerPage->setCurrentIndex(0);
    CboCardsPerPage->setGeometry(136, 93, 57, 21);
    CboCardsPerPage->setAccessibleName(QCoreApplication::translate("TFrmMain", "Bingo Cards Per Page"));
    Label9->setBuddy(CboCardsPerPage);

    Label1 = named(new QLabel(this), "Label1");
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setGeometry(8, 456 - TitleBand, 665, 41);

    // The toolbar's buttons take no focus, so the keyboard starts in the entry box.
    setTabOrder(CboCardStr, BtnAdd);
    setTabOrder(BtnAdd, BtnDelete);
    setTabOrder(BtnDelete, PB);
    setTabOrder(PB, CboCardSize);
    setTabOrder(CboCardSize, ChkFreeSpace);
    setTabOrder(ChkFreeSpace, TxtFreeSpace);
    setTabOrder(TxtFreeSpace, ChkHeading);
    setTabOrder(ChkHeading, TxtHeading);
    setTabOrder(TxtHeading, ChkWordWrap);
    setTabOrder(ChkWordWrap, CboPrinters);
    setTabOrder(CboPrinters, EdtCardNum);
    setTabOrder(EdtCardNum, CboCardsPerPage);
    trimAccessibleNames(this);
    setAccessibleRole(this, QAccessible::Window);
    CboCardStr->setFocus();
}

void TFrmMain::buildMenus()
{
    MainMenu = named(new QMenuBar(this), "MainMenu");
    MainMenu->setNativeMenuBar(false);
    MainMenu->setGeometry(0, 0, 681, TitleBand);

    auto action = [this](QMenu *menu, const char *name, const QString &caption, const QKeySequence &keys) {
        return menuAction(this, menu, name, caption, keys);
    };

    // Mnemonics leave V (Print Preview) and L (Options) free for commands
    // still to come.
    File1 = named(MainMenu->addMenu(QCoreApplication::translate("TFrmMain", "&File")), "File1");
    MnuFileNew = action(File1, "MnuFileNew", QCoreApplication::translate("TFrmMain", "&New"),
                        QKeySequence(QStringLiteral("Ctrl+N")));
    MnuFileOpen = action(File1, "MnuFileOpen", QCoreApplication::translate("TFrmMain", "&Open"),
                         QKeySequence(QStringLiteral("Ctrl+O")));
    MnuFileSave = action(File1, "MnuFileSave", QCoreApplication::translate("TFrmMain", "&Save"),
                         QKeySequence(QStringLiteral("Ctrl+S")));
    MnuFilePrint = action(File1, "MnuFilePrint", QCoreApplication::translate("TFrmMain", "&Print"),
                          QKeySequence(QStringLiteral("Ctrl+P")));
    MnuFilePrintPreview = action(File1, "MnuFilePrintPreview",
                                 QCoreApplication::translate("TFrmMain", "Print Pre&view..."), QKeySequence());
    MnuFilePrintList = action(File1, "MnuFilePrintList", QCoreApplication::translate("TFrmMain", "Print &Call List"),
                              QKeySequence(QStringLiteral("Ctrl+C")));
    MnuFileExportPdf = action(File1, "MnuFileExportPdf", QCoreApplication::translate("TFrmMain", "&Export PDF..."),
                              QKeySequence(QStringLiteral("Ctrl+Shift+P")));
    MnuFileExit = action(File1, "MnuFileExit", QCoreApplication::translate("TFrmMain", "E&xit"),
                         QKeySequence(QStringLiteral("Ctrl+E")));

    MnuOptions = named(MainMenu->addMenu(QCoreApplication::translate("TFrmMain", "&Options")), "MnuOptions");
    MnuFont = action(MnuOptions, "MnuFont", QCoreApplication::translate("TFrmMain", "&Font"), QKeySequence());
    MnuNumberCards =
        action(MnuOptions, "MnuNumberCards", QCoreApplication::translate("TFrmMain", "&Number Cards"), QKeySequence());
    MnuNumberCards->setCheckable(true);
    MnuLargePrint =
        action(MnuOptions, "MnuLargePrint", QCoreApplication::translate("TFrmMain", "&Large Print"), QKeySequence());
    MnuLargePrint->setCheckable(true);
    MnuCardKind = named(MnuOptions->addMenu(QCoreApplication::translate("TFrmMain", "Card &Kind")), "MnuCardKind");
    MnuWordCards =
        action(MnuCardKind, "MnuWordCards", QCoreApplication::translate("TFrmMain", "&Word Cards"), QKeySequence());
    MnuTickets =
        action(MnuCardKind, "MnuTickets", QCoreApplication::translate("TFrmMain", "&90-Ball Tickets"), QKeySequence());
    auto *kinds = new QActionGroup(MnuCardKind);
    kinds->setExclusive(true);
    for (QAction *kind : {MnuWordCards, MnuTickets}) {
        kind->setCheckable(true);
        kinds->addAction(kind);
    }
    MnuWordCards->setChecked(true);

    MnuSample = named(MainMenu->addMenu(QCoreApplication::translate("TFrmMain", "&Samples")), "MnuSample");

    MnuGame = named(MainMenu->addMenu(QCoreApplication::translate("TFrmMain", "&Game")), "MnuGame");
    MnuGameOpen =
        action(MnuGame, "MnuGameOpen", QCoreApplication::translate("TFrmMain", "&Open Game..."), QKeySequence());
    MnuGameCall = action(MnuGame, "MnuGameCall", QCoreApplication::translate("TFrmMain", "&Call Game..."),
                         QKeySequence(Qt::Key_F5));

    MnuHelp = named(MainMenu->addMenu(QCoreApplication::translate("TFrmMain", "&Help")), "MnuHelp");
    MnuHelpFile =
        action(MnuHelp, "MnuHelpFile", QCoreApplication::translate("TFrmMain", "&Contents"), QKeySequence(Qt::Key_F1));
    MnuHomepage = action(MnuHelp, "MnuHomepage", QCoreApplication::translate("TFrmMain", "&Homepage"), QKeySequence());
    MnuAbout = action(MnuHelp, "MnuAbout", QCoreApplication::translate("TFrmMain", "&About"), QKeySequence());

    // F10 opens the first menu, as it does in the other desktop programs.
    auto *menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    menuKey->setObjectName(QStringLiteral("MenuBarKey"));
    connect(menuKey, &QShortcut::activated, this, [this] { MainMenu->setActiveAction(File1->menuAction()); });
}

void TFrmMain::buildToolbar()
{
    ToolBar1 = named(new ToolBarFrame(this), "ToolBar1");
    ToolBar1->setGeometry(0, 48 - TitleBand, 681, 29);
    ToolBar1->setAccessibleName(QCoreApplication::translate("TFrmMain", "Toolbar"));

    // Image buttons with no tab stop of their own, as on a desktop toolbar;
    // the menu items and their shortcuts reach the same commands.
    int x = 0;
    auto button = [this, &x](const char *name, const QIcon &icon, const QString &accessibleName) {
        auto *b = named(new QToolButton(ToolBar1), name);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAccessibleName(accessibleName);
        b->setIcon(icon);
        b->setIconSize(QSize(16, 16));
        b->setAutoRaise(true);
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        b->setGeometry(x, 2, 33, 25);
        x += 33;
        return b;
    };
    ToolButtonNew = button("ToolButtonNew", newIcon(), QCoreApplication::translate("TFrmMain", "New"));
    ToolButtonOpen = button("ToolButtonOpen", openIcon(), QCoreApplication::translate("TFrmMain", "Open"));
    ToolButtonSave = button("ToolButtonSave", saveIcon(), QCoreApplication::translate("TFrmMain", "Save"));
    auto *separator = named(new QFrame(ToolBar1), "ToolButtonSeparator");
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setGeometry(x + 3, 4, 2, 21);
    x += 8;
    ToolButtonPrint = button("ToolButtonPrint", printIcon(), QCoreApplication::translate("TFrmMain", "Print"));
}
