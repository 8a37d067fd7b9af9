// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef EXERCISEMODEL_H
#define EXERCISEMODEL_H

#include "data/brackettext.h"
#include "exercise/exerciseoptions.h"

#include <QList>
#include <QString>
#include <QStringList>

// One question of an exercise: an output entry as the bracket rules read it, as one list of
// segments: Text, then (Gap, Text) any number of times, a gap holding its answers (the first the
// one shown everywhere) and its clue. A bracket left open makes no gap: it and the rest of the
// sentence stay text, exactly as the sentence editor shows them beside its "Unmatched brackets!"
// warning. Everything else is read from the segments.
struct ExerciseQuestion
{
    QList<BracketSegment> segments;
    // Per gap, what a gap with wrong choices offers: its answer and its choices in the order the
    // exercise shows them (drawn when the model is built); empty for a gap without choices.
    QList<QStringList> choiceOrder;

    // What gap i offers to choose from: choiceOrder's, or, for a question split on its own, the
    // answer then the choices; empty for a gap without choices.
    QStringList offered(int gap) const;

    // The output entry as stored, brackets included.
    QString entry() const;
    // The texts around the gaps as a reader sees them, one more than there are gaps.
    QStringList texts() const;
    // The gap segments, in sentence order.
    QList<BracketSegment> gaps() const;
    // The answer each gap shows, in sentence order.
    QStringList answers() const;

    // The sentence as a pupil reads it once solved: the texts and answers joined, without brackets.
    QString solvedText() const;
    // The texts joined by gap, one gap per key word.
    QString gappedText(const QString &gap) const;
    // The question as a sheet prints it: with gapping, each gap as `gapWidth` underscores followed,
    // when `clues`, by its clue in parentheses and its choices ("(goes / went / gone)"); without, each key
    // word as its first answer (one without alternatives or clue exactly as written). Brackets kept or
    // removed as the options say; a bracket escaped as text always stays. A hint the options ask for
    // comes from the first answer: its first letter begins the gap ("w_________"), or its letters
    // counted follow the gap ("(4)").
    QString shownText(const ExerciseOptions &options, int gapWidth, bool clues = true) const;

    bool operator==(const ExerciseQuestion &other) const { return segments == other.segments; }
};

// What every export renders: built once per export command from the output entries, the options and
// one seed, so that a sheet and its key, or two exports made from the same seed, always agree.
struct ExerciseModel
{
    ExerciseOptions options;
    quint32 seed = 0;
    QString title; // the database file's base name, or empty when untitled
    // Whether `title` is one the teacher typed: only then does it replace the fixed heading that the
    // RTF, XHTML and Hot Potatoes templates carry.
    bool titleTyped = false;
    // The letter of this version ("A", "B", ...) when the exercise is one of several versions of one
    // test, shown under the title of the sheet and of its key; empty for an exercise on its own.
    QString version;
    // The language of the sentences and answers, the database's (a BCP 47 tag); empty when not set,
    // and then no export marks it.
    QString language;

    QList<ExerciseQuestion> questions; // in their final order; a question's number is its position + 1
    QStringList wordBank; // each gap's first answer, once per gap, shuffled with the same seed
    QStringList entries; // the output entries in list order, as they came in
    // Words that fill no gap, for the word bank and the drop-down lists, never the key; also in
    // wordBank when there are any.
    QStringList distractors;

    // The questions' entries in their final order.
    QStringList orderedEntries() const;

    // The questions as the plain-text exports print them, in their final order: gapped, every gap
    // as wide as the longest answer and followed by its clue in parentheses, brackets kept or
    // removed, and "1. " numbers when `numbered`.
    QStringList questionTexts(bool numbered) const;
    // One question as questionTexts() prints it, without its number.
    QString questionText(int i) const;

    // The key words of the entries in list order, once per occurrence: the word list of the
    // clipboard and the RTF document as they always were.
    QStringList entryWords() const;

    // The word list a sheet shows: nothing without the word-list option; the word bank with
    // "Shuffle word list"; otherwise entryWords(), shuffled too when `shuffled` (as the web page
    // always shuffled it, with the draws that follow the questions' shuffle).
    QStringList sheetWords(bool shuffled = false) const;

    // The answers of question i joined by ", ", as the key lists them: each gap's first answer, and
    // "(also: color)" after it when the gap accepts others.
    QString answersText(int i) const;

    // The answer key: per question number, the answers in order ("1. went", "2. ate, apple").
    QStringList keyLines() const;
};

// What a gap tells of its answer, besides its width. A hint never gives more than was asked for:
// the first letter alone, or how many characters each word of the answer has (blank-separated words,
// apostrophes and hyphens counted as characters of their word, a letter with its accents as one).
namespace GapHints {

// The first letter of `answer` (one character as a reader sees it); empty when there is none.
QString firstLetter(const QString &answer);
// The characters of each word of `answer` counted, "4" or "4 2"; empty for an empty answer.
QString letterCount(const QString &answer);
// The hint as the page shows it in a typed box: "w…" or "(4)"; empty without a hint.
QString text(const QString &answer, ExerciseOptions::Hints hints);
// A printed gap of `width` underscores, the first letter taking the place of the first of them.
QString blank(const QString &answer, ExerciseOptions::Hints hints, int width);
// What follows a printed gap: " (4)" for the letter count, else nothing.
QString afterBlank(const QString &answer, ExerciseOptions::Hints hints);
// One underscore per letter, blank-separated, words apart by an em space; anything else that is
// not a letter or a digit (an apostrophe, a hyphen) shown as itself: "_ _ _ ' _" for "don't".
QString letterSlots(const QString &answer);
// The gap's clue and the hint (from its first answer) in one text, "go; w…" or "go; _ _ _", for a
// place that holds one text beside a gap, often in brackets of its own; the clue alone without a
// hint.
QString withClue(const BracketSegment &gap, ExerciseOptions::Hints hints);

} // namespace GapHints

namespace ExerciseModelBuilder {

// Splits one entry at its key words.
ExerciseQuestion split(const QString &entry);

// Splits the entries, puts them in their final order (shuffled from the seed when jumbling, with
// the same draws as the documented exports make) and fills the word bank.
ExerciseModel build(const QStringList &entries, const ExerciseOptions &options, quint32 seed,
    const QString &title = QString());

// Adds the words that fill no gap: the typed ones (blanks trimmed), then `count` drawn with the
// model's seed from `pool` (the key words of other sentences), those closest in length to the
// answers first. None equals, ignoring case, an accepted answer of the exercise or another
// distractor. The word bank takes them in and is shuffled again.
void addDistractors(ExerciseModel &model, const QStringList &typed, int count, const QStringList &pool);

} // namespace ExerciseModelBuilder

#endif // EXERCISEMODEL_H
