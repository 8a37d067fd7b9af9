// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery copy of unsaved changes: keeping the exercise in it, offering a copy that a crashed
// program left behind, and telling the teacher when the copy cannot be written.
#include "app/mainwindow.h"

#include "data/lxddatabase.h"
#include "document/lxddocument.h"
#include "document/lxdfileguard.h"
#include "document/lxdrecovery.h"
#include "util/zelbusycursor.h"

#include <QCheckBox>
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
    recovery = new LxdRecovery(doc, this);
    recovery->setObjectName(QStringLiteral("recovery"));
    recovery->setFileGuard(fileGuard);
    connect(recovery, &LxdRecovery::copyWritten, this, [this](bool ok, const QString &error) {
        if (!ok)
            statusBar()->showMessage(tr("The recovery copy could not be written: %1").arg(error), 10000);
    });
}

// The exercise is unsaved work too: every change of it reaches the recovery copy.
void MainWindow::connectSession()
{
    const auto note = [this] { noteSessionChanged(); };
    QAbstractItemModel *output = lwOutput->model();
    connect(output, &QAbstractItemModel::rowsInserted, this, note);
    connect(output, &QAbstractItemModel::rowsRemoved, this, note);
    connect(output, &QAbstractItemModel::rowsMoved, this, note);
    connect(output, &QAbstractItemModel::modelReset, this, note);
    connect(output, &QAbstractItemModel::dataChanged, this, note);
    connect(ledExerciseTitle, &QLineEdit::textChanged, this, note);
    connect(pteExtraWords, &QPlainTextEdit::textChanged, this, note);
    connect(spbDatabaseWords, &QSpinBox::valueChanged, this, note);
    connect(btnNewShuffle, &QPushButton::clicked, this, note);
    for (QCheckBox *box : {chkIncludeQNums, chkGapWords, chkBracketWords, chkJumbleOrder, chkIncludeWordList,
             chkAnswerKey, chkShuffleWordList})
        connect(box, &QCheckBox::toggled, this, note);
}

LxdRecoverySession MainWindow::currentSession() const
{
    LxdRecoverySession session;
    session.output = outputEntries();
    session.title = ledExerciseTitle->text();
    session.extraWords = pteExtraWords->toPlainText();
    session.databaseWords = spbDatabaseWords->value();
    for (const QCheckBox *box : {chkIncludeQNums, chkGapWords, chkBracketWords, chkJumbleOrder,
             chkIncludeWordList, chkAnswerKey, chkShuffleWordList})
        session.options.insert(box->objectName(), box->isChecked());
    // The seed counts while it is the one the next export takes.
    const QStringList distractorInput {session.extraWords, QString::number(session.databaseWords)};
    if (keptSeed && keptEntries == session.output && keptOptions == exerciseOptions()
        && keptDistractorInput == distractorInput)
        session.seed = keptSeed;
    return session;
}

// A burst of changes (a list filled entry by entry) is taken once, when it is over.
void MainWindow::noteSessionChanged()
{
    if (sessionNotePending || sessionEnded)
        return;
    sessionNotePending = true;
    QTimer::singleShot(0, this, [this] {
        sessionNotePending = false;
        if (!sessionEnded)
            recovery->setSession(currentSession());
    });
}

// The recovered entries join the output list; the title, the extra words and the options are
// those of the recovered exercise, and so is its shuffle when the list held nothing else.
void MainWindow::restoreSession(const LxdRecoverySession &session)
{
    if (session.isEmpty())
        return;
    const bool listWasEmpty = lwOutput->count() == 0;
    lwOutput->addItems(session.output);
    ledExerciseTitle->setText(session.title);
    pteExtraWords->setPlainText(session.extraWords);
    spbDatabaseWords->setValue(session.databaseWords);
    for (QCheckBox *box : {chkIncludeQNums, chkGapWords, chkBracketWords, chkJumbleOrder, chkIncludeWordList,
             chkAnswerKey, chkShuffleWordList}) {
        if (session.options.contains(box->objectName()))
            box->setChecked(session.options.value(box->objectName()));
    }
    setOutputListButtonStates();
    updateOutputCount();
    if (listWasEmpty && session.seed) {
        keptSeed = session.seed;
        keptEntries = outputEntries();
        keptOptions = exerciseOptions();
        keptDistractorInput = {pteExtraWords->toPlainText(), QString::number(spbDatabaseWords->value())};
    }
    noteSessionChanged();
}

// After `databaseFile` was opened: a copy of it that a crashed program left is offered.
void MainWindow::offerRecovery(const QString &databaseFile)
{
    for (const LxdRecoveryCopy &copy : LxdRecovery::orphans(databaseFile)) {
        if (askAboutRecovery(copy) == Recovered)
            return;
    }
}

// At start-up any copy left behind is offered, newest first, until one is recovered; the copies of
// the database opened at start-up were offered when it was opened. "Later" on a copy while no
// database is open opens the copy's database as it is on disk (the copies stay for later).
void MainWindow::offerRecoveryAtStartup()
{
    const QFileInfo opened(curFile);
    const QString openedFile = curFile;
    for (const LxdRecoveryCopy &copy : LxdRecovery::orphans()) {
        if (!openedFile.isEmpty() && !copy.databaseFile.isEmpty() && QFileInfo(copy.databaseFile) == opened)
            continue;
        const RecoveryAnswer answer = askAboutRecovery(copy);
        if (answer == Recovered)
            return;
        // This list holds the locks of all the copies, so opening the database offers none again.
        if (answer == RecoverLater && curFile.isEmpty() && !db->isModified() && !copy.databaseFile.isEmpty()
            && QFile::exists(copy.databaseFile))
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
        restoreSession(copy.session);
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
    if (!copy.databaseFile.isEmpty() && !lockForOpening(copy.databaseFile, &lock, &readOnly))
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
    restoreSession(copy.session);
    statusBar()->showMessage(tr("Unsaved changes recovered"), 2000);
    // Saved again since (by this program after "Later", another copy, a sync client): the same
    // choices as for any change on disk, never a silent overwrite.
    if (!copy.databaseFile.isEmpty() && fileGuard->diskChange() == LxdFileGuard::Changed)
        fileChangedOnDisk();
    return Recovered;
}
