// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery copy of unsaved changes: offering a copy that a crashed program left behind, and
// telling the teacher when the copy cannot be written.
#include "app/mainwindow.h"

#include "data/lxddatabase.h"
#include "document/lxddocument.h"
#include "document/lxdfileguard.h"
#include "document/lxdrecovery.h"
#include "util/zelbusycursor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

void MainWindow::setupRecovery()
{
    recovery = new LxdRecovery(doc, this);
    recovery->setObjectName(QStringLiteral("recovery"));
    connect(recovery, &LxdRecovery::copyWritten, this, [this](bool ok, const QString &error) {
        if (!ok)
            statusBar()->showMessage(tr("The recovery copy could not be written: %1").arg(error), 10000);
    });
}

// After `databaseFile` was opened: a copy of it that a crashed program left is offered.
void MainWindow::offerRecovery(const QString &databaseFile)
{
    for (const LxdRecoveryCopy &copy : LxdRecovery::orphans(databaseFile)) {
        if (askAboutRecovery(copy))
            return;
    }
}

// At start-up any copy left behind is offered, newest first, until one is recovered; the copies of
// the database opened at start-up were offered when it was opened.
void MainWindow::offerRecoveryAtStartup()
{
    const QFileInfo opened(curFile);
    for (const LxdRecoveryCopy &copy : LxdRecovery::orphans()) {
        if (!curFile.isEmpty() && !copy.databaseFile.isEmpty() && QFileInfo(copy.databaseFile) == opened)
            continue;
        if (askAboutRecovery(copy))
            return;
    }
}

void MainWindow::warnRecoveryFailed(const QString &copyFile)
{
    QMessageBox::warning(this, tr("Recovery failed"),
        tr("The recovery copy %1 cannot be read.").arg(QDir::toNativeSeparators(copyFile)));
}

// True when the copy was recovered. "Later" keeps the copy for the next start.
bool MainWindow::askAboutRecovery(const LxdRecoveryCopy &copy)
{
    const QString name
        = copy.databaseFile.isEmpty() ? tr("Untitled") : QDir::toNativeSeparators(copy.databaseFile);
    const QString when = QLocale().toString(copy.editedAt.toLocalTime(), QLocale::ShortFormat);
    QMessageBox box(this);
    box.setObjectName(QStringLiteral("recoveryQuestion"));
    box.setIcon(QMessageBox::Question);
    box.setWindowTitle(tr("Unsaved changes"));
    box.setText(tr("Unsaved changes to %1 from %2 can be recovered.").arg(name, when));
    QPushButton *recover = box.addButton(tr("Recover"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(tr("Discard"), QMessageBox::DestructiveRole);
    QPushButton *later = box.addButton(tr("Later"), QMessageBox::RejectRole);
    box.setDefaultButton(recover);
    box.setEscapeButton(later);
    box.exec();

    if (box.clickedButton() == discard) {
        LxdRecovery::remove(copy);
        statusBar()->showMessage(tr("The unsaved changes were discarded."), 2000);
        return false;
    }
    if (box.clickedButton() != recover)
        return false;
    // A copy that cannot be read is found out before anything is given up for it: the window keeps
    // its database and its name.
    const QString copyFile = copy.copyFile();
    if (QFile file(copyFile); !file.open(QIODevice::ReadOnly) || LxdDocument::isBinaryFile(copyFile)) {
        warnRecoveryFailed(copyFile);
        return false;
    }
    if (!okToContinue())
        return false;
    // The database the changes belong to is opened as any other: with its lock, or the question
    // when another copy of the program has it open.
    LxdFileLock lock;
    bool readOnly = false;
    if (!copy.databaseFile.isEmpty() && !lockForOpening(copy.databaseFile, &lock, &readOnly))
        return false;

    ZelBusyCursor busy;
    const bool recovered = recovery->recover(copy);
    // The changes belong to the database file they were made to, which is where they will be saved.
    if (recovered && !copy.databaseFile.isEmpty())
        fileGuard->setFile(copy.databaseFile, std::move(lock), readOnly);
    setCurrentFile(recovered ? copy.databaseFile : QString());
    busy.release();
    selectFirstHeadword();
    if (!recovered) {
        warnRecoveryFailed(copyFile);
        return false;
    }
    statusBar()->showMessage(tr("Unsaved changes recovered"), 2000);
    return true;
}
