// SPDX-License-Identifier: GPL-3.0-or-later
// The editing commands of the main window, driven through its real widgets and real dialogs.
#include "app/mainwindow.h"
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "models/lxdbsentencetablemodel.h"
#include "models/lxdbwordlistmodel.h"
#include "util/zelconfirm.h"

#include "support/modalanswerer.h"
#include "support/testutil.h"
#include "support/windowfixture.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

#include <QTimer>
#include <memory>

using TestUtil::ModalAnswerer;

namespace {

// Headwords in the program's sort order (capitals first), with used counts in braces.
const char Fixture[] = "\xEF\xBB\xBF"
                       "Category&&&{0}A [category] of things.\r\n"
                       "apple&&&{0}An [apple] a day.&&&{3}The [apple] fell.\r\n"
                       "cat&&&{2}The [cat] sat on the [mat].&&&{0}My cat is black.&&&{150}A [dog] naps.&&&{1}"
                       "[Birds] sing.\r\n"
                       "dog\r\n"
                       "pear&&&{0}A ripe [pear].\r\n";

const QString Prompt = QStringLiteral("Enter your sentence here. Words in square [brackets] will be gapped.");
const QString Informative = QStringLiteral("Are you sure you want to do this?");

using Hit = QPair<int, int>;

} // namespace

class TestEditing : public QObject
{
    Q_OBJECT

private:
    template<typename T>
    T *child(const char *name)
    {
        return TestUtil::child<T>(window, name);
    }

    QStringList headwords() const;
    QStringList sentenceTexts(int word) const;
    QList<int> usedCounts(int word) const;
    int wordRow(const QString &headword) const;

    // Clicks as the teacher does: the first row plainly, the others with Ctrl, in the order given.
    void clickWords(const QList<int> &rows);
    void clickSentences(const QList<int> &rows);
    QList<int> selectedWordRows() const;
    QList<int> selectedSentenceRows() const;
    Hit shownHit() const;

    // A handler for the sentence editor: checks nothing, replaces the text (when given) and the
    // counter (when not negative), presses OK.
    static ModalAnswerer::Handler editorAnswer(const QString &text, int used = -1);

    TestUtil::WindowFixture fx;
    std::unique_ptr<MainWindow> owned;
    MainWindow *window = nullptr;
    LxdDatabase *db = nullptr;
    QListView *lvWords = nullptr;
    QTableView *tvSentences = nullptr;

private slots:
    void initTestCase() { fx.initTestCase(); }
    void init();
    void cleanup();

    void confirmationBox();
    void wordControlsFollowSelection_data();
    void wordControlsFollowSelection();
    void sentenceControlsFollowSelection_data();
    void sentenceControlsFollowSelection();

    void addWord_data();
    void addWord();
    void headwordCannotHoldSeparator();
    void renameWord_data();
    void renameWord();
    void deleteWords_data();
    void deleteWords();
    void deleteEveryWord();
    void renameByKeyAndContextMenus();
    void deleteManyWordsNamesTheFirstTen();

    void addSentence_data();
    void addSentence();
    void addSentenceWithoutHeadword();
    void editSentence_data();
    void editSentence();
    void editSentenceWithoutSentence();
    void deleteSentences_data();
    void deleteSentences();
    void moveSentences_data();
    void moveSentences();
    void zeroUsed();

    void findOrder_data();
    void findOrder();
    void findNotFound();
    void findCancelledOrBlank();
    void findNextAfterDeletions();

    void savedDatabaseHoldsTheEdits();
};

// --- Helpers ---------------------------------------------------------------------------------------

QStringList TestEditing::headwords() const
{
    QStringList list;
    for (int i = 0; i < db->itemCount(); ++i)
        list << db->headword(i);
    return list;
}

QStringList TestEditing::sentenceTexts(int word) const
{
    QStringList list;
    for (int j = 0; j < db->sentenceCount(word); ++j)
        list << db->sentenceAt(word, j)->text();
    return list;
}

QList<int> TestEditing::usedCounts(int word) const
{
    QList<int> list;
    for (int j = 0; j < db->sentenceCount(word); ++j)
        list << db->sentenceAt(word, j)->used();
    return list;
}

int TestEditing::wordRow(const QString &headword) const
{
    return int(headwords().indexOf(headword));
}

void TestEditing::clickWords(const QList<int> &rows)
{
    bool first = true;
    for (const int row : rows) {
        const QRect rect = lvWords->visualRect(lvWords->model()->index(row, 0));
        QVERIFY(rect.isValid());
        QTest::mouseClick(
            lvWords->viewport(), Qt::LeftButton, first ? Qt::NoModifier : Qt::ControlModifier, rect.center());
        first = false;
    }
}

void TestEditing::clickSentences(const QList<int> &rows)
{
    bool first = true;
    for (const int row : rows) {
        const QRect rect = tvSentences->visualRect(tvSentences->model()->index(row, 2));
        QVERIFY(rect.isValid());
        QTest::mouseClick(tvSentences->viewport(), Qt::LeftButton,
            first ? Qt::NoModifier : Qt::ControlModifier, rect.center());
        first = false;
    }
}

QList<int> TestEditing::selectedWordRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : lvWords->selectionModel()->selectedIndexes())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

QList<int> TestEditing::selectedSentenceRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : tvSentences->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

// The hit the window shows: the one selected headword, and the one selected sentence or -1.
Hit TestEditing::shownHit() const
{
    const QList<int> words = selectedWordRows();
    const QList<int> sentences = selectedSentenceRows();
    if (words.size() != 1 || lvWords->currentIndex().row() != words.first() || sentences.size() > 1)
        return Hit(-2, -2);
    if (window->sentenceTableModel()->currentItem() != words.first())
        return Hit(-3, -3);
    return Hit(words.first(), sentences.isEmpty() ? -1 : sentences.first());
}

ModalAnswerer::Handler TestEditing::editorAnswer(const QString &text, int used)
{
    return [text, used](QWidget *dialog) {
        auto *editor = dialog->findChild<QPlainTextEdit *>(QStringLiteral("pteSentence"));
        auto *counter = dialog->findChild<QSpinBox *>(QStringLiteral("spbUsed"));
        auto *buttons = dialog->findChild<QDialogButtonBox *>();
        if (!editor || !counter || !buttons) {
            dialog->close();
            return;
        }
        if (!text.isNull())
            editor->setPlainText(text);
        if (used >= 0)
            counter->setValue(used);
        buttons->button(QDialogButtonBox::Ok)->click();
    };
}

// --- Set-up ----------------------------------------------------------------------------------------

