// SPDX-License-Identifier: GPL-3.0-or-later
// The output list in the real main window: using sentences, moving, deleting and clearing entries,
// the count label and the export controls, the random draw with its dialog, and the clipboard text.
#include "app/mainwindow.h"
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/lxdsentence.h"
#include "exercise/exerciseoptions.h"
#include "exercise/randomsource.h"
#include "support/modalanswerer.h"
#include "support/testutil.h"
#include "support/windowfixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDomDocument>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include <memory>

namespace {
using Layout = QList<QList<int>>; // per headword, the used counts of its sentences

QString sentenceText(int item, int sentence)
{
    return QStringLiteral("Word %1 is in sentence [%2].").arg(item).arg(sentence);
}

const char *const ExportButtons[] = {"btnExportTextToClipboard", "btnExportXHTML", "btnExportRTF",
    "btnExportJMatch", "btnExportJCloze", "btnExportInteractive"};
const char *const ExportActions[] = {"actSentencesToClipboard", "actSaveAsXHTML", "actSaveAsRTF",
    "actSaveAsJMatch", "actSaveAsJCloze", "actSaveAsInteractive"};

// Answers the modal dialogs a command opens, in turn, each by its own handler, and records what
// each message box said as "title|text|informative text". A message box where the random dialog
// was expected, or the other way round, is rejected and recorded as unexpected.
class Answers
{
public:
    Answers &press(QMessageBox::StandardButton button)
    {
        handlers.append([this, button](QWidget *dialog) {
            auto *box = qobject_cast<QMessageBox *>(dialog);
            if (!box)
                return reject(dialog);
            seen << box->windowTitle() + QLatin1Char('|') + box->text() + QLatin1Char('|')
                    + box->informativeText();
            box->button(button)->click();
        });
        return *this;
    }

    // The random selection dialog: set its four values, then press OK.
    Answers &draw(int total, bool multiples, bool includeUsed, bool fromUsed)
    {
        handlers.append([=](QWidget *dialog) {
            if (dialog->objectName() != QLatin1String("DlgRandomSentences"))
                return reject(dialog);
            dialog->findChild<QSpinBox *>(QStringLiteral("spbTotalSentences"))->setValue(total);
            dialog->findChild<QCheckBox *>(QStringLiteral("chkAllowMultiples"))->setChecked(multiples);
            dialog->findChild<QCheckBox *>(QStringLiteral("chkIncludeUsed"))->setChecked(includeUsed);
            dialog->findChild<QCheckBox *>(QStringLiteral("chkSelectFromUsed"))->setChecked(fromUsed);
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
        return *this;
    }

    Answers &cancelDialog()
    {
        handlers.append([this](QWidget *dialog) {
            if (dialog->objectName() != QLatin1String("DlgRandomSentences"))
                return reject(dialog);
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
        });
        return *this;
    }

    // Arms the answers; call before the command.
    void start()
    {
        answerer = std::make_unique<TestUtil::ModalAnswerer>();
        for (const auto &handler : std::as_const(handlers))
            answerer->then(handler);
        handlers.clear();
    }

    int pending() const { return answerer ? answerer->pending() : int(handlers.size()); }

    QStringList seen;
    QStringList unexpected;

private:
    void reject(QWidget *dialog)
    {
        unexpected << dialog->windowTitle();
        if (auto *modal = qobject_cast<QDialog *>(dialog))
            modal->reject();
    }

    QList<std::function<void(QWidget *)>> handlers;
    std::unique_ptr<TestUtil::ModalAnswerer> answerer;
};
} // namespace

class TestOutputList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fx.initTestCase(); }
    void init();
    void cleanup();

    void startsEmpty();
    void useCountsEachUse();
    void useKeepsSelectionOrder();
    void useDragSelectionTopDown();
    void move_data();
    void move();
    void deleteSelected();
    void deleteOneByOneDisablesExports();
    void clearKeepsUsedCounts();
    void entriesOutliveTheDatabase();

    void randomDialog();
    void randomFillsEmptyList();
    void randomCancelled_data();
    void randomCancelled();
    void randomReplacesList();
    void randomNotEnough_data();
    void randomNotEnough();
    void randomSettingsKept();
    void randomAddsToList();

