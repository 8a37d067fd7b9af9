// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/lxdbwordlistmodel.h"

#include "data/lxddatabase.h"
#include "data/lxditem.h"

#include <QHash>

LxdbWordListModel::LxdbWordListModel(LxdDatabase *database, QObject *parent)
    : QAbstractListModel(parent)
    , database(database)
{
    const QModelIndex none;
    connect(database, &LxdDatabase::headwordsAboutToBeInserted, this,
        [this, none](int first, int last) { beginInsertRows(none, first, last); });
    connect(database, &LxdDatabase::headwordsInserted, this, [this] { endInsertRows(); });
    connect(database, &LxdDatabase::headwordsAboutToBeRemoved, this,
        [this, none](int first, int last) { beginRemoveRows(none, first, last); });
    connect(database, &LxdDatabase::headwordsRemoved, this, [this] { endRemoveRows(); });
    connect(database, &LxdDatabase::headwordAboutToBeMoved, this,
        [this, none](int from, int to) { beginMoveRows(none, from, from, none, to > from ? to + 1 : to); });
    connect(database, &LxdDatabase::headwordMoved, this, [this] { endMoveRows(); });
    connect(database, &LxdDatabase::headwordsAboutToBeReordered, this, &LxdbWordListModel::beginReorder);
    connect(database, &LxdDatabase::headwordsReordered, this, &LxdbWordListModel::endReorder);
    connect(database, &LxdDatabase::aboutToReset, this, [this] { beginResetModel(); });
    connect(database, &LxdDatabase::reset, this, [this] { endResetModel(); });
    connect(database, &LxdDatabase::headwordChanged, this, [this](int i) {
        const QModelIndex cell = index(i, 0);
        emit dataChanged(cell, cell, {Qt::DisplayRole});
    });
}

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

// Selections and current indexes stay with their records across a new order.
void LxdbWordListModel::beginReorder()
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    m_before = persistentIndexList();
    m_records.clear();
    m_records.reserve(m_before.size());
    for (const QModelIndex &index : std::as_const(m_before))
        m_records.append(database->itemAt(index.row()));
}

void LxdbWordListModel::endReorder()
{
    // Found by a table, not by searching: a large selection would be slow to remap.
    QHash<const LxdItem *, int> rows;
    if (!m_before.isEmpty()) {
        rows.reserve(database->itemCount());
        for (int r = 0; r < database->itemCount(); ++r)
            rows.insert(database->itemAt(r), r);
    }
    QModelIndexList after;
    after.reserve(m_before.size());
    for (qsizetype k = 0; k < m_before.size(); ++k) {
        const int row = rows.value(m_records.at(k), -1);
        after.append(row < 0 ? QModelIndex() : index(row, 0));
    }
    changePersistentIndexList(m_before, after);
    m_before.clear();
    m_records.clear();
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