void TestEditing::init()
{
    fx.init();
    owned = fx.window(true, fx.write(QStringLiteral("fixture.lxv"), QByteArray(Fixture)));
    window = owned.get();
    db = window->findChild<LxdDatabase *>();
    QCOMPARE(db->itemCount(), 5);
    lvWords = child<QListView>("lvWords");
    tvSentences = child<QTableView>("tvSentences");
}

void TestEditing::cleanup()
{
    // Nothing is to be saved: the window goes without asking.
    db->setModified(false);
    owned.reset();
    fx.cleanup();
}

// --- The confirmation box --------------------------------------------------------------------------

void TestEditing::confirmationBox()
{
    // The real box, answered from the event loop: parentlessWarning, Yes and Cancel, Cancel the default.
    ModalAnswerer answer;
    bool parentlessWarning = false;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    answer
        .then([&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            parentlessWarning = box && !box->parentWidget() && box->icon() == QMessageBox::Warning;
            buttons = box ? box->standardButtons() : QMessageBox::StandardButtons();
            defaultButton = box ? box->standardButton(box->defaultButton()) : QMessageBox::NoButton;
            box->button(QMessageBox::Yes)->click();
        })
        .press(QMessageBox::Cancel)
        .then([](QWidget *w) { QTest::keyClick(w, Qt::Key_Escape); })
        .then([](QWidget *w) { QTest::keyClick(w, Qt::Key_Return); });
    QVERIFY(ZelConfirm::ask(QStringLiteral("Title"), QStringLiteral("Text")));
    QVERIFY(!ZelConfirm::ask(QStringLiteral("Title"), QStringLiteral("Text")));
    QVERIFY(!ZelConfirm::ask(QStringLiteral("Title"), QStringLiteral("Text")));
    QVERIFY(!ZelConfirm::ask(QStringLiteral("Title"), QStringLiteral("Text"), QStringLiteral("Own")));
    QCOMPARE(answer.pending(), 0);
    QVERIFY(parentlessWarning);
    QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::Cancel);
    QCOMPARE(defaultButton, QMessageBox::Cancel);
    QCOMPARE(answer.seen().first(), QStringLiteral("Title|Text|") + Informative);
    QCOMPARE(answer.seen().last(), QStringLiteral("Title|Text|Own"));

    // The seam: the ready box goes to the runner instead of being shown.
    QString shown;
    ZelConfirm::setRunner([&shown](QMessageBox &box) {
        shown = ModalAnswerer::describe(&box);
        return int(QMessageBox::Yes);
    });
    QVERIFY(ZelConfirm::ask(QStringLiteral("T"), QStringLiteral("X")));
    QCOMPARE(shown, QStringLiteral("T|X|") + Informative);
}

// --- Enabled states --------------------------------------------------------------------------------

void TestEditing::wordControlsFollowSelection_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<bool>("canDelete");
    QTest::addColumn<bool>("canAddSentence");
    QTest::addRow("none") << QList<int>() << false << false;
    QTest::addRow("one") << QList<int> {2} << true << true;
    QTest::addRow("two") << QList<int> {2, 0} << true << false;
    QTest::addRow("three") << QList<int> {1, 3, 4} << true << false;
}

void TestEditing::wordControlsFollowSelection()
{
    QFETCH(QList<int>, rows);
    QFETCH(bool, canDelete);
    QFETCH(bool, canAddSentence);

    // Start from a selected sentence, so that the sentence controls are seen to follow as well.
    clickWords({2});
    clickSentences({1});
    QVERIFY(child<QPushButton>("btnEditSentence")->isEnabled());
    lvWords->selectionModel()->clear();
    clickWords(rows);

    QCOMPARE(child<QPushButton>("btnDeleteWord")->isEnabled(), canDelete);
    QCOMPARE(child<QAction>("actDeleteWords")->isEnabled(), canDelete);
    QCOMPARE(child<QPushButton>("btnAddSentence")->isEnabled(), canAddSentence);
    QCOMPARE(child<QAction>("actAddSentence")->isEnabled(), canAddSentence);
    // A new current headword shows its sentences with none selected.
    QVERIFY(!child<QPushButton>("btnEditSentence")->isEnabled());
    QVERIFY(!child<QPushButton>("btnDeleteSentence")->isEnabled());
    const int current = lvWords->currentIndex().row();
    QCOMPARE(child<QLabel>("lblSentences")->text(),
        QStringLiteral("Sentences (%1)").arg(current < 0 ? 0 : db->sentenceCount(current)));
    QCOMPARE(child<QLabel>("lblWords")->text(), QStringLiteral("Words (5)"));
}

void TestEditing::sentenceControlsFollowSelection_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<bool>("canDelete");
    QTest::addColumn<bool>("canEdit");
    QTest::addRow("none") << QList<int>() << false << false;
    QTest::addRow("one") << QList<int> {1} << true << true;
    QTest::addRow("two") << QList<int> {3, 0} << true << false;
    QTest::addRow("all four") << QList<int> {0, 1, 2, 3} << true << false;
}

void TestEditing::sentenceControlsFollowSelection()
{
    QFETCH(QList<int>, rows);
    QFETCH(bool, canDelete);
    QFETCH(bool, canEdit);

    clickWords({2});
    QCOMPARE(child<QLabel>("lblSentences")->text(), QStringLiteral("Sentences (4)"));
    clickSentences(rows);
    QCOMPARE(selectedSentenceRows().size(), rows.size());

    QCOMPARE(child<QPushButton>("btnDeleteSentence")->isEnabled(), canDelete);
    QCOMPARE(child<QAction>("actDeleteSentences")->isEnabled(), canDelete);
    QCOMPARE(child<QPushButton>("btnEditSentence")->isEnabled(), canEdit);
    QCOMPARE(child<QAction>("actEditSentence")->isEnabled(), canEdit);
    QCOMPARE(child<QPushButton>("btnUseSentence")->isEnabled(), canDelete);
    QCOMPARE(child<QAction>("actUseSentences")->isEnabled(), canDelete);
}

// --- Headwords -------------------------------------------------------------------------------------

void TestEditing::addWord_data()
{
    QTest::addColumn<QString>("answer"); // null: the dialog is cancelled
    QTest::addColumn<int>("duplicateAnswer");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("selected");

    const QStringList before {"Category", "apple", "cat", "dog", "pear"};
    QTest::addRow("sorted in, trimmed")
        << QStringLiteral("  kiwi \t") << 0 << QStringList {"Category", "apple", "cat", "dog", "kiwi", "pear"}
        << QStringLiteral("kiwi");
    QTest::addRow("capital sorts first")
        << QStringLiteral("Zebra") << 0 << QStringList {"Category", "Zebra", "apple", "cat", "dog", "pear"}
        << QStringLiteral("Zebra");
    QTest::addRow("case differs, no warning")
        << QStringLiteral("Cat") << 0 << QStringList {"Cat", "Category", "apple", "cat", "dog", "pear"}
        << QStringLiteral("Cat");
    QTest::addRow("blank") << QStringLiteral("   ") << 0 << before << QStringLiteral("cat");
    QTest::addRow("cancelled") << QString() << 0 << before << QStringLiteral("cat");
    QTest::addRow("duplicate, Yes") << QStringLiteral(" cat ") << int(QMessageBox::Yes)
                                    << QStringList {"Category", "apple", "cat", "cat", "dog", "pear"}
                                    << QStringLiteral("cat");
    QTest::addRow("duplicate, Cancel")
        << QStringLiteral("cat") << int(QMessageBox::Cancel) << before << QStringLiteral("cat");
}

