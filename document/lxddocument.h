// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LXDDOCUMENT_H
#define LXDDOCUMENT_H

#include "data/lxdmergeplan.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>

#include <memory>

#include <optional>

class LxdDatabase;
class LxdItem;
class LxdMerge;
class LxdSentence;
class QItemSelectionModel;
class QUndoCommand;
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

// A sentence's new text: sentence `row` of headword `item`.
struct LxdTextChange
{
    int item = -1;
    int row = -1;
    QString text;
};

// The two questions an append asks when the appended file repeats headwords held already. The
// window answers them with its message boxes; tests answer them directly.
class LxdAppendQuestions
{
public:
    virtual ~LxdAppendQuestions() = default;
    // "Go on?" about the repeated headwords.
    virtual bool confirmRepeatedHeadwords() = 0;
    // Merge or Keep, or nothing for neither.
    virtual std::optional<LxdMergeMode> chooseMergeOrKeep() = 0;
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
    // False when there is no headword `item`.
    bool addSentence(int item, const QString &text, int used);
    bool editSentence(int item, int row, const QString &text, int used);
    void deleteSentences(int item, const QList<int> &rows);
    // New texts for several sentences as one step named `stepName`; the counts stay. Changes that
    // name no sentence, or leave its text as it is, are left out; false when none is left.
    bool replaceSentenceTexts(const QList<LxdTextChange> &changes, const QString &stepName);
    // Moves each of `rows` one place, as the move buttons do; returns the rows of the moved ones.
    QList<int> moveSentences(int item, const QList<int> &rows, bool up);

    // The language of the sentences (a BCP 47 tag, empty for none), as one step; false when the tag
    // is not well-formed or is the language already set.
    bool setLanguage(const QString &language);

    // Raises the used count of each (headword, sentence) by one, a sentence named twice by two;
    // returns their texts as stored, in the order given.
    QStringList useSentences(const QList<QPair<int, int>> &sentences, const QString &stepName);
    void zeroUsed();

    // The file commands. Each leaves the modified flag and the history as the rules for files say;
    // the caller chooses the files, reports the results and shows the busy cursor.
    enum FileResult {
        Done,
        Cancelled, // the user cancelled at an append question: nothing appended
        Failed, // the file could not be read
        NotDatabase, // the file is no text file: nothing was read
        MergeFailed, // the append was read but could not be taken in
    };
    static bool isBinaryFile(const QString &fileName);
    // Replaces the database with the file; when that fails the database is left empty and unmodified.
    FileResult open(const QString &fileName);
    // What an append or a merge did.
    struct MergeOutcome
    {
        FileResult result = Done;
        int addedHeadwords = 0; // headwords of their own
        int addedSentences = 0; // in those and in headwords held already
        QStringList newHeadwords; // the texts of the added headwords, in list order
    };
    // Adds the file's headwords, asking `questions` when some are held already; one undoable step,
    // "Append File". Once the file was read the database counts as changed and is put in order,
    // also when the teacher cancelled at a question.
    MergeOutcome append(const QString &fileName, LxdAppendQuestions *questions);
    // Takes in headwords read elsewhere (an imported word list) by the append's own rules, with its
    // questions when some are held already; one undoable step named `stepName`.
    MergeOutcome merge(const LxdIncoming &incoming, LxdAppendQuestions *questions, const QString &stepName);
    // Merges a database file into this one without asking, as one undoable step, "Merge File".
    // Versions: another version of this database's file, so that the database keeps its own changes
    // and gains another program's, and a sentence both hold keeps the larger of its two counts.
    FileResult mergeFile(const QString &fileName, LxdMergeMode mode = LxdMergeMode::Versions);
    // The writes leave the old file whole when they fail, and say why in `error`.
    bool save(const QString &fileName, QString *error = nullptr);
    // A copy beside the file, ".bak" added, that leaves the modified flag as it was.
    bool backup(const QString &fileName, QString *error = nullptr);
    static QString backupName(const QString &fileName);
    bool exportXml(const QString &fileName, QString *error = nullptr);
    // Replaces the database with the XML file, which must be one of ours; on failure the database is
    // left as it was.
    // `brokenTexts` and `refusal` as for LxdDatabase::loadXml.
    bool importXml(const QString &fileName, int *brokenTexts = nullptr, QString *refusal = nullptr);

    // Loading, creating and importing start a new history; saving marks where the file stands.
    void clearHistory();
    void setClean();
    bool isModified() const;

private:
    static bool changesDatabase(const QUndoCommand *command);
    // Reads a database file for an append or a merge; null when it is not one or cannot be read.
    static std::unique_ptr<LxdIncoming> readDatabaseFile(const QString &fileName, FileResult *result);
    // Takes `incoming` in, by `mode` where it repeats headwords held already (asked of `questions`
    // when there is none) and by Keep otherwise. `changedWhenCancelled`: as the append command
    // does, a cancelled merge still leaves the database changed and in order.
    MergeOutcome takeIn(const LxdIncoming &incoming, std::optional<LxdMergeMode> mode,
        LxdAppendQuestions *questions, const QString &stepName, bool changedWhenCancelled);
    // Makes `merge` one step of the history; false when it could not be carried out.
    bool pushMerge(std::unique_ptr<LxdMerge> merge, const QString &stepName, bool markedWhenUnchanged);

    LxdDatabase *m_database; // not owned
    QUndoStack *m_undoStack;
    QItemSelectionModel *m_words = nullptr; // not owned
    QItemSelectionModel *m_sentences = nullptr; // not owned
    bool m_clearing = false;
    int m_lastIndex = 0; // of the history, when it last moved
};

#endif // LXDDOCUMENT_H
