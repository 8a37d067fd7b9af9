// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/templatefill.h"

#include "data/brackettext.h"
#include "data/xmltext.h"
#include "exercise/exercisemodel.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QIODevice>
#include <QRegularExpression>
#include <QTextStream>
#include <QUuid>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

constexpr int GapMarkerWidth = 10;

QDomText textNode(QDomDocument &document, const QString &text)
{
    return document.createTextNode(text);
}

// Every text and attribute value of the tree without the characters XML cannot carry (XmlText), so
// that every file written reads back, whoever put the text in.
void cleanTree(const QDomNode &node)
{
    for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling()) {
        if (child.isText() || child.isCDATASection() || child.isComment()) {
            const QString value = child.nodeValue();
            if (!XmlText::isClean(value))
                child.setNodeValue(XmlText::clean(value));
        } else if (child.isElement()) {
            const QDomNamedNodeMap attributes = child.attributes();
            for (int i = 0; i < attributes.count(); ++i) {
                QDomAttr attribute = attributes.item(i).toAttr();
                if (!XmlText::isClean(attribute.value()))
                    attribute.setValue(XmlText::clean(attribute.value()));
            }
            cleanTree(child);
        }
    }
}

QDomElement textElement(QDomDocument &document, const QString &name, const QString &text)
{
    QDomElement element = document.createElement(name);
    element.appendChild(textNode(document, text));
    return element;
}

QDomElement firstElement(const QDomDocument &document, const QString &name)
{
    return document.elementsByTagName(name).item(0).toElement();
}

// The last div of the page with this id, as the page's own order has it.
QDomElement lastDiv(const QDomDocument &page, const QString &id)
{
    QDomElement found;
    const QDomNodeList divs = page.elementsByTagName(QStringLiteral("div"));
    for (int i = 0; i < divs.size(); ++i) {
        const QDomElement div = divs.item(i).toElement();
        if (div.attribute(QStringLiteral("id")) == id)
            found = div;
    }
    return found;
}

QDomElement matchItem(QDomDocument &document, const QString &name, const QString &text, const QString &fixed)
{
    QDomElement item = document.createElement(name);
    item.appendChild(textElement(document, QStringLiteral("text"), text));
    item.appendChild(textElement(document, QStringLiteral("fixed"), fixed));
    return item;
}

// A gap of a cloze exercise: one correct answer per accepted answer, and the clue.
QDomElement gapRecord(QDomDocument &document, const QStringList &answers, const QString &clue)
{
    QDomElement record = document.createElement(QStringLiteral("question-record"));
    record.appendChild(document.createElement(QStringLiteral("question")));
    for (const QString &text : answers) {
        QDomElement answer = document.createElement(QStringLiteral("answer"));
        answer.appendChild(textElement(document, QStringLiteral("text"), text));
        answer.appendChild(document.createElement(QStringLiteral("feedback")));
        answer.appendChild(textElement(document, QStringLiteral("correct"), QStringLiteral("1")));
        record.appendChild(answer);
    }
    QDomElement clueElement = document.createElement(QStringLiteral("clue"));
    if (!clue.isEmpty())
        clueElement.appendChild(textNode(document, clue));
    record.appendChild(clueElement);
    return record;
}

void appendEscaped(QString &out, QStringView text, bool attribute)
{
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += QLatin1String("&amp;");
            break;
        case u'<':
            out += QLatin1String("&lt;");
            break;
        case u'>':
            out += QLatin1String("&gt;");
            break;
        case u'\r':
            out += QLatin1String("&#xD;");
            break;
        case u'"':
            out += attribute ? QLatin1String("&quot;") : QLatin1String("\"");
            break;
        case u'\n':
            out += attribute ? QLatin1String("&#xA;") : QLatin1String("\n");
            break;
        case u'\t':
            out += attribute ? QLatin1String("&#x9;") : QLatin1String("\t");
            break;
        default:
            out += c;
        }
    }
}

