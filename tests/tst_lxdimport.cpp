// SPDX-License-Identifier: GPL-3.0-or-later
// The readers of other word lists, without a window: what each fixture yields, what is skipped,
// the files that cannot be read, and the text rules they share.
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdmerge.h"
#include "data/xmllimits.h"
#include "import/lxdimport.h"
#include "import/lxdimportrun.h"
#include "support/dbfixtures.h"
#include "support/testutil.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray fixture(const QString &name)
{
    return TestUtil::readFile(TestUtil::sourcePath(QStringLiteral("tests/data/import/") + name));
}

// Reads a fixture as the window does; spreadsheets with the headword in column 0, the sentence in 1.
LxdImport::Result read(const QString &name, bool header)
{
    const QByteArray bytes = fixture(name);
    const QString title = QFileInfo(name).completeBaseName();
    switch (LxdImport::formatOf(name, bytes)) {
    case LxdImport::Csv: {
        LxdImport::CsvColumns columns;
        columns.header = header;
        return LxdImport::readCsv(LxdImport::readTable(LxdImport::decodeText(bytes)), columns);
    }
    case LxdImport::Kvtml:
        return LxdImport::readKvtml(bytes);
    case LxdImport::JCloze:
        return LxdImport::readJCloze(bytes, title);
    case LxdImport::JMatch:
        return LxdImport::readJMatch(bytes, title);
    case LxdImport::Unknown:
        break;
    }
    LxdImport::Result unknown;
    unknown.error = QStringLiteral("unknown format");
    return unknown;
}

// "headword: sentence | sentence" per headword.
QStringList summary(const LxdImport::Result &result)
{
    QStringList out;
    for (const LxdImport::Headword &h : result.headwords)
        out += h.headword + QLatin1String(": ") + h.sentences.join(QLatin1String(" | "));
    return out;
}

} // namespace

class TestLxdImport : public QObject
{
    Q_OBJECT

private slots:
    void fixtures_data();
    void fixtures();
    void realShapes_data();
    void realShapes();
    void unreadableFiles_data();
    void unreadableFiles();
    void table_data();
    void table();
    void headerRowGuess_data();
    void headerRowGuess();
    void bracketHeadword_data();
    void bracketHeadword();
    void decodeHtml_data();
    void decodeHtml();
    void splitSentences_data();
    void splitSentences();
    void mergedTextsStayAsRead();
    void repeatsFoundAmongFewAndMany();
    void cancelledProgressStopsTheReader();
    void readsAFileByItsFormat_data();
    void readsAFileByItsFormat();
    void cancelledRunLeavesNothing();
    void xmlLimits_data();
    void xmlLimits();
    void fileReaderMatchesWholeText_data();
    void fileReaderMatchesWholeText();
};

