// The caller window's controls, menus and the sizes of its texts.
#include "app/accessibility/AccessKeys.h"
#include "app/accessibility/Accessibility.h"
#include "app/caller/BoardView.h"
#include "app/caller/CallDisplay.h"
#include "app/caller/CallHistoryView.h"
#include "app/caller/UnitFrmCaller.h"
#include "game/CallAnnouncer.h"
#include "game/WinPattern.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <QCoreApplication>
#include <algorithm>

namespace {

template <typename W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

const QStringList &patternNames()
{
    static const QStringList names{QCoreApplication::translate("TFrmCaller", "Any Line"),
                                   QCoreApplication::translate("TFrmCaller", "Four Corners"),
                                   QCoreApplication::translate("TFrmCaller", "Full Card")};
    return names;
}

void setPixelSize(QWidget *widget, int pixels, bool bold = false)
{
    QFont font = widget->font();
    font.setPixelSize(pixels);
    font.setBold(bold);
    widget->setFont(font);
}

} // namespace

void TFrmCaller::buildControls()
{
    LblGame = named(new QLabel(this), "LblGame");
    PBCall = named(new CallDisplay(this), "PBCall");
    LblCallName = named(new QLabel(this), "LblCallName");
    LblCallName->setAlignment(Qt::AlignCenter);
    LblCallName->hide();
    LblStage = named(new QLabel(this), "LblStage");
    LblStage->hide();
    LblCallCount = named(new QLabel(this), "LblCallCount");
    LblCallCount->setAlignment(Qt::AlignCenter);
    PBBoard = named(new BoardView(this), "PBBoard");
    LblCalls = named(new QLabel(QCoreApplication::translate("TFrmCaller", "Calls in order"), this), "LblCalls");
    PBCalls = named(new CallHistoryView(this), "PBCalls");

    LblPattern = named(new QLabel(QCoreApplication::translate("TFrmCaller", "Pa&ttern:"), this), "LblPattern");
    CboPattern = named(new QComboBox(this), "CboPattern");
    CboPattern->addItems(patternNames());
    LblPattern->setBuddy(CboPattern);
    BtnCallNext = named(new QPushButton(QCoreApplication::translate("TFrmCaller", "Call &Next"), this), "BtnCallNext");
    BtnUndoCall =
        named(new QPushButton(QCoreApplication::translate("TFrmCaller", "&Undo Last Call"), this), "BtnUndoCall");
    BtnCheckCard =
        named(new QPushButton(QCoreApplication::translate("TFrmCaller", "&Check Card..."), this), "BtnCheckCard");
    // Space and Enter call the next entry wherever the focus is, but on a
    // button reached by Tab they press that button. A click leaves the focus
    // where it was.
    for (QPushButton *button : {BtnCallNext, BtnUndoCall, BtnCheckCard}) {
        button->setFocusPolicy(Qt::TabFocus);
        keepActivationKeys(button);
    }
    LblWinners = named(new QLabel(this), "LblWinners");
    LblWinners->setWordWrap(true);
    LblWinners->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    LblSaveProblem = named(new QLabel(this), "LblSaveProblem");
    LblSaveProblem->setAccessibleName(QCoreApplication::translate("TFrmCaller", "Calls not saved"));
    LblSaveProblem->setWordWrap(true);
    LblSaveProblem->setTextFormat(Qt::PlainText);
    LblSaveProblem->setStyleSheet(
        QStringLiteral("background: #fef3c7; color: #7f1d1d; border: 2px solid #b91c1c; padding: 6px;"));
    LblSaveProblem->hide();

    auto *left = new QVBoxLayout;
    left->addWidget(LblGame);
    left->addWidget(PBCall, 1);
    left->addWidget(LblCallName);
    left->addWidget(LblCallCount);
    auto *top = new QHBoxLayout;
    top->addLayout(left, 2);
    top->addWidget(PBBoard, 3);
    auto *controls = new QHBoxLayout;
    controls->addWidget(LblPattern);
    controls->addWidget(CboPattern);
    controls->addWidget(LblStage);
    controls->addStretch(1);
    controls->addWidget(BtnCallNext);
    controls->addWidget(BtnUndoCall);
    controls->addWidget(BtnCheckCard);
    auto *root = new QVBoxLayout(this);
    root->addWidget(LblSaveProblem);
    root->addLayout(top, 5);
    root->addWidget(LblCalls);
    root->addWidget(PBCalls, 2);
    root->addLayout(controls);
    root->addWidget(LblWinners);
    setAccessibleRole(this, QAccessible::Window);
}

