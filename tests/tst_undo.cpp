// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo of every edit, through the real window, and the document's history on its own.
#include "app/mainwindow.h"
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "document/lxddocument.h"
#include "util/zelconfirm.h"
#include "util/zelfiledialog.h"

#include "support/modalanswerer.h"
#include "support/testutil.h"
#include "support/windowfixture.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDomDocument>
#include <QListView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include <QUndoStack>
#include <memory>

using TestUtil::ModalAnswerer;

namespace {

const char Fixture[]
    = "Category&&&{0}A [category] of things.\r\n"
      "apple&&&{0}An [apple] a day.&&&{3}The [apple] fell.\r\n"
      "cat&&&{2}The [cat] sat.&&&{0}My [cat] is black.&&&{5}A [dog] naps.&&&{1}[Birds] sing.\r\n"
      "dog\r\n"
      "pear&&&{0}A ripe [pear].\r\n";

// One repeated headword (cat: one sentence repeated, one new), one new headword.
const char AppendFile[] = "cat&&&{4}The [cat] sat.&&&{0}A new [cat].\r\nemu&&&{0}An [emu].\r\n";

} // namespace

class TestUndo : public QObject
{
    Q_OBJECT

private:
    template<typename T>
    T *child(const char *name) const
    {
        return TestUtil::child<T>(window, name);
    }

    // The database and what the two lists show, in one comparable text.
    QString state() const;
    void click(QAbstractItemView *view, const QList<int> &rows, int column);

    TestUtil::WindowFixture fx;
    std::unique_ptr<MainWindow> owned;
    MainWindow *window = nullptr;
    LxdDatabase *db = nullptr;

private slots:
    void initTestCase() { fx.initTestCase(); }
    void init();
    void cleanup();

    void everyEditUndoesAndRedoes_data();
    void everyEditUndoesAndRedoes();
    void deleteKeyInOutputList();
    void historyWithoutWindow();
};

QString TestUndo::state() const
{
    QStringList lines;
    for (int i = 0; i < db->itemCount(); ++i) {
        QString line = db->headword(i);
        for (const LxdSentence &s : db->itemAt(i)->sentences)
            line += QStringLiteral("|%1#%2").arg(s.text()).arg(s.used());
        lines << line;
    }
    auto rows = [](const QModelIndexList &indexes) {
        QStringList list;
        for (const QModelIndex &index : indexes)
            list << QString::number(index.row());
        list.sort();
        return list.join(QLatin1Char(','));
    };
    const auto *words = child<QListView>("lvWords");
    const auto *sentences = child<QTableView>("tvSentences");
    lines << QStringLiteral("current %1 words %2 sentences %3 shown %4")
                 .arg(words->currentIndex().row())
                 .arg(rows(words->selectionModel()->selectedIndexes()))
                 .arg(rows(sentences->selectionModel()->selectedRows()))
                 .arg(sentences->model()->rowCount());
    return lines.join(QLatin1Char('\n'));
}

void TestUndo::click(QAbstractItemView *view, const QList<int> &rows, int column)
{
    bool first = true;
    for (const int row : rows) {
        const QRect rect = view->visualRect(view->model()->index(row, column));
        QTest::mouseClick(
            view->viewport(), Qt::LeftButton, first ? Qt::NoModifier : Qt::ControlModifier, rect.center());
        first = false;
    }
}

void TestUndo::init()
{
    fx.init();
    owned = fx.window(true, fx.write(QStringLiteral("fixture.lxv"), QByteArray(Fixture)));
    window = owned.get();
    db = window->findChild<LxdDatabase *>();
    ZelConfirm::setRunner([](QMessageBox &) { return int(QMessageBox::Yes); });
}

void TestUndo::cleanup()
{
    // Nothing is to be saved: the window goes without asking.
    db->setModified(false);
    owned.reset();
    fx.cleanup();
}

