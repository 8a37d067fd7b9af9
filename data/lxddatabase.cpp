// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/lxddatabase.h"

#include "data/linefile.h"
#include "data/lxditem.h"
#include "data/lxdpendingappend.h"
#include "data/lxdsentence.h"
#include "data/samelist.h"
#include "models/lxdbsentencetablemodel.h"
#include "models/lxdbwordlistmodel.h"

#include <QHash>
#include <QSet>
#include <QVarLengthArray>

#include <algorithm>
#include <exception>
#include <limits>

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

LxdDatabase::LxdDatabase(QDomDocument *document, QObject *parent)
    : ZelElement(parent)
{
    this->document = document;
    createModels();
}

LxdDatabase::LxdDatabase(QObject *parent)
    : ZelElement(parent)
{
    createModels();
}

LxdDatabase::~LxdDatabase()
{
    for (qsizetype i = items.size() - 1; i >= 0; --i)
        delete items.at(i);
    items.clear();
    delete pending;
    pending = nullptr;
    delete sentenceTableModel;
    delete wordListModel;
}

void LxdDatabase::createModels()
{
    wordListModel = new LxdbWordListModel(this);
    sentenceTableModel = new LxdbSentenceTableModel(this);
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
    const LxdItem *item = itemAt(i);
    return item ? item->sentenceAt(j) : nullptr;
}

bool LxdDatabase::hasUsedSentences(int i) const
{
    const LxdItem *item = itemAt(i);
    if (!item)
        return false;
    return std::any_of(
        item->sentences.cbegin(), item->sentences.cend(), [](const LxdSentence *s) { return s->used() > 0; });
}

LxdItem *LxdDatabase::addItem()
{
    return wordListModel->addItem();
}

bool LxdDatabase::deleteItem(int i)
{
    LxdItem *record = takeItem(i);
    delete record;
    return record != nullptr;
}

QModelIndex LxdDatabase::setHeadword(int i, const QString &h)
{
    LxdItem *item = itemAt(i);
    if (!item || h.isEmpty() || h == item->headwordRef())
        return QModelIndex();
    relayoutItems([this, item, &h] {
        item->m_headword = h;
        sortItems();
    });
    item->setModified(true);
    return indexOfHeadword(h);
}

QModelIndex LxdDatabase::indexOfItem(LxdItem *record) const
{
    const qsizetype row = items.indexOf(record);
    return row < 0 ? QModelIndex() : wordListModel->index(int(row), 0);
}

QModelIndex LxdDatabase::indexOfHeadword(const QString &h) const
{
    for (qsizetype row = 0; row < items.size(); ++row) {
        if (items.at(row)->headwordRef() == h)
            return wordListModel->index(int(row), 0);
    }
    return QModelIndex();
}

// Plain UTF-16 order, as the headword list has always been shown: capitals first, letters with
// diacritics last.
static bool headwordLess(const LxdItem *a, const LxdItem *b)
{
    return a->headwordRef() < b->headwordRef();
}

void LxdDatabase::sortItems()
{
    if (!std::is_sorted(items.cbegin(), items.cend(), headwordLess))
        std::sort(items.begin(), items.end(), headwordLess);
}

void LxdDatabase::sort()
{
    if (std::is_sorted(items.cbegin(), items.cend(), headwordLess))
        return;
    QList<LxdItem *> sorted = items;
    std::sort(sorted.begin(), sorted.end(), headwordLess);
    reorderItems(sorted);
}

LxdSentence *LxdDatabase::addSentence(int i)
{
    if (i < 0 || i >= items.size())
        return nullptr;
    return sentenceTableModel->addSentence(i);
}

bool LxdDatabase::deleteSentence(int i, int j)
{
    LxdSentence *sentence = takeSentence(i, j);
    delete sentence;
    return sentence != nullptr;
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
    for (LxdItem *item : std::as_const(items))
        item->zeroUsed();
    sentenceTableModel->refresh();
}

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
    auto searchItem = [&](int i, int *k) {
        const LxdItem *item = items.at(i);
        if (item->headwordRef().indexOf(s, 0, Qt::CaseInsensitive) != -1) {
            *k = -1;
            return true;
        }
        *k = item->findText(s, -1);
        return *k != -1;
    };

    if (startItem >= 0) {
        const int k = items.at(startItem)->findText(s, startSentence);
        if (k != -1)
            return hit(startItem, k);
    }
    for (int i = startItem + 1; i < count; ++i) {
        int k;
        if (searchItem(i, &k))
            return hit(i, k);
    }
    for (int i = 0; i <= startItem; ++i) {
        int k;
        if (searchItem(i, &k))
            return hit(i, k);
    }
    if (itemOut)
        *itemOut = -1;
    if (sentenceOut)
        *sentenceOut = -1;
    return false;
}