    void clipboard_data();
    void clipboard();
    void clipboardJumbledWithFixedSeed();

private:
    void loadDatabase(const Layout &layout);
    void loadTexts(const QList<QStringList> &headwords);
    void useAll();
    void selectHeadword(int row);
    void clickSentenceRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void fillOutput(const QStringList &texts);
    QStringList outputTexts() const;
    QList<int> selectedOutputRows() const;
    bool exportsEnabled(bool enabled) const;
    // Runs the random draw, answering the dialog with the given values.
    void drawAtRandom(int total, bool multiples, bool includeUsed, bool fromUsed);

    template<typename T>
    T *child(const char *name) const
    {
        return TestUtil::child<T>(window.get(), name);
    }

    TestUtil::WindowFixture fx;
    std::unique_ptr<MainWindow> window;
    LxdDatabase *db = nullptr;
    QListView *lwOutput = nullptr;
    QTableView *tvSentences = nullptr;
    QListView *lvWords = nullptr;
    QLabel *lblOutput = nullptr;
};

void TestOutputList::init()
{
    // No first-run set-up: the window opens with an empty database and no question.
    fx.init();
    window = fx.window();
    db = window->findChild<LxdDatabase *>();
    QVERIFY(db);
    lwOutput = child<QListView>("lwOutput");
    tvSentences = child<QTableView>("tvSentences");
    lvWords = child<QListView>("lvWords");
    lblOutput = child<QLabel>("lblOutput");
}

void TestOutputList::cleanup()
{
    window.reset();
    fx.cleanup();
}

void TestOutputList::loadDatabase(const Layout &layout)
{
    QList<QStringList> headwords;
    for (int i = 0; i < layout.size(); ++i) {
        headwords.append(QStringList());
        for (int j = 0; j < layout.at(i).size(); ++j)
            headwords.last() << QStringLiteral("{%1}").arg(layout.at(i).at(j)) + sentenceText(i, j);
    }
    loadTexts(headwords);
}

// Loads a database whose headwords hold these sentences; a text may start with its used count in
// braces.
void TestOutputList::loadTexts(const QList<QStringList> &headwords)
{
    QDomDocument document;
    LxdDatabase source;
    const QRegularExpression usedPrefix(QStringLiteral("^\\{(-?\\d+)\\}"));
    for (int i = 0; i < headwords.size(); ++i) {
        source.addItem()->setHeadword(QStringLiteral("word%1").arg(i, 3, 10, QLatin1Char('0')));
        for (QString text : headwords.at(i)) {
            LxdSentence *sentence = source.addSentence(i);
            const QRegularExpressionMatch match = usedPrefix.match(text);
            if (match.hasMatch()) {
                sentence->setUsed(match.captured(1).toInt());
                text.remove(0, match.capturedLength());
            }
            sentence->setText(text);
        }
    }
    const QString path = fx.path(QStringLiteral("test.lxv"));
    QVERIFY(source.saveText(path, LxdDatabase::applicationFormatVersion()));
    QVERIFY(db->loadText(path));
    db->setModified(false);
    selectHeadword(0);
}

// Selects every sentence of the current headword and presses "Use".
void TestOutputList::useAll()
{
    const int rows = tvSentences->model()->rowCount();
    clickSentenceRow(0);
    clickSentenceRow(rows - 1, Qt::ShiftModifier);
    child<QPushButton>("btnUseSentence")->click();
}

void TestOutputList::selectHeadword(int row)
{
    lvWords->setCurrentIndex(lvWords->model()->index(row, 0));
}

void TestOutputList::clickSentenceRow(int row, Qt::KeyboardModifiers modifiers)
{
    const QRect rect = tvSentences->visualRect(tvSentences->model()->index(row, 2));
    QVERIFY(rect.isValid());
    QTest::mouseClick(tvSentences->viewport(), Qt::LeftButton, modifiers, rect.center());
}

void TestOutputList::fillOutput(const QStringList &texts)
{
    window->lxdSession()->appendOutput(texts, QString());
}

QStringList TestOutputList::outputTexts() const
{
    QStringList texts;
    for (int i = 0; i < lwOutput->model()->rowCount(); ++i)
        texts << lwOutput->model()->index(i, 0).data().toString();
    return texts;
}

QList<int> TestOutputList::selectedOutputRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : lwOutput->selectionModel()->selectedIndexes())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

