// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/lxdbsentencetablemodel.h"

#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"

#include <QColor>

LxdbSentenceTableModel::LxdbSentenceTableModel(LxdDatabase *database)
    : QAbstractTableModel(database)
    , database(database)
{ }

// A flat table: the rows have no children of their own, or views and proxies would show phantom
// ones below every sentence.
int LxdbSentenceTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : database->sentenceCount(m_currentItem);
}

int LxdbSentenceTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

static QVariant statusMark(int status)
{
    switch (status) {
    case LxdSentence::Valid:
        return QString(QChar(0x2713));
    case LxdSentence::Unmatched:
        return QString(QChar(0x2717));
    case LxdSentence::Unchecked:
    case LxdSentence::NoKeyWord:
        return LxdbSentenceTableModel::tr("?");
    default:
        return QVariant();
    }
}

// A sentence without a key word, or with a bracket left open, is tinted so that the teacher
// sees at a glance which ones an exercise could not use as they are.
static QColor sentenceBackground(int status)
{
    switch (status) {
    case LxdSentence::Unchecked:
        return QColor(196, 196, 196, 255);
    case LxdSentence::NoKeyWord:
        return QColor(214, 222, 255, 255);
    case LxdSentence::Unmatched:
        return QColor(255, 205, 205, 255);
    default:
        return QColor(255, 255, 255, 255);
    }
}

QVariant LxdbSentenceTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();
    const LxdSentence *sentence = database->sentenceAt(m_currentItem, index.row());
    if (!sentence)
        return QVariant();

    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case 0:
            return statusMark(sentence->bracketStatus());
        case 1:
            return sentence->used();
        case 2:
            return sentence->text();
        }
        break;
    case Qt::TextAlignmentRole:
        if (index.column() == 1)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case Qt::ToolTipRole:
        if (index.column() == 2)
            return sentence->text();
        break;
    case Qt::BackgroundRole:
        if (index.column() == 2)
            return sentenceBackground(sentence->bracketStatus());
        break;
    }
    return QVariant();
}

QVariant LxdbSentenceTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QVariant();
    switch (section) {
    case 0:
        return QChar(0x2713);
    case 1:
        return tr("Uses");
    case 2:
        return tr("Sentence");
    }
    return QVariant();
}

void LxdbSentenceTableModel::wordSelectionChanged(const QModelIndex &index)
{
    beginResetModel();
    const int row = index.row();
    m_currentItem = (row >= 0 && row < database->itemCount()) ? row : -1;
    endResetModel();
}

LxdSentence *LxdbSentenceTableModel::addSentence(int item)
{
    LxdItem *record = database->itemAt(item);
    if (!record)
        return nullptr;
    const int n = record->sentenceCount();
    // Rows are announced only for the headword on show; a sentence added to another headword
    // changes nothing this model presents.
    const bool shown = item == m_currentItem;
    if (shown)
        beginInsertRows(QModelIndex(), n, n);
    auto *sentence = new LxdSentence(database->domDocument(), record);
    record->sentences.append(sentence);
    if (shown)
        endInsertRows();
    return sentence;
}

void LxdbSentenceTableModel::refresh()
{
    emit dataChanged(QModelIndex(), QModelIndex());
}

QModelIndex LxdbSentenceTableModel::cellIndex(int row, int column) const
{
    return createIndex(row, column);
}