void TestUndo::everyEditUndoesAndRedoes_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QList<int>>("words"); // the headwords clicked first
    QTest::addColumn<QList<int>>("sentences"); // the sentences clicked then
    QTest::addColumn<QString>("step"); // the name the Undo entry gives it

    QTest::addRow("add headword") << "addWord" << QList<int> {1} << QList<int>() << "Add Headword";
    QTest::addRow("rename headword") << "renameWord" << QList<int> {2} << QList<int>() << "Rename Headword";
    QTest::addRow("delete headwords")
        << "deleteWords" << QList<int> {1, 3, 0} << QList<int>() << "Delete Headwords";
    QTest::addRow("delete key, headwords")
        << "deleteWordKey" << QList<int> {2} << QList<int>() << "Delete Headword";
    QTest::addRow("add sentence") << "addSentence" << QList<int> {2} << QList<int> {1} << "Add Sentence";
    QTest::addRow("edit sentence") << "editSentence" << QList<int> {2} << QList<int> {1} << "Edit Sentence";
    QTest::addRow("delete key, sentences")
        << "deleteSentenceKey" << QList<int> {2} << QList<int> {2, 0} << "Delete Sentences";
    QTest::addRow("move sentences") << "moveUp" << QList<int> {2} << QList<int> {1, 2} << "Move Sentences";
    QTest::addRow("use sentences") << "use" << QList<int> {2} << QList<int> {3, 0} << "Use Sentences";
    QTest::addRow("random draw") << "random" << QList<int> {1} << QList<int>() << "Random Output";
    QTest::addRow("zero used") << "zeroUsed" << QList<int> {2} << QList<int> {2} << "Zero Used Counts";
    // The keep answer and the merge's own undo without a window: tst_document, tst_mergeplan.
    QTest::addRow("append, merge") << "appendMerge" << QList<int> {2} << QList<int> {0} << "Append File";
}

void TestUndo::everyEditUndoesAndRedoes()
{
    QFETCH(QString, edit);
    QFETCH(QList<int>, words);
    QFETCH(QList<int>, sentences);
    QFETCH(QString, step);

    auto *list = child<QListView>("lvWords");
    auto *table = child<QTableView>("tvSentences");
    auto *undo = child<QAction>("actEditUndo");
    auto *redo = child<QAction>("actEditRedo");
    click(list, words, 0);
    click(table, sentences, 2);
    const QString before = state();
    QVERIFY(!undo->isEnabled());
    QVERIFY(!window->isWindowModified());

    ModalAnswerer answer;
    const auto editor = [](const QString &text, int used) {
        return [text, used](QWidget *dialog) {
            dialog->findChild<QPlainTextEdit *>(QStringLiteral("pteSentence"))->setPlainText(text);
            dialog->findChild<QSpinBox *>(QStringLiteral("spbUsed"))->setValue(used);
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        };
    };

    if (edit == QLatin1String("addWord")) {
        answer.typeAndAccept(QStringLiteral("bee"));
        child<QAction>("actAddWord")->trigger();
    } else if (edit == QLatin1String("renameWord")) {
        answer.typeAndAccept(QStringLiteral("zebra"));
        const QRect rect = list->visualRect(list->model()->index(words.first(), 0));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    } else if (edit == QLatin1String("deleteWords")) {
        child<QPushButton>("btnDeleteWord")->click();
    } else if (edit == QLatin1String("deleteWordKey")) {
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Delete);
    } else if (edit == QLatin1String("addSentence")) {
        answer.then(editor(QStringLiteral("A new [one]."), 4));
        child<QPushButton>("btnAddSentence")->click();
    } else if (edit == QLatin1String("editSentence")) {
        answer.then(editor(QStringLiteral("Edited [x]."), 7));
        child<QPushButton>("btnEditSentence")->click();
    } else if (edit == QLatin1String("deleteSentenceKey")) {
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Delete);
    } else if (edit == QLatin1String("moveUp")) {
        child<QAction>("actDbSentenceUp")->trigger();
    } else if (edit == QLatin1String("use")) {
        child<QPushButton>("btnUseSentence")->click();
    } else if (edit == QLatin1String("random")) {
        answer.then([](QWidget *dialog) {
            dialog->findChild<QSpinBox *>(QStringLiteral("spbTotalSentences"))->setValue(3);
            qobject_cast<QDialog *>(dialog)->accept();
        });
        child<QAction>("actRandomSentences")->trigger();
    } else if (edit == QLatin1String("zeroUsed")) {
        child<QAction>("actZeroUsed")->trigger();
    } else if (edit == QLatin1String("appendMerge")) {
        ZelFileDialog::setNextFileName(fx.write(QStringLiteral("more.lxv"), AppendFile));
        answer.then([](QWidget *box) {
            for (QAbstractButton *b : box->findChildren<QAbstractButton *>()) {
                if (b->text() == QLatin1String("&Merge"))
                    b->click();
            }
        });
        child<QAction>("actFileAppend")->trigger();
    }
    QCOMPARE(answer.pending(), 0);
    QVERIFY(answer.unexpected().isEmpty());

    const QString after = state();
    QVERIFY2(after != before, qPrintable(after));
    QCOMPARE(undo->text(), QStringLiteral("&Undo ") + step);
    QVERIFY(window->isWindowModified());
    QVERIFY(window->windowTitle().contains(QLatin1String("[*]")));

    undo->trigger();
    QCOMPARE(state(), before);
    QVERIFY(!db->isModified()); // back where the file stands
    QVERIFY(!window->isWindowModified());
    QCOMPARE(redo->text(), QStringLiteral("&Redo ") + step);
    QVERIFY(!undo->isEnabled());

    redo->trigger();
    QCOMPARE(state(), after);
    QVERIFY(db->isModified());
    QVERIFY(window->isWindowModified());

    // Twice more, so that a step that kept records aside hands back the same ones.
    undo->trigger();
    QCOMPARE(state(), before);
    redo->trigger();
    QCOMPARE(state(), after);
}

