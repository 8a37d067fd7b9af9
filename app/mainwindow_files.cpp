// SPDX-License-Identifier: GPL-3.0-or-later
// File commands: new, open, append, import, save, backup, quit, XML exchange, and loading a database file.
#include "app/mainwindow.h"

#include "data/largefile.h"
#include "data/lxddatabase.h"
#include "data/lxditem.h"
#include "data/xmlexport.h"
#include "document/lxddocument.h"
#include "document/lxdfileguard.h"
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
#include <QSet>
#include <QStatusBar>
#include <QStringConverter>

#include <optional>

namespace {

QString nativePath(const QString &fileName)
{
    return QDir::toNativeSeparators(fileName);
}

// The line that says why a write failed, under the message that names the file.
QString withReason(const QString &message, const QString &reason)
{
    return message + QLatin1Char('\n') + reason;
}

} // namespace

// Asks before a file so large that reading it takes long and a great deal of memory; true when the
// user wants it read all the same.
bool MainWindow::readLargeFile(const QString &fileName, qint64 size)
{
    std::optional<ZelBusyCursor::Pause> pause;
    if (appendBusy)
        pause.emplace(*appendBusy);
    return ZelConfirm::ask(tr("Large file"),
        tr("The file %1 is %2 large. Reading it takes a long time and about ten times as much memory.")
            .arg(nativePath(fileName), LargeFile::sizeText(size)));
}

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
    session->newDatabase();
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
    // as changed and is put in order; all of it is one step to undo.
    if (appendDatabaseFile(fileName) != LoadFailed)
        selectFirstHeadword();
}

bool MainWindow::loadFile(const QString &fileName, bool append)
{
    if (append)
        return appendDatabaseFile(fileName) == LoadDone;
    ZelBusyCursor busy;
    appendBusy = &busy;
    const LxdOutcome outcome = session->open(fileName, this);
    appendBusy = nullptr;
    busy.release();
    switch (outcome.code) {
    case LxdOutcome::Done:
        statusBar()->showMessage(tr("File loaded"), 2000);
        break;
    case LxdOutcome::NotDatabase:
        QMessageBox::warning(this, tr("File open error"),
            tr("This file is not a vocabulary database:\n%1").arg(nativePath(fileName)));
        [[fallthrough]];
    default:
        statusBar()->showMessage(tr("Loading cancelled."), 2000);
        return false;
    }
    selectFirstHeadword();
    offerRecovery(fileName);
    return true;
}

MainWindow::LoadResult MainWindow::appendDatabaseFile(const QString &fileName)
{
    if (const qint64 size = LargeFile::sizeToAskAbout(fileName); size > 0 && !readLargeFile(fileName, size)) {
        // Nothing was read: the database stays as it was.
        statusBar()->showMessage(tr("Appending file cancelled."), 2000);
        return LoadFailed;
    }
    ZelBusyCursor busy;
    appendBusy = &busy;
    const LxdDocument::FileResult result = doc->append(fileName, this).result;
    appendBusy = nullptr;
    busy.release();

    switch (result) {
    case LxdDocument::NotDatabase:
        QMessageBox::warning(this, tr("File open error"),
            tr("This file is not a vocabulary database:\n%1").arg(nativePath(fileName)));
        [[fallthrough]];
    case LxdDocument::Failed:
        statusBar()->showMessage(tr("Appending file failed."), 2000);
        return LoadFailed;
    case LxdDocument::Cancelled:
        statusBar()->showMessage(tr("Appending file cancelled."), 2000);
        return LoadCancelled;
    case LxdDocument::MergeFailed:
        statusBar()->showMessage(tr("Appending file failed."), 2000);
        break;
    case LxdDocument::Done:
        statusBar()->showMessage(tr("Appending file completed."), 2000);
        break;
    }
    selectFirstHeadword();
    return LoadDone;
}

bool MainWindow::confirmRepeatedHeadwords()
{
    ZelBusyCursor::Pause pause(*appendBusy);
    return ZelConfirm::ask(tr("Duplicate entries in database"),
        tr("The database you are appending contains some of the same headwords as the current database."),
        tr("Are you sure you want to continue?"));
}

std::optional<LxdMergeMode> MainWindow::chooseMergeOrKeep()
{
    ZelBusyCursor::Pause pause(*appendBusy);
    QMessageBox choice;
    choice.setObjectName(QStringLiteral("mergeOrKeepQuestion"));
    choice.setWindowTitle(tr("Duplicate entries in database"));
    choice.setText(
        tr("You can either merge duplicate headwords into a single entry, or keep the duplicates."));
    choice.setInformativeText(tr("Would you like to merge duplicates or keep them?"));
    QPushButton *merge = choice.addButton(tr("&Merge"), QMessageBox::ActionRole);
    QPushButton *keep = choice.addButton(tr("&Keep"), QMessageBox::ActionRole);
    choice.addButton(QMessageBox::Cancel);
    choice.setDefaultButton(QMessageBox::Cancel);
    choice.exec();
    if (choice.clickedButton() == merge)
        return LxdMergeMode::Merge;
    if (choice.clickedButton() == keep)
        return LxdMergeMode::Keep;
    return std::nullopt;
}

