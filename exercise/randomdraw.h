// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RANDOMDRAW_H
#define RANDOMDRAW_H

#include "exercise/randomsource.h"

#include <QList>
#include <QSet>
#include <QStringList>

class LxdDatabase;

// The values of the random selection dialog.
struct RandomDrawOptions
{
    int total = 10; // sentences asked for
    bool allowMultiples = false; // one headword may give several sentences
    bool includeUsed = false; // sentences used before may be drawn
    bool selectFromUsed = false; // only headwords that already have a used sentence take part
    bool addToOutput = false; // the draw is added to the output list instead of replacing it
};

// One drawn sentence, by position: headword in the database, sentence within the headword.
struct RandomPick
{
    int item = -1;
    int sentence = -1;

    bool operator==(const RandomPick &other) const
    {
        return item == other.item && sentence == other.sentence;
    }
};

// A random selection of sentences from the whole database. The candidates are taken when the
// draw is made: every headword that takes part and has at least one sentence that may be drawn,
// in database order, with those sentences. A headword without such a sentence takes no part, so
// available() is what can really be drawn (sentences with multiples allowed, headwords without)
// and draw() delivers min(total, available()) picks: exactly the number asked for whenever
// enough() holds. Headwords are chosen uniformly among those left, then a sentence uniformly
// among the headword's sentences left; a sentence is never drawn twice.
class RandomDraw
{
public:
    // Sentences whose text is in `exclude` (those already in the output list, when the draw is
    // added to it) take no part, so they are neither counted nor drawn again.
    RandomDraw(
        const LxdDatabase *database, const RandomDrawOptions &options, const QSet<QString> &exclude = {});

    int available() const;
    bool enough() const { return available() >= m_options.total; }

    QList<RandomPick> draw(RandomSource &random) const;

    // Raises the used count of each picked sentence by one and returns their texts as stored,
    // in the order of the picks.
    static QStringList take(LxdDatabase *database, const QList<RandomPick> &picks);

private:
    // The candidates in flat lists, as a database of a million sentences has a hundred thousand
    // headwords taking part: headword k is m_items[k] with the sentences
    // m_sentences[m_starts[k]] up to m_sentences[m_starts[k + 1]].
    RandomDrawOptions m_options;
    QList<int> m_items;
    QList<int> m_starts {0};
    QList<int> m_sentences;
};

#endif // RANDOMDRAW_H
