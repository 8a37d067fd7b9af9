// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/lxdsentence.h"

#include "data/lxditem.h"
#include "data/xmltext.h"

#include <QDomDocument>

LxdSentence::LxdSentence(QDomDocument *document, LxdItem *item, QObject *parent)
    : ZelElement(parent)
    , m_item(item)
{
    this->document = document;
}

LxdSentence::LxdSentence(QObject *parent)
    : ZelElement(parent)
{
}

int LxdSentence::checkBrackets(QStringView s)
{
    if (s.isEmpty())
        return NoKeyWord;
    bool open = false;
    int pairs = 0;
    for (QChar c : s) {
        if (c == QLatin1Char('[')) {
            open = true;
        } else if (c == QLatin1Char(']') && open) {
            open = false;
            ++pairs;
        }
    }
    if (open)
        return Unmatched;
    return pairs > 0 ? Valid : NoKeyWord;
}

int LxdSentence::setText(const QString &t)
{
    // A text with a bracket left open is kept as it is (and shown as unmatched): wiping it would
    // lose what the teacher typed or what a file held.
    const int s = checkBrackets(t);
    if (m_text != t)
        m_text = t;
    setModified(true);
    m_status = s;
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

QString LxdSentence::gapKeyWords(const QString &text, QStringList &words, const QString &gap)
{
    QString result;
    result.reserve(text.size() + gap.size() * 2);
    QString word;
    bool open = false;
    for (QChar c : text) {
        if (!open) {
            if (c == QLatin1Char('[')) {
                result += gap;
                open = true;
            } else {
                result += c;
            }
        } else if (c == QLatin1Char(']')) {
            words.append(word);
            word.clear();
            open = false;
        } else {
            word += c;
        }
    }
    return result;
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

// The line file has no escapes: a line break inside a text would split the record on reading,
// so it is written as a space.
static void appendLineSafe(QString &out, const QString &text)
{
    const qsizetype start = out.size();
    out += text;
    QChar *p = out.data() + start;
    QChar *const end = out.data() + out.size();
    for (; p != end; ++p) {
        if (*p == QLatin1Char('\r') || *p == QLatin1Char('\n'))
            *p = QLatin1Char(' ');
    }
}

void LxdSentence::appendFileText(QString &out, int version) const
{
    if (version >= 3) {
        out += QLatin1Char('{');
        out += QString::number(m_used);
        out += QLatin1Char('}');
    } else if (m_used >= 1) {
        out += QLatin1Char('*');
    }
    appendLineSafe(out, m_text);
}

void LxdSentence::fromFileText(QStringView field)
{
    setModified(true);
    m_used = 0;
    m_text = QString(QLatin1String(""));

    field = field.trimmed();
    if (field.size() <= 2)
        return;

    if (field.front() == QLatin1Char('{')) {
        const qsizetype close = field.indexOf(QLatin1Char('}'));
        if (close >= 2) {
            bool ok = false;
            const int n = field.mid(1, close - 1).toInt(&ok, 10);
            if (ok)
                m_used = n;
            field = field.mid(close + 1);
        }
    } else if (field.front() == QLatin1Char('*')) {
        m_used = 1;
        field = field.mid(1);
    }
    setText(field.toString());
}

QDomElement LxdSentence::toDomElement()
{
    if (!document)
        return QDomElement();

    QDomElement sentence = document->createElement(QStringLiteral("sentence"));
    QDomElement usedElement = document->createElement(QStringLiteral("used"));
    usedElement.appendChild(document->createTextNode(QString::number(m_used)));
    sentence.appendChild(usedElement);

    QString buffer;
    bool open = false;
    for (QChar c : m_text) {
        if (!open && c == QLatin1Char('[')) {
            sentence.appendChild(document->createTextNode(XmlText::clean(buffer)));
            buffer.clear();
            open = true;
        } else if (open && c == QLatin1Char(']')) {
            QDomElement gap = document->createElement(QStringLiteral("gap"));
            gap.appendChild(document->createTextNode(XmlText::clean(buffer)));
            sentence.appendChild(gap);
            buffer.clear();
            open = false;
        } else {
            buffer += c;
        }
    }
    // A text may end inside a key word (a bracket left open); it is written as plain text with
    // its bracket so that it reads back exactly as it was.
    if (open)
        buffer.prepend(QLatin1Char('['));
    if (!buffer.isEmpty())
        sentence.appendChild(document->createTextNode(XmlText::clean(buffer)));
    return sentence;
}

void LxdSentence::fromDomElement(const QDomElement &element)
{
    setModified(true);
    m_used = 0;
    m_text = QString(QLatin1String(""));
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
