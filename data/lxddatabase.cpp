// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/lxddatabase.h"

#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "models/lxdbsentencetablemodel.h"
#include "models/lxdbwordlistmodel.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <exception>

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
    return std::any_of(item->sentences.cbegin(), item->sentences.cend(),
                       [](const LxdSentence *s) { return s->used() > 0; });
}

LxdItem *LxdDatabase::addItem()
{
    return wordListModel->addItem();
}

bool LxdDatabase::deleteItem(int i)
{
    if (i < 0 || i >= items.size())
        return false;
    delete items.takeAt(i);
    setModified(true);
    return true;
}

QModelIndex LxdDatabase::setHeadword(int i, const QString &h)
{
    LxdItem *item = itemAt(i);
    if (!item || !item->setHeadword(h))
        return QModelIndex();
    sort();
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
        if (items.at(row)->headword() == h)
            return wordListModel->index(int(row), 0);
    }
    return QModelIndex();
}

void LxdDatabase::sort()
{
    // Plain UTF-16 order, as the headword list has always been shown: capitals first, letters
    // with diacritics last.
    std::sort(items.begin(), items.end(),
              [](const LxdItem *a, const LxdItem *b) { return a->headword() < b->headword(); });
}

LxdSentence *LxdDatabase::addSentence(int i)
{
    if (i < 0 || i >= items.size())
        return nullptr;
    return sentenceTableModel->addSentence(i);
}

bool LxdDatabase::deleteSentence(int i, int j)
{
    LxdItem *item = itemAt(i);
    return item ? item->deleteSentence(j) : false;
}

bool LxdDatabase::moveSentence(int i, int from, int to)
{
    LxdItem *item = itemAt(i);
    return item ? item->moveSentence(from, to) : false;
}

void LxdDatabase::zeroUsed()
{
    for (LxdItem *item : std::as_const(items))
        item->zeroUsed();
    sentenceTableModel->refresh();
}

bool LxdDatabase::findText(const QString &s, int *itemOut, int *sentenceOut, int startItem,
                           int startSentence) const
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
        if (item->headword().indexOf(s, 0, Qt::CaseInsensitive) != -1) {
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
    wordListModel->beginReset();
    sentenceTableModel->beginReset();
}

void LxdDatabase::endModelReset()
{
    sentenceTableModel->endReset();
    wordListModel->endReset();
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

void LxdDatabase::takeItem(LxdItem *item)
{
    item->m_database = this;
    item->setDocument(document);
    for (LxdSentence *sentence : std::as_const(item->sentences))
        sentence->setDocument(document);
    items.append(item);
}

int LxdDatabase::appendFile(const QString &fileName)
{
    try {
        if (!pending)
            pending = new LxdDatabase(document, this);
        else
            pending->clear();
        if (!pending->loadText(fileName)) {
            // Nothing could be read: nothing is appended and the database stays as it was.
            delete pending;
            pending = nullptr;
            return AppendFailed;
        }

        QSet<QString> existing;
        existing.reserve(items.size());
        for (const LxdItem *item : std::as_const(items))
            existing.insert(item->headword().trimmed());
        for (const LxdItem *item : std::as_const(pending->items)) {
            if (existing.contains(item->headword().trimmed()))
                return AppendHasDuplicates;
        }

        beginModelReset();
        for (qsizetype j = pending->items.size() - 1; j >= 0; --j)
            takeItem(pending->items.at(j));
        pending->items.clear();
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

// The first sentence of `target` whose trimmed text equals `text`, found through a hash once the
// lists are long enough for it to pay.
namespace {
class SentenceLookup
{
public:
    explicit SentenceLookup(const LxdItem *target)
        : m_target(target)
    {
    }

    LxdSentence *find(const QString &text)
    {
        if (!m_indexed && m_target->sentences.size() > 16)
            buildIndex();
        if (m_indexed)
            return m_index.value(text, nullptr);
        for (LxdSentence *s : m_target->sentences) {
            if (s->textRef().trimmed() == text)
                return s;
        }
        return nullptr;
    }

    void added(LxdSentence *sentence, const QString &text)
    {
        if (m_indexed && !m_index.contains(text))
            m_index.insert(text, sentence);
    }

private:
    void buildIndex()
    {
        m_index.reserve(m_target->sentences.size() * 2);
        for (LxdSentence *s : m_target->sentences) {
            const QString t = s->textRef().trimmed();
            if (!m_index.contains(t))
                m_index.insert(t, s);
        }
        m_indexed = true;
    }

    const LxdItem *m_target;
    QHash<QString, LxdSentence *> m_index;
    bool m_indexed = false;
};
} // namespace

bool LxdDatabase::resolveAppend(int mode)
{
    if (!pending || (mode != KeepDuplicates && mode != MergeDuplicates))
        return false;

    beginModelReset();
    if (mode == KeepDuplicates) {
        for (qsizetype j = pending->items.size() - 1; j >= 0; --j)
            takeItem(pending->items.at(j));
        pending->items.clear();
    } else {
        // First headword of this database for each trimmed text; headwords moved in during the
        // loop join it, behind any earlier one of the same text.
        QHash<QString, int> firstByText;
        firstByText.reserve(items.size() + pending->items.size());
        for (qsizetype i = 0; i < items.size(); ++i) {
            const QString h = items.at(i)->headword().trimmed();
            if (!firstByText.contains(h))
                firstByText.insert(h, int(i));
        }

        QList<LxdItem *> remaining;
        for (qsizetype j = pending->items.size() - 1; j >= 0; --j) {
            LxdItem *incoming = pending->items.at(j);
            const QString h = incoming->headword().trimmed();
            const auto found = firstByText.constFind(h);
            if (found == firstByText.constEnd()) {
                firstByText.insert(h, int(items.size()));
                takeItem(incoming);
                continue;
            }
            LxdItem *target = items.at(found.value());
            SentenceLookup lookup(target);
            for (qsizetype k = incoming->sentences.size() - 1; k >= 0; --k) {
                LxdSentence *sentence = incoming->sentences.at(k);
                const QString t = sentence->textRef().trimmed();
                const int u = sentence->used();
                if (LxdSentence *same = lookup.find(t)) {
                    same->setUsed(same->used() + u);
                    continue;
                }
                // New to the headword: the incoming record itself moves over, trimmed, rather than
                // being copied into a fresh one.
                incoming->sentences.removeAt(k);
                sentence->setItem(target);
                sentence->setDocument(document);
                target->sentences.append(sentence);
                sentence->setUsed(u);
                sentence->setText(t);
                lookup.added(sentence, t);
            }
            remaining.append(incoming);
        }
        pending->items = remaining; // merged headwords go with the pending database
    }
    finishAppend();
    endModelReset();
    wordListModel->refresh();
    sentenceTableModel->refresh();
    return true;
}

void LxdDatabase::finishAppend()
{
    sort();
    setModified(true);
    delete pending;
    pending = nullptr;
}

void LxdDatabase::setModified(bool m)
{
    modified = m;
    if (!m) {
        for (LxdItem *item : std::as_const(items))
            item->setModified(false);
    }
}

bool LxdDatabase::isModified() const
{
    return modified;
}
