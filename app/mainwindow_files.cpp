// SPDX-License-Identifier: GPL-3.0-or-later
// File commands: new, open, append, import, save, backup, quit, XML exchange, and loading a database file.
#include "app/mainwindow.h"

#include "data/lxddatabase.h"
#include "document/lxddocument.h"
#include "models/lxdbsentencetablemodel.h"
#include "models/lxdbwordlistmodel.h"
#include "util/zelbusycursor.h"
#include "util/zelconfirm.h"
#include "util/zelfiledialog.h"

#include <QDir>
#include <QDomDocument>
#include <QDomElement>
#include <QFile>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QStringConverter>
#include <QTemporaryFile>

namespace {

// The format version the program writes its database files in.
constexpr int DatabaseFileVersion = 3;

const char *const RootElementName = "lexivane-vocabulary-database";

QString nativePath(const QString &fileName)
{
    return QDir::toNativeSeparators(fileName);
}

// A database file is text. A zero byte never occurs in one, unless it is UTF-16 or UTF-32, which start
// with a byte-order mark; a file with zero bytes among its first bytes is a picture, an archive, a
// word-processor document, and reading it line by line would only fill the database with rubbish.
bool isBinaryFile(const QString &fileName)
{
    QFile file(fileName);
    if (fileName.isEmpty() || !file.open(QIODevice::ReadOnly))
        return false; // the load itself reports a file that cannot be read
    const QByteArray head = file.read(64 * 1024);
    if (QStringConverter::encodingForData(head))
        return false;
    return head.contains('\0');
}

// Runs a data operation that reads or writes a file; an exception raised inside counts as a failure.
template<typename Operation>
bool guarded(Operation operation)
{
    try {
        return operation();
    } catch (...) {
        return false;
    }
}

// Asks the two questions about headwords that the appended file repeats. Returns the mode that
// resolves the append, or -1 when the user cancelled at either question.
int askAppendMode()
{
    const QString title = MainWindow::tr("Duplicate entries in database");

    if (!ZelConfirm::ask(title,
            MainWindow::tr("The database you are appending contains some of the same headwords as the "
                           "current database."),
            MainWindow::tr("Are you sure you want to continue?")))
        return -1;

    QMessageBox choice;
    choice.setObjectName(QStringLiteral("mergeOrKeepQuestion"));
    choice.setWindowTitle(title);
    choice.setText(MainWindow::tr(
        "You can either merge duplicate headwords into a single entry, or keep the duplicates."));
    choice.setInformativeText(MainWindow::tr("Would you like to merge duplicates or keep them?"));
    QPushButton *merge = choice.addButton(MainWindow::tr("&Merge"), QMessageBox::ActionRole);
    QPushButton *keep = choice.addButton(MainWindow::tr("&Keep"), QMessageBox::ActionRole);
    choice.addButton(QMessageBox::Cancel);
    choice.setDefaultButton(QMessageBox::Cancel);
    choice.exec();
    if (choice.clickedButton() == merge)
        return LxdDatabase::MergeDuplicates;
    if (choice.clickedButton() == keep)
        return LxdDatabase::KeepDuplicates;
    return -1;
}

} // namespace

// --- Unsaved changes, new, quit ---------------------------------------------------------------------

