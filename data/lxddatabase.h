// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LXDDATABASE_H
#define LXDDATABASE_H

#include "data/lxdmergeplan.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class LxdItem;
class LxdPendingAppend;
class LxdSentence;
class QDomDocument;

// The whole vocabulary in memory: the ordered headwords and the database-wide modified flag.
// Every change it makes to the list of headwords, or to the sentences of one, is announced by a
// signal before and after it, so that whoever shows the data (the item models) can follow.
class LxdDatabase : public QObject
{
    Q_OBJECT

public:
    enum AppendResult { AppendDone = 0, AppendHasDuplicates = 1, AppendFailed = 2 };
    // The answers resolveAppend takes (LxdMergeMode::Keep and Merge).
    enum AppendMode { KeepDuplicates = 0, MergeDuplicates = 1 };

    explicit LxdDatabase(QObject *parent = nullptr);
    ~LxdDatabase() override;

    int itemCount() const { return int(items.size()); }
    LxdItem *itemAt(int i) const;
    QString headword(int i) const;
    int sentenceCount(int i) const;
    LxdSentence *sentenceAt(int i, int j) const;
    bool hasUsedSentences(int i) const;

    LxdItem *addItem();
    bool deleteItem(int i);
    // The row at which the renamed headword ends, -1 when nothing changed.
    int setHeadword(int i, const QString &h);
    // The row of the record, or of the first headword with the text `h`; -1 when there is none.
    int indexOfItem(LxdItem *record) const;
    int indexOfHeadword(const QString &h) const;
    void sort();

    // Whether the headwords are in order; known without a pass over the list after the edits that
    // keep it, so that adding or renaming one headword costs a search, not a sort.
    bool isInOrder() const;
    // Whether the headwords other than the one at `skip` are in order.
    bool isInOrderBut(int skip) const;
    // The row at which a headword `h` belongs, after any equal ones, among the headwords other than
    // the one at `skip` (-1: all of them); those must be in order.
    int sortedRow(const QString &h, int skip = -1) const;
    // A record's text changed, or `items` was rearranged, outside the database's own operations:
    // it can no longer vouch for the order (sort() always looks for itself).
    void forgetOrder() { m_order = Order::Unknown; }

    LxdSentence *addSentence(int i);
    bool deleteSentence(int i, int j);
    bool moveSentence(int i, int from, int to);
    void zeroUsed();

    // Edits by position out of which the undoable commands are made. Each marks the database
    // modified and announces itself: rows inserted, removed or moved, or a reset.
    void insertItem(int i, LxdItem *item); // the database takes the record over
    LxdItem *takeItem(int i); // the caller takes the record over
    // Several at once, each run of neighbouring rows in one removal; `rows` ascending. The records
    // come back in the order of `rows`.
    QList<LxdItem *> takeItems(const QList<int> &rows);
    // Undoes takeItems: each record back at its row, `rows` ascending.
    void insertItems(const QList<int> &rows, const QList<LxdItem *> &records);
    bool moveItem(int from, int to);
    bool renameItem(int i, const QString &h); // unlike setHeadword, keeps the record where it is
    void setItems(const QList<LxdItem *> &records); // the records in a new order, or another set
    // As setItems, with `change` made to the records in the same reset of the models. `inOrder`: the
    // caller has just put the records in order (a merge), so the order need not be looked at again.
    void restoreItems(
        const QList<LxdItem *> &records, const std::function<void()> &change, bool inOrder = false);
    void insertSentence(int i, int j, const LxdSentence &sentence);
    // An empty sentence when there is none at (i, j).
    LxdSentence takeSentence(int i, int j);
    // Moves (from, to) in turn, each as QList::move; one layout change for them all.
    void moveSentences(int i, const QList<QPair<int, int>> &moves);
    // Between sentencesAboutToBeReordered and sentencesReordered: the moves being made.
    const QList<QPair<int, int>> &sentenceMoves() const { return m_sentenceMoves; }
    void setSentence(int i, int j, const QString &text, int used);
    // The texts or counts of the sentences of headword i were changed in place, on the records
    // themselves: announces it.
    void announceSentences(int i);

    // The first headword or sentence after (startItem, startSentence) that holds `s`, whatever its
    // case, going round to the top; -1 for a start from the top.
    bool findText(const QString &s, int *itemOut, int *sentenceOut, int startItem, int startSentence) const;
    // From this many headwords on, Find searches in parts on the thread pool.
    static constexpr int findInPartsFrom = 20000;
    static constexpr int findParts = 16;
    void clear();

    // An append in two stages, without a history: the file is read and, when it repeats no headword
    // held already, taken in; otherwise it waits for resolveAppend with the caller's answer.
    int appendFile(const QString &fileName);
    bool resolveAppend(int mode);
    bool hasPendingAppend() const { return pending != nullptr; }

    // The one way headwords come in, for the append and for everything else that brings headwords:
    // a plan worked out without changing anything, carried out by LxdMerge. `index`, when given,
    // keeps the headwords found by the test for repeats for the plan.
    struct HeadwordIndex;
    bool hasRepeatedHeadwords(const LxdIncoming &incoming, HeadwordIndex *index = nullptr) const;
    LxdMergePlan planMerge(
        const LxdIncoming &incoming, LxdMergeMode mode, HeadwordIndex *index = nullptr) const;

