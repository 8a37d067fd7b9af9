// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "data/lxddatabase.h"
#include "data/lxdsentence.h"
#include "models/lxdbsentencetablemodel.h"
#include "models/lxdbwordlistmodel.h"
#include "support/modalanswerer.h"
#include "support/testutil.h"
#include "support/windowfixture.h"
#include "util/zelutils.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QUrl>
#include <QWindow>

#include <memory>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fx.initTestCase(); }
    void init() { fx.init(); }
    void cleanup() { fx.cleanup(); }

    void everyControlCarriesItsName_data();
    void everyControlCarriesItsName();
    void initialStates();
    void actions();
    void menus();
    void toolBars();
    void optionsMirrorTheirActions_data();
    void optionsMirrorTheirActions();

    void currentHeadwordFillsSentenceTable();
    void wordSelectionEnablesControls();
    void sentenceSelectionEnablesControls();
    void outputListEnablesControls();
    void countLabelsFollowModelChanges();

    void firstStartUsesDefaults();
    void settingsRoundTripOnAcceptedClose();
    void noSettingsWithoutClose();

    void titleNamesCurrentFile();
    void openingAFileMovesItToTheTop();
    void pathsDifferingInCaseAreTwoEntries();
    void missingFilesAreDroppedAndFiveShown();
    void emptyRecentListHidesSeparator();

    void contextHelpOpensPageOfFocusedControl_data();
    void contextHelpOpensPageOfFocusedControl();
    void contextHelpOnUnmappedControlOpensStartPage();
    void ctrlF1OpensStartPageWhateverHasFocus();
    void helpMenuOpensPages();
    void helpPagesExist();
    void aboutBoxShowsNameAndVersion();

private:
    std::unique_ptr<MainWindow> newWindow() { return std::make_unique<MainWindow>(); }
    std::unique_ptr<MainWindow> shownWindow();
    static void fillDatabase(MainWindow &w);
    QStringList makeFiles(const QStringList &names);

    TestUtil::WindowFixture fx;
    QList<QUrl> &opened = fx.opened;
};

std::unique_ptr<MainWindow> TestMainWindow::shownWindow()
{
    auto w = newWindow();
    w->show();
    QApplication::setActiveWindow(w.get());
    if (!QTest::qWaitForWindowActive(w.get()))
        qWarning("window did not become active");
    return w;
}

// Two headwords: cat with two sentences, dog with three.
void TestMainWindow::fillDatabase(MainWindow &w)
{
    LxdDatabase *db = TestUtil::child<LxdDocument>(&w, "doc")->database();
    const QList<QPair<QString, QStringList>> content = {
        {QStringLiteral("cat"), {QStringLiteral("The [cat] sat."), QStringLiteral("A [cat] purrs.")}},
        {QStringLiteral("dog"),
            {QStringLiteral("The [dog] barks."), QStringLiteral("Walk the [dog]."),
                QStringLiteral("[Dogs] dig.")}},
    };
    for (const auto &entry : content) {
        db->addItem();
        db->setHeadword(db->itemCount() - 1, entry.first);
        const int row = db->indexOfHeadword(entry.first);
        for (const QString &text : entry.second)
            db->addSentence(row)->setText(text);
    }
}

QStringList TestMainWindow::makeFiles(const QStringList &names)
{
    QStringList paths;
    for (const QString &name : names) {
        const QString path = fx.dir->filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qWarning("cannot create %s", qPrintable(path));
        paths.append(path);
    }
    return paths;
}

// --- Construction ------------------------------------------------------------------------------------

void TestMainWindow::everyControlCarriesItsName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    const QList<QPair<const char *, const char *>> controls = {
        {"layMain", "QVBoxLayout"},
        {"layHeader", "QHBoxLayout"},
        {"lblLogoLeft", "QLabel"},
        {"lblTitle", "QLabel"},
        {"lblLogoRight", "QLabel"},
        {"splMain", "QSplitter"},
        {"wgtTop", "QWidget"},
        {"grdTop", "QGridLayout"},
        {"wgtBottom", "QWidget"},
        {"grdBottom", "QGridLayout"},
        {"bbxFile", "QDialogButtonBox"},
        {"btnBackupDb", "QPushButton"},
        {"btnQuit", "QPushButton"},
        {"lblWords", "QLabel"},
        {"lblSentences", "QLabel"},
        {"lvWords", "QListView"},
        {"tvSentences", "QTableView"},
        {"tbrDbUpDown", "QToolBar"},
        {"bbxWords", "QDialogButtonBox"},
        {"btnAddWord", "QPushButton"},
        {"btnDeleteWord", "QPushButton"},
        {"bbxSentences", "QDialogButtonBox"},
        {"btnAddSentence", "QPushButton"},
        {"btnDeleteSentence", "QPushButton"},
        {"btnEditSentence", "QPushButton"},
        {"btnUseSentence", "QPushButton"},
        {"lblOutput", "QLabel"},
        {"layOptions", "QVBoxLayout"},
        {"chkIncludeQNums", "QCheckBox"},
        {"chkGapWords", "QCheckBox"},
        {"chkBracketWords", "QCheckBox"},
        {"chkJumbleOrder", "QCheckBox"},
        {"chkIncludeWordList", "QCheckBox"},
        {"chkAnswerKey", "QCheckBox"},
        {"chkShuffleWordList", "QCheckBox"},
        {"lwOutput", "QListView"},
        {"tbrOutputUpDown", "QToolBar"},
        {"layOutputButtons", "QHBoxLayout"},
        {"bbxOutputEdit", "QDialogButtonBox"},
        {"btnDeleteOutputSentence", "QPushButton"},
        {"btnClearOutputSentences", "QPushButton"},
        {"bbxExport", "QDialogButtonBox"},
        {"bbxExportMore", "QDialogButtonBox"},
        {"btnExportTextToClipboard", "QPushButton"},
        {"btnExportXHTML", "QPushButton"},
        {"btnExportRTF", "QPushButton"},
        {"btnExportJMatch", "QPushButton"},
        {"btnExportJCloze", "QPushButton"},
        {"btnExportPDF", "QPushButton"},
        {"btnPrint", "QPushButton"},
        {"btnExportInteractive", "QPushButton"},
        {"btnExportMoodle", "QPushButton"},
        {"mnuExportMoodle", "QMenu"},
        {"centralWidget", "QWidget"},
        {"menuBar", "QMenuBar"},
        {"statusBar", "QStatusBar"},
        {"mnuFile", "QMenu"},
        {"mnuEdit", "QMenu"},
        {"mnuWords", "QMenu"},
        {"mnuSentences", "QMenu"},
        {"mnuSearch", "QMenu"},
        {"mnuOutput", "QMenu"},
        {"mnuExport", "QMenu"},
        {"mnuHelp", "QMenu"},
        {"tbrFile", "QToolBar"},
        {"tbrEdit", "QToolBar"},
        {"tbrSearch", "QToolBar"},
        {"tbrOutput", "QToolBar"},
        {"tbrHelp", "QToolBar"},
        {"recentSeparator", "QAction"},
        {"actDbSentenceUp", "QAction"},
        {"actOutSentenceDown", "QAction"},
        {"ZelAbout", "ZelAbout"},
        {"DlgEditSentence", "DlgEditSentence"},
        {"DlgRandomSentences", "DlgRandomSentences"},
    };
    for (const auto &control : controls)
        QTest::newRow(control.first) << QString::fromLatin1(control.first)
                                     << QString::fromLatin1(control.second);
    for (int i = 0; i < 5; ++i) {
        const QString name = QStringLiteral("recentFileActs%1").arg(i);
        QTest::newRow(qPrintable(name)) << name << QStringLiteral("QAction");
    }
}

