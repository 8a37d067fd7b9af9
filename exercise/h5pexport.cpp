// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/h5pexport.h"

#include "data/languagetag.h"
#include "exercise/instructionlanguage.h"
#include "exercise/zipwriter.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int MaxTextBlocks = 31;

// What ends or splits a gap in H5P's notation.
bool breaksGap(const QString &text)
{
    return text.contains(QLatin1Char('*')) || text.contains(QLatin1Char('/'))
        || text.contains(QLatin1Char(':'));
}

// H5P shows its text fields as HTML, so a teacher's "<", "&" and quotes go in as references.
QString html(const QString &text)
{
    return text.toHtmlEscaped();
}

// A plain-text field as H5P's own validator stores it: HTML-escaped with single quotes too, so that an
// upload keeps the content exactly as written.
QString plainText(const QString &text)
{
    return html(text).replace(QLatin1Char('\''), QLatin1String("&#039;"));
}

// A text the pupil reads (the task, the buttons, the messages), in the exercise's instruction language.
QString say(const ExerciseModel &model, const char *text)
{
    return InstructionLanguage::translate(model.options.instructionLanguage, "H5PExport", text);
}

struct PlannedGap
{
    QStringList answers;
    QString clue;
};

// One sentence as the package holds it, and what it lost on the way.
struct Planned
{
    bool leftOut = false;
    bool firstAnswersOnly = false; // loses its second answers
    QStringList losses;
    QList<PlannedGap> gaps;
};

Planned plan(const ExerciseQuestion &question, H5PExport::Kind kind)
{
    Planned planned;
    const auto leaveOut = [&planned](const QString &why) {
        planned.leftOut = true;
        planned.losses = QStringList {QCoreApplication::translate("H5PExport", "left out: %1").arg(why)};
    };
    for (const QString &text : question.texts()) {
        if (text.contains(QLatin1Char('*'))) {
            leaveOut(QCoreApplication::translate("H5PExport", "the sentence holds \"*\""));
            return planned;
        }
    }
    bool alternativesUnused = false;
    for (const BracketSegment &gap : question.gaps()) {
        PlannedGap out;
        const QString first = gap.answers.value(0).trimmed();
        if (first.isEmpty()) {
            leaveOut(QCoreApplication::translate("H5PExport", "a key word is empty"));
            return planned;
        }
        if (breaksGap(first)) {
            leaveOut(QCoreApplication::translate("H5PExport", "the answer \"%1\" holds \"*\", \"/\" or \":\"")
                         .arg(first));
            return planned;
        }
        out.answers.append(first);
        for (int i = 1; i < gap.answers.size(); ++i) {
            const QString other = gap.answers.at(i).trimmed();
            if (other.isEmpty())
                continue;
            if (kind == H5PExport::Kind::DragText)
                alternativesUnused = true;
            else if (breaksGap(other))
                planned.losses.append(
                    QCoreApplication::translate("H5PExport", "the alternative \"%1\" is dropped").arg(other));
            else
                out.answers.append(other);
        }
        const QString clue = gap.clue.trimmed();
        if (breaksGap(clue))
            planned.losses.append(
                QCoreApplication::translate("H5PExport", "the clue \"%1\" is dropped").arg(clue));
        else
            out.clue = clue;
        planned.gaps.append(out);
    }
    // A drop zone takes one word.
    planned.firstAnswersOnly = alternativesUnused;
    if (alternativesUnused)
        planned.losses.append(
            QCoreApplication::translate("H5PExport", "only the first answer of each gap is used"));
    return planned;
}

// The sentence in H5P's notation: *answer/other:tip* for every gap, the rest as text.
QString notation(const ExerciseQuestion &question, const Planned &planned, bool asHtml)
{
    const auto escaped = [asHtml](const QString &text) { return asHtml ? html(text) : text; };
    const QStringList texts = question.texts();
    QString line = escaped(texts.value(0));
    for (int i = 0; i < planned.gaps.size(); ++i) {
        const PlannedGap &gap = planned.gaps.at(i);
        line += QLatin1Char('*') + escaped(gap.answers.join(QLatin1Char('/')));
        if (!gap.clue.isEmpty())
            line += QLatin1Char(':') + escaped(gap.clue);
        line += QLatin1Char('*') + escaped(texts.value(i + 1));
    }
    return line;
}

