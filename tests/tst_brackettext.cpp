// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/brackettext.h"
#include "exercise/exercisemodel.h"

#include <QtTest>

// The bracket grammar, written down as cases: each text with the segments it reads as, in a short
// form. "t:..." is a text, "g:raw=answer|answer~choice::clue" a key word, "o:..." a bracket left open.
class TestBracketText : public QObject
{
    Q_OBJECT

private slots:
    void tokenize_data();
    void tokenize();
    void withoutBrackets();
    void typos_data();
    void typos();
    void unclosedBracketIsText_data();
    void unclosedBracketIsText();
};

static QString shortForm(const QList<BracketSegment> &segments)
{
    QStringList parts;
    for (const BracketSegment &segment : segments) {
        switch (segment.kind) {
        case BracketSegment::Text:
            parts.append(QLatin1String("t:") + segment.text());
            break;
        case BracketSegment::Open:
            parts.append(QLatin1String("o:") + segment.raw);
            break;
        case BracketSegment::Gap:
            parts.append(QLatin1String("g:") + segment.raw + QLatin1Char('=')
                + segment.answers.join(QLatin1Char('|'))
                + (segment.choices.isEmpty() ? QString()
                                             : QLatin1Char('~') + segment.choices.join(QLatin1Char('~')))
                + (segment.clue.isEmpty() ? QString() : QLatin1String("::") + segment.clue));
            break;
        }
    }
    return parts.join(QLatin1String(" / "));
}

void TestBracketText::tokenize_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("segments");
    QTest::addColumn<int>("status");

    // The rules every sentence has always been read by.
    QTest::addRow("two key words") << "The [cat] sat on the [mat]."
                                   << "t:The  / g:cat=cat / t: sat on the  / g:mat=mat / t:." << 1;
    QTest::addRow("empty text") << ""
                                << "t:" << 2;
    QTest::addRow("no key word") << "a ] b"
                                 << "t:a ] b" << 2;
    QTest::addRow("empty key word") << "x [] y"
                                    << "t:x  / g:= / t: y" << 1;
    QTest::addRow("nested opening") << "a [b [c] d"
                                    << "t:a  / g:b [c=b [c / t: d" << 1;
    QTest::addRow("double brackets") << "[[a]]"
                                     << "t: / g:[a=[a / t:]" << 1;
    QTest::addRow("left open") << "]a["
                               << "t:]a / o:" << 3;
    QTest::addRow("open after a key word") << "[a] and [b c"
                                           << "t: / g:a=a / t: and  / o:b c" << 3;
    QTest::addRow("blanks kept without notation") << "[ cat ]"
                                                  << "t: / g: cat = cat  / t:" << 1;
    // Alternatives and clues.
    QTest::addRow("alternatives") << "[colour|color]"
                                  << "t: / g:colour|color=colour|color / t:" << 1;
    QTest::addRow("clue") << "She [went::go] home."
                          << "t:She  / g:went::go=went::go / t: home." << 1;
    QTest::addRow("both, blanks trimmed")
        << "[ colour | color :: a shade ]"
        << "t: / g: colour | color :: a shade =colour|color::a shade / t:" << 1;
    QTest::addRow("empty alternatives ignored, but warned of") << "[|a||b|]"
                                                               << "t: / g:|a||b|=a|b / t:" << 4;
    QTest::addRow("only a clue") << "[::go]"
                                 << "t: / g:::go=::go / t:" << 1;
    QTest::addRow("clue keeps later colons") << "[a::b::c]"
                                             << "t: / g:a::b::c=a::b::c / t:" << 1;
    // Escapes.
    QTest::addRow("literal brackets") << "He said \\[sic\\] [it]."
                                      << "t:He said [sic]  / g:it=it / t:." << 1;
    QTest::addRow("only literal brackets") << "\\[x\\]"
                                           << "t:[x]" << 2;
    QTest::addRow("escaped closing in a key word") << "[a\\]b]"
                                                   << "t: / g:a\\]b=a]b / t:" << 1;
    QTest::addRow("escaped backslash ends nothing") << "[a\\\\]b"
                                                    << "t: / g:a\\\\=a\\ / t:b" << 1;
    QTest::addRow("other backslash is itself") << "C:\\dir [x]"
                                               << "t:C:\\dir  / g:x=x / t:" << 1;
    QTest::addRow("escaped opening never opens") << "\\[a"
                                                 << "t:[a" << 2;
    QTest::addRow("trailing backslash") << "[a] \\"
                                        << "t: / g:a=a / t: \\" << 1;
    // Choices: wrong answers for this gap only, after the answers and before the clue.
    QTest::addRow("choices") << "She [went~goes~gone] home."
                             << "t:She  / g:went~goes~gone=went~goes~gone / t: home." << 1;
    QTest::addRow("choices, blanks trimmed, clue")
        << "[ went | gone ~ goes ~ go :: to go ]"
        << "t: / g: went | gone ~ goes ~ go :: to go =went|gone~goes~go::to go / t:" << 1;
    QTest::addRow("a tilde in the clue is the clue's") << "[a~b::c~d]"
                                                       << "t: / g:a~b::c~d=a~b::c~d / t:" << 1;
    QTest::addRow("escaped tilde") << "[a\\~b]"
                                   << "t: / g:a\\~b=a~b / t:" << 1;
    QTest::addRow("escaped tilde beside a choice") << "[x\\~y~z]"
                                                   << "t: / g:x\\~y~z=x~y~z / t:" << 1;
    QTest::addRow("escaped backslash, then a choice") << "[a\\\\~b]"
                                                      << "t: / g:a\\\\~b=a\\~b / t:" << 1;
    QTest::addRow("tilde outside a key word stays") << "a~b \\~ [c]"
                                                    << "t:a~b \\~  / g:c=c / t:" << 1;
    QTest::addRow("a time is no typo") << "at [10:30]"
                                       << "t:at  / g:10:30=10:30 / t:" << 1;
}

