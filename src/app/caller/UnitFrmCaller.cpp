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
#include "game/CallAnnouncer.h"
#include "game/CallRandom.h"
#include "game/CallTexts.h"
#include "game/CalledGame.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

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
    std::unique_ptr<CalledGame> opened;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = guarded([&] { opened = CalledGame::openRecord(path); });
    QApplication::restoreOverrideCursor();
    if (!ok)
        return false;
    m_game = std::move(opened);
    showGame();
    if (m_game->passedOver() > 0)
        m_services.prompts->information(
            QCoreApplication::translate(
                "TFrmCaller",
                "%1 of the calls kept in the game file named no entry of the game, or repeated an earlier "
                "call, and were left out.")
                .arg(m_game->passedOver()));
    return true;
}

void TFrmCaller::openWordList(const QStringList &entries, const CardSettings &settings)
{
    m_game = std::make_unique<CalledGame>(entries, settings);
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
    if (m_game->hasCards())
        LblGame->setText(QCoreApplication::translate("TFrmCaller", "Game %1 · %2 cards · %3 x %3")
                             .arg(record.code)
                             .arg(record.cards)
                             .arg(record.settings.side()));
    else
        LblGame->setText(
            QCoreApplication::translate("TFrmCaller", "Word list · %1 entries, no cards").arg(session.board().size()));
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
        const std::vector<Winner> winners = cards ? session.winners() : std::vector<Winner>();
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
}

QString TFrmCaller::winnersText(const std::vector<Winner> &winners) const
{
    // As many winners as the two lines hold, the rest summed up after them.
    const QFontMetrics metrics(LblWinners->font());
    const QRect room(0, 0, std::max(1, LblWinners->width()), LblWinners->height());
    const auto fits = [&](int limit) {
        return metrics.boundingRect(room, Qt::TextWordWrap, bingoText(winners, limit)).height() <= room.height();
    };
    int low = 1;
    int high = int(std::min<std::size_t>(winners.size(), 100));
    if (fits(high))
        return bingoText(winners, high);
    while (high - low > 1) {
        const int mid = (low + high) / 2;
        (fits(mid) ? low : high) = mid;
    }
    return bingoText(winners, low);
}

void TFrmCaller::callsChanged(int newCall)
{
    // Shown first: a failed write must not hide the call the hall heard.
    refresh();
    if (newCall >= 0)
        m_announcer->announce(m_game->session().board(), newCall);
    if (PnlPlay)
        PnlPlay->callsChanged(newCall >= 0);
    guarded([this] { m_game->keepCalls(); });
}

void TFrmCaller::MnuCallNextClick()
{
    if (!m_game)
        return;
    const int item = m_game->session().callNext(*m_services.random);
    if (item >= 0)
        callsChanged(item);
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
    const bool wasCalled = session.isCalled(item);
    session.toggleMark(item);
    callsChanged(wasCalled ? -1 : item);
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

void TFrmCaller::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    scaleFonts();
    refresh();
}
