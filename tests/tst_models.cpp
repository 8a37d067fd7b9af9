// SPDX-License-Identifier: GPL-3.0-or-later
// The headword list model and the sentence table model: rows, roles, colours, headers, and what
// they announce while the database changes under them.
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "models/lxdbsentencetablemodel.h"
#include "models/lxdbwordlistmodel.h"
#include "support/dbfixtures.h"
#include "support/testutil.h"

#include <QAbstractItemModelTester>
#include <QColor>
#include <QDomDocument>
#include <QStringListModel>
#include <QtTest>

using DbFixtures::addHeadword;

namespace {

const QString checkMark = QString(QChar(0x2713));
const QString ballotX = QString(QChar(0x2717));

// cat: a valid sentence used 7, one without key words, one with a bracket left open, one never
// given a text; dog: no sentences. The table shows cat.
void fillSample(LxdDatabase &db)
{
    LxdItem *cat = addHeadword(db, QStringLiteral("cat"),
        {{QStringLiteral("The [cat] sat."), 7}, {QStringLiteral("No key word."), 0},
            {QStringLiteral("The [cat"), 1}});
    db.addSentence(db.indexOfItem(cat));
    addHeadword(db, QStringLiteral("dog"));
    db.setModified(false);
}

// The two models over one database, as the window has them, with Qt's model tester over both for
// as long as this lives; init() makes each of the tester's findings a test failure.
struct Models
{
    explicit Models(LxdDatabase &db, bool sample = true)
        : words(&db)
        , table(&db)
        , wordsTester(&words, QAbstractItemModelTester::FailureReportingMode::Warning)
        , tableTester(&table, QAbstractItemModelTester::FailureReportingMode::Warning)
    {
        if (sample) {
            fillSample(db);
            table.wordSelectionChanged(words.index(0, 0));
        }
    }
    LxdbWordListModel words;
    LxdbSentenceTableModel table;
    QAbstractItemModelTester wordsTester;
    QAbstractItemModelTester tableTester;
};

} // namespace

class TestModels : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void wordListRowsAndRoles();
    void sentenceTableFollowsTheSelection_data();
    void sentenceTableFollowsTheSelection();
    void statusMarksAndColours_data();
    void statusMarksAndColours();
    void tintsForNoKeyWordAndOpenBracket();
    void warnsOfSlipsInTheNotation();
    void countAndTextCells();
    void headers();
    void rowsBeyondTheCountGiveNothing();
    void addItemAndSentenceAnnounceRows();
    void bulkChangesResetBothModels_data();
    void bulkChangesResetBothModels();
    void tableFollowsItsHeadword_data();
    void tableFollowsItsHeadword();
    void editsReachTheViews_data();
    void editsReachTheViews();

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QDomDocument m_doc;
};

void TestModels::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^FAIL! ")));
}

void TestModels::wordListRowsAndRoles()
{
    LxdDatabase db;
    Models models(db, false);
    LxdbWordListModel *words = &models.words;
    QCOMPARE(words->rowCount(), 0);
    fillSample(db);

    QCOMPARE(words->rowCount(), 2);
    const QModelIndex dog = words->index(1, 0);
    QCOMPARE(words->data(dog, Qt::DisplayRole), QVariant(QStringLiteral("dog")));
    for (int role : {int(Qt::EditRole), int(Qt::ToolTipRole), int(Qt::DecorationRole)})
        QVERIFY(!words->data(dog, role).isValid());
    QVERIFY(!words->data(QModelIndex(), Qt::DisplayRole).isValid());
    QCOMPARE(words->flags(dog), Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren);
}

void TestModels::sentenceTableFollowsTheSelection_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("rows");
    QTest::addRow("cat") << 0 << 0 << 4;
    QTest::addRow("dog, no sentences") << 1 << 1 << 0;
    QTest::addRow("invalid index") << -1 << -1 << 0;
    QTest::addRow("row at the count") << 2 << -1 << 0;
}

