// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise's two languages: the database's, kept with the database in both file forms and marked on
// the sentences of every export that has a place for it, and the instruction language of the texts
// around them.
#include "app/mainwindow.h"
#include "data/languagetag.h"
#include "data/linefile.h"
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/xmlfastreader.h"
#include "document/lxddocument.h"
#include "document/lxdsession.h"
#include "exercise/exportformats.h"
#include "exercise/instructionlanguage.h"
#include "exercise/templatefill.h"
#include "support/testutil.h"
#include "support/windowfixture.h"
#include "util/zelutils.h"

#include <QAction>
#include <QComboBox>
#include <QDomDocument>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <QUndoStack>
#include <QUrl>

namespace {

const QByteArray Bom("\xEF\xBB\xBF");

// Two headwords, one without sentences, and a short one that older readers still take.
void fill(LxdDatabase &db)
{
    for (const char *line : {"cat&&&{2}The [cat] sat.&&&{0}A [cat] ran.", "ox", "dog&&&{1}The [dog] ran."}) {
        LxdItem *item = db.addItem();
        item->readFileLine(QString::fromUtf8(line));
    }
}

QStringList headwords(const LxdDatabase &db)
{
    QStringList list;
    for (int i = 0; i < db.itemCount(); ++i)
        list.append(db.headword(i));
    return list;
}

// What a program runs to read a file: its standard output, and whether it ended well.
QByteArray run(const QString &program, const QStringList &arguments, bool *ok = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(180000);
    if (ok)
        *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return process.readAllStandardOutput();
}

// One entry of a ZIP archive, as Python's reader gives it.
QByteArray zipEntry(const QByteArray &archive, const QString &name)
{
    QTemporaryDir dir;
    const QString path = TestUtil::writeFile(dir, QStringLiteral("file.zip"), archive);
    return run(QStringLiteral("python3"),
        {QStringLiteral("-c"),
            QStringLiteral(
                "import sys, "
                "zipfile\nsys.stdout.buffer.write(zipfile.ZipFile(sys.argv[1]).read(sys.argv[2]))"),
            path, name});
}

ExportResult render(const char *format, const QString &language, const QString &instructions = QString())
{
    ExerciseOptions options;
    options.jumbleOrder = false;
    options.answerKey = true;
    options.instructionLanguage = instructions;
    ExerciseRequest request {{QStringLiteral("He [went] home."), QStringLiteral("She [ate] an [apple].")},
        options, 7u, QString(), QString(), QString(), 0};
    request.language = language;
    const ExportFormat *kind = ExportFormats::find(QLatin1String(format));
    const ExerciseModel model = ExportFormats::exerciseModel(request, nullptr);
    return ExportFormats::render(*kind, model, ExportSettings(),
        kind->templateName
            ? TestUtil::sourcePath(QLatin1String("share/templates/") + QLatin1String(kind->templateName))
            : QString());
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fx.initTestCase(); }
    void init() { fx.init(); }
    void cleanup() { fx.cleanup(); }
    void languageTags_data();
    void languageTags();
    void lineFileKeepsTheLanguage_data();
    void lineFileKeepsTheLanguage();
    void olderReadersSeeNoLanguageLine();
    void xmlKeepsTheLanguage_data();
    void xmlKeepsTheLanguage();
    void languageIsOneStepToUndo();
    void exportsMarkTheSentences();
    void pdfCarriesItsLanguage();
    void instructionsInAnotherLanguage();
    void sessionKeepsTheInstructionLanguage();
    void windowSetsBothLanguages();

private:
    TestUtil::WindowFixture fx;
};

