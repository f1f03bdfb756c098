#pragma once

#include "game/GameFolder.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <optional>

class QDialogButtonBox;
class QTreeWidget;

// The recorded games to choose from, newest first as listed. A game that
// cannot be opened shows why, and cannot be chosen.
class GameListDialog : public QDialog
{
    Q_OBJECT

public:
    // title names the command ("Open Game"), action its button ("Open").
    GameListDialog(const QList<GameSummary> &games, const QString &title, const QString &action,
                   QWidget *parent = nullptr);

    // The path of the chosen game; nothing when none is chosen.
    std::optional<QString> chosenPath() const;

    // Shows the dialog modally; the chosen path, or nothing on Cancel.
    static std::optional<QString> choose(const QList<GameSummary> &games, const QString &title, const QString &action,
                                         QWidget *parent);

    QTreeWidget *LstGames = nullptr;
    QDialogButtonBox *Buttons = nullptr;

private:
    void updateButtons();
};

// The text of a card-size index as the card-size list shows it.
QString cardSizeText(int sizeIndex);