void TestMainWindow::everyControlCarriesItsName()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    auto w = newWindow();
    QCOMPARE(w->objectName(), QStringLiteral("MainWindow"));
    const QList<QObject *> found = w->findChildren<QObject *>(name);
    QCOMPARE(found.count(), 1);
    QCOMPARE(QString::fromLatin1(found.first()->metaObject()->className()), className);
}

void TestMainWindow::initialStates()
{
    auto w = newWindow();
    const QStringList enabled = {"btnAddWord", "btnAddSentence", "btnBackupDb", "btnQuit"};
    const QStringList disabled = {"btnDeleteWord", "btnDeleteSentence", "btnEditSentence", "btnUseSentence",
        "btnDeleteOutputSentence", "btnClearOutputSentences", "btnExportTextToClipboard", "btnExportXHTML",
        "btnExportRTF", "btnExportJMatch", "btnExportJCloze", "btnExportPDF", "btnPrint",
        "btnExportInteractive", "btnExportMoodle"};
    for (const QString &name : enabled)
        QVERIFY2(w->findChild<QPushButton *>(name)->isEnabled(), qPrintable(name));
    for (const QString &name : disabled)
        QVERIFY2(!w->findChild<QPushButton *>(name)->isEnabled(), qPrintable(name));
    for (const char *name :
        {"actDbSentenceUp", "actDbSentenceDown", "actOutSentenceUp", "actOutSentenceDown"}) {
        auto *action = w->findChild<QAction *>(QLatin1String(name));
        QVERIFY2(action->isEnabled(), name);
        QVERIFY2(!action->icon().pixmap(16, 16).isNull(), name);
    }
    QCOMPARE(w->findChild<QLabel *>("lblWords")->text(), QStringLiteral("Words"));
    QCOMPARE(w->findChild<QLabel *>("lblOutput")->text(), QStringLiteral("Output"));
    QCOMPARE(w->findChild<QLabel *>("lblTitle")->text(), QStringLiteral("Lexivane"));
    QVERIFY(!w->findChild<QLabel *>("lblLogoLeft")->pixmap().isNull());
    for (const char *name :
        {"chkIncludeQNums", "chkGapWords", "chkBracketWords", "chkJumbleOrder", "chkIncludeWordList"})
        QVERIFY2(w->findChild<QCheckBox *>(QLatin1String(name))->isChecked(), name);
    for (const char *name : {"chkAnswerKey", "chkShuffleWordList", "actAnswerKey", "actShuffleWordList"}) {
        auto *box = w->findChild<QAbstractButton *>(QLatin1String(name));
        QVERIFY2(box ? !box->isChecked() : !w->findChild<QAction *>(QLatin1String(name))->isChecked(), name);
    }

    // The panes cannot be squeezed away, and the sentence table takes most of the width.
    auto *splitter = w->findChild<QSplitter *>("splMain");
    QCOMPARE(splitter->orientation(), Qt::Vertical);
    QVERIFY(!splitter->childrenCollapsible());
    QCOMPARE(w->findChild<QWidget *>("wgtTop")->minimumHeight(), 200);
    // The bottom pane also holds what its option boxes and button rows need.
    auto *wgtBottom = w->findChild<QWidget *>("wgtBottom");
    QCOMPARE(wgtBottom->minimumHeight(), qMax(200, wgtBottom->layout()->totalMinimumSize().height()));
    auto *grdTop = w->findChild<QGridLayout *>("grdTop");
    QCOMPARE(grdTop->columnStretch(0), 1);
    QCOMPARE(grdTop->columnStretch(2), 5);
    QCOMPARE(grdTop->columnMinimumWidth(1), 20);
    QCOMPARE(w->findChild<QGridLayout *>("grdBottom")->columnMinimumWidth(1), 20);
}

