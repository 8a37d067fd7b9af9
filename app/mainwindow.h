// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "import/lxdimportrun.h"

#include <QItemSelection>
#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QModelIndex>
#include <QStringList>

#include "document/lxddocument.h"
#include "document/lxdsession.h"
#include "exercise/exerciseoptions.h"

#include <memory>
#include <optional>

class QAbstractItemView;
class QAction;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QListView;
class QListWidget;
class QMenu;
class QPushButton;
class QScrollArea;
class QSettings;
class QSplitter;
class QTableView;
class QToolBar;
class QVBoxLayout;
class ZelBusyCursor;

class DlgCheckSpelling;
class DlgEditSentence;
class DlgRandomSentences;
class LxdDatabase;
class LxdbSentenceTableModel;
class LxdbWordListModel;
class LxdFileGuard;
class LxdFileLock;
class LxdRecovery;
class SpellChecker;
struct LxdRecoveryCopy;
struct LxdRecoverySession;
class ZelBusyCursor;
class ZelFlowLayout;
class ZelAbout;
struct ExerciseModel;
struct ExportFormat;

namespace Ui {
class MainWindow;
}

// The program's only top-level window: the vocabulary database with its headword list and sentence
// table, the output list with the exercise options, and every command. The commands live in
// mainwindow_<group>.cpp by command group; this class only ties them together.
class MainWindow : public QMainWindow, private LxdSessionQuestions
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // processCommandLine() reads QCoreApplication::arguments(). Tests hand in their own command line
    // (program path first) before constructing a window; an empty list goes back to the real one.
    static void setCommandLineForTesting(const QStringList &arguments);
    // The exports read their templates from `folder`; an empty one goes back to the program's own.
    static void setTemplateFolderForTesting(const QString &folder);
    // Names `fileName` as the open file (recent files and title follow) without reading anything.
    void setCurrentFileForTesting(const QString &fileName) { session->setFileName(fileName); }
    // Puts `folder` where the file dialogs kept under `settingsKey` ("lastVocFileDir", ...) start.
    void setLastFolderForTesting(const QString &settingsKey, const QString &folder);

    // What is open, for whoever needs to look without a command: the vocabulary database, the file
    // it was read from (empty for an unnamed one) and the recent files, newest first.
    const LxdDatabase *database() const { return db; }
    // The edits and their history, for the tests.
    const LxdDocument *document() const { return doc; }
    // The open database, its file and the exercise, which the window shows.
    LxdSession *lxdSession() const { return session; }
    // The models through which the views show the database.
    LxdbWordListModel *wordListModel() const { return wordModel; }
    LxdbSentenceTableModel *sentenceTableModel() const { return sentenceModel; }
    QString currentFile() const { return session->fileName(); }
    QStringList recentFileList() const { return recentFiles; }
    // Output list (mainwindow_output.cpp): the texts of the output entries in list order, and the
    // exercise options as checked.
    QStringList outputEntries() const;
    ExerciseOptions exerciseOptions() const;
    SheetOptions sheetOptions() const;
    // The folder the export run by the action named `actionName` offers next (the last one saved to),
    // and the one the file dialogs kept under `settingsKey` in the settings ("lastVocFileDir", ...) do.
    QString lastExportFolder(const char *actionName) const;
    QString lastFolder(const QString &settingsKey) const;

