// SPDX-License-Identifier: GPL-3.0-or-later
// The window's construction, its actions, menus and toolbars, the settings, the current file with the
// recent-file list, the about box and help. The commands are in mainwindow_<group>.cpp.
#include "app/mainwindow.h"

#include "data/lxddatabase.h"
#include "dialogs/dlgeditsentence.h"
#include "dialogs/dlgrandomsentences.h"
#include "dialogs/zelabout.h"
#include "models/desktoplook.h"
#include "models/lxdbsentencetablemodel.h"
#include "models/lxdbwordlistmodel.h"
#include "util/zelflowlayout.h"
#include "util/zelhelpclient.h"
#include "util/zelutils.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QShowEvent>
#include <QSpinBox>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <functional>
#include <tuple>

namespace Ui {

// The window's form: the parts QMainWindow itself provides a place for.
class MainWindow
{
public:
    QWidget *centralWidget = nullptr;
    QMenuBar *menuBar = nullptr;
    QStatusBar *statusBar = nullptr;

    void setupUi(QMainWindow *window)
    {
        window->setObjectName(QStringLiteral("MainWindow"));
        window->resize(400, 300);
        menuBar = new QMenuBar(window);
        menuBar->setObjectName(QStringLiteral("menuBar"));
        window->setMenuBar(menuBar);
        centralWidget = new QWidget(window);
        centralWidget->setObjectName(QStringLiteral("centralWidget"));
        window->setCentralWidget(centralWidget);
        statusBar = new QStatusBar(window);
        statusBar->setObjectName(QStringLiteral("statusBar"));
        window->setStatusBar(statusBar);
        retranslateUi(window);
        QMetaObject::connectSlotsByName(window);
    }

    void retranslateUi(QMainWindow *window)
    {
        window->setWindowTitle(QCoreApplication::translate("MainWindow", "MainWindow"));
    }
};

} // namespace Ui

namespace {

const char *const AppIcon = ":/svgIcons/lexivane_02.svg";

// The design's sizes on a desktop font of 10 points; a larger desktop font enlarges them alike.
QFont headingFont()
{
    QFont font = DesktopLook::scaledFont(14);
    font.setWeight(QFont::Black);
    return font;
}

QFont titleFont()
{
    QFont font = DesktopLook::scaledFont(20);
    font.setWeight(QFont::Bold);
    return font;
}

QString documentsUserFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
        + QLatin1String("/lexivanevoc");
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    setWindowIcon(QIcon(QLatin1String(AppIcon)));

    aboutBox = new ZelAbout(this);
    dlgEditSentence = new DlgEditSentence(this);
    dlgRandomSentences = new DlgRandomSentences(this);

    session = new LxdSession(this);
    session->setObjectName(QStringLiteral("session"));
    db = session->database();
    doc = session->document();
    fileGuard = session->fileGuard();
    recovery = session->recovery();
    wordModel = new LxdbWordListModel(db, this);
    sentenceModel = new LxdbSentenceTableModel(db, this);
    setupRecovery();

    createWidgets();
    createActions();
    createMenus();
    createToolBars();

    readSettings();
    connect(session, &LxdSession::fileNamed, this, &MainWindow::fileNamed);
    setCurrentFile(QString());

    lvWords->setModel(wordModel);
    tvSentences->setModel(sentenceModel);
    doc->setSelectionModels(lvWords->selectionModel(), tvSentences->selectionModel());

    makeConnections();

    setupUserDatabase();
    setupHelpClient();
    processCommandLine();
    if (currentFile().isEmpty())
        recentFileActs[0]->activate(QAction::Trigger);
    offerRecoveryAtStartup();
}

MainWindow::~MainWindow()
{
    // The views outlive the models by a moment; their selection models must not call back into a
    // window that is half gone.
    lvWords->selectionModel()->disconnect(this);
    tvSentences->selectionModel()->disconnect(this);
    lwOutput->selectionModel()->disconnect(this);
    // Nor the session as it goes, nor the exercise's fields.
    for (QObject *part : std::initializer_list<QObject *> {session, session->output(), doc->undoStack(), db,
             fileGuard, recovery, ledExerciseTitle, pteExtraWords, spbDatabaseWords, spbVersions, cmbHints,
             cmbVersionKind, cmbInstructionLanguage})
        part->disconnect(this);

    // The models read the database: they go before it (the views fall back on empty models).
    delete sentenceModel;
    delete wordModel;
    delete session;
    delete dlgRandomSentences;
    delete dlgEditSentence;
    delete aboutBox;
    delete ui;
}

// --- Widgets ---------------------------------------------------------------------------------------

void MainWindow::createWidgets()
{
    layMain = new QVBoxLayout(ui->centralWidget);
    layMain->setObjectName(QStringLiteral("layMain"));
    // Low above and none below, where the status bar follows: the panes get the height.
    const QMargins margins = layMain->contentsMargins();
    layMain->setContentsMargins(margins.left(), margins.top() / 2, margins.right(), 0);

    createHeader();

    splMain = new QSplitter(Qt::Vertical, ui->centralWidget);
    splMain->setObjectName(QStringLiteral("splMain"));
    splMain->setChildrenCollapsible(false);
    createTopPane();
    createBottomPane();
    layMain->addWidget(splMain, 0);

    createFootButtons();
    nameViews();
}

// A screen reader names the three lists by their headings, without the counts.
void MainWindow::nameViews()
{
    lvWords->setAccessibleName(tr("Words"));
    tvSentences->setAccessibleName(tr("Sentences"));
    lwOutput->setAccessibleName(tr("Output"));
    scaOptions->setAccessibleName(tr("Exercise options"));
    // Both lists have a pair of arrows; a screen reader tells them apart by what they move.
    const std::tuple<QToolBar *, QAction *, QString> arrows[] {
        {tbrDbUpDown, actDbSentenceUp, tr("Move sentence up")},
        {tbrDbUpDown, actDbSentenceDown, tr("Move sentence down")},
        {tbrOutputUpDown, actOutSentenceUp, tr("Move output entry up")},
        {tbrOutputUpDown, actOutSentenceDown, tr("Move output entry down")}};
    for (const auto &[toolbar, action, name] : arrows) {
        if (QWidget *button = toolbar->widgetForAction(action))
            button->setAccessibleName(name);
    }
    // Tab reaches each option itself, and the pane scrolls to it.
    scaOptions->setFocusPolicy(Qt::NoFocus);
}

void MainWindow::createHeader()
{
    layHeader = new QHBoxLayout;
    layHeader->setObjectName(QStringLiteral("layHeader"));

    const QImage logo {QString::fromLatin1(AppIcon)};
    lblLogoLeft = new QLabel(ui->centralWidget);
    lblLogoLeft->setObjectName(QStringLiteral("lblLogoLeft"));
    lblLogoRight = new QLabel(ui->centralWidget);
    lblLogoRight->setObjectName(QStringLiteral("lblLogoRight"));
    for (QLabel *label : {lblLogoLeft, lblLogoRight}) {
        label->setPixmap(QPixmap::fromImage(logo));
        label->setScaledContents(true);
        label->setFixedSize(32, 32);
    }

    lblTitle = new QLabel(tr("Lexivane"), ui->centralWidget);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setAlignment(Qt::AlignHCenter);
    lblTitle->setFont(titleFont());

    layHeader->addWidget(lblLogoLeft);
    layHeader->addWidget(lblTitle);
    layHeader->addWidget(lblLogoRight);
    layMain->addLayout(layHeader, 0);
}