void TestBracketText::tokenize()
{
    QFETCH(QString, text);
    QFETCH(QString, segments);
    QFETCH(int, status);

    QCOMPARE(shortForm(BracketText::tokenize(text)), segments);
    QCOMPARE(BracketText::status(text), status);
}

void TestBracketText::withoutBrackets()
{
    QCOMPARE(BracketText::withoutBrackets(u"a] \\[b\\] [c"), QStringLiteral("a [b] c"));
    QCOMPARE(BracketText::unescaped(u"\\\\ \\x \\]"), QStringLiteral("\\ \\x ]"));
}

// Slips in the notation: the text still reads, but the status warns (4) and the problem names its gap.
void TestBracketText::typos_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("problems");

    QTest::addRow("single colon") << "She [went:go] home."
                                  << QStringList {
                                         "Gap 1: a single \":\"; a clue needs two, as in [went::go]"};
    QTest::addRow("single colon after a letter, in the second gap")
        << "[a] and [b: c]" << QStringList {"Gap 2: a single \":\"; a clue needs two, as in [went::go]"};
    QTest::addRow("empty alternative after")
        << "[went|]" << QStringList {"Gap 1: an empty answer beside \"|\""};
    QTest::addRow("empty alternative before")
        << "[ | went]" << QStringList {"Gap 1: an empty answer beside \"|\""};
    QTest::addRow("empty choice") << "[went~~gone]" << QStringList {"Gap 1: an empty choice beside \"~\""};
    QTest::addRow("empty last choice") << "[went~ ]" << QStringList {"Gap 1: an empty choice beside \"~\""};
    QTest::addRow("clue is the answer")
        << "[Went Away::went  away]" << QStringList {"Gap 1: the clue \"went  away\" gives the answer away"};
    QTest::addRow("choice is an alternative")
        << "[went|gone~GONE]" << QStringList {"Gap 1: the choice \"GONE\" is an accepted answer"};
    QTest::addRow("two at once") << "[a:b~] [c]"
                                 << QStringList {"Gap 1: a single \":\"; a clue needs two, as in [went::go]",
                                        "Gap 1: an empty choice beside \"~\""};
    // None of these is a slip.
    QTest::addRow("clean notation") << "[went|gone~goes::go] [a::b:c] [10:30] [a\\~] [x]" << QStringList();
    QTest::addRow("colon outside a key word") << "Note: [x]" << QStringList();
}

void TestBracketText::typos()
{
    QFETCH(QString, text);
    QFETCH(QStringList, problems);

    QCOMPARE(BracketText::problemTexts(text), problems);
    QCOMPARE(BracketText::status(text), problems.isEmpty() ? 1 : 4);
}

// The one rule for a bracket left open, in every export: it opens no key word. The sentence editor
// warns of it ("Unmatched brackets!", status 3) and shows the text as typed; an exercise question
// reads the bracket and the rest of the sentence as text, as the editor shows them, with no gap and
// no answer for them.
void TestBracketText::unclosedBracketIsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("question");

    QTest::addRow("alone") << "The [cat sat."
                           << "t:The [cat sat.";
    QTest::addRow("after a key word") << "[a] and [b c"
                                      << "t: / g:a=a / t: and [b c";
    QTest::addRow("at the end") << "]a["
                                << "t:]a[";
    QTest::addRow("holding another opening") << "x [y [z"
                                             << "t:x [y [z";
    QTest::addRow("after a literal bracket") << "\\[a [b"
                                             << "t:[a [b";
    QTest::addRow("after an escaped backslash") << "a\\\\[b"
                                                << "t:a\\[b";
}

void TestBracketText::unclosedBracketIsText()
{
    QFETCH(QString, text);
    QFETCH(QString, question);

    QCOMPARE(BracketText::status(text), 3);
    const ExerciseQuestion split = ExerciseModelBuilder::split(text);
    QCOMPARE(shortForm(split.segments), question);
    QCOMPARE(split.entry(), text);
}

QTEST_GUILESS_MAIN(TestBracketText)
#include "tst_brackettext.moc"
