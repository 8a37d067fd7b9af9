// SPDX-License-Identifier: GPL-3.0-or-later
// The two forms of the vocabulary on disk: the line-oriented database file (both format versions)
// and the XML exchange document.
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "support/dbfixtures.h"
#include "support/testutil.h"

#include <QCoreApplication>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>

using DbFixtures::addHeadword;
using DbFixtures::describe;

namespace {

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

// cat (two sentences), ox (none), Äpfel (one used a negative count, one empty).
void fillSample(LxdDatabase &db)
{
    addHeadword(db, QStringLiteral("cat"),
        {{QStringLiteral("The [cat] sat on the [mat]."), 2}, {QStringLiteral("My [cat] is black."), 0}});
    addHeadword(db, QStringLiteral("ox"));
    addHeadword(db, u8("Äpfel"), {{u8("Ein [Apfel] fällt."), -3}, {QString(), 0}});
}

// Lowers the largest file this process may write, so that a save runs out of room half-way
// (root is not exempt, unlike from a read-only folder).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool isActive() const { return m_active; }

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
    bool m_active = false;
};

QByteArray xmlDocument(const QByteArray &items)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<lexivane-vocabulary-database version=\"3\"><items>"
        + items + "</items></lexivane-vocabulary-database>\n";
}

} // namespace

class TestDatabaseFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void writesBytes_data();
    void writesBytes();
    void roundTrip_data();
    void roundTrip();
    void textsEndingInAmpersandsRoundTrip();
    void saveAndLoadClearTheModifiedFlags();
    void loadAppendsInFileOrder();
    void shortAndBlankLines_data();
    void shortAndBlankLines();
    void sentenceField_data();
    void sentenceField();
    void headwordLine_data();
    void headwordLine();
    void decoding_data();
    void decoding();
    void lineBreakInsideATextBecomesASpace();
    void failedSaveKeepsThePreviousFile_data();
    void failedSaveKeepsThePreviousFile();

    void xmlWritesTheExampleBytes_data();
    void xmlWritesTheExampleBytes();
    void xmlKeyWordAtEitherEnd();
    void xmlOlderVersionIsLatin1();
    void xmlSentenceRoundTrip_data();
    void xmlSentenceRoundTrip();
    void xmlDatabaseRoundTrip();
    void xmlLeavesOutControlCharacters();
    void xmlReaderRules_data();
    void xmlReaderRules();
    void xmlUnreadable_data();
    void xmlUnreadable();
    void xmlSaveLeavesTheModifiedFlag();
    void applicationFormatVersion_data();
    void applicationFormatVersion();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }

    QScopedPointer<QTemporaryDir> m_dir;
};

void TestDatabaseFile::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    QCoreApplication::setApplicationVersion(QStringLiteral("3.0"));
}

void TestDatabaseFile::cleanup()
{
    QCoreApplication::setApplicationVersion(QStringLiteral("3.0"));
}

void TestDatabaseFile::writesBytes_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray current = QByteArray("\xEF\xBB\xBF")
        + u8("cat&&&{2}The [cat] sat on the [mat].&&&{0}My [cat] is black.\r\n"
             "ox\r\n"
             "Äpfel&&&{-3}Ein [Apfel] fällt.&&&{0}\r\n")
              .toUtf8();
    const QByteArray older = "cat&&&*The [cat] sat on the [mat].&&&My [cat] is black.\r\n"
                             "ox\r\n"
                             "\xC4pfel&&&Ein [Apfel] f\xE4llt.&&&\r\n";
    QTest::addRow("3") << 3 << current;
    QTest::addRow("4") << 4 << current;
    QTest::addRow("2") << 2 << older;
    QTest::addRow("0") << 0 << older;
}

void TestDatabaseFile::writesBytes()
{
    QFETCH(int, version);
    QFETCH(QByteArray, bytes);
    LxdDatabase db;
    fillSample(db);
    QVERIFY(db.saveText(path("db.lxv"), version));
    QCOMPARE(TestUtil::readFile(path("db.lxv")), bytes);
}

