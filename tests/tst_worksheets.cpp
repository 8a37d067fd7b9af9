// SPDX-License-Identifier: GPL-3.0-or-later
// Worksheets: the answer key, the shuffled word list, the PDF document and printing, read back the way
// a teacher would meet them (a PDF reader's text, the page size, a word processor's paper).
#include "app/mainwindow.h"
#include "data/lxddatabase.h"
#include "exercise/exercisemodel.h"
#include "exercise/exerciserender.h"
#include "exercise/randomsource.h"
#include "exercise/templatefill.h"
#include "support/dbfixtures.h"
#include "support/modalanswerer.h"
#include "support/testutil.h"
#include "support/windowfixture.h"
#include "util/zelfiledialog.h"
#include "util/zelutils.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDomDocument>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

#include <memory>

namespace {

// What a PDF reader makes of a file: its text (pages split by form feeds) and its page size.
QString pdfTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool havePoppler()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

// The positions in `text` of the numbered rows, in the order they stand there.
QList<int> rowOrder(const QString &text, int rows)
{
    QList<QPair<qsizetype, int>> found;
    for (int i = 0; i < rows; ++i) {
        const qsizetype at = text.indexOf(QStringLiteral("Row%1 ").arg(i));
        if (at >= 0)
            found.append({at, i});
    }
    std::sort(found.begin(), found.end());
    QList<int> order;
    for (const auto &f : found)
        order.append(f.second);
    return order;
}

// The answers of the key lines "1. k3" ... in the order of their numbers.
QList<int> keyOrder(const QString &key)
{
    QList<int> order;
    static const QRegularExpression line(QStringLiteral("(\\d+)\\. k(\\d+)"));
    auto it = line.globalMatch(key);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(1).toInt() == order.size() + 1)
            order.append(m.captured(2).toInt());
    }
    return order;
}

// The key words k0, k1 ... in the order they stand in `text`.
QList<int> wordOrder(const QString &text)
{
    QList<int> order;
    static const QRegularExpression word(QStringLiteral("\\bk(\\d+)\\b"));
    for (auto it = word.globalMatch(text); it.hasNext();)
        order.append(it.next().captured(1).toInt());
    return order;
}

const QString Mixed = QStringLiteral(
    "\u00c7a [co\u00fbte] <3 & {5} \U0001F600 \u05e9\u05dc\u05d5\u05dd [\u0645\u0631\u062d\u0628\u0627].");

} // namespace

class TestWorksheets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fx.initTestCase(); }
    void init();
    void cleanup();

    void pageSizeFollowsTheLocale_data();
    void pageSizeFollowsTheLocale();
    void clipboardKeyAndSharedWordBank();
    void everyExportAgreesWithItsKey_data();
    void everyExportAgreesWithItsKey();
    void pdfReadsBackOnItsPage_data();
    void pdfReadsBackOnItsPage();
    void rtfKeyAndPaper();
    void xhtmlKeySection();
    void readersTakeTheFiles();
    void printShowsThePreview();
    void alternativesAndCluesInEveryFile();
    void oneExerciseUntilItChanges();
    void extraWordsInTheWordBank();
    void xmlFilesLeaveOutWhatXmlCannotCarry_data();
    void xmlFilesLeaveOutWhatXmlCannotCarry();

private:
    std::unique_ptr<MainWindow> window(const QStringList &entries);
    QString exportText(MainWindow &w, const QString &button, const QString &file);

    TestUtil::WindowFixture fx;
};

void TestWorksheets::init()
{
    fx.init();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestWorksheets::cleanup()
{
    QLocale::setDefault(QLocale::system());
    fx.cleanup();
}

std::unique_ptr<MainWindow> TestWorksheets::window(const QStringList &entries)
{
    auto w = fx.window(false);
    w->lxdSession()->appendOutput(entries, QString());
    QMetaObject::invokeMethod(w.get(), "updateOutputCount");
    return w;
}

// Runs the export of `button` into `file` (none: the clipboard) and returns what a reader sees.
QString TestWorksheets::exportText(MainWindow &w, const QString &button, const QString &file)
{
    TestUtil::ModalAnswerer answerer;
    answerer.press(file.isEmpty() ? QMessageBox::Ok : QMessageBox::No);
    const QString path = fx.dir->filePath(file);
    if (!file.isEmpty())
        ZelFileDialog::setNextFileName(path);
    w.findChild<QPushButton *>(button)->click();
    if (answerer.pending() != 0 || !answerer.unexpected().isEmpty())
        return QStringLiteral("export did not finish");
    if (file.isEmpty())
        return QGuiApplication::clipboard()->text();
    if (file.endsWith(QLatin1String(".pdf")))
        return pdfTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    return QString::fromUtf8(TestUtil::readFile(path));
}

void TestWorksheets::pageSizeFollowsTheLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("page");
    QTest::addRow("Germany") << QLocale(QLocale::German, QLocale::Germany) << int(QPageSize::A4);
    QTest::addRow("Britain") << QLocale(QLocale::English, QLocale::UnitedKingdom) << int(QPageSize::A4);
    QTest::addRow("United States") << QLocale(QLocale::English, QLocale::UnitedStates)
                                   << int(QPageSize::Letter);
    QTest::addRow("Canada, French") << QLocale(QLocale::French, QLocale::Canada) << int(QPageSize::Letter);
    QTest::addRow("Mexico") << QLocale(QLocale::Spanish, QLocale::Mexico) << int(QPageSize::Letter);
    QTest::addRow("Spain") << QLocale(QLocale::Spanish, QLocale::Spain) << int(QPageSize::A4);
    QTest::addRow("C") << QLocale::c() << int(QPageSize::Letter);
}