QPushButton *MainWindow::newButton(
    QDialogButtonBox *box, const char *name, const QString &text, const QString &iconPath, bool enabled)
{
    auto *button = new QPushButton(QIcon(iconPath), text, box);
    button->setObjectName(QLatin1String(name));
    button->setEnabled(enabled);
    box->addButton(button, QDialogButtonBox::ActionRole);
    return button;
}

QAction *MainWindow::newAction(
    const char *name, const QString &text, const QString &iconPath, const QString &statusTip)
{
    auto *action = new QAction(text, this);
    action->setObjectName(QLatin1String(name));
    if (!iconPath.isEmpty())
        action->setIcon(QIcon(iconPath));
    action->setIconVisibleInMenu(true);
    if (!statusTip.isEmpty())
        action->setStatusTip(statusTip);
    return action;
}

// Alt+Up and Alt+Down move the selected entries of `list` as its toolbar's arrows do, where the
// list has the keyboard's focus.
void MainWindow::moveKeys(QWidget *list, QAction *up, QAction *down)
{
    up->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Up));
    down->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Down));
    for (QAction *action : {up, down}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        list->addAction(action);
    }
}

void MainWindow::createTopPane()
{
    wgtTop = new QWidget(splMain);
    wgtTop->setObjectName(QStringLiteral("wgtTop"));
    wgtTop->setMinimumHeight(200);
    grdTop = new QGridLayout(wgtTop);
    grdTop->setObjectName(QStringLiteral("grdTop"));

    lblWords = new QLabel(tr("Words"), wgtTop);
    lblWords->setObjectName(QStringLiteral("lblWords"));
    lblWords->setFont(headingFont());
    lblSentences = new QLabel(tr("Sentences"), wgtTop);
    lblSentences->setObjectName(QStringLiteral("lblSentences"));
    lblSentences->setFont(headingFont());

    lvWords = new QListView(wgtTop);
    lvWords->setObjectName(QStringLiteral("lvWords"));
    lvWords->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    lvWords->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Every headword is one line: the list then measures one row, not all of them, after each change.
    lvWords->setUniformItemSizes(true);
    lvWords->setFocusPolicy(Qt::StrongFocus);

    actDbSentenceUp = newAction("actDbSentenceUp", tr("Move &up"), QStringLiteral(":/svgIcons/arrow_up.svg"),
        tr("Move the selected sentence(s) up in the list."));
    actDbSentenceDown = newAction("actDbSentenceDown", tr("Move &down"),
        QStringLiteral(":/svgIcons/arrow_down.svg"), tr("Move the selected sentence(s) down in the list."));
    tbrDbUpDown = new QToolBar(tr("&Db"), wgtTop);
    tbrDbUpDown->setObjectName(QStringLiteral("tbrDbUpDown"));
    tbrDbUpDown->setOrientation(Qt::Vertical);
    tbrDbUpDown->addAction(actDbSentenceUp);
    tbrDbUpDown->addAction(actDbSentenceDown);

    bbxWords = new QDialogButtonBox(Qt::Horizontal, wgtTop);
    bbxWords->setObjectName(QStringLiteral("bbxWords"));
    btnAddWord = newButton(
        bbxWords, "btnAddWord", tr("New word"), QStringLiteral(":/svgIcons/general_add.svg"), true);
    btnDeleteWord = newButton(
        bbxWords, "btnDeleteWord", tr("Delete"), QStringLiteral(":/svgIcons/general_remove.svg"), false);

    // Made after the headword buttons: Tab follows the order the widgets were made in, and goes
    // from the headword list to its buttons, then to the sentences.
    tvSentences = new QTableView(wgtTop);
    tvSentences->setObjectName(QStringLiteral("tvSentences"));
    tvSentences->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tvSentences->horizontalHeader()->setStretchLastSection(true);
    tvSentences->setColumnWidth(0, tvSentences->fontMetrics().horizontalAdvance(QLatin1Char('m')) + 4);
    tvSentences->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    tvSentences->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Rows are chosen whole, so Tab leaves the table rather than walking its cells.
    tvSentences->setTabKeyNavigation(false);
    moveKeys(tvSentences, actDbSentenceUp, actDbSentenceDown);

    bbxSentences = new QDialogButtonBox(Qt::Horizontal, wgtTop);
    bbxSentences->setObjectName(QStringLiteral("bbxSentences"));
    btnAddSentence = newButton(bbxSentences, "btnAddSentence", tr("New sentence"),
        QStringLiteral(":/svgIcons/general_add.svg"), true);
    btnDeleteSentence = newButton(bbxSentences, "btnDeleteSentence", tr("Delete sentence"),
        QStringLiteral(":/svgIcons/general_remove.svg"), false);
    btnEditSentence = newButton(
        bbxSentences, "btnEditSentence", tr("Edit"), QStringLiteral(":/svgIcons/general_edit.svg"), false);
    btnUseSentence = newButton(
        bbxSentences, "btnUseSentence", tr("Use"), QStringLiteral(":/svgIcons/arrow_down.svg"), false);

    grdTop->addWidget(lblWords, 0, 0);
    grdTop->addWidget(lblSentences, 0, 2);
    grdTop->addWidget(lvWords, 1, 0);
    grdTop->addWidget(tvSentences, 1, 2);
    grdTop->addWidget(tbrDbUpDown, 1, 3);
    grdTop->addWidget(bbxWords, 2, 0);
    grdTop->addWidget(bbxSentences, 2, 2);
    grdTop->setColumnMinimumWidth(1, 20);
    grdTop->setColumnStretch(0, 1);
    grdTop->setColumnStretch(1, 0);
    grdTop->setColumnStretch(2, 5);

    splMain->addWidget(wgtTop);
}