void TestModels::sentenceTableFollowsTheSelection()
{
    QFETCH(int, row);
    QFETCH(int, current);
    QFETCH(int, rows);
    LxdDatabase db;
    Models models(db);
    LxdbSentenceTableModel *table = &models.table;

    QStringListModel other(QStringList(10, QStringLiteral("x"))); // rows beyond the headwords
    QSignalSpy reset(table, &QAbstractItemModel::modelReset);
    table->wordSelectionChanged(row < 0 ? QModelIndex() : other.index(row, 0));
    QCOMPARE(reset.count(), 1);
    QCOMPARE(table->currentItem(), current);
    QCOMPARE(table->rowCount(), rows);
    QCOMPARE(table->columnCount(), 3);
}

void TestModels::statusMarksAndColours_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("background"); // invalid: a visible tint of the implementer's choice
    QTest::addRow("valid") << 0 << checkMark << "The [cat] sat." << QColor(255, 255, 255, 255);
    QTest::addRow("no key word") << 1 << "?"
                                 << "No key word." << QColor();
    QTest::addRow("open bracket, text kept") << 2 << ballotX << "The [cat" << QColor();
    QTest::addRow("never given a text") << 3 << "?"
                                        << "" << QColor(196, 196, 196, 255);
}

void TestModels::statusMarksAndColours()
{
    QFETCH(int, row);
    QFETCH(QString, mark);
    QFETCH(QString, text);
    QFETCH(QColor, background);
    LxdDatabase db;
    Models models(db);
    LxdbSentenceTableModel *table = &models.table;

    QCOMPARE(table->data(table->index(row, 0)).toString(), mark);
    QCOMPARE(table->data(table->index(row, 2)).toString(), text);
    const QVariant colour = table->data(table->index(row, 2), Qt::BackgroundRole);
    QCOMPARE(colour.typeId(), int(QMetaType::QColor));
    if (background.isValid())
        QCOMPARE(colour.value<QColor>(), background);
    QVERIFY(!table->data(table->index(row, 0), Qt::BackgroundRole).isValid());
    QVERIFY(!table->data(table->index(row, 1), Qt::BackgroundRole).isValid());
}

void TestModels::tintsForNoKeyWordAndOpenBracket()
{
    LxdDatabase db;
    Models models(db);
    LxdbSentenceTableModel *table = &models.table;
    const QColor noKeyWord = table->data(table->index(1, 2), Qt::BackgroundRole).value<QColor>();
    const QColor open = table->data(table->index(2, 2), Qt::BackgroundRole).value<QColor>();
    QVERIFY(noKeyWord.alpha() > 0 && open.alpha() > 0);
    QVERIFY(noKeyWord.rgb() != QColor(Qt::white).rgb());
    QVERIFY(open.rgb() != QColor(Qt::white).rgb());
    QVERIFY(noKeyWord.rgb() != open.rgb());
}

// A sentence whose brackets are fine but whose notation looks mistyped: a warning sign, its own tint
// and, on the sign, what is wrong.
void TestModels::warnsOfSlipsInTheNotation()
{
    LxdDatabase db;
    Models models(db, false);
    addHeadword(db, QStringLiteral("go"),
        {{QStringLiteral("She [went:go] home."), 0}, {QStringLiteral("[went::go]"), 0}});
    LxdbSentenceTableModel *table = &models.table;
    table->wordSelectionChanged(models.words.index(0, 0));
    QCOMPARE(table->data(table->index(0, 0)).toString(), QString(QChar(0x26A0)));
    QCOMPARE(table->data(table->index(0, 0), Qt::ToolTipRole).toString(),
        QStringLiteral("Gap 1: a single \":\"; a clue needs two, as in [went::go]"));
    const QColor doubtful = table->data(table->index(0, 2), Qt::BackgroundRole).value<QColor>();
    QVERIFY(doubtful.rgb() != QColor(Qt::white).rgb());
    QCOMPARE(table->data(table->index(1, 0)).toString(), checkMark);
    QVERIFY(!table->data(table->index(1, 0), Qt::ToolTipRole).isValid());
}

