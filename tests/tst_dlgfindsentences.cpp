// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/lxddatabase.h"
#include "dialogs/dlgfindsentences.h"
#include "document/lxddocument.h"
#include "finder/foundsentences.h"
#include "support/dbfixtures.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtTest>

class TestDlgFindSentences : public QObject
{
    Q_OBJECT

private slots:
    void searchTickAddUndo();
    void cancel();
    void addSkips();
};

static QTreeWidgetItem *candidate(QTreeWidget *tree, const QString &headword, const QString &start)
{
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *parent = tree->topLevelItem(i);
        for (int k = 0; parent->text(0) == headword && k < parent->childCount(); ++k) {
            if (parent->child(k)->text(0).startsWith(start))
                return parent->child(k);
        }
    }
    return nullptr;
}

void TestDlgFindSentences::searchTickAddUndo()
{
    LxdDatabase db;
    DbFixtures::addHeadword(db, "cat", {{"The [cat] sat on the mat."}});
    DbFixtures::addHeadword(db, "go", {});
    DbFixtures::addHeadword(db, "pick up", {});
    LxdDocument document(&db);
    DlgFindSentences dialog(&document, {});
    dialog.show();

    auto *text = dialog.findChild<QPlainTextEdit *>("pteText");
    auto *tree = dialog.findChild<QTreeWidget *>("twCandidates");
    auto *status = dialog.findChild<QLabel *>("lblStatus");
    text->setPlainText("The cat sat on the mat. Our two cats went to sleep in the warm kitchen.\n\n"
                       "She picked the old book up from the floor. We go to school by bus every day.");
    QTest::mouseClick(dialog.findChild<QPushButton *>("btnSearch"), Qt::LeftButton);
    QTRY_VERIFY(!dialog.isBusy());
    QVERIFY2(status->text().contains("Left out"), qPrintable(status->text()));

    // The sentence the database holds is not offered again.
    QVERIFY(!candidate(tree, "cat", "The [cat] sat"));
    QTreeWidgetItem *cats = candidate(tree, "cat", "Our two [cats]");
    QTreeWidgetItem *book = candidate(tree, "pick up", "She [picked] the old book [up]");
    QTreeWidgetItem *bus = candidate(tree, "go", "We [go] to school");
    QVERIFY(cats && book && bus);
    QVERIFY(!cats->toolTip(0).isEmpty());
    cats->setCheckState(0, Qt::Checked);
    book->setCheckState(0, Qt::Checked);
    // A bracketing changed to none is checked as the sentence editor checks it, and skipped.
    bus->setText(0, "We go to school by bus every day.");
    QVERIFY(bus->toolTip(0).startsWith("No gapped word."));
    bus->setCheckState(0, Qt::Checked);

    QTest::mouseClick(dialog.findChild<QPushButton *>("btnAdd"), Qt::LeftButton);
    QCOMPARE(DbFixtures::describe(db),
        QString("cat|The [cat] sat on the mat.#0|Our two [cats] went to sleep in the warm kitchen.#0\n"
                "go\n"
                "pick up|She [picked] the old book [up] from the floor.#0"));
    QVERIFY(status->text().contains("Sentences added: 2."));
    QVERIFY(status->text().contains("Skipped: We go to school"));
    QVERIFY(!candidate(tree, "cat", "Our two"));

    document.undoStack()->undo();
    QCOMPARE(DbFixtures::describe(db), QString("cat|The [cat] sat on the mat.#0\ngo\npick up"));

    // The current headword alone does not narrow the search; several selected do, and only they are
    // searched for when the teacher chooses so.
    QVERIFY(DlgFindSentences(&document, {1}).findChild<QRadioButton *>("rbAllHeadwords")->isChecked());
    QVERIFY(
        DlgFindSentences(&document, {0, 1}).findChild<QRadioButton *>("rbSelectedHeadwords")->isChecked());
    DlgFindSentences selected(&document, {1});
    selected.findChild<QRadioButton *>("rbSelectedHeadwords")->setChecked(true);
    selected.findChild<QPlainTextEdit *>("pteText")->setPlainText(text->toPlainText());
    selected.search();
    QTRY_VERIFY(!selected.isBusy());
    auto *found = selected.findChild<QTreeWidget *>("twCandidates");
    QCOMPARE(found->topLevelItemCount(), 1);
    QCOMPARE(found->topLevelItem(0)->text(0), "go");
}

void TestDlgFindSentences::cancel()
{
    LxdDatabase db;
    DbFixtures::addHeadword(db, "cat", {});
    LxdDocument document(&db);
    DlgFindSentences dialog(&document, {});
    QString text;
    for (int i = 0; i < 40000; ++i)
        text += "The black cat sleeps on a very soft chair. ";
    dialog.findChild<QPlainTextEdit *>("pteText")->setPlainText(text);
    dialog.search();
    QVERIFY(dialog.isBusy());
    dialog.cancelWork();
    QTRY_VERIFY(!dialog.isBusy());
    QCOMPARE(dialog.findChild<QLabel *>("lblStatus")->text(), "Search cancelled.");
    QCOMPARE(dialog.findChild<QTreeWidget *>("twCandidates")->topLevelItemCount(), 0);
}

// What cannot be stored, or is there already, is skipped with its reason; the rest is one step.
void TestDlgFindSentences::addSkips()
{
    LxdDatabase db;
    DbFixtures::addHeadword(db, "cat", {{"The [cat] sat."}});
    LxdDocument document(&db);
    const auto outcome = FoundSentences::add(&document,
        {{0, "A [cat] ran."}, {0, "A [cat] ran."}, {0, "the  [CAT] sat."}, {0, "Cats &&& [dogs]."},
            {0, "No brackets."}, {5, "A [cat] hid."}},
        "Add");
    QCOMPARE(outcome.added.size(), 1);
    QCOMPARE(outcome.reasons,
        QStringList({"The headword has this sentence already.", "The headword has this sentence already.",
            "A sentence cannot hold \"&&&\".", "The brackets are not complete.",
            "The headword is no longer in the database."}));
    QCOMPARE(DbFixtures::describe(db), QString("cat|The [cat] sat.#0|A [cat] ran.#0"));
    QCOMPARE(document.undoStack()->count(), 1);
}

QTEST_MAIN(TestDlgFindSentences)
#include "tst_dlgfindsentences.moc"
