// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/moodleexport.h"

#include "data/xmltext.h"
#include "exercise/instructionlanguage.h"

#include <QCoreApplication>
#include <QXmlStreamWriter>

namespace {

const QLatin1String kBlank("_____"); // the blank Moodle itself puts in a missing-word question
const QLatin1String kNameGap("___");
constexpr int kNameLength = 40;

// The teacher's text as HTML that shows every character as typed. In Moodle XML braces and square
// brackets are written as character references too: in the question text Moodle looks for
// "{1:SHORTANSWER:" and "[[1]]" markup, which a sentence must never be taken for. (GIFT has
// backslash escapes of its own for its markup.)
enum class Markup { Guarded, Plain };

QString htmlText(const QString &text, Markup markup = Markup::Guarded)
{
    const bool guarded = markup == Markup::Guarded;
    QString html;
    html.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        if (c == QLatin1Char('&'))
            html += QLatin1String("&amp;");
        else if (c == QLatin1Char('<'))
            html += QLatin1String("&lt;");
        else if (c == QLatin1Char('>'))
            html += QLatin1String("&gt;");
        else if (c == QLatin1Char('"'))
            html += QLatin1String("&quot;");
        else if (guarded && QStringView(u"{}[]").contains(c))
            html += QStringLiteral("&#%1;").arg(c.unicode());
        else
            html += c;
    }
    return html;
}

// An entry as the Moodle questions ask it: key words with nothing to type are folded back into the
// text around them.
ExerciseQuestion askedQuestion(const ExerciseQuestion &question)
{
    ExerciseQuestion asked;
    bool joinNext = false; // the text after a folded key word joins the text before it
    int gap = 0;
    for (const BracketSegment &segment : question.segments) {
        const bool isGap = segment.kind == BracketSegment::Gap;
        if (isGap && segment.answers.first().trimmed().isEmpty()) {
            asked.segments.last().raw += BracketText::escaped(segment.answers.first());
            joinNext = true;
        } else if (joinNext) {
            asked.segments.last().raw += segment.raw;
            joinNext = false;
        } else {
            asked.segments.append(segment);
            if (isGap)
                asked.choiceOrder.append(question.offered(gap));
        }
        gap += isGap ? 1 : 0;
    }
    return asked;
}

// What follows gap i in the question text: its clue in parentheses, if it has one.
QString clueAfter(const ExerciseQuestion &question, int i)
{
    const QString clue = question.gaps().value(i).clue;
    return clue.isEmpty() ? QString() : QLatin1String(" (") + clue + QLatin1Char(')');
}

// Short and unique: the question's number, padded so that the names sort in order, and the start
// of the gapped sentence.
// `part`, when given, tells apart the questions asked of one sentence ("02.2").
QString questionName(int number, int count, const ExerciseQuestion &question, int part = 0)
{
    const int width = QString::number(count).size();
    QString words = question.gappedText(kNameGap).simplified();
    if (words.size() > kNameLength)
        words = words.left(kNameLength - 1).trimmed() + QChar(0x2026);
    QString name = QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0'));
    if (part > 0)
        name += QLatin1Char('.') + QString::number(part);
    return name + QLatin1Char(' ') + words;
}

// One right answer of a GIFT block: "=" marks it; an answer that itself starts with a percent sign
// would be read as a weight, and one holding "->" (which has no escape) would turn the question into
// a matching one wherever "=" appears, so those are given their full weight instead.
QString giftAnswer(const QString &answer)
{
    QString mark = QStringLiteral("=");
    if (answer.contains(QLatin1String("->")))
        mark = QStringLiteral("%100%");
    else if (answer.startsWith(QLatin1Char('%')))
        mark = QStringLiteral("=%100%");
    return mark + MoodleExport::giftEscaped(answer);
}

QString keyWordsJoined(const ExerciseQuestion &question)
{
    return question.answers().join(QLatin1String(", "));
}

// Every text goes in without the characters XML cannot carry (XmlText), so Moodle reads the file.
class QuizWriter
{
public:
    explicit QuizWriter(QByteArray *bytes)
        : xml(bytes)
    {
        xml.setAutoFormatting(true);
        xml.setAutoFormattingIndent(2);
        // Moodle wants the declaration alone on the very first line.
        xml.writeStartDocument();
        xml.writeStartElement(QStringLiteral("quiz"));
    }