void TestLanguage::languageTags_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("tag"); // empty: not a tag
    QTest::addColumn<int>("lcid");
    QTest::newRow("British") << "en-GB"
                             << "en-GB" << 2057;
    QTest::newRow("American, any case") << "EN-us"
                                        << "en-US" << 1033;
    QTest::newRow("Canadian, blanks") << " en-CA "
                                      << "en-CA" << 4105;
    QTest::newRow("German") << "de-DE"
                            << "de-DE" << 1031;
    QTest::newRow("French") << "fr-FR"
                            << "fr-FR" << 1036;
    QTest::newRow("Spanish") << "es-ES"
                             << "es-ES" << 3082;
    QTest::newRow("region unknown to the table") << "en-IN"
                                                 << "en-IN" << 1033;
    QTest::newRow("language alone") << "de"
                                    << "de" << 1031;
    QTest::newRow("script and region") << "sr-latn-rs"
                                       << "sr-Latn-RS" << 0;
    QTest::newRow("numeric region") << "es-419"
                                    << "es-419" << 3082;
    QTest::newRow("private") << "x-klingon"
                             << "x-klingon" << 0;
    QTest::newRow("underscore") << "en_GB"
                                << "" << 0;
    QTest::newRow("a word") << "english"
                            << "" << 0;
    QTest::newRow("trailing hyphen") << "en-"
                                     << "" << 0;
    QTest::newRow("empty subtag") << "en--GB"
                                  << "" << 0;
    QTest::newRow("digits") << "123"
                            << "" << 0;
    QTest::newRow("empty") << ""
                           << "" << 0;
}

void TestLanguage::languageTags()
{
    QFETCH(QString, typed);
    QFETCH(QString, tag);
    QFETCH(int, lcid);
    QCOMPARE(LanguageTag::normalized(typed), tag);
    QCOMPARE(LanguageTag::windowsLcid(typed), lcid);
}

void TestLanguage::lineFileKeepsTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("version");
    QTest::newRow("none") << QString() << 3;
    QTest::newRow("en-GB") << QStringLiteral("en-GB") << 3;
    QTest::newRow("sr-Latn-RS, older form") << QStringLiteral("sr-Latn-RS") << 2;
}

// A file with the language reads back with it and saves byte for byte again; the lines of the
// headwords are those of the same database without a language, which saves as it always did.
void TestLanguage::lineFileKeepsTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(int, version);
    QTemporaryDir dir;
    LxdDatabase db;
    fill(db);
    const QString plainFile = dir.filePath(QStringLiteral("plain.lxv"));
    QVERIFY(db.saveText(plainFile, version));
    db.setLanguage(language);
    const QString file = dir.filePath(QStringLiteral("db.lxv"));
    QVERIFY(db.saveText(file, version));

    const QByteArray plain = TestUtil::readFile(plainFile);
    const QByteArray bytes = TestUtil::readFile(file);
    const QByteArray start = version >= 3 ? Bom : QByteArray();
    const QByteArray line
        = language.isEmpty() ? QByteArray() : LineFile::languageLine(language).toLatin1() + "\r\n";
    QCOMPARE(bytes, start + line + plain.mid(start.size()));
    if (!line.isEmpty())
        QCOMPARE(line.count('\t') + line.count(' ') + 2, line.size()); // blanks and tabs only

    LxdDatabase read;
    QVERIFY(read.loadText(file));
    QCOMPARE(read.language(), language);
    QCOMPARE(headwords(read), headwords(db));
    QVERIFY(!read.isModified());
    const QString again = dir.filePath(QStringLiteral("again.lxv"));
    QVERIFY(read.saveText(again, version));
    QCOMPARE(TestUtil::readFile(again), bytes);
}

// The language line is a blank line to every reader that does not know it, which skips it: the
// reading rule of the older versions (every line not blank after trimming is a headword) finds
// exactly the headwords, and an appended file's language line (not at the top) is no headword either.
void TestLanguage::olderReadersSeeNoLanguageLine()
{
    QTemporaryDir dir;
    LxdDatabase db;
    fill(db);
    db.setLanguage(QStringLiteral("en-CA"));
    const QString file = dir.filePath(QStringLiteral("db.lxv"));
    QVERIFY(db.saveText(file, 3));
    QStringList lines;
    QFile in(file);
    QVERIFY(in.open(QIODevice::ReadOnly));
    QVERIFY(LineFile::readFile(
        in, [&lines] { lines.clear(); },
        [&lines](QStringView line) {
            if (!line.toString().trimmed().isEmpty())
                lines.append(line.toString().section(QLatin1String("&&&"), 0, 0));
        }));
    QCOMPARE(lines, headwords(db));

    // Two files joined end to end: the second one's language line is not at the top.
    const QByteArray joined = TestUtil::readFile(file) + TestUtil::readFile(file);
    LxdDatabase twice;
    QVERIFY(twice.loadText(TestUtil::writeFile(dir, QStringLiteral("joined.lxv"), joined)));
    QCOMPARE(twice.itemCount(), 2 * db.itemCount());
    QCOMPARE(twice.language(), QStringLiteral("en-CA"));
    // A blank first line that spells nothing is only a blank line.
    LxdDatabase blank;
    QVERIFY(blank.loadText(TestUtil::writeFile(dir, QStringLiteral("blank.lxv"), "        \t\r\ncat\r\n")));
    QCOMPARE(blank.language(), QString());
    QCOMPARE(headwords(blank), QStringList {QStringLiteral("cat")});
}

