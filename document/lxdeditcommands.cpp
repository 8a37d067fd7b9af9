// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/lxdeditcommands.h"

#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdmerge.h"
#include "data/lxdsentence.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

// The name of a command in the language installed. Building a database record by record makes a
// command per record, and asking the translators for the same name each time costs about as much
// as the rest of the command; so each name is asked for once, and again after the language changes
// (installing a translator sends the application a LanguageChange).
class CommandNames : public QObject
{
public:
    static const QString &name(const char *source)
    {
        static CommandNames *names = nullptr;
        if (!names) {
            names = new CommandNames;
            if (QCoreApplication *app = QCoreApplication::instance()) {
                names->setParent(app);
                app->installEventFilter(names);
            }
        }
        auto it = names->m_names.constFind(source);
        if (it == names->m_names.constEnd())
            it = names->m_names.insert(source, LxdEditCommand::tr(source));
        return *it;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange && watched == QCoreApplication::instance())
            m_names.clear();
        return false;
    }

private:
    QHash<const char *, QString> m_names;
};

} // namespace

LxdEditCommand::LxdEditCommand(LxdDocument *document, const QString &text)
    : QUndoCommand(text)
    , m_document(document)
{
    keep(&ViewStates::before, document->viewState());
}

bool LxdEditCommand::isEmpty(const LxdViewState &state)
{
    return state.word < 0 && state.words.isEmpty() && state.sentence < 0 && state.sentenceColumn == 0
        && state.sentences.isEmpty();
}

void LxdEditCommand::keep(LxdViewState ViewStates::*which, const LxdViewState &state)
{
    if (!m_states && isEmpty(state))
        return;
    if (!m_states)
        m_states = std::make_unique<ViewStates>();
    (*m_states).*which = state;
}

LxdViewState LxdEditCommand::stored(LxdViewState ViewStates::*which) const
{
    return m_states ? (*m_states).*which : LxdViewState();
}

void LxdEditCommand::setStateBefore(const LxdViewState &state)
{
    keep(&ViewStates::before, state);
}

void LxdEditCommand::redo()
{
    if (m_first) {
        m_first = false;
        apply(true);
    } else {
        m_document->clearViews();
        apply(false);
        m_document->setViewState(stored(&ViewStates::after));
    }
    m_done = true;
}

void LxdEditCommand::undo()
{
    keep(&ViewStates::after, m_document->viewState());
    m_document->clearViews();
    revert();
    m_done = false;
    m_document->setViewState(stored(&ViewStates::before));
}

// --- Headwords -------------------------------------------------------------------------------------

// The orders before and after an edit that puts a list read out of order in order, for a record
// named `text`; a list in order needs none of this, as the record only moves to its place.
void LxdOrderNote::note(const QList<LxdItem *> &oldOrder, const LxdItem *record, const QString &text)
{
    before = oldOrder;
    after = oldOrder;
    if (!after.contains(record))
        after.append(const_cast<LxdItem *>(record));
    const auto textOf = [record, &text](const LxdItem *item) -> const QString & {
        return item == record ? text : item->headwordRef();
    };
    std::sort(after.begin(), after.end(),
        [&textOf](const LxdItem *a, const LxdItem *b) { return textOf(a) < textOf(b); });
}

LxdAddHeadwordCommand::LxdAddHeadwordCommand(LxdDocument *document, const QString &headword)
    : LxdEditCommand(document, CommandNames::name(QT_TRANSLATE_NOOP("LxdEditCommand", "Add Headword")))
    , m_headword(headword)
{ }

LxdAddHeadwordCommand::~LxdAddHeadwordCommand()
{
    if (!isDone())
        delete m_record;
}

void LxdAddHeadwordCommand::apply(bool first)
{
    if (first) {
        m_record = new LxdItem();
        m_record->setHeadword(m_headword);
        if (db()->isInOrder()) {
            m_row = db()->sortedRow(m_headword);
        } else {
            m_row = db()->itemCount();
            m_order.note(db()->items, m_record, m_headword);
        }
    }
    db()->insertItem(m_row, m_record);
    if (!m_order.isEmpty())
        db()->setItems(m_order.after);
}

