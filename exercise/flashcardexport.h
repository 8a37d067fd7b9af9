// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FLASHCARDEXPORT_H
#define FLASHCARDEXPORT_H

#include "exercise/exercisemodel.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Practice at home: the output list as flash cards for Anki and Quizlet, one card (note) per distinct
// output entry with a key word, in the exercise's order. Both always gap the key words, whatever the sheet's
// gap and bracket options say: a card without a gap asks nothing. A gap's wrong choices have no place in
// either: the export says so before writing.
namespace FlashcardExport {

// A text file for Anki's File > Import: header lines (tab separator, HTML fields, the Cloze note type,
// the column names, the guid column, a tag from the title), then per note the sentence with every gap
// a cloze deletion of its own ("{{c1::went::go}}", the hint part holding the clue and the hint the
// options ask for), the answers for the back ("went (also: goes)") and a guid. The guid comes from the
// entry's text alone, so exporting the same sentence again updates its note and keeps the pupil's
// progress. Characters that would end a field, start a comment or break a cloze are written as HTML
// character references.
QByteArray anki(const ExerciseModel &model);

// Quizlet's import text: per card one line, the term (the sentence with each gap as "_____", its
// hint and clue after it) and a tab, then the definition (the answers); no tab or line break inside a
// field.
QByteArray quizlet(const ExerciseModel &model);

// The note guid of an entry: a 64-bit hash of its text in Anki's guid alphabet (base 91).
QString guid(const QString &entry);

// The distinct questions with a key word, in the exercise's order, and how many were left out for having
// none.
QList<ExerciseQuestion> cards(const ExerciseModel &model, int *withoutKeyWord = nullptr);

} // namespace FlashcardExport

#endif // FLASHCARDEXPORT_H
