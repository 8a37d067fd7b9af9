// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LXDBSENTENCETABLEMODEL_H
#define LXDBSENTENCETABLEMODEL_H

#include <QAbstractTableModel>

class LxdDatabase;
class LxdItem;

// The sentences of the current headword as a table: status mark, used count, text. It keeps track
// of its headword itself while the database announces changes to the list of headwords, and shows
// what the database announces about that headword's sentences.
class LxdbSentenceTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit LxdbSentenceTableModel(LxdDatabase *database, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    QModelIndex cellIndex(int row, int column) const;
    int currentItem() const { return m_currentItem; }

public slots:
    void wordSelectionChanged(const QModelIndex &index);

private:
    void connectDatabase();
    void showItem(int row);
    void beginReorder(int item);
    void endReorder(int item);

    LxdDatabase *database; // not owned
    int m_currentItem = -1;
    // The record on show, kept while the headwords are reordered or reset.
    const LxdItem *m_shown = nullptr;
    // Between the two halves of a new order of the shown sentences: the persistent indexes.
    QModelIndexList m_before;
};

#endif // LXDBSENTENCETABLEMODEL_H