// Writes a node as it stands: no whitespace of its own, empty elements as a start and an end tag.
void writeExactly(QString &out, const QDomNode &node)
{
    if (node.isCDATASection() || node.isText()) {
        appendEscaped(out, node.nodeValue(), false);
    } else if (node.isElement()) {
        const QDomElement element = node.toElement();
        out += QLatin1Char('<') + element.tagName();
        const QDomNamedNodeMap attributes = element.attributes();
        for (int i = 0; i < attributes.count(); ++i) {
            const QDomAttr attribute = attributes.item(i).toAttr();
            out += QLatin1Char(' ') + attribute.name() + QLatin1String("=\"");
            appendEscaped(out, attribute.value(), true);
            out += QLatin1Char('"');
        }
        out += QLatin1Char('>');
        for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling())
            writeExactly(out, child);
        out += QLatin1String("</") + element.tagName() + QLatin1Char('>');
    } else if (node.isComment()) {
        out += QLatin1String("<!--") + node.nodeValue() + QLatin1String("-->");
    } else if (node.isProcessingInstruction()) {
        const QDomProcessingInstruction instruction = node.toProcessingInstruction();
        out += QLatin1String("<?") + instruction.target() + QLatin1Char(' ') + instruction.data()
            + QLatin1String("?>");
    } else if (node.isEntityReference()) {
        out += QLatin1Char('&') + node.nodeName() + QLatin1Char(';');
    }
}

// The order of attributes, which a document does not keep: per element name and set of attribute
// names, the names in the order the template writes them.
using AttributeOrder = QHash<QString, QStringList>;

QString orderKey(const QString &tag, QStringList names)
{
    names.sort();
    return tag + QLatin1Char(' ') + names.join(QLatin1Char(' '));
}

AttributeOrder templateOrder(const QByteArray &templateBytes)
{
    AttributeOrder order;
    QXmlStreamReader reader(templateBytes);
    reader.setNamespaceProcessing(false); // as the document reads it: declarations are attributes
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement || reader.attributes().size() < 2)
            continue;
        QStringList names;
        for (const QXmlStreamAttribute &attribute : reader.attributes())
            names.append(attribute.qualifiedName().toString());
        const QString key = orderKey(reader.qualifiedName().toString(), names);
        if (!order.contains(key))
            order.insert(key, names);
    }
    return order;
}

// One attribute as the document writes it: a blank, the name, "=" and the value escaped and quoted.
QByteArray attributeText(const QString &name, const QString &value)
{
    QDomDocument one;
    QDomElement element = one.createElement(QStringLiteral("x"));
    element.setAttribute(name, value);
    one.appendChild(element);
    const QByteArray written = one.toString(-1).trimmed().toUtf8(); // <x name="value"/>
    return written.mid(2, written.size() - 4);
}

// A document writes the attributes of an element in an order that changes from run to run; this
// puts those of every element of `document`, found in `bytes` as written, in the template's order,
// or in name order where the template has no such element, so that one exercise always makes the
// same file.
void orderAttributes(QByteArray &bytes, const QDomNode &node, const AttributeOrder &order, qsizetype &from)
{
    for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling()) {
        if (!child.isElement())
            continue;
        const QDomElement element = child.toElement();
        const QDomNamedNodeMap attributes = element.attributes();
        if (attributes.count() > 1) {
            QStringList names;
            QHash<QString, QByteArray> texts;
            for (int i = 0; i < attributes.count(); ++i) {
                const QDomAttr attribute = attributes.item(i).toAttr();
                names.append(attribute.name());
                texts.insert(attribute.name(), attributeText(attribute.name(), attribute.value()));
            }
            QStringList wanted = order.value(orderKey(element.tagName(), names));
            if (wanted.isEmpty()) {
                wanted = names;
                wanted.sort();
            }
            QByteArray ordered;
            for (const QString &name : std::as_const(wanted))
                ordered += texts.value(name);
            const QByteArray start = '<' + element.tagName().toUtf8();
            for (qsizetype at = bytes.indexOf(start, from); at >= 0; at = bytes.indexOf(start, at + 1)) {
                const qsizetype first = at + start.size();
                qsizetype end = first;
                QStringList left = names;
                while (!left.isEmpty()) {
                    const auto match = std::find_if(left.begin(), left.end(), [&](const QString &name) {
                        return QByteArrayView(bytes).sliced(end).startsWith(texts.value(name));
                    });
                    if (match == left.end())
                        break;
                    end += texts.value(*match).size();
                    left.erase(match);
                }
                if (!left.isEmpty())
                    continue;
                bytes.replace(first, end - first, ordered);
                from = first + ordered.size();
                break;
            }
        }
        orderAttributes(bytes, element, order, from);
    }
}

} // namespace