void TestLanguage::xmlKeepsTheLanguage_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("fastReader");
    QTest::newRow("streamed, fast reader") << 3 << true;
    QTest::newRow("streamed, general parser") << 3 << false;
    QTest::newRow("tree, older form") << 2 << false;
}

// The exchange document carries the language in an attribute of its document element, which the
// readers of every version pass over when they do not know it.
void TestLanguage::xmlKeepsTheLanguage()
{
    QFETCH(int, version);
    QFETCH(bool, fastReader);
    QTemporaryDir dir;
    LxdDatabase db;
    fill(db);
    const QString plain = dir.filePath(QStringLiteral("plain.xml"));
    QVERIFY(db.saveXml(plain, version));
    QVERIFY(!TestUtil::readFile(plain).contains("language="));
    db.setLanguage(QStringLiteral("fr-CA"));
    const QString file = dir.filePath(QStringLiteral("db.xml"));
    QVERIFY(db.saveXml(file, version));
    QVERIFY(TestUtil::readFile(file).contains("language=\"fr-CA\""));

    XmlFastReader::setEnabledForTesting(fastReader);
    LxdDatabase read;
    QVERIFY(read.loadXml(file));
    LxdDatabase without;
    QVERIFY(without.loadXml(plain));
    XmlFastReader::setEnabledForTesting(true);
    QCOMPARE(read.language(), QStringLiteral("fr-CA"));
    QCOMPARE(without.language(), QString());
    QCOMPARE(headwords(read), headwords(without));
    QCOMPARE(read.sentenceAt(0, 0)->text(), without.sentenceAt(0, 0)->text());
    // Written by hand, with a reference and blanks: each reader gives the value a general parser does.
    LxdDatabase referenced;
    XmlFastReader::setEnabledForTesting(fastReader);
    QVERIFY(referenced.loadXml(TestUtil::writeFile(dir, QStringLiteral("hand.xml"),
        "<lexivane-vocabulary-database version='3' language=' en&#x2D;gb "
        "'><items/></lexivane-vocabulary-database>")));
    XmlFastReader::setEnabledForTesting(true);
    QCOMPARE(referenced.language(), QStringLiteral("en-GB"));
    // File > Import from XML takes the language with the headwords.
    LxdSession session(LxdSession::Keeping::Nothing);
    QVERIFY(session.document()->importXml(file));
    QCOMPARE(session.database()->language(), QStringLiteral("fr-CA"));
}

// Setting the language is a step of the history: it marks the database modified, and undoing it
// puts the old language back and the file state with it.
void TestLanguage::languageIsOneStepToUndo()
{
    LxdSession session(LxdSession::Keeping::Nothing);
    LxdDocument *doc = session.document();
    QVERIFY(!doc->setLanguage(QStringLiteral("en_GB")));
    QVERIFY(doc->setLanguage(QStringLiteral("de-de")));
    QCOMPARE(session.database()->language(), QStringLiteral("de-DE"));
    QVERIFY(session.database()->isModified());
    QVERIFY(!doc->setLanguage(QStringLiteral("de-DE")));
    doc->undoStack()->undo();
    QCOMPARE(session.database()->language(), QString());
    QVERIFY(!session.database()->isModified());
    doc->undoStack()->redo();
    QCOMPARE(session.database()->language(), QStringLiteral("de-DE"));
    session.newDatabase();
    QCOMPARE(session.database()->language(), QString());
}

