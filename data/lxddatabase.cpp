// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/lxddatabase.h"

#include "data/languagetag.h"
#include "data/linefile.h"
#include "data/lxditem.h"
#include "data/lxdmerge.h"
#include "data/lxdpendingappend.h"
#include "data/lxdsentence.h"
#include "data/samelist.h"
#include "data/textmatcher.h"

#include <QHash>
#include <QSet>
#include <QVarLengthArray>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <atomic>
#include <exception>
#include <limits>
#include <numeric>
#include <vector>

// Trimming that skips the library call for the common text with no space at either end.
static inline QStringView trimmedText(QStringView text)
{
    if (!text.isEmpty()) {
        const char16_t first = text.front().unicode();
        const char16_t last = text.back().unicode();
        if (first > u' ' && first < 0x7f && last > u' ' && last < 0x7f)
            return text;
    }
    return text.trimmed();
}

LxdDatabase::LxdDatabase(QObject *parent)
    : QObject(parent)
{ }

LxdDatabase::~LxdDatabase()
{
    for (qsizetype i = items.size() - 1; i >= 0; --i)
        delete items.at(i);
    items.clear();
    delete pending;
    pending = nullptr;
}

LxdItem *LxdDatabase::itemAt(int i) const
{
    if (i < 0 || i >= items.size())
        return nullptr;
    return items.at(i);
}

QString LxdDatabase::headword(int i) const
{
    const LxdItem *item = itemAt(i);
    return item ? item->headword() : QString(QLatin1String(""));
}

int LxdDatabase::sentenceCount(int i) const
{
    const LxdItem *item = itemAt(i);
    return item ? item->sentenceCount() : 0;
}

LxdSentence *LxdDatabase::sentenceAt(int i, int j) const
{
    LxdItem *item = itemAt(i);
    return item ? item->sentenceAt(j) : nullptr;
}

bool LxdDatabase::hasUsedSentences(int i) const
{
    const LxdItem *item = itemAt(i);
    if (!item)
        return false;
    return std::any_of(
        item->sentences.cbegin(), item->sentences.cend(), [](const LxdSentence &s) { return s.used() > 0; });
}

LxdItem *LxdDatabase::addItem()
{
    const int n = itemCount();
    emit headwordsAboutToBeInserted(n, n);
    auto *item = new LxdItem(this);
    items.append(item);
    emit headwordsInserted(n, n);
    noteInserted(n);
    return item;
}

bool LxdDatabase::deleteItem(int i)
{
    LxdItem *record = takeItem(i);
    delete record;
    return record != nullptr;
}

int LxdDatabase::setHeadword(int i, const QString &h)
{
    LxdItem *item = itemAt(i);
    if (!item || h.isEmpty() || h == item->headwordRef())
        return -1;
    if (isInOrderBut(i)) {
        // The others are in order: the record only moves to its place.
        const int to = sortedRow(h, i);
        changeHeadword(i, h);
        moveRow(i, to);
        setOrder(Order::Sorted);
    } else {
        relayoutItems([this, item, &h] {
            item->m_headword = h;
            sortItems();
        });
    }
    setModified(true);
    return indexOfHeadword(h);
}

int LxdDatabase::indexOfItem(LxdItem *record) const
{
    if (record && isInOrder()) {
        // In a list in order the record is among those with its text.
        const QString &text = record->headwordRef();
        for (int row = boundRow(text, -1, false); row < items.size() && items.at(row)->headwordRef() == text;
             ++row) {
            if (items.at(row) == record)
                return row;
        }
        return -1;
    }
    return record ? int(items.indexOf(record)) : -1;
}

bool LxdDatabase::headwordLess(const LxdItem *a, const LxdItem *b)
{
    return a->headwordRef() < b->headwordRef();
}

