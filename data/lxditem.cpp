// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/lxditem.h"

#include "data/linefile.h"
#include "data/lxddatabase.h"
#include "data/lxdsentence.h"
#include "data/xmltext.h"

#include <QDomDocument>

LxdItem::LxdItem(QDomDocument *document, LxdDatabase *database, QObject *parent)
    : QObject(parent)
    , m_headword(QLatin1String(""))
    , m_database(database)
{
    this->document = document;
}

LxdItem::LxdItem(QObject *parent)
    : QObject(parent)
{ }

LxdItem::~LxdItem()
{
    clearSentences();
}

bool LxdItem::setHeadword(const QString &h)
{
    if (h.isEmpty() || h == m_headword)
        return false;
    m_headword = h;
    setModified(true);
    if (m_database) {
        m_database->forgetOrder();
        m_database->sort();
    }
    return true;
}

LxdSentence *LxdItem::sentenceAt(int i) const
{
    if (i < 0 || i >= sentences.size())
        return nullptr;
    return sentences.at(i);
}

LxdSentence *LxdItem::addSentence()
{
    auto *sentence = new LxdSentence(document, this);
    sentences.append(sentence);
    setModified(true);
    return sentence;
}

bool LxdItem::moveSentence(int from, int to)
{
    const int n = sentenceCount();
    if (from < 0 || from >= n || to < 0 || to >= n)
        return false;
    sentences.move(from, to);
    setModified(true);
    return true;
}

bool LxdItem::deleteSentence(int i)
{
    if (i < 0 || i >= sentences.size())
        return false;
    delete sentences.takeAt(i);
    setModified(true);
    return true;
}

void LxdItem::clearSentences()
{
    for (qsizetype i = sentences.size() - 1; i >= 0; --i)
        delete sentences.at(i);
    sentences.clear();
}

void LxdItem::clear()
{
    clearSentences();
    m_headword = QString(QLatin1String(""));
    if (m_database)
        m_database->forgetOrder();
    setModified(true);
}

void LxdItem::zeroUsed()
{
    for (LxdSentence *sentence : std::as_const(sentences))
        sentence->zeroUsed();
}

int LxdItem::findText(const QString &s, int after) const
{
    for (int k = qMax(after + 1, 0); k < sentences.size(); ++k) {
        if (sentences.at(k)->indexOf(s) != -1)
            return k;
    }
    return -1;
}

void LxdItem::setModified(bool m)
{
    const bool was = modified;
    modified = m;
    if (!m) {
        // A sentence that changes always marks its headword, so a headword that is not marked
        // has no marked sentences: there is nothing to walk through.
        if (was) {
            for (LxdSentence *sentence : std::as_const(sentences))
                sentence->setModified(false);
        }
    } else if (m_database) {
        m_database->setModified(true);
    }
}

bool LxdItem::isModified() const
{
    return modified;
}

QString LxdItem::toFileText(int version) const
{
    QString out;
    appendFileText(out, version);
    return out;
}

void LxdItem::appendFileText(QString &out, int version) const
{
    LineFile::appendRecord(
        out, m_headword, sentences.size(), version, [this](qsizetype k, int *used) -> const QString & {
            const LxdSentence *sentence = sentences.at(k);
            *used = sentence->used();
            return sentence->textRef();
        });
}

void LxdItem::fromFileText(QStringView line)
{
    setModified(true);
    clearSentences();
    const auto expect = [this](qsizetype parts) { sentences.reserve(parts); };
    const QStringView head = LineFile::splitRecord(line, expect, [this](QStringView part) {
        auto *sentence = new LxdSentence(document, this);
        sentence->fromFileText(part);
        sentences.append(sentence);
    });
    sentences.squeeze();
    m_headword = head.toString();
    if (m_database)
        m_database->forgetOrder();
}

void LxdItem::readFileLine(QStringView line)
{
    const auto expect = [this](qsizetype parts) { sentences.reserve(parts); };
    const QStringView head = LineFile::splitRecord(line, expect, [this](QStringView part) {
        auto *sentence = new LxdSentence(document, this);
        sentence->readFileField(part);
        sentences.append(sentence);
    });
    sentences.squeeze();
    m_headword = head.toString();
    if (m_database)
        m_database->forgetOrder();
}

QDomElement LxdItem::toDomElement()
{
    if (!document)
        return QDomElement();
    QDomElement item = document->createElement(QStringLiteral("item"));
    QDomElement head = document->createElement(QStringLiteral("head-word"));
    head.appendChild(document->createTextNode(XmlText::clean(m_headword)));
    item.appendChild(head);
    for (LxdSentence *sentence : std::as_const(sentences))
        item.appendChild(sentence->toDomElement());
    return item;
}

void LxdItem::fromDomElement(const QDomElement &element)
{
    setModified(true);
    clearSentences();
    m_headword = QString(QLatin1String(""));
    if (m_database)
        m_database->forgetOrder();
    if (element.tagName() != QLatin1String("item"))
        return;
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.tagName() == QLatin1String("sentence")) {
            auto *sentence = new LxdSentence(document, this);
            sentence->fromDomElement(child);
            sentences.append(sentence);
        } else if (child.tagName() == QLatin1String("head-word")) {
            m_headword = child.text().trimmed();
            if (m_database)
                m_database->forgetOrder();
        }
    }
}