void MainWindow::createBottomPane()
{
    wgtBottom = new QWidget(splMain);
    wgtBottom->setObjectName(QStringLiteral("wgtBottom"));
    wgtBottom->setMinimumHeight(200);
    grdBottom = new QGridLayout(wgtBottom);
    grdBottom->setObjectName(QStringLiteral("grdBottom"));

    lblOutput = new QLabel(tr("Output"), wgtBottom);
    lblOutput->setObjectName(QStringLiteral("lblOutput"));
    lblOutput->setFont(headingFont());

    createExerciseOptions();

    lwOutput = new QListView(wgtBottom);
    lwOutput->setObjectName(QStringLiteral("lwOutput"));
    lwOutput->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lwOutput->setModel(session->output());

    actOutSentenceUp = newAction("actOutSentenceUp", tr("Move &up"),
        QStringLiteral(":/svgIcons/arrow_up.svg"), tr("Move the selected sentence(s) up in the list."));
    actOutSentenceDown = newAction("actOutSentenceDown", tr("Move &down"),
        QStringLiteral(":/svgIcons/arrow_down.svg"), tr("Move the selected sentence(s) down in the list."));
    tbrOutputUpDown = new QToolBar(tr("&Output"), wgtBottom);
    tbrOutputUpDown->setObjectName(QStringLiteral("tbrOutputUpDown"));
    tbrOutputUpDown->setOrientation(Qt::Vertical);
    tbrOutputUpDown->addAction(actOutSentenceUp);
    tbrOutputUpDown->addAction(actOutSentenceDown);
    moveKeys(lwOutput, actOutSentenceUp, actOutSentenceDown);

    bbxOutputEdit = new QDialogButtonBox(Qt::Horizontal, wgtBottom);
    bbxOutputEdit->setObjectName(QStringLiteral("bbxOutputEdit"));
    bbxOutputEdit->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Minimum);
    btnDeleteOutputSentence = newButton(bbxOutputEdit, "btnDeleteOutputSentence", tr("Delete"),
        QStringLiteral(":/svgIcons/general_remove.svg"), false);
    btnClearOutputSentences = newButton(bbxOutputEdit, "btnClearOutputSentences", tr("Clear"),
        QStringLiteral(":/svgIcons/general_remove-all.svg"), false);

    bbxExport = new QDialogButtonBox(Qt::Horizontal, wgtBottom);
    bbxExport->setObjectName(QStringLiteral("bbxExport"));
    bbxExport->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Minimum);
    bbxExportMore = new QDialogButtonBox(Qt::Horizontal, wgtBottom);
    bbxExportMore->setObjectName(QStringLiteral("bbxExportMore"));
    bbxExportMore->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Minimum);
    createExportControls();
    layExport = new ZelFlowLayout;
    layExport->setObjectName(QStringLiteral("layExport"));
    layExport->addWidget(bbxExport);
    layExport->addWidget(bbxExportMore);

    layOutputButtons = new QHBoxLayout;
    layOutputButtons->setObjectName(QStringLiteral("layOutputButtons"));
    layOutputButtons->addWidget(bbxOutputEdit, 0, Qt::AlignTop);
    layOutputButtons->addStretch();
    layOutputButtons->addLayout(layExport);

    grdBottom->addWidget(lblOutput, 0, 0, 1, 3, Qt::AlignCenter);
    grdBottom->addWidget(scaOptions, 1, 0);
    grdBottom->addWidget(lwOutput, 1, 2);
    grdBottom->addWidget(tbrOutputUpDown, 1, 3);
    // The buttons take the whole width under the options and the list, so they wrap onto a second
    // row only on a narrow window.
    grdBottom->addLayout(layOutputButtons, 2, 0, 1, 3);
    grdBottom->setColumnMinimumWidth(1, 20);
    // A minimum height of its own replaces the layout's: never let it be less than the option boxes
    // and the button rows need, or they are drawn over one another.
    wgtBottom->setMinimumHeight(qMax(200, grdBottom->totalMinimumSize().height()));

    splMain->addWidget(wgtBottom);
}

void MainWindow::createFootButtons()
{
    // At the foot of the window, at the right end of the status bar rather than in a row of their
    // own: the row's height is what a low screen cannot spare.
    bbxFile = new QDialogButtonBox(Qt::Horizontal, ui->statusBar);
    bbxFile->setObjectName(QStringLiteral("bbxFile"));
    btnBackupDb = newButton(
        bbxFile, "btnBackupDb", tr("Backup database"), QStringLiteral(":/svgIcons/general_backup.svg"), true);
    btnQuit = newButton(bbxFile, "btnQuit", tr("Exit"), QStringLiteral(":/svgIcons/general_quit.svg"), true);
    ui->statusBar->addPermanentWidget(bbxFile);
}

// --- Actions, menus, toolbars ----------------------------------------------------------------------

QAction *MainWindow::createOptionAction(
    const char *name, const QString &text, const QString &statusTip, QCheckBox *mirror)
{
    QAction *action = newAction(name, text, QString(), statusTip);
    action->setCheckable(true);
    action->setChecked(mirror->isChecked());
    // Both directions: a second setChecked with an unchanged state emits nothing, so the pair settles.
    connect(action, &QAction::toggled, mirror, &QCheckBox::setChecked);
    connect(mirror, &QCheckBox::toggled, action, &QAction::setChecked);
    return action;
}

