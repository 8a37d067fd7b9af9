// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef H5PEXPORT_H
#define H5PEXPORT_H

#include "exercise/exercisemodel.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// H5P packages (.h5p) of the content types "Fill in the Blanks" (H5P.Blanks 1.14) and "Drag the Words"
// (H5P.DragText 1.10): a ZIP with h5p.json and content/content.json and nothing else. They hold the
// content only; the platform runs it with the content type it has installed (Moodle, WordPress and
// Drupal fetch them from the H5P hub).
//
// H5P marks a gap as *answer/other:tip* and has no escapes, so "*", "/" and ":" cannot stand in an
// answer. An alternative that holds one is dropped; a sentence whose first answer, text or gap
// holds what would end a gap early is left out. problems() names them all for the teacher.
namespace H5PExport {

enum class Kind { Blanks, DragText };

// How typed answers are marked (Fill in the Blanks only).
struct Marking
{
    bool caseSensitive = false;
    bool accentsRequired = true;
};

// One line per sentence that loses something, numbered as the questions are, saying what.
QStringList problems(const ExerciseModel &model, Kind kind);
// How many sentences problems() names, by what they lose: the whole sentence, only their second
// answers (a drop zone takes one word), or something else (an answer, a clue, an extra word).
struct Losses
{
    int sentences = 0;
    int secondAnswers = 0;
    int other = 0;
};
Losses losses(const ExerciseModel &model, Kind kind);
// The number of gaps the file keeps: a package without one is no exercise.
int gapCount(const ExerciseModel &model, Kind kind);

QByteArray h5pJson(const ExerciseModel &model, Kind kind);
QByteArray contentJson(const ExerciseModel &model, Kind kind, const Marking &marking = Marking());

// The .h5p file; empty (with the reason in *error) when the archive cannot be made.
QByteArray package(
    const ExerciseModel &model, Kind kind, const Marking &marking = Marking(), QString *error = nullptr);

} // namespace H5PExport

#endif // H5PEXPORT_H
