// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FOUNDSENTENCES_H
#define FOUNDSENTENCES_H

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class LxdDatabase;
class LxdDocument;

// Taking sentences found in a text into the database.
class FoundSentences
{
    Q_DECLARE_TR_FUNCTIONS(FoundSentences)

public:
    struct Entry
    {
        int headword = -1; // the database row
        QString text; // in the bracket notation
    };
    struct Outcome
    {
        QList<Entry> added;
        QList<Entry> skipped;
        QStringList reasons; // one for each skipped entry
    };
    // Adds the entries to their headwords as one step of the history, named `stepName`. An entry is
    // skipped when its headword is gone, it holds the file's field separator "&&&", its
    // brackets are not whole, or its headword holds the
    // sentence already (also when added earlier in the same list).
    static Outcome add(LxdDocument *document, const QList<Entry> &entries, const QString &stepName);

    // The database's sentence texts and the words they use, for the finder to leave out and to count
    // as known.
    static QStringList sentencesOf(const LxdDatabase *database);
    static QStringList wordsOf(const LxdDatabase *database);
};

#endif // FOUNDSENTENCES_H
