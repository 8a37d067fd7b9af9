// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MOODLEEXPORT_H
#define MOODLEEXPORT_H

#include "exercise/exercisemodel.h"

#include <QByteArray>
#include <QString>

// Question files that Moodle's own import reads: Moodle XML and GIFT, written as UTF-8 from the
// exercise model. Every file starts with a category named after the database file, so an import
// lands the questions together in the course's question bank.
//
// Moodle numbers, gaps and shuffles questions itself, so the sheet options for numbers, brackets and
// gaps do not apply here; the questions keep the model's order. A key word that is empty or only
// blanks has nothing for a pupil to type and is left out; an entry without any other key word has
// no answer to ask for and becomes a description (text only) so that nothing of it is lost.
namespace MoodleExport {

// One question per entry. With the word list included each entry becomes a "Select missing words"
// question whose drop-down lists offer the whole word list; without it an "Embedded answers" (cloze)
// question with a case-insensitive short-answer box per key word. A key word with wrong choices of
// its own ("[went~goes~gone]") is a drop-down of its answer and those choices, and its sentence a
// cloze question either way (the other gaps then drop-downs of the word list when it is included).
QByteArray moodleXml(const ExerciseModel &model);

// The whole list as one matching question: each sentence, its key words gapped, against its key
// words joined with ", ". Moodle needs at least two pairs; with fewer the result is empty.
QByteArray matchingXml(const ExerciseModel &model);
int matchingPairCount(const ExerciseModel &model);

// One question per key word (GIFT has one answer block per question): a missing-word or short-answer
// question, or a multiple-choice one for a key word with wrong choices of its own. The sentence's
// other key words are shown as blanks, so no question gives another's answer away.
QByteArray gift(const ExerciseModel &model);

// The category the questions are imported into: the model's title, or "Lexivane" when untitled.
QString categoryName(const ExerciseModel &model);

// The text of a cloze short-answer box that Moodle reads back as exactly `answer`.
QString clozeAnswer(const QString &answer);
// `text` with every GIFT markup character escaped.
QString giftEscaped(const QString &text);

} // namespace MoodleExport

#endif // MOODLEEXPORT_H
