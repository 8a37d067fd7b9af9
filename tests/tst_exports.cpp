// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "exercise/exerciseoptions.h"
#include "exercise/randomsource.h"
#include "support/modalanswerer.h"
#include "support/testutil.h"
#include "support/windowfixture.h"
#include "util/zelfiledialog.h"
#include "util/zelutils.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDomDocument>
#include <QListView>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QUrl>
#include <QXmlStreamReader>

#include <memory>

namespace {

// A message box as the user saw it.
struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    bool busyCursor = false;
};

const QString OpenQuestion = QStringLiteral("Do you want to open the saved file?");

QString xmlError(const QByteArray &bytes)
{
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd())
        reader.readNext();
    return reader.hasError() ? reader.errorString() : QString();
}

QDomDocument parsed(const QString &path)
{
    QDomDocument document;
    document.setContent(TestUtil::readFile(path));
    return document;
}

} // namespace

// One export's values, as the user meets them.
struct ExportCase
{
    QString slot;
    QString dialogTitle;
    QString filter;
    QString ending;
    QString templateName;
    QString saveFailureTitle;
    QString saveFailureText;
    QString openTitle;
    const char *button; // object names of the controls that run it
    const char *action;
};

class TestExports : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fx.initTestCase(); }
    void init() { fx.init(); }
    void cleanup() { fx.cleanup(); }

    void dialogEndingsAndOpenQuestion_data();
    void dialogEndingsAndOpenQuestion();
    void actionsRunTheExports_data();
    void actionsRunTheExports();
    void overwriteQuestion_data();
    void overwriteQuestion();
    void nothingWithoutOutputOrName_data();
    void nothingWithoutOutputOrName();
    void templateMissing_data();
    void templateMissing();
    void templateNotWellFormed_data();
    void templateNotWellFormed();
    void requiredElementMissing_data();
    void requiredElementMissing();
    void targetNotWritable_data();
    void targetNotWritable();
    void longerFileReplaced_data();
    void longerFileReplaced();
    void openAnsweredYes_data();
    void openAnsweredYes();

    void rtfContent();
    void rtfWithoutWordList();
    void xhtmlContent();
    void jmatchContent();
    void jmatchJumbledWithFixedSeed();
    void jmatchEntriesWithoutKeyWord_data();
    void jmatchEntriesWithoutKeyWord();
    void jclozeContent();
    void interactivePageFromTheWindow();
    void interactivePageTemplateWithoutExercise();
    void printPreviewOpensAtPageWidth();

private:
    static QList<ExportCase> exportCases();
    static void addExportRows(bool withRtf = true);
    static ExportCase exportCase(const QString &slot);
    std::unique_ptr<MainWindow> window(const QStringList &entries);
    // Runs one export through its button with the file dialog answered by `name`.
    void runExport(MainWindow &w, const ExportCase &kind, const QString &name,
        const QList<QMessageBox::StandardButton> &answers = {});
    void exportTo(MainWindow &w, const QString &slot, const QString &path);
    // Runs `command` with its message boxes answered by `answers` in turn and recorded in `seen`;
    // fails when a box more or fewer comes up.
    void answeringBoxes(
        const QList<QMessageBox::StandardButton> &answers, const std::function<void()> &command);

    // The message boxes of the last export, as the user saw them.
    QList<SeenBox> seen;
    TestUtil::WindowFixture fx;
    // No word processor or browser is ever started: the desktop opener only records.
    const QList<QUrl> &opened = fx.opened;
    QStringList twoEntries {QStringLiteral("He [went] home."), QStringLiteral("She [ate] an [apple].")};
};

QList<ExportCase> TestExports::exportCases()
{
    return {
        {QStringLiteral("RTF"), QStringLiteral("Save RTF file"), QStringLiteral("RTF files (*.rtf)"),
            QStringLiteral(".rtf"), QStringLiteral("rtf_exercise.rtf"),
            QStringLiteral("Problem saving RTF file"), QStringLiteral("Unable to save the RTF file to \n"),
            QStringLiteral("Open RTF file"), "btnExportRTF", "actSaveAsRTF"},
        {QStringLiteral("XHTML"), QStringLiteral("Save XHTML file"),
            QStringLiteral("Web page files (*.htm *.html *.xhtml)"), QStringLiteral(".htm"),
            QStringLiteral("xhtml_exercise.htm"), QStringLiteral("Problem saving XHTML file"),
            QStringLiteral("Unable to save the XHTML file to \n"), QStringLiteral("Open XHTML file"),
            "btnExportXHTML", "actSaveAsXHTML"},
        {QStringLiteral("JMatch"), QStringLiteral("Save JMatch file"), QStringLiteral("JMatch files (*.jmt)"),
            QStringLiteral(".jmt"), QStringLiteral("jmatch_exercise.jmt"),
            QStringLiteral("Problem saving JMatch file"),
            QStringLiteral("Unable to save the JMatch file to \n"), QStringLiteral("Open JMatch file"),
            "btnExportJMatch", "actSaveAsJMatch"},
        {QStringLiteral("JCloze"), QStringLiteral("Save JCloze file"), QStringLiteral("JCloze files (*.jcl)"),
            QStringLiteral(".jcl"), QStringLiteral("jcloze_exercise.jcl"),
            QStringLiteral("Problem saving JCloze file"),
            QStringLiteral("Unable to save the JCloze file to \n"), QStringLiteral("Open JCloze file"),
            "btnExportJCloze", "actSaveAsJCloze"},
    };
}

