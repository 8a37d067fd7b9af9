// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/randomdraw.h"

#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"

#include <QHash>

#include <algorithm>

namespace {

// The positions still in a list of `n`, by rank: the k-th left is found and taken out in
// logarithmic time (a Fenwick tree of ones), so a draw of a few picks from a large list neither
// copies the list nor closes the gaps it leaves.
class RankedSet
{
public:
    explicit RankedSet(int n)
        : m_tree(n + 1, 0)
    {
        for (int i = 1; i <= n; ++i) {
            m_tree[i] += 1;
            const int parent = i + (i & -i);
            if (parent <= n)
                m_tree[parent] += m_tree[i];
        }
        m_top = 1;
        while (m_top * 2 <= n)
            m_top *= 2;
        m_size = n;
    }

    int size() const { return m_size; }

    // The position of the k-th (from 0) still in the set.
    int at(int k) const
    {
        int position = 0;
        for (int step = m_top; step > 0; step /= 2) {
            const int next = position + step;
            if (next < int(m_tree.size()) && m_tree[next] <= k) {
                position = next;
                k -= m_tree[next];
            }
        }
        return position;
    }

    void remove(int position)
    {
        for (int i = position + 1; i < int(m_tree.size()); i += i & -i)
            --m_tree[i];
        --m_size;
    }

private:
    QList<int> m_tree;
    int m_top = 0;
    int m_size = 0;
};

} // namespace

RandomDraw::RandomDraw(
    const LxdDatabase *database, const RandomDrawOptions &options, const QSet<QString> &exclude)
    : m_options(options)
{
    if (!database)
        return;
    const int count = database->itemCount();
    qsizetype total = 0;
    for (int i = 0; i < count; ++i)
        total += database->itemAt(i)->sentenceCount();
    m_sentences.reserve(total);
    m_items.reserve(count);
    m_starts.reserve(count + 1);
    // The sentences of a headword lie side by side: one sweep over them reads a million counts
    // without a jump through the heap per sentence.
    const bool all = options.includeUsed && exclude.isEmpty();
    for (int i = 0; i < count; ++i) {
        const QList<LxdSentence> &list = database->itemAt(i)->sentences;
        if (options.selectFromUsed
            && std::none_of(list.cbegin(), list.cend(), [](const LxdSentence &s) { return s.used() > 0; }))
            continue;
        const int size = int(list.size());
        const qsizetype start = m_sentences.size();
        for (int j = 0; j < size; ++j) {
            const LxdSentence &sentence = list.at(j);
            if (all
                || ((options.includeUsed || sentence.used() < 1)
                    && (exclude.isEmpty() || !exclude.contains(sentence.textRef()))))
                m_sentences.append(j);
        }
        if (m_sentences.size() == start)
            continue;
        m_items.append(i);
        m_starts.append(int(m_sentences.size()));
    }
}

int RandomDraw::available() const
{
    return m_options.allowMultiples ? int(m_sentences.size()) : int(m_items.size());
}

QList<RandomPick> RandomDraw::draw(RandomSource &random) const
{
    // The same picks as drawing from a copy of the candidates and taking out what was drawn: a
    // headword by its rank among those left, then a sentence by its rank among its own left.
    RankedSet headwords(int(m_items.size()));
    QHash<int, QList<int>> sentencesLeft; // only the headwords drawn from, with multiples allowed
    QList<RandomPick> picks;
    while (picks.size() < m_options.total && headwords.size() > 0) {
        const int k = headwords.at(random.bounded(headwords.size()));
        const int start = m_starts.at(k);
        const int size = m_starts.at(k + 1) - start;
        if (!m_options.allowMultiples) {
            picks.append({m_items.at(k), m_sentences.at(start + random.bounded(size))});
            headwords.remove(k);
            continue;
        }
        auto left = sentencesLeft.find(k);
        if (left == sentencesLeft.end())
            left = sentencesLeft.insert(k, m_sentences.mid(start, size));
        const int j = random.bounded(int(left->size()));
        picks.append({m_items.at(k), left->at(j)});
        left->removeAt(j);
        if (left->isEmpty())
            headwords.remove(k);
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
    // The counts are the database's own: the change counts as unsaved.
    if (!texts.isEmpty())
        database->setModified(true);
    return texts;
}
