// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/zipwriter.h"
#include "finder/sentencefinder.h"
#include "finder/textreader.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// Each kind of file is made by a real writer and read back; what matters is that the finder gets the
// sentences whole and the paragraphs apart.
class TestTextReader : public QObject
{
    Q_OBJECT

private slots:
    void plainText_data();
    void plainText();
    void html();
    void epub();
    void officeFiles_data();
    void officeFiles();
    void failures();

private:
    QTemporaryDir m_dir;
};

static const QString sample = QString::fromUtf8(
    "A Heading\n\nThe café opened early. Mrs. Green bought bread there.\n\nShe went home.");

static QStringList sentencesOf(const QString &text)
{
    return SentenceFinder::splitSentences(text);
}

static const QStringList expected {"A Heading", QString::fromUtf8("The café opened early."),
    "Mrs. Green bought bread there.", "She went home."};

void TestTextReader::plainText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addRow("utf-8") << sample.toUtf8();
    QTest::addRow("utf-8 with bom") << QByteArray("\xEF\xBB\xBF") + sample.toUtf8();
    QTest::addRow("latin-1") << sample.toLatin1();
    QTest::addRow("utf-16 with bom") << QByteArray("\xFF\xFE")
            + QByteArray(reinterpret_cast<const char *>(sample.utf16()), sample.size() * 2);
}

void TestTextReader::plainText()
{
    QFETCH(QByteArray, bytes);
    const QString name = m_dir.filePath("plain.txt");
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    QString error;
    QCOMPARE(sentencesOf(TextReader::read(name, &error)), expected);
    QVERIFY(error.isEmpty());
}

void TestTextReader::html()
{
    const QString name = m_dir.filePath("page.html");
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        QString::fromUtf8("<html><head><title>T</title><style>p{}</style></head><body><h1>A Heading</h1>"
                          "<p>The caf&eacute; opened\nearly. Mrs. <b>Green</b> bought bread there.</p>"
                          "<p>She went home.</p></body></html>")
            .toUtf8());
    file.close();
    QCOMPARE(sentencesOf(TextReader::read(name)), expected);
}

void TestTextReader::epub()
{
    const QByteArray container = "<?xml version=\"1.0\"?><container version=\"1.0\" "
                                 "xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\"><rootfiles>"
                                 "<rootfile full-path=\"OEBPS/content.opf\" "
                                 "media-type=\"application/oebps-package+xml\"/></rootfiles></container>";
    const QByteArray opf
        = "<?xml version=\"1.0\"?><package xmlns=\"http://www.idpf.org/2007/opf\" version=\"3.0\">"
          "<manifest><item id=\"b\" href=\"text/two.xhtml\" media-type=\"application/xhtml+xml\"/>"
          "<item id=\"a\" href=\"text/one%20a.xhtml\" media-type=\"application/xhtml+xml\"/>"
          "</manifest><spine><itemref idref=\"a\"/><itemref idref=\"b\"/></spine></package>";
    auto page = [](const QString &body) {
        return QString(
            "<?xml version=\"1.0\" encoding=\"utf-8\"?><html xmlns=\"http://www.w3.org/1999/xhtml\">"
            "<head><title>Chapter</title></head><body>%1</body></html>")
            .arg(body)
            .toUtf8();
    };
    QString error;
    const QByteArray zip = ZipWriter::archive(
        {{"mimetype", "application/epub+zip", true}, {"META-INF/container.xml", container},
            {"OEBPS/content.opf", opf}, {"OEBPS/text/two.xhtml", page("<p>She went home.</p>")},
            {"OEBPS/text/one a.xhtml",
                page(QString::fromUtf8("<h2>A Heading</h2><p>The café opened early. Mrs. Green "
                                       "bought<br/>bread there.</p>"))}},
        &error);
    QVERIFY2(!zip.isEmpty(), qPrintable(error));
    // As the EPUB container asks: "mimetype" first and stored, its text at byte 38.
    QCOMPARE(zip.mid(30, 28), QByteArray("mimetypeapplication/epub+zip"));
    const QString name = m_dir.filePath("book.epub");
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(zip);
    file.close();
    QCOMPARE(sentencesOf(TextReader::read(name, &error)), expected);
    const std::atomic_bool cancelled {true};
    QVERIFY(TextReader::read(name, &error, &cancelled).isEmpty());
}

void TestTextReader::officeFiles_data()
{
    QTest::addColumn<QString>("format");
    QTest::addRow("docx") << "docx";
    QTest::addRow("odt") << "odt";
    QTest::addRow("pdf") << "pdf";
}

// LibreOffice writes the files from a plain text, each line a paragraph.
void TestTextReader::officeFiles()
{
    QFETCH(QString, format);
    const QString soffice = QStandardPaths::findExecutable("soffice");
    if (soffice.isEmpty())
        QSKIP("LibreOffice (soffice) is not installed: the office formats are not read here.");
    QTemporaryDir dir;
    const QString source = dir.filePath("office.txt");
    QFile file(source);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        QString::fromUtf8("A Heading\n\nThe café opened early. Mrs. Green bought bread there.\n\nShe went "
                          "home.\n")
            .toUtf8());
    file.close();
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(soffice,
        {"-env:UserInstallation=file://" + dir.filePath("profile"), "--headless", "--convert-to", format,
            "--outdir", dir.path(), source});
    QVERIFY(process.waitForFinished(120000));
    const QString converted = dir.filePath("office." + format);
    QVERIFY2(QFile::exists(converted), process.readAllStandardError().constData());
    QString error;
    QStringList sentences = sentencesOf(TextReader::read(converted, &error));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    if (format == "pdf") {
        // A cancelled read stops before the first page, without an error; one left to run tells
        // how far it went.
        const std::atomic_bool cancelled {true};
        const std::atomic_bool running {false};
        std::atomic_int progress {-1};
        QVERIFY(TextReader::read(converted, &error, &cancelled, &progress).isEmpty());
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(progress.load(), -1);
        QVERIFY(!TextReader::read(converted, &error, &running, &progress).isEmpty());
        QCOMPARE(progress.load(), 0);
        // A PDF keeps lines, not paragraphs: the heading runs into the first sentence.
        QCOMPARE(sentences.size(), 3);
        QVERIFY(sentences[0].endsWith(QString::fromUtf8("The café opened early.")));
        QCOMPARE(sentences.mid(1), expected.mid(2));
    } else {
        QCOMPARE(sentences, expected);
    }
}

void TestTextReader::failures()
{
    QString error;
    QVERIFY(TextReader::read(m_dir.filePath("missing.txt"), &error).isEmpty());
    QVERIFY(error.contains("missing.txt"));
    const QString fake = m_dir.filePath("fake.docx");
    QFile file(fake);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a zip");
    file.close();
    error.clear();
    QVERIFY(TextReader::read(fake, &error).isEmpty());
    QVERIFY(error.contains("DOCX"));
    const QString pdf = m_dir.filePath("fake.pdf");
    QVERIFY(QFile::copy(fake, pdf));
    error.clear();
    QVERIFY(TextReader::read(pdf, &error).isEmpty());
    QVERIFY(!error.isEmpty());
}

QTEST_MAIN(TestTextReader)
#include "tst_textreader.moc"