// Each export marks the sentences with the database's language where its format has a place, and the
// readers of the files accept them.
void TestLanguage::exportsMarkTheSentences()
{
    const QByteArray page = render("interactive", QStringLiteral("en-GB")).bytes;
    QVERIFY(page.contains("<html lang=\"en\">"));
    QVERIFY(page.contains(
        "main.appendChild(form);\n  list.lang = \"en-GB\";\n  if (bankList) bankList.lang = \"en-GB\";"));
    QVERIFY(!render("interactive", QString()).bytes.contains("list.lang = "));

    QDomDocument xhtml;
    QVERIFY(xhtml.setContent(render("xhtml", QStringLiteral("en-GB")).bytes));
    const QDomNodeList divs = xhtml.elementsByTagName(QStringLiteral("div"));
    QStringList marked;
    for (int i = 0; i < divs.size(); ++i) {
        const QDomElement div = divs.item(i).toElement();
        if (div.attribute(QStringLiteral("lang")) == QLatin1String("en-GB")
            && div.attribute(QStringLiteral("xml:lang")) == QLatin1String("en-GB"))
            marked.append(div.attribute(QStringLiteral("id")));
    }
    QCOMPARE(marked, (QStringList {QStringLiteral("wordList"), QStringLiteral("content")}));
    QCOMPARE(xhtml.documentElement().attribute(QStringLiteral("lang")), QStringLiteral("en"));
    QTemporaryDir pages;
    bool valid = false;
    run(QStringLiteral("xmllint"),
        {QStringLiteral("--noout"), QStringLiteral("--nonet"), QStringLiteral("--valid"),
            TestUtil::writeFile(
                pages, QStringLiteral("sheet.htm"), render("xhtml", QStringLiteral("en-GB")).bytes)},
        &valid);
    QVERIFY(valid);

    const QByteArray rtf = render("rtf", QStringLiteral("en-GB")).bytes;
    QVERIFY(rtf.contains("\\par\\par\n{\\lang2057 1. He [__________] home.}"));
    QVERIFY(rtf.contains("{\\lang2057 1. went}"));
    QVERIFY(!render("rtf", QString()).bytes.contains("\\lang"));
    // LibreOffice takes the mark as the language of the sentences' text.
    QTemporaryDir office;
    bool converted = false;
    run(QStringLiteral("soffice"),
        {QStringLiteral("-env:UserInstallation=")
                + QString::fromLatin1(
                    QUrl::fromLocalFile(office.filePath(QStringLiteral("profile"))).toEncoded()),
            QStringLiteral("--headless"), QStringLiteral("--norestore"), QStringLiteral("--convert-to"),
            QStringLiteral("fodt"), QStringLiteral("--outdir"), office.path(),
            TestUtil::writeFile(office, QStringLiteral("sheet.rtf"), rtf)},
        &converted);
    QVERIFY(converted);
    const QByteArray fodt = TestUtil::readFile(office.filePath(QStringLiteral("sheet.fodt")));
    QVERIFY2(fodt.contains("fo:language=\"en\" fo:country=\"GB\""), fodt.left(2000).constData());

    // Moodle's question text is HTML: its paragraphs of sentences carry the language.
    const QByteArray moodle = render("moodle-xml", QStringLiteral("en-GB")).bytes;
    QCOMPARE(moodle.count("<p lang=\"en-GB\">"), 2);
    QVERIFY(render("moodle-matching", QStringLiteral("en-GB")).bytes.contains("<p lang=\"en-GB\">He"));

    const QByteArray h5p = render("h5p-blanks", QStringLiteral("en-GB")).bytes;
    const QJsonObject h5pJson = QJsonDocument::fromJson(zipEntry(h5p, QStringLiteral("h5p.json"))).object();
    QCOMPARE(h5pJson.value(QStringLiteral("language")).toString(), QStringLiteral("en"));
    QCOMPARE(h5pJson.value(QStringLiteral("defaultLanguage")).toString(), QStringLiteral("en-GB"));
    const QJsonObject unset
        = QJsonDocument::fromJson(zipEntry(render("h5p-blanks", QString()).bytes, QStringLiteral("h5p.json")))
              .object();
    QCOMPARE(unset.value(QStringLiteral("language")).toString(), QStringLiteral("und"));
    QVERIFY(!unset.contains(QStringLiteral("defaultLanguage")));

    const QByteArray manifest
        = zipEntry(render("scorm", QStringLiteral("en-GB")).bytes, QStringLiteral("imsmanifest.xml"));
    QVERIFY2(manifest.contains("<imsmd:language>en-GB</imsmd:language>"), manifest.constData());
    QTemporaryDir dir;
    bool ok = false;
    run(QStringLiteral("xmllint"),
        {QStringLiteral("--noout"), TestUtil::writeFile(dir, QStringLiteral("m.xml"), manifest)}, &ok);
    QVERIFY(ok);
}

