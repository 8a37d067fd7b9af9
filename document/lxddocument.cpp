// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/lxddocument.h"

#include "data/languagetag.h"
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "document/lxdeditcommands.h"

#include <QItemSelectionModel>
#include <QUndoStack>

#include <algorithm>

namespace {

QList<int> validRows(QList<int> rows, int count)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(
        std::remove_if(rows.begin(), rows.end(), [count](int r) { return r < 0 || r >= count; }), rows.end());
    return rows;
}

} // namespace

LxdDocument::LxdDocument(LxdDatabase *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_undoStack(new QUndoStack(this))
{
    m_undoStack->setObjectName(QStringLiteral("undoStack"));
    // Undoing back to the state of the file on disk leaves nothing to save.
    // Modified means the history is away from the state of the file, or something changed outside
    // the history (an append the teacher cancelled, a recovered copy): one flag of the database's,
    // kept in step here, and no flag on any record.
    connect(m_undoStack, &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (clean && !m_clearing)
            m_database->setModified(false);
    });
    // The output list's steps share the history but leave the file as it is.
    connect(m_undoStack, &QUndoStack::indexChanged, this, [this](int index) {
        const int from = std::min(index, m_lastIndex), to = std::max(index, m_lastIndex);
        m_lastIndex = index;
        // Already marked (the usual case while a database is being built step by step): no step
        // need be looked at.
        if (m_clearing || m_undoStack->isClean() || m_database->isModified())
            return;
        for (int i = from; i < to; ++i) {
            if (changesDatabase(m_undoStack->command(i))) {
                m_database->setModified(true);
                return;
            }
        }
    });
}

// A step of the database's own, or a macro that holds one.
bool LxdDocument::changesDatabase(const QUndoCommand *command)
{
    if (!command || dynamic_cast<const LxdEditCommand *>(command))
        return true;
    for (int i = 0; i < command->childCount(); ++i) {
        if (changesDatabase(command->child(i)))
            return true;
    }
    return false;
}

LxdDocument::~LxdDocument()
{
    // The commands own records taken out of the database; they go before the database does.
    m_clearing = true;
    m_undoStack->clear();
}

void LxdDocument::setSelectionModels(QItemSelectionModel *words, QItemSelectionModel *sentences)
{
    m_words = words;
    m_sentences = sentences;
}

LxdViewState LxdDocument::viewState() const
{
    LxdViewState state;
    if (m_words) {
        state.word = m_words->currentIndex().row();
        for (const QModelIndex &index : m_words->selectedIndexes())
            state.words.append(index.row());
        std::sort(state.words.begin(), state.words.end());
    }
    if (m_sentences) {
        const QModelIndex current = m_sentences->currentIndex();
        state.sentence = current.row();
        state.sentenceColumn = qMax(current.column(), 0);
        for (const QModelIndex &index : m_sentences->selectedIndexes()) {
            if (index.column() == 0)
                state.sentences.append(index.row());
        }
        std::sort(state.sentences.begin(), state.sentences.end());
    }
    return state;
}

void LxdDocument::clearViews()
{
    // With no current headword the sentence table is empty, so no view holds on to a row that an
    // edit is about to move or remove.
    if (m_sentences)
        m_sentences->clear();
    if (m_words)
        m_words->clear();
}

void LxdDocument::setViewState(const LxdViewState &state)
{
    if (!m_words)
        return;
    const QAbstractItemModel *words = m_words->model();
    m_words->clear();
    if (state.word >= 0 && state.word < words->rowCount())
        m_words->setCurrentIndex(words->index(state.word, 0), QItemSelectionModel::NoUpdate);
    QItemSelection wordSelection;
    for (int row : state.words) {
        if (row < words->rowCount())
            wordSelection.select(words->index(row, 0), words->index(row, 0));
    }
    m_words->select(wordSelection, QItemSelectionModel::Select);

    if (!m_sentences)
        return;
    const QAbstractItemModel *table = m_sentences->model();
    m_sentences->clear();
    QItemSelection sentenceSelection;
    for (int row : state.sentences) {
        if (row < table->rowCount())
            sentenceSelection.select(table->index(row, 0), table->index(row, table->columnCount() - 1));
    }
    if (state.sentence >= 0 && state.sentence < table->rowCount())
        m_sentences->setCurrentIndex(
            table->index(state.sentence, state.sentenceColumn), QItemSelectionModel::NoUpdate);
    m_sentences->select(sentenceSelection, QItemSelectionModel::Select);
}

// --- Headwords -------------------------------------------------------------------------------------

LxdItem *LxdDocument::addHeadword(const QString &text)
{
    if (text.isEmpty())
        return nullptr;
    auto *command = new LxdAddHeadwordCommand(this, text);
    // The rows are about to be sorted under the views' feet.
    clearViews();
    m_undoStack->push(command);
    return command->record();
}

bool LxdDocument::renameHeadword(int row, const QString &text)
{
    if (row < 0 || row >= m_database->itemCount() || text.isEmpty() || text == m_database->headword(row))
        return false;
    auto *command = new LxdRenameHeadwordCommand(this, row, text);
    clearViews();
    m_undoStack->push(command);
    return true;
}

