// SPDX-License-Identifier: GPL-3.0-or-later
// The database: positions, sort order, search order, removal results, the two-stage append with
// its merge and keep rules, and the modified flag.
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "models/lxdbsentencetablemodel.h"
#include "models/lxdbwordlistmodel.h"
#include "support/dbfixtures.h"
#include "support/testutil.h"

#include <QPointer>
#include <QtTest>

#include <algorithm>

using DbFixtures::addHeadword;
using DbFixtures::describe;

namespace {

// cat and dog, as a teacher's database before an append; flags clear.
void fillCatDog(LxdDatabase &db)
{
    addHeadword(db, QStringLiteral("cat"), {{QStringLiteral("A [x]"), 2}});
    addHeadword(db, QStringLiteral("dog"), {{QStringLiteral("D [x]"), 0}});
    db.setModified(false);
}

const QString catDog = QStringLiteral("cat|A [x]#2\ndog|D [x]#0");

} // namespace

class TestLxdDatabase : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void positionsOutOfRange();
    void addItemAndSentence();
    void sort_data();
    void sort();
    void setHeadwordAnswersTheNewRow();
    void indexOfHeadword_data();
    void indexOfHeadword();
    void findText_data();
    void findText();
    void findTextOnAHeadwordWithoutSentences();
    void changes_data();
    void changes();
    void zeroUsed();
    void clearKeepsFlagAndPendingAppend();

    void appendNewHeadwords();
    void appendFindsTrimmedDuplicates_data();
    void appendFindsTrimmedDuplicates();
    void mergeReadsEveryEncoding_data();
    void mergeReadsEveryEncoding();
    void mergeAddsUsedAndAppendsInReverse();
    void mergeTrimsPlainAsciiTexts();
    void mergeSortsWithoutNewHeadwords();
    void mergeFoldsRepeatedNewHeadwords();
    void keepDuplicates();
    void resolveWithoutPendingOrWithBadMode();
    void pendingAppendIsReused();
    void appendUnreadableFile_data();
    void appendUnreadableFile();

private:
    QString writeDb(const QList<QByteArray> &lines)
    {
        static int n = 0;
        return TestUtil::writeFile(*m_dir, QStringLiteral("db%1.lxv").arg(++n), DbFixtures::crlfLines(lines));
    }

    QScopedPointer<QTemporaryDir> m_dir;
};

void TestLxdDatabase::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

void TestLxdDatabase::positionsOutOfRange()
{
    LxdDatabase db;
    fillCatDog(db);
    QSignalSpy inserted(&db, &LxdDatabase::sentencesInserted);

    QCOMPARE(db.itemAt(2), nullptr);
    QCOMPARE(db.headword(-1), QString());
    QCOMPARE(db.sentenceCount(2), 0);
    QCOMPARE(db.sentenceAt(0, 1), nullptr);
    QCOMPARE(db.sentenceAt(2, 0), nullptr);
    QVERIFY(db.hasUsedSentences(0));
    QVERIFY(!db.hasUsedSentences(1));
    QVERIFY(!db.hasUsedSentences(-1));
    QVERIFY(!db.hasUsedSentences(2));
    QCOMPARE(db.addSentence(2), nullptr);
    QCOMPARE(db.addSentence(-1), nullptr);
    QCOMPARE(db.setHeadword(2, QStringLiteral("emu")), -1);
    QCOMPARE(inserted.count(), 0);
    QCOMPARE(describe(db), catDog);
    QVERIFY(!db.isModified());
}

void TestLxdDatabase::addItemAndSentence()
{
    LxdDatabase db;
    fillCatDog(db);
    LxdItem *item = db.addItem();
    QCOMPARE(db.itemAt(2), item);
    QCOMPARE(item->headword(), QString());
    QCOMPARE(item->database(), &db);

    db.setModified(false);
    LxdSentence *s = db.addSentence(0);
    QCOMPARE(db.sentenceAt(0, 1), s);
    // Marked at once: the sentence is there, whatever text the caller gives it next.
    QVERIFY(db.isModified());
}

