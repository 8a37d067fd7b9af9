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