protected:
    void changeEvent(QEvent *e) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private slots:
    // File commands (mainwindow_files.cpp), help, about and the recent files.
    void fileNew();
    void fileOpen();
    void fileAppend();
    bool fileSave();
    bool fileSaveAs();
    void fileExportXml();
    void fileImportXml();
    void fileImport();
    void fileQuit();
    void zeroUsed();
    // Words > Find sentences in a text (mainwindow_finder.cpp).
    void findSentences();
    void helpHelp();
    void helpGettingStarted();
    void showAboutBox();
    void find();
    void findNext();
    bool okToContinue();
    void dbSentenceUp();
    void dbSentenceDown();
    void outSentenceUp();
    void outSentenceDown();
    void fileOpenRecent();

    // Editing (mainwindow_editing.cpp), output (mainwindow_output.cpp), exports (mainwindow_exports.cpp).
    void editWord(const QModelIndex &index);
    void renameWord();
    void editSentence(const QModelIndex &index);
    void editSentence();
    void randomSentences();
    void addWord();
    void addSentence();
    void deleteWords();
    void lvWordsSelChange(const QItemSelection &selected, const QItemSelection &deselected);
    void deleteSentences();
    void updateWordCount();
    void updateSentenceCount();
    void updateOutputCount();
    void useSentences();
    void tvSentencesSelChange(const QItemSelection &selected, const QItemSelection &deselected);
    void setOutputListButtonStates();
    void deleteOutputSentences();
    void lwOutputClear();
    void backupDb();
    void checkSpelling();