    void category(const QString &name)
    {
        xml.writeStartElement(QStringLiteral("question"));
        xml.writeAttribute(QStringLiteral("type"), QStringLiteral("category"));
        xml.writeStartElement(QStringLiteral("category"));
        // A slash in a category name is written doubled; a single one would open a subcategory.
        xml.writeTextElement(QStringLiteral("text"),
            XmlText::clean(
                QLatin1String("$course$/") + QString(name).replace(QLatin1Char('/'), QLatin1String("//"))));
        xml.writeEndElement();
        xml.writeEndElement();
    }

    void startQuestion(const QString &type, const QString &name, const QString &html)
    {
        xml.writeStartElement(QStringLiteral("question"));
        xml.writeAttribute(QStringLiteral("type"), type);
        xml.writeStartElement(QStringLiteral("name"));
        xml.writeTextElement(QStringLiteral("text"), XmlText::clean(name));
        xml.writeEndElement();
        htmlElement(QStringLiteral("questiontext"), html);
        htmlElement(QStringLiteral("generalfeedback"), QString());
        // A cloze question is worth the sum of its gaps, which Moodle counts itself; a description
        // is worth nothing.
        if (type != QLatin1String("cloze")) {
            xml.writeTextElement(QStringLiteral("defaultgrade"),
                type == QLatin1String("description") ? QStringLiteral("0") : QStringLiteral("1"));
        }
        xml.writeTextElement(QStringLiteral("penalty"), QStringLiteral("0.3333333"));
        xml.writeTextElement(QStringLiteral("hidden"), QStringLiteral("0"));
    }

    void endQuestion() { xml.writeEndElement(); }

    // HTML goes into CDATA, as Moodle's own files do; the writer splits any "]]>" itself.
    void htmlElement(const QString &name, const QString &html)
    {
        xml.writeStartElement(name);
        xml.writeAttribute(QStringLiteral("format"), QStringLiteral("html"));
        text(html);
        xml.writeEndElement();
    }

    void text(const QString &html)
    {
        xml.writeStartElement(QStringLiteral("text"));
        // An empty text as <text></text>, the form Moodle's own files have.
        if (html.isEmpty())
            xml.writeCharacters(QString());
        else
            xml.writeCDATA(XmlText::clean(html));
        xml.writeEndElement();
    }

    void subquestion(const QString &html, const QString &answer)
    {
        xml.writeStartElement(QStringLiteral("subquestion"));
        xml.writeAttribute(QStringLiteral("format"), QStringLiteral("html"));
        text(html);
        xml.writeStartElement(QStringLiteral("answer"));
        text(answer);
        xml.writeEndElement();
        xml.writeEndElement();
    }

    void element(const QString &name, const QString &value)
    {
        xml.writeTextElement(name, XmlText::clean(value));
    }
    void start(const QString &name) { xml.writeStartElement(name); }
    void end() { xml.writeEndElement(); }

    void finish() { xml.writeEndDocument(); }

private:
    QXmlStreamWriter xml;
};

// A paragraph of the question's text; one of sentences is marked with their language when there is one.
QString paragraph(const QString &html, const QString &language = QString())
{
    if (!language.isEmpty())
        return QLatin1String("<p lang=\"") + language + QLatin1String("\">") + html + QLatin1String("</p>");
    return QLatin1String("<p>") + html + QLatin1String("</p>");
}

// A drop-down's entry as Moodle reads it back: as a short-answer box's text, but "*" is no wildcard
// there and its backslash would be shown, so it goes in as a character reference.
QString clozeChoice(const QString &choice)
{
    return MoodleExport::clozeAnswer(choice).replace(QLatin1String("\\*"), QLatin1String("&#42;"));
}

// A cloze drop-down of `offered`, `answer` the right one.
QString multichoice(const QStringList &offered, const QString &answer)
{
    QStringList entries;
    for (const QString &entry : offered)
        entries.append((entry == answer ? QStringLiteral("=") : QString()) + clozeChoice(entry));
    return QLatin1String("{1:MULTICHOICE:") + entries.join(QLatin1Char('~')) + QLatin1Char('}');
}

