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

// A sentence text with storage of its own, which the sentences made from it share: released()
// once no record holds it any more, which shows that whatever owned those sentences let them go.
class WatchedText
{
public:
    explicit WatchedText(const QString &text);
    LxdSentence sentence(int used = 0) const;
    const QString &text() const { return m_text; }
    bool released() const { return m_text.isDetached(); }

private:
    QString m_text;
};

// A headword's line of the database file in the given format version, without its line end.
QString fileLine(const LxdItem &item, int version = 3);

// Lines as a database file holds them: each one followed by CR LF.
QByteArray crlfLines(const QList<QByteArray> &lines);

} // namespace DbFixtures

#endif // DBFIXTURES_H