void TestDatabaseFile::roundTrip_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("expected");
    // The older form knows only "used or not", loses short sentences and reads a leading star as
    // a used mark.
    QTest::addRow("version 3")
        << 3 << u8("cat|The [cat] sat.#5|*star [x]#0|My [cat].#-3|#0|ab#0\nox\nÄpfel|[Ä] ß#1");
    QTest::addRow("version 2") << 2 << u8("cat|The [cat] sat.#1|star [x]#1|My [cat].#0\nox\nÄpfel|[Ä] ß#1");
}

void TestDatabaseFile::roundTrip()
{
    QFETCH(int, version);
    QFETCH(QString, expected);
    LxdDatabase db;
    addHeadword(db, QStringLiteral("cat"),
        {{QStringLiteral("The [cat] sat."), 5}, {QStringLiteral("*star [x]"), 0},
            {QStringLiteral("My [cat]."), -3}, {QString(), 0}, {QStringLiteral("ab"), 0}});
    addHeadword(db, QStringLiteral("ox"));
    addHeadword(db, u8("Äpfel"), {{u8("[Ä] ß"), 1}});

    QVERIFY(db.saveText(path("db.lxv"), version));
    LxdDatabase reread;
    QVERIFY(reread.loadText(path("db.lxv")));
    QCOMPARE(describe(reread), expected);
    if (version >= 3)
        QCOMPARE(reread.sentenceAt(0, 3)->bracketStatus(), int(LxdSentence::NoKeyWord));
}

void TestDatabaseFile::textsEndingInAmpersandsRoundTrip()
{
    LxdDatabase db;
    addHeadword(db, QStringLiteral("AT&"), {{QStringLiteral("Tom &"), 4}, {QStringLiteral("R&& [d]"), 1}});
    addHeadword(db, QStringLiteral("B&&"), {{QStringLiteral("&&"), 2}});
    const QString before = describe(db);
    QVERIFY(db.saveText(path("amp.lxv"), 3));
    LxdDatabase reread;
    QVERIFY(reread.loadText(path("amp.lxv")));
    QCOMPARE(describe(reread), before);
}

void TestDatabaseFile::saveAndLoadClearTheModifiedFlags()
{
    LxdDatabase db;
    fillSample(db);
    QVERIFY(db.saveText(path("db.lxv"), 3));
    QVERIFY(!db.isModified());

    LxdDatabase reread;
    reread.setModified(true);
    QVERIFY(reread.loadText(path("db.lxv")));
    QVERIFY(!reread.isModified());
}

void TestDatabaseFile::loadAppendsInFileOrder()
{
    LxdDatabase db;
    addHeadword(db, QStringLiteral("zoo"));
    QVERIFY(!db.loadText(path("missing.lxv")));
    QCOMPARE(describe(db), QStringLiteral("zoo"));
    QVERIFY(db.isModified()); // a failed read changes nothing

    QVERIFY(db.loadText(TestUtil::writeFile(*m_dir, "db.lxv", "yak&&&{1}Y [y]\r\nbee\r\n")));
    QCOMPARE(describe(db), QStringLiteral("zoo\nyak|Y [y]#1\nbee"));
    QCOMPARE(db.itemAt(1)->database(), &db);
}

void TestDatabaseFile::shortAndBlankLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    // Short headwords the program itself writes must come back; only blank lines are skipped.
    QTest::addRow("short headwords") << QByteArray("cat\r\nox\r\na\r\n") << "cat\nox\na";
    QTest::addRow("blank lines skipped") << QByteArray("cat\r\n   \r\n\r\n\t\r\ndog\r\n") << "cat\ndog";
    QTest::addRow("long blank line skipped") << QByteArray("        \r\n") << "";
    QTest::addRow("LF line ends") << QByteArray("cat\ndog\n") << "cat\ndog";
    QTest::addRow("no final line end") << QByteArray("cat\r\ndog") << "cat\ndog";
}

