// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/templatefill.h"

#include "exercise/exerciserender.h"

#include "support/testutil.h"

#include <QDomDocument>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>

using TemplateFill::MatchPair;

namespace {
using TestUtil::options;

// Every option on except jumbling: the order stays as given.
ExerciseOptions inOrder()
{
    return options(true, true, true, false, true);
}

QString gap(int width = 10)
{
    return QLatin1Char('[') + QString(width, QLatin1Char('_')) + QLatin1Char(']');
}

QDomDocument shippedTemplate(const QString &name)
{
    QFile file(TestUtil::sourcePath(QStringLiteral("share/templates/") + name));
    QDomDocument document;
    if (file.open(QIODevice::ReadOnly))
        document.setContent(&file);
    return document;
}

// What a strict XML parser says about a file: empty when it reads to the end without an error.
QString xmlError(const QByteArray &bytes)
{
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd())
        reader.readNext();
    if (reader.hasError())
        return QStringLiteral("line %1: %2").arg(reader.lineNumber()).arg(reader.errorString());
    return QString();
}

QDomDocument reparsed(const QByteArray &bytes)
{
    QDomDocument document;
    document.setContent(bytes);
    return document;
}

QDomElement element(const QDomDocument &document, const QString &name)
{
    return document.elementsByTagName(name).item(0).toElement();
}

QDomElement divWithId(const QDomDocument &document, const QString &id)
{
    const QDomNodeList divs = document.elementsByTagName(QStringLiteral("div"));
    for (int i = 0; i < divs.size(); ++i) {
        if (divs.item(i).toElement().attribute(QStringLiteral("id")) == id)
            return divs.item(i).toElement();
    }
    return QDomElement();
}

QStringList childTexts(const QDomNode &parent)
{
    QStringList texts;
    for (QDomNode n = parent.firstChild(); !n.isNull(); n = n.nextSibling())
        texts.append(n.isText() ? n.nodeValue() : n.toElement().text());
    return texts;
}

// The order a shuffle with this seed gives a list of n elements, as the positions they came from.
QList<int> shuffledPositions(int n, quint32 seed)
{
    QList<int> positions;
    for (int i = 0; i < n; ++i)
        positions.append(i);
    RandomSource random(seed);
    ExerciseBuilder::jumble(positions, random);
    return positions;
}

// A cloze child described as a string: text nodes as themselves, gap records as {answer}.
QStringList describeCloze(const QDomElement &gapFill)
{
    QStringList parts;
    for (QDomNode n = gapFill.firstChild(); !n.isNull(); n = n.nextSibling()) {
        if (n.isText()) {
            parts.append(n.nodeValue());
            continue;
        }
        const QDomElement record = n.toElement();
        const QDomElement answer = record.firstChildElement(QStringLiteral("answer"));
        QString shape = record.tagName() + QLatin1Char(':');
        for (QDomElement c = record.firstChildElement(); !c.isNull(); c = c.nextSiblingElement())
            shape += QLatin1Char(' ') + c.tagName();
        shape += QLatin1String(" /");
        for (QDomElement c = answer.firstChildElement(); !c.isNull(); c = c.nextSiblingElement())
            shape += QLatin1Char(' ') + c.tagName();
        // Every record must have the one shape the format knows; anything else shows in the text.
        if (shape != QLatin1String("question-record: question answer clue / text feedback correct")
            || !record.firstChildElement(QStringLiteral("question")).text().isEmpty()
            || !record.firstChildElement(QStringLiteral("clue")).text().isEmpty()
            || !answer.firstChildElement(QStringLiteral("feedback")).text().isEmpty()
            || answer.firstChildElement(QStringLiteral("correct")).text() != QLatin1String("1"))
            parts.append(QStringLiteral("bad record: ") + shape);
        else
            parts.append(QLatin1Char('{') + answer.firstChildElement(QStringLiteral("text")).text()
                + QLatin1Char('}'));
    }
    return parts;
}

// The text a field of the exercise formats stores: the suite keeps what the author typed with its
// references to characters ("&#x0026;" for "&"), which the suite and Moodle's player decode first.
QString stored(const QString &field)
{
    static const QRegularExpression reference(QStringLiteral("&#x([0-9A-Fa-f]+);"));
    QString text;
    qsizetype at = 0;
    for (auto it = reference.globalMatch(field); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        text += field.mid(at, m.capturedStart() - at);
        const char32_t code = m.captured(1).toUInt(nullptr, 16);
        text += QString::fromUcs4(&code, 1);
        at = m.capturedEnd();
    }
    return text + field.mid(at);
}

// What a web page shows for a text the pupil only reads: the stored text is HTML, so an element is
// markup (shown as "<markup>" here, so that it cannot pass for text), a bare "&" is a fault, and a
// reference (the browser knows "&LT;" as well as "&lt;") the character it names.
QString shownAsHtml(const QString &field)
{
    const QString html = stored(field);
    static const QRegularExpression reference(
        QStringLiteral("&(lt|gt|amp|LT|GT|AMP);|&#([0-9]+);|<[^>]*>|&"));
    QString shown;
    qsizetype at = 0;
    for (auto it = reference.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        shown += html.mid(at, m.capturedStart() - at);
        const QString name = m.captured(1).toLower();
        if (!name.isEmpty()) {
            shown += name == QLatin1String("lt") ? QStringLiteral("<")
                : name == QLatin1String("gt")    ? QStringLiteral(">")
                                                 : QStringLiteral("&");
        } else if (!m.captured(2).isEmpty()) {
            const char32_t code = m.captured(2).toUInt();
            shown += QString::fromUcs4(&code, 1);
        } else {
            shown += m.captured() == QLatin1String("&") ? QStringLiteral("<bare &>")
                                                        : QStringLiteral("<markup>");
        }
        at = m.capturedEnd();
    }
    return shown + html.mid(at);
}

} // namespace

Q_DECLARE_METATYPE(ExerciseOptions)
Q_DECLARE_METATYPE(TemplateFill::MatchPair)

