// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LXDDOCUMENT_H
#define LXDDOCUMENT_H

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>

class LxdDatabase;
class LxdItem;
class LxdSentence;
class QItemSelectionModel;
class QUndoStack;

// What the two lists showed: the current headword, the selected headwords, the current and the
// selected sentences of the current headword, all by row.
struct LxdViewState
{
    int word = -1;
    QList<int> words;
    int sentence = -1;
    int sentenceColumn = 0;
    QList<int> sentences;

    bool operator==(const LxdViewState &other) const
    {
        return word == other.word && words == other.words && sentence == other.sentence
            && sentences == other.sentences;
    }
};

// The database being edited with its undo history. Every edit of the teacher's goes through here
// as one undoable step; undoing it puts back the texts, counts and order, and what the lists
// showed before. Knows the views only by their selection models, so it works without a window.
class LxdDocument : public QObject
{
    Q_OBJECT

public:
    explicit LxdDocument(LxdDatabase *database, QObject *parent = nullptr);
    ~LxdDocument() override;

    LxdDatabase *database() const { return m_database; }
    QUndoStack *undoStack() const { return m_undoStack; }

    // The selection models of the headword list and of the sentence table, or null.
    void setSelectionModels(QItemSelectionModel *words, QItemSelectionModel *sentences);
    LxdViewState viewState() const;
    void setViewState(const LxdViewState &state);
    void clearViews();

    // Headwords. The headword list is kept in order: adding and renaming sort it.
    LxdItem *addHeadword(const QString &text);
    bool renameHeadword(int row, const QString &text);
    void deleteHeadwords(const QList<int> &rows);
    bool moveHeadword(int from, int to);
    bool sortHeadwords();

    // Sentences of headword `item`.
    LxdSentence *addSentence(int item, const QString &text, int used);
    bool editSentence(int item, int row, const QString &text, int used);
    void deleteSentences(int item, const QList<int> &rows);
    // Moves each of `rows` one place, as the move buttons do; returns the rows of the moved ones.
    QList<int> moveSentences(int item, const QList<int> &rows, bool up);

    // Raises the used count of each (headword, sentence) by one, a sentence named twice by two;
    // returns their texts as stored, in the order given.
    QStringList useSentences(const QList<QPair<int, int>> &sentences, const QString &stepName);
    void zeroUsed();

    // An append is made by the database in up to two stages with questions in between; the
    // document notes the database before the first and turns what the append did into one step.
    void beginAppend();
    void beginMerge();
    void endAppend();

    // Loading, creating and importing start a new history; saving marks where the file stands.
    void clearHistory();
    void setClean();
    bool isModified() const;

private:
    struct AppendNote;

    LxdDatabase *m_database; // not owned
    QUndoStack *m_undoStack;
    QItemSelectionModel *m_words = nullptr; // not owned
    QItemSelectionModel *m_sentences = nullptr; // not owned
    AppendNote *m_append = nullptr; // owned
    bool m_clearing = false;
};

#endif // LXDDOCUMENT_H
