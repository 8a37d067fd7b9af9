// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef EXPORTFORMATS_H
#define EXPORTFORMATS_H

#include "exercise/exercisemodel.h"
#include "exercise/interactivepage.h"

#include <QByteArray>
#include <QList>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

class LxdDatabase;

// What an export needs besides the exercise: the choices for the self-checking page (its SCORM
// package, and the marking of H5P's typed gaps), and the paper of the printable sheets.
struct ExportSettings
{
    InteractivePageSettings page;
    QPageSize::PageSizeId paper = QPageSize::Letter;
};

// Something the teacher is told about an export: why it is refused, or what it leaves out.
struct ExportNote
{
    enum Kind { Information, Warning };
    ExportNote() = default;
    ExportNote(Kind kind, QString title, QString text, QString inWindow = QString())
        : kind(kind)
        , title(std::move(title))
        , text(std::move(text))
        , inWindow(std::move(inWindow))
    { }
    Kind kind = Information;
    QString title;
    QString text;
    QString inWindow; // what the window adds: where in it the teacher changes what the note is about
};

// What a renderer made of an exercise.
struct ExportResult
{
    enum Status {
        Done,
        TemplateMissing, // the template could not be read
        TemplateNotWellFormed, // an XML template that does not parse
        TemplateCorrupt, // the template lacks the place the exercise goes into
        ArchiveFailed, // the ZIP archive could not be made
    };
    Status status = Done;
    QByteArray bytes;
    // Done: what the teacher may like to know of the file made ("1 entry ... was left out").
    QString remark;
};

// One export format, as data: its name on the command line, its file filter and endings, its
// template, and its renderer. The window adds its controls and questions to these rows (see
// MainWindow::exportKinds()); the command line uses them as they stand. A renderer reads nothing
// but its arguments.
struct ExportFormat
{
    using Renderer = ExportResult (*)(
        const ExerciseModel &model, const ExportSettings &settings, const QByteArray &templateBytes);
    // The reason an exercise makes no file worth writing in this format; nullopt when there is none.
    using Refusal = std::optional<ExportNote> (*)(const ExerciseModel &model);
    // What this format loses of an exercise it still writes.
    using Problems = QStringList (*)(const ExerciseModel &model);

    enum Flag {
        FirstAnswersOnly = 1, // shows each gap's first answer only and no clue
        CarriesDistractors = 2, // has a word bank or drop-down lists for the extra words
        HotPotatoesGapFill = 4, // a file for the Hot Potatoes suite and Moodle's player of it
        HotPotatoesMatching = 8,
        Archive = 16, // a ZIP archive made in memory
        // XML or XHTML (or holds such a file), which cannot carry every character: the teacher is told
        // which texts lost some.
        Xml = 32,
        CarriesChoices = 64, // offers a gap's own wrong choices ("[went~goes~gone]")
        // Shows the hint the options ask for (first letter, letter count) with each gap.
        CarriesHints = 128,
    };

    const char *name; // on the command line: text, rtf, xhtml, ...
    const char *filter; // for a file dialog, translated in the window's context
    const char *endings; // separated by blanks; a name ending in none of them gets the first
    const char *templateName; // in the templates folder; nullptr for a format without one
    Renderer render;
    Refusal refusal;
    Problems problems; // a warning before the file is written
    int flags;

    bool has(Flag flag) const { return (flags & flag) != 0; }
    QString filterText() const;
    QStringList endingList() const;
};

// The inputs of one export, as the window's controls or the command line give them.
struct ExerciseRequest
{
    QStringList entries; // the output list, sentence texts as stored
    ExerciseOptions options;
    quint32 seed = 0;
    QString typedTitle; // empty: the database file's name stands in, except for the working database
    QString databaseFile;
    QString extraWords; // as typed: separated by commas or line breaks
    int databaseWords = 0; // key words of other sentences of the database to add to the word bank
    QString language {}; // of the database's sentences, a BCP 47 tag; empty when not set
};

namespace ExportFormats {

// Every format, in the order of the window's menu.
const QList<ExportFormat> &all();
// The format named `name`; nullptr when there is none.
const ExportFormat *find(const QString &name);
QStringList names();

// The model every export of the request makes: the entries split and shuffled from the seed, the
// title, and the extra words, typed and drawn from the other sentences of `database`.
ExerciseModel exerciseModel(const ExerciseRequest &request, const LxdDatabase *database);

// Why the format makes no file of the model, if it makes none.
std::optional<ExportNote> refusal(const ExportFormat &format, const ExerciseModel &model);
// What the teacher should know before the file is written, in the order to tell it.
QList<ExportNote> notes(const ExportFormat &format, const ExerciseModel &model);

// What the teacher should know once the file is written: the texts that lost characters an XML file
// cannot hold.
std::optional<ExportNote> noteAfterWriting(const ExportFormat &format, const ExerciseModel &model);

// The file's bytes; `templatePath` names the format's template (unused for one without).
ExportResult render(const ExportFormat &format, const ExerciseModel &model, const ExportSettings &settings,
    const QString &templatePath);

} // namespace ExportFormats

#endif // EXPORTFORMATS_H
