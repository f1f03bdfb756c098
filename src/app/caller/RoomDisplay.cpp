#include "app/caller/RoomDisplay.h"

#include "app/caller/BoardView.h"
#include "app/caller/CallDisplay.h"
#include "app/caller/CallFlash.h"
#include "app/caller/CallerPalette.h"
#include "game/CallNames.h"
#include "game/CallTexts.h"
#include "game/CalledGame.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

TFrmRoomDisplay::TFrmRoomDisplay(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FrmRoomDisplay"));
    setWindowTitle(QCoreApplication::translate("TFrmRoomDisplay", "Room Display"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, CallerPalette::panel());
    palette.setColor(QPalette::WindowText, CallerPalette::ink());
    setPalette(palette);
    setAutoFillBackground(true);

    PBRoomCall = new CallDisplay(this);
    PBRoomCall->setObjectName(QStringLiteral("PBRoomCall"));
    LblRoomCallName = new QLabel(this);
    LblRoomCallName->setObjectName(QStringLiteral("LblRoomCallName"));
    LblRoomCallName->setAlignment(Qt::AlignCenter);
    LblRoomCount = new QLabel(this);
    LblRoomCount->setObjectName(QStringLiteral("LblRoomCount"));
    LblRoomCount->setAlignment(Qt::AlignCenter);
    PBRoomBoard = new BoardView(this);
    PBRoomBoard->setObjectName(QStringLiteral("PBRoomBoard"));
    // The hall looks; only the caller's own board marks calls.
    PBRoomBoard->setCursor(Qt::ArrowCursor);
    PBRoomBoard->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_flash = new CallFlash(PBRoomCall);

    auto *left = new QVBoxLayout;
    left->addWidget(PBRoomCall, 1);
    left->addWidget(LblRoomCallName);
    left->addWidget(LblRoomCount);
    auto *root = new QHBoxLayout(this);
    root->addLayout(left, 2);
    root->addWidget(PBRoomBoard, 3);
    resize(960, 540);
    showGame(nullptr, false);
}

void TFrmRoomDisplay::showGame(const CalledGame *game, bool callNames)
{
    if (game != m_game) {
        m_game = game;
        PBRoomBoard->setSession(game ? &game->session() : nullptr);
    }
    if (!game) {
        PBRoomCall->setCall(QString(), QString(), true);
        PBRoomCall->setHint(QString());
        LblRoomCallName->clear();
        LblRoomCount->clear();
        return;
    }
    const CallSession &session = game->session();
    const int last = session.lastCall();
    PBRoomCall->setCall(last >= 0 ? session.board().callText(last) : QString(), game->record().settings.fontName,
                        !session.board().numbered());
    PBRoomCall->setHint(QString());
    LblRoomCallName->setText(callNames && last >= 0 ? callName(session.board().label(last)) : QString());
    LblRoomCallName->setVisible(callNames);
    LblRoomCount->setText(callCountText(session.callCount(), session.board().size()));
    PBRoomBoard->update();
}

void TFrmRoomDisplay::flashCall()
{
    m_flash->flash();
}

void TFrmRoomDisplay::toggleFullScreen()
{
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}

void TFrmRoomDisplay::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F11 || (event->key() == Qt::Key_Escape && isFullScreen())) {
        toggleFullScreen();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFrmRoomDisplay::mouseDoubleClickEvent(QMouseEvent *)
{
    toggleFullScreen();
}

void TFrmRoomDisplay::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int unit = std::min(height(), width() * 9 / 16);
    for (QLabel *label : {LblRoomCallName, LblRoomCount}) {
        QFont font = label->font();
        font.setPixelSize(std::clamp(unit / 14, 16, 120));
        font.setBold(true);
        label->setFont(font);
    }
}