void TFrmCaller::buildMenus()
{
    CallerMenu = named(new QMenuBar(this), "CallerMenu");
    CallerMenu->setNativeMenuBar(false);
    layout()->setMenuBar(CallerMenu);
    const auto item = [this](QMenu *menu, const QString &caption, const char *name,
                             const QList<QKeySequence> &keys = {}) {
        auto *a = named(new QAction(caption, this), name);
        a->setShortcuts(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        menu->addAction(a);
        return a;
    };

    MnuGame = named(CallerMenu->addMenu(QCoreApplication::translate("TFrmCaller", "&Game")), "MnuGame");
    MnuCallNext = item(MnuGame, QCoreApplication::translate("TFrmCaller", "&Call Next"), "MnuCallNext",
                       {QKeySequence(Qt::Key_Space), QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    MnuUndoCall = item(MnuGame, QCoreApplication::translate("TFrmCaller", "&Undo Last Call"), "MnuUndoCall",
                       {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    MnuNewGame = item(MnuGame, QCoreApplication::translate("TFrmCaller", "&New Game"), "MnuNewGame",
                      {QKeySequence(Qt::CTRL | Qt::Key_N)});
    MnuGame->addSeparator();
    MnuCheckCard = item(MnuGame, QCoreApplication::translate("TFrmCaller", "C&heck Card..."), "MnuCheckCard",
                        {QKeySequence(Qt::CTRL | Qt::Key_K)});
    MnuPrintCard = item(MnuGame, QCoreApplication::translate("TFrmCaller", "&Print Card..."), "MnuPrintCard",
                        {QKeySequence(Qt::CTRL | Qt::Key_P)});
    MnuGame->addSeparator();
    MnuPlayOnPhones = item(MnuGame, QCoreApplication::translate("TFrmCaller", "Pla&y on Phones..."), "MnuPlayOnPhones");
    MnuPlayOnPhones->setCheckable(true);
    MnuPlayerLinks = item(MnuGame, QCoreApplication::translate("TFrmCaller", "Player &Links..."), "MnuPlayerLinks");
    MnuGame->addSeparator();
    MnuClose = item(MnuGame, QCoreApplication::translate("TFrmCaller", "Cl&ose"), "MnuClose",
                    {QKeySequence(Qt::CTRL | Qt::Key_W)});

    MnuPattern = named(CallerMenu->addMenu(QCoreApplication::translate("TFrmCaller", "&Pattern")), "MnuPattern");
    auto *patterns = new QActionGroup(this);
    const char *names[] = {"MnuPatternAnyLine", "MnuPatternFourCorners", "MnuPatternFullCard"};
    // The pattern box shows the plain names; the menu's carry access keys.
    const QStringList menuNames{QCoreApplication::translate("TFrmCaller", "&Any Line"),
                                QCoreApplication::translate("TFrmCaller", "&Four Corners"),
                                QCoreApplication::translate("TFrmCaller", "F&ull Card")};
    for (int i = 0; i < int(AllWinPatterns.size()); ++i) {
        QAction *a = item(MnuPattern, menuNames.at(i), names[i], {QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + i))});
        a->setCheckable(true);
        a->setChecked(i == 0);
        patterns->addAction(a);
        MnuPatterns.append(a);
    }

    MnuView = named(CallerMenu->addMenu(QCoreApplication::translate("TFrmCaller", "&View")), "MnuView");
    MnuSpeakCalls = item(MnuView, QCoreApplication::translate("TFrmCaller", "&Speak Calls"), "MnuSpeakCalls");
    MnuSpeakCalls->setCheckable(true);
    MnuSpeakCalls->setChecked(false);
    // Where the desktop cannot speak, the item stays greyed with the reason
    // under it, rather than failing when the user asks for speech.
    const bool speech = m_announcer->available();
    MnuSpeakCalls->setEnabled(speech);
    MnuSpeechNote = item(MnuView, CallAnnouncer::unavailableNote(), "MnuSpeechNote");
    MnuSpeechNote->setEnabled(false);
    MnuSpeechNote->setVisible(!speech);
    if (!speech)
        MnuSpeakCalls->setToolTip(CallAnnouncer::unavailableNote());
    MnuView->addSeparator();
    MnuFullScreen = item(MnuView, QCoreApplication::translate("TFrmCaller", "&Full Screen"), "MnuFullScreen",
                         {QKeySequence(Qt::Key_F11)});
    MnuFullScreen->setCheckable(true);
    addMenuBarKey(this, CallerMenu);
}

void TFrmCaller::connectHandlers()
{
    connect(MnuCallNext, &QAction::triggered, this, &TFrmCaller::MnuCallNextClick);
    connect(MnuUndoCall, &QAction::triggered, this, &TFrmCaller::MnuUndoCallClick);
    connect(MnuNewGame, &QAction::triggered, this, &TFrmCaller::MnuNewGameClick);
    connect(MnuCheckCard, &QAction::triggered, this, &TFrmCaller::MnuCheckCardClick);
    connect(MnuPrintCard, &QAction::triggered, this, &TFrmCaller::MnuPrintCardClick);
    connect(MnuPlayOnPhones, &QAction::triggered, this, &TFrmCaller::MnuPlayOnPhonesClick);
    connect(MnuPlayerLinks, &QAction::triggered, this, &TFrmCaller::MnuPlayerLinksClick);
    connect(MnuClose, &QAction::triggered, this, &QWidget::close);
    connect(MnuSpeakCalls, &QAction::triggered, this, &TFrmCaller::MnuSpeakCallsClick);
    connect(MnuFullScreen, &QAction::triggered, this, &TFrmCaller::MnuFullScreenClick);
    for (int i = 0; i < MnuPatterns.size(); ++i)
        connect(MnuPatterns.at(i), &QAction::triggered, this, [this, i] { CboPattern->setCurrentIndex(i); });
    connect(CboPattern, &QComboBox::currentIndexChanged, this, &TFrmCaller::CboPatternSelect);
    connect(BtnCallNext, &QPushButton::clicked, MnuCallNext, &QAction::trigger);
    connect(BtnUndoCall, &QPushButton::clicked, MnuUndoCall, &QAction::trigger);
    connect(BtnCheckCard, &QPushButton::clicked, MnuCheckCard, &QAction::trigger);
    connect(PBBoard, &BoardView::itemClicked, this, &TFrmCaller::BoardItemClick);
}

void TFrmCaller::scaleFonts()
{
    // Sizes follow the window's height (or its width, on a narrow window),
    // from a laptop's window to a projector's full screen.
    const int unit = std::min(height(), width() * 9 / 16);
    setPixelSize(LblGame, std::clamp(unit / 48, 12, 28));
    setPixelSize(LblCalls, std::clamp(unit / 48, 12, 28));
    setPixelSize(LblCallCount, std::clamp(unit / 22, 14, 56), true);
    setPixelSize(LblCallName, std::clamp(unit / 22, 14, 56), true);
    const int winners = std::clamp(unit / 34, 13, 40);
    setPixelSize(LblWinners, winners, true);
    setPixelSize(LblSaveProblem, std::clamp(unit / 40, 13, 32), true);
    LblWinners->setFixedHeight(QFontMetrics(LblWinners->font()).lineSpacing() * 2 + 4);
    const int controls = std::clamp(unit / 56, 12, 24);
    for (QWidget *w : {static_cast<QWidget *>(LblPattern), static_cast<QWidget *>(CboPattern),
                       static_cast<QWidget *>(LblStage), static_cast<QWidget *>(BtnCallNext),
                       static_cast<QWidget *>(BtnUndoCall), static_cast<QWidget *>(BtnCheckCard)})
        setPixelSize(w, controls);
}