void LxdDocument::deleteHeadwords(const QList<int> &rows)
{
    const QList<int> valid = validRows(rows, m_database->itemCount());
    if (valid.isEmpty())
        return;
    auto *command = new LxdDeleteHeadwordsCommand(this, valid);
    clearViews();
    m_undoStack->push(command);
}

bool LxdDocument::moveHeadword(int from, int to)
{
    const int n = m_database->itemCount();
    if (from < 0 || from >= n || to < 0 || to >= n || from == to)
        return false;
    QList<LxdItem *> order = m_database->items;
    order.move(from, to);
    m_undoStack->push(new LxdReorderHeadwordsCommand(this, tr("Move Headword"), order));
    return true;
}

bool LxdDocument::sortHeadwords()
{
    QList<LxdItem *> order = m_database->items;
    const auto less = [](const LxdItem *a, const LxdItem *b) { return a->headwordRef() < b->headwordRef(); };
    if (std::is_sorted(order.cbegin(), order.cend(), less))
        return false;
    std::sort(order.begin(), order.end(), less);
    m_undoStack->push(new LxdReorderHeadwordsCommand(this, tr("Sort Headwords"), order));
    return true;
}

bool LxdDocument::setLanguage(const QString &language)
{
    const QString tag = LanguageTag::normalized(language);
    if ((tag.isEmpty() && !language.trimmed().isEmpty()) || tag == m_database->language())
        return false;
    m_undoStack->push(new LxdSetLanguageCommand(this, tag));
    return true;
}

// --- Sentences -------------------------------------------------------------------------------------

bool LxdDocument::addSentence(int item, const QString &text, int used)
{
    if (!m_database->itemAt(item))
        return false;
    m_undoStack->push(new LxdAddSentenceCommand(this, item, text, used));
    return true;
}

bool LxdDocument::editSentence(int item, int row, const QString &text, int used)
{
    const LxdSentence *sentence = m_database->sentenceAt(item, row);
    if (!sentence || (sentence->text() == text && sentence->used() == used))
        return false;
    m_undoStack->push(new LxdEditSentenceCommand(this, item, row, text, used));
    return true;
}

bool LxdDocument::replaceSentenceTexts(const QList<LxdTextChange> &changes, const QString &stepName)
{
    QList<LxdTextChange> real;
    for (const LxdTextChange &change : changes) {
        const LxdSentence *sentence = m_database->sentenceAt(change.item, change.row);
        if (sentence && sentence->text() != change.text)
            real.append(change);
    }
    if (real.isEmpty())
        return false;
    m_undoStack->push(new LxdReplaceTextsCommand(this, stepName, real));
    return true;
}

void LxdDocument::deleteSentences(int item, const QList<int> &rows)
{
    const QList<int> valid = validRows(rows, m_database->sentenceCount(item));
    if (valid.isEmpty())
        return;
    m_undoStack->push(new LxdDeleteSentencesCommand(this, item, valid));
}

QList<int> LxdDocument::moveSentences(int item, const QList<int> &rows, bool up)
{
    const int count = m_database->sentenceCount(item);
    QList<int> sorted = validRows(rows, count);
    QList<QPair<int, int>> moves;
    QList<int> moved;
    if (up) {
        for (int r : std::as_const(sorted)) {
            if (r > 0) {
                moves.append({r, r - 1});
                moved.append(r - 1);
            }
        }
    } else {
        for (auto it = sorted.crbegin(); it != sorted.crend(); ++it) {
            if (*it < count - 1) {
                moves.append({*it, *it + 1});
                moved.append(*it + 1);
            }
        }
    }
    if (moves.isEmpty())
        m_database->moveSentences(item, moves); // nothing to keep, but the table lays itself out
    else
        m_undoStack->push(new LxdMoveSentencesCommand(this, item, moves));
    return moved;
}

QStringList LxdDocument::useSentences(const QList<QPair<int, int>> &sentences, const QString &stepName)
{
    QStringList texts;
    QList<QPair<int, int>> found;
    for (const auto &pick : sentences) {
        if (const LxdSentence *sentence = m_database->sentenceAt(pick.first, pick.second)) {
            texts.append(sentence->text());
            found.append(pick);
        }
    }
    if (!found.isEmpty())
        m_undoStack->push(new LxdUseSentencesCommand(this, stepName, found));
    return texts;
}

void LxdDocument::zeroUsed()
{
    m_undoStack->push(new LxdZeroUsedCommand(this));
}

// --- History ---------------------------------------------------------------------------------------

void LxdDocument::clearHistory()
{
    m_clearing = true;
    m_undoStack->clear();
    m_clearing = false;
    if (!m_database->isModified())
        m_undoStack->setClean();
    else
        m_undoStack->resetClean();
}

void LxdDocument::setClean()
{
    m_undoStack->setClean();
    m_database->setModified(false);
}

bool LxdDocument::isModified() const
{
    return m_database->isModified();
}
