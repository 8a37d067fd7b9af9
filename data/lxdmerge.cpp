// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/lxdmerge.h"

#include "data/lxditem.h"
#include "data/lxdpendingappend.h"
#include "data/lxdsentence.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <limits>
#include <vector>

namespace {

// A used count that grows by another one; corrupt files may hold counts whose sum an int cannot take.
int addedUsed(int own, int more)
{
    const qint64 sum = qint64(own) + more;
    return int(qBound(qint64(std::numeric_limits<int>::min()), sum, qint64(std::numeric_limits<int>::max())));
}

// A sentence for the end of a headword; it joins the headword when the merge is applied, so that
// nothing held is marked before.
LxdSentence newSentence(const LxdIncoming::Sentence &s)
{
    return LxdSentence(s.stored ? s.text.trimmed().toString() : QString(QLatin1String("")), s.used);
}

// An incoming headword with its sentences as they came.
LxdItem *newItem(const LxdIncoming &incoming, qsizetype j)
{
    auto *item = new LxdItem();
    item->setHeadword(incoming.headword(j).toString());
    const qsizetype count = incoming.sentenceCount(j);
    item->sentences.reserve(count);
    for (qsizetype k = 0; k < count; ++k) {
        const LxdIncoming::Sentence s = incoming.sentence(j, k);
        item->sentences.emplace_back().setLoaded(s.stored ? s.text.toString() : QString(), s.used);
    }
    return item;
}

} // namespace

LxdMerge::LxdMerge(
    LxdDatabase *database, const LxdIncoming &incoming, LxdMergeMode mode, LxdDatabase::HeadwordIndex *index)
    : m_database(database)
    , m_before(database->items)
{
    const LxdMergePlan plan = database->planMerge(incoming, mode, index);
    const int held = plan.headwordsBefore;
    const auto combined = [mode](int own, int more) {
        return mode == LxdMergeMode::Versions ? std::max(own, more) : addedUsed(own, more);
    };
    std::vector<int> grownAt(size_t(held), -1); // headword held before -> its place in m_grown
    std::vector<QHash<int, int>> rowAt; // beside m_grown: held sentence -> its place in rows

    for (const LxdMergePlan::Change &change : plan.changes) {
        if (change.kind == LxdMergePlan::HeadwordAdded) {
            m_added.append(newItem(incoming, change.headword));
            continue;
        }
        const LxdIncoming::Sentence s = incoming.sentence(change.headword, change.sentence);
        if (change.target >= held) {
            // A headword this merge adds is its own until applied: it is changed here and now.
            LxdItem *target = m_added.at(change.target - held);
            if (change.kind == LxdMergePlan::SentenceAdded) {
                target->sentences.append(newSentence(s));
            } else {
                LxdSentence &same = target->sentences[change.targetSentence];
                same.setUsed(combined(same.used(), s.used));
            }
            continue;
        }
        int &at = grownAt[size_t(change.target)];
        if (at < 0) {
            at = int(m_grown.size());
            LxdItem *target = m_before.at(change.target);
            m_grown.append({target, target->sentences.size(), {}, {}, {}, {}});
            rowAt.emplace_back();
        }
        Grown &grown = m_grown[at];
        if (change.kind == LxdMergePlan::SentenceAdded) {
            grown.added.append(newSentence(s));
            continue;
        }
        if (change.targetSentence >= grown.oldCount) {
            LxdSentence &same = grown.added[change.targetSentence - grown.oldCount];
            same.setUsed(combined(same.used(), s.used));
            continue;
        }
        QHash<int, int> &rows = rowAt[size_t(at)];
        const auto found = rows.constFind(change.targetSentence);
        if (found != rows.constEnd()) {
            int &used = grown.newUsed[found.value()];
            used = combined(used, s.used);
            continue;
        }
        const int used = grown.item->sentences.at(change.targetSentence).used();
        rows.insert(change.targetSentence, int(grown.rows.size()));
        grown.rows.append(change.targetSentence);
        grown.oldUsed.append(used);
        grown.newUsed.append(combined(used, s.used));
    }

    // The headwords are put in order once all is in, also when none came: the database may have
    // been read out of order. The order of the list before is learnt on the way, so that applying
    // and reverting the merge leave the database knowing its order, and the next lookup or sort need
    // not look at every headword again.
    m_after = m_before + m_added;
    m_beforeInOrder = std::is_sorted(m_after.cbegin(), m_after.cend(), LxdDatabase::headwordLess);
    if (!m_beforeInOrder) {
        m_beforeInOrder = std::is_sorted(m_before.cbegin(), m_before.cend(), LxdDatabase::headwordLess);
        std::sort(m_after.begin(), m_after.end(), LxdDatabase::headwordLess);
    }
    for (const Grown &grown : std::as_const(m_grown))
        m_addedSentences += int(grown.added.size());
    for (const LxdItem *item : std::as_const(m_added))
        m_addedSentences += item->sentenceCount();
}

LxdMerge::~LxdMerge()
{
    if (m_applied)
        return; // the database holds what was added
    qDeleteAll(m_added);
}

bool LxdMerge::changesAnything() const
{
    return !m_added.isEmpty() || !m_grown.isEmpty() || m_after != m_before;
}

void LxdMerge::apply()
{
    if (!m_applied)
        change(true);
}

void LxdMerge::revert()
{
    if (m_applied)
        change(false);
}

void LxdMerge::change(bool forward)
{
    const auto changeSentences = [this, forward] {
        for (const Grown &grown : std::as_const(m_grown)) {
            QList<LxdSentence> &sentences = grown.item->sentences;
            if (forward) {
                sentences.append(grown.added);
            } else {
                sentences.resize(grown.oldCount);
            }
            const QList<int> &used = forward ? grown.newUsed : grown.oldUsed;
            for (qsizetype r = 0; r < grown.rows.size(); ++r)
                sentences[grown.rows.at(r)].setUsed(used.at(r));
        }
    };
    m_database->restoreItems(forward ? m_after : m_before, changeSentences, forward || m_beforeInOrder);
    m_applied = forward;
}

QStringList LxdMerge::addedHeadwordTexts() const
{
    const QSet<const LxdItem *> added(m_added.cbegin(), m_added.cend());
    QStringList texts;
    for (const LxdItem *item : m_after) {
        if (added.contains(item))
            texts.append(item->headword());
    }
    return texts;
}
