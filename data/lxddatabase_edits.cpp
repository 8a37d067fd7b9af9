// SPDX-License-Identifier: GPL-3.0-or-later
// The edits by position that the undoable commands are made of. Each announces what it did, so
// that the models, and through them the views and their selections, follow without help from the
// window.
#include "data/lxddatabase.h"

#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "data/samelist.h"

#include <QSet>

#include <algorithm>

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
        emit headwordsAboutToBeRemoved(first, last);
        for (qsizetype k = begin; k < end; ++k)
            taken[k] = items.at(rows.at(k));
        items.remove(first, last - first + 1);
        emit headwordsRemoved(first, last);
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
    qsizetype begin = 0;
    const qsizetype count = std::min(rows.size(), records.size());
    bool any = false;
    while (begin < count) {
        qsizetype end = begin + 1;
        while (end < count && rows.at(end) == rows.at(end - 1) + 1)
            ++end;
        const int first = qBound(0, rows.at(begin), itemCount());
        const int last = first + int(end - begin) - 1;
        emit headwordsAboutToBeInserted(first, last);
        items.insert(first, end - begin, nullptr);
        for (qsizetype k = begin; k < end; ++k) {
            LxdItem *item = records.at(k);
            item->m_database = this;
            items[first + (k - begin)] = item;
        }
        emit headwordsInserted(first, last);
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
    emit headwordAboutToBeMoved(from, to);
    items.move(from, to);
    emit headwordMoved(from, to);
}

void LxdDatabase::changeHeadword(int i, const QString &h)
{
    items.at(i)->m_headword = h;
    emit headwordChanged(i);
}

bool LxdDatabase::renameItem(int i, const QString &h)
{
    LxdItem *item = itemAt(i);
    if (!item || h.isEmpty())
        return false;
    changeHeadword(i, h);
    noteChangedAt(i);
    setModified(true);
    return true;
}

void LxdDatabase::relayoutItems(const std::function<void()> &change)
{
    emit headwordsAboutToBeReordered();
    change();
    emit headwordsReordered();
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

void LxdDatabase::restoreItems(
    const QList<LxdItem *> &records, const std::function<void()> &change, bool inOrder)
{
    beginReset();
    if (change)
        change();
    items = records;
    for (LxdItem *item : records)
        item->m_database = this;
    // A wrong "in order" would make lookups miss headwords; debug builds check it.
    Q_ASSERT(!inOrder || std::is_sorted(items.cbegin(), items.cend(), headwordLess));
    if (inOrder)
        setOrder(Order::Sorted);
    else
        m_order = Order::Unknown;
    endReset();
    setModified(true);
}

void LxdDatabase::insertSentence(int i, int j, const LxdSentence &sentence)
{
    LxdItem *item = itemAt(i);
    if (!item)
        return;
    j = qBound(0, j, item->sentenceCount());
    emit sentencesAboutToBeInserted(i, j, j);
    item->sentences.insert(j, sentence);
    emit sentencesInserted(i, j, j);
    setModified(true);
}

LxdSentence LxdDatabase::takeSentence(int i, int j)
{
    LxdItem *item = itemAt(i);
    if (!item || j < 0 || j >= item->sentenceCount())
        return LxdSentence();
    emit sentencesAboutToBeRemoved(i, j, j);
    LxdSentence sentence = item->sentences.takeAt(j);
    emit sentencesRemoved(i, j, j);
    setModified(true);
    return sentence;
}

void LxdDatabase::moveSentences(int i, const QList<QPair<int, int>> &moves)
{
    LxdItem *item = itemAt(i);
    if (!item)
        return;
    // Announced even when nothing moved, so that the views measure the rows again either way. The
    // models learn from the moves themselves where each sentence went.
    m_sentenceMoves = moves;
    emit sentencesAboutToBeReordered(i);
    for (const auto &move : moves)
        item->moveSentence(move.first, move.second);
    emit sentencesReordered(i);
    m_sentenceMoves.clear();
}

void LxdDatabase::setSentence(int i, int j, const QString &text, int used)
{
    LxdSentence *sentence = sentenceAt(i, j);
    if (!sentence)
        return;
    bool changed = false;
    if (used != sentence->used()) {
        sentence->setUsed(used);
        changed = true;
    }
    if (text != sentence->textRef()) {
        sentence->setText(text);
        changed = true;
    }
    if (changed)
        setModified(true);
    emit sentencesChanged(i, j, j);
}

void LxdDatabase::announceSentences(int i)
{
    if (const int n = sentenceCount(i))
        emit sentencesChanged(i, 0, n - 1);
}