void MainWindow::createActions()
{
    actFileNew = newAction("actFileNew", tr("&New"), QStringLiteral(":/svgIcons/file_new.svg"),
        tr("Create a new vocabulary database file"));
    actFileNew->setShortcut(QKeySequence::New);
    connect(actFileNew, &QAction::triggered, this, &MainWindow::fileNew);

    actFileOpen = newAction("actFileOpen", tr("&Open"), QStringLiteral(":/svgIcons/file_open.svg"),
        tr("Open an existing vocabulary database file"));
    actFileOpen->setShortcut(QKeySequence::Open);
    connect(actFileOpen, &QAction::triggered, this, &MainWindow::fileOpen);

    actFileAppend = newAction("actFileAppend", tr("&Append"), QStringLiteral(":/svgIcons/file_append.svg"),
        tr("Open an existing vocabulary database file and append it to the current database."));
    connect(actFileAppend, &QAction::triggered, this, &MainWindow::fileAppend);

    actFileSave = newAction("actFileSave", tr("&Save"), QStringLiteral(":/svgIcons/file_save.svg"),
        tr("Save the current vocabulary database file"));
    actFileSave->setShortcut(QKeySequence::Save);
    connect(actFileSave, &QAction::triggered, this, &MainWindow::fileSave);

    actFileSaveAs = newAction("actFileSaveAs", tr("Save As"), QStringLiteral(":/svgIcons/file_saveas.svg"),
        tr("Save the current vocabulary database file with a new name"));
    actFileSaveAs->setShortcut(QKeySequence::SaveAs);
    connect(actFileSaveAs, &QAction::triggered, this, &MainWindow::fileSaveAs);

    actFileExportXml
        = newAction("actFileExportXml", tr("&Export to XML"), QStringLiteral(":/svgIcons/file_save-xml.svg"),
            tr("Save the current vocabulary database to a file in XML format"));
    connect(actFileExportXml, &QAction::triggered, this, &MainWindow::fileExportXml);

    actFileImportXml = newAction("actFileImportXml", tr("&Import from XML"),
        QStringLiteral(":/svgIcons/file_open-xml.svg"), tr("Import a vocabulary database from XML format"));
    connect(actFileImportXml, &QAction::triggered, this, &MainWindow::fileImportXml);

    actFileImport = newAction("actFileImport", tr("Im&port..."), QStringLiteral(":/svgIcons/file_append.svg"),
        tr("Add the words of a spreadsheet (CSV, TSV), KVTML or Hot Potatoes file to the current database."));
    connect(actFileImport, &QAction::triggered, this, &MainWindow::fileImport);

    actFileQuit
        = newAction("actFileQuit", tr("&Quit"), QStringLiteral(":/svgIcons/general_quit.svg"), QString());
    actFileQuit->setShortcut(QKeySequence::Quit);
    connect(actFileQuit, &QAction::triggered, this, &MainWindow::fileQuit);

    for (int i = 0; i < MaxRecentFiles; ++i) {
        recentFileActs[i] = new QAction(this);
        recentFileActs[i]->setObjectName(QStringLiteral("recentFileActs%1").arg(i));
        recentFileActs[i]->setVisible(false);
        connect(recentFileActs[i], &QAction::triggered, this, &MainWindow::fileOpenRecent);
    }

    // The texts name the step they undo or redo, as "&Undo Delete Sentences"; each language words
    // that in its own way ("&Rückgängig: Sätze löschen").
    QUndoStack *stack = doc->undoStack();
    actEditUndo = newAction("actEditUndo", tr("&Undo"), QStringLiteral(":/svgIcons/edit_undo.svg"),
        tr("Undo the last change to the database."));
    actEditUndo->setShortcut(QKeySequence::Undo);
    actEditUndo->setEnabled(false);
    connect(actEditUndo, &QAction::triggered, stack, &QUndoStack::undo);
    connect(stack, &QUndoStack::canUndoChanged, actEditUndo, &QAction::setEnabled);
    connect(stack, &QUndoStack::undoTextChanged, actEditUndo, [this](const QString &step) {
        actEditUndo->setText(step.isEmpty() ? tr("&Undo") : tr("&Undo %1", "%1 names the step").arg(step));
    });
    actEditRedo = newAction("actEditRedo", tr("&Redo"), QStringLiteral(":/svgIcons/edit_redo.svg"),
        tr("Make the change again that was undone last."));
    actEditRedo->setShortcut(QKeySequence::Redo);
    actEditRedo->setEnabled(false);
    connect(actEditRedo, &QAction::triggered, stack, &QUndoStack::redo);
    connect(stack, &QUndoStack::canRedoChanged, actEditRedo, &QAction::setEnabled);
    connect(stack, &QUndoStack::redoTextChanged, actEditRedo, [this](const QString &step) {
        actEditRedo->setText(step.isEmpty() ? tr("&Redo") : tr("&Redo %1", "%1 names the step").arg(step));
    });

    // The Delete key works in each list as its delete button does, questions included.
    const auto deleteKey = [this](const char *name, QWidget *list, void (MainWindow::*slot)()) {
        auto *action = new QAction(list);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(QKeySequence::Delete);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        list->addAction(action);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    actDeleteWordsKey = deleteKey("actDeleteWordsKey", lvWords, &MainWindow::deleteWords);
    actDeleteSentencesKey = deleteKey("actDeleteSentencesKey", tvSentences, &MainWindow::deleteSentences);
    actDeleteOutputKey = deleteKey("actDeleteOutputKey", lwOutput, &MainWindow::deleteOutputSentences);

    actAddWord = newAction("actAddWord", tr("&New word"), QStringLiteral(":/svgIcons/general_add.svg"),
        tr("Add a new headword to the database."));
    connect(actAddWord, &QAction::triggered, this, &MainWindow::addWord);

    actDeleteWords = newAction(
        "actDeleteWords", tr("&Delete word"), QStringLiteral(":/svgIcons/general_remove.svg"), QString());
    actDeleteWords->setEnabled(false);
    connect(actDeleteWords, &QAction::triggered, this, &MainWindow::deleteWords);

    actRenameWord = newAction("actRenameWord", tr("&Rename headword"),
        QStringLiteral(":/svgIcons/general_edit.svg"), tr("Change the text of the selected headword."));
    actRenameWord->setShortcut(QKeySequence(Qt::Key_F2));
    actRenameWord->setEnabled(false);
    connect(actRenameWord, &QAction::triggered, this, &MainWindow::renameWord);

    actFindSentences = newAction("actFindSentences", tr("&Find sentences in a text..."),
        QStringLiteral(":/svgIcons/search_find.svg"),
        tr("Find example sentences for the headwords in a text you have."));
    connect(actFindSentences, &QAction::triggered, this, &MainWindow::findSentences);

    actAddSentence = newAction("actAddSentence", tr("&New Sentence"),
        QStringLiteral(":/svgIcons/general_add.svg"), tr("Add a new sentence to the database."));
    actAddSentence->setEnabled(false);
    connect(actAddSentence, &QAction::triggered, this, &MainWindow::addSentence);

    actDeleteSentences = newAction("actDeleteSentences", tr("&Delete Sentence"),
        QStringLiteral(":/svgIcons/general_remove.svg"), QString());
    actDeleteSentences->setEnabled(false);
    connect(actDeleteSentences, &QAction::triggered, this, &MainWindow::deleteSentences);

    actEditSentence = newAction("actEditSentence", tr("&Edit Sentence"),
        QStringLiteral(":/svgIcons/general_edit.svg"), tr("Edit the selected sentence."));
    actEditSentence->setEnabled(false);
    connect(actEditSentence, &QAction::triggered, this, qOverload<>(&MainWindow::editSentence));

    actUseSentences = newAction("actUseSentences", tr("&Use Sentence"),
        QStringLiteral(":/svgIcons/arrow_down.svg"), tr("Use the selected sentence(s) in the output."));
    actUseSentences->setEnabled(false);
    connect(actUseSentences, &QAction::triggered, this, &MainWindow::useSentences);

    actZeroUsed
        = newAction("actZeroUsed", tr("&Zero all used values"), QStringLiteral(":/svgIcons/general_zero.svg"),
            tr("Set the value of the 'Used' counter to zero for all sentences in the database."));
    connect(actZeroUsed, &QAction::triggered, this, &MainWindow::zeroUsed);

    actIncludeQNums = createOptionAction("actIncludeQNums", tr("&Include Q #s"),
        tr("Include question numbers for all the sentences in the output."), chkIncludeQNums);
    actGapWords = createOptionAction(
        "actGapWords", tr("&Gap words"), tr("Gap all the key words in the output sentences."), chkGapWords);
    actBracketWords = createOptionAction("actBracketWords", tr("&Bracket words"),
        tr("Include brackets around key words in the output."), chkBracketWords);
    actJumbleOrder = createOptionAction("actJumbleOrder", tr("&Jumble order"),
        tr("Jumble the order of the sentences in the output."), chkJumbleOrder);
    actIncludeWordList = createOptionAction("actIncludeWordList", tr("Include word &list"),
        tr("Include a list of all the gapped words in the output."), chkIncludeWordList);
    actAnswerKey = createOptionAction("actAnswerKey", tr("&Answer key"),
        tr("Add an answer key to the output: the answers of each question, in order."), chkAnswerKey);
    actShuffleWordList = createOptionAction("actShuffleWordList", tr("Shu&ffle word list"),
        tr("Shuffle the word list: one word for each gap, in a random order."), chkShuffleWordList);

    actDeleteOutputSentences
        = newAction("actDeleteOutputSentences", tr("Delete"), QStringLiteral(":/svgIcons/general_remove.svg"),
            tr("Remove the selected sentences from the output list."));
    actDeleteOutputSentences->setEnabled(false);
    connect(actDeleteOutputSentences, &QAction::triggered, this, &MainWindow::deleteOutputSentences);
    actClearOutputSentences = newAction("actClearOutputSentences", tr("Clear"),
        QStringLiteral(":/svgIcons/general_remove-all.svg"),
        tr("Remove all sentences from the output list."));
    actClearOutputSentences->setEnabled(false);
    connect(actClearOutputSentences, &QAction::triggered, this, &MainWindow::lwOutputClear);

    actRandomSentences
        = newAction("actRandomSentences", tr("&Random output"), QStringLiteral(":/svgIcons/general_wand.svg"),
            tr("Generate a random selection of sentences in the output box."));
    actRandomSentences->setEnabled(false);
    connect(actRandomSentences, &QAction::triggered, this, &MainWindow::randomSentences);

    actFind = newAction("actFind", tr("&Find"), QStringLiteral(":/svgIcons/search_find.svg"),
        tr("Search for text in the database"));
    actFind->setShortcut(QKeySequence::Find);
    connect(actFind, &QAction::triggered, this, &MainWindow::find);

    actFindNext
        = newAction("actFindNext", tr("Find &next"), QStringLiteral(":/svgIcons/search_find-again.svg"),
            tr("Search for the next instance of text in the database"));
    actFindNext->setShortcut(QKeySequence::FindNext);
    connect(actFindNext, &QAction::triggered, this, &MainWindow::findNext);

    actHelpHelp = newAction(
        "actHelpHelp", tr("&Help"), QStringLiteral(":/svgIcons/general_help.svg"), tr("Open the Help file."));
    // Plain F1 belongs to the context help.
    actHelpHelp->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F1));
    connect(actHelpHelp, &QAction::triggered, this, &MainWindow::helpHelp);

    actHelpGettingStarted = newAction("actHelpGettingStarted", tr("&Getting started"),
        QStringLiteral(":/svgIcons/general_tutorial.svg"),
        tr("Show the 'Getting started' topic in the Help file."));
    connect(actHelpGettingStarted, &QAction::triggered, this, &MainWindow::helpGettingStarted);

    actShowAboutBox
        = newAction("actShowAboutBox", tr("&About") + QLatin1Char(' ') + QCoreApplication::applicationName(),
            QLatin1String(AppIcon), tr("Show information about the application."));
    connect(actShowAboutBox, &QAction::triggered, this, &MainWindow::showAboutBox);

    connect(btnQuit, &QPushButton::clicked, this, &MainWindow::fileQuit);
}

