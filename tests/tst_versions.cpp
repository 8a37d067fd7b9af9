// SPDX-License-Identifier: GPL-3.0-or-later
// One exercise, many sheets: a key that matches its sheet whatever the look, versions A, B, C...
// reordered or parallel, and differentiated sheets, read back by pdftotext and LibreOffice, through
// the session, the command line and the window.
#include "app/mainwindow.h"
#include "data/checkedwrite.h"
#include "data/lxddatabase.h"
#include "document/lxdrecovery.h"
#include "document/lxdsession.h"
#include "exercise/exerciserender.h"
#include "exercise/exercisesheets.h"
#include "exercise/randomsource.h"
#include "support/dbfixtures.h"
#include "support/testutil.h"
#include "support/windowfixture.h"
#include "util/zelfiledialog.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

#include <functional>

namespace {

QStringList rows(int count)
{
    QStringList entries;
    for (int i = 0; i < count; ++i)
        entries.append(QStringLiteral("Row%1 holds [k%1].").arg(i));
    return entries;
}

// The numbers that `pattern` captures in `text`, in the order they stand there: the rows of a sheet
// ("Row3 holds"), the answers of a key ("2. k3").
QList<int> numbers(const QString &text, const QString &pattern)
{
    QList<int> found;
    for (auto it = QRegularExpression(pattern).globalMatch(text); it.hasNext();)
        found.append(it.next().captured(1).toInt());
    return found;
}
QList<int> rowOrder(const QString &text)
{
    return numbers(text, QStringLiteral("Row(\\d+) holds"));
}
QList<int> keyOrder(const QString &text)
{
    return numbers(text, QStringLiteral("\\d+\\. k(\\d+)"));
}

QString run(const QString &program, const QStringList &arguments, int *status = nullptr)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QLatin1String(name));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(180000);
    if (status)
        *status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
}

ExerciseRequest request(const QStringList &entries, quint32 seed)
{
    ExerciseRequest r;
    r.entries = entries;
    r.seed = seed;
    r.options.answerKey = true;
    return r;
}

} // namespace

class TestVersions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fx.initTestCase(); }
    void init() { fx.init(); }
    void cleanup() { fx.cleanup(); }

    void sessionKeepsTheOrderUntilTheQuestionsChange();
    void reorderedVersions();
    void parallelVersions();
    void differentiatedSheetsShareOneOrder();
    void keptChoicesReadBack();
    void pdfOfThreeVersions();
    void commandLineVersionsInLibreOffice();
    void windowControlsReachTheExport();

private:
    TestUtil::WindowFixture fx;
};

// Through the session: a look-only option or the sheet options keep the seed, and the model made
// with it draws the same order and word bank, so a key made after the sheet matches it; the questions
// changing (hints, jumbling, the list, extra words) or "New shuffle" makes a new seed.
void TestVersions::sessionKeepsTheOrderUntilTheQuestionsChange()
{
    LxdSession session(LxdSession::Keeping::Nothing);
    session.appendOutput(rows(12), QString());
    RandomSource::setSeedOverride(1000u);
    const quint32 seed = session.exerciseRequest().seed;
    RandomSource::setSeedOverride(2000u); // what a new shuffle would take
    const ExerciseModel first = ExportFormats::exerciseModel(session.exerciseRequest(), nullptr);
    ExerciseOptions options = session.options();
    const QList<std::function<void()>> lookOnly {[&] { options.answerKey = true; },
        [&] { options.includeQNums = false; }, [&] { options.bracketWords = false; },
        [&] { options.gapWords = false; }, [&] { options.includeWordList = false; },
        [&] { options.shuffleWordList = true; }};
    for (const auto &change : lookOnly) {
        change();
        session.setOptions(options);
        const ExerciseModel model = ExportFormats::exerciseModel(session.exerciseRequest(), nullptr);
        QCOMPARE(model.orderedEntries(), first.orderedEntries());
        QCOMPARE(model.wordBank, first.wordBank);
    }
    session.setTitle(QStringLiteral("Unit 5"));
    session.setSheetOptions({3, true, true, true});
    QCOMPARE(session.exerciseRequest().seed, seed);
    QCOMPARE(session.exercise().seed, std::optional<quint32>(seed));

    const QList<std::function<void()>> questionsChange {
        [&] { options.hints = ExerciseOptions::Hints::FirstLetter; }, [&] { options.jumbleOrder = false; },
        [&] { session.setExtraWords(QStringLiteral("spare")); },
        [&] { session.appendOutput({QStringLiteral("Row12 holds [k12].")}, QString()); },
        [&] { session.newShuffle(); }};
    quint32 next = 2000;
    for (const auto &change : questionsChange) {
        RandomSource::setSeedOverride(++next);
        change();
        session.setOptions(options);
        QCOMPARE(session.exerciseRequest().seed, next);
    }
}

