// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LXDPENDINGAPPEND_H
#define LXDPENDINGAPPEND_H

#include "data/lxddatabase.h"

#include <QList>
#include <QString>
#include <QStringView>

// A database file read for an append, held as its decoded text until the caller has decided what
// to do with repeated headwords. Headwords and sentences are views into that text: a repeated
// sentence only adds its count, and only what is kept becomes a record with a text of its own.
struct LxdDatabase::PendingAppend
{
    struct Sentence
    {
        QStringView text;
        int used = 0;
        bool stored = false; // false: the field was too short to hold a sentence
    };
    struct Item
    {
        QStringView headword;
        qsizetype firstSentence = 0;
        qsizetype sentenceCount = 0;
    };

    QString text;
    QList<Item> items;
    QList<Sentence> sentences;
};

#endif // LXDPENDINGAPPEND_H