void TestLxdImport::fixtures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("header");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("skipped");

    QTest::addRow("CSV, UTF-8 with accents")
        << "words-utf8.csv" << true
        << QStringList {QStringLiteral("café: Un [café], s'il vous plaît. | Le [café] est très chaud."),
               QStringLiteral("naïve: She is so [naïve]."),
               QStringLiteral("crème brûlée: The [crème brûlée] was \"perfect\"."),
               QStringLiteral("Zoë: A line with a break inside"), QStringLiteral("piñata: ")}
        << QStringList {QStringLiteral("Row 6: no headword")};
    QTest::addRow("CSV, Latin-1 with semicolons") << "words-latin1.csv" << false
                                                  << QStringList {QStringLiteral("garçon: Le [garçon] boit."),
                                                         QStringLiteral("élève: Une [élève], deux élèves."),
                                                         QStringLiteral("Ärger: Kein [Ärger] heute.")}
                                                  << QStringList();
    QTest::addRow("TSV") << "words.tsv" << false
                         << QStringList {QStringLiteral(
                                             "cat: The [cat] sat on the mat. | My [cat] is black."),
                                QStringLiteral("dog: Hotdogs are not dogs. | The [dog] barks, loudly."),
                                QStringLiteral("bird: No match here.")}
                         << QStringList();
    QTest::addRow("KVTML with examples")
        << "examples.kvtml" << false
        << QStringList {QStringLiteral("école: Mon [École] est grande. | My [school] is big."),
               QStringLiteral("pomme: Les pommes sont rouges."), QStringLiteral("chat: ")}
        << QStringList {QStringLiteral("Entry 3: no headword")};
    QTest::addRow("KVTML from KWordQuiz")
        << "kwordquiz-example.kvtml" << false
        << QStringList {QStringLiteral("one: "), QStringLiteral("two: "), QStringLiteral("three: "),
               QStringLiteral("four: "), QStringLiteral("five: "), QStringLiteral("six: "),
               QStringLiteral("seven: "), QStringLiteral("eight: "), QStringLiteral("nine: ")}
        << QStringList();
    QTest::addRow("JCloze") << "passage.jcl" << false
                            << QStringList {QStringLiteral(
                                   "Au café: [Le] garçon boit un [café]. | Il est très [chaud] "
                                   "[aujourd'hui]! | \"Tom & Jerry\" n'ont pas de gap.")}
                            << QStringList {
                                   QStringLiteral("Sentence 4 (\"Un trou [] vide.\"): a gap has no answer")};
    QTest::addRow("JMatch") << "pairs.jmt" << false
                            << QStringList {QStringLiteral(
                                   "Früchte & Obst: apple [Apfel] | pear [Birne] | green fig [grüne Feige]")}
                            << QStringList {QStringLiteral(
                                   "Pair 4 (\"Kirsche\"): an extra answer without a left item")};
}

void TestLxdImport::fixtures()
{
    QFETCH(QString, file);
    QFETCH(bool, header);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, skipped);

    const LxdImport::Result result = read(file, header);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(summary(result), expected);
    QCOMPARE(result.skipped, skipped);
}

void TestLxdImport::realShapes_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("withoutKeyWord");
    QTest::addColumn<QStringList>("notes"); // skipped, then converted

    // The passage's own brackets are text; only the file's gap is a key word, with its answers and
    // clue; the title is not bracketed where the passage happens to use it.
    QTest::addRow("JCloze with brackets of its own")
        << "brackets.jcl"
        << QStringList {QStringLiteral("Loop: In Python, l = \\[3, 4, 5\\] makes a list. | "
                                       "A [for|while::a keyword] loop walks it \\[sic\\]. | "
                                       "The Loop displayed 3, 4, 5.")}
        << QStringList {QStringLiteral("Sentence 1 (\"In Python, l = \\[3, 4, 5\\] makes a list.\")"),
               QStringLiteral("Sentence 3 (\"The Loop displayed 3, 4, 5.\")")}
        << QStringList();
    // Line breaks and stops inside a sentence do not cut it; clues that give the answer away go.
    QTest::addRow("JCloze in numbered lines")
        << "lines.jcl"
        << QStringList {QStringLiteral(
               "Past simple: 1. Mr. Brown [tried] (try) to open the heavy door of the old shed. | "
               "2. We [went::go] to the cinema. | Then we [ate] pizza. | "
               "3. She was [a::article] bit tired after the long day at the office and the drive home.")}
        << QStringList()
        << QStringList {QStringLiteral("Sentence 1 (\"1. Mr. Brown [tried] (try) to open the heavy door…\"): "
                                       "the clue of a gap was left out, as it gave the answer away"),
               QStringLiteral("Sentence 3 (\"Then we [ate] pizza.\"): the clue of a gap was left out, as it "
                              "gave the answer away")};
    QTest::addRow("KVTML: gap sentences and a second translation's example")
        << "gaps.kvtml"
        << QStringList {QStringLiteral(
                            "The lawyer reads the newspaper.: der Rechtsanwalt liest [die Zeitung]"),
               QStringLiteral("Kerze: Like a [candle] in the wind.")}
        << QStringList()
        << QStringList {QStringLiteral(
               "Entry 2: a sentence with key words but no other translation to file it under")};
    QTest::addRow("Anki notes in plain text")
        << "anki.txt"
        << QStringList {QStringLiteral("maison: une [maison] blanche"),
               QStringLiteral("chat: Le [chat] dort & rêve."),
               QStringLiteral("go: She [went] home & [slept].")}
        << QStringList()
        << QStringList {QStringLiteral("Read as settings, not as rows: #separator:tab, #html:true, "
                                       "#tags column:3, #columns:Front Back Tags"),
               QStringLiteral("Fields that held HTML and came in as plain text: 1"),
               QStringLiteral("Sentences whose bold, underlined or italic words became the key words: 2")};
    QTest::addRow("Excel's Windows-1252")
        << "excel-1252.csv"
        << QStringList {QStringLiteral("prix: Le [prix] est 5 € – pas 50 €."),
               QStringLiteral("dit: Il a “[dit]” qu’il vient."), QStringLiteral("café: Un [café] coûte 2 €.")}
        << QStringList() << QStringList {QStringLiteral("Read as Windows-1252: the file is not UTF-8")};
}