class TestTemplateFill : public QObject
{
    Q_OBJECT

private slots:
    void rtfText_data();
    void rtfText();
    void rtfPlaceholders_data();
    void rtfPlaceholders();
    void rtfShippedTemplate();

    void xhtml_data();
    void xhtml();
    void xhtmlWordsShuffledAfterQuestions_data();
    void xhtmlWordsShuffledAfterQuestions();
    void xhtmlWithoutWordList();
    void xhtmlWithoutContent();
    void xhtmlFile();

    void matchPairs_data();
    void matchPairs();
    void matchPairsJumbledThenNumbered();
    void jmatchDocument();
    void jmatchWithoutExercise();
    void hotPotatoesShowWhatWasTyped_data();
    void hotPotatoesShowWhatWasTyped();

    void jcloze_data();
    void jcloze();
    void hotPotatoesShownTextAndProblems();
    void jclozeJumbled();
    void jclozeWithoutGapFill();
    void jclozeFile();
    void jclozeClueButton();
    void jclozeFileWithoutPassage();
    void filesStayWellFormed_data();
    void filesStayWellFormed();
};

void TestTemplateFill::rtfText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("rtf");

    QTest::addRow("plain") << QStringLiteral("He [__________] home.") << QByteArray("He [__________] home.");
    QTest::addRow("backslash and braces")
        << QStringLiteral("a\\par {b} c") << QByteArray("a\\\\par \\{b\\} c");
    QTest::addRow("accent") << QStringLiteral("caf\u00e9 5") << QByteArray("caf\\u233? 5");
    QTest::addRow("accent before a digit") << QStringLiteral("\u00e95") << QByteArray("\\u233?5");
    QTest::addRow("curly quotes") << QStringLiteral("\u2018it\u2019s\u201d")
                                  << QByteArray("\\u8216?it\\u8217?s\\u8221?");
    QTest::addRow("Cyrillic") << QStringLiteral("\u041f\u0440\u0438")
                              << QByteArray("\\u1055?\\u1088?\\u1080?");
    QTest::addRow("highest positive") << QStringLiteral("\u7fff") << QByteArray("\\u32767?");
    QTest::addRow("lowest negative") << QStringLiteral("\u8000") << QByteArray("\\u-32768?");
    QTest::addRow("Hangul") << QStringLiteral("\uc548") << QByteArray("\\u-15032?");
    QTest::addRow("replacement character") << QStringLiteral("\ufffd") << QByteArray("\\u-3?");
    QTest::addRow("beyond the BMP") << QString::fromUcs4(U"x\U0001F600y")
                                    << QByteArray("x\\u-10179?\\u-8704?y");
    QTest::addRow("tab") << QStringLiteral("a\tb") << QByteArray("a\\tab b");
    QTest::addRow("line breaks") << QStringLiteral("a\nb\r\nc") << QByteArray("a b  c");
    QTest::addRow("other controls") << QStringLiteral("a\x01\x1f-b") << QByteArray("a-b");
    QTest::addRow("empty") << QString() << QByteArray();
}

void TestTemplateFill::rtfText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, rtf);
    QCOMPARE(TemplateFill::rtfText(text), rtf);
}

void TestTemplateFill::rtfPlaceholders_data()
{
    QTest::addColumn<QByteArray>("rtfTemplate");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QByteArray>("filled");

    const QStringList questions {
        QStringLiteral("1. He [__________] home."), QStringLiteral("2. She [__________] an [__________].")};
    const QStringList words {QStringLiteral("went"), QStringLiteral("ate"), QStringLiteral("apple")};

    QTest::addRow("both once")
        << QByteArray("{\\rtf1 W:[strWords]\\par Q:[strQuestions]\\par}") << questions << words
        << QByteArray("{\\rtf1 W:\nwent   ate   apple\\par Q:\\par\\par\n1. He [__________] home."
                      "\\par\\par\n2. She [__________] an [__________].\\par}");
    QTest::addRow("no words") << QByteArray("<[strWords]>") << questions << QStringList()
                              << QByteArray("<\n>");
    QTest::addRow("twice and missing")
        << QByteArray("[strQuestions]|[strQuestions]") << QStringList {QStringLiteral("x")} << words
        << QByteArray("\\par\\par\nx|\\par\\par\nx");
    QTest::addRow("placeholders are case-sensitive")
        << QByteArray("[STRWORDS][strwords]") << questions << words << QByteArray("[STRWORDS][strwords]");
    QTest::addRow("escaped sentences")
        << QByteArray("[strWords]/[strQuestions]")
        << QStringList {QStringLiteral("1. \u00c0 {la} [__________] \\ fin.")}
        << QStringList {QStringLiteral("plage\u0300"), QStringLiteral("{b}")}
        << QByteArray("\nplage\\u768?   \\{b\\}/\\par\\par\n1. \\u192? \\{la\\} [__________] \\\\ fin.");
    // The template's own bytes pass unchanged, whatever encoding they were written in.
    QTest::addRow("template bytes kept")
        << QByteArray("\xe9\xff\\'e9 \xc3\xa9[strWords]\x80") << QStringList()
        << QStringList {QStringLiteral("\u00e9")} << QByteArray("\xe9\xff\\'e9 \xc3\xa9\n\\u233?\x80");
}

void TestTemplateFill::rtfPlaceholders()
{
    QFETCH(QByteArray, rtfTemplate);
    QFETCH(QStringList, questions);
    QFETCH(QStringList, words);
    QFETCH(QByteArray, filled);
    QCOMPARE(TemplateFill::fillRtf(rtfTemplate, questions, words), filled);
}

