// SPDX-License-Identifier: GPL-3.0-or-later
// The Moodle question files, read back by small readers written here from Moodle's documented
// grammar (not from the writer), so that what Moodle would import is checked, not what we wrote.
#include "app/mainwindow.h"
#include "exercise/exportformats.h"
#include "exercise/moodleexport.h"
#include "support/modalanswerer.h"
#include "support/testutil.h"
#include "support/windowfixture.h"
#include "util/zelfiledialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDomDocument>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

namespace {

ExerciseModel modelOf(
    const QStringList &entries, bool wordList, const QString &title = QStringLiteral("Animals"))
{
    ExerciseModel model;
    model.title = title;
    model.options.includeWordList = wordList;
    for (const QString &entry : entries) {
        model.questions.append(ExerciseModelBuilder::split(entry));
        for (const QString &answer : model.questions.last().answers()) {
            if (!model.wordBank.contains(answer))
                model.wordBank.prepend(answer); // an order unlike the sentences'
        }
    }
    return model;
}

// PHP's html_entity_decode, which Moodle runs on cloze answers, as far as these files need it.
QString decodeHtml(const QString &html)
{
    static const QRegularExpression reference(
        QStringLiteral("&(#[0-9]+|#x[0-9a-fA-F]+|amp|lt|gt|quot|apos);"));
    QString text;
    qsizetype at = 0;
    for (auto it = reference.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        text += html.mid(at, m.capturedStart() - at);
        const QString name = m.captured(1);
        if (name.startsWith(QLatin1String("#x")))
            text += QChar(name.mid(2).toUInt(nullptr, 16));
        else if (name.startsWith(QLatin1Char('#')))
            text += QChar(name.mid(1).toUInt());
        else
            text += QHash<QString, QString> {{"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""},
                {"apos", "'"}}
                        .value(name);
        at = m.capturedEnd();
    }
    return text + html.mid(at);
}

QString withoutParagraph(const QString &html)
{
    if (!html.startsWith(QLatin1String("<p>")) || !html.endsWith(QLatin1String("</p>")))
        return QStringLiteral("<not one paragraph>") + html;
    return html.mid(3, html.size() - 7);
}

// One question as an importer sees it: its sentence with the answers put back, and the answers.
struct ReadQuestion
{
    QString type;
    QString name;
    QString text;
    QStringList answers;
    QStringList alsoAccepted; // the right answers after each gap's first, all gaps together
    QStringList wrong; // the wrong choices of drop-downs and multiple-choice blocks, all together
    QList<QStringList> offered; // per drop-down or multiple-choice block, its entries in order
};

// Embedded answers: "{" grade ":" type ":" then entries apart by "~", each "=" and a right answer
// or, in a drop-down (MULTICHOICE), a wrong one without "="; an entry ends at the first "~", "#" or
// "}" not preceded by "\" or "&"; it is then HTML-decoded and "\}" and "\#" are unescaped; in a
// short answer "\*" is a plain star while a bare "*" is a wildcard, and no wrong answer is wanted.
ReadQuestion readCloze(const QString &html)
{
    static const QRegularExpression start(QStringLiteral("\\{([0-9]*):(SHORTANSWER|SA|MW|MULTICHOICE|MC):"));
    ReadQuestion read;
    const QString body = withoutParagraph(html);
    qsizetype at = 0;
    for (;;) {
        const QRegularExpressionMatch m = start.match(body, at);
        const QString textPart = body.mid(at, m.hasMatch() ? m.capturedStart() - at : -1);
        if (textPart.contains(QLatin1Char('{')) || textPart.contains(QLatin1Char('}')))
            read.text += QStringLiteral("<markup left in the text>");
        read.text += decodeHtml(textPart);
        if (!m.hasMatch())
            break;
        const bool choice = m.captured(2).startsWith(QLatin1Char('M'));
        QStringList raws;
        QList<bool> right;
        qsizetype from = m.capturedEnd();
        for (;;) {
            const bool isRight = body.mid(from, 1) == QLatin1String("=");
            from += isRight ? 1 : 0;
            qsizetype end = from;
            for (; end < body.size(); ++end) {
                const QChar c = body.at(end);
                const QString before = body.mid(from, end - from);
                if ((c == '~' || c == '#' || c == '}') && !before.endsWith('\\') && !before.endsWith('&'))
                    break;
            }
            if (end >= body.size() || body.at(end) == QLatin1Char('#'))
                return {QStringLiteral("unreadable cloze"), {}, body, {}, {}, {}, {}};
            raws.append(body.mid(from, end - from));
            right.append(isRight);
            from = end + 1;
            if (body.at(end) == QLatin1Char('}'))
                break;
        }
        if (!right.contains(true) || (!choice && right.contains(false)))
            return {QStringLiteral("wrong answer in cloze"), {}, body, {}, {}, {}, {}};
        QStringList offered;
        bool first = true;
        for (int r = 0; r < raws.size(); ++r) {
            const QString &raw = raws.at(r);
            if (!choice && QRegularExpression(QStringLiteral("(^|[^\\\\])\\*")).match(raw).hasMatch())
                return {QStringLiteral("wildcard in answer"), {}, raw, {}, {}, {}, {}};
            QString answer = decodeHtml(raw).replace(QLatin1String("\\}"), QLatin1String("}"));
            answer.replace(QLatin1String("\\#"), QLatin1String("#"));
            if (!choice)
                answer.replace(QLatin1String("\\*"), QLatin1String("*"));
            offered.append(answer);
            if (!right.at(r)) {
                read.wrong.append(answer);
            } else if (first) {
                read.answers.append(answer);
                read.text += answer;
                first = false;
            } else {
                read.alsoAccepted.append(answer);
            }
        }
        if (choice)
            read.offered.append(offered);
        at = from;
    }
    return read;
}

QString textOf(const QDomElement &element)
{
    return element.firstChildElement(QStringLiteral("text")).text();
}

// Moodle XML: <quiz>, questions, the category question first.
QList<ReadQuestion> readMoodleXml(const QByteArray &bytes)
{
    QDomDocument document;
    if (!document.setContent(bytes))
        return {{QStringLiteral("not XML"), {}, {}, {}, {}, {}, {}}};
    QList<ReadQuestion> questions;
    for (QDomElement q = document.documentElement().firstChildElement(QStringLiteral("question"));
         !q.isNull(); q = q.nextSiblingElement(QStringLiteral("question"))) {
        const QString type = q.attribute(QStringLiteral("type"));
        const QDomElement questionText = q.firstChildElement(QStringLiteral("questiontext"));
        const QString html = textOf(questionText);
        ReadQuestion read;
        if (type == QLatin1String("category")) {
            read.text = textOf(q.firstChildElement(QStringLiteral("category")));
        } else if (type == QLatin1String("cloze")) {
            read = readCloze(html);
        } else if (type == QLatin1String("gapselect")) {
            QStringList choices;
            for (QDomElement o = q.firstChildElement(QStringLiteral("selectoption")); !o.isNull();
                 o = o.nextSiblingElement(QStringLiteral("selectoption")))
                choices.append(decodeHtml(textOf(o)));
            static const QRegularExpression place(QStringLiteral("\\[\\[([0-9]+)\\]\\]"));
            const QString body = withoutParagraph(html);
            qsizetype at = 0;
            for (auto it = place.globalMatch(body); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                const QString answer
                    = choices.value(m.captured(1).toInt() - 1, QStringLiteral("<no choice>"));
                read.text += decodeHtml(body.mid(at, m.capturedStart() - at)) + answer;
                read.answers.append(answer);
                at = m.capturedEnd();
            }
            read.text += decodeHtml(body.mid(at));
        } else if (type == QLatin1String("matching")) {
            for (QDomElement s = q.firstChildElement(QStringLiteral("subquestion")); !s.isNull();
                 s = s.nextSiblingElement(QStringLiteral("subquestion"))) {
                read.text += decodeHtml(withoutParagraph(textOf(s))) + QLatin1Char('\n');
                read.answers.append(decodeHtml(textOf(s.firstChildElement(QStringLiteral("answer")))));
            }
        } else {
            read.text = decodeHtml(withoutParagraph(html));
        }
        read.type = type;
        read.name = textOf(q.firstChildElement(QStringLiteral("name")));
        if (type != QLatin1String("category") && questionText.attribute(QStringLiteral("format")) != "html")
            read.type += QStringLiteral(" not html");
        questions.append(read);
    }
    return questions;
}

// GIFT: questions apart by blank lines; "\" escapes ~ = # { } : and itself, "\n" is a line break;
// "::name::", a "[format]", the text, one answer block in braces; "=" (or a "%100%" weight) before
// a right answer. A block ending the text gives a short answer, one inside a missing word ("_____").
QList<ReadQuestion> readGift(const QByteArray &bytes)
{
    const QString file = QString::fromUtf8(bytes);
    QList<ReadQuestion> questions;
    const QStringList blocks
        = file.split(QRegularExpression(QStringLiteral("\\n\\s*\\n")), Qt::SkipEmptyParts);
    for (const QString &block : blocks) {
        ReadQuestion read;
        if (block.startsWith(QLatin1String("$CATEGORY:"))) {
            questions.append({QStringLiteral("category"), {}, block.mid(10).trimmed(), {}, {}, {}, {}});
            continue;
        }
        // Escaped characters become private-use stand-ins until the markup is found.
        QString text;
        for (qsizetype i = 0; i < block.size(); ++i) {
            const QChar c = block.at(i);
            if (c == '\\' && i + 1 < block.size() && QStringLiteral("~=#{}:\\n").contains(block.at(i + 1))) {
                const QChar next = block.at(++i);
                text += next == 'n' ? QChar(0xE000 + '\n') : QChar(0xE000 + next.unicode());
            } else {
                text += c;
            }
        }
        const auto plain = [](QString s) {
            for (QChar &c : s) {
                if (c.unicode() >= 0xE000 && c.unicode() < 0xE080)
                    c = QChar(c.unicode() - 0xE000);
            }
            return s;
        };
        if (!text.startsWith(QLatin1String("::")) || text.indexOf(QLatin1String("::"), 2) < 0) {
            questions.append({QStringLiteral("no name"), {}, block, {}, {}, {}, {}});
            continue;
        }
        const qsizetype nameEnd = text.indexOf(QLatin1String("::"), 2);
        read.name = plain(text.mid(2, nameEnd - 2));
        text = text.mid(nameEnd + 2).trimmed();
        if (!text.startsWith(QLatin1String("[html]"))) {
            questions.append({QStringLiteral("not html"), read.name, text, {}, {}, {}, {}});
            continue;
        }
        text = text.mid(6);
        const qsizetype open = text.indexOf(QLatin1Char('{'));
        const qsizetype close = text.indexOf(QLatin1Char('}'));
        if (open < 0 && close < 0) {
            read.type = QStringLiteral("description");
            read.text = decodeHtml(plain(text));
            questions.append(read);
            continue;
        }
        QString answer = text.mid(open + 1, close - open - 1).trimmed();
        const QString before = decodeHtml(plain(text.left(open)));
        const QString after = decodeHtml(plain(text.mid(close + 1)));
        if (answer.contains(QLatin1Char('~'))) {
            // Multiple choice: entries each starting "=" (right) or "~" (wrong, maybe with a weight).
            static const QRegularExpression entry(QStringLiteral("([=~])(%-?[0-9.]+%)?([^=~]*)"));
            QStringList offered;
            for (auto it = entry.globalMatch(answer); it.hasNext();) {
                const QRegularExpressionMatch e = it.next();
                const QString value = plain(e.captured(3)).trimmed();
                offered.append(value);
                const bool right
                    = e.captured(1) == QLatin1String("=") || e.captured(2) == QLatin1String("%100%");
                (right ? read.answers : read.wrong).append(value);
            }
            read.type = QStringLiteral("multichoice");
            read.offered.append(offered);
            read.text = after.trimmed().isEmpty() ? before.trimmed() : before + read.answers.value(0) + after;
            questions.append(read);
            continue;
        }
        // More right answers, each after a blank and "=".
        QStringList more = answer.split(QLatin1String(" ="));
        answer = more.takeFirst();
        for (const QString &other : std::as_const(more))
            read.alsoAccepted.append(plain(other).trimmed());
        if (answer.contains(QLatin1Char('~')) || answer.contains(QLatin1Char('#'))
            || (answer.contains(QLatin1Char('=')) && answer.contains(QLatin1String("->")))
            || answer.count(QLatin1Char('=')) > 1) {
            read.type = QStringLiteral("not a single short answer");
        } else {
            if (answer.startsWith(QLatin1Char('=')))
                answer = answer.mid(1);
            if (QRegularExpression(QStringLiteral("^%-*[0-9]{1,2}\\.?[0-9]*%")).match(answer).hasMatch()) {
                if (!answer.startsWith(QLatin1String("%100%")))
                    read.type = QStringLiteral("partial weight");
                answer = answer.mid(answer.indexOf(QLatin1Char('%'), 1) + 1);
            }
            read.answers.append(plain(answer).trimmed());
        }
        if (read.type.isEmpty())
            read.type
                = after.trimmed().isEmpty() ? QStringLiteral("shortanswer") : QStringLiteral("missingword");
        read.text = read.type == QLatin1String("missingword") ? before + read.answers.value(0) + after
                                                              : before.trimmed();
        questions.append(read);
    }
    return questions;
}

const QStringList kTrickyEntries {
    QStringLiteral("\u00c9l [comi\u00f3] una manzana y [bebi\u00f3] caf\u00e9."),
    QStringLiteral("\u0397 [\u03b3\u03ac\u03c4\u03b1] \u03ba\u03ac\u03b8\u03b5\u03c4\u03b1\u03b9."),
    QStringLiteral("\u6211[\u559c\u6b22]\u5b66\u4e60[\u4e2d\u6587]\u3002"),
    QStringLiteral("<b>&amp;</b> 1 < 2 & [x<y&z] \"q\" 'a'"),
    QStringLiteral("{1:SHORTANSWER:=no} [[1]] {c} [a}b] and [{d}]"),
    QStringLiteral("a = b ~ c # d : e [=\\~#:] f"),
    QStringLiteral("C:\\dir\\ [back\\\\] slash [\\}] and [\\#] \\n"),
    QStringLiteral("[5*3] star, [100%] sure, [%50%x] weight"),
    QStringLiteral("[a->b] arrow and [R&] amp, [&amp;] [/x/] [&#126;]"),
    QStringLiteral("Ends with its word [alone]"),
    QStringLiteral("[Only]"),
    QStringLiteral("No key word here: { } ~ ="),
    QStringLiteral("CDATA ]]> end [x]]> y"),
};

} // namespace

class TestMoodleExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fx.initTestCase(); }
    void init() { fx.init(); }
    void cleanup() { fx.cleanup(); }

    void clozeAnswerEscapes_data();
    void clozeAnswerEscapes();
    void giftEscapes();
    void documentedMoodleXml();
    void documentedGift();
    void readBack_data();
    void readBack();
    void alternativesAndClues();
    void choices();
    void matchingNeedsTwoPairs();
    void wellFormedForXmllint();

    void windowExports_data();
    void windowExports();
    void windowMatchingNeedsTwoPairs();

