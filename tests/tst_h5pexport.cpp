// SPDX-License-Identifier: GPL-3.0-or-later
// The H5P and SCORM packages, read back with Python's zipfile (an independent ZIP reader) and checked
// against the formats' documentation: h5p.json's required keys, the content types' fields, H5P's gap
// notation read by a small reader written here from its description.
#include "app/mainwindow.h"
#include "dialogs/dlginteractivepage.h"
#include "exercise/exportformats.h"
#include "exercise/h5pexport.h"
#include "exercise/scormpackage.h"
#include "support/modalanswerer.h"
#include "support/testutil.h"
#include "support/windowfixture.h"
#include "util/zelfiledialog.h"
#include "util/zelutils.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListView>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The archive as Python's zipfile sees it: {"names": [...], "bad": first bad member or null,
// "files": {name: text}}.
QJsonObject readZip(const QByteArray &bytes)
{
    QProcess python;
    python.start(QStringLiteral("python3"),
        {QStringLiteral("-c"),
            QStringLiteral("import io, json, sys, zipfile\n"
                           "z = zipfile.ZipFile(io.BytesIO(sys.stdin.buffer.read()))\n"
                           "print(json.dumps({'names': z.namelist(), 'bad': z.testzip(),"
                           " 'files': {n: z.read(n).decode('utf-8') for n in z.namelist()}}))\n")});
    python.write(bytes);
    python.closeWriteChannel();
    if (!python.waitForFinished(20000) || python.exitCode() != 0)
        return QJsonObject {{QStringLiteral("error"), QString::fromUtf8(python.readAllStandardError())}};
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

QJsonObject jsonFile(const QJsonObject &zip, const QString &name)
{
    return QJsonDocument::fromJson(
        zip.value(QStringLiteral("files")).toObject().value(name).toString().toUtf8())
        .object();
}

QString decodeHtml(QString html)
{
    html.replace(QLatin1String("&lt;"), QLatin1String("<"));
    html.replace(QLatin1String("&gt;"), QLatin1String(">"));
    html.replace(QLatin1String("&quot;"), QLatin1String("\""));
    html.replace(QLatin1String("&#39;"), QLatin1String("'"));
    html.replace(QLatin1String("&#039;"), QLatin1String("'"));
    return html.replace(QLatin1String("&amp;"), QLatin1String("&"));
}

// One line in H5P's notation, read as its documentation describes it: *answer/other:tip* is a blank.
// Gives the plain text with each blank as "_" and, per blank, its answers and tip.
struct ReadLine
{
    QString text;
    QList<QStringList> answers;
    QStringList tips;
};

ReadLine readNotation(const QString &html)
{
    ReadLine line;
    const QStringList parts = html.split(QLatin1Char('*'));
    for (int i = 0; i < parts.size(); ++i) {
        if (i % 2 == 0) {
            line.text += decodeHtml(parts.at(i));
            continue;
        }
        const int colon = parts.at(i).indexOf(QLatin1Char(':'));
        const QString solutions = colon < 0 ? parts.at(i) : parts.at(i).left(colon);
        line.tips.append(colon < 0 ? QString() : decodeHtml(parts.at(i).mid(colon + 1)));
        QStringList answers;
        for (const QString &answer : solutions.split(QLatin1Char('/')))
            answers.append(decodeHtml(answer));
        line.answers.append(answers);
        line.text += QLatin1Char('_');
    }
    return line;
}

ExerciseModel modelOf(const QStringList &entries, const QString &title = QStringLiteral("Unit 5"))
{
    return ExerciseModelBuilder::build(entries, TestUtil::options(true, true, true, false, true), 7, title);
}

} // namespace

class TestH5PExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fx.initTestCase(); }
    void init() { fx.init(); }
    void cleanup() { fx.cleanup(); }
    void packagesHoldWhatTheContentTypesRead_data();
    void packagesHoldWhatTheContentTypesRead();
    void blanksKeepTrickyTextsAsTyped();
    void whatH5PCannotHoldIsLeftOutAndNamed();
    void scormRuntimeOnlyInThePackage();
    void windowWritesEachKind();

private:
    TestUtil::WindowFixture fx;
};

void TestH5PExport::packagesHoldWhatTheContentTypesRead_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("library");
    QTest::addColumn<int>("minor");
    QTest::addRow("Fill in the Blanks") << int(H5PExport::Kind::Blanks) << "H5P.Blanks" << 14;
    QTest::addRow("Drag the Words") << int(H5PExport::Kind::DragText) << "H5P.DragText" << 10;
}

