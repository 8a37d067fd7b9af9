// SPDX-License-Identifier: GPL-3.0-or-later
// Hints on the gaps, and practice at home: the sheets and the page with a gap's first letter or its
// letters counted, and the Anki and Quizlet files read back the way those programs read them.
#include "exercise/exercisemodel.h"
#include "exercise/exportformats.h"
#include "exercise/flashcardexport.h"
#include "import/lxdimport.h"
#include "support/testutil.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using Hints = ExerciseOptions::Hints;
Q_DECLARE_METATYPE(ExerciseOptions::Hints)

namespace {

ExerciseOptions hinted(Hints hints, bool brackets = true)
{
    ExerciseOptions options = TestUtil::options(false, true, brackets, false, true);
    options.hints = hints;
    return options;
}

QByteArray rendered(const char *format, const QStringList &entries, const ExerciseOptions &options,
    quint32 seed = 1, const QString &templatePath = QString())
{
    const ExerciseModel model = ExerciseModelBuilder::build(entries, options, seed, QStringLiteral("Unit 4"));
    const ExportResult result = ExportFormats::render(
        *ExportFormats::find(QLatin1String(format)), model, ExportSettings(), templatePath);
    return result.status == ExportResult::Done ? result.bytes : QByteArray();
}

QStringList noteTitles(const char *format, const ExerciseModel &model)
{
    QStringList titles;
    for (const ExportNote &note : ExportFormats::notes(*ExportFormats::find(QLatin1String(format)), model))
        titles.append(note.title);
    return titles;
}

} // namespace

class TestFlashcards : public QObject
{
    Q_OBJECT

private slots:
    void hintsOnPaper_data();
    void hintsOnPaper();
    void hintsInPdf();
    void hintsBesideTheClue_data();
    void hintsBesideTheClue();
    void formatsSayWhatTheyLeaveOut();
    void ankiReadsBack();
    void ankiGuids();
    void quizletLines();
};

void TestFlashcards::hintsOnPaper_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<Hints>("hints");
    QTest::addColumn<bool>("brackets");
    QTest::addColumn<QString>("shown");

    QTest::newRow("none") << "He [went] home." << Hints::None << true << "He [__________] home.";
    QTest::newRow("first letter") << "He [went] home." << Hints::FirstLetter << true
                                  << "He [w_________] home.";
    QTest::newRow("first letter, no brackets")
        << "He [went] home." << Hints::FirstLetter << false << "He w_________ home.";
    QTest::newRow("letter count") << "He [went] home." << Hints::LetterCount << true
                                  << "He [__________] (4) home.";
    // The first answer gives the hint; the clue follows it.
    QTest::newRow("alternatives and clue")
        << "A [colour|color::a shade]." << Hints::LetterCount << true << "A [__________] (6) (a shade).";
    QTest::newRow("words counted apart")
        << "An [ice cream]." << Hints::LetterCount << false << "An __________ (3 5).";
    QTest::newRow("apostrophe counts")
        << "I [don't] know." << Hints::LetterCount << false << "I __________ (5) know.";
    // A letter with a combining accent is one letter, and the first letter keeps its accent.
    QTest::newRow("combining accent") << QString::fromUtf8("Un [e\xcc\x81te\xcc\x81].") << Hints::FirstLetter
                                      << false << QString::fromUtf8("Un e\xcc\x81_________.");
    QTest::newRow("combining accent counted") << QString::fromUtf8("Un [e\xcc\x81te\xcc\x81].")
                                              << Hints::LetterCount << false << "Un __________ (3).";
    QTest::newRow("empty gap") << "A [] gap." << Hints::LetterCount << true << "A [__________] gap.";
}

// Every sheet (clipboard, RTF, XHTML, PDF) prints the questions as questionTexts() gives them.
void TestFlashcards::hintsOnPaper()
{
    QFETCH(QString, entry);
    QFETCH(Hints, hints);
    QFETCH(bool, brackets);
    QFETCH(QString, shown);
    const ExerciseModel model = ExerciseModelBuilder::build({entry}, hinted(hints, brackets), 1);
    QCOMPARE(model.questionTexts(false), QStringList {shown});
    // The clipboard's text is the one the sheets share.
    QVERIFY(QString::fromUtf8(rendered("text", {entry}, hinted(hints, brackets))).endsWith(shown));
}