void TestLxdDatabase::sort_data()
{
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QStringList>("sorted");
    QTest::addRow("capitals, small, diacritics") << QStringList {"apple", QString::fromUtf8("Äpfel"),
        "Zebra"} << QStringList {"Zebra", "apple", QString::fromUtf8("Äpfel")};
    QTest::addRow("every capital first")
        << QStringList {"b", "a", "B", "A"} << QStringList {"A", "B", "a", "b"};
    QTest::addRow("prefix first") << QStringList {"cats", "cat", "ca"} << QStringList {"ca", "cat", "cats"};
    QTest::addRow("space and digits first")
        << QStringList {"b2", "cat", "10", " cat", "9"} << QStringList {" cat", "10", "9", "b2", "cat"};
}

void TestLxdDatabase::sort()
{
    QFETCH(QStringList, given);
    QFETCH(QStringList, sorted);
    LxdDatabase db;
    // Naming a headword of a database sorts the list, so each is named while it belongs to none.
    for (const QString &h : given) {
        auto *item = new LxdItem();
        item->setHeadword(h);
        db.items.append(item);
    }
    db.setModified(false);
    db.sort();
    QStringList result;
    for (int i = 0; i < db.itemCount(); ++i)
        result << db.headword(i);
    QCOMPARE(result, sorted);
    QVERIFY(!db.isModified());
}

void TestLxdDatabase::setHeadwordAnswersTheNewRow()
{
    LxdDatabase db;
    for (const char *h : {"apple", "banana", "cherry"})
        addHeadword(db, QString::fromLatin1(h));
    db.setModified(false);

    QCOMPARE(db.setHeadword(0, QStringLiteral("zebra")), 2);
    QCOMPARE(db.headword(2), QStringLiteral("zebra"));
    QVERIFY(db.isModified());
    QCOMPARE(db.setHeadword(0, QString()), -1);
    QCOMPARE(db.setHeadword(0, QStringLiteral("banana")), -1);
}

void TestLxdDatabase::indexOfHeadword_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("row");
    // Sorted: "Cat", "cat", "cat ", "dog".
    QTest::addRow("exact") << "cat" << 1;
    QTest::addRow("capital") << "Cat" << 0;
    QTest::addRow("trailing space") << "cat " << 2;
    QTest::addRow("other case absent") << "CAT" << -1;
    QTest::addRow("leading space absent") << " cat" << -1;
    QTest::addRow("empty absent") << "" << -1;
}

void TestLxdDatabase::indexOfHeadword()
{
    QFETCH(QString, text);
    QFETCH(int, row);
    LxdDatabase db;
    for (const char *h : {"dog", "cat ", "Cat", "cat"})
        addHeadword(db, QString::fromLatin1(h));
    QCOMPARE(describe(db), QStringLiteral("Cat\ncat\ncat \ndog"));

    QCOMPARE(db.indexOfHeadword(text), row);
    if (row >= 0)
        QCOMPARE(db.indexOfItem(db.itemAt(row)), row);
    LxdItem stranger;
    QCOMPARE(db.indexOfItem(&stranger), -1);
}

void TestLxdDatabase::findText_data()
{
    QTest::addColumn<QString>("needle");
    QTest::addColumn<int>("startItem");
    QTest::addColumn<int>("startSentence");
    QTest::addColumn<int>("item"); // -1, -1: no hit
    QTest::addColumn<int>("sentence");

    // 0 alpha: "one [cat]", "two"; 1 beta: "cat three", "four";
    // 2 cattle: "five", "six cat", "seven cat"; 3 delta: "Cat eight".
    QTest::addRow("from the start") << "cat" << -1 << -1 << 0 << 0;
    QTest::addRow("rest of headword, then the next") << "cat" << 0 << 0 << 1 << 0;
    QTest::addRow("headword text before its sentences") << "cat" << 1 << 0 << 2 << -1;
    QTest::addRow("after a headword hit, its sentences") << "cat" << 2 << -1 << 2 << 1;
    QTest::addRow("on to the next headword") << "cat" << 2 << 2 << 3 << 0;
    QTest::addRow("wraps to the start") << "cat" << 3 << 0 << 0 << 0;
    QTest::addRow("wrap reaches the start headword's text") << "DELTA" << 3 << 0 << 3 << -1;
    QTest::addRow("wrap reaches earlier sentences") << "five" << 2 << 1 << 2 << 0;
    QTest::addRow("only match found again") << "seven" << 2 << 2 << 2 << 2;
    QTest::addRow("brackets are text") << "[CAT]" << -1 << -1 << 0 << 0;
    QTest::addRow("start sentence beyond its headword") << "cat" << 0 << 99 << 1 << 0;
    QTest::addRow("no hit") << "zebra" << -1 << -1 << -1 << -1;
    QTest::addRow("no hit after a hit") << "zebra" << 2 << 1 << -1 << -1;
    // A start headword out of range searches from the beginning.
    QTest::addRow("start headword beyond the end") << "cat" << 99 << 0 << 0 << 0;
    QTest::addRow("start headword at the count") << "alpha" << 4 << 1 << 0 << -1;
    QTest::addRow("start headword negative") << "cat" << -3 << 0 << 0 << 0;
}