ExportCase TestExports::exportCase(const QString &slot)
{
    for (const ExportCase &kind : exportCases()) {
        if (kind.slot == slot)
            return kind;
    }
    qFatal("no export %s", qPrintable(slot));
}

void TestExports::addExportRows(bool withRtf)
{
    QTest::addColumn<QString>("slot");
    for (const ExportCase &kind : exportCases()) {
        if (withRtf || kind.slot != QLatin1String("RTF"))
            QTest::newRow(qPrintable(kind.slot)) << kind.slot;
    }
}

std::unique_ptr<MainWindow> TestExports::window(const QStringList &entries)
{
    auto w = fx.window(false);
    w->lxdSession()->appendOutput(entries, QString());
    QMetaObject::invokeMethod(w.get(), "updateOutputCount");
    TestUtil::child<QCheckBox>(w.get(), "chkJumbleOrder")->setChecked(false);
    return w;
}

void TestExports::runExport(MainWindow &w, const ExportCase &kind, const QString &name,
    const QList<QMessageBox::StandardButton> &answers)
{
    ZelFileDialog::setNextFileName(name);
    QPushButton *button = TestUtil::child<QPushButton>(&w, kind.button);
    QVERIFY(button->isEnabled());
    answeringBoxes(answers, [button] { button->click(); });
    QCOMPARE(ZelFileDialog::lastRequest().kind, ZelFileDialog::Save);
    QCOMPARE(ZelFileDialog::lastRequest().caption, kind.dialogTitle);
}

void TestExports::answeringBoxes(
    const QList<QMessageBox::StandardButton> &answers, const std::function<void()> &command)
{
    seen.clear();
    TestUtil::ModalAnswerer answerer;
    for (QMessageBox::StandardButton answer : answers) {
        answerer.then([this, answer](QWidget *dialog) {
            auto *box = qobject_cast<QMessageBox *>(dialog);
            QVERIFY(box);
            SeenBox s;
            s.title = box->windowTitle();
            s.text = box->text();
            s.buttons = box->standardButtons();
            if (box->defaultButton())
                s.defaultButton = box->standardButton(box->defaultButton());
            s.busyCursor = QApplication::overrideCursor() != nullptr;
            seen.append(s);
            box->button(answer)->click();
        });
    }
    command();
    QCOMPARE(answerer.unexpected(), QStringList());
    QCOMPARE(answerer.pending(), 0);
}

void TestExports::exportTo(MainWindow &w, const QString &slot, const QString &path)
{
    runExport(w, exportCase(slot), path, {QMessageBox::No});
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.first().text, OpenQuestion);
}

void TestExports::dialogEndingsAndOpenQuestion_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");

    QTest::newRow("RTF without ending") << "RTF"
                                        << "exercise"
                                        << "exercise.rtf";
    QTest::newRow("RTF in capitals") << "RTF"
                                     << "exercise.RTF"
                                     << "exercise.RTF.rtf";
    QTest::newRow("RTF with ending") << "RTF"
                                     << "exercise.rtf"
                                     << "exercise.rtf";
    QTest::newRow("XHTML .htm") << "XHTML"
                                << "page.htm"
                                << "page.htm";
    QTest::newRow("XHTML .html") << "XHTML"
                                 << "page.html"
                                 << "page.html";
    QTest::newRow("XHTML .xhtml") << "XHTML"
                                  << "page.xhtml"
                                  << "page.xhtml";
    QTest::newRow("XHTML .txt") << "XHTML"
                                << "page.txt"
                                << "page.txt.htm";
    QTest::newRow("JMatch without ending") << "JMatch"
                                           << "match"
                                           << "match.jmt";
    QTest::newRow("JMatch with ending") << "JMatch"
                                        << "match.jmt"
                                        << "match.jmt";
    QTest::newRow("JMatch other ending") << "JMatch"
                                         << "match.jcl"
                                         << "match.jcl.jmt";
    QTest::newRow("JCloze without ending") << "JCloze"
                                           << "cloze"
                                           << "cloze.jcl";
    QTest::newRow("JCloze with ending") << "JCloze"
                                        << "cloze.jcl"
                                        << "cloze.jcl";
}

