// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/exportformats.h"

#include "data/lxddatabase.h"
#include "data/lxdsentence.h"
#include "exercise/exerciserender.h"
#include "exercise/flashcardexport.h"
#include "exercise/h5pexport.h"
#include "exercise/moodleexport.h"
#include "exercise/scormpackage.h"
#include "exercise/templatefill.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace {

// The messages and filters are the window's, and keep its translation context, where they were
// translated.
QString windowText(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

ExportResult done(const QByteArray &bytes)
{
    ExportResult result;
    result.bytes = bytes;
    return result;
}

ExportResult failed(ExportResult::Status status)
{
    ExportResult result;
    result.status = status;
    return result;
}

// An XML template read into a document, filled by `fill` and written by `write`.
template<typename Fill, typename Write>
ExportResult fromDocument(const QByteArray &templateBytes, Fill fill, Write write)
{
    QDomDocument document;
    if (!document.setContent(templateBytes))
        return failed(ExportResult::TemplateNotWellFormed);
    if (!fill(document))
        return failed(ExportResult::TemplateCorrupt);
    return done(write(document, templateBytes));
}

ExportResult archive(const QByteArray &bytes)
{
    return bytes.isEmpty() ? failed(ExportResult::ArchiveFailed) : done(bytes);
}

// ---- The renderers ----

ExportResult text(const ExerciseModel &model, const ExportSettings &, const QByteArray &)
{
    return done(ExerciseRender::clipboardText(model).toUtf8());
}

ExportResult xhtml(const ExerciseModel &model, const ExportSettings &, const QByteArray &page)
{
    return fromDocument(
        page, [&model](QDomDocument &document) { return ExerciseRender::xhtml(document, model); },
        &TemplateFill::xmlFile);
}

ExportResult rtf(const ExerciseModel &model, const ExportSettings &settings, const QByteArray &rtfTemplate)
{
    return done(ExerciseRender::rtf(rtfTemplate, model, settings.paper));
}

// What the teacher is told of `leftOut` entries a file has no place for: nothing for none, `one` for
// one, `many` with the count for more.
QString leftOutRemark(int leftOut, const char *one, const char *many)
{
    if (leftOut <= 0)
        return QString();
    return leftOut == 1 ? windowText(one) : windowText(many).arg(leftOut);
}

ExportResult jmatch(const ExerciseModel &model, const ExportSettings &, const QByteArray &exercise)
{
    int leftOut = 0;
    ExportResult result = fromDocument(
        exercise, [&](QDomDocument &document) { return ExerciseRender::jmatch(document, model, &leftOut); },
        &TemplateFill::xmlFile);
    result.remark = leftOutRemark(leftOut,
        QT_TRANSLATE_NOOP("MainWindow", "1 entry without a key word was left out of the pairs."),
        QT_TRANSLATE_NOOP("MainWindow", "%1 entries without a key word were left out of the pairs."));
    return result;
}

// For the formats whose one place beside a gap is its clue (JCloze's clue button, the text after a
// Moodle or GIFT gap, H5P's tip): the hint the options ask for joins each gap's clue there. Without
// hints the model is the one given.
ExerciseModel hintsInClues(const ExerciseModel &model)
{
    if (model.options.hints == ExerciseOptions::Hints::None || !model.options.gapWords)
        return model;
    ExerciseModel hinted = model;
    for (ExerciseQuestion &question : hinted.questions) {
        for (BracketSegment &segment : question.segments) {
            if (segment.kind == BracketSegment::Gap)
                segment.clue = GapHints::withClue(segment, model.options.hints);
        }
    }
    return hinted;
}

ExportResult jcloze(const ExerciseModel &given, const ExportSettings &, const QByteArray &exercise)
{
    const ExerciseModel model = hintsInClues(given);
    return fromDocument(
        exercise, [&model](QDomDocument &document) { return ExerciseRender::jcloze(document, model); },
        &TemplateFill::jclozeFile);
}

ExportResult pdf(const ExerciseModel &model, const ExportSettings &settings, const QByteArray &)
{
    return done(ExerciseRender::pdf(model, settings.paper));
}

ExportResult interactive(const ExerciseModel &model, const ExportSettings &settings, const QByteArray &page)
{
    const std::optional<QByteArray> bytes = InteractivePage::render(model, settings.page, page);
    return bytes ? done(*bytes) : failed(ExportResult::TemplateCorrupt);
}

ExportResult moodleXml(const ExerciseModel &model, const ExportSettings &, const QByteArray &)
{
    return done(MoodleExport::moodleXml(hintsInClues(model)));
}

ExportResult moodleMatching(const ExerciseModel &model, const ExportSettings &, const QByteArray &)
{
    return done(MoodleExport::matchingXml(model));
}

ExportResult gift(const ExerciseModel &model, const ExportSettings &, const QByteArray &)
{
    return done(MoodleExport::gift(hintsInClues(model)));
}

template<H5PExport::Kind kind>
ExportResult h5p(const ExerciseModel &model, const ExportSettings &settings, const QByteArray &)
{
    return archive(H5PExport::package(hintsInClues(model), kind,
        H5PExport::Marking {settings.page.caseSensitive, settings.page.accentsRequired}));
}

ExportResult scorm(const ExerciseModel &model, const ExportSettings &settings, const QByteArray &page)
{
    const std::optional<QByteArray> bytes = ScormPackage::package(model, settings.page, page);
    return bytes ? archive(*bytes) : failed(ExportResult::TemplateCorrupt);
}

// Entries without a key word make no card; the teacher hears how many were left out.
ExportResult flashcards(const ExerciseModel &model, QByteArray (*write)(const ExerciseModel &))
{
    int leftOut = 0;
    FlashcardExport::cards(model, &leftOut);
    ExportResult result = done(write(model));
    result.remark = leftOutRemark(leftOut,
        QT_TRANSLATE_NOOP("MainWindow", "1 entry without a key word was left out of the cards."),
        QT_TRANSLATE_NOOP("MainWindow", "%1 entries without a key word were left out of the cards."));
    return result;
}

ExportResult anki(const ExerciseModel &model, const ExportSettings &, const QByteArray &)
{
    return flashcards(model, &FlashcardExport::anki);
}

ExportResult quizlet(const ExerciseModel &model, const ExportSettings &, const QByteArray &)
{
    return flashcards(model, &FlashcardExport::quizlet);
}

// ---- What a format refuses, and what it loses ----

std::optional<ExportNote> warning(const char *title, const char *text)
{
    return ExportNote {ExportNote::Warning, windowText(title), windowText(text)};
}

// A pair needs a right side; an exercise of no pairs is not worth a file.
std::optional<ExportNote> noPairs(const ExerciseModel &model)
{
    if (!ExerciseRender::matchPairs(model).isEmpty())
        return std::nullopt;
    return warning(QT_TRANSLATE_NOOP("MainWindow", "Nothing to match"),
        QT_TRANSLATE_NOOP("MainWindow",
            "None of the output entries has a key word, so a JMatch exercise would have no pairs. "
            "No file was written."));
}

// A card asks for a key word; a file of no cards is not worth writing.
std::optional<ExportNote> noCards(const ExerciseModel &model)
{
    if (!FlashcardExport::cards(model).isEmpty())
        return std::nullopt;
    return warning(QT_TRANSLATE_NOOP("MainWindow", "Nothing to practise"),
        QT_TRANSLATE_NOOP("MainWindow",
            "None of the output entries has a key word, so there would be no flash cards. No file was "
            "written."));
}

// Moodle takes no matching question of fewer than two pairs.
std::optional<ExportNote> tooFewMatchingPairs(const ExerciseModel &model)
{
    if (MoodleExport::matchingPairCount(model) >= 2)
        return std::nullopt;
    return warning(QT_TRANSLATE_NOOP("MainWindow", "Moodle matching question"),
        QT_TRANSLATE_NOOP("MainWindow",
            "A matching question needs at least two sentences with key words in the output list."));
}

// H5P's notation cannot hold every answer: a package without a single gap is not written at all, and
// the teacher learns what is left out before choosing a file.
template<H5PExport::Kind kind>
std::optional<ExportNote> noH5pGaps(const ExerciseModel &model)
{
    if (H5PExport::gapCount(model, kind) > 0)
        return std::nullopt;
    return warning(QT_TRANSLATE_NOOP("MainWindow", "H5P"),
        QT_TRANSLATE_NOOP("MainWindow",
            "None of the output entries has a key word that H5P can hold. No file was written."));
}

template<H5PExport::Kind kind>
QStringList h5pProblems(const ExerciseModel &model)
{
    // Planned as the package is written, so the warning and the file agree.
    return H5PExport::problems(hintsInClues(model), kind);
}

const QList<ExportFormat> &table()
{
    using F = ExportFormat;
    using H = H5PExport::Kind;
    // clang-format off
    static const QList<ExportFormat> formats {
        // name, file filter, endings, template,
        //     renderer, refusal, problems, flags
        {"text", nullptr, ".txt", nullptr,
            &text, nullptr, nullptr, F::CarriesDistractors | F::CarriesChoices | F::CarriesHints},
        {"xhtml", QT_TRANSLATE_NOOP("MainWindow", "Web page files (*.htm *.html *.xhtml)"),
            ".htm .html .xhtml", "xhtml_exercise.htm",
            &xhtml, nullptr, nullptr, F::CarriesDistractors | F::CarriesChoices | F::Xml | F::CarriesHints},
        {"rtf", QT_TRANSLATE_NOOP("MainWindow", "RTF files (*.rtf)"), ".rtf", "rtf_exercise.rtf",
            &rtf, nullptr, nullptr, F::CarriesDistractors | F::CarriesChoices | F::CarriesHints},
        // The left side of a pair is the sentence as the sheet shows it, hint and all.
        {"jmatch", QT_TRANSLATE_NOOP("MainWindow", "JMatch files (*.jmt)"), ".jmt", "jmatch_exercise.jmt",
            &jmatch, &noPairs, nullptr,
            F::FirstAnswersOnly | F::HotPotatoesMatching | F::Xml | F::CarriesHints},
        {"jcloze", QT_TRANSLATE_NOOP("MainWindow", "JCloze files (*.jcl)"), ".jcl", "jcloze_exercise.jcl",
            &jcloze, nullptr, nullptr, F::HotPotatoesGapFill | F::Xml | F::CarriesHints},
        {"pdf", QT_TRANSLATE_NOOP("MainWindow", "PDF documents (*.pdf)"), ".pdf", nullptr,
            &pdf, nullptr, nullptr, F::CarriesDistractors | F::CarriesChoices | F::CarriesHints},
        // The hint stands in each typed box until the pupil types.
        {"interactive", QT_TRANSLATE_NOOP("MainWindow", "Web page files (*.html *.htm)"), ".html .htm",
            "interactive_exercise.html",
            &interactive, nullptr, nullptr, F::CarriesDistractors | F::CarriesChoices | F::CarriesHints},
        {"moodle-xml", QT_TRANSLATE_NOOP("MainWindow", "Moodle XML files (*.xml)"), ".xml", nullptr,
            &moodleXml, nullptr, nullptr, F::CarriesDistractors | F::CarriesChoices | F::Xml | F::CarriesHints},
        {"moodle-matching", QT_TRANSLATE_NOOP("MainWindow", "Moodle XML files (*.xml)"), ".xml", nullptr,
            &moodleMatching, &tooFewMatchingPairs, nullptr, F::FirstAnswersOnly | F::Xml},
        // Moodle's GIFT import offers to read text files, and writes its own GIFT as .txt.
        {"gift", QT_TRANSLATE_NOOP("MainWindow", "GIFT files (*.txt *.gift)"), ".txt .gift", nullptr,
            &gift, nullptr, nullptr, F::CarriesChoices | F::CarriesHints},
        {"h5p-blanks", QT_TRANSLATE_NOOP("MainWindow", "H5P files (*.h5p)"), ".h5p", nullptr,
            &h5p<H::Blanks>, &noH5pGaps<H::Blanks>, &h5pProblems<H::Blanks>, F::Archive | F::CarriesHints},
        {"h5p-drag", QT_TRANSLATE_NOOP("MainWindow", "H5P files (*.h5p)"), ".h5p", nullptr,
            &h5p<H::DragText>, &noH5pGaps<H::DragText>, &h5pProblems<H::DragText>,
            F::CarriesDistractors | F::Archive | F::CarriesHints},
        {"scorm", QT_TRANSLATE_NOOP("MainWindow", "SCORM packages (*.zip)"), ".zip",
            "interactive_exercise.html",
            &scorm, nullptr, nullptr,
            F::CarriesDistractors | F::CarriesChoices | F::Archive | F::Xml | F::CarriesHints}, // Xml: the manifest
        // Practice at home. Anki's import reads any text file; Quizlet's takes the text pasted in.
        {"anki", QT_TRANSLATE_NOOP("MainWindow", "Anki text files (*.txt)"), ".txt", nullptr,
            &anki, &noCards, nullptr, F::CarriesHints},
        {"quizlet", QT_TRANSLATE_NOOP("MainWindow", "Quizlet text files (*.txt)"), ".txt", nullptr,
            &quizlet, &noCards, nullptr, F::CarriesHints},
    };
    // clang-format on
    return formats;
}

// The questions, numbered in their final order, that have a gap with wrong choices.
QStringList sentencesWithChoices(const ExerciseModel &model)
{
    QStringList sentences;
    for (int i = 0; i < model.questions.size(); ++i) {
        const ExerciseQuestion &question = model.questions.at(i);
        for (const BracketSegment &gap : question.gaps()) {
            if (!gap.choices.isEmpty()) {
                sentences.append(QString::number(i + 1) + QLatin1String(". ") + question.entry());
                break;
            }
        }
    }
    return sentences;
}

// The first answers of the key words of every sentence of the database that is not in the exercise.
QStringList databaseKeyWords(const LxdDatabase *database, const QStringList &entries)
{
    QStringList words;
    if (!database)
        return words;
    const QSet<QString> used(entries.begin(), entries.end());
    for (int i = 0; i < database->itemCount(); ++i) {
        for (int j = 0; j < database->sentenceCount(i); ++j) {
            const QString &text = database->sentenceAt(i, j)->textRef();
            if (!text.contains(QLatin1Char('[')) || used.contains(text))
                continue;
            words.append(ExerciseModelBuilder::split(text).answers());
        }
    }
    words.removeDuplicates();
    return words;
}

} // namespace