void TestLxdImport::realShapes()
{
    QFETCH(QString, file);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, withoutKeyWord);
    QFETCH(QStringList, notes);

    LxdImport::Result result;
    const QString path = TestUtil::sourcePath(QStringLiteral("tests/data/import/") + file);
    if (LxdImport::formatOf(file, fixture(file)) == LxdImport::Csv) {
        // As the window reads it: the separator found in the head, then the whole file in pieces.
        const LxdImport::Table head = LxdImport::readTable(LxdImport::readHead(path).text);
        result = LxdImport::readCsvFile(path, head.separator, LxdImport::CsvColumns());
    } else {
        result = read(file, false);
    }
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(summary(result), expected);
    QCOMPARE(result.withoutKeyWord, withoutKeyWord);
    QCOMPARE(result.skipped + result.converted, notes);
}

void TestLxdImport::unreadableFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("error");

    QTest::addRow("CSV, quote never closed") << "broken.csv"
                                             << "The quoted field that begins in line 2 is never closed.";
    QTest::addRow("KVTML 1") << "version1.kvtml"
                             << "This KVTML file has the older form of version 1";
    QTest::addRow("KVTML cut short") << "broken.kvtml"
                                     << "not well-formed XML";
    QTest::addRow("JCloze, mismatched tag") << "broken.jcl"
                                            << "not well-formed XML";
    QTest::addRow("JMatch, bare ampersand") << "broken.jmt"
                                            << "not well-formed XML";
    QTest::addRow("JCloze file named .jmt") << "passage.jcl.as.jmt"
                                            << "This is not a Hot Potatoes JMatch file.";
}

void TestLxdImport::unreadableFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, error);

    LxdImport::Result result;
    if (file.endsWith(QLatin1String(".as.jmt")))
        result = LxdImport::readJMatch(fixture(QStringLiteral("passage.jcl")), QString());
    else
        result = read(file, false);
    QVERIFY(!result.ok());
    QVERIFY2(result.error.contains(error), qPrintable(result.error));
    QVERIFY(result.headwords.isEmpty());
}

void TestLxdImport::table_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("rows");

    QTest::addRow("commas inside quotes")
        << "a,\"b, c\"\nd,e\n"
        << "," << QStringList {QStringLiteral("a|b, c"), QStringLiteral("d|e")};
    QTest::addRow("semicolons beat commas in sentences")
        << "cat;The cat, the dog.\ndog;A dog, a cat, a bird.\n"
        << ";"
        << QStringList {QStringLiteral("cat|The cat, the dog."), QStringLiteral("dog|A dog, a cat, a bird.")};
    QTest::addRow("tabs, CR line ends, blank lines")
        << "a\tb\r\r\nc\td"
        << "\t" << QStringList {QStringLiteral("a|b"), QStringLiteral("c|d")};
    QTest::addRow("doubled quotes and a line break in a field")
        << "x,\"say \"\"hi\"\"\nnow\"\n"
        << "," << QStringList {QStringLiteral("x|say \"hi\"\nnow")};
    QTest::addRow("quote inside an unquoted field") << "a,b \"c\" d\n"
                                                    << "," << QStringList {QStringLiteral("a|b \"c\" d")};
    QTest::addRow("one column") << "cat\ndog\n"
                                << "\t" << QStringList {QStringLiteral("cat"), QStringLiteral("dog")};
}