void TestH5PExport::packagesHoldWhatTheContentTypesRead()
{
    QFETCH(int, kind);
    QFETCH(QString, library);
    QFETCH(int, minor);
    ExerciseModel model = modelOf(
        {"She [ate::food] an [apple|apples].", "No key word here.", "He [went] home.", "It's [mine]."});
    ExerciseModelBuilder::addDistractors(model, {"pear", "bad*word"}, 0, {});

    const QJsonObject zip = readZip(H5PExport::package(model, H5PExport::Kind(kind), {true, false}));
    QCOMPARE(zip.value(QStringLiteral("error")).toString(), QString());
    QCOMPARE(zip.value(QStringLiteral("names")).toArray(), QJsonArray({"h5p.json", "content/content.json"}));
    QVERIFY(zip.value(QStringLiteral("bad")).isNull());

    const QJsonObject h5p = jsonFile(zip, QStringLiteral("h5p.json"));
    QCOMPARE(h5p.value(QStringLiteral("title")).toString(), QStringLiteral("Unit 5"));
    QCOMPARE(h5p.value(QStringLiteral("mainLibrary")).toString(), library);
    QVERIFY(!h5p.value(QStringLiteral("language")).toString().isEmpty());
    QVERIFY(!h5p.value(QStringLiteral("embedTypes")).toArray().isEmpty());
    const QJsonArray dependencies = h5p.value(QStringLiteral("preloadedDependencies")).toArray();
    QCOMPARE(dependencies.size(), 1);
    const QJsonObject dependency = dependencies.first().toObject();
    QCOMPARE(dependency.value(QStringLiteral("machineName")).toString(), library);
    QCOMPARE(dependency.value(QStringLiteral("majorVersion")).toInt(), 1);
    QCOMPARE(dependency.value(QStringLiteral("minorVersion")).toInt(), minor);

    const QJsonObject content = jsonFile(zip, QStringLiteral("content/content.json"));
    if (H5PExport::Kind(kind) == H5PExport::Kind::Blanks) {
        const QJsonArray questions = content.value(QStringLiteral("questions")).toArray();
        QCOMPARE(questions,
            QJsonArray({"<p>She *ate:food* an *apple/apples*.</p>", "<p>No key word here.</p>",
                "<p>He *went* home.</p>", "<p>It's *mine*.</p>"}));
        const QJsonObject behaviour = content.value(QStringLiteral("behaviour")).toObject();
        // Plain-text fields as H5P's validator writes them; no field that Blanks 1.14 does not know.
        QCOMPARE(content.value(QStringLiteral("answerIsCorrect")).toString(), "&#039;:ans&#039; is correct");
        QVERIFY(!behaviour.contains(QStringLiteral("disableImageZooming")));
        QCOMPARE(behaviour.value(QStringLiteral("caseSensitive")).toBool(false), true);
        QCOMPARE(behaviour.value(QStringLiteral("acceptSpellingErrors")).toBool(false), true);
        QVERIFY(content.value(QStringLiteral("text")).isString());
    } else {
        // One drop zone per key word, its first answer; the extra words as distractors.
        QCOMPARE(content.value(QStringLiteral("textField")).toString(),
            QStringLiteral(
                "She *ate:food* an *apple*.\nNo key word here.\nHe *went* home.\nIt&#039;s *mine*."));
        QCOMPARE(content.value(QStringLiteral("distractors")).toString(), QStringLiteral("*pear*"));
        QVERIFY(content.value(QStringLiteral("taskDescription")).isString());
    }
}

void TestH5PExport::blanksKeepTrickyTextsAsTyped()
{
    const QStringList entries {"Die [Katze::Tier] schl\u00e4ft & tr\u00e4umt.",
        "\u0397 [\u03b3\u03ac\u03c4\u03b1|\u03b3\u03ac\u03c4\u03b5\u03c2] "
        "\u03ba\u03bf\u03b9\u03bc\u03ac\u03c4\u03b1\u03b9.",
        "\u732b[\u304c]\u597d\u304d", "a < b [x<y&z>w::\"<\" & \"&\"] 'q' \"quoted\" &amp;"};
    const ExerciseModel model = modelOf(entries);
    const QJsonObject zip = readZip(H5PExport::package(model, H5PExport::Kind::Blanks));
    const QJsonArray questions
        = jsonFile(zip, QStringLiteral("content/content.json")).value(QStringLiteral("questions")).toArray();
    QCOMPARE(questions.size(), model.questions.size());
    for (int i = 0; i < questions.size(); ++i) {
        QString html = questions.at(i).toString();
        QVERIFY(html.startsWith(QLatin1String("<p>")) && html.endsWith(QLatin1String("</p>")));
        const ReadLine read = readNotation(html.mid(3, html.size() - 7));
        const ExerciseQuestion &question = model.questions.at(i);
        QCOMPARE(read.text, question.texts().join(QLatin1Char('_')));
        const QList<BracketSegment> gaps = question.gaps();
        QCOMPARE(read.answers.size(), gaps.size());
        for (int g = 0; g < gaps.size(); ++g) {
            QCOMPARE(read.answers.at(g), gaps.at(g).answers);
            QCOMPARE(read.tips.at(g), gaps.at(g).clue);
        }
    }
    QCOMPARE(H5PExport::problems(model, H5PExport::Kind::Blanks), QStringList());

    // Fill in the Blanks takes 31 text blocks; more sentences share blocks, none is lost.
    QStringList many;
    for (int i = 0; i < 40; ++i)
        many.append(QStringLiteral("Sentence [%1].").arg(i));
    const QJsonArray blocks = jsonFile(readZip(H5PExport::package(modelOf(many), H5PExport::Kind::Blanks)),
        QStringLiteral("content/content.json"))
                                  .value(QStringLiteral("questions"))
                                  .toArray();
    QVERIFY(blocks.size() <= 31);
    QString joined;
    for (const QJsonValue &block : blocks)
        joined += block.toString() + QLatin1Char('\n');
    QCOMPARE(joined.count(QLatin1String("<p>Sentence *")), 40);
    QVERIFY(joined.contains(QLatin1String("<p>Sentence *39*.</p>")));
}

