// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery copy of unsaved changes: keeping the exercise in it, offering a copy that a crashed
// program left behind, and telling the teacher when the copy cannot be written.
#include "app/mainwindow.h"

#include "data/lxddatabase.h"
#include "document/lxddocument.h"
#include "document/lxdfileguard.h"
#include "document/lxdrecovery.h"
#include "exercise/instructionlanguage.h"
#include "util/zelbusycursor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>

void MainWindow::setupRecovery()
{
    connect(recovery, &LxdRecovery::copyWritten, this, [this](bool ok, const QString &error) {
        if (!ok)
            statusBar()->showMessage(tr("The recovery copy could not be written: %1").arg(error), 10000);
    });
    connect(session, &LxdSession::exerciseNotKept, this, [this](const QString &error) {
        statusBar()->showMessage(tr("The exercise could not be kept: %1").arg(error), 10000);
    });
}

// The exercise's fields are the session's: what the teacher sets there goes to the session, and an
// exercise the session brings back (kept from last time, or recovered) is shown.
void MainWindow::connectSession()
{
    const auto options = [this] { session->setOptions(exerciseOptions()); };
    for (QCheckBox *box : {chkIncludeQNums, chkGapWords, chkBracketWords, chkJumbleOrder, chkIncludeWordList,
             chkAnswerKey, chkShuffleWordList})
        connect(box, &QCheckBox::toggled, this, options);
    connect(ledExerciseTitle, &QLineEdit::textChanged, session, &LxdSession::setTitle);
    connect(pteExtraWords, &QPlainTextEdit::textChanged, this,
        [this] { session->setExtraWords(pteExtraWords->toPlainText()); });
    connect(spbDatabaseWords, &QSpinBox::valueChanged, session, &LxdSession::setDatabaseWords);
    connect(cmbHints, &QComboBox::currentIndexChanged, this, options);
    connect(cmbInstructionLanguage, &QComboBox::currentIndexChanged, this, options);
    const auto sheets = [this] { session->setSheetOptions(sheetOptions()); };
    connect(spbVersions, &QSpinBox::valueChanged, this, sheets);
    connect(cmbVersionKind, &QComboBox::currentIndexChanged, this, sheets);
    connect(chkKeysAtEnd, &QCheckBox::toggled, this, sheets);
    connect(chkDifferentiated, &QCheckBox::toggled, this, sheets);
    connect(session, &LxdSession::exerciseRestored, this, &MainWindow::showExercise);
}

void MainWindow::showExercise()
{
    // Read first: each control set below tells the session at once, with the others not yet set.
    const ExerciseOptions options = session->options();
    const SheetOptions sheets = session->sheetOptions();
    chkIncludeQNums->setChecked(options.includeQNums);
    chkGapWords->setChecked(options.gapWords);
    chkBracketWords->setChecked(options.bracketWords);
    chkJumbleOrder->setChecked(options.jumbleOrder);
    chkIncludeWordList->setChecked(options.includeWordList);
    chkAnswerKey->setChecked(options.answerKey);
    chkShuffleWordList->setChecked(options.shuffleWordList);
    if (ledExerciseTitle->text() != session->title())
        ledExerciseTitle->setText(session->title());
    if (pteExtraWords->toPlainText() != session->extraWords())
        pteExtraWords->setPlainText(session->extraWords());
    spbDatabaseWords->setValue(session->databaseWords());
    cmbHints->setCurrentIndex(int(options.hints));
    cmbInstructionLanguage->setCurrentIndex(int(
        InstructionLanguage::codes().indexOf(InstructionLanguage::effective(options.instructionLanguage))));
    spbVersions->setValue(sheets.versions);
    cmbVersionKind->setCurrentIndex(sheets.parallel ? 1 : 0);
    chkKeysAtEnd->setChecked(sheets.keysAtEnd);
    chkDifferentiated->setChecked(sheets.differentiated);
}

