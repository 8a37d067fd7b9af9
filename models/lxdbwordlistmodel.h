// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LXDBWORDLISTMODEL_H
#define LXDBWORDLISTMODEL_H

#include <QAbstractListModel>

class LxdDatabase;
class LxdItem;

// The headwords of the database as a one-column list. Reads the database on demand.
class LxdbWordListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit LxdbWordListModel(LxdDatabase *database);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    LxdItem *addItem();
    void refresh();

private:
    // The database announces its own changes (insertions, removals, moves, new orders, resets)
    // through the model's protected notifications.
    friend class LxdDatabase;

    LxdDatabase *database; // not owned
};

#endif // LXDBWORDLISTMODEL_H