// Version A is the exercise as it is; the others hold the same sentences and extra words, each in an
// order of its own drawn from the exercise's seed, every time the same.
void TestVersions::reorderedVersions()
{
    ExerciseRequest r = request(rows(8), 77u);
    r.options.jumbleOrder = false; // versions reorder all the same
    r.extraWords = QStringLiteral("spare");
    const ExerciseSheets sheets = ExerciseSheetsBuilder::build(r, nullptr, {4, false, false, false});
    QCOMPARE(sheets.sheets.size(), 4);
    ExerciseModel a = ExportFormats::exerciseModel(r, nullptr);
    QList<QStringList> orders {a.orderedEntries()};
    for (int i = 0; i < 4; ++i) {
        const ExerciseSheet &sheet = sheets.sheets.at(i);
        QCOMPARE(sheet.model.version, QString(QChar(u'A' + i)));
        QCOMPARE(ExerciseSheetsBuilder::fileName(QStringLiteral("/u.5/t.rtf"), sheet.suffix),
            QStringLiteral("/u.5/t-%1.rtf").arg(sheet.model.version));
        QStringList sorted = sheet.model.orderedEntries();
        sorted.sort();
        QCOMPARE(sorted, r.entries); // rows(8) is sorted already
        QCOMPARE(sheet.model.distractors, QStringList {QStringLiteral("spare")});
        QCOMPARE(orders.indexOf(sheet.model.orderedEntries()), i == 0 ? 0 : -1);
        orders.append(sheet.model.orderedEntries());
    }
    QVERIFY(sheets.sheets.at(1).model.sheetWords() != sheets.sheets.at(0).model.sheetWords());
    // One version is the exercise itself, without a letter.
    const ExerciseSheets one = ExerciseSheetsBuilder::build(r, nullptr, {});
    QVERIFY(one.isSingle());
    QVERIFY(one.sheets.first().model.version.isEmpty());
    QCOMPARE(ExerciseRender::clipboardText(one), ExerciseRender::clipboardText(a));
}

