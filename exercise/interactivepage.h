// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef INTERACTIVEPAGE_H
#define INTERACTIVEPAGE_H

#include "exercise/exercisemodel.h"

#include <QByteArray>
#include <QString>

#include <optional>

// How a self-checking web page presents an exercise. The choices are written into the page's
// config block, where a teacher may still change them by editing the file.
struct InteractivePageSettings
{
    enum class Mode {
        GapFill, // a text box (or a drop-down list of the word list) for every key word
        Matching // each sentence with one drop-down list of every sentence's key words
    };
    Mode mode = Mode::GapFill;
    // Gaps as drop-down lists of the word list; only where the word list is included.
    bool dropDowns = false;
    bool caseSensitive = false;
    bool accentsRequired = true;
    bool hints = true; // a button that gives the next letter of a typed gap
    bool showAnswers = true; // a button that fills in every answer
    // Every typed gap as wide as the longest answer, so a gap's length does not give its answer away.
    bool sameGapWidth = false;
    // In a SCORM package: the percentage a pupil needs to pass; below 0 there is no pass mark and a
    // checked page counts as completed.
    int passMark = 80;
    // In a SCORM package: the platform keeps the best Check instead of the first complete one.
    bool bestScore = false;
    // In a SCORM package: the percentage of a gap that each hint for it takes off the score.
    int hintPenalty = 100;
    // A button before each sentence that reads it aloud in the exercise's language, with the browser's
    // own voices.
    bool readAloud = false;
    // A dictation: each sentence is read whole and appears only once the pupil has heard it.
    bool listening = false;
};

// Renders an exercise as one self-contained HTML5 page: the template supplies the markup, the style
// sheet and the script; the exercise goes in as two JSON blocks, so the script builds the gaps in
// the browser and checks the pupil's answers there, with no network and no other program.
namespace InteractivePage {

// The template with "[strTitle]" replaced by the title as HTML text, "[strConfig]" by the settings
// and "[strExercise]" by the questions, the word list and the page's texts, both as JSON safe inside
// a script element. Placeholders are replaced in one pass, so a title or a sentence that spells a
// placeholder stays as typed. "[strScorm]", at the end of the page's script, takes `platformScript`
// (the SCORM package's report to the learning platform) and vanishes from a plain page. No value
// when the template lacks "[strExercise]".
std::optional<QByteArray> render(const ExerciseModel &model, const InteractivePageSettings &settings,
    const QByteArray &pageTemplate, const QByteArray &platformScript = QByteArray());

// JSON bytes that can stand inside <script>: "<", ">" and "&" written as \u escapes, so "</script>"
// and "<!--" cannot end or change the element, and U+2028/U+2029 escaped for older script parsers.
QByteArray scriptSafe(QByteArray json);

} // namespace InteractivePage

#endif // INTERACTIVEPAGE_H
