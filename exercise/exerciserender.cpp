// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/exerciserender.h"

#include "data/languagetag.h"
#include "data/xmltext.h"
#include "exercise/exerciseoptions.h"
#include "exercise/instructionlanguage.h"
#include "exercise/templatefill.h"

#include <QBuffer>
#include <QDomDocument>
#include <QFont>
#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextOption>

#include <cmath>

namespace {

constexpr int TwipsPerInch = 1440;

// Sets the number after an RTF control word such as "\paperw" where the template gives one.
void setControlValue(QByteArray &rtf, const QByteArray &word, int value)
{
    const qsizetype at = rtf.indexOf(word);
    if (at < 0)
        return;
    const qsizetype digits = at + word.size();
    qsizetype end = digits;
    while (end < rtf.size() && rtf.at(end) >= '0' && rtf.at(end) <= '9')
        ++end;
    if (end > digits)
        rtf.replace(digits, end - digits, QByteArray::number(value));
}

int twips(qreal millimetres)
{
    return int(std::lround(millimetres / 25.4 * TwipsPerInch));
}

// The template's paper set to `page` (before it is filled, so no sentence is taken for the
// control word); a template that names no paper size is left as it is.
QByteArray withPaper(QByteArray rtf, QPageSize::PageSizeId page)
{
    const QSizeF size = QPageSize(page).size(QPageSize::Millimeter);
    setControlValue(rtf, "\\paperw", twips(size.width()));
    setControlValue(rtf, "\\paperh", twips(size.height()));
    return rtf;
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

// A text the pupil reads around the sentences, in the exercise's instruction language.
QString say(const ExerciseModel &model, const char *text)
{
    return InstructionLanguage::translate(model.options.instructionLanguage, "ExerciseRender", text);
}

// The texts of the sheets, marked for lupdate once.
const char GapFillTitle[] = QT_TRANSLATE_NOOP("ExerciseRender", "Gap-fill exercise");
const char NameLabel[] = QT_TRANSLATE_NOOP("ExerciseRender", "Name:");
const char DateLabel[] = QT_TRANSLATE_NOOP("ExerciseRender", "Date:");
const char ReadInstruction[]
    = QT_TRANSLATE_NOOP("ExerciseRender", "Read each sentence and write the missing word in the gap.");
const char ChooseInstruction[] = QT_TRANSLATE_NOOP(
    "ExerciseRender", "Choose your answers from the word bank: each word in it fills one gap.");
const char ChooseWithDistractors[] = QT_TRANSLATE_NOOP("ExerciseRender",
    "Choose your answers from the word bank: each word in it fills one gap, and some words are not needed.");
const char WordBankHeading[] = QT_TRANSLATE_NOOP("ExerciseRender", "Word bank");
const char SentencesHeading[] = QT_TRANSLATE_NOOP("ExerciseRender", "Sentences");
const char PageLabel[] = QT_TRANSLATE_NOOP("ExerciseRender", "Page");

// Whether the English texts the RTF and XHTML templates carry give way to the instruction language's:
// only where the teacher chose one, so that a sheet made without choosing is the template's as ever,
// whatever the desktop speaks.
bool translatesTemplate(const ExerciseModel &model)
{
    const QString &chosen = model.options.instructionLanguage;
    return !chosen.isEmpty() && chosen != QLatin1String("en");
}

// The line under the title of a version's sheet and key.
QString versionLine(const ExerciseModel &model)
{
    return say(model, QT_TRANSLATE_NOOP("ExerciseRender", "Version %1")).arg(model.version);
}

// The title a printed sheet shows.
QString sheetTitle(const ExerciseModel &model)
{
    return model.title.isEmpty() ? say(model, GapFillTitle) : model.title;
}

// The Windows language identifier of the sentences' language for RTF's \lang; 0 for none.
int rtfLanguage(const ExerciseModel &model)
{
    return model.language.isEmpty() ? 0 : LanguageTag::windowsLcid(model.language);
}

} // namespace

QPageSize::PageSizeId ExerciseRender::pageSizeFor(const QLocale &locale)
{
    if (locale.language() == QLocale::C || locale.measurementSystem() == QLocale::ImperialUSSystem)
        return QPageSize::Letter;
    switch (locale.territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Philippines:
    case QLocale::PuertoRico:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::Venezuela:
    case QLocale::CostaRica:
    case QLocale::Guatemala:
    case QLocale::ElSalvador:
    case QLocale::Nicaragua:
    case QLocale::Panama:
    case QLocale::DominicanRepublic:
        return QPageSize::Letter;
    default:
        return QPageSize::A4;
    }
}

QStringList ExerciseRender::keyText(const ExerciseModel &model, const QStringList &sheetWords)
{
    QStringList lines {say(model, QT_TRANSLATE_NOOP("ExerciseRender", "Answer key"))};
    if (!sheetWords.isEmpty())
        lines.append(say(model, QT_TRANSLATE_NOOP("ExerciseRender", "Word bank:")) + QLatin1Char(' ')
            + sheetWords.join(QLatin1String("   ")));
    lines.append(model.keyLines());
    return lines;
}

QStringList ExerciseRender::sentencesWithNotation(const ExerciseModel &model)
{
    QStringList sentences;
    for (int i = 0; i < model.questions.size(); ++i) {
        const ExerciseQuestion &question = model.questions.at(i);
        for (const BracketSegment &gap : question.gaps()) {
            if (gap.answers.size() > 1 || !gap.clue.isEmpty()) {
                sentences.append(QString::number(i + 1) + QLatin1String(". ") + question.entry());
                break;
            }
        }
    }
    return sentences;
}

QStringList ExerciseRender::textsLosingCharacters(const ExerciseModel &model, bool extraWords)
{
    QStringList texts;
    if (!XmlText::isClean(model.title))
        texts.append(XmlText::clean(model.title));
    for (int i = 0; i < model.questions.size(); ++i) {
        const QString entry = model.questions.at(i).entry();
        if (!XmlText::isClean(entry))
            texts.append(QString::number(i + 1) + QLatin1String(". ") + XmlText::clean(entry));
    }
    for (const QString &word : model.distractors) {
        if (extraWords && !XmlText::isClean(word))
            texts.append(XmlText::clean(word));
    }
    return texts;
}

namespace {

// The templates' instruction, as they word it, and what it becomes when the word bank holds words
// that fill no gap.
const char TemplateInstruction[] = "each word in it fills one gap.";
const char DistractorInstruction[] = "each word in it fills one gap, and some words are not needed.";

// The shipped RTF template's English texts (title, name line, instructions, headings, page footer)
// in the instruction language, when that is not English; a template worded otherwise keeps its own.
QByteArray withInstructionTexts(QByteArray rtf, const ExerciseModel &model, bool distractors)
{
    if (!translatesTemplate(model))
        return rtf;
    const auto text = [&model](const char *source) { return TemplateFill::rtfText(say(model, source)); };
    if (!model.titleTyped) {
        rtf.replace("{\\title Gap-fill exercise}", "{\\title " + text(GapFillTitle) + '}');
        rtf.replace("\\b Gap-fill exercise\\par}", "\\b " + text(GapFillTitle) + "\\par}");
    }
    rtf.replace(
        "\nName:\\tab\\~\\~Date:\\tab", "\n" + text(NameLabel) + "\\tab\\~\\~" + text(DateLabel) + "\\tab");
    rtf.replace(
        "\nRead each sentence and write the missing word in the gap. Choose your answers from the word "
        "bank: \neach word in it fills one gap.\\par}",
        "\n" + text(ReadInstruction) + ' ' + text(distractors ? ChooseWithDistractors : ChooseInstruction)
            + "\\par}");
    rtf.replace("\\b Word bank\\par}", "\\b " + text(WordBankHeading) + "\\par}");
    rtf.replace("{\\b\\fs26 Sentences}", "{\\b\\fs26 " + text(SentencesHeading) + '}');
    rtf.replace("\\cf2 Page {\\field", "\\cf2 " + text(PageLabel) + " {\\field");
    return rtf;
}

// The RTF template's own title, in its document information and its first paragraph, which a title
// the teacher typed replaces.
QByteArray withTitle(QByteArray rtf, const ExerciseModel &model)
{
    if (!model.titleTyped)
        return rtf;
    const QByteArray title = TemplateFill::rtfText(model.title);
    rtf.replace("{\\title Gap-fill exercise}", "{\\title " + title + '}');
    rtf.replace("\\b Gap-fill exercise\\par}", "\\b " + title + "\\par}");
    return rtf;
}

// The title as the RTF document shows it: the typed one, or the template's own (in the instruction
// language).
QByteArray rtfTitle(const ExerciseModel &model)
{
    return TemplateFill::rtfText(model.titleTyped ? model.title : say(model, GapFillTitle));
}

// A version's letter in a paragraph of its own under the title paragraph (a template without the
// shipped title paragraph gets it before the questions).
QByteArray withVersion(QByteArray rtf, const ExerciseModel &model)
{
    if (model.version.isEmpty())
        return rtf;
    const QByteArray line = TemplateFill::rtfText(versionLine(model));
    const QByteArray titleEnd = "\\b " + rtfTitle(model) + "\\par}";
    const qsizetype at = rtf.indexOf(titleEnd);
    if (at >= 0)
        rtf.insert(at + titleEnd.size(),
            "\n{\\pard\\plain\\qc\\keepn\\widctlpar\\sa120\\f0\\fs28\\b " + line + "\\par}");
    else
        rtf.replace("[strQuestions]", "\\par " + line + "[strQuestions]");
    return rtf;
}

// Puts `text` in place of what `element` holds.
void setFirstElementTextOf(QDomDocument &document, QDomElement element, const QString &text)
{
    if (element.isNull())
        return;
    while (!element.firstChild().isNull())
        element.removeChild(element.firstChild());
    element.appendChild(document.createTextNode(text));
}

// Puts `text` in place of what the first `tag` element of `document` holds.
void setFirstElementText(QDomDocument &document, const QString &tag, const QString &text)
{
    setFirstElementTextOf(document, document.elementsByTagName(tag).item(0).toElement(), text);
}

// The shipped XHTML template's English texts and its language in the instruction language, when that
// is not English: the title and heading (unless typed), the name line, the instructions and the two
// headings.
void translateXhtmlTemplate(QDomDocument &page, const ExerciseModel &model, bool distractors)
{
    if (!translatesTemplate(model))
        return;
    QDomElement html = page.documentElement();
    const QString code = InstructionLanguage::effective(model.options.instructionLanguage);
    if (html.hasAttribute(QStringLiteral("lang")))
        html.setAttribute(QStringLiteral("lang"), code);
    if (html.hasAttribute(QStringLiteral("xml:lang")))
        html.setAttribute(QStringLiteral("xml:lang"), code);
    const auto replaceText = [&page](const QString &tag, const QString &from, const QString &to) {
        const QDomNodeList elements = page.elementsByTagName(tag);
        for (int i = 0; i < elements.size(); ++i) {
            QDomElement element = elements.item(i).toElement();
            if (element.text().simplified() == from)
                setFirstElementTextOf(page, element, to);
        }
    };
    if (!model.titleTyped) {
        replaceText(QStringLiteral("title"), QLatin1String(GapFillTitle), say(model, GapFillTitle));
        replaceText(QStringLiteral("h1"), QLatin1String(GapFillTitle), say(model, GapFillTitle));
    }
    replaceText(QStringLiteral("h2"), QLatin1String(WordBankHeading), say(model, WordBankHeading));
    replaceText(QStringLiteral("h2"), QLatin1String(SentencesHeading), say(model, SentencesHeading));
    const QDomNodeList paragraphs = page.elementsByTagName(QStringLiteral("p"));
    for (int i = 0; i < paragraphs.size(); ++i) {
        QDomElement paragraph = paragraphs.item(i).toElement();
        const QString kind = paragraph.attribute(QStringLiteral("class"));
        if (kind == QLatin1String("learner")
            && paragraph.text() == QLatin1String("Name: ______________________________ Date: ______________"))
            setFirstElementTextOf(page, paragraph,
                say(model, NameLabel) + QLatin1String(" ______________________________ ")
                    + say(model, DateLabel) + QLatin1String(" ______________"));
        else if (kind == QLatin1String("instructions")
            && paragraph.text().simplified()
                == QLatin1String(ReadInstruction) + QLatin1Char(' ') + QLatin1String(ChooseInstruction))
            setFirstElementTextOf(page, paragraph,
                say(model, ReadInstruction) + QLatin1Char(' ')
                    + say(model, distractors ? ChooseWithDistractors : ChooseInstruction));
    }
}

// A title the teacher typed stands in a Hot Potatoes file's title, which both players show; the
// document information gets it as plain text.
void setHotPotatoesTitle(QDomDocument &exercise, const ExerciseModel &model)
{
    if (!model.titleTyped)
        return;
    setFirstElementText(exercise, QStringLiteral("title"), TemplateFill::hotPotatoesShownText(model.title));
    setFirstElementText(exercise, QStringLiteral("dc:title"), model.title);
}

// The plain-text key: a separator line, the title when there is one, the version, then the key.
QString clipboardKey(const ExerciseModel &model, const QStringList &words)
{
    QStringList lines;
    if (!model.title.isEmpty())
        lines.append(model.title);
    if (!model.version.isEmpty())
        lines.append(versionLine(model));
    lines.append(ExerciseRender::keyText(model, words));
    return QString(40, QLatin1Char('-')) + QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
}

// The plain-text sheet without its key: the title and version first when it is one of several.
QString clipboardSheet(const ExerciseModel &model, const QStringList &words)
{
    Exercise exercise;
    exercise.questions = model.questionTexts(model.options.includeQNums);
    exercise.words = words;
    QString heading;
    if (!model.version.isEmpty())
        heading = (model.title.isEmpty() ? QString() : model.title + QLatin1Char('\n')) + versionLine(model)
            + QLatin1Char('\n');
    return heading + ExerciseBuilder::clipboardText(exercise);
}

} // namespace

QString ExerciseRender::clipboardText(const ExerciseModel &model)
{
    const QStringList words = model.sheetWords();
    QString text = clipboardSheet(model, words);
    if (model.options.answerKey)
        text += QLatin1String("\n\n") + clipboardKey(model, words);
    return text;
}

QString ExerciseRender::clipboardText(const ExerciseSheets &sheets)
{
    if (sheets.isSingle())
        return clipboardText(sheets.sheets.first().model);
    // One sheet after the other, as they are printed; each version's key after its last sheet, or
    // all of them at the end.
    const QString separator = QLatin1String("\n\n") + QString(40, QLatin1Char('=')) + QLatin1Char('\n');
    QStringList parts;
    QStringList keys;
    for (const ExerciseSheet &sheet : sheets.sheets) {
        const QStringList words = sheet.model.sheetWords();
        QString text = clipboardSheet(sheet.model, words);
        if (sheet.lastOfVersion && sheet.model.options.answerKey) {
            const QString key = clipboardKey(sheet.model, words);
            if (sheets.keysAtEnd)
                keys.append(key);
            else
                text += QLatin1String("\n\n") + key;
        }
        parts.append(text);
    }
    return (parts + keys).join(separator);
}

QByteArray ExerciseRender::rtf(
    const QByteArray &givenTemplate, const ExerciseModel &model, QPageSize::PageSizeId page)
{
    const QStringList words = model.sheetWords();
    const bool distractors = !model.distractors.isEmpty() && !words.isEmpty();
    QByteArray rtfTemplate
        = withVersion(withTitle(withInstructionTexts(givenTemplate, model, distractors), model), model);
    if (distractors)
        rtfTemplate.replace(TemplateInstruction, DistractorInstruction);
    const QStringList questions = model.questionTexts(model.options.includeQNums);
    const int lcid = rtfLanguage(model);
    if (!model.options.answerKey)
        return TemplateFill::fillRtf(withPaper(rtfTemplate, page), questions, words, lcid);

    // The key follows the questions, in their paragraph style, on a page of its own. Its place is
    // marked with a destination no escaped text can hold (a text's braces are always escaped).
    const QByteArray keyMark("{\\*\\lexivanekey}");
    QByteArray keyTemplate = withPaper(rtfTemplate, page);
    keyTemplate.replace("[strQuestions]", "[strQuestions]" + keyMark);
    QByteArray key = "\\par\\page\n{\\b\\fs30 " + rtfTitle(model) + "}\\par\n";
    if (!model.version.isEmpty())
        key += "{\\b " + TemplateFill::rtfText(versionLine(model)) + "}\\par\n";
    const QStringList lines = keyText(model, words);
    // The answers are the sentences' language; the heading and the word bank's label the pupil's.
    const int firstAnswer = words.isEmpty() ? 1 : 2;
    for (int i = 0; i < lines.size(); ++i) {
        if (i == 0)
            key += "{\\b\\fs26 " + TemplateFill::rtfText(lines.at(i)) + '}';
        else
            key += "\\par\\par\n"
                + TemplateFill::rtfInLanguage(
                    TemplateFill::rtfText(lines.at(i)), i >= firstAnswer ? lcid : 0);
    }
    QByteArray filled = TemplateFill::fillRtf(keyTemplate, questions, words, lcid);
    filled.replace(keyMark, key);
    return filled;
}

bool ExerciseRender::xhtml(QDomDocument &page, const ExerciseModel &model)
{
    // The filler shuffles the words it collects; it is handed none, and the model's words are added
    // here, so the page and its key show the same list.
    if (!TemplateFill::fillXhtml(page, model))
        return false;

    QDomElement content;
    QDomElement wordList;
    const QDomNodeList divs = page.elementsByTagName(QStringLiteral("div"));
    for (int i = 0; i < divs.size(); ++i) {
        const QDomElement div = divs.item(i).toElement();
        const QString id = div.attribute(QStringLiteral("id"));
        if (id == QLatin1String("content"))
            content = div;
        else if (id == QLatin1String("wordList"))
            wordList = div;
    }
    const bool distractorsShown = !model.distractors.isEmpty() && !model.sheetWords(true).isEmpty();
    translateXhtmlTemplate(page, model, distractorsShown);
    if (!model.language.isEmpty()) {
        // The sentences and the words are in the database's language; the rest of the page in the
        // instruction language.
        for (QDomElement *part : {&content, &wordList}) {
            if (!part->isNull()) {
                part->setAttribute(QStringLiteral("xml:lang"), model.language);
                part->setAttribute(QStringLiteral("lang"), model.language);
            }
        }
    }
    if (model.titleTyped) {
        setFirstElementText(page, QStringLiteral("title"), model.title);
        setFirstElementText(page, QStringLiteral("h1"), model.title);
    }
    const QDomElement heading = page.elementsByTagName(QStringLiteral("h1")).item(0).toElement();
    const auto paragraph = [&page](const QString &text, const QString &style) {
        QDomElement element = page.createElement(QStringLiteral("p"));
        element.setAttribute(QStringLiteral("style"), style);
        element.appendChild(page.createTextNode(text));
        return element;
    };
    const QString versionStyle = QStringLiteral("text-align: center; font-weight: bold");
    if (!model.version.isEmpty()) {
        const QDomElement line = paragraph(versionLine(model), versionStyle);
        if (!heading.isNull())
            heading.parentNode().insertAfter(line, heading);
        else
            content.parentNode().insertBefore(line, content);
    }
    const QStringList words = model.sheetWords(true);
    if (!model.distractors.isEmpty() && !words.isEmpty()) {
        const QDomNodeList paragraphs = page.elementsByTagName(QStringLiteral("p"));
        for (int i = 0; i < paragraphs.size(); ++i) {
            QDomElement paragraph = paragraphs.item(i).toElement();
            if (paragraph.attribute(QStringLiteral("class")) != QLatin1String("instructions"))
                continue;
            for (QDomNode child = paragraph.firstChild(); !child.isNull(); child = child.nextSibling()) {
                if (child.isText())
                    child.setNodeValue(child.nodeValue().replace(
                        QLatin1String(TemplateInstruction), QLatin1String(DistractorInstruction)));
            }
        }
    }
    if (!wordList.isNull()) {
        for (const QString &word : words)
            wordList.appendChild(page.createTextNode(QLatin1String("  ") + word));
    }

    if (model.options.answerKey) {
        QDomElement key = page.createElement(QStringLiteral("div"));
        key.setAttribute(QStringLiteral("id"), QStringLiteral("answerKey"));
        key.setAttribute(QStringLiteral("style"), QStringLiteral("page-break-before: always"));
        const QStringList lines = keyText(model, words);
        // The title the sheet shows, and its version, head the key's page too.
        key.appendChild(paragraph(heading.isNull() ? sheetTitle(model) : heading.text(),
            QStringLiteral("font-size: 1.4em; font-weight: bold")));
        if (!model.version.isEmpty())
            key.appendChild(paragraph(versionLine(model), QStringLiteral("font-weight: bold")));
        QDomElement keyHeading = page.createElement(QStringLiteral("h2"));
        keyHeading.appendChild(page.createTextNode(lines.first()));
        key.appendChild(keyHeading);
        if (!words.isEmpty()) {
            QDomElement bank = page.createElement(QStringLiteral("p"));
            bank.appendChild(page.createTextNode(lines.at(1)));
            key.appendChild(bank);
        }
        QDomElement list = page.createElement(QStringLiteral("ol"));
        if (!model.language.isEmpty()) {
            list.setAttribute(QStringLiteral("xml:lang"), model.language);
            list.setAttribute(QStringLiteral("lang"), model.language);
        }
        for (int i = 0; i < model.questions.size(); ++i) {
            QDomElement item = page.createElement(QStringLiteral("li"));
            item.appendChild(page.createTextNode(model.answersText(i)));
            list.appendChild(item);
        }
        key.appendChild(list);
        content.parentNode().insertAfter(key, content);
    }
    return true;
}

bool ExerciseRender::jmatch(QDomDocument &exercise, const ExerciseModel &model, int *leftOut)
{
    setHotPotatoesTitle(exercise, model);
    return TemplateFill::fillJMatch(
        exercise, TemplateFill::matchPairs(model.questions, model.options, leftOut));
}

QList<TemplateFill::MatchPair> ExerciseRender::matchPairs(const ExerciseModel &model, int *leftOut)
{
    return TemplateFill::matchPairs(model.questions, model.options, leftOut);
}

bool ExerciseRender::jcloze(QDomDocument &exercise, const ExerciseModel &model)
{
    setHotPotatoesTitle(exercise, model);
    return TemplateFill::fillJCloze(exercise, model.questions, model.options);
}

namespace {

// The title of a printed sheet or key, on a new page when `newPage`, and the version under it.
QString headingHtml(const ExerciseModel &model, bool newPage)
{
    QString html = newPage ? QLatin1String("<h1 align=\"center\" style=\"page-break-before: always\">")
                           : QLatin1String("<h1 align=\"center\">");
    html += escaped(sheetTitle(model)) + QLatin1String("</h1>");
    if (!model.version.isEmpty())
        html += QLatin1String("<p align=\"center\"><b>") + escaped(versionLine(model))
            + QLatin1String("</b></p>");
    return html;
}

// A printed sheet's body: the heading (on a new page unless it is the first), the version under it,
// the name line, the instructions, the word bank and the questions.
QString sheetHtml(const ExerciseModel &model, bool newPage)
{
    const QStringList words = model.sheetWords();
    const QStringList questions = model.questionTexts(model.options.includeQNums);
    QString html = headingHtml(model, newPage);
    html += QLatin1String("<p>") + escaped(say(model, NameLabel))
        + QLatin1String(" ______________________________ ") + escaped(say(model, DateLabel))
        + QLatin1String(" ______________</p>");
    QString instructions = say(model, ReadInstruction);
    if (!words.isEmpty())
        instructions += QLatin1Char(' ')
            + say(model, model.distractors.isEmpty() ? ChooseInstruction : ChooseWithDistractors);
    html += QLatin1String("<p><i>") + escaped(instructions) + QLatin1String("</i></p>");
    if (!words.isEmpty()) {
        html += QLatin1String("<h2>") + escaped(say(model, WordBankHeading)) + QLatin1String("</h2>");
        QStringList cells;
        for (const QString &word : words)
            cells.append(escaped(word));
        html += QLatin1String("<table border=\"1\" cellpadding=\"8\" cellspacing=\"0\" width=\"100%\"><tr>"
                              "<td align=\"center\">")
            + cells.join(QLatin1String("&nbsp;&nbsp;&nbsp; ")) + QLatin1String("</td></tr></table>");
    }
    html += QLatin1String("<h2>") + escaped(say(model, SentencesHeading)) + QLatin1String("</h2>");
    for (const QString &question : questions)
        html
            += QLatin1String("<p style=\"margin-bottom: 10px\">") + escaped(question) + QLatin1String("</p>");
    return html;
}

// A key on a page of its own, headed by the sheet's title and version.
QString keyHtml(const ExerciseModel &model)
{
    const QStringList lines = ExerciseRender::keyText(model, model.sheetWords());
    QString html = headingHtml(model, true);
    html += QLatin1String("<h2>") + escaped(lines.first()) + QLatin1String("</h2>");
    for (int i = 1; i < lines.size(); ++i)
        html += QLatin1String("<p style=\"white-space: pre-wrap\">") + escaped(lines.at(i))
            + QLatin1String("</p>");
    return html;
}

void setSheetHtml(QTextDocument &document, const QString &body, const QString &title)
{
    QFont font = document.defaultFont();
    font.setPointSize(12);
    document.setDefaultFont(font);
    QTextOption option = document.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document.setDefaultTextOption(option);
    document.setHtml(QLatin1String("<html><body>") + body + QLatin1String("</body></html>"));
    document.setMetaInformation(QTextDocument::DocumentTitle, title);
}

} // namespace

void ExerciseRender::sheetDocument(QTextDocument &document, const ExerciseModel &model)
{
    QString html = sheetHtml(model, false);
    if (model.options.answerKey)
        html += keyHtml(model);
    setSheetHtml(document, html, sheetTitle(model));
}

void ExerciseRender::sheetDocument(QTextDocument &document, const ExerciseSheets &sheets)
{
    if (sheets.isSingle()) {
        sheetDocument(document, sheets.sheets.first().model);
        return;
    }
    QString html;
    QString keys;
    for (int i = 0; i < sheets.sheets.size(); ++i) {
        const ExerciseSheet &sheet = sheets.sheets.at(i);
        html += sheetHtml(sheet.model, i > 0);
        if (sheet.lastOfVersion && sheet.model.options.answerKey)
            (sheets.keysAtEnd ? keys : html) += keyHtml(sheet.model);
    }
    setSheetHtml(document, html + keys, sheetTitle(sheets.sheets.first().model));
}

void ExerciseRender::print(const ExerciseModel &model, QPagedPaintDevice *device)
{
    QTextDocument document;
    sheetDocument(document, model);
    document.print(device);
}

void ExerciseRender::print(const ExerciseSheets &sheets, QPagedPaintDevice *device)
{
    QTextDocument document;
    sheetDocument(document, sheets);
    document.print(device);
}

namespace {

template<typename Sheets>
QByteArray pdfOf(const Sheets &sheets, const QString &title, QPageSize::PageSizeId page)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(page), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setTitle(title);
        writer.setCreator(QCoreApplication::applicationName());
        ExerciseRender::print(sheets, &writer);
    }
    return bytes;
}

} // namespace