// Parallel versions take another sentence of each entry's headword, one not in the list first and a
// different one per version; a headword with nothing else keeps its sentence, and the teacher is told.
void TestVersions::parallelVersions()
{
    LxdDatabase db;
    DbFixtures::addHeadword(db, QStringLiteral("go"),
        {{QStringLiteral("I [go] home.")}, {QStringLiteral("We [go] out.")},
            {QStringLiteral("They [go] now.")}, {QStringLiteral("No key word here.")}});
    DbFixtures::addHeadword(db, QStringLiteral("eat"), {{QStringLiteral("I [eat] fish.")}});
    DbFixtures::addHeadword(db, QStringLiteral("run"),
        {{QStringLiteral("Dogs [run].")}, {QStringLiteral("Cats [run] too.")}, {QStringLiteral("I [run].")}});
    ExerciseRequest r = request(
        {QStringLiteral("I [go] home."), QStringLiteral("I [eat] fish."), QStringLiteral("Dogs [run]."),
            QStringLiteral("Cats [run] too."), QStringLiteral("Typed [here].")},
        9u);
    r.options.jumbleOrder = false;
    const ExerciseSheets sheets = ExerciseSheetsBuilder::build(r, &db, {3, true, false, false});
    QCOMPARE(sheets.sheets.size(), 3);
    const QStringList b = sheets.sheets.at(1).model.orderedEntries();
    const QStringList c = sheets.sheets.at(2).model.orderedEntries();
    QCOMPARE(sheets.sheets.at(0).model.orderedEntries(), r.entries);
    // "go" has two others, one per version; "run" has one sentence outside the list, given to the first
    // of its entries, which the second cannot take in the same version.
    QCOMPARE(QSet<QString>({b.at(0), c.at(0)}),
        QSet<QString>({QStringLiteral("We [go] out."), QStringLiteral("They [go] now.")}));
    QCOMPARE(b.mid(1), c.mid(1));
    QCOMPARE(b.mid(1), (QStringList {"I [eat] fish.", "I [run].", "Cats [run] too.", "Typed [here]."}));
    QVERIFY(sheets.keptNote().contains(QLatin1String("Version B: eat, run, Typed [here].\nVersion C: eat")));
    QCOMPARE(
        ExerciseSheetsBuilder::build(r, &db, {3, true, false, false}).sheets.at(2).model.orderedEntries(), c);

    // Each version draws its own extra words from the database; one note names them all.
    DbFixtures::addHeadword(db, QStringLiteral("other"),
        {{QStringLiteral("They [swam].")}, {QStringLiteral("We [flew].")}, {QStringLiteral("You [sang].")},
            {QStringLiteral("He [fell].")}, {QStringLiteral("She [won].")}, {QStringLiteral("It [broke].")}});
    r.databaseWords = 2;
    const ExerciseSheets drawn = ExerciseSheetsBuilder::build(r, &db, {3, true, false, false});
    QStringList notes;
    for (const ExportNote &note :
        ExerciseSheetsBuilder::notes(*ExportFormats::find(QLatin1String("jcloze")), drawn)) {
        if (note.title == QLatin1String("Extra words left out"))
            notes.append(note.text);
    }
    QCOMPARE(notes.size(), 1);
    QSet<QString> words;
    for (const ExerciseSheet &sheet : drawn.sheets) {
        for (const QString &word : sheet.model.distractors) {
            words.insert(word);
            QVERIFY2(notes.first().contains(word), qPrintable(word));
        }
    }
    QVERIFY(words.size() > 2); // the versions drew different words
}

// Three sheets of each version in one order, the word bank only on the first, first letters on the
// second, one key after the last; none names a level.
void TestVersions::differentiatedSheetsShareOneOrder()
{
    const ExerciseRequest r = request(rows(6), 5u);
    const ExerciseSheets sheets = ExerciseSheetsBuilder::build(r, nullptr, {2, false, false, true});
    QCOMPARE(sheets.sheets.size(), 6);
    QStringList suffixes;
    for (const ExerciseSheet &sheet : sheets.sheets)
        suffixes.append(sheet.suffix);
    QCOMPARE(
        suffixes, (QStringList {"A-wordbank", "A-letters", "A-plain", "B-wordbank", "B-letters", "B-plain"}));
    for (int i = 0; i < 6; ++i) {
        const ExerciseModel &model = sheets.sheets.at(i).model;
        QCOMPARE(model.orderedEntries(), sheets.sheets.at(i / 3 * 3).model.orderedEntries());
        QCOMPARE(model.options.includeWordList, i % 3 == 0);
        QCOMPARE(model.options.hints == ExerciseOptions::Hints::FirstLetter, i % 3 == 1);
        QCOMPARE(sheets.sheets.at(i).lastOfVersion, i % 3 == 2);
    }
    const QString text = ExerciseRender::clipboardText(sheets);
    QCOMPARE(text.count(QLatin1String("Answer key")), 2);
    QCOMPARE(text.count(QLatin1String("Version B")), 4); // three sheets and their key
    for (const char *level : {"easy", "level", "hard"})
        QVERIFY(!text.contains(QLatin1String(level), Qt::CaseInsensitive));

    // Extra words go on the word-bank sheet; the sheets without a bank do not report them lost,
    // while a format with no bank at all still does.
    ExerciseRequest withExtras = r;
    withExtras.extraWords = QStringLiteral("extra");
    const ExerciseSheets extras = ExerciseSheetsBuilder::build(withExtras, nullptr, {1, false, false, true});
    const auto titles = [&](const char *format) {
        QStringList found;
        for (const ExportNote &note :
            ExerciseSheetsBuilder::notes(*ExportFormats::find(QLatin1String(format)), extras))
            found.append(note.title);
        return found;
    };
    QVERIFY(!titles("rtf").contains(QLatin1String("Extra words left out")));
    QCOMPARE(titles("jcloze").count(QLatin1String("Extra words left out")), 1);
}