void TestMainWindow::actions()
{
    auto w = newWindow();
    const QHash<QString, QKeySequence> shortcuts = {
        {"actFileNew", QKeySequence::New},
        {"actFileOpen", QKeySequence::Open},
        {"actFileSave", QKeySequence::Save},
        {"actFileSaveAs", QKeySequence::SaveAs},
        {"actFileQuit", QKeySequence::Quit},
        {"actFind", QKeySequence::Find},
        {"actFindNext", QKeySequence::FindNext},
        {"actHelpHelp", QKeySequence(Qt::CTRL | Qt::Key_F1)},
        {"actPrint", QKeySequence::Print},
        {"actEditUndo", QKeySequence::Undo},
        {"actEditRedo", QKeySequence::Redo},
        {"actRenameWord", QKeySequence(Qt::Key_F2)},
        {"actDbSentenceUp", QKeySequence(Qt::ALT | Qt::Key_Up)},
        {"actDbSentenceDown", QKeySequence(Qt::ALT | Qt::Key_Down)},
        {"actOutSentenceUp", QKeySequence(Qt::ALT | Qt::Key_Up)},
        {"actOutSentenceDown", QKeySequence(Qt::ALT | Qt::Key_Down)},
    };
    // Nothing to undo or redo in a window just opened.
    const QStringList disabled = {"actEditUndo", "actEditRedo", "actDeleteWords", "actAddSentence",
        "actDeleteSentences", "actEditSentence", "actUseSentences", "actSentencesToClipboard",
        "actSaveAsXHTML", "actSaveAsRTF", "actSaveAsJMatch", "actSaveAsJCloze", "actSaveAsPDF", "actPrint",
        "actSaveAsInteractive", "actSaveAsMoodleXml", "actSaveAsMoodleMatching", "actSaveAsMoodleGift",
        "actSaveAsH5pBlanks", "actSaveAsH5pDragText", "actSaveAsScorm", "actSaveAsAnki", "actSaveAsQuizlet",
        "actRandomSentences", "actRenameWord", "actDeleteOutputSentences", "actClearOutputSentences",
        "actCheckSpelling"};
    const QStringList withoutIcon = {"actIncludeQNums", "actGapWords", "actBracketWords", "actJumbleOrder",
        "actIncludeWordList", "actAnswerKey", "actShuffleWordList", "actCheckSpelling"};

    int commands = 0;
    for (QAction *action : w->findChildren<QAction *>(Qt::FindDirectChildrenOnly)) {
        const QString name = action->objectName();
        if (!name.startsWith(QLatin1String("act")))
            continue;
        ++commands;
        QCOMPARE(action->shortcut(), shortcuts.value(name));
        QVERIFY2(action->isEnabled() != disabled.contains(name), qPrintable(name));
        QVERIFY2(action->isIconVisibleInMenu(), qPrintable(name));
        // Drawn from the icon file beside the program: a missing icon renders as nothing.
        QVERIFY2(action->icon().pixmap(16, 16).isNull() == withoutIcon.contains(name), qPrintable(name));
    }
    QCOMPARE(commands, 56);

    QCOMPARE(w->findChild<QAction *>("actShowAboutBox")->text(), QStringLiteral("&About Lexivane 3"));
    QCOMPARE(w->findChild<QAction *>("actSaveAsJCloze")->statusTip(),
        QStringLiteral(
            "Export the current output sentences to create a Hot Potatoes JCloze gap-fill exercise."));
}

static QStringList entries(const QList<QAction *> &actions)
{
    QStringList names;
    for (QAction *action : actions) {
        if (action->menu())
            names << action->menu()->objectName();
        else if (action->isSeparator() && action->objectName().isEmpty())
            names << QStringLiteral("-");
        else
            names << action->objectName();
    }
    return names;
}

void TestMainWindow::menus()
{
    auto w = newWindow();
    QStringList titles;
    for (QAction *action : w->menuBar()->actions())
        titles << action->menu()->objectName() + QLatin1Char('=') + action->text();
    QCOMPARE(titles,
        QStringList({"mnuFile=&File", "mnuEdit=&Edit", "mnuWords=&Words", "mnuSentences=&Sentences",
            "mnuSearch=&Search", "mnuOutput=&Output", "mnuHelp=&Help"}));

    QCOMPARE(entries(w->findChild<QMenu *>("mnuFile")->actions()),
        QStringList({"actFileNew", "actFileOpen", "actFileSave", "actFileSaveAs", "-", "actFileAppend",
            "actFileExportXml", "actFileImportXml", "actFileImport", "recentSeparator", "recentFileActs0",
            "recentFileActs1", "recentFileActs2", "recentFileActs3", "recentFileActs4", "-", "actFileQuit"}));
    QCOMPARE(entries(w->findChild<QMenu *>("mnuEdit")->actions()),
        QStringList({"actEditUndo", "actEditRedo", "-", "mnuDatabaseLanguage"}));
    QCOMPARE(entries(w->findChild<QMenu *>("mnuWords")->actions()),
        QStringList({"actAddWord", "actRenameWord", "actDeleteWords", "-", "actFindSentences"}));
    QCOMPARE(entries(w->findChild<QMenu *>("mnuSentences")->actions()),
        QStringList({"actAddSentence", "actDeleteSentences", "actEditSentence", "actUseSentences", "-",
            "actZeroUsed", "-", "actCheckSpelling"}));
    QCOMPARE(entries(w->findChild<QMenu *>("mnuSearch")->actions()), QStringList({"actFind", "actFindNext"}));
    QCOMPARE(entries(w->findChild<QMenu *>("mnuOutput")->actions()),
        QStringList(
            {"actIncludeQNums", "actGapWords", "actBracketWords", "actJumbleOrder", "actIncludeWordList",
                "actAnswerKey", "actShuffleWordList", "-", "mnuExport", "-", "actRandomSentences"}));
    auto *mnuExport = w->findChild<QMenu *>("mnuExport");
    QCOMPARE(mnuExport->title(), QStringLiteral("&Export"));
    QCOMPARE(entries(mnuExport->actions()),
        QStringList({"actSentencesToClipboard", "actSaveAsXHTML", "actSaveAsRTF", "actSaveAsJMatch",
            "actSaveAsJCloze", "actSaveAsPDF", "actPrint", "actSaveAsInteractive", "actSaveAsMoodleXml",
            "actSaveAsMoodleMatching", "actSaveAsMoodleGift", "actSaveAsH5pBlanks", "actSaveAsH5pDragText",
            "actSaveAsScorm", "actSaveAsAnki", "actSaveAsQuizlet"}));
    QCOMPARE(entries(w->findChild<QMenu *>("mnuHelp")->actions()),
        QStringList({"actHelpHelp", "actHelpGettingStarted", "-", "actShowAboutBox"}));
}