void TestTemplateFill::rtfShippedTemplate()
{
    const QByteArray rtfTemplate
        = TestUtil::readFile(TestUtil::sourcePath(QStringLiteral("share/templates/rtf_exercise.rtf")));
    QVERIFY(rtfTemplate.startsWith("{\\rtf1"));
    QCOMPARE(rtfTemplate.count("[strWords]"), 1);
    QCOMPARE(rtfTemplate.count("[strQuestions]"), 1);

    const QStringList questions {QStringLiteral("1. \u00bfD\u00f3nde est\u00e1 el [__________]?"),
        QStringLiteral("2. \u041e\u043d [__________] {\u0434\u043e\u043c\u043e\u0439}.")};
    const QStringList words {QStringLiteral("ba\u00f1o"), QStringLiteral("\u043f\u043e\u0448\u0451\u043b")};
    const QByteArray filled = TemplateFill::fillRtf(rtfTemplate, questions, words);

    // Everything around the placeholders is the template's, byte for byte.
    const qsizetype wordsAt = rtfTemplate.indexOf("[strWords]");
    const qsizetype questionsAt = rtfTemplate.indexOf("[strQuestions]");
    const QByteArray wordsText = "\nba\\u241?o   \\u1087?\\u1086?\\u1096?\\u1105?\\u1083?";
    const QByteArray questionsText = "\\par\\par\n1. \\u191?D\\u243?nde est\\u225? el [__________]?"
                                     "\\par\\par\n2. \\u1054?\\u1085? [__________] "
                                     "\\{\\u1076?\\u1086?\\u1084?\\u1086?\\u1081?\\}.";
    QCOMPARE(filled.left(wordsAt), rtfTemplate.left(wordsAt));
    QCOMPARE(filled.mid(wordsAt, wordsText.size()), wordsText);
    const QByteArray between = rtfTemplate.mid(wordsAt + 10, questionsAt - wordsAt - 10);
    QCOMPARE(filled.mid(wordsAt + wordsText.size(), between.size()), between);
    const qsizetype questionsOut = wordsAt + wordsText.size() + between.size();
    QCOMPARE(filled.mid(questionsOut, questionsText.size()), questionsText);
    QCOMPARE(filled.mid(questionsOut + questionsText.size()), rtfTemplate.mid(questionsAt + 14));

    // The document stays plain ASCII with balanced groups.
    int depth = 0;
    for (qsizetype i = 0; i < filled.size(); ++i) {
        const char c = filled.at(i);
        QVERIFY2(uchar(c) < 0x80, "non-ASCII byte in the document");
        if (c == '\\')
            ++i;
        else if (c == '{')
            ++depth;
        else if (c == '}')
            QVERIFY(--depth >= 0);
    }
    QCOMPARE(depth, 0);
}

void TestTemplateFill::xhtml_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<ExerciseOptions>("options");
    QTest::addColumn<QString>("listTag");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QStringList>("words");

    const QStringList twoEntries {QStringLiteral("He [went] home."), QStringLiteral("She [ate] an [apple].")};
    const QStringList words {QStringLiteral("went"), QStringLiteral("ate"), QStringLiteral("apple")};

    QTest::addRow("all but jumbling")
        << twoEntries << inOrder() << QStringLiteral("ol")
        << QStringList {QStringLiteral("He %1 home.").arg(gap()), QStringLiteral("She %1 an %1.").arg(gap())}
        << words;
    QTest::addRow("no question numbers")
        << twoEntries << options(false, true, true, false, true) << QStringLiteral("ul")
        << QStringList {QStringLiteral("He %1 home.").arg(gap()), QStringLiteral("She %1 an %1.").arg(gap())}
        << words;
    QTest::addRow("no gaps, no brackets")
        << twoEntries << options(true, false, false, false, true) << QStringLiteral("ol")
        << QStringList {QStringLiteral("He went home."), QStringLiteral("She ate an apple.")} << words;
    QTest::addRow("no gaps, brackets") << twoEntries << options(true, false, true, false, true)
                                       << QStringLiteral("ol") << twoEntries << words;
    QTest::addRow("gaps without brackets")
        << twoEntries << options(true, true, false, false, false) << QStringLiteral("ol")
        << QStringList {QStringLiteral("He __________ home."),
               QStringLiteral("She __________ an __________.")}
        << QStringList();
    QTest::addRow("widened to thirteen")
        << QStringList {QStringLiteral("A [cat]."), QStringLiteral("Be [uncomfortable].")} << inOrder()
        << QStringLiteral("ol")
        << QStringList {QStringLiteral("A %1.").arg(gap(13)), QStringLiteral("Be %1.").arg(gap(13))}
        << QStringList {QStringLiteral("cat"), QStringLiteral("uncomfortable")};
    QTest::addRow("duplicates and an entry without key words")
        << QStringList {QStringLiteral("No key word."), QStringLiteral("[a] and [a]")} << inOrder()
        << QStringLiteral("ol")
        << QStringList {QStringLiteral("No key word."), QStringLiteral("%1 and %1").arg(gap())}
        << QStringList {QStringLiteral("a"), QStringLiteral("a")};
    QTest::addRow("ampersand") << QStringList {QStringLiteral("Tom & [Jerry] <3")}
                               << options(false, false, true, false, true) << QStringLiteral("ul")
                               << QStringList {QStringLiteral("Tom & [Jerry] <3")}
                               << QStringList {QStringLiteral("Jerry")};
}

void TestTemplateFill::xhtml()
{
    QFETCH(QStringList, entries);
    QFETCH(ExerciseOptions, options);
    QFETCH(QString, listTag);
    QFETCH(QStringList, items);
    QFETCH(QStringList, words);

    QDomDocument page = shippedTemplate(QStringLiteral("xhtml_exercise.htm"));
    QVERIFY(!page.isNull());
    QVERIFY(ExerciseRender::xhtml(page, ExerciseModelBuilder::build(entries, options, 7)));

    // Checked on the page as written and read back, so escaping is covered too.
    const QByteArray bytes = TemplateFill::xmlFile(page);
    QCOMPARE(xmlError(bytes), QString());
    const QDomDocument written = reparsed(bytes);

    const QDomElement content = divWithId(written, QStringLiteral("content"));
    const QDomElement list = content.lastChildElement();
    QCOMPARE(list.tagName(), listTag);
    QCOMPARE(list.childNodes().size(), items.size());
    for (QDomElement li = list.firstChildElement(); !li.isNull(); li = li.nextSiblingElement()) {
        QCOMPARE(li.tagName(), QStringLiteral("li"));
        QCOMPARE(li.childNodes().size(), 1);
        QVERIFY(li.firstChild().isText());
    }
    QCOMPARE(childTexts(list), items);

    // The word list: the template's zero-width space, then two blanks and a word per key word, in
    // some order.
    const QString wordText = divWithId(written, QStringLiteral("wordList")).text();
    QVERIFY(wordText.startsWith(QChar(0x200b)));
    QStringList listed = wordText.mid(1).split(QStringLiteral("  "));
    QCOMPARE(listed.takeFirst(), QString());
    QStringList expected = words;
    listed.sort();
    expected.sort();
    QCOMPARE(listed, expected);

    if (entries.first().contains(QLatin1Char('&'))) {
        QVERIFY(bytes.contains("<li>Tom &amp; [Jerry] &lt;3</li>"));
        QVERIFY(!bytes.contains("& ["));
    }
}