void TestFlashcards::hintsInPdf()
{
    // The page's boxes are checked in a browser (tests/browser); here the sheet, through a PDF reader.
    const QStringList entries {QStringLiteral("He [went] home."), QStringLiteral("We [ate] an [apple].")};
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    const QString pdf = TestUtil::writeFile(
        dir, QStringLiteral("sheet.pdf"), rendered("pdf", entries, hinted(Hints::FirstLetter)));
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(reader.waitForFinished(30000));
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    QVERIFY2(text.contains(QLatin1String("He [w_________] home.")), qPrintable(text));
    QVERIFY2(text.contains(QLatin1String("We [a_________] an [a_________].")), qPrintable(text));
}

void TestFlashcards::hintsBesideTheClue_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("templateName");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("jcloze") << "jcloze"
                            << "jcloze_exercise.jcl"
                            << QStringList {"<clue>_ _ _ _</clue>", "<clue>go; _ _ _</clue>"};
    QTest::newRow("moodle-xml") << "moodle-xml"
                                << "" << QStringList {" (_ _ _ _) home.", " (go; _ _ _) an"};
    QTest::newRow("gift") << "gift"
                          << "" << QStringList {" (_ _ _ _) home.", " (go; _ _ _) an"};
    QTest::newRow("h5p-blanks") << "h5p-blanks"
                                << "" << QStringList {"*went:_ _ _ _*", "*ate:go; _ _ _*"};
}

// The formats whose one place beside a gap is its clue put the hint there, after the teacher's clue;
// the H5P package is read as H5P reads it, its content.json out of the archive.
void TestFlashcards::hintsBesideTheClue()
{
    QFETCH(QString, format);
    QFETCH(QString, templateName);
    QFETCH(QStringList, expected);
    const QStringList entries {QStringLiteral("He [went] home."), QStringLiteral("We [ate::go] an apple.")};
    const QString templatePath = templateName.isEmpty()
        ? QString()
        : TestUtil::sourcePath(QStringLiteral("share/templates/") + templateName);
    QByteArray bytes = rendered(qPrintable(format), entries, hinted(Hints::LetterCount), 1, templatePath);
    QVERIFY(!bytes.isEmpty());
    QCOMPARE(
        rendered(qPrintable(format), entries, hinted(Hints::None), 1, templatePath).contains("_ _ _"), false);
    if (format.startsWith(QLatin1String("h5p"))) {
        QTemporaryDir dir;
        QProcess python;
        python.start(QStringLiteral("python3"),
            {QStringLiteral("-c"),
                QStringLiteral("import sys, zipfile; sys.stdout.write(zipfile.ZipFile(sys.argv[1]).read("
                               "'content/content.json').decode())"),
                TestUtil::writeFile(dir, QStringLiteral("x.h5p"), bytes)});
        QVERIFY(python.waitForFinished(30000));
        bytes = python.readAllStandardOutput();
    }
    for (const QString &text : expected)
        QVERIFY2(bytes.contains(text.toUtf8()), bytes.constData());
    // Words apart by an em space, which no HTML folds; an apostrophe or a hyphen shown as itself.
    QCOMPARE(GapHints::letterSlots(QStringLiteral("ice-cream don't")),
        QString::fromUtf8("_ _ _ - _ _ _ _ _\u2003_ _ _ ' _"));
}

void TestFlashcards::formatsSayWhatTheyLeaveOut()
{
    ExerciseModel model = ExerciseModelBuilder::build(
        {QStringLiteral("He [went] home."), QStringLiteral("No key word.")}, hinted(Hints::FirstLetter), 1);
    // Told before the file is written: a format with no place for hints, and none that has one.
    QVERIFY(noteTitles("moodle-matching", model).contains(QLatin1String("Hints left out")));
    for (const char *format : {"text", "rtf", "pdf", "xhtml", "interactive", "anki", "quizlet", "gift",
             "jcloze", "moodle-xml", "h5p-blanks"})
        QVERIFY2(!noteTitles(format, model).contains(QLatin1String("Hints left out")), format);
    QVERIFY(!noteTitles("anki", model).contains(QLatin1String("Choices left out")));

    // A gap that offers choices, as the tokenizer will give it.
    model.questions[0].segments[1].choices = QStringList {QStringLiteral("goes"), QStringLiteral("gone")};
    for (const char *format : {"anki", "quizlet"})
        QVERIFY2(noteTitles(format, model).contains(QLatin1String("Choices left out")), format);

    // An entry without a key word makes no card; a list of none makes no file.
    const ExportFormat &anki = *ExportFormats::find(QStringLiteral("anki"));
    QCOMPARE(ExportFormats::render(anki, model, ExportSettings(), QString()).remark,
        QStringLiteral("1 entry without a key word was left out of the cards."));
    QVERIFY(ExportFormats::refusal(
        anki, ExerciseModelBuilder::build({QStringLiteral("None.")}, hinted(Hints::None), 1)));
    QVERIFY(!ExportFormats::refusal(anki, model));
}

