// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BRACKETTEXT_H
#define BRACKETTEXT_H

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// One piece of a sentence text as the bracket rules read it.
struct BracketSegment
{
    enum Kind {
        Text, // plain text between key words
        Gap, // a key word: what stands between an opening bracket and the next closing one
        Open // an opening bracket never closed and everything after it
    };
    Kind kind = Text;
    // The characters as written, escapes included; for a gap without its brackets, for an open one
    // without its opening bracket.
    QString raw;
    // A gap's accepted answers, the first the one shown everywhere; never empty (a gap with
    // nothing to accept holds one empty answer).
    QStringList answers;
    QString clue; // a gap's clue, or empty
    // A gap's wrong choices, for this gap only ("[went~goes~gone]" holds goes and gone), or empty.
    QStringList choices;

    // The raw characters with the escapes resolved: what a reader sees.
    QString text() const;

    bool operator==(const BracketSegment &other) const
    {
        return kind == other.kind && raw == other.raw && answers == other.answers && clue == other.clue
            && choices == other.choices;
    }
};

// The bracket grammar of a sentence, in one place. A key word stands in square brackets; an opening
// bracket inside an open key word is part of the word, a closing one outside any key word is text.
// Inside the brackets:
//
//   key word  = answers { "~" choice } [ "::" clue ]
//   answers   = answer { "|" answer }        accepted alternatives, the first the one shown
//   choice    = a wrong answer offered for this gap only ("[went~goes~gone]")
//   clue      = shown beside the gap; everything after the first "::", a "~" in it included
//
// Blanks around answers, choices and the clue are trimmed and empty ones ignored; a key word without
// "|", "~" or "::" is taken exactly as written. Outside and inside, "\[" and "\]" stand for a bracket
// that opens or closes nothing and "\\" for a backslash; inside a key word "\~" stands for a tilde
// that separates nothing. Any other backslash is itself (so "\~" outside a key word stays as typed).
// A text without a backslash reads exactly as it did before the escapes existed, and one without a
// "~" in a key word as it did before choices existed.
namespace BracketText {

// The text as segments: Text, then (Gap, Text) any number of times, then an Open segment when a
// bracket is left open. Texts between key words are there even when empty.
QList<BracketSegment> tokenize(QStringView text);

// The bracket status: 1 at least one complete key word and none left open, 2 no key word, 3 a
// bracket left open at the end, 4 as 1 but the notation inside a key word looks mistyped (see
// problems()).
enum Status { Valid = 1, NoKeyWord = 2, Unmatched = 3, Doubtful = 4 };
int status(QStringView text);
// Whether a status means the text has key words and none left open.
inline bool complete(int status)
{
    return status == Valid || status == Doubtful;
}

// A slip in the notation of one key word: the text still reads, but likely not as meant.
struct GapProblem
{
    enum Kind {
        SingleColon, // "[went:go]": a clue needs "::"
        EmptyAlternative, // "[went|]"
        EmptyChoice, // "[went~~gone]"
        ClueIsAnswer, // the clue gives the answer away
        ChoiceIsAnswer, // a wrong choice that is an accepted answer
    };
    Kind kind;
    int gap; // 0-based, in sentence order
    QString detail; // the clue or choice concerned, where there is one
};
QList<GapProblem> problems(QStringView text);
// A problem as the teacher reads it, naming its gap ("Gap 2: a single \":\" ..."), translated.
QString problemText(const GapProblem &problem);
QStringList problemTexts(QStringView text);

// `raw` with its escapes resolved.
QString unescaped(QStringView raw);

// `raw` with its escapes resolved and every bracket that is not escaped left out.
QString withoutBrackets(QStringView raw);

// A plain text written so that it reads back as itself: its brackets literal, and a backslash that
// would start an escape doubled (also one at the end, which the next piece could otherwise join).
QString escaped(QStringView plain);

// The accepted answers, the clue and the wrong choices of a key word as written between its brackets.
void readGap(QStringView raw, QStringList *answers, QString *clue, QStringList *choices = nullptr);

} // namespace BracketText

#endif // BRACKETTEXT_H