// The database file would split a headword holding "&&&": the dialog says so and OK stays off
// until the text is one the file can store.
void TestEditing::headwordCannotHoldSeparator()
{
    const QStringList before = headwords();
    ModalAnswerer answers;
    bool offWithSeparator = false;
    bool onWithout = false;
    QString label;
    answers.then([&](QWidget *w) {
        auto *input = qobject_cast<QInputDialog *>(w);
        QPushButton *ok = input->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        QTest::keyClicks(input->findChild<QLineEdit *>(), QStringLiteral("R&&&D"));
        offWithSeparator = !ok->isEnabled();
        label = input->labelText();
        QTest::keyClick(input->findChild<QLineEdit *>(), Qt::Key_Backspace);
        QTest::keyClick(input->findChild<QLineEdit *>(), Qt::Key_Backspace);
        QTest::keyClicks(input->findChild<QLineEdit *>(), QStringLiteral("-D"));
        onWithout = ok->isEnabled();
        ok->click();
    });
    child<QPushButton>("btnAddWord")->click();
    QCOMPARE(answers.pending(), 0);
    QVERIFY(offWithSeparator);
    QCOMPARE(label, QStringLiteral("New headword:\nA headword cannot hold \"&&&\"."));
    QVERIFY(onWithout);
    QCOMPARE(headwords().size(), before.size() + 1);
    QVERIFY(headwords().contains(QStringLiteral("R&&-D")));
}

void TestEditing::addWord()
{
    QFETCH(QString, answer);
    QFETCH(int, duplicateAnswer);
    QFETCH(QStringList, expected);
    QFETCH(QString, selected);

    clickWords({2});
    const QStringList before = headwords();
    LxdItem *oldCat = db->itemAt(2);

    ModalAnswerer answers;
    if (answer.isNull())
        answers.reject();
    else
        answers.typeAndAccept(answer);
    if (duplicateAnswer)
        answers.press(duplicateAnswer);
    child<QPushButton>("btnAddWord")->click();

    QCOMPARE(answers.pending(), 0);
    QVERIFY(answers.unexpected().isEmpty());
    QCOMPARE(answers.seen().first(), QStringLiteral("Add new headword|New headword:"));
    if (duplicateAnswer) {
        QCOMPARE(answers.seen().value(1),
            QStringLiteral("Headword already exists|This word already exists in the "
                           "database.|Are you sure you want to add a duplicate of it?"));
    }
    QCOMPARE(headwords(), expected);
    QCOMPARE(child<QLabel>("lblWords")->text(), QStringLiteral("Words (%1)").arg(expected.size()));

    const bool added = expected != before;
    QCOMPARE(db->isModified(), added);
    const QList<int> rows = selectedWordRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(db->headword(rows.first()), selected);
    QCOMPARE(lvWords->currentIndex().row(), rows.first());
    if (added) {
        // The new headword, not an old one of the same text, is current: its table is empty.
        QVERIFY(db->itemAt(rows.first()) != oldCat);
        QCOMPARE(db->sentenceCount(rows.first()), 0);
        QCOMPARE(tvSentences->model()->rowCount(), 0);
        QCOMPARE(child<QLabel>("lblSentences")->text(), QStringLiteral("Sentences (0)"));
        QVERIFY(child<QAction>("actAddSentence")->isEnabled());
    } else {
        QCOMPARE(db->itemAt(rows.first()), oldCat);
        QCOMPARE(tvSentences->model()->rowCount(), 4);
    }
}

void TestEditing::renameWord_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<bool>("modified");

    const QStringList before {"Category", "apple", "cat", "dog", "pear"};
    QTest::addRow("moves to its sorted place")
        << "pear" << QStringLiteral(" Apricot  ")
        << QStringList {"Apricot", "Category", "apple", "cat", "dog"} << "Apricot" << true;
    QTest::addRow("to another headword's text")
        << "pear" << QStringLiteral("cat") << QStringList {"Category", "apple", "cat", "cat", "dog"} << "cat"
        << true;
    QTest::addRow("unchanged") << "dog" << QStringLiteral("dog") << before << "dog" << false;
    QTest::addRow("blank") << "dog" << QStringLiteral("  ") << before << "dog" << false;
    QTest::addRow("cancelled") << "dog" << QString() << before << "dog" << false;
}

void TestEditing::renameWord()
{
    QFETCH(QString, from);
    QFETCH(QString, answer);
    QFETCH(QStringList, expected);
    QFETCH(QString, selected);
    QFETCH(bool, modified);

    const int row = wordRow(from);
    LxdItem *record = db->itemAt(row);
    const int sentences = db->sentenceCount(row);
    clickWords({row});

    ModalAnswerer answers;
    QString offered;
    answers.then([&offered, answer](QWidget *w) {
        auto *input = qobject_cast<QInputDialog *>(w);
        offered = input->textValue();
        if (answer.isNull()) {
            input->reject();
        } else {
            input->setTextValue(answer);
            input->accept();
        }
    });
    QTest::mouseDClick(lvWords->viewport(), Qt::LeftButton, Qt::NoModifier,
        lvWords->visualRect(lvWords->model()->index(row, 0)).center());

    QCOMPARE(answers.pending(), 0);
    QCOMPARE(answers.seen(), QStringList {QStringLiteral("Edit headword|Altered headword:")});
    QCOMPARE(offered, from);
    QCOMPARE(headwords(), expected);
    QCOMPARE(db->isModified(), modified);

    const QList<int> rows = selectedWordRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(db->headword(rows.first()), selected);
    // The first headword of that text is chosen; for a fresh text that is the renamed record itself.
    QCOMPARE(rows.first(), wordRow(selected));
    if (selected != QLatin1String("cat")) {
        QCOMPARE(db->itemAt(rows.first()), record);
        QCOMPARE(tvSentences->model()->rowCount(), sentences);
    }
    QCOMPARE(lvWords->model()->data(lvWords->model()->index(rows.first(), 0)).toString(), selected);
}