void TestWorksheets::pageSizeFollowsTheLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(int, page);
    QCOMPARE(int(ExerciseRender::pageSizeFor(locale)), page);
}

void TestWorksheets::clipboardKeyAndSharedWordBank()
{
    auto w = window({QStringLiteral("He [went] home."), QStringLiteral("She [ate] an [apple]."),
        QStringLiteral("They [went] out."), QStringLiteral("No key word.")});
    TestUtil::child<QCheckBox>(w.get(), "chkJumbleOrder")->setChecked(false);
    TestUtil::child<QCheckBox>(w.get(), "chkAnswerKey")->setChecked(true);
    const QString keyed = exportText(*w, QStringLiteral("btnExportTextToClipboard"), QString());
    QCOMPARE(keyed,
        QStringLiteral("\nwent   ate   apple   went\n\n1. He [__________] home.\n2. She [__________] an "
                       "[__________].\n3. They [__________] out.\n4. No key word.\n\n"
                       "----------------------------------------\nAnswer key\n"
                       "Word bank: went   ate   apple   went\n1. went\n2. ate, apple\n3. went\n4."));

    // Shuffled, the word list holds a word once per gap it fills, in one order for the sheet and its
    // key.
    RandomSource::setSeedOverride(99u);
    TestUtil::child<QCheckBox>(w.get(), "chkShuffleWordList")->setChecked(true);
    w->findChild<QPushButton *>(QStringLiteral("btnNewShuffle"))->click();
    const QStringList lines
        = exportText(*w, QStringLiteral("btnExportTextToClipboard"), QString()).split('\n');
    const QStringList bank = lines.at(1).split(QStringLiteral("   "));
    QStringList sorted = bank;
    sorted.sort();
    QCOMPARE(sorted, (QStringList {"apple", "ate", "went", "went"}));
    QCOMPARE(lines.at(lines.indexOf(QStringLiteral("Answer key")) + 1),
        QStringLiteral("Word bank: ") + lines.at(1));
    QCOMPARE(bank, ExerciseModelBuilder::build(w->outputEntries(), w->exerciseOptions(), 99u).wordBank);
}

void TestWorksheets::everyExportAgreesWithItsKey_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("file");
    QTest::addRow("clipboard") << "btnExportTextToClipboard" << QString();
    QTest::addRow("RTF") << "btnExportRTF"
                         << "sheet.rtf";
    QTest::addRow("XHTML") << "btnExportXHTML"
                           << "sheet.htm";
    QTest::addRow("JMatch") << "btnExportJMatch"
                            << "sheet.jmt";
    QTest::addRow("JCloze") << "btnExportJCloze"
                            << "sheet.jcl";
    QTest::addRow("PDF") << "btnExportPDF"
                         << "sheet.pdf";
}

// With every option on and one seed, each export puts the questions in the model's order, and the
// key of each that has one lists their answers in that order.
void TestWorksheets::everyExportAgreesWithItsKey()
{
    QFETCH(QString, button);
    QFETCH(QString, file);
    if (file.endsWith(QLatin1String(".pdf")) && !havePoppler())
        QSKIP("poppler-utils (pdftotext, pdfinfo) are not installed");
    const int rows = 7;
    QStringList entries;
    for (int i = 0; i < rows; ++i)
        entries.append(QStringLiteral("Row%1 holds [k%1].").arg(i));
    const quint32 seed = 2024;
    RandomSource::setSeedOverride(seed);
    auto w = window(entries);
    TestUtil::child<QCheckBox>(w.get(), "chkAnswerKey")->setChecked(true);
    TestUtil::child<QCheckBox>(w.get(), "chkShuffleWordList")->setChecked(true);

    const ExerciseModel model = ExerciseModelBuilder::build(entries, w->exerciseOptions(), seed);
    QList<int> expected;
    for (const QString &entry : model.orderedEntries())
        expected.append(entries.indexOf(entry));
    QVERIFY(expected != QList<int>({0, 1, 2, 3, 4, 5, 6}));

    const QString text = exportText(*w, button, file);
    const qsizetype keyAt = text.indexOf(QStringLiteral("Answer key"));
    QCOMPARE(rowOrder(text.left(keyAt), rows), expected);
    if (button == QLatin1String("btnExportJMatch") || button == QLatin1String("btnExportJCloze")) {
        QCOMPARE(keyAt, -1); // they carry their answers themselves
        return;
    }
    QVERIFY(keyAt > 0);
    if (button == QLatin1String("btnExportXHTML")) {
        QDomDocument page;
        QVERIFY(page.setContent(text));
        const QDomNodeList items = page.elementsByTagName(QStringLiteral("li"));
        QCOMPARE(items.size(), 2 * rows);
        for (int i = 0; i < rows; ++i)
            QCOMPARE(items.item(rows + i).toElement().text(), QStringLiteral("k%1").arg(expected.at(i)));
    } else {
        QCOMPARE(keyOrder(text.mid(keyAt)), expected);
    }
    // The word bank is the model's, in the sheet before the questions and again in the key.
    QList<int> bank;
    for (const QString &word : model.wordBank)
        bank.append(word.mid(1).toInt());
    const qsizetype keyWords = text.indexOf(QRegularExpression(QStringLiteral("1\\. k|<ol")), keyAt);
    QCOMPARE(wordOrder(text.left(text.indexOf(QStringLiteral("Row")))), bank);
    QCOMPARE(wordOrder(text.mid(keyAt, keyWords - keyAt)), bank);
}

