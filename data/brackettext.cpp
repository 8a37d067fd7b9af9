// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/brackettext.h"

namespace {

bool isEscaped(char16_t c)
{
    return c == u'[' || c == u']' || c == u'\\';
}

// The position after the character at i, an escape pair counted as one character.
qsizetype step(QStringView text, qsizetype i)
{
    if (text[i] == u'\\' && i + 1 < text.size() && isEscaped(text[i + 1].unicode()))
        return i + 2;
    return i + 1;
}

} // namespace

QString BracketSegment::text() const
{
    return BracketText::unescaped(raw);
}

namespace BracketText {

QList<BracketSegment> tokenize(QStringView text)
{
    QList<BracketSegment> segments;
    qsizetype start = 0; // where the segment being read starts
    bool open = false;
    for (qsizetype i = 0; i < text.size(); i = step(text, i)) {
        const QChar c = text[i];
        if (!open && c == u'[') {
            BracketSegment segment;
            segment.raw = text.mid(start, i - start).toString();
            segments.append(segment);
            start = i + 1;
            open = true;
        } else if (open && c == u']') {
            BracketSegment gap;
            gap.kind = BracketSegment::Gap;
            gap.raw = text.mid(start, i - start).toString();
            readGap(gap.raw, &gap.answers, &gap.clue);
            segments.append(gap);
            start = i + 1;
            open = false;
        }
    }
    if (open) {
        BracketSegment rest;
        rest.kind = BracketSegment::Open;
        rest.raw = text.mid(start).toString();
        segments.append(rest);
    } else {
        BracketSegment last;
        last.raw = text.mid(start).toString();
        segments.append(last);
    }
    return segments;
}

int status(QStringView text)
{
    // Walked without building anything: every sentence of a database is checked when it is read.
    const bool escapes = text.contains(u'\\');
    bool open = false;
    bool anyPair = false;
    for (qsizetype i = 0; i < text.size(); i = escapes ? step(text, i) : i + 1) {
        const QChar c = text[i];
        if (!open && c == u'[') {
            open = true;
        } else if (open && c == u']') {
            open = false;
            anyPair = true;
        }
    }
    if (open)
        return 3;
    return anyPair ? 1 : 2;
}

QString unescaped(QStringView raw)
{
    if (!raw.contains(u'\\'))
        return raw.toString();
    QString out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); i = step(raw, i)) {
        const qsizetype next = step(raw, i);
        out += raw[next - 1];
    }
    return out;
}

QString withoutBrackets(QStringView raw)
{
    QString out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); i = step(raw, i)) {
        const qsizetype next = step(raw, i);
        if (next == i + 1 && (raw[i] == u'[' || raw[i] == u']'))
            continue;
        out += raw[next - 1];
    }
    return out;
}

QString escaped(QStringView plain)
{
    QString out;
    out.reserve(plain.size() + 8);
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const QChar c = plain[i];
        if (c == u'[' || c == u']'
            || (c == u'\\' && (i + 1 == plain.size() || isEscaped(plain[i + 1].unicode()))))
            out += u'\\';
        out += c;
    }
    return out;
}

void readGap(QStringView raw, QStringList *answers, QString *clue)
{
    const QString word = unescaped(raw);
    answers->clear();
    clue->clear();
    const qsizetype clueAt = word.indexOf(QLatin1String("::"));
    if (clueAt < 0 && !word.contains(u'|')) {
        answers->append(word);
        return;
    }
    const QStringView alternatives = QStringView(word).left(clueAt < 0 ? word.size() : clueAt);
    for (const QStringView alternative : alternatives.split(u'|')) {
        const QStringView trimmed = alternative.trimmed();
        if (!trimmed.isEmpty())
            answers->append(trimmed.toString());
    }
    if (answers->isEmpty())
        answers->append(QString());
    if (clueAt >= 0)
        *clue = QStringView(word).mid(clueAt + 2).trimmed().toString();
}

} // namespace BracketText
