// The caller window in a hall: prize stages, call names, repeating a call,
// calling by itself, and the room display for the projector.
#include "app/caller/CallDisplay.h"
#include "app/caller/CallFlash.h"
#include "app/caller/RoomDisplay.h"
#include "app/caller/UnitFrmCaller.h"
#include "app/caller/UnitFrmStages.h"
#include "card/CommandGuard.h"
#include "card/KindPrizes.h"
#include "card/Prompts.h"
#include "docs/Folders.h"
#include "docs/IniFile.h"
#include "game/CallAnnouncer.h"
#include "game/CallNames.h"
#include "game/CalledGame.h"
#include "game/GameStages.h"
#include "game/SavedPatterns.h"
#include "game/StagesFile.h"
#include "game/WinnersLine.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QTimer>

namespace {

constexpr int LeastAutoSeconds = 3;
constexpr int MostAutoSeconds = 60;
// In the program's settings file, written once the caller has chosen.
const QString CallerSection = QStringLiteral("Caller");
const QString AutoSecondsKey = QStringLiteral("AutoCallSeconds");

QAction *hallItem(QWidget *window, const QString &caption, const char *name, const QKeySequence &key = {})
{
    auto *a = new QAction(caption, window);
    a->setObjectName(QLatin1String(name));
    if (!key.isEmpty())
        a->setShortcut(key);
    a->setShortcutContext(Qt::WindowShortcut);
    return a;
}

} // namespace

void TFrmCaller::buildHall()
{
    m_flash = new CallFlash(PBCall);
    TmrAutoCall = new QTimer(this);
    TmrAutoCall->setObjectName(QStringLiteral("TmrAutoCall"));
    const QString settings = OptionsFilePath();
    setAutoCallSeconds(settings.isEmpty()
                           ? m_autoSeconds
                           : IniFile(settings).readInteger(CallerSection, AutoSecondsKey, m_autoSeconds));

    MnuRepeatCall = hallItem(this, QCoreApplication::translate("TFrmCaller", "&Repeat Call"), "MnuRepeatCall",
                             QKeySequence(Qt::Key_R));
    MnuAutoCall =
        hallItem(this, QCoreApplication::translate("TFrmCaller", "&Auto Call"), "MnuAutoCall", QKeySequence(Qt::Key_A));
    MnuAutoCall->setCheckable(true);
    MnuAutoInterval =
        hallItem(this, QCoreApplication::translate("TFrmCaller", "Auto Call &Interval..."), "MnuAutoInterval");
    MnuGame->insertActions(MnuNewGame, {MnuRepeatCall, MnuAutoCall, MnuAutoInterval});
    MnuGame->insertSeparator(MnuNewGame);

    MnuStages = hallItem(this, QCoreApplication::translate("TFrmCaller", "Prize &Stages..."), "MnuStages");
    MnuPattern->addSeparator();
    MnuPattern->addAction(MnuStages);

    MnuCallNames = hallItem(this, QCoreApplication::translate("TFrmCaller", "Show Call &Names"), "MnuCallNames");
    MnuCallNames->setCheckable(true);
    MnuRoomDisplay = hallItem(this, QCoreApplication::translate("TFrmCaller", "&Room Display"), "MnuRoomDisplay");
    MnuView->insertActions(MnuFullScreen, {MnuCallNames, MnuRoomDisplay});

    connect(MnuStages, &QAction::triggered, this, &TFrmCaller::MnuStagesClick);
    connect(MnuRepeatCall, &QAction::triggered, this, &TFrmCaller::MnuRepeatCallClick);
    connect(MnuAutoCall, &QAction::triggered, this, &TFrmCaller::MnuAutoCallClick);
    connect(MnuAutoInterval, &QAction::triggered, this, &TFrmCaller::MnuAutoIntervalClick);
    connect(MnuCallNames, &QAction::triggered, this, &TFrmCaller::MnuCallNamesClick);
    connect(MnuRoomDisplay, &QAction::triggered, this, &TFrmCaller::MnuRoomDisplayClick);
    connect(TmrAutoCall, &QTimer::timeout, this, &TFrmCaller::TmrAutoCallTimer);
}

void TFrmCaller::refreshHall()
{
    const bool open = m_game != nullptr;
    const bool cards = open && m_game->hasCards();
    const CallSession *session = open ? &m_game->session() : nullptr;
    const bool called = open && session->lastCall() >= 0;
    const bool staged = cards && !session->prizeWins().empty();
    // Tickets are only ever played for their prizes.
    const bool patterns = !open || playsPatterns(m_game->record().settings.kind);
    LblPattern->setVisible(patterns);
    CboPattern->setVisible(patterns);

    const bool names = MnuCallNames->isChecked();
    LblCallName->setVisible(names);
    LblCallName->setText(names && called ? callName(session->board().label(session->lastCall())) : QString());
    LblStage->setVisible(staged);
    LblStage->setText(staged ? stageLineText(GameStages(session->prizeWins()), session->prizeWins().prizes())
                             : QString());
    // A game in stages wins by its prizes; the pattern box has no say.
    LblPattern->setEnabled(!staged);
    CboPattern->setEnabled(!staged);
    for (QAction *pattern : std::as_const(MnuPatterns)) {
        pattern->setEnabled(!staged);
        pattern->setVisible(patterns);
    }

    MnuStages->setEnabled(cards);
    MnuRepeatCall->setEnabled(called);
    MnuAutoCall->setEnabled(open && (!session->allCalled() || autoCalling()));
    if (open && session->allCalled())
        pauseAutoCall();
    if (m_room)
        m_room->showGame(m_game.get(), names);
}