void TestWorksheets::pdfReadsBackOnItsPage_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("pageSize");
    QTest::addColumn<qreal>("width");
    QTest::addRow("A4") << QLocale(QLocale::German, QLocale::Germany)
                        << "595(\\.\\d+)? x 84[12](\\.\\d+)? pts \\(A4\\)" << 595.0;
    QTest::addRow("Letter") << QLocale(QLocale::English, QLocale::UnitedStates)
                            << "612 x 792 pts \\(letter\\)" << 612.0;
}

// The sheet on its own page and the key on the next; a long sentence wraps inside the margins; and
// the teacher's text, markup characters, braces, emoji and right-to-left words included, is all there.
void TestWorksheets::pdfReadsBackOnItsPage()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, pageSize);
    QFETCH(qreal, width);
    if (!havePoppler())
        QSKIP("poppler-utils (pdftotext, pdfinfo) are not installed");
    QLocale::setDefault(locale);
    QString longSentence = QStringLiteral("This long sentence keeps going");
    for (int i = 0; i < 12; ++i)
        longSentence += QStringLiteral(" and going");
    longSentence += QStringLiteral(" until the [end].");
    auto w = window({QStringLiteral("He [went] home."), longSentence, Mixed});
    TestUtil::child<QCheckBox>(w.get(), "chkJumbleOrder")->setChecked(false);
    TestUtil::child<QCheckBox>(w.get(), "chkAnswerKey")->setChecked(true);
    const QString path = fx.dir->filePath(QStringLiteral("sheet.pdf"));
    exportText(*w, QStringLiteral("btnExportPDF"), QStringLiteral("sheet.pdf"));

    const QString info = pdfTool(QStringLiteral("pdfinfo"), {path});
    QVERIFY2(
        info.contains(QRegularExpression(QStringLiteral("Page size:\\s+") + pageSize)), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))), qPrintable(info));

    const QString sheet = pdfTool(
        QStringLiteral("pdftotext"), {QStringLiteral("-l"), QStringLiteral("1"), path, QStringLiteral("-")});
    const QString key = pdfTool(
        QStringLiteral("pdftotext"), {QStringLiteral("-f"), QStringLiteral("2"), path, QStringLiteral("-")});
    QVERIFY(sheet.indexOf(QStringLiteral("1. He [__________] home."))
        < sheet.indexOf(QStringLiteral("2. This long")));
    QVERIFY(!sheet.contains(QStringLiteral("Answer key")));
    QVERIFY(key.contains(QStringLiteral("Answer key")));
    QVERIFY(key.contains(QStringLiteral("1. went")));
    QVERIFY(key.contains(QStringLiteral("2. end")));
    // A reader gives the shaped forms of Arabic letters and ligatures, and marks the direction of
    // right-to-left runs: compatibility forms and direction marks aside, the text is the teacher's.
    const auto plain = [](QString text) {
        text = text.normalized(QString::NormalizationForm_KC);
        text.remove(QRegularExpression(QStringLiteral("[\\x{200e}\\x{200f}\\x{202a}-\\x{202e}]")));
        return text.simplified();
    };
    const QString flatSheet = plain(sheet);
    // Qt's PDF writer draws a character beyond the Basic Multilingual Plane (the emoji) but gives
    // readers no text for it, so it is looked for on the rendered page, not in the text.
    for (const QString &piece :
        {QStringLiteral("\u00c7a [__________] <3 & {5}"), QStringLiteral("\u05e9\u05dc\u05d5\u05dd")})
        QVERIFY2(flatSheet.contains(piece), qPrintable(flatSheet));
    QVERIFY2(plain(key).contains(QStringLiteral("3. co\u00fbte, \u0645\u0631\u062d\u0628\u0627")),
        qPrintable(key));
    QVERIFY(
        flatSheet.contains(longSentence.replace(QStringLiteral("[end]"), QStringLiteral("[__________]"))));

    // Every word stands inside the page's margins: the long sentence wrapped rather than ran off.
    const QString boxes
        = pdfTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral("xMin=\"([0-9.]+)\"[^>]*xMax=\"([0-9.]+)\""));
    int words = 0;
    for (auto it = word.globalMatch(boxes); it.hasNext(); ++words) {
        const QRegularExpressionMatch m = it.next();
        QVERIFY(m.captured(1).toDouble() >= 36);
        QVERIFY2(m.captured(2).toDouble() <= width - 36, qPrintable(m.captured(0)));
    }
    QVERIFY(words > 40);
}

