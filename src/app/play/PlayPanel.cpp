#include "app/play/PlayPanel.h"

#include "app/play/ClaimCardView.h"
#include "app/play/PlayServer.h"
#include "app/play/QrCode.h"
#include "card/Error.h"
#include "game/CalledGame.h"
#include "play/Room.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

template <typename W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel *plainLabel(const QString &text, const char *name, QWidget *parent)
{
    // Player names come from phones: never read as markup.
    auto *label = named(new QLabel(parent), name);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setWordWrap(true);
    return label;
}

} // namespace

PlayPanel::PlayPanel(CalledGame &game, int port, int cardsPerPhone, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PnlPlay"));
    Room::Services services{[] { return QDateTime::currentMSecsSinceEpoch(); }, secureToken};
    m_room = std::make_unique<Room>(game, std::make_unique<RoomJournal>(RoomJournal::pathFor(game.path())), services);
    m_room->setCardsPerPhone(cardsPerPhone);
    m_server = std::make_unique<PlayServer>(*m_room);
    if (m_server->start(quint16(port)) == 0)
        throw MorvaneError(QCoreApplication::translate("PlayPanel", "Cannot listen for phones on port %1.").arg(port));

    LblRoomAddress = plainLabel(m_server->roomUrl().toString(), "LblRoomAddress", this);
    LblRoomAddress->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont big = LblRoomAddress->font();
    big.setPixelSize(22);
    big.setBold(true);
    LblRoomAddress->setFont(big);
    LblRoomAddress->setAlignment(Qt::AlignCenter);
    PBRoomCode = named(new QrCodeView(this), "PBRoomCode");
    PBRoomCode->setText(m_server->roomUrl().toString());
    LblPhones = plainLabel(QString(), "LblPhones", this);
    ChkHandOutCards = named(new QCheckBox(tr("Hand Out Cards"), this), "ChkHandOutCards");
    ChkHandOutCards->setChecked(m_room->isOpen());
    ChkHandOutCards->setToolTip(tr("Players who open the room's address get the next free card. Clear it to close "
                                   "the room to newcomers."));
    SpnCardsPerPhone = named(new QSpinBox(this), "SpnCardsPerPhone");
    SpnCardsPerPhone->setRange(1, 99);
    SpnCardsPerPhone->setValue(m_room->cardsPerPhone());
    SpnPort = named(new QSpinBox(this), "SpnPort");
    SpnPort->setRange(0, 65535);
    SpnPort->setSpecialValueText(tr("any free port"));
    SpnPort->setValue(port);
    SpnPort->setToolTip(tr("Used the next time the room opens."));
    LblClaims = plainLabel(QString(), "LblClaims", this);
    PnlClaims = named(new QWidget(this), "PnlClaims");
    m_claims = new QVBoxLayout(PnlClaims);
    m_claims->addStretch(1);
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setWidget(PnlClaims);

    auto *form = new QFormLayout;
    form->addRow(ChkHandOutCards);
    form->addRow(tr("Cards per phone:"), SpnCardsPerPhone);
    form->addRow(tr("Port:"), SpnPort);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LblRoomAddress);
    PBRoomCode->setMaximumSize(420, 420);
    layout->addWidget(PBRoomCode, 2, Qt::AlignHCenter);
    layout->addWidget(LblPhones);
    layout->addLayout(form);
    layout->addWidget(LblClaims);
    scroll->setMinimumHeight(300);
    layout->addWidget(scroll, 5);

    connect(ChkHandOutCards, &QCheckBox::toggled, this, [this](bool on) {
        try {
            m_room->setOpen(on);
        } catch (const MorvaneError &) {
            ChkHandOutCards->setChecked(m_room->isOpen());
        }
    });
    connect(SpnCardsPerPhone, &QSpinBox::valueChanged, this, [this](int n) { m_room->setCardsPerPhone(n); });
    connect(m_server.get(), &PlayServer::phonesChanged, this, &PlayPanel::showPhones);
    connect(m_server.get(), &PlayServer::claimsChanged, this, &PlayPanel::showClaims);
    showPhones(0);
    showClaims();
}

PlayPanel::~PlayPanel()
{
    // The server goes first: its phones must not outlive the room they read.
    m_server.reset();
}

void PlayPanel::callsChanged(bool oneNewCall)
{
    m_server->callsChanged(oneNewCall);
}

void PlayPanel::cardsChanged()
{
    showPhones(m_server->phones());
}

void PlayPanel::showPhones(int phones)
{
    LblPhones->setText(
        QCoreApplication::translate("PlayPanel", "%n phone(s) connected, %1 card(s) held", nullptr, phones)
            .arg(m_room->heldCards().size()));
}

void PlayPanel::decideLater(int claimId, bool confirm)
{
    // From the event loop: the button that asked is deleted when the queue
    // is shown again.
    QMetaObject::invokeMethod(
        this,
        [this, claimId, confirm] {
            try {
                m_server->decide(claimId, confirm);
            } catch (const MorvaneError &error) {
                // Not kept, so not decided: the claim stays in the queue.
                QMessageBox::critical(this, QStringLiteral("Morvane"), errorBoxText(error.message()));
            }
        },
        Qt::QueuedConnection);
}

void PlayPanel::showClaims()
{
    while (m_claims->count() > 1) {
        QLayoutItem *item = m_claims->takeAt(0);
        delete item->widget();
        delete item;
    }
    const std::vector<const RoomClaim *> pending = m_room->pendingClaims();
    LblClaims->setText(pending.empty() ? tr("No claims.") : tr("Claims to check: %n", nullptr, int(pending.size())));
    int row = 0;
    for (const RoomClaim *claim : pending) {
        auto *frame = named(new QFrame(PnlClaims), "ClaimRow");
        frame->setFrameShape(QFrame::StyledPanel);
        auto *layout = new QVBoxLayout(frame);
        const HeldCard *held = m_room->held(claim->token);
        // A card handed out as a link may have no name.
        const QString who =
            claim->name.isEmpty()
                ? QCoreApplication::translate("PlayPanel", "card %1").arg(claim->card)
                : QCoreApplication::translate("PlayPanel", "%1 · card %2").arg(claim->name).arg(claim->card);
        layout->addWidget(plainLabel(who, "LblClaimName", frame));
        layout->addWidget(plainLabel(m_room->verdictText(*claim), "LblClaimVerdict", frame));
        if (held)
            layout->addWidget(named(new ClaimCardView(m_room->face(*held), claim->check, frame), "PBClaimCard"));
        auto *buttons = new QHBoxLayout;
        auto *confirm = named(new QPushButton(tr("Confirm"), frame), "BtnConfirmClaim");
        auto *reject = named(new QPushButton(tr("Reject"), frame), "BtnRejectClaim");
        for (QPushButton *b : {confirm, reject})
            b->setFocusPolicy(Qt::NoFocus);
        buttons->addWidget(confirm);
        buttons->addWidget(reject);
        layout->addLayout(buttons);
        const int id = claim->id;
        connect(confirm, &QPushButton::clicked, this, [this, id] { decideLater(id, true); });
        connect(reject, &QPushButton::clicked, this, [this, id] { decideLater(id, false); });
        m_claims->insertWidget(row++, frame);
    }
    showPhones(m_server->phones());
}