// Qt's PDF writer knows no document language: an incremental update adds /Lang to the catalog, which
// the readers take (pdfinfo, pdftotext) and a reader of the bytes finds through the last trailer.
void TestLanguage::pdfCarriesItsLanguage()
{
    const QByteArray plain = render("pdf", QString()).bytes;
    QVERIFY(!plain.contains("/Lang"));
    const QByteArray pdf = render("pdf", QStringLiteral("en-GB")).bytes;
    QVERIFY(pdf.startsWith(plain.left(plain.indexOf("/CreationDate"))));

    // Read back as a reader does: the last startxref, its section, the root it names.
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    const qsizetype xref = pdf.mid(startxref + 9).trimmed().split('\n').first().toLongLong();
    QVERIFY(pdf.mid(xref).startsWith("xref\n"));
    const QList<QByteArray> section = pdf.mid(xref).split('\n');
    const QByteArray object = section.at(1).split(' ').first();
    const qsizetype at = section.at(2).left(10).toLongLong();
    QVERIFY(pdf.mid(at).startsWith(object + " 0 obj\n<<"));
    const QByteArray catalog = pdf.mid(at, pdf.indexOf("endobj", at) - at);
    QVERIFY(catalog.contains("/Type /Catalog"));
    QVERIFY(catalog.contains("/Lang (en-GB)"));
    const QByteArray trailer = pdf.mid(pdf.lastIndexOf("trailer"));
    QVERIFY(trailer.contains("/Root " + object + " 0 R"));
    // The section before points back to the file as the writer left it.
    const QByteArray original = pdf.left(pdf.indexOf("%%EOF") + 5);
    const QByteArray previous
        = original.mid(original.lastIndexOf("startxref") + 9).trimmed().split('\n').first().trimmed();
    QVERIFY2(trailer.contains("/Prev " + previous), trailer.constData());
    QVERIFY(original.mid(previous.toLongLong()).startsWith("xref"));

    QTemporaryDir dir;
    const QString path = TestUtil::writeFile(dir, QStringLiteral("sheet.pdf"), pdf);
    bool ok = false;
    const QByteArray text = run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}, &ok);
    QVERIFY(ok);
    QVERIFY2(
        text.contains("He __________ home.") || text.contains("He [__________] home."), text.constData());
    run(QStringLiteral("pdfinfo"), {path}, &ok);
    QVERIFY(ok);
}

// German instructions around English sentences: the texts come from the program's German translation
// whatever language the program itself speaks, and the sentences stay as written.
void TestLanguage::instructionsInAnotherLanguage()
{
    const QString de = QStringLiteral("de");
    const QString read = InstructionLanguage::translate(
        de, "ExerciseRender", "Read each sentence and write the missing word in the gap.");
    QVERIFY2(
        read != QLatin1String("Read each sentence and write the missing word in the gap."), qPrintable(read));

    const QByteArray rtf = render("rtf", QStringLiteral("en-GB"), de).bytes;
    QVERIFY(rtf.contains(TemplateFill::rtfText(read)));
    QVERIFY(!rtf.contains("Read each sentence"));
    QVERIFY(rtf.contains("{\\lang2057 1. He [__________] home.}"));
    QVERIFY(rtf.contains(
        TemplateFill::rtfText(InstructionLanguage::translate(de, "ExerciseRender", "Answer key"))));

    const QByteArray h5p = render("h5p-blanks", QStringLiteral("en-GB"), de).bytes;
    const QJsonObject content
        = QJsonDocument::fromJson(zipEntry(h5p, QStringLiteral("content/content.json"))).object();
    const QString check = InstructionLanguage::translate(de, "H5PExport", "Check");
    QVERIFY(check != QLatin1String("Check"));
    QCOMPARE(content.value(QStringLiteral("checkAnswer")).toString(), check);
    QCOMPARE(content.value(QStringLiteral("tryAgain")).toString(),
        InstructionLanguage::translate(de, "H5PExport", "Retry"));
    QVERIFY(content.value(QStringLiteral("questions"))
                .toArray()
                .first()
                .toString()
                .contains(QLatin1String("*went*")));

    const QByteArray page = render("interactive", QStringLiteral("en-GB"), de).bytes;
    QVERIFY(page.contains("<html lang=\"de\">"));
    QVERIFY(page.contains("list.lang = \"en-GB\""));
    QDomDocument xhtml;
    QVERIFY(xhtml.setContent(render("xhtml", QStringLiteral("en-GB"), de).bytes));
    QCOMPARE(xhtml.documentElement().attribute(QStringLiteral("xml:lang")), de);
    QVERIFY(!xhtml.toString().contains(QLatin1String("Read each sentence")));

    // English chosen on a German desktop is English again, as written.
    QCOMPARE(
        InstructionLanguage::translate(QStringLiteral("en"), "H5PExport", "Check"), QStringLiteral("Check"));

    // Unchosen, the templates' own texts stand as written, whatever the program speaks.
    ZelUtils::installTranslations(QLocale(QStringLiteral("de_DE")));
    const auto restore = qScopeGuard([] { ZelUtils::installTranslations(QLocale::system()); });
    QCOMPARE(InstructionLanguage::programLanguage(), de);
    QVERIFY(render("rtf", QStringLiteral("en-GB")).bytes.contains("Read each sentence"));
    QVERIFY(render("xhtml", QStringLiteral("en-GB")).bytes.contains("Read each sentence"));
}