void TestWorksheets::rtfKeyAndPaper()
{
    auto w = window({QStringLiteral("He [went] home."), Mixed});
    TestUtil::child<QCheckBox>(w.get(), "chkJumbleOrder")->setChecked(false);
    const QByteArray rtfTemplate
        = TestUtil::readFile(ZelUtils::dataPath(QStringLiteral("templates/rtf_exercise.rtf")));

    // A4 where the locale uses it, and nothing else changed.
    QString rtf = exportText(*w, QStringLiteral("btnExportRTF"), QStringLiteral("a4.rtf"));
    QVERIFY(rtf.contains(QStringLiteral("\\paperw11906\\paperh16838\\margl")));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QByteArray letter
        = exportText(*w, QStringLiteral("btnExportRTF"), QStringLiteral("letter.rtf")).toLatin1();
    QCOMPARE(QString::fromLatin1(letter).replace(
                 QStringLiteral("\\paperw12240\\paperh15840"), QStringLiteral("\\paperw11906\\paperh16838")),
        rtf);
    QVERIFY(letter.startsWith(rtfTemplate.left(rtfTemplate.indexOf("[strWords]"))));

    // The key on a page of its own after the questions, the teacher's text escaped as in the sheet.
    TestUtil::child<QCheckBox>(w.get(), "chkAnswerKey")->setChecked(true);
    rtf = exportText(*w, QStringLiteral("btnExportRTF"), QStringLiteral("key.rtf"));
    const QString sheetEnd
        = QStringLiteral("[__________].\\par\\page\n{\\b\\fs30 Gap-fill exercise}\\par\n"
                         "{\\b\\fs26 Answer key}\\par\\par\n"
                         "Word bank: went   co\\u251?te   \\u1605?\\u1585?\\u1581?\\u1576?\\u1575?");
    const QString keyLines = QStringLiteral("\\par\\par\n1. went\\par\\par\n2. co\\u251?te, "
                                            "\\u1605?\\u1585?\\u1581?\\u1576?\\u1575?\\par}");
    QVERIFY(rtf.contains(sheetEnd));
    QVERIFY(rtf.contains(keyLines));
    QVERIFY(rtf.contains(QStringLiteral("\\u-10179?\\u-8704? \\u1513?\\u1500?\\u1493?\\u1501?")));
    for (QChar c : rtf)
        QVERIFY(c.unicode() < 0x80);
}

void TestWorksheets::xhtmlKeySection()
{
    auto w = window({QStringLiteral("He [went] home."), Mixed});
    TestUtil::child<QCheckBox>(w.get(), "chkJumbleOrder")->setChecked(false);
    TestUtil::child<QCheckBox>(w.get(), "chkAnswerKey")->setChecked(true);
    const QString text = exportText(*w, QStringLiteral("btnExportXHTML"), QStringLiteral("page.htm"));
    QDomDocument page;
    QVERIFY(page.setContent(text));
    QDomElement key;
    const QDomNodeList divs = page.elementsByTagName(QStringLiteral("div"));
    for (int i = 0; i < divs.size(); ++i) {
        if (divs.item(i).toElement().attribute(QStringLiteral("id")) == QLatin1String("answerKey"))
            key = divs.item(i).toElement();
    }
    QVERIFY(!key.isNull());
    QCOMPARE(key.previousSiblingElement().attribute(QStringLiteral("id")), QStringLiteral("content"));
    QCOMPARE(key.firstChildElement(QStringLiteral("h2")).text(), QStringLiteral("Answer key"));
    const QDomNodeList items = key.elementsByTagName(QStringLiteral("li"));
    QCOMPARE(items.size(), 2);
    QCOMPARE(items.item(0).toElement().text(), QStringLiteral("went"));
    QCOMPARE(items.item(1).toElement().text(), QStringLiteral("co\u00fbte, \u0645\u0631\u062d\u0628\u0627"));
    const QDomNodeList questions = page.elementsByTagName(QStringLiteral("li"));
    QCOMPARE(questions.item(1).toElement().text(),
        QStringLiteral("\u00c7a [__________] <3 & {5} \U0001F600 \u05e9\u05dc\u05d5\u05dd [__________]."));
}