void TestLxdDatabase::findText()
{
    QFETCH(QString, needle);
    QFETCH(int, startItem);
    QFETCH(int, startSentence);
    QFETCH(int, item);
    QFETCH(int, sentence);
    LxdDatabase db;
    addHeadword(db, QStringLiteral("alpha"), {{QStringLiteral("one [cat]")}, {QStringLiteral("two")}});
    addHeadword(db, QStringLiteral("beta"), {{QStringLiteral("cat three")}, {QStringLiteral("four")}});
    addHeadword(db, QStringLiteral("cattle"),
        {{QStringLiteral("five")}, {QStringLiteral("six cat")}, {QStringLiteral("seven cat")}});
    addHeadword(db, QStringLiteral("delta"), {{QStringLiteral("Cat eight")}});

    int itemOut = 42;
    int sentenceOut = 42;
    QCOMPARE(db.findText(needle, &itemOut, &sentenceOut, startItem, startSentence), item >= 0);
    QCOMPARE(itemOut, item);
    QCOMPARE(sentenceOut, sentence);
}

void TestLxdDatabase::findTextOnAHeadwordWithoutSentences()
{
    LxdDatabase db;
    addHeadword(db, QStringLiteral("cat"));
    int item = 42;
    int sentence = 42;
    QVERIFY(db.findText(QStringLiteral("CA"), &item, &sentence, -1, -1));
    QCOMPARE(item, 0);
    QCOMPARE(sentence, -1);
    QVERIFY(db.findText(QStringLiteral("CA"), &item, &sentence, item, sentence));
    QCOMPARE(item, 0);
    QCOMPARE(sentence, -1);
}

void TestLxdDatabase::changes_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<QList<int>>("args");
    QTest::addColumn<QString>("after"); // empty: refused, nothing changes

    QTest::addRow("delete headword") << "deleteItem" << QList<int> {0} << "beta|B1#0";
    QTest::addRow("delete headword -1") << "deleteItem" << QList<int> {-1} << "";
    QTest::addRow("delete headword at count") << "deleteItem" << QList<int> {2} << "";
    QTest::addRow("delete sentence") << "deleteSentence" << QList<int> {0, 1} << "alpha|A1#0\nbeta|B1#0";
    QTest::addRow("delete sentence 99") << "deleteSentence" << QList<int> {0, 99} << "";
    QTest::addRow("delete sentence, no headword") << "deleteSentence" << QList<int> {5, 0} << "";
    QTest::addRow("move sentence") << "moveSentence" << QList<int> {0, 1, 0} << "alpha|A2#0|A1#0\nbeta|B1#0";
    QTest::addRow("move sentence to count") << "moveSentence" << QList<int> {0, 0, 2} << "";
    QTest::addRow("move sentence, no headword") << "moveSentence" << QList<int> {3, 0, 1} << "";
}