std::vector<ShownWinner> TFrmCaller::shownWinnersNow() const
{
    const CallSession &session = m_game->session();
    if (session.prizeWins().empty())
        return shownWinners(session.winners());
    return shownWinners(GameStages(session.prizeWins()));
}

void TFrmCaller::loadStages()
{
    pauseAutoCall();
    PrizeStages stages;
    // Stages that cannot be read leave the game to its pattern.
    runCommand(*m_services.prompts, [&] { stages = readStages(m_game->path()); });
    if (stages.empty())
        stages = startingStages(m_game->record().settings.kind);
    m_game->session().setPrizes(std::move(stages));
}

void TFrmCaller::MnuStagesClick()
{
    if (!m_game || !m_game->hasCards())
        return;
    CallSession &session = m_game->session();
    TFrmStages dialog(m_game->record().settings, session.prizeWins().prizes(), patternsFilePath(), *m_services.prompts,
                      this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    session.setPrizes(dialog.stages());
    QApplication::restoreOverrideCursor();
    refresh();
    runCommand(*m_services.prompts, [&] { writeStages(m_game->path(), dialog.stages()); });
}

void TFrmCaller::MnuRepeatCallClick()
{
    if (!m_game || m_game->session().lastCall() < 0)
        return;
    m_flash->flash();
    if (m_room)
        m_room->flashCall();
    m_announcer->announce(m_game->session().board(), m_game->session().lastCall());
}

TFrmRoomDisplay *TFrmCaller::roomDisplay() const
{
    return m_room;
}

bool TFrmCaller::autoCalling() const
{
    return TmrAutoCall->isActive();
}

void TFrmCaller::setAutoCallSeconds(int seconds)
{
    m_autoSeconds = std::clamp(seconds, LeastAutoSeconds, MostAutoSeconds);
    TmrAutoCall->setInterval(m_autoSeconds * 1000);
}

void TFrmCaller::pauseAutoCall()
{
    TmrAutoCall->stop();
    MnuAutoCall->setChecked(false);
}

void TFrmCaller::MnuAutoCallClick()
{
    if (autoCalling() || !m_game || m_game->session().allCalled()) {
        pauseAutoCall();
        return;
    }
    MnuAutoCall->setChecked(true);
    TmrAutoCall->start();
}

void TFrmCaller::TmrAutoCallTimer()
{
    if (!m_game) {
        pauseAutoCall();
        return;
    }
    // Calls that could not be kept wait for the caller, as the call keys do.
    if (!m_saveProblem.isEmpty() && !keepCalls()) {
        pauseAutoCall();
        return;
    }
    CallSession &session = m_game->session();
    const int item = session.callNext(*m_services.random);
    if (item < 0) {
        pauseAutoCall();
        return;
    }
    // A won stage waits for the caller: the hall checks the winning cards.
    if (!session.prizeWins().empty() && !GameStages(session.prizeWins()).wonAt(session.callCount()).empty())
        pauseAutoCall();
    callsChanged(item);
}

void TFrmCaller::MnuAutoIntervalClick()
{
    bool ok = false;
    const int seconds =
        QInputDialog::getInt(this, QCoreApplication::translate("TFrmCaller", "Auto Call"),
                             QCoreApplication::translate("TFrmCaller", "Seconds between calls (%1 to %2):")
                                 .arg(LeastAutoSeconds)
                                 .arg(MostAutoSeconds),
                             m_autoSeconds, LeastAutoSeconds, MostAutoSeconds, 1, &ok);
    if (!ok || seconds == m_autoSeconds)
        return;
    setAutoCallSeconds(seconds);
    const QString settings = OptionsFilePath();
    if (!settings.isEmpty())
        runCommand(*m_services.prompts,
                   [&] { IniFile(settings).writeInteger(CallerSection, AutoSecondsKey, seconds); });
}

void TFrmCaller::MnuCallNamesClick()
{
    m_announcer->setCallNames(MnuCallNames->isChecked());
    refresh();
}

void TFrmCaller::MnuRoomDisplayClick()
{
    if (!m_room) {
        m_room = new TFrmRoomDisplay(this);
        m_room->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_room->showGame(m_game.get(), MnuCallNames->isChecked());
    m_room->show();
    m_room->raise();
}