void TestExports::dialogEndingsAndOpenQuestion()
{
    QFETCH(QString, slot);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    const ExportCase kind = exportCase(slot);

    auto w = window(twoEntries);
    const QString startFolder = w->lastExportFolder(kind.action);
    QVERIFY(!startFolder.isEmpty());
    QVERIFY(QDir().mkpath(fx.dir->filePath(QStringLiteral("out"))));
    runExport(*w, kind, fx.dir->filePath(QStringLiteral("out/") + typed), {QMessageBox::No});

    const ZelFileDialog::Request request = ZelFileDialog::lastRequest();
    QCOMPARE(request.dir, startFolder);
    QCOMPARE(request.filter, kind.filter);

    // The file is written under its settled name only, and the one box is the offer to open it,
    // shown without the busy cursor, Yes by default.
    QVERIFY(QFileInfo(fx.dir->filePath(QStringLiteral("out/") + written)).size() > 0);
    QCOMPARE(QDir(fx.dir->filePath(QStringLiteral("out"))).entryList(QDir::Files), QStringList {written});
    QCOMPARE(seen.size(), 1);
    const SeenBox box = seen.first();
    QCOMPARE(box.title, kind.openTitle);
    QCOMPARE(box.text, OpenQuestion);
    QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.defaultButton, QMessageBox::Yes);
    QVERIFY(!box.busyCursor);
    QVERIFY(opened.isEmpty());

    // The next dialog of this export starts in the folder of the file just written.
    const QString outFolder = QFileInfo(fx.dir->filePath(QStringLiteral("out"))).absoluteFilePath();
    QCOMPARE(w->lastExportFolder(kind.action), outFolder);
    runExport(*w, kind, QString());
    QCOMPARE(ZelFileDialog::lastRequest().dir, outFolder);
    QVERIFY(seen.isEmpty());
}

void TestExports::actionsRunTheExports_data()
{
    addExportRows();
}

void TestExports::actionsRunTheExports()
{
    QFETCH(QString, slot);
    const ExportCase kind = exportCase(slot);
    auto w = window(twoEntries);
    const QString target = fx.dir->filePath(QStringLiteral("viaMenu") + kind.ending);
    ZelFileDialog::setNextFileName(target);
    QAction *action = TestUtil::child<QAction>(w.get(), kind.action);
    QVERIFY(action->isEnabled());
    answeringBoxes({QMessageBox::No}, [action] { action->trigger(); });
    QCOMPARE(ZelFileDialog::lastRequest().caption, kind.dialogTitle);
    QVERIFY(QFileInfo::exists(target));
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.first().title, kind.openTitle);
}

void TestExports::overwriteQuestion_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<bool>("typedWithEnding");
    QTest::addColumn<bool>("overwrite");
    for (const ExportCase &kind : exportCases()) {
        QTest::addRow("%s, answered No", qPrintable(kind.slot)) << kind.slot << false << false;
        QTest::addRow("%s, answered Yes", qPrintable(kind.slot)) << kind.slot << false << true;
        QTest::addRow("%s, typed with ending", qPrintable(kind.slot)) << kind.slot << true << true;
    }
}

void TestExports::overwriteQuestion()
{
    QFETCH(QString, slot);
    QFETCH(bool, typedWithEnding);
    QFETCH(bool, overwrite);
    const ExportCase kind = exportCase(slot);

    const QByteArray old = "the old file";
    const QString path = TestUtil::writeFile(*fx.dir, QStringLiteral("exercise") + kind.ending, old);
    auto w = window(twoEntries);
    const QString typed = typedWithEnding ? path : fx.dir->filePath(QStringLiteral("exercise"));
    const QList<QMessageBox::StandardButton> answers = typedWithEnding ? QList {QMessageBox::No}
        : overwrite ? QList {QMessageBox::Yes, QMessageBox::No}
                    : QList {QMessageBox::No};
    runExport(*w, kind, typed, answers);

    QStringList titles;
    for (const SeenBox &box : std::as_const(seen))
        titles.append(box.title);
    if (typedWithEnding) {
        // The file dialog has asked already.
        QCOMPARE(titles, QStringList {kind.openTitle});
    } else {
        const SeenBox question = seen.first();
        QCOMPARE(question.title, QStringLiteral("Overwrite file?"));
        QCOMPARE(question.text,
            QStringLiteral("This file already exists. Are you sure you want to overwrite it?"));
        QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
        QVERIFY(!question.busyCursor);
        QCOMPARE(titles.size(), overwrite ? 2 : 1);
    }
    QCOMPARE(TestUtil::readFile(path) == old, !overwrite);
    QCOMPARE(QDir(fx.dir->path()).entryList(QDir::Files).size(), 1);
}