void LxdAddHeadwordCommand::revert()
{
    db()->takeItem(m_order.isEmpty() ? m_row : int(db()->items.indexOf(m_record)));
    if (!m_order.isEmpty())
        db()->setItems(m_order.before);
}

LxdRenameHeadwordCommand::LxdRenameHeadwordCommand(LxdDocument *document, int row, const QString &headword)
    : LxdEditCommand(document, CommandNames::name(QT_TRANSLATE_NOOP("LxdEditCommand", "Rename Headword")))
    , m_new(headword)
    , m_from(row)
{ }

void LxdRenameHeadwordCommand::apply(bool first)
{
    if (first) {
        m_old = db()->headword(m_from);
        if (db()->isInOrderBut(m_from)) {
            m_to = db()->sortedRow(m_new, m_from);
        } else {
            LxdItem *record = db()->itemAt(m_from);
            m_order.note(db()->items, record, m_new);
            m_to = int(m_order.after.indexOf(record));
        }
    }
    db()->renameItem(m_from, m_new);
    if (m_order.isEmpty())
        db()->moveItem(m_from, m_to);
    else
        db()->setItems(m_order.after);
}

void LxdRenameHeadwordCommand::revert()
{
    db()->renameItem(m_to, m_old);
    if (m_order.isEmpty())
        db()->moveItem(m_to, m_from);
    else
        db()->setItems(m_order.before);
}

LxdDeleteHeadwordsCommand::LxdDeleteHeadwordsCommand(LxdDocument *document, const QList<int> &rows)
    : LxdEditCommand(document,
        rows.size() == 1 ? CommandNames::name(QT_TRANSLATE_NOOP("LxdEditCommand", "Delete Headword"))
                         : CommandNames::name(QT_TRANSLATE_NOOP("LxdEditCommand", "Delete Headwords")))
    , m_rows(rows)
{ }

LxdDeleteHeadwordsCommand::~LxdDeleteHeadwordsCommand()
{
    if (isDone())
        qDeleteAll(m_taken);
}

void LxdDeleteHeadwordsCommand::apply(bool)
{
    m_taken = db()->takeItems(m_rows);
}

void LxdDeleteHeadwordsCommand::revert()
{
    db()->insertItems(m_rows, m_taken);
    m_taken.clear();
}

LxdReorderHeadwordsCommand::LxdReorderHeadwordsCommand(
    LxdDocument *document, const QString &text, const QList<LxdItem *> &order)
    : LxdEditCommand(document, text)
    , m_before(document->database()->items)
    , m_after(order)
{ }

void LxdReorderHeadwordsCommand::apply(bool)
{
    db()->setItems(m_after);
}

void LxdReorderHeadwordsCommand::revert()
{
    db()->setItems(m_before);
}

// --- Sentences -------------------------------------------------------------------------------------

LxdAddSentenceCommand::LxdAddSentenceCommand(LxdDocument *document, int item, const QString &text, int used)
    : LxdEditCommand(document, CommandNames::name(QT_TRANSLATE_NOOP("LxdEditCommand", "Add Sentence")))
    , m_item(item)
{
    // Made once, here: the database and the command share its text.
    m_valid = document->database()->itemAt(item) != nullptr;
    if (m_valid)
        m_sentence = LxdSentence(text, used);
}

void LxdAddSentenceCommand::apply(bool first)
{
    // Put in at the end by the same call on every run.
    if (first && m_valid)
        m_row = db()->sentenceCount(m_item);
    if (m_valid)
        db()->insertSentence(m_item, m_row, m_sentence);
}

void LxdAddSentenceCommand::revert()
{
    if (m_valid)
        db()->takeSentence(m_item, m_row);
}

LxdEditSentenceCommand::LxdEditSentenceCommand(
    LxdDocument *document, int item, int row, const QString &text, int used)
    : LxdEditCommand(document, CommandNames::name(QT_TRANSLATE_NOOP("LxdEditCommand", "Edit Sentence")))
    , m_item(item)
    , m_row(row)
    , m_text(text)
    , m_used(used)
{
    const LxdSentence *sentence = document->database()->sentenceAt(item, row);
    m_oldText = sentence ? sentence->text() : QString();
    m_oldUsed = sentence ? sentence->used() : 0;
    m_oldStatus = sentence ? sentence->bracketStatus() : LxdSentence::Unchecked;
}

