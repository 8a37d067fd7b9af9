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

    // Bulk changes of the database (loading, clearing, appending) and removals made by the
    // window's commands are announced through these.
    void beginReset() { beginResetModel(); }
    void endReset() { endResetModel(); }
    void beginRemove(int first, int last) { beginRemoveRows(QModelIndex(), first, last); }
    void endRemove() { endRemoveRows(); }
    void notifyLayoutChanged()
    {
        emit layoutAboutToBeChanged();
        emit layoutChanged();
    }

private:
    LxdDatabase *database; // not owned
};

#endif // LXDBWORDLISTMODEL_H