void TestExports::nothingWithoutOutputOrName_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<bool>("withOutput");
    for (const ExportCase &kind : exportCases()) {
        QTest::addRow("%s, empty output list", qPrintable(kind.slot)) << kind.slot << false;
        QTest::addRow("%s, dialog cancelled", qPrintable(kind.slot)) << kind.slot << true;
    }
}

void TestExports::nothingWithoutOutputOrName()
{
    QFETCH(QString, slot);
    QFETCH(bool, withOutput);
    const ExportCase kind = exportCase(slot);
    auto w = window(withOutput ? twoEntries : QStringList());
    const QString folder = w->lastExportFolder(kind.action);
    if (withOutput)
        ZelFileDialog::setNextFileName(QString());
    // With an empty list the command is disabled: triggering it does nothing.
    answeringBoxes({}, [&w, &kind] { TestUtil::child<QAction>(w.get(), kind.action)->trigger(); });
    QCOMPARE(ZelFileDialog::requestCount(), withOutput ? 1 : 0);
    QVERIFY(seen.isEmpty());
    QCOMPARE(w->lastExportFolder(kind.action), folder);
    QVERIFY(QDir(fx.dir->path()).isEmpty());
}

void TestExports::templateMissing_data()
{
    addExportRows();
}

void TestExports::templateMissing()
{
    QFETCH(QString, slot);
    const ExportCase kind = exportCase(slot);
    QVERIFY(QDir().mkpath(fx.dir->filePath(QStringLiteral("noTemplates"))));
    MainWindow::setTemplateFolderForTesting(fx.dir->filePath(QStringLiteral("noTemplates")));

    auto w = window(twoEntries);
    const QString target = fx.dir->filePath(QStringLiteral("exercise") + kind.ending);
    runExport(*w, kind, target, {QMessageBox::Ok});

    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.first().title, QStringLiteral("Template file missing"));
    QCOMPARE(seen.first().text,
        QStringLiteral("Unable to load the template file from \n")
            + fx.dir->filePath(QStringLiteral("noTemplates/")) + kind.templateName);
    QCOMPARE(seen.first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(!seen.first().busyCursor);
    QVERIFY(!QFileInfo::exists(target));
    // The folder was taken before the template failed.
    QCOMPARE(w->lastExportFolder(kind.action), QFileInfo(fx.dir->path()).absoluteFilePath());
}

void TestExports::templateNotWellFormed_data()
{
    addExportRows(false);
}

void TestExports::templateNotWellFormed()
{
    QFETCH(QString, slot);
    const ExportCase kind = exportCase(slot);
    MainWindow::setTemplateFolderForTesting(fx.dir->path());
    const QString templatePath = TestUtil::writeFile(
        *fx.dir, kind.templateName, "<html><body><div id=\"content\"><matching-exercise><gap-fill></body>");

    auto w = window(twoEntries);
    const QString target = fx.dir->filePath(QStringLiteral("exercise") + kind.ending);
    runExport(*w, kind, target, {QMessageBox::Ok});

    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.first().title, QStringLiteral("Problem loading template file"));
    QCOMPARE(seen.first().text, QStringLiteral("Unable to load the template file from \n") + templatePath);
    QVERIFY(!seen.first().busyCursor);
    QVERIFY(!QFileInfo::exists(target));
}

void TestExports::requiredElementMissing_data()
{
    addExportRows(false);
}

