// SPDX-License-Identifier: GPL-3.0-or-later
// `lexivane export`, run as the real program with no display at all, against the window's own exports.
#include "app/mainwindow.h"
#include "data/lxddatabase.h"
#include "data/lxdsentence.h"
#include "document/lxdfileguard.h"
#include "document/lxdsession.h"
#include "exercise/randomsource.h"
#include "support/testutil.h"
#include "support/windowfixture.h"
#include "util/zelfiledialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

const quint32 Seed = 20261209;

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// The program beside the test, with neither a display nor a Qt platform in its environment.
Run runProgram(const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QLatin1String(name));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/lexivane"), arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QByteArray output(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return process.readAllStandardOutput();
}

// The file as it is compared: a PDF's text layer (pdftotext), a ZIP's entries as Python's reader lists
// them, any other file byte for byte.
QByteArray comparable(const QString &format, const QString &path)
{
    if (format == QLatin1String("pdf"))
        return output(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (format.startsWith(QLatin1String("h5p")) || format == QLatin1String("scorm"))
        return output(QStringLiteral("python3"),
            {QStringLiteral("-c"),
                QStringLiteral("import sys, zipfile, hashlib\n"
                               "for i in zipfile.ZipFile(sys.argv[1]).infolist():\n"
                               "    print(i.filename, "
                               "hashlib.sha256(zipfile.ZipFile(sys.argv[1]).read(i)).hexdigest())"),
                path});
    return TestUtil::readFile(path);
}

} // namespace

class TestExportCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fx.initTestCase(); }
    void init();
    void cleanup() { fx.cleanup(); }

    void sameFileAsTheWindow_data();
    void sameFileAsTheWindow();
    void commandLineMistakes_data();
    void commandLineMistakes();
    void usedCountsOnlyWhenAsked();

private:
    QStringList exportArguments(const QString &format, const QString &target) const;

    TestUtil::WindowFixture fx;
    QString database;
};

void TestExportCommand::init()
{
    fx.init();
    // Twelve headwords of two sentences each, one sentence used already, so that the draw, the word
    // bank drawn from the database and every format have something to choose from.
    QByteArray lines;
    const QStringList words {QStringLiteral("apple"), QStringLiteral("bread"), QStringLiteral("castle"),
        QStringLiteral("dragon"), QStringLiteral("engine"), QStringLiteral("forest"),
        QStringLiteral("garden"), QStringLiteral("harbour"), QStringLiteral("island"),
        QStringLiteral("jacket"), QStringLiteral("kettle"), QStringLiteral("ladder")};
    for (int i = 0; i < words.size(); ++i) {
        const QString w = words.at(i);
        lines += (w
            + QStringLiteral("&&&{%1}The [%2] was near the café.&&&{0}We saw a [%2|%3s] today.\r\n")
                  .arg(i == 3 ? 2 : 0)
                  .arg(w, w))
                     .toUtf8();
    }
    database = TestUtil::writeFile(*fx.dir, QStringLiteral("Week words.lxv"), "\xEF\xBB\xBF" + lines);
}

QStringList TestExportCommand::exportArguments(const QString &format, const QString &target) const
{
    return {QStringLiteral("export"), database, QStringLiteral("--format"), format, QStringLiteral("-o"),
        target, QStringLiteral("--seed"), QString::number(Seed)};
}

void TestExportCommand::sameFileAsTheWindow_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("ending");
    QTest::addColumn<bool>("matching"); // the page's choice of matching, in its dialog and as --mode

    QTest::newRow("text") << "text"
                          << "actSentencesToClipboard"
                          << "" << false;
    QTest::newRow("rtf") << "rtf"
                         << "actSaveAsRTF"
                         << ".rtf" << false;
    QTest::newRow("xhtml") << "xhtml"
                           << "actSaveAsXHTML"
                           << ".htm" << false;
    QTest::newRow("pdf") << "pdf"
                         << "actSaveAsPDF"
                         << ".pdf" << false;
    QTest::newRow("interactive") << "interactive"
                                 << "actSaveAsInteractive"
                                 << ".html" << true;
    QTest::newRow("jmatch") << "jmatch"
                            << "actSaveAsJMatch"
                            << ".jmt" << false;
    QTest::newRow("jcloze") << "jcloze"
                            << "actSaveAsJCloze"
                            << ".jcl" << false;
    QTest::newRow("moodle-xml") << "moodle-xml"
                                << "actSaveAsMoodleXml"
                                << ".xml" << false;
    QTest::newRow("moodle-matching") << "moodle-matching"
                                     << "actSaveAsMoodleMatching"
                                     << ".xml" << false;
    QTest::newRow("gift") << "gift"
                          << "actSaveAsMoodleGift"
                          << ".txt" << false;
    QTest::newRow("h5p-blanks") << "h5p-blanks"
                                << "actSaveAsH5pBlanks"
                                << ".h5p" << false;
    QTest::newRow("h5p-drag") << "h5p-drag"
                              << "actSaveAsH5pDragText"
                              << ".h5p" << false;
    QTest::newRow("scorm") << "scorm"
                           << "actSaveAsScorm"
                           << ".zip" << false;
    QTest::newRow("anki") << "anki"
                          << "actSaveAsAnki"
                          << ".txt" << false;
    QTest::newRow("quizlet") << "quizlet"
                             << "actSaveAsQuizlet"
                             << ".txt" << false;
}