void TestH5PExport::whatH5PCannotHoldIsLeftOutAndNamed()
{
    const ExerciseModel model = modelOf({"A [x*y] b.", "Two [ok|a/b|fine] c.", "Tip [w::a:b] d.",
        "Star * [t] e.", "Time [12:30] f.", "Kept [k] g."});
    QCOMPARE(H5PExport::problems(model, H5PExport::Kind::Blanks),
        QStringList({"1. A [x*y] b. (left out: the answer \"x*y\" holds \"*\", \"/\" or \":\")",
            "2. Two [ok|a/b|fine] c. (the alternative \"a/b\" is dropped)",
            "3. Tip [w::a:b] d. (the clue \"a:b\" is dropped)",
            "4. Star * [t] e. (left out: the sentence holds \"*\")",
            "5. Time [12:30] f. (left out: the answer \"12:30\" holds \"*\", \"/\" or \":\")"}));
    const QJsonArray questions = jsonFile(
        readZip(H5PExport::package(model, H5PExport::Kind::Blanks)), QStringLiteral("content/content.json"))
                                     .value(QStringLiteral("questions"))
                                     .toArray();
    QCOMPARE(questions, QJsonArray({"<p>Two *ok/fine* c.</p>", "<p>Tip *w* d.</p>", "<p>Kept *k* g.</p>"}));
    QCOMPARE(H5PExport::gapCount(model, H5PExport::Kind::Blanks), 3);
    // A drop zone takes the first answer only, and the teacher hears so.
    QVERIFY(H5PExport::problems(model, H5PExport::Kind::DragText)
                .contains("2. Two [ok|a/b|fine] c. (only the first answer of each gap is used)"));
    // The note says sentences are left out of the file only when one is.
    const ExportFormat &drag = *ExportFormats::find(QStringLiteral("h5p-drag"));
    const ExportNote second
        = ExportFormats::notes(drag, modelOf({"Two [ok|fine] c.", "Kept [k] g."})).value(0);
    QCOMPARE(second.title, QStringLiteral("Second answers left out"));
    QVERIFY2(second.text.contains(QLatin1String("the second answers are left out"))
            && !second.text.contains(QLatin1String("of the file")),
        qPrintable(second.text));
    QVERIFY(ExportFormats::notes(drag, model).value(0).text.contains(QLatin1String("left out of the file")));
    const QString kept = ExportFormats::notes(
        *ExportFormats::find(QStringLiteral("h5p-blanks")), modelOf({"Tip [w::a:b] d."}))
                             .value(0)
                             .text;
    QVERIFY2(kept.contains(QLatin1String("are kept")) && !kept.contains(QLatin1String("of the file")),
        qPrintable(kept));
}

// The manifest and the runtime are checked in the browser test; here that a plain page stays plain.
void TestH5PExport::scormRuntimeOnlyInThePackage()
{
    const QByteArray pageTemplate
        = TestUtil::readFile(ZelUtils::dataPath(QStringLiteral("templates/interactive_exercise.html")));
    const ExerciseModel model = modelOf({"He [went] home."});
    const QByteArray plain = *InteractivePage::render(model, InteractivePageSettings(), pageTemplate);
    QVERIFY(!plain.contains("LMSInitialize"));
    QVERIFY(!plain.contains("[strScorm]"));
    // The package's own choices leave the plain page as it always was.
    InteractivePageSettings scormOnly;
    scormOnly.bestScore = true;
    scormOnly.hintPenalty = 25;
    scormOnly.passMark = -1;
    QCOMPARE(*InteractivePage::render(model, scormOnly, pageTemplate), plain);
    const QJsonObject zip = readZip(*ScormPackage::package(model, InteractivePageSettings(), pageTemplate));
    const QString page
        = zip.value(QStringLiteral("files")).toObject().value(QStringLiteral("exercise.html")).toString();
    QVERIFY(page.contains(QLatin1String("LMSInitialize")));
    QCOMPARE(page.size(),
        QString::fromUtf8(plain).size() + ScormPackage::runtimeScript(InteractivePageSettings()).size());
}