namespace TemplateFill {

QByteArray rtfText(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u == '\n' || u == '\r') {
            out += ' ';
        } else if (u < 0x20) {
            continue;
        } else if (u < 0x80) {
            out += char(u);
        } else {
            // RTF takes N as a signed 16-bit number; the "?" is what a reader without the
            // character shows instead (the templates declare \uc1: one such character).
            out += "\\u";
            out += QByteArray::number(u < 0x8000 ? u : u - 0x10000);
            out += '?';
        }
    }
    return out;
}

QByteArray rtfInLanguage(const QByteArray &text, int lcid)
{
    if (lcid <= 0)
        return text;
    return "{\\lang" + QByteArray::number(lcid) + ' ' + text + '}';
}

QByteArray fillRtf(QByteArray rtfTemplate, const QStringList &questions, const QStringList &words, int lcid)
{
    QByteArray wordList;
    for (int i = 0; i < words.size(); ++i) {
        if (i > 0)
            wordList += "   ";
        wordList += rtfText(words.at(i));
    }
    const QByteArray wordsText = "\n" + rtfInLanguage(wordList, lcid);
    QByteArray questionsText;
    for (const QString &question : questions) {
        questionsText += "\\par\\par\n";
        questionsText += rtfInLanguage(rtfText(question), lcid);
    }
    rtfTemplate.replace("[strWords]", wordsText);
    rtfTemplate.replace("[strQuestions]", questionsText);
    return rtfTemplate;
}

bool fillXhtml(QDomDocument &page, const ExerciseModel &model)
{
    QDomElement content = lastDiv(page, QStringLiteral("content"));
    if (content.isNull())
        return false;

    QDomElement list
        = page.createElement(model.options.includeQNums ? QStringLiteral("ol") : QStringLiteral("ul"));
    content.appendChild(list);
    // An ordered list numbers the questions itself.
    for (const QString &question : model.questionTexts(false)) {
        QDomElement item = page.createElement(QStringLiteral("li"));
        item.appendChild(textNode(page, question));
        list.appendChild(item);
    }
    return true;
}

QString hotPotatoesText(QStringView text)
{
    // A character XML cannot carry is no more readable as a reference.
    if (!XmlText::isClean(text))
        return hotPotatoesText(XmlText::clean(text.toString()));
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const char16_t u = c.unicode();
        if (u < 0x80 && u != u'&' && u != u'<' && u != u'>') {
            out += c;
            continue;
        }
        char32_t code = u;
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            code = QChar::surrogateToUcs4(c, text.at(i + 1));
            ++i;
        }
        out += QLatin1String("&#x") + QString::number(uint(code), 16).toUpper().rightJustified(4, u'0')
            + QLatin1Char(';');
    }
    return out;
}

QString hotPotatoesShownText(QStringView text)
{
    QString marked;
    marked.reserve(text.size());
    for (QChar c : text) {
        if (c == u'&')
            marked += QLatin1String("&AMP;");
        else if (c == u'<')
            marked += QLatin1String("&LT;");
        else if (c == u'>')
            marked += QLatin1String("&GT;");
        else
            marked += c;
    }
    return hotPotatoesText(marked);
}