void MainWindow::createMenus()
{
    QMenuBar *bar = ui->menuBar;

    mnuFile = bar->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFile->addAction(actFileNew);
    mnuFile->addAction(actFileOpen);
    mnuFile->addAction(actFileSave);
    mnuFile->addAction(actFileSaveAs);
    mnuFile->addSeparator();
    mnuFile->addAction(actFileAppend);
    mnuFile->addAction(actFileExportXml);
    mnuFile->addAction(actFileImportXml);
    mnuFile->addAction(actFileImport);
    recentSeparator = mnuFile->addSeparator();
    recentSeparator->setObjectName(QStringLiteral("recentSeparator"));
    for (QAction *action : recentFileActs)
        mnuFile->addAction(action);
    mnuFile->addSeparator();
    mnuFile->addAction(actFileQuit);

    mnuEdit = bar->addMenu(tr("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuEdit->addAction(actEditUndo);
    mnuEdit->addAction(actEditRedo);
    mnuEdit->addSeparator();
    createLanguageMenu(mnuEdit);

    mnuWords = bar->addMenu(tr("&Words"));
    mnuWords->setObjectName(QStringLiteral("mnuWords"));
    mnuWords->addAction(actAddWord);
    mnuWords->addAction(actRenameWord);
    mnuWords->addAction(actDeleteWords);
    mnuWords->addSeparator();
    mnuWords->addAction(actFindSentences);

    mnuSentences = bar->addMenu(tr("&Sentences"));
    mnuSentences->setObjectName(QStringLiteral("mnuSentences"));
    mnuSentences->addAction(actAddSentence);
    mnuSentences->addAction(actDeleteSentences);
    mnuSentences->addAction(actEditSentence);
    mnuSentences->addAction(actUseSentences);
    mnuSentences->addSeparator();
    mnuSentences->addAction(actZeroUsed);
    addSpellingCommands(mnuSentences);

    mnuSearch = bar->addMenu(tr("&Search"));
    mnuSearch->setObjectName(QStringLiteral("mnuSearch"));
    mnuSearch->addAction(actFind);
    mnuSearch->addAction(actFindNext);

    mnuOutput = bar->addMenu(tr("&Output"));
    mnuOutput->setObjectName(QStringLiteral("mnuOutput"));
    mnuOutput->addAction(actIncludeQNums);
    mnuOutput->addAction(actGapWords);
    mnuOutput->addAction(actBracketWords);
    mnuOutput->addAction(actJumbleOrder);
    mnuOutput->addAction(actIncludeWordList);
    mnuOutput->addAction(actAnswerKey);
    mnuOutput->addAction(actShuffleWordList);
    mnuOutput->addSeparator();
    mnuExport = mnuOutput->addMenu(tr("&Export"));
    mnuExport->setObjectName(QStringLiteral("mnuExport"));
    mnuExport->addActions(exportActions);
    mnuOutput->addSeparator();
    mnuOutput->addAction(actRandomSentences);

    mnuHelp = bar->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelp->addAction(actHelpHelp);
    mnuHelp->addAction(actHelpGettingStarted);
    mnuHelp->addSeparator();
    mnuHelp->addAction(actShowAboutBox);
}

void MainWindow::createToolBars()
{
    tbrFile = addToolBar(tr("&File"));
    tbrFile->setObjectName(QStringLiteral("tbrFile"));
    tbrFile->addAction(actFileNew);
    tbrFile->addAction(actFileOpen);
    tbrFile->addAction(actFileSave);
    tbrFile->addAction(actFileSaveAs);
    tbrFile->addSeparator();
    tbrFile->addAction(actFileAppend);
    tbrFile->addAction(actFileExportXml);
    tbrFile->addAction(actFileImportXml);
    tbrFile->addSeparator();
    tbrFile->addAction(actFileQuit);

    tbrEdit = addToolBar(tr("&Edit"));
    tbrEdit->setObjectName(QStringLiteral("tbrEdit"));
    tbrEdit->addAction(actEditUndo);
    tbrEdit->addAction(actEditRedo);

    tbrSearch = addToolBar(tr("&Search"));
    tbrSearch->setObjectName(QStringLiteral("tbrSearch"));
    tbrSearch->addAction(actFind);
    tbrSearch->addAction(actFindNext);

    tbrOutput = addToolBar(tr("&Output"));
    tbrOutput->setObjectName(QStringLiteral("tbrOutput"));
    tbrOutput->addAction(actRandomSentences);

    tbrHelp = addToolBar(tr("&Help"));
    tbrHelp->setObjectName(QStringLiteral("tbrHelp"));
    tbrHelp->addAction(actHelpHelp);
    tbrHelp->addAction(actHelpGettingStarted);
}

void MainWindow::makeConnections()
{
    QItemSelectionModel *wordSelection = lvWords->selectionModel();
    QItemSelectionModel *sentenceSelection = tvSentences->selectionModel();
    connect(actDbSentenceUp, &QAction::triggered, this, &MainWindow::dbSentenceUp);
    connect(actDbSentenceDown, &QAction::triggered, this, &MainWindow::dbSentenceDown);
    connect(actOutSentenceUp, &QAction::triggered, this, &MainWindow::outSentenceUp);
    connect(actOutSentenceDown, &QAction::triggered, this, &MainWindow::outSentenceDown);
    // The sentence table follows the current headword.
    connect(wordSelection, &QItemSelectionModel::currentChanged, sentenceModel,
        &LxdbSentenceTableModel::wordSelectionChanged);
    connect(
        sentenceModel, &QAbstractItemModel::layoutChanged, tvSentences, &QTableView::resizeColumnsToContents);
    connect(
        sentenceModel, &QAbstractItemModel::layoutChanged, tvSentences, &QTableView::resizeRowsToContents);
    connect(lvWords, &QListView::doubleClicked, this, &MainWindow::editWord);
    connect(btnAddWord, &QPushButton::clicked, this, &MainWindow::addWord);
    connect(btnDeleteWord, &QPushButton::clicked, this, &MainWindow::deleteWords);
    connect(tvSentences, &QTableView::doubleClicked, this,
        qOverload<const QModelIndex &>(&MainWindow::editSentence));
    connect(btnAddSentence, &QPushButton::clicked, this, &MainWindow::addSentence);
    connect(btnEditSentence, &QPushButton::clicked, this, qOverload<>(&MainWindow::editSentence));
    connect(btnDeleteSentence, &QPushButton::clicked, this, &MainWindow::deleteSentences);
    connect(btnUseSentence, &QPushButton::clicked, this, &MainWindow::useSentences);
    connect(wordSelection, &QItemSelectionModel::selectionChanged, this, &MainWindow::lvWordsSelChange);
    connect(
        sentenceSelection, &QItemSelectionModel::selectionChanged, this, &MainWindow::tvSentencesSelChange);
    connect(lwOutput->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &MainWindow::setOutputListButtonStates);
    connect(btnClearOutputSentences, &QPushButton::clicked, this, &MainWindow::lwOutputClear);
    connect(btnDeleteOutputSentence, &QPushButton::clicked, this, &MainWindow::deleteOutputSentences);
    connect(btnBackupDb, &QPushButton::clicked, this, &MainWindow::backupDb);
    // The count labels follow the rows of their models.
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved}) {
        connect(wordModel, signal, this, &MainWindow::updateWordCount);
        connect(sentenceModel, signal, this, &MainWindow::updateSentenceCount);
    }
    connect(wordModel, &QAbstractItemModel::modelReset, this, &MainWindow::updateWordCount);
    // The count, the buttons and the exports follow the rows of the output list, also on undo.
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved}) {
        connect(session->output(), signal, this, &MainWindow::updateOutputCount);
        connect(session->output(), signal, this, &MainWindow::setOutputListButtonStates);
    }

    // Moving through the headwords with the keyboard changes the headword selection before the current
    // headword, so the handler above sees the sentences of the previous headword; and the reset that
    // follows drops the sentence selection without a word. Recount and recheck once the table has
    // switched, so the label and the sentence buttons never describe sentences that are gone.
    connect(sentenceModel, &QAbstractItemModel::modelReset, this, [this] {
        tvSentencesSelChange(QItemSelection(), QItemSelection());
        updateSentenceCount();
    });
    // Loading, clearing and appending reset the headword list, which empties its selection without a
    // selection signal: the headword buttons must learn of it too.
    connect(lvWords->model(), &QAbstractItemModel::modelReset, this,
        [this] { lvWordsSelChange(QItemSelection(), QItemSelection()); });

    setupContextMenus();

    connect(db, &LxdDatabase::modifiedChanged, this, &QWidget::setWindowModified);
    connect(doc->undoStack(), &QUndoStack::indexChanged, this, &MainWindow::undoneOrRedone);
    connect(fileGuard, &LxdFileGuard::changedOnDisk, this, &MainWindow::fileChangedOnDisk);
    connect(fileGuard, &LxdFileGuard::removedFromDisk, this, &MainWindow::fileRemovedFromDisk);
    connectSession();
}

