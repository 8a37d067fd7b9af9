// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/xmlfastreader.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QVarLengthArray>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

using XmlFastReader::Sink;

bool isSpace(uchar c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Names are kept to ASCII without a colon: a prefix would need namespace processing.
bool isNameStart(uchar c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

struct NameTable
{
    bool name[256] = {};
    constexpr NameTable()
    {
        for (int c = 0; c < 256; ++c)
            name[c] = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || (c >= '0' && c <= '9')
                || c == '-' || c == '.';
    }
};
constexpr NameTable nameTable;

bool isNameChar(uchar c)
{
    return nameTable.name[c];
}

bool isXmlChar(char32_t u)
{
    return u == 0x9 || u == 0xA || u == 0xD || (u >= 0x20 && u <= 0xD7FF) || (u >= 0xE000 && u <= 0xFFFD)
        || (u >= 0x10000 && u <= 0x10FFFF);
}

// Bytes a text can hold as they are, one character each: printable ASCII but the ampersand and
// ">" (which may end "]]>"), a tab and a line feed.
struct PlainTable
{
    bool plain[256] = {};
    constexpr PlainTable()
    {
        for (int c = 0x20; c < 0x80; ++c)
            plain[c] = c != '&' && c != '>' && c != '<';
        plain[int('\t')] = true;
        plain[int('\n')] = true;
    }
};
constexpr PlainTable plainTable;

// Decodes one UTF-8 sequence at p, at most up to e. Returns its length, 0 when it is not a valid
// sequence of an XML character.
int decodeUtf8(const uchar *p, const uchar *e, char32_t *u)
{
    const uchar c = *p;
    const auto cont = [&](int k) { return p + k < e && (p[k] & 0xC0) == 0x80; };
    if (c < 0x80) {
        *u = c;
        return isXmlChar(c) ? 1 : 0;
    }
    if (c >= 0xC2 && c <= 0xDF) {
        if (!cont(1))
            return 0;
        *u = char32_t(c & 0x1F) << 6 | (p[1] & 0x3F);
        return 2;
    }
    if (c >= 0xE0 && c <= 0xEF) {
        if (!cont(1) || !cont(2))
            return 0;
        *u = char32_t(c & 0x0F) << 12 | char32_t(p[1] & 0x3F) << 6 | (p[2] & 0x3F);
        if (*u < 0x800 || !isXmlChar(*u)) // overlong, a surrogate, U+FFFE or U+FFFF
            return 0;
        return 3;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        if (!cont(1) || !cont(2) || !cont(3))
            return 0;
        *u = char32_t(c & 0x07) << 18 | char32_t(p[1] & 0x3F) << 12 | char32_t(p[2] & 0x3F) << 6
            | (p[3] & 0x3F);
        if (*u < 0x10000 || *u > 0x10FFFF)
            return 0;
        return 4;
    }
    return 0;
}

void appendUcs4(QChar *&out, char32_t u)
{
    if (u < 0x10000) {
        *out++ = QChar(char16_t(u));
    } else {
        *out++ = QChar(QChar::highSurrogate(u));
        *out++ = QChar(QChar::lowSurrogate(u));
    }
}

// A reference at p (on its "&"), at most up to e: one of the five named entities or a character
// reference. Returns the position after its ";", nullptr when it is none of these.
const uchar *readReference(const uchar *p, const uchar *e, char32_t *u)
{
    const uchar *semi = static_cast<const uchar *>(memchr(p, ';', size_t(e - p)));
    if (!semi)
        return nullptr;
    const QLatin1String name(reinterpret_cast<const char *>(p + 1), semi - p - 1);
    if (name.startsWith(QLatin1Char('#'))) {
        const bool hex = name.size() > 1 && name.at(1) == QLatin1Char('x');
        const QLatin1String digits = name.sliced(hex ? 2 : 1);
        if (digits.isEmpty() || digits.size() > 8)
            return nullptr;
        char32_t value = 0;
        for (const char d : digits) {
            int v;
            if (d >= '0' && d <= '9')
                v = d - '0';
            else if (hex && d >= 'a' && d <= 'f')
                v = d - 'a' + 10;
            else if (hex && d >= 'A' && d <= 'F')
                v = d - 'A' + 10;
            else
                return nullptr;
            value = value * (hex ? 16 : 10) + char32_t(v);
        }
        if (!isXmlChar(value))
            return nullptr;
        *u = value;
    } else if (name == QLatin1String("lt")) {
        *u = '<';
    } else if (name == QLatin1String("gt")) {
        *u = '>';
    } else if (name == QLatin1String("amp")) {
        *u = '&';
    } else if (name == QLatin1String("quot")) {
        *u = '"';
    } else if (name == QLatin1String("apos")) {
        *u = '\'';
    } else {
        return nullptr;
    }
    return semi + 1;
}

// Checks that [p, e) holds only characters XML allows, with no "<" and only whole references when
// `references` is set, as an attribute value must.
bool checkCharacters(const uchar *p, const uchar *e, bool references)
{
    while (p < e) {
        char32_t u;
        if (*p == '&' && references) {
            p = readReference(p, e, &u);
            if (!p)
                return false;
            continue;
        }
        if (*p == '<' && references)
            return false;
        const int n = decodeUtf8(p, e, &u);
        if (n == 0)
            return false;
        p += n;
    }
    return true;
}

// An attribute value, checked already, as a general parser hands it on: references replaced, and
// each tab and line end (CR LF as one) a blank.
QString attributeValue(const uchar *p, const uchar *e)
{
    QString value;
    while (p < e) {
        char32_t u = ' ';
        if (*p == '&') {
            p = readReference(p, e, &u);
        } else if (*p == '\r') {
            p += p + 1 < e && p[1] == '\n' ? 2 : 1;
        } else if (*p == '\n' || *p == '\t') {
            ++p;
        } else {
            p += decodeUtf8(p, e, &u);
        }
        value += QString::fromUcs4(&u, 1);
    }
    return value;
}

class Scanner
{
public:
    Scanner(QIODevice &device, Sink &sink, int depthLimit)
        : m_device(device)
        , m_sink(sink)
        , m_limit(depthLimit)
    { }

    bool run();

private:
    enum class Step { Done, More, Fail };
    enum class Place { Prolog, Root, Epilog };

    bool fill();
    Step step();
    Step markup(const uchar *p, const uchar *e);
    Step declaration(const uchar *p, const uchar *e);
    Step startTag(const uchar *p, const uchar *e);
    Step endTag(const uchar *p, const uchar *e);
    Step comment(const uchar *p, const uchar *e);
    Step text(const uchar *p, const uchar *e);
    bool decode(const uchar *p, const uchar *e);
    void consumed(const uchar *to) { m_pos = to - begin(); }
    const uchar *begin() const { return reinterpret_cast<const uchar *>(m_buffer.constData()); }

    static constexpr qsizetype blockSize = 1 << 20;
    QIODevice &m_device;
    Sink &m_sink;
    const int m_limit;
    QByteArray m_buffer;
    qsizetype m_pos = 0; // where the next token starts
    qsizetype m_end = 0; // the end of the bytes read so far
    bool m_atEnd = false;
    bool m_first = true; // before a byte-order mark
    bool m_declarationAllowed = false;
    Place m_place = Place::Prolog;
    std::string m_names; // the names of the open elements, one after another
    QVarLengthArray<qsizetype, 16> m_nameStarts;
    QString m_text;
};

bool Scanner::fill()
{
    if (m_pos > 0) {
        memmove(m_buffer.data(), m_buffer.constData() + m_pos, size_t(m_end - m_pos));
        m_end -= m_pos;
        m_pos = 0;
    }
    // A token longer than a block (one long text) doubles the room, so that it is searched again
    // only a few times, however long it is.
    if (m_buffer.size() - m_end < blockSize / 2)
        m_buffer.resize(std::max(2 * m_buffer.size(), m_end + blockSize));
    const qint64 got = m_device.read(m_buffer.data() + m_end, m_buffer.size() - m_end);
    if (got < 0)
        return false;
    m_atEnd = got == 0;
    m_end += got;
    return true;
}

bool Scanner::run()
{
    for (;;) {
        if (m_pos == m_end) {
            if (m_atEnd)
                break;
            if (!fill())
                return false;
            continue;
        }
        switch (step()) {
        case Step::Done:
            break;
        case Step::Fail:
            return false;
        case Step::More:
            // The token goes on past the bytes read so far.
            if (m_atEnd || !fill())
                return false;
            break;
        }
    }
    return m_place == Place::Epilog && !m_first;
}

Scanner::Step Scanner::step()
{
    const uchar *p = begin() + m_pos;
    const uchar *e = begin() + m_end;
    if (m_first) {
        if (e - p < 3 && !m_atEnd)
            return Step::More;
        if (e - p >= 3 && memcmp(p, "\xEF\xBB\xBF", 3) == 0)
            p += 3;
        consumed(p);
        m_first = false;
        m_declarationAllowed = true;
        return Step::Done;
    }
    const Step result = *p == '<' ? markup(p, e) : text(p, e);
    m_declarationAllowed = false;
    return result;
}

Scanner::Step Scanner::markup(const uchar *p, const uchar *e)
{
    if (e - p < 4)
        return m_atEnd ? Step::Fail : Step::More;
    if (p[1] == '/')
        return endTag(p, e);
    if (p[1] == '?')
        return declaration(p, e);
    if (p[1] == '!')
        return p[2] == '-' && p[3] == '-' ? comment(p, e) : Step::Fail; // a document type or CDATA
    return startTag(p, e);
}

// The XML declaration, only in the form that names version 1.0 and, if anything, UTF-8.
Scanner::Step Scanner::declaration(const uchar *p, const uchar *e)
{
    const char *const s = reinterpret_cast<const char *>(p);
    const char *const end = static_cast<const char *>(memmem(s, size_t(e - p), "?>", 2));
    if (!end)
        return Step::More;
    if (!m_declarationAllowed)
        return Step::Fail; // a processing instruction
    QLatin1String rest(s + 2, end - s - 2);
    if (!rest.startsWith(QLatin1String("xml")) || rest.size() < 4 || !isSpace(uchar(rest.at(3).toLatin1())))
        return Step::Fail;
    rest = rest.sliced(3);
    // Pseudo-attributes in their fixed order, each after white space.
    const char *const names[] = {"version", "encoding", "standalone"};
    int next = 0;
    bool versionSeen = false;
    for (;;) {
        const QLatin1String trimmed = rest.trimmed();
        if (trimmed.isEmpty())
            break;
        if (rest.isEmpty() || !isSpace(uchar(rest.front().toLatin1())))
            return Step::Fail;
        rest = trimmed;
        int which = next;
        while (which < 3 && !rest.startsWith(QLatin1String(names[which])))
            ++which;
        if (which == 3 || (which > 0 && !versionSeen))
            return Step::Fail;
        rest = rest.sliced(qsizetype(strlen(names[which]))).trimmed();
        if (!rest.startsWith(QLatin1Char('=')))
            return Step::Fail;
        rest = rest.sliced(1).trimmed();
        if (rest.isEmpty() || (rest.front() != QLatin1Char('"') && rest.front() != QLatin1Char('\'')))
            return Step::Fail;
        const qsizetype close = rest.indexOf(rest.front(), 1);
        if (close < 0)
            return Step::Fail;
        const QLatin1String value = rest.sliced(1, close - 1);
        const bool good = which == 0 ? value == QLatin1String("1.0")
            : which == 1             ? value.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0
                                     : value == QLatin1String("yes") || value == QLatin1String("no");
        if (!good)
            return Step::Fail;
        versionSeen = versionSeen || which == 0;
        next = which + 1;
        rest = rest.sliced(close + 1);
    }
    if (!versionSeen)
        return Step::Fail;
    consumed(reinterpret_cast<const uchar *>(end + 2));
    return Step::Done;
}

Scanner::Step Scanner::comment(const uchar *p, const uchar *e)
{
    const char *const body = reinterpret_cast<const char *>(p + 4);
    const char *const dashes = static_cast<const char *>(memmem(body, size_t(e - p - 4), "--", 2));
    if (!dashes || dashes + 2 >= reinterpret_cast<const char *>(e))
        return Step::More;
    if (dashes[2] != '>') // "--" inside a comment
        return Step::Fail;
    if (!checkCharacters(p + 4, reinterpret_cast<const uchar *>(dashes), false))
        return Step::Fail;
    consumed(reinterpret_cast<const uchar *>(dashes + 3));
    return Step::Done;
}

Scanner::Step Scanner::startTag(const uchar *p, const uchar *e)
{
    if (m_place == Place::Epilog || m_nameStarts.size() >= m_limit)
        return Step::Fail;
    const uchar *q = p + 1;
    if (!isNameStart(*q))
        return Step::Fail;
    while (q < e && isNameChar(*q))
        ++q;
    const QLatin1String name(reinterpret_cast<const char *>(p + 1), q - p - 1);
    QVarLengthArray<QLatin1String, 4> attributes;
    QVarLengthArray<QString, 4> values;
    bool empty = false;
    for (;;) {
        const uchar *const afterName = q;
        while (q < e && isSpace(*q))
            ++q;
        if (q == e)
            return Step::More;
        if (*q == '>') {
            ++q;
            break;
        }
        if (*q == '/') {
            if (q + 1 == e)
                return Step::More;
            if (q[1] != '>')
                return Step::Fail;
            q += 2;
            empty = true;
            break;
        }
        // An attribute, which needs white space before it. Its value is not used, but it must
        // be well-formed; a namespace declaration is left to the general parser.
        if (q == afterName || !isNameStart(*q))
            return Step::Fail;
        const uchar *const nameStart = q;
        while (q < e && isNameChar(*q))
            ++q;
        const QLatin1String attribute(reinterpret_cast<const char *>(nameStart), q - nameStart);
        if (attribute.startsWith(QLatin1String("xmlns")) || attributes.contains(attribute))
            return Step::Fail;
        attributes.append(attribute);
        while (q < e && isSpace(*q))
            ++q;
        if (q == e)
            return Step::More;
        if (*q != '=')
            return Step::Fail;
        ++q;
        while (q < e && isSpace(*q))
            ++q;
        if (q == e)
            return Step::More;
        if (*q != '"' && *q != '\'')
            return Step::Fail;
        const uchar *const close = static_cast<const uchar *>(memchr(q + 1, *q, size_t(e - q - 1)));
        if (!close)
            return Step::More;
        if (!checkCharacters(q + 1, close, true))
            return Step::Fail;
        values.append(attributeValue(q + 1, close));
        q = close + 1;
    }
    if (m_place == Place::Prolog)
        m_place = Place::Root;
    m_nameStarts.append(qsizetype(m_names.size()));
    m_names.append(name.data(), size_t(name.size()));
    m_sink.start(name);
    for (qsizetype i = 0; i < attributes.size(); ++i)
        m_sink.attribute(attributes.at(i), values.at(i));
    if (empty) {
        m_names.resize(size_t(m_nameStarts.last()));
        m_nameStarts.removeLast();
        m_sink.end();
        if (m_nameStarts.isEmpty())
            m_place = Place::Epilog;
    }
    consumed(q);
    return Step::Done;
}

Scanner::Step Scanner::endTag(const uchar *p, const uchar *e)
{
    const uchar *const close = static_cast<const uchar *>(memchr(p, '>', size_t(e - p)));
    if (!close)
        return Step::More;
    const uchar *q = p + 2;
    while (q < close && isNameChar(*q))
        ++q;
    const QLatin1String name(reinterpret_cast<const char *>(p + 2), q - p - 2);
    while (q < close && isSpace(*q))
        ++q;
    if (q != close || m_nameStarts.isEmpty())
        return Step::Fail;
    const qsizetype start = m_nameStarts.last();
    if (QLatin1String(m_names.data() + start, qsizetype(m_names.size()) - start) != name)
        return Step::Fail;
    m_nameStarts.removeLast();
    m_names.resize(size_t(start));
    m_sink.end();
    if (m_nameStarts.isEmpty())
        m_place = Place::Epilog;
    consumed(close + 1);
    return Step::Done;
}

Scanner::Step Scanner::text(const uchar *p, const uchar *e)
{
    if (m_place == Place::Root) {
        // Most texts are the indentation between two tags, or plain ASCII: both are seen in one
        // pass, without decoding.
        const uchar *q = p;
        while (q < e && (*q == ' ' || *q == '\n' || *q == '\t'))
            ++q;
        const uchar *const nonSpace = q;
        while (q < e && plainTable.plain[*q])
            ++q;
        if (q < e && *q == '<') {
            if (nonSpace != q)
                m_sink.text(QLatin1String(reinterpret_cast<const char *>(p), q - p));
            consumed(q);
            return Step::Done;
        }
    }
    const uchar *const lt = static_cast<const uchar *>(memchr(p, '<', size_t(e - p)));
    if (!lt && !m_atEnd)
        return Step::More;
    const uchar *const end = lt ? lt : e;
    if (m_place != Place::Root) {
        // Outside the document element only white space may stand.
        for (const uchar *q = p; q < end; ++q) {
            if (!isSpace(*q))
                return Step::Fail;
        }
        consumed(end);
        return Step::Done;
    }
    if (!lt)
        return Step::Fail; // the document ends inside its element
    if (!decode(p, end))
        return Step::Fail;
    if (!QStringView(m_text).trimmed().isEmpty())
        m_sink.text(QStringView(m_text));
    consumed(end);
    return Step::Done;
}

// Decodes a text into m_text as the general parser reads it: references replaced, a carriage
// return with or without a line feed after it read as one line feed.
bool Scanner::decode(const uchar *p, const uchar *e)
{
    const uchar *const start = p;
    m_text.resize(e - p); // never more characters than bytes
    QChar *out = m_text.data();
    while (p < e) {
        const uchar c = *p;
        char32_t u;
        if (c == '&') {
            p = readReference(p, e, &u);
            if (!p)
                return false;
            appendUcs4(out, u);
        } else if (c == '\r') {
            *out++ = QLatin1Char('\n');
            p += p + 1 < e && p[1] == '\n' ? 2 : 1;
        } else if (c == '>') {
            if (p - start >= 2 && p[-1] == ']' && p[-2] == ']')
                return false; // "]]>" may not stand in a text
            *out++ = QLatin1Char('>');
            ++p;
        } else {
            const int n = decodeUtf8(p, e, &u);
            if (n == 0)
                return false;
            appendUcs4(out, u);
            p += n;
        }
    }
    m_text.resize(out - m_text.constData());
    return true;
}

bool enabled = true;

} // namespace

void XmlFastReader::setEnabledForTesting(bool on)
{
    enabled = on;
}

XmlFastReader::Result XmlFastReader::read(QIODevice &device, Sink &sink, int depthLimit)
{
    if (!enabled)
        return Result::Uncertain;
    Scanner scanner(device, sink, depthLimit);
    return scanner.run() ? Result::Read : Result::Uncertain;
}
