// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef EXERCISEMODEL_H
#define EXERCISEMODEL_H

#include "exercise/exercisebuilder.h"

#include <QList>
#include <QString>
#include <QStringList>

// One question of an exercise: an output entry split at its key words. texts holds the text around
// the key words and always has one element more than answers: texts[0], answers[0], texts[1], ...
// A key word is what stands between an opening bracket and the next closing one; a stray closing
// bracket, and an opening one that is never closed, stay part of the text around.
struct ExerciseQuestion
{
    QString entry; // the output entry as stored, brackets included
    QStringList texts;
    QStringList answers; // as written between the brackets, in sentence order

    // The sentence as a pupil reads it once solved: the texts and answers joined, without brackets.
    QString solvedText() const;
    // The texts joined by gap, one gap per key word.
    QString gappedText(const QString &gap) const;

    bool operator==(const ExerciseQuestion &other) const
    {
        return entry == other.entry && texts == other.texts && answers == other.answers;
    }
};

// What every export renders: built once per export command from the output entries, the options and
// one seed, so that a sheet and its key, or two exports made from the same seed, always agree.
struct ExerciseModel
{
    ExerciseOptions options;
    quint32 seed = 0;
    QString title; // the database file's base name, or empty when untitled

    QList<ExerciseQuestion> questions; // in their final order; a question's number is its position + 1
    QStringList wordBank; // each distinct key word once, shuffled with the same seed
    QStringList entries; // the output entries in list order, as they came in

    // The questions' entries in their final order.
    QStringList orderedEntries() const;

    // The questions as the plain-text exports print them, in their final order: gapped, every gap
    // as wide as the longest key word, brackets kept or removed, and "1. " numbers when `numbered`.
    QStringList questionTexts(bool numbered) const;

    // The key words of the entries in list order, once per occurrence: the word list of the
    // clipboard and the RTF document as they always were.
    QStringList entryWords() const;

    // The word list a sheet shows: nothing without the word-list option; the word bank with
    // "Shuffle word list"; otherwise entryWords(), shuffled too when `shuffled` (as the web page
    // always shuffled it, with the draws that follow the questions' shuffle).
    QStringList sheetWords(bool shuffled = false) const;

    // The answers of question i joined by ", ", as the key and a matching exercise list them.
    QString answersText(int i) const;

    // The answer key: per question number, the answers in order ("1. went", "2. ate, apple").
    QStringList keyLines() const;
};

namespace ExerciseModelBuilder {

// Splits one entry at its key words.
ExerciseQuestion split(const QString &entry);

// Splits the entries, puts them in their final order (shuffled from the seed when jumbling, with
// the same draws as the documented exports make) and fills the word bank.
ExerciseModel build(const QStringList &entries, const ExerciseOptions &options, quint32 seed,
    const QString &title = QString());

} // namespace ExerciseModelBuilder

#endif // EXERCISEMODEL_H