// The programs that read the files take them: xmllint validates the page against the XHTML 1.0 Strict
// DTD (w3c-sgml-lib's copy, no network), and LibreOffice opens the RTF document and prints it with
// the sheet and the key on pages of their own and the teacher's text as typed.
void TestWorksheets::readersTakeTheFiles()
{
    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    QVERIFY2(!xmllint.isEmpty() && !soffice.isEmpty() && havePoppler(),
        "xmllint (libxml2-utils), soffice (libreoffice-writer-nogui) and poppler-utils are needed");
    auto w
        = window({QStringLiteral("He [went] home."), Mixed, QStringLiteral("A [colour | color::a shade].")});
    TestUtil::child<QCheckBox>(w.get(), "chkJumbleOrder")->setChecked(false);
    TestUtil::child<QLineEdit>(w.get(), "ledExerciseTitle")->setText(QStringLiteral("Unit 5 & <b>"));
    auto *key = TestUtil::child<QCheckBox>(w.get(), "chkAnswerKey");
    for (const bool withKey : {false, true}) {
        key->setChecked(withKey);
        const QString page = exportText(*w, QStringLiteral("btnExportXHTML"), QStringLiteral("page.htm"));
        QVERIFY(page.contains(QLatin1String("<title>Unit 5 &amp; &lt;b></title>"))
            || page.contains(QLatin1String("<title>Unit 5 &amp; &lt;b&gt;</title>")));
        QVERIFY(page.contains(QLatin1String("(a shade)")));
        QProcess lint;
        lint.start(xmllint,
            {QStringLiteral("--noout"), QStringLiteral("--nonet"), QStringLiteral("--valid"),
                fx.dir->filePath(QStringLiteral("page.htm"))});
        QVERIFY(lint.waitForFinished());
        const QByteArray errors = lint.readAllStandardError();
        QVERIFY2(lint.exitCode() == 0 && errors.isEmpty(), errors.constData());
    }

    exportText(*w, QStringLiteral("btnExportRTF"), QStringLiteral("sheet.rtf"));
    QProcess office;
    office.start(soffice,
        {QStringLiteral("-env:UserInstallation=")
                + QString::fromLatin1(
                    QUrl::fromLocalFile(fx.dir->filePath(QStringLiteral("office"))).toEncoded()),
            QStringLiteral("--headless"), QStringLiteral("--norestore"), QStringLiteral("--convert-to"),
            QStringLiteral("pdf"), QStringLiteral("--outdir"), fx.dir->path(),
            fx.dir->filePath(QStringLiteral("sheet.rtf"))});
    QVERIFY(office.waitForFinished(180000));
    const QString pdf = fx.dir->filePath(QStringLiteral("sheet.pdf"));
    QVERIFY2(QFile::exists(pdf), office.readAllStandardError().constData());
    const QStringList pages
        = pdfTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).split(QLatin1Char('\f'));
    QCOMPARE(pages.size(), 3); // two pages, then nothing after the last form feed
    const QString arabic = QStringLiteral("\u0645\u0631\u062d\u0628\u0627");
    for (const QString &text : {QStringLiteral("Unit 5 & <b>"), QStringLiteral("1. He [__________] home."),
             QStringLiteral("2. \u00c7a [__________] <3 & {5} \U0001F600"),
             QStringLiteral("\u05e9\u05dc\u05d5\u05dd"), arabic,
             QStringLiteral("3. A [__________] (a shade).")})
        QVERIFY2(pages.at(0).contains(text), qPrintable(text));
    QVERIFY(!pages.at(0).contains(QStringLiteral("Answer key")));
    QVERIFY(!pages.at(0).contains(QStringLiteral("Gap-fill exercise")));
    for (const QString &text : {QStringLiteral("Answer key"), QStringLiteral("1. went"),
             QStringLiteral("2. co\u00fbte, "), QStringLiteral("3. colour (also: color)")})
        QVERIFY2(pages.at(1).contains(text), qPrintable(text));
    QVERIFY(pages.at(1).contains(arabic));
}

void TestWorksheets::printShowsThePreview()
{
    auto w = window({QStringLiteral("He [went] home."), QStringLiteral("She [ate] an [apple].")});
    TestUtil::child<QCheckBox>(w.get(), "chkAnswerKey")->setChecked(true);
    int pages = 0;
    QPageSize::PageSizeId size = QPageSize::Custom;
    TestUtil::ModalAnswerer answerer;
    answerer.then([&](QWidget *dialog) {
        auto *preview = qobject_cast<QPrintPreviewDialog *>(dialog);
        QVERIFY(preview);
        size = preview->printer()->pageLayout().pageSize().id();
        pages = preview->findChild<QPrintPreviewWidget *>()->pageCount();
        preview->reject();
    });
    w->findChild<QPushButton *>(QStringLiteral("btnPrint"))->click();
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(size, QPageSize::A4);
    QCOMPARE(pages, 2);
}