QStringList hotPotatoesProblems(const QStringList &entries, bool matching)
{
    static const QRegularExpression tag(QStringLiteral("<[A-Za-z/!][^<>]*>"));
    static const QRegularExpression entity(
        QStringLiteral("&(#[0-9]+|#[xX][0-9A-Fa-f]+|[A-Za-z][A-Za-z0-9]*);"));
    const auto beyondPlane = [](const QString &text) {
        for (QChar c : text) {
            if (c.isSurrogate())
                return true;
        }
        return false;
    };
    QStringList problems;
    for (int i = 0; i < entries.size(); ++i) {
        const QString sentence = QString::number(i + 1);
        // As the file holds it: half a surrogate pair is left out, not taken for an emoji.
        const QString entry = XmlText::clean(entries.at(i));
        const QList<BracketSegment> segments = BracketText::tokenize(entry);
        if (matching) {
            if (beyondPlane(entry))
                problems.append(QCoreApplication::translate("TemplateFill",
                    "Sentence %1: a character such as an emoji, which Moodle's player breaks.")
                                    .arg(sentence));
            continue;
        }
        for (const BracketSegment &segment : segments) {
            if (segment.kind != BracketSegment::Gap)
                continue;
            for (const QString &answer : segment.answers) {
                if (tag.match(answer).hasMatch())
                    problems.append(QCoreApplication::translate("TemplateFill",
                        "Sentence %1, answer \"%2\": it looks like markup, and the word list shows it as "
                        "such.")
                                        .arg(sentence, answer));
                if (entity.match(answer).hasMatch())
                    problems.append(QCoreApplication::translate("TemplateFill",
                        "Sentence %1, answer \"%2\": Moodle's player accepts it only with the reference "
                        "decoded.")
                                        .arg(sentence, answer));
                if (beyondPlane(answer))
                    problems.append(QCoreApplication::translate("TemplateFill",
                        "Sentence %1, answer \"%2\": a character such as an emoji, which Moodle's player "
                        "breaks.")
                                        .arg(sentence, answer));
            }
            if (beyondPlane(segment.clue))
                problems.append(QCoreApplication::translate("TemplateFill",
                    "Sentence %1, clue \"%2\": a character such as an emoji, which Moodle's player breaks.")
                                    .arg(sentence, segment.clue));
        }
    }
    return problems;
}

namespace {

// One pair per question in the order given, not yet numbered; a question whose key words leave the
// right side empty is counted in `dropped` instead.
QList<MatchPair> unnumberedPairs(
    const QList<ExerciseQuestion> &questions, const ExerciseOptions &options, int &dropped)
{
    QList<MatchPair> pairs;
    pairs.reserve(questions.size());
    dropped = 0;
    for (const ExerciseQuestion &question : questions) {
        // A matching exercise has no room for a clue; the right side gives the answers shown, a
        // literal bracket in them kept. Without brackets a key word goes as the questions show it.
        QStringList answers;
        for (const BracketSegment &segment : question.segments) {
            if (segment.kind != BracketSegment::Gap)
                continue;
            const bool plain = !segment.raw.contains(u'|') && !segment.raw.contains(QLatin1String("::"));
            answers += plain && !options.bracketWords ? BracketText::withoutBrackets(segment.raw)
                                                      : segment.answers.first();
        }
        MatchPair pair {
            question.shownText(options, GapMarkerWidth, false), answers.join(QLatin1String(", "))};
        if (pair.right.trimmed().isEmpty()) {
            ++dropped;
            continue;
        }
        pairs.append(pair);
    }
    return pairs;
}

void numberPairs(QList<MatchPair> &pairs, const ExerciseOptions &options)
{
    if (options.includeQNums) {
        for (int i = 0; i < pairs.size(); ++i)
            pairs[i].left = QString::number(i + 1) + QLatin1String(". ") + pairs.at(i).left;
    }
}

} // namespace

QList<MatchPair> matchPairs(
    const QList<ExerciseQuestion> &questions, const ExerciseOptions &options, int *leftOut)
{
    int dropped = 0;
    QList<MatchPair> pairs = unnumberedPairs(questions, options, dropped);
    if (leftOut)
        *leftOut = dropped;
    numberPairs(pairs, options);
    return pairs;
}

bool fillJMatch(QDomDocument &exercise, const QList<MatchPair> &pairs)
{
    QDomElement matching = firstElement(exercise, QStringLiteral("matching-exercise"));
    if (matching.isNull())
        return false;
    for (const MatchPair &pair : pairs) {
        QDomElement element = exercise.createElement(QStringLiteral("pair"));
        element.appendChild(matchItem(
            exercise, QStringLiteral("left-item"), hotPotatoesShownText(pair.left), QStringLiteral("1")));
        element.appendChild(matchItem(
            exercise, QStringLiteral("right-item"), hotPotatoesShownText(pair.right), QStringLiteral("0")));
        matching.appendChild(element);
    }
    return true;
}