void TestTemplateFill::xhtmlWordsShuffledAfterQuestions_data()
{
    QTest::addColumn<bool>("jumble");
    QTest::addRow("questions in order") << false;
    QTest::addRow("questions jumbled") << true;
}

void TestTemplateFill::xhtmlWordsShuffledAfterQuestions()
{
    QFETCH(bool, jumble);
    const QStringList entries {QStringLiteral("[a] [b]"), QStringLiteral("[c]"),
        QStringLiteral("[d] [e] [f]"), QStringLiteral("[g]"), QStringLiteral("[h]")};
    const QStringList words {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
        QStringLiteral("d"), QStringLiteral("e"), QStringLiteral("f"), QStringLiteral("g"),
        QStringLiteral("h")};
    const quint32 seed = 2024;

    QDomDocument page = shippedTemplate(QStringLiteral("xhtml_exercise.htm"));
    QVERIFY(ExerciseRender::xhtml(
        page, ExerciseModelBuilder::build(entries, options(false, true, true, jumble, true), seed)));

    // The words are always shuffled, by the same source that shuffled the questions (if it did).
    RandomSource expectedRandom(seed);
    QStringList questions = entries;
    if (jumble)
        ExerciseBuilder::jumble(questions, expectedRandom);
    QStringList expectedWords = words;
    ExerciseBuilder::jumble(expectedWords, expectedRandom);
    QVERIFY(expectedWords != words);

    const QDomElement wordList = divWithId(page, QStringLiteral("wordList"));
    QStringList listed = childTexts(wordList);
    QCOMPARE(listed.takeFirst(), QString(QChar(0x200b)));
    for (QString &word : listed) {
        QVERIFY(word.startsWith(QLatin1String("  ")));
        word = word.mid(2);
    }
    QCOMPARE(listed, expectedWords);

    const QStringList items = childTexts(divWithId(page, QStringLiteral("content")).lastChildElement());
    QCOMPARE(items.size(), entries.size());
    if (jumble) {
        const QList<int> order = shuffledPositions(entries.size(), seed);
        for (int i = 0; i < order.size(); ++i)
            QCOMPARE(items.at(i).count(gap()), entries.at(order.at(i)).count(QLatin1Char('[')));
    }
}

void TestTemplateFill::xhtmlWithoutWordList()
{
    QDomDocument page;
    QVERIFY(page.setContent(QByteArray("<html><body><div id=\"content\"><p>Intro</p></div>"
                                       "<div id=\"other\"/></body></html>")));
    QVERIFY(ExerciseRender::xhtml(
        page, ExerciseModelBuilder::build({QStringLiteral("He [went] home.")}, inOrder(), 1)));
    const QDomElement content = divWithId(page, QStringLiteral("content"));
    QCOMPARE(childTexts(content),
        (QStringList {QStringLiteral("Intro"), QStringLiteral("He %1 home.").arg(gap())}));
    QCOMPARE(content.lastChildElement().tagName(), QStringLiteral("ol"));
    QCOMPARE(divWithId(page, QStringLiteral("other")).childNodes().size(), 0);
    QVERIFY(!page.toString().contains(QLatin1String("went")));
}

void TestTemplateFill::xhtmlWithoutContent()
{
    QDomDocument page;
    QVERIFY(page.setContent(
        QByteArray("<html><body><div id=\"wordList\">x</div><p id=\"content\"/></body></html>")));
    const QString before = page.toString();
    QVERIFY(!ExerciseRender::xhtml(
        page, ExerciseModelBuilder::build({QStringLiteral("He [went] home.")}, inOrder(), 1)));
    QCOMPARE(page.toString(), before);
}

void TestTemplateFill::xhtmlFile()
{
    QDomDocument page = shippedTemplate(QStringLiteral("xhtml_exercise.htm"));
    // A template that declares another encoding is still written, and declared, as UTF-8.
    page.firstChild().toProcessingInstruction().setData(
        QStringLiteral("version=\"1.0\" encoding=\"ISO-8859-1\""));
    const QString sentence = QString::fromUcs4(U"Caf\u00e9 \u041f [\U0001F600] \u20ac.");
    QVERIFY(ExerciseRender::xhtml(
        page, ExerciseModelBuilder::build({sentence}, options(true, false, true, false, true), 3)));

    const QByteArray bytes = TemplateFill::xmlFile(page);
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE html PUBLIC "));
    QCOMPARE(xmlError(bytes), QString());
    const QDomDocument written = reparsed(bytes);
    QCOMPARE(written.doctype().name(), QStringLiteral("html"));
    QCOMPARE(written.doctype().publicId(), QStringLiteral("-//W3C//DTD XHTML 1.0 Strict//EN"));
    QCOMPARE(
        written.doctype().systemId(), QStringLiteral("http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd"));
    QCOMPARE(written.documentElement().attribute(QStringLiteral("xmlns")),
        QStringLiteral("http://www.w3.org/1999/xhtml"));
    QCOMPARE(element(written, QStringLiteral("li")).text(), sentence);
    QVERIFY(bytes.contains(sentence.toUtf8()));
    // Indented three blanks per level.
    QVERIFY(bytes.contains("\n   <head>\n      <meta "));
}

