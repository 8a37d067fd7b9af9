// SPDX-License-Identifier: GPL-3.0-or-later
// The edits by position that the undoable commands are made of. Each tells the models what it did,
// so that attached views and their selections follow without help from the window.
#include "data/lxddatabase.h"

#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "data/samelist.h"
#include "models/lxdbsentencetablemodel.h"
#include "models/lxdbwordlistmodel.h"

#include <QHash>
#include <QSet>

// Remaps the persistent indexes of `model` (selections, current indexes) across a change of row
// order: `recordOf` names the record behind a row before the change, `rowOf` finds it afterwards.
template<typename Model, typename RecordOf, typename RowOf>
void LxdDatabase::relayout(Model *model, RecordOf recordOf, RowOf rowOf, const std::function<void()> &change)
{
    emit model->layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = model->persistentIndexList();
    QList<const void *> records;
    records.reserve(before.size());
    for (const QModelIndex &index : before)
        records.append(recordOf(index.row()));
    change();
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype k = 0; k < before.size(); ++k) {
        const int row = records.at(k) ? rowOf(records.at(k)) : -1;
        after.append(row < 0 ? QModelIndex() : model->index(row, before.at(k).column()));
    }
    model->changePersistentIndexList(before, after);
    emit model->layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void LxdDatabase::insertItem(int i, LxdItem *item)
{
    if (!item)
        return;
    i = qBound(0, i, itemCount());
    item->m_database = this;
    item->setParent(nullptr);
    wordListModel->beginInsertRows(QModelIndex(), i, i);
    items.insert(i, item);
    int &shown = sentenceTableModel->m_currentItem;
    if (shown >= i)
        ++shown;
    wordListModel->endInsertRows();
    setModified(true);
}

LxdItem *LxdDatabase::takeItem(int i)
{
    if (i < 0 || i >= items.size())
        return nullptr;
    LxdbSentenceTableModel *table = sentenceTableModel;
    if (table->m_currentItem == i) {
        // The table empties before its headword goes.
        table->beginResetModel();
        table->m_currentItem = -1;
        table->endResetModel();
    }
    wordListModel->beginRemoveRows(QModelIndex(), i, i);
    LxdItem *record = items.takeAt(i);
    if (table->m_currentItem > i)
        --table->m_currentItem;
    wordListModel->endRemoveRows();
    setModified(true);
    return record;
}

bool LxdDatabase::moveItem(int from, int to)
{
    const int n = itemCount();
    if (from < 0 || from >= n || to < 0 || to >= n)
        return false;
    if (from == to)
        return true;
    wordListModel->beginMoveRows(QModelIndex(), from, from, QModelIndex(), to > from ? to + 1 : to);
    LxdItem *shown = itemAt(sentenceTableModel->m_currentItem);
    items.move(from, to);
    if (shown)
        sentenceTableModel->m_currentItem = int(items.indexOf(shown));
    wordListModel->endMoveRows();
    setModified(true);
    return true;
}

bool LxdDatabase::renameItem(int i, const QString &h)
{
    LxdItem *item = itemAt(i);
    if (!item || h.isEmpty())
        return false;
    // Announced as a new layout, as a rename that sorts is: dataChanged is the models' refresh
    // signal, which the count labels follow.
    relayoutItems([item, &h] { item->m_headword = h; });
    item->setModified(true);
    return true;
}

void LxdDatabase::relayoutItems(const std::function<void()> &change)
{
    LxdItem *shown = itemAt(sentenceTableModel->m_currentItem);
    // Finding a record's new row by searching would make a large selection slow to remap.
    QHash<const void *, int> rows;
    relayout(
        wordListModel, [this](int row) -> const void * { return itemAt(row); },
        [this, &rows](const void *record) {
            if (rows.isEmpty()) {
                rows.reserve(items.size());
                for (qsizetype r = 0; r < items.size(); ++r)
                    rows.insert(items.at(r), int(r));
            }
            return rows.value(record, -1);
        },
        change);
    if (shown)
        sentenceTableModel->m_currentItem = int(items.indexOf(shown));
}