QString ExportFormat::filterText() const
{
    return filter ? windowText(filter) : QString();
}

QStringList ExportFormat::endingList() const
{
    return QString::fromLatin1(endings).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

const QList<ExportFormat> &ExportFormats::all()
{
    return table();
}

const ExportFormat *ExportFormats::find(const QString &name)
{
    for (const ExportFormat &format : table()) {
        if (name == QLatin1String(format.name))
            return &format;
    }
    return nullptr;
}

QStringList ExportFormats::names()
{
    QStringList list;
    for (const ExportFormat &format : table())
        list.append(QLatin1String(format.name));
    return list;
}

ExerciseModel ExportFormats::exerciseModel(const ExerciseRequest &request, const LxdDatabase *database)
{
    QString title = request.typedTitle.trimmed();
    const bool typed = !title.isEmpty();
    if (!typed && !request.databaseFile.isEmpty()) {
        // The working database's file name is no title a pupil should read.
        title = QFileInfo(request.databaseFile).completeBaseName();
        if (title == QLatin1String("CurrentDB"))
            title.clear();
    }
    ExerciseModel model = ExerciseModelBuilder::build(request.entries, request.options, request.seed, title);
    model.titleTyped = typed;
    model.language = request.language;
    static const QRegularExpression separators(QStringLiteral("[,\\n]"));
    ExerciseModelBuilder::addDistractors(model, request.extraWords.split(separators, Qt::SkipEmptyParts),
        request.databaseWords,
        request.databaseWords > 0 ? databaseKeyWords(database, request.entries) : QStringList());
    return model;
}

std::optional<ExportNote> ExportFormats::refusal(const ExportFormat &format, const ExerciseModel &model)
{
    return format.refusal ? format.refusal(model) : std::nullopt;
}

QList<ExportNote> ExportFormats::notes(const ExportFormat &format, const ExerciseModel &model)
{
    QList<ExportNote> notes;
    const QStringList problems = format.problems ? format.problems(model) : QStringList();
    if (!problems.isEmpty()) {
        // "Left out" of the file only when a sentence is; a drop zone that keeps the first answer
        // leaves out the others, and the sentence stays.
        ExportNote note {ExportNote::Warning, windowText(QT_TRANSLATE_NOOP("MainWindow", "H5P")),
            windowText(QT_TRANSLATE_NOOP("MainWindow",
                "H5P marks gaps with \"*\", \"/\" and \":\" and cannot hold them in an answer. "
                "These are left out of the file:"))};
        const bool drag = qstrcmp(format.name, "h5p-drag") == 0;
        const H5PExport::Losses losses = H5PExport::losses(
            hintsInClues(model), drag ? H5PExport::Kind::DragText : H5PExport::Kind::Blanks);
        if (losses.sentences == 0 && losses.other == 0) {
            note = {ExportNote::Information,
                windowText(QT_TRANSLATE_NOOP("MainWindow", "Second answers left out")),
                windowText(QT_TRANSLATE_NOOP("MainWindow",
                    "A drop zone takes one word. In these sentences the second answers are left out and "
                    "only the first kept:"))};
        } else if (losses.sentences == 0) {
            note.text = windowText(QT_TRANSLATE_NOOP("MainWindow",
                "H5P marks gaps with \"*\", \"/\" and \":\" and cannot hold them in an answer. These "
                "sentences are kept without what each line names:"));
        }
        note.text += QLatin1String("\n\n") + problems.join(QLatin1Char('\n'));
        notes.append(note);
    }
    if (format.has(ExportFormat::HotPotatoesGapFill) || format.has(ExportFormat::HotPotatoesMatching)) {
        const QStringList players = TemplateFill::hotPotatoesProblems(
            model.orderedEntries(), format.has(ExportFormat::HotPotatoesMatching));
        if (!players.isEmpty())
            notes.append(
                {ExportNote::Warning, windowText(QT_TRANSLATE_NOOP("MainWindow", "Hot Potatoes players")),
                    windowText(QT_TRANSLATE_NOOP("MainWindow",
                        "Neither the suite's own page nor Moodle's player can show these as typed:"))
                        + QLatin1String("\n\n") + players.join(QLatin1Char('\n'))});
    }
    if (format.has(ExportFormat::FirstAnswersOnly)) {
        const QStringList sentences = ExerciseRender::sentencesWithNotation(model);
        if (!sentences.isEmpty())
            notes.append({ExportNote::Information,
                windowText(QT_TRANSLATE_NOOP("MainWindow", "Clues and alternatives left out")),
                windowText(QT_TRANSLATE_NOOP("MainWindow",
                    "This format shows only the first answer of each gap and no clue. In these "
                    "sentences the other answers and the clues are left out:"))
                    + QLatin1String("\n\n") + sentences.join(QLatin1Char('\n'))});
    }
    if (model.options.hints != ExerciseOptions::Hints::None && model.options.gapWords
        && !format.has(ExportFormat::CarriesHints))
        notes.append({ExportNote::Information, windowText(QT_TRANSLATE_NOOP("MainWindow", "Hints left out")),
            windowText(QT_TRANSLATE_NOOP("MainWindow",
                "This format has no place for a hint beside a gap; its gaps are made without hints."))});
    if (!format.has(ExportFormat::CarriesChoices)) {
        const QStringList sentences = sentencesWithChoices(model);
        if (!sentences.isEmpty())
            notes.append(
                {ExportNote::Information, windowText(QT_TRANSLATE_NOOP("MainWindow", "Choices left out")),
                    windowText(QT_TRANSLATE_NOOP("MainWindow",
                        "This format cannot offer a gap its own choices. In these sentences the wrong "
                        "choices are left out and only the answers kept:"))
                        + QLatin1String("\n\n") + sentences.join(QLatin1Char('\n'))});
    }
    if (!model.distractors.isEmpty()
        && !(format.has(ExportFormat::CarriesDistractors) && model.options.includeWordList)) {
        // The extra words come back with the kept exercise, perhaps out of sight below the options: the
        // note names them and where they are set.
        const qsizetype named = 20;
        QString words = model.distractors.mid(0, named).join(QLatin1String(", "));
        if (model.distractors.size() > named)
            words += QStringLiteral(", \u2026");
        const char *why = format.has(ExportFormat::CarriesDistractors)
            ? QT_TRANSLATE_NOOP(
                "MainWindow", "The word list is switched off, so these extra words are left out:")
            : QT_TRANSLATE_NOOP(
                "MainWindow", "This export has no word bank to put these extra words in; they are left out:");
        notes.append(
            {ExportNote::Information, windowText(QT_TRANSLATE_NOOP("MainWindow", "Extra words left out")),
                windowText(why) + QLatin1String("\n\n") + words,
                windowText(QT_TRANSLATE_NOOP("MainWindow",
                    "They come from \"Extra words\" and \"From the database\" in the options, which are "
                    "kept with the exercise."))});
    }
    return notes;
}

std::optional<ExportNote> ExportFormats::noteAfterWriting(
    const ExportFormat &format, const ExerciseModel &model)
{
    if (!format.has(ExportFormat::Xml))
        return std::nullopt;
    const QStringList changed = ExerciseRender::textsLosingCharacters(
        model, format.has(ExportFormat::CarriesDistractors) && model.options.includeWordList);
    if (changed.isEmpty())
        return std::nullopt;
    const QString text = changed.size() == 1
        ? windowText(QT_TRANSLATE_NOOP("MainWindow",
            "One text held characters that an XML file cannot hold (control characters and the like); they "
            "were left out. It now reads:"))
        : windowText(QT_TRANSLATE_NOOP("MainWindow",
                         "%1 texts held characters that an XML file cannot hold (control characters and the "
                         "like); they were left out. The first now reads:"))
              .arg(changed.size());
    return ExportNote {ExportNote::Information,
        windowText(QT_TRANSLATE_NOOP("MainWindow", "Characters left out")),
        text + QLatin1String("\n\n") + changed.first()};
}

ExportResult ExportFormats::render(const ExportFormat &format, const ExerciseModel &model,
    const ExportSettings &settings, const QString &templatePath)
{
    QByteArray templateBytes;
    if (format.templateName) {
        QFile file(templatePath);
        if (!file.open(QIODevice::ReadOnly))
            return failed(ExportResult::TemplateMissing);
        templateBytes = file.readAll();
    }
    return format.render(model, settings, templateBytes);
}