void TestDatabaseFile::shortAndBlankLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    LxdDatabase db;
    QVERIFY(db.loadText(TestUtil::writeFile(*m_dir, "db.lxv", bytes)));
    QCOMPARE(describe(db), expected);
}

void TestDatabaseFile::sentenceField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("used");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("status");
    QTest::addRow("braced count") << "{2}The [cat]" << 2 << "The [cat]" << 1;
    QTest::addRow("count not a number") << "{x}The [cat]" << 0 << "The [cat]" << 1;
    QTest::addRow("empty braces kept") << "{}The [cat]" << 0 << "{}The [cat]" << 1;
    QTest::addRow("space after braces kept") << "{3} The [cat]" << 3 << " The [cat]" << 1;
    QTest::addRow("negative count, field trimmed") << "  {-4}a [b]  " << -4 << "a [b]" << 1;
    QTest::addRow("no closing brace") << "{5 and [c]" << 0 << "{5 and [c]" << 1;
    QTest::addRow("count only") << "{12}" << 12 << "" << 2;
    QTest::addRow("star after braces is text") << "{1}*x [y]" << 1 << "*x [y]" << 1;
    QTest::addRow("second closing brace is text") << "{2}}x" << 2 << "}x" << 2;
    QTest::addRow("star") << "*The [cat]" << 1 << "The [cat]" << 1;
    QTest::addRow("two stars") << "**x" << 1 << "*x" << 2;
    QTest::addRow("braces later are text") << "x{3}y" << 0 << "x{3}y" << 2;
    QTest::addRow("open bracket kept") << "{1}The [cat" << 1 << "The [cat" << 3;
    QTest::addRow("too short once trimmed") << "   ab  " << 0 << "" << 0;
}

void TestDatabaseFile::sentenceField()
{
    QFETCH(QString, field);
    QFETCH(int, used);
    QFETCH(QString, text);
    QFETCH(int, status);
    const LxdSentence s = LxdSentence::fromFileField(field);
    QCOMPARE(s.used(), used);
    QCOMPARE(s.text(), text);
    QCOMPARE(s.bracketStatus(), status);
}

void TestDatabaseFile::headwordLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");
    QTest::addRow("headword and sentences") << "cat&&&{2}The [cat]&&&{0}My [cat]."
                                            << "cat|The [cat]#2|My [cat].#0";
    QTest::addRow("line trimmed") << "  cat&&&{1}a [b]  "
                                  << "cat|a [b]#1";
    QTest::addRow("headword part not trimmed") << "cat &&&{0}x [y]"
                                               << "cat |x [y]#0";
    QTest::addRow("empty and two-character parts skipped") << "cat&&&&&&ab&&&{0}x [y]"
                                                           << "cat|x [y]#0";
    QTest::addRow("three-character part kept") << "cat&&&abc"
                                               << "cat|abc#0";
    QTest::addRow("part short once trimmed") << "cat&&&  ab"
                                             << "cat|#0";
    QTest::addRow("separator inside a text splits") << "cat&&&{0}a&&&b [c]"
                                                    << "cat|a#0|b [c]#0";
    QTest::addRow("empty headword") << "&&&{1}x [y]"
                                    << "|x [y]#1";
    // The last three ampersands of a run are the separator: a text may end in "&" or "&&".
    QTest::addRow("headword ending in an ampersand") << "AT&&&&{4}x [y]"
                                                     << "AT&|x [y]#4";
    QTest::addRow("sentence ending in two ampersands") << "cat&&&{1}Tom &&&&&{2}b [c]&"
                                                       << "cat|Tom &&#1|b [c]&#2";
}

void TestDatabaseFile::headwordLine()
{
    QFETCH(QString, line);
    QFETCH(QString, expected);
    LxdItem item;
    item.readFileLine(line);
    QCOMPARE(describe(item), expected);
}

