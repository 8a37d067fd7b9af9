// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/xmlexport.h"

#include "data/lxditem.h"
#include "data/lxdsentence.h"

#include <QIODevice>
#include <QStringEncoder>
#include <QVarLengthArray>

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

    void indent(int depth)
    {
        static const QString spaces(8 * indentStep, QLatin1Char(' '));
        m_buffer.append(QStringView(spaces).first(depth * indentStep));
    }

    // As the tree escapes a text node: "<" and "&" always, ">" after "]]", a carriage return as a
    // reference so that it survives the parser's line-end handling. Control characters that XML
    // cannot carry are left out first, as the tree's texts leave them out.
    void escaped(QStringView text)
    {
        const char16_t *data = text.utf16();
        const qsizetype size = text.size();
        qsizetype run = 0; // the start of the characters not yet copied
        char16_t before = 0; // the last two characters kept
        char16_t twoBefore = 0;
        for (qsizetype i = 0; i < size; ++i) {
            const char16_t c = data[i];
            const char *replacement = nullptr;
            bool drop = false;
            if (c < 0x20) {
                if (c == u'\r')
                    replacement = "&#xd;";
                else
                    drop = c != u'\t' && c != u'\n';
            } else if (c == u'<') {
                replacement = "&lt;";
            } else if (c == u'&') {
                replacement = "&amp;";
            } else if (c == u'>' && before == u']' && twoBefore == u']') {
                replacement = "&gt;";
            }
            if (replacement || drop) {
                m_buffer.append(QStringView(data + run, i - run));
                if (replacement)
                    m_buffer.append(QLatin1String(replacement));
                run = i + 1;
            }
            if (!drop) {
                twoBefore = before;
                before = c;
            }
        }
        m_buffer.append(QStringView(data + run, size - run));
    }

    // An element holding one text node: <name>text</name>.
    void leaf(QLatin1String name, QStringView value, int depth, bool afterText, bool beforeText)
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

// One child of a sentence element: a text node, or a "gap" element holding one; an open bracket
// never closed goes out as text with its bracket.
struct Part
{
    enum Kind { Text, Gap, Open } kind;
    QStringView value;
};

// The position after the character at i, an escaped bracket or backslash counted as one character.
qsizetype step(QStringView text, qsizetype i)
{
    if (text[i] == u'\\' && i + 1 < text.size()) {
        const QChar next = text[i + 1];
        if (next == u'[' || next == u']' || next == u'\\')
            return i + 2;
    }
    return i + 1;
}

// The children that LxdSentence::toDomElement makes, as the bracket tokenizer splits the text,
// without copying any of it.
void splitSentence(QStringView text, QVarLengthArray<Part, 16> &parts)
{
    parts.clear();
    const bool escapes = text.contains(u'\\');
    qsizetype start = 0;
    bool open = false;
    for (qsizetype i = 0; i < text.size(); i = escapes ? step(text, i) : i + 1) {
        const QChar c = text[i];
        if (!open && c == u'[') {
            parts.append({Part::Text, text.sliced(start, i - start)}); // also when empty
            start = i + 1;
            open = true;
        } else if (open && c == u']') {
            parts.append({Part::Gap, text.sliced(start, i - start)});
            start = i + 1;
            open = false;
        }
    }
    if (open)
        parts.append({Part::Open, text.sliced(start)});
    else if (start < text.size())
        parts.append({Part::Text, text.sliced(start)});
}

void writeSentence(Output &out, const LxdSentence &sentence, QVarLengthArray<Part, 16> &parts)
{
    splitSentence(sentence.textRef(), parts);
    const auto isText = [&parts](qsizetype k) { return parts.at(k).kind != Part::Gap; };

    constexpr int depth = 3;
    out.indent(depth);
    out.text().append(QLatin1String("<sentence>\n"));
    out.leaf(QLatin1String("used"), QString::number(sentence.used()), depth + 1, false,
        !parts.isEmpty() && isText(0));
    for (qsizetype k = 0; k < parts.size(); ++k) {
        const Part &part = parts.at(k);
        if (part.kind == Part::Open)
            out.text().append(QLatin1Char('['));
        if (part.kind != Part::Gap) {
            out.escaped(part.value);
            continue;
        }
        const bool afterText = k > 0 && isText(k - 1);
        const bool beforeText = k + 1 < parts.size() && isText(k + 1);
        out.leaf(QLatin1String("gap"), part.value, depth + 1, afterText, beforeText);
    }
    if (parts.isEmpty() || !isText(parts.size() - 1))
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
        QVarLengthArray<Part, 16> parts;
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