void TestLxdImport::table()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(QStringList, rows);

    const LxdImport::Table t = LxdImport::readTable(text);
    QVERIFY2(t.error.isEmpty(), qPrintable(t.error));
    QCOMPARE(QString(t.separator), separator);
    QStringList joined;
    for (const QStringList &row : t.rows)
        joined += row.join(QLatin1Char('|'));
    QCOMPARE(joined, rows);
}

void TestLxdImport::headerRowGuess_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("header");
    QTest::addRow("names and a third column") << "Headword,Sentence,Notes\ncafé,Un [café].,drink\n" << true;
    QTest::addRow("German names with colons") << "Wort:;Satz:\nKatze;Die [Katze].\n" << true;
    QTest::addRow("a headword that is also a name") << "example;An [example].\nterm;A [term].\n" << false;
    QTest::addRow("one name only") << "word\tThe word is out.\ncat\tA cat.\n" << false;
    QTest::addRow("names but no row after them") << "word,sentence\n" << false;
    QTest::addRow("one column") << "Word\ncat\n" << false;
}

void TestLxdImport::headerRowGuess()
{
    QFETCH(QString, text);
    QFETCH(bool, header);
    QCOMPARE(LxdImport::firstRowNamesColumns(LxdImport::readTable(text)), header);
}

void TestLxdImport::bracketHeadword_data()
{
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("headword");
    QTest::addColumn<QString>("expected");

    QTest::addRow("first of two") << "The cat saw a cat."
                                  << "cat"
                                  << "The [cat] saw a cat.";
    QTest::addRow("case-insensitive") << "Cats and CAT."
                                      << "cat"
                                      << "Cats and [CAT].";
    QTest::addRow("whole words only") << "Concatenate cats."
                                      << "cat"
                                      << "Concatenate cats.";
    QTest::addRow("accented word") << "Une élève, deux élèves."
                                   << "élève"
                                   << "Une [élève], deux élèves.";
    QTest::addRow("several words") << "Ice cream is cold."
                                   << "ice cream"
                                   << "[Ice cream] is cold.";
    QTest::addRow("brackets already there") << "The [dog] and the cat."
                                            << "cat"
                                            << "The [dog] and the cat.";
    QTest::addRow("not in the sentence") << "Nothing here."
                                         << "cat"
                                         << "Nothing here.";
}

void TestLxdImport::bracketHeadword()
{
    QFETCH(QString, sentence);
    QFETCH(QString, headword);
    QFETCH(QString, expected);
    QCOMPARE(LxdImport::bracketHeadword(sentence, headword), expected);
}

void TestLxdImport::decodeHtml_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("text");

    QTest::addRow("Hot Potatoes references") << "caf&#x00E9; &#x041F;"
                                             << "café П";
    QTest::addRow("markup as references") << "&#x003C;b&#x003E;bold&#x003C;/b&#x003E;"
                                          << "bold";
    QTest::addRow("entity typed by the author") << "&#x0026;lt;3 &#x0026;#375;"
                                                << "<3 ŷ";
    QTest::addRow("named and decimal") << "&eacute;t&eacute; &amp; &#233;"
                                       << "été & é";
    QTest::addRow("unknown entity stays") << "&bogus; & more"
                                          << "&bogus; & more";
    QTest::addRow("line break tag") << "one<br />two"
                                    << "one\ntwo";
    QTest::addRow("a lone less-than sign") << "3 < 4 > 2"
                                           << "3 < 4 > 2";
    // The readers' own signs cannot come from a file.
    QTest::addRow("noncharacters") << "a&#xFFFE;&#65535;b" << QStringLiteral("a\uFFFD\uFFFDb");
}

void TestLxdImport::decodeHtml()
{
    QFETCH(QString, html);
    QFETCH(QString, text);
    QCOMPARE(LxdImport::decodeHtml(html), text);
}

