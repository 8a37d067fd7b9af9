// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/lxddatabase.h"

#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "models/lxdbsentencetablemodel.h"
#include "models/lxdbwordlistmodel.h"

#include <QHash>
#include <QVarLengthArray>
#include <QSet>

#include <algorithm>
#include <exception>

static QStringView trimmedHeadword(const LxdItem *item)
{
    return QStringView(item->headwordRef()).trimmed();
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
        if (items.at(row)->headwordRef() == h)
            return wordListModel->index(int(row), 0);
    }
    return QModelIndex();
}

void LxdDatabase::sort()
{
    // Plain UTF-16 order, as the headword list has always been shown: capitals first, letters
    // with diacritics last.
    const auto less = [](const LxdItem *a, const LxdItem *b) { return a->headwordRef() < b->headwordRef(); };
    if (!std::is_sorted(items.cbegin(), items.cend(), less))
        std::sort(items.begin(), items.end(), less);
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

        QSet<QStringView> existing;
        existing.reserve(items.size());
        for (const LxdItem *item : std::as_const(items))
            existing.insert(trimmedHeadword(item));
        for (const LxdItem *item : std::as_const(pending->items)) {
            if (existing.contains(trimmedHeadword(item)))
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

// The first sentence of `target` whose trimmed text equals a given one. Views into the sentences'
// own texts keep the comparison free of copies; a hash takes over once the list is long.
namespace {
class SentenceLookup
{
public:
    explicit SentenceLookup(const LxdItem *target)
    {
        const qsizetype n = target->sentences.size();
        m_texts.reserve(n);
        for (LxdSentence *s : target->sentences)
            add(s);
    }

    LxdSentence *find(QStringView text) const
    {
        if (!m_index.isEmpty())
            return m_index.value(text, nullptr);
        for (qsizetype i = 0; i < m_texts.size(); ++i) {
            if (m_texts.at(i) == text)
                return m_sentences.at(i);
        }
        return nullptr;
    }

    void add(LxdSentence *sentence)
    {
        const QStringView text = QStringView(sentence->textRef()).trimmed();
        if (!m_index.isEmpty()) {
            if (!m_index.contains(text))
                m_index.insert(text, sentence);
            return;
        }
        m_texts.append(text);
        m_sentences.append(sentence);
        if (m_texts.size() > 32) {
            for (qsizetype i = m_texts.size() - 1; i >= 0; --i)
                m_index.insert(m_texts.at(i), m_sentences.at(i)); // the first one wins
        }
    }

private:
    QVarLengthArray<QStringView, 32> m_texts;
    QVarLengthArray<LxdSentence *, 32> m_sentences;
    QHash<QStringView, LxdSentence *> m_index;
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
        // First headword of this database for each trimmed text (filled from the end, so the
        // first one wins); headwords moved in during the loop join behind the earlier ones.
        QHash<QStringView, int> firstByText;
        firstByText.reserve(items.size() + pending->items.size());
        for (qsizetype i = items.size() - 1; i >= 0; --i)
            firstByText.insert(trimmedHeadword(items.at(i)), int(i));

        QList<LxdItem *> remaining;
        for (qsizetype j = pending->items.size() - 1; j >= 0; --j) {
            LxdItem *incoming = pending->items.at(j);
            const QStringView h = trimmedHeadword(incoming);
            const auto found = firstByText.constFind(h);
            if (found == firstByText.constEnd()) {
                firstByText.insert(h, int(items.size()));
                takeItem(incoming);
                continue;
            }
            LxdItem *target = items.at(found.value());
            SentenceLookup lookup(target);
            // Every incoming sentence either adds its count to an equal one (and goes) or moves
            // over itself, trimmed, rather than being copied into a fresh record.
            for (qsizetype k = incoming->sentences.size() - 1; k >= 0; --k) {
                LxdSentence *sentence = incoming->sentences.takeLast();
                const QStringView t = QStringView(sentence->textRef()).trimmed();
                if (LxdSentence *same = lookup.find(t)) {
                    same->setUsed(same->used() + sentence->used());
                    delete sentence;
                    continue;
                }
                sentence->setDocument(document);
                sentence->setItem(target);
                target->sentences.append(sentence);
                if (t.size() != sentence->textRef().size())
                    sentence->setText(t.toString());
                else
                    sentence->setModified(true);
                lookup.add(sentence);
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