int LxdDatabase::indexOfHeadword(const QString &h) const
{
    if (isInOrder() || m_order == Order::SortedBut) {
        // The record out of place, if any, is looked at by itself.
        const int skip = m_order == Order::SortedBut ? m_loose : -1;
        int row = boundRow(h, skip, false);
        if (skip >= 0 && row >= skip)
            ++row;
        if (skip >= 0 && items.at(skip)->headwordRef() == h
            && (row >= items.size() || skip < row || items.at(row)->headwordRef() != h))
            return skip;
        if (row < items.size() && row != skip && items.at(row)->headwordRef() == h)
            return row;
        return -1;
    }
    for (qsizetype row = 0; row < items.size(); ++row) {
        if (items.at(row)->headwordRef() == h)
            return int(row);
    }
    return -1;
}

LxdDatabase::Order LxdDatabase::order() const
{
    if (m_orderCount != items.size())
        m_order = Order::Unknown;
    if (m_order == Order::Unknown)
        setOrder(
            std::is_sorted(items.cbegin(), items.cend(), headwordLess) ? Order::Sorted : Order::Unsorted);
    return m_order;
}

bool LxdDatabase::isInOrder() const
{
    if (order() == Order::SortedBut)
        setOrder(fitsAt(m_loose) ? Order::Sorted : Order::Unsorted);
    return m_order == Order::Sorted;
}

bool LxdDatabase::isInOrderBut(int skip) const
{
    const Order known = order();
    if (known == Order::Sorted || (known == Order::SortedBut && skip == m_loose))
        return true;
    const LxdItem *previous = nullptr;
    for (qsizetype k = 0; k < items.size(); ++k) {
        if (k == skip)
            continue;
        if (previous && headwordLess(items.at(k), previous))
            return false;
        previous = items.at(k);
    }
    return true;
}

int LxdDatabase::sortedRow(const QString &h, int skip) const
{
    return boundRow(h, skip, true);
}

