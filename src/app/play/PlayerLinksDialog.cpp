#include "app/play/PlayerLinksDialog.h"

#include "app/play/PlayServer.h"
#include "card/Error.h"
#include "game/CalledGame.h"
#include "play/Room.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

TFrmPlayerLinks::TFrmPlayerLinks(Room &room, PlayServer &server, QWidget *parent)
    : QDialog(parent),
      m_room(room),
      m_server(server)
{
    setObjectName(QStringLiteral("FrmPlayerLinks"));
    setWindowTitle(tr("Player Links"));
    const int cards = int(std::min<std::uint64_t>(room.game().record().cards, 100000));
    SpnFirstCard = new QSpinBox(this);
    SpnFirstCard->setObjectName(QStringLiteral("SpnFirstCard"));
    SpnLastCard = new QSpinBox(this);
    SpnLastCard->setObjectName(QStringLiteral("SpnLastCard"));
    for (QSpinBox *s : {SpnFirstCard, SpnLastCard})
        s->setRange(1, std::max(1, cards));
    SpnLastCard->setValue(std::min(cards, 10));
    BtnMakeLinks = new QPushButton(tr("&Make Links"), this);
    BtnMakeLinks->setObjectName(QStringLiteral("BtnMakeLinks"));
    GrdLinks = new QTableWidget(0, 3, this);
    GrdLinks->setObjectName(QStringLiteral("GrdLinks"));
    GrdLinks->setHorizontalHeaderLabels({tr("Card"), tr("Name"), tr("Address")});
    GrdLinks->horizontalHeader()->setStretchLastSection(true);
    GrdLinks->setEditTriggers(QAbstractItemView::NoEditTriggers);
    BtnCopy = new QPushButton(tr("&Copy"), this);
    BtnCopy->setObjectName(QStringLiteral("BtnCopy"));
    BtnSave = new QPushButton(tr("&Save CSV..."), this);
    BtnSave->setObjectName(QStringLiteral("BtnSave"));
    auto *close = new QDialogButtonBox(QDialogButtonBox::Close, this);

    auto *range = new QHBoxLayout;
    range->addWidget(new QLabel(tr("Cards"), this));
    range->addWidget(SpnFirstCard);
    range->addWidget(new QLabel(tr("to"), this));
    range->addWidget(SpnLastCard);
    range->addWidget(BtnMakeLinks);
    range->addStretch(1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BtnCopy);
    buttons->addWidget(BtnSave);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(range);
    layout->addWidget(GrdLinks, 1);
    layout->addLayout(buttons);
    resize(760, 480);

    connect(BtnMakeLinks, &QPushButton::clicked, this, &TFrmPlayerLinks::BtnMakeLinksClick);
    connect(BtnCopy, &QPushButton::clicked, this, &TFrmPlayerLinks::BtnCopyClick);
    connect(BtnSave, &QPushButton::clicked, this, &TFrmPlayerLinks::BtnSaveClick);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    fill();
}

QList<PlayerLink> TFrmPlayerLinks::links() const
{
    QList<PlayerLink> links;
    for (const HeldCard *held : m_room.heldCards())
        links.append({held->card, held->name, m_server.cardUrl(held->token).toString()});
    return links;
}

void TFrmPlayerLinks::fill()
{
    const QList<PlayerLink> all = links();
    GrdLinks->setRowCount(int(all.size()));
    for (int row = 0; row < all.size(); ++row) {
        GrdLinks->setItem(row, 0, new QTableWidgetItem(QString::number(all.at(row).card)));
        GrdLinks->setItem(row, 1, new QTableWidgetItem(all.at(row).name));
        GrdLinks->setItem(row, 2, new QTableWidgetItem(all.at(row).address));
    }
    GrdLinks->resizeColumnsToContents();
}

void TFrmPlayerLinks::BtnMakeLinksClick()
{
    try {
        for (int card = SpnFirstCard->value(); card <= SpnLastCard->value(); ++card)
            m_room.linkCard(std::uint64_t(card));
    } catch (const MorvaneError &error) {
        QMessageBox::critical(this, QStringLiteral("Morvane"), errorBoxText(error.message()));
    }
    fill();
}

void TFrmPlayerLinks::BtnCopyClick()
{
    QApplication::clipboard()->setText(QString::fromUtf8(playerLinksCsv(links())));
}

void TFrmPlayerLinks::BtnSaveClick()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Player Links"),
                                                      m_room.game().record().code + QStringLiteral("-players.csv"),
                                                      tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    const QByteArray csv = playerLinksCsv(links());
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit())
        QMessageBox::critical(this, QStringLiteral("Morvane"),
                              errorBoxText(tr("Cannot save %1: %2").arg(path, file.errorString())));
}
