#include "app/EntryListModel.h"

#include "card/WordList.h"

EntryListModel::EntryListModel(const WordList &words, QObject *parent) : QAbstractListModel(parent), m_words(words) {}

int EntryListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_words.count());
}

QVariant EntryListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_words.count())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::AccessibleTextRole)
        return m_words.at(index.row());
    return {};
}

Qt::ItemFlags EntryListModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren : Qt::NoItemFlags;
}
