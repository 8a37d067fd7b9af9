// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/xmlexport.h"

#include "data/lxditem.h"
#include "data/lxdsentence.h"

#include <QByteArray>
#include <QIODevice>
#include <QVarLengthArray>

#include <cstring>

namespace {

constexpr int indentStep = 3; // spaces per level, as the document has always been indented

// Collects the UTF-8 bytes of the document and hands them to the device a block at a time. The
// texts are escaped and encoded in one pass straight into the block: a million sentences make
// millions of small pieces, and a detour through a QString and an encoder cost more than the rest.
class Output
{
public:
    explicit Output(QIODevice &device)
        : m_device(device)
    {
        m_buffer.reserve(chunk + 4096);
    }

    void append(const char *bytes, qsizetype size) { m_buffer.append(bytes, size); }
    void append(QLatin1String ascii) { m_buffer.append(ascii.data(), ascii.size()); }
    void append(char c) { m_buffer.append(c); }

    void indent(int depth)
    {
        static const char spaces[] = "                        "; // 8 levels
        m_buffer.append(spaces, depth * indentStep);
    }

    void number(int n)
    {
        char digits[16];
        char *p = digits + sizeof digits;
        unsigned u = n < 0 ? 0u - unsigned(n) : unsigned(n);
        do {
            *--p = char('0' + u % 10);
            u /= 10;
        } while (u);
        if (n < 0)
            *--p = '-';
        m_buffer.append(p, digits + sizeof digits - p);
    }

    // As the tree escapes a text node: "<" and "&" always, ">" after "]]", a carriage return as a
    // reference so that it survives the parser's line-end handling. Control characters that XML
    // cannot carry are left out first, as the tree's texts leave them out.
    void escaped(QStringView text)
    {
        const char16_t *data = text.utf16();
        const qsizetype size = text.size();
        // Room for the worst case (three bytes per character, or five for "&#xd;"), taken once.
        const qsizetype start = m_buffer.size();
        m_buffer.resize(start + 5 * size);
        char *out = m_buffer.data() + start;
        char16_t before = 0; // the last two characters kept
        char16_t twoBefore = 0;
        for (qsizetype i = 0; i < size; ++i) {
            const char16_t c = data[i];
            if (c >= 0x80) {
                if (c < 0x800) {
                    *out++ = char(0xC0 | (c >> 6));
                    *out++ = char(0x80 | (c & 0x3F));
                } else if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(data[i + 1])) {
                    const char32_t u = QChar::surrogateToUcs4(c, data[i + 1]);
                    *out++ = char(0xF0 | (u >> 18));
                    *out++ = char(0x80 | ((u >> 12) & 0x3F));
                    *out++ = char(0x80 | ((u >> 6) & 0x3F));
                    *out++ = char(0x80 | (u & 0x3F));
                    ++i;
                } else if (QChar::isSurrogate(c)) {
                    // Half a pair: the replacement character, as the UTF-8 encoder writes it.
                    memcpy(out, "\xEF\xBF\xBD", 3);
                    out += 3;
                } else {
                    *out++ = char(0xE0 | (c >> 12));
                    *out++ = char(0x80 | ((c >> 6) & 0x3F));
                    *out++ = char(0x80 | (c & 0x3F));
                }
            } else if (c < 0x20) {
                if (c == u'\r') {
                    memcpy(out, "&#xd;", 5);
                    out += 5;
                } else if (c == u'\t' || c == u'\n') {
                    *out++ = char(c);
                } else {
                    continue; // dropped, and not one of the two characters before
                }
            } else if (c == u'<') {
                memcpy(out, "&lt;", 4);
                out += 4;
            } else if (c == u'&') {
                memcpy(out, "&amp;", 5);
                out += 5;
            } else if (c == u'>' && before == u']' && twoBefore == u']') {
                memcpy(out, "&gt;", 4);
                out += 4;
            } else {
                *out++ = char(c);
            }
            twoBefore = before;
            before = c;
        }
        m_buffer.resize(out - m_buffer.constData());
    }

    // An element holding one text node: <name>text</name>.
    void leaf(QLatin1String name, QStringView value, int depth, bool afterText, bool beforeText)
    {
        if (!afterText)
            indent(depth);
        append('<');
        append(name);
        append('>');
        escaped(value);
        append("</", 2);
        append(name);
        append('>');
        if (!beforeText)
            append('\n');
    }

    void usedLeaf(int used, int depth, bool beforeText)
    {
        indent(depth);
        append(QLatin1String("<used>"));
        number(used);
        append(QLatin1String("</used>"));
        if (!beforeText)
            append('\n');
    }

    bool pass()
    {
        if (m_buffer.size() >= chunk)
            return flush();
        return m_ok;
    }

    bool flush()
    {
        if (m_ok && m_device.write(m_buffer) != m_buffer.size())
            m_ok = false;
        m_buffer.resize(0);
        return m_ok;
    }

private:
    static constexpr qsizetype chunk = 1 << 20;
    QIODevice &m_device;
    QByteArray m_buffer;
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
    out.append(QLatin1String("<sentence>\n"));
    out.usedLeaf(sentence.used(), depth + 1, !parts.isEmpty() && isText(0));
    for (qsizetype k = 0; k < parts.size(); ++k) {
        const Part &part = parts.at(k);
        if (part.kind == Part::Open)
            out.append('[');
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
    out.append(QLatin1String("</sentence>\n"));
}

} // namespace

bool XmlExport::write(QIODevice &device, const QList<LxdItem *> &items, int version)
{
    Output out(device);
    out.append(QLatin1String("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"));
    out.append(QLatin1String("<lexivane-vocabulary-database version=\""));
    out.number(version);
    out.append(QLatin1String("\">\n"));
    out.indent(1);
    if (items.isEmpty()) {
        out.append(QLatin1String("<items/>\n"));
    } else {
        out.append(QLatin1String("<items>\n"));
        QVarLengthArray<Part, 16> parts;
        for (const LxdItem *item : items) {
            out.indent(2);
            out.append(QLatin1String("<item>\n"));
            out.leaf(QLatin1String("head-word"), item->headwordRef(), 3, false, false);
            for (const LxdSentence *sentence : item->sentences)
                writeSentence(out, *sentence, parts);
            out.indent(2);
            out.append(QLatin1String("</item>\n"));
            if (!out.pass())
                return false;
        }
        out.indent(1);
        out.append(QLatin1String("</items>\n"));
    }
    out.append(QLatin1String("</lexivane-vocabulary-database>\n"));
    return out.flush();
}