void LxdDatabase::beginModelReset()
{
    wordListModel->beginResetModel();
    sentenceTableModel->beginResetModel();
}

void LxdDatabase::endModelReset()
{
    sentenceTableModel->endResetModel();
    wordListModel->endResetModel();
}

void LxdDatabase::clear()
{
    if (items.isEmpty())
        return;
    beginModelReset();
    for (qsizetype i = items.size() - 1; i >= 0; --i)
        delete items.at(i);
    items.clear();
    endModelReset();
    wordListModel->refresh();
    sentenceTableModel->refresh();
}

LxdItem *LxdDatabase::adoptPending(int j)
{
    const PendingAppend::Item &source = pending->items.at(j);
    auto *item = new LxdItem(document, this, nullptr);
    item->m_headword = pending->view(source.headword).toString();
    item->sentences.reserve(source.sentenceCount);
    for (qsizetype k = 0; k < source.sentenceCount; ++k) {
        const PendingAppend::Sentence &s = pending->sentences.at(source.firstSentence + k);
        auto *sentence = new LxdSentence(document, item, nullptr);
        sentence->setLoaded(s.stored ? pending->view(s.text).toString() : QString(), s.used);
        item->sentences.append(sentence);
    }
    items.append(item);
    return item;
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

void LxdDatabase::indexHeadwords()
{
    pending->firstByHash.clear();
    pending->firstByHash.reserve(items.size() + pending->items.size());
    // Filled from the end, so that the first of equal headwords wins.
    for (qsizetype i = items.size() - 1; i >= 0; --i)
        pending->firstByHash.insert(headwordHash(trimmedText(items.at(i)->headwordRef())), int(i));
    pending->indexedItems = items;
}

// The first headword whose trimmed text is `key`, or -1. The index holds text hashes, not texts,
// so a lookup reads only the one headword it finds; in the unlikely case of two texts with the
// same hash the list is searched instead.
int LxdDatabase::firstHeadword(QStringView key) const
{
    const auto found = pending->firstByHash.constFind(headwordHash(key));
    if (found == pending->firstByHash.constEnd())
        return -1;
    if (trimmedText(items.at(found.value())->headwordRef()) == key)
        return found.value();
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (trimmedText(items.at(i)->headwordRef()) == key)
            return int(i);
    }
    return -1;
}

int LxdDatabase::appendFile(const QString &fileName)
{
    try {
        // A pending append that was never resolved is simply replaced.
        if (!pending)
            pending = new PendingAppend;
        if (!readPending(fileName)) {
            // Nothing could be read: nothing is appended and the database stays as it was.
            delete pending;
            pending = nullptr;
            return AppendFailed;
        }

        indexHeadwords();
        for (const PendingAppend::Item &item : std::as_const(pending->items)) {
            if (firstHeadword(trimmedText(pending->view(item.headword))) >= 0)
                return AppendHasDuplicates;
        }

        beginModelReset();
        for (qsizetype j = pending->items.size() - 1; j >= 0; --j)
            adoptPending(int(j));
        finishAppend();
        endModelReset();
        wordListModel->refresh();
        sentenceTableModel->refresh();
        return AppendDone;
    } catch (...) {
        delete pending;
        pending = nullptr;
        return AppendFailed;
    }
}

namespace {
// The first sentence of `target` whose trimmed text equals a given one. Candidates are sifted by
// length, read from the records themselves, so that most texts are never touched; a hash takes
// over once the list is long.
class SentenceLookup
{
public:
    explicit SentenceLookup(const LxdItem *target)
    {
        const QList<LxdSentence *> &list = target->sentences;
        if (list.size() > 32) {
            for (LxdSentence *s : list)
                add(s);
            return;
        }
        // The lengths are gathered in one pass without decisions in between, so that the records,
        // scattered over the heap, are fetched from memory all at once instead of one after another.
        m_sentences.resize(list.size());
        m_lengths.resize(list.size());
        for (qsizetype k = 0; k < list.size(); ++k) {
            LxdSentence *s = list.at(k);
            m_sentences[k] = s;
            m_lengths[k] = s->hasOuterSpace() ? -s->textRef().size() : s->textRef().size();
        }
    }

