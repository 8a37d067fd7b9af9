// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SCORMPACKAGE_H
#define SCORMPACKAGE_H

#include "exercise/interactivepage.h"

#include <QByteArray>
#include <QString>

#include <optional>

// A SCORM 1.2 package of the self-checking web page: imsmanifest.xml with one organization, one item and
// one resource (a SCO), and the page, which reports to the learning platform's runtime when it finds
// one. Opened from a file, with no platform around it, the page works as the plain page does.
namespace ScormPackage {

// The name of the page inside the package.
inline constexpr char PageName[] = "exercise.html";

// The manifest; `identifier` names the package (an XML ID), and a pass mark of 0 or more is given as
// the item's mastery score.
// A language of the sentences (a BCP 47 tag) goes into the manifest's IMS metadata (general.language).
QByteArray manifest(
    const QString &title, const QString &identifier, int passMark, const QString &language = QString());

// The script that goes at the end of the page's own: it finds the runtime (the API object of a
// parent window or of the opener), starts the attempt, and sets the score (the percentage, 0 to 100),
// the status, "passed" or "failed" against the pass mark or "completed" without one, and one
// interaction per gap: on the first Check of a sheet with every gap answered, or on each Check that
// beats the score recorded, as the settings say. "Show answers" appears only after a Check; a gap it
// revealed, that was read aloud with its answer after a Check or that hints spelled out scores
// nothing, and each hint takes `hintPenalty` percent of its gap. The attempt ends when the page closes.
// Its messages in the instruction language `instructions` (empty: the program's).
QByteArray runtimeScript(const InteractivePageSettings &settings, const QString &instructions = QString());

// The page rendered with the runtime script, and the package made of it and its manifest. No value when
// the template lacks the exercise's place; empty, with the reason in *error, when the archive cannot
// be made.
std::optional<QByteArray> package(const ExerciseModel &model, const InteractivePageSettings &settings,
    const QByteArray &pageTemplate, QString *error = nullptr);

} // namespace ScormPackage

#endif // SCORMPACKAGE_H