void TestTemplateFill::matchPairs_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<ExerciseOptions>("options");
    QTest::addColumn<QList<MatchPair>>("pairs");

    const QStringList twoEntries {QStringLiteral("He [went] home."), QStringLiteral("She [ate] an [apple].")};
    QTest::addRow("all but jumbling")
        << twoEntries << inOrder()
        << QList<MatchPair> {{QStringLiteral("1. He %1 home.").arg(gap()), QStringLiteral("went")},
               {QStringLiteral("2. She %1 an %1.").arg(gap()), QStringLiteral("ate, apple")}};
    QTest::addRow("no gaps, brackets") << twoEntries << options(false, false, true, false, true)
                                       << QList<MatchPair> {{twoEntries.at(0), QStringLiteral("went")},
                                              {twoEntries.at(1), QStringLiteral("ate, apple")}};
    QTest::addRow("no gaps, no brackets")
        << twoEntries << options(false, false, false, false, false)
        << QList<MatchPair> {{QStringLiteral("He went home."), QStringLiteral("went")},
               {QStringLiteral("She ate an apple."), QStringLiteral("ate, apple")}};
    QTest::addRow("gaps without brackets")
        << twoEntries << options(true, true, false, false, true)
        << QList<MatchPair> {{QStringLiteral("1. He __________ home."), QStringLiteral("went")},
               {QStringLiteral("2. She __________ an __________."), QStringLiteral("ate, apple")}};
    QTest::addRow("long words keep ten-underscore gaps")
        << QStringList {QStringLiteral("It is [incomprehensible].")} << inOrder()
        << QList<MatchPair> {{QStringLiteral("1. It is %1.").arg(gap()), QStringLiteral("incomprehensible")}};
    // A pair without a right side is no pair to any reader; numbering counts only what is kept.
    QTest::addRow("entries without a key word left out")
        << QStringList {QStringLiteral("Nothing here."), QStringLiteral("He [went] home."),
               QStringLiteral("Empty [] pair."), QStringLiteral("Only [ ] blank.")}
        << inOrder()
        << QList<MatchPair> {{QStringLiteral("1. He %1 home.").arg(gap()), QStringLiteral("went")}};
    QTest::addRow("key word of brackets alone, brackets removed")
        << QStringList {QStringLiteral("x [[] y"), QStringLiteral("a [b]")}
        << options(false, false, false, false, false)
        << QList<MatchPair> {{QStringLiteral("a b"), QStringLiteral("b")}};
    // Pairs are kept apart, so a sentence may hold the characters that once separated them.
    QTest::addRow("separator in the sentence")
        << QStringList {QStringLiteral("a ||| b [c] |||")} << inOrder()
        << QList<MatchPair> {{QStringLiteral("1. a ||| b %1 |||").arg(gap()), QStringLiteral("c")}};
    QTest::addRow("bracket inside a key word")
        << QStringList {QStringLiteral("x [a[b] y")} << options(false, false, false, false, false)
        << QList<MatchPair> {{QStringLiteral("x ab y"), QStringLiteral("ab")}};
    QTest::addRow("literal brackets are text on both sides")
        << QStringList {QStringLiteral("He wrote [\\[sic\\]] \\[x\\].")}
        << options(false, false, false, false, false)
        << QList<MatchPair> {{QStringLiteral("He wrote [sic] [x]."), QStringLiteral("[sic]")}};
}

void TestTemplateFill::matchPairs()
{
    QFETCH(QStringList, entries);
    QFETCH(ExerciseOptions, options);
    QFETCH(QList<MatchPair>, pairs);
    int leftOut = -1;
    QCOMPARE(TemplateFill::matchPairs(
                 ExerciseModelBuilder::build(entries, options, 11).questions, options, &leftOut),
        pairs);
    QCOMPARE(leftOut, entries.size() - pairs.size());
}

void TestTemplateFill::matchPairsJumbledThenNumbered()
{
    QStringList entries;
    for (int i = 0; i < 8; ++i)
        entries.append(QStringLiteral("Sentence %1 with [word%1] and [more%1].").arg(i));
    const quint32 seed = 99;
    const ExerciseOptions o = options(true, true, true, true, true);
    const QList<MatchPair> pairs
        = TemplateFill::matchPairs(ExerciseModelBuilder::build(entries, o, seed).questions, o);

    const QList<int> order = shuffledPositions(entries.size(), seed);
    QVERIFY(order != shuffledPositions(entries.size(), seed + 1));
    QCOMPARE(pairs.size(), entries.size());
    for (int i = 0; i < pairs.size(); ++i) {
        const int from = order.at(i);
        QCOMPARE(pairs.at(i).left,
            QStringLiteral("%1. Sentence %2 with %3 and %3.").arg(i + 1).arg(from).arg(gap()));
        QCOMPARE(pairs.at(i).right, QStringLiteral("word%1, more%1").arg(from));
    }
}

void TestTemplateFill::jmatchDocument()
{
    QDomDocument exercise = shippedTemplate(QStringLiteral("jmatch_exercise.jmt"));
    QVERIFY(!exercise.isNull());
    const QStringList entries {
        QStringLiteral("He [went] home."), QStringLiteral("Tom & [Jerry] \u00e9t\u00e9.")};
    QVERIFY(ExerciseRender::jmatch(exercise, ExerciseModelBuilder::build(entries, inOrder(), 5)));

    const QByteArray bytes = TemplateFill::xmlFile(exercise);
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<hotpot-jmatch-file>\n"));
    QVERIFY(bytes.contains("<version>6</version>"));
    QCOMPARE(xmlError(bytes), QString());
    const QDomDocument written = reparsed(bytes);
    const QDomElement matching = element(written, QStringLiteral("matching-exercise"));

    // The template's own content stays in front of the pairs.
    QDomElement child = matching.firstChildElement();
    QCOMPARE(child.tagName(), QStringLiteral("default-right-item"));
    const QList<MatchPair> expected {{QStringLiteral("1. He %1 home.").arg(gap()), QStringLiteral("went")},
        {QStringLiteral("2. Tom &#x0026;AMP; %1 &#x00E9;t&#x00E9;.").arg(gap()), QStringLiteral("Jerry")}};
    for (const MatchPair &pair : expected) {
        child = child.nextSiblingElement();
        QCOMPARE(child.tagName(), QStringLiteral("pair"));
        QStringList shape;
        for (QDomElement e = child.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
            shape.append(e.tagName());
            for (QDomElement f = e.firstChildElement(); !f.isNull(); f = f.nextSiblingElement())
                shape.append(e.tagName() + QLatin1Char('/') + f.tagName() + QLatin1Char('=') + f.text());
        }
        QCOMPARE(shape,
            (QStringList {QStringLiteral("left-item"), QStringLiteral("left-item/text=") + pair.left,
                QStringLiteral("left-item/fixed=1"), QStringLiteral("right-item"),
                QStringLiteral("right-item/text=") + pair.right, QStringLiteral("right-item/fixed=0")}));
    }
    QVERIFY(child.nextSiblingElement().isNull());
}

