// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LXDBWORDLISTMODEL_H
#define LXDBWORDLISTMODEL_H

#include <QAbstractListModel>

class LxdDatabase;
class LxdItem;

// The headwords of the database as a one-column list. Reads the database on demand and follows
// what it announces: rows inserted, removed or moved, a new order, a reset, a changed text.
class LxdbWordListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit LxdbWordListModel(LxdDatabase *database, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    void beginReorder();
    void endReorder();

    LxdDatabase *database; // not owned
    // Between the two halves of a new order: the persistent indexes and their records.
    QModelIndexList m_before;
    QList<const LxdItem *> m_records;
};

#endif // LXDBWORDLISTMODEL_H