// Read back through this program's own reader of Anki's text files: the header lines are taken as
// settings, and every sentence comes back with its key words (and clues) where they were.
void TestFlashcards::ankiReadsBack()
{
    const QStringList entries {QStringLiteral("He [went] home."), QStringLiteral("\"Hi,\" she [said::say]."),
        QStringLiteral("#1 & <b> [a}}b] {{c1::x}}"), QStringLiteral("Tab\there: [one] and [two::2:3]"),
        QStringLiteral("A [colour|color]."), QStringLiteral("He [went] home."), QStringLiteral("None.")};
    const QByteArray file = rendered("anki", entries, hinted(Hints::None));
    const QList<QByteArray> lines = file.split('\n');
    QCOMPARE(lines.mid(0, 6),
        (QList<QByteArray> {"#separator:tab", "#html:true", "#notetype:Cloze",
            "#columns:Text\tBack Extra\tGUID", "#guid column:3", "#tags:Unit_4"}));
    QCOMPARE(lines.size(), 6 + 5 + 1); // one note per distinct sentence with a key word, a final line feed
    for (const QByteArray &line : lines.mid(6, 5))
        QCOMPARE(line.count('\t'), 2);
    QVERIFY(file.contains("{{c1::one}} and {{c2::two::2&#58;3}}"));

    const LxdImport::Table table = LxdImport::readTable(LxdImport::decodeText(file));
    QCOMPARE(table.directives.lines.size(), 6);
    QVERIFY(table.directives.html);
    QCOMPARE(table.separator, QChar(u'\t'));
    LxdImport::CsvColumns columns;
    columns.headword = 1;
    columns.sentence = 0;
    const LxdImport::Result result = LxdImport::readCsv(table, columns);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QStringList sentences;
    for (const LxdImport::Headword &headword : result.headwords)
        sentences += headword.sentences;
    QCOMPARE(sentences,
        (QStringList {"He [went] home.", "\"Hi,\" she [said::say].", "#1 & <b> [a}}b] {{c1::x}}",
            "Tab here: [one] and [two::2:3]", "A [colour]."}));
    QCOMPARE(result.headwords.first().headword, QStringLiteral("went"));
    QCOMPARE(result.headwords.last().headword, QStringLiteral("colour (also: color)"));
}

void TestFlashcards::ankiGuids()
{
    const QStringList entries {QStringLiteral("He [went] home."), QStringLiteral("She [ate] an [apple].")};
    const auto guids = [](const QByteArray &file) {
        QStringList list;
        for (const QByteArray &line : file.split('\n')) {
            if (!line.isEmpty() && !line.startsWith('#'))
                list.append(QString::fromUtf8(line.split('\t').value(2)));
        }
        return list;
    };
    // Another export of the same sentences, shuffled otherwise and with hints, updates the same notes.
    ExerciseOptions jumbled = hinted(Hints::LetterCount);
    jumbled.jumbleOrder = true;
    QStringList first = guids(rendered("anki", entries, hinted(Hints::None), 1));
    QStringList second = guids(rendered("anki", {entries.at(1), entries.at(0)}, jumbled, 99));
    QCOMPARE(first.size(), 2);
    QVERIFY(first.at(0) != first.at(1));
    first.sort();
    second.sort();
    QCOMPARE(second, first);
    static const QRegularExpression alphabet(
        QStringLiteral("^[A-Za-z0-9!#$%&()*+,\\-./:;<=>?@\\[\\]^_`{|}~]{1,10}$"));
    for (const QString &guid : first)
        QVERIFY2(alphabet.match(guid).hasMatch(), qPrintable(guid));
}

// Quizlet's import takes one card a line, term and definition separated by a tab.
void TestFlashcards::quizletLines()
{
    const QByteArray file = rendered("quizlet",
        {QStringLiteral("He [went] home."), QStringLiteral("A\ttab [colour|color::a shade]."),
            QStringLiteral("No.")},
        hinted(Hints::FirstLetter));
    QVERIFY(file.endsWith('\n'));
    QList<QStringList> cards;
    for (const QString &line : QString::fromUtf8(file).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        cards.append(line.split(QLatin1Char('\t')));
    QCOMPARE(cards,
        (QList<QStringList> {
            {"He w____ home.", "went"}, {"A tab c____ (a shade).", "colour (also: color)"}}));
}

QTEST_MAIN(TestFlashcards)
#include "tst_flashcards.moc"