void TestEditing::deleteWords_data()
{
    QTest::addColumn<QStringList>("clicked");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QStringList>("expected");

    QTest::addRow("one") << QStringList {"dog"} << true << QStringList {"Category", "apple", "cat", "pear"};
    QTest::addRow("three, top down") << QStringList {"Category", "cat", "pear"} << true
                                     << QStringList {"apple", "dog"};
    QTest::addRow("three, mixed order")
        << QStringList {"pear", "Category", "cat"} << true << QStringList {"apple", "dog"};
    QTest::addRow("two, bottom up") << QStringList {"pear", "apple"} << true
                                    << QStringList {"Category", "cat", "dog"};
    QTest::addRow("cancelled") << QStringList {"apple", "cat"} << false
                               << QStringList {"Category", "apple", "cat", "dog", "pear"};
}

void TestEditing::deleteWords()
{
    QFETCH(QStringList, clicked);
    QFETCH(bool, confirm);
    QFETCH(QStringList, expected);

    QList<int> rows;
    for (const QString &word : clicked)
        rows << wordRow(word);
    clickWords(rows);
    QCOMPARE(selectedWordRows().size(), rows.size());

    // A row that stays, held as the view holds its rows.
    const QString survivor
        = expected.contains(QLatin1String("dog")) ? QStringLiteral("dog") : expected.first();
    const QPersistentModelIndex kept(lvWords->model()->index(wordRow(survivor), 0));
    QSignalSpy removed(lvWords->model(), &QAbstractItemModel::rowsRemoved);

    ModalAnswerer answers;
    answers.press(confirm ? QMessageBox::Yes : QMessageBox::Cancel);
    child<QPushButton>("btnDeleteWord")->click();

    QCOMPARE(answers.pending(), 0);
    QString text = QStringLiteral(
        "You are about to delete the following words, along with all their associated sentences:\n");
    for (const QString &word : clicked)
        text += QLatin1String("\n\t") + word;
    QCOMPARE(answers.seen(),
        QStringList {QStringLiteral("Deleting headwords|") + text + QLatin1Char('|') + Informative});

    QCOMPARE(headwords(), expected);
    QCOMPARE(db->isModified(), confirm);
    QCOMPARE(child<QLabel>("lblWords")->text(), QStringLiteral("Words (%1)").arg(expected.size()));
    QCOMPARE(removed.count(), confirm ? clicked.size() : 0);
    QVERIFY(kept.isValid());
    QCOMPARE(kept.data().toString(), survivor);
    if (confirm) {
        QVERIFY(selectedWordRows().isEmpty());
        QCOMPARE(tvSentences->model()->rowCount(), 0);
        QCOMPARE(child<QLabel>("lblSentences")->text(), QStringLiteral("Sentences (0)"));
        QVERIFY(!child<QPushButton>("btnDeleteWord")->isEnabled());
        QVERIFY(!child<QAction>("actAddSentence")->isEnabled());
    } else {
        QCOMPARE(selectedWordRows().size(), rows.size());
    }
}

void TestEditing::deleteEveryWord()
{
    QVERIFY(child<QAction>("actRandomSentences")->isEnabled());
    clickWords({0, 1, 2, 3, 4});
    ModalAnswerer answers;
    answers.press(QMessageBox::Yes);
    child<QAction>("actDeleteWords")->trigger();
    QCOMPARE(answers.pending(), 0);
    QCOMPARE(db->itemCount(), 0);
    QCOMPARE(lvWords->model()->rowCount(), 0);
    QCOMPARE(child<QLabel>("lblWords")->text(), QStringLiteral("Words (0)"));
    QVERIFY(!child<QAction>("actRandomSentences")->isEnabled());
}

void TestEditing::deleteManyWordsNamesTheFirstTen()
{
    // 25 headwords, selected bottom up: the box names the first ten picked and counts the rest.
    db->clear();
    QByteArray file;
    for (int i = 0; i < 25; ++i)
        file += QStringLiteral("word%1\r\n").arg(i, 2, 10, QLatin1Char('0')).toUtf8();
    QVERIFY(db->loadText(fx.write(QStringLiteral("many.lxv"), file)));
    QList<int> rows;
    for (int row = 24; row >= 0; --row)
        rows << row;
    clickWords(rows);
    ModalAnswerer answers;
    answers.press(QMessageBox::Yes);
    child<QPushButton>("btnDeleteWord")->click();
    QString text = QStringLiteral(
        "You are about to delete the following words, along with all their associated sentences:\n");
    for (int i = 24; i > 14; --i)
        text += QStringLiteral("\n\tword%1").arg(i);
    text += QStringLiteral("\n\tand 15 more");
    QCOMPARE(answers.seen(),
        QStringList {QStringLiteral("Deleting headwords|") + text + QLatin1Char('|') + Informative});
    QCOMPARE(db->itemCount(), 0);
}

// --- Sentences -------------------------------------------------------------------------------------

// The menu a context menu request opens: the object names of its enabled actions; it is closed
// unless `choose` names one of them, which is then chosen.
static QStringList openMenu(const std::function<void()> &request, const QString &choose = QString())
{
    QStringList enabled;
    QTimer::singleShot(0, [&enabled, choose] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        QAction *chosen = nullptr;
        for (QAction *action : menu->actions()) {
            if (action->isEnabled() && !action->isSeparator())
                enabled << action->objectName();
            if (action->objectName() == choose)
                chosen = action;
        }
        menu->close();
        if (chosen)
            chosen->trigger();
    });
    request();
    return enabled;
}

