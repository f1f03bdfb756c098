#include "app/game/GameListDialog.h"

#include "card/CardSettings.h"
#include "card/TicketStrip.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { Code, Date, ListSize, Cards, CardSize, ColumnCount };

constexpr int PathRole = Qt::UserRole;

QTreeWidgetItem *gameItem(const GameSummary &game)
{
    auto *item = new QTreeWidgetItem;
    item->setData(Code, PathRole, game.path);
    if (!game.problem.isEmpty()) {
        // The reader's own message, which names the file, goes across the
        // row once the columns are sized.
        item->setToolTip(Code, game.problem);
        item->setFlags(Qt::NoItemFlags);
        return item;
    }
    const QLocale locale;
    item->setText(Code, game.code);
    item->setText(Date, locale.toString(game.created.toLocalTime(), QLocale::ShortFormat));
    item->setText(ListSize, locale.toString(game.entries));
    item->setText(Cards, locale.toString(qulonglong(game.cards)));
    // A ticket's grid, whatever size the window had when it was printed.
    item->setText(CardSize, game.kind == CardKind::Tickets90
                                ? QStringLiteral("%1 x %2").arg(TicketRows).arg(TicketColumns)
                                : cardSizeText(game.sizeIndex));
    for (int c : {ListSize, Cards})
        item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

QString cardSizeText(int sizeIndex)
{
    const int side = cardSide(sizeIndex);
    return QStringLiteral("%1 x %1").arg(side);
}

GameListDialog::GameListDialog(const QList<GameSummary> &games, const QString &title, const QString &action,
                               QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmGames"));
    setWindowTitle(title);

    LstGames = new QTreeWidget(this);
    LstGames->setObjectName(QStringLiteral("LstGames"));
    LstGames->setAccessibleName(QCoreApplication::translate("GameListDialog", "Recorded games"));
    LstGames->setRootIsDecorated(false);
    LstGames->setAllColumnsShowFocus(true);
    LstGames->setColumnCount(ColumnCount);
    LstGames->setHeaderLabels({QCoreApplication::translate("GameListDialog", "Code"),
                               QCoreApplication::translate("GameListDialog", "Date"),
                               QCoreApplication::translate("GameListDialog", "List Size"),
                               QCoreApplication::translate("GameListDialog", "Cards"),
                               QCoreApplication::translate("GameListDialog", "Card Size")});
    for (const GameSummary &game : games)
        LstGames->addTopLevelItem(gameItem(game));
    LstGames->header()->setStretchLastSection(false);
    for (int c = 0; c < ColumnCount; ++c)
        LstGames->resizeColumnToContents(c);
    LstGames->header()->setSectionResizeMode(Date, QHeaderView::Stretch);
    // A long message wraps within the list rather than widening a column.
    LstGames->setWordWrap(true);
    for (int i = 0; i < games.size(); ++i) {
        if (games[i].problem.isEmpty())
            continue;
        QTreeWidgetItem *item = LstGames->topLevelItem(i);
        item->setFirstColumnSpanned(true);
        item->setText(Code, games[i].problem);
    }

    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    Buttons->setObjectName(QStringLiteral("Buttons"));
    Buttons->button(QDialogButtonBox::Ok)->setText(action);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LstGames);
    layout->addWidget(Buttons);
    resize(640, 320);

    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(LstGames, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        if (item->flags() & Qt::ItemIsEnabled)
            accept();
    });
    connect(LstGames, &QTreeWidget::currentItemChanged, this, [this] { updateButtons(); });

    // The newest game that can be opened starts chosen.
    for (int i = 0; i < LstGames->topLevelItemCount(); ++i) {
        if (LstGames->topLevelItem(i)->flags() & Qt::ItemIsEnabled) {
            LstGames->setCurrentItem(LstGames->topLevelItem(i));
            break;
        }
    }
    updateButtons();
    LstGames->setFocus();
}

void GameListDialog::updateButtons()
{
    Buttons->button(QDialogButtonBox::Ok)->setEnabled(chosenPath().has_value());
}

std::optional<QString> GameListDialog::chosenPath() const
{
    const QTreeWidgetItem *item = LstGames->currentItem();
    if (!item || !(item->flags() & Qt::ItemIsEnabled))
        return std::nullopt;
    return item->data(Code, PathRole).toString();
}

std::optional<QString> GameListDialog::choose(const QList<GameSummary> &games, const QString &title,
                                              const QString &action, QWidget *parent)
{
    GameListDialog dialog(games, title, action, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenPath();
}