void TestLxdDatabase::changes()
{
    QFETCH(QString, op);
    QFETCH(QList<int>, args);
    QFETCH(QString, after);
    LxdDatabase db;
    const DbFixtures::WatchedText a1(QStringLiteral("A1"));
    addHeadword(db, QStringLiteral("alpha"), {{a1.text()}, {QStringLiteral("A2")}});
    addHeadword(db, QStringLiteral("beta"), {{QStringLiteral("B1")}});
    db.setModified(false);
    const QString before = describe(db);

    bool result = false;
    if (op == QLatin1String("deleteItem"))
        result = db.deleteItem(args[0]);
    else if (op == QLatin1String("deleteSentence"))
        result = db.deleteSentence(args[0], args[1]);
    else
        result = db.moveSentence(args[0], args[1], args[2]);

    const bool done = !after.isEmpty();
    QCOMPARE(result, done);
    QCOMPARE(describe(db), done ? after : before);
    QCOMPARE(db.isModified(), done);
    if (op == QLatin1String("deleteItem"))
        QCOMPARE(a1.released(), done); // the record went with its sentences
}

void TestLxdDatabase::zeroUsed()
{
    LxdDatabase db;
    fillCatDog(db);
    db.sentenceAt(1, 0)->setUsed(-4);
    db.setModified(false);
    db.zeroUsed();
    QCOMPARE(describe(db), QStringLiteral("cat|A [x]#0\ndog|D [x]#0"));
    QVERIFY(db.isModified());
}

void TestLxdDatabase::clearKeepsFlagAndPendingAppend()
{
    LxdDatabase db;
    fillCatDog(db);
    const DbFixtures::WatchedText watched(QStringLiteral("W [w]"));
    db.itemAt(0)->sentences.append(watched.sentence());

    QCOMPARE(db.appendFile(writeDb({"cat&&&{1}B [y]"})), int(LxdDatabase::AppendHasDuplicates));
    db.clear();
    QCOMPARE(db.itemCount(), 0);
    QVERIFY(watched.released());
    QVERIFY(!db.isModified());
    // The pending append survived the clear.
    QVERIFY(db.resolveAppend(LxdDatabase::MergeDuplicates));
    QCOMPARE(describe(db), QStringLiteral("cat|B [y]#1"));
}

void TestLxdDatabase::appendNewHeadwords()
{
    LxdDatabase db;
    fillCatDog(db);
    QCOMPARE(db.appendFile(writeDb({"emu&&&{1}E [x]", "ant&&&{0}N [y]&&&{3}M [z]"})),
        int(LxdDatabase::AppendDone));
    QCOMPARE(describe(db), QStringLiteral("ant|N [y]#0|M [z]#3\ncat|A [x]#2\ndog|D [x]#0\nemu|E [x]#1"));
    QVERIFY(db.isModified());
    QVERIFY(!db.hasPendingAppend());

    // The headwords moved in belong to this database from now on.
    LxdItem *ant = db.itemAt(0);
    QCOMPARE(ant->database(), &db);
    db.setModified(false);
    QVERIFY(ant->setHeadword(QStringLiteral("bee")));
    QVERIFY(db.isModified());
}

void TestLxdDatabase::appendFindsTrimmedDuplicates_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("result");
    QTest::addRow("same headword") << QByteArray("cat&&&{0}B [y]") << 1;
    QTest::addRow("trailing spaces in the file") << QByteArray("cat  &&&{0}B [y]") << 1;
    QTest::addRow("trailing space in the database") << QByteArray("dog") << 1;
    QTest::addRow("other case is new") << QByteArray("Cat&&&{0}B [y]") << 0;
    QTest::addRow("longer is new") << QByteArray("cats") << 0;
}

void TestLxdDatabase::appendFindsTrimmedDuplicates()
{
    QFETCH(QByteArray, line);
    QFETCH(int, result);
    LxdDatabase db;
    addHeadword(db, QStringLiteral("cat"), {{QStringLiteral("A [x]"), 2}});
    addHeadword(db, QStringLiteral("dog "));
    db.setModified(false);
    const QString before = describe(db);

    QCOMPARE(db.appendFile(writeDb({"emu&&&{0}E [e]", line})), result);
    const bool waiting = result == LxdDatabase::AppendHasDuplicates;
    QCOMPARE(db.hasPendingAppend(), waiting);
    QCOMPARE(db.isModified(), !waiting);
    if (waiting)
        QCOMPARE(describe(db), before);
    else
        QCOMPARE(db.itemCount(), 4);
}

