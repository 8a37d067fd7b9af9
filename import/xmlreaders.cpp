// SPDX-License-Identifier: GPL-3.0-or-later
// The XML word lists: KVTML 2 (KDE's vocabulary programs) and Hot Potatoes 6 JCloze and JMatch.
#include "import/lxdimport.h"

#include "data/brackettext.h"
#include "data/xmllimits.h"

#include <QBuffer>
#include <QDomDocument>
#include <QDomElement>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

// The sign that stands in a passage for a gap without an answer; it cannot come from a file's text.
constexpr QChar MissingAnswer = QChar(0xFFFF);
// The sign put after a gap whose clue was left out, for the report on its sentence.
constexpr QChar ClueLeftOut = QChar(0xFFFE);

QString parseError(const QString &message, qint64 line)
{
    return LxdImport::tr("The file is not well-formed XML (line %1: %2).").arg(line).arg(message);
}

QString cancelled()
{
    return LxdImport::tr("The import was cancelled.");
}

// The progress goes to 40 while the file is checked against the limits, to 80 while it is parsed;
// the rest is for reading the tree.
constexpr int Checked = 40;
constexpr int Parsed = 80;

XmlLimits::Stop stopAt(const LxdImport::Progress &progress, qint64 size, int from)
{
    return [&progress, size, from](qint64 read) {
        return progress
            && !progress(from + int(std::min<qint64>(read, size) * 40 / std::max<qint64>(size, 1)));
    };
}

// Holds the file to the limits before a parser reads it; false with the reason as the error.
bool withinLimits(const QByteArray &bytes, const LxdImport::Progress &progress, QString *error)
{
    const XmlLimits::Refusal refusal = XmlLimits::check(bytes, stopAt(progress, bytes.size(), 0));
    if (refusal == XmlLimits::None)
        return true;
    *error = refusal == XmlLimits::Cancelled ? cancelled() : XmlLimits::message(refusal);
    return false;
}

// The bytes for the tree parser, which stop coming when the import is cancelled.
class StoppableBuffer : public QBuffer
{
public:
    StoppableBuffer(const QByteArray &bytes, const LxdImport::Progress &progress)
        : m_stop(stopAt(progress, bytes.size(), Checked))
    {
        setData(bytes);
    }
    bool stopped() const { return m_stopped; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (m_stopped || m_stop(pos())) {
            m_stopped = true;
            return -1;
        }
        return QBuffer::readData(data, std::min<qint64>(maxSize, 64 * 1024));
    }

private:
    XmlLimits::Stop m_stop;
    bool m_stopped = false;
};

bool parse(const QByteArray &bytes, const LxdImport::Progress &progress, QDomDocument *doc, QString *error)
{
    if (!withinLimits(bytes, progress, error))
        return false;
    StoppableBuffer buffer(bytes, progress);
    buffer.open(QIODevice::ReadOnly);
    QString message;
    int line = 0;
    int column = 0;
    if (doc->setContent(&buffer, &message, &line, &column) && !buffer.stopped())
        return true;
    *error = buffer.stopped() ? cancelled() : parseError(message, line);
    return false;
}

QString htmlText(const QDomElement &e)
{
    return LxdImport::decodeHtml(e.text()).simplified();
}

// A text for the report, in quotes and shortened when long.
QString quoted(const QString &text)
{
    constexpr qsizetype Longest = 50;
    return QLatin1Char('"') + (text.size() > Longest ? text.left(Longest - 1) + QChar(0x2026) : text)
        + QLatin1Char('"');
}

QString titleOf(const QString &title, const QString &fallback)
{
    return title.isEmpty() ? fallback : title;
}

// One gap of a JCloze passage, read up to the end of its question record, in the bracket notation:
// its accepted answers as alternatives and its clue ("[colour|color::a shade]"). Answers marked
// correct are the accepted ones; when none is marked, all are. MissingAnswer when none is left. A
// clue that holds an answer would print the answer beside its gap: it is left out, and ClueLeftOut
// follows the gap.
QString readGap(QXmlStreamReader &xml, LxdImport::Result *result)
{
    QStringList all;
    QStringList correct;
    QString clue;
    while (!xml.atEnd() && !(xml.isEndElement() && xml.name() == QLatin1String("question-record"))) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("clue")) {
            clue = LxdImport::decodeHtml(xml.readElementText(QXmlStreamReader::IncludeChildElements))
                       .simplified();
            continue;
        }
        if (!xml.isStartElement() || xml.name() != QLatin1String("answer"))
            continue;
        QString text;
        bool isCorrect = false;
        while (!xml.atEnd() && !(xml.isEndElement() && xml.name() == QLatin1String("answer"))) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("text"))
                text = LxdImport::decodeHtml(xml.readElementText(QXmlStreamReader::IncludeChildElements));
            else if (xml.isStartElement() && xml.name() == QLatin1String("correct"))
                isCorrect = xml.readElementText().trimmed() == QLatin1String("1");
        }
        text = text.simplified();
        if (text.isEmpty())
            continue;
        // "|" and "::" divide a key word; an answer holding one could only be read as two.
        if (text.contains(QLatin1Char('|')) || text.contains(QLatin1String("::"))) {
            result->converted += LxdImport::tr("The answer \"%1\" was left out: \"|\" and \"::\" divide "
                                               "the answers of a gap")
                                     .arg(text);
            continue;
        }
        if (!all.contains(text))
            all += text;
        if (isCorrect && !correct.contains(text))
            correct += text;
    }
    const QStringList &answers = correct.isEmpty() ? all : correct;
    if (answers.isEmpty())
        return QString(MissingAnswer);
    QStringList written;
    for (const QString &answer : answers)
        written += BracketText::escaped(answer);
    QString gap = written.join(QLatin1Char('|'));
    // The answer as a word of the clue ("went", "Went!"), not inside another ("a" in "article").
    const bool givesAway = std::any_of(answers.cbegin(), answers.cend(), [&clue](const QString &answer) {
        const QRegularExpression word(
            QLatin1String("(?<!\\w)") + QRegularExpression::escape(answer) + QLatin1String("(?!\\w)"),
            QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
        return word.match(clue).hasMatch();
    });
    if (givesAway)
        return QLatin1Char('[') + gap + QLatin1Char(']') + ClueLeftOut;
    if (!clue.isEmpty())
        gap += QLatin1String("::") + BracketText::escaped(clue);
    return QLatin1Char('[') + gap + QLatin1Char(']');
}

} // namespace

