// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LXDPENDINGAPPEND_H
#define LXDPENDINGAPPEND_H

#include "data/lxddatabase.h"
#include "data/lxdmergeplan.h"

#include <QHash>
#include <QList>
#include <QString>

// The first headword of the database for each hash of a trimmed text; valid while the database holds
// the same records.
struct LxdDatabase::HeadwordIndex
{
    QHash<size_t, int> firstByHash;
    QList<LxdItem *> indexedItems;
};

// A database file read for an append, held as its own text until the caller has decided what to
// do with repeated headwords: a repeated sentence only adds its count, and only what is kept
// becomes a record with a text of its own.
class LxdPendingAppend : public LxdIncoming
{
public:
    // Reads the file anew; false when it cannot be read, and then it holds nothing.
    bool read(const QString &fileName);

    qsizetype headwordCount() const override { return items.size(); }
    QStringView headword(qsizetype j) const override { return view(j, items.at(j).headword); }
    qsizetype sentenceCount(qsizetype j) const override { return items.at(j).sentenceCount; }
    LxdIncoming::Sentence sentence(qsizetype j, qsizetype k) const override
    {
        const Sentence &s = sentences.at(items.at(j).firstSentence + k);
        return {s.stored ? view(j, s.text) : QStringView(), s.used, s.stored};
    }

    // The database's headwords as found by the test for repeats, so that the plan need not look
    // them up again.
    LxdDatabase::HeadwordIndex index;

private:
    struct Span // a piece of one of `lines`
    {
        qsizetype begin = 0;
        qsizetype size = 0;
    };
    struct Sentence
    {
        Span text; // trimmed field less its count
        int used = 0;
        bool stored = false; // false: the field was too short to hold a sentence
    };
    struct Item
    {
        Span headword; // the trimmed line's first part
        qsizetype firstSentence = 0;
        qsizetype sentenceCount = 0;
    };

    QStringView view(qsizetype j, Span span) const
    {
        return QStringView(lines.at(j)).sliced(span.begin, span.size);
    }
    void clear();

    // The file's lines, trimmed, one text each beside `items`: a heap block the size of a line is
    // likely one freed before, where one text of the whole file would be memory the system must
    // hand out anew, page by page.
    QList<QString> lines;
    QList<Item> items;
    QList<Sentence> sentences;
};

#endif // LXDPENDINGAPPEND_H