// An appended file is matched against the database in whatever encoding it came: UTF-8 with or
// without a byte-order mark (where white space beyond ASCII still trims), ISO 8859-1 from older
// versions, UTF-16.
void TestLxdDatabase::mergeReadsEveryEncoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QString text
        = QStringLiteral("\u00A0caf\u00E9\u2003&&&{2}Le [caf\u00E9] est noir.&&&{0}\u00A0Un [th\u00E9]."
                         "\r\n\u00E9t\u00E9&&&{1}En [\u00E9t\u00E9].\r\n");
    QTest::addRow("UTF-8") << text.toUtf8();
    QTest::addRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    QString latin1 = text;
    latin1.replace(QChar(0x2003), QLatin1Char(' '));
    QTest::addRow("ISO 8859-1") << latin1.toLatin1();
    QByteArray utf16("\xFF\xFE");
    utf16.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    QTest::addRow("UTF-16") << utf16;
}

void TestLxdDatabase::mergeReadsEveryEncoding()
{
    QFETCH(QByteArray, bytes);
    LxdDatabase db;
    addHeadword(db, QStringLiteral("caf\u00E9"), {{QStringLiteral("Le [caf\u00E9] est noir."), 1}});
    const QString file = TestUtil::writeFile(*m_dir, QStringLiteral("encoded.lxv"), bytes);
    QCOMPARE(db.appendFile(file), int(LxdDatabase::AppendHasDuplicates));
    QVERIFY(db.resolveAppend(LxdDatabase::MergeDuplicates));
    QCOMPARE(describe(db),
        QStringLiteral(
            "caf\u00E9|Le [caf\u00E9] est noir.#3|Un [th\u00E9].#0\n\u00E9t\u00E9|En [\u00E9t\u00E9].#1"));
}

void TestLxdDatabase::mergeAddsUsedAndAppendsInReverse()
{
    LxdDatabase db;
    fillCatDog(db);
    const QString file = writeDb({"cat&&&{1} A [x]&&&{0}B [y]&&&{4}  C [z]", "dog  &&&{2}D [x]"});
    QCOMPARE(db.appendFile(file), int(LxdDatabase::AppendHasDuplicates));
    QVERIFY(db.resolveAppend(LxdDatabase::MergeDuplicates));

    // Equal sentences add their counts; new ones come trimmed, in reverse file order.
    QCOMPARE(describe(db), QStringLiteral("cat|A [x]#3|C [z]#4|B [y]#0\ndog|D [x]#2"));
    QCOMPARE(db.sentenceAt(0, 1)->bracketStatus(), int(LxdSentence::Valid));
    QVERIFY(db.isModified());
    QVERIFY(!db.hasPendingAppend());
}

// The usual English file: nothing but ASCII, spaces around the separators.
void TestLxdDatabase::mergeTrimsPlainAsciiTexts()
{
    LxdDatabase db;
    addHeadword(db, QStringLiteral("cat"), {{QStringLiteral("x [y]."), 1}});
    db.setModified(false);
    QCOMPARE(
        db.appendFile(writeDb({"cat &&&{1} x [y].&&&{2}  z [w].  "})), int(LxdDatabase::AppendHasDuplicates));
    QVERIFY(db.resolveAppend(LxdDatabase::MergeDuplicates));
    QCOMPARE(describe(db), QStringLiteral("cat|x [y].#2|z [w].#2"));
}

// A merge always leaves the headwords sorted, also when it takes in no new headword.
void TestLxdDatabase::mergeSortsWithoutNewHeadwords()
{
    LxdDatabase db;
    QVERIFY(db.loadText(writeDb({"dog&&&{0}D [x]", "cat&&&{0}C [x]"})));
    QCOMPARE(db.appendFile(writeDb({"cat&&&{1}C [x]"})), int(LxdDatabase::AppendHasDuplicates));
    QVERIFY(db.resolveAppend(LxdDatabase::MergeDuplicates));
    QCOMPARE(describe(db), QStringLiteral("cat|C [x]#1\ndog|D [x]#0"));
}