QJsonArray fullRange()
{
    return QJsonArray {QJsonObject {{QStringLiteral("from"), 0}, {QStringLiteral("to"), 100}}};
}

QJsonObject blanksContent(const ExerciseModel &model, const H5PExport::Marking &marking)
{
    QStringList paragraphs;
    for (const ExerciseQuestion &question : model.questions) {
        const Planned planned = plan(question, H5PExport::Kind::Blanks);
        if (!planned.leftOut)
            paragraphs.append(
                QLatin1String("<p>") + notation(question, planned, true) + QLatin1String("</p>"));
    }
    // The content type takes at most 31 text blocks and drops the rest when the package is uploaded;
    // a longer exercise puts consecutive sentences together, each still a paragraph of its own.
    const int perBlock = qMax(1, (int(paragraphs.size()) + MaxTextBlocks - 1) / MaxTextBlocks);
    QJsonArray questions;
    for (int i = 0; i < paragraphs.size(); i += perBlock)
        questions.append(paragraphs.mid(i, perBlock).join(QLatin1Char('\n')));
    const QJsonObject behaviour {
        {QStringLiteral("enableRetry"), true},
        {QStringLiteral("enableSolutionsButton"), true},
        {QStringLiteral("enableCheckButton"), true},
        {QStringLiteral("autoCheck"), false},
        {QStringLiteral("caseSensitive"), marking.caseSensitive},
        {QStringLiteral("showSolutionsRequiresInput"), true},
        {QStringLiteral("separateLines"), false},
        {QStringLiteral("confirmCheckDialog"), false},
        {QStringLiteral("confirmRetryDialog"), false},
        // The content type cannot ignore accents alone; its tolerance of small spelling slips is the
        // nearest it has.
        {QStringLiteral("acceptSpellingErrors"), !marking.accentsRequired},
    };
    return QJsonObject {
        {QStringLiteral("text"),
            QLatin1String("<p>")
                + html(say(model, QT_TRANSLATE_NOOP("H5PExport", "Fill in the missing words.")))
                + QLatin1String("</p>")},
        {QStringLiteral("questions"), questions},
        {QStringLiteral("behaviour"), behaviour},
        {QStringLiteral("overallFeedback"), fullRange()},
        {QStringLiteral("showSolutions"), say(model, QT_TRANSLATE_NOOP("H5PExport", "Show solution"))},
        {QStringLiteral("tryAgain"), say(model, QT_TRANSLATE_NOOP("H5PExport", "Retry"))},
        {QStringLiteral("checkAnswer"), say(model, QT_TRANSLATE_NOOP("H5PExport", "Check"))},
        {QStringLiteral("notFilledOut"),
            say(model, QT_TRANSLATE_NOOP("H5PExport", "Please fill in all blanks to view solution"))},
        {QStringLiteral("answerIsCorrect"),
            plainText(say(model, QT_TRANSLATE_NOOP("H5PExport", "':ans' is correct")))},
        {QStringLiteral("answerIsWrong"),
            plainText(say(model, QT_TRANSLATE_NOOP("H5PExport", "':ans' is wrong")))},
        {QStringLiteral("answeredCorrectly"),
            say(model, QT_TRANSLATE_NOOP("H5PExport", "Answered correctly"))},
        {QStringLiteral("answeredIncorrectly"),
            say(model, QT_TRANSLATE_NOOP("H5PExport", "Answered incorrectly"))},
        {QStringLiteral("solutionLabel"), say(model, QT_TRANSLATE_NOOP("H5PExport", "Correct answer:"))},
        {QStringLiteral("inputLabel"),
            say(model, QT_TRANSLATE_NOOP("H5PExport", "Blank input @num of @total"))},
        {QStringLiteral("inputHasTipLabel"), say(model, QT_TRANSLATE_NOOP("H5PExport", "Tip available"))},
        {QStringLiteral("tipLabel"), say(model, QT_TRANSLATE_NOOP("H5PExport", "Tip"))},
        {QStringLiteral("scoreBarLabel"),
            say(model, QT_TRANSLATE_NOOP("H5PExport", "You got :num out of :total points"))},
    };
}

