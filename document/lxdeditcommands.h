// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LXDEDITCOMMANDS_H
#define LXDEDITCOMMANDS_H

#include "data/lxdsentence.h"
#include "data/samelist.h"
#include "document/lxddocument.h"

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QUndoCommand>

#include <memory>

class LxdDatabase;
class LxdItem;
class LxdMerge;

// One undoable edit of the database. The edit is made the first time the stack runs it; the
// window has already put the lists as they should be, and that is taken for the state after it
// when the step is undone. Undoing and redoing clear the lists, change the data back or forth by
// position, and show again what the lists showed before or after.
class LxdEditCommand : public QUndoCommand
{
    Q_DECLARE_TR_FUNCTIONS(LxdEditCommand)

public:
    LxdEditCommand(LxdDocument *document, const QString &text);

    void redo() final;
    void undo() final;

protected:
    virtual void apply(bool first) = 0;
    virtual void revert() = 0;
    LxdDatabase *db() const { return m_document->database(); }
    void setStateBefore(const LxdViewState &state);
    // Whether the edit is in the database; whatever it took out or put in belongs to the command
    // while it is not.
    bool isDone() const { return m_done; }

private:
    // The selections before the edit and before its undo, kept apart from the command: a command
    // made with no view showing (a database built record by record) needs none, and the history
    // may hold a million commands.
    struct ViewStates
    {
        LxdViewState before;
        LxdViewState after;
    };
    static bool isEmpty(const LxdViewState &state);
    void keep(LxdViewState ViewStates::*which, const LxdViewState &state);
    LxdViewState stored(LxdViewState ViewStates::*which) const;

    LxdDocument *m_document; // not owned
    std::unique_ptr<ViewStates> m_states; // null while both are empty
    bool m_first = true;
    bool m_done = false;
};

// The order of the headword list before and after an edit that sorts it, kept only when the list
// was out of order, so that the edit did more than move one record.
struct LxdOrderNote
{
    QList<LxdItem *> before;
    QList<LxdItem *> after;

    void note(const QList<LxdItem *> &before, const LxdItem *record, const QString &text);
    bool isEmpty() const { return before.isEmpty() && after.isEmpty(); }
};

class LxdAddHeadwordCommand : public LxdEditCommand
{
public:
    LxdAddHeadwordCommand(LxdDocument *document, const QString &headword);
    ~LxdAddHeadwordCommand() override;
    LxdItem *record() const { return m_record; }

protected:
    void apply(bool first) override;
    void revert() override;

private:
    QString m_headword;
    LxdItem *m_record = nullptr;
    int m_row = -1;
    LxdOrderNote m_order;
};

class LxdRenameHeadwordCommand : public LxdEditCommand
{
public:
    LxdRenameHeadwordCommand(LxdDocument *document, int row, const QString &headword);

protected:
    void apply(bool first) override;
    void revert() override;

private:
    QString m_old;
    QString m_new;
    int m_from;
    int m_to = -1;
    LxdOrderNote m_order;
};

class LxdDeleteHeadwordsCommand : public LxdEditCommand
{
public:
    LxdDeleteHeadwordsCommand(LxdDocument *document, const QList<int> &rows);
    ~LxdDeleteHeadwordsCommand() override;

protected:
    void apply(bool first) override;
    void revert() override;

private:
    QList<int> m_rows; // ascending
    QList<LxdItem *> m_taken;
};

// Moving one headword, or putting the list in order.
class LxdReorderHeadwordsCommand : public LxdEditCommand
{
public:
    LxdReorderHeadwordsCommand(LxdDocument *document, const QString &text, const QList<LxdItem *> &order);

protected:
    void apply(bool first) override;
    void revert() override;

private:
    QList<LxdItem *> m_before;
    QList<LxdItem *> m_after;
};

class LxdAddSentenceCommand : public LxdEditCommand
{
public:
    LxdAddSentenceCommand(LxdDocument *document, int item, const QString &text, int used);

protected:
    void apply(bool first) override;
    void revert() override;

private:
    int m_item;
    int m_row = -1;
    bool m_valid = false;
    LxdSentence m_sentence;
};

class LxdEditSentenceCommand : public LxdEditCommand
{
public:
    LxdEditSentenceCommand(LxdDocument *document, int item, int row, const QString &text, int used);

protected:
    void apply(bool first) override;
    void revert() override;

private:
    int m_item;
    int m_row;
    QString m_oldText;
    int m_oldUsed;
    int m_oldStatus;
    QString m_text;
    int m_used;
};

class LxdDeleteSentencesCommand : public LxdEditCommand
{
public:
    LxdDeleteSentencesCommand(LxdDocument *document, int item, const QList<int> &rows);

protected:
    void apply(bool first) override;
    void revert() override;

private:
    int m_item;
    QList<int> m_rows; // ascending
    QList<LxdSentence> m_taken;
};

class LxdMoveSentencesCommand : public LxdEditCommand
{
public:
    LxdMoveSentencesCommand(LxdDocument *document, int item, const QList<QPair<int, int>> &moves);

protected:
    void apply(bool first) override;
    void revert() override;

private:
    int m_item;
    QList<QPair<int, int>> m_moves;
};

// New texts for several sentences at once (a word replaced wherever it was found), one step.
class LxdReplaceTextsCommand : public LxdEditCommand
{
public:
    LxdReplaceTextsCommand(LxdDocument *document, const QString &text, const QList<LxdTextChange> &changes);

protected:
    void apply(bool first) override;
    void revert() override;

private:
    struct Old
    {
        QString text;
        int status;
    };
    QList<LxdTextChange> m_changes;
    QList<Old> m_old;
};

// The used counts raised by Use and by the random draw.
class LxdUseSentencesCommand : public LxdEditCommand
{
public:
    LxdUseSentencesCommand(
        LxdDocument *document, const QString &text, const QList<QPair<int, int>> &sentences);

protected:
    void apply(bool first) override;
    void revert() override;

private:
    void announce(); // the counts of the headwords picked from changed

    QList<QPair<int, int>> m_sentences;
    QList<int> m_old;
};

class LxdZeroUsedCommand : public LxdEditCommand
{
public:
    explicit LxdZeroUsedCommand(LxdDocument *document);

protected:
    void apply(bool first) override;
    void revert() override;

private:
    struct Count
    {
        int item;
        int sentence;
        int used;
    };
    QList<Count> m_counts; // the counts that were not 0
};

// The language of the database's sentences.
class LxdSetLanguageCommand : public LxdEditCommand
{
public:
    LxdSetLanguageCommand(LxdDocument *document, const QString &language);

protected:
    void apply(bool first) override;
    void revert() override;

private:
    QString m_before;
    QString m_after;
};

// An append, an import or a merge of a changed file: the merge made on every run and taken back.
class LxdAppendCommand : public LxdEditCommand
{
public:
    // `name` empty: "Append File".
    LxdAppendCommand(LxdDocument *document, const QString &name, std::unique_ptr<LxdMerge> merge);
    ~LxdAppendCommand() override;

protected:
    void apply(bool first) override;
    void revert() override;

private:
    std::unique_ptr<LxdMerge> m_merge;
};

#endif // LXDEDITCOMMANDS_H