bool TestOutputList::exportsEnabled(bool enabled) const
{
    for (const char *name : ExportButtons)
        if (child<QPushButton>(name)->isEnabled() != enabled)
            return false;
    for (const char *name : ExportActions)
        if (child<QAction>(name)->isEnabled() != enabled)
            return false;
    return true;
}

void TestOutputList::drawAtRandom(int total, bool multiples, bool includeUsed, bool fromUsed)
{
    Answers answers;
    answers.draw(total, multiples, includeUsed, fromUsed).start();
    child<QAction>("actRandomSentences")->trigger();
    QCOMPARE(answers.pending(), 0);
    QVERIFY2(answers.unexpected.isEmpty(), qPrintable(answers.unexpected.join(QLatin1Char('\n'))));
}

// --- Using, moving, deleting ----------------------------------------------------------------------

void TestOutputList::startsEmpty()
{
    QCOMPARE(lwOutput->model()->rowCount(), 0);
    QCOMPARE(lblOutput->text(), QStringLiteral("Output"));
    QVERIFY(exportsEnabled(false));
    QVERIFY(!child<QPushButton>("btnDeleteOutputSentence")->isEnabled());
    QVERIFY(!child<QPushButton>("btnClearOutputSentences")->isEnabled());
    QVERIFY(child<QAction>("actOutSentenceUp")->isEnabled());
    QVERIFY(child<QAction>("actOutSentenceDown")->isEnabled());
    QCOMPARE(lwOutput->selectionMode(), QAbstractItemView::ExtendedSelection);
}

void TestOutputList::useCountsEachUse()
{
    loadDatabase({{0, 2, 0}, {0}});
    clickSentenceRow(1);
    auto *use = child<QPushButton>("btnUseSentence");
    QVERIFY(use->isEnabled());
    use->click();
    use->click();
    child<QAction>("actUseSentences")->trigger();

    QCOMPARE(outputTexts(), QStringList(3, sentenceText(0, 1)));
    QCOMPARE(lblOutput->text(), QStringLiteral("Output (3)"));
    QCOMPARE(db->sentenceAt(0, 1)->used(), 5);
    QCOMPARE(db->sentenceAt(0, 0)->used(), 0);
    QVERIFY(db->isModified());
    // The table shows the new count at once.
    QCOMPARE(tvSentences->model()->index(1, 1).data().toInt(), 5);
    QVERIFY(exportsEnabled(true));
    QVERIFY(child<QPushButton>("btnClearOutputSentences")->isEnabled());
    QVERIFY(!child<QPushButton>("btnDeleteOutputSentence")->isEnabled());
}

void TestOutputList::useKeepsSelectionOrder()
{
    loadDatabase({{0, 0, 0, 0, 0, 0, 0}});
    clickSentenceRow(5);
    clickSentenceRow(1, Qt::ControlModifier);
    clickSentenceRow(3, Qt::ControlModifier);
    child<QPushButton>("btnUseSentence")->click();
    QCOMPARE(outputTexts(), QStringList({sentenceText(0, 5), sentenceText(0, 1), sentenceText(0, 3)}));
    for (int row : {1, 3, 5})
        QCOMPARE(db->sentenceAt(0, row)->used(), 1);
    QCOMPARE(db->sentenceAt(0, 0)->used(), 0);
}

void TestOutputList::useDragSelectionTopDown()
{
    loadDatabase({{0}, {0, 0, 0, 0, 0}});
    selectHeadword(1);
    clickSentenceRow(4);
    clickSentenceRow(2, Qt::ShiftModifier);
    child<QPushButton>("btnUseSentence")->click();
    QCOMPARE(outputTexts(), QStringList({sentenceText(1, 2), sentenceText(1, 3), sentenceText(1, 4)}));
}