// The window draws ten sentences at random with the dialog's defaults and exports them with a typed
// title, the answer key and extra words; the command line asks for the same with the same seed.
void TestExportCommand::sameFileAsTheWindow()
{
    QFETCH(QString, format);
    QFETCH(QString, action);
    QFETCH(QString, ending);
    QFETCH(bool, matching);

    RandomSource::setSeedOverride(Seed);
    MainWindow::setCommandLineForTesting({QCoreApplication::applicationFilePath(), database});
    auto w = std::make_unique<MainWindow>();
    QCOMPARE(w->currentFile(), database);

    // Every dialog the commands open is answered: the page's choices and the random selection with
    // OK, each message box with No where it offers No (not to open the file), else OK.
    QStringList boxes;
    QTimer answerer;
    answerer.setInterval(0);
    connect(&answerer, &QTimer::timeout, this, [&boxes, matching] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            boxes.append(box->windowTitle());
            box->done(box->button(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok);
        } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
            if (matching) {
                if (auto *choice = dialog->findChild<QRadioButton *>(QStringLiteral("rdoMatching")))
                    choice->click();
                for (const char *name : {"chkReadAloud", "chkListening"})
                    if (auto *box = dialog->findChild<QCheckBox *>(QLatin1String(name)))
                        box->setChecked(true);
            }
            dialog->accept();
        }
    });
    answerer.start();
    TestUtil::child<QAction>(w.get(), "actRandomSentences")->trigger();
    QCOMPARE(w->outputEntries().size(), 10);

    TestUtil::child<QCheckBox>(w.get(), "chkAnswerKey")->setChecked(true);
    TestUtil::child<QLineEdit>(w.get(), "ledExerciseTitle")->setText(QStringLiteral("Week 3"));
    TestUtil::child<QPlainTextEdit>(w.get(), "pteExtraWords")->setPlainText(QStringLiteral("alpha, beta"));
    TestUtil::child<QSpinBox>(w.get(), "spbDatabaseWords")->setValue(2);
    const QString windowFile = fx.dir->filePath(QStringLiteral("window") + ending);
    if (!ending.isEmpty()) // the clipboard asks for no file
        ZelFileDialog::setNextFileName(windowFile);
    TestUtil::child<QAction>(w.get(), qPrintable(action))->trigger();
    answerer.stop();
    const QByteArray expected
        = ending.isEmpty() ? QGuiApplication::clipboard()->text().toUtf8() : TestUtil::readFile(windowFile);
    QVERIFY2(!expected.isEmpty(), qPrintable(boxes.join(QLatin1String(", "))));

    // The window holds the database's lock all the while: the command line only reads it.
    const QString cliFile
        = fx.dir->filePath(QStringLiteral("cli") + (ending.isEmpty() ? QStringLiteral(".txt") : ending));
    QStringList arguments = exportArguments(format, cliFile);
    arguments << QStringLiteral("--key") << QStringLiteral("--title") << QStringLiteral("Week 3")
              << QStringLiteral("--extra-words") << QStringLiteral("alpha, beta")
              << QStringLiteral("--database-words") << QStringLiteral("2");
    if (matching) {
        arguments << QStringLiteral("--mode") << QStringLiteral("matching") << QStringLiteral("--read-aloud")
                  << QStringLiteral("--listening");
        QVERIFY(expected.contains("\"listening\": true"));
    }
    const Run run = runProgram(arguments);
    QVERIFY2(run.status == 0, run.err.constData());
    const QByteArray written = TestUtil::readFile(cliFile);
    if (format == QLatin1String("pdf"))
        QVERIFY(comparable(format, cliFile).contains("Week 3"));
    if (written == expected)
        return;
    // What may differ between two runs of the program, the window's as much as the command line's: a
    // PDF's and a ZIP's time of making, and the order of an element's attributes, which QDomDocument
    // keeps in a hash seeded afresh in every process. All else must agree.
    QCOMPARE(comparable(format, cliFile), comparable(format, windowFile));
    QCOMPARE(written.size(), expected.size());
}

