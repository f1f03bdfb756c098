#include "app/caller/UnitFrmCaller.h"

#include "app/adapters/QtProgress.h"
#include "app/adapters/QtPrompts.h"
#include "app/adapters/QtSpeaker.h"
#include "app/caller/BoardView.h"
#include "app/caller/CallDisplay.h"
#include "app/caller/CallHistoryView.h"
#include "app/caller/UnitFrmCheckCard.h"
#include "app/caller/UnitFrmPrintCard.h"
#include "app/play/PlayPanel.h"
#include "card/CommandGuard.h"
#include "card/Error.h"
#include "game/CallAnnouncer.h"
#include "game/CallRandom.h"
#include "game/CallTexts.h"
#include "game/CalledGame.h"
#include "game/WinnersLine.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

namespace {

// The keys that make the next call, wherever the focus is.
bool isCallKey(const QKeyEvent *key)
{
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    return mods == Qt::NoModifier
           && (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter);
}

bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo x(a);
    const QFileInfo y(b);
    return x.absoluteFilePath() == y.absoluteFilePath()
           || (!x.canonicalFilePath().isEmpty() && x.canonicalFilePath() == y.canonicalFilePath());
}

} // namespace

// The adapters the window makes for the services it was not given.
struct TFrmCaller::OwnServices
{
    explicit OwnServices(QWidget *window) : prompts(window), progress(window) {}
    QtPrompts prompts;
    QtProgressFactory progress;
    QtSpeaker speaker;
    SystemRandomSource random;
};

TFrmCaller::TFrmCaller(const CallerServices &services, QWidget *parent)
    : QWidget(parent, Qt::Window),
      m_own(std::make_unique<OwnServices>(this)),
      m_services(services)
{
    if (!m_services.prompts)
        m_services.prompts = &m_own->prompts;
    if (!m_services.progress)
        m_services.progress = &m_own->progress;
    if (!m_services.speaker)
        m_services.speaker = &m_own->speaker;
    if (!m_services.random)
        m_services.random = &m_own->random;
    m_announcer = std::make_unique<CallAnnouncer>(*m_services.speaker);

    setObjectName(QStringLiteral("FrmCaller"));
    setWindowTitle(QCoreApplication::translate("TFrmCaller", "Caller"));
    buildControls();
    buildMenus();
    connectHandlers();
    // Looked for in the background: the window shows at once, and the menu
    // item follows what is found.
    m_announcer->start([this] { speechChanged(); });
    qApp->installEventFilter(this);
    buildHall();
    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        resize(area.width() * 4 / 5, area.height() * 4 / 5);
    }
    refresh();
}

TFrmCaller::~TFrmCaller()
{
    // The room reads the game, which goes before the window's children do.
    stopPlay();
}

template <typename F>
bool TFrmCaller::guarded(F &&command)
{
    return runCommand(*m_services.prompts, std::forward<F>(command));
}

bool TFrmCaller::openGame(const QString &path)
{
    // The game shown already: nothing to read again, and its lock is ours.
    if (m_game && m_game->hasCards() && sameFile(m_game->path(), path))
        return true;
    if (!mayDropUnsaved(tr("Open the other game without saving?")))
        return false;
    std::unique_ptr<CalledGame> opened;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = guarded([&] { opened = CalledGame::openRecord(path); });
    QApplication::restoreOverrideCursor();
    if (!ok)
        return false;
    m_game = std::move(opened);
    m_saveProblem.clear();
    loadStages();
    showGame();
    // Calls lost to a save cut short: said however the game came here, once
    // for each opening, before the game goes on without them.
    if (!m_game->record().callsNotice.isEmpty())
        m_services.prompts->information(m_game->record().callsNotice);
    if (m_game->passedOver() > 0)
        m_services.prompts->information(QCoreApplication::translate(
            "TFrmCaller",
            "%Ln of the call(s) kept in the game file named no entry of the game, or repeated an earlier "
            "call, and were left out.",
            nullptr, int(m_game->passedOver())));
    return true;
}

void TFrmCaller::openWordList(const QStringList &entries, const CardSettings &settings)
{
    if (!mayDropUnsaved(tr("Call the word list without saving?")))
        return;
    m_game = std::make_unique<CalledGame>(entries, settings);
    m_saveProblem.clear();
    showGame();
}

