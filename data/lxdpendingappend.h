// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LXDPENDINGAPPEND_H
#define LXDPENDINGAPPEND_H

#include "data/lxddatabase.h"

#include <QAnyStringView>
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

// A database file read for an append, held as its own text until the caller has decided what to
// do with repeated headwords. Headwords and sentences are views into that text (the file's bytes
// when it is UTF-8, which is then never decoded as a whole): a repeated sentence only adds its
// count, and only what is kept becomes a record with a text of its own.
struct LxdDatabase::PendingAppend
{
    struct Sentence
    {
        QAnyStringView text; // trimmed field less its count
        int used = 0;
        bool stored = false; // false: the field was too short to hold a sentence
    };
    struct Item
    {
        QAnyStringView headword; // the trimmed line's first part
        qsizetype firstSentence = 0;
        qsizetype sentenceCount = 0;
    };

    QByteArray bytes; // the file, when it is UTF-8
    QString text; // the decoded file, in every other case
    QList<Item> items;
    QList<Sentence> sentences;

    // The first headword of the database for each hash of a trimmed text; valid while the database
    // holds the same records.
    QHash<size_t, int> firstByHash;
    QList<LxdItem *> indexedItems;
};

#endif // LXDPENDINGAPPEND_H
