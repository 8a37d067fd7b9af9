// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LINEFILE_H
#define LINEFILE_H

#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Small text rules of the database file: one headword per line, its sentences after "&&&".
namespace LineFile {

// The file has no escapes: a line break inside a text would split the record on reading, so it
// is written as a space.
inline void appendLineSafe(QString &out, const QString &text)
{
    const qsizetype start = out.size();
    out += text;
    if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return;
    QChar *p = out.data() + start;
    QChar *const end = out.data() + out.size();
    for (; p != end; ++p) {
        if (*p == QLatin1Char('\r') || *p == QLatin1Char('\n'))
            *p = QLatin1Char(' ');
    }
}

// Position of the next "&&&" at or after `from`, or -1. Looks for single ampersands first, which
// is far quicker than a three-character search.
inline qsizetype findSeparator(QStringView line, qsizetype from)
{
    const qsizetype size = line.size();
    for (;;) {
        const qsizetype at = line.indexOf(QLatin1Char('&'), from);
        if (at < 0 || at + 2 >= size)
            return -1;
        if (line[at + 1] == QLatin1Char('&') && line[at + 2] == QLatin1Char('&'))
            return at;
        from = at + 1;
    }
}

constexpr qsizetype separatorSize = 3;

// QString::trimmed() for UTF-8 bytes: the same white space, without decoding the rest.
QByteArrayView trimmedUtf8(QByteArrayView bytes);

// Splits a headword line: trims it, returns the headword part and hands each sentence part to
// `sentencePart` (parts of two characters or fewer hold no sentence and are passed over).
// `expect` learns first how many parts there are, so that a list can be sized once.
template<typename Expect, typename SentencePart>
QStringView splitRecord(QStringView line, Expect expect, SentencePart sentencePart)
{
    line = line.trimmed();
    qsizetype sep = findSeparator(line, 0);
    const QStringView head = sep < 0 ? line : line.first(sep);
    if (sep < 0)
        return head;
    qsizetype parts = 0;
    for (qsizetype s = sep; s >= 0; s = findSeparator(line, s + separatorSize))
        ++parts;
    expect(parts);
    while (sep >= 0) {
        const qsizetype start = sep + separatorSize;
        sep = findSeparator(line, start);
        const QStringView part = sep < 0 ? line.sliced(start) : line.sliced(start, sep - start);
        if (part.size() > 2)
            sentencePart(part);
    }
    return head;
}

} // namespace LineFile

#endif // LINEFILE_H
