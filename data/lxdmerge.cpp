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
    // Headword held before -> its place in m_grown; before that, how many sentences it gains, so
    // that each list is made once at its size. Each grown headword has a slice of `countAt`, one
    // place per sentence it held, that finds the count change of a held sentence.
    std::vector<int> grownAt(size_t(held), -1);
    std::vector<qsizetype> countsFrom; // beside m_grown: where its slice of countAt starts
    std::vector<int> countAt; // held sentence -> its place in m_counts, or -1
    qsizetype grownCount = 0;
    for (const LxdMergePlan::Change &change : plan.changes) {
        if (change.kind == LxdMergePlan::HeadwordAdded || change.target >= held)
            continue;
        int &gains = grownAt[size_t(change.target)];
        if (gains < 0) {
            gains = 0;
            ++grownCount;
        }
        if (change.kind == LxdMergePlan::SentenceAdded)
            ++gains;
    }
    m_grown.reserve(size_t(grownCount));
    countsFrom.reserve(size_t(grownCount));
    std::vector<bool> isGrown(size_t(held), false);

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
        if (!isGrown[size_t(change.target)]) {
            isGrown[size_t(change.target)] = true;
            const int gains = at;
            at = int(m_grown.size());
            LxdItem *target = m_before.at(change.target);
            m_grown.push_back({target, target->sentences.size(), {}});
            if (gains > 0)
                m_grown.back().added.reserve(gains);
            countsFrom.push_back(qsizetype(countAt.size()));
            countAt.resize(countAt.size() + size_t(target->sentences.size()), -1);
        }
        Grown &grown = m_grown[size_t(at)];
        if (change.kind == LxdMergePlan::SentenceAdded) {
            grown.added.append(newSentence(s));
            continue;
        }
        if (change.targetSentence >= grown.oldCount) {
            LxdSentence &same = grown.added[change.targetSentence - grown.oldCount];
            same.setUsed(combined(same.used(), s.used));
            continue;
        }
        int &counted = countAt[size_t(countsFrom[size_t(at)] + change.targetSentence)];
        if (counted >= 0) {
            int &used = m_counts[counted].newUsed;
            used = combined(used, s.used);
            continue;
        }
        const int used = grown.item->sentences.at(change.targetSentence).used();
        counted = int(m_counts.size());
        m_counts.append({at, change.targetSentence, used, combined(used, s.used)});
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
    for (const Grown &grown : m_grown)
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
    return !m_added.isEmpty() || !m_grown.empty() || m_after != m_before;
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
        for (const Grown &grown : m_grown) {
            QList<LxdSentence> &sentences = grown.item->sentences;
            if (forward)
                sentences.append(grown.added);
            else
                sentences.resize(grown.oldCount);
        }
        for (const Count &count : std::as_const(m_counts)) {
            m_grown[size_t(count.grown)].item->sentences[count.row].setUsed(
                forward ? count.newUsed : count.oldUsed);
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
