// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/lxdbwordlistmodel.h"

#include "data/lxddatabase.h"
#include "data/lxditem.h"

LxdbWordListModel::LxdbWordListModel(LxdDatabase *database)
    : QAbstractListModel(database)
    , database(database)
{ }

int LxdbWordListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : database->itemCount();
}

QVariant LxdbWordListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= database->itemCount() || role != Qt::DisplayRole)
        return QVariant();
    return database->headword(index.row());
}

LxdItem *LxdbWordListModel::addItem()
{
    const int n = database->itemCount();
    beginInsertRows(QModelIndex(), n, n);
    auto *item = new LxdItem(database->domDocument(), database, nullptr);
    database->items.append(item);
    endInsertRows();
    return item;
}

void LxdbWordListModel::refresh()
{
    emit dataChanged(QModelIndex(), QModelIndex());
}
