// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DBFIXTURES_H
#define DBFIXTURES_H

#include "data/lxdsentence.h"

#include <QByteArray>
#include <QList>
#include <QString>

class LxdDatabase;
class LxdItem;

namespace DbFixtures {

struct Sentence
{
    QString text;
    int used = 0;
};

// Adds a headword with its sentences through the records' own operations, as the program does
// (so the list is sorted once the headword is named), and returns it.
LxdItem *addHeadword(LxdDatabase &db, const QString &headword, const QList<Sentence> &sentences = {});

// A compact picture for comparisons: the headword, then "|text#used" for each sentence; the
// database gives one such line per headword, joined by "\n".
QString describe(const LxdItem &item);
QString describe(const LxdDatabase &db);

// A sentence that counts how many of its kind are alive, to show that the record owning it deleted
// it (a sentence is no QObject that a QPointer could watch).
class CountedSentence : public LxdSentence
{
public:
    explicit CountedSentence(LxdItem *item);
    ~CountedSentence() override;
    static int live;
};

// Lines as a database file holds them: each one followed by CR LF.
QByteArray crlfLines(const QList<QByteArray> &lines);

} // namespace DbFixtures

#endif // DBFIXTURES_H
