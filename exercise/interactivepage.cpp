// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/interactivepage.h"

#include "exercise/instructionlanguage.h"
#include "exercise/randomsource.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

namespace {

// Texts marked for lupdate where they stand (QT_TRANSLATE_NOOP), translated here into the
// exercise's instruction language.
QString pageText(const QString &language, const char *text, const char *disambiguation = nullptr)
{
    return InstructionLanguage::translate(language, "InteractivePage", text, disambiguation);
}

// What the pupil reads on the page, in the instruction language.
QJsonObject pageTexts(const InteractivePageSettings &settings, const QString &language)
{
    const InteractivePageSettings::Mode mode = settings.mode;
    static const struct
    {
        const char *key;
        const char *text;
    } Texts[] = {
        {"wordList", QT_TRANSLATE_NOOP("InteractivePage", "Word list")},
        {"check", QT_TRANSLATE_NOOP("InteractivePage", "Check")},
        {"showAnswers", QT_TRANSLATE_NOOP("InteractivePage", "Show answers")},
        {"tryAgain", QT_TRANSLATE_NOOP("InteractivePage", "Try again")},
        {"hint", QT_TRANSLATE_NOOP("InteractivePage", "Hint")},
        {"hintTitle", QT_TRANSLATE_NOOP("InteractivePage", "Show the next letter of the gap you are in")},
        {"score", QT_TRANSLATE_NOOP("InteractivePage", "Score: %1 of %2 (%3%)")},
        {"shown", QT_TRANSLATE_NOOP("InteractivePage", "The answers are shown.")},
        {"gapLabel", QT_TRANSLATE_NOOP("InteractivePage", "Gap %1 of question %2")},
        {"matchLabel", QT_TRANSLATE_NOOP("InteractivePage", "Missing words of question %1")},
        {"blank", QT_TRANSLATE_NOOP("InteractivePage", "blank")},
        {"choose", QT_TRANSLATE_NOOP("InteractivePage", "(choose)")},
        {"right", QT_TRANSLATE_NOOP("InteractivePage", "right")},
        {"wrong", QT_TRANSLATE_NOOP("InteractivePage", "wrong")},
    };
    QJsonObject texts;
    for (const auto &text : Texts)
        texts.insert(QLatin1String(text.key), pageText(language, text.text));
    // Only a page that reads aloud carries the texts for it, so any other stays as it was.
    static const struct
    {
        const char *key;
        const char *text;
    } SpeechTexts[] = {
        {"readAloud", QT_TRANSLATE_NOOP("InteractivePage", "Read sentence %1 aloud")},
        {"listen", QT_TRANSLATE_NOOP("InteractivePage", "Listen to sentence %1")},
        {"listeningHelp",
            QT_TRANSLATE_NOOP("InteractivePage",
                "Press the loudspeaker button of a sentence to hear it. Then the sentence appears, and you "
                "type the missing words.")},
        {"noSpeech",
            QT_TRANSLATE_NOOP(
                "InteractivePage", "Reading aloud is not available: this browser cannot speak.")},
        //: %1 is the name of a language, as the browser writes it in the page's language
        {"noVoice",
            QT_TRANSLATE_NOOP(
                "InteractivePage", "Reading aloud is not available: this browser has no %1 voice.")},
        {"shownInstead", QT_TRANSLATE_NOOP("InteractivePage", "The sentences are shown instead.")},
    };
    if (settings.readAloud || settings.listening) {
        for (const auto &text : SpeechTexts)
            texts.insert(QLatin1String(text.key), pageText(language, text.text));
    }
    texts.insert(QLatin1String("instructions"),
        pageText(language,
            mode == InteractivePageSettings::Mode::Matching
                ? QT_TRANSLATE_NOOP(
                    "InteractivePage", "Choose the missing words for each sentence, then press Check.")
                : QT_TRANSLATE_NOOP("InteractivePage", "Fill in the gaps, then press Check.")));
    return texts;
}

QJsonArray jsonArray(const QStringList &list)
{
    return QJsonArray::fromStringList(list);
}

// Every distinct set of key words, in a shuffled order, for the drop-down list of each sentence.
QStringList matchChoices(const ExerciseModel &model)
{
    QStringList choices;
    QSet<QString> seen;
    for (const ExerciseQuestion &question : model.questions) {
        const QStringList answers = question.answers();
        const QString right = answers.join(QLatin1String(", "));
        if (!answers.isEmpty() && !seen.contains(right)) {
            seen.insert(right);
            choices.append(right);
        }
    }
    RandomSource random(model.seed);
    ExerciseBuilder::jumble(choices, random);
    return choices;
}

QByteArray configJson(const ExerciseModel &model, const InteractivePageSettings &settings)
{
    const bool matching = settings.mode == InteractivePageSettings::Mode::Matching;
    QJsonObject config {
        {QStringLiteral("mode"), matching ? QStringLiteral("matching") : QStringLiteral("gapfill")},
        {QStringLiteral("dropDowns"), !matching && settings.dropDowns && model.options.includeWordList},
        {QStringLiteral("caseSensitive"), settings.caseSensitive},
        {QStringLiteral("accentsRequired"), settings.accentsRequired},
        {QStringLiteral("hints"), settings.hints},
    };
    // Written only when they differ from what a page has always done.
    if (!settings.showAnswers)
        config.insert(QStringLiteral("showAnswers"), false);
    if (settings.readAloud)
        config.insert(QStringLiteral("readAloud"), true);
    if (settings.listening)
        config.insert(QStringLiteral("listening"), true);
    if (settings.sameGapWidth && !matching) {
        int longest = 2;
        for (const ExerciseQuestion &question : model.questions) {
            for (const BracketSegment &segment : question.segments) {
                for (const QString &answer : segment.answers)
                    longest = qMax(longest, int(answer.toUcs4().size()));
            }
        }
        config.insert(QStringLiteral("gapSize"), longest + 1);
    }
    return QJsonDocument(config).toJson(QJsonDocument::Indented).trimmed();
}

QByteArray exerciseJson(const ExerciseModel &model, const InteractivePageSettings &settings)
{
    const bool matching = settings.mode == InteractivePageSettings::Mode::Matching;
    QJsonArray questions;
    for (const ExerciseQuestion &question : model.questions) {
        QJsonObject object {{QStringLiteral("texts"), jsonArray(question.texts())},
            {QStringLiteral("answers"), jsonArray(question.answers())}};
        // Alternatives and clues only where the teacher wrote some, so a page without them stays
        // as it always was.
        QJsonArray accepted;
        QStringList clues;
        bool notation = false;
        for (const BracketSegment &gap : question.gaps()) {
            accepted.append(jsonArray(gap.answers));
            clues.append(gap.clue);
            notation = notation || gap.answers.size() > 1 || !gap.clue.isEmpty();
        }
        if (notation) {
            object.insert(QStringLiteral("accepted"), accepted);
            object.insert(QStringLiteral("clues"), jsonArray(clues));
        }
        // A gap with wrong choices of its own is a drop-down of its answer and those choices.
        QJsonArray offered;
        bool choices = false;
        for (int g = 0; g < accepted.size(); ++g) {
            const QStringList list = question.offered(g);
            offered.append(jsonArray(list));
            choices = choices || !list.isEmpty();
        }
        if (choices)
            object.insert(QStringLiteral("options"), offered);
        // The hint the teacher chose stands in each typed box until the pupil types.
        if (model.options.hints != ExerciseOptions::Hints::None && !matching) {
            QStringList placeholders;
            for (const QString &answer : question.answers())
                placeholders.append(GapHints::text(answer, model.options.hints));
            object.insert(QStringLiteral("placeholders"), jsonArray(placeholders));
        }
        questions.append(object);
    }

    const QJsonObject exercise {
        {QStringLiteral("numbers"), model.options.includeQNums},
        {QStringLiteral("gapWords"), model.options.gapWords},
        {QStringLiteral("bracketWords"), model.options.bracketWords},
        {QStringLiteral("wordBank"),
            jsonArray(!matching && model.options.includeWordList ? model.wordBank : QStringList())},
        {QStringLiteral("choices"), jsonArray(matching ? matchChoices(model) : QStringList())},
        {QStringLiteral("questions"), questions},
        {QStringLiteral("text"), pageTexts(settings, model.options.instructionLanguage)},
    };
    return QJsonDocument(exercise).toJson(QJsonDocument::Compact);
}

} // namespace