void TestMainWindow::toolBars()
{
    auto w = newWindow();
    QStringList bars;
    for (QToolBar *bar : w->findChildren<QToolBar *>()) {
        if (w->toolBarArea(bar) != Qt::NoToolBarArea)
            bars << bar->objectName() + QLatin1Char('=') + bar->windowTitle();
    }
    QCOMPARE(bars,
        QStringList(
            {"tbrFile=&File", "tbrEdit=&Edit", "tbrSearch=&Search", "tbrOutput=&Output", "tbrHelp=&Help"}));
    QCOMPARE(
        entries(w->findChild<QToolBar *>("tbrEdit")->actions()), QStringList({"actEditUndo", "actEditRedo"}));

    QCOMPARE(entries(w->findChild<QToolBar *>("tbrFile")->actions()),
        QStringList({"actFileNew", "actFileOpen", "actFileSave", "actFileSaveAs", "-", "actFileAppend",
            "actFileExportXml", "actFileImportXml", "-", "actFileQuit"}));
    QCOMPARE(
        entries(w->findChild<QToolBar *>("tbrSearch")->actions()), QStringList({"actFind", "actFindNext"}));
    QCOMPARE(entries(w->findChild<QToolBar *>("tbrOutput")->actions()), QStringList({"actRandomSentences"}));
    QCOMPARE(entries(w->findChild<QToolBar *>("tbrHelp")->actions()),
        QStringList({"actHelpHelp", "actHelpGettingStarted"}));

    auto *dbUpDown = w->findChild<QToolBar *>("tbrDbUpDown");
    QCOMPARE(dbUpDown->orientation(), Qt::Vertical);
    QCOMPARE(entries(dbUpDown->actions()), QStringList({"actDbSentenceUp", "actDbSentenceDown"}));
    auto *outUpDown = w->findChild<QToolBar *>("tbrOutputUpDown");
    QCOMPARE(outUpDown->orientation(), Qt::Vertical);
    QCOMPARE(entries(outUpDown->actions()), QStringList({"actOutSentenceUp", "actOutSentenceDown"}));
}

void TestMainWindow::optionsMirrorTheirActions_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("action");
    QTest::newRow("q nums") << "chkIncludeQNums"
                            << "actIncludeQNums";
    QTest::newRow("gap") << "chkGapWords"
                         << "actGapWords";
    QTest::newRow("bracket") << "chkBracketWords"
                             << "actBracketWords";
    QTest::newRow("jumble") << "chkJumbleOrder"
                            << "actJumbleOrder";
    QTest::newRow("word list") << "chkIncludeWordList"
                               << "actIncludeWordList";
}

void TestMainWindow::optionsMirrorTheirActions()
{
    QFETCH(QString, box);
    QFETCH(QString, action);
    auto w = shownWindow();
    auto *check = w->findChild<QCheckBox *>(box);
    auto *act = w->findChild<QAction *>(action);
    QVERIFY(act->isCheckable());
    QVERIFY(act->isChecked());

    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(!check->isChecked());
    QVERIFY(!act->isChecked());

    act->trigger();
    QVERIFY(act->isChecked());
    QVERIFY(check->isChecked());

    // Only the box under the output list changed: the other options keep their state (the answer key,
    // the shuffled word list, the differentiated sheets and the keys at the end start off).
    act->trigger();
    int unchecked = 0;
    for (QCheckBox *other : w->findChild<QWidget *>("wgtBottom")->findChildren<QCheckBox *>())
        unchecked += other->isChecked() ? 0 : 1;
    QCOMPARE(unchecked, 5);
}

// --- Connections ---------------------------------------------------------------------------------------

void TestMainWindow::currentHeadwordFillsSentenceTable()
{
    auto w = newWindow();
    fillDatabase(*w);
    auto *lvWords = w->findChild<QListView *>("lvWords");
    auto *tvSentences = w->findChild<QTableView *>("tvSentences");
    auto *lblSentences = w->findChild<QLabel *>("lblSentences");

    lvWords->setCurrentIndex(lvWords->model()->index(1, 0));
    QCOMPARE(tvSentences->model()->rowCount(), 3);
    QCOMPARE(tvSentences->model()->index(0, 2).data().toString(), QStringLiteral("The [dog] barks."));
    QCOMPARE(lblSentences->text(), QStringLiteral("Sentences (3)"));

    lvWords->setCurrentIndex(lvWords->model()->index(0, 0));
    QCOMPARE(tvSentences->model()->rowCount(), 2);
    QCOMPARE(lblSentences->text(), QStringLiteral("Sentences (2)"));

    // The keyboard selects the next headword before making it current.
    tvSentences->selectRow(0);
    QTest::keyClick(lvWords, Qt::Key_Down);
    QCOMPARE(lvWords->currentIndex().row(), 1);
    QCOMPARE(tvSentences->model()->rowCount(), 3);
    QCOMPARE(lblSentences->text(), QStringLiteral("Sentences (3)"));
    QVERIFY(!w->findChild<QPushButton *>("btnEditSentence")->isEnabled());
}