void TestModels::countAndTextCells()
{
    LxdDatabase db;
    Models models(db);
    LxdbSentenceTableModel *table = &models.table;

    const QVariant used = table->data(table->index(0, 1));
    QCOMPARE(used.typeId(), int(QMetaType::Int));
    QCOMPARE(used.toInt(), 7);
    QCOMPARE(table->data(table->index(0, 1), Qt::TextAlignmentRole).toInt(),
        int(Qt::AlignRight | Qt::AlignVCenter));
    QCOMPARE(table->data(table->index(0, 2), Qt::ToolTipRole).toString(), QStringLiteral("The [cat] sat."));
    for (int column : {0, 2})
        QVERIFY(!table->data(table->index(0, column), Qt::TextAlignmentRole).isValid());
    for (int column : {0, 1})
        QVERIFY(!table->data(table->index(0, column), Qt::ToolTipRole).isValid());
    for (int column = 0; column < 3; ++column) {
        for (int role : {int(Qt::EditRole), int(Qt::DecorationRole), int(Qt::FontRole)})
            QVERIFY(!table->data(table->index(0, column), role).isValid());
    }
    // Read from the sentence when asked; the table keeps no copy.
    db.sentenceAt(0, 0)->addUsed(1);
    QCOMPARE(table->data(table->index(0, 1)).toInt(), 8);
}

