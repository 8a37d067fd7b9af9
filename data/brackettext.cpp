// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/brackettext.h"

#include <QCoreApplication>

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
            readGap(gap.raw, &gap.answers, &gap.clue, &gap.choices);
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
    // Walked without building anything: every sentence of a database is checked when it is read. Only
    // a key word holding notation ("|", "~", ":") is read again, for slips in it.
    const bool escapes = text.contains(u'\\');
    bool open = false;
    bool anyPair = false;
    bool notation = false;
    for (qsizetype i = 0; i < text.size(); i = escapes ? step(text, i) : i + 1) {
        const QChar c = text[i];
        if (!open && c == u'[') {
            open = true;
        } else if (open && c == u']') {
            open = false;
            anyPair = true;
        } else if (open && (c == u':' || c == u'|' || c == u'~')) {
            notation = true;
        }
    }
    if (open)
        return Unmatched;
    if (!anyPair)
        return NoKeyWord;
    return notation && !problems(text).isEmpty() ? Doubtful : Valid;
}

QString problemText(const GapProblem &problem)
{
    const char *what = nullptr;
    switch (problem.kind) {
    case GapProblem::SingleColon:
        what = QT_TRANSLATE_NOOP("BracketText", "a single \":\"; a clue needs two, as in [went::go]");
        break;
    case GapProblem::EmptyAlternative:
        what = QT_TRANSLATE_NOOP("BracketText", "an empty answer beside \"|\"");
        break;
    case GapProblem::EmptyChoice:
        what = QT_TRANSLATE_NOOP("BracketText", "an empty choice beside \"~\"");
        break;
    case GapProblem::ClueIsAnswer:
        what = QT_TRANSLATE_NOOP("BracketText", "the clue \"%1\" gives the answer away");
        break;
    case GapProblem::ChoiceIsAnswer:
        what = QT_TRANSLATE_NOOP("BracketText", "the choice \"%1\" is an accepted answer");
        break;
    }
    QString text = QCoreApplication::translate("BracketText", what);
    if (!problem.detail.isEmpty())
        text = text.arg(problem.detail);
    return QCoreApplication::translate("BracketText", "Gap %1: %2").arg(problem.gap + 1).arg(text);
}

QStringList problemTexts(QStringView text)
{
    QStringList texts;
    for (const GapProblem &problem : problems(text))
        texts.append(problemText(problem));
    return texts;
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

namespace {

// Stands for a "~" that separates choices while the key word is split; a noncharacter, never typed.
constexpr char16_t ChoiceMark = 0xFDD0;

// A key word as its parts, before blanks are trimmed: what readGap() keeps and problems() checks.
struct GapParts
{
    QString word; // unescaped; the notation's own "~" as ChoiceMark
    bool notation = false; // "|", "~" or "::" in it
    QStringList answers; // split at "|", untrimmed
    QStringList choices; // untrimmed
    QString clue;
    bool hasClue = false;
};

GapParts gapParts(QStringView raw)
{
    GapParts parts;
    if (!raw.contains(u'~')) {
        parts.word = BracketText::unescaped(raw);
    } else {
        // "\~" is a tilde of the word; any other "~" separates.
        parts.word.reserve(raw.size());
        for (qsizetype i = 0; i < raw.size(); ++i) {
            const QChar c = raw[i];
            if (c == u'\\' && i + 1 < raw.size() && (isEscaped(raw[i + 1].unicode()) || raw[i + 1] == u'~'))
                parts.word += raw[++i];
            else
                parts.word += c == u'~' ? QChar(ChoiceMark) : c;
        }
    }
    const qsizetype clueAt = parts.word.indexOf(QLatin1String("::"));
    parts.hasClue = clueAt >= 0;
    const QStringView head = QStringView(parts.word).left(parts.hasClue ? clueAt : parts.word.size());
    parts.notation = parts.hasClue || head.contains(u'|') || head.contains(QChar(ChoiceMark));
    if (!parts.notation)
        return parts;
    const QList<QStringView> pieces = head.split(QChar(ChoiceMark));
    for (const QStringView answer : pieces.first().split(u'|'))
        parts.answers.append(answer.toString());
    for (qsizetype i = 1; i < pieces.size(); ++i)
        parts.choices.append(pieces.at(i).toString());
    if (parts.hasClue)
        parts.clue = QStringView(parts.word).mid(clueAt + 2).toString().replace(QChar(ChoiceMark), u'~');
    return parts;
}

// Case and blanks do not make a clue or a choice another word than the answer.
QString compared(const QString &text)
{
    QString folded = text.toCaseFolded();
    folded.removeIf([](QChar c) { return c.isSpace(); });
    return folded;
}

} // namespace

void readGap(QStringView raw, QStringList *answers, QString *clue, QStringList *choices)
{
    const GapParts parts = gapParts(raw);
    answers->clear();
    clue->clear();
    if (choices)
        choices->clear();
    if (!parts.notation) {
        answers->append(parts.word);
        return;
    }
    for (const QString &answer : parts.answers) {
        const QString trimmed = answer.trimmed();
        if (!trimmed.isEmpty())
            answers->append(trimmed);
    }
    if (answers->isEmpty())
        answers->append(QString());
    for (const QString &choice : parts.choices) {
        const QString trimmed = choice.trimmed();
        if (choices && !trimmed.isEmpty())
            choices->append(trimmed);
    }
    *clue = parts.clue.trimmed();
}

QList<GapProblem> problems(QStringView text)
{
    QList<GapProblem> found;
    int gap = -1;
    for (const BracketSegment &segment : tokenize(text)) {
        if (segment.kind != BracketSegment::Gap)
            continue;
        ++gap;
        const GapParts parts = gapParts(segment.raw);
        // A lone ":" touching a letter, before any clue: "[went:go]" meant "[went::go]". One between
        // digits ("[10:30]") is a time.
        const QStringView head
            = QStringView(parts.word)
                  .left(parts.hasClue ? parts.word.indexOf(QLatin1String("::")) : parts.word.size());
        for (qsizetype i = 0; i < head.size(); ++i) {
            if (head[i] != u':' || (i + 1 < head.size() && head[i + 1] == u':')
                || (i > 0 && head[i - 1] == u':'))
                continue;
            if ((i > 0 && head[i - 1].isLetter()) || (i + 1 < head.size() && head[i + 1].isLetter())) {
                found.append({GapProblem::SingleColon, gap, QString()});
                break;
            }
        }
        if (!parts.notation)
            continue;
        if (parts.answers.size() > 1) {
            for (const QString &answer : parts.answers) {
                if (answer.trimmed().isEmpty()) {
                    found.append({GapProblem::EmptyAlternative, gap, QString()});
                    break;
                }
            }
        }
        for (const QString &choice : parts.choices) {
            if (choice.trimmed().isEmpty()) {
                found.append({GapProblem::EmptyChoice, gap, QString()});
                break;
            }
        }
        QStringList accepted;
        for (const QString &answer : segment.answers)
            accepted.append(compared(answer));
        if (!segment.clue.isEmpty() && accepted.contains(compared(segment.clue)))
            found.append({GapProblem::ClueIsAnswer, gap, segment.clue});
        for (const QString &choice : segment.choices) {
            if (accepted.contains(compared(choice)))
                found.append({GapProblem::ChoiceIsAnswer, gap, choice});
        }
    }
    return found;
}

} // namespace BracketText