    // The hash by which an append finds repeated headwords. Tests put in a poor one, so that
    // different headwords share a hash; null restores the real one.
    using HeadwordHash = size_t (*)(QStringView text);
    static void setHeadwordHash(HeadwordHash hash);
    // Plain UTF-16 order, as the headword list has always been shown: capitals first, letters with
    // diacritics last.
    static bool headwordLess(const LxdItem *a, const LxdItem *b);

    // One flag for the whole database; the document keeps it in step with its undo history.
    void setModified(bool m);
    bool isModified() const;

    // The language of the sentences as a BCP 47 tag ("en-GB"); empty when none is set, as in a new
    // database. Setting another one marks the database modified; a tag that is not well-formed
    // sets none.
    QString language() const { return m_language; }
    void setLanguage(const QString &language);

    // Database file (line format). A write that fails leaves the old file whole and, when `error` is
    // given, says why.
    bool saveText(const QString &fileName, int version, QString *error = nullptr);
    bool loadText(const QString &fileName);

    // XML exchange document.
    bool saveXml(const QString &fileName, int version, QString *error = nullptr);
    bool saveXml(const QString &fileName);
    // `brokenTexts`, when given, learns how many texts held "&&&" and were broken up ("& & &"), as
    // the database file cannot store them. `refusal`, when given, learns why a document that keeps
    // to no limit of XmlLimits was not read (it stays empty for any other failure).
    bool loadXml(const QString &fileName, int *brokenTexts = nullptr, QString *refusal = nullptr);
    // Whether the last document read was a vocabulary database (its document element named as the
    // format names it); another kind reads as an empty database.
    bool readVocabularyDocument() const { return m_vocabularyDocument; }

    // The whole-number part of the application version, the format version the program writes.
    static int applicationFormatVersion();

signals:
    // The database-wide flag went up or down (not every change while it is up).
    void modifiedChanged(bool modified);
    void languageChanged(const QString &language);

    // Rows of headwords, each pair around the change itself; `first` to `last` inclusive.
    void headwordsAboutToBeInserted(int first, int last);
    void headwordsInserted(int first, int last);
    void headwordsAboutToBeRemoved(int first, int last);
    void headwordsRemoved(int first, int last);
    // One headword taken out at `from` and put in at `to`, as QList::move.
    void headwordAboutToBeMoved(int from, int to);
    void headwordMoved(int from, int to);
    // The same records in another order: a record's row afterwards is found by the record.
    void headwordsAboutToBeReordered();
    void headwordsReordered();
    // Anything at all may have changed: records, order and sentences.
    void aboutToReset();
    void reset();
    // The text of headword i changed in place.
    void headwordChanged(int i);

    // The sentences of headword `item`, as the headword signals.
    void sentencesAboutToBeInserted(int item, int first, int last);
    void sentencesInserted(int item, int first, int last);
    void sentencesAboutToBeRemoved(int item, int first, int last);
    void sentencesRemoved(int item, int first, int last);
    void sentencesAboutToBeReordered(int item);
    void sentencesReordered(int item);
    void sentencesChanged(int item, int first, int last);

public:
    QList<LxdItem *> items;

private:
    enum class Order { Unknown, Sorted, SortedBut, Unsorted };

    // The records read take the place of everything held; how many texts had "&&&" broken up.
    int adoptRead(const QList<LxdItem *> &read);
    void indexHeadwords(HeadwordIndex &index) const;
    int firstHeadword(const HeadwordIndex &index, QStringView key) const;
    bool repeatsHeadwords(const LxdIncoming &incoming, HeadwordIndex &index) const;
    void dropPending();
    void beginReset();
    void endReset();
    void sortItems();
    void reorderItems(const QList<LxdItem *> &records);
    void relayoutItems(const std::function<void()> &change);

    // The file read by an append that waits for the caller's decision on repeated headwords. It is
    // held as plain texts and counts: only what the decision keeps becomes records.
    LxdPendingAppend *pending = nullptr; // owned
    // What is known of the order of `items`: learnt at the count in m_orderCount; any other count
    // (the list changed behind the database's back) means nothing is known.
    // SortedBut: all in order but the record at m_loose.
    mutable Order m_order = Order::Sorted;
    mutable qsizetype m_orderCount = 0;
    mutable int m_loose = -1;
    Order order() const;
    void setOrder(Order order, int loose = -1) const
    {
        m_order = order;
        m_loose = loose;
        m_orderCount = items.size();
    }
    bool fitsAt(qsizetype row) const;
    int boundRow(const QString &h, int skip, bool after) const;
    void noteInserted(qsizetype row);
    void noteChangedAt(qsizetype row);
    void moveRow(int from, int to);
    void changeHeadword(int i, const QString &h);
    QList<QPair<int, int>> m_sentenceMoves;
    bool modified = false;
    bool m_vocabularyDocument = false;
    QString m_language;
};

#endif // LXDDATABASE_H