void TestOutputList::move_data()
{
    QTest::addColumn<bool>("up");
    QTest::addColumn<QList<int>>("picked"); // rows selected, in the order they are picked
    QTest::addColumn<QList<int>>("order"); // the old rows, in their new order
    QTest::addColumn<QList<int>>("selected");

    QTest::addRow("down, block at the end")
        << false << QList<int> {3, 4} << QList<int> {0, 1, 2, 4, 3} << QList<int> {4};
    QTest::addRow("up, inner block") << true << QList<int> {1, 2} << QList<int> {1, 2, 0, 3, 4}
                                     << QList<int> {0, 1};
    QTest::addRow("up, picked bottom first")
        << true << QList<int> {2, 1} << QList<int> {1, 2, 0, 3, 4} << QList<int> {0, 1};
    QTest::addRow("down, inner block")
        << false << QList<int> {1, 2} << QList<int> {0, 3, 1, 2, 4} << QList<int> {2, 3};
    QTest::addRow("up, block at the top")
        << true << QList<int> {0, 1} << QList<int> {1, 0, 2, 3, 4} << QList<int> {0};
    QTest::addRow("up, first stays") << true << QList<int> {0} << QList<int> {0, 1, 2, 3, 4} << QList<int> {};
    QTest::addRow("down, last stays")
        << false << QList<int> {4} << QList<int> {0, 1, 2, 3, 4} << QList<int> {};
    QTest::addRow("up, apart") << true << QList<int> {3, 1} << QList<int> {1, 0, 3, 2, 4}
                               << QList<int> {0, 2};
    QTest::addRow("down, apart") << false << QList<int> {0, 2} << QList<int> {1, 0, 3, 2, 4}
                                 << QList<int> {1, 3};
    // Each selected row, taken as it was before the move, moves down by one from the bottom up; the
    // last entry cannot move and is passed upwards by every entry of the block above it.
    QTest::addRow("down, whole list")
        << false << QList<int> {0, 1, 2, 3, 4} << QList<int> {4, 0, 1, 2, 3} << QList<int> {1, 2, 3, 4};
    QTest::addRow("up, three at the top")
        << true << QList<int> {0, 1, 2} << QList<int> {1, 2, 0, 3, 4} << QList<int> {0, 1};
    QTest::addRow("up, nothing selected")
        << true << QList<int> {} << QList<int> {0, 1, 2, 3, 4} << QList<int> {};
    QTest::addRow("down, nothing selected")
        << false << QList<int> {} << QList<int> {0, 1, 2, 3, 4} << QList<int> {};
}

void TestOutputList::move()
{
    QFETCH(bool, up);
    QFETCH(QList<int>, picked);
    QFETCH(QList<int>, order);
    QFETCH(QList<int>, selected);

    const QStringList entries {QStringLiteral("He [went] home."), QStringLiteral("B"), QStringLiteral("C"),
        QStringLiteral("D"), QStringLiteral("E")};
    fillOutput(entries);
    for (int row : picked) {
        const QRect rect = lwOutput->visualRect(lwOutput->model()->index(row, 0));
        QTest::mouseClick(lwOutput->viewport(), Qt::LeftButton, Qt::ControlModifier, rect.center());
    }
    QCOMPARE(selectedOutputRows().size(), picked.size());

    child<QAction>(up ? "actOutSentenceUp" : "actOutSentenceDown")->trigger();

    QStringList expected;
    for (int row : order)
        expected << entries.at(row);
    QCOMPARE(outputTexts(), expected);
    QCOMPARE(selectedOutputRows(), selected);
    QCOMPARE(child<QPushButton>("btnDeleteOutputSentence")->isEnabled(), !selected.isEmpty());
}

void TestOutputList::deleteSelected()
{
    fillOutput({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"),
        QStringLiteral("E")});
    lwOutput->selectionModel()->select(lwOutput->model()->index(1, 0), QItemSelectionModel::Select);
    lwOutput->selectionModel()->select(lwOutput->model()->index(3, 0), QItemSelectionModel::Select);
    auto *deleteButton = child<QPushButton>("btnDeleteOutputSentence");
    QVERIFY(deleteButton->isEnabled());
    deleteButton->click();

    QCOMPARE(outputTexts(), QStringList({QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("E")}));
    QCOMPARE(lblOutput->text(), QStringLiteral("Output (3)"));
    QVERIFY(!lwOutput->selectionModel()->hasSelection());
    QVERIFY(!lwOutput->currentIndex().isValid());
    QVERIFY(!deleteButton->isEnabled());
    QVERIFY(child<QPushButton>("btnClearOutputSentences")->isEnabled());
    QVERIFY(exportsEnabled(true));
}

