// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef EXERCISESHEETS_H
#define EXERCISESHEETS_H

#include "exercise/exercisemodel.h"
#include "exercise/exportformats.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class LxdDatabase;

// How many sheets one export makes of the exercise: several versions of one test (letters A, B, ...),
// and each as three sheets with more or less support. At their defaults an export makes the one
// exercise it always made.
struct SheetOptions
{
    static constexpr int MaxVersions = 6;
    int versions = 1; // 1 to MaxVersions
    // Versions take other sentences of the same headwords; otherwise they put the same sentences in
    // other orders.
    bool parallel = false;
    // In one document (PDF, print, clipboard): every key after all the sheets, not each after its own.
    bool keysAtEnd = false;
    // Each version as three sheets in one order: with the word bank, with first-letter hints, plain.
    bool differentiated = false;

    bool several() const { return versions > 1 || differentiated; }
    bool operator==(const SheetOptions &other) const
    {
        return versions == other.versions && parallel == other.parallel && keysAtEnd == other.keysAtEnd
            && differentiated == other.differentiated;
    }
    bool operator!=(const SheetOptions &other) const { return !(*this == other); }
};

struct ExerciseSheet
{
    ExerciseModel model; // its `version` holds the letter when there are several versions
    // Added to the file name after a hyphen ("A", "plain", "B-letters"); empty for a lone exercise.
    QString suffix;
    // The last sheet of its version: in one document its version's key comes after it.
    bool lastOfVersion = true;
    // A differentiated sheet that leaves the word bank out on purpose: its extra words are not lost.
    bool withoutBank = false;
};

// The sheets of one export, in the order a document prints them.
struct ExerciseSheets
{
    QList<ExerciseSheet> sheets;
    bool keysAtEnd = false;
    // Parallel versions: for each version letter, the sentences that stand as in version A because
    // their headword has no other sentence to give (named by headword where the database has it).
    QList<QPair<QString, QStringList>> kept;

    bool isSingle() const { return sheets.size() == 1; }
    // What the teacher is told of `kept`; empty when every sentence was replaced.
    QString keptNote() const;
};

// A file of an export of several sheets, rendered and not yet written.
struct SheetFile
{
    QString fileName;
    ExportResult result;
};

namespace ExerciseSheetsBuilder {

// The letter of version `index` (0 is "A").
QString letter(int index);
// The seed of version `index` of an exercise made with `seed`: version 0 is the exercise itself.
quint32 versionSeed(quint32 seed, int index, int attempt = 0);
// "test.rtf" with the suffix "A" gives "test-A.rtf"; a name without an ending gets it at the end.
QString fileName(const QString &target, const QString &suffix);
// The file suffixes of the three differentiated sheets: the word bank, first letters, plain.
QStringList differentiatedSuffixes();

// The sheets of an export. With one version and no differentiated sheets, the one sheet holds
// exactly the model ExportFormats::exerciseModel() makes.
ExerciseSheets build(
    const ExerciseRequest &request, const LxdDatabase *database, const SheetOptions &options);

// Whether the format writes all the sheets into one file (a PDF document) rather than one file each.
bool oneDocument(const ExportFormat &format);
// The files of an export of `sheets` to `target`: one for a document format, one per sheet otherwise.
// Stops at the first that cannot be made, whose result says why.
QList<SheetFile> renderFiles(const ExportFormat &format, const ExerciseSheets &sheets,
    const ExportSettings &settings, const QString &templatePath, const QString &target);
// The notes of every sheet, each text once, and the first refusal.
QList<ExportNote> notes(const ExportFormat &format, const ExerciseSheets &sheets);
std::optional<ExportNote> refusal(const ExportFormat &format, const ExerciseSheets &sheets);
// What to tell once the files are written: the first sheet's note of texts that lost characters.
std::optional<ExportNote> noteAfterWriting(const ExportFormat &format, const ExerciseSheets &sheets);

} // namespace ExerciseSheetsBuilder

#endif // EXERCISESHEETS_H
