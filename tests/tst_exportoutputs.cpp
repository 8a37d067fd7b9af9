// SPDX-License-Identifier: GPL-3.0-or-later
// Every export kind of the table, rendered from one model: the documented outputs byte for byte
// against files written once, and one rule all of them follow.
#include "exercise/exportformats.h"

#include "support/testutil.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Templates = QStringLiteral(LEXIVANE_SOURCE_DIR "/share/templates/");

// Sentences without the newer notation and with it, markup, characters outside ASCII, a key word
// longer than the gap, and an empty one.
const QStringList GoldenEntries {QStringLiteral("He [went] home."), QStringLiteral("She [ate] an [apple]."),
    QStringLiteral("No key word."), QStringLiteral("x] [a [b] c]"),
    QStringLiteral("A [superlongkeyword] & <b> {x} \\ \u00e9 \U0001F600."),
    QStringLiteral("They [went] out."), QStringLiteral("[]"),
    QStringLiteral("\\[sic\\] [colour | color::a shade] and [went::go].")};

ExportResult render(const ExportFormat &format, const QStringList &entries, const ExerciseOptions &options)
{
    const ExerciseModel model
        = ExportFormats::exerciseModel({entries, options, 77u, QString(), QString(), QString(), 0}, nullptr);
    return ExportFormats::render(format, model, ExportSettings(),
        format.templateName ? Templates + QLatin1String(format.templateName) : QString());
}

// What a reader of the file sees as text: pdftotext's text layer, every entry of a ZIP archive as
// Python's reader gives it, the bytes of any other file.
QString readable(const ExportFormat &format, const QByteArray &bytes)
{
    const bool pdf = qstrcmp(format.name, "pdf") == 0;
    if (!pdf && !format.has(ExportFormat::Archive))
        return QString::fromUtf8(bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("file"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    file.close();
    QProcess reader;
    if (pdf)
        reader.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    else
        reader.start(QStringLiteral("python3"),
            {QStringLiteral("-c"),
                QStringLiteral(
                    "import sys, zipfile\n"
                    "z = zipfile.ZipFile(sys.argv[1])\n"
                    "for n in z.namelist(): sys.stdout.write(z.read(n).decode('utf-8', 'replace'))"),
                path});
    reader.waitForFinished(60000);
    return QString::fromUtf8(reader.readAllStandardOutput());
}

} // namespace

class TestExportOutputs : public QObject
{
    Q_OBJECT

private slots:
    void documentedOutputs_data();
    void documentedOutputs();
    void unclosedBracketStaysText_data();
    void unclosedBracketStaysText();
};

void TestExportOutputs::documentedOutputs_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<int>>("optionSets"); // the five options as bits, question numbers lowest
    const QList<int> eachOptionOff {31, 30, 29, 27, 23, 15, 10, 0};
    for (const char *name :
        {"text", "rtf", "xhtml", "jmatch", "jcloze", "moodle-xml", "moodle-matching", "gift"})
        QTest::newRow(name) << QString::fromLatin1(name) << eachOptionOff;
    // The page takes its data whatever the options; two sets pin it.
    QTest::newRow("interactive") << QStringLiteral("interactive") << QList<int> {31, 0};
}

// With the answer key and the shuffled word list off, each export writes, byte for byte, the file
// it wrote before the exports shared one model. The XML files, which the document writer once
// wrote with its attributes in a random order, have them in the template's order.
void TestExportOutputs::documentedOutputs()
{
    QFETCH(QString, name);
    QFETCH(QList<int>, optionSets);
    const ExportFormat *format = ExportFormats::find(name);
    QVERIFY(format);
    QByteArray all;
    for (int flags : optionSets) {
        const ExportResult result = render(*format, GoldenEntries,
            TestUtil::options(flags & 1, flags & 2, flags & 4, flags & 8, flags & 16));
        QCOMPARE(result.status, ExportResult::Done);
        all += "==== options " + QByteArray::number(flags) + " ====\n" + result.bytes + '\n';
    }
    const QString golden = QStringLiteral(LEXIVANE_SOURCE_DIR "/tests/data/golden/") + name + ".golden";
    if (qEnvironmentVariableIsSet("LEXIVANE_WRITE_GOLDEN")) {
        QFile out(golden);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(all) == all.size());
        QSKIP("golden file written");
    }
    QCOMPARE(all, TestUtil::readFile(golden));
}

void TestExportOutputs::unclosedBracketStaysText_data()
{
    QTest::addColumn<QString>("name");
    for (const ExportFormat &format : ExportFormats::all())
        QTest::newRow(format.name) << QString::fromLatin1(format.name);
}

// A bracket left open is no key word in any export: it and the rest of the sentence stay text, as
// the sentence editor shows them, and no gap or key stands for it.
void TestExportOutputs::unclosedBracketStaysText()
{
    QFETCH(QString, name);
    const ExportFormat *format = ExportFormats::find(name);
    QVERIFY(format);
    ExerciseOptions options;
    options.jumbleOrder = false;
    options.answerKey = true;
    const ExportResult result = render(
        *format, {QStringLiteral("The [dog] and the [cat sat."), QStringLiteral("[Go] on.")}, options);
    QCOMPARE(result.status, ExportResult::Done);
    QString text = readable(*format, result.bytes);
    // As the formats write a bracket: Moodle's guarded one, inside XML.
    text.replace(QLatin1String("&amp;"), QLatin1String("&"))
        .replace(QLatin1String("&#91;"), QLatin1String("["));
    QVERIFY2(text.contains(QLatin1String("the [cat sat.")), qPrintable(text));
    QVERIFY2(
        !text.contains(QLatin1String("the [_")) && !text.contains(QLatin1String("the _")), qPrintable(text));
    // The key lists the one key word of the sentence, with no empty answer after it.
    QVERIFY2(!text.contains(QLatin1String("dog, ")), qPrintable(text));
}

QTEST_MAIN(TestExportOutputs)
#include "tst_exportoutputs.moc"
