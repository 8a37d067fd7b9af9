// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/exercisemodel.h"
#include "exercise/interactivepage.h"
#include "support/testutil.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QtTest>

namespace {

QByteArray pageTemplate()
{
    return TestUtil::readFile(
        TestUtil::sourcePath(QStringLiteral("share/templates/interactive_exercise.html")));
}

// The JSON of the script element with this id, as the browser's script would read it.
QJsonObject block(const QByteArray &page, const QByteArray &id)
{
    const QByteArray open = "id=\"" + id + "\">";
    const qsizetype start = page.indexOf(open) + open.size();
    const QByteArray json = page.mid(start, page.indexOf("</script>", start) - start);
    return QJsonDocument::fromJson(json).object();
}

QByteArray render(const QStringList &entries, const ExerciseOptions &options = ExerciseOptions(),
    const InteractivePageSettings &settings = InteractivePageSettings(), const QString &title = QString())
{
    const ExerciseModel model = ExerciseModelBuilder::build(entries, options, 7, title);
    return InteractivePage::render(model, settings, pageTemplate()).value_or(QByteArray());
}

} // namespace

class TestInteractivePage : public QObject
{
    Q_OBJECT

private slots:
    void teacherTextsArriveExactly_data();
    void teacherTextsArriveExactly();
    void placeholdersAreFilledOnce();
    void settingsReachTheConfigBlock();
    void readingAloudOnlyWhereChosen();
    void templateWithoutExercisePlaceholder();
    void choicesPerGap();
};

void TestInteractivePage::teacherTextsArriveExactly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addRow("angle bracket") << "a < b > c";
    QTest::addRow("ampersand") << "Tom &amp; Jerry & co";
    QTest::addRow("quotes") << "\"double\" and 'single'";
    QTest::addRow("backslashes") << "C:\\temp\\n \\u003c";
    QTest::addRow("script end") << "</script><script>alert(1)</script>";
    QTest::addRow("comment open") << "<!-- <script>";
    QTest::addRow("line separators") << "one\u2028two\u2029three";
    QTest::addRow("emoji") << "party \U0001F389 time";
    QTest::addRow("Arabic") << "\u0630\u0647\u0628 \u0627\u0644\u0648\u0644\u062f";
}

void TestInteractivePage::teacherTextsArriveExactly()
{
    QFETCH(QString, text);
    const QString entry = text + QStringLiteral(" [") + text + QStringLiteral("] end");
    const QByteArray page = render({entry}, ExerciseOptions(), InteractivePageSettings(), text);
    const QByteArray empty = pageTemplate();

    // Nothing the teacher typed can close or open an element, a comment or a script string.
    QCOMPARE(page.count("</script"), empty.count("</script"));
    QCOMPARE(page.count("<!--"), empty.count("<!--"));
    QCOMPARE(page.count("<script"), empty.count("<script"));
    QVERIFY(!page.mid(page.indexOf("<script")).contains("\xE2\x80\xA8"));

    const QJsonObject question
        = block(page, "lexivane-exercise").value("questions").toArray().at(0).toObject();
    QCOMPARE(question.value("texts").toVariant().toStringList(), (QStringList {text + " ", " end"}));
    QCOMPARE(question.value("answers").toVariant().toStringList(), QStringList {text});
    QCOMPARE(
        block(page, "lexivane-exercise").value("wordBank").toVariant().toStringList(), QStringList {text});

    const QByteArray titleHtml = text.toHtmlEscaped().toUtf8();
    QCOMPARE(page.count("<title>" + titleHtml + "</title>"), 1);
}

void TestInteractivePage::placeholdersAreFilledOnce()
{
    const QByteArray page = render({"[strConfig] and [strExercise]"}, ExerciseOptions(),
        InteractivePageSettings(), QStringLiteral("[strExercise] [strTitle]"));
    QVERIFY(page.contains("<title>[strExercise] [strTitle]</title>"));
    QCOMPARE(block(page, "lexivane-exercise").value("wordBank").toVariant().toStringList(),
        (QStringList {"strConfig", "strExercise"}));
    QCOMPARE(block(page, "lexivane-config").value("mode").toString(), QStringLiteral("gapfill"));

    // Without a title the page still has a heading.
    QVERIFY(render({"[a]"}).contains("<title>Exercise</title>"));
}

