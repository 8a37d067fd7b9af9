// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LXDPENDINGAPPEND_H
#define LXDPENDINGAPPEND_H

#include "data/lxddatabase.h"

#include <QList>
#include <QString>

// A database file read for an append, held as plain texts until the caller has decided what to
// do with repeated headwords. Keeping it free of records makes the merge cheap: a repeated
// sentence only adds its count, and only what is kept becomes a record.
struct LxdDatabase::PendingAppend
{
    struct Sentence
    {
        QString text; // null: the field was too short to hold a sentence
        int used = 0;
    };
    struct Item
    {
        QString headword;
        QList<Sentence> sentences;
    };
    QList<Item> items;
};

#endif // LXDPENDINGAPPEND_H