void LxdDatabase::reorderItems(const QList<LxdItem *> &records)
{
    relayoutItems([this, &records] { items = records; });
}

void LxdDatabase::setItems(const QList<LxdItem *> &records)
{
    const bool sameRecords = records.size() == items.size()
        && QSet<LxdItem *>(records.cbegin(), records.cend()) == QSet<LxdItem *>(items.cbegin(), items.cend());
    if (sameRecords) {
        if (!sameList(records, items)) {
            reorderItems(records);
            setModified(true);
        }
        return;
    }
    // Records come and go: too much for row notifications one by one.
    restoreItems(records, {});
}

void LxdDatabase::restoreItems(const QList<LxdItem *> &records, const std::function<void()> &change)
{
    LxdItem *shown = itemAt(sentenceTableModel->m_currentItem);
    beginModelReset();
    if (change)
        change();
    items = records;
    for (LxdItem *item : records) {
        item->m_database = this;
        item->setParent(nullptr);
    }
    sentenceTableModel->m_currentItem = shown ? int(items.indexOf(shown)) : -1;
    endModelReset();
    setModified(true);
    wordListModel->refresh();
    sentenceTableModel->refresh();
}

void LxdDatabase::insertSentence(int i, int j, LxdSentence *sentence)
{
    LxdItem *item = itemAt(i);
    if (!item || !sentence)
        return;
    j = qBound(0, j, item->sentenceCount());
    const bool shown = i == sentenceTableModel->m_currentItem;
    if (shown)
        sentenceTableModel->beginInsertRows(QModelIndex(), j, j);
    sentence->setItem(item);
    item->sentences.insert(j, sentence);
    if (shown)
        sentenceTableModel->endInsertRows();
    item->setModified(true);
}

LxdSentence *LxdDatabase::takeSentence(int i, int j)
{
    LxdItem *item = itemAt(i);
    if (!item || j < 0 || j >= item->sentenceCount())
        return nullptr;
    const bool shown = i == sentenceTableModel->m_currentItem;
    if (shown)
        sentenceTableModel->beginRemoveRows(QModelIndex(), j, j);
    LxdSentence *sentence = item->sentences.takeAt(j);
    // A sentence made through the model is a QObject child of its headword; once taken out it
    // must not go when the headword goes.
    sentence->setParent(nullptr);
    if (shown)
        sentenceTableModel->endRemoveRows();
    item->setModified(true);
    return sentence;
}

void LxdDatabase::moveSentences(int i, const QList<QPair<int, int>> &moves)
{
    LxdItem *item = itemAt(i);
    if (!item)
        return;
    const auto apply = [item, &moves] {
        for (const auto &move : moves)
            item->moveSentence(move.first, move.second);
    };
    if (i != sentenceTableModel->m_currentItem) {
        apply();
        return;
    }
    // Announced even when nothing moved, so that the views measure the rows again either way.
    relayout(
        sentenceTableModel, [item](int row) -> const void * { return item->sentenceAt(row); },
        [item](const void *record) {
            return int(item->sentences.indexOf(static_cast<LxdSentence *>(const_cast<void *>(record))));
        },
        apply);
}

void LxdDatabase::setSentence(int i, int j, const QString &text, int used)
{
    LxdSentence *sentence = sentenceAt(i, j);
    if (!sentence)
        return;
    if (used != sentence->used())
        sentence->setUsed(used);
    if (text != sentence->text())
        sentence->setText(text);
    if (i == sentenceTableModel->m_currentItem)
        emit sentenceTableModel->dataChanged(
            sentenceTableModel->index(j, 0), sentenceTableModel->index(j, 2));
}

void LxdDatabase::sentencesChanged(int i)
{
    if (i == sentenceTableModel->m_currentItem && sentenceCount(i) > 0) {
        emit sentenceTableModel->dataChanged(
            sentenceTableModel->index(0, 0), sentenceTableModel->index(sentenceCount(i) - 1, 2));
    }
}