    // `text` is trimmed.
    LxdSentence *find(QStringView text) const
    {
        if (!m_index.isEmpty())
            return m_index.value(text, nullptr);
        const qsizetype length = text.size();
        for (qsizetype k = 0; k < m_sentences.size(); ++k) {
            // A negative length marks a text with white space at an end: it may trim to `text`.
            const qsizetype own = m_lengths.at(k);
            if (own == length) {
                if (QStringView(m_sentences.at(k)->textRef()) == text)
                    return m_sentences.at(k);
            } else if (own < 0 && -own > length) {
                if (trimmedText(m_sentences.at(k)->textRef()) == text)
                    return m_sentences.at(k);
            }
        }
        return nullptr;
    }

    void add(LxdSentence *sentence)
    {
        if (!m_index.isEmpty()) {
            const QStringView text = trimmedText(sentence->textRef());
            if (!m_index.contains(text))
                m_index.insert(text, sentence);
            return;
        }
        const qsizetype size = sentence->textRef().size();
        m_sentences.append(sentence);
        m_lengths.append(sentence->hasOuterSpace() ? -size : size);
        if (m_sentences.size() > 32) {
            for (qsizetype i = m_sentences.size() - 1; i >= 0; --i) // the first one wins
                m_index.insert(trimmedText(m_sentences.at(i)->textRef()), m_sentences.at(i));
        }
    }

private:
    QVarLengthArray<LxdSentence *, 32> m_sentences;
    QVarLengthArray<qsizetype, 32> m_lengths;
    QHash<QStringView, LxdSentence *> m_index;
};

// A used count that grows by another one; corrupt files may hold counts whose sum an int cannot take.
int addedUsed(int own, int more)
{
    const qint64 sum = qint64(own) + more;
    return int(qBound(qint64(std::numeric_limits<int>::min()), sum, qint64(std::numeric_limits<int>::max())));
}

} // namespace

bool LxdDatabase::resolveAppend(int mode)
{
    if (!pending || (mode != KeepDuplicates && mode != MergeDuplicates))
        return false;

    beginModelReset();
    if (mode == KeepDuplicates) {
        for (qsizetype j = pending->items.size() - 1; j >= 0; --j)
            adoptPending(int(j));
    } else {
        if (!sameList(pending->indexedItems, items))
            indexHeadwords();
        for (qsizetype j = pending->items.size() - 1; j >= 0; --j) {
            const PendingAppend::Item &incoming = pending->items.at(j);
            const QStringView key = trimmedText(pending->view(incoming.headword));
            const int found = firstHeadword(key);
            if (found < 0) {
                // New to the database; equal headwords later in the loop merge into it.
                adoptPending(int(j));
                pending->firstByHash.insert(headwordHash(key), int(items.size() - 1));
                continue;
            }
            LxdItem *target = items.at(found);
            target->sentences.reserve(target->sentences.size() + incoming.sentenceCount);
            SentenceLookup lookup(target);
            // A repeated sentence adds its count to the first equal one; a new one is appended,
            // trimmed, so new sentences arrive in the reverse of their order in the file.
            for (qsizetype k = incoming.sentenceCount - 1; k >= 0; --k) {
                const PendingAppend::Sentence &source = pending->sentences.at(incoming.firstSentence + k);
                const QStringView t
                    = source.stored ? trimmedText(pending->view(source.text)) : QStringView(u"");
                if (LxdSentence *same = lookup.find(t)) {
                    same->setUsed(addedUsed(same->used(), source.used));
                    continue;
                }
                auto *sentence = new LxdSentence(document, target, nullptr);
                target->sentences.append(sentence);
                sentence->setUsed(source.used);
                sentence->setText(t.toString());
                lookup.add(sentence);
            }
        }
    }
    finishAppend();
    endModelReset();
    wordListModel->refresh();
    sentenceTableModel->refresh();
    return true;
}

void LxdDatabase::finishAppend()
{
    // Also after a merge that took in no headword: the database may have been read unsorted.
    sortItems();
    setModified(true);
    delete pending;
    pending = nullptr;
}

void LxdDatabase::setModified(bool m)
{
    const bool was = modified;
    modified = m;
    if (was != m)
        emit modifiedChanged(m);
    if (!m) {
        for (LxdItem *item : std::as_const(items))
            item->setModified(false);
    }
}

bool LxdDatabase::isModified() const
{
    return modified;
}