void TestDatabaseFile::decoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("line");
    const QString line = u8("Äpfel|Der [Apfel] fällt.#1");
    const QByteArray utf8 = u8("Äpfel&&&{1}Der [Apfel] fällt.\r\n").toUtf8();
    QTest::addRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF") + utf8 << line;
    QTest::addRow("UTF-8 without mark") << utf8 << line;
    QTest::addRow("ISO 8859-1") << QByteArray("\xC4pfel&&&*Der [Apfel] f\xE4llt.\r\n") << line;
    QTest::addRow("ISO 8859-1, letters in a row")
        << QByteArray("Stra\xDF\x65&&&*\xE9t\xE9 [caf\xE9]\r\n") << u8("Straße|été [café]#1");
}

void TestDatabaseFile::decoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, line);
    LxdDatabase db;
    QVERIFY(db.loadText(TestUtil::writeFile(*m_dir, "db.lxv", bytes)));
    QCOMPARE(describe(db), line);
}

void TestDatabaseFile::lineBreakInsideATextBecomesASpace()
{
    LxdDatabase db;
    addHeadword(db, QStringLiteral("cat\rdog"),
        {{QStringLiteral("one\ntwo [x]"), 1}, {QStringLiteral("a\rb [y]"), 0}});
    QVERIFY(db.saveText(path("db.lxv"), 3));
    QCOMPARE(TestUtil::readFile(path("db.lxv")),
        QByteArray("\xEF\xBB\xBF"
                   "cat dog&&&{1}one two [x]&&&{0}a b [y]\r\n"));
    LxdDatabase reread;
    QVERIFY(reread.loadText(path("db.lxv")));
    QCOMPARE(describe(reread), QStringLiteral("cat dog|one two [x]#1|a b [y]#0"));
}

void TestDatabaseFile::failedSaveKeepsThePreviousFile_data()
{
    QTest::addColumn<bool>("xml");
    QTest::addColumn<bool>("diskFull"); // else the folder does not exist
    QTest::addRow("database file, disk full") << false << true;
    QTest::addRow("XML, disk full") << true << true;
    QTest::addRow("database file, no folder") << false << false;
    QTest::addRow("XML, no folder") << true << false;
}

void TestDatabaseFile::failedSaveKeepsThePreviousFile()
{
    QFETCH(bool, xml);
    QFETCH(bool, diskFull);
    const QByteArray previous = "previous&&&{1}The [old] file.\r\n";
    const QString target = diskFull ? TestUtil::writeFile(*m_dir, "db.lxv", previous) : path("none/db.lxv");

    LxdDatabase db;
    const QString text = QStringLiteral("A long [sentence] that fills the file well past the limit. ");
    for (int i = 0; i < 300; ++i)
        addHeadword(
            db, QStringLiteral("word%1").arg(i, 4, 10, QLatin1Char('0')), {{text.repeated(2), i}, {text, 0}});

    bool saved = true;
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (diskFull) {
            limit.reset(new FileSizeLimit(16 * 1024));
            QVERIFY(limit->isActive());
        }
        saved = xml ? db.saveXml(target, 3) : db.saveText(target, 3);
    }
    QVERIFY(!saved);
    QVERIFY(db.isModified());
    if (diskFull) {
        QCOMPARE(TestUtil::readFile(target), previous);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList {"db.lxv"}); // no leftovers
    } else {
        QVERIFY(!QFileInfo::exists(path("none")));
    }
}

void TestDatabaseFile::xmlWritesTheExampleBytes_data()
{
    QTest::addColumn<bool>("applicationVersion");
    QTest::addRow("version 3") << false;
    QTest::addRow("application version") << true;
}