void TestMainWindow::wordSelectionEnablesControls()
{
    auto w = newWindow();
    fillDatabase(*w);
    auto *lvWords = w->findChild<QListView *>("lvWords");
    auto *btnDeleteWord = w->findChild<QPushButton *>("btnDeleteWord");
    auto *actDeleteWords = w->findChild<QAction *>("actDeleteWords");
    auto *btnAddSentence = w->findChild<QPushButton *>("btnAddSentence");
    auto *actAddSentence = w->findChild<QAction *>("actAddSentence");
    QItemSelectionModel *selection = lvWords->selectionModel();

    selection->select(lvWords->model()->index(0, 0), QItemSelectionModel::ClearAndSelect);
    QVERIFY(btnDeleteWord->isEnabled() && actDeleteWords->isEnabled());
    QVERIFY(btnAddSentence->isEnabled() && actAddSentence->isEnabled());

    selection->select(lvWords->model()->index(1, 0), QItemSelectionModel::Select);
    QVERIFY(btnDeleteWord->isEnabled() && actDeleteWords->isEnabled());
    QVERIFY(!btnAddSentence->isEnabled() && !actAddSentence->isEnabled());

    selection->clearSelection();
    QVERIFY(!btnDeleteWord->isEnabled() && !actDeleteWords->isEnabled());
    QVERIFY(!btnAddSentence->isEnabled() && !actAddSentence->isEnabled());
}

