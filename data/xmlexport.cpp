// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/xmlexport.h"

#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "data/xmltext.h"

#include <QByteArray>
#include <QIODevice>
#include <QVarLengthArray>

#include <algorithm>
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
        m_buffer.resize(chunk + 4096);
        m_out = m_buffer.data();
    }

    // Makes room for `bytes` more, past the block if one record needs it.
    void reserve(qsizetype bytes)
    {
        const qsizetype used = m_out - m_buffer.constData();
        if (used + bytes > m_buffer.size()) {
            m_buffer.resize(std::max(used + bytes, 2 * m_buffer.size()));
            m_out = m_buffer.data() + used;
        }
    }

    void append(const char *bytes, qsizetype size)
    {
        reserve(size);
        memcpy(m_out, bytes, size_t(size));
        m_out += size;
    }
    void append(QLatin1String ascii) { append(ascii.data(), ascii.size()); }
    void append(char c)
    {
        reserve(1);
        *m_out++ = c;
    }

    void indent(int depth)
    {
        static const char spaces[] = "                        "; // 8 levels
        append(spaces, depth * indentStep);
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
        append(p, digits + sizeof digits - p);
    }

    // As the tree escapes a text node: "<" and "&" always, ">" after "]]", a carriage return as a
    // reference so that it survives the parser's line-end handling. The characters that XML cannot
    // carry (XmlText) are left out, as the tree's texts leave them out.
    void escaped(QStringView text)
    {
        const char16_t *data = text.utf16();
        const qsizetype size = text.size();
        reserve(5 * size); // the most: three bytes a character, five for "&#xd;"
        char *out = m_out;
        char *const start = out;
        for (qsizetype i = 0; i < size; ++i) {
            const char16_t c = data[i];
            if (c >= 0x20 && c < 0x80 && c != u'<' && c != u'&' && c != u'>') {
                *out++ = char(c);
            } else if (c >= 0x80) {
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
                } else if (!XmlText::isForbidden(c)) {
                    *out++ = char(0xE0 | (c >> 12));
                    *out++ = char(0x80 | ((c >> 6) & 0x3F));
                    *out++ = char(0x80 | (c & 0x3F));
                } // half a surrogate pair, U+FFFE and U+FFFF are left out
            } else if (c == u'<') {
                memcpy(out, "&lt;", 4);
                out += 4;
            } else if (c == u'&') {
                memcpy(out, "&amp;", 5);
                out += 5;
            } else if (c == u'>') {
                // The two characters kept before it were "]]" exactly when the text's bytes so far
                // end in "]]": every other character ends in another byte.
                if (out - start >= 2 && out[-1] == ']' && out[-2] == ']') {
                    memcpy(out, "&gt;", 4);
                    out += 4;
                } else {
                    *out++ = '>';
                }
            } else if (c == u'\r') {
                memcpy(out, "&#xd;", 5);
                out += 5;
            } else if (!XmlText::isForbidden(c)) { // a tab or a line feed
                *out++ = char(c);
            } // other control characters are left out
        }
        m_out = out;
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
        if (m_out - m_buffer.constData() >= chunk)
            return flush();
        return m_ok;
    }

    bool flush()
    {
        const qsizetype size = m_out - m_buffer.constData();
        if (m_ok && m_device.write(m_buffer.constData(), size) != size)
            m_ok = false;
        m_out = m_buffer.data();
        return m_ok;
    }

private:
    static constexpr qsizetype chunk = 1 << 20;
    QIODevice &m_device;
    QByteArray m_buffer; // its whole size is room; what is written ends at m_out
    char *m_out = nullptr;
    bool m_ok = true;
};

// One child of a sentence element: a text node, or a "gap" element holding one; an open bracket
// never closed goes out as text with its bracket.
struct Part
{
    enum Kind { Text, Gap, Open } kind;
    QStringView value;
};

// The children that XmlDom::sentenceElement makes, as the bracket tokenizer splits the text
// (an escaped bracket or backslash counts as one character), without copying any of it.
void splitSentence(QStringView text, QVarLengthArray<Part, 16> &parts)
{
    parts.clear();
    qsizetype start = 0;
    bool open = false;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c == u'\\') {
            if (i + 1 < size && (text[i + 1] == u'[' || text[i + 1] == u']' || text[i + 1] == u'\\'))
                ++i;
        } else if (!open && c == u'[') {
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
    else if (start < size)
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

bool XmlExport::write(QIODevice &device, const QList<LxdItem *> &items, int version, const QString &language)
{
    Output out(device);
    out.append(QLatin1String("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"));
    out.append(QLatin1String("<lexivane-vocabulary-database version=\""));
    out.number(version);
    if (!language.isEmpty()) {
        // A tag is letters, digits and hyphens: nothing to escape.
        const QByteArray tag = language.toLatin1();
        out.append(QLatin1String("\" language=\""));
        out.append(tag.constData(), tag.size());
    }
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
            for (const LxdSentence &sentence : item->sentences)
                writeSentence(out, sentence, parts);
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

int XmlExport::changedTexts(const QList<LxdItem *> &items, QString *first)
{
    int changed = 0;
    const auto count = [&](const QString &text) {
        if (XmlText::isClean(text))
            return;
        if (changed++ == 0 && first)
            *first = XmlText::clean(text);
    };
    for (const LxdItem *item : items) {
        count(item->headwordRef());
        for (const LxdSentence &sentence : item->sentences)
            count(sentence.textRef());
    }
    return changed;
}