// The kept exercise holds the hints and the sheets; one kept before them reads as it always did.
void TestVersions::keptChoicesReadBack()
{
    LxdSession session(LxdSession::Keeping::Nothing);
    session.appendOutput(rows(2), QString());
    ExerciseOptions options;
    options.hints = ExerciseOptions::Hints::LetterCount;
    session.setOptions(options);
    session.setSheetOptions({4, true, true, true});
    const LxdRecoverySession kept = LxdRecoverySession::fromJson(session.exercise().toJson());
    QCOMPARE(kept, session.exercise());

    LxdSession again(LxdSession::Keeping::Nothing);
    again.restoreExercise(kept);
    QCOMPARE(again.options().hints, ExerciseOptions::Hints::LetterCount);
    QCOMPARE(again.sheetOptions(), (SheetOptions {4, true, true, true}));

    // An older file, without them, reads as a new window has them; a value out of range as the nearest.
    again.restoreExercise(
        LxdRecoverySession::fromJson(R"({"output":["A [b]."],"values":{"spbVersions":99}})"));
    QCOMPARE(again.sheetOptions().versions, SheetOptions::MaxVersions);
    again.restoreExercise(LxdRecoverySession::fromJson(R"({"output":["A [b]."]})"));
    QCOMPARE(again.sheetOptions(), SheetOptions());
    QVERIFY(!LxdSession(LxdSession::Keeping::Nothing).exercise().toJson().contains("values"));
}

// pdftotext over one PDF of three versions, each followed by its key, and with the keys at the end:
// three letters, three keys, each key in its sheet's order.
void TestVersions::pdfOfThreeVersions()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("poppler-utils (pdftotext) is not installed");
    const ExerciseRequest r = request(rows(7), 31u);
    for (const bool atEnd : {false, true}) {
        const ExerciseSheets sheets = ExerciseSheetsBuilder::build(r, nullptr, {3, false, atEnd, false});
        const QString path = TestUtil::writeFile(
            *fx.dir, QStringLiteral("v.pdf"), ExerciseRender::pdf(sheets, QPageSize::A4));
        const QString text = run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        const QStringList parts = text.split(QLatin1String("Answer key"));
        QCOMPARE(parts.size(), 4);
        // The sheets in their order in the document (the keys hold no row), each key after them.
        const QList<int> all = rowOrder(text);
        QCOMPARE(all.size(), 21);
        for (int i = 0; i < 3; ++i) {
            const QString letter = QStringLiteral("Version %1").arg(QChar(u'A' + i));
            QCOMPARE(text.count(letter), 2); // on the sheet and on its key
            QVERIFY(parts.at(i).trimmed().endsWith(letter)); // the key's heading
            QCOMPARE(keyOrder(parts.at(i + 1)), all.mid(i * 7, 7));
            // After each sheet its key, or every key after the last sheet.
            QCOMPARE(rowOrder(parts.at(i + 1)).isEmpty(), atEnd || i == 2);
        }
        QVERIFY(all.mid(0, 7) != all.mid(7, 7) && all.mid(7, 7) != all.mid(14, 7));
    }
}