void TestInteractivePage::settingsReachTheConfigBlock()
{
    const QStringList entries {
        "He [went] home.", "She [ate] an [apple].", "Gone [went] out.", "No key word."};
    InteractivePageSettings settings;
    settings.dropDowns = true;
    settings.caseSensitive = true;
    settings.accentsRequired = false;

    QByteArray page = render(entries, ExerciseOptions(), settings);
    QJsonObject config = block(page, "lexivane-config");
    QCOMPARE(config.value("dropDowns").toBool(), true);
    QCOMPARE(config.value("caseSensitive").toBool(), true);
    QCOMPARE(config.value("accentsRequired").toBool(), false);
    QCOMPARE(block(page, "lexivane-exercise").value("wordBank").toArray().size(), 4); // once per gap
    QVERIFY(!config.contains("showAnswers"));
    QVERIFY(!config.contains("gapSize"));

    // No "Show answers" button, and every gap as wide as the longest answer and one more.
    settings.showAnswers = false;
    settings.sameGapWidth = true;
    config = block(render(entries + QStringList {"[colour|colours::a shade]"}, ExerciseOptions(), settings),
        "lexivane-config");
    QCOMPARE(config.value("showAnswers").toBool(true), false);
    QCOMPARE(config.value("gapSize").toInt(), 8);
    settings.showAnswers = true;
    settings.sameGapWidth = false;

    // Drop-down lists of the word list only where the word list is shown.
    page = render(entries, TestUtil::options(true, true, true, false, false), settings);
    QCOMPARE(block(page, "lexivane-config").value("dropDowns").toBool(), false);
    QVERIFY(block(page, "lexivane-exercise").value("wordBank").toArray().isEmpty());

    // Matching: one choice per distinct set of key words, and no word list.
    settings.mode = InteractivePageSettings::Mode::Matching;
    page = render(entries, ExerciseOptions(), settings);
    config = block(page, "lexivane-config");
    const QJsonObject exercise = block(page, "lexivane-exercise");
    QCOMPARE(config.value("mode").toString(), QStringLiteral("matching"));
    QCOMPARE(config.value("dropDowns").toBool(), false);
    QStringList choices = exercise.value("choices").toVariant().toStringList();
    choices.sort();
    QCOMPARE(choices, (QStringList {"ate, apple", "went"}));
    QVERIFY(exercise.value("wordBank").toArray().isEmpty());
    QCOMPARE(exercise.value("questions").toArray().size(), 4);
}

// A page without reading aloud has the config and texts it always had; with it, the page's script gets
// the choices and the texts for the buttons and for a browser without a voice.
void TestInteractivePage::readingAloudOnlyWhereChosen()
{
    const QStringList entries {"He [went] home."};
    QByteArray page = render(entries);
    QCOMPARE(block(page, "lexivane-config").keys(),
        (QStringList {"accentsRequired", "caseSensitive", "dropDowns", "hints", "mode"}));
    const QJsonObject plainTexts = block(page, "lexivane-exercise").value("text").toObject();
    QVERIFY(!plainTexts.contains("readAloud") && !plainTexts.contains("noVoice"));

    for (const bool listening : {false, true}) {
        InteractivePageSettings settings;
        settings.readAloud = !listening;
        settings.listening = listening;
        page = render(entries, ExerciseOptions(), settings);
        const QJsonObject config = block(page, "lexivane-config");
        QCOMPARE(config.value("readAloud").toBool(), !listening);
        QCOMPARE(config.value("listening").toBool(), listening);
        QCOMPARE(config.contains("readAloud"), !listening);
        const QJsonObject texts = block(page, "lexivane-exercise").value("text").toObject();
        QCOMPARE(texts.value("noVoice").toString(),
            QStringLiteral("Reading aloud is not available: this browser has no %1 voice."));
        QCOMPARE(texts.value("listen").toString(), QStringLiteral("Listen to sentence %1"));
    }
}

void TestInteractivePage::templateWithoutExercisePlaceholder()
{
    const ExerciseModel model = ExerciseModelBuilder::build({"[a]"}, ExerciseOptions(), 1);
    QVERIFY(
        !InteractivePage::render(model, InteractivePageSettings(), "<html>[strTitle]</html>").has_value());
}

// A gap with choices of its own: the page gets its answer and choices in one drawn order, the printed
// sheet shows them after the gap in that same order, and a question without choices is untouched.
void TestInteractivePage::choicesPerGap()
{
    ExerciseOptions options;
    options.jumbleOrder = false;
    const QStringList entries {
        QStringLiteral("She [went~goes~gone] home and [ate]."), QStringLiteral("The [cat] sat.")};
    const ExerciseModel model = ExerciseModelBuilder::build(entries, options, 7);
    const QStringList offered = model.questions.at(0).offered(0);
    QCOMPARE(QSet<QString>(offered.begin(), offered.end()), (QSet<QString> {"went", "goes", "gone"}));

    const QJsonArray questions = block(
        InteractivePage::render(model, {}, pageTemplate()).value_or(QByteArray()), "lexivane-exercise")
                                     .value("questions")
                                     .toArray();
    const QJsonArray gaps = questions.at(0).toObject().value("options").toArray();
    QCOMPARE(gaps.size(), 2);
    QCOMPARE(gaps.at(0).toVariant().toStringList(), offered);
    QCOMPARE(gaps.at(1).toVariant().toStringList(), QStringList());
    QVERIFY(!questions.at(1).toObject().contains("options"));

    const QString shown = QLatin1String(" (") + offered.join(QLatin1String(" / ")) + QLatin1Char(')');
    QCOMPARE(model.questionTexts(true),
        (QStringList {
            "1. She [__________]" + shown + " home and [__________].", "2. The [__________] sat."}));
    // The order is a draw of its own: the seed's other draws stay where they were.
    const ExerciseModel plain
        = ExerciseModelBuilder::build({"[a] [b] [c] [d]", "[e]", "[f]"}, ExerciseOptions(), 7);
    const ExerciseModel mixed
        = ExerciseModelBuilder::build({"[a] [b] [c] [d]", "[e~x~y]", "[f]"}, ExerciseOptions(), 7);
    QCOMPARE(mixed.wordBank, plain.wordBank);
    QCOMPARE(mixed.orderedEntries().indexOf("[f]"), plain.orderedEntries().indexOf("[f]"));
}

QTEST_GUILESS_MAIN(TestInteractivePage)
#include "tst_interactivepage.moc"
