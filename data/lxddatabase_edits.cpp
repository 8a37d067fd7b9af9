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

#include <algorithm>

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
    insertItems({qBound(0, i, itemCount())}, {item});
}

LxdItem *LxdDatabase::takeItem(int i)
{
    if (i < 0 || i >= items.size())
        return nullptr;
    return takeItems({i}).constFirst();
}

QList<LxdItem *> LxdDatabase::takeItems(const QList<int> &rows)
{
    QList<LxdItem *> taken(rows.size(), nullptr);
    LxdbSentenceTableModel *table = sentenceTableModel;
    int &shown = table->m_currentItem;
    // From the highest run down, so that the lower rows keep their meaning; one removal per run
    // moves the rest of the list once per run, not once per record.
    qsizetype end = rows.size();
    while (end > 0) {
        qsizetype begin = end - 1;
        while (begin > 0 && rows.at(begin - 1) == rows.at(begin) - 1)
            --begin;
        const int first = rows.at(begin);
        const int last = rows.at(end - 1);
        if (first < 0 || last >= items.size()) {
            end = begin;
            continue;
        }
        if (shown >= first && shown <= last) {
            // The table empties before its headword goes.
            table->beginResetModel();
            shown = -1;
            table->endResetModel();
        }
        wordListModel->beginRemoveRows(QModelIndex(), first, last);
        for (qsizetype k = begin; k < end; ++k)
            taken[k] = items.at(rows.at(k));
        items.remove(first, last - first + 1);
        if (shown > last)
            shown -= last - first + 1;
        wordListModel->endRemoveRows();
        // Taking records out keeps the others in order.
        const bool counted = m_orderCount - (last - first + 1) == items.size();
        if (counted && m_order == Order::Sorted)
            setOrder(Order::Sorted);
        else if (counted && m_order == Order::SortedBut && m_loose >= first && m_loose <= last)
            setOrder(Order::Sorted);
        else if (counted && m_order == Order::SortedBut && m_loose < first)
            setOrder(Order::SortedBut, m_loose);
        else
            m_order = Order::Unknown;
        end = begin;
    }
    if (std::any_of(taken.cbegin(), taken.cend(), [](const LxdItem *item) { return item != nullptr; }))
        setModified(true);
    return taken;
}

void LxdDatabase::insertItems(const QList<int> &rows, const QList<LxdItem *> &records)
{
    int &shown = sentenceTableModel->m_currentItem;
    qsizetype begin = 0;
    const qsizetype count = std::min(rows.size(), records.size());
    bool any = false;
    while (begin < count) {
        qsizetype end = begin + 1;
        while (end < count && rows.at(end) == rows.at(end - 1) + 1)
            ++end;
        const int first = qBound(0, rows.at(begin), itemCount());
        const int last = first + int(end - begin) - 1;
        wordListModel->beginInsertRows(QModelIndex(), first, last);
        items.insert(first, end - begin, nullptr);
        for (qsizetype k = begin; k < end; ++k) {
            LxdItem *item = records.at(k);
            item->m_database = this;
            item->setParent(nullptr);
            items[first + (k - begin)] = item;
        }
        if (shown >= first)
            shown += last - first + 1;
        wordListModel->endInsertRows();
        if (end - begin == 1) {
            noteInserted(first);
        } else if (m_orderCount + (last - first + 1) == items.size() && m_order == Order::Sorted) {
            bool fits = true;
            for (int row = first; row <= last && fits; ++row)
                fits = fitsAt(row);
            setOrder(fits ? Order::Sorted : Order::Unsorted);
        } else {
            m_order = Order::Unknown;
        }
        any = true;
        begin = end;
    }
    if (any)
        setModified(true);
}

bool LxdDatabase::moveItem(int from, int to)
{
    const int n = itemCount();
    if (from < 0 || from >= n || to < 0 || to >= n)
        return false;
    if (from == to)
        return true;
    // A move that takes the one record out of place elsewhere may put the list in order.
    if (order() == Order::SortedBut && m_loose == from)
        setOrder(Order::Sorted);
    else if (m_order != Order::Sorted)
        m_order = Order::Unknown;
    moveRow(from, to);
    noteChangedAt(to);
    setModified(true);
    return true;
}

void LxdDatabase::moveRow(int from, int to)
{
    if (from == to)
        return;
    wordListModel->beginMoveRows(QModelIndex(), from, from, QModelIndex(), to > from ? to + 1 : to);
    items.move(from, to);
    int &shown = sentenceTableModel->m_currentItem;
    if (shown == from)
        shown = to;
    else if (from < to && shown > from && shown <= to)
        --shown;
    else if (to < from && shown >= to && shown < from)
        ++shown;
    wordListModel->endMoveRows();
}

// A new text in place: announced as a new layout, as a rename that sorts is (dataChanged is the
// models' refresh signal, which the count labels follow). No row moves, so no index needs mapping.
void LxdDatabase::changeHeadword(int i, const QString &h)
{
    emit wordListModel->layoutAboutToBeChanged();
    items.at(i)->m_headword = h;
    emit wordListModel->layoutChanged();
}

bool LxdDatabase::renameItem(int i, const QString &h)
{
    LxdItem *item = itemAt(i);
    if (!item || h.isEmpty())
        return false;
    changeHeadword(i, h);
    noteChangedAt(i);
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
    m_order = Order::Unknown;
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
    m_order = Order::Unknown;
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
