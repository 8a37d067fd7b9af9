// SPDX-License-Identifier: GPL-3.0-or-later
// The file rules of the document, without a window: which files are read, the append questions and
// what each command leaves of the modified flag and the undo history.
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "document/lxddocument.h"
#include "support/dbfixtures.h"

#include "support/testutil.h"

#include <QDomDocument>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

namespace {

const char Held[] = "cat&&&{2}The [cat] sat.\r\ndog&&&{0}A [dog].\r\n";
const char Repeats[] = "cat&&&{1}The [cat] sat.&&&{0}A new [cat].\r\nant\r\n";

// Answers the two questions as told, and counts them.
class Answers : public LxdAppendQuestions
{
public:
    Answers(bool goOn, int mode)
        : goOn(goOn)
        , mode(mode)
    { }
    bool confirmRepeatedHeadwords() override
    {
        ++asked;
        return goOn;
    }
    std::optional<LxdMergeMode> chooseMergeOrKeep() override
    {
        ++asked;
        return mode < 0 ? std::nullopt : std::optional<LxdMergeMode>(LxdMergeMode(mode));
    }
    bool goOn;
    int mode;
    int asked = 0;
};

} // namespace

class TestDocument : public QObject
{
    Q_OBJECT

private:
    QString content() const;

    QTemporaryDir dir;
    QDomDocument dom;
    LxdDatabase *db = nullptr;
    LxdDocument *doc = nullptr;

private slots:
    void init();
    void cleanup();

    void open_data();
    void open();
    void append_data();
    void append();
    void saveAndBackup();
    void importXml_data();
    void importXml();
};

QString TestDocument::content() const
{
    QStringList lines;
    for (int i = 0; i < db->itemCount(); ++i)
        lines << DbFixtures::fileLine(*db->itemAt(i));
    return lines.join(QLatin1Char('\n'));
}

void TestDocument::init()
{
    db = new LxdDatabase();
    doc = new LxdDocument(db);
    QCOMPARE(doc->open(TestUtil::writeFile(dir, QStringLiteral("held.lxv"), Held)), LxdDocument::Done);
}

void TestDocument::cleanup()
{
    delete doc;
    delete db;
}

void TestDocument::open_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty: no such file
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("headwords");
    QTest::addRow("text") << QByteArray("emu\r\n") << int(LxdDocument::Done) << 1;
    QTest::addRow("picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
                             << int(LxdDocument::NotDatabase) << 1;
    QTest::addRow("missing") << QByteArray() << int(LxdDocument::Failed) << 0;
}

void TestDocument::open()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, result);
    QFETCH(int, headwords);
    doc->deleteHeadwords({0});
    const QString name = bytes.isEmpty() ? dir.filePath(QStringLiteral("gone.lxv"))
                                         : TestUtil::writeFile(dir, QStringLiteral("other.lxv"), bytes);
    if (result == LxdDocument::NotDatabase)
        QVERIFY(LxdDocument::isBinaryFile(name));

    QCOMPARE(int(doc->open(name)), result);
    // A file that is no text is not read at all; any other open starts afresh, unmodified.
    QCOMPARE(db->itemCount(), headwords);
    QCOMPARE(doc->isModified(), result == LxdDocument::NotDatabase);
    QCOMPARE(doc->undoStack()->canUndo(), result == LxdDocument::NotDatabase);
}

void TestDocument::append_data()
{
    QTest::addColumn<bool>("goOn");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("expected");
    const QString held = QStringLiteral("cat&&&{2}The [cat] sat.\ndog&&&{0}A [dog].");
    QTest::addRow("cancel at first") << false << -1 << int(LxdDocument::Cancelled) << held;
    QTest::addRow("cancel at second") << true << -1 << int(LxdDocument::Cancelled) << held;
    QTest::addRow("merge") << true << int(LxdMergeMode::Merge) << int(LxdDocument::Done)
                           << "ant\ncat&&&{3}The [cat] sat.&&&{0}A new [cat].\ndog&&&{0}A [dog].";
    QTest::addRow("keep") << true << int(LxdMergeMode::Keep) << int(LxdDocument::Done)
                          << "ant\ncat&&&{2}The [cat] sat.\ncat&&&{1}The [cat] sat.&&&{0}A new "
                             "[cat].\ndog&&&{0}A [dog].";
}

void TestDocument::append()
{
    QFETCH(bool, goOn);
    QFETCH(int, mode);
    QFETCH(int, result);
    QFETCH(QString, expected);
    const QString before = content();
    Answers answers(goOn, mode);

    QCOMPARE(int(doc->append(TestUtil::writeFile(dir, QStringLiteral("more.lxv"), Repeats), &answers).result),
        result);
    QCOMPARE(answers.asked, goOn ? 2 : 1);
    QCOMPARE(content(), expected);
    // Even a cancelled append leaves the database to be saved; a completed one is one step.
    QVERIFY(doc->isModified());
    QCOMPARE(doc->undoStack()->count(), result == LxdDocument::Done ? 1 : 0);
    if (result == LxdDocument::Done) {
        doc->undoStack()->undo();
        QCOMPARE(content(), before);
        QVERIFY(!doc->isModified());
    }
}

void TestDocument::saveAndBackup()
{
    const QString file = dir.filePath(QStringLiteral("saved.lxv"));
    doc->deleteHeadwords({1});
    QVERIFY(doc->backup(file));
    QVERIFY(QFile::exists(file + QLatin1String(".bak")));
    QVERIFY(doc->isModified()); // a backup is no save

    QVERIFY(doc->save(file));
    QVERIFY(!doc->isModified());
    QVERIFY(!doc->save(dir.filePath(QStringLiteral("no/such/folder/x.lxv"))));
    QVERIFY(!doc->isModified());
    // Undoing past the save leaves changes to save.
    doc->undoStack()->undo();
    QVERIFY(doc->isModified());
}

void TestDocument::importXml_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<bool>("imported");
    QTest::addRow("ours") << QByteArray(
        "<lexivane-vocabulary-database><items><item><head-word>yak</head-word>"
        "</item></items></lexivane-vocabulary-database>")
                          << true;
    QTest::addRow("another kind") << QByteArray("<html><body/></html>") << false;
    QTest::addRow("not well-formed") << QByteArray("<lexivane-vocabulary-database>") << false;
}

void TestDocument::importXml()
{
    QFETCH(QByteArray, xml);
    QFETCH(bool, imported);
    const QString exported = dir.filePath(QStringLiteral("out.xml"));
    QVERIFY(doc->exportXml(exported));
    QVERIFY(!doc->isModified());

    doc->deleteHeadwords({0});
    const QString before = content();
    QCOMPARE(doc->importXml(TestUtil::writeFile(dir, QStringLiteral("in.xml"), xml)), imported);
    // An import is new content to save, with a history of its own; a failed one leaves the database,
    // its changes and its history as they were.
    QCOMPARE(content(), imported ? QStringLiteral("yak") : before);
    QVERIFY(doc->isModified());
    QCOMPARE(doc->undoStack()->canUndo(), !imported);

    QVERIFY(doc->importXml(exported));
    QCOMPARE(content(), QStringLiteral("cat&&&{2}The [cat] sat.\ndog&&&{0}A [dog]."));
}

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
