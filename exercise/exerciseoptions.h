// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef EXERCISEOPTIONS_H
#define EXERCISEOPTIONS_H

#include "exercise/randomsource.h"

#include <QList>
#include <QString>
#include <QStringList>

// The exercise options the teacher sets beside the output list.
struct ExerciseOptions
{
    bool includeQNums = true; // "1. " before each question, counted in the final order
    bool gapWords = true; // key words become gaps
    bool bracketWords = true; // keep the square brackets; off removes every bracket
    bool jumbleOrder = true; // shuffle the questions (never the words)
    bool includeWordList = true; // return the key words; off returns no words
    // Two more, off in a new window, which the documented exports know nothing of: with both off
    // every export writes exactly what it always wrote.
    bool answerKey = false; // the exercise ends with, or is followed by, its answers
    bool shuffleWordList = false; // the word list holds each distinct key word once, shuffled
    // What a gap shows of its answer besides its width; off in a new window.
    enum class Hints {
        None,
        FirstLetter, // the first letter, then the rest of the gap ("w________")
        LetterCount, // how many letters, and nothing of which
    };
    Hints hints = Hints::None;
    // The language of the instructions, headings and buttons the pupil reads: one of
    // InstructionLanguage::codes(), or empty for the program's own language.
    QString instructionLanguage;

    bool operator==(const ExerciseOptions &other) const
    {
        return includeQNums == other.includeQNums && gapWords == other.gapWords
            && bracketWords == other.bracketWords && jumbleOrder == other.jumbleOrder
            && includeWordList == other.includeWordList && answerKey == other.answerKey
            && shuffleWordList == other.shuffleWordList && hints == other.hints
            && instructionLanguage == other.instructionLanguage;
    }
    bool operator!=(const ExerciseOptions &other) const { return !(*this == other); }
};

// A plain-text gap-fill exercise: one question per output entry and the key words they hide,
// each word as written between its brackets, in entry order, duplicates kept.
struct Exercise
{
    QStringList questions;
    QStringList words;
};

// The plain-text exercise's helpers, shared by the model and its renderers.
namespace ExerciseBuilder {

// Moves the element at position i to a random position, for i = 0 .. n - 1 in turn.
template<typename T>
void jumble(QList<T> &list, RandomSource &random)
{
    const int n = int(list.size());
    for (int i = 0; i < n; ++i)
        list.move(i, random.bounded(n));
}

// Prefixes each string with its 1-based position and ". ".
void number(QStringList &list);

// The clipboard form: a line feed, the words joined by three blanks, two line feeds, the
// questions one per line, with no line feed after the last.
QString clipboardText(const Exercise &exercise);

} // namespace ExerciseBuilder

#endif // EXERCISEOPTIONS_H