void TestMainWindow::sentenceSelectionEnablesControls()
{
    auto w = newWindow();
    fillDatabase(*w);
    auto *lvWords = w->findChild<QListView *>("lvWords");
    auto *tvSentences = w->findChild<QTableView *>("tvSentences");
    lvWords->setCurrentIndex(lvWords->model()->index(1, 0));

    const auto states = [&w] {
        QString s;
        for (const char *name : {"btnDeleteSentence", "btnEditSentence", "btnUseSentence"})
            s += w->findChild<QPushButton *>(QLatin1String(name))->isEnabled() ? '1' : '0';
        for (const char *name : {"actDeleteSentences", "actEditSentence", "actUseSentences"})
            s += w->findChild<QAction *>(QLatin1String(name))->isEnabled() ? '1' : '0';
        return s;
    };

    tvSentences->selectRow(0);
    QCOMPARE(states(), QStringLiteral("111111"));
    tvSentences->selectionModel()->select(
        tvSentences->model()->index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QCOMPARE(states(), QStringLiteral("101101"));
    tvSentences->clearSelection();
    QCOMPARE(states(), QStringLiteral("000000"));

    // Choosing another headword drops the sentence selection and its controls with it.
    tvSentences->selectRow(1);
    lvWords->selectionModel()->setCurrentIndex(
        lvWords->model()->index(0, 0), QItemSelectionModel::ClearAndSelect);
    QCOMPARE(states(), QStringLiteral("000000"));
}

void TestMainWindow::outputListEnablesControls()
{
    auto w = newWindow();
    auto *lwOutput = w->findChild<QListView *>("lwOutput");
    auto *btnDelete = w->findChild<QPushButton *>("btnDeleteOutputSentence");
    auto *btnClear = w->findChild<QPushButton *>("btnClearOutputSentences");

    w->lxdSession()->appendOutput({QStringLiteral("The [cat] sat."), QStringLiteral("The [dog] barks.")},
        QStringLiteral("Use Sentences"));
    lwOutput->setCurrentIndex(lwOutput->model()->index(1, 0));
    QVERIFY(btnDelete->isEnabled());
    QVERIFY(btnClear->isEnabled());
    lwOutput->clearSelection();
    QVERIFY(!btnDelete->isEnabled());
    QVERIFY(btnClear->isEnabled());

    // Undone and redone, the entries reach the count and the exports as any other change.
    w->findChild<QAction *>("actEditUndo")->trigger();
    QCOMPARE(w->findChild<QLabel *>("lblOutput")->text(), QStringLiteral("Output (0)"));
    QVERIFY(!btnClear->isEnabled());
    w->findChild<QAction *>("actEditRedo")->trigger();
    QCOMPARE(w->findChild<QLabel *>("lblOutput")->text(), QStringLiteral("Output (2)"));
    for (const char *name :
        {"btnExportTextToClipboard", "btnExportXHTML", "btnExportRTF", "btnExportJMatch", "btnExportJCloze"})
        QVERIFY2(w->findChild<QPushButton *>(QLatin1String(name))->isEnabled(), name);
    for (const char *name :
        {"actSentencesToClipboard", "actSaveAsXHTML", "actSaveAsRTF", "actSaveAsJMatch", "actSaveAsJCloze"})
        QVERIFY2(w->findChild<QAction *>(QLatin1String(name))->isEnabled(), name);
}

void TestMainWindow::countLabelsFollowModelChanges()
{
    auto w = newWindow();
    auto *actRandom = w->findChild<QAction *>("actRandomSentences");
    auto *words = w->findChild<QLabel *>("lblWords");
    auto *sentences = w->findChild<QLabel *>("lblSentences");
    QVERIFY(!actRandom->isEnabled());

    // Rows the database announces reach the labels without help.
    fillDatabase(*w);
    QCOMPARE(words->text(), QStringLiteral("Words (2)"));
    QVERIFY(actRandom->isEnabled());

    w->sentenceTableModel()->wordSelectionChanged(w->wordListModel()->index(1, 0));
    QCOMPARE(sentences->text(), QStringLiteral("Sentences (3)"));
    LxdDatabase *db = TestUtil::child<LxdDocument>(w.get(), "doc")->database();
    QVERIFY(db->deleteSentence(1, 0));
    QCOMPARE(sentences->text(), QStringLiteral("Sentences (2)"));
    QVERIFY(db->deleteItem(0));
    QCOMPARE(words->text(), QStringLiteral("Words (1)"));
    QCOMPARE(sentences->text(), QStringLiteral("Sentences (2)"));
    db->clear();
    QCOMPARE(words->text(), QStringLiteral("Words (0)"));
    QCOMPARE(sentences->text(), QStringLiteral("Sentences (0)"));
}

// --- Settings ------------------------------------------------------------------------------------------

void TestMainWindow::firstStartUsesDefaults()
{
    auto w = newWindow();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
        + QStringLiteral("/lexivanevoc");
    for (const QString &dir :
        {w->lastFolder(QStringLiteral("lastVocFileDir")), w->lastFolder(QStringLiteral("lastXmlFileDir")),
            w->lastFolder(QStringLiteral("lastRtfFileDir")),
            w->lastFolder(QStringLiteral("lastXhtmlFileDir")),
            w->lastFolder(QStringLiteral("lastJclFileDir")), w->lastFolder(QStringLiteral("lastJmtFileDir"))})
        QCOMPARE(dir, folder);
    QVERIFY(w->recentFileList().isEmpty());
}

void TestMainWindow::settingsRoundTripOnAcceptedClose()
{
    const QStringList recent = makeFiles({"1.lxv", "2.lxv", "3.lxv", "4.lxv", "5.lxv", "6.lxv", "7.lxv"});
    {
        QSettings settings;
        settings.setValue(QStringLiteral("mainWindow/recentFiles"), recent);
    }

    QSize size;
    QList<int> paneSizes;
    {
        auto w = shownWindow();
        QCOMPARE(w->recentFileList(), recent);
        w->resize(w->minimumSizeHint() + QSize(60, 40));
        size = w->size();
        auto *splitter = w->findChild<QSplitter *>("splMain");
        QList<int> sizes = splitter->sizes();
        QCOMPARE(sizes.count(), 2);
        const int bottom = w->findChild<QWidget *>("wgtBottom")->minimumHeight() + 10;
        splitter->setSizes({sizes[0] + sizes[1] - bottom, bottom});
        paneSizes = splitter->sizes();
        QCOMPARE(paneSizes.at(1), bottom);

        w->findChild<QAction *>("actJumbleOrder")->trigger();
        QTest::mouseClick(w->findChild<QCheckBox *>("chkIncludeQNums"), Qt::LeftButton);
        w->setLastFolderForTesting(QStringLiteral("lastVocFileDir"), QStringLiteral("/voc"));
        w->setLastFolderForTesting(QStringLiteral("lastXmlFileDir"), QStringLiteral("/xml"));
        w->setLastFolderForTesting(QStringLiteral("lastRtfFileDir"), QStringLiteral("/rtf"));
        w->setLastFolderForTesting(QStringLiteral("lastXhtmlFileDir"), QStringLiteral("/xhtml"));
        w->setLastFolderForTesting(QStringLiteral("lastJclFileDir"), QStringLiteral("/jcl"));
        w->setLastFolderForTesting(QStringLiteral("lastJmtFileDir"), QStringLiteral("/jmt"));
        w->findChild<QAction *>("actAnswerKey")->trigger();
        QTest::mouseClick(w->findChild<QCheckBox *>("chkShuffleWordList"), Qt::LeftButton);
        w->setLastFolderForTesting(QStringLiteral("lastPdfFileDir"), QStringLiteral("/pdf"));

        QTest::mouseClick(w->findChild<QPushButton *>("btnQuit"), Qt::LeftButton);
        QVERIFY(!w->isVisible());
    }

    QSettings settings;
    QCOMPARE(settings.value(QStringLiteral("mainWindow/recentFiles")).toStringList(), recent);
    QCOMPARE(settings.value(QStringLiteral("mainWindow/chkJumbleOrder")).toBool(), false);

    auto w = shownWindow();
    QCOMPARE(w->size(), size);
    QCOMPARE(w->findChild<QSplitter *>("splMain")->sizes(), paneSizes);
    QVERIFY(!w->findChild<QCheckBox *>("chkJumbleOrder")->isChecked());
    QVERIFY(!w->findChild<QAction *>("actJumbleOrder")->isChecked());
    QVERIFY(!w->findChild<QCheckBox *>("chkIncludeQNums")->isChecked());
    QVERIFY(!w->findChild<QAction *>("actIncludeQNums")->isChecked());
    QVERIFY(w->findChild<QCheckBox *>("chkGapWords")->isChecked());
    QVERIFY(w->findChild<QAction *>("actGapWords")->isChecked());
    QCOMPARE(
        QStringList({w->lastFolder(QStringLiteral("lastVocFileDir")),
            w->lastFolder(QStringLiteral("lastXmlFileDir")), w->lastFolder(QStringLiteral("lastRtfFileDir")),
            w->lastFolder(QStringLiteral("lastXhtmlFileDir")),
            w->lastFolder(QStringLiteral("lastJclFileDir")),
            w->lastFolder(QStringLiteral("lastJmtFileDir"))}),
        QStringList({"/voc", "/xml", "/rtf", "/xhtml", "/jcl", "/jmt"}));
    QCOMPARE(w->lastFolder(QStringLiteral("lastPdfFileDir")), QStringLiteral("/pdf"));
    QVERIFY(w->findChild<QAction *>("actAnswerKey")->isChecked());
    QVERIFY(w->findChild<QAction *>("actShuffleWordList")->isChecked());
    QCOMPARE(w->recentFileList(), recent);
    // The toolbars are found again by name: one hidden toolbar stays hidden.
    w->findChild<QToolBar *>("tbrSearch")->hide();
    w->close();
    auto again = shownWindow();
    QVERIFY(again->findChild<QToolBar *>("tbrSearch")->isHidden());
    QVERIFY(!again->findChild<QToolBar *>("tbrFile")->isHidden());
}

void TestMainWindow::noSettingsWithoutClose()
{
    {
        auto w = newWindow();
        w->findChild<QAction *>("actGapWords")->trigger();
    }
    QSettings settings;
    QVERIFY(!settings.contains(QStringLiteral("mainWindow/chkGapWords")));
    auto w = newWindow();
    QVERIFY(w->findChild<QCheckBox *>("chkGapWords")->isChecked());
}

// --- Current file and recent files ----------------------------------------------------------------------

void TestMainWindow::titleNamesCurrentFile()
{
    auto w = shownWindow();
    QCOMPARE(w->windowTitle(), QStringLiteral("Lexivane 3: Untitled[*] - database"));
    QCOMPARE(w->windowHandle()->title(), QStringLiteral("Lexivane 3: Untitled - database"));

    w->setCurrentFileForTesting(QStringLiteral("D:/vocab/CurrentDB.lxv"));
    QCOMPARE(w->windowHandle()->title(), QStringLiteral("Lexivane 3: CurrentDB.lxv - database"));
    QCOMPARE(w->currentFile(), QStringLiteral("D:/vocab/CurrentDB.lxv"));

    // An untitled database never enters the recent list.
    const QStringList before = w->recentFileList();
    w->setCurrentFileForTesting(QString());
    QCOMPARE(w->windowHandle()->title(), QStringLiteral("Lexivane 3: Untitled - database"));
    QCOMPARE(w->recentFileList(), before);
}

void TestMainWindow::openingAFileMovesItToTheTop()
{
    const QStringList paths = makeFiles({"a.lxv", "b.lxv", "c.lxv", "d.lxv"});
    QSettings().setValue(QStringLiteral("mainWindow/recentFiles"), paths);
    auto w = newWindow();

    w->setCurrentFileForTesting(paths[2]);
    QCOMPARE(w->recentFileList(), QStringList({paths[2], paths[0], paths[1], paths[3]}));
    auto *first = w->findChild<QAction *>("recentFileActs0");
    QCOMPARE(first->text(), QStringLiteral("&1 c.lxv"));
    QCOMPARE(first->data().toString(), paths[2]);
    QCOMPARE(w->findChild<QAction *>("recentFileActs1")->text(), QStringLiteral("&2 a.lxv"));

    // A new name on top keeps the previous file as second entry.
    const QString saved = makeFiles({"e.lxv"}).first();
    w->setCurrentFileForTesting(saved);
    QCOMPARE(w->recentFileList().mid(0, 2), QStringList({saved, paths[2]}));
    QCOMPARE(w->recentFileList().count(), 5);
}

void TestMainWindow::pathsDifferingInCaseAreTwoEntries()
{
    const QStringList paths = makeFiles({"Words.lxv", "words.lxv"});
    auto w = newWindow();
    w->setCurrentFileForTesting(paths[0]);
    w->setCurrentFileForTesting(paths[1]);
    w->setCurrentFileForTesting(paths[1]);
    QCOMPARE(w->recentFileList(), QStringList({paths[1], paths[0]}));
}

void TestMainWindow::missingFilesAreDroppedAndFiveShown()
{
    const QStringList paths = makeFiles({"1.lxv", "2.lxv", "3.lxv", "4.lxv", "5.lxv", "6.lxv"});
    const QString gone = fx.dir->filePath(QStringLiteral("gone.lxv"));
    QSettings().setValue(QStringLiteral("mainWindow/recentFiles"), QStringList(paths) << gone);

    auto w = newWindow();
    QCOMPARE(w->recentFileList(), paths);
    const auto shown = [&w] {
        QStringList names;
        for (int i = 0; i < 5; ++i) {
            auto *action = w->findChild<QAction *>(QStringLiteral("recentFileActs%1").arg(i));
            if (action->isVisible())
                names << action->text();
        }
        return names;
    };
    QCOMPARE(shown(), QStringList({"&1 1.lxv", "&2 2.lxv", "&3 3.lxv", "&4 4.lxv", "&5 5.lxv"}));
    QVERIFY(w->findChild<QAction *>("recentSeparator")->isVisible());

    // The sixth file moves up into the menu at the next refresh.
    QVERIFY(QFile::remove(paths[1]));
    w->setCurrentFileForTesting(paths[0]);
    QCOMPARE(shown(), QStringList({"&1 1.lxv", "&2 3.lxv", "&3 4.lxv", "&4 5.lxv", "&5 6.lxv"}));
}

void TestMainWindow::emptyRecentListHidesSeparator()
{
    auto w = newWindow();
    QVERIFY(!w->findChild<QAction *>("recentSeparator")->isVisible());
    for (int i = 0; i < 5; ++i)
        QVERIFY(!w->findChild<QAction *>(QStringLiteral("recentFileActs%1").arg(i))->isVisible());
}

// --- Help and about ----------------------------------------------------------------------------------------

void TestMainWindow::contextHelpOpensPageOfFocusedControl_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("page");
    const QList<QPair<const char *, const char *>> map = {
        {"lvWords", "lxv_main_lvWords.htm"},
        {"btnAddWord", "lxv_main_addWord.htm"},
        {"btnDeleteWord", "lxv_main_deleteWord.htm"},
        {"tvSentences", "lxv_main_tvSentences.htm"},
        {"btnAddSentence", "lxv_main_addSentence.htm"},
        {"btnDeleteSentence", "lxv_main_deleteSentence.htm"},
        {"btnEditSentence", "lxv_main_editSentence.htm"},
        {"btnUseSentence", "lxv_main_useSentence.htm"},
        {"tbrDbUpDown", "lxv_main_dbUpDown.htm"},
        {"chkIncludeQNums", "lxv_main_includeQNums.htm"},
        {"chkGapWords", "lxv_main_gapWords.htm"},
        {"chkBracketWords", "lxv_main_bracketWords.htm"},
        {"chkJumbleOrder", "lxv_main_jumbleOrder.htm"},
        {"chkIncludeWordList", "lxv_main_includeWordList.htm"},
        {"lwOutput", "lxv_main_lwOutput.htm"},
        {"btnDeleteOutputSentence", "lxv_main_deleteOutputSentence.htm"},
        {"btnClearOutputSentences", "lxv_main_clearOutputSentences.htm"},
        {"btnExportTextToClipboard", "lxv_main_exportTextToClipboard.htm"},
        {"btnExportXHTML", "lxv_main_exportXHTML.htm"},
        {"btnExportRTF", "lxv_main_exportRTF.htm"},
        {"btnExportJMatch", "lxv_main_exportJMatch.htm"},
        {"btnExportJCloze", "lxv_main_exportJCloze.htm"},
        {"btnExportInteractive", "lxv_main_exportInteractive.htm"},
        {"btnExportMoodle", "lxv_main_exportMoodle.htm"},
        {"btnExportFlashcards", "lxv_main_exportFlashcards.htm"},
        {"tbrOutputUpDown", "lxv_main_outputUpDown.htm"},
        {"btnBackupDb", "lxv_main_backupDb.htm"},
        {"btnQuit", "lxv_main_quit.htm"},
    };
    for (const auto &entry : map)
        QTest::newRow(entry.first) << QString::fromLatin1(entry.first) << QString::fromLatin1(entry.second);
}