void TestLxdImport::splitSentences_data()
{
    QTest::addColumn<QString>("passage");
    QTest::addColumn<QStringList>("sentences");

    QTest::addRow("stops, question and exclamation")
        << "One. Two? Three!"
        << QStringList {QStringLiteral("One."), QStringLiteral("Two?"), QStringLiteral("Three!")};
    QTest::addRow("closing quote stays")
        << "He said \"no.\" Then left."
        << QStringList {QStringLiteral("He said \"no.\""), QStringLiteral("Then left.")};
    QTest::addRow("never inside a key word")
        << "See [etc. and so] on. Next"
        << QStringList {QStringLiteral("See [etc. and so] on."), QStringLiteral("Next")};
    QTest::addRow("line breaks") << "first line\n\nsecond line"
                                 << QStringList {QStringLiteral("first line"), QStringLiteral("second line")};
    QTest::addRow("decimal point") << "It costs 3.50 euros."
                                   << QStringList {QStringLiteral("It costs 3.50 euros.")};
    // A sentence runs on over a line break and past a stop that no new sentence follows.
    QTest::addRow("line break and clue inside a sentence")
        << "She [tried]\n(try) hard. She [went]. Mr. J. Smith [came]... Good.\n2. [Yes] it is"
        << QStringList {QStringLiteral("She [tried] (try) hard."), QStringLiteral("She [went]."),
               QStringLiteral("Mr. J. Smith [came]..."), QStringLiteral("Good."),
               QStringLiteral("2. [Yes] it is")};
    QTest::addRow("gap at the start, numbered line")
        << "No. [Das] ist gut\n2) und so"
        << QStringList {QStringLiteral("No."), QStringLiteral("[Das] ist gut"), QStringLiteral("2) und so")};
}

void TestLxdImport::splitSentences()
{
    QFETCH(QString, passage);
    QFETCH(QStringList, sentences);
    QCOMPARE(LxdImport::splitSentences(passage), sentences);
}

// A headword with few sentences is searched, one with many looked up: both find a repeat.
void TestLxdImport::repeatsFoundAmongFewAndMany()
{
    LxdImport::Result result;
    const auto sentence = [](int i) { return QStringLiteral("The [word] %1.").arg(i); };
    for (int i = 0; i < 10; ++i)
        QVERIFY(result.add(QStringLiteral("word"), sentence(i), QString()));
    QVERIFY(!result.add(QStringLiteral("word"), sentence(3), QStringLiteral("few")));
    for (int i = 10; i < 100; ++i)
        QVERIFY(result.add(QStringLiteral("word"), sentence(i), QString()));
    QVERIFY(!result.add(QStringLiteral("word"), sentence(3), QStringLiteral("many")));
    QVERIFY(!result.add(QStringLiteral("word"), sentence(99), QStringLiteral("last")));
    QCOMPARE(result.sentenceCount(), 100);
    QCOMPARE(result.skipped.size(), 3);
    QVERIFY(result.skipped.last().startsWith(QLatin1String("last: the same sentence")));
}

void TestLxdImport::mergedTextsStayAsRead()
{
    // Texts that the database file's line form would misread go in as they are: a used-count
    // look-alike and a star; a separator is refused, as a database file could not hold it.
    LxdImport::Result result;
    QVERIFY(result.add(QStringLiteral(" cat "), QStringLiteral("{3} A cat."), QStringLiteral("Row 1")));
    QVERIFY(result.add(QStringLiteral("cat"), QStringLiteral("*Star cat"), QStringLiteral("Row 2")));
    QVERIFY(!result.add(QStringLiteral("cat"), QStringLiteral("a &&& b"), QStringLiteral("Row 3")));
    QVERIFY(!result.add(QStringLiteral("cat"), QStringLiteral("*Star  cat"), QStringLiteral("Row 4")));
    // A byte-order mark left inside a joined file is no headword, and no part of one.
    QVERIFY(!result.add(QStringLiteral("\uFEFF"), QString(), QStringLiteral("Row 5")));
    QVERIFY(result.add(QStringLiteral("\uFEFF cat"), QString(), QStringLiteral("Row 6")));
    LxdDatabase db;
    LxdMerge(&db, result, LxdMergeMode::Merge).apply();
    QCOMPARE(db.itemCount(), 1);
    QCOMPARE(DbFixtures::fileLine(*db.itemAt(0)), QStringLiteral("cat&&&{0}{3} A [cat].&&&{0}*Star [cat]"));
    QCOMPARE(result.skipped.size(), 3);
    QVERIFY(result.skipped.at(0).startsWith(QLatin1String("Row 3: ")));
    QVERIFY(result.skipped.at(1).startsWith(QLatin1String("Row 4: ")));
}

