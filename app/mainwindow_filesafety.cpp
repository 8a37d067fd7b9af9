// SPDX-License-Identifier: GPL-3.0-or-later
// File safety: one copy of the program edits a database at a time, and what another program wrote to
// the open file is never overwritten unseen. The lock and the watch live in LxdFileGuard; here the
// window asks its questions.
#include "app/mainwindow.h"

#include "data/lxddatabase.h"
#include "document/lxddocument.h"
#include "document/lxdfileguard.h"
#include "util/zelbusycursor.h"
#include "util/zelconfirm.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

namespace {

QString nativePath(const QString &fileName)
{
    return QDir::toNativeSeparators(fileName);
}

QString orUnknown(const QString &text)
{
    return text.isEmpty() ? MainWindow::tr("unknown") : text;
}

} // namespace

QString MainWindow::lockHolderText(const LxdFileLock &lock) const
{
    const LxdFileLock::Holder &holder = lock.holder();
    const QString since
        = holder.since.isValid() ? QLocale().toString(holder.since, QLocale::ShortFormat) : QString();
    return tr("The database %1 is open in another copy of %2 (user %3, computer %4) since %5.")
        .arg(nativePath(lock.fileName()), orUnknown(holder.program), orUnknown(holder.user),
            orUnknown(holder.host), orUnknown(since));
}

bool MainWindow::lockForOpening(const QString &fileName, LxdFileLock *lock, bool *readOnly)
{
    *readOnly = false;
    *lock = fileGuard->lockFor(fileName);
    if (lock->state() != LxdFileLock::HeldElsewhere)
        return true; // held now, or a folder where no lock can be made: opened as ever

    QMessageBox question(this);
    question.setObjectName(QStringLiteral("databaseInUseQuestion"));
    question.setIcon(QMessageBox::Warning);
    question.setWindowTitle(tr("Database in use"));
    question.setText(lockHolderText(*lock));
    // Another computer's copy may have ended long ago (switched off, crashed): the teacher, who can
    // go and look, decides whether its lock still counts.
    const QString whose = lock->holder().otherComputer
        ? tr("The lock was made on another computer; whether that copy still runs cannot be told from "
             "here. If it does not, Open anyway removes its lock.")
            + QLatin1Char(' ')
        : QString();
    question.setInformativeText(whose
        + tr("When two copies save the same database, the changes of one are lost. "
             "Open it read-only (saving then asks for another name), or open it "
             "anyway?"));
    QPushButton *asReadOnly = question.addButton(tr("Open read-only"), QMessageBox::AcceptRole);
    QPushButton *anyway = question.addButton(tr("Open anyway"), QMessageBox::DestructiveRole);
    question.addButton(QMessageBox::Cancel);
    question.setDefaultButton(asReadOnly);
    question.exec();
    if (question.clickedButton() != asReadOnly && question.clickedButton() != anyway)
        return false;
    *readOnly = question.clickedButton() == asReadOnly;
    // Opened anyway, the database is this window's to save: its lock says so to any third copy, and
    // the other copy learns of it before it saves.
    if (!*readOnly)
        lock->takeOver();
    return true;
}

bool MainWindow::readyToSave(const QString &fileName, LxdFileLock *lock)
{
    const bool sameFile = fileGuard->isFile(fileName);
    // A new name, or the name of a database opened read-only, needs its lock first.
    if (!sameFile || fileGuard->isReadOnly()) {
        *lock = LxdFileLock::take(fileName);
        if (lock->state() == LxdFileLock::HeldElsewhere) {
            QMessageBox::warning(this, tr("Database in use"),
                lockHolderText(*lock) + QLatin1String("\n\n") + tr("The database was not saved."));
            return false;
        }
    } else if (fileGuard->lockLost()) {
        // The lock file was removed, or another copy opened the database anyway and took it over.
        *lock = LxdFileLock::take(fileName);
        if (lock->state() == LxdFileLock::HeldElsewhere) {
            fileGuard->setReadOnly(true);
            updateWindowTitle();
            QMessageBox::warning(this, tr("Database in use"),
                lockHolderText(*lock) + QLatin1String("\n\n")
                    + tr("That copy opened the database after this window did. The database was not "
                         "saved; save it under another name."));
            return false;
        }
    }
    if (!sameFile || fileGuard->diskChangeBeforeSave() != LxdFileGuard::Changed)
        return true; // unchanged, or deleted or moved away: written anew

    QMessageBox question(this);
    question.setObjectName(QStringLiteral("overwriteChangedQuestion"));
    question.setIcon(QMessageBox::Warning);
    question.setWindowTitle(tr("Database changed on disk"));
    question.setText(tr("Another program has changed the database file %1 since it was opened or last "
                        "saved here.")
                         .arg(nativePath(fileName)));
    question.setInformativeText(tr("Overwrite the file with this window's database, or merge the file's "
                                   "headwords and sentences into this database and then save?"));
    QPushButton *overwrite = question.addButton(tr("Overwrite"), QMessageBox::DestructiveRole);
    QPushButton *merge = question.addButton(tr("Merge"), QMessageBox::AcceptRole);
    question.addButton(QMessageBox::Cancel);
    question.setDefaultButton(QMessageBox::Cancel);
    question.exec();
    fileGuard->noteSeen();
    if (question.clickedButton() == overwrite)
        return true;
    return question.clickedButton() == merge && mergeFromDisk();
}