void TestMainWindow::contextHelpOpensPageOfFocusedControl()
{
    QFETCH(QString, control);
    QFETCH(QString, page);
    auto w = shownWindow();
    auto *widget = w->findChild<QWidget *>(control);
    // Most buttons start disabled, and a disabled control cannot hold the focus.
    widget->setEnabled(true);
    widget->setFocus();
    QCOMPARE(w->focusWidget(), widget);

    QTest::keyClick(widget, Qt::Key_F1);
    QCOMPARE(opened.count(), 1);
    QVERIFY(opened.first().isLocalFile());
    QCOMPARE(opened.first().toLocalFile(), ZelUtils::dataPath(QStringLiteral("help/") + page));
    QVERIFY(opened.first().toLocalFile().endsWith(QStringLiteral("/help/") + page));
}

void TestMainWindow::contextHelpOnUnmappedControlOpensStartPage()
{
    auto w = shownWindow();
    // The move toolbars are mapped as a whole, not their buttons.
    auto *toolbar = w->findChild<QToolBar *>("tbrDbUpDown");
    QWidget *upButton = toolbar->widgetForAction(w->findChild<QAction *>("actDbSentenceUp"));
    QVERIFY(upButton);
    upButton->setFocus();
    QCOMPARE(w->focusWidget(), upButton);
    QTest::keyClick(upButton, Qt::Key_F1);

    // The Help key works like F1.
    w->findChild<QWidget *>("lwOutput")->setFocus();
    QTest::keyClick(w->findChild<QWidget *>("lwOutput"), Qt::Key_Help);

    QCOMPARE(opened.count(), 2);
    QVERIFY(opened.at(0).toLocalFile().endsWith(QStringLiteral("/help/help.htm")));
    QVERIFY(opened.at(1).toLocalFile().endsWith(QStringLiteral("/help/lxv_main_lwOutput.htm")));

    // A dialog is a window of its own: F1 there does not reach the main window's help.
    auto *editor = w->findChild<QDialog *>("DlgEditSentence");
    editor->show();
    QTest::keyClick(editor, Qt::Key_F1);
    editor->hide();
    QCOMPARE(opened.count(), 2);
}