QString TFrmCaller::gamePath() const
{
    return m_game ? m_game->path() : QString();
}

void TFrmCaller::showGame()
{
    stopPlay();
    m_lastChecked = 0;
    const GameRecord &record = m_game->record();
    CallSession &session = m_game->session();
    session.setPattern(AllWinPatterns[std::size_t(std::max(0, CboPattern->currentIndex()))]);
    if (m_game->hasCards() && record.settings.kind == CardKind::Tickets90)
        LblGame->setText(QCoreApplication::translate("TFrmCaller", "Game %1 · 90-ball tickets: %2")
                             .arg(record.code, QLocale().toString(qulonglong(record.cards))));
    else if (m_game->hasCards())
        LblGame->setText(
            QCoreApplication::translate("TFrmCaller", "Game %1 · %Ln card(s) · %2 x %2", nullptr, int(record.cards))
                .arg(record.code)
                .arg(record.settings.side()));
    else
        LblGame->setText(QCoreApplication::translate("TFrmCaller", "Word list · %Ln entry(s), no cards", nullptr,
                                                     session.board().size()));
    PBBoard->setSession(&session);
    PBCalls->setSession(&session);
    refresh();
}

void TFrmCaller::refresh()
{
    const bool open = m_game != nullptr;
    const bool cards = open && m_game->hasCards();
    if (open) {
        const CallSession &session = m_game->session();
        const int last = session.lastCall();
        PBCall->setCall(last >= 0 ? session.board().callText(last) : QString(), m_game->record().settings.fontName,
                        !session.board().numbered());
        PBCall->setHint(QCoreApplication::translate("TFrmCaller", "Press Space to make the first call"));
        LblCallCount->setText(callCountText(session.callCount(), session.board().size()));
        const std::vector<ShownWinner> winners = cards ? shownWinnersNow() : std::vector<ShownWinner>();
        if (!cards)
            LblWinners->setText(
                QCoreApplication::translate("TFrmCaller", "No cards in this game: winners are not checked."));
        else if (winners.empty())
            LblWinners->setText(QCoreApplication::translate("TFrmCaller", "No bingo yet."));
        else
            LblWinners->setText(winnersText(winners));
        LblWinners->setStyleSheet(winners.empty() ? QString() : QStringLiteral("color: #15803d;"));
    } else {
        PBCall->setCall(QString(), QString(), true);
        PBCall->setHint(QCoreApplication::translate("TFrmCaller", "No game is open."));
        LblCallCount->clear();
        LblWinners->clear();
    }
    MnuCallNext->setEnabled(open && !m_game->session().allCalled());
    MnuUndoCall->setEnabled(open && m_game->session().callCount() > 0);
    MnuNewGame->setEnabled(open);
    MnuCheckCard->setEnabled(cards);
    MnuPrintCard->setEnabled(cards && m_services.printService);
    MnuPlayOnPhones->setEnabled(cards);
    MnuPlayOnPhones->setChecked(PnlPlay != nullptr);
    MnuPlayerLinks->setEnabled(PnlPlay != nullptr);
    BtnCallNext->setEnabled(MnuCallNext->isEnabled());
    BtnUndoCall->setEnabled(MnuUndoCall->isEnabled());
    BtnCheckCard->setEnabled(MnuCheckCard->isEnabled());
    PBBoard->update();
    PBCalls->update();
    if (!m_saveProblem.isEmpty() && open)
        showSaveProblem(m_saveProblem);
    refreshHall();
}

QString TFrmCaller::winnersText(std::vector<ShownWinner> winners) const
{
    constexpr int MostShown = 100;
    orderNewestFirst(winners, MostShown);
    const CallSession &session = m_game->session();
    const auto lineText = [&](int limit) {
        return winnersLineText(winners, session.callCount(), limit, session.prizeWins().prizes(),
                               m_game->record().settings.kind);
    };
    // As many winners as the two lines hold, the rest summed up after them.
    const QFontMetrics metrics(LblWinners->font());
    const QRect room(0, 0, std::max(1, LblWinners->width()), LblWinners->height());
    const auto fits = [&](int limit) {
        return metrics.boundingRect(room, Qt::TextWordWrap, lineText(limit)).height() <= room.height();
    };
    int low = 1;
    int high = int(std::min<std::size_t>(winners.size(), MostShown));
    if (fits(high))
        return lineText(high);
    while (high - low > 1) {
        const int mid = (low + high) / 2;
        (fits(mid) ? low : high) = mid;
    }
    return lineText(low);
}