private:
    // A window with the database "Tiere.lxv" open and every sentence of its one headword used.
    std::unique_ptr<MainWindow> windowWithOutput(const QTemporaryDir &dir, const QStringList &sentences);

    TestUtil::WindowFixture fx;
};

void TestMoodleExport::clozeAnswerEscapes_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("written");
    QTest::addRow("plain and accents") << "caf\u00e9 \u03b3\u03ac\u03c4\u03b1"
                                       << "caf\u00e9 \u03b3\u03ac\u03c4\u03b1";
    QTest::addRow("closing brace") << "a}b"
                                   << "a\\}b";
    QTest::addRow("hash") << "#1"
                          << "\\#1";
    QTest::addRow("tilde has no escape") << "~x"
                                         << "&#126;x";
    QTest::addRow("wildcard star") << "5*3"
                                   << "5\\*3";
    QTest::addRow("ampersand before the end") << "R&"
                                              << "R&#38;";
    QTest::addRow("backslash") << "a\\"
                               << "a&#92;";
    QTest::addRow("html, slash and brace") << "<b>\"/{"
                                           << "&#60;b&#62;&#34;&#47;&#123;";
}

void TestMoodleExport::clozeAnswerEscapes()
{
    QFETCH(QString, answer);
    QFETCH(QString, written);
    QCOMPARE(MoodleExport::clozeAnswer(answer), written);
}

