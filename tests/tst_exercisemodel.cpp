// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/exercisemodel.h"

#include <QtTest>

class TestExerciseModel : public QObject
{
    Q_OBJECT

private slots:
    void split_data();
    void split();
    void titleAndWordBank();
    void gapsCarryAlternativesAndClues();
    void questionTexts_data();
    void questionTexts();
    void distractors();
};

void TestExerciseModel::split_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("answers");

    QTest::addRow("two key words") << "The [cat] sat on the [mat]."
                                   << QStringList {"The ", " sat on the ", "."} << QStringList {"cat", "mat"};
    QTest::addRow("none") << "No key word." << QStringList {"No key word."} << QStringList {};
    QTest::addRow("at both ends") << "[a] b [c]" << QStringList {"", " b ", ""} << QStringList {"a", "c"};
    QTest::addRow("stray closing") << "x] [y]" << QStringList {"x] ", ""} << QStringList {"y"};
    QTest::addRow("never closed") << "[a] and [b c" << QStringList {"", " and [b c"} << QStringList {"a"};
    QTest::addRow("never closed, after an escaped backslash")
        << "a\\\\[b" << QStringList {"a\\[b"} << QStringList {};
    QTest::addRow("escapes, alternatives and clue")
        << "\\[sic\\] [colour|color::a shade]" << QStringList {"[sic] ", ""} << QStringList {"colour"};
    QTest::addRow("two empty key words") << "[][x]" << QStringList {"", "", ""} << QStringList {"", "x"};
    QTest::addRow("nested opening") << "[a [b] c]" << QStringList {"", " c]"} << QStringList {"a [b"};
    QTest::addRow("empty key word") << "x [] y" << QStringList {"x ", " y"} << QStringList {""};
    QTest::addRow("markup and emoji") << "<b>&amp; [\u00e9\u0416\U0001F600]" << QStringList {"<b>&amp; ", ""}
                                      << QStringList {"\u00e9\u0416\U0001F600"};
}

void TestExerciseModel::split()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, answers);

    const ExerciseQuestion question = ExerciseModelBuilder::split(entry);
    QCOMPARE(question.texts(), texts);
    QCOMPARE(question.answers(), answers);
    QCOMPARE(question.gappedText(QStringLiteral("\u2017")).count(QChar(0x2017)), answers.size());
    QCOMPARE(question.entry(), entry); // the segments hold the whole entry
}

void TestExerciseModel::titleAndWordBank()
{
    const QStringList entries {"[a] 1", "[b] 2", "[a] 3 [c]", "4", "[d] 5"};
    ExerciseOptions options;
    const ExerciseModel model = ExerciseModelBuilder::build(entries, options, 77, QStringLiteral("db"));
    QStringList order = model.orderedEntries();
    QCOMPARE(model.title, QStringLiteral("db"));
    QCOMPARE(model.questions.at(order.indexOf("[a] 3 [c]")).solvedText(), QStringLiteral("a 3 c"));

    QStringList bank = model.wordBank;
    bank.sort();
    QCOMPARE(bank, (QStringList {"a", "a", "b", "c", "d"})); // once per gap
}

void TestExerciseModel::gapsCarryAlternativesAndClues()
{
    const ExerciseQuestion question
        = ExerciseModelBuilder::split(QStringLiteral("\\[sic\\] [colour | color::a shade] and [went::go]"));
    QCOMPARE(question.texts(), (QStringList {"[sic] ", " and ", ""}));
    QCOMPARE(question.answers(), (QStringList {"colour", "went"}));
    const QList<BracketSegment> gaps = question.gaps();
    QCOMPARE(gaps.size(), 2);
    QCOMPARE(gaps.at(0).answers, (QStringList {"colour", "color"}));
    QCOMPARE(gaps.at(0).clue, QStringLiteral("a shade"));
    QCOMPARE(gaps.at(1).answers, QStringList {"went"});
    QCOMPARE(gaps.at(1).clue, QStringLiteral("go"));
}

// The sheets' question texts, for every combination of gapping and brackets.
void TestExerciseModel::questionTexts_data()
{
    QTest::addColumn<bool>("gap");
    QTest::addColumn<bool>("brackets");
    QTest::addColumn<QString>("text");

    QTest::addRow("gapped") << true << true << "She [__________] (go) [sic] [__________]] x";
    QTest::addRow("gapped, no brackets") << true << false << "She __________ (go) [sic] __________ x";
    QTest::addRow("words") << false << true << "She [went] [sic] [colour]] x";
    QTest::addRow("words, no brackets") << false << false << "She went [sic] colour x";
}

void TestExerciseModel::questionTexts()
{
    QFETCH(bool, gap);
    QFETCH(bool, brackets);
    QFETCH(QString, text);
    ExerciseOptions options;
    options.jumbleOrder = false;
    options.gapWords = gap;
    options.bracketWords = brackets;
    const ExerciseModel model = ExerciseModelBuilder::build(
        {QStringLiteral("She [went::go] \\[sic\\] [colour|color]] x")}, options, 1);
    QCOMPARE(model.questionTexts(true), QStringList {QStringLiteral("1. ") + text});
}

// Typed words first, then words of the pool closest in length to the answers; never an accepted
// answer, whatever its case; the same for the same seed; in the word bank, never in the key.
void TestExerciseModel::distractors()
{
    ExerciseOptions options;
    options.jumbleOrder = false;
    const QStringList entries {QStringLiteral("A [colour|color] car."), QStringLiteral("She [went::go].")};
    const QStringList pool {"Colour", "elephants", "run", "GO", "walk", "sang", "hippopotamus"};
    ExerciseModel model = ExerciseModelBuilder::build(entries, options, 5);
    ExerciseModelBuilder::addDistractors(model, {" blue ", "", "COLOR", "blue", "red"}, 2, pool);
    QCOMPARE(model.distractors.mid(0, 2), (QStringList {"blue", "red"}));
    QCOMPARE(model.distractors.size(), 4);
    QSet<QString> drawn(model.distractors.begin() + 2, model.distractors.end());
    QCOMPARE(drawn, (QSet<QString> {"walk", "sang"})); // four letters, as "went"; "go" is a clue, no answer
    QStringList bank = model.wordBank;
    bank.sort();
    QCOMPARE(bank, (QStringList {"blue", "colour", "red", "sang", "walk", "went"}));
    QCOMPARE(model.keyLines(), (QStringList {"1. colour (also: color)", "2. went"}));

    ExerciseModel again = ExerciseModelBuilder::build(entries, options, 5);
    ExerciseModelBuilder::addDistractors(again, {" blue ", "", "COLOR", "blue", "red"}, 2, pool);
    QCOMPARE(again.wordBank, model.wordBank);
    QCOMPARE(again.sheetWords(), model.sheetWords());

    // Without any, nothing changes.
    ExerciseModel plain = ExerciseModelBuilder::build(entries, options, 5);
    const QStringList before = plain.wordBank;
    ExerciseModelBuilder::addDistractors(plain, {}, 0, pool);
    QCOMPARE(plain.wordBank, before);
    QVERIFY(plain.distractors.isEmpty());
}

QTEST_GUILESS_MAIN(TestExerciseModel)
#include "tst_exercisemodel.moc"