LxdImport::Result LxdImport::readKvtml(const QByteArray &bytes, const Progress &progress)
{
    Result result;
    QDomDocument doc;
    if (!parse(bytes, progress, &doc, &result.error))
        return result;
    const QDomElement root = doc.documentElement();
    if (root.tagName() != QLatin1String("kvtml")) {
        result.error = tr("This is not a KVTML file.");
        return result;
    }
    const QString version = root.attribute(QStringLiteral("version"));
    const QDomElement entries = root.firstChildElement(QStringLiteral("entries"));
    if (version.startsWith(QLatin1Char('1'))
        || (entries.isNull() && !root.firstChildElement(QStringLiteral("e")).isNull())) {
        result.error = tr("This KVTML file has the older form of version 1, which cannot be read. Open it in "
                          "KWordQuiz or Parley and save it again to bring it to version 2.");
        return result;
    }

    const int count = entries.elementsByTagName(QStringLiteral("entry")).count();
    int done = 0;
    for (QDomElement entry = entries.firstChildElement(QStringLiteral("entry")); !entry.isNull();
         entry = entry.nextSiblingElement(QStringLiteral("entry")), ++done) {
        if (progress && done % 200 == 0 && !progress(Parsed + (count ? done * (100 - Parsed) / count : 0))) {
            Result stopped;
            stopped.error = cancelled();
            return stopped;
        }
        const QString where
            = tr("Entry %1").arg(entry.attribute(QStringLiteral("id"), QString::number(done)));
        struct Translation
        {
            QString text;
            bool gapped; // KWordQuiz's fill-in-the-blank form: a sentence with key words in brackets
            QStringList examples;
        };
        QList<Translation> translations;
        for (QDomElement t = entry.firstChildElement(QStringLiteral("translation")); !t.isNull();
             t = t.nextSiblingElement(QStringLiteral("translation"))) {
            Translation translation;
            translation.text = t.firstChildElement(QStringLiteral("text")).text().simplified();
            translation.gapped = BracketText::complete(BracketText::status(translation.text));
            for (QDomElement e = t.firstChildElement(QStringLiteral("example")); !e.isNull();
                 e = e.nextSiblingElement(QStringLiteral("example")))
                translation.examples += e.text();
            translations += translation;
        }
        if (translations.isEmpty()) {
            result.skipped += tr("%1: no translation").arg(where);
            continue;
        }
        // The first translation is the word the list is about, unless it is the gap sentence: then
        // the word is the other translation, the one the sentence is asked for.
        QString headword = translations.front().text;
        for (const Translation &t : std::as_const(translations)) {
            if (!t.gapped) {
                headword = t.text;
                break;
            }
        }
        if (translations.front().gapped && headword == translations.front().text) {
            result.skipped
                += tr("%1: a sentence with key words but no other translation to file it under").arg(where);
            continue;
        }
        if (!result.add(headword, QString(), where))
            continue;
        // Every translation's examples come in, each with the word of its own translation as key word.
        for (const Translation &t : std::as_const(translations)) {
            if (t.gapped)
                result.add(headword, t.text, where, true);
            for (const QString &example : t.examples) {
                const QString sentence = example.simplified();
                result.add(headword, t.gapped ? sentence : bracketHeadword(sentence, t.text), where, true);
            }
        }
    }
    return result;
}

