// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SPELLSCAN_H
#define SPELLSCAN_H

#include "data/spellchecker.h"

#include <QFuture>
#include <QList>
#include <QString>

#include <functional>

// One text to check: sentence `row` of headword `item`, or with `item` -1 entry `row` of the output
// list. A plain value, so that a check can run on a copy while the teacher goes on editing.
struct SpellSource
{
    int item = -1;
    int row = -1;
    QString text;
};

// Where a word was found: in source `source`, at `position` of its text.
struct SpellOccurrence
{
    int source = 0;
    int position = 0;
    int length = 0;
};

// One word the check found fault with, and every place it stands.
struct SpellScanEntry
{
    QString word;
    SpellChecker::Verdict verdict = SpellChecker::Unknown;
    QString variant; // for a variant word, the variant that spells it so
    QList<SpellOccurrence> occurrences;
};

struct SpellScanResult
{
    QList<SpellScanEntry> entries; // in the order the words were first found
    qint64 words = 0; // every word looked at
    bool cancelled = false;
    QString missing; // without a dictionary, what to install
};

class LxdDatabase;

namespace SpellScan {

// Every sentence of the database, as it is now.
QList<SpellSource> databaseSources(const LxdDatabase &db);

// Checks the texts in order. `progress` is told how many are done now and then; false from it stops
// the check, which then gives what it found so far, marked cancelled.
SpellScanResult run(SpellChecker &checker, const QList<SpellSource> &sources,
    const std::function<bool(int done)> &progress = {});

// The same on the thread pool with a checker of its own, so that the window stays free; the future
// reports progress in texts and can be cancelled.
QFuture<SpellScanResult> start(const QString &language, const QList<SpellSource> &sources);

// `text` with `word` at each of `positions` replaced by `replacement`; a place where the text no
// longer holds the word (it was edited since) is left alone. The replacement is written so that it
// reads as typed: a bracket in it is literal.
QString replaced(
    const QString &text, const QString &word, const QList<int> &positions, const QString &replacement);

} // namespace SpellScan

#endif // SPELLSCAN_H
