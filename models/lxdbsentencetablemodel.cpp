// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/lxdbsentencetablemodel.h"

#include "data/brackettext.h"
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "models/desktoplook.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

LxdbSentenceTableModel::LxdbSentenceTableModel(LxdDatabase *database, QObject *parent)
    : QAbstractTableModel(parent)
    , database(database)
{
    connectDatabase();
}

void LxdbSentenceTableModel::connectDatabase()
{
    LxdDatabase *db = database;
    // The headwords: the table follows its own as rows come, go and move.
    connect(db, &LxdDatabase::headwordsAboutToBeRemoved, this, [this](int first, int last) {
        if (m_currentItem >= first && m_currentItem <= last)
            showItem(-1); // the table empties before its headword goes
    });
    connect(db, &LxdDatabase::headwordsRemoved, this, [this](int first, int last) {
        if (m_currentItem > last)
            m_currentItem -= last - first + 1;
    });
    connect(db, &LxdDatabase::headwordsInserted, this, [this](int first, int last) {
        if (m_currentItem >= first)
            m_currentItem += last - first + 1;
    });
    connect(db, &LxdDatabase::headwordMoved, this, [this](int from, int to) {
        if (m_currentItem == from)
            m_currentItem = to;
        else if (from < to && m_currentItem > from && m_currentItem <= to)
            --m_currentItem;
        else if (to < from && m_currentItem >= to && m_currentItem < from)
            ++m_currentItem;
    });
    connect(db, &LxdDatabase::headwordsAboutToBeReordered, this,
        [this] { m_shown = database->itemAt(m_currentItem); });
    connect(db, &LxdDatabase::headwordsReordered, this, [this] {
        if (m_shown)
            m_currentItem = int(database->items.indexOf(m_shown));
        m_shown = nullptr;
    });
    // After a reset the table shows the same headword when it is still there.
    connect(db, &LxdDatabase::aboutToReset, this, [this] {
        beginResetModel();
        m_shown = database->itemAt(m_currentItem);
    });
    connect(db, &LxdDatabase::reset, this, [this] {
        m_currentItem = m_shown ? int(database->items.indexOf(m_shown)) : -1;
        m_shown = nullptr;
        endResetModel();
    });

    // The sentences: only those of the headword on show concern the table.
    const QModelIndex none;
    connect(db, &LxdDatabase::sentencesAboutToBeInserted, this, [this, none](int item, int first, int last) {
        if (item == m_currentItem)
            beginInsertRows(none, first, last);
    });
    connect(db, &LxdDatabase::sentencesInserted, this, [this](int item) {
        if (item == m_currentItem)
            endInsertRows();
    });
    connect(db, &LxdDatabase::sentencesAboutToBeRemoved, this, [this, none](int item, int first, int last) {
        if (item == m_currentItem)
            beginRemoveRows(none, first, last);
    });
    connect(db, &LxdDatabase::sentencesRemoved, this, [this](int item) {
        if (item == m_currentItem)
            endRemoveRows();
    });
    connect(db, &LxdDatabase::sentencesAboutToBeReordered, this, &LxdbSentenceTableModel::beginReorder);
    connect(db, &LxdDatabase::sentencesReordered, this, &LxdbSentenceTableModel::endReorder);
    connect(db, &LxdDatabase::sentencesChanged, this, [this](int item, int first, int last) {
        if (item == m_currentItem && first <= last)
            emit dataChanged(index(first, 0), index(last, columnCount() - 1));
    });
}

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
    case LxdSentence::Doubtful:
        return QString(QChar(0x26A0)); // a warning sign: usable, but the notation looks mistyped
    case LxdSentence::Unchecked:
    case LxdSentence::NoKeyWord:
        return LxdbSentenceTableModel::tr("?");
    default:
        return QVariant();
    }
}

// A sentence without a key word, or with a bracket left open, is tinted so that the teacher
// sees at a glance which ones an exercise could not use as they are. The tints follow the palette:
// on a light base they are the light tints laid over it, on a dark base (a dark desktop theme) a
// darker tint of a stronger hue, so the palette's light text stays readable.
static QColor sentenceBackground(int status)
{
    struct Tint
    {
        QColor light;
        QColor hue;
    };
    Tint tint;
    switch (status) {
    case LxdSentence::Unchecked:
        tint = {QColor(196, 196, 196), QColor(128, 128, 128)};
        break;
    case LxdSentence::NoKeyWord:
        tint = {QColor(214, 222, 255), QColor(60, 90, 255)};
        break;
    case LxdSentence::Unmatched:
        tint = {QColor(255, 205, 205), QColor(220, 40, 40)};
        break;
    case LxdSentence::Doubtful:
        tint = {QColor(255, 236, 179), QColor(230, 160, 0)};
        break;
    default:
        break;
    }
    const QColor base = QGuiApplication::palette().color(QPalette::Active, QPalette::Base);
    if (!tint.light.isValid())
        return base;
    if (base.lightnessF() < 0.5)
        return DesktopLook::tinted(base, tint.hue, 0.3);
    // Multiplied into the base: on white exactly the light tint.
    return QColor(base.red() * tint.light.red() / 255, base.green() * tint.light.green() / 255,
        base.blue() * tint.light.blue() / 255);
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
        // What looks mistyped, in the words the sentence editor uses.
        if (index.column() == 0 && sentence->bracketStatus() == LxdSentence::Doubtful)
            return BracketText::problemTexts(sentence->textRef()).join(QLatin1Char('\n'));
        break;
    case Qt::BackgroundRole:
    case Qt::ForegroundRole:
        if (index.column() == 2) {
            const QColor background = sentenceBackground(sentence->bracketStatus());
            if (role == Qt::BackgroundRole)
                return background;
            // The palette's text where it reads on the tint, else black or white.
            return DesktopLook::readableOn(
                background, QGuiApplication::palette().color(QPalette::Active, QPalette::Text));
        }
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
    showItem(index.row());
}

void LxdbSentenceTableModel::showItem(int row)
{
    beginResetModel();
    m_currentItem = (row >= 0 && row < database->itemCount()) ? row : -1;
    endResetModel();
}

// Selections and current indexes stay with their sentences across a new order: the rows follow
// the moves the database makes, as the sentences themselves do.
void LxdbSentenceTableModel::beginReorder(int item)
{
    if (item != m_currentItem)
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    m_before = persistentIndexList();
}

void LxdbSentenceTableModel::endReorder(int item)
{
    if (item != m_currentItem)
        return;
    // order[r] is the row before the moves of the sentence now at row r.
    QList<int> order(database->sentenceCount(item));
    for (qsizetype r = 0; r < order.size(); ++r)
        order[r] = int(r);
    for (const auto &move : database->sentenceMoves()) {
        if (move.first >= 0 && move.first < order.size() && move.second >= 0 && move.second < order.size())
            order.move(move.first, move.second);
    }
    QList<int> rowAfter(order.size());
    for (qsizetype r = 0; r < order.size(); ++r)
        rowAfter[order.at(r)] = int(r);
    QModelIndexList after;
    after.reserve(m_before.size());
    for (const QModelIndex &cell : std::as_const(m_before)) {
        const int row = cell.row();
        after.append(
            row >= 0 && row < rowAfter.size() ? index(rowAfter.at(row), cell.column()) : QModelIndex());
    }
    changePersistentIndexList(m_before, after);
    m_before.clear();
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QModelIndex LxdbSentenceTableModel::cellIndex(int row, int column) const
{
    return createIndex(row, column);
}