void TestDatabaseFile::xmlWritesTheExampleBytes()
{
    QFETCH(bool, applicationVersion);
    LxdDatabase db;
    addHeadword(db, QStringLiteral("cat"), {{QStringLiteral("The [cat] sat on the [mat]."), 2}});
    QVERIFY(applicationVersion ? db.saveXml(path("db.xml")) : db.saveXml(path("db.xml"), 3));
    QCOMPARE(TestUtil::readFile(path("db.xml")),
        QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<lexivane-vocabulary-database version=\"3\">\n"
                   "   <items>\n"
                   "      <item>\n"
                   "         <head-word>cat</head-word>\n"
                   "         <sentence>\n"
                   "            <used>2</used>The <gap>cat</gap> sat on the <gap>mat</gap>.</sentence>\n"
                   "      </item>\n"
                   "   </items>\n"
                   "</lexivane-vocabulary-database>\n"));
}

void TestDatabaseFile::xmlKeyWordAtEitherEnd()
{
    LxdDatabase db;
    addHeadword(
        db, QStringLiteral("cat"), {{QStringLiteral("The [cat]"), 0}, {QStringLiteral("[Cats] purr."), 1}});
    QVERIFY(db.saveXml(path("db.xml"), 3));
    QVERIFY(TestUtil::readFile(path("db.xml"))
                .contains("         <sentence>\n"
                          "            <used>0</used>The <gap>cat</gap>\n"
                          "         </sentence>\n"
                          "         <sentence>\n"
                          "            <used>1</used><gap>Cats</gap> purr.</sentence>\n"));
    LxdDatabase reread;
    QVERIFY(reread.loadXml(path("db.xml")));
    QCOMPARE(describe(reread), QStringLiteral("cat|The [cat]#0|[Cats] purr.#1"));
}

void TestDatabaseFile::xmlOlderVersionIsLatin1()
{
    LxdDatabase db;
    addHeadword(db, u8("Äpfel"), {{u8("Der [Apfel] fällt."), 4}});
    QCoreApplication::setApplicationVersion(QStringLiteral("2.5"));
    QVERIFY(db.saveXml(path("db.xml")));
    const QByteArray bytes = TestUtil::readFile(path("db.xml"));
    QVERIFY2(bytes.startsWith("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                              "<lexivane-vocabulary-database version=\"2\">"),
        bytes.constData());
    QVERIFY(bytes.contains("<used>4</used>Der <gap>Apfel</gap> f\xE4llt.</sentence>"));
    LxdDatabase reread;
    QVERIFY(reread.loadXml(path("db.xml")));
    QCOMPARE(describe(reread), u8("Äpfel|Der [Apfel] fällt.#4"));
}

void TestDatabaseFile::xmlSentenceRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addRow("empty key word") << "a [] b"
                                    << "a [] b";
    QTest::addRow("markup characters") << "1 < 2 & \"3\" > 'x' [<&>]"
                                       << "1 < 2 & \"3\" > 'x' [<&>]";
    QTest::addRow("leading spaces") << "  lead [x]"
                                    << "  lead [x]";
    QTest::addRow("empty") << ""
                           << "";
    QTest::addRow("non-Latin") << u8("Der [Apfel] fällt, 猫.") << u8("Der [Apfel] fällt, 猫.");
    // A text kept with its bracket left open comes back as it was.
    QTest::addRow("ends inside a key word") << "x [y"
                                            << "x [y";
    QTest::addRow("pair then open") << "[a] b [c"
                                    << "[a] b [c";
    QTest::addRow("open key word holding an opener") << "a [b [c"
                                                     << "a [b [c";
    // The parser drops a run of white space alone between two key words.
    QTest::addRow("space between key words") << "[a] [b]"
                                             << "[a][b]";
}

void TestDatabaseFile::xmlSentenceRoundTrip()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    LxdDatabase db;
    addHeadword(db, QStringLiteral("cat"), {{text, 7}});
    QVERIFY(db.saveXml(path("db.xml"), 3));
    LxdDatabase reread;
    QVERIFY(reread.loadXml(path("db.xml")));
    QCOMPARE(describe(reread), QStringLiteral("cat|%1#7").arg(expected));
    QCOMPARE(reread.sentenceAt(0, 0)->bracketStatus(), LxdSentence::checkBrackets(expected));
}