void TestEditing::renameByKeyAndContextMenus()
{
    // F2 renames the selected headword through the same question as a double click.
    clickWords({wordRow(QStringLiteral("pear"))});
    QVERIFY(child<QAction>("actRenameWord")->isEnabled());
    QVERIFY(child<QMenu>("mnuWords")->actions().contains(child<QAction>("actRenameWord")));
    {
        ModalAnswerer answers;
        answers.typeAndAccept(QStringLiteral("pears"));
        QTest::keyClick(lvWords, Qt::Key_F2);
        QCOMPARE(answers.seen(), QStringList {QStringLiteral("Edit headword|Altered headword:")});
    }
    QVERIFY(headwords().contains(QStringLiteral("pears")));
    clickWords({0, 1});
    QVERIFY(!child<QAction>("actRenameWord")->isEnabled());

    // A right click on a headword outside the selection selects it, and its menu offers the rename.
    const int cat = wordRow(QStringLiteral("cat"));
    const QPoint onCat = lvWords->visualRect(lvWords->model()->index(cat, 0)).center();
    const QStringList wordCommands = openMenu([&] {
        QContextMenuEvent event(QContextMenuEvent::Mouse, onCat, lvWords->viewport()->mapToGlobal(onCat));
        QApplication::sendEvent(lvWords->viewport(), &event);
    });
    QCOMPARE(selectedWordRows(), QList<int> {cat});
    QCOMPARE(wordCommands,
        QStringList({QStringLiteral("actAddWord"), QStringLiteral("actRenameWord"),
            QStringLiteral("actDeleteWords"), QStringLiteral("actAddSentence")}));

    // The menu key on the sentence table acts on the current sentence; the editor opens from it.
    clickSentences({2});
    ModalAnswerer editor;
    QString edited;
    editor.then([&edited](QWidget *dialog) {
        edited = dialog->findChild<QPlainTextEdit *>(QStringLiteral("pteSentence"))->toPlainText();
        qobject_cast<QDialog *>(dialog)->reject();
    });
    const QStringList sentenceCommands = openMenu(
        [&] {
            QContextMenuEvent event(
                QContextMenuEvent::Keyboard, QPoint(1, 1), tvSentences->mapToGlobal(QPoint(1, 1)));
            QApplication::sendEvent(tvSentences, &event);
        },
        QStringLiteral("actEditSentence"));
    QVERIFY(sentenceCommands.contains(QStringLiteral("actEditSentence")));
    QVERIFY(sentenceCommands.contains(QStringLiteral("actUseSentences")));
    QCOMPARE(editor.pending(), 0);
    QCOMPARE(edited, sentenceTexts(cat).at(2));

    // On the output list: the entry under the pointer, then delete it from the menu.
    child<QPushButton>("btnUseSentence")->click();
    clickSentences({0});
    child<QPushButton>("btnUseSentence")->click();
    auto *output = child<QListView>("lwOutput");
    QCOMPARE(output->model()->rowCount(), 2);
    output->clearSelection();
    const QPoint onFirst = output->visualRect(output->model()->index(0, 0)).center();
    const QStringList outputCommands = openMenu(
        [&] {
            QContextMenuEvent event(
                QContextMenuEvent::Mouse, onFirst, output->viewport()->mapToGlobal(onFirst));
            QApplication::sendEvent(output->viewport(), &event);
        },
        QStringLiteral("actDeleteOutputSentences"));
    QVERIFY(outputCommands.contains(QStringLiteral("actClearOutputSentences")));
    QCOMPARE(window->outputEntries(), QStringList {sentenceTexts(cat).at(0)});
}

void TestEditing::addSentence_data()
{
    QTest::addColumn<QString>("typed"); // null: Cancel; empty: OK on the untouched prompt
    QTest::addColumn<int>("used");
    QTest::addColumn<QString>("stored");

    QTest::addRow("typed over the prompt")
        << QStringLiteral("A  [kitten]\nplays.") << 4 << QStringLiteral("A [kitten] plays.");
    QTest::addRow("bracket left open")
        << QStringLiteral("A [kitten plays.") << 0 << QStringLiteral("A [kitten plays.");
    QTest::addRow("prompt accepted") << QString(QLatin1String("")) << 0 << Prompt;
    QTest::addRow("cancelled") << QString() << 0 << QString();
}

void TestEditing::addSentence()
{
    QFETCH(QString, typed);
    QFETCH(int, used);
    QFETCH(QString, stored);

    const int cat = wordRow(QStringLiteral("cat"));
    clickWords({cat});
    clickSentences({1});
    // The editor keeps its last content between uses; the prompt and the counter must replace it.
    {
        ModalAnswerer first;
        first.then([](QWidget *w) {
            w->findChild<QPlainTextEdit *>(QStringLiteral("pteSentence"))
                ->setPlainText(QStringLiteral("leftover ["));
            w->findChild<QSpinBox *>(QStringLiteral("spbUsed"))->setValue(77);
            qobject_cast<QDialog *>(w)->reject();
        });
        child<QPushButton>("btnAddSentence")->click();
        QCOMPARE(first.pending(), 0);
    }
    const QStringList before = sentenceTexts(cat);
    db->setModified(false);

    ModalAnswerer answers;
    QString promptShown, selectedText, status;
    int counterShown = -1;
    answers.then([&](QWidget *w) {
        auto *editor = w->findChild<QPlainTextEdit *>(QStringLiteral("pteSentence"));
        promptShown = editor->toPlainText();
        selectedText = editor->textCursor().selectedText();
        counterShown = w->findChild<QSpinBox *>(QStringLiteral("spbUsed"))->value();
        status = w->findChild<QLabel *>(QStringLiteral("lblStatus"))->text();
        auto *buttons = w->findChild<QDialogButtonBox *>();
        if (typed.isNull()) {
            buttons->button(QDialogButtonBox::Cancel)->click();
            return;
        }
        // Typing replaces the selected prompt; Return starts a new line in the editor.
        const QStringList lines = typed.split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(editor, Qt::Key_Return);
            QTest::keyClicks(editor, lines.at(i));
        }
        w->findChild<QSpinBox *>(QStringLiteral("spbUsed"))->setValue(used);
        buttons->button(QDialogButtonBox::Ok)->click();
    });
    child<QAction>("actAddSentence")->trigger();

    QCOMPARE(answers.pending(), 0);
    QVERIFY(answers.unexpected().isEmpty());
    QCOMPARE(promptShown, Prompt);
    QCOMPARE(selectedText, Prompt);
    QCOMPARE(counterShown, 0);
    QCOMPARE(status, QString(QChar(0x2713)));

    if (typed.isNull()) {
        QCOMPARE(sentenceTexts(cat), before);
        QVERIFY(!db->isModified());
        QCOMPARE(selectedSentenceRows(), QList<int> {1});
        return;
    }
    QCOMPARE(sentenceTexts(cat), before + QStringList {stored});
    QCOMPARE(usedCounts(cat).last(), used);
    QVERIFY(db->isModified());
    QCOMPARE(tvSentences->model()->rowCount(), 5);
    QCOMPARE(tvSentences->model()->index(4, 2).data().toString(), stored);
    QCOMPARE(selectedSentenceRows(), QList<int> {4});
    QCOMPARE(tvSentences->currentIndex().row(), 4);
    // Drawn as high as the rows that were there (a one-line sentence as a one-line one).
    if (!stored.contains(QLatin1Char('\n')) && stored.size() < 40)
        QCOMPARE(tvSentences->rowHeight(4), tvSentences->rowHeight(1));
    QCOMPARE(child<QLabel>("lblSentences")->text(), QStringLiteral("Sentences (5)"));
    QVERIFY(child<QPushButton>("btnEditSentence")->isEnabled());
}