namespace {

// Turns the context menu events of an item view (a right click reaches its viewport, the menu key
// the view itself) into one call with the position in the viewport and the item the menu is for.
class ContextMenuFilter : public QObject
{
public:
    using Show = std::function<void(const QPoint &, const QModelIndex &)>;

    ContextMenuFilter(QAbstractItemView *view, Show show)
        : QObject(view)
        , view(view)
        , show(std::move(show))
    {
        view->installEventFilter(this);
        view->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ContextMenu)
            return false;
        auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        if (menuEvent->reason() == QContextMenuEvent::Keyboard) {
            // The menu key: the current item, or the middle of the list when there is none.
            const QModelIndex current = view->currentIndex();
            const QRect rect = view->visualRect(current);
            show(current.isValid() && view->viewport()->rect().intersects(rect)
                    ? rect.center()
                    : view->viewport()->rect().center(),
                current);
        } else if (watched == view->viewport()) {
            show(menuEvent->pos(), view->indexAt(menuEvent->pos()));
        } else {
            return false;
        }
        return true;
    }

private:
    QAbstractItemView *view;
    Show show;
};

} // namespace

void MainWindow::setupContextMenus()
{
    const auto offer = [this](QAbstractItemView *view, const QList<QAction *> &actions) {
        new ContextMenuFilter(view, [this, view, actions](const QPoint &pos, const QModelIndex &index) {
            showContextMenu(view, pos, index, actions);
        });
    };
    offer(lvWords, {actAddWord, actRenameWord, actDeleteWords, nullptr, actAddSentence});
    offer(tvSentences,
        {actAddSentence, actEditSentence, actDeleteSentences, actUseSentences, nullptr, actDbSentenceUp,
            actDbSentenceDown});
    offer(lwOutput,
        {actDeleteOutputSentences, actClearOutputSentences, nullptr, actOutSentenceUp, actOutSentenceDown,
            nullptr, mnuExport->menuAction(), actRandomSentences});
}

void MainWindow::showContextMenu(
    QAbstractItemView *view, const QPoint &pos, const QModelIndex &index, const QList<QAction *> &actions)
{
    // As in other desktop programs, a click on an item outside the selection makes it the selection;
    // one inside keeps the selection, so that a command can act on several items.
    if (index.isValid() && !view->selectionModel()->isSelected(index)) {
        const auto rows = view->selectionBehavior() == QAbstractItemView::SelectRows
            ? QItemSelectionModel::Rows
            : QItemSelectionModel::NoUpdate;
        view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | rows);
    }
    QMenu menu(this);
    menu.setObjectName(view->objectName() + QLatin1String("Menu"));
    for (QAction *action : actions) {
        if (action)
            menu.addAction(action);
        else
            menu.addSeparator();
    }
    menu.exec(view->viewport()->mapToGlobal(pos));
}

