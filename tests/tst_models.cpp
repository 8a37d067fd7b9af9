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
    cat->addSentence();
    addHeadword(db, QStringLiteral("dog"));
    db.setModified(false);
    db.sentenceTableModel->wordSelectionChanged(db.wordListModel->index(0, 0));
}

// Qt's model tester over both models for as long as this lives. Its findings come as warnings,
// and init() makes each one a test failure except one: the models tell the count labels about bulk
// changes by dataChanged with two invalid indexes, on purpose, which the tester reports.
struct Testers
{
    explicit Testers(LxdDatabase &db)
        : words(db.wordListModel, QAbstractItemModelTester::FailureReportingMode::Warning)
        , sentences(db.sentenceTableModel, QAbstractItemModelTester::FailureReportingMode::Warning)
    { }
    QAbstractItemModelTester words;
    QAbstractItemModelTester sentences;
};

bool isInvalidPair(const QList<QVariant> &arguments)
{
    return !arguments.at(0).value<QModelIndex>().isValid() && !arguments.at(1).value<QModelIndex>().isValid();
}

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
    void countAndTextCells();
    void headers();
    void rowsBeyondTheCountGiveNothing();
    void addItemAndSentenceAnnounceRows();
    void bulkChangesResetBothModels_data();
    void bulkChangesResetBothModels();
    void notifications_data();
    void notifications();

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QDomDocument m_doc;
};

void TestModels::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    QTest::failOnWarning(
        QRegularExpression(QStringLiteral("^FAIL! (?!(topLeft|bottomRight)\\.isValid\\(\\) )")));
}

void TestModels::wordListRowsAndRoles()
{
    LxdDatabase db(&m_doc, nullptr);
    Testers testers(db);
    LxdbWordListModel *words = db.wordListModel;
    QCOMPARE(words->rowCount(), 0);
    fillSample(db);
    words->refresh();

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
    LxdDatabase db(&m_doc, nullptr);
    fillSample(db);
    Testers testers(db);
    LxdbSentenceTableModel *table = db.sentenceTableModel;

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
    LxdDatabase db(&m_doc, nullptr);
    fillSample(db);
    LxdbSentenceTableModel *table = db.sentenceTableModel;

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
    LxdDatabase db(&m_doc, nullptr);
    fillSample(db);
    LxdbSentenceTableModel *table = db.sentenceTableModel;
    const QColor noKeyWord = table->data(table->index(1, 2), Qt::BackgroundRole).value<QColor>();
    const QColor open = table->data(table->index(2, 2), Qt::BackgroundRole).value<QColor>();
    QVERIFY(noKeyWord.alpha() > 0 && open.alpha() > 0);
    QVERIFY(noKeyWord.rgb() != QColor(Qt::white).rgb());
    QVERIFY(open.rgb() != QColor(Qt::white).rgb());
    QVERIFY(noKeyWord.rgb() != open.rgb());
}