void TestModels::headers()
{
    LxdDatabase db;
    Models models(db);
    LxdbSentenceTableModel *table = &models.table;
    QCOMPARE(table->headerData(0, Qt::Horizontal).toString(), checkMark);
    QCOMPARE(table->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Uses"));
    QCOMPARE(table->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Sentence"));
    QVERIFY(!table->headerData(3, Qt::Horizontal).isValid());
    QVERIFY(!table->headerData(0, Qt::Vertical).isValid()); // rows carry no numbers
    QVERIFY(!table->headerData(1, Qt::Vertical).isValid());
    QVERIFY(!table->headerData(1, Qt::Horizontal, Qt::ToolTipRole).isValid());
    QVERIFY(!table->headerData(2, Qt::Horizontal, Qt::EditRole).isValid());
}

// A view may ask for any cell it built an index for.
void TestModels::rowsBeyondTheCountGiveNothing()
{
    LxdDatabase db;
    Models models(db);
    LxdbSentenceTableModel *table = &models.table;
    const QModelIndex cell = table->cellIndex(4, 2);
    QCOMPARE(cell.row(), 4);
    QCOMPARE(cell.column(), 2);
    QCOMPARE(cell.model(), table);
    QVERIFY(!table->data(cell).isValid());
    QVERIFY(!table->data(cell, Qt::BackgroundRole).isValid());
}

void TestModels::addItemAndSentenceAnnounceRows()
{
    LxdDatabase db;
    Models models(db);
    QSignalSpy wordRows(&models.words, &QAbstractItemModel::rowsInserted);
    QSignalSpy sentenceRows(&models.table, &QAbstractItemModel::rowsInserted);

    QVERIFY(db.addItem());
    QCOMPARE(wordRows.count(), 1);
    QCOMPARE(wordRows.at(0), (QList<QVariant> {QVariant::fromValue(QModelIndex()), 2, 2}));
    QCOMPARE(sentenceRows.count(), 0);

    QVERIFY(db.addSentence(0));
    QCOMPARE(sentenceRows.count(), 1);
    QCOMPARE(sentenceRows.at(0), (QList<QVariant> {QVariant::fromValue(QModelIndex()), 4, 4}));
    QCOMPARE(models.table.rowCount(), 5);
    // A sentence for another headword is none of the table's business.
    QVERIFY(db.addSentence(1));
    QCOMPARE(sentenceRows.count(), 1);
    QCOMPARE(db.addSentence(5), nullptr);
    QCOMPARE(wordRows.count(), 1);
}

void TestModels::bulkChangesResetBothModels_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<int>("words");
    QTest::addColumn<int>("current"); // the table's headword afterwards
    QTest::addRow("loadText") << "loadText" << 4 << 0;
    QTest::addRow("loadXml") << "loadXml" << 1 << -1;
    QTest::addRow("append, all new") << "appendNew" << 3 << 0;
    QTest::addRow("append, keep duplicates") << "keep" << 4 << 0;
    QTest::addRow("append, merge duplicates") << "merge" << 3 << 0;
    QTest::addRow("clear") << "clear" << 0 << -1;
}

// Views must never show a stale row count after a bulk change; the table keeps its headword while
// that is still there.
void TestModels::bulkChangesResetBothModels()
{
    QFETCH(QString, op);
    QFETCH(int, words);
    QFETCH(int, current);
    const QString lines
        = TestUtil::writeFile(*m_dir, "lines.lxv", "cat&&&{1}New [a]&&&{0}Other [b]\r\nemu\r\n");
    const QString fresh = TestUtil::writeFile(*m_dir, "fresh.lxv", "emu&&&{0}E [e]\r\n");
    const QString xml = TestUtil::writeFile(*m_dir, "db.xml",
        "<lexivane-vocabulary-database><items><item><head-word>yak</head-word>"
        "</item></items></lexivane-vocabulary-database>");
    LxdDatabase db;
    Models models(db);
    if (op == QLatin1String("keep") || op == QLatin1String("merge"))
        QCOMPARE(db.appendFile(lines), int(LxdDatabase::AppendHasDuplicates));
    QSignalSpy wordResets(&models.words, &QAbstractItemModel::modelReset);
    QSignalSpy sentenceResets(&models.table, &QAbstractItemModel::modelReset);

    if (op == QLatin1String("loadText"))
        QVERIFY(db.loadText(lines));
    else if (op == QLatin1String("loadXml"))
        QVERIFY(db.loadXml(xml));
    else if (op == QLatin1String("appendNew"))
        QCOMPARE(db.appendFile(fresh), int(LxdDatabase::AppendDone));
    else if (op == QLatin1String("keep"))
        QVERIFY(db.resolveAppend(LxdDatabase::KeepDuplicates));
    else if (op == QLatin1String("merge"))
        QVERIFY(db.resolveAppend(LxdDatabase::MergeDuplicates));
    else
        db.clear();

    QCOMPARE(wordResets.count(), 1);
    QCOMPARE(sentenceResets.count(), 1);
    QCOMPARE(models.words.rowCount(), words);
    QCOMPARE(models.table.currentItem(), current);
    QCOMPARE(models.table.rowCount(), db.sentenceCount(current));
}

// The table keeps showing the same headword while rows come, go and move around it.
void TestModels::tableFollowsItsHeadword_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<int>("shown"); // the row the table shows first
    QTest::addColumn<int>("current"); // afterwards
    QTest::addRow("add a headword before it") << "addBefore" << 1 << 2;
    QTest::addRow("add a headword after it") << "addAfter" << 0 << 0;
    QTest::addRow("delete one before it") << "deleteFirst" << 1 << 0;
    QTest::addRow("delete it") << "deleteFirst" << 0 << -1;
    QTest::addRow("rename it to the end") << "renameFirst" << 0 << 1;
    QTest::addRow("rename another before it") << "renameLast" << 0 << 1;
    QTest::addRow("new order") << "reverse" << 0 << 1;
    QTest::addRow("delete both at once") << "deleteBoth" << 1 << -1;
}

