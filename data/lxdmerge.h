// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LXDMERGE_H
#define LXDMERGE_H

#include "data/lxddatabase.h"
#include "data/lxdmergeplan.h"
#include "data/lxdsentence.h"

#include <QList>
#include <QStringList>

#include <vector>

class LxdItem;

// Incoming headwords taken into a database: Append, Import and a merge of the file changed on disk.
// Made from the database as it stands, it plans the merge and makes the records the plan adds, then
// changes nothing until apply(). apply() carries the merge out, revert() takes it back, each in one
// reset of the models, as often as the history asks; the database must be as the other one left it.
// The records added belong to the merge while it is not applied.
class LxdMerge
{
public:
    // `index`, when given, is what LxdDatabase::hasRepeatedHeadwords found for this database.
    LxdMerge(LxdDatabase *database, const LxdIncoming &incoming, LxdMergeMode mode,
        LxdDatabase::HeadwordIndex *index = nullptr);
    ~LxdMerge();
    LxdMerge(const LxdMerge &) = delete;
    LxdMerge &operator=(const LxdMerge &) = delete;

    void apply();
    void revert();
    bool isApplied() const { return m_applied; }

    // Whether applying changes anything: records, counts, or only the order, as the merge puts the
    // headwords in order whatever came in.
    bool changesAnything() const;

    // What it adds: headwords of their own, and sentences in all (in those and in headwords held).
    int addedHeadwords() const { return int(m_added.size()); }
    int addedSentences() const { return m_addedSentences; }
    // The texts of the added headwords, in the order of the headword list once applied.
    QStringList addedHeadwordTexts() const;

private:
    // A headword held before that gains sentences or counts. An append touches most headwords of
    // a large database, so each costs one list at most: the count changes of all lie in one list.
    struct Grown
    {
        LxdItem *item;
        qsizetype oldCount;
        QList<LxdSentence> added;
    };
    // A held sentence whose count changes.
    struct Count
    {
        int grown; // in m_grown
        int row;
        int oldUsed;
        int newUsed;
    };

    void change(bool forward);

    LxdDatabase *m_database; // not owned
    QList<LxdItem *> m_before;
    QList<LxdItem *> m_after;
    QList<LxdItem *> m_added;
    std::vector<Grown> m_grown;
    QList<Count> m_counts;
    bool m_beforeInOrder = false; // m_after is always in order
    int m_addedSentences = 0;
    bool m_applied = false;
};

#endif // LXDMERGE_H