namespace InteractivePage {

QByteArray scriptSafe(QByteArray json)
{
    // Outside strings JSON has none of these, so every one found is inside a string and may be
    // written as its escape.
    json.replace('<', "\\u003c");
    json.replace('>', "\\u003e");
    json.replace('&', "\\u0026");
    json.replace("\xE2\x80\xA8", "\\u2028");
    json.replace("\xE2\x80\xA9", "\\u2029");
    return json;
}

std::optional<QByteArray> render(const ExerciseModel &model, const InteractivePageSettings &settings,
    const QByteArray &pageTemplate, const QByteArray &platformScript)
{
    static const QByteArray ExerciseMark("[strExercise]");
    if (!pageTemplate.contains(ExerciseMark))
        return std::nullopt;

    const QString &instructions = model.options.instructionLanguage;
    const QString title = model.title.isEmpty()
        ? pageText(instructions, QT_TRANSLATE_NOOP("InteractivePage", "Exercise"))
        : model.title;
    const QByteArray titleHtml = title.toHtmlEscaped().toUtf8();
    const QByteArray config = scriptSafe(configJson(model, settings));
    const QByteArray exercise = scriptSafe(exerciseJson(model, settings));

    // The page speaks the instruction language: its code for the browser (hyphenation, a reader's
    // voice) and the note for browsers without JavaScript.
    static const struct
    {
        const char *source;
        const char *comment;
    } LanguageCode
        = QT_TRANSLATE_NOOP3("InteractivePage", "en", "the language code of the page, as in lang=\"en\"");
    const QByteArray language
        = pageText(instructions, LanguageCode.source, LanguageCode.comment).toHtmlEscaped().toUtf8();
    const QByteArray noScript = pageText(instructions,
        QT_TRANSLATE_NOOP("InteractivePage",
            "This exercise checks your answers with JavaScript. Please allow JavaScript for this page, or "
            "ask "
            "your teacher for a printed copy."))
                                    .toHtmlEscaped()
                                    .toUtf8();
    // The sentences and the word bank speak the database's language, which the script marks on the
    // list of sentences and on the list of the word bank as soon as they are made; nothing without one.
    const QByteArray textLanguage = model.language.isEmpty()
        ? QByteArray()
        : "\n  list.lang = \"" + model.language.toLatin1() + "\";\n  if (bankList) bankList.lang = \""
            + model.language.toLatin1() + "\";";

    static const QRegularExpression Placeholder(
        QStringLiteral("\\[str(Title|Config|Exercise|Lang|NoScript|Scorm|TextLang)\\]"));
    const QString text = QString::fromUtf8(pageTemplate);
    QByteArray page;
    page.reserve(pageTemplate.size() + exercise.size() + config.size());
    qsizetype copied = 0;
    for (auto it = Placeholder.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        page += text.mid(copied, match.capturedStart() - copied).toUtf8();
        const QStringView name = match.capturedView(1);
        page += name == QLatin1String("Title")  ? titleHtml
            : name == QLatin1String("Config")   ? config
            : name == QLatin1String("Lang")     ? language
            : name == QLatin1String("NoScript") ? noScript
            : name == QLatin1String("Scorm")    ? platformScript
            : name == QLatin1String("TextLang") ? textLanguage
                                                : exercise;
        copied = match.capturedEnd();
    }
    page += text.mid(copied).toUtf8();
    return page;
}

} // namespace InteractivePage
