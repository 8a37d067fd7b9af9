// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef XMLTEXT_H
#define XMLTEXT_H

#include <QString>
#include <QStringView>

// The one rule for every XML and XHTML file the program writes: XML 1.0 cannot carry the C0 control
// characters other than tab, line feed and carriage return, nor U+FFFE and U+FFFF, nor half of a
// surrogate pair, not even as character references. A text holding one would make a document that
// no reader takes (the program's own import included), so such characters are left out of
// everything written.
namespace XmlText {

// Whether a character, taken as a whole code point (a surrogate here is one without its other half),
// is one XML cannot carry.
constexpr bool isForbidden(char32_t c)
{
    return (c < 0x20 && c != 0x09 && c != 0x0A && c != 0x0D) || c == 0xFFFE || c == 0xFFFF
        || (c >= 0xD800 && c <= 0xDFFF);
}

// The length of the character that starts at `i`: 2 for a whole surrogate pair, else 1.
inline qsizetype charLength(QStringView text, qsizetype i)
{
    return QChar::isHighSurrogate(text[i].unicode()) && i + 1 < text.size()
            && QChar::isLowSurrogate(text[i + 1].unicode())
        ? 2
        : 1;
}

// The position of the first character XML cannot carry, or -1.
inline qsizetype firstForbidden(QStringView text)
{
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = charLength(text, i);
        if (length == 1 && isForbidden(text[i].unicode()))
            return i;
        i += length;
    }
    return -1;
}

inline bool isClean(QStringView text)
{
    return firstForbidden(text) < 0;
}

// The text without the characters XML cannot carry; the very same string when it has none.
inline QString clean(const QString &text)
{
    qsizetype i = firstForbidden(text);
    if (i < 0)
        return text;
    QString out;
    out.reserve(text.size());
    out.append(QStringView(text).first(i));
    while (i < text.size()) {
        const qsizetype length = charLength(text, i);
        if (length == 2 || !isForbidden(text[i].unicode()))
            out.append(QStringView(text).sliced(i, length));
        i += length;
    }
    return out;
}

} // namespace XmlText

#endif // XMLTEXT_H