// Alternatives and clues as the readers see them: the PDF sheet through pdftotext, the JCloze file
// through the DOM, and the JMatch file, which has room for neither, says so once before it is
// written, naming the sentences.
void TestWorksheets::alternativesAndCluesInEveryFile()
{
    if (!havePoppler())
        QSKIP("poppler-utils (pdftotext, pdfinfo) are not installed");
    auto w = window({QStringLiteral("She [went::go] home."), QStringLiteral("A [colour | color] \\[sic\\]."),
        QStringLiteral("No [notation] \U0001F600.")});
    TestUtil::child<QCheckBox>(w.get(), "chkJumbleOrder")->setChecked(false);
    TestUtil::child<QCheckBox>(w.get(), "chkAnswerKey")->setChecked(true);

    const QString pdf = exportText(*w, QStringLiteral("btnExportPDF"), QStringLiteral("sheet.pdf"));
    for (const QString &text : {QStringLiteral("1. She [__________] (go) home."),
             QStringLiteral("2. A [__________] [sic]."), QStringLiteral("1. went"),
             QStringLiteral("2. colour (also: color)"), QStringLiteral("3. notation")})
        QVERIFY2(pdf.contains(text), qPrintable(text + QLatin1String(" in\n") + pdf));

    QDomDocument cloze;
    QVERIFY(cloze.setContent(exportText(*w, QStringLiteral("btnExportJCloze"), QStringLiteral("c.jcl"))));
    const QDomNodeList records = cloze.elementsByTagName(QStringLiteral("question-record"));
    QCOMPARE(records.size(), 3);
    const auto answers = [&records](int i) {
        QStringList texts;
        const QDomNodeList list = records.item(i).toElement().elementsByTagName(QStringLiteral("answer"));
        for (int a = 0; a < list.size(); ++a)
            texts.append(list.item(a).firstChildElement(QStringLiteral("text")).text());
        return texts + QStringList {records.item(i).firstChildElement(QStringLiteral("clue")).text()};
    };
    QCOMPARE(answers(0), (QStringList {"went", "go"}));
    QCOMPARE(answers(1), (QStringList {"colour", "color", ""}));
    QCOMPARE(answers(2), (QStringList {"notation", ""}));

    TestUtil::ModalAnswerer answerer;
    answerer.press(QMessageBox::Ok).press(QMessageBox::Ok).press(QMessageBox::No);
    ZelFileDialog::setNextFileName(fx.dir->filePath(QStringLiteral("m.jmt")));
    w->findChild<QPushButton *>(QStringLiteral("btnExportJMatch"))->click();
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(answerer.seen().size(), 3);
    // Moodle's matching player breaks characters beyond the first plane; the teacher is told which.
    QVERIFY2(answerer.seen().first().startsWith(QLatin1String("Hot Potatoes players|"))
            && answerer.seen().first().contains(QLatin1String("Sentence 3")),
        qPrintable(answerer.seen().first()));
    const QString note = answerer.seen().at(1);
    QVERIFY2(note.startsWith(QLatin1String("Clues and alternatives left out|")), qPrintable(note));
    QVERIFY(note.contains(QLatin1String("1. She [went::go] home.")));
    QVERIFY(note.contains(QLatin1String("2. A [colour | color]")));
    QVERIFY(!note.contains(QLatin1String("notation")));
    const QString jmatch = QString::fromUtf8(TestUtil::readFile(fx.dir->filePath(QStringLiteral("m.jmt"))));
    QVERIFY(jmatch.contains(QLatin1String("<text>went</text>")));
    QVERIFY(jmatch.contains(QLatin1String("<text>colour</text>")));
    QVERIFY(!jmatch.contains(QLatin1String("go)")));
}

// Two exports of one list are one exercise; a changed option, or "New shuffle", makes another. The
// title typed with the options heads the sheet and names the PDF; the working database gives none.
void TestWorksheets::oneExerciseUntilItChanges()
{
    if (!havePoppler())
        QSKIP("poppler-utils (pdftotext, pdfinfo) are not installed");
    QStringList entries;
    for (int i = 0; i < 12; ++i)
        entries.append(QStringLiteral("Row%1 holds [k%1].").arg(i));
    auto w = window(entries);
    const QString first = exportText(*w, QStringLiteral("btnExportTextToClipboard"), QString());
    QCOMPARE(exportText(*w, QStringLiteral("btnExportTextToClipboard"), QString()), first);
    const QString pdf = exportText(*w, QStringLiteral("btnExportPDF"), QStringLiteral("a.pdf"));
    QCOMPARE(rowOrder(pdf, 12), rowOrder(first, 12));

    w->findChild<QPushButton *>(QStringLiteral("btnNewShuffle"))->click();
    const QString second = exportText(*w, QStringLiteral("btnExportTextToClipboard"), QString());
    QVERIFY(rowOrder(second, 12) != rowOrder(first, 12));
    // An option that changes only the look keeps the order; a changed list makes another.
    TestUtil::child<QCheckBox>(w.get(), "chkIncludeQNums")->setChecked(false);
    QCOMPARE(rowOrder(exportText(*w, QStringLiteral("btnExportTextToClipboard"), QString()), 12),
        rowOrder(second, 12));
    w->lxdSession()->appendOutput({QStringLiteral("Row12 holds [k12].")}, QString());
    QVERIFY(rowOrder(exportText(*w, QStringLiteral("btnExportTextToClipboard"), QString()), 12)
        != rowOrder(second, 12));

    const auto pdfTitle = [this, &w]() {
        exportText(*w, QStringLiteral("btnExportPDF"), QStringLiteral("t.pdf"));
        const QString info = pdfTool(QStringLiteral("pdfinfo"), {fx.dir->filePath(QStringLiteral("t.pdf"))});
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Title:\\s*(.*)")).match(info);
        return m.captured(1).trimmed();
    };
    w->setCurrentFileForTesting(QStringLiteral("/tmp/CurrentDB.lxv"));
    QCOMPARE(pdfTitle(), QStringLiteral("Gap-fill exercise"));
    w->setCurrentFileForTesting(QStringLiteral("/tmp/Verbs.lxv"));
    QCOMPARE(pdfTitle(), QStringLiteral("Verbs"));
    auto *title = TestUtil::child<QLineEdit>(w.get(), "ledExerciseTitle");
    title->setText(QStringLiteral("Unit 5: the past"));
    QCOMPARE(pdfTitle(), QStringLiteral("Unit 5: the past"));
    QVERIFY(exportText(*w, QStringLiteral("btnExportPDF"), QStringLiteral("h.pdf"))
                .contains(QLatin1String("Unit 5: the past")));
    QVERIFY(exportText(*w, QStringLiteral("btnExportJCloze"), QStringLiteral("h.jcl"))
                .contains(QLatin1String("<title>Unit 5: the past</title>")));
    w->close();
    QCOMPARE(QSettings().value(QStringLiteral("mainWindow/exerciseTitle")).toString(),
        QStringLiteral("Unit 5: the past"));
}

