// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/randomdraw.h"

#include "data/lxddatabase.h"
#include "data/lxdsentence.h"

RandomDraw::RandomDraw(
    const LxdDatabase *database, const RandomDrawOptions &options, const QSet<QString> &exclude)
    : m_options(options)
{
    if (!database)
        return;
    for (int i = 0; i < database->itemCount(); ++i) {
        if (options.selectFromUsed && !database->hasUsedSentences(i))
            continue;
        Candidates candidates {i, {}};
        for (int j = 0; j < database->sentenceCount(i); ++j) {
            const LxdSentence *sentence = database->sentenceAt(i, j);
            if ((options.includeUsed || sentence->used() < 1) && !exclude.contains(sentence->text()))
                candidates.sentences.append(j);
        }
        if (candidates.sentences.isEmpty())
            continue;
        m_sentenceTotal += int(candidates.sentences.size());
        m_candidates.append(candidates);
    }
}

int RandomDraw::available() const
{
    return m_options.allowMultiples ? m_sentenceTotal : int(m_candidates.size());
}

QList<RandomPick> RandomDraw::draw(RandomSource &random) const
{
    QList<Candidates> table = m_candidates;
    QList<RandomPick> picks;
    while (picks.size() < m_options.total && !table.isEmpty()) {
        const int h = random.bounded(int(table.size()));
        QList<int> &sentences = table[h].sentences;
        const int j = random.bounded(int(sentences.size()));
        picks.append({table.at(h).item, sentences.at(j)});
        if (m_options.allowMultiples)
            sentences.removeAt(j);
        if (!m_options.allowMultiples || sentences.isEmpty())
            table.removeAt(h);
    }
    return picks;
}

QStringList RandomDraw::take(LxdDatabase *database, const QList<RandomPick> &picks)
{
    QStringList texts;
    for (const RandomPick &pick : picks) {
        LxdSentence *sentence = database->sentenceAt(pick.item, pick.sentence);
        if (!sentence)
            continue;
        texts.append(sentence->text());
        sentence->addUsed(1);
    }
    return texts;
}
