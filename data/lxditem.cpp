// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/lxditem.h"

#include "data/lxddatabase.h"
#include "data/lxdsentence.h"
#include "data/xmltext.h"

#include <QDomDocument>

LxdItem::LxdItem(QDomDocument *document, LxdDatabase *database, QObject *parent)
    : ZelElement(parent)
    , m_headword(QLatin1String(""))
    , m_database(database)
{
    this->document = document;
}

LxdItem::LxdItem(QObject *parent)
    : ZelElement(parent)
{
}

LxdItem::~LxdItem()
{
    clearSentences();
}

void LxdItem::deleteSentenceObject(LxdSentence *sentence)
{
    // A sentence made through the model has this item as QObject parent; deleting it detaches it
    // from the parent first, so the item's own QObject clean-up does not delete it again.
    delete sentence;
}

bool LxdItem::setHeadword(const QString &h)
{
    if (h.isEmpty() || h == m_headword)
        return false;
    m_headword = h;
    setModified(true);
    if (m_database)
        m_database->sort();
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
    auto *sentence = new LxdSentence(document, this, nullptr);
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
    deleteSentenceObject(sentences.takeAt(i));
    setModified(true);
    return true;
}

void LxdItem::clearSentences()
{
    for (qsizetype i = sentences.size() - 1; i >= 0; --i)
        deleteSentenceObject(sentences.at(i));
    sentences.clear();
}

void LxdItem::clear()
{
    clearSentences();
    m_headword = QString(QLatin1String(""));
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
    modified = m;
    if (!m) {
        for (LxdSentence *sentence : std::as_const(sentences))
            sentence->setModified(false);
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
    const qsizetype start = out.size();
    out += m_headword;
    for (qsizetype i = start; i < out.size(); ++i) {
        if (out.at(i) == QLatin1Char('\r') || out.at(i) == QLatin1Char('\n'))
            out[i] = QLatin1Char(' ');
    }
    for (const LxdSentence *sentence : sentences) {
        out += QLatin1String("&&&");
        sentence->appendFileText(out, version);
    }
}

void LxdItem::fromFileText(QStringView line)
{
    setModified(true);
    clearSentences();

    static const QLatin1String separator("&&&");
    line = line.trimmed();
    qsizetype start = 0;
    qsizetype sep = line.indexOf(separator, start);
    m_headword = (sep < 0 ? line : line.mid(0, sep)).toString();
    while (sep >= 0) {
        start = sep + separator.size();
        sep = line.indexOf(separator, start);
        const QStringView part = sep < 0 ? line.mid(start) : line.mid(start, sep - start);
        if (part.size() > 2) {
            auto *sentence = new LxdSentence(document, this, nullptr);
            sentence->fromFileText(part);
            sentences.append(sentence);
        }
    }
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
    if (element.tagName() != QLatin1String("item"))
        return;
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.tagName() == QLatin1String("sentence")) {
            auto *sentence = new LxdSentence(document, this, nullptr);
            sentence->fromDomElement(child);
            sentences.append(sentence);
        } else if (child.tagName() == QLatin1String("head-word")) {
            m_headword = child.text().trimmed();
        }
    }
}
