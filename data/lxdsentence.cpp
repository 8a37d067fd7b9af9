// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/lxdsentence.h"

#include "data/brackettext.h"
#include "data/linefile.h"
#include "data/lxditem.h"
#include "data/xmltext.h"

#include <QDomDocument>

#if QT_POINTER_SIZE == 8 && !defined(_MSC_VER)
// A field more, or one out of place, costs a million sentences a larger heap block each.
static_assert(sizeof(LxdSentence) <= 56, "LxdSentence no longer fits a 64-byte heap block");
#endif

LxdSentence::LxdSentence(QDomDocument *document, LxdItem *item)
    : m_item(item)
{
    this->document = document;
}

LxdSentence::LxdSentence() = default;

int LxdSentence::checkBrackets(QStringView s)
{
    return BracketText::status(s);
}

void LxdSentence::assignText(const QString &t)
{
    m_text = t;
    m_outerSpace = !t.isEmpty() && (t.front().isSpace() || t.back().isSpace());
}

int LxdSentence::setText(const QString &t)
{
    // A text with a bracket left open is kept as it is (and shown as unmatched): wiping it would
    // lose what the teacher typed or what a file held.
    const int s = checkBrackets(t);
    if (m_text != t)
        assignText(t);
    setModified(true);
    m_status = qint8(s);
    return s;
}

void LxdSentence::setUsed(int n)
{
    if (n == m_used)
        return;
    m_used = n;
    setModified(true);
}

void LxdSentence::zeroUsed()
{
    if (m_used == 0)
        return;
    m_used = 0;
    setModified(true);
}

void LxdSentence::addUsed(int n)
{
    if (n == 0)
        return;
    m_used += n;
    setModified(true);
}

int LxdSentence::indexOf(const QString &s) const
{
    return m_text.indexOf(s, 0, Qt::CaseInsensitive);
}

void LxdSentence::setItem(LxdItem *item)
{
    m_item = item;
    // A changed sentence always marks its headword; one that joins a headword keeps that true.
    if (modified && m_item)
        m_item->setModified(true);
}

void LxdSentence::setModified(bool m)
{
    modified = m;
    if (m && m_item)
        m_item->setModified(true);
}

bool LxdSentence::isModified() const
{
    return modified;
}

QString LxdSentence::toFileText(int version) const
{
    QString out;
    appendFileText(out, version);
    return out;
}

void LxdSentence::appendFileText(QString &out, int version) const
{
    LineFile::appendSentenceField(out, m_used, m_text, version);
}

// The used count between braces. Plain digits (the only thing the program writes) are read
// directly; anything else goes through QString's own conversion.
static bool parseUsed(QStringView digits, int *out)
{
    const qsizetype size = digits.size();
    qsizetype i = 0;
    const bool negative = size > 1 && digits[0] == QLatin1Char('-');
    if (negative)
        i = 1;
    if (size - i > 0 && size - i <= 9) {
        int n = 0;
        for (; i < size; ++i) {
            const char16_t c = digits[i].unicode();
            if (c < u'0' || c > u'9')
                break;
            n = n * 10 + (c - u'0');
        }
        if (i == size) {
            *out = negative ? -n : n;
            return true;
        }
    }
    bool ok = false;
    const int n = digits.toInt(&ok, 10);
    if (ok)
        *out = n;
    return ok;
}

// Splits a trimmed field into its used count and its text; false when nothing is stored.
static bool splitField(QStringView &field, int *used)
{
    field = field.trimmed();
    if (field.size() <= 2)
        return false;
    if (field.front() == QLatin1Char('{')) {
        const qsizetype close = field.indexOf(QLatin1Char('}'));
        if (close >= 2) {
            parseUsed(field.mid(1, close - 1), used);
            field = field.mid(close + 1);
        }
    } else if (field.front() == QLatin1Char('*')) {
        *used = 1;
        field = field.mid(1);
    }
    return true;
}

void LxdSentence::fromFileText(QStringView field)
{
    setModified(true);
    m_used = 0;
    assignText(QString(QLatin1String("")));
    if (splitField(field, &m_used))
        setText(field.toString());
}

void LxdSentence::readFileField(QStringView field)
{
    QStringView text;
    int used = 0;
    const bool stored = parseFileField(field, &text, &used);
    setLoaded(stored ? text.toString() : QString(), used);
}

bool LxdSentence::parseFileField(QStringView field, QStringView *text, int *used)
{
    *used = 0;
    if (!splitField(field, used))
        return false;
    *text = field;
    return true;
}

void LxdSentence::setLoaded(const QString &text, int used)
{
    m_used = used;
    if (text.isNull()) {
        // A field too short to hold a sentence: stored empty and never checked.
        assignText(QString(QLatin1String("")));
        m_status = Unchecked;
        return;
    }
    assignText(text);
    m_status = qint8(checkBrackets(m_text));
}

QDomElement LxdSentence::toDomElement()
{
    if (!document)
        return QDomElement();

    QDomElement sentence = document->createElement(QStringLiteral("sentence"));
    QDomElement usedElement = document->createElement(QStringLiteral("used"));
    usedElement.appendChild(document->createTextNode(QString::number(m_used)));
    sentence.appendChild(usedElement);

    // The pieces keep their escapes, so the text reads back exactly as it was. The text before
    // each key word goes in even when empty; a bracket left open goes in as text with its bracket.
    const QList<BracketSegment> segments = BracketText::tokenize(m_text);
    for (qsizetype i = 0; i < segments.size(); ++i) {
        const BracketSegment &segment = segments.at(i);
        if (segment.kind == BracketSegment::Gap) {
            QDomElement gap = document->createElement(QStringLiteral("gap"));
            gap.appendChild(document->createTextNode(XmlText::clean(segment.raw)));
            sentence.appendChild(gap);
        } else if (segment.kind == BracketSegment::Open) {
            sentence.appendChild(document->createTextNode(XmlText::clean(QLatin1Char('[') + segment.raw)));
        } else if (i + 1 < segments.size() || !segment.raw.isEmpty()) {
            sentence.appendChild(document->createTextNode(XmlText::clean(segment.raw)));
        }
    }
    return sentence;
}

void LxdSentence::fromDomElement(const QDomElement &element)
{
    setModified(true);
    m_used = 0;
    assignText(QString(QLatin1String("")));
    if (element.tagName() != QLatin1String("sentence"))
        return;

    QString buffer;
    for (QDomNode node = element.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (node.isElement()) {
            const QDomElement child = node.toElement();
            if (child.tagName() == QLatin1String("gap")) {
                buffer += QLatin1Char('[');
                buffer += child.text();
                buffer += QLatin1Char(']');
            } else if (child.tagName() == QLatin1String("used")) {
                bool ok = false;
                const int n = child.text().trimmed().toInt(&ok, 10);
                m_used = ok ? n : 0;
            }
        } else if (node.isText()) { // CDATA sections are text nodes too
            buffer += node.toText().data();
        }
    }
    setText(buffer);
}