bool fillJCloze(
    QDomDocument &exercise, const QList<ExerciseQuestion> &questions, const ExerciseOptions &options)
{
    QDomElement gapFill = firstElement(exercise, QStringLiteral("gap-fill"));
    if (gapFill.isNull())
        return false;

    const QString listTag = options.includeQNums ? QStringLiteral("ol") : QStringLiteral("ul");
    gapFill.appendChild(exercise.createTextNode(QLatin1Char('<') + listTag + QLatin1String(">\n")));

    const auto appendText
        = [&](const QString &text) { gapFill.appendChild(textNode(exercise, hotPotatoesShownText(text))); };
    bool anyClue = false;
    for (const ExerciseQuestion &question : questions) {
        gapFill.appendChild(exercise.createTextNode(QStringLiteral("<li>")));
        // The key words the other exports gap; the text before each goes in even when empty.
        for (const BracketSegment &segment : question.segments) {
            if (segment.kind == BracketSegment::Text) {
                appendText(segment.text());
            } else {
                if (options.bracketWords)
                    gapFill.appendChild(exercise.createTextNode(QStringLiteral("[")));
                QStringList answers;
                for (const QString &answer : segment.answers)
                    answers.append(hotPotatoesText(answer));
                gapFill.appendChild(gapRecord(exercise, answers, hotPotatoesShownText(segment.clue)));
                anyClue = anyClue || !segment.clue.isEmpty();
                if (options.bracketWords)
                    gapFill.appendChild(exercise.createTextNode(QStringLiteral("]")));
            }
        }
        gapFill.appendChild(exercise.createTextNode(QStringLiteral("</li>\n")));
    }
    gapFill.appendChild(exercise.createTextNode(QLatin1String("</") + listTag + QLatin1Char('>')));
    // The clues are only there for the pupil when the exercise shows its clue button.
    QDomElement showClues = firstElement(exercise, QStringLiteral("include-clues"));
    if (anyClue && !showClues.isNull()) {
        while (showClues.hasChildNodes())
            showClues.removeChild(showClues.firstChild());
        showClues.appendChild(exercise.createTextNode(QStringLiteral("1")));
    }
    return true;
}

QByteArray xmlFile(QDomDocument &document, const QByteArray &templateBytes)
{
    cleanTree(document);
    // Saving with the stream's encoding would drop the document type declaration, which an XHTML
    // page needs to be valid; the document's own declaration, set to UTF-8, keeps it.
    const QString declaration = QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"");
    QDomNode first = document.firstChild();
    if (first.isProcessingInstruction() && first.nodeName() == QLatin1String("xml"))
        first.toProcessingInstruction().setData(declaration);
    else
        document.insertBefore(
            document.createProcessingInstruction(QStringLiteral("xml"), declaration), first);

    QByteArray bytes;
    QTextStream stream(&bytes, QIODevice::WriteOnly);
    stream.setEncoding(QStringConverter::Utf8);
    document.save(stream, 3, QDomNode::EncodingFromDocument);
    stream.flush();
    qsizetype from = 0;
    orderAttributes(bytes, document, templateOrder(templateBytes), from);
    return bytes;
}

QByteArray jclozeFile(QDomDocument &document, const QByteArray &templateBytes)
{
    QDomElement gapFill = firstElement(document, QStringLiteral("gap-fill"));
    if (gapFill.isNull() || !gapFill.hasChildNodes())
        return xmlFile(document, templateBytes);

    cleanTree(document);
    QString passage;
    for (QDomNode child = gapFill.firstChild(); !child.isNull(); child = child.nextSibling())
        writeExactly(passage, child);

    // The document is written around a stand-in for the passage, which then takes its place; the
    // passage's nodes are put back afterwards, so the document is left as it was.
    QList<QDomNode> children;
    while (gapFill.hasChildNodes())
        children.append(gapFill.removeChild(gapFill.firstChild()));
    const QString standIn
        = QLatin1String("lexivane-passage-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QDomText standInNode = document.createTextNode(standIn);
    gapFill.appendChild(standInNode);

    QByteArray bytes = xmlFile(document, templateBytes);

    gapFill.removeChild(standInNode);
    for (const QDomNode &child : std::as_const(children))
        gapFill.appendChild(child);

    const QByteArray standInBytes = standIn.toLatin1();
    const qsizetype at = bytes.indexOf(standInBytes);
    if (at >= 0)
        bytes.replace(at, standInBytes.size(), passage.toUtf8());
    return bytes;
}

} // namespace TemplateFill
