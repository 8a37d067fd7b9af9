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

#include <optional>

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

QString MainWindow::lockHolderText(const QString &fileName, const LxdFileLock::Holder &holder) const
{
    const QString since
        = holder.since.isValid() ? QLocale().toString(holder.since, QLocale::ShortFormat) : QString();
    return tr("The database %1 is open in another copy of %2 (user %3, computer %4) since %5.")
        .arg(nativePath(fileName), orUnknown(holder.program), orUnknown(holder.user), orUnknown(holder.host),
            orUnknown(since));
}

LxdSessionQuestions::LockAnswer MainWindow::askAboutLock(const LxdFileLock &lock)
{
    std::optional<ZelBusyCursor::Pause> pause;
    if (appendBusy)
        pause.emplace(*appendBusy);
    QMessageBox question(this);
    question.setObjectName(QStringLiteral("databaseInUseQuestion"));
    question.setIcon(QMessageBox::Warning);
    question.setWindowTitle(tr("Database in use"));
    question.setText(lockHolderText(lock.fileName(), lock.holder()));
    // Another computer's copy may have ended long ago (switched off, crashed): the teacher, who can
    // go and look, decides whether its lock still counts.
    const QString whose = lock.holder().otherComputer
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
    if (question.clickedButton() == asReadOnly)
        return OpenReadOnly;
    return question.clickedButton() == anyway ? OpenAnyway : CancelOpen;
}

LxdSessionQuestions::SaveAnswer MainWindow::askOverwriteChanged(const QString &fileName)
{
    std::optional<ZelBusyCursor::Pause> pause;
    if (appendBusy)
        pause.emplace(*appendBusy);
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
    if (question.clickedButton() == overwrite)
        return Overwrite;
    return question.clickedButton() == merge ? MergeThenSave : CancelSave;
}

// What a file command that ended in a lock or a merge says; false when it said nothing.
bool MainWindow::reportFileSafety(const LxdOutcome &outcome)
{
    switch (outcome.code) {
    case LxdOutcome::LockHeld:
        QMessageBox::warning(this, tr("Database in use"),
            lockHolderText(outcome.lockFile, outcome.holder) + QLatin1String("\n\n")
                + tr("The database was not saved."));
        return true;
    case LxdOutcome::LockLost:
        updateWindowTitle();
        QMessageBox::warning(this, tr("Database in use"),
            lockHolderText(outcome.lockFile, outcome.holder) + QLatin1String("\n\n")
                + tr("That copy opened the database after this window did. The database was not "
                     "saved; save it under another name."));
        return true;
    case LxdOutcome::MergeFailed:
        selectFirstHeadword();
        QMessageBox::warning(this, tr("Merge failed"),
            tr("The database file %1 could not be read; nothing was merged.")
                .arg(nativePath(outcome.fileName)));
        return true;
    default:
        return false;
    }
}

bool MainWindow::mergeFromDisk()
{
    ZelBusyCursor busy;
    const LxdOutcome outcome = session->mergeFromDisk();
    busy.release();
    if (reportFileSafety(outcome))
        return false;
    selectFirstHeadword();
    statusBar()->showMessage(tr("Changes on disk merged."), 2000);
    return true;
}

void MainWindow::reloadFromDisk()
{
    ZelBusyCursor busy;
    const LxdOutcome outcome = session->reload();
    busy.release();
    if (outcome.code == LxdOutcome::Done) {
        statusBar()->showMessage(tr("File reloaded"), 2000);
    } else if (outcome.code == LxdOutcome::NotDatabase) {
        QMessageBox::warning(this, tr("File open error"),
            tr("This file is not a vocabulary database:\n%1").arg(nativePath(outcome.fileName)));
    } else {
        QMessageBox::warning(this, tr("File open error"),
            tr("The database file %1 could not be read.").arg(nativePath(outcome.fileName)));
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
    question.setText(tr("Another program has changed the database file %1.").arg(nativePath(currentFile())));
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
            .arg(nativePath(currentFile())));
}