// `lexivane export --versions 2 --key` writes test-A.rtf and test-B.rtf, which LibreOffice reads with
// the letter under the title and a key in its sheet's order; the same seed without --key gives the
// same order, and version A is the file a run without --versions writes.
void TestVersions::commandLineVersionsInLibreOffice()
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        QSKIP("soffice (libreoffice-writer-nogui) is not installed");
    const QString database
        = TestUtil::writeFile(*fx.dir, QStringLiteral("w.lxv"), "row&&&{0}Row0 holds [k0].\n");
    const QString list
        = TestUtil::writeFile(*fx.dir, QStringLiteral("list.txt"), rows(6).join('\n').toUtf8());
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/lexivane");
    const auto exportTo = [&](const QString &name, const QStringList &more) {
        int status = -1;
        const QString said = run(program,
            QStringList {QStringLiteral("export"), database, QStringLiteral("--format"),
                QStringLiteral("rtf"), QStringLiteral("-o"), fx.path(name), QStringLiteral("--list"), list,
                QStringLiteral("--seed"), QStringLiteral("808")}
                + more,
            &status);
        return status == 0 ? QString() : said;
    };
    QCOMPARE(exportTo(QStringLiteral("test.rtf"), {"--versions", "2", "--key"}), QString());
    QCOMPARE(exportTo(QStringLiteral("plain.rtf"), {"--versions", "2"}), QString());
    QCOMPARE(exportTo(QStringLiteral("lone.rtf"), {}), QString());
    QVERIFY(!QFile::exists(fx.path(QStringLiteral("test.rtf"))));
    QCOMPARE(TestUtil::readFile(fx.path(QStringLiteral("lone.rtf"))),
        TestUtil::readFile(fx.path(QStringLiteral("plain-A.rtf")))
            .replace("\n{\\pard\\plain\\qc\\keepn\\widctlpar\\sa120\\f0\\fs28\\b Version A\\par}", ""));
    QVERIFY(exportTo(QStringLiteral("bad.rtf"), {"--versions", "7"}).contains(QLatin1String("2 to 6")));
    QVERIFY(exportTo(QStringLiteral("bad.rtf"), {"--parallel"}).contains(QLatin1String("several versions")));

    QProcess office;
    office.start(soffice,
        {QStringLiteral("-env:UserInstallation=")
                + QString::fromLatin1(QUrl::fromLocalFile(fx.path(QStringLiteral("office"))).toEncoded()),
            QStringLiteral("--headless"), QStringLiteral("--norestore"), QStringLiteral("--convert-to"),
            QStringLiteral("txt:Text (encoded):UTF8"), QStringLiteral("--outdir"),
            fx.path(QStringLiteral("txt")), fx.path(QStringLiteral("test-A.rtf")),
            fx.path(QStringLiteral("test-B.rtf")), fx.path(QStringLiteral("plain-B.rtf"))});
    QVERIFY(office.waitForFinished(180000));
    QList<QList<int>> orders;
    for (const QString &name : {QStringLiteral("test-A"), QStringLiteral("test-B")}) {
        const QString text
            = QString::fromUtf8(TestUtil::readFile(fx.path(QStringLiteral("txt/") + name + ".txt")));
        QVERIFY2(text.contains(QStringLiteral("Version ") + name.back()), qPrintable(text));
        const qsizetype key = text.indexOf(QLatin1String("Answer key"));
        QVERIFY2(key > 0, qPrintable(text));
        QCOMPARE(text.count(QStringLiteral("Version ") + name.back()), 2); // the sheet and its key
        const QList<int> order = rowOrder(text.left(key));
        QCOMPARE(order.size(), 6);
        QCOMPARE(keyOrder(text.mid(key)), order);
        orders.append(order);
    }
    QVERIFY(orders.at(0) != orders.at(1));
    const QString withoutKey
        = QString::fromUtf8(TestUtil::readFile(fx.path(QStringLiteral("txt/plain-B.txt"))));
    QVERIFY(!withoutKey.contains(QLatin1String("Answer key")));
    QCOMPARE(rowOrder(withoutKey), orders.at(1));
}