QByteArray ExerciseRender::pdf(const ExerciseModel &model, QPageSize::PageSizeId page)
{
    return withPdfLanguage(pdfOf(model, sheetTitle(model), page), model.language);
}

QByteArray ExerciseRender::pdf(const ExerciseSheets &sheets, QPageSize::PageSizeId page)
{
    const ExerciseModel &first = sheets.sheets.first().model;
    return withPdfLanguage(pdfOf(sheets, sheetTitle(first), page), first.language);
}

QByteArray ExerciseRender::withPdfLanguage(const QByteArray &pdf, const QString &language)
{
    // The PDF writer has no document language, so it is added as the format allows any change to a
    // finished file: an incremental update. The catalog is written again under its own number with
    // /Lang added, followed by a cross-reference section for that one object and a trailer that
    // points back to the previous one.
    if (language.isEmpty() || !LanguageTag::isValid(language))
        return pdf;
    const qsizetype trailerAt = pdf.lastIndexOf("trailer");
    const qsizetype startAt = pdf.lastIndexOf("startxref");
    if (trailerAt < 0 || startAt < trailerAt)
        return pdf;
    const qsizetype dictStart = pdf.indexOf("<<", trailerAt);
    const qsizetype dictEnd = pdf.lastIndexOf(">>", startAt);
    if (dictStart < 0 || dictEnd < dictStart)
        return pdf;
    const QByteArray trailer = pdf.mid(dictStart + 2, dictEnd - dictStart - 2);
    if (trailer.contains("/Prev") || trailer.contains("/Encrypt"))
        return pdf;
    bool ok = false;
    const qint64 previous = pdf.mid(startAt + 9).trimmed().split('\n').value(0).trimmed().toLongLong(&ok);
    if (!ok)
        return pdf;
    const qsizetype rootAt = trailer.indexOf("/Root");
    if (rootAt < 0)
        return pdf;
    const QList<QByteArray> reference = trailer.mid(rootAt + 5).simplified().split(' ');
    if (reference.size() < 3 || reference.at(2) != "R")
        return pdf;
    const QByteArray objectNumber = reference.at(0);
    const QByteArray generation = reference.at(1);
    const QByteArray header = '\n' + objectNumber + ' ' + generation + " obj";
    const qsizetype objectAt = pdf.indexOf(header);
    if (objectAt < 0)
        return pdf;
    const qsizetype catalogStart = pdf.indexOf("<<", objectAt);
    const qsizetype objectEnd = pdf.indexOf("endobj", objectAt);
    const qsizetype catalogEnd = pdf.lastIndexOf(">>", objectEnd);
    if (catalogStart < 0 || objectEnd < 0 || catalogEnd < catalogStart)
        return pdf;
    const QByteArray catalog = pdf.mid(catalogStart + 2, catalogEnd - catalogStart - 2);
    if (catalog.contains("/Lang"))
        return pdf;

    QByteArray out = pdf;
    if (!out.endsWith('\n'))
        out += '\n';
    const qsizetype newObjectAt = out.size();
    out += objectNumber + ' ' + generation + " obj\n<<" + catalog + "/Lang (" + language.toLatin1()
        + ")\n>>\nendobj\n";
    const qsizetype xrefAt = out.size();
    // Each entry is exactly 20 bytes: ten digits, a blank, five digits, a blank, "n", and a two-byte end.
    out += "xref\n" + objectNumber + " 1\n" + QByteArray::number(newObjectAt).rightJustified(10, '0') + ' '
        + generation.rightJustified(5, '0') + " n \n";
    out += "trailer\n<<" + trailer + "/Prev " + QByteArray::number(previous) + "\n>>\nstartxref\n"
        + QByteArray::number(xrefAt) + "\n%%EOF\n";
    return out;
}