void TestLxdImport::cancelledProgressStopsTheReader()
{
    LxdImport::Table table;
    for (int i = 0; i < 2500; ++i)
        table.rows += QStringList {QStringLiteral("word%1").arg(i), QStringLiteral("A sentence.")};
    QList<int> seen;
    const LxdImport::Result all = LxdImport::readCsv(table, {}, [&seen](int percent) {
        seen += percent;
        return true;
    });
    QCOMPARE(all.headwords.size(), 2500);
    QCOMPARE(seen, (QList<int> {0, 40, 80}));

    const LxdImport::Result stopped = LxdImport::readCsv(table, {}, [](int percent) { return percent < 40; });
    QVERIFY(!stopped.ok());
    QVERIFY(stopped.headwords.isEmpty());
}

void TestLxdImport::readsAFileByItsFormat_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // null: no such file
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("expected"); // the first headword read, or the error

    QTest::addRow("spreadsheet by ending")
        << "list.txt" << QByteArray("cat\tThe [cat] sat.\n") << int(LxdImport::Csv) << "cat: The [cat] sat.";
    QTest::addRow("spreadsheet without ending")
        << "list" << QByteArray("dog,A [dog].\n") << int(LxdImport::Csv) << "dog: A [dog].";
    QTest::addRow("KVTML by content")
        << "list.xml" << fixture(QStringLiteral("examples.kvtml")) << int(LxdImport::Kvtml)
        << "école: Mon [École] est grande. | My [school] is big.";
    QTest::addRow("JCloze by content")
        << "passage.htm" << fixture(QStringLiteral("passage.jcl")) << int(LxdImport::JCloze)
        << "Au café: [Le] garçon boit un [café]. | Il est très [chaud] [aujourd'hui]! | \"Tom & Jerry\" "
           "n'ont pas de gap.";
    QTest::addRow("JMatch by ending")
        << "pairs.jmt" << fixture(QStringLiteral("pairs.jmt")) << int(LxdImport::JMatch)
        << "Früchte & Obst: apple [Apfel] | pear [Birne] | green fig [grüne Feige]";
    QTest::addRow("markup of another kind")
        << "page.html" << QByteArray("<html><body>x</body></html>") << int(LxdImport::Unknown)
        << "This is not a word list that can be imported.";
    QTest::addRow("missing file") << "missing.csv" << QByteArray() << int(LxdImport::Unknown)
                                  << "The file cannot be read: No such file or directory";
}

// As Import reads a file: the reader chosen by ending or content, run on a thread of its own.
void TestLxdImport::readsAFileByItsFormat()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, format);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString file = bytes.isNull() ? dir.filePath(name) : TestUtil::writeFile(dir, name, bytes);

    QString error;
    const LxdImport::Format found = LxdImport::formatOfFile(file, &error);
    QCOMPARE(int(found), format);
    LxdImportRun run(file, found, QChar(), LxdImport::CsvColumns());
    QSignalSpy finished(&run, &LxdImportRun::finished);
    run.start();
    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.count(), 1);
    QVERIFY(run.isFinished());
    QVERIFY(!run.outcome().cancelled);
    const LxdImport::Result &result = run.outcome().result;
    QCOMPARE(result.ok() ? summary(result).value(0) : (bytes.isNull() ? error : result.error), expected);
    if (!bytes.isNull())
        QCOMPARE(
            summary(result), summary(LxdImport::readFile(file, found, QChar(), LxdImport::CsvColumns())));
}