// Typed extra words reach the word bank of the sheet and its instruction, never the key; a format
// without a word bank says it leaves them out.
void TestWorksheets::extraWordsInTheWordBank()
{
    if (!havePoppler())
        QSKIP("poppler-utils (pdftotext, pdfinfo) are not installed");
    auto w = window({QStringLiteral("He [went] home."), QStringLiteral("She [ate] it.")});
    TestUtil::child<QCheckBox>(w.get(), "chkAnswerKey")->setChecked(true);
    TestUtil::child<QPlainTextEdit>(w.get(), "pteExtraWords")
        ->setPlainText(QStringLiteral("flew, WENT\nswam"));
    const QString text = exportText(*w, QStringLiteral("btnExportTextToClipboard"), QString());
    QStringList bank = text.split(QLatin1Char('\n')).at(1).split(QStringLiteral("   "));
    bank.sort();
    QCOMPARE(bank, (QStringList {"ate", "flew", "swam", "went"}));
    const QString key = text.mid(text.indexOf(QStringLiteral("Answer key")));
    QVERIFY(!key.contains(QLatin1String(". flew")) && !key.contains(QLatin1String(". swam")));

    const QString pdf = exportText(*w, QStringLiteral("btnExportPDF"), QStringLiteral("d.pdf"));
    QVERIFY2(pdf.simplified().contains(QLatin1String("some words are not needed")), qPrintable(pdf));
    QVERIFY(pdf.contains(QLatin1String("swam")));

    {
        TestUtil::ModalAnswerer answerer;
        answerer.press(QMessageBox::Ok).press(QMessageBox::No);
        ZelFileDialog::setNextFileName(fx.dir->filePath(QStringLiteral("d.jcl")));
        w->findChild<QPushButton *>(QStringLiteral("btnExportJCloze"))->click();
        QCOMPARE(answerer.pending(), 0);
        // The note names the words, which may have come back with the kept exercise out of sight.
        const QString note = answerer.seen().value(0);
        QVERIFY2(note.startsWith(QLatin1String("Extra words left out|"))
                && note.contains(QLatin1String("no word bank")) && note.contains(QLatin1String("flew"))
                && note.contains(QLatin1String("swam"))
                && note.contains(QLatin1String("kept with the exercise")),
            qPrintable(note));
    }
    {
        // A format with a word bank, its list switched off, says so.
        auto *list = TestUtil::child<QCheckBox>(w.get(), "chkIncludeWordList");
        list->setChecked(false);
        TestUtil::ModalAnswerer answerer;
        answerer.press(QMessageBox::Ok).press(QMessageBox::No);
        ZelFileDialog::setNextFileName(fx.dir->filePath(QStringLiteral("d.rtf")));
        w->findChild<QPushButton *>(QStringLiteral("btnExportRTF"))->click();
        QCOMPARE(answerer.pending(), 0);
        QVERIFY2(answerer.seen().value(0).contains(QLatin1String("The word list is switched off")),
            qPrintable(answerer.seen().value(0)));
        list->setChecked(true);
    }

    // Words drawn from the database's other sentences: never one the exercise accepts.
    auto *db = w->findChild<LxdDatabase *>();
    QVERIFY(db);
    DbFixtures::addHeadword(*db, QStringLiteral("other"),
        {{QStringLiteral("They [swam] far.")}, {QStringLiteral("We [Flew] away.")},
            {QStringLiteral("He [went] out.")}, {QStringLiteral("He [went] home.")}});
    TestUtil::child<QPlainTextEdit>(w.get(), "pteExtraWords")->clear();
    TestUtil::child<QSpinBox>(w.get(), "spbDatabaseWords")->setValue(3);
    const QStringList lines
        = exportText(*w, QStringLiteral("btnExportTextToClipboard"), QString()).split(QLatin1Char('\n'));
    QVERIFY(lines.size() > 1);
    bank = lines.at(1).split(QStringLiteral("   "));
    bank.sort();
    QCOMPARE(bank, (QStringList {"Flew", "ate", "swam", "went"}));
}