// Binary search among the records other than the one at `skip`, counted without it: the first
// whose text is not below `h`, or with `after` the first above it.
int LxdDatabase::boundRow(const QString &h, int skip, bool after) const
{
    if (skip >= items.size())
        skip = -1;
    int low = 0;
    int high = int(items.size()) - (skip >= 0 ? 1 : 0);
    while (low < high) {
        const int middle = low + (high - low) / 2;
        const QString &text = items.at(skip >= 0 && middle >= skip ? middle + 1 : middle)->headwordRef();
        if (after ? h < text : !(text < h))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

// Whether the record at `row` is in order with its neighbours.
bool LxdDatabase::fitsAt(qsizetype row) const
{
    const qsizetype n = items.size();
    return (row == 0 || !headwordLess(items.at(row), items.at(row - 1)))
        && (row + 1 >= n || !headwordLess(items.at(row + 1), items.at(row)));
}

// The notes below follow a change that has just been made to `items`; what was known before it is
// still known when the count moved by exactly that change.
void LxdDatabase::noteInserted(qsizetype row)
{
    if (m_orderCount + 1 != items.size() || (m_order != Order::Sorted && m_order != Order::Unsorted)) {
        m_order = Order::Unknown;
        return;
    }
    if (m_order == Order::Unsorted)
        setOrder(Order::Unsorted);
    else
        setOrder(fitsAt(row) ? Order::Sorted : Order::SortedBut, fitsAt(row) ? -1 : int(row));
}

// After the text of the record at `row` changed, or the record moved there from the loose place.
void LxdDatabase::noteChangedAt(qsizetype row)
{
    if (m_orderCount == items.size() && m_order == Order::Sorted)
        setOrder(fitsAt(row) ? Order::Sorted : Order::SortedBut, fitsAt(row) ? -1 : int(row));
    else
        m_order = Order::Unknown;
}

void LxdDatabase::sortItems()
{
    if (!isInOrder())
        std::sort(items.begin(), items.end(), headwordLess);
    setOrder(Order::Sorted);
}

void LxdDatabase::sort()
{
    // Checked rather than taken on trust: sorting is how a caller that rearranged `items` itself
    // puts the list right again.
    if (std::is_sorted(items.cbegin(), items.cend(), headwordLess)) {
        setOrder(Order::Sorted);
        return;
    }
    QList<LxdItem *> sorted = items;
    std::sort(sorted.begin(), sorted.end(), headwordLess);
    reorderItems(sorted);
    setOrder(Order::Sorted);
}

LxdSentence *LxdDatabase::addSentence(int i)
{
    LxdItem *item = itemAt(i);
    if (!item)
        return nullptr;
    const int n = item->sentenceCount();
    emit sentencesAboutToBeInserted(i, n, n);
    item->sentences.append(LxdSentence());
    emit sentencesInserted(i, n, n);
    setModified(true);
    return &item->sentences.last();
}

bool LxdDatabase::deleteSentence(int i, int j)
{
    if (j < 0 || j >= sentenceCount(i))
        return false;
    takeSentence(i, j);
    return true;
}

bool LxdDatabase::moveSentence(int i, int from, int to)
{
    const int n = sentenceCount(i);
    if (from < 0 || from >= n || to < 0 || to >= n)
        return false;
    moveSentences(i, {{from, to}});
    return true;
}

void LxdDatabase::zeroUsed()
{
    // Only the headwords that had a count to clear are announced: most hold none.
    for (int i = 0; i < itemCount(); ++i) {
        if (items.at(i)->zeroUsed()) {
            setModified(true);
            announceSentences(i);
        }
    }
}

namespace {

inline void prefetch(const void *address)
{
#if defined(__GNUC__)
    __builtin_prefetch(address);
#else
    Q_UNUSED(address);
#endif
}

} // namespace

bool LxdDatabase::findText(
    const QString &s, int *itemOut, int *sentenceOut, int startItem, int startSentence) const
{
    const int count = itemCount();
    // A start beyond the list (the database shrank since the last hit) searches from the top.
    if (startItem < 0 || startItem >= count)
        startItem = -1;

    auto hit = [&](int i, int k) {
        if (itemOut)
            *itemOut = i;
        if (sentenceOut)
            *sentenceOut = k;
        return true;
    };
    // The case of the text is folded once for the whole search, not once per sentence.
    const TextMatcher matcher(s);
    // The texts lie apart from their sentences and the sentences apart from their headwords, so
    // each is asked for ahead of its turn (the next two texts, the next headword's sentences and
    // first text, the headword after it): the search then seldom waits for memory.
    const auto prefetchText = [](const QList<LxdSentence> &list, qsizetype k) {
        if (k < list.size())
            prefetch(list.at(k).textRef().constData());
    };
    const auto findSentence = [&](const LxdItem *item, int after) {
        const QList<LxdSentence> &list = item->sentences;
        for (qsizetype k = qMax(after + 1, 0); k < list.size(); ++k) {
            prefetchText(list, k + 1);
            prefetchText(list, k + 2);
            if (matcher.isIn(list.at(k).textRef()))
                return int(k);
        }
        return -1;
    };
    auto searchItem = [&](int i, int *k) {
        const LxdItem *item = items.at(i);
        if (i + 2 < count)
            prefetch(items.at(i + 2));
        if (i + 1 < count) {
            const QList<LxdSentence> &next = items.at(i + 1)->sentences;
            prefetch(next.constData());
            prefetchText(next, 0);
        }
        if (matcher.isIn(item->headwordRef())) {
            *k = -1;
            return true;
        }
        *k = findSentence(item, -1);
        return *k != -1;
    };

    if (startItem >= 0) {
        const int k = findSentence(items.at(startItem), startSentence);
        if (k != -1)
            return hit(startItem, k);
    }
    // Then every headword in turn from the one after the start, round to the start itself (its
    // sentences before the start were not searched yet): the n-th of them is at(n).
    const auto at = [&](int n) { return (startItem + 1 + n) % count; };
    if (count < findInPartsFrom) {
        for (int n = 0; n < count; ++n) {
            int k;
            if (searchItem(at(n), &k))
                return hit(at(n), k);
        }
    } else {
        // A large database is searched in parts side by side, each part for its first hit; the hit
        // of the earliest part with one is the first. A part gives up once an earlier part has
        // found one.
        const int parts = findParts;
        std::vector<QPair<int, int>> found(size_t(parts), {-1, -1});
        std::atomic<int> firstPart {parts};
        QList<int> ids(parts);
        std::iota(ids.begin(), ids.end(), 0);
        QtConcurrent::blockingMap(ids, [&](int part) {
            const int from = int(qint64(count) * part / parts), to = int(qint64(count) * (part + 1) / parts);
            for (int n = from; n < to; ++n) {
                if (n % 64 == 0 && firstPart.load(std::memory_order_relaxed) < part)
                    return;
                int k;
                if (searchItem(at(n), &k)) {
                    found[size_t(part)] = {at(n), k};
                    int first = firstPart.load();
                    while (part < first && !firstPart.compare_exchange_weak(first, part)) { }
                    return;
                }
            }
        });
        const int first = firstPart.load();
        if (first < parts)
            return hit(found[size_t(first)].first, found[size_t(first)].second);
    }
    if (itemOut)
        *itemOut = -1;
    if (sentenceOut)
        *sentenceOut = -1;
    return false;
}

void LxdDatabase::beginReset()
{
    emit aboutToReset();
}

void LxdDatabase::endReset()
{
    emit reset();
}

void LxdDatabase::clear()
{
    if (items.isEmpty())
        return;
    beginReset();
    for (qsizetype i = items.size() - 1; i >= 0; --i)
        delete items.at(i);
    items.clear();
    setOrder(Order::Sorted);
    endReset();
}

static size_t realHeadwordHash(QStringView text)
{
    return qHash(text);
}

static LxdDatabase::HeadwordHash headwordHash = realHeadwordHash;

void LxdDatabase::setHeadwordHash(HeadwordHash hash)
{
    headwordHash = hash ? hash : realHeadwordHash;
}

void LxdDatabase::indexHeadwords(HeadwordIndex &index) const
{
    index.firstByHash.clear();
    index.firstByHash.reserve(items.size());
    // Filled from the end, so that the first of equal headwords wins.
    for (qsizetype i = items.size() - 1; i >= 0; --i)
        index.firstByHash.insert(headwordHash(trimmedText(items.at(i)->headwordRef())), int(i));
    index.indexedItems = items;
}

// The first headword whose trimmed text is `key`, or -1. The index holds text hashes, not texts,
// so a lookup reads only the one headword it finds; in the unlikely case of two texts with the
// same hash the list is searched instead.
int LxdDatabase::firstHeadword(const HeadwordIndex &index, QStringView key) const
{
    const auto found = index.firstByHash.constFind(headwordHash(key));
    if (found == index.firstByHash.constEnd())
        return -1;
    if (trimmedText(items.at(found.value())->headwordRef()) == key)
        return found.value();
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (trimmedText(items.at(i)->headwordRef()) == key)
            return int(i);
    }
    return -1;
}

bool LxdDatabase::repeatsHeadwords(const LxdIncoming &incoming, HeadwordIndex &index) const
{
    indexHeadwords(index);
    for (qsizetype j = 0; j < incoming.headwordCount(); ++j) {
        if (firstHeadword(index, trimmedText(incoming.headword(j))) >= 0)
            return true;
    }
    return false;
}

bool LxdDatabase::hasRepeatedHeadwords(const LxdIncoming &incoming, HeadwordIndex *index) const
{
    HeadwordIndex own;
    return repeatsHeadwords(incoming, index ? *index : own);
}

void LxdDatabase::dropPending()
{
    delete pending;
    pending = nullptr;
}

int LxdDatabase::appendFile(const QString &fileName)
{
    try {
        // A pending append that was never resolved is simply replaced.
        if (!pending)
            pending = new LxdPendingAppend;
        if (!pending->read(fileName)) {
            // Nothing could be read: nothing is appended and the database stays as it was.
            dropPending();
            return AppendFailed;
        }
        if (hasRepeatedHeadwords(*pending, &pending->index))
            return AppendHasDuplicates;
        LxdMerge(this, *pending, LxdMergeMode::Keep, &pending->index).apply();
        dropPending();
        return AppendDone;
    } catch (...) {
        dropPending();
        return AppendFailed;
    }
}

bool LxdDatabase::resolveAppend(int mode)
{
    if (!pending || (mode != KeepDuplicates && mode != MergeDuplicates))
        return false;
    LxdMerge(
        this, *pending, mode == MergeDuplicates ? LxdMergeMode::Merge : LxdMergeMode::Keep, &pending->index)
        .apply();
    dropPending();
    return true;
}

namespace {
// The first of a headword's sentences whose trimmed text equals a given one, by position. Candidates
// are sifted by length, read from the records themselves, so that most texts are never touched; a
// hash takes over once the list is long.
class SentenceLookup
{
public:
    // The sentences `target` holds (none when null), then those a plan has already given it.
    SentenceLookup(const LxdItem *target, const QList<QStringView> *more)
    {
        if (target) {
            const QList<LxdSentence> &list = target->sentences;
            // The lengths are gathered in one pass without decisions in between.
            m_texts.resize(list.size());
            m_lengths.resize(list.size());
            for (qsizetype k = 0; k < list.size(); ++k) {
                const LxdSentence &s = list.at(k);
                m_texts[k] = s.textRef();
                m_lengths[k] = s.hasOuterSpace() ? -s.textRef().size() : s.textRef().size();
            }
        }
        if (more) {
            for (QStringView text : *more)
                push(text);
        }
        if (m_texts.size() > 32)
            buildIndex();
    }

    // `text` is trimmed. -1 when there is none.
    int find(QStringView text) const
    {
        if (!m_index.isEmpty())
            return m_index.value(text, -1);
        const qsizetype length = text.size();
        for (qsizetype k = 0; k < m_texts.size(); ++k) {
            // A negative length marks a text with white space at an end: it may trim to `text`.
            const qsizetype own = m_lengths.at(k);
            if (own == length) {
                if (m_texts.at(k) == text)
                    return int(k);
            } else if (own < 0 && -own > length) {
                if (trimmedText(m_texts.at(k)) == text)
                    return int(k);
            }
        }
        return -1;
    }

    // A sentence at the end; `text` is trimmed.
    void add(QStringView text)
    {
        const int at = int(m_texts.size());
        m_texts.append(text);
        m_lengths.append(text.size());
        if (!m_index.isEmpty()) {
            if (!m_index.contains(text))
                m_index.insert(text, at);
        } else if (m_texts.size() > 32) {
            buildIndex();
        }
    }

private:
    void push(QStringView text)
    {
        m_texts.append(text);
        m_lengths.append(trimmedText(text).size() != text.size() ? -text.size() : text.size());
    }

    void buildIndex()
    {
        for (qsizetype i = m_texts.size() - 1; i >= 0; --i) // the first one wins
            m_index.insert(trimmedText(m_texts.at(i)), int(i));
    }

    QVarLengthArray<QStringView, 32> m_texts;
    QVarLengthArray<qsizetype, 32> m_lengths;
    QHash<QStringView, int> m_index;
};

} // namespace

// Keep: every incoming headword is added, from the last to the first. Merge: from the last to the
// first, a headword whose trimmed text is held already (headwords added by this merge included)
// gives its sentences to the first such headword, again from the last to the first: a sentence
// equal to one there after trimming adds its count to it, any other is appended, trimmed. So new
// sentences arrive in the reverse of their order in the incoming list, and equal incoming headwords
// new to the database end as one.
LxdMergePlan LxdDatabase::planMerge(
    const LxdIncoming &incoming, LxdMergeMode mode, HeadwordIndex *given) const
{
    HeadwordIndex own;
    HeadwordIndex &index = given ? *given : own;
    LxdMergePlan plan;
    plan.mode = mode;
    plan.headwordsBefore = int(items.size());
    const int held = plan.headwordsBefore;
    const qsizetype count = incoming.headwordCount();
    if (mode == LxdMergeMode::Keep) {
        plan.changes.reserve(count);
        for (qsizetype j = count - 1; j >= 0; --j)
            plan.changes.append({LxdMergePlan::HeadwordAdded, int(j), -1, int(held + (count - 1 - j)), -1});
        return plan;
    }
    qsizetype incomingSentences = 0;
    for (qsizetype j = 0; j < count; ++j)
        incomingSentences += incoming.sentenceCount(j);
    plan.changes.reserve(count + incomingSentences);
    if (!sameList(index.indexedItems, items))
        indexHeadwords(index);
    // The planned headwords go into the index as they are planned, which no longer describes the
    // database then.
    index.indexedItems.clear();
    QList<qsizetype> addedFrom; // the incoming headword of each added one
    // The sentences a headword is given, as a chain through the changes from the last back: most
    // headwords are merged into once, and then the lookup of one pass sees them all.
    std::vector<int> lastGiven(size_t(held), -1);
    std::vector<int> previousGiven;
    previousGiven.reserve(size_t(count + incomingSentences));
    const auto change = [&](LxdMergePlan::Kind kind, qsizetype j, qsizetype k, int target, int same) {
        plan.changes.append({kind, int(j), int(k), target, same});
        previousGiven.push_back(-1);
    };
    const auto givenText = [&](qsizetype j, qsizetype k) {
        const LxdIncoming::Sentence s = incoming.sentence(j, k);
        return s.stored ? trimmedText(s.text) : QStringView(u"");
    };
    const auto keyOf = [&](int t) {
        return t < held ? trimmedText(items.at(t)->headwordRef())
                        : trimmedText(incoming.headword(addedFrom.at(t - held)));
    };
    const auto firstOf = [&](QStringView key) {
        const auto found = index.firstByHash.constFind(headwordHash(key));
        if (found == index.firstByHash.constEnd())
            return -1;
        if (keyOf(found.value()) == key)
            return found.value();
        for (int t = 0; t < held + addedFrom.size(); ++t) {
            if (keyOf(t) == key)
                return t;
        }
        return -1;
    };

    QList<QStringView> more;
    for (qsizetype j = count - 1; j >= 0; --j) {
        const QStringView key = trimmedText(incoming.headword(j));
        const int target = firstOf(key);
        if (target < 0) {
            const int added = held + int(addedFrom.size());
            addedFrom.append(j);
            lastGiven.push_back(-1);
            change(LxdMergePlan::HeadwordAdded, j, -1, added, -1);
            index.firstByHash.insert(headwordHash(key), added);
            continue;
        }
        // What the target holds besides its records: an added headword its incoming sentences as
        // they came, then whatever earlier passes gave it.
        more.clear();
        if (target >= held) {
            const qsizetype from = addedFrom.at(target - held);
            for (qsizetype k = 0; k < incoming.sentenceCount(from); ++k) {
                const LxdIncoming::Sentence s = incoming.sentence(from, k);
                more.append(s.stored ? s.text : QStringView(u""));
            }
        }
        const qsizetype own = more.size();
        for (int c = lastGiven.at(size_t(target)); c >= 0; c = previousGiven.at(size_t(c)))
            more.append(givenText(plan.changes.at(c).headword, plan.changes.at(c).sentence));
        std::reverse(more.begin() + own, more.end());

        SentenceLookup lookup(target < held ? items.at(target) : nullptr, more.isEmpty() ? nullptr : &more);
        for (qsizetype k = incoming.sentenceCount(j) - 1; k >= 0; --k) {
            const QStringView t = givenText(j, k);
            const int same = lookup.find(t);
            if (same >= 0) {
                change(LxdMergePlan::UsedAdded, j, k, target, same);
                continue;
            }
            change(LxdMergePlan::SentenceAdded, j, k, target, -1);
            previousGiven.back() = lastGiven.at(size_t(target));
            lastGiven[size_t(target)] = int(plan.changes.size() - 1);
            lookup.add(t);
        }
    }
    return plan;
}

void LxdDatabase::setModified(bool m)
{
    const bool was = modified;
    modified = m;
    if (was != m)
        emit modifiedChanged(m);
}

bool LxdDatabase::isModified() const
{
    return modified;
}

void LxdDatabase::setLanguage(const QString &language)
{
    const QString tag = LanguageTag::normalized(language);
    if (tag == m_language)
        return;
    m_language = tag;
    setModified(true);
    emit languageChanged(tag);
}
