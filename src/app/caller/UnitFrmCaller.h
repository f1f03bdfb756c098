#pragma once

#include "app/caller/CallerServices.h"
#include "card/CardSettings.h"
#include "game/WinIndex.h"

#include <QStringList>
#include <QWidget>

#include <memory>

class BoardView;
class CallAnnouncer;
class CallDisplay;
class CallHistoryView;
class CalledGame;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
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
    // The room of the game, while it is played on phones.
    PlayPanel *PnlPlay = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void connectHandlers();
    void scaleFonts();

    // Shows the game now in m_game, from its first paint.
    void showGame();
    // After a change of the calls: keeps them, shows them, and says a new one.
    void callsChanged(int newCall);
    void refresh();
    QString winnersText(const std::vector<Winner> &winners) const;
    void stopPlay();

    template <typename F>
    bool guarded(F &&command);

    struct OwnServices;
    std::unique_ptr<OwnServices> m_own;
    CallerServices m_services;
    std::unique_ptr<CallAnnouncer> m_announcer;
    std::unique_ptr<CalledGame> m_game;
    int m_lastChecked = 0;
};