void TestLanguage::sessionKeepsTheInstructionLanguage()
{
    LxdSession session(LxdSession::Keeping::Nothing);
    ExerciseOptions options = session.options();
    options.instructionLanguage = QStringLiteral("fr");
    session.setOptions(options);
    const LxdRecoverySession kept = session.exercise();
    QCOMPARE(kept.values.value(QStringLiteral("cmbInstructionLanguage")), 3);
    LxdSession later(LxdSession::Keeping::Nothing);
    later.restoreExercise(kept);
    QCOMPARE(later.options().instructionLanguage, QStringLiteral("fr"));
    // The program's own language is no choice to keep.
    options.instructionLanguage.clear();
    session.setOptions(options);
    QVERIFY(!session.exercise().values.contains(QStringLiteral("cmbInstructionLanguage")));
}

// Edit > Database Language sets a common language or any tag typed (a word that is no tag is refused
// and asked again), as steps to undo; the options pane's language goes to the exercise.
void TestLanguage::windowSetsBothLanguages()
{
    auto w = fx.window(false);
    QMenu *menu = TestUtil::child<QMenu>(w.get(), "mnuDatabaseLanguage");
    emit menu->aboutToShow();
    QAction *notSet = TestUtil::child<QAction>(w.get(), "actLanguageNotSet");
    QVERIFY(notSet->isChecked());
    for (QAction *action : menu->actions()) {
        if (action->data().toString() == QLatin1String("de-DE"))
            action->trigger();
    }
    QCOMPARE(w->database()->language(), QStringLiteral("de-DE"));

    fx.dialogs()
        .typeAndAccept(QStringLiteral("english"))
        .press(QMessageBox::Ok)
        .typeAndAccept(QStringLiteral("pt-br"));
    QAction *other = TestUtil::child<QAction>(w.get(), "actLanguageOther");
    other->trigger();
    QCOMPARE(fx.dialogs().pending(), 0);
    QCOMPARE(w->database()->language(), QStringLiteral("pt-BR"));
    QVERIFY(other->isChecked());
    QVERIFY(other->text().contains(QLatin1String("pt-BR")));
    TestUtil::child<QAction>(w.get(), "actEditUndo")->trigger();
    QCOMPARE(w->database()->language(), QStringLiteral("de-DE"));

    QComboBox *combo = TestUtil::child<QComboBox>(w.get(), "cmbInstructionLanguage");
    QCOMPARE(combo->currentData().toString(), InstructionLanguage::programLanguage());
    QVERIFY(!combo->accessibleName().isEmpty());
    combo->setCurrentIndex(combo->findData(QStringLiteral("es")));
    QCOMPARE(w->lxdSession()->options().instructionLanguage, QStringLiteral("es"));
    combo->setCurrentIndex(combo->findData(InstructionLanguage::programLanguage()));
    QCOMPARE(w->lxdSession()->options().instructionLanguage, QString());
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
