#pragma once

#include <QAbstractListModel>

class WordList;

// The word list as the entry box's drop-down shows it. It holds no copy of
// the entries, so a list of a million entries costs the box no items of its
// own; every change of the list goes through change().
class EntryListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    EntryListModel(const WordList &words, QObject *parent);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Runs a change of the word list and shows the list afresh.
    template <typename Change>
    void change(Change &&c)
    {
        beginResetModel();
        c();
        endResetModel();
    }

private:
    const WordList &m_words;
};