QJsonObject dragTextContent(const ExerciseModel &model)
{
    QStringList lines;
    for (const ExerciseQuestion &question : model.questions) {
        const Planned planned = plan(question, H5PExport::Kind::DragText);
        if (!planned.leftOut)
            lines.append(notation(question, planned, false));
    }
    QStringList distractors;
    if (model.options.includeWordList) {
        for (const QString &word : model.distractors) {
            const QString trimmed = word.trimmed();
            if (!trimmed.isEmpty() && !breaksGap(trimmed))
                distractors.append(QLatin1Char('*') + trimmed + QLatin1Char('*'));
        }
    }
    const QJsonObject behaviour {
        {QStringLiteral("enableRetry"), true},
        {QStringLiteral("enableSolutionsButton"), true},
        {QStringLiteral("enableCheckButton"), true},
        {QStringLiteral("instantFeedback"), false},
    };
    // The text and the distractors are plain-text fields, which H5P shows as HTML.
    return QJsonObject {
        {QStringLiteral("taskDescription"),
            QLatin1String("<p>")
                + html(say(model, QT_TRANSLATE_NOOP("H5PExport", "Drag the words into the correct boxes.")))
                + QLatin1String("</p>")},
        {QStringLiteral("textField"), plainText(lines.join(QLatin1Char('\n')))},
        {QStringLiteral("distractors"), plainText(distractors.join(QLatin1Char(' ')))},
        {QStringLiteral("overallFeedback"), fullRange()},
        {QStringLiteral("behaviour"), behaviour},
        {QStringLiteral("checkAnswer"), say(model, QT_TRANSLATE_NOOP("H5PExport", "Check"))},
        {QStringLiteral("tryAgain"), say(model, QT_TRANSLATE_NOOP("H5PExport", "Retry"))},
        {QStringLiteral("showSolution"), say(model, QT_TRANSLATE_NOOP("H5PExport", "Show solution"))},
        {QStringLiteral("dropZoneIndex"), say(model, QT_TRANSLATE_NOOP("H5PExport", "Drop Zone @index."))},
        {QStringLiteral("empty"), say(model, QT_TRANSLATE_NOOP("H5PExport", "Drop Zone @index is empty."))},
        {QStringLiteral("contains"),
            say(model, QT_TRANSLATE_NOOP("H5PExport", "Drop Zone @index contains draggable @draggable."))},
        {QStringLiteral("ariaDraggableIndex"),
            say(model, QT_TRANSLATE_NOOP("H5PExport", "@index of @count draggables."))},
        {QStringLiteral("tipLabel"), say(model, QT_TRANSLATE_NOOP("H5PExport", "Show tip"))},
        {QStringLiteral("correctText"), say(model, QT_TRANSLATE_NOOP("H5PExport", "Correct!"))},
        {QStringLiteral("incorrectText"), say(model, QT_TRANSLATE_NOOP("H5PExport", "Incorrect!"))},
        {QStringLiteral("resetDropTitle"), say(model, QT_TRANSLATE_NOOP("H5PExport", "Reset drop"))},
        {QStringLiteral("resetDropDescription"),
            say(model, QT_TRANSLATE_NOOP("H5PExport", "Are you sure you want to reset this drop zone?"))},
        {QStringLiteral("grabbed"), say(model, QT_TRANSLATE_NOOP("H5PExport", "Draggable is grabbed."))},
        {QStringLiteral("cancelledDragging"),
            say(model, QT_TRANSLATE_NOOP("H5PExport", "Cancelled dragging."))},
        {QStringLiteral("correctAnswer"), say(model, QT_TRANSLATE_NOOP("H5PExport", "Correct answer:"))},
        {QStringLiteral("feedbackHeader"), say(model, QT_TRANSLATE_NOOP("H5PExport", "Feedback"))},
        {QStringLiteral("scoreBarLabel"),
            say(model, QT_TRANSLATE_NOOP("H5PExport", "You got :num out of :total points"))},
    };
}

} // namespace

