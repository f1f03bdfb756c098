// The Caller window's "Play on Phones" and "Player Links" commands.
#include "app/caller/UnitFrmCaller.h"

#include "app/play/PlayPanel.h"
#include "app/play/PlayServer.h"
#include "app/play/PlaySettings.h"
#include "app/play/PlayerLinksDialog.h"
#include "card/CommandGuard.h"
#include "card/Prompts.h"
#include "game/CalledGame.h"
#include "play/Room.h"

#include <QAction>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QSpinBox>

namespace {

// Beside the board when the window's layout is the one we know, below
// everything otherwise.
void placePanel(QWidget *window, QWidget *panel)
{
    auto *root = qobject_cast<QBoxLayout *>(window->layout());
    if (!root)
        return;
    if (QLayoutItem *first = root->itemAt(0); first && qobject_cast<QHBoxLayout *>(first->layout())) {
        static_cast<QHBoxLayout *>(first->layout())->addWidget(panel, 2);
        return;
    }
    root->addWidget(panel);
}

} // namespace

void TFrmCaller::MnuPlayOnPhonesClick()
{
    if (PnlPlay || !m_game || !m_game->hasCards()) {
        stopPlay();
        refresh();
        return;
    }
    const QString settingsPath = playSettingsPath();
    PlaySettings settings = readPlaySettings(settingsPath);
    if (!settings.asked) {
        const bool agreed = m_services.prompts->question(
            QCoreApplication::translate(
                "TFrmCaller",
                "Play on Phones starts a small web server inside Morvane, on this computer's local network. "
                "Players open its address (or scan its QR code) on their phones and get a card of this game; "
                "nothing is sent to the internet. Your firewall may ask whether to let phones connect.\n\n"
                "Start the web server?"),
            DefaultButton::No);
        if (!agreed) {
            refresh();
            return;
        }
        settings.asked = true;
        writePlaySettings(settingsPath, settings);
    }
    runCommand(*m_services.prompts, [&] {
        PnlPlay = new PlayPanel(*m_game, settings.port, settings.cardsPerPhone, this);
        placePanel(this, PnlPlay);
        connect(PnlPlay->SpnCardsPerPhone, &QSpinBox::valueChanged, this, [settingsPath](int n) {
            PlaySettings s = readPlaySettings(settingsPath);
            s.cardsPerPhone = n;
            writePlaySettings(settingsPath, s);
        });
        connect(PnlPlay->SpnPort, &QSpinBox::valueChanged, this, [settingsPath](int port) {
            PlaySettings s = readPlaySettings(settingsPath);
            s.port = port;
            writePlaySettings(settingsPath, s);
        });
    });
    refresh();
}

void TFrmCaller::MnuPlayerLinksClick()
{
    if (!PnlPlay)
        return;
    TFrmPlayerLinks dialog(PnlPlay->room(), PnlPlay->server(), this);
    dialog.exec();
    PnlPlay->cardsChanged();
}

void TFrmCaller::stopPlay()
{
    delete PnlPlay;
    PnlPlay = nullptr;
}