// From the window, as a teacher does it: the warning names what H5P leaves out before the file is
// chosen; the SCORM dialog asks the pass mark; every package opens in a ZIP reader.
void TestH5PExport::windowWritesEachKind()
{
    const QTemporaryDir &dir = *fx.dir;
    auto w = fx.window();
    ZelFileDialog::setNextFileName(fx.write(
        QStringLiteral("Tiere.lxv"), "\xEF\xBB\xBFTiere&&&{0}Die [Katze] schl\u00e4ft.&&&{0}A [x*y] b.\r\n"));
    TestUtil::child<QAction>(w.get(), "actFileOpen")->trigger();
    auto *words = TestUtil::child<QListView>(w.get(), "lvWords");
    words->setCurrentIndex(words->model()->index(0, 0));
    TestUtil::child<QCheckBox>(w.get(), "chkJumbleOrder")->setChecked(false);
    auto *sentences = TestUtil::child<QTableView>(w.get(), "tvSentences");
    sentences->selectAll();
    TestUtil::child<QPushButton>(w.get(), "btnUseSentence")->click();

    for (const char *action : {"actSaveAsH5pBlanks", "actSaveAsH5pDragText"}) {
        ZelFileDialog::setNextFileName(dir.filePath(QLatin1String(action)));
        TestUtil::ModalAnswerer answerer;
        answerer.press(QMessageBox::Ok).press(QMessageBox::No);
        TestUtil::child<QAction>(w.get(), action)->trigger();
        QCOMPARE(answerer.unexpected(), QStringList());
        QVERIFY(answerer.seen().value(0).contains(QLatin1String("2. A [x*y] b. (left out")));
        const QJsonObject zip
            = readZip(TestUtil::readFile(dir.filePath(QLatin1String(action) + QLatin1String(".h5p"))));
        QCOMPARE(zip.value(QStringLiteral("names")).toArray().size(), 2);
        QCOMPARE(jsonFile(zip, QStringLiteral("h5p.json")).value(QStringLiteral("title")).toString(),
            QStringLiteral("Tiere"));
    }

    ZelFileDialog::setNextFileName(dir.filePath(QStringLiteral("scorm")));
    TestUtil::ModalAnswerer answerer;
    answerer
        .then([](QWidget *dialog) {
            TestUtil::child<QCheckBox>(dialog, "chkPassMark")->setChecked(true);
            TestUtil::child<QSpinBox>(dialog, "spbPassMark")->setValue(65);
            TestUtil::child<QComboBox>(dialog, "cboScoreKept")->setCurrentIndex(1);
            TestUtil::child<QSpinBox>(dialog, "spbHintPenalty")->setValue(25);
            TestUtil::child<QCheckBox>(dialog, "chkListening")->setChecked(true);
            static_cast<QDialog *>(dialog)->accept();
        })
        .press(QMessageBox::No);
    TestUtil::child<QAction>(w.get(), "actSaveAsScorm")->trigger();
    QCOMPARE(answerer.unexpected(), QStringList());
    const InteractivePageSettings stored = DlgInteractivePage::storedSettings();
    QCOMPARE(stored.passMark, 65);
    QVERIFY(stored.bestScore);
    QCOMPARE(stored.hintPenalty, 25);
    QVERIFY(stored.listening && !stored.readAloud);
    const QJsonObject zip = readZip(TestUtil::readFile(dir.filePath(QStringLiteral("scorm.zip"))));
    QCOMPARE(zip.value(QStringLiteral("names")).toArray(), QJsonArray({"imsmanifest.xml", "exercise.html"}));
    QVERIFY(zip.value(QStringLiteral("files"))
                .toObject()
                .value(QStringLiteral("exercise.html"))
                .toString()
                .contains(QLatin1String("({\"best\":true,\"hintPenalty\":25,\"passMark\":65,")));
    QVERIFY(zip.value(QStringLiteral("files"))
                .toObject()
                .value(QStringLiteral("exercise.html"))
                .toString()
                .contains(QLatin1String("\"listening\": true")));
}

QTEST_MAIN(TestH5PExport)
#include "tst_h5pexport.moc"