// --- Settings ----------------------------------------------------------------------------------------

// The frame is known only once the window manager has framed the window: until then, allow for a
// title bar and thin borders.
QMargins MainWindow::frameAllowance() const
{
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const int titleBar
        = qMax(style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this), fontMetrics().height() * 2);
    return QMargins(
        qMax(frame.left(), 4), qMax(frame.top(), titleBar), qMax(frame.right(), 4), qMax(frame.bottom(), 4));
}

// A short screen (a small laptop at 150%) cannot spare the banner's row, which only repeats the title
// bar: there the window gives it up and lets the upper pane shrink further, so that the whole window,
// frame included, fits the free area.
void MainWindow::fitBannerToScreen()
{
    const QScreen *where = screen();
    if (!where)
        return;
    const QMargins frame = frameAllowance();
    const int room = where->availableGeometry().height() - frame.top() - frame.bottom();
    // Measuring lays the window out, which gives a window not yet shown a least size early.
    const bool unmeasured = minimumSize().isNull();
    const auto restore = qScopeGuard([this, unmeasured] {
        if (unmeasured)
            setMinimumSize(0, 0);
    });
    for (const bool shown : {true, false}) {
        for (QWidget *widget : std::initializer_list<QWidget *> {lblLogoLeft, lblTitle, lblLogoRight})
            widget->setVisible(shown);
        wgtTop->setMinimumHeight(shown ? 200 : 150);
        // The splitter learns of its panes' new least sizes by posted events; the window must now.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        layout()->activate();
        if (minimumSizeHint().height() <= room)
            break;
    }
}

void MainWindow::fitFirstSize()
{
    const QScreen *where = screen();
    if (!where)
        return;
    fitBannerToScreen();
    const QMargins frame = frameAllowance();
    const QRect available = where->availableGeometry();
    const QSize size = QSize(1280, 800).boundedTo(available.size().shrunkBy(frame));
    resize(size.expandedTo(minimumSizeHint()));
    firstSize = this->size();
    // In the middle of the free area, its frame within it.
    const QSize outer = this->size().grownBy(frame);
    move(available.left() + qMax(0, (available.width() - outer.width()) / 2),
        available.top() + qMax(0, (available.height() - outer.height()) / 2));
}

void MainWindow::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        if (fitFirstSizeOnShow && size() == firstSize) {
            fitFirstSize();
            // The window manager may place the frame otherwise than asked (above the screen's top,
            // its title bar out of reach); once it has framed the window, the frame is known.
            QTimer::singleShot(500, this, [this] {
                const QRect available = screen()->availableGeometry();
                const QRect outer = frameGeometry();
                if (size() == firstSize && !available.contains(outer) && outer.height() <= available.height()
                    && outer.width() <= available.width())
                    move(qBound(available.left(), outer.left(), available.right() + 1 - outer.width()),
                        qBound(available.top(), outer.top(), available.bottom() + 1 - outer.height()));
            });
        } else
            fitBannerToScreen();
        fitFirstSizeOnShow = false;
    }
    QMainWindow::showEvent(event);
}

void MainWindow::readSettings()
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("mainWindow"));
    // With no stored geometry (the first run) the window opens at a size that shows the panes
    // comfortably, within the screen, rather than at the least size its layout allows; again when
    // it shows, since only then is the screen it shows on known.
    fitFirstSizeOnShow = !restoreGeometry(settings.value(QStringLiteral("geometry")).toByteArray());
    if (fitFirstSizeOnShow)
        fitFirstSize();
    restoreState(settings.value(QStringLiteral("state")).toByteArray(), 0);
    splMain->restoreState(settings.value(QStringLiteral("splMainState")).toByteArray());
    recentFiles = settings.value(QStringLiteral("recentFiles")).toStringList();
    storedRecentFiles = recentFiles;

    // The exercise's options and title are the session's; the settings hold those of the last run,
    // under the names of the check boxes.
    QMap<QString, bool> options = session->exercise().options;
    for (auto it = options.begin(); it != options.end(); ++it)
        *it = settings.value(it.key(), *it).toBool();
    session->setStartingExercise(options, settings.value(QStringLiteral("exerciseTitle")).toString());
    showExercise();

    const QString defaultFolder = documentsUserFolder();
    lastVocFileDir = settings.value(QStringLiteral("lastVocFileDir"), defaultFolder).toString();
    lastXmlFileDir = settings.value(QStringLiteral("lastXmlFileDir"), defaultFolder).toString();
    lastRtfFileDir = settings.value(QStringLiteral("lastRtfFileDir"), defaultFolder).toString();
    lastXhtmlFileDir = settings.value(QStringLiteral("lastXhtmlFileDir"), defaultFolder).toString();
    lastJclFileDir = settings.value(QStringLiteral("lastJclFileDir"), defaultFolder).toString();
    lastJmtFileDir = settings.value(QStringLiteral("lastJmtFileDir"), defaultFolder).toString();
    lastImportFileDir = settings.value(QStringLiteral("lastImportFileDir"), defaultFolder).toString();
    readExportFolders(settings, defaultFolder);

    updateRecentFileActions();
    settings.endGroup();
}

void MainWindow::writeSettings()
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("mainWindow"));
    settings.setValue(QStringLiteral("geometry"), saveGeometry());
    settings.setValue(QStringLiteral("splMainState"), splMain->saveState());
    settings.setValue(QStringLiteral("recentFiles"), recentFiles);
    settings.setValue(QStringLiteral("state"), saveState(0));

    const LxdRecoverySession exercise = session->exercise();
    for (auto it = exercise.options.cbegin(); it != exercise.options.cend(); ++it)
        settings.setValue(it.key(), it.value());

    settings.setValue(QStringLiteral("lastVocFileDir"), lastVocFileDir);
    settings.setValue(QStringLiteral("lastXmlFileDir"), lastXmlFileDir);
    settings.setValue(QStringLiteral("lastRtfFileDir"), lastRtfFileDir);
    settings.setValue(QStringLiteral("lastXhtmlFileDir"), lastXhtmlFileDir);
    settings.setValue(QStringLiteral("lastJclFileDir"), lastJclFileDir);
    settings.setValue(QStringLiteral("lastJmtFileDir"), lastJmtFileDir);
    settings.setValue(QStringLiteral("lastImportFileDir"), lastImportFileDir);
    writeExportFolders(settings);
    settings.setValue(QStringLiteral("exerciseTitle"), exercise.title);
    settings.endGroup();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (okToContinue()) {
        // The changes were saved or given up: a clean quit leaves no recovery copy.
        session->end();
        writeSettings();
        fileGuard->forget(); // the database is closed: its lock goes
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::changeEvent(QEvent *e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        // The form's title is only a placeholder for the real one.
        updateWindowTitle();
    }
}

// --- Current file and recent files -------------------------------------------------------------------

