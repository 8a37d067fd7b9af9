// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TEMPLATEFILL_H
#define TEMPLATEFILL_H

#include "exercise/exercisemodel.h"
#include "exercise/exerciseoptions.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

class QDomDocument;

// Filling the four exercise templates: an RTF document with two placeholders, and three XML
// documents (an XHTML page, a JMatch and a JCloze exercise) that receive new nodes. Each filler
// takes the exercise's questions in their final order and its options. None knows anything of
// windows or files.
namespace TemplateFill {

// ---- RTF document ----

// A text as RTF body text: backslash and braces escaped, every character outside ASCII as a
// Unicode escape \uN? (N the UTF-16 code unit as a signed 16-bit number, so a character beyond the
// Basic Multilingual Plane becomes its two surrogates) with "?" for readers that cannot show it.
// A tab becomes \tab; a line break a blank, as RTF ignores raw line ends; other control characters
// are left out. The result is plain ASCII.
QByteArray rtfText(QStringView text);

// The template with "[strWords]" replaced by a line feed and the words joined by three blanks, then
// "[strQuestions]" by "\par\par" and a line feed before each question. Everything else of the
// template is copied byte for byte, whatever its encoding. With a Windows language identifier
// `lcid`, the words and each question are marked as text of that language (\langN).
QByteArray fillRtf(
    QByteArray rtfTemplate, const QStringList &questions, const QStringList &words, int lcid = 0);

// `text` as RTF text in a group of its own marked with the language `lcid` ("{\lang2057 ...}"); as
// it stands for 0.
QByteArray rtfInLanguage(const QByteArray &text, int lcid);

// ---- XML templates ----
// Each returns false, leaving the document untouched, when the template lacks the element the
// exercise goes into.

// Appends the questions, in the model's order and without numbers, as an "ol" ("ul" without question
// numbers) of "li" items to the last div with id "content". The word list is the renderer's.
bool fillXhtml(QDomDocument &page, const ExerciseModel &model);

// ---- Hot Potatoes exercises ----

// A text as the suite stores what an author typed: its text fields hold HTML, so "&", "<", ">" and
// every character outside ASCII become hexadecimal character references (at least four upper-case
// digits; a character beyond the Basic Multilingual Plane as its one code point). Every reader of
// the format then shows exactly the typed text, never markup. The characters XML cannot carry
// (XmlText) are left out, as no reference brings them through either.
QString hotPotatoesText(QStringView text);

// A text that the pupil only reads (the passage around the gaps, a clue, a matching item): "&", "<"
// and ">" go in as the upper-case references "&AMP;", "&LT;", "&GT;" before hotPotatoesText(). The
// suite's own page decodes once and shows the character; Moodle's player decodes a second time with
// a table that has only the lower-case names, so it shows the reference decoded once, which is the
// character again. Answers stay hotPotatoesText(), since players compare them decoded.
QString hotPotatoesShownText(QStringView text);

// What no encoding brings through both the suite's page and Moodle's player, one line per gap or
// item, naming its sentence by its position in `entries`: in a gap-fill exercise (`matching` false)
// an answer that looks like a tag (the word list shows it as markup), an answer holding entity-like
// text ("&amp;", "&#x41;"), and a character beyond the Basic Multilingual Plane in an answer or
// clue; in a matching exercise such a character in any item.
QStringList hotPotatoesProblems(const QStringList &entries, bool matching);

// One row of a matching exercise: a sentence and the key words it hides, joined by ", ".
struct MatchPair
{
    QString left;
    QString right;

    bool operator==(const MatchPair &other) const { return left == other.left && right == other.right; }
};

// One pair per question, in the order given: the sentence (gapped with ten-underscore gaps when
// gapping) and that question's own key words; brackets removed from both sides unless kept, then the
// left texts numbered. The word-list option does not apply. A question whose key words leave the
// right side empty is left out (readers of the format reject such a pair); `leftOut`, when given,
// learns how many were. The texts are plain, as the teacher typed them.
QList<MatchPair> matchPairs(
    const QList<ExerciseQuestion> &questions, const ExerciseOptions &options, int *leftOut = nullptr);

// Appends one "pair" per pair, its texts as hotPotatoesShownText(), to the first "matching-exercise"
// element.
bool fillJMatch(QDomDocument &exercise, const QList<MatchPair> &pairs);

// Appends the questions to the first "gap-fill" element as an HTML list written as text ("<ol>" or,
// without question numbers, "<ul>"). The key words, by the same bracket rules as every other
// export, each become a "question-record" whose answer is the word, whether or not the other
// exports gap them: a cloze file without gaps is no exercise.
bool fillJCloze(
    QDomDocument &exercise, const QList<ExerciseQuestion> &questions, const ExerciseOptions &options);

// ---- Writing ----

// The document as a UTF-8 file: an XML declaration naming UTF-8 (whatever the template declared;
// the document's declaration is set so), the template's document type declaration, and the
// elements indented by three blanks per level, each element's attributes in the order
// `templateBytes` (the template the document was read from) writes them, or by name where it has
// no such element: one exercise always makes the same file. Every text and attribute value first
// loses the characters XML cannot carry (XmlText), so the file always reads back.
QByteArray xmlFile(QDomDocument &document, const QByteArray &templateBytes = QByteArray());

// As xmlFile(), except that the content of the first "gap-fill" element is written exactly as it
// stands, with no indentation or line break added (line breaks there are part of the passage), and
// with ">" escaped like "<", since readers of the format take any bare angle bracket in the passage
// for markup.
QByteArray jclozeFile(QDomDocument &document, const QByteArray &templateBytes = QByteArray());

} // namespace TemplateFill

#endif // TEMPLATEFILL_H
