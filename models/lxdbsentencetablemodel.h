// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LXDBSENTENCETABLEMODEL_H
#define LXDBSENTENCETABLEMODEL_H

#include <QAbstractTableModel>

class LxdDatabase;
class LxdSentence;

// The sentences of the current headword as a table: status mark, used count, text.
class LxdbSentenceTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit LxdbSentenceTableModel(LxdDatabase *database);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    LxdSentence *addSentence(int item);
    void refresh();
    QModelIndex cellIndex(int row, int column) const;
    int currentItem() const { return m_currentItem; }

public slots:
    void wordSelectionChanged(const QModelIndex &index);

private:
    friend class LxdDatabase;

    LxdDatabase *database; // not owned
    int m_currentItem = -1;
};

#endif // LXDBSENTENCETABLEMODEL_H