// After `databaseFile` was opened: a copy of it that a crashed program left is offered.
void MainWindow::offerRecovery(const QString &databaseFile)
{
    for (const LxdRecoveryCopy &copy : LxdRecovery::orphans(databaseFile)) {
        // An exercise without changes of the database is kept with the database already, and as new.
        if (!copy.hasChanges && QFile::exists(LxdSession::exerciseFile(databaseFile))) {
            LxdRecovery::remove(copy);
            continue;
        }
        if (askAboutRecovery(copy) == Recovered)
            return;
    }
}

// At start-up any copy left behind is offered, newest first, until one is recovered; the copies of
// the database opened at start-up were offered when it was opened. "Later" on a copy while no
// database is open opens the copy's database as it is on disk (the copies stay for later).
void MainWindow::offerRecoveryAtStartup()
{
    const QFileInfo opened(currentFile());
    const QString openedFile = currentFile();
    for (const LxdRecoveryCopy &copy : LxdRecovery::orphans()) {
        if (!openedFile.isEmpty() && !copy.databaseFile.isEmpty() && QFileInfo(copy.databaseFile) == opened)
            continue;
        const RecoveryAnswer answer = askAboutRecovery(copy);
        if (answer == Recovered)
            return;
        // This list holds the locks of all the copies, so opening the database offers none again.
        if (answer == RecoverLater && currentFile().isEmpty() && !db->isModified()
            && !copy.databaseFile.isEmpty() && QFile::exists(copy.databaseFile))
            loadFile(copy.databaseFile, false);
    }
}

void MainWindow::warnRecoveryFailed(const QString &copyFile)
{
    QMessageBox::warning(this, tr("Recovery failed"),
        tr("The recovery copy %1 cannot be read.").arg(QDir::toNativeSeparators(copyFile)));
}

MainWindow::RecoveryAnswer MainWindow::askAboutRecovery(const LxdRecoveryCopy &copy)
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
        return NotRecovered;
    }
    if (box.clickedButton() != recover)
        return RecoverLater;
    if (!copy.hasChanges) {
        // Only the exercise: the database stays as it is.
        recovery->recover(copy);
        session->restoreExercise(copy.session);
        statusBar()->showMessage(tr("Unsaved changes recovered"), 2000);
        return Recovered;
    }
    // A copy that cannot be read is found out before anything is given up for it: the window keeps
    // its database and its name.
    const QString copyFile = copy.copyFile();
    if (QFile file(copyFile); !file.open(QIODevice::ReadOnly) || LxdDocument::isBinaryFile(copyFile)) {
        warnRecoveryFailed(copyFile);
        return NotRecovered;
    }
    if (!okToContinue())
        return NotRecovered;
    // The database the changes belong to is opened as any other: with its lock, or the question
    // when another copy of the program has it open.
    LxdFileLock lock;
    bool readOnly = false;
    if (!copy.databaseFile.isEmpty() && !session->lockForOpening(copy.databaseFile, this, &lock, &readOnly))
        return NotRecovered;

    ZelBusyCursor busy;
    const bool recovered = recovery->recover(copy);
    // The changes belong to the database file they were made to, which is where they will be saved;
    // they were made to the file as it was then, so a file written since counts as changed.
    if (recovered && !copy.databaseFile.isEmpty()) {
        fileGuard->setFile(copy.databaseFile, std::move(lock), readOnly);
        fileGuard->assume(LxdRecovery::diskState(copy.base));
    }
    setCurrentFile(recovered ? copy.databaseFile : QString());
    busy.release();
    selectFirstHeadword();
    if (!recovered) {
        warnRecoveryFailed(copyFile);
        return NotRecovered;
    }
    session->restoreExercise(copy.session);
    statusBar()->showMessage(tr("Unsaved changes recovered"), 2000);
    // Saved again since (by this program after "Later", another copy, a sync client): the same
    // choices as for any change on disk, never a silent overwrite.
    if (!copy.databaseFile.isEmpty() && fileGuard->diskChange() == LxdFileGuard::Changed)
        fileChangedOnDisk();
    return Recovered;
}