void TestUndo::deleteKeyInOutputList()
{
    click(child<QTableView>("tvSentences"), {}, 2);
    click(child<QListView>("lvWords"), {2}, 0);
    click(child<QTableView>("tvSentences"), {0, 1, 2}, 2);
    child<QPushButton>("btnUseSentence")->click();
    auto *output = child<QListView>("lwOutput");
    QCOMPARE(output->model()->rowCount(), 3);
    output->selectionModel()->select(output->model()->index(1, 0), QItemSelectionModel::Select);
    output->setFocus();
    QTest::keyClick(output, Qt::Key_Delete);
    QCOMPARE(output->model()->rowCount(), 2);
    QCOMPARE(output->model()->index(1, 0).data().toString(), QStringLiteral("A [dog] naps."));
}

void TestUndo::historyWithoutWindow()
{
    QDomDocument dom;
    LxdDatabase database;
    QVERIFY(database.loadText(fx.write(QStringLiteral("plain.lxv"), QByteArray(Fixture))));
    LxdDocument document(&database);
    QUndoStack *stack = document.undoStack();

    document.deleteHeadwords({4, 0});
    document.addSentence(0, QStringLiteral("More [apples]."), 2);
    QCOMPARE(database.itemCount(), 3);
    QCOMPARE(database.sentenceCount(0), 3);
    stack->undo();
    stack->undo();
    QCOMPARE(database.headword(0), QStringLiteral("Category"));
    QCOMPARE(database.headword(4), QStringLiteral("pear"));
    QVERIFY(!document.isModified());

    // A save marks where the file stands: undoing past it leaves changes to save again.
    stack->redo();
    document.setClean();
    QVERIFY(!document.isModified());
    stack->undo();
    QVERIFY(document.isModified());
    stack->redo();
    QVERIFY(!document.isModified());

    // A new history after loading; a step undone and then replaced gives back what it held.
    document.clearHistory();
    QVERIFY(!stack->canUndo());
    QVERIFY(document.renameHeadword(0, QStringLiteral("zoo")));
    QCOMPARE(database.headword(2), QStringLiteral("zoo"));
    stack->undo();
    QCOMPARE(database.headword(0), QStringLiteral("apple"));
    QVERIFY(document.moveHeadword(2, 0));
    QCOMPARE(database.headword(0), QStringLiteral("dog"));
    QVERIFY(document.sortHeadwords());
    QCOMPARE(database.headword(0), QStringLiteral("apple"));
    stack->undo();
    QCOMPARE(database.headword(0), QStringLiteral("dog"));

    // An edit of a field too short to read, undone, leaves it unchecked as it was read.
    LxdDatabase shortField;
    QVERIFY(shortField.loadText(
        fx.write(QStringLiteral("short.lxv"), "cat&&&{0}A [cat].&&&x  &&&{0}[Cats] nap.\r\n")));
    LxdDocument edited(&shortField);
    QCOMPARE(shortField.sentenceAt(0, 1)->bracketStatus(), int(LxdSentence::Unchecked));
    QVERIFY(edited.editSentence(0, 1, QStringLiteral("A [kitten]."), 0));
    QCOMPARE(shortField.sentenceAt(0, 1)->bracketStatus(), int(LxdSentence::Valid));
    edited.undoStack()->undo();
    QCOMPARE(shortField.sentenceAt(0, 1)->text(), QString());
    QCOMPARE(shortField.sentenceAt(0, 1)->bracketStatus(), int(LxdSentence::Unchecked));
    edited.undoStack()->redo();
    QCOMPARE(shortField.sentenceAt(0, 1)->text(), QStringLiteral("A [kitten]."));
}

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