void TestExports::requiredElementMissing()
{
    QFETCH(QString, slot);
    const ExportCase kind = exportCase(slot);
    MainWindow::setTemplateFolderForTesting(fx.dir->path());
    // Well-formed, and holding every element but the one this export needs.
    QByteArray content = "<root><div id=\"content\"/><matching-exercise/><gap-fill/></root>";
    if (slot == QLatin1String("XHTML"))
        content.replace("id=\"content\"", "id=\"wordList\"");
    else if (slot == QLatin1String("JMatch"))
        content.replace("<matching-exercise/>", "<matching/>");
    else
        content.replace("<gap-fill/>", "<gapfill/>");
    const QString templatePath = TestUtil::writeFile(*fx.dir, kind.templateName, content);

    auto w = window(twoEntries);
    const QString target = fx.dir->filePath(QStringLiteral("exercise") + kind.ending);
    runExport(*w, kind, target, {QMessageBox::Ok});

    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.first().title, QStringLiteral("Problem with template file"));
    QCOMPARE(
        seen.first().text, QStringLiteral("This template file appears to be corrupted: \n") + templatePath);
    QVERIFY(!seen.first().busyCursor);
    QVERIFY(!QFileInfo::exists(target));
}

void TestExports::targetNotWritable_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<bool>("folderMissing");
    for (const ExportCase &kind : exportCases()) {
        QTest::addRow("%s, folder missing", qPrintable(kind.slot)) << kind.slot << true;
        QTest::addRow("%s, name taken by a folder", qPrintable(kind.slot)) << kind.slot << false;
    }
}

void TestExports::targetNotWritable()
{
    QFETCH(QString, slot);
    QFETCH(bool, folderMissing);
    const ExportCase kind = exportCase(slot);
    const QString target = folderMissing ? fx.dir->filePath(QStringLiteral("missing/exercise") + kind.ending)
                                         : fx.dir->filePath(QStringLiteral("taken") + kind.ending);
    if (!folderMissing)
        QVERIFY(QDir().mkpath(target));

    auto w = window(twoEntries);
    runExport(*w, kind, target, {QMessageBox::Ok});

    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.first().title, kind.saveFailureTitle);
    // The file, then the system's reason.
    QCOMPARE(seen.first().text.section(QLatin1Char('\n'), 0, -2), kind.saveFailureText + target);
    QVERIFY(!seen.first().text.section(QLatin1Char('\n'), -1).isEmpty());
    QVERIFY(!seen.first().busyCursor);
    QVERIFY(folderMissing ? !QFileInfo::exists(target) : QFileInfo(target).isDir());
    QVERIFY(opened.isEmpty());
}

void TestExports::longerFileReplaced_data()
{
    addExportRows();
}

void TestExports::longerFileReplaced()
{
    QFETCH(QString, slot);
    const ExportCase kind = exportCase(slot);
    const QByteArray old(200000, 'x');
    const QString path = TestUtil::writeFile(*fx.dir, QStringLiteral("exercise") + kind.ending, old);

    auto w = window(twoEntries);
    exportTo(*w, slot, path);
    const QByteArray first = TestUtil::readFile(path);
    QVERIFY(!first.contains('x' + QByteArray(50, 'x')));

    w->lxdSession()->removeOutput({1});
    exportTo(*w, slot, path);
    const QByteArray second = TestUtil::readFile(path);
    QVERIFY(second.size() < first.size());
    QVERIFY(second.contains("went"));
    QVERIFY(!second.contains("apple"));
}

void TestExports::openAnsweredYes_data()
{
    addExportRows();
}

void TestExports::openAnsweredYes()
{
    QFETCH(QString, slot);
    const ExportCase kind = exportCase(slot);
    auto w = window(twoEntries);
    runExport(*w, kind, fx.dir->filePath(QStringLiteral("exercise")), {QMessageBox::Yes});
    const QString written = fx.dir->filePath(QStringLiteral("exercise") + kind.ending);
    QVERIFY(QFileInfo::exists(written));
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened.first().toLocalFile(), written);
}

void TestExports::rtfContent()
{
    auto w = window({QStringLiteral("He [went] home."), QStringLiteral("She [ate] an [apple]."),
        QStringLiteral("\u00c7a [co\u00fbte] {5} \u20ac \\ \U0001F600.")});
    const QString path = fx.dir->filePath(QStringLiteral("exercise.rtf"));
    exportTo(*w, QStringLiteral("RTF"), path);

    const QByteArray rtf = TestUtil::readFile(path);
    const QByteArray rtfTemplate
        = TestUtil::readFile(ZelUtils::dataPath(QStringLiteral("templates/rtf_exercise.rtf")));
    QVERIFY(rtf.startsWith(rtfTemplate.left(rtfTemplate.indexOf("[strWords]"))));
    QVERIFY(rtf.endsWith(rtfTemplate.mid(rtfTemplate.indexOf("[strQuestions]") + 14)));
    QVERIFY(rtf.contains("\nwent   ate   apple   co\\u251?te\\par}"));
    QVERIFY(rtf.contains(
        "\\par\\par\n1. He [__________] home.\\par\\par\n2. She [__________] an [__________]."
        "\\par\\par\n3. \\u199?a [__________] \\{5\\} \\u8364? \\\\ \\u-10179?\\u-8704?.\\par}"));
    for (char c : rtf)
        QVERIFY(uchar(c) < 0x80);
}