bool MainWindow::okToContinue()
{
    if (!db->isModified())
        return true;
    const int answer = QMessageBox::warning(this, tr("Resource file"),
        tr("The database has been modified.\nDo you want to save your changes?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes)
        return fileSave();
    return answer == QMessageBox::No;
}

void MainWindow::fileNew()
{
    if (!okToContinue())
        return;
    db->clear();
    setCurrentFile(QString());
    db->setModified(false);
    doc->clearHistory();
}

void MainWindow::fileQuit()
{
    close();
}

// --- Open and append ----------------------------------------------------------------------------------

void MainWindow::fileOpen()
{
    if (!okToContinue())
        return;
    const QString fileName = ZelFileDialog::getOpenFileName(this, tr("Open vocabulary database file"),
        lastVocFileDir, tr("Vocabulary database files (*.lxv *.voc)"));
    if (fileName.isEmpty())
        return;
    lastVocFileDir = QFileInfo(fileName).canonicalPath();
    loadFile(fileName, false);
}

void MainWindow::fileAppend()
{
    // Appending keeps the current database, so there is nothing to ask about unsaved changes.
    const QString fileName = ZelFileDialog::getOpenFileName(this, tr("Append vocabulary database file"),
        lastVocFileDir, tr("Vocabulary database files (*.lxv *.voc)"));
    if (fileName.isEmpty())
        return;
    lastVocFileDir = QFileInfo(fileName).canonicalPath();

    // A file that could not be read has changed nothing, and the database stays as it was. Once the
    // file was read, also when the user then cancelled at the duplicate questions, the database counts
    // as changed and is put in order.
    const LoadResult result = loadDatabaseFile(fileName, true);
    if (result != LoadFailed) {
        db->setModified(true);
        ZelBusyCursor busy;
        db->sort();
    }
    // Whatever the append changed, the sort included, is one step to undo.
    doc->endAppend();
    if (result != LoadFailed)
        selectFirstHeadword();
}

bool MainWindow::loadFile(const QString &fileName, bool append)
{
    return loadDatabaseFile(fileName, append) == LoadDone;
}

MainWindow::LoadResult MainWindow::loadDatabaseFile(const QString &fileName, bool append)
{
    ZelBusyCursor busy;

    if (isBinaryFile(fileName)) {
        {
            ZelBusyCursor::Pause pause(busy);
            QMessageBox::warning(this, tr("File open error"),
                tr("This file is not a vocabulary database:\n%1").arg(nativePath(fileName)));
        }
        statusBar()->showMessage(append ? tr("Appending file failed.") : tr("Loading cancelled."), 2000);
        return LoadFailed;
    }

    if (!append) {
        // An empty name comes from the first recent-file entry when the list is empty.
        const bool loaded = guarded([&] {
            db->clear();
            return !fileName.isEmpty() && db->loadText(fileName);
        });
        if (!loaded) {
            // The old content is gone. Left under the old file name, the empty database could later be
            // saved over that file; as an untitled, unmodified database it is as harmless as a new one.
            guarded([&] {
                db->clear();
                return true;
            });
            setCurrentFile(QString());
            db->setModified(false);
            doc->clearHistory();
            statusBar()->showMessage(tr("Loading cancelled."), 2000);
            return LoadFailed;
        }
        doc->clearHistory();
        setCurrentFile(fileName);
        statusBar()->showMessage(tr("File loaded"), 2000);
    } else {
        doc->beginAppend();
        int result = LxdDatabase::AppendFailed;
        guarded([&] {
            result = db->appendFile(fileName);
            return true;
        });

        if (result == LxdDatabase::AppendFailed) {
            statusBar()->showMessage(tr("Appending file failed."), 2000);
            return LoadFailed;
        }
        if (result == LxdDatabase::AppendDone) {
            statusBar()->showMessage(tr("Appending file completed."), 2000);
        } else {
            int mode = -1;
            {
                ZelBusyCursor::Pause pause(busy);
                mode = askAppendMode();
            }
            if (mode < 0) {
                statusBar()->showMessage(tr("Appending file cancelled."), 2000);
                return LoadCancelled;
            }
            if (mode == LxdDatabase::MergeDuplicates)
                doc->beginMerge();
            if (guarded([&] { return db->resolveAppend(mode); }))
                statusBar()->showMessage(tr("Appending file completed."), 2000);
            else
                statusBar()->showMessage(tr("Appending file failed."), 2000);
        }
    }

    busy.release();
    selectFirstHeadword();
    return LoadDone;
}

// Clears the headword selection and makes the first headword current and selected, which shows its
// sentences; then brings the count labels up to date.
void MainWindow::selectFirstHeadword()
{
    QItemSelectionModel *selection = lvWords->selectionModel();
    selection->clearSelection();
    selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    const QModelIndex first = db->wordListModel->index(0, 0);
    if (first.isValid())
        selection->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect);
    updateWordCount();
    updateSentenceCount();
}

// --- Save, save as, backup ----------------------------------------------------------------------------

bool MainWindow::fileSave()
{
    if (!curFile.isEmpty())
        return saveFile(curFile);
    return fileSaveAs();
}

bool MainWindow::fileSaveAs()
{
    QString fileName = ZelFileDialog::getSaveFileName(
        this, tr("Save database file"), lastVocFileDir, tr("Vocabulary database files (*.lxv)"));
    if (fileName.isEmpty())
        return false;
    // The dialog asked before replacing the name it was given, not the one the ending makes.
    if (!ZelFileDialog::completeEnding(this, &fileName, {QStringLiteral(".lxv")}))
        return false;
    lastVocFileDir = QFileInfo(fileName).absolutePath();
    return saveFile(fileName);
}

bool MainWindow::saveFile(const QString &fileName)
{
    ZelBusyCursor busy;
    if (!guarded([&] { return db->saveText(fileName, DatabaseFileVersion); })) {
        statusBar()->showMessage(tr("Save cancelled"), 2000);
        return false;
    }
    setCurrentFile(fileName);
    statusBar()->showMessage(tr("File saved"), 2000);
    doc->setClean();
    return true;
}

void MainWindow::backupDb()
{
    if (curFile.isEmpty()) {
        fileSaveAs();
        return;
    }

    const QString backupName = curFile + QLatin1String(".bak");
    // A backup is a copy for safety, not a save of the database file: edits not yet saved must still
    // be offered for saving, so the modified flag that writing clears is put back.
    const bool wasModified = db->isModified();
    ZelBusyCursor busy;
    const bool written = guarded([&] { return db->saveText(backupName, DatabaseFileVersion); });
    db->setModified(wasModified);
    busy.release();

    if (written) {
        QMessageBox::information(
            this, tr("Backup created"), tr("Your database has been backed up to:\n%1").arg(backupName));
    } else {
        QMessageBox::warning(this, tr("Backup failed"),
            tr("Your database could not be backed up to:\n%1").arg(nativePath(backupName)));
    }
}

// --- XML exchange ----------------------------------------------------------------------------------

// Once written or read, the document tree is of no further use; for a large database it takes more
// memory than the database itself.
void MainWindow::releaseXmlTree()
{
    guarded([&] {
        domDoc->clear();
        return true;
    });
}

void MainWindow::fileExportXml()
{
    QString fileName = ZelFileDialog::getSaveFileName(
        this, tr("Export XML file"), lastXmlFileDir, tr("XML files (*.xml)"));
    if (fileName.isEmpty())
        return;
    if (!ZelFileDialog::completeEnding(this, &fileName, {QStringLiteral(".xml")}))
        return;

    ZelBusyCursor busy;
    lastXmlFileDir = QFileInfo(fileName).absolutePath();
    const bool saved
        = guarded([&] { return db->saveXml(fileName, LxdDatabase::applicationFormatVersion()); });
    releaseXmlTree();
    busy.release();

    if (saved) {
        QMessageBox::warning(this, tr("XML file saved"), tr("Export complete."));
    } else {
        QMessageBox::warning(
            this, tr("File save error"), tr("Unable to save XML file: %1").arg(nativePath(fileName)));
    }
}

void MainWindow::fileImportXml()
{
    if (!okToContinue())
        return;
    const QString fileName = ZelFileDialog::getOpenFileName(
        this, tr("Import vocabulary database from XML file"), lastXmlFileDir, tr("XML files (*.xml)"));

    if (!fileName.isEmpty()) {
        ZelBusyCursor busy;
        lastXmlFileDir = QFileInfo(fileName).canonicalPath();
        guarded([&] {
            db->clear();
            return true;
        });
        setCurrentFile(QString());

        // A well-formed file of another kind would import as an empty database without a word; it is
        // reported like a file that cannot be read.
        const bool imported = guarded([&] {
            return db->loadXml(fileName)
                && domDoc->documentElement().tagName() == QLatin1String(RootElementName);
        });
        releaseXmlTree();
        if (!imported) {
            guarded([&] {
                db->clear();
                return true;
            });
            db->setModified(false);
            doc->clearHistory();
            ZelBusyCursor::Pause pause(busy);
            QMessageBox::warning(
                this, tr("File open error"), tr("Unable to open XML file: %1").arg(nativePath(fileName)));
        } else {
            doc->clearHistory();
        }
    }

    selectFirstHeadword();
}

// --- Import of other word lists ---------------------------------------------------------------------

void MainWindow::fileImport()
{
    const QString fileName = ZelFileDialog::getOpenFileName(this, tr("Import word list"), lastImportFileDir,
        tr("Word lists (*.csv *.tsv *.txt *.kvtml *.jcl *.jmt);;Spreadsheet text (*.csv *.tsv *.txt);;"
           "KVTML vocabulary files (*.kvtml);;Hot Potatoes JCloze files (*.jcl);;"
           "Hot Potatoes JMatch files (*.jmt);;All files (*)"));
    if (fileName.isEmpty())
        return;
    lastImportFileDir = QFileInfo(fileName).canonicalPath();

    const ImportRead read = readImportFile(fileName);
    if (read.cancelled) {
        statusBar()->showMessage(tr("Import cancelled."), 2000);
        return;
    }
    const LxdImport::Result &result = read.result;
    if (!result.ok() || result.headwords.isEmpty()) {
        const QString why = !result.ok() ? result.error
                                         : tr("It holds no headwords.") + QLatin1Char('\n')
                + result.skipped.mid(0, 10).join(QLatin1Char('\n'));
        QMessageBox::warning(this, tr("Import failed"),
            tr("Nothing was imported from %1.\n%2").arg(nativePath(fileName), why.trimmed()));
        return;
    }

    // The words go in through the append, in the database file's own form, so that headwords the
    // database has already get the same question (merge or keep) and nothing there is lost.
    QTemporaryFile lines(QDir::tempPath() + QLatin1String("/lexivane-import-XXXXXX.lxv"));
    const QByteArray bytes = QByteArray("\xEF\xBB\xBF") + result.toLineText().toUtf8();
    if (!lines.open() || lines.write(bytes) != bytes.size() || !lines.flush()) {
        QMessageBox::warning(this, tr("Import failed"),
            tr("Nothing was imported from %1.\nA temporary file could not be written: %2")
                .arg(nativePath(fileName), lines.errorString()));
        return;
    }
    lines.close();

    const auto totalSentences = [this] {
        int n = 0;
        for (int i = 0; i < db->itemCount(); ++i)
            n += db->sentenceCount(i);
        return n;
    };
    const int headwordsBefore = db->itemCount();
    const int sentencesBefore = totalSentences();
    const LoadResult loaded = loadDatabaseFile(lines.fileName(), true);
    // The whole import is one step to undo.
    doc->endAppend();
    if (loaded != LoadDone)
        return;
    showImportReport(
        fileName, result, {db->itemCount() - headwordsBefore, totalSentences() - sentencesBefore});
}