void TestLxdImport::cancelledRunLeavesNothing()
{
    QTemporaryDir dir;
    QByteArray csv;
    for (int i = 0; i < 100000; ++i)
        csv += "word" + QByteArray::number(i) + ",The [word" + QByteArray::number(i) + "] here.\n";
    const QString file = TestUtil::writeFile(dir, QStringLiteral("long.csv"), csv);

    LxdImportRun run(file, LxdImport::Csv, QChar(u','), LxdImport::CsvColumns());
    QSignalSpy finished(&run, &LxdImportRun::finished);
    run.start();
    run.cancel();
    QVERIFY(finished.wait(20000));
    QVERIFY(run.outcome().cancelled);
    QVERIFY(run.outcome().result.headwords.isEmpty());

    // One still running when it goes stops and is waited for.
    auto *running = new LxdImportRun(file, LxdImport::Csv, QChar(u','), LxdImport::CsvColumns());
    running->start();
    delete running;
}

void TestLxdImport::xmlLimits_data()
{
    QTest::addColumn<QString>("reader");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("refusal"); // XmlLimits::None: the file is read

    // Each reader's document with `inner` where its text goes, after `doctype`.
    const auto document = [](const QString &reader, const QByteArray &doctype, const QByteArray &inner) {
        QByteArray head = "<?xml version=\"1.0\"?>\n" + doctype;
        if (reader == QLatin1String("KVTML"))
            return head + "<kvtml version=\"2.0\"><entries><entry id=\"0\"><translation id=\"0\"><text>"
                + inner + "</text></translation></entry></entries></kvtml>";
        if (reader == QLatin1String("JCloze"))
            return head + "<hotpot-jcloze-file><data><gap-fill>" + inner
                + "<question-record><answer><text>cat</text></answer></question-record>.</gap-fill></data>"
                  "</hotpot-jcloze-file>";
        if (reader == QLatin1String("JMatch"))
            return head + "<hotpot-jmatch-file><data><matching-exercise><pair><left-item><text>" + inner
                + "</text></left-item><right-item><text>cat</text></right-item></pair></matching-exercise>"
                  "</data></hotpot-jmatch-file>";
        return head + "<lexivane-vocabulary-database><items><item><head-word>cat</head-word><sentence>"
            + inner + "<gap>cat</gap></sentence></item></items></lexivane-vocabulary-database>";
    };
    const QByteArray deep = QByteArray("<b>").repeated(2000) + "x" + QByteArray("</b>").repeated(2000);
    const QByteArray bomb = "<!DOCTYPE r [<!ENTITY e \"" + QByteArray(4000, 'x') + "\">]>\n";
    const QByteArray parameters = "<!DOCTYPE r [<!ENTITY % p \"<!ENTITY q 'Q'>\"> %p;]>\n";
    const QByteArray small = "<!DOCTYPE r [<!ENTITY nbsp \"&#160;\">]>\n";
    for (const char *reader : {"Import XML", "KVTML", "JCloze", "JMatch"}) {
        const QString name = QString::fromLatin1(reader);
        QTest::addRow("%s, nested 2000 deep", reader)
            << name << document(name, {}, deep) << int(XmlLimits::TooDeep);
        QTest::addRow("%s, entity bomb", reader)
            << name << document(name, bomb, QByteArray("&e;").repeated(300))
            << int(XmlLimits::TooMuchExpansion);
        QTest::addRow("%s, parameter entities", reader)
            << name << document(name, parameters, "&q;") << int(XmlLimits::ParameterEntities);
        // Many references to an entity that adds nothing are no expansion.
        QTest::addRow("%s, a small entity used often", reader)
            << name << document(name, small, "a" + QByteArray("&nbsp;").repeated(5000))
            << int(XmlLimits::None);
    }
}

