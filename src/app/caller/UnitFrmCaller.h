#pragma once

#include "app/caller/CallerServices.h"
#include "card/CardSettings.h"
#include "game/WinIndex.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <vector>

class BoardView;
class CallAnnouncer;
class CallDisplay;
class CallFlash;
class CallHistoryView;
class CalledGame;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QTimer;
class TFrmRoomDisplay;
struct ShownWinner;
class PlayPanel;

// The caller window, "Caller": a game called on screen, large enough to
// read from the back of a hall. It shows the current call, the count, the
// board of every entry and the calls in order, and after every call and
// every mark the cards that have won. The calls of a recorded game are kept
// in its file after every change, so a reopened game goes on where it
// stopped.
//
//   TFrmCaller *caller = new TFrmCaller(services);
//   if (caller->openGame(path)) caller->show();
class TFrmCaller : public QWidget
{
    Q_OBJECT

public:
    explicit TFrmCaller(const CallerServices &services, QWidget *parent = nullptr);
    ~TFrmCaller() override;

    // Opens a recorded game in place of the one shown, and goes on with its
    // calls. A game that cannot be opened is reported and leaves the window
    // as it was; false then.
    bool openGame(const QString &path);
    // Calls the entries of a list that has no cards: no winners, nothing kept.
    void openWordList(const QStringList &entries, const CardSettings &settings);
    // The game shown; null before one is opened.
    const CalledGame *game() const { return m_game.get(); }
    // The file of the recorded game shown; empty for a word list or none.
    QString gamePath() const;

    // Handlers.
    void MnuCallNextClick();
    void MnuUndoCallClick();
    void MnuNewGameClick();
    void MnuCheckCardClick();
    void MnuPrintCardClick();
    void MnuPlayOnPhonesClick();
    void MnuPlayerLinksClick();
    void MnuSpeakCallsClick();
    void MnuFullScreenClick();
    void CboPatternSelect(int index);
    void BoardItemClick(int item);
    // For a hall (CallerHall.cpp).
    void MnuStagesClick();
    void MnuRepeatCallClick();
    void MnuAutoCallClick();
    void MnuAutoIntervalClick();
    void MnuCallNamesClick();
    void MnuRoomDisplayClick();
    void TmrAutoCallTimer();

    // "Auto Call": seconds between its calls, 3 to 60.
    int autoCallSeconds() const { return m_autoSeconds; }
    void setAutoCallSeconds(int seconds);
    bool autoCalling() const;
    // Null until View > Room Display first opens it.
    TFrmRoomDisplay *roomDisplay() const;

    // Controls (also their objectName).
    QMenuBar *CallerMenu = nullptr;
    QMenu *MnuGame = nullptr;
    QMenu *MnuPattern = nullptr;
    QMenu *MnuView = nullptr;
    QAction *MnuCallNext = nullptr;
    QAction *MnuUndoCall = nullptr;
    QAction *MnuNewGame = nullptr;
    QAction *MnuCheckCard = nullptr;
    QAction *MnuPrintCard = nullptr;
    QAction *MnuPlayOnPhones = nullptr;
    QAction *MnuPlayerLinks = nullptr;
    QAction *MnuClose = nullptr;
    QList<QAction *> MnuPatterns; // in the order of AllWinPatterns
    QAction *MnuSpeakCalls = nullptr;
    QAction *MnuSpeechNote = nullptr;
    QAction *MnuFullScreen = nullptr;
    QAction *MnuStages = nullptr;
    QAction *MnuRepeatCall = nullptr;
    QAction *MnuAutoCall = nullptr;
    QAction *MnuAutoInterval = nullptr;
    QAction *MnuCallNames = nullptr;
    QAction *MnuRoomDisplay = nullptr;

    QLabel *LblGame = nullptr;
    CallDisplay *PBCall = nullptr;
    QLabel *LblCallCount = nullptr;
    BoardView *PBBoard = nullptr;
    QLabel *LblCalls = nullptr;
    CallHistoryView *PBCalls = nullptr;
    QLabel *LblPattern = nullptr;
    QComboBox *CboPattern = nullptr;
    QPushButton *BtnCallNext = nullptr;
    QPushButton *BtnUndoCall = nullptr;
    QPushButton *BtnCheckCard = nullptr;
    QLabel *LblWinners = nullptr;
    // Stays while calls are not saved in the game file: which, where, why.
    QLabel *LblSaveProblem = nullptr;
    QLabel *LblCallName = nullptr;
    QLabel *LblStage = nullptr;
    QTimer *TmrAutoCall = nullptr;
    // The room of the game, while it is played on phones.
    PlayPanel *PnlPlay = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void connectHandlers();
    void scaleFonts();

    // Shows the game now in m_game, from its first paint.
    void showGame();
    // After a change of the calls: shows them, keeps them, and says a new one.
    void callsChanged(int newCall);
    // Writes the calls into the game file unless it holds them already, and
    // shows or clears the banner of calls not saved. A game file deleted
    // meanwhile is made again only when the user agrees. False while calls
    // are not saved.
    bool keepCalls();
    void showSaveProblem(const QString &reason);
    // With calls not saved, asks before they are dropped; true to go on.
    bool mayDropUnsaved(const QString &question);
    void speechChanged();
    void refresh();
    QString winnersText(std::vector<ShownWinner> winners) const;
    // CallerHall.cpp: the stages, call names, auto call and room display.
    void buildHall();
    void refreshHall();
    void loadStages();
    std::vector<ShownWinner> shownWinnersNow() const;
    void pauseAutoCall();
    void stopPlay();

    template <typename F>
    bool guarded(F &&command);

    struct OwnServices;
    std::unique_ptr<OwnServices> m_own;
    CallerServices m_services;
    std::unique_ptr<CallAnnouncer> m_announcer;
    std::unique_ptr<CalledGame> m_game;
    int m_lastChecked = 0;
    // Why the last write of the calls failed; empty while they are kept.
    QString m_saveProblem;
    // When the key that started the call being made was pressed, and until
    // when, in the same clock, a call key comes too early: pressed while
    // that call was still being made.
    quint64 m_callKeyTime = 0;
    quint64 m_busyUntil = 0;
    CallFlash *m_flash = nullptr;
    QPointer<TFrmRoomDisplay> m_room;
    int m_autoSeconds = 10;
};