// The embedded answers of a question: a short-answer box per gap, or, where a gap has choices of its
// own, a drop-down of its answer and those choices. With `wordList` the other gaps are drop-downs of
// the word list, as the select-missing-words question offers it.
QString clozeHtml(
    const ExerciseQuestion &question, const QString &language, const QStringList *wordList = nullptr)
{
    const QStringList texts = question.texts();
    const QList<BracketSegment> gaps = question.gaps();
    QString html = htmlText(texts.value(0));
    for (int i = 0; i < gaps.size(); ++i) {
        const QString answer = gaps.at(i).answers.first();
        if (!gaps.at(i).choices.isEmpty()) {
            html += multichoice(question.offered(i), answer);
        } else if (wordList) {
            QStringList offered = *wordList;
            if (!offered.contains(answer))
                offered.append(answer);
            html += multichoice(offered, answer);
        } else {
            QStringList accepted;
            for (const QString &right : gaps.at(i).answers)
                accepted.append(QLatin1Char('=') + MoodleExport::clozeAnswer(right));
            html += QLatin1String("{1:SHORTANSWER:") + accepted.join(QLatin1Char('~')) + QLatin1Char('}');
        }
        html += htmlText(clueAfter(question, i) + texts.value(i + 1));
    }
    return paragraph(html, language);
}

bool hasChoices(const ExerciseQuestion &question)
{
    for (const BracketSegment &gap : question.gaps()) {
        if (!gap.choices.isEmpty())
            return true;
    }
    return false;
}

} // namespace

namespace MoodleExport {

QString categoryName(const ExerciseModel &model)
{
    const QString title = model.title.trimmed();
    return title.isEmpty() ? QStringLiteral("Lexivane") : title;
}

// Moodle reads a short-answer box up to the first "~", "#" or "}" that follows neither a backslash
// nor "&", then decodes HTML character references in it, and last turns "\}" and "\#" into "}" and
// "#". So "}" and "#" take their backslash, and "~", which has no backslash escape, is written as a
// character reference. So is the backslash itself, or a key word ending in one would escape the
// closing brace; and "&", since "&amp;" before the closing brace would hide it as well. A "*" is a
// wildcard in short answers unless escaped.
QString clozeAnswer(const QString &answer)
{
    QString text;
    text.reserve(answer.size() + 8);
    for (const QChar c : answer) {
        if (QStringView(u"}#*").contains(c))
            text += QLatin1Char('\\') + c;
        else if (QStringView(u"~\\&{/\"<>").contains(c))
            text += QStringLiteral("&#%1;").arg(c.unicode());
        else
            text += c;
    }
    return text;
}

QString giftEscaped(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (QStringView(u"\\~=#{}:").contains(c))
            escaped += QLatin1Char('\\') + c;
        else if (c == QLatin1Char('\n'))
            escaped += QLatin1String("\\n");
        else if (c != QLatin1Char('\r'))
            escaped += c;
    }
    return escaped;
}

QByteArray moodleXml(const ExerciseModel &model)
{
    // The drop-down lists offer the word list in its own order, the order the printed sheet shows.
    QStringList choices;
    for (const QString &word : model.wordBank) {
        if (!word.trimmed().isEmpty() && !choices.contains(word))
            choices.append(word);
    }
    const bool select = model.options.includeWordList;

    QByteArray bytes;
    QuizWriter quiz(&bytes);
    quiz.category(categoryName(model));
    const int count = int(model.questions.size());
    for (int i = 0; i < count; ++i) {
        const ExerciseQuestion question = askedQuestion(model.questions.at(i));
        const QString name = questionName(i + 1, count, question);
        const QStringList texts = question.texts();
        const QStringList answers = question.answers();
        if (answers.isEmpty()) {
            quiz.startQuestion(QStringLiteral("description"), name,
                paragraph(htmlText(question.solvedText()), model.language));
            quiz.endQuestion();
        } else if (!select || hasChoices(question)) {
            // A select-missing-words question offers one list to every gap, so a sentence whose gaps
            // have choices of their own is a cloze question.
            quiz.startQuestion(QStringLiteral("cloze"), name,
                clozeHtml(question, model.language, select ? &choices : nullptr));
            quiz.endQuestion();
        } else {
            QString html = htmlText(texts.value(0));
            for (int a = 0; a < answers.size(); ++a) {
                qsizetype place = choices.indexOf(answers.at(a));
                if (place < 0) {
                    choices.append(answers.at(a));
                    place = choices.size() - 1;
                }
                html += QStringLiteral("[[%1]]").arg(place + 1)
                    + htmlText(clueAfter(question, a) + texts.value(a + 1));
            }
            quiz.startQuestion(QStringLiteral("gapselect"), name, paragraph(html, model.language));
            quiz.element(QStringLiteral("shuffleanswers"), QStringLiteral("0"));
            for (const QString &choice : std::as_const(choices)) {
                quiz.start(QStringLiteral("selectoption"));
                quiz.text(htmlText(choice));
                quiz.element(QStringLiteral("group"), QStringLiteral("1"));
                quiz.end();
            }
            quiz.endQuestion();
        }
    }
    quiz.finish();
    return bytes;
}