void TestExportCommand::commandLineMistakes_data()
{
    QTest::addColumn<QStringList>("arguments"); // after "export DATABASE"
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");

    QTest::newRow("unknown format") << QStringList {"--format", "doc", "-o", "out.doc"} << 2
                                    << "unknown format 'doc'";
    QTest::newRow("no output") << QStringList {"--format", "rtf"} << 2 << "no output file";
    QTest::newRow("sentences and list") << QStringList {"--format", "rtf", "-o", "out.rtf", "--sentences",
        "3", "--list", "list.txt"} << 2 << "--sentences and --list cannot be used together";
    QTest::newRow("unknown option") << QStringList {"--format", "rtf", "-o", "out.rtf", "--colour"} << 2
                                    << "Unknown option 'colour'";
    QTest::newRow("missing list") << QStringList {"--format", "rtf", "-o", "out.rtf", "--list", "none.txt"}
                                  << 1 << "cannot read the list";
    QTest::newRow("too many sentences") << QStringList {"--format", "rtf", "-o", "out.rtf", "--sentences",
        "13"} << 1 << "13 asked for, 12 can be drawn";
    QTest::newRow("unwritable output")
        << QStringList {"--format", "rtf", "-o", "no/such/folder/out.rtf"} << 1 << "cannot write";
    QTest::newRow("missing database")
        << QStringList {"--format", "rtf", "-o", "out.rtf", "--database", ""} << 1 << "cannot read";
    QTest::newRow("bad hints") << QStringList {"--format", "rtf", "-o", "out.rtf", "--hints", "first"} << 2
                               << "--hints is first-letter, letter-count or none, not 'first'";
    QTest::newRow("bad instruction language") << QStringList {"--format", "rtf", "-o", "out.rtf",
        "--instruction-language", "it"} << 2 << "--instruction-language is en, de, fr or es, not 'it'";
    QTest::newRow("help") << QStringList {"--help"} << 0 << "Usage: lexivane export DATABASE";
}

void TestExportCommand::commandLineMistakes()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);

    QString named = database;
    // The last row names a database that is not there (the option itself is only a marker).
    if (arguments.contains(QStringLiteral("--database"))) {
        arguments = arguments.mid(0, arguments.indexOf(QStringLiteral("--database")));
        named = fx.dir->filePath(QStringLiteral("none.lxv"));
    }
    for (QString &argument : arguments) {
        if (argument.contains(QLatin1Char('.')))
            argument = fx.dir->filePath(argument);
    }
    const Run run = runProgram(QStringList {QStringLiteral("export"), named} + arguments);
    QCOMPARE(run.status, status);
    const QString shown = QString::fromUtf8(status == 0 ? run.out : run.err);
    QVERIFY2(shown.contains(message), qPrintable(shown));
    if (status != 0)
        QVERIFY(run.out.isEmpty());
    QCOMPARE(QDir(fx.dir->path()).entryList(QDir::Files), QStringList {QStringLiteral("Week words.lxv")});
}

// Without --count-use the database is read, also while a window holds its lock, and left byte for
// byte; with it the command waits for no window: it takes the lock or says who holds it, and then
// writes the counts back. Either way the exercise the window keeps for the database stays as it was.
void TestExportCommand::usedCountsOnlyWhenAsked()
{
    {
        LxdSession window;
        QVERIFY(window.open(database, nullptr).ok());
        window.appendOutput({QStringLiteral("The [kept] one.")}, QStringLiteral("Use Sentences"));
    }
    const QByteArray kept = TestUtil::readFile(LxdSession::exerciseFile(database));
    QVERIFY(kept.contains("kept"));
    const QByteArray before = TestUtil::readFile(database);
    const QString target = fx.dir->filePath(QStringLiteral("sheet.rtf"));
    {
        LxdFileLock window = LxdFileLock::take(database);
        QVERIFY(window.isHeld());
        Run run = runProgram(exportArguments(QStringLiteral("rtf"), target));
        QVERIFY2(run.status == 0, run.err.constData());
        QVERIFY(QFileInfo::exists(target));
        QCOMPARE(TestUtil::readFile(database), before);

        run = runProgram(exportArguments(QStringLiteral("rtf"), target) << QStringLiteral("--count-use"));
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("is open in"), run.err.constData());
        QCOMPARE(TestUtil::readFile(database), before);
    }

    const Run run = runProgram(exportArguments(QStringLiteral("rtf"), target)
        << QStringLiteral("--sentences") << QStringLiteral("5") << QStringLiteral("--count-use"));
    QVERIFY2(run.status == 0, run.err.constData());
    LxdDatabase counted;
    QVERIFY(counted.loadText(database));
    int used = 0;
    for (int i = 0; i < counted.itemCount(); ++i) {
        for (int j = 0; j < counted.sentenceCount(i); ++j)
            used += counted.sentenceAt(i, j)->used();
    }
    QCOMPARE(used, 2 + 5);
    QVERIFY(!QFileInfo::exists(LxdFileLock::lockFileName(database)));
    QCOMPARE(TestUtil::readFile(LxdSession::exerciseFile(database)), kept);
}

QTEST_MAIN(TestExportCommand)
#include "tst_exportcommand.moc"