namespace H5PExport {

QStringList problems(const ExerciseModel &model, Kind kind)
{
    QStringList lines;
    for (int i = 0; i < model.questions.size(); ++i) {
        const ExerciseQuestion &question = model.questions.at(i);
        const Planned planned = plan(question, kind);
        if (!planned.losses.isEmpty())
            lines.append(QString::number(i + 1) + QLatin1String(". ") + question.entry() + QLatin1String(" (")
                + planned.losses.join(QLatin1String("; ")) + QLatin1Char(')'));
    }
    if (kind == Kind::DragText && model.options.includeWordList) {
        for (const QString &word : model.distractors) {
            if (breaksGap(word.trimmed()))
                lines.append(QCoreApplication::translate("H5PExport", "The extra word \"%1\" is left out.")
                                 .arg(word.trimmed()));
        }
    }
    return lines;
}

Losses losses(const ExerciseModel &model, Kind kind)
{
    Losses counted;
    for (const ExerciseQuestion &question : model.questions) {
        const Planned planned = plan(question, kind);
        if (planned.leftOut)
            ++counted.sentences;
        else if (planned.losses.size() > (planned.firstAnswersOnly ? 1 : 0))
            ++counted.other;
        else if (planned.firstAnswersOnly)
            ++counted.secondAnswers;
    }
    if (kind == Kind::DragText && model.options.includeWordList) {
        for (const QString &word : model.distractors)
            counted.other += breaksGap(word.trimmed()) ? 1 : 0;
    }
    return counted;
}

int gapCount(const ExerciseModel &model, Kind kind)
{
    int count = 0;
    for (const ExerciseQuestion &question : model.questions) {
        const Planned planned = plan(question, kind);
        if (!planned.leftOut)
            count += planned.gaps.size();
    }
    return count;
}

QByteArray h5pJson(const ExerciseModel &model, Kind kind)
{
    const QString library
        = kind == Kind::Blanks ? QStringLiteral("H5P.Blanks") : QStringLiteral("H5P.DragText");
    const int minor = kind == Kind::Blanks ? 14 : 10;
    QJsonObject h5p {
        {QStringLiteral("title"),
            model.title.isEmpty() ? say(model, QT_TRANSLATE_NOOP("H5PExport", "Exercise")) : model.title},
        // The language of the content: ISO 639-1 as the package format asks, "und" for none.
        {QStringLiteral("language"),
            model.language.isEmpty() ? QStringLiteral("und") : LanguageTag::primary(model.language)},
        {QStringLiteral("mainLibrary"), library},
        {QStringLiteral("embedTypes"), QJsonArray {QStringLiteral("iframe")}},
        {QStringLiteral("license"), QStringLiteral("U")},
        {QStringLiteral("preloadedDependencies"),
            QJsonArray {QJsonObject {{QStringLiteral("machineName"), library},
                {QStringLiteral("majorVersion"), 1}, {QStringLiteral("minorVersion"), minor}}}},
    };
    // The content's language in full, as H5P's metadata keeps it.
    if (!model.language.isEmpty())
        h5p.insert(QStringLiteral("defaultLanguage"), model.language);
    return QJsonDocument(h5p).toJson(QJsonDocument::Indented);
}

QByteArray contentJson(const ExerciseModel &model, Kind kind, const Marking &marking)
{
    const QJsonObject content = kind == Kind::Blanks ? blanksContent(model, marking) : dragTextContent(model);
    return QJsonDocument(content).toJson(QJsonDocument::Indented);
}

QByteArray package(const ExerciseModel &model, Kind kind, const Marking &marking, QString *error)
{
    return ZipWriter::archive(
        {{QStringLiteral("h5p.json"), h5pJson(model, kind)},
            {QStringLiteral("content/content.json"), contentJson(model, kind, marking)}},
        error);
}

} // namespace H5PExport