int matchingPairCount(const ExerciseModel &model)
{
    int pairs = 0;
    for (const ExerciseQuestion &question : model.questions) {
        if (!askedQuestion(question).answers().isEmpty())
            ++pairs;
    }
    return pairs;
}

QByteArray matchingXml(const ExerciseModel &model)
{
    if (matchingPairCount(model) < 2)
        return QByteArray();

    QByteArray bytes;
    QuizWriter quiz(&bytes);
    const QString category = categoryName(model);
    quiz.category(category);
    quiz.startQuestion(QStringLiteral("matching"),
        QCoreApplication::translate("MoodleExport", "%1: matching").arg(category),
        paragraph(htmlText(InstructionLanguage::translate(model.options.instructionLanguage, "MoodleExport",
            QT_TRANSLATE_NOOP("MoodleExport", "Match each sentence with its missing words.")))));
    quiz.element(QStringLiteral("shuffleanswers"), QStringLiteral("true"));
    for (const ExerciseQuestion &entry : model.questions) {
        const ExerciseQuestion question = askedQuestion(entry);
        if (question.answers().isEmpty())
            continue;
        quiz.subquestion(paragraph(htmlText(question.gappedText(kBlank)), model.language),
            htmlText(keyWordsJoined(question)));
    }
    quiz.endQuestion();
    quiz.finish();
    return bytes;
}

QByteArray gift(const ExerciseModel &model)
{
    QString text = QLatin1String("$CATEGORY: $course$/")
        + categoryName(model).replace(QLatin1Char('/'), QLatin1String("//")) + QLatin1Char('\n');
    const int count = int(model.questions.size());
    for (int i = 0; i < count; ++i) {
        const ExerciseQuestion question = askedQuestion(model.questions.at(i));
        text += QLatin1Char('\n');
        text += QLatin1String("::") + giftEscaped(questionName(i + 1, count, question))
            + QLatin1String("::[html]");
        const auto html = [](const QString &part) { return giftEscaped(htmlText(part, Markup::Plain)); };
        const QStringList texts = question.texts();
        const QStringList answers = question.answers();
        const QList<BracketSegment> gaps = question.gaps();
        if (answers.isEmpty()) {
            text += html(question.solvedText()) + QLatin1Char('\n');
            continue;
        }
        // GIFT has one answer block per question, so a sentence with several key words asks one
        // question per key word, the others shown as blanks: no question gives another's answer.
        for (int k = 0; k < answers.size(); ++k) {
            if (k > 0) {
                text += QLatin1Char('\n');
                text += QLatin1String("::") + giftEscaped(questionName(i + 1, count, question, k + 1))
                    + QLatin1String("::[html]");
            }
            QStringList marks;
            if (gaps.at(k).choices.isEmpty()) {
                for (const QString &answer : gaps.at(k).answers)
                    marks.append(giftAnswer(answer));
            } else {
                // A multiple-choice question: its answer and its wrong choices.
                for (const QString &entry : question.offered(k))
                    marks.append(entry == answers.at(k) ? giftAnswer(entry)
                            : entry.startsWith(QLatin1Char('%')) // not to be read as a weight
                            ? QLatin1String("~%0%") + giftEscaped(entry)
                            : QLatin1Char('~') + giftEscaped(entry));
            }
            const QString block = QLatin1Char('{') + marks.join(QLatin1Char(' ')) + QLatin1Char('}');
            QString before = texts.value(0);
            for (int g = 0; g < k; ++g)
                before += kBlank + texts.value(g + 1);
            QString after = clueAfter(question, k);
            for (int g = k + 1; g < answers.size(); ++g)
                after += texts.value(g) + kBlank;
            after += texts.value(answers.size());
            if (!after.isEmpty()) {
                text += html(before) + block + html(after);
            } else {
                // A block ending the text puts no blank in it: so the gap is shown as a blank and
                // the block follows the sentence.
                text += html(before + kBlank) + QLatin1Char(' ') + block;
            }
            text += QLatin1Char('\n');
        }
    }
    return text.toUtf8();
}

} // namespace MoodleExport