void TestExports::rtfWithoutWordList()
{
    auto w = window(twoEntries);
    TestUtil::child<QCheckBox>(w.get(), "chkIncludeWordList")->setChecked(false);
    TestUtil::child<QCheckBox>(w.get(), "chkGapWords")->setChecked(false);
    TestUtil::child<QCheckBox>(w.get(), "chkIncludeQNums")->setChecked(false);
    const QString path = fx.dir->filePath(QStringLiteral("exercise.rtf"));
    exportTo(*w, QStringLiteral("RTF"), path);
    const QByteArray rtf = TestUtil::readFile(path);
    const QByteArray rtfTemplate
        = TestUtil::readFile(ZelUtils::dataPath(QStringLiteral("templates/rtf_exercise.rtf")));
    QByteArray expected = rtfTemplate;
    expected.replace("[strWords]", "\n");
    expected.replace("[strQuestions]", "\\par\\par\nHe [went] home.\\par\\par\nShe [ate] an [apple].");
    QCOMPARE(rtf, expected);
}

void TestExports::xhtmlContent()
{
    auto w = window({QStringLiteral("He [went] home."), QStringLiteral("Tom & [Jerry] <3")});
    TestUtil::child<QCheckBox>(w.get(), "chkIncludeQNums")->setChecked(false);
    const QString path = fx.dir->filePath(QStringLiteral("page.html"));
    exportTo(*w, QStringLiteral("XHTML"), path);

    const QByteArray bytes = TestUtil::readFile(path);
    QCOMPARE(xmlError(bytes), QString());
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE html PUBLIC"));
    QVERIFY(bytes.contains("<li>Tom &amp; [__________] &lt;3</li>"));
    const QDomDocument page = parsed(path);
    const QDomNodeList lists = page.elementsByTagName(QStringLiteral("ul"));
    QCOMPARE(lists.size(), 1);
    QCOMPARE(
        lists.item(0).parentNode().toElement().attribute(QStringLiteral("id")), QStringLiteral("content"));
    const QDomNodeList items = page.elementsByTagName(QStringLiteral("li"));
    QCOMPARE(items.size(), 2);
    QCOMPARE(items.item(0).toElement().text(), QStringLiteral("He [__________] home."));
    QCOMPARE(items.item(1).toElement().text(), QStringLiteral("Tom & [__________] <3"));
    QCOMPARE(page.elementsByTagName(QStringLiteral("ol")).size(), 0);

    QString words;
    const QDomNodeList divs = page.elementsByTagName(QStringLiteral("div"));
    for (int i = 0; i < divs.size(); ++i) {
        if (divs.item(i).toElement().attribute(QStringLiteral("id")) == QLatin1String("wordList"))
            words = divs.item(i).toElement().text();
    }
    QVERIFY(words == QStringLiteral("\u200b  went  Jerry") || words == QStringLiteral("\u200b  Jerry  went"));
}

void TestExports::jmatchContent()
{
    auto w = window(twoEntries);
    const QString path = fx.dir->filePath(QStringLiteral("match.jmt"));
    exportTo(*w, QStringLiteral("JMatch"), path);

    const QByteArray bytes = TestUtil::readFile(path);
    QCOMPARE(xmlError(bytes), QString());
    QVERIFY(bytes.contains("<hotpot-jmatch-file>"));
    QVERIFY(bytes.contains("<version>6</version>"));
    const QDomNodeList pairs = parsed(path).elementsByTagName(QStringLiteral("pair"));
    QCOMPARE(pairs.size(), 2);
    const QStringList left {
        QStringLiteral("1. He [__________] home."), QStringLiteral("2. She [__________] an [__________].")};
    const QStringList right {QStringLiteral("went"), QStringLiteral("ate, apple")};
    for (int i = 0; i < 2; ++i) {
        const QDomElement pair = pairs.item(i).toElement();
        QCOMPARE(pair.parentNode().nodeName(), QStringLiteral("matching-exercise"));
        const QDomElement l = pair.firstChildElement(QStringLiteral("left-item"));
        const QDomElement r = pair.firstChildElement(QStringLiteral("right-item"));
        QCOMPARE(l.firstChildElement(QStringLiteral("text")).text(), left.at(i));
        QCOMPARE(l.firstChildElement(QStringLiteral("fixed")).text(), QStringLiteral("1"));
        QCOMPARE(r.firstChildElement(QStringLiteral("text")).text(), right.at(i));
        QCOMPARE(r.firstChildElement(QStringLiteral("fixed")).text(), QStringLiteral("0"));
    }
}