void TestWorksheets::xmlFilesLeaveOutWhatXmlCannotCarry_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("boxes"); // every dialog the export shows, the note and the last question included
    QTest::addColumn<int>("changed");
    QTest::addRow("XHTML") << "actSaveAsXHTML"
                           << "page.htm" << 2 << 3;
    QTest::addRow("JMatch") << "actSaveAsJMatch"
                            << "m.jmt" << 3 << 2;
    QTest::addRow("JCloze") << "actSaveAsJCloze"
                            << "c.jcl" << 3 << 2;
    QTest::addRow("Moodle XML") << "actSaveAsMoodleXml"
                                << "q.xml" << 2 << 3;
    QTest::addRow("Moodle matching") << "actSaveAsMoodleMatching"
                                     << "mq.xml" << 3 << 2;
    QTest::addRow("SCORM manifest") << "actSaveAsScorm"
                                    << "s.zip" << 3 << 3;
    QTest::addRow("database") << "actFileExportXml"
                              << "db.xml" << 1 << 2;
}

// Characters that XML cannot carry (control characters, U+FFFE, U+FFFF, half a surrogate pair) in a
// sentence, the title or an extra word are left out of every XML file, which xmllint then reads (the
// page is valid XHTML), and the teacher learns how many texts lost some and the first of them.
void TestWorksheets::xmlFilesLeaveOutWhatXmlCannotCarry()
{
    QFETCH(QString, action);
    QFETCH(QString, file);
    QFETCH(int, boxes);
    QFETCH(int, changed);
    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    QVERIFY2(!xmllint.isEmpty(), "xmllint (libxml2-utils) is needed");
    const QString bad = QStringLiteral("\x01\x1f") + QChar(0xFFFE) + QChar(0xFFFF) + QChar(0xD800);
    auto w = window({QStringLiteral("He [we%1nt] home.").arg(bad), QStringLiteral("She [ate] it.")});
    TestUtil::child<QCheckBox>(w.get(), "chkJumbleOrder")->setChecked(false);
    TestUtil::child<QLineEdit>(w.get(), "ledExerciseTitle")->setText(QStringLiteral("Unit%1 5").arg(bad));
    TestUtil::child<QPlainTextEdit>(w.get(), "pteExtraWords")
        ->setPlainText(QStringLiteral("fl%1ew").arg(bad));
    DbFixtures::addHeadword(*w->findChild<LxdDatabase *>(), QStringLiteral("go%1").arg(bad),
        {{QStringLiteral("He [went] home%1.").arg(bad)}});

    TestUtil::ModalAnswerer answerer;
    for (int i = 0; i < boxes; ++i) {
        answerer.then([](QWidget *dialog) {
            if (auto *box = qobject_cast<QMessageBox *>(dialog))
                box->button(box->button(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok)->click();
            else
                dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
    }
    const QString path = fx.dir->filePath(file);
    ZelFileDialog::setNextFileName(path);
    TestUtil::child<QAction>(w.get(), action.toLatin1().constData())->trigger();
    QString xml = path;
    if (file.endsWith(QLatin1String(".zip"))) {
        QProcess unzip;
        unzip.start(QStringLiteral("python3"),
            {QStringLiteral("-c"),
                QStringLiteral("import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extract('imsmanifest.xml', "
                               "sys.argv[2])"),
                path, fx.dir->path()});
        QVERIFY(unzip.waitForFinished() && unzip.exitCode() == 0);
        xml = fx.dir->filePath(QStringLiteral("imsmanifest.xml"));
    }
    QStringList arguments {QStringLiteral("--noout"), QStringLiteral("--nonet"), xml};
    if (file.endsWith(QLatin1String(".htm")))
        arguments.prepend(QStringLiteral("--valid"));
    QProcess lint;
    lint.start(xmllint, arguments);
    QVERIFY(lint.waitForFinished());
    const QByteArray errors = lint.readAllStandardError();
    QVERIFY2(lint.exitCode() == 0 && errors.isEmpty(), errors.constData());
    QVERIFY(TestUtil::readFile(xml).contains(action == QLatin1String("actFileExportXml") ? "go" : "Unit 5"));

    QCOMPARE(answerer.unexpected(), QStringList());
    QCOMPARE(answerer.pending(), 0);
    const QString note = action == QLatin1String("actFileExportXml")
        ? QStringLiteral(
            "XML file saved|Export complete.\n\n%1 texts held characters that an XML file cannot "
            "hold (control characters and the like); they were left out. The first now "
            "reads:\n\ngo|")
              .arg(changed)
        : QStringLiteral("Characters left out|%1 texts held characters that an XML file cannot hold (control "
                         "characters and the like); they were left out. The first now reads:\n\nUnit 5|")
              .arg(changed);
    QVERIFY2(answerer.seen().contains(note), qPrintable(answerer.seen().join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestWorksheets)
#include "tst_worksheets.moc"