void TestTemplateFill::jmatchWithoutExercise()
{
    QDomDocument exercise;
    QVERIFY(
        exercise.setContent(QByteArray("<hotpot-jmatch-file><data><matching/></data></hotpot-jmatch-file>")));
    const QString before = exercise.toString();
    QVERIFY(!ExerciseRender::jmatch(
        exercise, ExerciseModelBuilder::build({QStringLiteral("[a]")}, inOrder(), 5)));
    QCOMPARE(exercise.toString(), before);
}

void TestTemplateFill::hotPotatoesShowWhatWasTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addRow("markup characters") << QStringLiteral("x<y&z>w");
    QTest::addRow("an entity typed") << QStringLiteral("&amp; &#375;");
    QTest::addRow("accented") << QStringLiteral("th\u00e9 \u00e0 la menthe");
    QTest::addRow("Greek") << QStringLiteral("\u03ba\u03b1\u03bb\u03b7\u03bc\u03ad\u03c1\u03b1");
    QTest::addRow("Cyrillic") << QStringLiteral("\u041f\u0440\u0438\u0432\u0435\u0442");
    QTest::addRow("CJK") << QStringLiteral("\u732b\u304c\u5ea7\u308b");
    QTest::addRow("emoji") << QString::fromUcs4(U"cat \U0001F408 \U0001F600");
}

// A pupil must see exactly what the teacher typed, in the suite and in every reader of its files:
// the file body stays ASCII and each text field, read as the HTML it is, gives the typed text.
void TestTemplateFill::hotPotatoesShowWhatWasTyped()
{
    QFETCH(QString, typed);
    const QString entry = typed + QLatin1String(" [") + typed + QLatin1String("] ") + typed;
    const ExerciseOptions o = options(false, false, false, false, false);

    QDomDocument match = shippedTemplate(QStringLiteral("jmatch_exercise.jmt"));
    QVERIFY(ExerciseRender::jmatch(match, ExerciseModelBuilder::build({entry}, o, 3)));
    const QByteArray matchBytes = TemplateFill::xmlFile(match);
    const QDomElement pair = element(reparsed(matchBytes), QStringLiteral("pair"));
    QCOMPARE(shownAsHtml(pair.firstChildElement(QStringLiteral("left-item")).firstChildElement().text()),
        typed + QLatin1Char(' ') + typed + QLatin1Char(' ') + typed);
    QCOMPARE(
        shownAsHtml(pair.firstChildElement(QStringLiteral("right-item")).firstChildElement().text()), typed);

    QDomDocument cloze = shippedTemplate(QStringLiteral("jcloze_exercise.jcl"));
    QVERIFY(ExerciseRender::jcloze(cloze, ExerciseModelBuilder::build({entry}, o, 3)));
    const QByteArray clozeBytes = TemplateFill::jclozeFile(cloze);
    const QDomElement gapFill = element(reparsed(clozeBytes), QStringLiteral("gap-fill"));
    QStringList shown;
    for (QDomNode n = gapFill.firstChild(); !n.isNull(); n = n.nextSibling())
        // Answers are compared with what the pupil types, once their references are decoded.
        shown.append(n.isText() ? shownAsHtml(n.nodeValue())
                                : stored(n.firstChildElement(QStringLiteral("answer"))
                                             .firstChildElement(QStringLiteral("text"))
                                             .text()));
    QCOMPARE(shown,
        (QStringList {QStringLiteral("<markup>\n<markup>") + typed + QLatin1Char(' '), typed,
            QLatin1Char(' ') + typed + QStringLiteral("<markup>\n<markup>")}));

    for (const QByteArray &bytes : {matchBytes, clozeBytes}) {
        const QByteArray body = bytes.mid(bytes.indexOf("?>") + 2);
        QVERIFY(std::all_of(body.begin(), body.end(), [](char c) { return uchar(c) < 0x80; }));
    }
}