void TestMoodleExport::giftEscapes()
{
    QCOMPARE(MoodleExport::giftEscaped(QStringLiteral("a~b=c#d{e}f:g\\h\ni")),
        QStringLiteral("a\\~b\\=c\\#d\\{e\\}f\\:g\\\\h\\ni"));
}

void TestMoodleExport::documentedMoodleXml()
{
    const QStringList entries {"He [went] home.", "She [ate] an [apple] & <more>.", "No gap."};
    const QString cloze = QString::fromUtf8(MoodleExport::moodleXml(modelOf(entries, false)));
    QVERIFY(cloze.startsWith(QLatin1String("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>")));
    const qsizetype category = cloze.indexOf(QLatin1String("<question type=\"category\">"));
    QVERIFY(category > 0);
    QVERIFY(category < cloze.indexOf(QLatin1String("<question type=\"cloze\">")));
    QVERIFY(cloze.contains(QLatin1String("<text>$course$/Animals</text>")));
    QVERIFY(cloze.contains(QLatin1String("<questiontext format=\"html\">")));
    QVERIFY(cloze.contains(QLatin1String("<![CDATA[<p>He {1:SHORTANSWER:=went} home.</p>]]>")));
    QVERIFY(cloze.contains(QLatin1String(
        "<![CDATA[<p>She {1:SHORTANSWER:=ate} an {1:SHORTANSWER:=apple} &amp; &lt;more&gt;.</p>]]>")));
    QVERIFY(cloze.contains(QLatin1String("<question type=\"description\">")));
    QVERIFY(cloze.contains(QLatin1String("<generalfeedback format=\"html\">\n      <text></text>")));
    QVERIFY(cloze.contains(QLatin1String("<name>\n      <text>1 He ___ home.</text>")));

    // With the word list the drop-downs offer its words in its order: apple, ate, went.
    const QString select = QString::fromUtf8(MoodleExport::moodleXml(modelOf(entries, true)));
    QVERIFY(select.contains(QLatin1String("<question type=\"gapselect\">")));
    QVERIFY(select.contains(QLatin1String("<![CDATA[<p>He [[3]] home.</p>]]>")));
    QVERIFY(select.contains(QLatin1String("<![CDATA[<p>She [[2]] an [[1]] &amp; &lt;more&gt;.</p>]]>")));
    QVERIFY(select.contains(
        QLatin1String("<selectoption>\n      <text><![CDATA[apple]]></text>\n      <group>1</group>")));

    const QString matching = QString::fromUtf8(MoodleExport::matchingXml(modelOf(entries, false)));
    QCOMPARE(matching.count(QLatin1String("<question type=\"matching\">")), 1);
    QCOMPARE(matching.count(QLatin1String("<subquestion format=\"html\">")), 2);
    QVERIFY(matching.contains(QLatin1String("<![CDATA[<p>She _____ an _____ &amp; &lt;more&gt;.</p>]]>")));
    QVERIFY(matching.contains(QLatin1String("<answer>\n        <text><![CDATA[ate, apple]]></text>")));
}

