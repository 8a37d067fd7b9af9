// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LXDMERGEPLAN_H
#define LXDMERGEPLAN_H

#include <QList>
#include <QStringView>

class LxdItem;
#include "data/lxdsentence.h"

// Headwords that come into the database from elsewhere, as plain texts and counts: a database file
// read for an append, or what an import reader found. Nothing here is a record yet; only what a
// merge keeps becomes one.
class LxdIncoming
{
public:
    struct Sentence
    {
        QStringView text; // as it came, perhaps with white space at either end
        int used = 0;
        bool stored = true; // false: a field too short to hold a sentence, loaded empty and unchecked
    };

    virtual ~LxdIncoming() = default;
    virtual qsizetype headwordCount() const = 0;
    virtual QStringView headword(qsizetype j) const = 0;
    virtual qsizetype sentenceCount(qsizetype j) const = 0;
    virtual Sentence sentence(qsizetype j, qsizetype k) const = 0;
};

// What taking incoming headwords in will do, worked out before the database changes: the list of
// changes, in the order they are made. Made by LxdDatabase::planMerge, carried out by applyMerge.
struct LxdMergePlan
{
    enum Kind {
        HeadwordAdded, // incoming headword `headword` becomes a headword of its own, at the end
        SentenceAdded, // incoming sentence (`headword`, `sentence`), trimmed, goes to the end of `target`
        UsedAdded, // incoming sentence (`headword`, `sentence`) adds its count to (`target`,
                   // `targetSentence`)
    };
    struct Change
    {
        Kind kind;
        int headword;
        int sentence; // -1 for HeadwordAdded
        // Headwords are counted as the merge goes: those held before first, then the added ones in
        // the order they were added. The headwords are sorted only once all is done.
        int target;
        int targetSentence; // UsedAdded only, else -1
    };

    int mode = -1; // LxdDatabase::KeepDuplicates, MergeDuplicates or MergeVersions
    int headwordsBefore = 0;
    QList<Change> changes;

    int count(Kind kind) const
    {
        int n = 0;
        for (const Change &c : changes)
            n += c.kind == kind ? 1 : 0;
        return n;
    }
};

// What an applied plan changed, so that it can be taken back and made again.
struct LxdMergeChanges
{
    struct Grown // a headword held before that gained sentences or counts
    {
        LxdItem *item;
        qsizetype oldCount;
        QList<int> oldUsed;
        QList<int> newUsed; // of the sentences held before
        QList<LxdSentence> added;
    };

    bool applied = false;
    QList<LxdItem *> orderBefore;
    QList<LxdItem *> addedItems; // owned by the database once applied
    QList<Grown> grown;
    int addedSentences = 0; // in headwords held before and in added ones alike
};

#endif // LXDMERGEPLAN_H