void TestMainWindow::ctrlF1OpensStartPageWhateverHasFocus()
{
    auto w = shownWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    auto *table = w->findChild<QWidget *>("tvSentences");
    table->setFocus();
    QTest::keyClick(table, Qt::Key_F1, Qt::ControlModifier);
    QCOMPARE(opened.count(), 1);
    QCOMPARE(opened.first().toLocalFile(), ZelUtils::dataPath(QStringLiteral("help/help.htm")));
}

void TestMainWindow::helpMenuOpensPages()
{
    auto w = newWindow();
    w->findChild<QAction *>("actHelpHelp")->trigger();
    w->findChild<QAction *>("actHelpGettingStarted")->trigger();
    QCOMPARE(opened.count(), 2);
    QVERIFY(opened.at(0).toLocalFile().endsWith(QStringLiteral("/help/help.htm")));
    QVERIFY(opened.at(1).toLocalFile().endsWith(QStringLiteral("/help/getting_started.htm")));
}

void TestMainWindow::helpPagesExist()
{
    const QDir help(ZelUtils::dataPath(QStringLiteral("help")));
    if (help.isEmpty())
        QSKIP("the help pages are not laid out beside the test program");
    QStringList pages = {"help.htm", "getting_started.htm"};
    auto w = newWindow();
    // Every page the window's controls lead to must be there.
    for (const char *control :
        {"lvWords", "btnAddWord", "btnDeleteWord", "tvSentences", "btnAddSentence", "btnDeleteSentence",
            "btnEditSentence", "btnUseSentence", "tbrDbUpDown", "chkIncludeQNums", "chkGapWords",
            "chkBracketWords", "chkJumbleOrder", "chkIncludeWordList", "lwOutput", "btnDeleteOutputSentence",
            "btnClearOutputSentences", "btnExportTextToClipboard", "btnExportXHTML", "btnExportRTF",
            "btnExportJMatch", "btnExportJCloze", "tbrOutputUpDown", "btnBackupDb", "btnQuit", "chkAnswerKey",
            "chkShuffleWordList", "btnExportPDF", "btnPrint", "btnExportInteractive", "btnExportMoodle"}) {
        opened.clear();
        auto *widget = w->findChild<QWidget *>(QLatin1String(control));
        widget->setEnabled(true);
        widget->setFocus();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(w.get(), &press);
        QCOMPARE(opened.count(), 1);
        pages << QFileInfo(opened.first().toLocalFile()).fileName();
    }
    for (const QString &page : pages)
        QVERIFY2(help.exists(page), qPrintable(page));
}

void TestMainWindow::aboutBoxShowsNameAndVersion()
{
    auto w = shownWindow();
    QString title, name, version;
    bool modal = false;
    QSize picture;
    TestUtil::ModalAnswerer answerer;
    answerer.then([&](QWidget *dialog) {
        title = dialog->windowTitle();
        modal = dialog->isModal();
        name = dialog->findChild<QLabel *>("lblAppTitle")->text();
        version = dialog->findChild<QLabel *>("lblAppVersion")->text();
        picture = dialog->findChild<QLabel *>("lblLogo")->pixmap().size();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    w->findChild<QAction *>("actShowAboutBox")->trigger();
    QCOMPARE(title, QStringLiteral("Lexivane 3"));
    QVERIFY(modal);
    QCOMPARE(name, QStringLiteral("Lexivane"));
    QCOMPARE(version, QStringLiteral("v. 3.0.20110613.58"));
    QVERIFY(!picture.isEmpty());
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
