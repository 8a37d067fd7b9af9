// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LINEFILE_H
#define LINEFILE_H

#include <QFile>
#include <QString>
#include <QStringView>

#include <functional>

class QIODevice;

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

// Position of the next separator at or after `from`, or -1. A text may end in "&" or "&&", so a run
// of more than three ampersands gives its first ones to the text before it: in a run of n, the
// separators are the last n / 3 groups of three. Looks for single ampersands first, which is far
// quicker than a three-character search.
inline qsizetype findSeparator(QStringView line, qsizetype from)
{
    const qsizetype size = line.size();
    for (;;) {
        const qsizetype at = line.indexOf(QLatin1Char('&'), from);
        if (at < 0)
            return -1;
        qsizetype end = at + 1;
        while (end < size && line[end] == QLatin1Char('&'))
            ++end;
        const qsizetype run = end - at;
        if (run >= 3)
            return at + run % 3;
        from = end;
    }
}

constexpr qsizetype separatorSize = 3;

// One sentence as the file holds it: "{used}text" in the current form (version 3 and above); in the
// older form "*text" for a used sentence and the text alone otherwise.
void appendSentenceField(QString &out, int used, const QString &text, int version);

// One headword line without its line end: the headword, then "&&&" and the field of each of its
// `count` sentences. `sentenceAt(k, &used)` gives the text of sentence k and sets its used count.
template<typename SentenceAt>
void appendRecord(QString &out, const QString &headword, qsizetype count, int version, SentenceAt sentenceAt)
{
    appendLineSafe(out, headword);
    for (qsizetype k = 0; k < count; ++k) {
        out += u"&&&";
        int used = 0;
        const QString &text = sentenceAt(k, &used);
        appendSentenceField(out, used, text, version);
    }
}

// Writes a whole database file to `device`: in the current form a byte-order mark and UTF-8, in the
// older one ISO 8859-1; `appendRecord(i, out)` appends headword line i, which is ended with CR LF.
// A database language, when given, goes first on a line of its own (see languageLine). False as
// soon as a write fails.
bool writeRecords(QIODevice &device, int version, qsizetype count,
    const std::function<void(qsizetype i, QString &out)> &appendRecord, const QString &language = QString());

// The database's language is kept on the first line of the file, written in blanks and tabs only:
// every reader of the file skips a blank line, so an older version of the program, which knows
// nothing of the language, reads the file as it always did and shows nothing of it. The line is
// "language=" and the tag, each character's eight bits from the highest down, a tab for 1 and a
// blank for 0. Without a language there is no such line, and the file is what it always was.
QString languageLine(const QString &tag);
// The tag a line written by languageLine() holds; empty for any other line.
QString readLanguageLine(QStringView line);

// A text holding "&&&" cannot be stored in the file: it would be split there on reading.
inline bool holdsSeparator(QStringView text)
{
    return text.contains(u"&&&");
}

// The text with every run of three or more ampersands broken up by blanks ("& & &").
QString breakSeparators(const QString &text);

// Reads a database file line by line, handing each line to `line` without its line end and without a
// byte-order mark at its start (files joined end to end bring theirs along). Files written by this
// program in the current form start with a UTF-8 byte-order mark; older ones have none and were
// written in ISO 8859-1; files made by hand usually are UTF-8 without a mark. Valid UTF-8 is read
// as UTF-8, anything else as ISO 8859-1, which decodes every byte: `restart` is called before that
// second reading. Returns false on a read error.
class LineSink
{
public:
    virtual ~LineSink() = default;
    virtual void restart() = 0;
    virtual void line(QStringView line) = 0;
    // A line longer than a block may be taken in piece by piece, so that it is never held whole:
    // `piece` is what has come of the line and was not taken yet (`first`: from the line's start,
    // without its byte-order mark). Returns how much of its front the sink took; once it took
    // something, the rest of the line comes to lineEnd() instead of line(). By default nothing is
    // taken.
    virtual qsizetype linePiece(QStringView piece, bool first)
    {
        Q_UNUSED(piece);
        Q_UNUSED(first);
        return 0;
    }
    virtual void lineEnd(QStringView rest) { Q_UNUSED(rest); }
};
bool readFile(QFile &file, LineSink &sink);

template<typename Restart, typename Line>
bool readFile(QFile &file, Restart restart, Line line)
{
    struct Sink : LineSink
    {
        Sink(Restart &r, Line &l)
            : r(r)
            , l(l)
        { }
        void restart() override { r(); }
        void line(QStringView text) override { l(text); }
        Restart &r;
        Line &l;
    } sink(restart, line);
    return readFile(file, static_cast<LineSink &>(sink));
}

// Hands each sentence part of `parts` (the fields after a headword, apart by separators) to
// `sentencePart`; parts of two characters or fewer hold no sentence and are passed over.
template<typename SentencePart>
void splitParts(QStringView parts, SentencePart sentencePart)
{
    for (qsizetype start = 0;;) {
        const qsizetype sep = findSeparator(parts, start);
        const QStringView part = sep < 0 ? parts.sliced(start) : parts.sliced(start, sep - start);
        if (part.size() > 2)
            sentencePart(part);
        if (sep < 0)
            return;
        start = sep + separatorSize;
    }
}

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
    splitParts(line.sliced(sep + separatorSize), sentencePart);
    return head;
}

// The parts of a piece of a line that a separator closes, as splitRecord finds them in the whole
// line: each is handed to `part`. A run of ampersands that reaches the end of the piece may go on
// in the next one and so move its separators; it closes nothing yet. Returns where the first part
// not closed starts, 0 when none was closed.
template<typename Part>
qsizetype splitClosedParts(QStringView piece, Part part)
{
    const qsizetype size = piece.size();
    qsizetype start = 0;
    for (qsizetype sep = findSeparator(piece, 0); sep >= 0; sep = findSeparator(piece, start)) {
        qsizetype runEnd = sep + separatorSize;
        while (runEnd < size && piece[runEnd] == QLatin1Char('&'))
            ++runEnd;
        if (runEnd >= size)
            break;
        part(piece.sliced(start, sep - start));
        start = sep + separatorSize;
    }
    return start;
}

} // namespace LineFile

#endif // LINEFILE_H