void TestMoodleExport::documentedGift()
{
    const QStringList entries {
        "He [went] home.", "She [ate] an [apple].", "I like [cats]", "Just {text}: a=b."};
    QCOMPARE(QString::fromUtf8(MoodleExport::gift(modelOf(entries, false, QStringLiteral("My words")))),
        QStringLiteral("$CATEGORY: $course$/My words\n"
                       "\n::1 He ___ home.::[html]He {=went} home.\n"
                       "\n::2 She ___ an ___.::[html]She {=ate} an _____.\n"
                       "\n::2.2 She ___ an ___.::[html]She _____ an {=apple}.\n"
                       "\n::3 I like ___::[html]I like _____ {=cats}\n"
                       "\n::4 Just \\{text\\}\\: a\\=b.::[html]Just \\{text\\}\\: a\\=b.\n"));
}

void TestMoodleExport::readBack_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addRow("cloze") << "cloze";
    QTest::addRow("gapselect") << "gapselect";
    QTest::addRow("matching") << "matching";
    QTest::addRow("gift") << "gift";
}

// Every file kind, read back by the readers above: every answer comes back exactly as typed, and so
// does the sentence around it.
void TestMoodleExport::readBack()
{
    QFETCH(QString, kind);
    const ExerciseModel model
        = modelOf(kTrickyEntries, kind == QLatin1String("gapselect"), QStringLiteral("Wörter"));
    QList<ReadQuestion> read;
    if (kind == QLatin1String("gift"))
        read = readGift(MoodleExport::gift(model));
    else if (kind == QLatin1String("matching"))
        read = readMoodleXml(MoodleExport::matchingXml(model));
    else
        read = readMoodleXml(MoodleExport::moodleXml(model));

    QVERIFY(!read.isEmpty());
    QCOMPARE(read.first().type, QStringLiteral("category"));
    QCOMPARE(read.first().text, QStringLiteral("$course$/Wörter"));
    read.removeFirst();

    if (kind == QLatin1String("matching")) {
        QCOMPARE(read.size(), 1);
        QStringList texts;
        QStringList answers;
        for (const ExerciseQuestion &question : model.questions) {
            if (question.answers().isEmpty())
                continue;
            texts.append(question.gappedText(QStringLiteral("_____")));
            answers.append(question.answers().join(QLatin1String(", ")));
        }
        QCOMPARE(read.first().type, QStringLiteral("matching"));
        QCOMPARE(read.first().text, texts.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        QCOMPARE(read.first().answers, answers);
        return;
    }

    QSet<QString> names;
    int r = 0;
    for (const ExerciseQuestion &question : model.questions) {
        const QStringList texts = question.texts();
        const QStringList answers = question.answers();
        // GIFT asks one question per key word, the others written in place.
        const int asked = kind == QLatin1String("gift") ? qMax(1, int(answers.size())) : 1;
        for (int k = 0; k < asked; ++k) {
            QVERIFY(r < read.size());
            const ReadQuestion &back = read.at(r++);
            QVERIFY2(!names.contains(back.name) && back.name.size() <= 45, qPrintable(back.name));
            names.insert(back.name);
            if (answers.isEmpty()) {
                QCOMPARE(back.type, QStringLiteral("description"));
                QCOMPARE(back.text, question.entry());
            } else if (kind != QLatin1String("gift")) {
                QCOMPARE(back.type, kind);
                QCOMPARE(back.answers, answers);
                QCOMPARE(back.text, question.solvedText());
            } else {
                // The key word asked, the others blanks: no question gives another's answer.
                QString asked = texts.at(0);
                for (int g = 0; g < answers.size(); ++g)
                    asked += (g == k ? answers.at(g) : QStringLiteral("_____")) + texts.at(g + 1);
                const bool last = k + 1 == answers.size() && texts.at(k + 1).isEmpty();
                QCOMPARE(back.answers, QStringList {answers.at(k)});
                QCOMPARE(back.type, last ? QStringLiteral("shortanswer") : QStringLiteral("missingword"));
                QCOMPARE(back.text,
                    last ? (asked.chopped(answers.at(k).size()) + QLatin1String("_____")).trimmed() : asked);
            }
        }
    }
    QCOMPARE(r, read.size());
}

// Alternatives and clues as Moodle reads them: every right answer of a cloze box or a GIFT block,
// the clue after the gap.
void TestMoodleExport::alternativesAndClues()
{
    const ExerciseModel model = modelOf(
        {QStringLiteral("She [went::go] home."), QStringLiteral("A [colour | color|colour\\~ed] and [b].")},
        false);
    QList<ReadQuestion> cloze = readMoodleXml(MoodleExport::moodleXml(model));
    QCOMPARE(cloze.size(), 3);
    QCOMPARE(cloze.at(1).type, QStringLiteral("cloze"));
    QCOMPARE(cloze.at(1).text, QStringLiteral("She went (go) home."));
    QCOMPARE(cloze.at(2).answers, (QStringList {"colour", "b"}));
    QCOMPARE(cloze.at(2).alsoAccepted, (QStringList {"color", "colour~ed"}));
    QCOMPARE(cloze.at(2).text, QStringLiteral("A colour and b."));

    const QList<ReadQuestion> gift = readGift(MoodleExport::gift(model));
    QCOMPARE(gift.size(), 4);
    QCOMPARE(gift.at(1).text, QStringLiteral("She went (go) home."));
    QCOMPARE(gift.at(2).answers, QStringList {"colour"});
    QCOMPARE(gift.at(2).alsoAccepted, (QStringList {"color", "colour~ed"}));
    QCOMPARE(gift.at(2).text, QStringLiteral("A colour and _____."));
    QCOMPARE(gift.at(3).answers, QStringList {"b"});
    QCOMPARE(gift.at(3).text, QStringLiteral("A _____ and b."));
    QCOMPARE(gift.at(3).alsoAccepted, QStringList());
    QCOMPARE(gift.at(3).type, QStringLiteral("missingword"));

    // Extra words are choices of the drop-down lists, never an answer.
    ExerciseModel select = modelOf({QStringLiteral("She [went::go] home.")}, true);
    ExerciseModelBuilder::addDistractors(select, {QStringLiteral("flew")}, 0, {});
    const QByteArray xml = MoodleExport::moodleXml(select);
    QVERIFY(xml.contains("<text><![CDATA[flew]]></text>"));
    QCOMPARE(readMoodleXml(xml).at(1).answers, QStringList {"went"});
}

// A gap's own choices: a drop-down in Moodle XML, a multiple-choice question in GIFT, both offering
// exactly the answer and the choices in the exercise's order; formats without them say so.
void TestMoodleExport::choices()
{
    const QStringList entries {QStringLiteral("She [went~goes~gone::go] home and [ate] an [apple ~ pear]."),
        QStringLiteral("[5*3~15] stars, [a\\~b~a}b~#c] tilde.")};
    ExerciseOptions options;
    options.jumbleOrder = false;
    for (const bool wordList : {false, true}) {
        options.includeWordList = wordList;
        const ExerciseModel model = ExerciseModelBuilder::build(entries, options, 7);
        const ExerciseQuestion &first = model.questions.at(0);
        const QStringList offered = first.offered(0);
        QCOMPARE(QSet<QString>(offered.begin(), offered.end()), (QSet<QString> {"went", "goes", "gone"}));

        const QList<ReadQuestion> xml = readMoodleXml(MoodleExport::moodleXml(model));
        QCOMPARE(xml.size(), 3);
        QCOMPARE(xml.at(1).type, QStringLiteral("cloze"));
        QCOMPARE(xml.at(1).answers, (QStringList {"went", "ate", "apple"}));
        QCOMPARE(xml.at(1).text, QStringLiteral("She went (go) home and ate an apple."));
        QCOMPARE(xml.at(1).offered.first(), first.offered(0));
        QCOMPARE(xml.at(1).offered.last(), first.offered(2));
        // With the word list the other gap is a drop-down of it; without, a box to type in.
        QCOMPARE(xml.at(1).offered.size(), wordList ? 3 : 2);
        QCOMPARE(xml.at(2).answers, (QStringList {"5*3", "a~b"}));
        QCOMPARE(xml.at(2).offered.first(), model.questions.at(1).offered(0));
        QCOMPARE(xml.at(2).offered.last(), model.questions.at(1).offered(1));
    }

    const ExerciseModel model = ExerciseModelBuilder::build(entries, options, 7);
    const QList<ReadQuestion> gift = readGift(MoodleExport::gift(model));
    QCOMPARE(gift.size(), 6);
    QCOMPARE(gift.at(1).type, QStringLiteral("multichoice"));
    QCOMPARE(gift.at(1).answers, QStringList {"went"});
    QCOMPARE(gift.at(1).offered.first(), model.questions.at(0).offered(0));
    QCOMPARE(gift.at(1).text, QStringLiteral("She went (go) home and _____ an _____."));
    QCOMPARE(gift.at(2).text, QStringLiteral("She _____ home and ate an _____."));
    QCOMPARE(gift.at(3).offered.first(), model.questions.at(0).offered(2));
    QCOMPARE(gift.at(5).wrong.size(), 2);
    QCOMPARE(gift.at(5).answers, QStringList {"a~b"});
    // A format that cannot offer them says so before the file is written; these two can.
    const auto noted = [&model](const char *name) {
        for (const ExportNote &note :
            ExportFormats::notes(*ExportFormats::find(QLatin1String(name)), model)) {
            if (note.title == QLatin1String("Choices left out"))
                return note.text.contains(QLatin1String("1. She [went~goes~gone::go]"));
        }
        return false;
    };
    QVERIFY(noted("moodle-matching"));
    QVERIFY(noted("jcloze"));
    QVERIFY(noted("h5p-blanks"));
    QVERIFY(!noted("moodle-xml"));
    QVERIFY(!noted("gift"));
}

void TestMoodleExport::matchingNeedsTwoPairs()
{
    QCOMPARE(MoodleExport::matchingPairCount(modelOf({"[one] pair", "no pair", "[ ] blank"}, false)), 1);
    QVERIFY(MoodleExport::matchingXml(modelOf({"[one] pair", "no pair"}, false)).isEmpty());
    QCOMPARE(MoodleExport::matchingPairCount(modelOf({"[one] pair", "[two]"}, false)), 2);
    // A key word with nothing to type is no gap: the entry is text only, the blank kept in it.
    const QList<ReadQuestion> read
        = readMoodleXml(MoodleExport::moodleXml(modelOf({"a [ ] b [c]", "[]"}, false)));
    QCOMPARE(read.size(), 3);
    QCOMPARE(read.at(1).answers, QStringList {"c"});
    QCOMPARE(read.at(1).text, QStringLiteral("a   b c"));
    QCOMPARE(read.at(2).type, QStringLiteral("description"));
}

void TestMoodleExport::wellFormedForXmllint()
{
    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    QVERIFY2(!xmllint.isEmpty(), "xmllint (libxml2-utils) is needed");
    QTemporaryDir dir;
    for (const bool wordList : {false, true}) {
        // With a gap's own choices too, which are written as drop-downs.
        const ExerciseModel model
            = modelOf(kTrickyEntries + QStringList {"[a<b~c&d~e\"f]]> {x}", "[y~z]"}, wordList);
        for (const QByteArray &bytes : {MoodleExport::moodleXml(model), MoodleExport::matchingXml(model)}) {
            const QString path = TestUtil::writeFile(dir, QStringLiteral("quiz.xml"), bytes);
            QProcess lint;
            lint.start(xmllint, {QStringLiteral("--noout"), path});
            QVERIFY(lint.waitForFinished());
            QVERIFY2(lint.exitCode() == 0, lint.readAllStandardError().constData());
        }
    }
}

std::unique_ptr<MainWindow> TestMoodleExport::windowWithOutput(
    const QTemporaryDir &dir, const QStringList &sentences)
{
    auto w = fx.window();
    QByteArray line = "\xEF\xBB\xBFTiere";
    for (const QString &sentence : sentences)
        line += "&&&{0}" + sentence.toUtf8();
    ZelFileDialog::setNextFileName(TestUtil::writeFile(dir, QStringLiteral("Tiere.lxv"), line + "\r\n"));
    w->findChild<QAction *>(QStringLiteral("actFileOpen"))->trigger();

    auto *words = w->findChild<QListView *>(QStringLiteral("lvWords"));
    words->setCurrentIndex(words->model()->index(0, 0));
    auto *table = w->findChild<QTableView *>(QStringLiteral("tvSentences"));
    table->selectAll();
    w->findChild<QCheckBox *>(QStringLiteral("chkJumbleOrder"))->setChecked(false);
    w->findChild<QPushButton *>(QStringLiteral("btnUseSentence"))->click();
    return w;
}

void TestMoodleExport::windowExports_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("wordList");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("filter");

    const QString xml = QStringLiteral("Save Moodle XML file");
    const QString xmlFilter = QStringLiteral("Moodle XML files (*.xml)");
    const QString gift = QStringLiteral("Save GIFT file");
    const QString giftFilter = QStringLiteral("GIFT files (*.txt *.gift)");
    QTest::addRow("cloze") << "actSaveAsMoodleXml" << false << "quiz"
                           << "quiz.xml"
                           << "cloze" << xml << xmlFilter;
    QTest::addRow("select") << "actSaveAsMoodleXml" << true << "quiz.xml"
                            << "quiz.xml"
                            << "gapselect" << xml << xmlFilter;
    QTest::addRow("matching") << "actSaveAsMoodleMatching" << true << "pairs.XML"
                              << "pairs.XML.xml"
                              << "matching" << QStringLiteral("Save Moodle matching question") << xmlFilter;
    QTest::addRow("gift") << "actSaveAsMoodleGift" << false << "quiz"
                          << "quiz.txt"
                          << "gift" << gift << giftFilter;
    QTest::addRow("gift ending") << "actSaveAsMoodleGift" << false << "quiz.gift"
                                 << "quiz.gift"
                                 << "gift" << gift << giftFilter;
}