void MainWindow::keepSavedFile(const QString &fileName, LxdFileLock lock)
{
    if (fileGuard->isFile(fileName) && !fileGuard->isReadOnly()) {
        fileGuard->returnLock(std::move(lock)); // a lock taken again because the old one was lost
        fileGuard->remember(); // the program's own save: nothing to ask about
    } else {
        fileGuard->setFile(fileName, std::move(lock), false);
    }
}

bool MainWindow::mergeFromDisk()
{
    ZelBusyCursor busy;
    const LxdDocument::FileResult result = doc->mergeFile(curFile);
    busy.release();
    selectFirstHeadword();
    if (result == LxdDocument::NotDatabase || result == LxdDocument::Failed) {
        QMessageBox::warning(this, tr("Merge failed"),
            tr("The database file %1 could not be read; nothing was merged.").arg(nativePath(curFile)));
        return false;
    }
    statusBar()->showMessage(tr("Changes on disk merged."), 2000);
    return true;
}

void MainWindow::reloadFromDisk()
{
    const QString fileName = curFile;
    ZelBusyCursor busy;
    const LxdDocument::FileResult result = doc->open(fileName);
    busy.release();
    if (result == LxdDocument::Done) {
        fileGuard->remember();
        statusBar()->showMessage(tr("File reloaded"), 2000);
    } else if (result == LxdDocument::NotDatabase) {
        fileGuard->noteSeen(); // nothing was read: the database stays as it was
        QMessageBox::warning(this, tr("File open error"),
            tr("This file is not a vocabulary database:\n%1").arg(nativePath(fileName)));
    } else {
        // As after any failed open: the emptied database must not be saved over the file.
        setCurrentFile(QString());
        QMessageBox::warning(this, tr("File open error"),
            tr("The database file %1 could not be read.").arg(nativePath(fileName)));
    }
    selectFirstHeadword();
}

void MainWindow::fileChangedOnDisk()
{
    // Not in the middle of another question or command: the guard looks again in a moment.
    if (QApplication::activeModalWidget()) {
        fileGuard->checkLater();
        return;
    }
    QMessageBox question(this);
    question.setObjectName(QStringLiteral("changedOnDiskQuestion"));
    question.setIcon(QMessageBox::Question);
    question.setWindowTitle(tr("Database changed on disk"));
    question.setText(tr("Another program has changed the database file %1.").arg(nativePath(curFile)));
    if (!db->isModified()) {
        question.setInformativeText(tr("Reload it, or keep what this window shows?"));
        QPushButton *reload = question.addButton(tr("Reload"), QMessageBox::AcceptRole);
        question.addButton(tr("Keep what is shown"), QMessageBox::RejectRole);
        question.setDefaultButton(reload);
        question.exec();
        if (question.clickedButton() == reload)
            reloadFromDisk();
        else
            fileGuard->keepMine();
        return;
    }

    question.setInformativeText(tr("This window has changes that are not saved. Merge the file's headwords "
                                   "and sentences into this database, reload the file and lose this "
                                   "window's changes, or keep your own?"));
    QPushButton *merge = question.addButton(tr("Merge"), QMessageBox::AcceptRole);
    QPushButton *reload = question.addButton(tr("Reload"), QMessageBox::DestructiveRole);
    question.addButton(tr("Keep mine"), QMessageBox::RejectRole);
    question.setDefaultButton(merge);
    for (;;) {
        question.exec();
        if (question.clickedButton() == merge) {
            // Both sides are in the database now; saving writes them without asking.
            if (mergeFromDisk())
                fileGuard->keepMine();
            else
                fileGuard->noteSeen();
        } else if (question.clickedButton() == reload) {
            if (!ZelConfirm::ask(tr("Reload database"),
                    tr("Reloading discards the changes made in this window since the database was last "
                       "saved.")))
                continue;
            reloadFromDisk();
        } else {
            fileGuard->keepMine();
        }
        return;
    }
}

void MainWindow::fileRemovedFromDisk()
{
    if (QApplication::activeModalWidget()) {
        fileGuard->checkLater();
        return;
    }
    QMessageBox::information(this, tr("Database file removed"),
        tr("The database file %1 has been deleted or moved away. Saving writes it anew.")
            .arg(nativePath(curFile)));
}