// Clears the headword selection and makes the first headword current and selected, which shows its
// sentences; then brings the count labels up to date.
void MainWindow::selectFirstHeadword()
{
    QItemSelectionModel *selection = lvWords->selectionModel();
    selection->clearSelection();
    selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    const QModelIndex first = wordModel->index(0, 0);
    if (first.isValid())
        selection->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect);
    updateWordCount();
    updateSentenceCount();
}

// --- Save, save as, backup ----------------------------------------------------------------------------

bool MainWindow::fileSave()
{
    // A database opened read-only is another copy's to write.
    if (!currentFile().isEmpty() && !session->isReadOnly())
        return saveFile(currentFile());
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
    appendBusy = &busy;
    const LxdOutcome outcome = session->save(fileName, this);
    appendBusy = nullptr;
    busy.release();
    if (outcome.merged)
        selectFirstHeadword();
    if (!outcome.ok()) {
        statusBar()->showMessage(tr("Save cancelled"), 2000);
        if (outcome.code == LxdOutcome::WriteFailed)
            QMessageBox::warning(this, tr("File save error"),
                withReason(tr("Unable to save database file: %1").arg(nativePath(fileName)), outcome.reason));
        else
            reportFileSafety(outcome);
        return false;
    }
    statusBar()->showMessage(tr("File saved"), 2000);
    return true;
}

void MainWindow::backupDb()
{
    if (currentFile().isEmpty()) {
        fileSaveAs();
        return;
    }
    ZelBusyCursor busy;
    const LxdOutcome outcome = session->backup();
    busy.release();
    if (outcome.ok()) {
        QMessageBox::information(
            this, tr("Backup created"), tr("Your database has been backed up to:\n%1").arg(outcome.fileName));
    } else {
        QMessageBox::warning(this, tr("Backup failed"),
            withReason(tr("Your database could not be backed up to:\n%1").arg(nativePath(outcome.fileName)),
                outcome.reason));
    }
}

// --- XML exchange ----------------------------------------------------------------------------------

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
    QString reason;
    const bool saved = doc->exportXml(fileName, &reason);
    busy.release();

    if (saved) {
        QString first;
        const int changed = XmlExport::changedTexts(db->items, &first);
        QString text = tr("Export complete.");
        if (changed > 0)
            text += QLatin1String("\n\n")
                + (changed == 1 ? tr("One text held characters that an XML file cannot hold (control "
                                     "characters and the like); they were left out. It now reads:")
                                : tr("%1 texts held characters that an XML file cannot hold (control "
                                     "characters and the like); they were left out. The first now reads:")
                                      .arg(changed))
                + QLatin1String("\n\n") + first;
        QMessageBox::warning(this, tr("XML file saved"), text);
    } else {
        QMessageBox::warning(this, tr("File save error"),
            withReason(tr("Unable to save XML file: %1").arg(nativePath(fileName)), reason));
    }
}

void MainWindow::fileImportXml()
{
    if (!okToContinue())
        return;
    const QString fileName = ZelFileDialog::getOpenFileName(
        this, tr("Import vocabulary database from XML file"), lastXmlFileDir, tr("XML files (*.xml)"));

    if (!fileName.isEmpty()
        && (LargeFile::sizeToAskAbout(fileName) == 0
            || readLargeFile(fileName, LargeFile::sizeToAskAbout(fileName)))) {
        ZelBusyCursor busy;
        lastXmlFileDir = QFileInfo(fileName).canonicalPath();
        int brokenTexts = 0;
        QString refusal;
        if (!doc->importXml(fileName, &brokenTexts, &refusal)) {
            // The database that was open stays, with its name.
            busy.release();
            const QString message = tr("Unable to open XML file: %1").arg(nativePath(fileName));
            QMessageBox::warning(
                this, tr("File open error"), refusal.isEmpty() ? message : withReason(message, refusal));
        } else {
            setCurrentFile(QString());
            if (brokenTexts > 0) {
                busy.release();
                QMessageBox::information(this, tr("Texts changed"),
                    tr("%1 of the imported texts held \"&&&\", which a database file cannot store; "
                       "they were imported with it written as \"& & &\".")
                        .arg(brokenTexts));
            }
        }
    }

    selectFirstHeadword();
}