// From the window, as a teacher does it: open a database, use its sentences, export, and the file
// holds the sentences, every answer as typed, in the category named after the database.
void TestMoodleExport::windowExports()
{
    QFETCH(QString, action);
    QFETCH(bool, wordList);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(QString, filter);

    QTemporaryDir dir;
    const QStringList sentences {QStringLiteral("Die [Katze] schl\u00e4ft & tr\u00e4umt {~=#}."),
        QStringLiteral("\u0397 [\u03b3\u03ac\u03c4\u03b1] und der [Hund}#\\~]."),
        QStringLiteral("\u732b[\u304c]\u597d\u304d")};
    auto w = windowWithOutput(dir, sentences);
    w->findChild<QCheckBox *>(QStringLiteral("chkIncludeWordList"))->setChecked(wordList);
    auto *command = w->findChild<QAction *>(action);
    QVERIFY(command);
    QVERIFY(command->isEnabled());
    QVERIFY(!command->statusTip().isEmpty());
    auto *button = w->findChild<QPushButton *>(QStringLiteral("btnExportMoodle"));
    QVERIFY(button->isEnabled());
    QVERIFY(button->menu()->actions().contains(command));

    const QList<QUrl> &opened = fx.opened;
    for (int run = 0; run < 2; ++run) {
        // The second time with the name as written, which the dialog itself confirmed.
        ZelFileDialog::setNextFileName(dir.filePath(run == 0 ? typed : written));
        TestUtil::ModalAnswerer answerer;
        answerer.press(run == 0 ? QMessageBox::Yes : QMessageBox::No);
        command->trigger();
        QCOMPARE(answerer.unexpected(), QStringList());
        QCOMPARE(answerer.pending(), 0);
        // A question file is for Moodle to read: the offer is its folder, not the file.
        QVERIFY(answerer.seen().first().contains(
            QLatin1String("Do you want to show the saved file in its folder?")));
        QCOMPARE(ZelFileDialog::lastRequest().kind, ZelFileDialog::Save);
        QCOMPARE(ZelFileDialog::lastRequest().caption, caption);
        QCOMPARE(ZelFileDialog::lastRequest().filter, filter);
        if (run == 1) // the second dialog starts where the first file went
            QCOMPARE(QDir(ZelFileDialog::lastRequest().dir), QDir(dir.path()));
    }

    QCOMPARE(opened.size(), 1);
    QCOMPARE(QDir(opened.first().toLocalFile()), QDir(dir.path()));

    const QByteArray bytes = TestUtil::readFile(dir.filePath(written));
    QList<ReadQuestion> read = kind == QLatin1String("gift") ? readGift(bytes) : readMoodleXml(bytes);
    QCOMPARE(read.value(0).text, QStringLiteral("$course$/Tiere"));
    QStringList answers;
    for (const ReadQuestion &question : read.mid(1))
        answers += question.answers;
    if (kind == QLatin1String("matching"))
        QCOMPARE(answers, QStringList({"Katze", "\u03b3\u03ac\u03c4\u03b1, Hund}#~", "\u304c"}));
    else // GIFT asks one question per key word
        QCOMPARE(answers, QStringList({"Katze", "\u03b3\u03ac\u03c4\u03b1", "Hund}#~", "\u304c"}));
    QCOMPARE(read.value(1).type, kind == QLatin1String("gift") ? QStringLiteral("missingword") : kind);
}

void TestMoodleExport::windowMatchingNeedsTwoPairs()
{
    QTemporaryDir dir;
    auto w = windowWithOutput(dir, {QStringLiteral("Only [one] pair."), QStringLiteral("No key word.")});
    TestUtil::ModalAnswerer answerer;
    answerer.press(QMessageBox::Ok);
    w->findChild<QAction *>(QStringLiteral("actSaveAsMoodleMatching"))->trigger();
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(answerer.seen(),
        QStringList {
            "Moodle matching question|A matching question needs at least two sentences with key words "
            "in the output list.|"});
    QCOMPARE(ZelFileDialog::requestCount(), 1); // only the one that opened the database
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {"Tiere.lxv"});
}

QTEST_MAIN(TestMoodleExport)
#include "tst_moodleexport.moc"