void TestModels::tableFollowsItsHeadword()
{
    QFETCH(QString, op);
    QFETCH(int, shown);
    QFETCH(int, current);
    LxdDatabase db;
    Models models(db);
    models.table.wordSelectionChanged(models.words.index(shown, 0));
    const LxdItem *record = db.itemAt(shown);
    // A selection in the headword list stays with its record too.
    const QPersistentModelIndex selected(models.words.index(shown, 0));

    if (op == QLatin1String("addBefore"))
        db.insertItem(0, new LxdItem);
    else if (op == QLatin1String("addAfter"))
        db.insertItem(1, new LxdItem);
    else if (op == QLatin1String("deleteFirst"))
        QVERIFY(db.deleteItem(0));
    else if (op == QLatin1String("renameFirst"))
        QCOMPARE(db.setHeadword(0, QStringLiteral("zebra")), 1);
    else if (op == QLatin1String("renameLast"))
        QCOMPARE(db.setHeadword(1, QStringLiteral("ant")), 0);
    else if (op == QLatin1String("reverse"))
        db.setItems({db.itemAt(1), db.itemAt(0)});
    else
        qDeleteAll(db.takeItems({0, 1}));

    QCOMPARE(models.table.currentItem(), current);
    QCOMPARE(selected.row(), current);
    if (current >= 0) {
        QCOMPARE(db.itemAt(current), record);
        QCOMPARE(models.table.rowCount(), record->sentenceCount());
        QCOMPARE(models.words.data(selected).toString(), record->headword());
    } else {
        QCOMPARE(models.table.rowCount(), 0);
    }
}

// What each edit tells the table: the rows it added, removed or changed, or a new order in which
// a selected sentence stays with its record.
void TestModels::editsReachTheViews_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("signal");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addRow("delete a sentence") << "deleteSentence"
                                       << "removed" << 1 << 1;
    QTest::addRow("edit a sentence") << "setSentence"
                                     << "changed" << 2 << 2;
    QTest::addRow("zero the counts") << "zeroUsed"
                                     << "changed" << 0 << 3;
    QTest::addRow("counts changed on the records") << "announce"
                                                   << "changed" << 0 << 3;
    QTest::addRow("move a sentence") << "moveSentence"
                                     << "layout" << 1 << 1;
    QTest::addRow("the other headword") << "other"
                                        << "" << -1 << -1;
}

void TestModels::editsReachTheViews()
{
    QFETCH(QString, op);
    QFETCH(QString, signal);
    QFETCH(int, first);
    QFETCH(int, last);
    LxdDatabase db;
    Models models(db);
    LxdbSentenceTableModel *table = &models.table;
    const QPersistentModelIndex catSat(table->index(0, 2));
    QSignalSpy removed(table, &QAbstractItemModel::rowsRemoved);
    QSignalSpy changed(table, &QAbstractItemModel::dataChanged);
    QSignalSpy layout(table, &QAbstractItemModel::layoutChanged);
    QSignalSpy wordChanges(&models.words, &QAbstractItemModel::dataChanged);

    if (op == QLatin1String("deleteSentence"))
        QVERIFY(db.deleteSentence(0, 1));
    else if (op == QLatin1String("setSentence"))
        db.setSentence(0, 2, QStringLiteral("The [cat]."), 4);
    else if (op == QLatin1String("zeroUsed"))
        db.zeroUsed();
    else if (op == QLatin1String("announce"))
        db.announceSentences(0);
    else if (op == QLatin1String("moveSentence"))
        QVERIFY(db.moveSentence(0, 0, 1));
    else
        QVERIFY(db.addSentence(1) && db.deleteSentence(1, 0));

    QCOMPARE(removed.count(), signal == QLatin1String("removed") ? 1 : 0);
    QCOMPARE(changed.count(), signal == QLatin1String("changed") ? 1 : 0);
    QCOMPARE(layout.count(), signal == QLatin1String("layout") ? 1 : 0);
    QCOMPARE(wordChanges.count(), 0);
    if (signal == QLatin1String("removed"))
        QCOMPARE(removed.first().mid(1), (QList<QVariant> {first, last}));
    if (signal == QLatin1String("changed")) {
        const QModelIndex topLeft = changed.first().at(0).value<QModelIndex>();
        const QModelIndex bottomRight = changed.first().at(1).value<QModelIndex>();
        QCOMPARE(qMakePair(topLeft.row(), topLeft.column()), qMakePair(first, 0));
        QCOMPARE(qMakePair(bottomRight.row(), bottomRight.column()), qMakePair(last, 2));
    }
    if (signal == QLatin1String("layout"))
        QCOMPARE(catSat.row(), first);
    QCOMPARE(table->rowCount(), db.sentenceCount(0));
}

QTEST_MAIN(TestModels)
#include "tst_models.moc"