void LxdEditSentenceCommand::apply(bool)
{
    db()->setSentence(m_item, m_row, m_text, m_used);
}

void LxdEditSentenceCommand::revert()
{
    db()->setSentence(m_item, m_row, m_oldText, m_oldUsed);
    if (LxdSentence *sentence = db()->sentenceAt(m_item, m_row))
        sentence->restoreStatus(m_oldStatus);
    db()->announceSentences(m_item);
}

LxdReplaceTextsCommand::LxdReplaceTextsCommand(
    LxdDocument *document, const QString &text, const QList<LxdTextChange> &changes)
    : LxdEditCommand(document, text)
    , m_changes(changes)
{
    m_old.reserve(changes.size());
    for (const LxdTextChange &change : changes) {
        const LxdSentence *sentence = document->database()->sentenceAt(change.item, change.row);
        m_old.append({sentence ? sentence->text() : QString(),
            sentence ? sentence->bracketStatus() : int(LxdSentence::Unchecked)});
    }
}

void LxdReplaceTextsCommand::apply(bool)
{
    for (const LxdTextChange &change : std::as_const(m_changes)) {
        if (const LxdSentence *sentence = db()->sentenceAt(change.item, change.row))
            db()->setSentence(change.item, change.row, change.text, sentence->used());
    }
}

void LxdReplaceTextsCommand::revert()
{
    for (qsizetype k = m_changes.size() - 1; k >= 0; --k) {
        const LxdTextChange &change = m_changes.at(k);
        const LxdSentence *sentence = db()->sentenceAt(change.item, change.row);
        if (!sentence)
            continue;
        db()->setSentence(change.item, change.row, m_old.at(k).text, sentence->used());
        if (LxdSentence *restored = db()->sentenceAt(change.item, change.row))
            restored->restoreStatus(m_old.at(k).status);
    }
}

LxdDeleteSentencesCommand::LxdDeleteSentencesCommand(LxdDocument *document, int item, const QList<int> &rows)
    : LxdEditCommand(document,
        rows.size() == 1 ? CommandNames::name(QT_TRANSLATE_NOOP("LxdEditCommand", "Delete Sentence"))
                         : CommandNames::name(QT_TRANSLATE_NOOP("LxdEditCommand", "Delete Sentences")))
    , m_item(item)
    , m_rows(rows)
{ }

void LxdDeleteSentencesCommand::apply(bool)
{
    m_taken.clear();
    for (auto it = m_rows.crbegin(); it != m_rows.crend(); ++it)
        m_taken.prepend(db()->takeSentence(m_item, *it));
}

void LxdDeleteSentencesCommand::revert()
{
    for (qsizetype k = 0; k < m_rows.size(); ++k)
        db()->insertSentence(m_item, m_rows.at(k), m_taken.at(k));
    m_taken.clear();
}

LxdMoveSentencesCommand::LxdMoveSentencesCommand(
    LxdDocument *document, int item, const QList<QPair<int, int>> &moves)
    : LxdEditCommand(document, CommandNames::name(QT_TRANSLATE_NOOP("LxdEditCommand", "Move Sentences")))
    , m_item(item)
    , m_moves(moves)
{ }

void LxdMoveSentencesCommand::apply(bool)
{
    db()->moveSentences(m_item, m_moves);
}

void LxdMoveSentencesCommand::revert()
{
    QList<QPair<int, int>> back;
    back.reserve(m_moves.size());
    for (auto it = m_moves.crbegin(); it != m_moves.crend(); ++it)
        back.append({it->second, it->first});
    db()->moveSentences(m_item, back);
}

// --- Used counts -----------------------------------------------------------------------------------

LxdUseSentencesCommand::LxdUseSentencesCommand(
    LxdDocument *document, const QString &text, const QList<QPair<int, int>> &sentences)
    : LxdEditCommand(document, text)
    , m_sentences(sentences)
{ }