void TestDatabaseFile::xmlDatabaseRoundTrip()
{
    LxdDatabase db;
    addHeadword(db, QStringLiteral(" spaced "), {{QStringLiteral("S [s]"), 0}});
    addHeadword(db, QStringLiteral("cat"), {{QStringLiteral("A [a]"), -3}, {QStringLiteral("B [b]"), 12}});
    addHeadword(db, QStringLiteral("x<&>y"));
    QVERIFY(db.saveXml(path("db.xml"), 3));

    // Import replaces what the database held; headwords come back trimmed, in file order.
    QVERIFY(db.loadXml(path("db.xml")));
    QCOMPARE(describe(db), u8("spaced|S [s]#0\ncat|A [a]#-3|B [b]#12\nx<&>y"));
    QVERIFY(db.isModified());
    QCOMPARE(db.itemAt(1)->database(), &db);
}

void TestDatabaseFile::xmlLeavesOutControlCharacters()
{
    QString sentence = QStringLiteral("a_b [c_d]e_f_g_h_");
    const QChar controls[] = {QChar(0x00), QChar(0x08), QChar(0x0B), QChar(0x0C), QChar(0x0E), QChar(0x1F)};
    int next = 0;
    for (QChar &c : sentence) {
        if (c == QLatin1Char('_'))
            c = controls[next++];
    }
    LxdDatabase db;
    addHeadword(db, QStringLiteral("ca") + QChar(0x01) + QStringLiteral("t"), {{sentence, 1}});
    QVERIFY(db.saveXml(path("db.xml"), 3));
    LxdDatabase reread;
    QVERIFY(reread.loadXml(path("db.xml")));
    QCOMPARE(describe(reread), QStringLiteral("cat|ab [cd]efgh#1"));
}

void TestDatabaseFile::xmlReaderRules_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("expected");
    auto cat = [](const QByteArray &sentence) {
        return xmlDocument("<item><head-word>cat</head-word><sentence>" + sentence + "</sentence></item>");
    };
    QTest::addRow("used after the text") << cat("The <gap>cat</gap>.<used>4</used>") << "cat|The [cat].#4";
    QTest::addRow("two used, last wins")
        << cat("<used>1</used>a <gap>b</gap><used>5</used>") << "cat|a [b]#5";
    QTest::addRow("gap holding an element")
        << cat("<used>0</used><gap><i>big</i> cat</gap>") << "cat|[big cat]#0";
    QTest::addRow("white space between gaps dropped")
        << cat("<used>0</used><gap>a</gap> <gap>b</gap>") << "cat|[a][b]#0";
    QTest::addRow("indentation dropped")
        << cat("\n   <used>0</used>The <gap>cat</gap>\n   ") << "cat|The [cat]#0";
    QTest::addRow("used trimmed") << cat("<used> 7 </used>x") << "cat|x#7";
    QTest::addRow("used not a number") << cat("<used>many</used>x") << "cat|x#0";
    QTest::addRow("other elements ignored with their text")
        << cat("<note>zz</note><used>2</used>a <b>b</b><gap>c</gap>") << "cat|a [c]#2";
    QTest::addRow("CDATA is text") << cat("<used>0</used><![CDATA[1 < 2 ]]><gap>x</gap>")
                                   << "cat|1 < 2 [x]#0";
    QTest::addRow("open bracket in text kept") << cat("<used>0</used>a [b") << "cat|a [b#0";
    QTest::addRow("headword trimmed, later one wins")
        << xmlDocument("<item><head-word> dog </head-word><head-word>  cat </head-word></item>") << "cat";
    QTest::addRow("other children of items ignored, file order kept") << xmlDocument(
        "<item><head-word>zebra</head-word></item><junk><item><head-word>no</head-word></item>"
        "</junk><item><head-word>apple</head-word></item>") << "zebra\napple";
    QTest::addRow("first items after another child, any version") << QByteArray(
        "<lexivane-vocabulary-database version=\"99\"><meta/><items><item><head-word>cat</head-word>"
        "</item></items><items><item><head-word>dog</head-word></item></items>"
        "</lexivane-vocabulary-database>") << "cat";
    QTest::addRow("no items") << QByteArray("<lexivane-vocabulary-database version=\"3\"/>") << "";
    QTest::addRow("other root element")
        << QByteArray("<vocabulary><items><item><head-word>cat</head-word></item></items></vocabulary>")
        << "";
}