void TestTemplateFill::jcloze_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<ExerciseOptions>("options");
    QTest::addColumn<QStringList>("children");

    const QString li = QStringLiteral("<li>");
    const QString endLi = QStringLiteral("</li>\n");
    const QString ol = QStringLiteral("<ol>\n");
    const QString endOl = QStringLiteral("</ol>");

    QTest::addRow("eleven children for one sentence")
        << QStringList {QStringLiteral("She [ate] an [apple].")} << inOrder()
        << QStringList {ol, li, QStringLiteral("She "), QStringLiteral("["), QStringLiteral("{ate}"),
               QStringLiteral("]"), QStringLiteral(" an "), QStringLiteral("["), QStringLiteral("{apple}"),
               QStringLiteral("]"), QStringLiteral("."), endLi, endOl};
    QTest::addRow("begins with a key word, no brackets")
        << QStringList {QStringLiteral("[The] cat.")} << options(true, true, false, false, true)
        << QStringList {ol, li, QString(), QStringLiteral("{The}"), QStringLiteral(" cat."), endLi, endOl};
    QTest::addRow("side by side") << QStringList {QStringLiteral("a [b][c] d")}
                                  << options(true, true, false, false, true)
                                  << QStringList {ol, li, QStringLiteral("a "), QStringLiteral("{b}"),
                                         QString(), QStringLiteral("{c}"), QStringLiteral(" d"), endLi,
                                         endOl};
    // A cloze file always gaps its key words; "Gap words" governs only the other exports.
    QTest::addRow("gaps even when not gapping, brackets")
        << QStringList {QStringLiteral("a [b][c] d")} << options(true, false, true, false, true)
        << QStringList {ol, li, QStringLiteral("a "), QStringLiteral("["), QStringLiteral("{b}"),
               QStringLiteral("]"), QString(), QStringLiteral("["), QStringLiteral("{c}"),
               QStringLiteral("]"), QStringLiteral(" d"), endLi, endOl};
    QTest::addRow("gaps even when not gapping, no brackets, bulleted")
        << QStringList {QStringLiteral("He [went] home."), QStringLiteral("Plain.")}
        << options(false, false, false, false, false)
        << QStringList {QStringLiteral("<ul>\n"), li, QStringLiteral("He "), QStringLiteral("{went}"),
               QStringLiteral(" home."), endLi, li, QStringLiteral("Plain."), endLi, QStringLiteral("</ul>")};
    // The gaps are the key words of the bracket rules every other export follows.
    QTest::addRow("bracket left open stays text")
        << QStringList {QStringLiteral("a [b c")} << options(true, true, false, false, true)
        << QStringList {ol, li, QStringLiteral("a [b c"), endLi, endOl};
    QTest::addRow("stray closing bracket before a key word")
        << QStringList {QStringLiteral("a] b [c]")} << inOrder()
        << QStringList {ol, li, QStringLiteral("a] b "), QStringLiteral("["), QStringLiteral("{c}"),
               QStringLiteral("]"), QString(), endLi, endOl};
    QTest::addRow("nested opening bracket")
        << QStringList {QStringLiteral("x [a[b] y")} << options(true, true, false, false, true)
        << QStringList {
               ol, li, QStringLiteral("x "), QStringLiteral("{a[b}"), QStringLiteral(" y"), endLi, endOl};
    QTest::addRow("markup characters in a sentence")
        << QStringList {QStringLiteral("3 > 2 & [x<y&z>w] < 4")} << options(true, true, false, false, true)
        << QStringList {ol, li, QStringLiteral("3 &#x0026;GT; 2 &#x0026;AMP; "),
               QStringLiteral("{x&#x003C;y&#x0026;z&#x003E;w}"), QStringLiteral(" &#x0026;LT; 4"), endLi,
               endOl};
}

// What both players show as typed, and what neither can: the three cases are named.
void TestTemplateFill::hotPotatoesShownTextAndProblems()
{
    QCOMPARE(TemplateFill::hotPotatoesShownText(u"Tags <b>bold</b> & x<y&z>w \u00e9"),
        QStringLiteral("Tags &#x0026;LT;b&#x0026;GT;bold&#x0026;LT;/b&#x0026;GT; &#x0026;AMP; "
                       "x&#x0026;LT;y&#x0026;AMP;z&#x0026;GT;w &#x00E9;"));
    const QStringList problems = TemplateFill::hotPotatoesProblems(
        {QStringLiteral("A [<b>|ok] b"), QStringLiteral("[&amp;] and [x::party \U0001F389]"),
            QStringLiteral("Plain [x<y&z>w] and 3 > 2.")},
        false);
    QCOMPARE(problems.size(), 4); // "<y&z>" looks like a tag too
    QVERIFY(problems.at(0).startsWith(QLatin1String("Sentence 1, answer \"<b>\"")));
    QVERIFY(problems.at(1).startsWith(QLatin1String("Sentence 2, answer \"&amp;\"")));
    QVERIFY(problems.at(2).startsWith(QLatin1String("Sentence 2, clue")));
    QVERIFY(problems.at(3).startsWith(QLatin1String("Sentence 3, answer \"x<y&z>w\"")));
    QCOMPARE(TemplateFill::hotPotatoesProblems({QStringLiteral("[a] \U0001F389")}, true).size(), 1);
    QVERIFY(TemplateFill::hotPotatoesProblems({QStringLiteral("[a] \U0001F389")}, false).isEmpty());
}

void TestTemplateFill::jcloze()
{
    QFETCH(QStringList, entries);
    QFETCH(ExerciseOptions, options);
    QFETCH(QStringList, children);

    QDomDocument exercise = shippedTemplate(QStringLiteral("jcloze_exercise.jcl"));
    QVERIFY(!exercise.isNull());
    QVERIFY(ExerciseRender::jcloze(exercise, ExerciseModelBuilder::build(entries, options, 5)));
    const QDomElement gapFill = element(exercise, QStringLiteral("gap-fill"));
    QCOMPARE(describeCloze(gapFill), children);
}

void TestTemplateFill::jclozeJumbled()
{
    QStringList entries;
    for (int i = 0; i < 7; ++i)
        entries.append(QStringLiteral("S%1 [w%1]").arg(i));
    const quint32 seed = 4242;
    QDomDocument exercise = shippedTemplate(QStringLiteral("jcloze_exercise.jcl"));
    QVERIFY(ExerciseRender::jcloze(
        exercise, ExerciseModelBuilder::build(entries, options(true, true, false, true, true), seed)));

    QStringList expected {QStringLiteral("<ol>\n")};
    for (int from : shuffledPositions(entries.size(), seed))
        expected << QStringLiteral("<li>") << QStringLiteral("S%1 ").arg(from)
                 << QStringLiteral("{w%1}").arg(from) << QString() << QStringLiteral("</li>\n");
    expected << QStringLiteral("</ol>");
    QCOMPARE(describeCloze(element(exercise, QStringLiteral("gap-fill"))), expected);
}