void LxdUseSentencesCommand::apply(bool first)
{
    for (const auto &pick : std::as_const(m_sentences)) {
        LxdSentence *sentence = db()->sentenceAt(pick.first, pick.second);
        if (first)
            m_old.append(sentence ? sentence->used() : 0);
        if (sentence)
            sentence->addUsed(1);
    }
    announce();
}

void LxdUseSentencesCommand::revert()
{
    // Backwards, so that a sentence used twice ends with the count it had before the first use.
    for (qsizetype k = m_sentences.size() - 1; k >= 0; --k) {
        if (LxdSentence *sentence = db()->sentenceAt(m_sentences.at(k).first, m_sentences.at(k).second))
            sentence->setUsed(m_old.at(k));
    }
    announce();
}

void LxdUseSentencesCommand::announce()
{
    // Each headword once, however many of its sentences were used.
    QList<int> items;
    items.reserve(m_sentences.size());
    for (const auto &pick : std::as_const(m_sentences))
        items.append(pick.first);
    std::sort(items.begin(), items.end());
    items.erase(std::unique(items.begin(), items.end()), items.end());
    for (int item : std::as_const(items))
        db()->announceSentences(item);
}

LxdZeroUsedCommand::LxdZeroUsedCommand(LxdDocument *document)
    : LxdEditCommand(document, CommandNames::name(QT_TRANSLATE_NOOP("LxdEditCommand", "Zero Used Counts")))
{ }

void LxdZeroUsedCommand::apply(bool)
{
    // On every run: each count that is not 0 is noted, then its headword's counts are cleared.
    // The sentences of a headword lie side by side, so a million of them are read in one sweep,
    // and only the headwords that held a count are written to and announced.
    m_counts.clear();
    LxdDatabase *database = db();
    const int count = database->itemCount();
    for (int i = 0; i < count; ++i) {
        LxdItem *item = database->itemAt(i);
        const QList<LxdSentence> &list = std::as_const(item->sentences);
        const qsizetype noted = m_counts.size();
        for (qsizetype j = 0; j < list.size(); ++j) {
            if (const int used = list.at(j).used())
                m_counts.append({i, int(j), used});
        }
        if (m_counts.size() != noted) {
            item->zeroUsed();
            database->announceSentences(i);
        }
    }
}

void LxdZeroUsedCommand::revert()
{
    LxdDatabase *database = db();
    LxdItem *item = nullptr;
    int itemRow = -1;
    for (const Count &count : std::as_const(m_counts)) {
        if (count.item != itemRow) {
            database->announceSentences(itemRow);
            itemRow = count.item;
            item = database->itemAt(itemRow);
        }
        if (LxdSentence *sentence = item ? item->sentenceAt(count.sentence) : nullptr)
            sentence->setUsed(count.used);
    }
    database->announceSentences(itemRow);
}

// --- Language --------------------------------------------------------------------------------------

LxdSetLanguageCommand::LxdSetLanguageCommand(LxdDocument *document, const QString &language)
    : LxdEditCommand(document, CommandNames::name(QT_TRANSLATE_NOOP("LxdEditCommand", "Set Language")))
    , m_after(language)
{ }

void LxdSetLanguageCommand::apply(bool)
{
    m_before = db()->language();
    db()->setLanguage(m_after);
}

void LxdSetLanguageCommand::revert()
{
    db()->setLanguage(m_before);
}

// --- Append ----------------------------------------------------------------------------------------

LxdAppendCommand::LxdAppendCommand(
    LxdDocument *document, const QString &name, std::unique_ptr<LxdMerge> merge)
    : LxdEditCommand(document,
        name.isEmpty() ? CommandNames::name(QT_TRANSLATE_NOOP("LxdEditCommand", "Append File")) : name)
    , m_merge(std::move(merge))
{ }

LxdAppendCommand::~LxdAppendCommand() = default;

void LxdAppendCommand::apply(bool)
{
    m_merge->apply();
}

void LxdAppendCommand::revert()
{
    m_merge->revert();
}