QString MainWindow::*MainWindow::lastFolderMember(const QString &settingsKey) const
{
    static const QMap<QString, QString MainWindow::*> members {
        {QStringLiteral("lastVocFileDir"), &MainWindow::lastVocFileDir},
        {QStringLiteral("lastXmlFileDir"), &MainWindow::lastXmlFileDir},
        {QStringLiteral("lastRtfFileDir"), &MainWindow::lastRtfFileDir},
        {QStringLiteral("lastXhtmlFileDir"), &MainWindow::lastXhtmlFileDir},
        {QStringLiteral("lastJclFileDir"), &MainWindow::lastJclFileDir},
        {QStringLiteral("lastJmtFileDir"), &MainWindow::lastJmtFileDir},
        {QStringLiteral("lastImportFileDir"), &MainWindow::lastImportFileDir},
    };
    return members.value(settingsKey, nullptr);
}

QString MainWindow::lastFolder(const QString &settingsKey) const
{
    QString MainWindow::*member = lastFolderMember(settingsKey);
    return member ? this->*member : exportFolders.value(settingsKey);
}

void MainWindow::setLastFolderForTesting(const QString &settingsKey, const QString &folder)
{
    QString MainWindow::*member = lastFolderMember(settingsKey);
    if (member)
        this->*member = folder;
    else
        exportFolders[settingsKey] = folder;
}

void MainWindow::fileNamed(const QString &fileName)
{
    if (!fileName.isEmpty()) {
        recentFiles.removeAll(fileName);
        recentFiles.prepend(fileName);
        updateRecentFileActions();
    }
    updateWindowTitle();
}

void MainWindow::updateWindowTitle()
{
    QString shownName = currentFile().isEmpty() ? tr("Untitled") : strippedName(currentFile());
    if (fileGuard && fileGuard->isReadOnly())
        shownName = tr("%1 (read-only)").arg(shownName);
    setWindowTitle(
        tr("%1: %2[*] - %3").arg(QCoreApplication::applicationName()).arg(shownName).arg(tr("database")));
    setWindowModified(db->isModified());
}

// An undone or redone step has put the data and the selections back; the labels and the title
// follow.
void MainWindow::undoneOrRedone()
{
    updateWordCount();
    updateSentenceCount();
    setWindowModified(db->isModified());
}

void MainWindow::updateRecentFileActions()
{
    recentFiles.erase(std::remove_if(recentFiles.begin(), recentFiles.end(),
                          [](const QString &file) { return !QFile::exists(file); }),
        recentFiles.end());

    for (int j = 0; j < MaxRecentFiles; ++j) {
        if (j < recentFiles.count()) {
            recentFileActs[j]->setText(tr("&%1 %2").arg(j + 1).arg(strippedName(recentFiles[j])));
            recentFileActs[j]->setData(recentFiles[j]);
            recentFileActs[j]->setVisible(true);
        } else {
            recentFileActs[j]->setVisible(false);
        }
    }
    recentSeparator->setVisible(!recentFiles.isEmpty());
    storeRecentFiles();
}

// The list is stored whenever it changes, so that a crash does not lose it.
void MainWindow::storeRecentFiles()
{
    if (recentFiles == storedRecentFiles)
        return;
    QSettings settings;
    settings.setValue(QStringLiteral("mainWindow/recentFiles"), recentFiles);
    storedRecentFiles = recentFiles;
}

QString MainWindow::strippedName(const QString &fullFileName)
{
    return QFileInfo(fullFileName).fileName();
}

void MainWindow::fileOpenRecent()
{
    auto *action = qobject_cast<QAction *>(sender());
    if (!action)
        return;
    // Read before the unsaved-changes question: saving under a new name there reorders the list.
    const QString fileName = action->data().toString();
    if (!okToContinue())
        return;
    loadFile(fileName, false);
}

// --- About and help ------------------------------------------------------------------------------------

void MainWindow::showAboutBox()
{
    aboutBox->setAppTitle(QStringLiteral("Lexivane"));
    aboutBox->setAppVersion(QStringLiteral("3.0.20110613.58"));
    aboutBox->exec();
}

void MainWindow::helpHelp()
{
    ZelUtils::openFile(ZelUtils::dataPath(QStringLiteral("help/help.htm")), true);
}

void MainWindow::helpGettingStarted()
{
    ZelUtils::openFile(ZelUtils::dataPath(QStringLiteral("help/getting_started.htm")), true);
}

void MainWindow::setupHelpClient()
{
    auto *helpClient = new ZelHelpClient(this);
    helpClient->setObjectName(QStringLiteral("helpClient"));
    QMap<QWidget *, QString> pages;
    pages.insert(lvWords, QStringLiteral("lxv_main_lvWords.htm"));
    pages.insert(btnAddWord, QStringLiteral("lxv_main_addWord.htm"));
    pages.insert(btnDeleteWord, QStringLiteral("lxv_main_deleteWord.htm"));
    pages.insert(tvSentences, QStringLiteral("lxv_main_tvSentences.htm"));
    pages.insert(btnAddSentence, QStringLiteral("lxv_main_addSentence.htm"));
    pages.insert(btnDeleteSentence, QStringLiteral("lxv_main_deleteSentence.htm"));
    pages.insert(btnEditSentence, QStringLiteral("lxv_main_editSentence.htm"));
    pages.insert(btnUseSentence, QStringLiteral("lxv_main_useSentence.htm"));
    pages.insert(tbrDbUpDown, QStringLiteral("lxv_main_dbUpDown.htm"));
    pages.insert(chkIncludeQNums, QStringLiteral("lxv_main_includeQNums.htm"));
    pages.insert(chkGapWords, QStringLiteral("lxv_main_gapWords.htm"));
    pages.insert(chkBracketWords, QStringLiteral("lxv_main_bracketWords.htm"));
    pages.insert(chkJumbleOrder, QStringLiteral("lxv_main_jumbleOrder.htm"));
    pages.insert(chkIncludeWordList, QStringLiteral("lxv_main_includeWordList.htm"));
    pages.insert(chkAnswerKey, QStringLiteral("lxv_main_answerKey.htm"));
    pages.insert(chkShuffleWordList, QStringLiteral("lxv_main_shuffleWordList.htm"));
    for (QWidget *control : std::initializer_list<QWidget *> {
             chkDifferentiated, spbVersions, cmbVersionKind, chkKeysAtEnd, cmbHints})
        pages.insert(control, QStringLiteral("lxv_main_versions.htm"));
    pages.insert(cmbInstructionLanguage, QStringLiteral("exercise_options.htm"));
    pages.insert(lwOutput, QStringLiteral("lxv_main_lwOutput.htm"));
    pages.insert(btnDeleteOutputSentence, QStringLiteral("lxv_main_deleteOutputSentence.htm"));
    pages.insert(btnClearOutputSentences, QStringLiteral("lxv_main_clearOutputSentences.htm"));
    addExportHelpPages(pages);
    pages.insert(tbrOutputUpDown, QStringLiteral("lxv_main_outputUpDown.htm"));
    pages.insert(btnBackupDb, QStringLiteral("lxv_main_backupDb.htm"));
    pages.insert(btnQuit, QStringLiteral("lxv_main_quit.htm"));
    helpClient->setHelpPages(pages);
}