void TestEditing::addSentenceWithoutHeadword()
{
    lvWords->selectionModel()->clear();
    QVERIFY(!lvWords->currentIndex().isValid());
    ModalAnswerer answers;
    QMetaObject::invokeMethod(window, "addSentence");
    QTest::qWait(30);
    QVERIFY(answers.seen().isEmpty());
    QVERIFY(!db->isModified());
}

void TestEditing::editSentence_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("newText"); // null: text left as shown
    QTest::addColumn<int>("newUsed"); // -1: counter left as shown
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<int>("expectedUsed");
    QTest::addColumn<bool>("modified");

    QTest::addRow("text changed") << 0 << QStringLiteral("The [cat]\n sat.") << -1 << true
                                  << QStringLiteral("The [cat] sat.") << 2 << true;
    QTest::addRow("counter changed") << 0 << QString() << 7 << true
                                     << QStringLiteral("The [cat] sat on the [mat].") << 7 << true;
    QTest::addRow("count above 100 survives a text edit")
        << 2 << QStringLiteral("A [dog] sleeps.") << -1 << true << QStringLiteral("A [dog] sleeps.") << 150
        << true;
    QTest::addRow("count above 100 lowered by hand")
        << 2 << QString() << 99 << true << QStringLiteral("A [dog] naps.") << 99 << true;
    QTest::addRow("OK without changes")
        << 1 << QString() << -1 << true << QStringLiteral("My cat is black.") << 0 << false;
    QTest::addRow("cancelled") << 1 << QStringLiteral("Changed") << 5 << false
                               << QStringLiteral("My cat is black.") << 0 << false;
}

void TestEditing::editSentence()
{
    QFETCH(int, row);
    QFETCH(QString, newText);
    QFETCH(int, newUsed);
    QFETCH(bool, ok);
    QFETCH(QString, expectedText);
    QFETCH(int, expectedUsed);
    QFETCH(bool, modified);

    const int cat = wordRow(QStringLiteral("cat"));
    clickWords({cat});
    clickSentences({row});
    const QString oldText = db->sentenceAt(cat, row)->text();

    ModalAnswerer answers;
    QString shownText;
    int shownUsed = -1;
    answers.then([&](QWidget *w) {
        shownText = w->findChild<QPlainTextEdit *>(QStringLiteral("pteSentence"))->toPlainText();
        shownUsed = w->findChild<QSpinBox *>(QStringLiteral("spbUsed"))->value();
        if (ok) {
            editorAnswer(newText, newUsed)(w);
            return;
        }
        w->findChild<QPlainTextEdit *>(QStringLiteral("pteSentence"))->setPlainText(newText);
        qobject_cast<QDialog *>(w)->reject();
    });
    QTest::mouseDClick(tvSentences->viewport(), Qt::LeftButton, Qt::NoModifier,
        tvSentences->visualRect(tvSentences->model()->index(row, 2)).center());

    QCOMPARE(answers.pending(), 0);
    QCOMPARE(shownText, oldText);
    QCOMPARE(shownUsed, row == 2 ? 100 : (row == 0 ? 2 : 0));
    QCOMPARE(db->sentenceAt(cat, row)->text(), expectedText);
    QCOMPARE(db->sentenceAt(cat, row)->used(), expectedUsed);
    QCOMPARE(db->isModified(), modified);
    QCOMPARE(tvSentences->model()->index(row, 1).data().toInt(), expectedUsed);
    QCOMPARE(tvSentences->model()->index(row, 2).data().toString(), expectedText);
    // The selection is left alone.
    QCOMPARE(selectedSentenceRows(), QList<int> {row});
    QCOMPARE(db->sentenceCount(cat), 4);
}

void TestEditing::editSentenceWithoutSentence()
{
    ModalAnswerer answers;
    // No current headword at all.
    lvWords->selectionModel()->clear();
    QMetaObject::invokeMethod(window, "editSentence");
    // A headword whose table is empty.
    clickWords({wordRow(QStringLiteral("dog"))});
    QMetaObject::invokeMethod(window, "editSentence");
    QMetaObject::invokeMethod(window, "editSentence", Q_ARG(QModelIndex, tvSentences->model()->index(0, 2)));
    // An index that claims a row although no headword is current.
    lvWords->selectionModel()->clear();
    QMetaObject::invokeMethod(
        window, "editSentence", Q_ARG(QModelIndex, window->sentenceTableModel()->cellIndex(0, 2)));
    QTest::qWait(30);
    QVERIFY(answers.seen().isEmpty());
    QVERIFY(!db->isModified());
}

void TestEditing::deleteSentences_data()
{
    QTest::addColumn<QList<int>>("clicked");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");

    const QString one = QStringLiteral("You are about to delete this sentence from the database.");
    QTest::addRow("one") << QList<int> {1} << true << one
                         << QStringList {"The [cat] sat on the [mat].", "A [dog] naps.", "[Birds] sing."};
    QTest::addRow("two, bottom first")
        << QList<int> {3, 0} << true
        << QStringLiteral("You are about to delete 2 sentences from the database.")
        << QStringList {"My cat is black.", "A [dog] naps."};
    QTest::addRow("all four") << QList<int> {2, 0, 3, 1} << true
                              << QStringLiteral("You are about to delete 4 sentences from the database.")
                              << QStringList();
    QTest::addRow("cancelled") << QList<int> {2} << false << one
                               << QStringList {"The [cat] sat on the [mat].", "My cat is black.",
                                      "A [dog] naps.", "[Birds] sing."};
}

void TestEditing::deleteSentences()
{
    QFETCH(QList<int>, clicked);
    QFETCH(bool, confirm);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);

    const int cat = wordRow(QStringLiteral("cat"));
    clickWords({cat});
    clickSentences(clicked);
    QSignalSpy removed(tvSentences->model(), &QAbstractItemModel::rowsRemoved);

    ModalAnswerer answers;
    answers.press(confirm ? QMessageBox::Yes : QMessageBox::Cancel);
    child<QPushButton>("btnDeleteSentence")->click();

    QCOMPARE(answers.pending(), 0);
    QCOMPARE(answers.seen(),
        QStringList {QStringLiteral("Deleting sentences|") + text + QLatin1Char('|') + Informative});
    QCOMPARE(sentenceTexts(cat), expected);
    QCOMPARE(db->isModified(), confirm);
    QCOMPARE(removed.count(), confirm ? clicked.size() : 0);
    QCOMPARE(tvSentences->model()->rowCount(), expected.size());
    for (int r = 0; r < expected.size(); ++r)
        QCOMPARE(tvSentences->model()->index(r, 2).data().toString(), expected.at(r));
    QCOMPARE(child<QLabel>("lblSentences")->text(), QStringLiteral("Sentences (%1)").arg(expected.size()));
    QCOMPARE(selectedSentenceRows().size(), confirm ? 0 : clicked.size());
    // The other headwords keep their sentences.
    QCOMPARE(db->sentenceCount(wordRow(QStringLiteral("apple"))), 2);
}