void TestLxdImport::xmlLimits()
{
    QFETCH(QString, reader);
    QFETCH(QByteArray, bytes);
    QFETCH(int, refusal);

    QString error;
    if (reader == QLatin1String("Import XML")) {
        QTemporaryDir dir;
        LxdDatabase db;
        if (!db.loadXml(TestUtil::writeFile(dir, QStringLiteral("in.xml"), bytes), nullptr, &error)
            && error.isEmpty())
            error = QStringLiteral("not read");
    } else {
        const LxdImport::Result result = reader == QLatin1String("KVTML") ? LxdImport::readKvtml(bytes)
            : reader == QLatin1String("JCloze") ? LxdImport::readJCloze(bytes, QStringLiteral("t"))
                                                : LxdImport::readJMatch(bytes, QStringLiteral("t"));
        error = result.error;
        QCOMPARE(result.headwords.isEmpty(), refusal != XmlLimits::None);
    }
    if (refusal == XmlLimits::None)
        QVERIFY2(error.isEmpty(), qPrintable(error));
    else
        QVERIFY2(error.endsWith(XmlLimits::message(XmlLimits::Refusal(refusal))), qPrintable(error));
}

void TestLxdImport::fileReaderMatchesWholeText_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addRow("UTF-8, rows across the pieces") << "utf8";
    QTest::addRow("ISO 8859-1 found in the second piece") << "latin1";
    QTest::addRow("a quoted field never closed") << "unclosed";
}

// The window reads a spreadsheet file a megabyte at a time; what it finds must be what reading the
// whole text at once finds, also where a CR LF, a doubled quote or a character's bytes fall on the
// line between two pieces.
void TestLxdImport::fileReaderMatchesWholeText()
{
    QFETCH(QString, kind);
    constexpr qsizetype piece = 1 << 20;
    QRandomGenerator random(3);
    const bool latin1 = kind == QLatin1String("latin1");
    QByteArray bytes = "Headword,Sentence\r\n";
    const auto rows = [&](qsizetype until) {
        while (bytes.size() < until - 200) {
            const int n = int(random.bounded(3000));
            QByteArray row = "word" + QByteArray::number(n) + ',';
            switch (random.bounded(4)) {
            case 0:
                row += "The word" + QByteArray::number(n) + " here.";
                break;
            case 1:
                row += "\"Quoted, with \"\"quotes\"\"\r\nand a line break " + QByteArray::number(n) + "\"";
                break;
            case 2:
                row += latin1 ? "plain" : "caf\xC3\xA9 \xE6\x97\xA5 word" + QByteArray::number(n);
                break;
            default:
                row += " \"spaced\" ,extra";
                break;
            }
            const char *const ends[] = {"\n", "\r\n", "\r"};
            bytes += row + ends[random.bounded(3)];
        }
    };
    // Pads with a row so that `tail` starts `offset` bytes before the end of a piece.
    const auto place = [&](qsizetype end, qsizetype offset, const QByteArray &head, const QByteArray &tail) {
        rows(end);
        bytes += head + QByteArray(end - offset - bytes.size() - head.size(), 'x');
        bytes += tail;
    };
    place(piece, 1, "pad,", "\r\n");
    place(2 * piece, 1, "quote,\"", "\"\"inside\"\r\n");
    place(3 * piece, 1, "char,", latin1 ? QByteArray("\xE9\r\n") : QByteArray("\xC3\xA9\r\n"));
    rows(3 * piece + 5000);
    if (kind == QLatin1String("unclosed"))
        bytes += "last,\"never closed\r\n";

    QTemporaryDir dir;
    const QString file = TestUtil::writeFile(dir, QStringLiteral("long.csv"), bytes);
    LxdImport::CsvColumns columns;
    columns.header = true;
    const LxdImport::Result whole
        = LxdImport::readCsv(LxdImport::readTable(LxdImport::decodeText(bytes), QChar(u',')), columns);
    int calls = 0;
    const LxdImport::Result inPieces = LxdImport::readCsvFile(file, QChar(u','), columns, [&calls](int) {
        ++calls;
        return true;
    });
    QCOMPARE(inPieces.error, whole.error);
    QCOMPARE(summary(inPieces), summary(whole));
    QCOMPARE(inPieces.skipped, whole.skipped);
    QVERIFY(calls >= 4);
    if (kind != QLatin1String("unclosed"))
        QVERIFY(whole.sentenceCount() > 10000);
    if (latin1)
        QVERIFY(summary(whole).join(QString()).contains(QStringLiteral("\u00E9")));
}

QTEST_GUILESS_MAIN(TestLxdImport)
#include "tst_lxdimport.moc"