void TestOutputList::deleteOneByOneDisablesExports()
{
    loadDatabase({{0, 0}});
    clickSentenceRow(0);
    clickSentenceRow(1, Qt::ShiftModifier);
    child<QPushButton>("btnUseSentence")->click();
    QCOMPARE(lwOutput->model()->rowCount(), 2);
    for (int left = 2; left > 0; --left) {
        const QRect rect = lwOutput->visualRect(lwOutput->model()->index(0, 0));
        QTest::mouseClick(lwOutput->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
        child<QPushButton>("btnDeleteOutputSentence")->click();
        QCOMPARE(lwOutput->model()->rowCount(), left - 1);
    }
    QCOMPARE(lblOutput->text(), QStringLiteral("Output (0)"));
    QVERIFY(exportsEnabled(false));
    QVERIFY(!child<QPushButton>("btnClearOutputSentences")->isEnabled());
    QVERIFY(!child<QPushButton>("btnDeleteOutputSentence")->isEnabled());
    // Deleting entries leaves the used counts as they are.
    QCOMPARE(db->sentenceAt(0, 0)->used(), 1);
    QCOMPARE(db->sentenceAt(0, 1)->used(), 1);
}

void TestOutputList::clearKeepsUsedCounts()
{
    loadDatabase({{0, 0, 0}});
    clickSentenceRow(0);
    clickSentenceRow(2, Qt::ShiftModifier);
    child<QPushButton>("btnUseSentence")->click();
    lwOutput->selectionModel()->select(lwOutput->model()->index(1, 0), QItemSelectionModel::Select);

    auto *clear = child<QPushButton>("btnClearOutputSentences");
    QVERIFY(clear->isEnabled());
    clear->click();
    QCOMPARE(lwOutput->model()->rowCount(), 0);
    QCOMPARE(lblOutput->text(), QStringLiteral("Output (0)"));
    QVERIFY(!clear->isEnabled());
    QVERIFY(!child<QPushButton>("btnDeleteOutputSentence")->isEnabled());
    QVERIFY(exportsEnabled(false));
    for (int row = 0; row < 3; ++row)
        QCOMPARE(db->sentenceAt(0, row)->used(), 1);
}

void TestOutputList::entriesOutliveTheDatabase()
{
    loadDatabase({{0, 0}});
    clickSentenceRow(1);
    child<QPushButton>("btnUseSentence")->click();
    db->sentenceAt(0, 1)->setText(QStringLiteral("Changed [text]."));
    loadDatabase({{0}});
    QCOMPARE(outputTexts(), QStringList(sentenceText(0, 1)));
}

// --- Random selection -------------------------------------------------------------------------------

void TestOutputList::randomDialog()
{
    QDialog *dialog = window->findChild<QDialog *>(QStringLiteral("DlgRandomSentences"));
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Random selection of sentences"));
    auto *total = dialog->findChild<QSpinBox *>(QStringLiteral("spbTotalSentences"));
    QCOMPARE(total->value(), 10);
    QCOMPARE(total->minimum(), 1);
    QCOMPARE(total->maximum(), 100);
    total->setValue(500);
    QCOMPARE(total->value(), 100);

    const QList<QPair<QString, QString>> rows {
        {QStringLiteral("&Number of sentences required:"), QStringLiteral("spbTotalSentences")},
        {QStringLiteral("Allow &multiple sentences with the same word"), QStringLiteral("chkAllowMultiples")},
        {QStringLiteral("&Include sentences with \"used\" value > 0"), QStringLiteral("chkIncludeUsed")},
        {QStringLiteral("Select only from words which have \"&used\" sentences"),
            QStringLiteral("chkSelectFromUsed")},
    };
    const QList<QLabel *> labels = dialog->findChildren<QLabel *>();
    for (const auto &[text, buddy] : rows) {
        const auto found = std::find_if(
            labels.cbegin(), labels.cend(), [&](const QLabel *label) { return label->text() == text; });
        QVERIFY2(found != labels.cend(), qPrintable(text));
        QVERIFY((*found)->buddy());
        QCOMPARE((*found)->buddy()->objectName(), buddy);
    }
    for (const char *name : {"chkAllowMultiples", "chkIncludeUsed", "chkSelectFromUsed"}) {
        auto *box = dialog->findChild<QCheckBox *>(QLatin1String(name));
        QVERIFY(!box->isChecked());
        QVERIFY(box->text().isEmpty());
    }
}

void TestOutputList::randomFillsEmptyList()
{
    loadDatabase(Layout(12, QList<int>(2, 0)));
    drawAtRandom(10, false, false, false); // no question: the list is empty
    QCOMPARE(lwOutput->model()->rowCount(), 10);
    QCOMPARE(lblOutput->text(), QStringLiteral("Output (10)"));
    QVERIFY(exportsEnabled(true));
    QVERIFY(child<QPushButton>("btnClearOutputSentences")->isEnabled());
    QVERIFY(db->isModified());

    // Ten sentences of ten different headwords, each now used once.
    QSet<int> headwords;
    int usedTotal = 0;
    for (int i = 0; i < db->itemCount(); ++i) {
        for (int j = 0; j < db->sentenceCount(i); ++j) {
            const int used = db->sentenceAt(i, j)->used();
            QVERIFY(used == 0 || used == 1);
            if (used == 1) {
                QVERIFY(!headwords.contains(i));
                headwords.insert(i);
                QVERIFY(outputTexts().contains(sentenceText(i, j)));
            }
            usedTotal += used;
        }
    }
    QCOMPARE(usedTotal, 10);
    // The table of the current headword shows the new counts.
    for (int j = 0; j < db->sentenceCount(0); ++j)
        QCOMPARE(tvSentences->model()->index(j, 1).data().toInt(), db->sentenceAt(0, j)->used());
}

void TestOutputList::randomCancelled_data()
{
    QTest::addColumn<bool>("atQuestion");
    QTest::addRow("question cancelled") << true;
    QTest::addRow("dialog cancelled") << false;
}

// Cancel at either step leaves the list and the database as they were.
void TestOutputList::randomCancelled()
{
    QFETCH(bool, atQuestion);
    loadDatabase(Layout(3, QList<int>(1, 0)));
    fillOutput({QStringLiteral("Keep [me].")});
    Answers answers;
    // The question comes only after the dialog, once the draw is known to replace the list.
    if (atQuestion)
        answers.draw(3, false, false, false).press(QMessageBox::Cancel);
    else
        answers.cancelDialog();
    answers.start();
    child<QAction>("actRandomSentences")->trigger();
    QCOMPARE(answers.pending(), 0);
    QVERIFY(answers.unexpected.isEmpty());
    QCOMPARE(answers.seen,
        atQuestion ? QStringList(QStringLiteral("Output box will be cleared|This will remove the "
                                                "sentences currently in the output box.|Are you sure "
                                                "you want to do this?"))
                   : QStringList());
    QCOMPARE(outputTexts(), QStringList(QStringLiteral("Keep [me].")));
    QVERIFY(!db->isModified());
}

void TestOutputList::randomReplacesList()
{
    loadDatabase({{0, 0, 0, 0, 0}});
    fillOutput({QStringLiteral("Old [one]."), QStringLiteral("Old [two].")});
    Answers answers;
    answers.draw(5, true, true, false).press(QMessageBox::Yes).start();
    child<QAction>("actRandomSentences")->trigger();
    QCOMPARE(answers.pending(), 0);
    QVERIFY(answers.unexpected.isEmpty());

    // All five sentences of the one headword, each exactly once.
    QStringList texts = outputTexts();
    texts.sort();
    QStringList expected;
    for (int j = 0; j < 5; ++j) {
        expected << sentenceText(0, j);
        QCOMPARE(db->sentenceAt(0, j)->used(), 1);
    }
    QCOMPARE(texts, expected);
}

void TestOutputList::randomNotEnough_data()
{
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<int>("total");
    QTest::addColumn<bool>("multiples");
    QTest::addColumn<bool>("fromUsed");

    QTest::addRow("nothing used, only from used") << Layout(4, QList<int>(3, 0)) << 1 << false << true;
    // Thirty sentences, but only three headwords to give one each.
    QTest::addRow("fewer headwords than asked") << Layout(3, QList<int>(10, 0)) << 5 << false << false;
    QTest::addRow("all used") << Layout(6, QList<int>(2, 1)) << 1 << true << false;
}

void TestOutputList::randomNotEnough()
{
    QFETCH(Layout, layout);
    QFETCH(int, total);
    QFETCH(bool, multiples);
    QFETCH(bool, fromUsed);

    loadDatabase(layout);
    fillOutput({QStringLiteral("Keep [me].")});
    Answers answers;
    // A draw that cannot happen replaces nothing, so nothing is asked about the list.
    answers.draw(total, multiples, false, fromUsed).press(QMessageBox::Ok).start();
    child<QAction>("actRandomSentences")->trigger();
    QCOMPARE(answers.pending(), 0);
    QVERIFY(answers.unexpected.isEmpty());
    QCOMPARE(answers.seen.size(), 1);
    QCOMPARE(answers.seen.last(),
        QStringLiteral("Not enough sentences|There aren't enough sentences in the\ndatabase matching your "
                       "criteria to\ncomplete your exercise.|"));
    QCOMPARE(outputTexts(), QStringList(QStringLiteral("Keep [me].")));
    QVERIFY(!db->isModified());
}

void TestOutputList::randomSettingsKept()
{
    loadDatabase(Layout(3, QList<int>(3, 0)));
    drawAtRandom(3, true, true, false);
    QCOMPARE(lwOutput->model()->rowCount(), 3);
    window.reset(); // the dialog writes its values as it goes with the window

    QSettings settings;
    settings.beginGroup(QStringLiteral("dlgRandomSentences"));
    QCOMPARE(settings.value(QStringLiteral("spbTotalSentences")).toInt(), 3);
    QCOMPARE(settings.value(QStringLiteral("chkAllowMultiples")).toBool(), true);
    QCOMPARE(settings.value(QStringLiteral("chkIncludeUsed")).toBool(), true);
    QCOMPARE(settings.value(QStringLiteral("chkSelectFromUsed")).toBool(), false);
    settings.setValue(QStringLiteral("chkSelectFromUsed"), true);
    settings.endGroup();
    settings.sync();

    window = std::make_unique<MainWindow>();
    auto *dialog = window->findChild<QDialog *>(QStringLiteral("DlgRandomSentences"));
    QCOMPARE(dialog->findChild<QSpinBox *>(QStringLiteral("spbTotalSentences"))->value(), 3);
    QVERIFY(dialog->findChild<QCheckBox *>(QStringLiteral("chkAllowMultiples"))->isChecked());
    QVERIFY(dialog->findChild<QCheckBox *>(QStringLiteral("chkIncludeUsed"))->isChecked());
    QVERIFY(dialog->findChild<QCheckBox *>(QStringLiteral("chkSelectFromUsed"))->isChecked());
}

// With "Add to the output list" the draw appends without asking, and takes only sentences not in the
// list yet: they alone are counted for the check and raised in their used counts.
void TestOutputList::randomAddsToList()
{
    loadDatabase({{0, 0, 0, 0, 0}});
    const QStringList kept {sentenceText(0, 0), sentenceText(0, 1)};
    fillOutput(kept);
    auto *dialog = child<QDialog>("DlgRandomSentences");
    dialog->findChild<QCheckBox *>(QStringLiteral("chkAddToOutput"))->setChecked(true);
    drawAtRandom(3, true, false, false);

    QStringList texts = outputTexts();
    QCOMPARE(texts.mid(0, 2), kept);
    texts = texts.mid(2);
    texts.sort();
    QCOMPARE(texts, QStringList({sentenceText(0, 2), sentenceText(0, 3), sentenceText(0, 4)}));
    for (int j = 0; j < 5; ++j)
        QCOMPARE(db->sentenceAt(0, j)->used(), j < 2 ? 0 : 1);

    // Used or not, every sentence is in the list now: nothing is left to add.
    Answers answers;
    answers.draw(1, true, true, false).press(QMessageBox::Ok).start();
    child<QAction>("actRandomSentences")->trigger();
    QCOMPARE(answers.pending(), 0);
    QVERIFY(answers.seen.last().startsWith(QStringLiteral("Not enough sentences|")));
    QCOMPARE(lwOutput->model()->rowCount(), 5);

    // Unticked in the dialog, the draw would replace the list: the question comes after the dialog.
    answers = Answers();
    TestUtil::ModalAnswerer answerer;
    answerer
        .then([](QWidget *dialog) {
            dialog->findChild<QCheckBox *>(QStringLiteral("chkAddToOutput"))->setChecked(false);
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        })
        .press(QMessageBox::Cancel);
    child<QAction>("actRandomSentences")->trigger();
    QCOMPARE(answerer.pending(), 0);
    QVERIFY(answerer.seen().last().startsWith(QStringLiteral("Output box will be cleared|")));
    QCOMPARE(lwOutput->model()->rowCount(), 5);
    dialog->findChild<QCheckBox *>(QStringLiteral("chkAddToOutput"))->setChecked(true);

    window.reset();
    QVERIFY(QSettings().value(QStringLiteral("dlgRandomSentences/chkAddToOutput")).toBool());
}

// --- Clipboard --------------------------------------------------------------------------------------

void TestOutputList::clipboard_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("unchecked");
    QTest::addColumn<QByteArray>("text");

    const QStringList two {QStringLiteral("He [went] home."), QStringLiteral("She [ate] an [apple].")};
    QTest::addRow("all but jumbling") << two << QStringList {QStringLiteral("chkJumbleOrder")}
                                      << QByteArray("\nwent   ate   apple\n\n1. He [__________] home.\n"
                                                    "2. She [__________] an [__________].");
    QTest::addRow("no word list") << two
                                  << QStringList {QStringLiteral("chkJumbleOrder"),
                                         QStringLiteral("chkIncludeWordList")}
                                  << QByteArray("\n\n\n1. He [__________] home.\n2. She [__________] an "
                                                "[__________].");
    QTest::addRow("no gaps, no brackets, no numbers")
        << two
        << QStringList {QStringLiteral("chkJumbleOrder"), QStringLiteral("chkGapWords"),
               QStringLiteral("chkBracketWords"), QStringLiteral("chkIncludeQNums")}
        << QByteArray("\nwent   ate   apple\n\nHe went home.\nShe ate an apple.");
    QTest::addRow("one plain sentence, all options") << QStringList {QStringLiteral("Tout va bien.")}
                                                     << QStringList() << QByteArray("\n\n\n1. Tout va bien.");
}