void TFrmCaller::callsChanged(int newCall)
{
    // Shown and kept first: a failed write must not hide the call the hall
    // heard, and speech, however slow, holds up neither.
    refresh();
    // Auto Call stops with a call that could not be kept: the banner waits
    // for the caller.
    if (!keepCalls())
        pauseAutoCall();
    if (newCall >= 0)
        m_announcer->announce(m_game->session().board(), newCall);
    if (PnlPlay)
        PnlPlay->callsChanged(newCall >= 0);
}

bool TFrmCaller::keepCalls()
{
    if (!m_game)
        return true;
    if (m_game->callsKept()) {
        showSaveProblem(QString());
        return true;
    }
    if (m_game->fileGone()
        && !m_services.prompts->question(
            tr("The game file \"%1\" was deleted while the Caller was open. Make it again with the calls so far?")
                .arg(QDir::toNativeSeparators(m_game->path())),
            DefaultButton::No)) {
        showSaveProblem(tr("The file was deleted"));
        return false;
    }
    try {
        m_game->keepCalls();
    } catch (const MorvaneError &e) {
        showSaveProblem(e.message());
        return false;
    } catch (const std::exception &e) {
        showSaveProblem(QString::fromLocal8Bit(e.what()));
        return false;
    }
    showSaveProblem(QString());
    return true;
}

void TFrmCaller::showSaveProblem(const QString &reason)
{
    m_saveProblem = reason;
    if (reason.isEmpty() || !m_game) {
        LblSaveProblem->clear();
        LblSaveProblem->hide();
        return;
    }
    const CallSession &session = m_game->session();
    LblSaveProblem->setText(unsavedCallsText(m_game->path(), reason, m_game->unsavedCalls(), session.callCount(),
                                             m_game->unsavedTakeBacks())
                            + QLatin1Char(' ')
                            + tr("No further call is made until it is saved: press Space to try again."));
    LblSaveProblem->show();
}

bool TFrmCaller::mayDropUnsaved(const QString &question)
{
    if (!m_game || m_game->callsKept() || keepCalls())
        return true;
    const CallSession &session = m_game->session();
    return m_services.prompts->question(unsavedCallsText(m_game->path(), m_saveProblem, m_game->unsavedCalls(),
                                                         session.callCount(), m_game->unsavedTakeBacks())
                                            + QLatin1Char(' ') + question,
                                        DefaultButton::No);
}

void TFrmCaller::MnuCallNextClick()
{
    if (!m_game)
        return;
    // While calls come by themselves the call keys pause them.
    if (autoCalling()) {
        pauseAutoCall();
        return;
    }
    // No call while one is not saved: the call key tries the write again.
    if (!m_saveProblem.isEmpty()) {
        keepCalls();
        refresh();
        return;
    }
    QElapsedTimer timer;
    timer.start();
    const int item = m_game->session().callNext(*m_services.random);
    if (item >= 0)
        callsChanged(item);
    if (m_callKeyTime != 0)
        m_busyUntil = m_callKeyTime + quint64(timer.elapsed());
    m_callKeyTime = 0;
}

void TFrmCaller::MnuUndoCallClick()
{
    if (m_game && m_game->session().undoLastCall())
        callsChanged(-1);
}