private:
    enum { MaxRecentFiles = 5 };

    void createWidgets();
    void createHeader();
    void createTopPane();
    void createBottomPane();
    void createExerciseOptions();
    void createFootButtons();
    QPushButton *newButton(
        QDialogButtonBox *box, const char *name, const QString &text, const QString &iconPath, bool enabled);
    QAction *newAction(
        const char *name, const QString &text, const QString &iconPath, const QString &statusTip);
    void createActions();
    QAction *createOptionAction(
        const char *name, const QString &text, const QString &statusTip, QCheckBox *mirror);
    void createMenus();
    void createToolBars();
    void makeConnections();
    // Right click and the menu key on the three lists: the commands for what is under the pointer.
    void setupContextMenus();
    void showContextMenu(QAbstractItemView *view, const QPoint &pos, const QModelIndex &index,
        const QList<QAction *> &actions);

    void readSettings();
    void writeSettings();

    void setCurrentFile(const QString &fileName) { session->setFileName(fileName); }
    void fileNamed(const QString &fileName);
    void updateWindowTitle();
    void undoneOrRedone();
    void updateRecentFileActions();
    QString strippedName(const QString &fullFileName);
    // The member keeping the last folder stored under `settingsKey`; nullptr for those kept in
    // exportFolders.
    QString MainWindow::*lastFolderMember(const QString &settingsKey) const;

    void setupUserDatabase();
    void processCommandLine();
    void applySizeOption(const QString &argument);
    void setupHelpClient();

    bool loadFile(const QString &fileName, bool append);
    bool saveFile(const QString &fileName);

    // Loading helpers (mainwindow_files.cpp).
    enum LoadResult { LoadDone, LoadCancelled, LoadFailed };
    LoadResult appendDatabaseFile(const QString &fileName);
    void selectFirstHeadword();
    // The session's questions, with the window's boxes.
    bool confirmRepeatedHeadwords() override;
    std::optional<LxdMergeMode> chooseMergeOrKeep() override;
    bool readLargeFile(const QString &fileName, qint64 size) override;
    LockAnswer askAboutLock(const LxdFileLock &lock) override;
    SaveAnswer askOverwriteChanged(const QString &fileName) override;
    ZelBusyCursor *appendBusy = nullptr; // paused while an append question is open

    // File safety (mainwindow_filesafety.cpp): the lock of the open database, and the questions when
    // another program changed or removed it.
    QString lockHolderText(const QString &fileName, const LxdFileLock::Holder &holder) const;
    bool reportFileSafety(const LxdOutcome &outcome);
    void fileChangedOnDisk();
    void fileRemovedFromDisk();
    void reloadFromDisk();
    bool mergeFromDisk();
    // The recovery copy of unsaved changes (mainwindow_recovery.cpp).
    void setupRecovery();
    void offerRecovery(const QString &databaseFile);
    void offerRecoveryAtStartup();
    enum RecoveryAnswer { Recovered, NotRecovered, RecoverLater };
    RecoveryAnswer askAboutRecovery(const LxdRecoveryCopy &copy);
    void warnRecoveryFailed(const QString &copyFile);
    void createSheetOptions(QVBoxLayout *column);
    // The language of the database's sentences (mainwindow_language.cpp).
    void createLanguageMenu(QMenu *menu);
    void showDatabaseLanguage();
    void chooseOtherLanguage();
    // Sets the language of the sentences as one step to undo, and says so in the status bar.
    void setDatabaseLanguage(const QString &tag);
    void connectSession();
    void showExercise();
    void storeRecentFiles();
    QStringList storedRecentFiles; // the list as the settings hold it
    // The first size, on a first run: within the screen the window shows on, less its frame.
    void fitFirstSize();
    QMargins frameAllowance() const;
    void fitBannerToScreen();
    void nameViews();
    void moveKeys(QWidget *list, QAction *up, QAction *down);
    bool fitFirstSizeOnShow = false;
    QSize firstSize; // as fitFirstSize() left it: a size given since then is kept

    // Import helpers (mainwindow_import.cpp).
    LxdImportRun::Outcome readImportFile(const QString &fileName);
    void showImportReport(
        const QString &fileName, const LxdImport::Result &result, const LxdDocument::MergeOutcome &merged);

    // Spelling (mainwindow_spelling.cpp): the one place that says which language the open database
    // is checked in, the window's checker for it, and the command that checks the whole database.
    QString spellingLanguage() const;
    std::shared_ptr<SpellChecker> spellChecker();
    void addSpellingCommands(QMenu *menu);
    std::shared_ptr<SpellChecker> spelling;
    DlgCheckSpelling *dlgCheckSpelling = nullptr;
    QAction *actCheckSpelling = nullptr;

    // Editing helpers (mainwindow_editing.cpp).
    void moveSentences(bool up);
    void searchFrom(int startWord, int startSentence);

    // Exports (mainwindow_exports.cpp): one table of export kinds, each a format of ExportFormats with
    // the window's controls and questions, whose rows the window turns into actions, buttons, menu
    // entries, help pages and settings; one exercise model per command, built from the output entries,
    // the options and one seed, which the format's renderer turns into its file; one frame for the kinds
    // that write a file. Templates are read from `templateFolder`, or when it is empty from "templates"
    // in the program's data folder.
    struct ExportKind;
    static const QList<ExportKind> &exportKinds();
    static const ExportKind &exportKind(const char *actionName);
    void createExportControls();
    QString &exportFolder(const ExportKind &kind);
    void readExportFolders(const QSettings &settings, const QString &defaultFolder);
    void writeExportFolders(QSettings &settings) const;
    void addExportHelpPages(QMap<QWidget *, QString> &pages) const;
    void runExport(const ExportKind &kind);
    void printExercise(const ExerciseSheets &sheets);
    void exportOutput(const ExportKind &kind, const ExportFormat &format, const ExerciseSheets &sheets);
    // Several files of one export: asks before any existing one is replaced, writes them in order and
    // says which one failed; false when nothing more is to be said.
    bool writeSheetFiles(const ExportKind &kind, const QList<SheetFile> &files, ZelBusyCursor &busy);
    static QString templateFolder;

    Ui::MainWindow *ui = nullptr;
    LxdSession *session = nullptr; // the open database, its file and the exercise
    LxdDatabase *db = nullptr; // the session's, as are the next three
    LxdDocument *doc = nullptr;
    LxdbWordListModel *wordModel = nullptr; // the headwords, for lvWords
    LxdbSentenceTableModel *sentenceModel = nullptr; // the current headword's sentences, for tvSentences
    LxdFileGuard *fileGuard = nullptr; // the open file's lock and watch
    LxdRecovery *recovery = nullptr; // the copy of unsaved changes kept against a crash
    DlgEditSentence *dlgEditSentence = nullptr;
    DlgRandomSentences *dlgRandomSentences = nullptr;
    ZelAbout *aboutBox = nullptr;

    QStringList recentFiles;
    QAction *recentFileActs[MaxRecentFiles] = {};
    QAction *recentSeparator = nullptr;

    QString searchText;
    int findWordRow = -1;
    int findSentenceRow = -1;

    QString lastVocFileDir;
    QString lastXmlFileDir;
    QString lastRtfFileDir;
    QString lastXhtmlFileDir;
    QString lastJclFileDir;
    QString lastJmtFileDir;
    QString lastImportFileDir;
    QMap<QString, QString> exportFolders; // last folders of the export kinds without a member, by key

    // Central widget.
    QVBoxLayout *layMain = nullptr;
    QHBoxLayout *layHeader = nullptr;
    QLabel *lblLogoLeft = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblLogoRight = nullptr;
    QSplitter *splMain = nullptr;
    QDialogButtonBox *bbxFile = nullptr;
    QPushButton *btnBackupDb = nullptr;
    QPushButton *btnQuit = nullptr;

    // Top pane: headwords and the sentences of the current one.
    QWidget *wgtTop = nullptr;
    QGridLayout *grdTop = nullptr;
    QLabel *lblWords = nullptr;
    QLabel *lblSentences = nullptr;
    QListView *lvWords = nullptr;
    QTableView *tvSentences = nullptr;
    QToolBar *tbrDbUpDown = nullptr;
    QDialogButtonBox *bbxWords = nullptr;
    QPushButton *btnAddWord = nullptr;
    QPushButton *btnDeleteWord = nullptr;
    QDialogButtonBox *bbxSentences = nullptr;
    QPushButton *btnAddSentence = nullptr;
    QPushButton *btnDeleteSentence = nullptr;
    QPushButton *btnEditSentence = nullptr;
    QPushButton *btnUseSentence = nullptr;
    QAction *actDbSentenceUp = nullptr;
    QAction *actDbSentenceDown = nullptr;

    // Bottom pane: the output list and the exercise options.
    QWidget *wgtBottom = nullptr;
    QGridLayout *grdBottom = nullptr;
    QLabel *lblOutput = nullptr;
    QScrollArea *scaOptions = nullptr; // the exercise options, scrolling when the pane is low
    QWidget *wgtOptions = nullptr;
    QVBoxLayout *layOptions = nullptr;
    QCheckBox *chkIncludeQNums = nullptr;
    QCheckBox *chkGapWords = nullptr;
    QCheckBox *chkBracketWords = nullptr;
    QCheckBox *chkJumbleOrder = nullptr;
    QCheckBox *chkIncludeWordList = nullptr;
    QCheckBox *chkAnswerKey = nullptr;
    QCheckBox *chkShuffleWordList = nullptr;
    // The sheets an export makes, and the hints on the gaps.
    QCheckBox *chkDifferentiated = nullptr;
    QLabel *lblHints = nullptr;
    QComboBox *cmbHints = nullptr;
    QLabel *lblInstructionLanguage = nullptr;
    QComboBox *cmbInstructionLanguage = nullptr;
    QLabel *lblVersions = nullptr;
    QSpinBox *spbVersions = nullptr;
    QComboBox *cmbVersionKind = nullptr;
    QCheckBox *chkKeysAtEnd = nullptr;
    QLabel *lblExerciseTitle = nullptr;
    QLineEdit *ledExerciseTitle = nullptr;
    QPushButton *btnNewShuffle = nullptr;
    QLabel *lblExtraWords = nullptr;
    QPlainTextEdit *pteExtraWords = nullptr;
    QLabel *lblDatabaseWords = nullptr;
    QSpinBox *spbDatabaseWords = nullptr;
    QListView *lwOutput = nullptr; // shows the session's output list
    QToolBar *tbrOutputUpDown = nullptr;
    QHBoxLayout *layOutputButtons = nullptr;
    QDialogButtonBox *bbxOutputEdit = nullptr;
    QPushButton *btnDeleteOutputSentence = nullptr;
    QPushButton *btnClearOutputSentences = nullptr;
    QDialogButtonBox *bbxExport = nullptr;
    // The later export kinds' buttons, beside bbxExport, or below it when the window is too narrow
    // for one row.
    QDialogButtonBox *bbxExportMore = nullptr;
    ZelFlowLayout *layExport = nullptr;
    QPushButton *btnExportTextToClipboard = nullptr;
    QPushButton *btnExportXHTML = nullptr;
    QPushButton *btnExportRTF = nullptr;
    QPushButton *btnExportJMatch = nullptr;
    QPushButton *btnExportJCloze = nullptr;
    // Every export kind's button and action, in the order of the table.
    QList<QPushButton *> exportButtons;
    QList<QAction *> exportActions;
    QAction *actOutSentenceUp = nullptr;
    QAction *actOutSentenceDown = nullptr;

    // Actions.
    QAction *actFileNew = nullptr;
    QAction *actFileOpen = nullptr;
    QAction *actFileAppend = nullptr;
    QAction *actFileSave = nullptr;
    QAction *actFileSaveAs = nullptr;
    QAction *actFileExportXml = nullptr;
    QAction *actFileImportXml = nullptr;
    QAction *actFileImport = nullptr;
    QAction *actFileQuit = nullptr;
    QAction *actEditUndo = nullptr;
    QAction *actEditRedo = nullptr;
    // The Delete key in the three lists.
    QAction *actDeleteWordsKey = nullptr;
    QAction *actDeleteSentencesKey = nullptr;
    QAction *actDeleteOutputKey = nullptr;
    QAction *actAddWord = nullptr;
    QAction *actDeleteWords = nullptr;
    QAction *actRenameWord = nullptr;
    QAction *actFindSentences = nullptr;
    // The output list's two buttons as commands, for its context menu.
    QAction *actDeleteOutputSentences = nullptr;
    QAction *actClearOutputSentences = nullptr;
    QAction *actAddSentence = nullptr;
    QAction *actDeleteSentences = nullptr;
    QAction *actEditSentence = nullptr;
    QAction *actUseSentences = nullptr;
    QAction *actZeroUsed = nullptr;
    QAction *actIncludeQNums = nullptr;
    QAction *actGapWords = nullptr;
    QAction *actBracketWords = nullptr;
    QAction *actJumbleOrder = nullptr;
    QAction *actIncludeWordList = nullptr;
    QAction *actAnswerKey = nullptr;
    QAction *actShuffleWordList = nullptr;
    QAction *actSentencesToClipboard = nullptr;
    QAction *actSaveAsXHTML = nullptr;
    QAction *actSaveAsRTF = nullptr;
    QAction *actSaveAsJMatch = nullptr;
    QAction *actSaveAsJCloze = nullptr;
    QAction *actRandomSentences = nullptr;
    QAction *actFind = nullptr;
    QAction *actFindNext = nullptr;
    QAction *actHelpHelp = nullptr;
    QAction *actHelpGettingStarted = nullptr;
    QAction *actShowAboutBox = nullptr;

    // Menus and toolbars.
    QMenu *mnuFile = nullptr;
    QMenu *mnuEdit = nullptr;
    QMenu *mnuWords = nullptr;
    QMenu *mnuSentences = nullptr;
    QMenu *mnuSearch = nullptr;
    QMenu *mnuOutput = nullptr;
    QMenu *mnuExport = nullptr;
    QMenu *mnuHelp = nullptr;
    QMenu *mnuDatabaseLanguage = nullptr;
    QToolBar *tbrFile = nullptr;
    QToolBar *tbrEdit = nullptr;
    QToolBar *tbrSearch = nullptr;
    QToolBar *tbrOutput = nullptr;
    QToolBar *tbrHelp = nullptr;
};

#endif // MAINWINDOW_H
