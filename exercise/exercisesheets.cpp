// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/exercisesheets.h"

#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "exercise/exerciserender.h"
#include "exercise/randomsource.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace {

// A 32-bit mix (the finaliser of MurmurHash3), so that neighbouring seeds and indexes give seeds
// that have nothing in common.
quint32 mix(quint32 x)
{
    x ^= x >> 16;
    x *= 0x85ebca6bu;
    x ^= x >> 13;
    x *= 0xc2b2ae35u;
    x ^= x >> 16;
    return x;
}

// Tries of other seeds for a reordered version whose order an earlier version already has.
constexpr int OrderAttempts = 24;

// For parallel versions: where each sentence of the database stands, the first headword holding it.
QHash<QString, int> headwordsOfSentences(const LxdDatabase *database)
{
    QHash<QString, int> headwords;
    if (!database)
        return headwords;
    // Walked from the end, so that the first headword holding a sentence is the one kept.
    for (int i = database->itemCount() - 1; i >= 0; --i) {
        for (int j = 0; j < database->sentenceCount(i); ++j)
            headwords.insert(database->sentenceAt(i, j)->textRef(), i);
    }
    return headwords;
}

// The sentences of headword `item` that can stand for another of its sentences: each with a key word.
QStringList gappedSentences(const LxdDatabase *database, int item)
{
    QStringList texts;
    for (int j = 0; j < database->sentenceCount(item); ++j) {
        const QString &text = database->sentenceAt(item, j)->textRef();
        if (!ExerciseModelBuilder::split(text).gaps().isEmpty() && !texts.contains(text))
            texts.append(text);
    }
    return texts;
}

// A version whose sentences are the exercise's, in another order: the word bank holds the same extra
// words, only shuffled anew.
ExerciseModel reorderedVersion(
    const ExerciseRequest &request, const ExerciseModel &first, int index, const QList<QStringList> &orders)
{
    ExerciseRequest version = request;
    version.options.jumbleOrder = true; // another order is what a reordered version is
    version.options.shuffleWordList = true; // and the word bank in another order too
    version.extraWords.clear();
    version.databaseWords = 0;
    ExerciseModel chosen;
    for (int attempt = 0; attempt < OrderAttempts; ++attempt) {
        version.seed = ExerciseSheetsBuilder::versionSeed(request.seed, index, attempt);
        ExerciseModel model = ExportFormats::exerciseModel(version, nullptr);
        ExerciseModelBuilder::addDistractors(model, first.distractors, 0, {});
        if (attempt == 0)
            chosen = model;
        if (!orders.contains(model.orderedEntries()))
            return model;
    }
    // So few sentences that every order is taken already.
    return chosen;
}

// Versions 1 .. count - 1 of parallel sentences: for each entry another sentence of its headword, one
// that no version has shown before where there is one, never one in the list or twice in a version.
// `kept` learns, per version, the headwords (or the entries not in the database) that gave none.
QList<ExerciseModel> parallelVersions(const ExerciseRequest &request, const LxdDatabase *database, int count,
    QList<QPair<QString, QStringList>> *kept)
{
    QList<ExerciseModel> versions;
    const QHash<QString, int> headwords = headwordsOfSentences(database);
    const QSet<QString> inList(request.entries.cbegin(), request.entries.cend());
    QHash<int, QSet<QString>> taken; // per headword, the sentences some version has shown
    for (const QString &entry : request.entries) {
        if (headwords.contains(entry))
            taken[headwords.value(entry)].insert(entry);
    }
    for (int index = 1; index < count; ++index) {
        RandomSource random(ExerciseSheetsBuilder::versionSeed(request.seed, index));
        QHash<int, QSet<QString>> takenNow; // in this version
        QStringList entries;
        QStringList same;
        for (const QString &entry : request.entries) {
            const int item = headwords.value(entry, -1);
            QStringList fresh;
            QStringList again;
            if (item >= 0) {
                for (const QString &text : gappedSentences(database, item)) {
                    if (text == entry || inList.contains(text) || takenNow.value(item).contains(text))
                        continue;
                    (taken.value(item).contains(text) ? again : fresh).append(text);
                }
            }
            const QStringList &choices = fresh.isEmpty() ? again : fresh;
            if (choices.isEmpty()) {
                entries.append(entry);
                same.append(item >= 0 ? database->itemAt(item)->headword() : entry);
                continue;
            }
            const QString chosen = choices.at(random.bounded(int(choices.size())));
            entries.append(chosen);
            takenNow[item].insert(chosen);
            taken[item].insert(chosen);
        }
        ExerciseRequest version = request;
        version.entries = entries;
        version.seed = ExerciseSheetsBuilder::versionSeed(request.seed, index);
        version.options.shuffleWordList = true; // not in the order of the sentences of version A
        versions.append(ExportFormats::exerciseModel(version, database));
        same.removeDuplicates();
        kept->append({ExerciseSheetsBuilder::letter(index), same});
    }
    return versions;
}

} // namespace

QString ExerciseSheets::keptNote() const
{
    QStringList lines;
    for (const auto &version : kept) {
        if (!version.second.isEmpty())
            lines.append(QCoreApplication::translate("ExerciseSheets", "Version %1: %2")
                             .arg(version.first, version.second.join(QLatin1String(", "))));
    }
    if (lines.isEmpty())
        return QString();
    return QCoreApplication::translate("ExerciseSheets",
               "The database has no other sentence for these headwords, so their sentences stand in "
               "these versions as in version A:")
        + QLatin1String("\n\n") + lines.join(QLatin1Char('\n'));
}