void TFrmCaller::BoardItemClick(int item)
{
    if (!m_game)
        return;
    CallSession &session = m_game->session();
    const int number = session.callNumberOf(item);
    if (number == 0 && !m_saveProblem.isEmpty()) {
        keepCalls();
        refresh();
        return;
    }
    if (number != 0 && number != session.callCount()) {
        const int later = session.callCount() - number;
        const QString question =
            later == 1
                ? tr("Take back call %1, %2? The call after it moves up one place, and the winners are "
                     "worked out again.")
                      .arg(QLocale().toString(number), session.board().callText(item))
                : tr("Take back call %1, %2? The %3 calls after it move up one place, and the winners are "
                     "worked out again.")
                      .arg(QLocale().toString(number), session.board().callText(item), QLocale().toString(later));
        if (!m_services.prompts->question(question, DefaultButton::No))
            return;
    }
    session.toggleMark(item);
    callsChanged(number == 0 ? item : -1);
}

void TFrmCaller::MnuNewGameClick()
{
    if (!m_game)
        return;
    if (!m_services.prompts->question(
            QCoreApplication::translate("TFrmCaller", "Start a new game? The calls made so far will be cleared."),
            DefaultButton::No))
        return;
    m_game->session().newGame();
    callsChanged(-1);
}

void TFrmCaller::CboPatternSelect(int index)
{
    if (index < 0 || index >= int(AllWinPatterns.size()))
        return;
    MnuPatterns.at(index)->setChecked(true);
    if (!m_game)
        return;
    m_game->session().setPattern(AllWinPatterns[std::size_t(index)]);
    refresh();
}

void TFrmCaller::MnuCheckCardClick()
{
    if (!m_game || !m_game->hasCards())
        return;
    TFrmCheckCard dialog(*m_game, this);
    if (m_lastChecked > 0)
        dialog.showCard(m_lastChecked);
    dialog.exec();
    if (dialog.card() > 0)
        m_lastChecked = dialog.card();
}

void TFrmCaller::MnuPrintCardClick()
{
    if (!m_game || !m_game->hasCards() || !m_services.printService)
        return;
    const TFrmPrintCard::Services services{*m_services.printService, *m_services.prompts, m_services.progress,
                                           *m_services.random};
    TFrmPrintCard dialog(*m_game->cards(), services, m_lastChecked > 0 ? QString::number(m_lastChecked) : QString(),
                         this);
    dialog.exec();
}

void TFrmCaller::MnuSpeakCallsClick()
{
    m_announcer->setEnabled(MnuSpeakCalls->isChecked());
}

void TFrmCaller::speechChanged()
{
    const bool speech = m_announcer->available();
    MnuSpeakCalls->setEnabled(speech);
    MnuSpeakCalls->setToolTip(speech ? QString() : CallAnnouncer::unavailableNote());
    MnuSpeechNote->setVisible(!speech);
    // Said once for each time the service stops answering: the item is
    // turned off with it, and only the user turns it on again.
    const bool report = speech && m_announcer->stoppedAnswering() && MnuSpeakCalls->isChecked();
    if (!speech || report)
        MnuSpeakCalls->setChecked(false);
    if (report)
        m_services.prompts->information(CallAnnouncer::notAnsweringMessage());
}

void TFrmCaller::MnuFullScreenClick()
{
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}

void TFrmCaller::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        MnuFullScreen->setChecked(isFullScreen());
}

void TFrmCaller::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && isFullScreen()) {
        showNormal();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFrmCaller::closeEvent(QCloseEvent *event)
{
    if (!mayDropUnsaved(tr("Close the Caller without saving?"))) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

bool TFrmCaller::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    auto *key = static_cast<QKeyEvent *>(event);
    // The menu bar, worked from the keyboard, takes Space and Return itself.
    if (!widget || widget->window() != this || qobject_cast<QMenuBar *>(widget) || !isCallKey(key))
        return false;
    // A focused button takes Space and Return as its own press, once per
    // release, so a held key cannot run on there either.
    if (qobject_cast<QAbstractButton *>(widget))
        return false;
    // A call key pressed while a call was still being made is dropped, not
    // queued: a held key must not go on calling once let go. Events made by
    // hand carry no time and are never too early.
    if (key->timestamp() != 0 && key->timestamp() < m_busyUntil) {
        event->accept();
        return true;
    }
    if (type == QEvent::ShortcutOverride) {
        m_callKeyTime = key->timestamp();
        return false;
    }
    // A call key the call command did not take, as once every entry is
    // called, does nothing: it does not open the pattern list.
    return true;
}

void TFrmCaller::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    scaleFonts();
    refresh();
}