// The window's controls reach the export: two reordered versions to RTF make two files,
// an existing one is asked about first, and the clipboard holds both versions one after the other.
void TestVersions::windowControlsReachTheExport()
{
    auto w = fx.window();
    w->lxdSession()->appendOutput(rows(5), QString());
    QMetaObject::invokeMethod(w.get(), "updateOutputCount");
    auto *versions = TestUtil::child<QSpinBox>(w.get(), "spbVersions");
    auto *kind = TestUtil::child<QComboBox>(w.get(), "cmbVersionKind");
    QVERIFY(!kind->isEnabled());
    versions->setValue(2);
    QVERIFY(kind->isEnabled());
    TestUtil::child<QCheckBox>(w.get(), "chkAnswerKey")->setChecked(true);
    TestUtil::child<QComboBox>(w.get(), "cmbHints")->setCurrentIndex(1);
    QCOMPARE(w->lxdSession()->options().hints, ExerciseOptions::Hints::FirstLetter);
    QCOMPARE(w->lxdSession()->sheetOptions().versions, 2);
    {
        // The print preview shows both versions and both keys, each on pages of its own.
        int pages = 0;
        TestUtil::ModalAnswerer preview;
        preview.then([&pages](QWidget *dialog) {
            pages = dialog->findChild<QPrintPreviewWidget *>()->pageCount();
            qobject_cast<QDialog *>(dialog)->reject();
        });
        w->findChild<QPushButton *>(QStringLiteral("btnPrint"))->click();
        QCOMPARE(preview.pending(), 0);
        QCOMPARE(pages, 4);
    }

    const QString old = TestUtil::writeFile(*fx.dir, QStringLiteral("test-B.rtf"), "old");
    ZelFileDialog::setNextFileName(fx.path(QStringLiteral("test.rtf")));
    fx.boxes().press(QMessageBox::No);
    w->findChild<QPushButton *>(QStringLiteral("btnExportRTF"))->click();
    QCOMPARE(fx.boxes().pending(), 0);
    QVERIFY2(fx.boxes().seen().first().contains(QDir::toNativeSeparators(old)),
        qPrintable(fx.boxes().seen().first()));
    QVERIFY(!QFile::exists(fx.path(QStringLiteral("test-A.rtf"))));
    QCOMPARE(TestUtil::readFile(old), QByteArray("old"));

    // A write that fails names its file; the old one stays whole.
    ZelFileDialog::setNextFileName(fx.path(QStringLiteral("test.rtf")));
    fx.nextBoxes().press(QMessageBox::Yes).press(QMessageBox::Ok);
    CheckedWrite::setFailRenameForTesting(true);
    w->findChild<QPushButton *>(QStringLiteral("btnExportRTF"))->click();
    CheckedWrite::setFailRenameForTesting(false);
    QCOMPARE(fx.boxes().pending(), 0);
    QVERIFY2(
        fx.boxes().seen().last().contains(QDir::toNativeSeparators(fx.path(QStringLiteral("test-A.rtf")))),
        qPrintable(fx.boxes().seen().last()));
    QCOMPARE(TestUtil::readFile(old), QByteArray("old"));

    ZelFileDialog::setNextFileName(fx.path(QStringLiteral("test.rtf")));
    fx.nextBoxes().press(QMessageBox::Yes).press(QMessageBox::No);
    w->findChild<QPushButton *>(QStringLiteral("btnExportRTF"))->click();
    QCOMPARE(fx.boxes().pending(), 0);
    const QString a = QString::fromLatin1(TestUtil::readFile(fx.path(QStringLiteral("test-A.rtf"))));
    const QString b = QString::fromLatin1(TestUtil::readFile(fx.path(QStringLiteral("test-B.rtf"))));
    QVERIFY(a.contains(QLatin1String("Version A")) && b.contains(QLatin1String("Version B")));
    QVERIFY(rowOrder(a) != rowOrder(b));

    fx.nextBoxes().press(QMessageBox::Ok);
    w->findChild<QPushButton *>(QStringLiteral("btnExportTextToClipboard"))->click();
    QCOMPARE(fx.boxes().pending(), 0);
    const QString clip = QGuiApplication::clipboard()->text();
    QVERIFY(clip.indexOf(QLatin1String("Version A")) < clip.indexOf(QLatin1String("Version B")));
    QCOMPARE(clip.count(QLatin1String("Answer key")), 2);
    w->close();
}

QTEST_MAIN(TestVersions)
#include "tst_versions.moc"