void TestOutputList::clipboard()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, unchecked);
    QFETCH(QByteArray, text);

    loadTexts({entries});
    useAll();
    QCOMPARE(outputTexts(), entries);
    for (const QString &name : unchecked)
        window->findChild<QCheckBox *>(name)->setChecked(false);
    QGuiApplication::clipboard()->clear();

    Answers answers;
    answers.press(QMessageBox::Ok).start();
    child<QPushButton>("btnExportTextToClipboard")->click();
    QCOMPARE(answers.pending(), 0);
    QCOMPARE(answers.seen,
        QStringList(QStringLiteral("Text copied to clipboard|Your exercise has been copied to the "
                                   "clipboard.\nYou can paste it into any text application.|")));
    QCOMPARE(QGuiApplication::clipboard()->text(QClipboard::Clipboard).toUtf8(), text);
    // The export leaves the list and the used counts as they were.
    QCOMPARE(outputTexts(), entries);
    for (int j = 0; j < entries.size(); ++j)
        QCOMPARE(db->sentenceAt(0, j)->used(), 1);
}

// Jumbling with a fixed seed: the questions come in the shuffled order, numbered from the top,
// and the word line keeps the order of the output list.
void TestOutputList::clipboardJumbledWithFixedSeed()
{
    QStringList entries;
    for (int i = 0; i < 6; ++i)
        entries << QStringLiteral("Sentence %1 [w%1].").arg(i);
    loadTexts({entries});
    useAll();
    RandomSource::setSeedOverride(4242u);

    Answers answers;
    answers.press(QMessageBox::Ok).start();
    child<QAction>("actSentencesToClipboard")->trigger();
    QCOMPARE(answers.pending(), 0);

    const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 3 + entries.size());
    QCOMPARE(lines.at(0), QString());
    QCOMPARE(lines.at(1), QStringLiteral("w0   w1   w2   w3   w4   w5"));
    QCOMPARE(lines.at(2), QString());

    RandomSource random(4242u);
    QStringList shuffled = entries;
    ExerciseBuilder::jumble(shuffled, random);
    QVERIFY(shuffled != entries);
    for (int i = 0; i < entries.size(); ++i) {
        QString question = shuffled.at(i);
        question.replace(QRegularExpression(QStringLiteral("\\[w\\d\\]")), QStringLiteral("[__________]"));
        QCOMPARE(lines.at(3 + i), QStringLiteral("%1. %2").arg(i + 1).arg(question));
    }
}

QTEST_MAIN(TestOutputList)
#include "tst_outputlist.moc"
