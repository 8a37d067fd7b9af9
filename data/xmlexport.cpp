// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/xmlexport.h"

#include "data/brackettext.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "data/xmltext.h"

#include <QIODevice>
#include <QStringEncoder>

namespace {

constexpr int indentStep = 3; // spaces per level, as the document has always been indented

class Output
{
public:
    explicit Output(QIODevice &device)
        : m_device(device)
    {
        m_buffer.reserve(chunk + 4096);
    }

    QString &text() { return m_buffer; }

    void indent(int depth) { m_buffer.append(QString(depth * indentStep, QLatin1Char(' '))); }

    // As the tree escapes a text node: "<" and "&" always, ">" after "]]", a carriage return as a
    // reference so that it survives the parser's line-end handling. Control characters that XML
    // cannot carry are left out first, as the tree's texts leave them out.
    void escaped(const QString &raw)
    {
        const QString text = XmlText::clean(raw);
        const qsizetype size = text.size();
        for (qsizetype i = 0; i < size; ++i) {
            const QChar c = text.at(i);
            switch (c.unicode()) {
            case u'<':
                m_buffer.append(QLatin1String("&lt;"));
                break;
            case u'&':
                m_buffer.append(QLatin1String("&amp;"));
                break;
            case u'>':
                if (i >= 2 && text.at(i - 1) == u']' && text.at(i - 2) == u']')
                    m_buffer.append(QLatin1String("&gt;"));
                else
                    m_buffer.append(c);
                break;
            case u'\r':
                m_buffer.append(QLatin1String("&#xd;"));
                break;
            default:
                m_buffer.append(c);
            }
        }
    }

    // An element holding one text node: <name>text</name>.
    void leaf(QLatin1String name, const QString &value, int depth, bool afterText, bool beforeText)
    {
        if (!afterText)
            indent(depth);
        m_buffer.append(QLatin1Char('<')).append(name).append(QLatin1Char('>'));
        escaped(value);
        m_buffer.append(QLatin1String("</")).append(name).append(QLatin1Char('>'));
        if (!beforeText)
            m_buffer.append(QLatin1Char('\n'));
    }

    bool pass()
    {
        if (m_buffer.size() >= chunk)
            return flush();
        return m_ok;
    }

    bool flush()
    {
        const QByteArray bytes = m_encoder.encode(m_buffer);
        m_buffer.clear();
        if (m_ok && m_device.write(bytes) != bytes.size())
            m_ok = false;
        return m_ok;
    }

private:
    static constexpr qsizetype chunk = 1 << 16;
    QIODevice &m_device;
    QString m_buffer;
    QStringEncoder m_encoder {QStringEncoder::Utf8};
    bool m_ok = true;
};

// One child of a sentence element: a text node, or a "gap" element holding one.
struct Part
{
    bool gap;
    QString value;
};

void writeSentence(Output &out, const LxdSentence &sentence, QList<Part> &parts)
{
    // The children that LxdSentence::toDomElement makes, in its order.
    parts.clear();
    const QList<BracketSegment> segments = BracketText::tokenize(sentence.textRef());
    for (qsizetype i = 0; i < segments.size(); ++i) {
        const BracketSegment &segment = segments.at(i);
        if (segment.kind == BracketSegment::Gap)
            parts.append({true, segment.raw});
        else if (segment.kind == BracketSegment::Open)
            parts.append({false, QLatin1Char('[') + segment.raw});
        else if (i + 1 < segments.size() || !segment.raw.isEmpty())
            parts.append({false, segment.raw});
    }

    constexpr int depth = 3;
    out.indent(depth);
    out.text().append(QLatin1String("<sentence>\n"));
    const bool firstIsText = !parts.isEmpty() && !parts.constFirst().gap;
    out.leaf(QLatin1String("used"), QString::number(sentence.used()), depth + 1, false, firstIsText);
    for (qsizetype k = 0; k < parts.size(); ++k) {
        const Part &part = parts.at(k);
        if (!part.gap) {
            out.escaped(part.value);
            continue;
        }
        const bool afterText = k > 0 ? !parts.at(k - 1).gap : false;
        const bool beforeText = k + 1 < parts.size() && !parts.at(k + 1).gap;
        out.leaf(QLatin1String("gap"), part.value, depth + 1, afterText, beforeText);
    }
    if (parts.isEmpty() || parts.constLast().gap)
        out.indent(depth);
    out.text().append(QLatin1String("</sentence>\n"));
}

} // namespace

bool XmlExport::write(QIODevice &device, const QList<LxdItem *> &items, int version)
{
    Output out(device);
    QString &text = out.text();
    text.append(QLatin1String("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"));
    text.append(QLatin1String("<lexivane-vocabulary-database version=\""))
        .append(QString::number(version))
        .append(QLatin1String("\">\n"));
    out.indent(1);
    if (items.isEmpty()) {
        text.append(QLatin1String("<items/>\n"));
    } else {
        text.append(QLatin1String("<items>\n"));
        QList<Part> parts;
        for (const LxdItem *item : items) {
            out.indent(2);
            text.append(QLatin1String("<item>\n"));
            out.leaf(QLatin1String("head-word"), item->headwordRef(), 3, false, false);
            for (const LxdSentence *sentence : item->sentences)
                writeSentence(out, *sentence, parts);
            out.indent(2);
            text.append(QLatin1String("</item>\n"));
            if (!out.pass())
                return false;
        }
        out.indent(1);
        text.append(QLatin1String("</items>\n"));
    }
    text.append(QLatin1String("</lexivane-vocabulary-database>\n"));
    return out.flush();
}
