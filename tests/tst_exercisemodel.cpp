// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/exercisebuilder.h"
#include "exercise/exercisemodel.h"
#include "exercise/randomsource.h"

#include <QtTest>

class TestExerciseModel : public QObject
{
    Q_OBJECT

private slots:
    void split_data();
    void split();
    void orderFollowsTheDocumentedShuffle();
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
    QCOMPARE(question.texts, texts);
    QCOMPARE(question.answers, answers);
    QCOMPARE(question.gappedText(QStringLiteral("\u2017")).count(QChar(0x2017)), answers.size());
}

void TestExerciseModel::orderFollowsTheDocumentedShuffle()
{
    const QStringList entries {"[a] 1", "[b] 2", "[a] 3 [c]", "4", "[d] 5"};
    ExerciseOptions options;
    options.gapWords = false;
    options.bracketWords = true;
    options.includeQNums = false;
    RandomSource random(77);
    const Exercise plain = ExerciseBuilder::build(entries, options, random);

    const ExerciseModel model = ExerciseModelBuilder::build(entries, options, 77, QStringLiteral("db"));
    QStringList order;
    for (const ExerciseQuestion &question : model.questions)
        order.append(question.entry);
    QCOMPARE(order, plain.questions);
    QCOMPARE(model.title, QStringLiteral("db"));
    QCOMPARE(model.questions.at(order.indexOf("[a] 3 [c]")).solvedText(), QStringLiteral("a 3 c"));

    QStringList bank = model.wordBank;
    bank.sort();
    QCOMPARE(bank, (QStringList {"a", "b", "c", "d"}));
}

QTEST_GUILESS_MAIN(TestExerciseModel)
#include "tst_exercisemodel.moc"