LxdImport::Result LxdImport::readJCloze(
    const QByteArray &bytes, const QString &fallbackTitle, const Progress &progress)
{
    // Read as a stream: the white space between two gaps is text of the passage, which a DOM
    // parser would drop.
    Result result;
    if (!withinLimits(bytes, progress, &result.error))
        return result;
    StoppableBuffer buffer(bytes, progress);
    buffer.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&buffer);
    QString title;
    QString passage;
    bool seenRoot = false;
    bool seenGapFill = false;
    QStringList path;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (!seenRoot) {
                seenRoot = true;
                if (xml.name() != QLatin1String("hotpot-jcloze-file")) {
                    result.error = tr("This is not a Hot Potatoes JCloze file.");
                    return result;
                }
            }
            const QString name = xml.name().toString();
            if (name == QLatin1String("title") && path.size() == 2 && path.back() == QLatin1String("data")) {
                title = decodeHtml(xml.readElementText(QXmlStreamReader::IncludeChildElements)).simplified();
                continue;
            }
            if (name != QLatin1String("gap-fill")) {
                path += name;
                continue;
            }
            seenGapFill = true;
            QString raw; // passage text up to the next gap, still as HTML
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isCharacters()) {
                    raw += xml.text();
                } else if (xml.isStartElement() && xml.name() == QLatin1String("question-record")) {
                    passage += BracketText::escaped(decodeHtml(raw));
                    raw.clear();
                    passage += readGap(xml, &result);
                } else if (xml.isEndElement() && xml.name() == QLatin1String("gap-fill")) {
                    break;
                }
            }
            passage += BracketText::escaped(decodeHtml(raw));
        } else if (xml.isEndElement() && !path.isEmpty()) {
            path.removeLast();
        }
    }
    if (buffer.stopped()) {
        result.error = cancelled();
        return result;
    }
    if (xml.hasError()) {
        result.error = parseError(xml.errorString(), xml.lineNumber());
        return result;
    }
    if (!seenRoot) {
        result.error = tr("This is not a Hot Potatoes JCloze file.");
        return result;
    }
    if (!seenGapFill) {
        result.error = tr("The exercise holds no gap-fill text.");
        return result;
    }

    // The title names the passage, it is no word of it: a sentence without a gap stays without one.
    const QString headword = titleOf(title, fallbackTitle);
    result.add(headword, QString(), tr("Title"));
    const QStringList sentences = splitSentences(passage);
    for (qsizetype i = 0; i < sentences.size(); ++i) {
        QString sentence = sentences.at(i);
        const qsizetype cluesLeftOut = sentence.count(ClueLeftOut);
        sentence.remove(ClueLeftOut);
        const QString where = tr("Sentence %1 (%2)")
                                  .arg(i + 1)
                                  .arg(quoted(QString(sentence).replace(MissingAnswer, QLatin1String("[]"))));
        if (sentence.contains(MissingAnswer)) {
            result.skipped += tr("%1: a gap has no answer").arg(where);
            continue;
        }
        if (cluesLeftOut == 1)
            result.converted
                += tr("%1: the clue of a gap was left out, as it gave the answer away").arg(where);
        else if (cluesLeftOut > 1)
            result.converted += tr("%1: the clues of %2 gaps were left out, as they gave the answers away")
                                    .arg(where)
                                    .arg(cluesLeftOut);
        result.add(headword, sentence, where, true);
    }
    return result;
}

LxdImport::Result LxdImport::readJMatch(
    const QByteArray &bytes, const QString &fallbackTitle, const Progress &progress)
{
    Result result;
    QDomDocument doc;
    if (!parse(bytes, progress, &doc, &result.error))
        return result;
    const QDomElement root = doc.documentElement();
    if (root.tagName() != QLatin1String("hotpot-jmatch-file")) {
        result.error = tr("This is not a Hot Potatoes JMatch file.");
        return result;
    }
    const QDomElement data = root.firstChildElement(QStringLiteral("data"));
    const QDomElement exercise = data.firstChildElement(QStringLiteral("matching-exercise"));
    if (exercise.isNull()) {
        result.error = tr("The exercise holds no matching pairs.");
        return result;
    }
    const QString headword
        = titleOf(htmlText(data.firstChildElement(QStringLiteral("title"))), fallbackTitle);
    result.add(headword, QString(), tr("Title"));
    int number = 0;
    for (QDomElement pair = exercise.firstChildElement(QStringLiteral("pair")); !pair.isNull();
         pair = pair.nextSiblingElement(QStringLiteral("pair"))) {
        const QString left = htmlText(
            pair.firstChildElement(QStringLiteral("left-item")).firstChildElement(QStringLiteral("text")));
        QString right = htmlText(
            pair.firstChildElement(QStringLiteral("right-item")).firstChildElement(QStringLiteral("text")));
        ++number;
        const QString where = left.isEmpty() && right.isEmpty()
            ? tr("Pair %1").arg(number)
            : tr("Pair %1 (%2)").arg(number).arg(quoted(left.isEmpty() ? right : left));
        if (left.isEmpty() && right.isEmpty())
            result.skipped += tr("%1: empty").arg(where);
        else if (left.isEmpty())
            result.skipped += tr("%1: an extra answer without a left item").arg(where);
        else if (right.isEmpty())
            result.skipped += tr("%1: no right item").arg(where);
        else
            result.add(headword,
                BracketText::escaped(left) + QLatin1String(" [") + BracketText::escaped(right)
                    + QLatin1Char(']'),
                where, true);
    }
    return result;
}