void TestExports::jmatchJumbledWithFixedSeed()
{
    QStringList entries;
    for (int i = 0; i < 6; ++i)
        entries.append(QStringLiteral("Row %1 [k%1].").arg(i));
    const quint32 seed = 31337;
    RandomSource::setSeedOverride(seed);
    auto w = window(entries);
    TestUtil::child<QCheckBox>(w.get(), "chkJumbleOrder")->setChecked(true);
    const QString path = fx.dir->filePath(QStringLiteral("match.jmt"));
    exportTo(*w, QStringLiteral("JMatch"), path);

    QList<int> order {0, 1, 2, 3, 4, 5};
    RandomSource random(seed);
    ExerciseBuilder::jumble(order, random);
    const QDomNodeList pairs = parsed(path).elementsByTagName(QStringLiteral("pair"));
    QCOMPARE(pairs.size(), 6);
    for (int i = 0; i < 6; ++i) {
        const QDomElement pair = pairs.item(i).toElement();
        QCOMPARE(pair.firstChildElement(QStringLiteral("left-item"))
                     .firstChildElement(QStringLiteral("text"))
                     .text(),
            QStringLiteral("%1. Row %2 [__________].").arg(i + 1).arg(order.at(i)));
        QCOMPARE(pair.firstChildElement(QStringLiteral("right-item"))
                     .firstChildElement(QStringLiteral("text"))
                     .text(),
            QStringLiteral("k%1").arg(order.at(i)));
    }
}

void TestExports::jmatchEntriesWithoutKeyWord_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("pairs");
    QTest::addColumn<QString>("status");
    QTest::addRow("one left out") << QStringList {QStringLiteral("No key."),
        QStringLiteral("He [went] home.")}
                                  << 1
                                  << QStringLiteral("1 entry without a key word was left out of the pairs.");
    QTest::addRow("two left out") << QStringList {QStringLiteral("No key."),
        QStringLiteral("He [went] home."), QStringLiteral("Empty [].")}
                                  << 1
                                  << QStringLiteral(
                                         "2 entries without a key word were left out of the pairs.");
    QTest::addRow("none left") << QStringList {QStringLiteral("No key."), QStringLiteral("Empty [].")} << 0
                               << QString();
}

void TestExports::jmatchEntriesWithoutKeyWord()
{
    QFETCH(QStringList, entries);
    QFETCH(int, pairs);
    QFETCH(QString, status);
    auto w = window(entries);
    const QString path = fx.dir->filePath(QStringLiteral("match.jmt"));
    if (pairs > 0) {
        exportTo(*w, QStringLiteral("JMatch"), path);
        QCOMPARE(parsed(path).elementsByTagName(QStringLiteral("pair")).size(), pairs);
        QCOMPARE(w->statusBar()->currentMessage(), status);
        return;
    }
    answeringBoxes(
        {QMessageBox::Ok}, [&w] { TestUtil::child<QPushButton>(w.get(), "btnExportJMatch")->click(); });
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.first().title, QStringLiteral("Nothing to match"));
    QCOMPARE(ZelFileDialog::requestCount(), 0);
    QVERIFY(!QFileInfo::exists(path));
}

void TestExports::jclozeContent()
{
    auto w = window({QStringLiteral("She [ate] an [apple]."), QStringLiteral("3 > 2")});
    TestUtil::child<QCheckBox>(w.get(), "chkBracketWords")->setChecked(false);
    const QString path = fx.dir->filePath(QStringLiteral("cloze.jcl"));
    exportTo(*w, QStringLiteral("JCloze"), path);

    const QByteArray bytes = TestUtil::readFile(path);
    QCOMPARE(xmlError(bytes), QString());
    QVERIFY(bytes.contains("<hotpot-jcloze-file>"));
    QVERIFY(bytes.contains("<version>6</version>"));
    const QByteArray record
        = "<question-record><question></question><answer><text>%1</text><feedback></feedback>"
          "<correct>1</correct></answer><clue></clue></question-record>";
    QVERIFY(bytes.contains("<gap-fill>&lt;ol&gt;\n&lt;li&gt;She " + QByteArray(record).replace("%1", "ate")
        + " an " + QByteArray(record).replace("%1", "apple")
        + ".&lt;/li&gt;\n&lt;li&gt;3 &amp;#x0026;GT; 2&lt;/li&gt;\n&lt;/ol&gt;</gap-fill>"));
    QCOMPARE(parsed(path).elementsByTagName(QStringLiteral("question-record")).size(), 2);
}