void TestEditing::moveSentences_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QList<int>>("clicked");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QStringList>("expected"); // first letters of the cat sentences: T M A B
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<bool>("modified");

    QTest::addRow("block up") << "cat" << QList<int> {1, 2} << true << QStringList {"M", "A", "T", "B"}
                              << QList<int> {0, 1} << true;
    QTest::addRow("block up, picked bottom first")
        << "cat" << QList<int> {2, 1} << true << QStringList {"M", "A", "T", "B"} << QList<int> {0, 1}
        << true;
    QTest::addRow("block down") << "cat" << QList<int> {1, 2} << false << QStringList {"T", "B", "M", "A"}
                                << QList<int> {2, 3} << true;
    QTest::addRow("apart, up") << "cat" << QList<int> {3, 1} << true << QStringList {"M", "T", "B", "A"}
                               << QList<int> {0, 2} << true;
    QTest::addRow("top rows up") << "cat" << QList<int> {0, 1} << true << QStringList {"M", "T", "A", "B"}
                                 << QList<int> {0} << true;
    QTest::addRow("bottom rows down")
        << "cat" << QList<int> {3, 2} << false << QStringList {"T", "M", "B", "A"} << QList<int> {3} << true;
    QTest::addRow("first row up") << "cat" << QList<int> {0} << true << QStringList {"T", "M", "A", "B"}
                                  << QList<int>() << false;
    QTest::addRow("last row down") << "cat" << QList<int> {3} << false << QStringList {"T", "M", "A", "B"}
                                   << QList<int>() << false;
    QTest::addRow("only sentence up")
        << "pear" << QList<int> {0} << true << QStringList {"A"} << QList<int>() << false;
    QTest::addRow("only sentence down")
        << "pear" << QList<int> {0} << false << QStringList {"A"} << QList<int>() << false;
}

void TestEditing::moveSentences()
{
    QFETCH(QString, word);
    QFETCH(QList<int>, clicked);
    QFETCH(bool, up);
    QFETCH(QStringList, expected);
    QFETCH(QList<int>, selected);
    QFETCH(bool, modified);

    const int row = wordRow(word);
    clickWords({row});
    clickSentences(clicked);
    QSignalSpy relaid(tvSentences->model(), &QAbstractItemModel::layoutChanged);

    child<QAction>(up ? "actDbSentenceUp" : "actDbSentenceDown")->trigger();

    auto firstLetter
        = [](const QString &text) { return text.mid(text.startsWith(QLatin1Char('[')) ? 1 : 0, 1); };
    QStringList firstLetters;
    for (const QString &text : sentenceTexts(row))
        firstLetters << firstLetter(text);
    QCOMPARE(firstLetters, expected);
    // What the table shows is the new order.
    for (int r = 0; r < expected.size(); ++r)
        QCOMPARE(firstLetter(tvSentences->model()->index(r, 2).data().toString()), expected.at(r));
    QVERIFY(relaid.count() >= 1);
    QCOMPARE(selectedSentenceRows(), selected);
    QCOMPARE(db->isModified(), modified);
    QCOMPARE(child<QPushButton>("btnEditSentence")->isEnabled(), selected.size() == 1);
    QCOMPARE(child<QPushButton>("btnDeleteSentence")->isEnabled(), !selected.isEmpty());

    // The moved sentences stay selected, so pressing again moves them on (the used counts travel along).
    if (word == QLatin1String("cat") && clicked == QList<int> {1, 2} && up) {
        child<QAction>("actDbSentenceUp")->trigger();
        QCOMPARE(sentenceTexts(row).first(), QStringLiteral("A [dog] naps."));
        QCOMPARE(usedCounts(row), (QList<int> {150, 0, 2, 1}));
        QCOMPARE(selectedSentenceRows(), (QList<int> {0}));
    }
}

void TestEditing::zeroUsed()
{
    clickWords({wordRow(QStringLiteral("cat"))});
    const QString expectedBox
        = QStringLiteral("Reset 'Used' counters|You are about to set the 'Used' counters for\n "
                         "all sentences in the database to zero.|")
        + Informative;
    {
        ModalAnswerer answers;
        answers.press(QMessageBox::Cancel);
        child<QAction>("actZeroUsed")->trigger();
        QCOMPARE(answers.seen(), QStringList {expectedBox});
        QCOMPARE(usedCounts(2), (QList<int> {2, 0, 150, 1}));
        QVERIFY(!db->isModified());
    }
    ModalAnswerer answers;
    answers.press(QMessageBox::Yes);
    child<QAction>("actZeroUsed")->trigger();
    QCOMPARE(answers.seen(), QStringList {expectedBox});
    for (int i = 0; i < db->itemCount(); ++i) {
        for (int used : usedCounts(i))
            QCOMPARE(used, 0);
    }
    for (int r = 0; r < tvSentences->model()->rowCount(); ++r)
        QCOMPARE(tvSentences->model()->index(r, 1).data().toInt(), 0);
    QVERIFY(db->isModified());
    QVERIFY(!QApplication::overrideCursor());
}

// --- Find ------------------------------------------------------------------------------------------

void TestEditing::findOrder_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<Hit>>("hits"); // "&Find", then "Find &next" for each further hit

    // A headword before its own sentences; after the last hit the search wraps to the top.
    QTest::addRow("headword, its sentences, wrap")
        << QStringLiteral("CAT") << QList<Hit> {{0, -1}, {0, 0}, {2, -1}, {2, 0}, {2, 1}, {0, -1}, {0, 0}};
    QTest::addRow("the only hit, again and again")
        << QStringLiteral("  birds ") << QList<Hit> {{2, 3}, {2, 3}, {2, 3}};
    QTest::addRow("a headword without sentences")
        << QStringLiteral("dog") << QList<Hit> {{2, 2}, {3, -1}, {2, 2}};
    QTest::addRow("bracket finds key words")
        << QStringLiteral("[") << QList<Hit> {{0, 0}, {1, 0}, {1, 1}, {2, 0}, {2, 2}, {2, 3}, {4, 0}, {0, 0}};
}