void TestTemplateFill::jclozeWithoutGapFill()
{
    QDomDocument exercise;
    QVERIFY(
        exercise.setContent(QByteArray("<hotpot-jcloze-file><data><gapfill/></data></hotpot-jcloze-file>")));
    const QString before = exercise.toString();
    QVERIFY(!ExerciseRender::jcloze(
        exercise, ExerciseModelBuilder::build({QStringLiteral("[a]")}, inOrder(), 5)));
    QCOMPARE(exercise.toString(), before);
}

void TestTemplateFill::jclozeFile()
{
    QDomDocument exercise = shippedTemplate(QStringLiteral("jcloze_exercise.jcl"));
    const QStringList entries {QStringLiteral("She [ate] an [apple]."), QStringLiteral("3 > 2 & [x]\u00e9")};
    QVERIFY(ExerciseRender::jcloze(exercise, ExerciseModelBuilder::build(entries, inOrder(), 5)));
    const QStringList before = describeCloze(element(exercise, QStringLiteral("gap-fill")));

    const QByteArray bytes = TemplateFill::jclozeFile(exercise);
    QCOMPARE(xmlError(bytes), QString());
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<hotpot-jcloze-file>\n"));
    QVERIFY(bytes.contains("<version>6</version>"));

    // The passage exactly as built: no whitespace added, no bare angle bracket, empty elements
    // written as start and end tag.
    const QByteArray record
        = "<question-record><question></question><answer><text>%1</text>"
          "<feedback></feedback><correct>1</correct></answer><clue></clue></question-record>";
    const QByteArray passage = "<gap-fill>&lt;ol&gt;\n"
                               "&lt;li&gt;She ["
        + QByteArray(record).replace("%1", "ate") + "] an [" + QByteArray(record).replace("%1", "apple")
        + "].&lt;/li&gt;\n"
          "&lt;li&gt;3 &amp;#x0026;GT; 2 &amp;#x0026;AMP; ["
        + QByteArray(record).replace("%1", "x") + "]&amp;#x00E9;&lt;/li&gt;\n&lt;/ol&gt;</gap-fill>";
    QVERIFY2(bytes.contains(passage), bytes.constData());
    // The rest of the file is indented as usual.
    QVERIFY(bytes.contains("\n   <data>\n      <title>Vocabulary gap-fill</title>\n"));

    // Writing leaves the document as it was, and the file reads back to the same passage (with
    // the empty text nodes gone and neighbouring texts joined, as any parser does).
    QCOMPARE(describeCloze(element(exercise, QStringLiteral("gap-fill"))), before);
    QStringList joined;
    for (const QString &part : before) {
        if (part.isEmpty())
            continue;
        if (!joined.isEmpty() && !part.startsWith(QLatin1Char('{'))
            && !joined.last().startsWith(QLatin1Char('{')))
            joined.last() += part;
        else
            joined.append(part);
    }
    QCOMPARE(describeCloze(element(reparsed(bytes), QStringLiteral("gap-fill"))), joined);
}

void TestTemplateFill::jclozeClueButton()
{
    // The clue button is on when a gap has a clue; without one the template's setting stays.
    for (const bool clue : {false, true}) {
        QDomDocument exercise = shippedTemplate(QStringLiteral("jcloze_exercise.jcl"));
        const QString entry = clue ? QStringLiteral("She [ate::eat] it.") : QStringLiteral("She [ate] it.");
        QVERIFY(ExerciseRender::jcloze(exercise, ExerciseModelBuilder::build({entry}, inOrder(), 5)));
        const QByteArray bytes = TemplateFill::jclozeFile(exercise);
        QVERIFY2(
            bytes.contains(clue ? "<include-clues>1</include-clues>" : "<include-clues>0</include-clues>"),
            bytes.constData());
    }
}

void TestTemplateFill::jclozeFileWithoutPassage()
{
    QDomDocument exercise = shippedTemplate(QStringLiteral("jcloze_exercise.jcl"));
    const QByteArray bytes = TemplateFill::jclozeFile(exercise);
    QCOMPARE(xmlError(bytes), QString());
    QVERIFY(bytes.contains("<gap-fill/>"));
    QCOMPARE(bytes, TemplateFill::xmlFile(exercise));
}

void TestTemplateFill::filesStayWellFormed_data()
{
    QTest::addColumn<QString>("sentence");
    QTest::addRow("markup") << QStringLiteral("<b>bold</b> & \"quoted\" 'x' [a]]>");
    QTest::addRow("control characters") << QStringLiteral("a\x01[b\x02]\x1f c\td\re");
    QTest::addRow("beyond the BMP") << QString::fromUcs4(U"\U0001F600 [\U0001D11E] \u00e9");
    QTest::addRow("CDATA end") << QStringLiteral("]]> [x]]>");
}

void TestTemplateFill::filesStayWellFormed()
{
    QFETCH(QString, sentence);
    const QStringList entries {sentence, QStringLiteral("He [went] home.")};
    for (bool gapWords : {true, false}) {
        const ExerciseModel model
            = ExerciseModelBuilder::build(entries, options(true, gapWords, true, true, true), 1);

        QDomDocument page = shippedTemplate(QStringLiteral("xhtml_exercise.htm"));
        QVERIFY(ExerciseRender::xhtml(page, model));
        QCOMPARE(xmlError(TemplateFill::xmlFile(page)), QString());

        QDomDocument match = shippedTemplate(QStringLiteral("jmatch_exercise.jmt"));
        QVERIFY(ExerciseRender::jmatch(match, model));
        QCOMPARE(xmlError(TemplateFill::xmlFile(match)), QString());

        QDomDocument cloze = shippedTemplate(QStringLiteral("jcloze_exercise.jcl"));
        QVERIFY(ExerciseRender::jcloze(cloze, model));
        const QByteArray clozeBytes = TemplateFill::jclozeFile(cloze);
        QCOMPARE(xmlError(clozeBytes), QString());
        const QByteArray passage = clozeBytes.mid(clozeBytes.indexOf("<gap-fill>"));
        // No angle bracket of the passage's text reaches the file bare.
        QVERIFY(!passage.left(passage.indexOf("</gap-fill>")).contains("]>"));
    }
}

QTEST_GUILESS_MAIN(TestTemplateFill)
#include "tst_templatefill.moc"