// A whole page in the preview is too small to read: it opens at the page's width.
void TestExports::printPreviewOpensAtPageWidth()
{
    auto w = window(twoEntries);
    TestUtil::ModalAnswerer answerer;
    QPrintPreviewWidget::ZoomMode mode = QPrintPreviewWidget::FitInView;
    answerer.then([&mode](QWidget *dialog) {
        mode = dialog->findChild<QPrintPreviewWidget *>()->zoomMode();
        qobject_cast<QDialog *>(dialog)->reject();
    });
    w->findChild<QAction *>(QStringLiteral("actPrint"))->trigger();
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(mode, QPrintPreviewWidget::FitToWidth);
}

void TestExports::interactivePageFromTheWindow()
{
    const QString arabic = QStringLiteral("\u0630\u0647\u0628 [\u0627\u0644\u0648\u0644\u062f].");
    auto w = window({twoEntries.at(0), arabic});
    TestUtil::child<QCheckBox>(w.get(), "chkIncludeWordList")->setChecked(false);

    // The page's choices come first; drop-down gaps need the word list, so they are not offered.
    TestUtil::ModalAnswerer answerer;
    bool dropDownsOffered = true;
    answerer.then([&dropDownsOffered](QWidget *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Interactive web page"));
        dropDownsOffered = dialog->findChild<QCheckBox *>(QStringLiteral("chkDropDowns"))->isEnabled();
        dialog->findChild<QRadioButton *>(QStringLiteral("rdoMatching"))->click();
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    answerer.press(QMessageBox::No);
    ZelFileDialog::setNextFileName(fx.dir->filePath(QStringLiteral("page")));
    w->findChild<QPushButton *>(QStringLiteral("btnExportInteractive"))->click();
    QCOMPARE(answerer.unexpected(), QStringList());
    QCOMPARE(answerer.pending(), 0);
    QVERIFY(!dropDownsOffered);
    QCOMPARE(ZelFileDialog::lastRequest().caption, QStringLiteral("Save interactive web page"));
    QCOMPARE(ZelFileDialog::lastRequest().filter, QStringLiteral("Web page files (*.html *.htm)"));
    QCOMPARE(answerer.seen().last(),
        QStringLiteral("Open interactive web page|") + OpenQuestion + QLatin1Char('|'));
    QCOMPARE(w->lastExportFolder("actSaveAsInteractive"), fx.dir->path());

    const QByteArray page = TestUtil::readFile(fx.dir->filePath(QStringLiteral("page.html")));
    QVERIFY(page.startsWith("<!DOCTYPE html>"));
    QVERIFY(page.contains("\"mode\": \"matching\""));
    QVERIFY(page.contains(arabic.mid(5, 5).toUtf8()));

    // The dialog remembers the choice; cancelling it ends the command before the file dialog.
    bool matchingKept = false;
    answerer.then([&matchingKept](QWidget *dialog) {
        matchingKept = dialog->findChild<QRadioButton *>(QStringLiteral("rdoMatching"))->isChecked();
        qobject_cast<QDialog *>(dialog)->reject();
    });
    ZelFileDialog::reset();
    w->findChild<QAction *>(QStringLiteral("actSaveAsInteractive"))->trigger();
    QCOMPARE(answerer.pending(), 0);
    QVERIFY(matchingKept);
    QCOMPARE(ZelFileDialog::lastRequest().caption, QString());
}

void TestExports::interactivePageTemplateWithoutExercise()
{
    MainWindow::setTemplateFolderForTesting(fx.dir->path());
    const QString templatePath
        = TestUtil::writeFile(*fx.dir, QStringLiteral("interactive_exercise.html"), "<p>[strTitle]</p>");
    auto w = window(twoEntries);
    TestUtil::ModalAnswerer answerer;
    answerer.then([](QWidget *dialog) { qobject_cast<QDialog *>(dialog)->accept(); });
    answerer.press(QMessageBox::Ok);
    const QString target = fx.dir->filePath(QStringLiteral("page.htm"));
    ZelFileDialog::setNextFileName(target);
    w->findChild<QPushButton *>(QStringLiteral("btnExportInteractive"))->click();
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(answerer.seen().last(),
        QStringLiteral("Problem with template file|This template file appears to be corrupted: \n")
            + templatePath + QLatin1Char('|'));
    QVERIFY(!QFileInfo::exists(target));
}

QTEST_MAIN(TestExports)
#include "tst_exports.moc"