void TestLxdDatabase::mergeFoldsRepeatedNewHeadwords()
{
    LxdDatabase db;
    fillCatDog(db);
    // Two emus new to the database: the later one moves in first, the earlier one merges into it.
    const QString file
        = writeDb({"cat&&&{0}A [x]", "emu&&&{0}E1 [a]&&&{3}E3 [c]", "emu&&&{1}E2 [b]&&&{5}E1 [a]"});
    QCOMPARE(db.appendFile(file), int(LxdDatabase::AppendHasDuplicates));
    QVERIFY(db.resolveAppend(LxdDatabase::MergeDuplicates));
    QCOMPARE(describe(db), QStringLiteral("cat|A [x]#2\ndog|D [x]#0\nemu|E2 [b]#1|E1 [a]#5|E3 [c]#3"));
}

void TestLxdDatabase::keepDuplicates()
{
    LxdDatabase db;
    fillCatDog(db);
    QCOMPARE(
        db.appendFile(writeDb({"cat&&&{1}A [x]&&&{0}B [y]", "ant"})), int(LxdDatabase::AppendHasDuplicates));
    QVERIFY(db.resolveAppend(LxdDatabase::KeepDuplicates));

    QStringList lines = describe(db).split(QLatin1Char('\n'));
    QCOMPARE(lines.first(), QStringLiteral("ant"));
    QCOMPARE(lines.last(), QStringLiteral("dog|D [x]#0"));
    std::sort(lines.begin(), lines.end()); // equal headwords have no defined order between them
    QCOMPARE(lines, (QStringList {"ant", "cat|A [x]#1|B [y]#0", "cat|A [x]#2", "dog|D [x]#0"}));
    QVERIFY(db.isModified());
    QVERIFY(!db.hasPendingAppend());
}

void TestLxdDatabase::resolveWithoutPendingOrWithBadMode()
{
    LxdDatabase db;
    fillCatDog(db);
    QVERIFY(!db.resolveAppend(LxdDatabase::MergeDuplicates));
    QVERIFY(!db.resolveAppend(LxdDatabase::KeepDuplicates));

    QCOMPARE(db.appendFile(writeDb({"cat&&&{1}A [x]"})), int(LxdDatabase::AppendHasDuplicates));
    QVERIFY(!db.resolveAppend(2));
    QVERIFY(!db.resolveAppend(-1));
    QCOMPARE(describe(db), catDog);
    QVERIFY(!db.isModified());
    QVERIFY(db.resolveAppend(LxdDatabase::MergeDuplicates));
    QCOMPARE(describe(db), QStringLiteral("cat|A [x]#3\ndog|D [x]#0"));
    QVERIFY(!db.resolveAppend(LxdDatabase::MergeDuplicates));
}

void TestLxdDatabase::pendingAppendIsReused()
{
    LxdDatabase db;
    fillCatDog(db);
    QCOMPARE(db.appendFile(writeDb({"cat&&&{0}X [1]", "yak"})), int(LxdDatabase::AppendHasDuplicates));
    // The user cancelled; the next append starts afresh.
    QCOMPARE(db.appendFile(writeDb({"cat&&&{0}Y [2]", "fox"})), int(LxdDatabase::AppendHasDuplicates));
    QVERIFY(db.resolveAppend(LxdDatabase::MergeDuplicates));
    QCOMPARE(describe(db), QStringLiteral("cat|A [x]#2|Y [2]#0\ndog|D [x]#0\nfox"));
}

void TestLxdDatabase::appendUnreadableFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addRow("missing file") << "no-such-file.lxv";
    QTest::addRow("a folder") << "folder.lxv";
}

void TestLxdDatabase::appendUnreadableFile()
{
    QFETCH(QString, name);
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder.lxv")));
    LxdDatabase db;
    fillCatDog(db);
    QCOMPARE(db.appendFile(m_dir->filePath(name)), int(LxdDatabase::AppendFailed));
    QCOMPARE(describe(db), catDog);
    QVERIFY(!db.isModified());
    QVERIFY(!db.hasPendingAppend());
}

QTEST_GUILESS_MAIN(TestLxdDatabase)
#include "tst_lxddatabase.moc"