void TestModels::countAndTextCells()
{
    LxdDatabase db(&m_doc, nullptr);
    fillSample(db);
    LxdbSentenceTableModel *table = db.sentenceTableModel;

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
    LxdDatabase db(&m_doc, nullptr);
    fillSample(db);
    LxdbSentenceTableModel *table = db.sentenceTableModel;
    QCOMPARE(table->headerData(0, Qt::Horizontal).toString(), checkMark);
    QCOMPARE(table->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Uses"));
    QCOMPARE(table->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Sentence"));
    QVERIFY(!table->headerData(3, Qt::Horizontal).isValid());
    QVERIFY(!table->headerData(0, Qt::Vertical).isValid()); // rows carry no numbers
    QVERIFY(!table->headerData(1, Qt::Vertical).isValid());
    QVERIFY(!table->headerData(1, Qt::Horizontal, Qt::ToolTipRole).isValid());
    QVERIFY(!table->headerData(2, Qt::Horizontal, Qt::EditRole).isValid());
}

// The view may still ask for rows whose removal nobody announced.
void TestModels::rowsBeyondTheCountGiveNothing()
{
    LxdDatabase db(&m_doc, nullptr);
    fillSample(db);
    LxdbSentenceTableModel *table = db.sentenceTableModel;
    const QModelIndex cell = table->cellIndex(4, 2);
    QCOMPARE(cell.row(), 4);
    QCOMPARE(cell.column(), 2);
    QCOMPARE(cell.model(), table);
    QVERIFY(!table->data(cell).isValid());
    QVERIFY(!table->data(cell, Qt::BackgroundRole).isValid());

    const QModelIndex dog = db.wordListModel->index(1, 0);
    QVERIFY(db.deleteItem(1));
    QVERIFY(!db.wordListModel->data(dog).isValid());
    QVERIFY(db.deleteSentence(0, 3));
    QVERIFY(!table->data(table->cellIndex(3, 0)).isValid());
}

void TestModels::addItemAndSentenceAnnounceRows()
{
    LxdDatabase db(&m_doc, nullptr);
    fillSample(db);
    Testers testers(db);
    QSignalSpy wordRows(db.wordListModel, &QAbstractItemModel::rowsInserted);
    QSignalSpy sentenceRows(db.sentenceTableModel, &QAbstractItemModel::rowsInserted);

    QVERIFY(db.addItem());
    QCOMPARE(wordRows.count(), 1);
    QCOMPARE(wordRows.at(0), (QList<QVariant> {QVariant::fromValue(QModelIndex()), 2, 2}));
    QCOMPARE(sentenceRows.count(), 0);

    QVERIFY(db.addSentence(0));
    QCOMPARE(sentenceRows.count(), 1);
    QCOMPARE(sentenceRows.at(0), (QList<QVariant> {QVariant::fromValue(QModelIndex()), 4, 4}));
    QCOMPARE(db.sentenceTableModel->rowCount(), 5);
    QCOMPARE(wordRows.count(), 1);
    QCOMPARE(db.addSentence(5), nullptr);
    QCOMPARE(sentenceRows.count(), 1);
}

void TestModels::bulkChangesResetBothModels_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<int>("words");
    QTest::addColumn<bool>("tableRefresh"); // loading refreshes only the list
    QTest::addRow("loadText") << "loadText" << 4 << false;
    QTest::addRow("loadXml") << "loadXml" << 1 << false;
    QTest::addRow("append, all new") << "appendNew" << 3 << true;
    QTest::addRow("append, keep duplicates") << "keep" << 4 << true;
    QTest::addRow("append, merge duplicates") << "merge" << 3 << true;
    QTest::addRow("clear") << "clear" << 0 << true;
}

// Views must never show a stale row count after a bulk change, and the count labels, which listen
// to dataChanged with two invalid indexes and then read rowCount, must read the new count.
void TestModels::bulkChangesResetBothModels()
{
    QFETCH(QString, op);
    QFETCH(int, words);
    QFETCH(bool, tableRefresh);
    const QString lines
        = TestUtil::writeFile(*m_dir, "lines.lxv", "cat&&&{1}New [a]&&&{0}Other [b]\r\nemu\r\n");
    const QString fresh = TestUtil::writeFile(*m_dir, "fresh.lxv", "emu&&&{0}E [e]\r\n");
    const QString xml = TestUtil::writeFile(*m_dir, "db.xml",
        "<lexivane-vocabulary-database><items><item><head-word>yak</head-word>"
        "</item></items></lexivane-vocabulary-database>");
    LxdDatabase db(&m_doc, nullptr);
    fillSample(db);
    LxdbWordListModel *wordModel = db.wordListModel;
    LxdbSentenceTableModel *table = db.sentenceTableModel;
    if (op == QLatin1String("keep") || op == QLatin1String("merge"))
        QCOMPARE(db.appendFile(lines), int(LxdDatabase::AppendHasDuplicates));

    Testers testers(db);
    QSignalSpy wordResets(wordModel, &QAbstractItemModel::modelReset);
    QSignalSpy sentenceResets(table, &QAbstractItemModel::modelReset);
    QSignalSpy wordChanges(wordModel, &QAbstractItemModel::dataChanged);
    QSignalSpy sentenceChanges(table, &QAbstractItemModel::dataChanged);
    int wordLabel = -1;
    int sentenceLabel = -1;
    connect(wordModel, &QAbstractItemModel::dataChanged, this, [&] { wordLabel = wordModel->rowCount(); });
    connect(table, &QAbstractItemModel::dataChanged, this, [&] { sentenceLabel = table->rowCount(); });

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

    QCOMPARE(wordModel->rowCount(), words);
    QVERIFY(wordResets.count() >= 1);
    QVERIFY(sentenceResets.count() >= 1);
    QVERIFY(wordChanges.count() >= 1);
    QVERIFY(isInvalidPair(wordChanges.last()));
    QCOMPARE(wordLabel, words);
    if (tableRefresh) {
        QVERIFY(sentenceChanges.count() >= 1);
        QVERIFY(isInvalidPair(sentenceChanges.last()));
        QCOMPARE(sentenceLabel, table->rowCount());
        table->wordSelectionChanged(wordModel->index(0, 0));
        QCOMPARE(table->rowCount(), db.sentenceCount(0));
    }
}

// The operations that leave the views to their callers, and zeroUsed, which refreshes the table.
void TestModels::notifications_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<int>("sentenceChanges");
    QTest::addRow("zeroUsed") << "zeroUsed" << 1;
    QTest::addRow("clear an empty database") << "clearEmpty" << 0;
    QTest::addRow("deleteItem") << "deleteItem" << 0;
    QTest::addRow("deleteSentence") << "deleteSentence" << 0;
    QTest::addRow("moveSentence") << "moveSentence" << 0;
    QTest::addRow("setHeadword") << "setHeadword" << 0;
    QTest::addRow("sort") << "sort" << 0;
}

void TestModels::notifications()
{
    QFETCH(QString, op);
    QFETCH(int, sentenceChanges);
    LxdDatabase db(&m_doc, nullptr);
    if (op != QLatin1String("clearEmpty"))
        fillSample(db);
    QSignalSpy words(db.wordListModel, &QAbstractItemModel::dataChanged);
    QSignalSpy sentences(db.sentenceTableModel, &QAbstractItemModel::dataChanged);

    if (op == QLatin1String("zeroUsed"))
        db.zeroUsed();
    else if (op == QLatin1String("clearEmpty"))
        db.clear();
    else if (op == QLatin1String("deleteItem"))
        QVERIFY(db.deleteItem(1));
    else if (op == QLatin1String("deleteSentence"))
        QVERIFY(db.deleteSentence(0, 1));
    else if (op == QLatin1String("moveSentence"))
        QVERIFY(db.moveSentence(0, 0, 2));
    else if (op == QLatin1String("setHeadword"))
        QVERIFY(db.setHeadword(1, QStringLiteral("ant")).isValid());
    else
        db.sort();
    QCOMPARE(words.count(), 0);
    QCOMPARE(sentences.count(), sentenceChanges);
    if (sentenceChanges)
        QVERIFY(isInvalidPair(sentences.first()));
}

QTEST_MAIN(TestModels)
#include "tst_models.moc"