// Whatever the document holds, the import replaces the database and marks it modified.
void TestDatabaseFile::xmlReaderRules()
{
    QFETCH(QByteArray, document);
    QFETCH(QString, expected);
    LxdDatabase db;
    addHeadword(db, QStringLiteral("old"), {{QStringLiteral("Old [s]."), 3}});
    db.setModified(false);
    QVERIFY(db.loadXml(TestUtil::writeFile(*m_dir, "db.xml", document)));
    QCOMPARE(describe(db), expected);
    QVERIFY(db.isModified());
}

void TestDatabaseFile::xmlUnreadable_data()
{
    QTest::addColumn<QByteArray>("bytes"); // null: no file at all
    QTest::addRow("missing file") << QByteArray();
    QTest::addRow("truncated") << QByteArray("<lexivane-vocabulary-database><items><item>");
    QTest::addRow("not XML") << QByteArray("cat&&&{1}The [cat].\r\n");
    QTest::addRow("raw control character") << xmlDocument("<item><head-word>c\x01t</head-word></item>");
    // Far deeper than the format's four levels: refused before a tree is built.
    QTest::addRow("deeply nested") << xmlDocument("<item><head-word>cat</head-word>"
        + QByteArray("<a>").repeated(5000) + QByteArray("</a>").repeated(5000) + "</item>");
}

void TestDatabaseFile::xmlUnreadable()
{
    QFETCH(QByteArray, bytes);
    LxdDatabase db;
    fillSample(db);
    db.setModified(false);
    const QString before = describe(db);
    const QString file = bytes.isNull() ? path("missing.xml") : TestUtil::writeFile(*m_dir, "db.xml", bytes);
    QVERIFY(!db.loadXml(file));
    QCOMPARE(describe(db), before);
    QVERIFY(!db.isModified());
}

void TestDatabaseFile::xmlSaveLeavesTheModifiedFlag()
{
    LxdDatabase db;
    fillSample(db);
    QVERIFY(db.saveXml(path("db.xml"), 3));
    QVERIFY(db.isModified());
    db.setModified(false);
    QVERIFY(db.saveXml(path("db.xml"), 3));
    QVERIFY(!db.isModified());

    // The older versions, written through a tree of their own, leave it as well.
    QVERIFY(db.saveXml(path("old.xml"), 2));
    QVERIFY(!db.isModified());
}

void TestDatabaseFile::applicationFormatVersion_data()
{
    QTest::addColumn<QString>("applicationVersion");
    QTest::addColumn<int>("formatVersion");
    QTest::addRow("3.0") << "3.0" << 3;
    QTest::addRow("3.9") << "3.9" << 3;
    QTest::addRow("12.5") << "12.5" << 12;
    QTest::addRow("not a number") << "three" << 0;
}

void TestDatabaseFile::applicationFormatVersion()
{
    QFETCH(QString, applicationVersion);
    QFETCH(int, formatVersion);
    QCoreApplication::setApplicationVersion(applicationVersion);
    QCOMPARE(LxdDatabase::applicationFormatVersion(), formatVersion);
}

QTEST_GUILESS_MAIN(TestDatabaseFile)
#include "tst_databasefile.moc"