namespace ExerciseSheetsBuilder {

QString letter(int index)
{
    return QString(QChar(u'A' + index));
}

quint32 versionSeed(quint32 seed, int index, int attempt)
{
    if (index == 0 && attempt == 0)
        return seed;
    return mix(seed ^ mix(quint32(index) * 0x9e3779b9u + quint32(attempt) * 0x632be5abu));
}

QString fileName(const QString &target, const QString &suffix)
{
    if (suffix.isEmpty())
        return target;
    const QFileInfo info(target);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString ending = dot > 0 ? name.mid(dot) : QString();
    const QString folder = target.left(target.size() - name.size());
    return folder + stem + QLatin1Char('-') + suffix + ending;
}

QStringList differentiatedSuffixes()
{
    return {QStringLiteral("wordbank"), QStringLiteral("letters"), QStringLiteral("plain")};
}

ExerciseSheets build(const ExerciseRequest &request, const LxdDatabase *database, const SheetOptions &options)
{
    ExerciseSheets result;
    result.keysAtEnd = options.keysAtEnd;
    const int count = qBound(1, options.versions, SheetOptions::MaxVersions);
    const ExerciseModel first = ExportFormats::exerciseModel(request, database);

    QList<ExerciseModel> versions {first};
    if (count > 1 && !options.parallel) {
        QList<QStringList> orders {first.orderedEntries()};
        for (int index = 1; index < count; ++index) {
            versions.append(reorderedVersion(request, first, index, orders));
            orders.append(versions.last().orderedEntries());
        }
    } else if (count > 1) {
        versions.append(parallelVersions(request, database, count, &result.kept));
    }

    for (int index = 0; index < versions.size(); ++index) {
        ExerciseModel version = versions.at(index);
        const QString name = count > 1 ? letter(index) : QString();
        version.version = name;
        if (!options.differentiated) {
            result.sheets.append({version, name, true});
            continue;
        }
        // One order and one numbering for the three, so that one key serves them all.
        const QStringList suffixes = differentiatedSuffixes();
        for (int sheet = 0; sheet < 3; ++sheet) {
            ExerciseModel model = version;
            model.options.includeWordList = sheet == 0;
            model.options.hints
                = sheet == 1 ? ExerciseOptions::Hints::FirstLetter : ExerciseOptions::Hints::None;
            result.sheets.append(
                {model, name.isEmpty() ? suffixes.at(sheet) : name + QLatin1Char('-') + suffixes.at(sheet),
                    sheet == 2, sheet != 0});
        }
    }
    return result;
}

bool oneDocument(const ExportFormat &format)
{
    return qstrcmp(format.name, "pdf") == 0;
}

QList<SheetFile> renderFiles(const ExportFormat &format, const ExerciseSheets &sheets,
    const ExportSettings &settings, const QString &templatePath, const QString &target)
{
    if (sheets.isSingle())
        return {{target, ExportFormats::render(format, sheets.sheets.first().model, settings, templatePath)}};
    if (oneDocument(format)) {
        ExportResult result;
        result.bytes = ExerciseRender::pdf(sheets, settings.paper);
        return {{target, result}};
    }
    QList<SheetFile> files;
    for (const ExerciseSheet &sheet : sheets.sheets) {
        files.append({fileName(target, sheet.suffix),
            ExportFormats::render(format, sheet.model, settings, templatePath)});
        if (files.last().result.status != ExportResult::Done)
            break;
    }
    return files;
}

QList<ExportNote> notes(const ExportFormat &format, const ExerciseSheets &sheets)
{
    // The extra words of all sheets in one note: parallel versions draw their own from the database.
    QStringList extraWords;
    QSet<QString> seen;
    for (const ExerciseSheet &sheet : sheets.sheets) {
        if (sheet.withoutBank)
            continue;
        for (const QString &word : sheet.model.distractors) {
            if (!seen.contains(word)) {
                seen.insert(word);
                extraWords.append(word);
            }
        }
    }
    QList<ExportNote> all;
    QSet<QString> texts;
    for (const ExerciseSheet &sheet : sheets.sheets) {
        ExerciseModel model = sheet.model;
        model.distractors.clear();
        if (!sheet.withoutBank)
            model.distractors.swap(extraWords);
        for (const ExportNote &note : ExportFormats::notes(format, model)) {
            if (!texts.contains(note.text)) {
                texts.insert(note.text);
                all.append(note);
            }
        }
    }
    return all;
}

std::optional<ExportNote> refusal(const ExportFormat &format, const ExerciseSheets &sheets)
{
    for (const ExerciseSheet &sheet : sheets.sheets) {
        if (std::optional<ExportNote> note = ExportFormats::refusal(format, sheet.model))
            return note;
    }
    return std::nullopt;
}

std::optional<ExportNote> noteAfterWriting(const ExportFormat &format, const ExerciseSheets &sheets)
{
    for (const ExerciseSheet &sheet : sheets.sheets) {
        if (std::optional<ExportNote> note = ExportFormats::noteAfterWriting(format, sheet.model))
            return note;
    }
    return std::nullopt;
}

} // namespace ExerciseSheetsBuilder