void TestEditing::findOrder()
{
    QFETCH(QString, text);
    QFETCH(QList<Hit>, hits);

    // Start elsewhere, so that the hits are seen to move the selection.
    clickWords({wordRow(QStringLiteral("pear"))});
    clickSentences({0});

    ModalAnswerer answers;
    answers.typeAndAccept(text);
    child<QAction>("actFind")->trigger();
    QCOMPARE(answers.seen(), QStringList {QStringLiteral("Find|Search for:")});
    QCOMPARE(shownHit(), hits.first());
    if (hits.first().second >= 0)
        QCOMPARE(tvSentences->currentIndex().column(), 2);
    // A sentence may be found under a headword that lacks the text: the status bar says where.
    const QString where = hits.first().second >= 0 ? QStringLiteral("Found in a sentence of \"%1\"")
                                                   : QStringLiteral("Found in the headword \"%1\"");
    QCOMPARE(window->statusBar()->currentMessage(), where.arg(db->headword(hits.first().first)));

    for (int i = 1; i < hits.size(); ++i) {
        child<QAction>("actFindNext")->trigger();
        QCOMPARE(shownHit(), hits.at(i));
        QCOMPARE(child<QLabel>("lblSentences")->text(),
            QStringLiteral("Sentences (%1)").arg(db->sentenceCount(hits.at(i).first)));
    }
    QCOMPARE(answers.seen().size(), 1);
    QVERIFY(answers.unexpected().isEmpty());
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(!db->isModified());
}

void TestEditing::findNotFound()
{
    clickWords({1});
    ModalAnswerer answers;
    QWidget *parent = nullptr;
    answers.typeAndAccept(QStringLiteral("  zebra  ")).then([&parent](QWidget *w) {
        parent = w->parentWidget();
        qobject_cast<QMessageBox *>(w)->button(QMessageBox::Ok)->click();
    });
    child<QAction>("actFind")->trigger();
    QCOMPARE(answers.pending(), 0);
    QCOMPARE(answers.seen().value(1), QStringLiteral("Not found|Unable to find \"zebra\" in the database.|"));
    QCOMPARE(parent, window);
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(selectedWordRows(), QList<int> {1});

    // After a failed search "Find next" asks for a new text.
    answers.typeAndAccept(QStringLiteral("pear"));
    child<QAction>("actFindNext")->trigger();
    QCOMPARE(answers.seen().value(2), QStringLiteral("Find|Search for:"));
    QCOMPARE(shownHit(), Hit(4, -1));
}

void TestEditing::findCancelledOrBlank()
{
    ModalAnswerer answers;
    // "Find next" before any search asks, as "Find" does.
    answers.reject();
    child<QAction>("actFindNext")->trigger();
    // A blank answer searches nothing either, and the next "Find next" asks again.
    answers.typeAndAccept(QStringLiteral("   "));
    child<QAction>("actFind")->trigger();
    answers.typeAndAccept(QStringLiteral("apple"));
    child<QAction>("actFindNext")->trigger();
    QCOMPARE(answers.pending(), 0);
    QCOMPARE(answers.seen(), (QStringList(3, QStringLiteral("Find|Search for:"))));
    QCOMPARE(shownHit(), Hit(1, -1));

    // A search cancelled after a good one forgets the text: "Find next" asks again.
    answers.reject();
    child<QAction>("actFind")->trigger();
    answers.reject();
    child<QAction>("actFindNext")->trigger();
    QCOMPARE(answers.pending(), 0);
    QCOMPARE(answers.seen().size(), 5);
}

void TestEditing::findNextAfterDeletions()
{
    ModalAnswerer answers;
    answers.typeAndAccept(QStringLiteral("dog"));
    child<QAction>("actFind")->trigger();
    child<QAction>("actFindNext")->trigger();
    QCOMPARE(shownHit(), Hit(3, -1));

    // The stored hit (headword 3) lies beyond the three headwords left: the search starts over.
    clickWords({3, 4});
    answers.press(QMessageBox::Yes);
    child<QPushButton>("btnDeleteWord")->click();
    QCOMPARE(headwords(), (QStringList {"Category", "apple", "cat"}));
    child<QAction>("actFindNext")->trigger();
    QCOMPARE(answers.pending(), 0);
    QCOMPARE(answers.seen().size(), 2); // the Find dialog and the deletion, nothing more
    QCOMPARE(shownHit(), Hit(2, 2));

    // A stored sentence beyond the end of its headword: the search goes on with the next headwords.
    clickWords({2});
    clickSentences({0, 1, 3});
    answers.press(QMessageBox::Yes);
    child<QPushButton>("btnDeleteSentence")->click();
    QCOMPARE(sentenceTexts(2), QStringList {"A [dog] naps."});
    child<QAction>("actFindNext")->trigger();
    QCOMPARE(shownHit(), Hit(2, 0));
    QCOMPARE(answers.seen().size(), 3);
}

// --- The saved result ------------------------------------------------------------------------------

void TestEditing::savedDatabaseHoldsTheEdits()
{
    ModalAnswerer answers;

    // A new headword with one sentence.
    answers.typeAndAccept(QStringLiteral("kiwi"));
    child<QPushButton>("btnAddWord")->click();
    answers.then(editorAnswer(QStringLiteral("A [kiwi] is\ngreen."), 2));
    child<QPushButton>("btnAddSentence")->click();

    // Renamed: it sorts in front of the small letters.
    const int dog = wordRow(QStringLiteral("dog"));
    clickWords({dog});
    answers.typeAndAccept(QStringLiteral("Dog"));
    QTest::mouseDClick(lvWords->viewport(), Qt::LeftButton, Qt::NoModifier,
        lvWords->visualRect(lvWords->model()->index(dog, 0)).center());

    // Deleted.
    clickWords({wordRow(QStringLiteral("pear"))});
    answers.press(QMessageBox::Yes);
    child<QPushButton>("btnDeleteWord")->click();

    // One sentence of cat deleted, one moved up, one edited: its count above 100 stays.
    clickWords({wordRow(QStringLiteral("cat"))});
    clickSentences({1});
    answers.press(QMessageBox::Yes);
    child<QPushButton>("btnDeleteSentence")->click();
    clickSentences({2});
    child<QAction>("actDbSentenceUp")->trigger();
    clickSentences({2});
    answers.then(editorAnswer(QStringLiteral("A [dog]  sleeps.")));
    child<QPushButton>("btnEditSentence")->click();

    QCOMPARE(answers.pending(), 0);
    QVERIFY(answers.unexpected().isEmpty());
    QVERIFY(db->isModified());

    const QString path = fx.path(QStringLiteral("saved.lxv"));
    QVERIFY(db->saveText(path, 3));
    const QByteArray expected
        = "\xEF\xBB\xBF"
          "Category&&&{0}A [category] of things.\r\n"
          "Dog\r\n"
          "apple&&&{0}An [apple] a day.&&&{3}The [apple] fell.\r\n"
          "cat&&&{2}The [cat] sat on the [mat].&&&{1}[Birds] sing.&&&{150}A [dog] sleeps.\r\n"
          "kiwi&&&{2}A [kiwi] is green.\r\n";
    QCOMPARE(TestUtil::readFile(path), expected);
}

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
